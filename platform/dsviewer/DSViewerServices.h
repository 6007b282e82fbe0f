// The viewer SDK calls a module makes: drawing into a viewer surface, and
// placing layers through the host's viewer controller (reached through
// the COM runtime, see DSViewerInterfaces.h).
#pragma once

#include "platform/dsviewer/DSViewerInterfaces.h"

// Makes the surface's GL context ready and fills `gl`; E_POINTER for null
// arguments, the surface's failure otherwise.
HRESULT vwSurfaceBeginRenderOpenGL(IViewerSurface* surface, VWGLSurface* gl);
HRESULT vwSurfaceEndRenderOpenGL(IViewerSurface* surface, VWGLSurface* gl);

// The controller's PushContext, RemoveContext and PostCall;
// REGDB_E_CLASSNOTREG when the host has no viewer.
HRESULT VWControllerPushContext(int32_t kind, IUnknown* object, IUnknown* inspected,
                                IUnknown* reserved, void* reservedData, double reservedValue,
                                DWORD* contextId);
HRESULT VWControllerRemoveContext(DWORD contextId);
HRESULT VWControllerPostCall(IVWCall* call);
