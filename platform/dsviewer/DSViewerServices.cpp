// The viewer SDK calls: thin forwards to the surface and to the host's
// controller service.
#include "platform/dsviewer/DSViewerServices.h"

#include "platform/com/ComPtr.h"
#include "platform/com/ComRuntime.h"

namespace {
HRESULT controller(ComPtr<IVWController>& out) {
    return CoGetClassObject(CLSID_VWController, CLSCTX_INPROC_SERVER, nullptr, IID_IVWController,
                            out.putVoid());
}
}  // namespace

HRESULT vwSurfaceBeginRenderOpenGL(IViewerSurface* surface, VWGLSurface* gl) {
    if (!surface || !gl) return E_POINTER;
    return surface->BeginRenderOpenGL(gl);
}

HRESULT vwSurfaceEndRenderOpenGL(IViewerSurface* surface, VWGLSurface* gl) {
    if (!surface || !gl) return E_POINTER;
    return surface->EndRenderOpenGL(gl);
}

HRESULT VWControllerPushContext(int32_t kind, IUnknown* object, IUnknown* inspected,
                                IUnknown* reserved, void* reservedData, double reservedValue,
                                DWORD* contextId) {
    if (!object || !contextId) return E_POINTER;
    ComPtr<IVWController> c;
    const HRESULT hr = controller(c);
    if (FAILED(hr)) return hr;
    return c->PushContext(kind, object, inspected, reserved, reservedData, reservedValue,
                          contextId);
}

HRESULT VWControllerRemoveContext(DWORD contextId) {
    ComPtr<IVWController> c;
    const HRESULT hr = controller(c);
    if (FAILED(hr)) return hr;
    return c->RemoveContext(contextId);
}

HRESULT VWControllerPostCall(IVWCall* call) {
    if (!call) return E_POINTER;
    ComPtr<IVWController> c;
    const HRESULT hr = controller(c);
    if (FAILED(hr)) return hr;
    return c->PostCall(call);
}
