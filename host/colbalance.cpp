// colbalance: colour-balances image files through the effect module, and
// counts them as the tone-curves page's histogram does.
//
//   colbalance IN -o OUT [--set NAME=VALUE]... [--params FILE.json]
//              [--frame T] [--frames A-B] [--roi X,Y,W,H] [--field 0|1|2]
//              [--mask FILE] [--depth 8|16|float] [--histogram COUNTS.csv]
//   colbalance IN --histogram COUNTS.csv [--roi X,Y,W,H] [--frames A-B]
//   colbalance IN --overlay-snapshot VIEW.png [-o OUT] [--zoom Z] [...]
//   colbalance --page main|curves|simple|help --snapshot PAGE.png [IN]
//              [--params FILE.json] [--set NAME=VALUE]... [--frame T]
//   colbalance IN --tone-report REPORT.png [--params FILE.json] [--set ...]
//              [--frame T]
//   colbalance --list-params
//
// The module is loaded as a host loads it, through its COM entry points.
// Every output lands atomically; errors are one line on standard error and
// a non-zero exit status.
#include <CLI/CLI.hpp>

#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/CommandArgs.h"
#include "host/FramePattern.h"
#include "host/HistogramCsv.h"
#include "host/ImageFile.h"
#include "host/ModuleSession.h"
#include "host/PageSnapshot.h"
#include "host/ParamValues.h"
#include "host/StagedFile.h"
#include "host/ToneReport.h"

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "colbalance: %s\n", message.c_str());
    return 1;
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

// The settings at the frame time, read back from the effect as a frame
// would read them, drawn over the input's histogram.
int toneReport(ModuleSession& session, const std::string& in, const std::string& report,
               const std::string& paramsFile, const std::vector<std::string>& sets, double time) {
    std::string error;
    if (samePath(report, in)) return fail("--tone-report " + report + " would overwrite IN");
    if (!session.open(defaultModulePath(), false, error)) return fail(error);
    ParamValues values(session.params());
    if (!paramsFile.empty() && !values.addJsonFile(paramsFile, error)) return fail(error);
    for (const std::string& s : sets)
        if (!values.addAssignment(s, error)) return fail(error);
    if (!session.apply(values, error)) return fail(error);
    namespace P = ColBalanceParam;
    const ColBalanceParamSpec* hues[4] = {&P::MasterHue, &P::LowlightHue, &P::MidtonesHue,
                                          &P::HighlightHue};
    const ColBalanceParamSpec* sats[4] = {&P::MasterSaturation, &P::LowlightSaturation,
                                          &P::MidtonesSaturation, &P::HighlightSaturation};
    ToneReportSettings t;
    bool ok = true;
    for (int r = 0; r < 4; ++r) {
        ok = ok && session.valueAt(*hues[r], time, t.hue[r]);
        ok = ok && session.valueAt(*sats[r], time, t.saturation[r]);
    }
    ok = ok && session.valueAt(P::Lowlights, time, t.lowlights) &&
         session.valueAt(P::Highlights, time, t.highlights) &&
         session.valueAt(P::LowlightsEase, time, t.lowlightsEase) &&
         session.valueAt(P::HighlightsEase, time, t.highlightsEase);
    if (!ok) return fail("the effect would not tell its settings");
    installInterruptCleanup();
    if (!writeToneReport(in, t, report, error)) return fail(error);
    return 0;
}

