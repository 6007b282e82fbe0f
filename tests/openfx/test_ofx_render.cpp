// The plug-in's pixels against colbalance's: the same random pixels and
// settings through the OpenFX test host and through the command line, at
// each depth, with and without a mask, premultiplied and not, as one
// window and as odd tiles on several threads; a small frame, and one wide
// enough that each band of the plug-in goes through several pieces.  Files and processes, so not
// among the ThreadSanitizer tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "tests/openfx/OfxTestHost.h"
#include "tests/openfx/OfxTestRandom.h"

namespace {

namespace fs = std::filesystem;
constexpr const char* kId = kOfxTestPluginId;

OfxTestHost& host() {
    static OfxTestHost h(FN_OFX_PLUGIN_DIR);
    return h;
}

struct Case {
    const char* depth;
    const char* cliDepth;
    const char* file;  // the file type colbalance reads and writes
};
const Case kCases[] = {
    {kOfxBitDepthByte, "8", "tif"},
    {kOfxBitDepthShort, "16", "tif"},
    {kOfxBitDepthFloat, "float", "exr"},
};

fs::path caseDir() {
    const fs::path d = fs::temp_directory_path() / ("fn_ofx_render_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
}

void write(const OfxTestFrame& f, const fs::path& path) {
    std::string error;
    ASSERT_TRUE(f.write(path.string(), error)) << error;
}

// colbalance's output for `source` (and `mask`) under `settings`.
OfxTestFrame colbalance(const Case& c, const OfxTestFrame& source, const OfxTestFrame* mask,
                        const std::vector<OfxTestSetting>& settings, const fs::path& dir) {
    const fs::path in = dir / (std::string("in.") + c.file);
    const fs::path out = dir / (std::string("out.") + c.file);
    const fs::path maskFile = dir / (std::string("mask.") + c.file);
    write(source, in);
    std::string cmd = std::string("'") + COLBALANCE_PATH + "' '" + in.string() + "' -o '" +
                      out.string() + "' --depth " + c.cliDepth;
    if (mask) {
        write(*mask, maskFile);
        cmd += " --mask '" + maskFile.string() + "'";
    }
    for (const OfxTestSetting& s : settings) {
        std::string name = s.name;
        for (char& ch : name)
            if (ch == '_') ch = '-';
        char value[64];
        std::snprintf(value, sizeof value, "%.17g", s.value);
        cmd += " --set '" + name + "=" + value + "'";
    }
    fs::remove(out);
    EXPECT_EQ(std::system((cmd + " 2>'" + (dir / "err.txt").string() + "'").c_str()), 0) << cmd;
    std::string error;
    OfxTestFrame result = OfxTestFrame::read(out.string(), c.depth, error);
    EXPECT_TRUE(error.empty()) << error;
    return result;
}

// Every pixel of `window` the same in both frames, to the bit.
void expectSameIn(const OfxTestFrame& got, const OfxTestFrame& want, const OfxRectI& w) {
    ASSERT_EQ(got.bytesPerPixel(), want.bytesPerPixel());
    int wrong = 0;
    for (int y = w.y1; y < w.y2; ++y)
        for (int x = w.x1; x < w.x2; ++x)
            if (std::memcmp(got.pixel(x, y), want.pixel(x, y), size_t(got.bytesPerPixel())) != 0 &&
                ++wrong <= 3)
                ADD_FAILURE() << "pixel " << x << "," << y << " channel 0: " << got.channel(x, y, 0)
                              << " against " << want.channel(x, y, 0);
    EXPECT_EQ(wrong, 0);
}

}  // namespace

TEST(OfxRender, EqualsColbalanceAtEachDepthMaskedOrNotPremultipliedOrNot) {
    const fs::path dir = caseDir();
    std::mt19937 rng(20261207);
    // A frame, an inner window in it and the tiles that window is cut into.
    struct Shape {
        OfxRectI bounds, inner;
        OfxTestTiles tiles;
    };
    const Shape kShapes[] = {{{0, 0, 29, 19}, {3, 2, 26, 17}, {7, 5}},
                             {{0, 0, 4099, 29}, {3, 2, 4090, 27}, {1361, 9}}};
    for (const auto& [bounds, inner, tiles] : kShapes)
        for (const Case& c : kCases) {
            for (const bool masked : {false, true}) {
                for (const bool premultiplied : {false, true}) {
                    SCOPED_TRACE(std::to_string(bounds.x2) + " wide " + c.depth +
                                 (masked ? " masked" : "") +
                                 (premultiplied ? " premultiplied" : ""));
                    const auto settings = ofxRandomSettings(rng);
                    const auto source =
                        ofxRandomFrame(c.depth, kOfxImageComponentRGBA, bounds, rng);
                    const auto mask = ofxRandomFrame(c.depth, kOfxImageComponentAlpha, bounds, rng);

                    auto effect = host().create(
                        kId, masked ? kOfxImageEffectContextGeneral : kOfxImageEffectContextFilter);
                    ASSERT_NE(effect, nullptr);
                    effect->connect(
                        "Source", source,
                        premultiplied ? kOfxImagePreMultiplied : kOfxImageUnPreMultiplied);
                    if (masked) effect->connect("Mask", mask);
                    for (const OfxTestSetting& s : settings)
                        ASSERT_TRUE(effect->setValue(s.name, s.value));

                    // A compositor's premultiplied source is colbalance's input
                    // unpremultiplied, and its output premultiplied again.
                    OfxTestFrame want =
                        colbalance(c, premultiplied ? ofxUnpremultiplied(*source) : *source,
                                   masked ? mask.get() : nullptr, settings, dir);
                    if (premultiplied) want = ofxPremultiplied(want);
                    ASSERT_FALSE(want.empty());

                    ASSERT_EQ(effect->render(0, bounds), kOfxStatOK);
                    expectSameIn(*effect->outputFrame(), want, bounds);

                    // Odd tiles of an inner window on three threads: the same
                    // pixels inside, nothing written outside.
                    ASSERT_EQ(effect->render(0, inner, tiles, 3), kOfxStatOK);
                    expectSameIn(*effect->outputFrame(), want, inner);
                    const OfxTestFrame& out = *effect->outputFrame();
                    int touched = 0;
                    for (int y = 0; y < bounds.y2; ++y)
                        for (int x = 0; x < bounds.x2; ++x) {
                            const bool in =
                                x >= inner.x1 && x < inner.x2 && y >= inner.y1 && y < inner.y2;
                            if (!in && *static_cast<const unsigned char*>(out.pixel(x, y)) != 0xCD)
                                ++touched;
                        }
                    EXPECT_EQ(touched, 0);
                    EXPECT_TRUE(effect->messages().empty());
                }
            }
        }
    fs::remove_all(dir);
}
