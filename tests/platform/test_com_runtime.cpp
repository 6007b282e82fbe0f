#include <gtest/gtest.h>

#include <atomic>

#include "platform/com/ComPtr.h"
#include "platform/com/ComRuntime.h"

namespace {

constexpr CLSID kClass = "{D1B7C4E2-3A5F-4C8E-9B1A-2F6E8D4C0A11}"_guid;

// A class object that counts its references and hands out itself.
class CountingFactory final : public IClassFactory {
public:
    explicit CountingFactory(int tag) : tag(tag) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *out = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }  // lives on the stack
    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (outer) return CLASS_E_NOAGGREGATION;
        return QueryInterface(iid, out);
    }
    HRESULT LockServer(BOOL) override { return S_OK; }

    int tag;
    std::atomic<ULONG> refs{1};
};

}  // namespace

TEST(ComRuntime, ClassObjectsAreFoundUntilRevokedAndNewestWins) {
    CountingFactory first(1), second(2);
    DWORD c1 = 0, c2 = 0;
    ASSERT_EQ(CoRegisterClassObject(kClass, &first, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &c1),
              S_OK);
    EXPECT_EQ(first.refs, 2u);
    ASSERT_EQ(CoRegisterClassObject(kClass, &second, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &c2),
              S_OK);

    ComPtr<IClassFactory> got;
    ASSERT_EQ(
        CoGetClassObject(kClass, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, got.putVoid()),
        S_OK);
    EXPECT_EQ(static_cast<CountingFactory*>(got.get())->tag, 2);
    got.reset();
    ASSERT_EQ(CoRevokeClassObject(c2), S_OK);
    EXPECT_EQ(second.refs, 1u);
    ComPtr<IUnknown> instance;
    ASSERT_EQ(
        CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, instance.putVoid()),
        S_OK);
    EXPECT_EQ(static_cast<CountingFactory*>(static_cast<IClassFactory*>(instance.get()))->tag, 1);
    instance.reset();

    // Failures leave the out pointer null.
    void* out = &first;
    EXPECT_EQ(CoCreateInstance(kClass, &first, CLSCTX_INPROC_SERVER, IID_IUnknown, &out),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    ASSERT_EQ(CoRevokeClassObject(c1), S_OK);
    EXPECT_EQ(first.refs, 1u);
    out = &first;
    EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &out),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(CoRevokeClassObject(c1), CO_E_OBJNOTREG);
    EXPECT_EQ(CoRegisterClassObject(kClass, nullptr, 0, 0, &c1), E_POINTER);
    EXPECT_EQ(CoGetClassObject(kClass, 0, nullptr, IID_IUnknown, nullptr), E_POINTER);
}

TEST(ComRuntime, FreeThreadedMarshalerDelegatesToItsOuterObject) {
    CountingFactory outer(0);
    IUnknown* inner = nullptr;
    ASSERT_EQ(CoCreateFreeThreadedMarshaler(&outer, &inner), S_OK);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(outer.refs, 1u);  // the inner unknown holds no reference on the outer

    void* marshal = nullptr;
    ASSERT_EQ(inner->QueryInterface(IID_IMarshal, &marshal), S_OK);
    EXPECT_EQ(outer.refs, 2u);  // IMarshal's references belong to the outer object
    // Queries through IMarshal reach the outer object.
    void* factory = nullptr;
    ASSERT_EQ(static_cast<IMarshal*>(marshal)->QueryInterface(IID_IClassFactory, &factory), S_OK);
    EXPECT_EQ(factory, static_cast<IClassFactory*>(&outer));
    static_cast<IUnknown*>(factory)->Release();
    static_cast<IMarshal*>(marshal)->Release();
    EXPECT_EQ(outer.refs, 1u);

    void* none = &outer;
    EXPECT_EQ(inner->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(inner->Release(), 0u);  // ASan would report a leak or a double free
    EXPECT_EQ(CoCreateFreeThreadedMarshaler(&outer, nullptr), E_POINTER);
}
