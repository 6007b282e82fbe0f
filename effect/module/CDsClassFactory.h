// CDsClassFactory<T, A, B>: the class factory of one served class T (the
// two further arguments are unused and always 0).  Free-threaded: object
// creation is serialised by the factory's own lock; counts change
// atomically.  A factory counts in the module lock count while it lives.
#pragma once

#include <atomic>
#include <mutex>
#include <new>

#include "effect/FnDsModule.h"
#include "platform/com/ComObject.h"
#include "platform/com/ComRuntime.h"
#include "platform/com/Unknown.h"

template <class T, int A, int B>
class CDsClassFactory : public ComObject<IClassFactory> {
public:
    CDsClassFactory() {
        std::atomic<int32_t>* expected = nullptr;
        s_lockCount.compare_exchange_strong(expected, &fnModuleLockCount());
        ++fnModuleLockCount();
    }

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IClassFactory)
            return this->Answer(static_cast<IClassFactory*>(this), out);
        if (iid == IID_IMarshal) {
            IUnknown* marshaler = nullptr;
            {
                std::lock_guard<std::mutex> g(m_lock);
                if (!m_marshaler) {
                    const HRESULT hr = CoCreateFreeThreadedMarshaler(this, &m_marshaler);
                    if (FAILED(hr)) return hr;
                }
                marshaler = m_marshaler;
            }
            return marshaler->QueryInterface(iid, out);
        }
        return E_NOINTERFACE;
    }

    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        std::lock_guard<std::mutex> g(m_lock);
        *out = nullptr;
        T* object = CreateObject();
        if (!object) return E_OUTOFMEMORY;
        if (outer) {
            object->Release();
            return CLASS_E_NOAGGREGATION;
        }
        const HRESULT hr = object->QueryInterface(iid, out);
        object->Release();
        return hr;
    }

    HRESULT LockServer(BOOL lock) override {
        std::atomic<int32_t>* count = s_lockCount.load();
        if (!count) return S_OK;
        if (lock)
            ++*count;
        else
            --*count;
        return S_OK;
    }

    ~CDsClassFactory() override {
        if (m_marshaler) m_marshaler->Release();
        --fnModuleLockCount();
    }

protected:
    // A new T with one reference, or null when memory is short.
    virtual T* CreateObject() { return new (std::nothrow) T; }

private:
    std::mutex m_lock;
    IUnknown* m_marshaler = nullptr;

    static inline std::atomic<std::atomic<int32_t>*> s_lockCount{nullptr};
};

// The class table's factory maker for T.
template <class T>
IUnknown* fnCreateFactory() {
    return static_cast<IClassFactory*>(new (std::nothrow) CDsClassFactory<T, 0, 0>);
}
