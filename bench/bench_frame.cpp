// One whole frame through the effect, as a host renders it: the module
// loaded through its entry points, the effect in the pixel-mask family with
// a painted mask and the red channel switched off, so that every step of
// the frame runs (the balance, the channel-mask step, the paint combiner),
// polled for interruption by a host execution context.  Next to it, in the
// same run, a memcpy of the same frame (counters: bench/BenchTiming.h), and
// with the OpenFX test host, the same frame through the OpenFX plug-in
// (General context, the mask connected), with x_module = its time over the
// module's.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "bench/BenchTiming.h"
#include "effect/ColBalanceApi.h"
#include "effect/ColBalanceParams.h"
#include "host/common/PixelConvert.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsExecutionContext.h"
#include "platform/dshost/DsHostServices.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsModuleLoader.h"
#include "resources/FnStrings.h"
#include "tests/openfx/OfxTestHost.h"

namespace {

struct Format {
    const char* name;
    DsImageKind rgba, mask;
    const char* ofxDepth;
};

const Format kFormats[] = {
    {"8bit", DsImageKind::Rgba8, DsImageKind::Mask8, kOfxBitDepthByte},
    {"16bit", DsImageKind::Rgba16, DsImageKind::Mask16, kOfxBitDepthShort},
    {"float", DsImageKind::RgbaF32, DsImageKind::MaskF32, kOfxBitDepthFloat}};

// The bundled warm-highlights look; the red channel is switched off too.
namespace P = ColBalanceParam;
const std::pair<const ColBalanceParamSpec*, double> kLook[] = {
    {&P::HighlightHue, 40},     {&P::HighlightSaturation, 35},
    {&P::LowlightHue, 215},     {&P::LowlightSaturation, 30},
    {&P::MidtonesHue, 20},      {&P::MidtonesSaturation, 10},
    {&P::MidtonesLuminance, 4}, {&P::Lowlights, 5},
    {&P::Highlights, 90}};

// The module's seconds per frame, by format, for the OpenFX cases' ratio.
std::map<std::string, double>& moduleTimes() {
    static std::map<std::string, double> m;
    return m;
}

void BM_Memcpy(benchmark::State& state, Format f, int w, int h) {
    fnbench::timeMemcpy(state, f.name, size_t(w) * h * DsImage::pixelSize(f.rgba), int64_t(w) * h);
}

// A gradient with mild noise (as bench_engine's frames), stored through the
// image's own accessors so that every format gets the same picture.
void fillSource(DsImage& img) {
    uint32_t seed = 1;
    auto noise = [&] {
        seed = seed * 1664525u + 1013904223u;
        return (double(seed >> 8) / double(1u << 24) - 0.5) / 16.0;
    };
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double c[4] = {1.125 * x / w + noise(), 1.125 * y / h + noise(),
                                 1.125 * (x + y) / (w + h) + noise(), 1.0};
            for (int i = 0; i < 4; ++i) {
                const double v = std::min(std::max(c[i], 0.0), 1.125);
                switch (img.kind()) {
                case DsImageKind::Rgba8:
                    img.rgba8(x, y)[i] = uint8_t(std::min(255.0, v * 255));
                    break;
                case DsImageKind::Rgba16: img.rgba16(x, y)[i] = int16_t(v * 16384); break;
                default: img.rgbaF32(x, y)[i] = float(v); break;
                }
            }
        }
}

// A disc, full inside, feathered to empty over as wide a ring again.
void paintMask(DsImage& m) {
    const int w = m.width(), h = m.height();
    const double r0 = 0.3 * h, r1 = 0.5 * h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - 0.5 * w, y - 0.5 * h);
            const double t = d <= r0 ? 1.0 : (d >= r1 ? 0.0 : (r1 - d) / (r1 - r0));
            switch (m.kind()) {
            case DsImageKind::Mask8: *m.mask8(x, y) = uint8_t(t * 255); break;
            case DsImageKind::Mask16: *m.mask16(x, y) = int16_t(t * 32767); break;
            default: *m.maskF32(x, y) = float(t); break;
            }
        }
}

