// ModuleSession: one loaded effect module and one effect object, driven the
// way the host drives an effect: defaults, information for the family it is
// used in, parameters, then per frame images, region, field and render.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "effect/ColBalanceApi.h"
#include "host/common/FrameImage.h"
#include "host/common/ParamValues.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsExecutionContext.h"
#include "platform/dshost/DsHostServices.h"
#include "platform/dshost/DsModuleLoader.h"
#include "platform/window/FnFrame.h"

struct RenderRequest {
    std::optional<DSRect> roi;  // output pixels, rows from the top
    int field = 0;
    double time = 0;
};

class ModuleSession {
public:
    ModuleSession() = default;
    ~ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    // Loads the module and creates the effect for the plain family, or for
    // the pixel-mask family when `paint` is set.
    bool open(const std::string& modulePath, bool paint, std::string& error);
    // The same, then the values of a params file and assignments over it
    // onto the effect: what a host starts a render, a report or a page with.
    bool open(const std::string& modulePath, bool paint, const ParamSources& sources,
              std::string& error);

    // The parameters as the module announces them.
    const std::vector<ParamInfo>& params() const { return params_; }
    // Current values and keyframes onto the effect.
    bool apply(const ParamValues& values, std::string& error);
    // One parameter's setting onto the effect: its keyframes replace any it
    // had, so that a setting without keys leaves it constant.
    bool applySetting(const ParamSetting& s, std::string& error);

    // A parameter's value at a frame time, as a frame rendered then reads it.
    bool valueAt(const GUID& id, double time, double& value);

    // Renders `source` into `output` (already holding the source's pixels).
    bool render(FrameImage& source, FrameImage& output, MaskImage* mask, const RenderRequest& r,
                std::string& error);
    // The same with any effect object of the module (a clone rendering on
    // another thread) and its own execution context.
    static bool renderWith(IDSImageEffect& fx, DsExecutionContext& context, FrameImage& source,
                           FrameImage& output, MaskImage* mask, const RenderRequest& r,
                           std::string& error);
    // A separate effect with the current parameters and animation, for a
    // render on another thread; its placement reports come back to this one.
    ComPtr<IDSImageEffect> cloneEffect(std::string& error);

    // The effect's parameter interface, and its viewer-tool calls with the
    // tool's class made creatable (null with the reason when it has none).
    IDSPropertyContainer* properties() const { return props_.get(); }
    const GUID& paramId(size_t index) const { return ids_[index]; }
    ComPtr<IFnDsViewerTool> viewerTools(std::string& error);
    // The project frame the viewer tool reads when it is made.
    void setProjectFrame(int width, int height);

    // The host's viewer as it looks while a page of the effect is open,
    // drawn offscreen on the installed headless window system: the last
    // rendered frame (`output`), one frame pixel to `zoom` view pixels with
    // a margin round it, and the effect's viewer tool placed over it and
    // drawn.
    bool drawOverlayView(const FrameImage& output, double zoom, FnFrame& view, std::string& error);
    // The size of that view, in view pixels; it is drawn when `fits`: a
    // zoom above 0 and at most kMaxViewSide pixels a side.
    struct ViewSize {
        double width = 0, height = 0;
        bool fits = false;
    };
    static constexpr int kMaxViewSide = 8192;
    static ViewSize overlayViewSize(int frameWidth, int frameHeight, double zoom);

    // The loaded module and the effect, for hosts that open its pages.
    DsModuleLoader& module() { return module_; }
    IDSImageEffect* effect() const { return fx_.get(); }

private:
    bool readParams(std::string& error);

    DsHostServices services_;
    DsModuleLoader module_;
    ComPtr<IDSImageEffect> fx_;
    ComPtr<IDSPropertyContainer> props_;
    ComPtr<DsExecutionContext> context_;
    std::vector<ParamInfo> params_;
    std::vector<GUID> ids_;
};

// The module shipped beside the program, unless COLBALANCE_MODULE names one.
std::string defaultModulePath();
