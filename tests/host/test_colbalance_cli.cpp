// End-to-end: the real colbalance program on small generated files.
#include <OpenImageIO/imageio.h>
#include <gtest/gtest.h>
#include <immintrin.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <bit>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/common/PixelConvert.h"
#include "tests/host/CaseFolder.h"

namespace fs = std::filesystem;
using OIIO::TypeDesc;

namespace {

class Cli : public ::testing::Test {
protected:
    void SetUp() override { dir = caseFolder("colbalance-cli"); }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Runs colbalance with the arguments; returns the exit status and keeps
    // standard output in `out`, standard error in `err`.
    int run(const std::string& args) {
        return runCommand(std::string(COLBALANCE_PATH) + " " + args);
    }
    // The same for any shell command.
    int runCommand(const std::string& command) {
        const std::string outFile = path("stdout.txt"), errFile = path("stderr.txt");
        const std::string cmd = command + " >" + outFile + " 2>" + errFile;
        const int rc = std::system(cmd.c_str());
        out = slurp(outFile);
        err = slurp(errFile);
        fs::remove(outFile);
        fs::remove(errFile);
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }
    static std::string slurp(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    template <class T>
    void write(const std::string& name, int w, int h, int nch, TypeDesc t,
               const std::vector<T>& px) {
        auto out = OIIO::ImageOutput::create(path(name));
        ASSERT_TRUE(out);
        OIIO::ImageSpec spec(w, h, nch, t);
        spec.attribute("oiio:UnassociatedAlpha", 1);
        ASSERT_TRUE(out->open(path(name), spec));
        ASSERT_TRUE(out->write_image(t, px.data()));
        ASSERT_TRUE(out->close());
    }

    template <class T>
    std::vector<T> read(const std::string& name, TypeDesc t, int* nch = nullptr) {
        OIIO::ImageSpec config;
        config.attribute("oiio:UnassociatedAlpha", 1);
        auto in = OIIO::ImageInput::open(path(name), &config);
        if (!in) return {};
        const auto& s = in->spec();
        if (nch) *nch = s.nchannels;
        std::vector<T> px(size_t(s.width) * s.height * s.nchannels);
        in->read_image(0, 0, 0, s.nchannels, t, px.data());
        return px;
    }

    // Files in the folder other than the given inputs.
    std::vector<std::string> strayFiles(std::initializer_list<std::string> inputs) const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir)) {
            const std::string n = e.path().filename().string();
            if (std::find(inputs.begin(), inputs.end(), n) == inputs.end()) out.push_back(n);
        }
        return out;
    }

    fs::path dir;
    std::string out, err;
};

// A 16x8 RGBA image of scattered values.
std::vector<uint8_t> scatter8(int w, int h, int nch) {
    std::vector<uint8_t> v(size_t(w) * h * nch);
    uint32_t s = 12345;
    for (auto& b : v) b = uint8_t((s = s * 1103515245u + 12345u) >> 23);
    return v;
}

}  // namespace

TEST_F(Cli, DefaultsKeepEveryPixel) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    ASSERT_EQ(run(path("a.png") + " -o " + path("b.png")), 0) << err;
    EXPECT_EQ(read<uint8_t>("b.png", TypeDesc::UINT8), scatter8(16, 8, 4));

    // Three channels stay three; a 16-bit file comes back as its own round
    // trip through the signed storage.
    std::vector<uint16_t> v16(16 * 8 * 3);
    for (size_t i = 0; i < v16.size(); ++i) v16[i] = uint16_t(i * 523);
    write("c.tif", 16, 8, 3, TypeDesc::UINT16, v16);
    ASSERT_EQ(run(path("c.tif") + " -o " + path("d.tif")), 0) << err;
    int nch = 0;
    const auto got = read<uint16_t>("d.tif", TypeDesc::UINT16, &nch);
    EXPECT_EQ(nch, 3);
    ASSERT_EQ(got.size(), v16.size());
    for (size_t i = 0; i < v16.size(); ++i)
        ASSERT_EQ(got[i], pixconv::toU16(pixconv::fromU16(v16[i]))) << i;

    // The 8-bit file forced through the 16-bit path survives too.
    ASSERT_EQ(run(path("a.png") + " -o " + path("e.png") + " --depth 16"), 0) << err;
    EXPECT_EQ(read<uint8_t>("e.png", TypeDesc::UINT8), scatter8(16, 8, 4));
}

TEST_F(Cli, ToneMatteRegionMaskAndKeyframes) {
    std::vector<uint8_t> grey(8 * 4 * 4, 128);
    write("g.png", 8, 4, 4, TypeDesc::UINT8, grey);

    // Mid grey's highlight matte is 128 with Lowlights 0, Highlights 100 and
    // both eases 100; the matte is opaque.
    ASSERT_EQ(
        run(path("g.png") + " -o " + path("m.png") +
            " --set render-tone=Highlights --set lowlights-ease=100 --set highlights-ease=100"),
        0)
        << err;
    auto m = read<uint8_t>("m.png", TypeDesc::UINT8);
    ASSERT_EQ(m.size(), grey.size());
    EXPECT_EQ(m[0], 128);
    EXPECT_EQ(m[3], 255);

    // A region of interest writes exactly its columns and rows; the rest
    // keeps the source.  Partly outside is clipped.
    ASSERT_EQ(run(path("g.png") + " -o " + path("r.png") +
                  " --set \"Master Luminance=20\" --set \"Preserve Luminance=0\" --roi 6,1,10,2"),
              0)
        << err;
    auto r = read<uint8_t>("r.png", TypeDesc::UINT8);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 6 && y >= 1 && y < 3;
            EXPECT_EQ(r[(y * 8 + x) * 4], inside ? 128 + 51 : 128) << x << "," << y;
        }

    // A mask: white keeps the effect, black the source; a mask smaller than
    // the image leaves the source where it has no pixel.
    std::vector<uint8_t> mask = {255, 0, 255, 0};  // 4x1
    write("mask.png", 4, 1, 1, TypeDesc::UINT8, mask);
    ASSERT_EQ(run(path("g.png") + " -o " + path("k.png") + " --mask " + path("mask.png") +
                  " --set master-luminance=20 --set preserve-luminance=0"),
              0)
        << err;
    auto k = read<uint8_t>("k.png", TypeDesc::UINT8);
    EXPECT_EQ(k[0], 179);
    EXPECT_EQ(k[4], 128);
    EXPECT_EQ(k[8], 179);
    EXPECT_EQ(k[8 * 4], 128);  // row 1: outside the mask

    // A keyframed luminance is read at the frame time, over a sequence.
    std::ofstream(path("p.json")) << R"({"Master Luminance": [[0, 0], [10, 20]],
                                         "Preserve Luminance": 0})";
    ASSERT_EQ(run(path("g.png") + " -o " + path("s.%04d.png") + " --params " + path("p.json") +
                  " --frames 0-1"),
              0)
        << err;
    ASSERT_EQ(
        run(path("g.png") + " -o " + path("t.png") + " --params " + path("p.json") + " --frame 5"),
        0)
        << err;
    EXPECT_EQ(read<uint8_t>("s.0000.png", TypeDesc::UINT8)[0], 128);
    EXPECT_EQ(read<uint8_t>("s.0001.png", TypeDesc::UINT8)[0], 128 + 5);  // 2% of white
    EXPECT_EQ(read<uint8_t>("t.png", TypeDesc::UINT8)[0], 128 + 26);      // 10%
}

