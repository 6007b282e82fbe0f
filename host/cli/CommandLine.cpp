#include "host/cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "host/cli/CommandArgs.h"
#include "host/common/ImageFile.h"
#include "host/common/ModuleSession.h"
#include "host/common/OutputBatch.h"
#include "host/common/ProgramFolder.h"
#include "host/common/UserText.h"

namespace {

using M = CommandMode;
using Out = CommandOption::Output;
constexpr unsigned bits(std::initializer_list<CommandMode> modes) {
    unsigned b = 0;
    for (CommandMode m : modes) b |= unsigned(m);
    return b;
}

// Every option colbalance takes, in the order the usage shows them.
// To add one: a field in CommandLine and a row here.
const std::vector<CommandOption> kOptions = {
    // names, shown, value, choices, help, field, goes with, asks for, output
    {"IN", "IN", "IN", false, "input image (may hold %04d or #### with --frames)", &CommandLine::in,
     bits({M::Render, M::Count, M::Report, M::Page}), M::None, Out::None},
    {"-o,--output", "-o", "OUT", false,
     "output image (same patterns); may be left out with --overlay-snapshot", &CommandLine::out,
     bits({M::Render}), M::Render, Out::Image},
    {"--set", "--set", "NAME=VALUE", false, "NAME=VALUE, repeatable; wins over --params",
     &CommandLine::sets, bits({M::Render, M::Report, M::Page}), M::None, Out::None},
    {"--params", "--params", "FILE.json", false,
     "JSON file of values and [[time, value], ...] keyframes", &CommandLine::params,
     bits({M::Render, M::Report, M::Page}), M::None, Out::None},
    {"--frame", "--frame", "T", false, "render time (default 0)", &CommandLine::frame,
     bits({M::Render, M::Report, M::Page}), M::None, Out::None},
    {"--frames", "--frames", "A-B", false,
     "frame range A-B for sequences; the frame number is the time", &CommandLine::frames,
     bits({M::Render, M::Count}), M::None, Out::None},
    {"--roi", "--roi", "X,Y,W,H", false, "region of interest X,Y,W,H in pixels from the top-left",
     &CommandLine::roi, bits({M::Render, M::Count}), M::None, Out::None},
    {"--field", "--field", "0|1|2", true, "0 whole frame, 1 even rows, 2 odd rows",
     &CommandLine::field, bits({M::Render}), M::None, Out::None},
    {"--mask", "--mask", "FILE", false, "single-channel pixel mask (selects the mask family)",
     &CommandLine::mask, bits({M::Render}), M::None, Out::None},
    {"--depth", "--depth", "8|16|float", true,
     "force the 8-bit, 16-bit or float path (default: 8-bit files on the 8-bit path, half, "
     "float and double files on the float path, others on the 16-bit)",
     &CommandLine::depth, bits({M::Render}), M::None, Out::None},
    {"--working-space", "--working-space", "NAME", false,
     "grade float images in this colour space of the colour config: converted into it for the "
     "effect, the histogram and the tone report, and back (default: the params file's, else none)",
     &CommandLine::workingSpace, bits({M::Render, M::Count, M::Report}), M::None, Out::None},
    {"--input-space", "--input-space", "NAME", false,
     "the colour space of IN for --working-space (default: the config's scene_linear role)",
     &CommandLine::inputSpace, bits({M::Render, M::Count, M::Report}), M::None, Out::None},
    {"--ocio", "--ocio", "CONFIG", false,
     "the OpenColorIO colour config (default: $OCIO, else the one installed with colbalance)",
     &CommandLine::ocio, bits({M::Render, M::Count, M::Report}), M::None, Out::None},
    {"--histogram", "--histogram", "COUNTS.csv", false,
     "write IN's histogram, as the tone-curves page counts it, to a CSV file "
     "(bin,red,green,blue,alpha,grey); without -o nothing is rendered",
     &CommandLine::histogram, bits({M::Render, M::Count}), M::Count, Out::Text},
    {"--overlay-snapshot", "--overlay-snapshot", "VIEW.png", false,
     "also draw the viewer as the host shows it with the effect's tool placed, offscreen, into "
     "this image",
     &CommandLine::overlaySnapshot, bits({M::Render}), M::Render, Out::Image},
    {"--zoom", "--zoom", "Z", false,
     "view pixels per frame pixel for --overlay-snapshot (default 1)", &CommandLine::zoom,
     bits({M::Render}), M::None, Out::None},
    {"--tone-report", "--tone-report", "REPORT.png", false,
     "draw the tone curves of the settings over IN's grey histogram, and the colour circle "
     "with the shifts' markers, into this image",
     &CommandLine::toneReport, bits({M::Report}), M::Report, Out::Image},
    {"--page", "--page", "main|curves|simple|help", true,
     "with --snapshot: draw a property page as the host shows it, with IN as the frame it shows",
     &CommandLine::page, bits({M::Page}), M::Page, Out::None},
    {"--snapshot", "--snapshot", "PAGE.png", false, "the image --page draws",
     &CommandLine::pageSnapshot, bits({M::Page}), M::Page, Out::Image},
    {"--skip-existing", "--skip-existing", "", false,
     "leave out the frames whose outputs are all there (outputs land whole, so those are "
     "finished); the run ends with a line of the frames written and skipped",
     &CommandLine::skipExisting, bits({M::Render, M::Count}), M::None, Out::None},
    {"--dry-run", "--dry-run", "", false,
     "check the options, the parameters, every input frame and every output, render nothing, "
     "and print the frames a run would render (\"1-5,8\"; \"none\"; \"still\" without "
     "--frames)",
     &CommandLine::dryRun, bits({M::Render, M::Count}), M::None, Out::None},
    {"--list-params", "--list-params", "", false, "print every parameter and exit",
     &CommandLine::listParams, bits({M::List}), M::List, Out::None},
    {"--version", "--version", "", false, "print the version and the commit built from, and exit",
     &CommandLine::version, bits({M::Version}), M::Version, Out::None},
};

// The modes, in the order the usage shows them.
struct ModeRow {
    CommandMode mode;
    int rank;                        // the highest-ranked mode asked for is the run's
    std::vector<const char*> leads;  // the options that open its usage line
    const char* refusal;             // for an option that does not go with it
};

const std::vector<ModeRow> kModes = {
    {M::Render, 2, {"IN", "-o"}, "%s does not go with -o"},
    {M::Count, 1, {"IN", "--histogram"}, "%s needs -o OUT: without it nothing is rendered"},
    {M::Report, 3, {"IN", "--tone-report"}, "%s does not go with --tone-report"},
    {M::Page, 4, {"--page", "--snapshot"}, "%s does not go with --page"},
    {M::List, 5, {"--list-params"}, "%s does not go with --list-params"},
    {M::Version, 6, {"--version"}, "%s does not go with --version"},
};

const CommandOption* optionShown(const std::string& shown) {
    for (const CommandOption& o : kOptions)
        if (shown == o.shown) return &o;
    return nullptr;
}

// An option as the usage names it: "-o OUT", "IN".
std::string usageOf(const CommandOption& o) {
    if (std::string(o.shown) == o.value || !*o.value) return o.shown;
    return std::string(o.shown) + " " + o.value;
}

std::vector<std::string> choicesOf(const CommandOption& o) {
    std::vector<std::string> out;
    std::string v = o.value;
    for (size_t at = 0;;) {
        const size_t bar = v.find('|', at);
        out.push_back(v.substr(at, bar - at));
        if (bar == std::string::npos) return out;
        at = bar + 1;
    }
}

// The help's usage part: the modes' lines rather than the parser's own.
class UsageFormatter final : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override {
        return "Usage:\n" + commandUsage() + "\n";
    }
};

