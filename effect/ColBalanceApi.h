// What a host needs to know about the colour-balance module beyond the
// SDK's interfaces: its class ids, its parameters (effect/ColBalanceParams.h)
// and the placement report.
//
// The module (ColBalance.so) exports DllGetClassObject, DllCanUnloadNow,
// DllRegisterServer and DllUnregisterServer.  CLSID_ColBalance creates the
// effect, which answers IDSImageEffect, IDSPropertyContainer and
// IFnDsPlacement.
#pragma once

#include <cstdint>

#include "effect/ColBalanceParams.h"
#include "platform/dssdk/DSEffect.h"

inline constexpr CLSID CLSID_ColBalance = "{0B63AFE1-AE8A-11D5-9414-0800690F2F3F}"_guid;
inline constexpr CLSID CLSID_ColBalancePPG = "{79E4A36F-4FB1-4529-B4AC-8CD518EFB1AB}"_guid;
inline constexpr CLSID CLSID_ToneCurvesPPG = "{3D91180C-2ECE-444C-A630-C069CF03220C}"_guid;
inline constexpr CLSID CLSID_SimpleCurvesPPG = "{31983E0C-5A9F-4B48-833F-FEFE0951D9FB}"_guid;
inline constexpr CLSID CLSID_FnTInteract = "{31904B20-1E65-4B9C-9332-8DC46F5CF4B1}"_guid;
inline constexpr CLSID CLSID_HelpPPG = "{A88C8D60-0E71-425E-A0A9-7F28C23C08B9}"_guid;

// Where the last render placed its images, in pixels: the source's offset
// and size and the output's offset.  A clone reports it to the object it
// was cloned from, so asking the edited object shows the latest frame.
struct FnDsPlacement {
    int32_t sourceX, sourceY, sourceWidth, sourceHeight;
    int32_t outputX, outputY;
};

inline constexpr IID IID_IFnDsPlacement = "{83AB2D99-849B-4D6D-8D4A-A69A1C7386AE}"_guid;

class IFnDsPlacement : public IUnknown {
public:
    virtual HRESULT GetPlacement(FnDsPlacement* placement) = 0;

protected:
    ~IFnDsPlacement() = default;
};
