#include "platform/dssdk/CDSImageEffect.h"

namespace {
const CDSPropertiesMapEntry kNoSdkProperties[] = {CDSPropertiesMapEntry()};
}  // namespace

const CDSPropertiesMap CDSImageEffect::m_PropertiesMap = {kNoSdkProperties, nullptr};

HRESULT CDSPlugInEffect::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDSPropertyContainer)
        return Answer(static_cast<IDSPropertyContainer*>(this), out);
    return E_NOINTERFACE;
}

HRESULT CDSImageEffect::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IDSImageEffect) return Answer(static_cast<IDSImageEffect*>(this), out);
    return CDSPlugInEffect::QueryInterface(iid, out);
}

HRESULT CDSImageEffect::SetImage(int32_t role, IDSImage* image) {
    switch (role) {
    case DS_IMAGE_SOURCE: m_source = ComPtr<IDSImage>(image); return S_OK;
    case DS_IMAGE_OUTPUT: m_output = ComPtr<IDSImage>(image); return S_OK;
    default: return E_INVALIDARG;
    }
}

HRESULT CDSImageEffect::SetPixelMask(IDSImage*, int32_t, int32_t) { return E_NOTIMPL; }

HRESULT CDSImageEffect::SetRegionOfInterest(const DSRect* roi) {
    if (!roi) {
        m_hasRoi = false;
        return S_OK;
    }
    if (roi->width < 1 || roi->height < 1) return E_INVALIDARG;
    m_roi = *roi;
    m_hasRoi = true;
    return S_OK;
}

HRESULT CDSImageEffect::SetField(int32_t field) {
    m_field = field;
    return S_OK;
}

HRESULT CDSImageEffect::SetExecutionContext(IDSExecutionContext* context) {
    m_context = ComPtr<IDSExecutionContext>(context);
    return S_OK;
}

HRESULT CDSImageEffect::GetInfo(DSEffectInfo* info) { return info ? S_OK : E_POINTER; }

HRESULT CDSImageEffect::GetImageEffectInfo(DSImageEffectInfo* info) {
    return info ? S_OK : E_POINTER;
}

HRESULT CDSImageEffect::IsFormatSupported(REFGUID) { return S_FALSE; }

HRESULT CDSImageEffect::SetDefaults() {
    ClearAnimation();
    return S_OK;
}

HRESULT CDSImageEffect::Verify() { return S_OK; }

HRESULT CDSImageEffect::Render(IUnknown*, double) { return E_NOTIMPL; }

HRESULT CDSImageEffect::Clone(REFIID, void** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT CDSImageEffect::PrepareData() { return S_OK; }

HRESULT CDSImageEffect::OnPropertyChanged(REFGUID, const void*, IUnknown*, void*, DWORD, DWORD) {
    ++m_changeCount;
    return S_OK;
}

void CDSImageEffect::AddPropertyPage(REFCLSID page) {
    m_pages.reserve(m_pages.size() + 1);
    m_pages.push_back(page);
}

void CDSImageEffect::CopySdkState(const CDSImageEffect& from) {
    m_maskRed = from.m_maskRed;
    m_maskBlue = from.m_maskBlue;
    m_maskGreen = from.m_maskGreen;
    m_maskAlpha = from.m_maskAlpha;
    m_options = from.m_options;
}

HRESULT CDSImageMIEffect::SetImage(int32_t role, IDSImage* image) {
    if (role == DS_IMAGE_INPUT2) {
        m_input2 = ComPtr<IDSImage>(image);
        return S_OK;
    }
    return CDSImageEffectEx::SetImage(role, image);
}

HRESULT CDSImageMIEffect::SetPixelMask(IDSImage* mask, int32_t x, int32_t y) {
    m_mask = ComPtr<IDSImage>(mask);
    m_maskX = x;
    m_maskY = y;
    return S_OK;
}
