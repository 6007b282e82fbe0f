#include "host/CommandLine.h"

#include <sys/stat.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "host/CommandArgs.h"
#include "host/ImageFile.h"

namespace {

// Whatever the parser hands back (or throws), one line.
std::string oneLine(std::string s) {
    std::replace(s.begin(), s.end(), '\n', ' ');
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace

bool CommandLine::has(const std::string& option) const {
    return std::find(given.begin(), given.end(), option) != given.end();
}

bool parseCommandLine(int argc, const char* const* argv, CommandLine& cl, std::string& error,
                      std::string& help) {
    CLI::App app{"Colour-balances images through the effect module, or counts their histogram."};
    app.add_option("IN", cl.in, "input image (may hold %04d or #### with --frames)");
    app.add_option("-o,--output", cl.out, "output image (same patterns)");
    app.add_option("--set", cl.sets, "NAME=VALUE, repeatable; wins over --params")
        ->allow_extra_args(false);
    app.add_option("--params", cl.params, "JSON file of values and [[time, value], ...] keyframes");
    app.add_option("--frame", cl.frame, "render time (default 0)");
    app.add_option("--frames", cl.frames,
                   "frame range A-B for sequences; the frame number is the time");
    app.add_option("--roi", cl.roi, "region of interest X,Y,W,H in pixels from the top-left");
    app.add_option("--field", cl.field, "0 whole frame, 1 even rows, 2 odd rows")
        ->check(CLI::Range(0, 2));
    app.add_option("--mask", cl.mask, "single-channel pixel mask (selects the mask family)");
    app.add_option("--depth", cl.depth,
                   "force the 8-bit, 16-bit or float path (default: 8-bit files on the 8-bit "
                   "path, half, float and double files on the float path, others on the 16-bit)")
        ->check(CLI::IsMember({"8", "16", "float"}));
    app.add_option("--histogram", cl.histogram,
                   "write IN's histogram, as the tone-curves page counts it, to a CSV file "
                   "(bin,red,green,blue,alpha,grey); without -o nothing is rendered");
    app.add_option("--overlay-snapshot", cl.overlaySnapshot,
                   "also draw the viewer as the host shows it with the effect's tool placed, "
                   "offscreen, into this image");
    app.add_option("--zoom", cl.zoom,
                   "view pixels per frame pixel for --overlay-snapshot (default 1)");
    app.add_option("--tone-report", cl.toneReport,
                   "draw the tone curves of the settings over IN's grey histogram, and the "
                   "colour circle with the shifts' markers, into this image");
    app.add_flag("--list-params", cl.listParams, "print every parameter and exit");
    app.add_option("--page", cl.page,
                   "with --snapshot: draw a property page (main, curves, simple or help) as the "
                   "host shows it, with IN as the frame it shows");
    app.add_option("--snapshot", cl.pageSnapshot, "the image --page draws");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        help = app.help();
        error.clear();
        return false;
    } catch (const CLI::ParseError& e) {
        error = oneLine(e.what());
        return false;
    } catch (const std::exception& e) {  // the parser's own allocation or conversion
        error = oneLine(e.what());
        return false;
    }
    for (const CLI::Option* o : app.get_options())
        if (o->count() > 0) {
            const auto& names = o->get_lnames();
            cl.given.push_back(names.empty() ? o->get_name() : "--" + names.front());
            if (o->get_name() == "-o,--output") cl.given.push_back("-o");
        }
    return true;
}

bool checkCommandLine(CommandLine& cl, std::string& error) {
    auto fail = [&](std::string message) {
        error = std::move(message);
        return false;
    };
    if (!std::isfinite(cl.frame)) return fail("--frame must be a finite number");
    if (!(std::isfinite(cl.zoom) && cl.zoom > 0)) return fail("--zoom wants a number above 0");
    cl.rendering = !cl.out.empty() || !cl.overlaySnapshot.empty();
    cl.counting = !cl.histogram.empty();
    cl.reporting = !cl.toneReport.empty();
    cl.forcedDepth = cl.depth == "8"       ? PixelDepth::Eight
                     : cl.depth == "16"    ? PixelDepth::Sixteen
                     : cl.depth == "float" ? PixelDepth::Float
                                           : PixelDepth::Auto;
    if (cl.listParams) return true;
    cl.paging = !cl.page.empty() || !cl.pageSnapshot.empty();
    if (cl.paging) {
        if (cl.page.empty() || cl.pageSnapshot.empty())
            return fail("--page and --snapshot go together");
        for (const char* option : {"--output", "--overlay-snapshot", "--histogram", "--tone-report",
                                   "--frames", "--roi", "--field", "--mask", "--depth", "--zoom"})
            if (cl.has(option)) return fail(std::string(option) + " does not go with --page");
        if (hasFramePattern(cl.in) || hasFramePattern(cl.pageSnapshot))
            return fail("--page shows one frame: IN and PAGE.png take no frame pattern");
        return true;
    }
    if (cl.reporting) {
        for (const char* option : {"--output", "--overlay-snapshot", "--histogram", "--frames",
                                   "--roi", "--field", "--mask", "--depth", "--zoom"})
            if (cl.has(option))
                return fail(std::string(option) + " does not go with --tone-report");
        if (cl.in.empty()) return fail("--tone-report needs IN, the image whose tones it shows");
        if (hasFramePattern(cl.in) || hasFramePattern(cl.toneReport))
            return fail("--tone-report shows one frame: IN and REPORT take no frame pattern");
        return true;
    }
    if (cl.in.empty() || !(cl.rendering || cl.counting))
        return fail(
            "need IN and -o OUT, --overlay-snapshot VIEW, --histogram COUNTS.csv or "
            "--tone-report REPORT (or --list-params); see --help");
    if (!cl.rendering) {
        for (const char* option : {"--set", "--params", "--frame", "--field", "--mask", "--depth"})
            if (cl.has(option))
                return fail(std::string(option) + " needs -o OUT: without it nothing is rendered");
    }
    if (!cl.roi.empty() && !(cl.region = parseRoi(cl.roi)))
        return fail("--roi wants X,Y,W,H with W and H at least 1, got " + quotedText(cl.roi));
    cl.sequence = !cl.frames.empty();
    if (cl.sequence) {
        const auto r = parseFrameRange(cl.frames);
        if (!r) return fail("--frames wants A-B with A <= B, got " + quotedText(cl.frames));
        cl.range = *r;
        const bool several = cl.range.last > cl.range.first;
        if (several && !cl.out.empty() && !hasFramePattern(cl.out))
            return fail("OUT needs a frame pattern (%04d or ####) to render several frames");
        if (several && cl.counting && !hasFramePattern(cl.histogram))
            return fail("COUNTS.csv needs a frame pattern (%04d or ####) to count several frames");
        if (!cl.overlaySnapshot.empty())
            return fail("--overlay-snapshot shows one frame: leave out --frames");
    } else if (hasFramePattern(cl.in) || hasFramePattern(cl.out) || hasFramePattern(cl.histogram)) {
        return fail("IN, OUT or COUNTS.csv holds a frame pattern: give --frames A-B");
    }
    return true;
}

bool checkOutputPaths(const CommandLine& cl, std::string& error) {
    const long first = cl.range.first;
    const std::string in = expandFramePattern(cl.in, first);
    struct Output {
        const char* option;
        std::string path;
        bool image;  // written by the image library, in the format its name says
    };
    std::vector<Output> outputs;
    for (const Output& o : {Output{"-o", cl.out, true}, Output{"--histogram", cl.histogram, false},
                            Output{"--overlay-snapshot", cl.overlaySnapshot, true},
                            Output{"--tone-report", cl.toneReport, true},
                            Output{"--snapshot", cl.pageSnapshot, true}})
        if (!o.path.empty())
            outputs.push_back({o.option, expandFramePattern(o.path, first), o.image});
    namespace fs = std::filesystem;
    for (size_t i = 0; i < outputs.size(); ++i) {
        const Output& o = outputs[i];
        const std::string named = std::string(o.option) + " " + quotedText(o.path);
        if (samePath(o.path, in)) return (error = named + " is the input itself"), false;
        for (size_t j = 0; j < i; ++j)
            if (samePath(o.path, outputs[j].path))
                return (error = named + " is also " + outputs[j].option), false;
        struct stat st {};
        if (::stat(o.path.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) return (error = named + " is a folder"), false;
            // The file is replaced by a rename, which its own mode would not
            // stop: a file nobody may write says the user wants it kept.
            if ((st.st_mode & 0222) == 0) return (error = named + " is read-only"), false;
            if (!S_ISREG(st.st_mode)) return (error = named + " is not a plain file"), false;
        }
        std::error_code ec;
        fs::path parent = fs::path(o.path).parent_path();
        if (parent.empty()) parent = ".";
        if (!fs::is_directory(parent, ec))
            return (error = named + ": no folder " + quotedText(parent.string())), false;
        if (o.image && !canWriteImage(o.path))
            return (error = named + ": no image format has that file name ending"), false;
    }
    return true;
}
