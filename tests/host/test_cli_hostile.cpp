// Random command lines built from hostile option values, each run as its own
// colbalance process: it either exits 0 having written whole outputs and
// nothing else, or exits non-zero with exactly one line on standard error
// and nothing left in the folder.  No run may hang, die by a signal or
// print a sanitizer report.
//
// FN_HOSTILE_RUNS (default 60) and FN_HOSTILE_SEED (default 1) choose how
// many lines and which; the issue-level check ran 2000.
#include <OpenImageIO/imageio.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using OIIO::TypeDesc;

namespace {

long envNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

struct Result {
    int exitCode = -1;  // -1: killed by a signal or timed out
    std::string err;
};

// Runs colbalance with these exact arguments (no shell), in `dir`.
Result runIn(const fs::path& dir, const std::vector<std::string>& args) {
    const fs::path errFile = dir / ".." / (dir.filename().string() + ".stderr");
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(126);
        FILE* f = std::freopen(errFile.c_str(), "w", stderr);
        if (!f) _exit(126);
        std::vector<char*> argv{const_cast<char*>(COLBALANCE_PATH)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(COLBALANCE_PATH, argv.data());
        _exit(127);
    }
    Result r;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            r.err = "(timed out)";
            return r;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::ifstream in(errFile);
    r.err.assign(std::istreambuf_iterator<char>(in), {});
    fs::remove(errFile);
    if (WIFEXITED(status)) r.exitCode = WEXITSTATUS(status);
    return r;
}

template <class T>
void writeImage(const fs::path& p, int w, int h, int nch, TypeDesc t, uint32_t seed) {
    std::vector<T> px(size_t(w) * h * nch);
    std::mt19937 rng(seed);
    for (T& v : px) {
        if constexpr (std::is_floating_point_v<T>)
            v = T(std::uniform_real_distribution<double>(-0.5, 4.0)(rng));
        else
            v = T(rng());
    }
    auto out = OIIO::ImageOutput::create(p.string());
    ASSERT_TRUE(out);
    ASSERT_TRUE(out->open(p.string(), OIIO::ImageSpec(w, h, nch, t)));
    ASSERT_TRUE(out->write_image(t, px.data()));
    ASSERT_TRUE(out->close());
}

// The inputs every run finds in its folder.
void makeInputs(const fs::path& d) {
    writeImage<uint8_t>(d / "a.png", 24, 16, 4, TypeDesc::UINT8, 1);
    writeImage<uint16_t>(d / "b.tif", 20, 12, 3, TypeDesc::UINT16, 2);
    writeImage<float>(d / "c.exr", 16, 16, 4, TypeDesc::HALF, 3);
    writeImage<uint8_t>(d / "m.png", 10, 30, 1, TypeDesc::UINT8, 4);
    writeImage<uint8_t>(d / "s.0001.png", 8, 8, 4, TypeDesc::UINT8, 5);
    writeImage<uint8_t>(d / "s.0002.png", 8, 8, 4, TypeDesc::UINT8, 6);
    std::ofstream(d / "p.json") << R"({"Master Hue": 30, "Highlights": [[0, 100], [24, 80]]})";
    std::ofstream(d / "bad.json") << R"({"Master Hue": [[0, "x"]], "Nope": 1)";
    std::ofstream(d / "deep.json") << std::string(5000, '[') << std::string(5000, ']');
    std::ofstream(d / "empty.png");
    std::ifstream a(d / "a.png", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(a)), {});
    std::ofstream(d / "cut.png", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    fs::create_directory(d / "sub");
}

std::set<std::string> listing(const fs::path& d) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(d)) names.insert(e.path().filename().string());
    return names;
}