TEST_F(Cli, BadInputFailsCleanlyAndLeavesNoFile) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    std::ofstream(path("empty.png")).close();
    {
        // The first half of a real file.
        std::ifstream in(path("a.png"), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(path("cut.png"), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    }
    const std::string a = path("a.png"), o = " -o " + path("out.png");
    const char* cases[][2] = {
        {"missing.png", ""},
        {"empty.png", ""},
        {"cut.png", ""},
        {"a.png", "--set \"Master Hew=3\""},
        {"a.png", "--set master-hue=abc"},
        {"a.png", "--set master-hue=nan"},
        {"a.png", "--set master-hue=inf"},
        {"a.png", "--set render-tone=Shadows"},
        {"a.png", "--roi 100,100,5,5"},
        {"a.png", "--roi 1,2,0,5"},
        {"a.png", "--field 3"},
        {"a.png", "--depth 12"},
        {"a.png", "--params /nonexistent.json"},
        {"a.png", "--mask /nonexistent.png"},
    };
    for (const auto& c : cases) {
        const int rc = run(path(c[0]) + o + " " + c[1]);
        EXPECT_NE(rc, 0) << c[0] << " " << c[1];
        // One line of our own (an image library may add its own lines).
        const auto at = err.find("colbalance:");
        ASSERT_NE(at, std::string::npos) << err;
        EXPECT_EQ(err.find("colbalance:", at + 1), std::string::npos) << err;
        EXPECT_EQ(err.find('\n', at), err.size() - 1) << err;
        EXPECT_EQ(strayFiles({"a.png", "empty.png", "cut.png"}), std::vector<std::string>{})
            << c[0] << " " << c[1];
    }
    // Outputs that cannot be written are refused before any work.
    EXPECT_NE(run(a + " -o /nonexistent-dir/out.png"), 0);
    EXPECT_NE(err.find("no folder"), std::string::npos) << err;
    // An unknown name lists the valid ones.
    run(a + o + " --set nope=1");
    EXPECT_NE(err.find("master-hue"), std::string::npos);
}

namespace {

// The rows of a --histogram file: bin, then the five channels.
std::vector<std::vector<uint32_t>> readCounts(const std::string& file, std::string& header) {
    std::ifstream in(file);
    std::getline(in, header);
    std::vector<std::vector<uint32_t>> rows;
    for (std::string line; std::getline(in, line);) {
        std::vector<uint32_t> row;
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');)
            row.push_back(uint32_t(std::stoul(cell)));
        rows.push_back(row);
    }
    return rows;
}

// Half bits to float and float to the nearest half (ties to even), by the
// processor's own conversions (F16C), independent of the image library.
__attribute__((target("f16c"))) float halfToFloat(uint16_t bits) {
    return _cvtsh_ss(bits);
}
__attribute__((target("f16c"))) uint16_t nearestHalf(float f) {
    return uint16_t(_cvtss_sh(f, _MM_FROUND_TO_NEAREST_INT));
}

std::vector<uint16_t> everyHalf() {
    std::vector<uint16_t> v(65536);
    for (size_t i = 0; i < v.size(); ++i) v[i] = uint16_t(i);
    return v;
}

}  // namespace

TEST_F(Cli, HistogramCountsTheFileAsStored) {
    // 4x2: a red, a grey (1,1,0) and two (2,2,2) pixels per row, alpha 7.
    std::vector<uint8_t> px;
    for (int y = 0; y < 2; ++y)
        for (auto c :
             {std::array<uint8_t, 4>{255, 0, 0, 7}, {1, 1, 0, 7}, {2, 2, 2, 7}, {2, 2, 2, 7}})
            px.insert(px.end(), c.begin(), c.end());
    write("a.png", 4, 2, 4, TypeDesc::UINT8, px);
    ASSERT_EQ(run(path("a.png") + " --histogram " + path("a.csv")), 0) << err;
    // Nothing rendered without -o: the CSV is the only new file.
    EXPECT_EQ(strayFiles({"a.png"}), std::vector<std::string>{"a.csv"});
    std::string header;
    auto rows = readCounts(path("a.csv"), header);
    EXPECT_EQ(header, "bin,red,green,blue,alpha,grey");
    ASSERT_EQ(rows.size(), 256u);
    EXPECT_EQ(rows[255], (std::vector<uint32_t>{255, 2, 0, 0, 0, 0}));
    EXPECT_EQ(rows[2], (std::vector<uint32_t>{2, 4, 4, 4, 0, 4}));
    EXPECT_EQ(rows[0], (std::vector<uint32_t>{0, 0, 2, 4, 0, 2}));  // (1+1+0)/3 = 0
    EXPECT_EQ(rows[85][5], 2u);                                     // red (255+0+0)/3
    EXPECT_EQ(rows[7][4], 8u);

    // A region counts only its pixels, clipped like a render's region.
    ASSERT_EQ(run(path("a.png") + " --histogram " + path("r.csv") + " --roi 2,1,9,9"), 0) << err;
    rows = readCounts(path("r.csv"), header);
    EXPECT_EQ(rows[2][1], 2u);
    EXPECT_EQ(rows[255][1], 0u);

    // A 16-bit grey-and-alpha file: 65536 bins of its own values, grey in
    // red, green and blue.  With -o the render happens as well.
    write("g.tif", 3, 1, 2, TypeDesc::UINT16,
          std::vector<uint16_t>{0, 65535, 1000, 65535, 40000, 3});
    ASSERT_EQ(run(path("g.tif") + " -o " + path("o.tif") + " --histogram " + path("g.csv")), 0)
        << err;
    EXPECT_TRUE(fs::exists(path("o.tif")));
    rows = readCounts(path("g.csv"), header);
    ASSERT_EQ(rows.size(), 65536u);
    EXPECT_EQ(rows[1000], (std::vector<uint32_t>{1000, 1, 1, 1, 0, 1}));
    EXPECT_EQ(rows[40000], (std::vector<uint32_t>{40000, 1, 1, 1, 0, 1}));
    EXPECT_EQ(rows[65535][4], 2u);
    EXPECT_EQ(rows[3][4], 1u);
}

TEST_F(Cli, HistogramBadInputFailsCleanly) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    std::ofstream(path("empty.png")).close();
    const std::string h = " --histogram " + path("h.csv");
    const std::string cases[] = {
        path("missing.png") + h,
        path("empty.png") + h,
        path("a.png") + h + " --roi 100,100,5,5",
        path("a.png") + h + " --set master-hue=3",  // nothing to render it with
        path("a.png") + h + " --depth 16",
        path("a.png") + " --histogram " + path("a.png"),
        path("a.png") + " --histogram /nonexistent-dir/h.csv",
        path("a.png") + h + " --frames 1-2",
        path("a.png") + h + " -o " + path("out.png") + " --set render-tone=Shadows",
        // The image cannot be written after the counts are staged: neither
        // file stays.
        path("a.png") + h + " -o /nonexistent-dir/out.png",
    };
    for (const std::string& args : cases) {
        EXPECT_NE(run(args), 0) << args;
        const auto at = err.find("colbalance:");
        ASSERT_NE(at, std::string::npos) << err;
        EXPECT_EQ(err.find('\n', at), err.size() - 1) << err;
        EXPECT_EQ(strayFiles({"a.png", "empty.png"}), std::vector<std::string>{}) << args;
    }
}

