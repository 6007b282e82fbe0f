// colbalance: colour-balances image files through the effect module.
//
//   colbalance IN -o OUT [--set NAME=VALUE]... [--params FILE.json]
//              [--frame T] [--frames A-B] [--roi X,Y,W,H] [--field 0|1|2]
//              [--mask FILE] [--depth 8|16|float]
//   colbalance --list-params
//
// The module is loaded as a host loads it, through its COM entry points.
// Every output lands atomically; errors are one line on standard error and
// a non-zero exit status.
#include <CLI/CLI.hpp>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "host/FramePattern.h"
#include "host/ImageFile.h"
#include "host/ModuleSession.h"
#include "host/ParamValues.h"

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "colbalance: %s\n", message.c_str());
    return 1;
}

std::optional<DSRect> parseRoi(const std::string& text) {
    long v[4];
    const char* s = text.c_str();
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        errno = 0;
        v[i] = std::strtol(s, &end, 10);
        if (end == s || errno || v[i] < INT32_MIN || v[i] > INT32_MAX) return std::nullopt;
        if (*end != (i < 3 ? ',' : '\0')) return std::nullopt;
        s = end + 1;
    }
    if (v[2] < 1 || v[3] < 1) return std::nullopt;
    return DSRect{int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3])};
}

// The region clipped to the image; nothing when none of it is inside.
std::optional<DSRect> clipRoi(const DSRect& r, int w, int h) {
    const long x0 = std::max<long>(r.x, 0), y0 = std::max<long>(r.y, 0);
    const long x1 = std::min<long>(long(r.x) + r.width, w),
               y1 = std::min<long>(long(r.y) + r.height, h);
    if (x0 >= x1 || y0 >= y1) return std::nullopt;
    return DSRect{int32_t(x0), int32_t(y0), int32_t(x1 - x0), int32_t(y1 - y0)};
}

std::string formatNumber(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%g", v);
    return b;
}

void listParams(const std::vector<ParamInfo>& params) {
    std::printf("%-24s %-22s %-10s %s\n", "NAME", "ALIAS", "DEFAULT", "RANGE");
    for (const ParamInfo& p : params) {
        std::string def = formatNumber(p.defaultValue), range;
        if (!p.items.empty()) {
            const size_t d = size_t(p.defaultValue);
            if (d < p.items.size()) def = p.items[d];
            for (size_t i = 0; i < p.items.size(); ++i)
                range += (i ? " | " : "") + std::to_string(i) + " " + p.items[i];
        } else if (p.kind == ParamInfo::Kind::Boolean) {
            range = "0 | 1 (check box)";
        } else if (p.hasRange) {
            range = formatNumber(p.min) + " .. " + formatNumber(p.max);
        } else {
            range = "integer";
        }
        if (p.animatable) range += "  (animatable)";
        std::printf("%-24s %-22s %-10s %s\n", ("\"" + p.name + "\"").c_str(),
                    ParamValues::alias(p.name).c_str(), def.c_str(), range.c_str());
    }
}

