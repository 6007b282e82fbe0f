// Native and GL windows: classes, message routing, capture, cursor
// position, the pixel-exact projection and repeatable frames.

#include "tests/ui/toolkit/ToolkitTestHost.h"

#include <GL/gl.h>
#include <spawn.h>
#include <sys/wait.h>
#include "platform/window/FnWindowInput.h"
#include "ui/toolkit/FnwGLWindow.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct RecordingWindow : FnwWindow {
    std::vector<std::string> calls;
    void OnSize() override {
        calls.push_back("size " + std::to_string(width_) + "x" + std::to_string(height_));
    }
    void OnMouseButton(int down, int button) override {
        calls.push_back((down ? "down " : "up ") + std::to_string(button));
    }
    void OnMouseMove(int x, int y) override {
        calls.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void OnDestroy() override { calls.push_back("destroy"); }
};

// Paints a fixed scene in white on black.
struct SceneWindow : FnwGLWindow {
    void (*scene)() = nullptr;
    void OnPaint() override {
        if (!context_ || !wglMakeCurrent(GetDC(window_), context_)) return;
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1, 1, 1);
        if (scene) scene();
        SwapBuffers(GetDC(window_));
        ValidateRect(window_, nullptr);
    }
};

void RectScene() { glRectf(10, 10, 20, 20); }

void LoopScene() {
    glBegin(GL_LINE_LOOP);
    glVertex2f(10, 10);
    glVertex2f(20, 10);
    glVertex2f(20, 20);
    glVertex2f(10, 20);
    glEnd();
}

void MixedScene() {
    glColor3f(0.2f, 0.7f, 0.4f);
    glBegin(GL_TRIANGLES);
    glVertex2f(3, 2);
    glVertex2f(60, 9);
    glVertex2f(21, 44);
    glEnd();
    glColor3f(1, 0.5f, 0);
    LoopScene();
}

// Columns (or rows) lit along one line of the frame.
std::vector<int> Lit(const FnFrame& f, bool alongX, int fixed) {
    std::vector<int> lit;
    for (int i = 0; i < (alongX ? f.width : f.height); ++i)
        if (PixelIs(f, alongX ? i : fixed, alongX ? fixed : i, 255, 255, 255)) lit.push_back(i);
    return lit;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> r;
    for (int i = from; i <= to; ++i) r.push_back(i);
    return r;
}

}  // namespace

class WindowTest : public ToolkitTest {
protected:
    // The mixed scene in a new 64 x 48 GL window of the host, painted.
    FnFrame PaintMixedScene(SceneWindow& w, const char* title) {
        const int rect[4] = {0, 0, 63, 47};
        EXPECT_NE(w.Create(host_, title, rect), nullptr);
        w.scene = MixedScene;
        return Paint(w.Window());
    }
};

