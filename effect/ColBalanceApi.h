// What a host needs to know about the colour-balance module beyond the
// SDK's interfaces: its class ids, its parameters (effect/ColBalanceParams.h)
// and the placement report.
//
// The module (ColBalance.so) exports DllGetClassObject, DllCanUnloadNow,
// DllRegisterServer and DllUnregisterServer.  CLSID_ColBalance creates the
// effect, which answers IDSImageEffect, IDSPropertyContainer,
// IFnDsPlacement and IFnDsViewerTool.  CLSID_FnTInteract creates the viewer
// tool (the effect does, through CoCreateInstance, once the host has made
// the class creatable), which answers the viewer SDK's layer interfaces and
// IFnOverlayAnchors.
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

// The effect's viewer tool, as its property pages drive it.  Hosts without
// pages (tests, the command line's snapshot) drive it the same way.  User-
// interface thread.
inline constexpr IID IID_IFnDsViewerTool = "{5D1D9D70-82D4-4ED2-8D9A-38030A4537AC}"_guid;

class IFnDsViewerTool : public IUnknown {
public:
    // A page opened for `inspected`: the first push creates the tool and
    // places it in the host's viewer; later pushes only count.  E_POINTER
    // for null; S_OK without a tool in the pixel-mask family.
    virtual HRESULT PushViewerTool(IUnknown* inspected) = 0;
    // A page closed: the pop that brings the count to 0 removes the tool.
    virtual HRESULT PopViewerTool() = 0;
    // A page was shown: the overlay follows the last placement and is drawn
    // again.
    virtual HRESULT PageShown(const char* pageName) = 0;
    // The help page's Hide Overlay Controls: no drawing, no pen routing
    // while hidden.  Nothing happens without a tool.
    virtual HRESULT SetOverlayHidden(BOOL hidden) = 0;
    // The tool with a reference, or null (S_FALSE) when there is none.
    virtual HRESULT GetViewerTool(IUnknown** tool) = 0;

protected:
    ~IFnDsViewerTool() = default;
};

// What the viewer tool tells a host about its overlay.  Overlay units times
// the frame scale are viewer units.
inline constexpr IID IID_IFnOverlayAnchors = "{88D0D23B-A9FB-4A57-A496-8B51EF384E26}"_guid;

class IFnOverlayAnchors : public IUnknown {
public:
    // The project frame in overlay units and the viewer units per unit.
    virtual HRESULT GetFrame(int32_t* width, int32_t* height, float* scale) = 0;
    // The centre of "Frame Centre", "Src Centre" or "View Zero" in overlay
    // units; E_INVALIDARG for another name.
    virtual HRESULT GetAnchor(const char* name, float* x, float* y) = 0;
    // S_OK while the overlay is shown, S_FALSE while it is hidden.
    virtual HRESULT IsOverlayShown() = 0;

protected:
    ~IFnOverlayAnchors() = default;
};
