// The effect base classes: what the host sets on an image effect and the
// default behaviour of its operations.
//
//   CDSPlugInEffect    reference counting and identity of a plug-in object
//   CDSImageEffect     IDSImageEffect: source and output images, region of
//                      interest, field, execution context, channel switches
//   CDSImageEffectEx   (no additions in this SDK)
//   CDSImageMIEffect   multi-input: second input and pixel mask
//
// A concrete effect overrides the operations it implements and calls the
// base first, as the host expects.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/dssdk/CDSPropertyContainer.h"
#include "platform/dssdk/DSEffect.h"

class CDSPlugInEffect : public ComObject<CDSAliasedPropertyContainer> {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
};

class CDSImageEffect : public CDSPlugInEffect, public IDSImageEffect {
public:
    // The SDK's own properties, chained after an effect's map.
    static const CDSPropertiesMap m_PropertiesMap;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return CDSPlugInEffect::AddRef(); }
    ULONG Release() override { return CDSPlugInEffect::Release(); }

    HRESULT SetImage(int32_t role, IDSImage* image) override;
    HRESULT SetPixelMask(IDSImage* mask, int32_t x, int32_t y) override;
    HRESULT SetRegionOfInterest(const DSRect* roi) override;
    HRESULT SetField(int32_t field) override;
    HRESULT SetExecutionContext(IDSExecutionContext* context) override;
    // Base information calls: check the pointer, fill nothing.
    HRESULT GetInfo(DSEffectInfo* info) override;
    HRESULT GetImageEffectInfo(DSImageEffectInfo* info) override;
    HRESULT IsFormatSupported(REFGUID format) override;
    // Drops every animation; the effect stores its defaults afterwards.
    HRESULT SetDefaults() override;
    HRESULT Verify() override;
    HRESULT Render(IUnknown* reserved, double time) override;
    HRESULT Clone(REFIID iid, void** out) override;

    // Gets the host data ready for a frame; 0 when it is.
    HRESULT PrepareData();
    // Tells the host that properties changed.
    HRESULT OnPropertyChanged(REFGUID property, const void* value, IUnknown* sender, void* params,
                              DWORD flags, DWORD moreFlags);
    uint32_t PropertyChangeCount() const { return m_changeCount.load(); }

    // The host's list of the effect's property pages.
    void AddPropertyPage(REFCLSID page);
    const std::vector<CLSID>& PropertyPages() const { return m_pages; }

protected:
    IDSImage* SourceImage() const { return m_source.get(); }
    IDSImage* OutputImage() const { return m_output.get(); }
    bool HasRegionOfInterest() const { return m_hasRoi; }
    const DSRect& RegionOfInterest() const { return m_roi; }
    int32_t Field() const { return m_field; }
    IDSExecutionContext* ExecutionContext() const { return m_context.get(); }

    // Copies the channel switches and the option word.
    void CopySdkState(const CDSImageEffect& from);
    // Channel switch 0 red, 1 green, 2 blue, 3 alpha (any other: alpha).
    int32_t& ChannelSwitch(int channel) {
        return channel == 0   ? m_maskRed
               : channel == 1 ? m_maskGreen
               : channel == 2 ? m_maskBlue
                              : m_maskAlpha;
    }

    // Channel switches, in this order (see DSPARAM_MASK_*).
    int32_t m_maskRed = 1;
    int32_t m_maskBlue = 1;
    int32_t m_maskGreen = 1;
    int32_t m_maskAlpha = 1;
    // Option word; bit 16 marks an effect that takes two inputs.
    uint32_t m_options = 0;

private:
    ComPtr<IDSImage> m_source, m_output;
    bool m_hasRoi = false;
    DSRect m_roi{0, 0, 0, 0};
    int32_t m_field = 0;
    ComPtr<IDSExecutionContext> m_context;
    std::vector<CLSID> m_pages;
    std::atomic<uint32_t> m_changeCount{0};
};

class CDSImageEffectEx : public CDSImageEffect {};

class CDSImageMIEffect : public CDSImageEffectEx {
public:
    HRESULT SetImage(int32_t role, IDSImage* image) override;
    HRESULT SetPixelMask(IDSImage* mask, int32_t x, int32_t y) override;

protected:
    IDSImage* Input2Image() const { return m_input2.get(); }
    IDSImage* PixelMask() const { return m_mask.get(); }
    int32_t MaskX() const { return m_maskX; }
    int32_t MaskY() const { return m_maskY; }

private:
    ComPtr<IDSImage> m_input2, m_mask;
    int32_t m_maskX = 0, m_maskY = 0;
};