TEST_F(WindowTest, ClassesRegisterOnceAndNeedTheModuleInstance) {
    RecordingWindow plain;
    SceneWindow gl;
    EXPECT_STREQ(plain.ClassName(), "FnwPigFucker");
    EXPECT_STREQ(gl.ClassName(), "FnWinGLPigFucker");

    const HINSTANCE instance = FnwWindow::ModuleInstance();
    FnwWindow::SetModuleInstance(nullptr);
    const int rect[4] = {0, 0, 9, 9};
    EXPECT_EQ(plain.Create(host_, "t", rect), nullptr);
    EXPECT_EQ(plain.Window(), nullptr);
    FnwWindow::SetModuleInstance(instance);

    const ATOM a = plain.RegisterWindowClass();
    const ATOM b = gl.RegisterWindowClass();
    EXPECT_NE(a, 0);
    EXPECT_NE(b, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(plain.RegisterWindowClass(), a);
    EXPECT_EQ(gl.ClassAtom(), b);

    // The name is taken for this instance now.
    WNDCLASSA again{};
    again.lpfnWndProc = DefWindowProcW;
    again.hInstance = instance;
    again.lpszClassName = "fnwpigfucker";
    EXPECT_EQ(RegisterClassA(&again), 0);
    EXPECT_EQ(RegisterClassA(nullptr), 0);
}

TEST_F(WindowTest, MessagesReachTheObjectOnlyThroughItsProperty) {
    auto w = std::make_unique<RecordingWindow>();
    const int rect[4] = {10, 20, 59, 49};
    HWND hwnd = w->Create(host_, "rec", rect);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(w->Width(), 50);
    EXPECT_EQ(w->Height(), 30);
    EXPECT_EQ(GetPropA(hwnd, "FnwWindowPtr"), static_cast<HANDLE>(w.get()));
    // The WM_SIZE sent during creation came before the property.
    EXPECT_TRUE(w->calls.empty());

    SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(70, 40));
    EXPECT_EQ(w->calls, (std::vector<std::string>{"size 70x40"}));
    EXPECT_EQ(w->Width(), 70);
    EXPECT_EQ(w->Height(), 40);

    // Double clicks go to the default procedure; the presses around them do not.
    w->calls.clear();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(w->calls, (std::vector<std::string>{"down 0", "up 0", "up 0"}));

    // Every press captures the mouse and every release frees it.
    const UINT downs[] = {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN};
    const UINT ups[] = {WM_LBUTTONUP, WM_MBUTTONUP, WM_RBUTTONUP};
    for (int i = 0; i < 3; ++i) {
        SendMessageA(hwnd, downs[i], 0, 0);
        EXPECT_EQ(GetCapture(), hwnd) << i;
        SendMessageA(hwnd, ups[i], 0, 0);
        EXPECT_EQ(GetCapture(), nullptr) << i;
    }
    EXPECT_EQ(w->calls.back(), "up 2");

    // The object goes first: the window stays and falls back to the default.
    w.reset();
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(GetPropA(hwnd, "FnwWindowPtr"), nullptr);
    SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    // The window goes first: the object hears WM_DESTROY and drops its handle.
    RecordingWindow second;
    ASSERT_NE(second.Create(host_, "rec2", rect), nullptr);
    DestroyWindow(host_);
    host_ = nullptr;
    EXPECT_EQ(second.Window(), nullptr);
    EXPECT_EQ(second.Parent(), nullptr);
    EXPECT_EQ(second.calls.back(), "destroy");
}

TEST_F(WindowTest, MousePositionComesFromTheCursorThroughTheParentChain) {
    HWND panel = CreateWindowExA(0, "STATIC", "panel", WS_CHILD | WS_VISIBLE, 30, 40, 200, 150,
                                 host_, nullptr, nullptr, nullptr);
    ASSERT_NE(panel, nullptr);
    RecordingWindow w;
    const int rect[4] = {5, 7, 104, 56};
    ASSERT_NE(w.Create(panel, "rec", rect), nullptr);

    // Screen = host (200,100) + panel (30,40) + window (5,7) + client point.
    EXPECT_EQ(FnInputMouseMove(kHostX + 35 + 12, kHostY + 47 + 9), w.Window());
    EXPECT_EQ(w.MouseX(), 12);
    EXPECT_EQ(w.MouseY(), 9);
    // lParam is ignored: the cursor decides.
    SetCursorPos(kHostX + 35 + 3, kHostY + 47 + 4);
    SendMessageA(w.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(90, 90));
    EXPECT_EQ(w.calls.back(), "move 3,4");

    // While captured the window hears the pointer outside itself too.
    FnInputMouseButton(0, true);
    EXPECT_EQ(GetCapture(), w.Window());
    EXPECT_EQ(FnInputMouseMove(kHostX, kHostY), w.Window());
    EXPECT_EQ(w.calls.back(), "move -35,-47");
    FnInputMouseButton(0, false);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(FnInputMouseMove(kHostX, kHostY), host_);
}

