// The root interfaces of the object model.
//
// An interface is an abstract class of virtual operations; its vtable (the
// Itanium C++ layout) is the binary contract between a host and a module.
// Objects are reference counted and never deleted through an interface
// pointer, so interfaces have no virtual destructor.
#pragma once

#include "platform/com/ComBase.h"
#include "platform/com/Guid.h"

inline constexpr IID IID_IUnknown = "{00000000-0000-0000-C000-000000000046}"_guid;
inline constexpr IID IID_IClassFactory = "{00000001-0000-0000-C000-000000000046}"_guid;
inline constexpr IID IID_IMarshal = "{00000003-0000-0000-C000-000000000046}"_guid;

class IUnknown {
public:
    // Null `out`: E_POINTER.  Unknown interface: E_NOINTERFACE and *out null.
    virtual HRESULT QueryInterface(REFIID iid, void** out) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

class IClassFactory : public IUnknown {
public:
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) = 0;
    virtual HRESULT LockServer(BOOL lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Answered by free-threaded objects.  Every object of this process lives in
// one apartment, so nothing is ever marshalled and the interface carries no
// operations beyond IUnknown.
class IMarshal : public IUnknown {
protected:
    ~IMarshal() = default;
};
