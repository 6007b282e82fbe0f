#pragma once
// FnTColDisk: a hue/saturation colour circle with a diagonal cross marker
// that the user drags.  The angle round the centre (counter-clockwise from
// +x) is the hue in [0, 1), the distance from the centre as a fraction of
// the radius the saturation.
//
// The circle is an RGBA image built on the first draw at the current size
// (anti-aliased rim, transparent outside) and drawn with glDrawPixels; an
// insensitive widget draws it at half brightness.  A press reports 200 and
// moves the marker (201), each drag step reports 201 and the release 202;
// listeners read Hue() and Saturation() from the widget.  In marker-only
// mode only a press on the marker itself starts a drag.

#include "ui/toolkit/FnMessageSender.h"
#include "ui/toolkit/FnTObject.h"

#include <cstdint>
#include <memory>

// A hue in [0, 1) and a saturation in 0..1.
struct FnHueSaturation {
    float hue = 0.0f;
    float saturation = 0.0f;
};

class FnTColDisk : public FnTObject, public FnMessageSender {
public:
    // Disk flags
    static constexpr std::uint32_t kMarkerGrabbed = 1u
                                                    << 0;  // pointer within the marker's pick box
    static constexpr std::uint32_t kMarkerOnly = 1u << 1;  // presses off the marker do nothing
    static constexpr std::uint32_t kFrame = 1u << 2;       // frame round the widget

    static constexpr float kMinimumSide = 50.0f;
    // Images above this side would not fit on any screen; they are not built.
    static constexpr int kLargestImageSide = 8192;

    explicit FnTColDisk(const char* name = nullptr);
    ~FnTColDisk() override;

    // Grabs or lets go of the marker by the pointer's distance from it, and
    // always takes the pointer.
    FnTObject* HitTest(FnPoint point, FnPoint tolerance) override;
    void Draw() override;
    int OnDrag(FnPoint point) override;
    int OnPress(FnPoint point) override;
    int OnRelease() override;
    // Lays the circle out in the new size (margin all round, centred on the
    // shorter side) and drops the image so that the next draw rebuilds it.
    void SetSize(float width, float height) override;
    FnPoint MinimumSize() override;
    // Builds the image unless it exists; 1 when there is one afterwards, 0
    // when the circle is smaller than a pixel or memory runs out.
    virtual int BuildImage();

    // Widget-local point of a hue and a saturation; the saturation is held
    // to -1..1, so values beyond the rim put the marker on the rim.
    FnPoint MarkerPoint(float hue, float saturation) const;
    // Hue and saturation of a widget-local point; outside the circle the
    // saturation is 1.
    FnHueSaturation PointToHueSaturation(FnPoint local) const;

    // The page writes hue and saturation and then places the marker with
    // SetMarker(MarkerPoint(hue, saturation)); nothing is derived here.
    float Hue() const { return hue_; }
    void SetHue(float hue) { hue_ = hue; }
    float Saturation() const { return saturation_; }
    void SetSaturation(float saturation) { saturation_ = saturation; }
    FnPoint Marker() const { return marker_; }
    void SetMarker(FnPoint marker) { marker_ = marker; }

    // The brightness of the circle's colours; a new value rebuilds the image.
    float Value() const { return value_; }
    void SetValue(float value);

    std::uint32_t DiskFlags() const { return diskFlags_; }
    void SetDiskFlags(std::uint32_t flags) { diskFlags_ = flags; }
    bool MarkerGrabbed() const { return (diskFlags_ & kMarkerGrabbed) != 0; }
    bool MarkerOnly() const { return (diskFlags_ & kMarkerOnly) != 0; }

    float Radius() const { return radius_; }
    // Lower-left corner of the image inside the widget.
    FnPoint ImageOrigin() const { return {originX_, originY_}; }
    float Margin() const { return margin_; }
    // The image as built (side x side RGBA pixels, bottom row first), or null
    // before the first draw and after a size change.
    const std::uint8_t* Image() const { return image_.get(); }
    int ImageSide() const { return imageSide_; }

private:
    // The marker follows a widget-local point and listeners hear of it.
    void MoveMarkerTo(FnPoint local);
    void DrawMarker();

    std::unique_ptr<std::uint8_t[]> image_;
    float radius_ = 0.0f;
    float originX_ = 0.0f, originY_ = 0.0f;
    int imageSide_ = 0;
    float margin_ = 6.0f;
    float hue_ = 0.0f;
    float saturation_ = 0.0f;
    float value_ = 1.0f;
    FnPoint marker_{};
    std::uint32_t diskFlags_ = kFrame;
};