int main(int argc, char** argv) {
    CLI::App app{"Colour-balances images through the effect module, or counts their histogram."};
    std::string in, out, paramsFile, maskFile, roiText, framesText, countsFile, snapshot, report;
    std::string pageName, pageSnapshot;
    std::vector<std::string> sets;
    double frameTime = 0, zoom = 1;
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
    app.add_option("--histogram", countsFile,
                   "write IN's histogram, as the tone-curves page counts it, to a CSV file "
                   "(bin,red,green,blue,alpha,grey); without -o nothing is rendered");
    app.add_option("--overlay-snapshot", snapshot,
                   "also draw the viewer as the host shows it with the effect's tool placed, "
                   "offscreen, into this image");
    app.add_option("--zoom", zoom,
                   "view pixels per frame pixel for --overlay-snapshot (default 1)");
    app.add_option("--tone-report", report,
                   "draw the tone curves of the settings over IN's grey histogram, and the "
                   "colour circle with the shifts' markers, into this image");
    app.add_flag("--list-params", listOnly, "print every parameter and exit");
    app.add_option("--page", pageName,
                   "with --snapshot: draw a property page (main, curves, simple or help) as the "
                   "host shows it, with IN as the frame it shows");
    app.add_option("--snapshot", pageSnapshot, "the image --page draws");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return fail(e.what());
    }
    if (!std::isfinite(frameTime)) return fail("--frame must be a finite number");
    if (!(std::isfinite(zoom) && zoom > 0)) return fail("--zoom wants a number above 0");

    if (!pageName.empty() || !pageSnapshot.empty()) {
        if (pageName.empty() || pageSnapshot.empty())
            return fail("--page and --snapshot go together");
        for (const char* option :
             {"-o", "--overlay-snapshot", "--histogram", "--tone-report", "--frames", "--roi",
              "--field", "--mask", "--depth", "--list-params", "--zoom"})
            if (app.count(option)) return fail(std::string(option) + " does not go with --page");
        std::string why;
        if (!writePageSnapshot({pageName, pageSnapshot, in, paramsFile, sets, frameTime}, why))
            return fail(why);
        return 0;
    }

    const bool rendering = !out.empty() || !snapshot.empty(), counting = !countsFile.empty();
    const bool reporting = !report.empty();
    ModuleSession session;
    std::string error;
    if (reporting) {
        for (const char* option : {"-o", "--overlay-snapshot", "--histogram", "--frames", "--roi",
                                   "--field", "--mask", "--depth", "--list-params"})
            if (app.count(option))
                return fail(std::string(option) + " does not go with --tone-report");
        if (in.empty()) return fail("--tone-report needs IN, the image whose tones it shows");
        return toneReport(session, in, report, paramsFile, sets, frameTime);
    }
    if (listOnly || rendering) {
        if (!session.open(defaultModulePath(), !maskFile.empty(), error)) return fail(error);
    }
    if (listOnly) {
        listParams(session.params());
        return 0;
    }
    if (in.empty() || !(rendering || counting))
        return fail(
            "need IN and -o OUT, --overlay-snapshot VIEW or --histogram COUNTS.csv (or "
            "--list-params); see --help");
    if (!rendering) {
        for (const char* option : {"--set", "--params", "--frame", "--field", "--mask", "--depth"})
            if (app.count(option))
                return fail(std::string(option) + " needs -o OUT: without it nothing is rendered");
    }

    ParamValues values(session.params());
    if (rendering) {
        if (!paramsFile.empty() && !values.addJsonFile(paramsFile, error)) return fail(error);
        for (const std::string& s : sets)
            if (!values.addAssignment(s, error)) return fail(error);
        if (!session.apply(values, error)) return fail(error);
    }

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
        if (frames.last > frames.first && rendering && !hasFramePattern(out))
            return fail("OUT needs a frame pattern (%04d or ####) to render several frames");
        if (frames.last > frames.first && counting && !hasFramePattern(countsFile))
            return fail("COUNTS.csv needs a frame pattern (%04d or ####) to count several frames");
    } else if (hasFramePattern(in) || hasFramePattern(out) || hasFramePattern(countsFile)) {
        return fail("IN, OUT or COUNTS.csv holds a frame pattern: give --frames A-B");
    }
    if (!snapshot.empty() && sequence)
        return fail("--overlay-snapshot shows one frame: leave out --frames");
    const PixelDepth forced = depthArg == "8"       ? PixelDepth::Eight
                              : depthArg == "16"    ? PixelDepth::Sixteen
                              : depthArg == "float" ? PixelDepth::Float
                                                    : PixelDepth::Auto;

    installInterruptCleanup();
    Progress progress(frames.last - frames.first + 1);
    for (long f = frames.first; f <= frames.last; ++f) {
        const std::string inPath = expandFramePattern(in, f), outPath = expandFramePattern(out, f);
        const std::string countsPath = expandFramePattern(countsFile, f);
        progress.update(f - frames.first, rendering ? outPath : countsPath);
        StagedFile counts;
        if (counting) {
            if (samePath(countsPath, inPath) || (rendering && samePath(countsPath, outPath)))
                return fail("--histogram " + countsPath + " would overwrite an image");
            FnDynamicHistogram h;
            if (!countFile(inPath, roi, roiText, h, error)) return fail(error);
            if (!counts.stage(countsPath, countsCsv(h), error)) return fail(error);
        }
        if (!rendering) {
            if (!counts.commit(error)) return fail(error);
            continue;
        }
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
        if (!out.empty() && !writeFrame(outPath, info, output, error)) return fail(error);
        if (!snapshot.empty() && !session.overlaySnapshot(output, zoom, snapshot, error))
            return fail(error);
        if (counting && !counts.commit(error)) return fail(error);
    }
    progress.update(frames.last - frames.first + 1, "done");
    progress.end();
    return 0;
}
