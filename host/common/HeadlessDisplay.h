// HeadlessDisplay: the offscreen window system the hosts draw their
// pictures on (the viewer snapshot, the tone report, the pages), installed
// for as long as the object lives.  Software rendering is pinned unless the
// caller chose a driver, so a picture is the same on every machine.
#pragma once

#include <string>

#include "platform/window/FnFrame.h"
#include "platform/window/FnHeadlessWindowSystem.h"

class OutputBatch;

class HeadlessDisplay {
public:
    HeadlessDisplay() = default;
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;
    ~HeadlessDisplay();

    // Opens and installs the window system; false with the reason.
    bool open(std::string& error);
    FnHeadlessWindowSystem& system() { return system_; }

    // Opens a headless system's offscreen OpenGL with the driver pinned, as
    // open() does, without installing it (for a host that installs a system
    // of its own over it).  False with the reason.
    static bool openSystem(FnHeadlessWindowSystem& system, std::string& error);

    // A presented frame as an opaque PNG, to land with the batch.
    static bool stagePng(OutputBatch& batch, const FnFrame& frame, const std::string& path,
                         std::string& error);
    // The same, landed on its own.
    static bool writePng(const FnFrame& frame, const std::string& path, std::string& error);

private:
    FnHeadlessWindowSystem system_;
    bool installed_ = false;
};
