#include "platform/dshost/DsHostServices.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <mutex>
#include <new>

#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"
#include "platform/dssdk/DSHostInterfaces.h"

struct DsHostServices::State {
    std::mutex lock;
    bool frameSet = false;
    double userX = 0, userY = 0, worldX = 0, worldY = 0;
    std::vector<DsClassRegistration> classes;
    std::vector<DsFamilyRegistration> families;
    std::vector<DWORD> cookies;
    bool ok = true;
};

namespace {

using State = DsHostServices::State;

// One class object per service; all share the host's state.
template <class Interface>
class Service : public ComSingleObject<Interface> {
public:
    Service(std::shared_ptr<State> s, REFIID iid)
        : ComSingleObject<Interface>(iid), state_(std::move(s)) {}

protected:
    std::shared_ptr<State> state_;
};

class Content final : public Service<IDSContent> {
public:
    explicit Content(std::shared_ptr<State> s) : Service(std::move(s), IID_IDSContent) {}
    HRESULT GetProperty(const char* name, double* value) override {
        if (!name || !value) return E_POINTER;
        std::lock_guard<std::mutex> g(state_->lock);
        const double* v = nullptr;
        if (!std::strcmp(name, "Project Frame User Size (X)"))
            v = &state_->userX;
        else if (!std::strcmp(name, "Project Frame User Size (Y)"))
            v = &state_->userY;
        else if (!std::strcmp(name, "Project Frame World Size (X)"))
            v = &state_->worldX;
        else if (!std::strcmp(name, "Project Frame World Size (Y)"))
            v = &state_->worldY;
        if (!v) return E_INVALIDARG;
        if (!state_->frameSet) return E_FAIL;
        *value = *v;
        return S_OK;
    }
};

int32_t toPixel(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::floor(v + 0.5);
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return int32_t(r);
}

class CoordinateManager final : public Service<IDSCoordinateManager> {
public:
    explicit CoordinateManager(std::shared_ptr<State> s)
        : Service(std::move(s), IID_IDSCoordinateManager) {}
    HRESULT PlaceImage(double x0, double y0, double, double, int32_t* ox, int32_t* oy) override {
        if (!ox || !oy) return E_POINTER;
        *ox = toPixel(x0);
        *oy = toPixel(y0);
        return S_OK;
    }
};

class Registrar final : public Service<IDSRegistrar> {
public:
    explicit Registrar(std::shared_ptr<State> s) : Service(std::move(s), IID_IDSRegistrar) {}

    HRESULT RegisterCOMEffect(REFCLSID clsid, const char* path, UINT nameId,
                              const char* name) override {
        std::lock_guard<std::mutex> g(state_->lock);
        return upsert(state_->classes, &DsClassRegistration::clsid,
                      {clsid, path ? path : "", nameId, name ? name : ""});
    }
    HRESULT UnregisterCOMEffect(REFCLSID clsid, const char*) override {
        std::lock_guard<std::mutex> g(state_->lock);
        return remove(state_->classes, &DsClassRegistration::clsid, clsid);
    }
    HRESULT RegisterObjectFamilies(REFCLSID effect, UINT count, const GUID* families, UINT flag,
                                   const char* displayName, const char* path) override {
        if (count > 0 && !families) return E_POINTER;
        DsFamilyRegistration r{effect, std::vector<GUID>(families, families + count), flag,
                               displayName ? displayName : "", path ? path : ""};
        std::lock_guard<std::mutex> g(state_->lock);
        return upsert(state_->families, &DsFamilyRegistration::effect, std::move(r));
    }
    HRESULT UnregisterObjectFamilies(REFCLSID effect, UINT, const GUID*, const char*) override {
        std::lock_guard<std::mutex> g(state_->lock);
        return remove(state_->families, &DsFamilyRegistration::effect, effect);
    }

private:
    // A registration replaces the earlier one of the same class.
    template <class Record>
    static HRESULT upsert(std::vector<Record>& list, CLSID Record::*key, Record r) {
        for (Record& old : list) {
            if (old.*key == r.*key) {
                old = std::move(r);
                return S_OK;
            }
        }
        list.push_back(std::move(r));
        return S_OK;
    }
    template <class Record>
    static HRESULT remove(std::vector<Record>& list, CLSID Record::*key, const CLSID& id) {
        return std::erase_if(list, [&](const Record& r) { return r.*key == id; }) ? S_OK : S_FALSE;
    }
};

template <class T>
void registerService(State& s, std::shared_ptr<State> shared, REFCLSID clsid) {
    T* object = new (std::nothrow) T(std::move(shared));
    DWORD cookie = 0;
    if (object && SUCCEEDED(CoRegisterClassObject(clsid, object, CLSCTX_INPROC_SERVER,
                                                  REGCLS_MULTIPLEUSE, &cookie)))
        s.cookies.push_back(cookie);
    else
        s.ok = false;
    if (object) object->Release();  // the registry holds its own reference
}

}  // namespace

DsHostServices::DsHostServices() : state_(std::make_shared<State>()) {
    registerService<Content>(*state_, state_, CLSID_DSContent);
    registerService<CoordinateManager>(*state_, state_, CLSID_DSCoordinateManager);
    registerService<Registrar>(*state_, state_, CLSID_DSRegistrar);
}

DsHostServices::~DsHostServices() {
    for (DWORD c : state_->cookies) CoRevokeClassObject(c);
}

bool DsHostServices::registered() const { return state_->ok; }

void DsHostServices::setProjectFrame(double userX, double userY, double worldX, double worldY) {
    std::lock_guard<std::mutex> g(state_->lock);
    state_->frameSet = true;
    state_->userX = userX;
    state_->userY = userY;
    state_->worldX = worldX;
    state_->worldY = worldY;
}

void DsHostServices::clearProjectFrame() {
    std::lock_guard<std::mutex> g(state_->lock);
    state_->frameSet = false;
}

std::vector<DsClassRegistration> DsHostServices::classes() const {
    std::lock_guard<std::mutex> g(state_->lock);
    return state_->classes;
}

std::vector<DsFamilyRegistration> DsHostServices::families() const {
    std::lock_guard<std::mutex> g(state_->lock);
    return state_->families;
}
