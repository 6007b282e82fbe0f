// DsModuleLoader: loads a plug-in module and reaches its classes through
// its four entry points, as the host does:
//
//     DsModuleLoader module;
//     if (!module.load(path, &error)) ...
//     ComPtr<IDSImageEffect> fx;
//     module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx);
//     ... fx.reset();
//     module.unload();   // dlclose once DllCanUnloadNow allows it
//
// Objects of the module must be released before unloading; a module that
// still has live objects, factories or locks is kept loaded.
#pragma once

#include <string>
#include <vector>

#include "platform/com/ComPtr.h"

class DsModuleLoader {
public:
    DsModuleLoader() = default;
    ~DsModuleLoader();  // unload(), leaving a busy module loaded
    DsModuleLoader(const DsModuleLoader&) = delete;
    DsModuleLoader& operator=(const DsModuleLoader&) = delete;

    // dlopen and look up DllGetClassObject, DllCanUnloadNow,
    // DllRegisterServer and DllUnregisterServer.  False with a message.
    bool load(const std::string& path, std::string* error = nullptr);
    bool loaded() const { return handle_ != nullptr; }

    HRESULT getClassObject(REFCLSID clsid, REFIID iid, void** out);
    // A new object through the class's factory (no aggregation).
    HRESULT createInstance(REFCLSID clsid, REFIID iid, void** out);
    template <class T>
    HRESULT createInstance(REFCLSID clsid, REFIID iid, ComPtr<T>& out) {
        return createInstance(clsid, iid, out.putVoid());
    }
    // S_OK when the module may be unloaded, S_FALSE when not, E_UNEXPECTED
    // when nothing is loaded.
    HRESULT canUnloadNow();
    HRESULT registerServer();
    HRESULT unregisterServer();

    // Makes a class of the module creatable with CoCreateInstance in this
    // process until the module is unloaded.
    HRESULT registerClass(REFCLSID clsid);

    // Revokes registered classes, then dlclose when DllCanUnloadNow answers
    // S_OK.  S_FALSE (module stays loaded) otherwise.
    HRESULT unload();

private:
    using GetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);
    using SimpleFn = HRESULT (*)();

    void* handle_ = nullptr;
    GetClassObjectFn getClassObject_ = nullptr;
    SimpleFn canUnloadNow_ = nullptr;
    SimpleFn registerServer_ = nullptr;
    SimpleFn unregisterServer_ = nullptr;
    std::vector<uint32_t> cookies_;
};
