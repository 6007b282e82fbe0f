#include "ui/toolkit/FnMessage.h"

#include <cstring>

FnMessage::FnMessage(int kind, int eventType, const char* name)
    : kind_(kind), eventType_(eventType) {
    if (name) std::strncpy(name_, name, sizeof name_ - 1);
}

FnMessage FnMessage::Pointer(int kind, FnPoint point, int eventType) {
    FnMessage m(kind, eventType);
    m.SetPoint(point);
    return m;
}

FnPoint FnMessage::Point() const {
    float xy[2];
    std::memcpy(xy, payload_, sizeof xy);
    return {xy[0], xy[1]};
}

void FnMessage::SetPoint(FnPoint point) {
    const float xy[2] = {point.x, point.y};
    std::memcpy(payload_, xy, sizeof xy);
}

std::int32_t FnMessage::Part() const {
    std::int32_t part;
    std::memcpy(&part, payload_, sizeof part);
    return part;
}

void FnMessage::SetPart(std::int32_t part) { std::memcpy(payload_, &part, sizeof part); }
