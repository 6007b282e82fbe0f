#include "tests/ui/toolkit/ToolkitTestHost.h"

#include "platform/window/FnWindowInput.h"
#include "tests/support/FnTestWindowSystem.h"

#include <cstdio>
#include <cstdlib>

namespace {
int gInstanceTag = 0;  // its address is the module instance
}  // namespace

FnHeadlessWindowSystem& ToolkitTest::System() { return *FnTestWindowSystem(); }

void ToolkitTest::SetUp() {
    ASSERT_NE(FnTestWindowSystem(), nullptr);
    FnwWindow::SetModuleInstance(&gInstanceTag);
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
    return System().Frame(window);
}

void ToolkitTest::SavePng(HWND window, const std::string& name) {
    const char* dir = std::getenv("FN_TOOLKIT_PNG_DIR");
    const std::string path = std::string(dir && *dir ? dir : ".") + "/" + name + ".png";
    EXPECT_TRUE(System().Frame(window).SavePng(path)) << path;
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
