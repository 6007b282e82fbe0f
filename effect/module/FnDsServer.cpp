// The module's entry points and its class table: the in-process server
// that creates the effect, its property pages and its viewer tool.
#include "effect/module/FnDsServer.h"

#include <iterator>

#include "effect/ColBalance.h"
#include "effect/ColBalanceApi.h"
#include "effect/FnDsModule.h"
#include "effect/module/CDsClassFactory.h"
#include "platform/dssdk/DSModuleInstance.h"
#include "platform/dssdk/DSServices.h"
#include "ui/overlay/FnTInteract.h"
#include "ui/pages/ColBalancePPG.h"
#include "ui/pages/HelpPPG.h"
#include "ui/pages/ToneCurvesPPG.h"
#include "ui/toolkit/FnToolkitModule.h"

#define FN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Viewer tools and property pages count among the module's live objects;
// pages load their dialogs and strings from this module.
[[maybe_unused]] const bool g_objectsCounted =
    (FnTInteract::SetModuleLockCount(&fnModuleLockCount()),
     FnDsPPG::SetModuleLockCount(&fnModuleLockCount()),
     FnDsPPG::SetModuleInstance(fnModuleInstance()), true);

// The entry point's detach: the module is being unloaded.  Its windows are
// gone by now (no page object is alive, or it would not be unloaded), so
// its window classes and the shared quadric can go.
__attribute__((destructor)) void detach() { fnToolkitDetach(); }

// The effect's object families, in registration order.
constexpr GUID kFamilies[] = {
    "{183E3834-D79D-11D0-A7AE-00A0C9068107}"_guid, "{AE0D7C31-95AA-11D0-B685-00A024191AE0}"_guid,
    "{28610EB3-AECA-11D1-BFAD-0800368E7203}"_guid, "{AE0D7C40-95AA-11D0-B685-00A024191AE0}"_guid,
    "{95F7E8A0-8B84-11D1-94A3-00A0C911C625}"_guid,
};

// Served classes in registration order.
const FnDsClassRow kClasses[] = {
    {CLSID_ColBalance, 2, &fnCreateFactory<ColBalance>},
    {CLSID_ColBalancePPG, 4, &fnCreateFactory<ColBalancePPG>},
    {CLSID_ToneCurvesPPG, 6, &fnCreateFactory<ToneCurvesPPG>},
    {CLSID_SimpleCurvesPPG, 8, &fnCreateFactory<SimpleCurvesPPG>},
    {CLSID_FnTInteract, 1071, &fnCreateFactory<FnTInteract>},
    {CLSID_HelpPPG, 10, &fnCreateFactory<HelpPPG>},
};

}  // namespace

const FnDsClassRow* fnDsClassTable(size_t* count) {
    if (count) *count = std::size(kClasses);
    return kClasses;
}

FN_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const FnDsClassRow& row : kClasses) {
        if (!(row.clsid == clsid)) continue;
        IUnknown* factory = row.createFactory();
        if (!factory) return E_OUTOFMEMORY;
        const HRESULT hr = factory->QueryInterface(iid, out);
        factory->Release();
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

FN_EXPORT HRESULT DllCanUnloadNow() { return fnModuleLockCount().load() == 0 ? S_OK : S_FALSE; }

FN_EXPORT HRESULT DllRegisterServer() {
    for (const FnDsClassRow& row : kClasses) {
        const HRESULT hr = DSRegisterCOMEffect(row.clsid, fnModuleInstance(), row.nameId);
        if (FAILED(hr)) return hr;
    }
    char name[260];
    LoadStringA(fnModuleInstance(), 1, name, sizeof name);
    return DSRegisterObjectFamilies(CLSID_ColBalance, UINT(std::size(kFamilies)), kFamilies, 1,
                                    name, fnModuleInstance());
}

FN_EXPORT HRESULT DllUnregisterServer() {
    HRESULT classResults[std::size(kClasses)];
    for (size_t i = 0; i < std::size(kClasses); ++i)
        classResults[i] = DSUnregisterCOMEffect(kClasses[i].clsid, fnModuleInstance());
    const HRESULT families = DSUnregisterObjectFamilies(
        CLSID_ColBalance, UINT(std::size(kFamilies)), kFamilies, fnModuleInstance());
    if (FAILED(families)) return families;
    for (size_t i = std::size(kClasses); i-- > 0;)
        if (FAILED(classResults[i])) return classResults[i];
    return S_OK;
}
