#include "platform/com/ComRuntime.h"

#include "platform/com/ComObject.h"

#include <atomic>
#include <mutex>
#include <new>
#include <vector>

namespace {

struct Registration {
    DWORD cookie;
    CLSID clsid;
    IUnknown* object;
};

struct Registry {
    std::mutex lock;
    std::vector<Registration> entries;  // newest last
    DWORD nextCookie = 1;
};

Registry& registry() {
    // Never destroyed: modules may revoke their entries from their own
    // static destructors, after this library's would have run.
    static Registry* r = new Registry;
    return *r;
}

// The aggregated marshaler.  The inner unknown controls its lifetime; the
// IMarshal face delegates to the outer object.
class FreeThreadedMarshaler final : public ComObject<IUnknown> {
public:
    explicit FreeThreadedMarshaler(IUnknown* outer) : marshal_(outer ? outer : this) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown) return Answer(static_cast<IUnknown*>(this), out);
        if (iid == IID_IMarshal) {
            marshal_.AddRef();
            *out = static_cast<IMarshal*>(&marshal_);
            return S_OK;
        }
        return E_NOINTERFACE;
    }

private:
    class Marshal final : public IMarshal {
    public:
        explicit Marshal(IUnknown* controlling) : controlling_(controlling) {}
        HRESULT QueryInterface(REFIID iid, void** out) override {
            return controlling_->QueryInterface(iid, out);
        }
        ULONG AddRef() override { return controlling_->AddRef(); }
        ULONG Release() override { return controlling_->Release(); }

    private:
        IUnknown* controlling_;
    };

    Marshal marshal_;
};

}  // namespace

HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* classObject, DWORD, DWORD, DWORD* cookie) {
    if (!classObject || !cookie) return E_POINTER;
    classObject->AddRef();
    Registry& r = registry();
    std::lock_guard<std::mutex> g(r.lock);
    *cookie = r.nextCookie++;
    r.entries.push_back({*cookie, clsid, classObject});
    return S_OK;
}

HRESULT CoRevokeClassObject(DWORD cookie) {
    IUnknown* object = nullptr;
    {
        Registry& r = registry();
        std::lock_guard<std::mutex> g(r.lock);
        for (auto it = r.entries.begin(); it != r.entries.end(); ++it) {
            if (it->cookie == cookie) {
                object = it->object;
                r.entries.erase(it);
                break;
            }
        }
    }
    if (!object) return CO_E_OBJNOTREG;
    object->Release();  // outside the lock: a destructor may call back in
    return S_OK;
}

HRESULT CoGetClassObject(REFCLSID clsid, DWORD, void*, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    IUnknown* object = nullptr;
    {
        Registry& r = registry();
        std::lock_guard<std::mutex> g(r.lock);
        for (auto it = r.entries.rbegin(); it != r.entries.rend(); ++it) {
            if (it->clsid == clsid) {
                object = it->object;
                object->AddRef();
                break;
            }
        }
    }
    if (!object) return REGDB_E_CLASSNOTREG;
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD clsContext, REFIID iid,
                         void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = CoGetClassObject(clsid, clsContext, nullptr, IID_IClassFactory,
                                  reinterpret_cast<void**>(&factory));
    if (FAILED(hr)) return hr;
    hr = factory->CreateInstance(outer, iid, out);
    factory->Release();
    if (FAILED(hr)) *out = nullptr;
    return hr;
}

HRESULT CoCreateFreeThreadedMarshaler(IUnknown* outer, IUnknown** marshaler) {
    if (!marshaler) return E_POINTER;
    *marshaler = new (std::nothrow) FreeThreadedMarshaler(outer);
    return *marshaler ? S_OK : E_OUTOFMEMORY;
}
