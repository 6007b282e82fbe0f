#include "host/common/HeadlessDisplay.h"

#include <cstdlib>

#include "host/common/ImageFile.h"
#include "host/common/OutputBatch.h"
#include "host/common/StderrCapture.h"
#include "host/common/UserText.h"

HeadlessDisplay::~HeadlessDisplay() {
    if (installed_) FnWindowSystem::Install(nullptr);
}

bool HeadlessDisplay::openSystem(FnHeadlessWindowSystem& system, std::string& error) {
    // Before the first EGL call; a driver the caller chose is kept.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    setenv("GALLIUM_DRIVER", "llvmpipe", 0);
    // Mesa may say things of its own while it finds a device.
    StderrCapture quiet;
    if (!system.Open()) {
        error = "no offscreen OpenGL to draw with: " + system.Error();
        return false;
    }
    return true;
}

bool HeadlessDisplay::open(std::string& error) {
    if (!openSystem(system_, error)) return false;
    FnWindowSystem::Install(&system_);
    installed_ = true;
    return true;
}

bool HeadlessDisplay::stagePng(OutputBatch& batch, const FnFrame& frame, const std::string& path,
                               std::string& error) {
    if (frame.Empty()) {
        error = "nothing was drawn for " + quotedText(path);
        return false;
    }
    FrameImage image;
    image.width = frame.width;
    image.height = frame.height;
    image.depth = PixelDepth::Eight;
    image.bytes = frame.rgba;
    FileInfo info;
    info.spec = OIIO::ImageSpec(image.width, image.height, 3, OIIO::TypeDesc::UINT8);
    return stageFrame(batch, path, info, image, error);
}

bool HeadlessDisplay::writePng(const FnFrame& frame, const std::string& path, std::string& error) {
    OutputBatch batch;
    return stagePng(batch, frame, path, error) && batch.commit(error);
}
