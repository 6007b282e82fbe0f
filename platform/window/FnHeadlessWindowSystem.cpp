#include "platform/window/FnHeadlessWindowSystem.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstring>
#include <vector>

class FnHeadlessWindowSystem::Context final : public FnGLContext {
public:
    EGLContext egl = EGL_NO_CONTEXT;
    GLuint fbo = 0, colour = 0, depth = 0;
    int width = 0, height = 0;
    int depthBits = 0;
};

namespace {

bool HasExtension(const char* list, const char* name) {
    if (!list) return false;
    const size_t n = std::strlen(name);
    for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += n)
        if ((p == list || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0')) return true;
    return false;
}

EGLDisplay OpenSurfaceless(PFNEGLGETPLATFORMDISPLAYEXTPROC getDisplay) {
    EGLDisplay d = getDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (d != EGL_NO_DISPLAY && eglInitialize(d, nullptr, nullptr)) return d;
    return EGL_NO_DISPLAY;
}

EGLDisplay OpenSoftwareDevice(PFNEGLGETPLATFORMDISPLAYEXTPROC getDisplay) {
    auto queryDevices =
        reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    auto queryString = reinterpret_cast<PFNEGLQUERYDEVICESTRINGEXTPROC>(
        eglGetProcAddress("eglQueryDeviceStringEXT"));
    if (!queryDevices || !queryString) return EGL_NO_DISPLAY;
    EGLint n = 0;
    if (!queryDevices(0, nullptr, &n) || n <= 0) return EGL_NO_DISPLAY;
    std::vector<EGLDeviceEXT> devices(static_cast<size_t>(n));
    if (!queryDevices(n, devices.data(), &n)) return EGL_NO_DISPLAY;
    for (EGLint i = 0; i < n; ++i) {
        if (!HasExtension(queryString(devices[i], EGL_EXTENSIONS), "EGL_MESA_device_software"))
            continue;
        EGLDisplay d = getDisplay(EGL_PLATFORM_DEVICE_EXT, devices[i], nullptr);
        if (d != EGL_NO_DISPLAY && eglInitialize(d, nullptr, nullptr)) return d;
    }
    return EGL_NO_DISPLAY;
}

}  // namespace

FnHeadlessWindowSystem::FnHeadlessWindowSystem() = default;

FnHeadlessWindowSystem::~FnHeadlessWindowSystem() {
    if (FnWindowSystem::Current() == this) FnWindowSystem::Install(nullptr);
    Close();
}

bool FnHeadlessWindowSystem::Open() {
    if (display_) return true;
    if (openTried_) return false;
    openTried_ = true;
    const char* clientExt = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    auto getDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getDisplay || !HasExtension(clientExt, "EGL_EXT_platform_base")) {
        error_ = "EGL has no platform displays (EGL_EXT_platform_base)";
        return false;
    }
    EGLDisplay d = EGL_NO_DISPLAY;
    if (HasExtension(clientExt, "EGL_MESA_platform_surfaceless")) d = OpenSurfaceless(getDisplay);
    if (d == EGL_NO_DISPLAY && HasExtension(clientExt, "EGL_EXT_platform_device"))
        d = OpenSoftwareDevice(getDisplay);
    if (d == EGL_NO_DISPLAY) {
        error_ = "no surfaceless or software EGL display";
        return false;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        eglTerminate(d);
        error_ = "EGL cannot bind desktop OpenGL";
        return false;
    }
    const char* displayExt = eglQueryString(d, EGL_EXTENSIONS);
    noConfig_ = HasExtension(displayExt, "EGL_KHR_no_config_context") ||
                HasExtension(displayExt, "EGL_MESA_configless_context");
    if (!noConfig_) {
        const EGLint attribs[] = {EGL_RENDERABLE_TYPE,
                                  EGL_OPENGL_BIT,
                                  EGL_RED_SIZE,
                                  8,
                                  EGL_GREEN_SIZE,
                                  8,
                                  EGL_BLUE_SIZE,
                                  8,
                                  EGL_NONE};
        EGLConfig config = nullptr;
        EGLint n = 0;
        if (!eglChooseConfig(d, attribs, &config, 1, &n) || n < 1) {
            eglTerminate(d);
            error_ = "no EGL config renders desktop OpenGL";
            return false;
        }
        config_ = config;
    }
    display_ = d;
    return true;
}

void FnHeadlessWindowSystem::Close() {
    if (!display_) return;
    std::vector<Context*> left;
    for (auto& [key, ctx] : contexts_) left.push_back(key);
    for (Context* ctx : left) DeleteContext(ctx);
    // The display stays initialised: EGL hands every caller the same display
    // for the platform, so terminating it would end the contexts of any other
    // headless system in the process (and unload the driver under them).
    display_ = nullptr;
}

