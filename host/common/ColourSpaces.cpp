#include "host/common/ColourSpaces.h"

#include <OpenColorIO/OpenColorIO.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "engine/FnParallel.h"
#include "host/common/ProgramFolder.h"
#include "host/common/UserText.h"

namespace OCIO = OCIO_NAMESPACE;

struct SpaceConversion::Processor {
    OCIO::ConstCPUProcessorRcPtr cpu;
};

struct ColourSpaces::Config {
    OCIO::ConstConfigRcPtr config;
};

namespace {

// Pixels converted at a time: a chunk and its saved copy stay in the cache.
constexpr size_t kChunk = 1024;
// Below this many pixels the bands' threads cost more than they save.
constexpr size_t kParallelPixels = 64 * 1024;

// The exact log and exponential functions rather than the fast
// approximations the default optimisation uses: a working space's round
// trip then comes back within a few float roundings.
constexpr auto kOptimisation =
    OCIO::OptimizationFlags(OCIO::OPTIMIZATION_DEFAULT & ~OCIO::OPTIMIZATION_FAST_LOG_EXP_POW);

bool finitePixel(const float* p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]) && std::isfinite(p[3]);
}

void convertChunk(const OCIO::CPUProcessor& cpu, float* rgba, size_t pixels) {
    std::array<float, kChunk * 4> saved;
    std::memcpy(saved.data(), rgba, pixels * 4 * sizeof(float));
    OCIO::PackedImageDesc desc(rgba, long(pixels), 1, 4);
    cpu.apply(desc);
    for (size_t i = 0; i < pixels; ++i) {
        float* p = rgba + 4 * i;
        const float* was = saved.data() + 4 * i;
        if (finitePixel(was))
            p[3] = was[3];
        else
            std::memcpy(p, was, 4 * sizeof(float));
    }
}

using ProcessorPtr = std::shared_ptr<const SpaceConversion::Processor>;

// The CPU processor of what `make` returns (null for one that changes
// nothing); false with the library's reason when it cannot be made.
bool cpuProcessor(const std::function<OCIO::ConstProcessorRcPtr()>& make, ProcessorPtr& out,
                  std::string& error) {
    try {
        const OCIO::ConstProcessorRcPtr p = make();
        out = p->isNoOp() ? nullptr
                          : std::make_shared<SpaceConversion::Processor>(
                                SpaceConversion::Processor{p->getOptimizedCPUProcessor(
                                    OCIO::BIT_DEPTH_F32, OCIO::BIT_DEPTH_F32, kOptimisation)});
        return true;
    } catch (const std::exception& e) {
        error = oneLine(e.what());
        return false;
    }
}

}  // namespace

SpaceConversion::SpaceConversion() = default;
SpaceConversion::~SpaceConversion() = default;
SpaceConversion::SpaceConversion(const SpaceConversion&) = default;
SpaceConversion& SpaceConversion::operator=(const SpaceConversion&) = default;

bool SpaceConversion::isIdentity() const { return !processor_; }

namespace {

// Converts runs of pixels, `count` of them: run i starts at first(i) and is
// `length` pixels long.  The runs are shared among the processors when
// there are enough pixels.
template <class First>
void convertRuns(const OCIO::CPUProcessor& cpu, size_t count, size_t length, First first) {
    auto run = [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            float* p = first(i);
            for (size_t at = 0; at < length; at += kChunk)
                convertChunk(cpu, p + 4 * at, std::min(kChunk, length - at));
        }
    };
    if (count * length < kParallelPixels || count < 2) {
        run(0, count);
        return;
    }
    runParallel([&] {
        const FnBandRange b = fnBandRows(int32_t(count), threadCount(), threadIndex());
        run(size_t(b.first), size_t(std::max(b.first, b.end)));
    });
}

}  // namespace

