#pragma once
// DsPullScript: a page host's image pulls answered as a test scripts them,
// while it lives: the frame the host renders (DsPageHost::renderFrame),
// delivered as 8-bit or widened to 16-bit, or a failure status for the
// next pulls.  It remembers the time of the last frame delivered.

#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsPageHost.h"

class DsPullScript {
public:
    explicit DsPullScript(DsPageHost& host);
    // The host answers with its own renders again.
    ~DsPullScript();
    DsPullScript(const DsPullScript&) = delete;
    DsPullScript& operator=(const DsPullScript&) = delete;

    // The next `count` pulls are answered with `status` and no image.
    void failNext(HRESULT status, int count);
    // Frames go out as this kind (Rgba8, the default, or Rgba64).
    void deliverAs(DsImageKind kind) { kind_ = kind; }
    // The time of the last pull answered with a frame.
    double lastTime() const { return lastTime_; }

private:
    HRESULT Answer(double time, ComPtr<DsImage>& frame);

    DsPageHost& host_;
    HRESULT failStatus_ = S_OK;
    int failCount_ = 0;
    DsImageKind kind_ = DsImageKind::Rgba8;
    double lastTime_ = 0;
};