// The pictures are drawn offscreen with Mesa's software renderer, so that
// they come out the same on every machine.
class Snapshot : public Cli {
protected:
    void SetUp() override {
        Cli::SetUp();
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
        setenv("GALLIUM_DRIVER", "llvmpipe", 1);
    }
};

TEST_F(Snapshot, ShowsTheRenderedFrameInTheViewerAtTheZoom) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    ASSERT_EQ(run(path("a.png") + " --set master-hue=90 --set master-saturation=50 -o " +
                  path("b.png") + " --overlay-snapshot " + path("v.png") + " --zoom 2"),
              0)
        << err;
    int nch = 0;
    const auto rendered = read<uint8_t>("b.png", TypeDesc::UINT8);
    const auto view = read<uint8_t>("v.png", TypeDesc::UINT8, &nch);
    // 16 grey pixels round the frame, each frame pixel 2 x 2.
    ASSERT_EQ(nch, 3);
    ASSERT_EQ(view.size(), size_t(64 * 48 * 3));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(view[((16 + y) * 64 + 16 + x) * 3 + c],
                          rendered[((y / 2) * 16 + x / 2) * 4 + c])
                    << x << "," << y;
    EXPECT_EQ(view[0], 56);
    EXPECT_EQ(view[(47 * 64 + 63) * 3], 56);
    // Without -o only the view is written.
    ASSERT_EQ(run(path("a.png") + " --overlay-snapshot " + path("w.png")), 0) << err;
    EXPECT_EQ(strayFiles({"a.png", "b.png", "v.png"}), std::vector<std::string>{"w.png"});
}

TEST_F(Snapshot, BadViewsFailInOneLineAndLeaveNoFile) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    const std::string v = " --overlay-snapshot " + path("v.png");
    for (const std::string& args : {v + " --zoom 0", v + " --zoom nan", v + " --zoom 1000",
                                    v + " --frames 1-2 -o " + path("o%04d.png"),
                                    std::string(" --overlay-snapshot /nonexistent-dir/v.png")}) {
        EXPECT_NE(run(path("a.png") + args), 0) << args;
        const auto at = err.find("colbalance:");
        ASSERT_NE(at, std::string::npos) << err;
        EXPECT_EQ(err.find('\n', at), err.size() - 1) << err;
        EXPECT_EQ(strayFiles({"a.png"}), std::vector<std::string>{}) << args;
    }
}

TEST_F(Snapshot, ToneReportShowsTheInputTonesUnderTheCurves) {
    // Every pixel mid grey: one histogram bar, at bin 128.
    write("g.png", 16, 8, 4, TypeDesc::UINT8, std::vector<uint8_t>(16 * 8 * 4, 128));
    ASSERT_EQ(run(path("g.png") + " --tone-report " + path("r.png") +
                  " --set highlight-hue=0 --set highlight-saturation=25"),
              0)
        << err;
    int nch = 0;
    const auto r = read<uint8_t>("r.png", TypeDesc::UINT8, &nch);
    ASSERT_EQ(nch, 3);
    ASSERT_EQ(r.size(), size_t(780 * 330 * 3));
    auto at = [&](int x, int yUp) { return r[(size_t(329 - yUp) * 780 + x) * 3]; };
    // Bars are light grey (224); a row through the histogram finds them only
    // round bin 128 of the 436 pixels the bins share.
    for (int x = 323; x < 758; ++x) {
        if (at(x, 70) == 224) {
            EXPECT_TRUE(x >= 535 && x <= 546) << x;
        }
    }
    EXPECT_EQ(at(541, 70), 224);
    // A red shift at full saturation puts the highlights' marker on the
    // circle's rim, straight right of its centre (150, 150).
    EXPECT_LT(at(281, 150), 60);
    EXPECT_EQ(strayFiles({"g.png"}), std::vector<std::string>{"r.png"});
}

TEST_F(Snapshot, ToneReportBadInputFailsInOneLine) {
    write("g.png", 4, 4, 4, TypeDesc::UINT8, std::vector<uint8_t>(64, 9));
    const std::string t = " --tone-report " + path("r.png");
    for (const std::string& args :
         {path("missing.png") + t, path("g.png") + t + " -o " + path("o.png"),
          path("g.png") + " --tone-report " + path("g.png"), path("g.png") + t + " --set nope=1",
          path("g.png") + t + " --frames 1-2", path("g.png") + " --tone-report /no-dir/r.png"}) {
        EXPECT_NE(run(args), 0) << args;
        const auto pos = err.find("colbalance:");
        ASSERT_NE(pos, std::string::npos) << err;
        EXPECT_EQ(err.find('\n', pos), err.size() - 1) << err;
        EXPECT_EQ(strayFiles({"g.png"}), std::vector<std::string>{}) << args;
    }
}

TEST_F(Snapshot, PagesDrawAsTheHostShowsThem) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    std::vector<std::vector<uint8_t>> pictures;
    for (const char* page : {"main", "curves", "simple", "help"}) {
        const std::string out = std::string(page) + ".png";
        ASSERT_EQ(
            run("--page " + std::string(page) + " --snapshot " + path(out) + " " + path("a.png")),
            0)
            << page << ": " << err;
        int nch = 0;
        pictures.push_back(read<uint8_t>(out, TypeDesc::UINT8, &nch));
        EXPECT_EQ(nch, 3);
        EXPECT_EQ(pictures.back().size(), pictures.front().size()) << page;
    }
    // The curves page shows the frame's histogram under its curves; the
    // simple page draws the same curves without one.
    EXPECT_NE(pictures[1], pictures[2]);
    // The main page follows the parameters (and the time they are read at).
    ASSERT_EQ(run("--page main --snapshot " + path("moved.png") +
                  " --set master-hue=90 --set master-saturation=25"),
              0)
        << err;
    EXPECT_NE(read<uint8_t>("moved.png", TypeDesc::UINT8), pictures[0]);
    auto written = strayFiles({"a.png"});
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"curves.png", "help.png", "main.png", "moved.png",
                                                 "simple.png"}));
}

