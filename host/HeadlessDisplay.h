// HeadlessDisplay: the offscreen window system the command line draws its
// pictures on (the viewer snapshot, the tone report), installed for as long
// as the object lives.  Software rendering is pinned unless the caller chose
// a driver, so a picture is the same on every machine.
#pragma once

#include <string>

#include "platform/window/FnFrame.h"
#include "platform/window/FnHeadlessWindowSystem.h"

class HeadlessDisplay {
public:
    HeadlessDisplay() = default;
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;
    ~HeadlessDisplay();

    // Opens and installs the window system; false with the reason.
    bool open(std::string& error);
    FnHeadlessWindowSystem& system() { return system_; }

    // A presented frame as an opaque PNG, landed atomically like every
    // output of the program.
    static bool writePng(const FnFrame& frame, const std::string& path, std::string& error);

private:
    FnHeadlessWindowSystem system_;
    bool installed_ = false;
};
