// A small host for the tests: host services, the loaded module and one
// effect set up in the filter family, plus image helpers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "effect/ColBalanceApi.h"
#include "platform/com/ComPtr.h"
#include "platform/dshost/DsExecutionContext.h"
#include "platform/dshost/DsHostServices.h"
#include "platform/dshost/DsImage.h"
#include "platform/dshost/DsModuleLoader.h"

class EffectHost : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(module.load(FN_MODULE_PATH, &error)) << error;
        fx = newEffect(DSFAMILY_FILTER);
        ASSERT_TRUE(fx);
        ASSERT_EQ(fx.as(IID_IDSPropertyContainer, props), S_OK);
    }
    void TearDown() override {
        fx.reset();
        props.reset();
        EXPECT_EQ(module.unload(), S_OK) << "objects of the module are still alive";
    }

    ComPtr<IDSImageEffect> newEffect(const GUID& family) {
        ComPtr<IDSImageEffect> e;
        if (FAILED(module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, e))) return {};
        DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, family, {}};
        if (e->SetDefaults() != S_OK || e->GetImageEffectInfo(&info) != S_OK) return {};
        return e;
    }

    void set(const GUID& id, double v) { ASSERT_EQ(props->SetValue(id, v), S_OK); }

    DsHostServices services;
    DsModuleLoader module;
    ComPtr<IDSImageEffect> fx;
    ComPtr<IDSPropertyContainer> props;
};

// Images filled pixel by pixel in image coordinates (row 0 at the top).
inline ComPtr<DsImage> rgba8(int w, int h, const std::function<uint32_t(int, int)>& rgba) {
    ComPtr<DsImage> img = DsImage::create(DsImageKind::Rgba8, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t v = rgba(x, y);
            uint8_t* p = img->rgba8(x, y);
            for (int c = 0; c < 4; ++c) p[c] = uint8_t(v >> (8 * c));
        }
    return img;
}

inline ComPtr<DsImage> rgba16(int w, int h, const std::function<int16_t(int, int, int)>& value) {
    ComPtr<DsImage> img = DsImage::create(DsImageKind::Rgba16, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c) img->rgba16(x, y)[c] = value(x, y, c);
    return img;
}

// A deterministic scatter of values for "any image" inputs.
inline uint32_t scramble(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    return v ^ (v >> 16);
}

inline std::vector<uint8_t> bytesOf(const ComPtr<DsImage>& img) {
    const auto* p = static_cast<const uint8_t*>(img->data());
    return std::vector<uint8_t>(p, p + img->byteSize());
}