std::string formatted(const char* pattern, const std::string& option) {
    char line[200];
    std::snprintf(line, sizeof line, pattern, option.c_str());
    return line;
}

}  // namespace

const std::vector<CommandOption>& commandOptions() { return kOptions; }

std::string commandUsage() {
    constexpr size_t kWidth = 100;
    const std::string program = "  colbalance";
    std::string text;
    for (const ModeRow& m : kModes) {
        std::vector<std::string> words;
        for (const char* lead : m.leads) words.push_back(usageOf(*optionShown(lead)));
        for (const CommandOption& o : kOptions) {
            if (!(o.goesWith & unsigned(m.mode))) continue;
            if (std::find_if(m.leads.begin(), m.leads.end(), [&](const char* l) {
                    return std::string(l) == o.shown;
                }) != m.leads.end())
                continue;
            std::string w = "[" + usageOf(o) + "]";
            if (std::holds_alternative<std::vector<std::string> CommandLine::*>(o.field))
                w += "...";
            words.push_back(w);
        }
        std::string line = program;
        for (const std::string& w : words) {
            if (line.size() + 1 + w.size() > kWidth) {
                text += line + "\n";
                line = std::string(program.size(), ' ');
            }
            line += " " + w;
        }
        text += line + "\n";
    }
    return text;
}

