#include "host/cli/WorkingSpace.h"

#include "host/common/GradingSpace.h"
#include "host/common/UserText.h"

bool WorkingSpace::setUp(const CommandLine& cl, std::string& error) {
    GradingSpace space;
    if (!cl.params.empty() && !readGradingSpaceFile(cl.params, space, error)) return false;
    if (!cl.workingSpace.empty()) space.working = cl.workingSpace;
    if (!cl.inputSpace.empty()) space.input = cl.inputSpace;
    active_ = !space.working.empty();
    if (!active_) {
        for (const char* shown : {"--input-space", "--ocio"})
            if (cl.has(shown))
                return (error = std::string(shown) +
                                " needs a working space: --working-space NAME, or one in the "
                                "params file"),
                       false;
        return true;
    }
    if (cl.forcedDepth == PixelDepth::Eight || cl.forcedDepth == PixelDepth::Sixteen)
        return (error = "a working space converts float images: it does not go with --depth " +
                        cl.depth),
               false;
    ColourSpaces spaces;
    if (!spaces.load(cl.ocio, error)) return false;
    if (space.input.empty() && spaces.sceneLinear().empty())
        return (error = "colour config " + quotedText(spaces.file()) +
                        " has no scene_linear role: give --input-space"),
               false;
    return spaces.gradingConversions(space, into_, back_, error);
}

bool WorkingSpace::accepts(PixelDepth depth, const std::string& path, std::string& error) const {
    if (!active_ || depth == PixelDepth::Float) return true;
    error = quotedText(path) +
            " is an integer image, display-referred: a working space takes float images "
            "(render it with --depth float to grade its values as scene values)";
    return false;
}

namespace {

FnRect renderedRegion(const FrameImage& frame, const RenderRequest& request) {
    if (!request.roi) return {.x0 = 0, .y0 = 0, .x1 = frame.width, .y1 = frame.height};
    const DSRect& r = *request.roi;
    return {.x0 = r.x, .y0 = r.y, .x1 = r.x + r.width, .y1 = r.y + r.height};
}

}  // namespace

void WorkingSpace::into(FrameImage& frame, const RenderRequest& request) const {
    into_.apply(frame, renderedRegion(frame, request), request.field);
}

void WorkingSpace::back(FrameImage& frame, const RenderRequest& request) const {
    back_.apply(frame, renderedRegion(frame, request), request.field);
}