TEST_F(Snapshot, BadPagesFailInOneLineAndLeaveNoFile) {
    write("a.png", 4, 4, 4, TypeDesc::UINT8, std::vector<uint8_t>(64, 9));
    const std::string s = " --snapshot " + path("p.png");
    for (const std::string& args :
         {"--page nope" + s, std::string("--page main"), s,
          "--page main" + s + " -o " + path("o.png"),
          "--page curves" + s + " " + path("missing.png"), "--page main" + s + " --set nope=1",
          std::string("--page help --snapshot /no-dir/p.png"),
          "--page main" + s + " --histogram " + path("h.csv")}) {
        EXPECT_NE(run(args), 0) << args;
        const auto pos = err.find("colbalance:");
        ASSERT_NE(pos, std::string::npos) << err;
        EXPECT_EQ(err.find('\n', pos), err.size() - 1) << err;
        EXPECT_EQ(strayFiles({"a.png"}), std::vector<std::string>{}) << args;
    }
}

// Half and float files run on the float path: at default settings every
// sample comes back with the same bits, values far above white, negative
// values, denormals, NaN payloads and infinities included.
TEST_F(Cli, FloatAndHalfFilesKeepEveryBit) {
    const std::vector<uint16_t> halves = everyHalf();
    write("h.exr", 128, 128, 4, TypeDesc::HALF, halves);
    ASSERT_EQ(run(path("h.exr") + " -o " + path("h2.exr")), 0) << err;
    EXPECT_EQ(read<uint16_t>("h2.exr", TypeDesc::HALF), halves);
    write("g.exr", 256, 256, 1, TypeDesc::HALF, halves);  // grey: one channel
    ASSERT_EQ(run(path("g.exr") + " -o " + path("g2.exr") + " --set preserve-luminance=0"), 0)
        << err;
    EXPECT_EQ(read<uint16_t>("g2.exr", TypeDesc::HALF), halves);

    std::vector<float> floats(64 * 16 * 4);
    uint32_t s = 99;
    const float tricky[] = {10.0f,
                            -0.25f,
                            1e6f,
                            -0.0f,
                            1e-42f,
                            std::bit_cast<float>(0x7fc0abcdu),
                            std::numeric_limits<float>::infinity(),
                            3e38f};
    for (size_t i = 0; i < floats.size(); ++i) {
        s = s * 1103515245u + 12345u;
        floats[i] = (s >> 28) < 3 ? tricky[(s >> 8) % 8] : float(s >> 8) / float(1 << 23) - 0.5f;
    }
    write("f.exr", 64, 16, 4, TypeDesc::FLOAT, floats);
    ASSERT_EQ(run(path("f.exr") + " -o " + path("f2.exr")), 0) << err;
    const auto back = read<float>("f2.exr", TypeDesc::FLOAT);
    ASSERT_EQ(back.size(), floats.size());
    EXPECT_EQ(std::memcmp(back.data(), floats.data(), floats.size() * 4), 0);

    // The reported pixel keeps its highlight through a luminance offset.
    write("hot.exr", 1, 1, 3, TypeDesc::FLOAT, std::vector<float>{10.0f, 0.5f, -0.25f});
    ASSERT_EQ(run(path("hot.exr") + " -o " + path("hot2.exr") +
                  " --set master-luminance=10 --set preserve-luminance=0"),
              0)
        << err;
    EXPECT_EQ(read<float>("hot2.exr", TypeDesc::FLOAT),
              (std::vector<float>{10.0f + 0.1f, 0.5f + 0.1f, -0.25f + 0.1f}));
    // --depth 16 forces the fixed-point path, which holds at most 32767 / 16384.
    ASSERT_EQ(run(path("hot.exr") + " -o " + path("hot16.exr") + " --depth 16"), 0) << err;
    EXPECT_EQ(read<float>("hot16.exr", TypeDesc::FLOAT)[0], 32767.0f / 16384.0f);
}

// A half file is written from the float result rounded to the nearest half,
// ties to even: a luminance offset of 10 % rounds every sample, one of
// 2^-11 (0.048828125 %) lands samples in 1..2 exactly halfway between two
// halves.  NaN and infinite samples pass.
TEST_F(Cli, HalfOutputRoundsToNearest) {
    // Every processor with AVX2 has F16C (clang 14 cannot ask for F16C).
    if (!__builtin_cpu_supports("avx2")) GTEST_SKIP() << "no F16C conversions to compare with";
    std::vector<uint16_t> px(65536 * 4);
    for (size_t i = 0; i < 65536; ++i) {
        px[i * 4] = uint16_t(i);
        px[i * 4 + 1] = nearestHalf(0.5f);
        px[i * 4 + 2] = nearestHalf(0.25f);
        px[i * 4 + 3] = nearestHalf(1.0f);
    }
    write("in.exr", 256, 256, 4, TypeDesc::HALF, px);
    for (const char* lum : {"10", "0.048828125"}) {
        ASSERT_EQ(run(path("in.exr") + " -o " + path("out.exr") + " --set master-luminance=" + lum +
                      " --set preserve-luminance=0"),
                  0)
            << err;
        const auto got = read<uint16_t>("out.exr", TypeDesc::HALF);
        ASSERT_EQ(got.size(), px.size());
        const float add = float(std::stod(lum) / 100.0);
        int ties = 0;
        for (size_t i = 0; i < 65536; ++i) {
            const float in = halfToFloat(uint16_t(i));
            const float want = std::isfinite(in) ? in + add : in;
            const uint16_t h = std::isfinite(in) ? nearestHalf(want) : uint16_t(i);
            ASSERT_EQ(got[i * 4], h) << lum << ": half " << i;
            ASSERT_EQ(got[i * 4 + 1], std::isfinite(in) ? nearestHalf(0.5f + add) : px[i * 4 + 1]);
            const float down = halfToFloat(h), other = halfToFloat(uint16_t(h ^ 1));
            ties += std::isfinite(in) && std::fabs(want - down) == std::fabs(other - want);
        }
        if (std::string(lum) != "10") {
            EXPECT_GT(ties, 1000);
        }
    }
}