bool CommandLine::has(const std::string& shown) const {
    return std::find(given.begin(), given.end(), shown) != given.end();
}

bool parseCommandLine(int argc, const char* const* argv, CommandLine& cl, std::string& error,
                      std::string& help) {
    CLI::App app{"Colour-balances images through the effect module, or counts their histogram."};
    app.formatter(std::make_shared<UsageFormatter>());
    if (const std::string manual = manualPath(); !manual.empty())
        app.footer("The manual: " + manual);
    std::vector<std::pair<const CLI::Option*, const CommandOption*>> options;
    for (const CommandOption& row : kOptions) {
        CLI::Option* o = std::visit(
            [&](auto field) {
                auto& value = cl.*field;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>)
                    return app.add_flag(row.names, value, row.help);
                else
                    return app.add_option(row.names, value, row.help);
            },
            row.field);
        // The value as the usage names it ("OUT"); the positional names itself.
        o->type_name(std::string(row.value) == row.shown ? "" : row.value);
        if (row.choices) o->check(CLI::IsMember(choicesOf(row)).description(""));
        // One value each time it is given: "--set a=1 b" leaves b alone.
        if (std::holds_alternative<std::vector<std::string> CommandLine::*>(row.field))
            o->allow_extra_args(false);
        options.emplace_back(o, &row);
    }
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
    for (const auto& [o, row] : options)
        if (o->count() > 0) cl.given.push_back(row->shown);
    return true;
}

