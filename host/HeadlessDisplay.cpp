#include "host/HeadlessDisplay.h"

#include <cstdlib>

#include "host/CommandArgs.h"
#include "host/ImageFile.h"
#include "host/StderrCapture.h"

HeadlessDisplay::~HeadlessDisplay() {
    if (installed_) FnWindowSystem::Install(nullptr);
}

bool HeadlessDisplay::open(std::string& error) {
    // Before the first EGL call; a driver the caller chose is kept.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    setenv("GALLIUM_DRIVER", "llvmpipe", 0);
    // Mesa may say things of its own while it finds a device.
    StderrCapture quiet;
    if (!system_.Open()) {
        error = "no offscreen OpenGL to draw with: " + system_.Error();
        return false;
    }
    FnWindowSystem::Install(&system_);
    installed_ = true;
    return true;
}

bool HeadlessDisplay::writePng(const FnFrame& frame, const std::string& path, std::string& error) {
    if (frame.Empty()) {
        error = "nothing was drawn for " + quotedText(path);
        return false;
    }
    FrameImage image;
    image.width = frame.width;
    image.height = frame.height;
    image.depth = PixelDepth::Eight;
    image.rgba8 = frame.rgba;
    FileInfo info;
    info.spec = OIIO::ImageSpec(image.width, image.height, 3, OIIO::TypeDesc::UINT8);
    return writeFrame(path, info, image, error);
}
