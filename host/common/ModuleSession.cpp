#include "host/common/ModuleSession.h"

#include "host/common/FrameConvert.h"
#include "host/common/HeadlessDisplay.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsViewer.h"
#include "platform/dshost/DsWindowSurface.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

std::string hr(HRESULT h) {
    char b[16];
    std::snprintf(b, sizeof b, "0x%08X", unsigned(h));
    return b;
}

}  // namespace

std::string defaultModulePath() {
    if (const char* env = std::getenv("COLBALANCE_MODULE"); env && *env) return env;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ((ec ? std::filesystem::path(".") : exe.parent_path()) / "ColBalance.so").string();
}

ModuleSession::~ModuleSession() {
    props_.reset();
    fx_.reset();
    context_.reset();
    module_.unload();
}

bool ModuleSession::open(const std::string& modulePath, bool paint, std::string& error) {
    if (!module_.load(modulePath, &error)) return false;
    HRESULT h = module_.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx_);
    if (FAILED(h) || !fx_) {
        error = "the module would not create the effect (" + hr(h) + ")";
        return false;
    }
    if ((h = fx_.as(IID_IDSPropertyContainer, props_)) != S_OK) {
        error = "the effect has no parameters interface (" + hr(h) + ")";
        return false;
    }
    DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, paint ? DSFAMILY_PAINT : DSFAMILY_FILTER, {}};
    if ((h = fx_->SetDefaults()) != S_OK || (h = fx_->GetImageEffectInfo(&info)) != S_OK) {
        error = "the effect refused its set-up (" + hr(h) + ")";
        return false;
    }
    context_ = DsExecutionContext::create();
    return readParams(error);
}

bool ModuleSession::open(const std::string& modulePath, bool paint, const ParamSources& sources,
                         std::string& error) {
    if (!open(modulePath, paint, error)) return false;
    ParamValues values(params_);
    return values.addSources(sources, error) && apply(values, error);
}

namespace {

// Grey view pixels round the frame.
constexpr int kViewMargin = 16;

}  // namespace

ModuleSession::ViewSize ModuleSession::overlayViewSize(int frameWidth, int frameHeight,
                                                       double zoom) {
    ViewSize v;
    if (!(std::isfinite(zoom) && zoom > 0)) return v;
    v.width = std::ceil(frameWidth * zoom) + 2 * kViewMargin;
    v.height = std::ceil(frameHeight * zoom) + 2 * kViewMargin;
    v.fits = v.width <= kMaxViewSide && v.height <= kMaxViewSide;
    return v;
}

bool ModuleSession::drawOverlayView(const FrameImage& output, double zoom, FnFrame& view,
                                    std::string& error) {
    const ViewSize size = overlayViewSize(output.width, output.height, zoom);
    if (!size.fits) {
        char b[160];
        std::snprintf(b, sizeof b,
                      "a viewer at %g view pixels a frame pixel is not drawn (%.0f x %.0f; at "
                      "most %d a side)",
                      zoom, size.width, size.height, kMaxViewSide);
        error = b;
        return false;
    }
    const int w = int(size.width), h = int(size.height);
    // The tool reads the project frame when it is made: the frame's pixels,
    // square.
    setProjectFrame(output.width, output.height);
    ComPtr<IFnDsViewerTool> tools = viewerTools(error);
    if (!tools) return false;
    HRESULT status = S_OK;

    HeadlessDisplay display;
    if (!display.open(error)) return false;
    std::string why;
    std::unique_ptr<DsWindowSurface> surface = DsWindowSurface::create(w, h, &why);
    if (!surface) {
        error = why;
        return false;
    }
    {
        DsViewer viewer(*surface);
        const std::vector<uint8_t> pixels = displayPixels(output);
        viewer.setProjectFrame(output.width, output.height, output.width, output.height);
        viewer.showFrame(pixels.data(), output.width, output.height);
        viewer.placeFrame(zoom, kViewMargin);
        // What a page does when it opens and is shown.
        status = tools->PushViewerTool(fx_.get());
        if (SUCCEEDED(status)) status = tools->PageShown("K_ColBalance");
        if (FAILED(status) || !viewer.render()) {
            error = FAILED(status)
                        ? "the effect would not place its viewer tool (" + hr(status) + ")"
                        : "the viewer could not draw";
            tools->PopViewerTool();
            return false;
        }
        view = display.system().Frame(surface->window());
        tools->PopViewerTool();
    }
    return true;
}

bool ModuleSession::readParams(std::string& error) {
    uint32_t n = 0;
    if (props_->GetPropertyCount(&n) != S_OK) {
        error = "the effect does not list its parameters";
        return false;
    }
    params_.clear();
    ids_.clear();
    for (uint32_t i = 0; i < n; ++i) {
        DSPropertyInfo pi{};
        if (props_->GetPropertyInfo(i, &pi) != S_OK) continue;
        ParamInfo p;
        p.name = pi.name;
        p.description = pi.description;
        p.kind = pi.type == VT_R8     ? ParamInfo::Kind::Number
                 : pi.type == VT_BOOL ? ParamInfo::Kind::Boolean
                                      : ParamInfo::Kind::Integer;
        p.defaultValue = pi.defaultValue;
        p.hasRange = pi.hasRange != 0;
        p.min = pi.minimum;
        p.max = pi.maximum;
        p.animatable = (pi.capabilities & DSCAP_ANIMATABLE) != 0;
        for (uint32_t k = 0; k < pi.listCount; ++k) {
            char text[128] = {};
            if (props_->GetListItem(i, k, text, sizeof text) == S_OK) p.items.push_back(text);
        }
        params_.push_back(std::move(p));
        ids_.push_back(pi.id);
    }
    return true;
}