bool checkCommandLine(CommandLine& cl, std::string& error) {
    auto fail = [&](std::string message) {
        error = std::move(message);
        return false;
    };
    if (!std::isfinite(cl.frame)) return fail("--frame must be a finite number");
    if (!(std::isfinite(cl.zoom) && cl.zoom > 0)) return fail("--zoom wants a number above 0");
    cl.counting = !cl.histogram.empty();
    cl.forcedDepth = cl.depth == "8"       ? PixelDepth::Eight
                     : cl.depth == "16"    ? PixelDepth::Sixteen
                     : cl.depth == "float" ? PixelDepth::Float
                                           : PixelDepth::Auto;

    // The run's mode: the highest-ranked one a given option asks for.
    const ModeRow* mode = nullptr;
    for (const CommandOption& o : kOptions) {
        if (o.asks == M::None || !cl.has(o.shown)) continue;
        for (const ModeRow& m : kModes)
            if (m.mode == o.asks && (!mode || m.rank > mode->rank)) mode = &m;
    }
    const std::string needed =
        "need IN and -o OUT, --overlay-snapshot VIEW, --histogram COUNTS.csv or "
        "--tone-report REPORT (or --list-params); see --help";
    if (!mode) return fail(needed);
    cl.mode = mode->mode;
    for (const CommandOption& o : kOptions)
        if (cl.has(o.shown) && !(o.goesWith & unsigned(cl.mode)))
            return fail(formatted(mode->refusal, o.shown));

    switch (cl.mode) {
    case M::List:
    case M::Version: return true;
    case M::Page:
        if (cl.page.empty() || cl.pageSnapshot.empty())
            return fail("--page and --snapshot go together");
        if (hasFramePattern(cl.in) || hasFramePattern(cl.pageSnapshot))
            return fail("--page shows one frame: IN and PAGE.png take no frame pattern");
        return true;
    case M::Report:
        if (cl.in.empty()) return fail("--tone-report needs IN, the image whose tones it shows");
        if (hasFramePattern(cl.in) || hasFramePattern(cl.toneReport))
            return fail("--tone-report shows one frame: IN and REPORT take no frame pattern");
        return true;
    default: break;
    }
    // Render and Count.
    if (cl.in.empty()) return fail(needed);
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

namespace {

struct FrameOutput {
    const CommandOption* option;
    std::string path;
};

// The outputs a frame writes, in the table's order.
std::vector<FrameOutput> outputsOf(const CommandLine& cl, long frame) {
    std::vector<FrameOutput> outputs;
    for (const CommandOption& o : kOptions) {
        if (o.output == Out::None) continue;
        const std::string& path = cl.*std::get<std::string CommandLine::*>(o.field);
        if (!path.empty()) outputs.push_back({&o, expandFramePattern(path, frame)});
    }
    return outputs;
}

}  // namespace

bool checkOutputPaths(const CommandLine& cl, std::string& error) {
    return checkOutputPaths(cl, cl.range.first, error);
}

bool checkOutputPaths(const CommandLine& cl, long frame, std::string& error) {
    const std::string in = expandFramePattern(cl.in, frame);
    const std::vector<FrameOutput> outputs = outputsOf(cl, frame);
    for (size_t i = 0; i < outputs.size(); ++i) {
        const FrameOutput& o = outputs[i];
        const std::string named = std::string(o.option->shown) + " " + quotedText(o.path);
        if (samePath(o.path, in)) return (error = named + " is the input itself"), false;
        for (size_t j = 0; j < i; ++j)
            if (samePath(o.path, outputs[j].path))
                return (error = named + " is also " + outputs[j].option->shown), false;
        if (!checkOutputTarget(o.path, named, error)) return false;
        if (o.option->output == Out::Image && !canWriteImage(o.path))
            return (error = named + ": no image format has that file name ending"), false;
    }
    return true;
}

std::vector<std::string> frameOutputs(const CommandLine& cl, long frame) {
    std::vector<std::string> paths;
    for (FrameOutput& o : outputsOf(cl, frame)) paths.push_back(std::move(o.path));
    return paths;
}

bool frameOutputsExist(const CommandLine& cl, long frame) {
    const std::vector<std::string> paths = frameOutputs(cl, frame);
    std::error_code ec;
    return !paths.empty() && std::all_of(paths.begin(), paths.end(), [&](const std::string& p) {
        return std::filesystem::is_regular_file(p, ec);
    });
}

bool checkFrameShape(const CommandLine& cl, const std::string& inPath, int width, int height,
                     std::string& error) {
    if (cl.region && !clipRoi(*cl.region, width, height)) {
        error = "--roi " + quotedText(cl.roi) + " lies wholly outside " + quotedText(inPath);
        return false;
    }
    if (cl.overlaySnapshot.empty()) return true;
    const auto view = ModuleSession::overlayViewSize(width, height, cl.zoom);
    if (view.fits) return true;
    char b[160];
    std::snprintf(b, sizeof b, "--zoom %g makes a %.0f x %.0f view; at most %d pixels a side",
                  cl.zoom, view.width, view.height, ModuleSession::kMaxViewSide);
    error = b;
    return false;
}

bool checkFrameInputs(const CommandLine& cl, long frame, std::string& error, PixelDepth* depth) {
    const std::string in = expandFramePattern(cl.in, frame);
    OIIO::ImageSpec spec, maskSpec;
    if (!readImageHeader(in, spec, error)) return false;
    if (depth) *depth = cl.forcedDepth == PixelDepth::Auto ? naturalDepth(spec) : cl.forcedDepth;
    return (cl.mask.empty() ||
            readImageHeader(expandFramePattern(cl.mask, frame), maskSpec, error)) &&
           checkFrameShape(cl, in, spec.width, spec.height, error);
}
