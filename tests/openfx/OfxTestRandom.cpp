#include "tests/openfx/OfxTestRandom.h"

#include <algorithm>
#include <cmath>

#include "effect/ColBalanceParams.h"
#include "ofxImageEffect.h"
#include "resources/FnStrings.h"

namespace {

double maxOf(const std::string& depth) {
    return depth == kOfxBitDepthByte ? 255.0 : depth == kOfxBitDepthShort ? 65535.0 : 1.0;
}

bool isFloat(const std::string& depth) { return depth == kOfxBitDepthFloat; }

// Each colour channel of every RGBA pixel through f(colour, alpha).
template <class F>
OfxTestFrame mapColour(const OfxTestFrame& in, F f) {
    OfxTestFrame out = in;
    if (in.components() != kOfxImageComponentRGBA) return out;
    const OfxRectI b = in.bounds();
    for (int y = b.y1; y < b.y2; ++y)
        for (int x = b.x1; x < b.x2; ++x) {
            const double a = in.channel(x, y, 3);
            for (int c = 0; c < 3; ++c) out.setChannel(x, y, c, f(in.channel(x, y, c), a));
        }
    return out;
}

}  // namespace

std::vector<OfxTestSetting> ofxRandomSettings(std::mt19937& rng) {
    using Home = ColBalanceParamSpec::Home;
    std::vector<OfxTestSetting> out;
    for (const ColBalanceParamSpec* p : kColBalanceParams) {
        if (p->home == Home::Page) continue;
        double v = 0;
        if (p->home == Home::Channel)
            v = std::uniform_int_distribution<int>(0, 4)(rng) == 0 ? 0 : 1;
        else if (p->listCount)
            v = std::uniform_int_distribution<int>(0, 3)(rng) == 0
                    ? std::uniform_int_distribution<int>(1, int(p->listCount) - 1)(rng)
                    : 0;
        else if (p->home == Home::Integer)
            v = std::uniform_int_distribution<int>(0, 1)(rng);
        else
            v = std::uniform_real_distribution<double>(p->pageMin, p->pageMax)(rng);
        out.push_back({fnParamAlias(*p, '_'), v});
    }
    return out;
}

std::shared_ptr<OfxTestFrame> ofxRandomFrame(const std::string& depth,
                                             const std::string& components, OfxRectI bounds,
                                             std::mt19937& rng, OfxTestFrame::Rows rows) {
    auto f = std::make_shared<OfxTestFrame>(depth, components, bounds, rows);
    const double top = maxOf(depth);
    const bool floats = isFloat(depth);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int y = bounds.y1; y < bounds.y2; ++y)
        for (int x = bounds.x1; x < bounds.x2; ++x)
            for (int c = 0; c < f->channels(); ++c) {
                const bool alpha = c == 3 || f->channels() == 1;
                double v = unit(rng);
                if (alpha && unit(rng) < 1.0 / 6) v = 0;
                if (floats)
                    f->setChannel(x, y, c, alpha ? v : v * 1.75 - 0.25);
                else
                    f->setChannel(x, y, c, std::floor(v * (top + 1) > top ? top : v * (top + 1)));
            }
    return f;
}

OfxTestFrame ofxUnpremultiplied(const OfxTestFrame& f) {
    const double top = maxOf(f.depth());
    const bool fl = isFloat(f.depth());
    return mapColour(f, [&](double c, double a) {
        if (!(a > 0)) return 0.0;
        if (fl) return double(float(c) / float(a));
        return std::min(top, std::floor((c * top + std::floor(a / 2)) / a));
    });
}

OfxTestFrame ofxPremultiplied(const OfxTestFrame& f) {
    const double top = maxOf(f.depth());
    const bool fl = isFloat(f.depth());
    return mapColour(f, [&](double c, double a) {
        if (!(a > 0)) return 0.0;
        if (fl) return double(float(c) * float(a));
        return std::floor((c * a + std::floor(top / 2)) / top);
    });
}

std::unique_ptr<OfxTestEffect> ofxRandomEffect(OfxTestHost& host, unsigned seed,
                                               const OfxRandomEffectSpec& spec) {
    std::mt19937 rng(seed);
    auto effect = host.create(kOfxTestPluginId, kOfxImageEffectContextGeneral);
    if (!effect) return effect;
    effect->connect("Source",
                    ofxRandomFrame(spec.depth, spec.components, spec.bounds, rng, spec.rows),
                    spec.premultiplication);
    effect->connect("Mask",
                    ofxRandomFrame(spec.depth, kOfxImageComponentAlpha, spec.bounds, rng, spec.rows));
    for (const OfxTestSetting& s : ofxRandomSettings(rng)) effect->setValue(s.name, s.value);
    effect->setValue("master_saturation", 40);  // never the identity
    return effect;
}
