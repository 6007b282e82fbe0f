// The tone-curves page's image puller.
#include "ui/pages/FnDsImagePuller.h"

namespace {
// The pull mode the host's graph expects for a viewer frame.
constexpr int32_t kPullMode = 5;
}  // namespace

HRESULT FnDsImagePuller::StartPull(IUnknown* object, float time, float width, float height) {
    if (IsPulling()) return DS_E_PULL_BUSY;
    object_ = ComPtr<IUnknown>(object);
    time_ = time;
    width_ = width;
    height_ = height;
    return Execute(object, 0, time, kPullMode, int32_t(width), int32_t(height), MFIF_RGBA_RAW_32);
}

void FnDsImagePuller::OnImagePulled(HRESULT status, IUnknown* result) {
    if (SUCCEEDED(status) && result) {
        IDSImage* image = nullptr;
        if (SUCCEEDED(result->QueryInterface(IID_IDSImage, reinterpret_cast<void**>(&image))) &&
            image) {
            if (callback_) callback_(image, context_);
            image->Release();
        }
    } else if ((status == DS_E_PULL_INTERRUPTED || status == DS_E_PULL_BUSY) && object_) {
        Execute(object_.get(), 0, time_, kPullMode, int32_t(width_), int32_t(height_),
                MFIF_RGBA_RAW_32);
    }
}
