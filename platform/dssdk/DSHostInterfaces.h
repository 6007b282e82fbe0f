// What the host offers an effect beside its images: the execution context
// polled during a render, and the process-wide services a host registers as
// class objects with the COM runtime (CoRegisterClassObject) under the class
// ids below.  The SDK reaches them with CoGetClassObject.
#pragma once

#include <cstdint>

#include "platform/com/Unknown.h"

inline constexpr IID IID_IDSExecutionContext = "{AF37E32B-175A-4FA1-AF52-F510434423CC}"_guid;
inline constexpr IID IID_IDSContent = "{E01A3A96-0CFD-4373-A707-8120290A8E31}"_guid;
inline constexpr CLSID CLSID_DSContent = "{5FE0B474-F27B-4CBE-B7B9-DECB0319068C}"_guid;
inline constexpr IID IID_IDSCoordinateManager = "{4F80CE7E-B6E0-489C-BFBC-256033EA1A93}"_guid;
inline constexpr CLSID CLSID_DSCoordinateManager = "{8293C077-44ED-46E2-8719-D7BBD44B87A2}"_guid;
inline constexpr IID IID_IDSRegistrar = "{C94438EA-0BB5-4997-BFD5-6A297AB36206}"_guid;
inline constexpr CLSID CLSID_DSRegistrar = "{85D10C76-85FD-47CD-B424-1D5AFAF209F6}"_guid;

// Asked between rows of a render whether to go on.  Called from every band
// of a render at once: implementations must be thread-safe.
class IDSExecutionContext : public IUnknown {
public:
    // Non-zero: go on; zero: stop.
    virtual BOOL ContinueExecution() = 0;

protected:
    ~IDSExecutionContext() = default;
};

// The project's content properties, such as "Project Frame User Size (X)".
class IDSContent : public IUnknown {
public:
    // E_INVALIDARG for an unknown name, E_POINTER for null arguments.
    virtual HRESULT GetProperty(const char* name, double* value) = 0;

protected:
    ~IDSContent() = default;
};

// Turns an image's world placement, already scaled to project pixels, into
// the integer pixel offset of its top-left corner.
class IDSCoordinateManager : public IUnknown {
public:
    virtual HRESULT PlaceImage(double x0, double y0, double x1, double y1, int32_t* offsetX,
                               int32_t* offsetY) = 0;

protected:
    ~IDSCoordinateManager() = default;
};

// Where modules register their classes and effect families (installation).
class IDSRegistrar : public IUnknown {
public:
    virtual HRESULT RegisterCOMEffect(REFCLSID clsid, const char* modulePath, UINT nameId,
                                      const char* name) = 0;
    virtual HRESULT UnregisterCOMEffect(REFCLSID clsid, const char* modulePath) = 0;
    virtual HRESULT RegisterObjectFamilies(REFCLSID effect, UINT count, const GUID* families,
                                           UINT flag, const char* displayName,
                                           const char* modulePath) = 0;
    virtual HRESULT UnregisterObjectFamilies(REFCLSID effect, UINT count, const GUID* families,
                                             const char* modulePath) = 0;

protected:
    ~IDSRegistrar() = default;
};
