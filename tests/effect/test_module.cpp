// The module's entry points, class factory, identity and registration.
#include "platform/com/ComRuntime.h"
#include "tests/effect/EffectHost.h"

namespace {
constexpr CLSID kNotServed = "{00112233-4455-6677-8899-AABBCCDDEEFF}"_guid;
}

using ModuleTest = EffectHost;

TEST_F(ModuleTest, ClassObjectsOnlyForServedClassesWithoutAggregation) {
    void* out = this;
    EXPECT_EQ(module.getClassObject(kNotServed, IID_IClassFactory, &out),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(module.getClassObject(CLSID_ColBalance, IID_IClassFactory, nullptr), E_POINTER);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(module.getClassObject(CLSID_ColBalance, IID_IClassFactory, factory.putVoid()), S_OK);
    out = this;
    EXPECT_EQ(factory->CreateInstance(fx.get(), IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
    out = this;
    EXPECT_EQ(factory->QueryInterface(IID_IDSImageEffect, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

TEST_F(ModuleTest, CanUnloadFollowsFactoriesObjectsAndLocks) {
    fx.reset();
    props.reset();
    EXPECT_EQ(module.canUnloadNow(), S_OK);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(module.getClassObject(CLSID_ColBalance, IID_IClassFactory, factory.putVoid()), S_OK);
    EXPECT_EQ(module.canUnloadNow(), S_FALSE);
    ComPtr<IUnknown> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, object.putVoid()), S_OK);
    // The marshaler's references belong to the factory.
    ComPtr<IUnknown> marshal;
    ASSERT_EQ(factory->QueryInterface(IID_IMarshal, marshal.putVoid()), S_OK);
    factory->LockServer(TRUE);
    factory->LockServer(TRUE);
    factory.reset();
    EXPECT_EQ(module.canUnloadNow(), S_FALSE);
    marshal.reset();
    object.reset();
    EXPECT_EQ(module.canUnloadNow(), S_FALSE);  // two locks remain

    ASSERT_EQ(module.getClassObject(CLSID_ColBalance, IID_IClassFactory, factory.putVoid()), S_OK);
    factory->LockServer(FALSE);
    factory->LockServer(FALSE);
    EXPECT_EQ(module.canUnloadNow(), S_FALSE);  // the factory itself
    factory.reset();
    EXPECT_EQ(module.canUnloadNow(), S_OK);
    // A busy module is not unloaded.
    fx = newEffect(DSFAMILY_FILTER);
    EXPECT_EQ(module.unload(), S_FALSE);
    EXPECT_TRUE(module.loaded());
}

TEST_F(ModuleTest, OneIdentityAcrossInterfaces) {
    ComPtr<IUnknown> a, b, effectPart, placement;
    ASSERT_EQ(fx.as(IID_IUnknown, a), S_OK);
    ASSERT_EQ(props.as(IID_IUnknown, b), S_OK);
    EXPECT_EQ(a.get(), b.get());
    // Pages reach the effect's own part by asking for the class id.
    ASSERT_EQ(fx.as(CLSID_ColBalance, effectPart), S_OK);
    ASSERT_EQ(fx.as(IID_IFnDsPlacement, placement), S_OK);
    ComPtr<IUnknown> back;
    ASSERT_EQ(placement.as(IID_IDSPropertyContainer, back), S_OK);
    EXPECT_EQ(back.get(), static_cast<IUnknown*>(props.get()));
    void* out = this;
    EXPECT_EQ(fx->QueryInterface(kNotServed, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

TEST_F(ModuleTest, RegistersClassesAndFamiliesWithTheHost) {
    ASSERT_EQ(module.registerServer(), S_OK);
    const auto classes = services.classes();
    // The six classes, in the order a host installs them, with their names.
    const struct {
        CLSID clsid;
        uint32_t nameId;
        const char* name;
    } expected[] = {
        {CLSID_ColBalance, 2, "Quorrel's Colour Balance Tool"},
        {CLSID_ColBalancePPG, 4, "K_ColBalance's Main Property Page"},
        {CLSID_ToneCurvesPPG, 6, "K_ColBalance's Tone Curve Property Page"},
        {CLSID_SimpleCurvesPPG, 8, "K_ColBalance's Tone Curve Property Page"},
        {CLSID_FnTInteract, 1071, "K_ColBalance Viewer Tool"},
        {CLSID_HelpPPG, 10, "K_ColBalance's Help Property Page"},
    };
    ASSERT_EQ(classes.size(), std::size(expected));
    for (size_t i = 0; i < classes.size(); ++i) {
        EXPECT_EQ(classes[i].clsid, expected[i].clsid) << i;
        EXPECT_EQ(classes[i].nameId, expected[i].nameId) << i;
        EXPECT_EQ(classes[i].name, expected[i].name) << i;
        EXPECT_NE(classes[i].modulePath.find("ColBalance"), std::string::npos);
    }
    const auto families = services.families();
    ASSERT_EQ(families.size(), 1u);
    EXPECT_EQ(families[0].displayName, "K_ColBalance");
    EXPECT_EQ(families[0].flag, 1u);
    ASSERT_EQ(families[0].families.size(), 5u);
    EXPECT_EQ(families[0].families[0], "{183E3834-D79D-11D0-A7AE-00A0C9068107}"_guid);
    EXPECT_EQ(families[0].families[4], "{95F7E8A0-8B84-11D1-94A3-00A0C911C625}"_guid);

    ASSERT_EQ(module.unregisterServer(), S_OK);
    EXPECT_TRUE(services.classes().empty());
    EXPECT_TRUE(services.families().empty());

    // A class registered through the loader is creatable with
    // CoCreateInstance until the module is unloaded.
    ASSERT_EQ(module.registerClass(CLSID_ColBalance), S_OK);
    ComPtr<IDSImageEffect> created;
    EXPECT_EQ(CoCreateInstance(CLSID_ColBalance, nullptr, CLSCTX_INPROC_SERVER, IID_IDSImageEffect,
                               created.putVoid()),
              S_OK);
}

TEST(ModuleWithoutHost, RegistrationNeedsTheHostsRegistrar) {
    DsModuleLoader module;
    ASSERT_TRUE(module.load(FN_MODULE_PATH));
    EXPECT_EQ(module.registerServer(), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(module.unload(), S_OK);
    EXPECT_FALSE(module.load("/nonexistent/ColBalance.so"));
}