void SpaceConversion::apply(std::span<float> rgba) const {
    if (!processor_) return;
    // One run of chunks: the chunks are the runs.
    const size_t pixels = rgba.size() / 4;
    const size_t chunks = (pixels + kChunk - 1) / kChunk;
    float* base = rgba.data();
    const size_t whole = pixels / kChunk;
    convertRuns(*processor_->cpu, whole, kChunk, [&](size_t i) { return base + 4 * i * kChunk; });
    if (chunks > whole)
        convertChunk(*processor_->cpu, base + 4 * whole * kChunk, pixels - whole * kChunk);
}

void SpaceConversion::apply(FrameImage& frame) const { apply(frame.f32()); }

void SpaceConversion::apply(FrameImage& frame, const FnRect& region, int32_t fieldMode) const {
    if (!processor_ || frame.depth != PixelDepth::Float) return;
    const FnRect r{.x0 = std::clamp(region.x0, 0, frame.width),
                   .y0 = std::clamp(region.y0, 0, frame.height),
                   .x1 = std::clamp(region.x1, 0, frame.width),
                   .y1 = std::clamp(region.y1, 0, frame.height)};
    const int32_t step = fnFieldStep(fieldMode), top = fnAlignToField(r.y0, fieldMode);
    if (r.x1 <= r.x0 || top >= r.y1) return;
    const size_t rows = size_t((r.y1 - top + step - 1) / step), width = size_t(frame.width);
    float* base = frame.f32().data();
    if (step == 1 && r.x0 == 0 && r.x1 == frame.width) {
        apply(std::span<float>(base + 4 * size_t(top) * width, 4 * rows * width));
        return;
    }
    convertRuns(*processor_->cpu, rows, size_t(r.width()), [&](size_t i) {
        return base + 4 * ((size_t(top) + i * size_t(step)) * width + size_t(r.x0));
    });
}

ColourSpaces::ColourSpaces() = default;
ColourSpaces::~ColourSpaces() = default;
ColourSpaces::ColourSpaces(ColourSpaces&&) noexcept = default;
ColourSpaces& ColourSpaces::operator=(ColourSpaces&&) noexcept = default;

bool ColourSpaces::load(const std::string& path, std::string& error) {
    std::string file = path;
    if (file.empty())
        if (const char* env = std::getenv("OCIO"); env && *env) file = env;
    if (file.empty()) file = shippedColourConfig();
    if (file.empty()) {
        error = "no colour config: set $OCIO or name one (the programs' own is not installed)";
        return false;
    }
    OCIO::ConstConfigRcPtr config;
    try {
        config = OCIO::Config::CreateFromFile(file.c_str());
        config->validate();
    } catch (const std::exception& e) {
        error = "colour config " + quotedText(file) + ": " + oneLine(e.what());
        return false;
    }
    config_ = std::make_unique<Config>(Config{config});
    file_ = file;
    return true;
}

std::vector<std::string> ColourSpaces::spaces() const {
    std::vector<std::string> out;
    if (!config_) return out;
    const OCIO::Config& c = *config_->config;
    for (int i = 0; i < c.getNumColorSpaces(); ++i) out.emplace_back(c.getColorSpaceNameByIndex(i));
    return out;
}

std::string ColourSpaces::resolve(const std::string& name) const {
    if (!config_ || name.empty()) return {};
    const auto space = config_->config->getColorSpace(name.c_str());
    return space ? space->getName() : std::string();
}

std::string ColourSpaces::unknownSpace(const std::string& name) const {
    std::string all;
    for (const std::string& s : spaces()) all += (all.empty() ? "" : ", ") + s;
    return "no colour space " + quotedText(name) + " in " + quotedText(file_) + " (it has " + all +
           ")";
}

std::string ColourSpaces::sceneLinear() const { return resolve(OCIO::ROLE_SCENE_LINEAR); }

std::vector<std::string> ColourSpaces::displays() const {
    std::vector<std::string> out;
    if (!config_) return out;
    const OCIO::Config& c = *config_->config;
    for (int i = 0; i < c.getNumDisplays(); ++i) out.emplace_back(c.getDisplay(i));
    return out;
}

