// WorkingSpace: the colour-space conversions colbalance runs around the
// effect when a look is graded in a working space: each float frame from
// its input space into the working space before the effect renders (and
// before the histogram and the tone report count it), and the rendered
// frame back.  Taken from --working-space, --input-space and --ocio, else
// from the params file's host key (GradingSpace.h); with neither, nothing
// is converted and every output is what it was without.
#pragma once

#include <string>

#include "host/cli/CommandLine.h"
#include "host/common/ColourSpaces.h"
#include "host/common/FrameImage.h"
#include "host/common/ModuleSession.h"

class WorkingSpace {
public:
    // Reads the params file's host key, loads the config and makes both
    // conversions when a working space is asked for.  False with a one-line
    // error.
    bool setUp(const CommandLine& cl, std::string& error);
    bool active() const { return active_; }

    // Refuses an integer frame: its values are display-referred, a working
    // space converts float frames only.
    bool accepts(PixelDepth depth, const std::string& path, std::string& error) const;
    bool accepts(const FrameImage& frame, const std::string& path, std::string& error) const {
        return accepts(frame.depth, path, error);
    }
    // Input space to working space, and back; nothing when not active.
    const SpaceConversion& into() const { return into_; }
    const SpaceConversion& back() const { return back_; }
    // The same over only the pixels `request` renders (its region and its
    // field's rows): the pixels the effect leaves alone keep their bits.
    void into(FrameImage& frame, const RenderRequest& request) const;
    void back(FrameImage& frame, const RenderRequest& request) const;

private:
    bool active_ = false;
    SpaceConversion into_, back_;
};
