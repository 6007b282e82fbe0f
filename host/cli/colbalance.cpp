// colbalance: colour-balances image files through the effect module, counts
// them as the tone-curves page's histogram does, and draws what the effect
// shows a host (its tone report, its viewer overlay, its property pages).
// Its options and modes are one table (CommandLine.cpp); `colbalance
// --help` prints the usage made from it.
//
// The module is loaded as a host loads it, through its COM entry points.
// Every output lands atomically, a frame's outputs together; errors are one
// line on standard error and a non-zero exit status.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "host/cli/CommandArgs.h"
#include "host/cli/CommandLine.h"
#include "host/cli/HistogramCsv.h"
#include "host/cli/PageSnapshot.h"
#include "host/cli/ToneReport.h"
#include "host/cli/WorkingSpace.h"
#include "host/common/FramePattern.h"
#include "host/common/FramePipeline.h"
#include "host/common/HeadlessDisplay.h"
#include "host/common/ImageFile.h"
#include "host/common/ModuleSession.h"
#include "host/common/OutputBatch.h"
#include "host/common/ParamValues.h"
#include "host/common/ProgramFolder.h"
#include "host/common/StderrCapture.h"
#include "host/common/UserText.h"
#include "host/common/Version.h"

namespace {

// Every error is one line, whatever text it carries.
int fail(const std::string& message) {
    std::fprintf(stderr, "colbalance: %s\n", oneLine(message).c_str());
    return 1;
}

// The error of a frame of a sequence names the frame, whatever file it is
// about (a farm's log then says which frame to look at).
int failFrame(const CommandLine& cl, long f, const std::string& error) {
    return fail(cl.sequence ? "frame " + std::to_string(f) + ": " + error : error);
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

// A one-line progress bar on a terminal, written past any capture of
// standard error (a sequence's frames decode and encode while it shows).
class Progress {
public:
    Progress(long total) : total_(total), tty_(total > 1 && ::isatty(2)) {}
    // `done` counts the frames skipped before it too.
    void update(long done, const std::string& name) {
        if (!tty_) return;
        const int width = 30, filled = int(width * done / total_);
        char skipped[48] = "";
        if (skipped_ > 0) std::snprintf(skipped, sizeof skipped, " (%ld skipped)", skipped_);
        char line[512];
        const int n = std::snprintf(line, sizeof line, "\r[%.*s%*s] %ld/%ld%s %s\033[K", filled,
                                    "##############################", width - filled, "", done,
                                    total_, skipped, name.c_str());
        show(line, n);
    }
    void skip() { ++skipped_; }
    // The bar's last state, and with --skip-existing one line on standard
    // output that a log keeps: the frames written and skipped.
    void end(bool tell) {
        update(total_, "done");
        if (tty_) show("\n", 1);
        if (tell)
            std::printf("frames written: %ld, skipped: %ld (their outputs were there)\n",
                        total_ - skipped_, skipped_);
    }

private:
    static void show(const char* text, int n) {
        if (n > 0) StderrCapture::toTerminal({text, size_t(std::min(n, 511))});
    }

    long total_, skipped_ = 0;
    bool tty_;
};

// The output of a frame before the effect renders it: the source's pixels
// where the effect leaves some unwritten (a region or a field), else only
// the source's shape, the buffer's old contents standing (the effect writes
// every pixel).
void prepareOutput(const FrameImage& source, FrameImage& output, bool whole) {
    if (!whole) {
        output = source;
        return;
    }
    output.reshape(source.width, source.height, source.depth);
}

// Where the values come from.
ParamSources sourcesOf(const CommandLine& cl) { return {cl.params, cl.sets}; }

// The settings at the frame time, read back from the effect as a frame
// would read them, drawn over the input's histogram.
int toneReport(const CommandLine& cl, const WorkingSpace& working) {
    std::string error;
    ModuleSession session;
    if (!session.open(defaultModulePath(), false, sourcesOf(cl), error)) return fail(error);
    namespace P = ColBalanceParam;
    const ColBalanceParamSpec* hues[4] = {&P::MasterHue, &P::LowlightHue, &P::MidtonesHue,
                                          &P::HighlightHue};
    const ColBalanceParamSpec* sats[4] = {&P::MasterSaturation, &P::LowlightSaturation,
                                          &P::MidtonesSaturation, &P::HighlightSaturation};
    ToneReportSettings t;
    const double time = cl.frame;
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
    if (!writeToneReport(cl.in, working, t, cl.toneReport, error)) return fail(error);
    return 0;
}

// True when --skip-existing leaves the frame out.
bool skipped(const CommandLine& cl, long f) { return cl.skipExisting && frameOutputsExist(cl, f); }

// Checks every frame a run would render as far as it can without rendering
// (its input and mask open as images of a shape the run takes, its outputs
// can be written, a working space takes its depth) and prints those frames
// on one line: "1-5,8", "none", or for a command without --frames "still".
int dryRun(const CommandLine& cl, const WorkingSpace& working) {
    std::vector<long> frames;
    std::string error;
    for (long f = cl.range.first; f <= cl.range.last; ++f) {
        if (skipped(cl, f)) continue;
        PixelDepth depth = PixelDepth::Auto;
        if (!checkFrameInputs(cl, f, error, &depth) ||
            !working.accepts(depth, expandFramePattern(cl.in, f), error) ||
            !checkOutputPaths(cl, f, error))
            return failFrame(cl, f, error);
        frames.push_back(f);
    }
    const std::string line = frames.empty() ? "none"
                             : cl.sequence  ? formatFrameList(frames)
                                            : "still";
    std::printf("%s\n", line.c_str());
    return 0;
}

// Renders `source` into `output` in the working space when there is one:
// the pixels the request renders go into it and come back, the others keep
// their bits (`output` holds the source's there, or is written whole).
bool renderGraded(ModuleSession& session, const WorkingSpace& working, FrameImage& source,
                  FrameImage& output, MaskImage* mask, const RenderRequest& request, bool whole,
                  std::string& error) {
    working.into(source, request);
    prepareOutput(source, output, whole);
    if (!session.render(source, output, mask, request, error)) return false;
    working.back(output, request);
    return true;
}

// Renders or counts the frames of the command line.
int renderFrames(const CommandLine& cl, const WorkingSpace& working) {
    const bool rendering = cl.mode == CommandMode::Render;
    std::string error;
    ModuleSession session;
    // The parameters are checked by the effect as it takes them, in a dry
    // run too.
    if (rendering && !session.open(defaultModulePath(), !cl.mask.empty(), sourcesOf(cl), error))
        return fail(error);
    if (cl.dryRun) return dryRun(cl, working);

    RenderRequest request;
    request.field = cl.field;
    const FrameRange frames = cl.range;
    Progress progress(frames.last - frames.first + 1);
    // The frame's time and region of interest, or false with the error.
    auto frameRequest = [&](long f, const FrameImage& source, const std::string& inPath,
                            std::string& why) {
        request.time = cl.sequence ? double(f) : cl.frame;
        request.roi.reset();
        if (!checkFrameShape(cl, inPath, source.width, source.height, why)) return false;
        if (cl.region) request.roi = clipRoi(*cl.region, source.width, source.height);
        return true;
    };
    const bool whole = !cl.region && cl.field == 0;

    // Sequences that only render decode, render and encode their frames at
    // once (FramePipeline.h).
    if (rendering && !cl.counting && cl.overlaySnapshot.empty() && frames.last > frames.first) {
        FrameStages stages;
        stages.decode = [&](long f, DecodedFrame& in, std::string& why) {
            // The first frame's outputs were checked before any work.
            if (f > frames.first && !checkOutputPaths(cl, f, why)) return false;
            if (!readFrame(expandFramePattern(cl.in, f), cl.forcedDepth, in.source, in.info, why))
                return false;
            return cl.mask.empty() ||
                   readMask(expandFramePattern(cl.mask, f), in.source.depth, in.mask, why);
        };
        stages.render = [&](long f, DecodedFrame& in, RenderedFrame& out, std::string& why) {
            const std::string inPath = expandFramePattern(cl.in, f);
            if (!frameRequest(f, in.source, inPath, why) ||
                !working.accepts(in.source, inPath, why))
                return false;
            if (!renderGraded(session, working, in.source, out.image,
                              cl.mask.empty() ? nullptr : &in.mask, request, whole, why)) {
                why = inPath + ": " + why;
                return false;
            }
            out.info = std::move(in.info);
            return true;
        };
        stages.encode = [&](long f, const RenderedFrame& out, std::string& why) {
            const std::string outPath = expandFramePattern(cl.out, f);
            progress.update(f - frames.first, outPath);
            return writeFrame(outPath, out.info, out.image, why);
        };
        // Each run of frames to render goes through the pipeline.
        for (long f = frames.first; f <= frames.last;) {
            if (skipped(cl, f)) {
                progress.skip();
                ++f;
                continue;
            }
            long g = f, failed = f;
            while (g < frames.last && !skipped(cl, g + 1)) ++g;
            if (!runFramePipeline(f, g, stages, error, &failed))
                return failFrame(cl, failed, error);
            f = g + 1;
        }
        progress.end(cl.skipExisting);
        return 0;
    }

    // One frame at a time: its file work has nothing to overlap with but
    // itself.  (The sequence pipeline above runs better without: the extra
    // workers only take processor time from the bands there.)  A frame's
    // outputs land together once every step of it has worked.
    startImageLibraryThreads();
    for (long f = frames.first; f <= frames.last; ++f) {
        if (skipped(cl, f)) {
            progress.skip();
            continue;
        }
        if (f > frames.first && !checkOutputPaths(cl, f, error)) return failFrame(cl, f, error);
        const std::string inPath = expandFramePattern(cl.in, f);
        const std::string outPath = expandFramePattern(cl.out, f);
        const std::string countsPath = expandFramePattern(cl.histogram, f);
        progress.update(f - frames.first, rendering ? outPath : countsPath);
        OutputBatch outputs;
        if (cl.counting) {
            FnDynamicHistogram h;
            if (!countFile(inPath, cl.region, cl.roi, working, h, error))
                return failFrame(cl, f, error);
            if (!outputs.stageText(countsPath, countsCsv(h), error)) return failFrame(cl, f, error);
        }
        if (rendering) {
            FrameImage source;
            FileInfo info;
            if (!readFrame(inPath, cl.forcedDepth, source, info, error) ||
                !working.accepts(source, inPath, error))
                return failFrame(cl, f, error);
            MaskImage mask;
            if (!cl.mask.empty() &&
                !readMask(expandFramePattern(cl.mask, f), source.depth, mask, error))
                return failFrame(cl, f, error);
            if (!frameRequest(f, source, inPath, error)) return failFrame(cl, f, error);
            const bool overlay = !cl.overlaySnapshot.empty();
            FrameImage output;
            if (!renderGraded(session, working, source, output, cl.mask.empty() ? nullptr : &mask,
                              request, whole, error))
                return failFrame(cl, f, inPath + ": " + error);
            if (!cl.out.empty() && !stageFrame(outputs, outPath, info, output, error))
                return failFrame(cl, f, error);
            FnFrame view;
            if (overlay && !(session.drawOverlayView(output, cl.zoom, view, error) &&
                             HeadlessDisplay::stagePng(outputs, view, cl.overlaySnapshot, error)))
                return failFrame(cl, f, error);
        }
        if (!outputs.commit(error)) return failFrame(cl, f, error);
    }
    progress.end(cl.skipExisting);
    return 0;
}

int run(int argc, char** argv) {
    CommandLine cl;
    std::string error, help;
    if (!parseCommandLine(argc, argv, cl, error, help)) {
        if (!error.empty()) return fail(error);
        std::fputs(help.c_str(), stdout);
        return 0;
    }
    if (!checkCommandLine(cl, error)) return fail(error);
    if (cl.mode == CommandMode::Version) {
        std::printf("%s\n", fnVersionLine("colbalance").c_str());
        return 0;
    }
    if (cl.mode == CommandMode::List) {
        ModuleSession session;
        if (!session.open(defaultModulePath(), false, error)) return fail(error);
        listParams(session.params());
        return 0;
    }
    // Outputs refused before any work; a frame left out is not refused.
    if (!skipped(cl, cl.range.first) && !checkOutputPaths(cl, error))
        return failFrame(cl, cl.range.first, error);
    WorkingSpace working;
    if (cl.mode != CommandMode::Page && !working.setUp(cl, error)) return fail(error);
    installOutputCleanup("colbalance");
    switch (cl.mode) {
    case CommandMode::Page:
        return writePageSnapshot({cl.page, cl.pageSnapshot, cl.in, sourcesOf(cl), cl.frame}, error)
                   ? 0
                   : fail(error);
    case CommandMode::Report: return toneReport(cl, working);
    default: return renderFrames(cl, working);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A file size limit makes writes fail (and the output is cleaned up)
    // instead of killing the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    // Memory the libraries cannot get is the only thing that throws.
    int status;
    try {
        status = run(argc, argv);
    } catch (const std::bad_alloc&) {
        status = fail("out of memory");
    } catch (const std::exception& e) {
        status = fail(e.what());
    }
    stopImageLibraryThreads();
    return status;
}