// A one-line progress bar on a terminal.
class Progress {
public:
    Progress(long total) : total_(total), tty_(total > 1 && ::isatty(2)) {}
    void update(long done, const std::string& name) {
        if (!tty_) return;
        const int width = 30, filled = int(width * done / total_);
        std::fprintf(stderr, "\r[%.*s%*s] %ld/%ld %s\033[K", filled,
                     "##############################", width - filled, "", done, total_,
                     name.c_str());
        std::fflush(stderr);
    }
    void end() {
        if (tty_) std::fputc('\n', stderr);
    }

private:
    long total_;
    bool tty_;
};

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Colour-balances images through the effect module."};
    std::string in, out, paramsFile, maskFile, roiText, framesText;
    std::vector<std::string> sets;
    double frameTime = 0;
    int field = 0;
    std::string depthArg;
    bool listOnly = false;
    app.add_option("IN", in, "input image (may hold %04d or #### with --frames)");
    app.add_option("-o,--output", out, "output image (same patterns)");
    app.add_option("--set", sets, "NAME=VALUE, repeatable; wins over --params")
        ->allow_extra_args(false);
    app.add_option("--params", paramsFile,
                   "JSON file of values and [[time, value], ...] keyframes");
    app.add_option("--frame", frameTime, "render time (default 0)");
    app.add_option("--frames", framesText,
                   "frame range A-B for sequences; the frame number is the time");
    app.add_option("--roi", roiText, "region of interest X,Y,W,H in pixels from the top-left");
    app.add_option("--field", field, "0 whole frame, 1 even rows, 2 odd rows")
        ->check(CLI::Range(0, 2));
    app.add_option("--mask", maskFile, "single-channel pixel mask (selects the mask family)");
    app.add_option("--depth", depthArg,
                   "force the 8-bit, 16-bit or float path (default: 8-bit files on the 8-bit "
                   "path, half, float and double files on the float path, others on the 16-bit)")
        ->check(CLI::IsMember({"8", "16", "float"}));
    app.add_flag("--list-params", listOnly, "print every parameter and exit");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return fail(e.what());
    }
    if (!std::isfinite(frameTime)) return fail("--frame must be a finite number");

    ModuleSession session;
    std::string error;
    if (!session.open(defaultModulePath(), !maskFile.empty(), error)) return fail(error);
    if (listOnly) {
        listParams(session.params());
        return 0;
    }
    if (in.empty() || out.empty()) return fail("need IN and -o OUT (or --list-params); see --help");

    ParamValues values(session.params());
    if (!paramsFile.empty() && !values.addJsonFile(paramsFile, error)) return fail(error);
    for (const std::string& s : sets)
        if (!values.addAssignment(s, error)) return fail(error);
    if (!session.apply(values, error)) return fail(error);

    RenderRequest request;
    request.field = field;
    std::optional<DSRect> roi;
    if (!roiText.empty() && !(roi = parseRoi(roiText)))
        return fail("--roi wants X,Y,W,H with W and H at least 1, got \"" + roiText + "\"");

    FrameRange frames{0, 0};
    const bool sequence = !framesText.empty();
    if (sequence) {
        const auto r = parseFrameRange(framesText);
        if (!r) return fail("--frames wants A-B with A <= B, got \"" + framesText + "\"");
        frames = *r;
        if (frames.last > frames.first && !hasFramePattern(out))
            return fail("OUT needs a frame pattern (%04d or ####) to render several frames");
    } else if (hasFramePattern(in) || hasFramePattern(out)) {
        return fail("IN or OUT holds a frame pattern: give --frames A-B");
    }
    const PixelDepth forced = depthArg == "8"       ? PixelDepth::Eight
                              : depthArg == "16"    ? PixelDepth::Sixteen
                              : depthArg == "float" ? PixelDepth::Float
                                                    : PixelDepth::Auto;

    installInterruptCleanup();
    Progress progress(frames.last - frames.first + 1);
    for (long f = frames.first; f <= frames.last; ++f) {
        const std::string inPath = expandFramePattern(in, f), outPath = expandFramePattern(out, f);
        progress.update(f - frames.first, outPath);
        FrameImage source;
        FileInfo info;
        if (!readFrame(inPath, forced, source, info, error)) return fail(error);
        MaskImage mask;
        if (!maskFile.empty() &&
            !readMask(expandFramePattern(maskFile, f), source.depth, mask, error))
            return fail(error);
        request.time = sequence ? double(f) : frameTime;
        request.roi.reset();
        if (roi) {
            request.roi = clipRoi(*roi, source.width, source.height);
            if (!request.roi) return fail("--roi " + roiText + " lies wholly outside " + inPath);
        }
        // Rows and columns the effect does not write keep the source.
        FrameImage output = source;
        if (!session.render(source, output, maskFile.empty() ? nullptr : &mask, request, error))
            return fail(inPath + ": " + error);
        if (!writeFrame(outPath, info, output, error)) return fail(error);
    }
    progress.update(frames.last - frames.first + 1, "done");
    progress.end();
    return 0;
}
