// Clones render on their own thread while the interface thread drives the
// viewer tool with pen events, page shows and the queued refreshes: the
// placement report crosses threads without a race (ThreadSanitizer runs
// this), and the tool ends where the last render placed the source.
#include <atomic>
#include <thread>

#include "tests/effect/ViewerHost.h"

using ViewerThreadsTest = ViewerToolHost;

TEST_F(ViewerThreadsTest, RendersAndPointerEventsRunAtOnce) {
    ASSERT_EQ(tools->PushViewerTool(inspected.get()), S_OK);
    constexpr int kFrames = 200;
    std::atomic<bool> done{false};
    std::atomic<bool> failed{false};
    std::thread render([&] {
        // The host clones the edited effect for each render on its thread.
        auto out = DsImage::create(DsImageKind::Rgba8, 48, 32);
        for (int i = 0; i < kFrames; ++i) {
            ComPtr<IDSImageEffect> clone;
            if (fx->Clone(IID_IDSImageEffect, clone.putVoid()) != S_OK) failed = true;
            if (!clone) break;
            auto src = DsImage::create(DsImageKind::Rgba8, 40, 30);
            src->setWorldPlacement(10.0 * (i % 50), 20.0 * (i % 20), 0, 0);
            clone->SetImage(DS_IMAGE_SOURCE, src.get());
            clone->SetImage(DS_IMAGE_OUTPUT, out.get());
            if (clone->Render(nullptr, i) != S_OK) failed = true;
            clone->SetImage(DS_IMAGE_SOURCE, nullptr);
            clone->SetImage(DS_IMAGE_OUTPUT, nullptr);
        }
        done = true;
    });
    for (int step = 0; !done; ++step) {
        const double x = 100 + step % 200, y = 100 + step % 150;
        if (step % 7 == 0) viewer->penDown(x, y, VW_BUTTON_LEFT);
        viewer->penMove(x, y, step % 7 < 3 ? VW_BUTTON_LEFT : VW_BUTTON_NONE);
        if (step % 7 == 2) viewer->penUp(x, y, VW_BUTTON_LEFT);
        viewer->runPostedCalls();
        if (step % 50 == 0) tools->PageShown("Tone Curves");
        if (step % 13 == 0) std::this_thread::yield();
    }
    render.join();
    viewer->runPostedCalls();
    EXPECT_FALSE(failed);
    const int last = kFrames - 1;
    const AnchorPoint expected = sourceCentre(10.0 * (last % 50), 20.0 * (last % 20), 40, 30);
    const AnchorPoint got = anchorOf(tools.get(), "Src Centre");
    EXPECT_NEAR(got.x, expected.x, 1e-3);
    EXPECT_NEAR(got.y, expected.y, 1e-3);
    EXPECT_EQ(tools->PopViewerTool(), S_OK);
}
