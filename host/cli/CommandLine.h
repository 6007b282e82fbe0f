// What colbalance is asked to do: its command line parsed into values and
// checked as a whole before any file is read or written.  The program, its
// tests and the command-line fuzz target all go through these calls.
//
// Every option is one row of one table (kOptions in CommandLine.cpp): its
// names, its value, its help, the field it fills, the modes it goes with,
// the mode it asks for and whether it names an output.  The parser, the
// checks of which options go together, the outputs refused before any work
// and the usage text are all read off that table.  An option is added as a
// field here and a row there.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/common/FrameImage.h"
#include "host/common/FramePattern.h"
#include "platform/dssdk/DSEffect.h"

// What a run does; a command line is in one mode.  Bits, so that an option
// names every mode it goes with.
enum class CommandMode : unsigned {
    None = 0,
    Render = 1,    // -o OUT and/or --overlay-snapshot: the effect renders (--histogram may count)
    Count = 2,     // --histogram alone: counts, renders nothing
    Report = 4,    // --tone-report
    Page = 8,      // --page with --snapshot
    List = 16,     // --list-params
    Version = 32,  // --version
};

struct CommandLine {
    // As given.
    std::string in, out, params, mask, roi, frames, histogram, overlaySnapshot, toneReport;
    std::string depth, page, pageSnapshot, workingSpace, inputSpace, ocio;
    std::vector<std::string> sets;
    double frame = 0, zoom = 1;
    int field = 0;
    bool listParams = false, version = false;
    bool skipExisting = false;       // frames whose outputs are all there are not rendered
    bool dryRun = false;             // check what a run would read and write, render nothing
    std::vector<std::string> given;  // the options that appeared, as shown ("-o", "--set", "IN")

    // Worked out by checkCommandLine.
    CommandMode mode = CommandMode::None;
    bool counting = false;  // --histogram, in Render or Count mode
    bool sequence = false;  // --frames
    FrameRange range{0, 0};
    std::optional<DSRect> region;
    PixelDepth forcedDepth = PixelDepth::Auto;

    bool has(const std::string& shown) const;
};

// One option: one row of the table.
struct CommandOption {
    using Field = std::variant<std::string CommandLine::*, std::vector<std::string> CommandLine::*,
                               double CommandLine::*, int CommandLine::*, bool CommandLine::*>;
    enum class Output { None, Image, Text };

    const char* names;  // as the parser takes them ("-o,--output"); no dash: the positional
    const char* shown;  // in messages and in the usage ("-o")
    const char* value;  // its value in the usage ("OUT"); empty for a flag
    bool choices;       // `value` lists, between '|', every value taken
    const char* help;
    Field field;
    unsigned goesWith;  // CommandMode bits
    CommandMode asks;   // the mode it puts the run in (None: any it goes with)
    Output output;      // refused before any work when it cannot be written
};

const std::vector<CommandOption>& commandOptions();

// The usage: one line (wrapped) per mode, from the table.
std::string commandUsage();

// Parses the arguments.  False with a one-line error; with --help the help
// text goes to `help` (and the result is false with an empty error).
bool parseCommandLine(int argc, const char* const* argv, CommandLine& cl, std::string& error,
                      std::string& help);

// Checks how the options go together and fills the worked-out values;
// touches no file.  False with a one-line error.
bool checkCommandLine(CommandLine& cl, std::string& error);

// Refuses, before any work, outputs that cannot be written as asked: a
// folder, a file that may not be written, the input itself, a name whose
// ending no image format takes, or one output named twice.  Checks the first
// frame's names of a sequence; the second form those of `frame`.
bool checkOutputPaths(const CommandLine& cl, std::string& error);
bool checkOutputPaths(const CommandLine& cl, long frame, std::string& error);

// The files a frame of a render or a count writes (its image, its counts,
// its view).
std::vector<std::string> frameOutputs(const CommandLine& cl, long frame);
// True when every file the frame writes is there.  Outputs land whole or
// not at all, so such a frame is finished (--skip-existing).
bool frameOutputsExist(const CommandLine& cl, long frame);

// What a frame of `width` x `height` read from `inPath` must be for the
// run: its region of interest not wholly outside it, and with
// --overlay-snapshot a view within the size limit.  False with the error.
bool checkFrameShape(const CommandLine& cl, const std::string& inPath, int width, int height,
                     std::string& error);
// What --dry-run checks of a frame beyond its outputs, without reading its
// pixels: its input (and mask) open as images whose header reads, and the
// input's shape suits the run.  False with the error a run would give.
// `depth`, when given, receives the depth the frame would render at.
bool checkFrameInputs(const CommandLine& cl, long frame, std::string& error,
                      PixelDepth* depth = nullptr);
