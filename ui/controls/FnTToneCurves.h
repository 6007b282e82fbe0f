#pragma once
// FnTToneCurves: the lowlight, midtone and highlight weight curves over the
// luminance axis, with four handles to drag: the Lowlights and Highlights
// thresholds (shoulders on the top edge) and one ease handle for each.
//
// The curves are the engine's own tone weights (FnToneTransfer), evaluated
// from the widget's four values, so what the widget shows is what the
// render does.  The widget draws no background: whatever lies below it (a
// histogram, the window's clear colour) shows through, and away from its
// handles it lets the pointer through too.
//
// A press on a handle reports 200, each drag step 201 and the release 202;
// ActivePart() says which handle was dragged.

#include "engine/FnToneTransfer.h"
#include "ui/toolkit/FnMessageSender.h"
#include "ui/toolkit/FnTObject.h"

#include <cstdint>

class FnTToneCurves : public FnTObject, public FnMessageSender {
public:
    // Active parts
    enum : std::int32_t {
        kNoPart = 0,
        kHighlightsEaseHandle = 1,
        kHighlightsShoulder = 2,
        kLowlightsEaseHandle = 3,
        kLowlightsShoulder = 4,
    };
    // Indices of the four values, as the pages pair them with parameters.
    enum : int { kHighlightsEase = 0, kHighlights = 1, kLowlightsEase = 2, kLowlights = 3 };
    // Frame flags
    static constexpr std::uint32_t kFrame = 1u << 0;

    static constexpr float kInset = 2.0f;         // curve area inside the rectangle
    static constexpr float kHandleReach = 25.0f;  // ease handle to its shoulder, pixels
    // A shoulder dragged onto the other stops this far short of it.
    static constexpr float kShoulderGap = 0.00392156862745098f;  // 1/255
    static constexpr float kMinimumWidth = 54.0f, kMinimumHeight = 29.0f;
    // Curves never have more segments than this, however wide the widget.
    static constexpr int kMostSegments = 1 << 16;

    explicit FnTToneCurves(const char* name = nullptr);
    ~FnTToneCurves() override;

    // The handle under the point, or null (the widget is transparent away
    // from its handles); sets the active part.
    FnTObject* HitTest(FnPoint point, FnPoint tolerance) override;
    void Draw() override;
    int OnDrag(FnPoint point) override;
    int OnPress(FnPoint point) override;
    int OnRelease() override;
    void SetSize(float width, float height) override;
    FnPoint MinimumSize() override;

    // Places the four handles from the values.  Call after writing values.
    void UpdateHandles();

    // The three weights at luminance x, exactly as the engine computes them
    // from these values.
    float LowWeight(float x) const { return Tone().lowlightWeight(x); }
    float MidWeight(float x) const { return Tone().midtoneWeight(x); }
    float HighWeight(float x) const { return Tone().highlightWeight(x); }

    // The values, each 0..1, written directly: nothing moves until
    // UpdateHandles.
    float HighlightsEase() const { return values_[kHighlightsEase]; }
    void SetHighlightsEase(float v) { values_[kHighlightsEase] = v; }
    float Highlights() const { return values_[kHighlights]; }
    void SetHighlights(float v) { values_[kHighlights] = v; }
    float LowlightsEase() const { return values_[kLowlightsEase]; }
    void SetLowlightsEase(float v) { values_[kLowlightsEase] = v; }
    float Lowlights() const { return values_[kLowlights]; }
    void SetLowlights(float v) { values_[kLowlights] = v; }
    // By index (kHighlightsEase ... kLowlights); other indices read 0 and
    // write nothing.
    float Value(int index) const;
    void SetValue(int index, float v);

    // Handle positions in pixels of the curve area (origin at the inset).
    FnPoint LowlightsEasePoint() const { return lowEaseHandle_; }
    FnPoint LowlightsShoulder() const { return lowShoulder_; }
    FnPoint HighlightsEasePoint() const { return highEaseHandle_; }
    FnPoint HighlightsShoulder() const { return highShoulder_; }

    std::int32_t ActivePart() const { return activePart_; }
    int PixelsPerSegment() const { return pixelsPerSegment_; }
    // Fewer than 1 counts as 1.
    void SetPixelsPerSegment(int pixels) { pixelsPerSegment_ = pixels < 1 ? 1 : pixels; }
    std::uint32_t FrameFlags() const { return frameFlags_; }
    void SetFrameFlags(std::uint32_t flags) { frameFlags_ = flags; }

    // Curve area size; a negative or non-finite one counts as 0.
    float AreaWidth() const;
    float AreaHeight() const;

private:
    // The engine's tone settings for the current values.
    FnToneTransfer Tone() const;
    void DrawCurve(const FnToneTransfer& tone, float (FnToneTransfer::*weight)(float) const) const;
    void DrawRange(const FnToneTransfer& tone, float (FnToneTransfer::*weight)(float) const,
                   FnColour colour, FnPoint shoulder, FnPoint handle, std::int32_t shoulderPart,
                   std::int32_t handlePart) const;

    float values_[4] = {1.0f, 0.8f, 0.1f, 0.0f};  // eH, hi, eL, lo
    FnPoint lowEaseHandle_{}, lowShoulder_{}, highEaseHandle_{}, highShoulder_{};
    int pixelsPerSegment_ = 3;
    std::int32_t activePart_ = kNoPart;
    std::uint32_t frameFlags_ = kFrame;
};