// 8- and 16-bit files forced onto the float path keep every level; a mask
// on the float path is used at full range (white 1.0).
TEST_F(Cli, DepthFloatKeepsIntegerFilesAndMasksBlend) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    ASSERT_EQ(run(path("a.png") + " -o " + path("b.png") + " --depth float"), 0) << err;
    EXPECT_EQ(read<uint8_t>("b.png", TypeDesc::UINT8), scatter8(16, 8, 4));
    std::vector<uint16_t> v16(16 * 8 * 3);
    for (size_t i = 0; i < v16.size(); ++i) v16[i] = uint16_t(i * 173 + 11);
    write("c.tif", 16, 8, 3, TypeDesc::UINT16, v16);
    ASSERT_EQ(run(path("c.tif") + " -o " + path("d.tif") + " --depth float"), 0) << err;
    EXPECT_EQ(read<uint16_t>("d.tif", TypeDesc::UINT16), v16);

    write("f.exr", 3, 1, 3, TypeDesc::FLOAT, std::vector<float>(9, 4.0f));
    write("m.exr", 3, 1, 1, TypeDesc::FLOAT, std::vector<float>{0.0f, 0.5f, 1.0f});
    std::vector<uint8_t> m8 = {0, 255, 255};
    write("m.png", 3, 1, 1, TypeDesc::UINT8, m8);
    for (const char* mask : {"m.exr", "m.png"}) {
        ASSERT_EQ(run(path("f.exr") + " -o " + path("k.exr") + " --mask " + path(mask) +
                      " --set master-luminance=20 --set preserve-luminance=0"),
                  0)
            << err;
        const auto k = read<float>("k.exr", TypeDesc::FLOAT);
        ASSERT_EQ(k.size(), 9u);
        EXPECT_EQ(k[0], 4.0f) << mask;
        EXPECT_FLOAT_EQ(k[3], mask[2] == 'e' ? 4.1f : 4.2f) << mask;
        EXPECT_EQ(k[6], 4.0f + 0.2f) << mask;
    }
}

// Outputs that cannot be written as asked are refused before any work, and
// a write that fails half-way (a full disk, here a file size limit) leaves
// nothing behind.
TEST_F(Cli, UnwritableOutputsAreRefusedAndFailedWritesLeaveNothing) {
    write("a.png", 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    fs::create_directory(path("dir"));
    std::ofstream(path("ro.png")) << "keep me";
    fs::permissions(path("ro.png"), fs::perms::owner_read | fs::perms::group_read);
    const std::string a = path("a.png");
    for (const std::string& args :
         {a + " -o " + path("dir"), a + " -o " + path("ro.png"), a + " -o " + a,
          a + " -o " + path("o.png") + " --histogram " + path("o.png"),
          a + " --tone-report " + path("dir"), a + " -o " + path("o.unknownext"),
          // Found by the hostile command lines: the output was written
          // before the snapshot's name was found wanting.
          a + " -o " + path("o.png") + " --overlay-snapshot " + path("o.unknownext")}) {
        EXPECT_NE(run(args), 0) << args;
        EXPECT_EQ(err.rfind("colbalance:", 0), 0u) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
        EXPECT_EQ(strayFiles({"a.png", "dir", "ro.png"}), std::vector<std::string>{}) << args;
    }
    std::ifstream kept(path("ro.png"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep me");

    write("big.png", 256, 256, 4, TypeDesc::UINT8, scatter8(256, 256, 4));
    // 8 blocks of 512 bytes at most per file: far less than the output.
    EXPECT_NE(runCommand("sh -c 'ulimit -f 8; exec " COLBALANCE_PATH " " + path("big.png") +
                         " -o " + path("o.png") + "'"),
              0);
    EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    EXPECT_EQ(strayFiles({"a.png", "dir", "ro.png", "big.png"}), std::vector<std::string>{});
}

// Interrupted while rendering a sequence, colbalance stops at once: every
// frame it finished is there and whole, and no other file is.
TEST_F(Cli, TerminatedSequenceLeavesFinishedFramesOnly) {
    const int n = 40;
    for (int i = 1; i <= n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "in.%04d.png", i);
        write(name, 384, 384, 4, TypeDesc::UINT8, scatter8(384, 384, 4));
    }
    const std::string cmd = std::string(COLBALANCE_PATH) + " " + path("in.%04d.png") + " -o " +
                            path("out.%04d.png") + " --frames 1-40 --set master-hue=30";
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + cmd + " 2>/dev/null").c_str(), (char*)nullptr);
        _exit(127);
    }
    // Once two frames are out, stop it.
    for (int tries = 0; tries < 6000 && !fs::exists(path("out.0002.png")); ++tries) ::usleep(5000);
    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    int outputs = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (name.rfind("in.", 0) == 0) continue;
        ASSERT_EQ(name.rfind("out.", 0), 0u) << "left behind: " << name;
        ++outputs;
        int nch = 0;
        EXPECT_EQ(read<uint8_t>(name, TypeDesc::UINT8, &nch).size(), size_t(384 * 384 * 4))
            << name << " is not whole";
    }
    EXPECT_GE(outputs, 2);
    if (WIFEXITED(status)) {
        EXPECT_EQ(outputs, n);  // it finished before the signal came
    }
}

// A sequence decodes, renders and encodes its frames at once: every frame
// comes out as it does rendered on its own, with a region or field too
// (whose outside keeps the source) or a mask smaller than the frames (the
// output buffers go round from frame to frame, so a pixel left unwritten
// would show an earlier frame), and a frame that cannot be read ends the
// sequence there, the frames before it written and none after.
TEST_F(Cli, SequencesMatchFramesRenderedOneByOne) {
    const int w = 97, h = 31, n = 7;
    for (int i = 1; i <= n; ++i) {
        std::vector<float> px(size_t(w) * h * 4);
        for (size_t k = 0; k < px.size(); ++k) px[k] = float((k * 37 + i * 11) % 101) / 90.0f;
        char name[32];
        std::snprintf(name, sizeof name, "in.%04d.exr", i);
        write(name, w, h, 4, TypeDesc::HALF, px);
    }
    std::ofstream(path("p.json")) << R"({"Master Hue": [[1, 0], [7, 90]],
                                         "Master Saturation": 40, "Midtones Luminance": 6})";
    std::vector<float> m(40 * 20);
    for (size_t k = 0; k < m.size(); ++k) m[k] = float(k % 9) / 8.0f;
    write("m.exr", 40, 20, 1, TypeDesc::HALF, m);
    for (const std::string& extra : std::vector<std::string>{"", " --roi 10,3,50,20", " --field 2",
                                                             " --mask " + path("m.exr")}) {
        ASSERT_EQ(run(path("in.%04d.exr") + " -o " + path("seq.%04d.exr") + " --frames 1-7" +
                      " --params " + path("p.json") + extra),
                  0)
            << err;
        for (int i = 1; i <= n; ++i) {
            char in[32], one[32], seq[32];
            std::snprintf(in, sizeof in, "in.%04d.exr", i);
            std::snprintf(one, sizeof one, "one.%04d.exr", i);
            std::snprintf(seq, sizeof seq, "seq.%04d.exr", i);
            ASSERT_EQ(run(path(in) + " -o " + path(one) + " --frame " + std::to_string(i) +
                          " --params " + path("p.json") + extra),
                      0)
                << err;
            // Half files compared bit for bit.
            const auto a = read<uint16_t>(one, TypeDesc::HALF);
            ASSERT_EQ(a.size(), size_t(w) * h * 4);
            EXPECT_EQ(read<uint16_t>(seq, TypeDesc::HALF), a) << "frame " << i << extra;
        }
    }

    fs::remove(path("in.0004.exr"));
    EXPECT_NE(run(path("in.%04d.exr") + " -o " + path("cut.%04d.exr") + " --frames 1-7"), 0);
    EXPECT_EQ(err.rfind("colbalance: frame 4: ", 0), 0u) << err;
    EXPECT_NE(err.find("in.0004.exr"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    for (int i = 1; i <= n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "cut.%04d.exr", i);
        EXPECT_EQ(fs::exists(path(name)), i < 4) << name;
    }
}

