// Fuzz target: colbalance's front door.  Hostile command lines go through
// the same parse and check colbalance runs; hostile --set values and
// --params texts (deep nesting, huge arrays, duplicate keys, invalid UTF-8,
// byte-order marks) are resolved against the module's real parameters and
// applied to a real effect; regions, frame ranges and frame patterns are
// parsed as the command line parses them.  Every refusal must be one line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/cli/CommandArgs.h"
#include "host/cli/CommandLine.h"
#include "host/common/FramePattern.h"
#include "host/common/ModuleSession.h"
#include "host/common/ParamValues.h"

namespace {

ModuleSession* gSession = nullptr;

// A broken promise: say which, then stop as a fault.
[[noreturn]] void fault(const std::string& what) {
    std::fprintf(stderr, "fuzz_params: %s\n", what.c_str());
    std::abort();
}

void oneLine(const std::string& error) {
    if (error.find('\n') != std::string::npos) fault("error of several lines: " + error);
}

// Option names and values a user (or a script gone wrong) might type.
const char* const kOptions[] = {
    "-o",     "--output", "--set",  "--params",      "--frame",       "--frames",
    "--roi",  "--field",  "--mask", "--depth",       "--histogram",   "--overlay-snapshot",
    "--zoom", "--help",   "-h",     "--tone-report", "--list-params", "--",
    "-",      "--nope",   "-oo",    "--set=",        "--frame=1e400", "--depth=float"};
const char* const kValues[] = {"0",
                               "1",
                               "-1",
                               "nan",
                               "inf",
                               "-inf",
                               "1e308",
                               "8",
                               "16",
                               "float",
                               "a.png",
                               "%04d",
                               "####",
                               "1-3",
                               "3-1",
                               "0,0,1,1",
                               "-5,-5,10,10",
                               "",
                               " ",
                               "x=1",
                               "master-hue=30",
                               "render-tone=Highlights",
                               "Master Hue=nan"};

void commandLine(FuzzedDataProvider& in) {
    std::vector<std::string> args{"colbalance"};
    const int n = in.ConsumeIntegralInRange(0, 10);
    for (int i = 0; i < n; ++i) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            args.push_back(kOptions[in.ConsumeIntegralInRange<size_t>(0, std::size(kOptions) - 1)]);
            break;
        case 1:
            args.push_back(kValues[in.ConsumeIntegralInRange<size_t>(0, std::size(kValues) - 1)]);
            break;
        default: args.push_back(in.ConsumeRandomLengthString(40)); break;
        }
    }
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    CommandLine cl;
    std::string error, help;
    if (!parseCommandLine(int(argv.size()), argv.data(), cl, error, help)) {
        if (error.empty() == help.empty()) std::abort();  // one of the two, always
        oneLine(error);
        return;
    }
    if (!checkCommandLine(cl, error)) {
        if (error.empty()) std::abort();
        oneLine(error);
        return;
    }
    // What the check lets through is usable as it stands.
    if (!std::isfinite(cl.frame) || !(cl.zoom > 0)) std::abort();
    if (cl.region && (cl.region->width < 1 || cl.region->height < 1)) std::abort();
    if (cl.range.first > cl.range.last) std::abort();
}

void values(FuzzedDataProvider& in) {
    ParamValues v(gSession->params());
    std::string error;
    const int n = in.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < n; ++i)
        if (!v.addAssignment(in.ConsumeRandomLengthString(60), error)) oneLine(error);
    if (!v.addJsonText(in.ConsumeRemainingBytesAsString(), error)) oneLine(error);
    for (const ParamSetting& s : v.settings())
        if (s.index >= gSession->params().size() || !std::isfinite(s.value))
            fault("a setting out of the table or not finite");
    if (!gSession->apply(v, error)) oneLine(error);
}

void pieces(FuzzedDataProvider& in) {
    const std::string roi = in.ConsumeRandomLengthString(30);
    if (const auto r = parseRoi(roi)) {
        if (r->width < 1 || r->height < 1) std::abort();
        const auto c = clipRoi(*r, in.ConsumeIntegralInRange(0, 1 << 16),
                               in.ConsumeIntegralInRange(0, 1 << 16));
        if (c && (c->width < 1 || c->height < 1 || c->x < 0 || c->y < 0)) std::abort();
    }
    if (const auto f = parseFrameRange(in.ConsumeRandomLengthString(30)))
        if (f->first > f->last) std::abort();
    const std::string pattern = in.ConsumeRandomLengthString(60);
    const std::string name = expandFramePattern(pattern, in.ConsumeIntegral<long>());
    // Without a pattern the name stays as it is; a pattern becomes digits.
    if (!hasFramePattern(pattern) && name != pattern) std::abort();
    if (name.size() > pattern.size() + 64) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gSession = new ModuleSession;
    std::string error;
    if (!gSession->open(FN_MODULE_PATH, false, error)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!gSession) LLVMFuzzerInitialize(nullptr, nullptr);
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: commandLine(in); break;
    case 1: values(in); break;
    default: pieces(in); break;
    }
    return 0;
}
