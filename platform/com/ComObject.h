// ComObject<Bases...>: the one reference count of every COM object in this
// code base.
//
// A class derives from ComObject over the interfaces (or SDK base classes)
// it implements and writes only its QueryInterface; AddRef and Release come
// from here.  The count starts at 1 for the creator's reference, changes
// atomically, and the object deletes itself when it reaches 0, through the
// virtual destructor, so a class may keep its destructor private.
#pragma once

#include <atomic>

#include "platform/com/Unknown.h"

template <class... Bases>
class ComObject : public Bases... {
public:
    ULONG AddRef() override { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
    ULONG Release() override {
        const ULONG n = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (n == 0) delete this;
        return n;
    }

protected:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() = default;

    // Hands out `face` (this object seen as one of its interfaces) with a
    // reference added: the success path of every QueryInterface.
    HRESULT Answer(void* face, void** out) {
        *out = face;
        AddRef();
        return S_OK;
    }

private:
    std::atomic<ULONG> refs_{1};
};

// A COM object that answers one interface (and IUnknown), named when it is
// made: the host's small service objects.
template <class Interface>
class ComSingleObject : public ComObject<Interface> {
public:
    explicit ComSingleObject(REFIID iid) : iid_(iid) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == iid_)
            return this->Answer(static_cast<Interface*>(this), out);
        return E_NOINTERFACE;
    }

private:
    IID iid_;
};