namespace {

// A file's identity and age: a file rewritten, even with the same bytes,
// gets a new inode (outputs land by a rename).
struct Stamp {
    ino_t inode;
    fs::file_time_type mtime;
    bool operator==(const Stamp&) const = default;
};
Stamp stampOf(const std::string& file) {
    struct stat st {};
    ::stat(file.c_str(), &st);
    return {st.st_ino, fs::last_write_time(file)};
}

std::string numbered(const char* pattern, int i) {
    char name[64];
    std::snprintf(name, sizeof name, pattern, i);
    return name;
}

}  // namespace

// A re-run with --skip-existing renders the frames whose outputs are
// missing, exactly as the first run did, and touches no other: in the
// pipelined sequence and in the frame-by-frame one (with --histogram a
// frame is finished when both its files are there).
TEST_F(Cli, SkipExistingRendersOnlyWhatIsMissing) {
    for (int i = 1; i <= 6; ++i)
        write(numbered("in.%04d.png", i), 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8 + i, 4));
    const std::string seq = path("in.%04d.png") + " -o " + path("out.%04d.png") +
                            " --frames 1-6 --set master-hue=30 --skip-existing";
    ASSERT_EQ(run(seq), 0) << err;
    EXPECT_EQ(out, "frames written: 6, skipped: 0 (their outputs were there)\n");
    std::vector<std::string> first;
    std::vector<Stamp> stamps;
    for (int i = 1; i <= 6; ++i) {
        first.push_back(slurp(path(numbered("out.%04d.png", i))));
        stamps.push_back(stampOf(path(numbered("out.%04d.png", i))));
    }
    fs::remove(path("out.0002.png"));
    fs::remove(path("out.0005.png"));
    ASSERT_EQ(run(seq), 0) << err;
    EXPECT_EQ(out, "frames written: 2, skipped: 4 (their outputs were there)\n");
    for (int i = 1; i <= 6; ++i) {
        const std::string name = path(numbered("out.%04d.png", i));
        EXPECT_EQ(slurp(name), first[size_t(i - 1)]) << name;
        if (i != 2 && i != 5) {
            EXPECT_EQ(stampOf(name), stamps[size_t(i - 1)]) << name;
        }
    }
    // All there: nothing to do, and nothing read (the inputs may be gone),
    // nor a finished output refused that a run would not replace.
    fs::remove(path("in.0003.png"));
    fs::permissions(path("out.0001.png"), fs::perms::owner_read);
    ASSERT_EQ(run(seq), 0) << err;
    EXPECT_EQ(out, "frames written: 0, skipped: 6 (their outputs were there)\n");

    const std::string counted = path("in.%04d.png") + " -o " + path("c.%04d.png") +
                                " --histogram " + path("c.%04d.csv") +
                                " --frames 4-6 --skip-existing";
    ASSERT_EQ(run(counted), 0) << err;
    const Stamp image5 = stampOf(path("c.0005.png")), image6 = stampOf(path("c.0006.png"));
    fs::remove(path("c.0005.csv"));
    ASSERT_EQ(run(counted), 0) << err;
    EXPECT_EQ(out, "frames written: 1, skipped: 2 (their outputs were there)\n");
    EXPECT_TRUE(fs::exists(path("c.0005.csv")));
    EXPECT_NE(stampOf(path("c.0005.png")), image5);
    EXPECT_EQ(stampOf(path("c.0006.png")), image6);
}

// --dry-run checks what a run would read and write, frame by frame, writes
// nothing, and prints the frames the run would render; whatever a run
// would refuse (a missing or broken input frame, an output it may not
// replace, in the middle of the range too) it refuses with the run's
// status, naming the frame.
TEST_F(Cli, DryRunChecksEveryFrameAndWritesNothing) {
    for (int i = 1; i <= 6; ++i)
        write(numbered("in.%04d.png", i), 16, 8, 4, TypeDesc::UINT8, scatter8(16, 8, 4));
    const std::string seq = path("in.%04d.png") + " -o " + path("out.%04d.png") + " --frames 1-6";
    ASSERT_EQ(run(seq + " --dry-run"), 0) << err;
    EXPECT_EQ(out, "1-6\n");
    ASSERT_EQ(run(path("in.0001.png") + " -o " + path("one.png") + " --dry-run"), 0) << err;
    EXPECT_EQ(out, "still\n");
    EXPECT_EQ(strayFiles({"in.0001.png", "in.0002.png", "in.0003.png", "in.0004.png", "in.0005.png",
                          "in.0006.png"}),
              std::vector<std::string>{});
    for (int i : {1, 3, 4, 6})
        fs::copy_file(path("in.0001.png"), path(numbered("out.%04d.png", i)));
    ASSERT_EQ(run(seq + " --dry-run --skip-existing"), 0) << err;
    EXPECT_EQ(out, "2,5\n");
    ASSERT_EQ(run(seq.substr(0, seq.size() - 3) + "3-4 --dry-run --skip-existing"), 0) << err;
    EXPECT_EQ(out, "none\n");

    std::ofstream(path("bad.json")) << "{\"Master Hue\": ";
    std::ofstream(path("in.0007.png")) << "not an image";
    fs::permissions(path("out.0004.png"), fs::perms::owner_read);
    const std::string seq8 = path("in.%04d.png") + " -o " + path("out.%04d.png") + " --frames 1-8";
    struct Case {
        std::string args, says;
    } cases[] = {
        {seq + " --params " + path("bad.json"), "bad.json"},
        {seq + " --params " + path("none.json"), "none.json"},
        {seq + " --set master-hue=x", "master-hue"},
        {seq, "frame 4: -o \"" + path("out.0004.png") + "\" is read-only"},
        {seq8 + " --skip-existing", "frame 7: cannot read \"" + path("in.0007.png") + "\""},
        {path("in.%04d.png") + " -o " + path("out.%04d.png") + " --frames 5-9 --skip-existing",
         "frame 7: "},
        {path("in.%04d.png") + " -o " + path("out.%04d.png") + " --frames 8-9", "frame 8: "},
        {path("in.%04d.png") + " -o " + path("no/out.%04d.png") + " --frames 1-2", "no folder"},
        {seq + " --mask " + path("m.%04d.png"), "frame 1: cannot read"},
        {seq + " --roi 100,100,5,5", "frame 1: --roi \"100,100,5,5\" lies wholly outside"},
        {path("in.0001.png") + " --overlay-snapshot " + path("v.png") + " --zoom 1000",
         "--zoom 1000 makes a "},
    };
    for (const Case& c : cases) {
        const std::string args = c.args + " --dry-run";
        EXPECT_EQ(run(args), 1) << args;
        EXPECT_EQ(out, "") << args;
        EXPECT_EQ(err.rfind("colbalance: ", 0), 0u) << err;
        EXPECT_NE(err.find(c.says), std::string::npos) << args << "\n" << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    }
    EXPECT_FALSE(fs::exists(path("out.0002.png")));
    EXPECT_FALSE(fs::exists(path("out.0005.png")));
    // A run stops where the dry run did, its earlier frames written.
    const std::string kept = slurp(path("out.0004.png"));
    EXPECT_EQ(run(seq), 1);
    EXPECT_EQ(err.rfind("colbalance: frame 4: ", 0), 0u) << err;
    EXPECT_TRUE(fs::exists(path("out.0002.png")));
    EXPECT_EQ(slurp(path("out.0004.png")), kept);
    EXPECT_FALSE(fs::exists(path("out.0005.png")));
    for (const std::string& other :
         {std::string("--list-params"), path("in.0001.png") + " --tone-report " + path("r.png"),
          "--page main --snapshot " + path("p.png")})
        for (const char* option : {"--dry-run", "--skip-existing"}) {
            EXPECT_EQ(run(other + " " + option), 1) << other;
            EXPECT_NE(err.find(std::string(option) + " does not go with"), std::string::npos)
                << err;
        }
}

