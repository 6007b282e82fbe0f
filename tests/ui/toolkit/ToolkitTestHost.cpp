#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "platform/window/FnWindowInput.h"

#include <cstdio>
#include <cstdlib>

namespace {

FnHeadlessWindowSystem* gSystem = nullptr;
int gInstanceTag = 0;  // its address is the module instance

class HeadlessEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Before the first EGL call: software rendering only.
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        setenv("GALLIUM_DRIVER", "llvmpipe", 1);
        gSystem = new FnHeadlessWindowSystem;
        ASSERT_TRUE(gSystem->Open()) << gSystem->Error();
        FnWindowSystem::Install(gSystem);
        FnwWindow::SetModuleInstance(&gInstanceTag);
    }
    void TearDown() override {
        FnWindowSystem::Install(nullptr);
        delete gSystem;
        gSystem = nullptr;
    }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new HeadlessEnvironment);

}  // namespace

FnHeadlessWindowSystem& ToolkitTest::System() { return *gSystem; }

void ToolkitTest::SetUp() {
    ASSERT_NE(gSystem, nullptr);
    host_ = CreateWindowExA(0, "STATIC", "host", WS_VISIBLE, kHostX, kHostY, 400, 300, nullptr,
                            nullptr, FnwWindow::ModuleInstance(), nullptr);
    ASSERT_NE(host_, nullptr);
}

void ToolkitTest::TearDown() {
    // Buttons left held would leak into the next test's pointer state.
    FnInputMouseButton(0, false);
    ReleaseCapture();
    if (host_) DestroyWindow(host_);
}

std::unique_ptr<FnwTrouser> ToolkitTest::MakeTrouser(int left, int top, int right, int bottom) {
    auto trouser = std::make_unique<FnwTrouser>();
    const int rect[4] = {left, top, right, bottom};
    EXPECT_NE(trouser->Create(host_, "_testManager", rect), nullptr);
    EXPECT_NE(trouser->Context(), nullptr);
    return trouser;
}

void ToolkitTest::PointerTo(const FnwWindow& window, int x, int y) {
    POINT p{x, window.Height() - y};
    ClientToScreen(window.Window(), &p);
    FnInputMouseMove(p.x, p.y);
}

void ToolkitTest::LeftButton(bool down) { FnInputMouseButton(0, down); }

FnFrame ToolkitTest::Paint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    return gSystem->Frame(window);
}

void ToolkitTest::SavePng(HWND window, const std::string& name) {
    const char* dir = std::getenv("FN_TOOLKIT_PNG_DIR");
    const std::string path = std::string(dir && *dir ? dir : ".") + "/" + name + ".png";
    EXPECT_TRUE(gSystem->SaveFramePng(window, path)) << path;
}

bool PixelIs(const FnFrame& f, int x, int y, int r, int g, int b) {
    const std::uint8_t* p = f.AtGL(x, y);
    return p && p[0] == r && p[1] == g && p[2] == b;
}

std::string PixelText(const FnFrame& f, int x, int y) {
    const std::uint8_t* p = f.AtGL(x, y);
    if (!p) return "outside";
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", p[0], p[1], p[2]);
    return text;
}
