// The interfaces between a host and the property pages of a module.
//
// A host creates a page through the module's class factory and drives it
// through IPropertyPage: SetPageSite (the host's services for the page),
// SetObjects (the objects the page inspects), Activate (the page makes its
// dialog as a child of the host's frame), Show, and finally Deactivate and
// Release.  It tells the page of parameter changes made anywhere through
// IDSPropertyNotifySink and of its current time through
// IDSTransportNotifySink.  The page reads and writes parameters only
// through the site, which records undo events and tells every page of the
// change.  User-interface thread only.
#pragma once

#include <cstdint>

#include "platform/com/Unknown.h"
#include "platform/window/FnWin32.h"

inline constexpr IID IID_IPropertyPage = "{B196B28D-BAB4-101A-B69C-00AA00341D07}"_guid;
inline constexpr IID IID_IPropertyPageSite = "{B196B28C-BAB4-101A-B69C-00AA00341D07}"_guid;
inline constexpr IID IID_IDSPropertyPageSite = "{3E3A9C61-5E0B-4B2A-9C55-5B8F2C8A61D4}"_guid;
inline constexpr IID IID_IDSPropertyNotifySink = "{8A2C1F4E-3D95-4E6B-A0E7-6F1D2B9C7A35}"_guid;
inline constexpr IID IID_IDSTransportNotifySink = "{C6F0B3D2-71A4-4C8E-9B1F-2E5D8A3C4B60}"_guid;

// A property value as the host passes it: VT_R8 in dblVal, VT_I4 and
// VT_BOOL (0 or 1 as the pages write it) in lVal.
struct DSVARIANT {
    VARTYPE vt = VT_EMPTY;
    int32_t lVal = 0;
    double dblVal = 0;
};

inline DSVARIANT DSVariantDouble(double v) { return DSVARIANT{VT_R8, 0, v}; }
inline DSVARIANT DSVariantLong(int32_t v) { return DSVARIANT{VT_I4, v, 0}; }
inline DSVARIANT DSVariantBool(int32_t v) { return DSVARIANT{VT_BOOL, v, 0}; }
// The value as a double: dblVal for VT_R8, lVal otherwise.
inline double DSVariantNumber(const DSVARIANT& v) { return v.vt == VT_R8 ? v.dblVal : v.lVal; }

struct PROPPAGEINFO {
    char title[128];        // UTF-8
    int32_t width, height;  // the dialog in pixels
};

// The host's part of a page's frame.
class IPropertyPageSite : public IUnknown {
public:
    virtual HRESULT OnStatusChange(DWORD flags) = 0;

protected:
    ~IPropertyPageSite() = default;
};

// Undo styles of property writes: a write of its own, or part of the undo
// event that a Begin opened.
enum : DWORD { DS_UNDO_NONE = 0, DS_UNDO_SINGLE = 1, DS_UNDO_GROUPED = 2 };

// The time argument that means "the host's current time".
inline constexpr double DS_CURRENT_TIME = -1.0;

// What the host offers its pages (the site answers it beside
// IPropertyPageSite).
class IDSPropertyPageSite : public IPropertyPageSite {
public:
    virtual HRESULT GetCurrentTime(double* time) = 0;
    // A property of an inspected object: the current value, or with
    // `animated` the value at `time` (DS_CURRENT_TIME for the host's).
    virtual HRESULT GetProperty(IUnknown* object, REFGUID id, DSVARIANT* value, BOOL animated,
                                double time) = 0;
    // Writes a property; `animated` writes at `time` (a key when the
    // property is animated).  Recorded for undo by `undoStyle`; every page
    // then hears of the change.
    virtual HRESULT SetProperty(IUnknown* object, REFGUID id, const DSVARIANT* value,
                                DWORD undoStyle, BOOL animated, double time, IUnknown* sender) = 0;
    // Opens an undo event (they nest; the outermost End closes it) and
    // gives the style that writes into it use.  `command` names the control
    // the user worked (0 for none).
    virtual HRESULT BeginUndo(DWORD command, DWORD* undoStyle) = 0;
    virtual HRESULT EndUndo() = 0;

protected:
    ~IDSPropertyPageSite() = default;
};

class IPropertyPage : public IUnknown {
public:
    virtual HRESULT SetPageSite(IPropertyPageSite* site) = 0;
    // Makes the page's dialog a child of `parent` at `rect` (not shown yet).
    virtual HRESULT Activate(HWND parent, const RECT* rect, BOOL modal) = 0;
    virtual HRESULT Deactivate() = 0;
    virtual HRESULT GetPageInfo(PROPPAGEINFO* info) = 0;
    virtual HRESULT SetObjects(ULONG count, IUnknown** objects) = 0;
    virtual HRESULT Show(UINT command) = 0;
    virtual HRESULT Move(const RECT* rect) = 0;
    virtual HRESULT IsPageDirty() = 0;
    virtual HRESULT Apply() = 0;
    virtual HRESULT Help(const WCHAR* directory) = 0;

protected:
    ~IPropertyPage() = default;
};

// A property changed: `id` (DSPROP_ALL for every one), its new value when
// the host gives it, the object it belongs to.
class IDSPropertyNotifySink : public IUnknown {
public:
    virtual HRESULT PropertyChanged(REFGUID id, const DSVARIANT* value, IUnknown* object,
                                    void* params, DWORD flags) = 0;

protected:
    ~IDSPropertyNotifySink() = default;
};

// The host's current time moved.
class IDSTransportNotifySink : public IUnknown {
public:
    virtual HRESULT TimeChanged(double time) = 0;

protected:
    ~IDSTransportNotifySink() = default;
};
