// SDK calls that reach the host's services (DSHostInterfaces.h) through the
// COM runtime, and the registration calls of installation.
#pragma once

#include <cstdint>

#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"

// A content property of the project as a double; the host's failure (or
// REGDB_E_CLASSNOTREG without a host) otherwise.
HRESULT DSContentGetProperty(const char* name, double* value);

// The pixel offset of an image's top-left corner from its placement scaled
// to project pixels, by the host's coordinate manager.  Without one the
// position is rounded half up; non-finite positions place at 0 and the
// result saturates to 32 bits.
HRESULT DSPlaceImage(double x0, double y0, double x1, double y1, int32_t* offsetX,
                     int32_t* offsetY);

HRESULT DSRegisterCOMEffect(REFCLSID clsid, HINSTANCE instance, UINT nameId);
HRESULT DSUnregisterCOMEffect(REFCLSID clsid, HINSTANCE instance);
HRESULT DSRegisterObjectFamilies(REFCLSID effect, UINT count, const GUID* families, UINT flag,
                                 const char* displayName, HINSTANCE instance);
HRESULT DSUnregisterObjectFamilies(REFCLSID effect, UINT count, const GUID* families,
                                   HINSTANCE instance);
