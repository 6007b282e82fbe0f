// The tone-curves page while frames render on another thread: the page's
// pulls render and count on the worker threads, and its edits reach the
// effect while a render thread reads it.  No OpenGL: the window system
// here gives no contexts, so the widgets draw nothing and ThreadSanitizer
// sees only our threads.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "effect/ColBalanceApi.h"
#include "platform/dshost/DsHostServices.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsModuleLoader.h"
#include "platform/dshost/DsPageHost.h"
#include "platform/window/FnControlInput.h"
#include "platform/window/FnWindowSystem.h"

namespace {

struct NoGLSystem final : FnWindowSystem {
    FnGLContext* CreateContext(HWND, const PIXELFORMATDESCRIPTOR&) override { return nullptr; }
    bool MakeCurrent(HWND, FnGLContext*) override { return false; }
    void DeleteContext(FnGLContext*) override {}
    bool SwapBuffers(HWND) override { return false; }
};

}  // namespace

TEST(PageThreads, PullsAndEditsWhileAnotherThreadRenders) {
    NoGLSystem system;
    FnWindowSystem::Install(&system);
    DsHostServices services;
    DsModuleLoader module;
    ASSERT_TRUE(module.load(FN_MODULE_PATH));
    ComPtr<IDSImageEffect> fx;
    ASSERT_EQ(module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx), S_OK);
    DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, DSFAMILY_FILTER, {}};
    ASSERT_EQ(fx->GetImageEffectInfo(&info), S_OK);
    ComPtr<DsImage> source = DsImage::create(DsImageKind::Rgba8, 96, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) {
            uint8_t* p = source->rgba8(x, y);
            p[0] = uint8_t(x * 2);
            p[1] = uint8_t(y * 3);
            p[2] = uint8_t(x + y);
            p[3] = 255;
        }

    // The render thread works on a clone, as a host renders a frame.
    ComPtr<IDSImageEffect> clone;
    ASSERT_EQ(fx->Clone(IID_IDSImageEffect, clone.putVoid()), S_OK);
    std::atomic<bool> stop{false};
    std::thread renderer([&] {
        ComPtr<DsImage> out = DsImage::create(DsImageKind::Rgba8, 96, 64);
        clone->SetImage(DS_IMAGE_SOURCE, source.get());
        clone->SetImage(DS_IMAGE_OUTPUT, out.get());
        for (int frame = 0; !stop.load(); ++frame) clone->Render(nullptr, frame % 10);
        clone->SetImage(DS_IMAGE_SOURCE, nullptr);
        clone->SetImage(DS_IMAGE_OUTPUT, nullptr);
    });
    {
        DsPageHost host;
        host.setEffect(fx.get());
        host.setSource(source.get());
        size_t page = 0;
        ASSERT_EQ(host.openPage(module, CLSID_ToneCurvesPPG, &page), S_OK);
        const HWND lowlights = GetDlgItem(host.dialog(page), 1016);
        for (int i = 0; i < 20; ++i) {
            host.setTime(i);
            EXPECT_EQ(host.deliverPulls(), 1u);
            ASSERT_TRUE(FnUserType(lowlights, std::to_string(i)));
        }
        // The request of the opening page gives way to the first time change.
        EXPECT_EQ(host.framesDelivered(), 20u);
        host.closeAll();
    }
    stop = true;
    renderer.join();
    clone.reset();
    double lowlights = 0;
    ComPtr<IDSPropertyContainer> props;
    ASSERT_EQ(fx.as(IID_IDSPropertyContainer, props), S_OK);
    ASSERT_EQ(props->GetValue(ColBalanceParam::Lowlights, &lowlights), S_OK);
    EXPECT_EQ(lowlights, 19);
    props.reset();
    fx.reset();
    EXPECT_EQ(module.unload(), S_OK);
    FnWindowSystem::Install(nullptr);
}
