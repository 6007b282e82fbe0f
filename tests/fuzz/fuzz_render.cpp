// Fuzz target: the frame render path through the module's COM interface.
//
// Each input is a whole host scenario: image sizes (0 and 1 included),
// formats, placements, a region of interest (empty, outside, negative,
// huge), field, channel switches, a mask of another size, the effect family,
// parameter values and keyframes (huge, denormal, non-finite: the effect
// must refuse or define them), the render time and an interruption at a
// random row.  Two copies of the module render it, one splitting frames into
// one band and one into two; their outputs must agree byte for byte, and
// with no placement the pixels outside the region must keep the output's
// previous content.  AddressSanitizer guards every write outside an image.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "effect/ColBalanceApi.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsExecutionContext.h"
#include "platform/dshost/DsHostServices.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsModuleLoader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMaxSide = 40;

struct Copy {
    DsModuleLoader module;
};

DsHostServices* gServices = nullptr;
Copy* gCopies[2] = {nullptr, nullptr};

// A module copy under its own file name, so that it has statics of its
// own: FN_THREADS is read once per copy, on its first render.
Copy* loadCopy(const fs::path& dir, const char* bands) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    const fs::path file = dir / "ColBalance.so";
    fs::copy_file(FN_MODULE_PATH, file, fs::copy_options::overwrite_existing, ec);
    if (ec) std::abort();
    setenv("FN_THREADS", bands, 1);
    auto* c = new Copy;
    std::string error;
    if (!c->module.load(file.string(), &error)) std::abort();
    ComPtr<IDSImageEffect> fx;
    if (FAILED(c->module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx))) std::abort();
    auto img = DsImage::create(DsImageKind::Rgba8, 2, 2);
    fx->SetDefaults();
    fx->SetImage(DS_IMAGE_SOURCE, img.get());
    fx->SetImage(DS_IMAGE_OUTPUT, img.get());
    fx->Render(nullptr, 0);  // fixes the copy's band count now
    return c;
}

// Doubles as a hostile host hands them over.
double anyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 9)) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return in.ConsumeBool() ? std::numeric_limits<double>::infinity()
                                : -std::numeric_limits<double>::infinity();
    case 2: return std::numeric_limits<double>::denorm_min() * in.ConsumeIntegral<int8_t>();
    case 3:
        return (in.ConsumeBool() ? 1 : -1) * std::ldexp(1.0, in.ConsumeIntegralInRange(0, 1023));
    case 4: return in.ConsumeIntegral<int32_t>();
    default: return in.ConsumeFloatingPointInRange<double>(-1000.0, 1000.0);
    }
}

struct Scenario {
    DsImageKind rgba = DsImageKind::Rgba8, mask = DsImageKind::Mask8;
    int w = 0, h = 0, sw = 0, sh = 0, mw = 0, mh = 0;
    bool source = true, withMask = false, placed = false;
    double outPlace[4] = {}, srcPlace[4] = {};
    bool frame = false;
    double frameSizes[4] = {};
    GUID family = DSFAMILY_FILTER;
    std::optional<DSRect> roi;
    int32_t field = 0, maskX = 0, maskY = 0;
    struct Setting {
        const GUID* id;
        bool key;
        double time, value;
    };
    std::vector<Setting> settings;
    double time = 0;
    std::optional<uint64_t> stopAfter;
    uint32_t seed = 0;
};