namespace {

// colbalance with a colour working space: the shipped config (beside the
// program in the build tree), never one the environment names.
class Grading : public Cli {
protected:
    void SetUp() override {
        Cli::SetUp();
        ::unsetenv("OCIO");
    }

    // A scene-linear grey ramp over 14 stops, 0.001 .. 16.384, `perStop`
    // pixels a stop, as one row of float RGBA.
    static constexpr int kStops = 14, kPerStop = 32, kRampWidth = kStops * kPerStop + 1;
    void writeRamp(const std::string& name) {
        std::vector<float> px;
        for (int i = 0; i < kRampWidth; ++i) {
            const float v = 0.001f * std::exp2(float(i) / kPerStop);
            px.insert(px.end(), {v, v, v, 1.0f});
        }
        write(name, kRampWidth, 1, 4, TypeDesc::FLOAT, px);
    }

    // The stops over which each range's matte (Lowlights, Midtones,
    // Highlights) is the largest of the three, with `extra` options.
    std::array<double, 3> leadingStops(const std::string& extra) {
        writeRamp("ramp.exr");
        std::vector<float> matte[3];
        const char* tones[3] = {"Lowlights", "Midtones", "Highlights"};
        for (int t = 0; t < 3; ++t) {
            const std::string out = std::string("matte-") + tones[t] + ".exr";
            EXPECT_EQ(run(path("ramp.exr") + " -o " + path(out) + " --set render-tone=" + tones[t] +
                          " " + extra),
                      0)
                << err;
            matte[t] = read<float>(out, TypeDesc::FLOAT);
            if (matte[t].size() != size_t(kRampWidth) * 4) return {};
        }
        std::array<double, 3> stops{};
        for (int i = 0; i < kRampWidth; ++i) {
            int lead = 0;
            for (int t = 1; t < 3; ++t)
                if (matte[t][size_t(i) * 4] > matte[lead][size_t(i) * 4]) lead = t;
            stops[size_t(lead)] += 1.0 / kPerStop;
        }
        return stops;
    }
};

}  // namespace

// Keyed linear, the ranges divide a scene-linear ramp's stops very
// unevenly; in the log working space each leads over a comparable share.
// (The mattes come back into the input space, by a rising curve that keeps
// which of them is largest.)
TEST_F(Grading, RangesSpreadOverTheStopsInTheLogWorkingSpace) {
    // Measured: linear 8.4 / 0.9 / 4.7 stops, ACEScct 6.2 / 5.6 / 2.2 (the
    // ramp's top, 16.4, is 0.785 in ACEScct: the Highlights' share is the
    // smallest).
    const auto linear = leadingStops("");
    EXPECT_GE(linear[0], 7.5);
    EXPECT_LE(linear[1], 1.25);
    const auto log = leadingStops("--working-space ACEScct");
    for (int t = 0; t < 3; ++t) {
        EXPECT_GE(log[size_t(t)], 2.0) << "range " << t;
        EXPECT_LE(log[size_t(t)], 7.0) << "range " << t;
    }
    const auto spread = [](const std::array<double, 3>& s) {
        return *std::max_element(s.begin(), s.end()) / *std::min_element(s.begin(), s.end());
    };
    EXPECT_GE(spread(linear), 8.0);
    EXPECT_LE(spread(log), 3.0);
    // The same from the params file's host key, with the input space named.
    std::ofstream(path("look.json"))
        << R"({"Render Tone": "Midtones", "colbalance": {"workingSpace": "ACEScct",
                                                         "inputSpace": "scene_linear"}})";
    ASSERT_EQ(run(path("ramp.exr") + " -o " + path("file.exr") + " --params " + path("look.json")),
              0)
        << err;
    EXPECT_EQ(read<float>("file.exr", TypeDesc::FLOAT),
              read<float>("matte-Midtones.exr", TypeDesc::FLOAT));
}

