#pragma once
// What a widget or a window reports: a kind, an event type and 8 bytes of
// payload (a point for pointer events, a part number for the axis widget).

#include "ui/toolkit/FnPoint.h"

#include <cstdint>

enum FnMessageKind : int {
    kFnPointerMoved = 101,
    kFnPointerPressed = 102,
    kFnPointerReleased = 103,
    kFnDragStarted = 200,
    kFnValueChanged = 201,
    kFnDragEnded = 202,
};

enum FnEventType : int {
    kFnEventNone = 0,
    kFnEventAxis = 1,        // payload: the axis widget's active part
    kFnEventPointer = 6,     // payload: a point in the receiver's widget coordinates
    kFnEventPointerAlt = 7,  // treated like kFnEventPointer
};

class FnMessage {
public:
    explicit FnMessage(int kind = 0, int eventType = kFnEventNone, const char* name = nullptr);
    FnMessage(const FnMessage&) = default;
    FnMessage& operator=(const FnMessage&) = default;
    virtual ~FnMessage() = default;

    // A pointer message carrying a point.
    static FnMessage Pointer(int kind, FnPoint point, int eventType = kFnEventPointer);

    const char* Name() const { return name_; }
    int Kind() const { return kind_; }
    int EventType() const { return eventType_; }
    bool CarriesPoint() const {
        return eventType_ == kFnEventPointer || eventType_ == kFnEventPointerAlt;
    }

    FnPoint Point() const;
    void SetPoint(FnPoint point);
    std::int32_t Part() const;
    void SetPart(std::int32_t part);
    const std::uint8_t* Payload() const { return payload_; }

private:
    char name_[16] = {};
    int kind_ = 0;
    int eventType_ = 0;
    std::uint8_t payload_[8] = {};
};
