// ColBalance: identity, names, information, defaults, verification, clone.
#include "effect/ColBalance.h"

#include <new>

#include "effect/ColBalanceApi.h"
#include "effect/FnDsModule.h"
#include "platform/dssdk/DSModuleInstance.h"

namespace {

constexpr GUID kUnknownEffectIid = "{53A973D2-298B-11D3-AB9A-0000E8D8077F}"_guid;
constexpr GUID kEffectClassA = "{0BC5A2F0-5C49-11CF-A04A-00A02418CFB9}"_guid;
constexpr GUID kEffectClassB = "{0BC5A2F2-5C49-11CF-A04A-00A02418CFB9}"_guid;

struct FamilyMode {
    GUID family;
    int32_t mode;
};
constexpr FamilyMode kFamilyModes[] = {
    {"{AE0D7C31-95AA-11D0-B685-00A024191AE0}"_guid, 1},
    {"{28610EB3-AECA-11D1-BFAD-0800368E7203}"_guid, 1},
    {"{AE0D7C40-95AA-11D0-B685-00A024191AE0}"_guid, 4},
    {"{61054A81-9662-11D0-B685-00A024191AE0}"_guid, 3},
    {"{61054A80-9662-11D0-B685-00A024191AE0}"_guid, 5},
    {"{AE0D7C33-95AA-11D0-B685-00A024191AE0}"_guid, 2},
    {"{AE0D7C34-95AA-11D0-B685-00A024191AE0}"_guid, 7},
    {"{95F7E8A0-8B84-11D1-94A3-00A0C911C625}"_guid, 1},
};

HRESULT loadText(UINT id, char* buffer, uint32_t size) {
    if (!buffer) return E_POINTER;
    const int max = size > 0x7fffffff ? 0x7fffffff : int(size);
    return LoadStringA(fnModuleInstance(), id, buffer, max) > 0 ? S_OK : E_FAIL;
}

}  // namespace

ColBalance::ColBalance() {
    std::lock_guard<std::mutex> g(m_propertyLock);
    StoreDefaults();
}
ColBalance::~ColBalance() = default;

HRESULT ColBalance::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == CLSID_ColBalance || iid == kUnknownEffectIid)
        return Answer(static_cast<FnDsEffect*>(this), out);
    if (iid == IID_IFnDsPlacement) return Answer(static_cast<IFnDsPlacement*>(this), out);
    if (iid == IID_IFnDsViewerTool) return Answer(static_cast<IFnDsViewerTool*>(this), out);
    return CDSImageMIEffect::QueryInterface(iid, out);
}

HRESULT ColBalance::GetName(char* buffer, uint32_t size) { return loadText(1, buffer, size); }
HRESULT ColBalance::GetDescription(char* buffer, uint32_t size) {
    return loadText(2, buffer, size);
}

HRESULT ColBalance::GetIconId(uint32_t* id) {
    if (!id) return E_POINTER;
    *id = 102;
    return S_OK;
}

HRESULT ColBalance::GetInfo(DSEffectInfo* info) {
    const HRESULT hr = CDSImageMIEffect::GetInfo(info);
    if (FAILED(hr)) return hr;
    if (!(info->recordType == DSINFO_EFFECT)) return E_INVALIDARG;
    info->classIds[0] = kEffectClassA;
    info->classIds[1] = kEffectClassB;
    info->effectClassId = CLSID_ColBalance;
    info->reserved = 0;
    return S_OK;
}

HRESULT ColBalance::GetImageEffectInfo(DSImageEffectInfo* info) {
    const HRESULT hr = CDSImageMIEffect::GetImageEffectInfo(info);
    if (FAILED(hr)) return hr;
    if (!(info->recordType == DSINFO_IMAGE_EFFECT)) return E_INVALIDARG;
    for (const FamilyMode& f : kFamilyModes) {
        if (f.family == info->family) {
            maskMode = f.mode;
            break;
        }
    }
    if (!pagesAnnounced) {
        pagesAnnounced = true;
        if (maskMode == 1) {
            AddPropertyPage(CLSID_ColBalancePPG);
            AddPropertyPage(CLSID_ToneCurvesPPG);
            AddPropertyPage(CLSID_HelpPPG);
        } else if (maskMode == 4) {
            AddPropertyPage(CLSID_ColBalancePPG);
            AddPropertyPage(CLSID_SimpleCurvesPPG);
            AddPropertyPage(CLSID_HelpPPG);
        }
    }
    uint32_t* w = info->capabilities;
    w[0] = 0;
    w[1] = maskMode == 4 ? 96 : 0;
    w[2] = (maskMode == 3 || maskMode == 5) ? 2 : 8;
    w[3] = 1;
    w[4] = maskMode == 5 ? 1 : 0;
    w[5] = w[7] = maskMode == 4 ? 1 : 0;
    w[6] = w[8] = 0;
    if (maskMode == 5) {
        w[9] = 0x312;
        m_options |= 1u << 16;
    } else {
        w[9] = 0x302;
    }
    return S_OK;
}

HRESULT ColBalance::IsFormatSupported(REFGUID format) {
    return (format == MFIF_RGBA_RAW_32 || format == MFIF_RGBA_S2_14 ||
            format == MFIF_RGBA_FLOAT_128)
               ? S_OK
               : S_FALSE;
}

HRESULT ColBalance::SetDefaults() {
    const HRESULT hr = CDSImageMIEffect::SetDefaults();
    if (FAILED(hr)) return hr;
    {
        std::lock_guard<std::mutex> g(m_propertyLock);
        StoreDefaults();
    }
    return OnPropertyChanged(DSPROP_ALL, nullptr, nullptr, nullptr, 0, 32768);
}

HRESULT ColBalance::Verify() {
    const HRESULT hr = CDSImageMIEffect::Verify();
    if (FAILED(hr)) return hr;
    if (!OutputImage()) return E_POINTER;
    const int32_t m = maskMode;
    if (m == 1 || m == 2 || m == 4 || m == 5 || m == 6) {
        if (!SourceImage()) return E_POINTER;
        if (m == 5 && !Input2Image()) return E_POINTER;
        if (m == 4 && !PixelMask()) return E_POINTER;
    }
    return S_OK;
}

HRESULT ColBalance::Clone(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ColBalance* copy = new (std::nothrow) ColBalance;
    if (!copy) return E_OUTOFMEMORY;
    {
        std::lock_guard<std::mutex> g(m_propertyLock);
        copy->m_values = m_values;
        copy->m_page = m_page;
        copy->CopySdkState(*this);
    }
    copy->CopyAnimation(*this);
    copy->CopyEffectState(*this);
    copy->SetClonedFrom(this);
    const HRESULT hr = copy->QueryInterface(iid, out);
    copy->Release();
    return hr;
}