// With default parameters a frame comes back through the working space
// within the conversions' round trip (4e-6 of each value, or 1e-8 near
// zero); NaN and infinite samples pass with their pixel as the float path
// passes them.
TEST_F(Grading, DefaultsComeBackAndNonFiniteValuesPass) {
    const float nan = std::bit_cast<float>(0x7fc0abcdu);
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<float> px;
    for (int i = 0; i < 200; ++i) {
        const float v = 0.0005f * std::exp2(float(i) / 12);
        px.insert(px.end(), {v, v * 0.7f, v * 1.3f, i % 2 ? 1.0f : 0.5f});
    }
    px.insert(px.end(), {nan, 0.5f, 0.5f, 1.0f, 0.5f, -inf, inf, 1.0f, 0.0f, -0.01f, 0.2f, nan});
    write("in.exr", int(px.size() / 4), 1, 4, TypeDesc::FLOAT, px);
    ASSERT_EQ(run(path("in.exr") + " -o " + path("plain.exr")), 0) << err;
    ASSERT_EQ(run(path("in.exr") + " -o " + path("graded.exr") + " --working-space ACEScct"), 0)
        << err;
    const auto plain = read<float>("plain.exr", TypeDesc::FLOAT);
    const auto graded = read<float>("graded.exr", TypeDesc::FLOAT);
    ASSERT_EQ(graded.size(), px.size());
    for (size_t i = 0; i < px.size(); ++i) {
        if (i >= 800) {  // pixels holding a non-finite value pass as a whole
            EXPECT_EQ(std::memcmp(&graded[i], &plain[i], 4), 0) << i;
            continue;
        }
        EXPECT_LE(std::abs(graded[i] - px[i]), std::max(4e-6 * std::abs(px[i]), 1e-8)) << i;
    }
    // The input space named as the working space converts nothing.
    ASSERT_EQ(run(path("in.exr") + " -o " + path("same.exr") +
                  " --working-space ACEScg --input-space scene_linear --set master-hue=40"
                  " --set midtones-saturation=30"),
              0)
        << err;
    ASSERT_EQ(run(path("in.exr") + " -o " + path("none.exr") +
                  " --set master-hue=40 --set midtones-saturation=30"),
              0)
        << err;
    const auto same = read<float>("same.exr", TypeDesc::FLOAT);
    const auto none = read<float>("none.exr", TypeDesc::FLOAT);
    EXPECT_EQ(std::memcmp(same.data(), none.data(), none.size() * 4), 0);
}

// Pixels a region or a field leaves out never go through the working
// space: they keep their bits.  Those rendered are what the whole frame's
// render gives them.
TEST_F(Grading, PixelsOutsideTheRegionAndFieldKeepTheirBits) {
    constexpr int w = 24, h = 6;
    std::vector<float> px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float v = 0.002f * std::exp2(float(x) / 2) * (1.0f + 0.1f * float(y));
            px.insert(px.end(), {v, v * 0.8f, v * 1.2f, 1.0f});
        }
    write("in.exr", w, h, 4, TypeDesc::FLOAT, px);
    const std::string look =
        " --working-space ACEScct --set master-hue=40"
        " --set midtones-saturation=30 --set highlights=80";
    ASSERT_EQ(run(path("in.exr") + " -o " + path("whole.exr") + look), 0) << err;
    const auto whole = read<float>("whole.exr", TypeDesc::FLOAT);
    struct Case {
        std::string args;
        int x0, y0, x1, y1, field;
    } cases[] = {{"--roi 5,1,10,3", 5, 1, 15, 4, 0},
                 {"--field 1", 0, 0, w, h, 1},
                 {"--field 2 --roi 3,0,30,5", 3, 0, w, 5, 2}};
    for (const Case& c : cases) {
        ASSERT_EQ(run(path("in.exr") + " -o " + path("part.exr") + look + " " + c.args), 0) << err;
        const auto part = read<float>("part.exr", TypeDesc::FLOAT);
        ASSERT_EQ(part.size(), px.size());
        int rendered = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool inside = x >= c.x0 && x < c.x1 && y >= c.y0 && y < c.y1 &&
                                    (c.field == 0 || y % 2 == c.field - 1);
                const size_t at = (size_t(y) * w + size_t(x)) * 4;
                const auto& want = inside ? whole : px;
                rendered += inside;
                EXPECT_EQ(std::memcmp(&part[at], &want[at], 16), 0)
                    << c.args << " at " << x << "," << y << (inside ? " (rendered)" : "");
            }
        EXPECT_GT(rendered, 0) << c.args;
    }
    // The look changes the pixels it renders.
    EXPECT_NE(std::memcmp(whole.data(), px.data(), px.size() * 4), 0);
}

// The histogram counts the values the effect sees: middle grey at its
// ACEScct value.
TEST_F(Grading, HistogramCountsInTheWorkingSpace) {
    write("grey.exr", 2, 1, 4, TypeDesc::FLOAT,
          std::vector<float>{0.18f, 0.18f, 0.18f, 1.0f, 0.18f, 0.18f, 0.18f, 1.0f});
    auto greyBin = [&](const std::string& extra) {
        EXPECT_EQ(run(path("grey.exr") + " --histogram " + path("h.csv") + " " + extra), 0) << err;
        std::ifstream in(path("h.csv"));
        std::string line;
        std::getline(in, line);
        while (std::getline(in, line))
            if (line.substr(line.rfind(',') + 1) == "2") return std::stol(line);
        return -1L;
    };
    EXPECT_EQ(greyBin(""), std::lround(0.18 * 65535));
    EXPECT_EQ(greyBin("--working-space ACEScct"),
              std::lround((std::log2(0.18) + 9.72) / 17.52 * 65535));
}

TEST_F(Grading, RefusalsAreOneLineAndLeaveNoFile) {
    write("a.png", 4, 2, 4, TypeDesc::UINT8, scatter8(4, 2, 4));
    writeRamp("ramp.exr");
    struct Case {
        std::string args, says;
    } cases[] = {
        {path("a.png") + " -o " + path("o.png") + " --working-space ACEScct", "--depth float"},
        {path("a.png") + " --histogram " + path("o.csv") + " --working-space ACEScct", "integer"},
        {path("ramp.exr") + " -o " + path("o.exr") + " --working-space ACEScct --depth 16",
         "--depth 16"},
        {path("ramp.exr") + " -o " + path("o.exr") + " --input-space ACEScg", "working space"},
        {path("ramp.exr") + " -o " + path("o.exr") + " --working-space Nope", "ACEScct"},
        {path("ramp.exr") + " -o " + path("o.exr") + " --working-space ACEScct --ocio " +
             path("none.ocio"),
         "none.ocio"},
        {path("ramp.exr") + " -o " + path("o.exr") + " --params " + path("bad.json"),
         "\"colbalance\""},
    };
    std::ofstream(path("bad.json")) << R"({"colbalance": {"workingSpace": 3}})";
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), 1) << c.args;
        EXPECT_NE(err.find(c.says), std::string::npos) << c.args << "\n" << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_FALSE(fs::exists(path("o.exr")) || fs::exists(path("o.png")) ||
                     fs::exists(path("o.csv")));
        // A dry run refuses the same command with the same words.
        const std::string real = err;
        EXPECT_EQ(run(c.args + " --dry-run"), 1) << c.args;
        EXPECT_EQ(err, real) << c.args;
    }
    // An 8-bit picture on the float path is graded (from its own space).
    EXPECT_EQ(run(path("a.png") + " -o " + path("f.png") +
                  " --depth float --working-space ACEScct --input-space \"sRGB - Texture\""),
              0)
        << err;
    EXPECT_EQ(read<uint8_t>("f.png", TypeDesc::UINT8), scatter8(4, 2, 4));
}
