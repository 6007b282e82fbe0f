// ColBalance: the colour-balance effect object the host creates.
//
// The effect part (FnDsEffect) comes first, the SDK part (CDSImageMIEffect)
// second.  Parameter values live in the members below (the channel switches
// in the SDK part); the static property map, built from the parameter table
// (ColBalanceParams.h), binds them to their definitions.  ColBalance.cpp
// holds the image-effect operations, ColBalanceParams.cpp the property map,
// defaults and the per-frame read, ColBalanceRender.cpp the render path.
#pragma once

#include <cstdint>

#include "effect/ColBalanceParams.h"
#include "effect/FnDsEffect.h"
#include "engine/FnBalanceParams.h"
#include "platform/dssdk/CDSImageEffect.h"

struct ColBalanceHostFormat;

class ColBalance final : public FnDsEffect, public CDSImageMIEffect {
public:
    ColBalance();
    ~ColBalance() override;

    // One identity for every interface: the SDK part's.
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return CDSImageMIEffect::AddRef(); }
    ULONG Release() override { return CDSImageMIEffect::Release(); }

    HRESULT GetName(char* buffer, uint32_t size) override;
    HRESULT GetDescription(char* buffer, uint32_t size) override;
    HRESULT GetIconId(uint32_t* id) override;

    HRESULT GetInfo(DSEffectInfo* info) override;
    HRESULT GetImageEffectInfo(DSImageEffectInfo* info) override;
    HRESULT IsFormatSupported(REFGUID format) override;
    HRESULT SetDefaults() override;
    HRESULT Verify() override;
    HRESULT Render(IUnknown* reserved, double time) override;
    HRESULT Clone(REFIID iid, void** out) override;

    static const CDSPropertiesMap s_propertiesMap;

protected:
    const CDSStaticPropertyMap& GetStaticPropertyMap() override;

private:
    friend struct ColBalanceMembers;

    // Where a parameter's current value is kept.
    void* ValueAddress(const ColBalanceParamSpec& spec);
    // Every parameter's default into its member; the property lock is held.
    void StoreDefaults();
    // The values a frame reads at `time`: animated numbers at that time,
    // the others as they are now.
    FnBalanceParams ParamsAt(double time);
    // Pixel offset of an image's placement, scaled by `ratio`.
    static void PlaceImage(IDSImage* image, double ratio, int32_t offset[2]);
    // One frame in the engine's storage format `Traits`: the host images
    // wrapped as that format's textures, rendered by fnRenderFrame.
    template <class Traits>
    HRESULT RenderFormat(const FnFrameContext& frame, double time,
                         const ColBalanceHostFormat& format);

    FnBalanceParams m_values;  // the channel switches are the SDK part's
    ColBalancePageValues m_page{};
};
