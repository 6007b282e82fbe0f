// A module that carries the toolkit can be unloaded and loaded again: the
// shared window layer forgets its classes when it goes and takes them again
// when it comes back, and a class cannot be taken away from a live window.
#include <dlfcn.h>

#include "tests/ui/toolkit/ToolkitTestHost.h"

namespace {

LRESULT CALLBACK NoProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(w, m, wp, lp);
}

struct Module {
    void* handle = dlopen(FN_RELOAD_MODULE, RTLD_NOW | RTLD_LOCAL);
    ~Module() {
        if (handle) dlclose(handle);
    }
    template <class F>
    F* fn(const char* name) const {
        return reinterpret_cast<F*>(dlsym(handle, name));
    }
};

// The toolkit's GL window class is registered for `instance` when a window
// of it can be made.
bool GLClassRegistered(HINSTANCE instance, HWND parent) {
    const HWND w = CreateWindowExA(0, "FnWinGLPigFucker", "", WS_CHILD, 0, 0, 4, 4, parent, nullptr,
                                   instance, nullptr);
    if (w) DestroyWindow(w);
    return w != nullptr;
}

}  // namespace

using ReloadTest = ToolkitTest;

TEST_F(ReloadTest, ModuleClassesComeAndGoWithTheModule) {
    for (int load = 0; load < 3; ++load) {
        HINSTANCE instance;
        {
            Module m;
            ASSERT_NE(m.handle, nullptr) << dlerror();
            instance = m.fn<HINSTANCE()>("fnReloadInstance")();
            const HWND w = m.fn<HWND(HWND)>("fnReloadOpen")(host_);
            ASSERT_NE(w, nullptr) << "load " << load;
            const FnFrame f = Paint(w);  // its own window procedure still answers
            EXPECT_EQ(f.width, 40);
            EXPECT_TRUE(GLClassRegistered(instance, host_));
            m.fn<void()>("fnReloadClose")();
        }
        EXPECT_EQ(dlopen(FN_RELOAD_MODULE, RTLD_NOW | RTLD_NOLOAD), nullptr) << "still mapped";
        EXPECT_FALSE(GLClassRegistered(instance, host_)) << "load " << load;
    }
}

TEST_F(ReloadTest, AClassInUseStaysRegistered) {
    int tag = 0;
    WNDCLASSA wc{};
    wc.lpfnWndProc = NoProc;
    wc.hInstance = &tag;
    wc.lpszClassName = "ReloadTestClass";
    ASSERT_NE(RegisterClassA(&wc), 0);
    EXPECT_EQ(RegisterClassA(&wc), 0);  // once per instance
    const HWND w = CreateWindowExA(0, "ReloadTestClass", "", WS_CHILD, 0, 0, 5, 5, host_, nullptr,
                                   &tag, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(UnregisterClassA("ReloadTestClass", &tag));
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassA("ReloadTestClass", &tag));
    EXPECT_FALSE(UnregisterClassA("ReloadTestClass", &tag));
    EXPECT_NE(RegisterClassA(&wc), 0);  // the name is free again
    EXPECT_TRUE(UnregisterClassA("ReloadTestClass", &tag));
    EXPECT_FALSE(UnregisterClassA("STATIC", nullptr));  // predefined classes stay
}