void BM_Frame(benchmark::State& state, Format f, int w, int h) {
    DsHostServices services;
    DsModuleLoader module;
    std::string error;
    if (!module.load(FN_MODULE_PATH, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    {
        ComPtr<IDSImageEffect> fx;
        ComPtr<IDSPropertyContainer> props;
        DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, DSFAMILY_PAINT, {}};
        if (FAILED(module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx)) ||
            fx->SetDefaults() != S_OK || fx->GetImageEffectInfo(&info) != S_OK ||
            fx.as(IID_IDSPropertyContainer, props) != S_OK) {
            state.SkipWithError("the module would not create the effect");
            return;
        }
        for (const auto& [spec, v] : kLook) props->SetValue(*spec, v);
        props->SetValue(DSPARAM_MASK_RED, 0);

        ComPtr<DsImage> src = DsImage::create(f.rgba, w, h), out = DsImage::create(f.rgba, w, h);
        ComPtr<DsImage> mask = DsImage::create(f.mask, w, h);
        ComPtr<DsExecutionContext> context = DsExecutionContext::create();
        fillSource(*src.get());
        paintMask(*mask.get());
        std::memset(out->data(), 0, out->byteSize());
        fx->SetImage(DS_IMAGE_SOURCE, src.get());
        fx->SetImage(DS_IMAGE_OUTPUT, out.get());
        fx->SetPixelMask(mask.get(), 0, 0);
        fx->SetExecutionContext(context.get());
        moduleTimes()[f.name] = fnbench::timeFrames(state, f.name, int64_t(w) * h,
                                                    [&] { return fx->Render(nullptr, 0) == S_OK; });

        fx->SetImage(DS_IMAGE_SOURCE, nullptr);
        fx->SetImage(DS_IMAGE_OUTPUT, nullptr);
        fx->SetPixelMask(nullptr, 0, 0);
        fx->SetExecutionContext(nullptr);
    }
    module.unload();
}

// The same frame through the OpenFX plug-in in the test host: the module's
// picture and mask as the host's images (16-bit through its file value),
// one render call over the whole frame into an output kept between calls.
void BM_Ofx(benchmark::State& state, Format f, int w, int h) {
    ComPtr<DsImage> src = DsImage::create(f.rgba, w, h), mask = DsImage::create(f.mask, w, h);
    fillSource(*src.get());
    paintMask(*mask.get());
    const OfxRectI bounds{0, 0, w, h};
    auto source = std::make_shared<OfxTestFrame>(f.ofxDepth, kOfxImageComponentRGBA, bounds);
    auto alpha = std::make_shared<OfxTestFrame>(f.ofxDepth, kOfxImageComponentAlpha, bounds);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < 4; ++c) {
                switch (f.rgba) {
                case DsImageKind::Rgba8: source->setChannel(x, y, c, src->rgba8(x, y)[c]); break;
                case DsImageKind::Rgba16:
                    source->setChannel(x, y, c, pixconv::toU16(src->rgba16(x, y)[c]));
                    break;
                default: source->setChannel(x, y, c, src->rgbaF32(x, y)[c]); break;
                }
            }
            switch (f.mask) {
            case DsImageKind::Mask8: alpha->setChannel(x, y, 0, *mask->mask8(x, y)); break;
            case DsImageKind::Mask16: alpha->setChannel(x, y, 0, *mask->mask16(x, y) * 2); break;
            default: alpha->setChannel(x, y, 0, *mask->maskF32(x, y)); break;
            }
        }
    static OfxTestHost host(FN_OFX_PLUGIN_DIR);
    auto effect = host.create("com.quorrel.kestro.ColBalance", kOfxImageEffectContextGeneral);
    if (!effect) {
        state.SkipWithError("the OpenFX plug-in would not load");
        return;
    }
    effect->connect("Source", source);
    effect->connect("Mask", alpha);
    for (const auto& [spec, v] : kLook)
        effect->setValue(fnParamAlias(*spec, '_'), v);
    effect->setValue(fnParamAlias(P::MaskRed, '_'), 0);
    // The host makes its output image at the first render and keeps it, as
    // the module's output is made and cleared before its frames are timed.
    if (effect->render(0, bounds, {}, 1, -1) != kOfxStatOK) {
        state.SkipWithError("the OpenFX render failed");
        return;
    }
    const double seconds = fnbench::timeFrames(state, f.name, int64_t(w) * h, [&] {
        return effect->render(0, bounds, {}, 1, -1) == kOfxStatOK;
    });
    const auto module = moduleTimes().find(f.name);
    if (seconds > 0 && module != moduleTimes().end() && module->second > 0)
        state.counters["x_module"] = seconds / module->second;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const int w = 3840, h = 2160;
    for (const Format& f : kFormats) {
        std::string name = "memcpy/";
        name.append(f.name).append("/3840x2160");
        benchmark::RegisterBenchmark(name.c_str(), BM_Memcpy, f, w, h)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        name = "frame/";
        name.append(f.name).append("/3840x2160");
        benchmark::RegisterBenchmark(name.c_str(), BM_Frame, f, w, h)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        name = "ofx/";
        name.append(f.name).append("/3840x2160");
        benchmark::RegisterBenchmark(name.c_str(), BM_Ofx, f, w, h)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
