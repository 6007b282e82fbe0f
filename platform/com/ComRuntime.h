// The process's COM runtime: one class registry for the whole process,
// shared by the host program and every module it loads (this library is
// linked dynamically by both, so there is exactly one copy).
//
// A class object registered under a class id is handed out by
// CoGetClassObject; CoCreateInstance asks it, as an IClassFactory, for a new
// instance.  Host services (content properties, the coordinate manager, the
// effect registrar) are class objects answering their own interfaces.
#pragma once

#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"
#include "platform/com/Unknown.h"

// Registers `classObject` (one reference taken) under `clsid`.  A later
// registration of the same class id hides an earlier one until revoked.
// Null pointers: E_POINTER.
FN_COM_API HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* classObject, DWORD clsContext,
                                         DWORD flags, DWORD* cookie);
// Drops the registration and its reference; unknown cookie: CO_E_OBJNOTREG.
FN_COM_API HRESULT CoRevokeClassObject(DWORD cookie);

// The registered class object's interface `iid`; REGDB_E_CLASSNOTREG when
// nothing is registered under the class id.
FN_COM_API HRESULT CoGetClassObject(REFCLSID clsid, DWORD clsContext, void* reserved, REFIID iid,
                                    void** out);

// A new instance through the class object's IClassFactory.  *out is null on
// every failure.
FN_COM_API HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD clsContext, REFIID iid,
                                    void** out);

// A free-threaded marshaler aggregated into `outer`: the returned inner
// unknown answers IMarshal with an interface whose reference counting and
// queries go to `outer` (or to the marshaler itself when outer is null).
FN_COM_API HRESULT CoCreateFreeThreadedMarshaler(IUnknown* outer, IUnknown** marshaler);
