// FnDsImagePuller: the tone-curves page's puller of the frame at the
// host's current time.  It remembers its last request, so that a pull the
// host answers with "busy" or "interrupted" is asked again, and hands every
// delivered image to a callback.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/dssdk/CDSImageGraphPuller.h"
#include "platform/dssdk/IDSImage.h"

class FnDsImagePuller : public CDSImageGraphPuller {
public:
    using Callback = void (*)(IDSImage* image, void* context);

    FnDsImagePuller() = default;
    ~FnDsImagePuller() override = default;
    // A success with an image goes to the callback; "busy" or "interrupted"
    // repeats the remembered request; anything else is ignored.
    void OnImagePulled(HRESULT status, IUnknown* result) override;

    // DS_E_PULL_BUSY while a pull is in progress (nothing is remembered);
    // otherwise remembers the request and starts it (8-bit RGBA).
    HRESULT StartPull(IUnknown* object, float time, float width, float height);

    void SetCallback(Callback callback, void* context) {
        callback_ = callback;
        context_ = context;
    }
    IUnknown* LastObject() const { return object_.get(); }
    float LastTime() const { return time_; }

private:
    // Held, so that a repeat never reaches an object the host let go.
    ComPtr<IUnknown> object_;
    float time_ = 0, width_ = 0, height_ = 0;
    Callback callback_ = nullptr;
    void* context_ = nullptr;
};
