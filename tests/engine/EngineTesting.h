// What several engine suites build their cases from: pixels, random
// balance settings, processors run the way the effect runs them, and a
// fixed band count for a test's duration.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "engine/FnBalanceParams.h"
#include "engine/FnColBalancer.h"
#include "engine/FnParallel.h"
#include "engine/FnToneRender.h"

// Sets the band count for the guard's life (0 leaves it as it is); every
// test ends on the default.
struct ThreadCountGuard {
    explicit ThreadCountGuard(int n = 0) {
        if (n > 0) fnSetThreadCountForTesting(n);
    }
    ~ThreadCountGuard() { fnSetThreadCountForTesting(0); }
    ThreadCountGuard(const ThreadCountGuard&) = delete;
    ThreadCountGuard& operator=(const ThreadCountGuard&) = delete;
};

inline FnRGBA8 px8(int r, int g, int b, int a = 255) {
    return FnRGBA8{{uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)}};
}
inline FnRGBA16 px16(int r, int g, int b, int a = 16384) {
    return FnRGBA16{{short(r), short(g), short(b), short(a)}};
}
inline FnRGBAF32 pxf(float r, float g, float b, float a = 1.0f) { return FnRGBAF32{{r, g, b, a}}; }

// Random settings: hues anywhere, saturations up to `maxSat` (a quarter of
// them 0), luminances within +-maxLum (three quarters 0), tone settings
// anywhere, Preserve Luminance and alpha weighting each half the time.
inline FnBalanceParams randomBalanceParams(std::mt19937& rng, double maxSat = 250,
                                           double maxLum = 100) {
    std::uniform_real_distribution<double> hue(-720, 720), sat(0, maxSat), lum(-maxLum, maxLum),
        pct(0, 100);
    std::uniform_int_distribution<int> coin(0, 3);
    FnBalanceParams p;
    for (double* h : {&p.masterHue, &p.lowHue, &p.midHue, &p.highHue}) *h = hue(rng);
    for (double* s : {&p.masterSaturation, &p.lowSaturation, &p.midSaturation, &p.highSaturation})
        *s = coin(rng) ? sat(rng) : 0;
    for (double* l : {&p.masterLum, &p.lowLum, &p.midLum, &p.highLum})
        *l = coin(rng) == 0 ? lum(rng) : 0;
    for (double* t : {&p.lowlights, &p.highlights, &p.lowlightsEase, &p.highlightsEase})
        *t = pct(rng);
    p.preserveLuminance = coin(rng) & 1;
    p.maskAlpha = coin(rng) >= 2 ? 2 : 1;
    return p;
}

// Runs a freshly set-up balancer (heap: the 16-bit one is large).
template <class B, class Img>
void balance(const FnBalanceParams& p, Img& src, Img& dst,
             FnBalancePath path = FnBalancePath::kAuto, int fieldMode = 0) {
    auto b = std::make_unique<B>();
    SetupBalancer(*b, p);
    b->setBalancePath(path);
    b->setFieldMode(fieldMode);
    b->run(&src, &dst);
}

// The matte of one pixel.
template <class R, class P>
P matteOf(const FnBalanceParams& p, P in) {
    FnTexture<P, FnRGBAf> src(1, 1), dst(1, 1);
    *src.at(0, 0) = in;
    auto t = std::make_unique<R>();
    setupToneRender(*t, p);
    t->run(&src, &dst);
    return *dst.at(0, 0);
}