Scenario decode(FuzzedDataProvider& in) {
    Scenario s;
    const bool sixteen = in.ConsumeBool();
    s.rgba = sixteen ? DsImageKind::Rgba16 : DsImageKind::Rgba8;
    s.mask = sixteen ? DsImageKind::Mask16 : DsImageKind::Mask8;
    s.w = in.ConsumeIntegralInRange(0, kMaxSide);
    s.h = in.ConsumeIntegralInRange(0, kMaxSide);
    s.source = in.ConsumeIntegralInRange(0, 9) != 0;
    const bool same = in.ConsumeBool();
    s.sw = same ? s.w : in.ConsumeIntegralInRange(0, kMaxSide);
    s.sh = same ? s.h : in.ConsumeIntegralInRange(0, kMaxSide);
    const GUID families[] = {DSFAMILY_FILTER, DSFAMILY_PAINT,
                             "{61054A81-9662-11D0-B685-00A024191AE0}"_guid,
                             "{61054A80-9662-11D0-B685-00A024191AE0}"_guid, GUID_NULL};
    s.family = families[in.ConsumeIntegralInRange<size_t>(0, std::size(families) - 1)];
    s.withMask = in.ConsumeBool();
    s.mw = in.ConsumeIntegralInRange(0, kMaxSide);
    s.mh = in.ConsumeIntegralInRange(0, kMaxSide);
    s.maskX = in.ConsumeIntegralInRange(-8, 8);
    s.maskY = in.ConsumeIntegralInRange(-8, 8);
    s.placed = in.ConsumeIntegralInRange(0, 3) == 0;
    if (s.placed)
        for (int i = 0; i < 4; ++i) {
            s.outPlace[i] = anyDouble(in);
            s.srcPlace[i] = anyDouble(in);
        }
    s.frame = in.ConsumeBool();
    for (double& v : s.frameSizes) v = anyDouble(in);
    if (in.ConsumeBool()) {
        DSRect r;
        if (in.ConsumeBool()) {
            r = {in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>(),
                 in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>()};
        } else {
            r = {in.ConsumeIntegralInRange(-5, kMaxSide), in.ConsumeIntegralInRange(-5, kMaxSide),
                 in.ConsumeIntegralInRange(0, kMaxSide), in.ConsumeIntegralInRange(0, kMaxSide)};
        }
        s.roi = r;
    }
    s.field = in.ConsumeBool() ? in.ConsumeIntegral<int32_t>() : in.ConsumeIntegralInRange(0, 2);
    const int n = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < n; ++i) {
        const ColBalanceParamSpec* p =
            kColBalanceParams[in.ConsumeIntegralInRange<size_t>(0, kColBalanceParams.size() - 1)];
        Scenario::Setting set{&p->id, in.ConsumeBool(), anyDouble(in), 0};
        // Integer parameters mostly get their own range, so renders use them.
        set.value = p->type == VT_R8 || in.ConsumeBool() ? anyDouble(in)
                                                         : double(in.ConsumeIntegralInRange(-1, 4));
        s.settings.push_back(set);
    }
    s.time = anyDouble(in);
    if (in.ConsumeIntegralInRange(0, 3) == 0)
        s.stopAfter = in.ConsumeIntegralInRange<uint64_t>(0, 64);
    s.seed = in.ConsumeIntegral<uint32_t>();
    return s;
}

uint32_t scramble(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    return v ^ (v >> 16);
}

ComPtr<DsImage> image(DsImageKind kind, int w, int h, uint32_t seed) {
    ComPtr<DsImage> img = DsImage::create(kind, w, h);
    if (!img) std::abort();
    auto* b = static_cast<uint8_t*>(img->data());
    for (size_t i = 0; i < img->byteSize(); ++i) b[i] = uint8_t(scramble(seed + uint32_t(i)));
    return img;
}