TEST_F(WindowTest, ProjectionPutsIntegerCoordinatesOnPixelCentres) {
    SceneWindow w;
    const int rect[4] = {0, 0, 39, 29};
    ASSERT_NE(w.Create(host_, "gl", rect), nullptr);
    ASSERT_NE(w.Context(), nullptr);
    EXPECT_EQ(GetPixelFormat(GetDC(w.Window())), 1);

    w.scene = RectScene;
    FnFrame f = Paint(w.Window());
    ASSERT_EQ(f.width, 40);
    ASSERT_EQ(f.height, 30);
    EXPECT_EQ(Lit(f, true, 15), Range(10, 19));
    EXPECT_EQ(Lit(f, false, 15), Range(10, 19));

    // The outline through the same corners spans one pixel more each way.
    // (Which single corner pixel a line loop leaves out is the rasteriser's
    // business; the spans are not.)
    w.scene = LoopScene;
    f = Paint(w.Window());
    EXPECT_EQ(Lit(f, true, 15), (std::vector<int>{10, 20}));
    EXPECT_EQ(Lit(f, false, 15), (std::vector<int>{10, 20}));
    for (int i = 11; i <= 19; ++i) {
        EXPECT_TRUE(PixelIs(f, i, 10, 255, 255, 255) && PixelIs(f, i, 20, 255, 255, 255)) << i;
        EXPECT_TRUE(PixelIs(f, 10, i, 255, 255, 255) && PixelIs(f, 20, i, 255, 255, 255)) << i;
    }
    EXPECT_TRUE(Lit(f, true, 9).empty() && Lit(f, true, 21).empty());
    EXPECT_TRUE(Lit(f, false, 9).empty() && Lit(f, false, 21).empty());

    // A resize keeps the mapping; a zero size draws into one pixel.
    MoveWindow(w.Window(), 0, 0, 60, 50, TRUE);
    w.scene = RectScene;
    f = Paint(w.Window());
    EXPECT_EQ(f.width, 60);
    EXPECT_EQ(Lit(f, false, 12), Range(10, 19));
    MoveWindow(w.Window(), 0, 0, 0, 0, TRUE);
    EXPECT_EQ(w.Width(), 0);
    f = Paint(w.Window());
    EXPECT_EQ(f.width, 1);
    EXPECT_EQ(f.height, 1);
}

TEST_F(WindowTest, DestroyingTheWindowReleasesTheContext) {
    SceneWindow w;
    const int rect[4] = {0, 0, 19, 19};
    ASSERT_NE(w.Create(host_, "gl", rect), nullptr);
    const HGLRC context = w.Context();
    EXPECT_EQ(wglGetCurrentContext(), context);
    DestroyWindow(host_);
    host_ = nullptr;
    EXPECT_EQ(w.Context(), nullptr);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_FALSE(wglMakeCurrent(nullptr, context));
    EXPECT_FALSE(wglDeleteContext(context));
}

// Renders a scene of a triangle and a line loop; written to a file when
// the variable names one (the fresh-process half of the test below).
TEST_F(WindowTest, FrameWriter) {
    SceneWindow w;
    const FnFrame f = PaintMixedScene(w, "gl");
    ASSERT_FALSE(f.Empty());
    if (const char* out = std::getenv("FN_FRAME_OUT")) {
        std::ofstream file(out, std::ios::binary);
        file.write(reinterpret_cast<const char*>(f.rgba.data()),
                   static_cast<std::streamsize>(f.rgba.size()));
    }
}

TEST_F(WindowTest, FramesRepeatByteForByteInAFreshProcess) {
    SceneWindow w, v;
    const FnFrame first = PaintMixedScene(w, "gl");
    // Another context in this process.
    EXPECT_EQ(PaintMixedScene(v, "gl2").rgba, first.rgba);

    const std::string out = ::testing::TempDir() + "fn_frame_" + std::to_string(getpid()) + ".rgba";
    const std::string filter = "--gtest_filter=WindowTest.FrameWriter";
    const std::string var = "FN_FRAME_OUT=" + out;
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) env.push_back(*e);
    env.push_back(const_cast<char*>(var.c_str()));
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>("/proc/self/exe"), const_cast<char*>(filter.c_str()),
                    nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv, env.data()), 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::ifstream file(out, std::ios::binary);
    const std::vector<std::uint8_t> other((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    std::remove(out.c_str());
    EXPECT_EQ(other, first.rgba);
}
