#include "platform/dshost/DsModuleLoader.h"

#include <dlfcn.h>

#include <atomic>
#include <new>

#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"

namespace {

// Registered in the COM runtime for one class of a loaded module: every
// query goes to the module's DllGetClassObject, so the registration itself
// holds no factory and no module lock.
class ModuleClassObject final : public ComObject<IUnknown> {
public:
    using GetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);
    ModuleClassObject(GetClassObjectFn fn, REFCLSID clsid) : fn_(fn), clsid_(clsid) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown) return Answer(static_cast<IUnknown*>(this), out);
        return fn_(clsid_, iid, out);
    }

private:
    GetClassObjectFn fn_;
    CLSID clsid_;
};

}  // namespace

DsModuleLoader::~DsModuleLoader() { unload(); }

bool DsModuleLoader::load(const std::string& path, std::string* error) {
    if (handle_) {
        if (error) *error = "a module is already loaded";
        return false;
    }
    void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        if (error) {
            const char* msg = dlerror();
            *error = msg ? msg : ("cannot load " + path);
        }
        return false;
    }
    auto get = reinterpret_cast<GetClassObjectFn>(dlsym(h, "DllGetClassObject"));
    auto can = reinterpret_cast<SimpleFn>(dlsym(h, "DllCanUnloadNow"));
    auto reg = reinterpret_cast<SimpleFn>(dlsym(h, "DllRegisterServer"));
    auto unreg = reinterpret_cast<SimpleFn>(dlsym(h, "DllUnregisterServer"));
    if (!get || !can || !reg || !unreg) {
        dlclose(h);
        if (error) *error = path + " is not a plug-in module (entry points missing)";
        return false;
    }
    handle_ = h;
    getClassObject_ = get;
    canUnloadNow_ = can;
    registerServer_ = reg;
    unregisterServer_ = unreg;
    return true;
}

HRESULT DsModuleLoader::getClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!handle_) return E_UNEXPECTED;
    return getClassObject_(clsid, iid, out);
}

HRESULT DsModuleLoader::createInstance(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<IClassFactory> factory;
    HRESULT hr = getClassObject(clsid, IID_IClassFactory, factory.putVoid());
    if (FAILED(hr)) return hr;
    return factory->CreateInstance(nullptr, iid, out);
}

HRESULT DsModuleLoader::canUnloadNow() { return handle_ ? canUnloadNow_() : E_UNEXPECTED; }

HRESULT DsModuleLoader::registerServer() { return handle_ ? registerServer_() : E_UNEXPECTED; }

HRESULT DsModuleLoader::unregisterServer() { return handle_ ? unregisterServer_() : E_UNEXPECTED; }

HRESULT DsModuleLoader::registerClass(REFCLSID clsid) {
    if (!handle_) return E_UNEXPECTED;
    auto* object = new (std::nothrow) ModuleClassObject(getClassObject_, clsid);
    if (!object) return E_OUTOFMEMORY;
    DWORD cookie = 0;
    const HRESULT hr =
        CoRegisterClassObject(clsid, object, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
    object->Release();
    if (SUCCEEDED(hr)) cookies_.push_back(cookie);
    return hr;
}

HRESULT DsModuleLoader::unload() {
    if (!handle_) return S_OK;
    if (canUnloadNow_() != S_OK) return S_FALSE;
    for (DWORD c : cookies_) CoRevokeClassObject(c);
    cookies_.clear();
    // Revoking may have released the last reference the runtime held on a
    // class object of the module: ask again.
    if (canUnloadNow_() != S_OK) return S_FALSE;
    dlclose(handle_);
    handle_ = nullptr;
    getClassObject_ = nullptr;
    canUnloadNow_ = registerServer_ = unregisterServer_ = nullptr;
    return S_OK;
}