// One hostile command line.
std::vector<std::string> hostileLine(std::mt19937& rng) {
    const std::vector<std::string> inputs = {
        "a.png", "b.tif",      "c.exr",      "m.png", "empty.png", "cut.png", "missing.png",
        "sub",   "s.%04d.png", "s.####.png", "",      "-",         "a.png\nb"};
    const std::vector<std::string> outputs = {
        "o.png", "o.tif", "o.exr",        "o.jpg",         "o.dpx", "o.%04d.png", "sub",
        "a.png", "o",     "o.unknownext", "/no-dir/o.png", "",      "o.png\n",    "o'\"$(x).png"};
    const std::vector<std::string> numbers = {
        "0",      "1",      "-1",  "2", "nan",  "inf", "-inf", "1e308",
        "-1e308", "1e-320", "3.5", "",  "0x10", "1,2", "  7 ", "99999999999999999999"};
    const std::vector<std::string> names = {
        "master-hue",         "Master Saturation", "render-tone",    "which", "preserve-luminance",
        "mask-alpha-channel", "Highlights",        "lowlights-ease", "nope",  "",
        "Master Hue "};
    const std::vector<std::string> roi = {
        "0,0,5,5", "-5,-5,10,10", "100,100,5,5",      "0,0,0,0",
        "1,2,3",   "a,b,c,d",     "2147483647,0,9,9", "0,0,2147483647,2147483647",
        ""};
    auto pick = [&](const std::vector<std::string>& v) {
        return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng)];
    };
    auto coin = [&](int oneIn) {
        return std::uniform_int_distribution<int>(0, oneIn - 1)(rng) == 0;
    };
    std::vector<std::string> a;
    if (!coin(10)) a.push_back(pick(inputs));
    const int n = std::uniform_int_distribution<int>(0, 6)(rng);
    for (int i = 0; i < n; ++i) {
        switch (std::uniform_int_distribution<int>(0, 14)(rng)) {
        case 0:
        case 1: a.insert(a.end(), {"-o", pick(outputs)}); break;
        case 2: a.insert(a.end(), {"--set", pick(names) + "=" + pick(numbers)}); break;
        case 3:
            a.insert(a.end(), {"--set", "render-tone=" + pick({"Highlights", "5", "None", "x"})});
            break;
        case 4:
            a.insert(a.end(), {"--params",
                               pick({"p.json", "bad.json", "deep.json", "missing.json", "a.png"})});
            break;
        case 5: a.insert(a.end(), {"--frame", pick(numbers)}); break;
        case 6:
            a.insert(a.end(),
                     {"--frames", pick({"1-2", "2-1", "1", "-3-3", "0-99999999999", "x"})});
            break;
        case 7: a.insert(a.end(), {"--roi", pick(roi)}); break;
        case 8: a.insert(a.end(), {"--field", pick(numbers)}); break;
        case 9: a.insert(a.end(), {"--mask", pick(inputs)}); break;
        case 10: a.insert(a.end(), {"--depth", pick({"8", "16", "float", "32", ""})}); break;
        case 11:
            a.insert(a.end(), {"--histogram",
                               pick({"h.csv", "sub", "a.png", "h.%04d.csv", "/no-dir/h.csv"})});
            break;
        case 12:
            a.insert(a.end(), {pick({"--overlay-snapshot", "--tone-report"}), pick(outputs)});
            break;
        case 13: a.insert(a.end(), {"--zoom", pick(numbers)}); break;
        default: a.push_back(pick({"--list-params", "--nope", "--", "-o", "--set", "x"})); break;
        }
    }
    return a;
}

std::string shown(const std::vector<std::string>& args) {
    std::string s = "colbalance";
    for (const std::string& a : args) s += " '" + a + "'";
    return s;
}

}  // namespace

TEST(HostileCommandLines, OneLineOrWholeOutputsNeverACrash) {
    const long runs = envNumber("FN_HOSTILE_RUNS", 60);
    std::mt19937 rng(uint32_t(envNumber("FN_HOSTILE_SEED", 1)));
    const fs::path root =
        fs::temp_directory_path() / ("colbalance-hostile-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "inputs");
    makeInputs(root / "inputs");
    long succeeded = 0;
    for (long i = 0; i < runs; ++i) {
        const fs::path d = root / ("run" + std::to_string(i));
        fs::copy(root / "inputs", d, fs::copy_options::recursive);
        const std::set<std::string> before = listing(d);
        const std::vector<std::string> args = hostileLine(rng);
        const Result r = runIn(d, args);
        const std::string line = shown(args);
        ASSERT_NE(r.exitCode, -1) << line << ": killed or hung " << r.err;
        EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << line << "\n" << r.err;
        EXPECT_EQ(r.err.find("runtime error"), std::string::npos) << line << "\n" << r.err;
        std::set<std::string> added;
        for (const std::string& n : listing(d))
            if (!before.count(n)) added.insert(n);
        if (r.exitCode == 0) {
            ++succeeded;
            for (const std::string& n : added) {
                EXPECT_NE(n[0], '.') << line << ": left " << n;
                if (n.size() > 4 && n.substr(n.size() - 4) == ".csv") continue;
                auto in = OIIO::ImageInput::open((d / n).string());
                EXPECT_TRUE(in) << line << ": " << n << " does not read back";
            }
        } else {
            EXPECT_TRUE(added.empty()) << line << ": left " << *added.begin();
            EXPECT_EQ(r.err.rfind("colbalance: ", 0), 0u) << line << "\n" << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << line << "\n" << r.err;
        }
        fs::remove_all(d);
    }
    fs::remove_all(root);
    // The lines are hostile, not hopeless: some must get through.
    if (runs >= 50) {
        EXPECT_GT(succeeded, 0);
    }
    RecordProperty("succeeded", int(succeeded));
}