std::vector<std::string> ColourSpaces::views(const std::string& display) const {
    std::vector<std::string> out;
    if (!config_) return out;
    const OCIO::Config& c = *config_->config;
    for (int i = 0; i < c.getNumViews(display.c_str()); ++i)
        out.emplace_back(c.getView(display.c_str(), i));
    return out;
}

std::string ColourSpaces::defaultDisplay() const {
    return config_ ? config_->config->getDefaultDisplay() : "";
}

std::string ColourSpaces::defaultView(const std::string& display) const {
    return config_ ? config_->config->getDefaultView(display.c_str()) : "";
}

bool ColourSpaces::gradingConversions(const GradingSpace& space, SpaceConversion& into,
                                      SpaceConversion& back, std::string& error) const {
    into = back = {};
    if (space.working.empty()) return true;
    const std::string input = space.input.empty() ? sceneLinear() : space.input;
    return conversion(input, space.working, into, error) &&
           conversion(space.working, input, back, error);
}

bool ColourSpaces::conversion(const std::string& from, const std::string& to, SpaceConversion& out,
                              std::string& error) const {
    if (!config_) return (error = "no colour config loaded"), false;
    const std::string src = resolve(from), dst = resolve(to);
    for (const auto& [name, space] : {std::pair{from, src}, std::pair{to, dst}})
        if (space.empty()) return (error = unknownSpace(name)), false;
    std::string why;
    if (!cpuProcessor([&] { return config_->config->getProcessor(src.c_str(), dst.c_str()); },
                      out.processor_, why)) {
        error = "cannot convert " + quotedText(src) + " to " + quotedText(dst) + ": " + why;
        return false;
    }
    return true;
}

bool ColourSpaces::viewConversion(const ViewSettings& v, SpaceConversion& out,
                                  std::string& error) const {
    if (!config_) return (error = "no colour config loaded"), false;
    const std::string input = v.inputSpace.empty() ? sceneLinear() : resolve(v.inputSpace);
    if (input.empty())
        return (error =
                    unknownSpace(v.inputSpace.empty() ? OCIO::ROLE_SCENE_LINEAR : v.inputSpace)),
               false;
    if (!std::isfinite(v.exposure) || !std::isfinite(v.gamma) || v.gamma <= 0) {
        error = "exposure and gamma must be finite, gamma above 0";
        return false;
    }
    const std::string display = v.display.empty() ? defaultDisplay() : v.display;
    const std::string view = v.view.empty() ? defaultView(display) : v.view;
    std::string why;
    const bool ok = cpuProcessor(
        [&] {
            auto dvt = OCIO::DisplayViewTransform::Create();
            dvt->setSrc(input.c_str());
            dvt->setDisplay(display.c_str());
            dvt->setView(view.c_str());
            OCIO::LegacyViewingPipelineRcPtr pipeline = OCIO::LegacyViewingPipeline::Create();
            pipeline->setDisplayViewTransform(dvt);
            const double gain = std::exp2(v.exposure);
            auto exposure = OCIO::MatrixTransform::Create();
            const double scale[4] = {gain, gain, gain, 1.0};
            double m44[16], offset4[4];
            OCIO::MatrixTransform::Scale(m44, offset4, scale);
            exposure->setMatrix(m44);
            exposure->setOffset(offset4);
            pipeline->setLinearCC(exposure);
            auto gamma = OCIO::ExponentTransform::Create();
            const double g = 1.0 / v.gamma;
            const double exponent[4] = {g, g, g, 1.0};
            gamma->setValue(exponent);
            pipeline->setDisplayCC(gamma);
            return pipeline->getProcessor(config_->config);
        },
        out.processor_, why);
    if (!ok) {
        error = "cannot show " + quotedText(input) + " on " + quotedText(display) + " / " +
                quotedText(view) + ": " + why;
        return false;
    }
    return true;
}
