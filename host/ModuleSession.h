// ModuleSession: one loaded effect module and one effect object, driven the
// way the host drives an effect: defaults, information for the family it is
// used in, parameters, then per frame images, region, field and render.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "effect/ColBalanceApi.h"
#include "host/ImageFile.h"
#include "host/ParamValues.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsExecutionContext.h"
#include "platform/dshost/DsHostServices.h"
#include "platform/dshost/DsModuleLoader.h"

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

    // The parameters as the module announces them.
    const std::vector<ParamInfo>& params() const { return params_; }
    // Current values and keyframes onto the effect.
    bool apply(const ParamValues& values, std::string& error);

    // A parameter's value at a frame time, as a frame rendered then reads it.
    bool valueAt(const GUID& id, double time, double& value);

    // Renders `source` into `output` (already holding the source's pixels).
    bool render(FrameImage& source, FrameImage& output, MaskImage* mask, const RenderRequest& r,
                std::string& error);

    // The host's viewer as it looks while a page of the effect is open,
    // drawn offscreen and written to `path` (atomically): the last rendered
    // frame (`output`), one frame pixel to `zoom` view pixels with a margin
    // round it, and the effect's viewer tool placed over it and drawn.
    bool overlaySnapshot(const FrameImage& output, double zoom, const std::string& path,
                         std::string& error);

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