bool ModuleSession::apply(const ParamValues& values, std::string& error) {
    for (const ParamSetting& s : values.settings())
        if (!applySetting(s, error)) return false;
    return true;
}

bool ModuleSession::applySetting(const ParamSetting& s, std::string& error) {
    if (s.index >= params_.size()) {
        error = "no parameter number " + std::to_string(s.index);
        return false;
    }
    const ParamInfo& p = params_[s.index];
    const GUID& id = ids_[s.index];
    if (!s.keys.empty() && !p.animatable) {
        error = "\"" + p.name + "\" cannot be animated";
        return false;
    }
    // A later constant replaces any animation given earlier.
    if (p.animatable) props_->ClearKeyframes(id);
    HRESULT h = props_->SetValue(id, s.value);
    for (const auto& [t, v] : s.keys)
        if (h == S_OK) h = props_->SetKeyframe(id, t, v);
    if (h != S_OK) {
        error = "the effect refused the value of \"" + p.name + "\" (" + hr(h) + ")";
        return false;
    }
    return true;
}

ComPtr<IDSImageEffect> ModuleSession::cloneEffect(std::string& error) {
    ComPtr<IDSImageEffect> copy;
    const HRESULT h = fx_ ? fx_->Clone(IID_IDSImageEffect, copy.putVoid()) : E_POINTER;
    if (FAILED(h) || !copy) {
        error = "the effect would not clone itself (" + hr(h) + ")";
        return {};
    }
    return copy;
}

ComPtr<IFnDsViewerTool> ModuleSession::viewerTools(std::string& error) {
    HRESULT status = module_.registerClass(CLSID_FnTInteract);
    ComPtr<IFnDsViewerTool> tools;
    if (SUCCEEDED(status)) status = fx_.as(IID_IFnDsViewerTool, tools);
    if (FAILED(status)) {
        error = "the module offers no viewer tool (" + hr(status) + ")";
        return {};
    }
    return tools;
}

void ModuleSession::setProjectFrame(int width, int height) {
    services_.setProjectFrame(width, height, width, height);
}

bool ModuleSession::render(FrameImage& source, FrameImage& output, MaskImage* mask,
                           const RenderRequest& r, std::string& error) {
    return renderWith(*fx_.get(), *context_.get(), source, output, mask, r, error);
}

bool ModuleSession::renderWith(IDSImageEffect& fx, DsExecutionContext& context, FrameImage& source,
                               FrameImage& output, MaskImage* mask, const RenderRequest& r,
                               std::string& error) {
    const DepthFacts& f = output.facts();
    if (source.depth != output.depth || (mask && mask->depth != output.depth)) {
        error = "the frames handed to the effect differ in depth";
        return false;
    }
    auto whole = [&](const auto& img) {
        return img.bytes.size() == img.sampleCount() * img.facts().sampleBytes;
    };
    if (!whole(source) || !whole(output) || (mask && !whole(*mask))) {
        error = "a frame's buffer does not hold its size";
        return false;
    }
    ComPtr<DsImage> src = DsImage::wrap(f.frameKind, source.width, source.height, source.data());
    ComPtr<DsImage> dst = DsImage::wrap(f.frameKind, output.width, output.height, output.data());
    ComPtr<DsImage> msk;
    if (mask) msk = DsImage::wrap(f.maskKind, mask->width, mask->height, mask->data());
    if (!src || !dst || (mask && !msk)) {
        error = "out of memory";
        return false;
    }
    context.reset();
    HRESULT h = S_OK;
    auto step = [&](HRESULT v) {
        if (h == S_OK) h = v;
    };
    step(fx.SetImage(DS_IMAGE_SOURCE, src.get()));
    step(fx.SetImage(DS_IMAGE_OUTPUT, dst.get()));
    step(fx.SetPixelMask(msk.get(), 0, 0));
    step(fx.SetRegionOfInterest(r.roi ? &*r.roi : nullptr));
    step(fx.SetField(r.field));
    step(fx.SetExecutionContext(&context));
    step(fx.Verify());
    step(fx.Render(nullptr, r.time));
    // The host's images are released before the buffers they wrap.
    fx.SetImage(DS_IMAGE_SOURCE, nullptr);
    fx.SetImage(DS_IMAGE_OUTPUT, nullptr);
    fx.SetPixelMask(nullptr, 0, 0);
    if (h != S_OK) {
        error = "the effect failed to render (" + hr(h) + ")";
        return false;
    }
    return true;
}

bool ModuleSession::valueAt(const GUID& id, double time, double& value) {
    return props_ && props_->GetValueAt(id, time, &value) == S_OK;
}
