#include "platform/dssdk/DSServices.h"

#include <cmath>

#include "platform/com/ComPtr.h"
#include "platform/com/ComRuntime.h"
#include "platform/dssdk/DSHostInterfaces.h"
#include "platform/dssdk/DSModuleInstance.h"

namespace {
template <class T>
HRESULT service(REFCLSID clsid, REFIID iid, ComPtr<T>& out) {
    return CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, iid, out.putVoid());
}

int32_t roundToPixel(double v) {
    if (!std::isfinite(v)) return v > 0 ? INT32_MAX : (v < 0 ? INT32_MIN : 0);
    const double r = std::floor(v + 0.5);
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return int32_t(r);
}
}  // namespace

HRESULT DSContentGetProperty(const char* name, double* value) {
    if (!name || !value) return E_POINTER;
    ComPtr<IDSContent> content;
    const HRESULT hr = service(CLSID_DSContent, IID_IDSContent, content);
    if (FAILED(hr)) return hr;
    return content->GetProperty(name, value);
}

HRESULT DSPlaceImage(double x0, double y0, double x1, double y1, int32_t* offsetX,
                     int32_t* offsetY) {
    if (!offsetX || !offsetY) return E_POINTER;
    ComPtr<IDSCoordinateManager> manager;
    if (SUCCEEDED(service(CLSID_DSCoordinateManager, IID_IDSCoordinateManager, manager)))
        return manager->PlaceImage(x0, y0, x1, y1, offsetX, offsetY);
    *offsetX = std::isnan(x0) ? 0 : roundToPixel(x0);
    *offsetY = std::isnan(y0) ? 0 : roundToPixel(y0);
    return S_OK;
}

HRESULT DSRegisterCOMEffect(REFCLSID clsid, HINSTANCE instance, UINT nameId) {
    ComPtr<IDSRegistrar> registrar;
    HRESULT hr = service(CLSID_DSRegistrar, IID_IDSRegistrar, registrar);
    if (FAILED(hr)) return hr;
    char name[260];
    LoadStringA(instance, nameId, name, sizeof name);
    return registrar->RegisterCOMEffect(clsid, DSModulePath(instance), nameId, name);
}

HRESULT DSUnregisterCOMEffect(REFCLSID clsid, HINSTANCE instance) {
    ComPtr<IDSRegistrar> registrar;
    HRESULT hr = service(CLSID_DSRegistrar, IID_IDSRegistrar, registrar);
    if (FAILED(hr)) return hr;
    return registrar->UnregisterCOMEffect(clsid, DSModulePath(instance));
}

HRESULT DSRegisterObjectFamilies(REFCLSID effect, UINT count, const GUID* families, UINT flag,
                                 const char* displayName, HINSTANCE instance) {
    if (count > 0 && !families) return E_POINTER;
    ComPtr<IDSRegistrar> registrar;
    HRESULT hr = service(CLSID_DSRegistrar, IID_IDSRegistrar, registrar);
    if (FAILED(hr)) return hr;
    return registrar->RegisterObjectFamilies(
        effect, count, families, flag, displayName ? displayName : "", DSModulePath(instance));
}

HRESULT DSUnregisterObjectFamilies(REFCLSID effect, UINT count, const GUID* families,
                                   HINSTANCE instance) {
    if (count > 0 && !families) return E_POINTER;
    ComPtr<IDSRegistrar> registrar;
    HRESULT hr = service(CLSID_DSRegistrar, IID_IDSRegistrar, registrar);
    if (FAILED(hr)) return hr;
    return registrar->UnregisterObjectFamilies(effect, count, families, DSModulePath(instance));
}
