#include "tests/support/DsPullScript.h"

#include <algorithm>
#include <cstdint>

DsPullScript::DsPullScript(DsPageHost& host) : host_(host) {
    host_.setPullAnswer(
        [this](double time, ComPtr<DsImage>& frame) { return Answer(time, frame); });
}

DsPullScript::~DsPullScript() { host_.setPullAnswer({}); }

void DsPullScript::failNext(HRESULT status, int count) {
    failStatus_ = status;
    failCount_ = std::max(count, 0);
}

HRESULT DsPullScript::Answer(double time, ComPtr<DsImage>& frame) {
    if (failCount_ > 0) {
        --failCount_;
        return failStatus_;
    }
    ComPtr<DsImage> rendered = host_.renderFrame(time);
    if (!rendered) return E_FAIL;
    if (kind_ == DsImageKind::Rgba64) {
        const int w = rendered->width(), h = rendered->height();
        ComPtr<DsImage> wide = DsImage::create(DsImageKind::Rgba64, w, h);
        if (!wide) return E_OUTOFMEMORY;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 4; ++c)
                    static_cast<uint16_t*>(wide->pixel(x, y))[c] =
                        uint16_t(rendered->rgba8(x, y)[c] * 257);
        rendered = wide;
    }
    frame = rendered;
    lastTime_ = time;
    return S_OK;
}
