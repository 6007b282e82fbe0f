// ColBalance: the colour-balance effect object the host creates.
//
// The effect part (FnDsEffect) comes first, the SDK part (CDSImageMIEffect)
// second.  Parameters live in the members below in table order; the static
// property map binds them to their definitions.  ColBalance.cpp holds the
// image-effect operations, ColBalanceParams.cpp the parameter table and
// ColBalanceRender.cpp the frame render path.
#pragma once

#include <cstdint>

#include "effect/FnDsEffect.h"
#include "engine/FnBalanceParams.h"
#include "platform/dssdk/CDSImageEffect.h"

// Keys of the parameters, as the host stores them.
namespace ColBalanceKey {
constexpr uint32_t MasterHue = 0xFFFF04D0, MasterSaturation = 0xFFFF04D8;
constexpr uint32_t LowHue = 0xFFFF04E0, LowSaturation = 0xFFFF04E8;
constexpr uint32_t MidHue = 0xFFFF04F0, MidSaturation = 0xFFFF04F8;
constexpr uint32_t HighHue = 0xFFFF0500, HighSaturation = 0xFFFF0508;
constexpr uint32_t PreserveLuminance = 0xFFFF0510;
constexpr uint32_t Lowlights = 0xFFFF0518, Highlights = 0xFFFF0520;
constexpr uint32_t LowlightsEase = 0xFFFF0528, HighlightsEase = 0xFFFF0530;
constexpr uint32_t Which = 0xFFFF0538;
constexpr uint32_t MasterLum = 0xFFFF0540, LowLum = 0xFFFF0548, MidLum = 0xFFFF0550,
                   HighLum = 0xFFFF0558;
constexpr uint32_t RenderTone = 0xFFFF0560, HideOverlay = 0xFFFF0564;
constexpr uint32_t MaskRed = 0xFFFF0474, MaskBlue = 0xFFFF0478, MaskGreen = 0xFFFF047C,
                   MaskAlpha = 0xFFFF0480;
}  // namespace ColBalanceKey

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

    // Every parameter at `time`: doubles animated, the others current.
    FnBalanceParams ParamsAt(double time);
    // Pixel offset of an image's placement, scaled by `ratio`.
    static void PlaceImage(IDSImage* image, double ratio, int32_t offset[2]);
    template <class Image, class MaskImage, class Balancer, class ToneRender>
    HRESULT RenderFormat(double time, bool sixteenBit);
    // The channel-mask step's component bits (0 red .. 3 alpha).
    uint32_t ChannelMaskBits(const FnBalanceParams& p) const;

    // Parameters 0..19, in table order.  The record's channel switches are
    // not used here: those four belong to the SDK part (m_maskRed ...).
    FnBalanceParams m_values;
};