FnFrame FnHeadlessWindowSystem::Frame(HWND window) const {
    auto it = frames_.find(window);
    return it == frames_.end() ? FnFrame{} : it->second.frame;
}

unsigned FnHeadlessWindowSystem::FrameCount(HWND window) const {
    auto it = frames_.find(window);
    return it == frames_.end() ? 0u : it->second.count;
}

void FnHeadlessWindowSystem::WindowDestroyed(HWND window) { frames_.erase(window); }

FnGLContext* FnHeadlessWindowSystem::CreateContext(HWND, const PIXELFORMATDESCRIPTOR& format) {
    if (!Open()) return nullptr;
    eglBindAPI(EGL_OPENGL_API);
    // Fixed-function OpenGL: ask for 2.1, which Mesa serves as a
    // compatibility-profile context.
    const EGLint attribs[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1, EGL_NONE};
    EGLConfig config = noConfig_ ? EGL_NO_CONFIG_KHR : static_cast<EGLConfig>(config_);
    EGLContext egl = eglCreateContext(display_, config, EGL_NO_CONTEXT, attribs);
    if (egl == EGL_NO_CONTEXT) {
        error_ = "eglCreateContext failed";
        return nullptr;
    }
    auto ctx = std::make_unique<Context>();
    ctx->egl = egl;
    ctx->depthBits = format.cDepthBits;
    Context* raw = ctx.get();
    contexts_.emplace(raw, std::move(ctx));
    return raw;
}

bool FnHeadlessWindowSystem::MakeCurrent(HWND window, FnGLContext* context) {
    if (!display_) return context == nullptr;
    auto it = contexts_.find(static_cast<Context*>(context));
    if (!context || it == contexts_.end()) {
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        current_ = nullptr;
        return context == nullptr;
    }
    Context& ctx = *it->second;
    eglBindAPI(EGL_OPENGL_API);
    if (!eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, ctx.egl)) {
        current_ = nullptr;
        return false;
    }
    current_ = &ctx;
    if (renderer_.empty())
        if (const GLubyte* r = glGetString(GL_RENDERER))
            renderer_ = reinterpret_cast<const char*>(r);

    // The framebuffer follows the window's size; a zero-sized window still
    // gets one pixel to draw into.
    RECT rc{};
    GetClientRect(window, &rc);
    const int w = std::max<int>(rc.right - rc.left, 1);
    const int h = std::max<int>(rc.bottom - rc.top, 1);
    if (!ctx.fbo) {
        glGenFramebuffers(1, &ctx.fbo);
        glGenRenderbuffers(1, &ctx.colour);
        if (ctx.depthBits) glGenRenderbuffers(1, &ctx.depth);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, ctx.fbo);
    if (w != ctx.width || h != ctx.height) {
        glBindRenderbuffer(GL_RENDERBUFFER, ctx.colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, w, h);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  ctx.colour);
        if (ctx.depth) {
            glBindRenderbuffer(GL_RENDERBUFFER, ctx.depth);
            glRenderbufferStorage(GL_RENDERBUFFER,
                                  ctx.depthBits > 16 ? GL_DEPTH_COMPONENT24 : GL_DEPTH_COMPONENT16,
                                  w, h);
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                      ctx.depth);
        }
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        ctx.width = w;
        ctx.height = h;
    }
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void FnHeadlessWindowSystem::DeleteContext(FnGLContext* context) {
    auto it = contexts_.find(static_cast<Context*>(context));
    if (it == contexts_.end()) return;
    Context& ctx = *it->second;
    // The framebuffer objects go with the context; deleting it is enough.
    if (current_ == &ctx) {
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        current_ = nullptr;
    }
    eglDestroyContext(display_, ctx.egl);
    contexts_.erase(it);
}

bool FnHeadlessWindowSystem::SwapBuffers(HWND window) {
    if (!current_ || !current_->fbo) return false;
    Presented& p = frames_[window];
    FnFrame& f = p.frame;
    f.width = current_->width;
    f.height = current_->height;
    const size_t rowBytes = static_cast<size_t>(f.width) * 4;
    std::vector<std::uint8_t> bottomUp(rowBytes * f.height);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadPixels(0, 0, f.width, f.height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glPopClientAttrib();
    f.rgba.resize(bottomUp.size());
    for (int y = 0; y < f.height; ++y)
        std::memcpy(f.rgba.data() + rowBytes * y, bottomUp.data() + rowBytes * (f.height - 1 - y),
                    rowBytes);
    ++p.count;
    return true;
}