// Renders the scenario with one module copy; the output's bytes, or nothing
// when the effect refused it.
std::optional<std::vector<uint8_t>> render(Copy& c, const Scenario& s) {
    ComPtr<IDSImageEffect> fx;
    if (FAILED(c.module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx))) std::abort();
    ComPtr<IDSPropertyContainer> props;
    if (fx.as(IID_IDSPropertyContainer, props) != S_OK) std::abort();
    DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, s.family, {}};
    fx->SetDefaults();
    fx->GetImageEffectInfo(&info);
    for (const Scenario::Setting& set : s.settings) {
        if (set.key)
            props->SetKeyframe(*set.id, set.time, set.value);
        else
            props->SetValue(*set.id, set.value);
    }
    ComPtr<DsImage> out = image(s.rgba, s.w, s.h, s.seed);
    ComPtr<DsImage> src = s.source ? image(s.rgba, s.sw, s.sh, s.seed * 7 + 1) : nullptr;
    ComPtr<DsImage> mask = s.withMask ? image(s.mask, s.mw, s.mh, s.seed * 13 + 5) : nullptr;
    if (s.placed) {
        out->setWorldPlacement(s.outPlace[0], s.outPlace[1], s.outPlace[2], s.outPlace[3]);
        if (src) src->setWorldPlacement(s.srcPlace[0], s.srcPlace[1], s.srcPlace[2], s.srcPlace[3]);
    }
    ComPtr<DsExecutionContext> context = DsExecutionContext::create();
    if (s.stopAfter) context->stopAfter(*s.stopAfter);
    fx->SetImage(DS_IMAGE_SOURCE, src.get());
    fx->SetImage(DS_IMAGE_OUTPUT, out.get());
    fx->SetPixelMask(mask.get(), s.maskX, s.maskY);
    fx->SetRegionOfInterest(s.roi ? &*s.roi : nullptr);
    fx->SetField(s.field);
    fx->SetExecutionContext(context.get());
    const std::vector<uint8_t> before(static_cast<uint8_t*>(out->data()),
                                      static_cast<uint8_t*>(out->data()) + out->byteSize());
    fx->Verify();
    const HRESULT hr = fx->Render(nullptr, s.time);
    if (FAILED(hr)) {
        // A refused frame writes nothing.
        if (std::memcmp(before.data(), out->data(), before.size()) != 0) std::abort();
        return std::nullopt;
    }
    std::vector<uint8_t> after(static_cast<uint8_t*>(out->data()),
                               static_cast<uint8_t*>(out->data()) + out->byteSize());
    // Without placements the region is in output pixels: nothing outside it
    // may change.  (An empty region is refused, so the whole output is
    // processed; a region wholly beside the output shrinks to the output's
    // near edge instead of vanishing: only regions that overlap count.)
    const bool region = s.roi && s.roi->width > 0 && s.roi->height > 0;
    const int64_t x0 = region ? s.roi->x : 0, y0 = region ? s.roi->y : 0;
    const int64_t x1 = region ? x0 + s.roi->width : 0, y1 = region ? y0 + s.roi->height : 0;
    if (region && !s.placed && x0 < s.w && x1 > 0 && y0 < s.h && y1 > 0) {
        const size_t px = DsImage::pixelSize(s.rgba);
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x) {
                if (x >= x0 && x < x1 && y >= y0 && y < y1) continue;
                const auto* a = static_cast<uint8_t*>(out->pixel(x, y));
                const size_t at = size_t(a - static_cast<uint8_t*>(out->data()));
                if (std::memcmp(a, before.data() + at, px) != 0) std::abort();
            }
    }
    fx->SetImage(DS_IMAGE_SOURCE, nullptr);
    fx->SetImage(DS_IMAGE_OUTPUT, nullptr);
    fx->SetPixelMask(nullptr, 0, 0);
    return after;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gServices = new DsHostServices;
    const fs::path dir = fs::temp_directory_path() / ("fuzz-render-" + std::to_string(getpid()));
    gCopies[0] = loadCopy(dir / "one", "1");
    gCopies[1] = loadCopy(dir / "two", "2");
    std::error_code ec;
    fs::remove_all(dir, ec);  // the loaded copies stay mapped
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!gServices) LLVMFuzzerInitialize(nullptr, nullptr);
    FuzzedDataProvider in(data, size);
    const Scenario s = decode(in);
    if (s.frame)
        gServices->setProjectFrame(s.frameSizes[0], s.frameSizes[1], s.frameSizes[2],
                                   s.frameSizes[3]);
    else
        gServices->clearProjectFrame();
    const auto one = render(*gCopies[0], s);
    // An interruption stops at a row that depends on the band split: only
    // uninterrupted frames must agree.
    if (s.stopAfter) return 0;
    const auto two = render(*gCopies[1], s);
    if (one.has_value() != two.has_value() || (one && *one != *two)) {
        if (getenv("FUZZ_DEBUG")) {
            fprintf(stderr,
                    "w%d h%d sw%d sh%d src%d fam%08x roi %d field %d mask%d %dx%d at %d,%d fmt%d "
                    "placed %d time %g stop %d\n",
                    s.w, s.h, s.sw, s.sh, s.source, s.family.Data1, s.roi.has_value(), s.field,
                    s.withMask, s.mw, s.mh, s.maskX, s.maskY, int(s.rgba), s.placed, s.time,
                    s.stopAfter.has_value());
            if (s.roi)
                fprintf(stderr, "roi %d,%d,%d,%d\n", s.roi->x, s.roi->y, s.roi->width,
                        s.roi->height);
            for (auto& st : s.settings) {
                const ColBalanceParamSpec* p = fnFindParam(*st.id);
                fprintf(stderr, "set key%d %u t=%g v=%g\n", st.key, p->nameId, st.time, st.value);
            }
            if (one && two)
                for (size_t i = 0; i < one->size(); ++i)
                    if ((*one)[i] != (*two)[i]) {
                        fprintf(stderr, "byte %zu: %d vs %d\n", i, (*one)[i], (*two)[i]);
                    }
        }
        std::abort();
    }
    return 0;
}
