// Loading, using and unloading the module many times leaks nothing (the
// AddressSanitizer build checks) and really unloads it.
#include <dlfcn.h>

#include "tests/effect/EffectHost.h"

TEST(ModuleLifetime, LoadCreateRenderReleaseUnloadRepeatedly) {
    DsHostServices services;
    auto src = rgba8(4, 3, [](int x, int y) { return 0xFF000000u | uint32_t(x * 40 + y * 7); });
    auto out = DsImage::create(DsImageKind::Rgba8, 4, 3);
    for (int i = 0; i < 1000; ++i) {
        DsModuleLoader module;
        ASSERT_TRUE(module.load(FN_MODULE_PATH));
        ComPtr<IDSImageEffect> fx;
        ASSERT_EQ(module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx), S_OK);
        ASSERT_EQ(fx->SetDefaults(), S_OK);
        ComPtr<IDSPropertyContainer> props;
        ASSERT_EQ(fx.as(IID_IDSPropertyContainer, props), S_OK);
        ASSERT_EQ(props->SetKeyframe(ColBalanceParam::MasterHue, 0, i), S_OK);
        if (i % 10 == 0) {
            ComPtr<IDSImageEffect> clone;
            ASSERT_EQ(fx->Clone(IID_IDSImageEffect, clone.putVoid()), S_OK);
            fx = clone;
        }
        fx->SetImage(DS_IMAGE_SOURCE, src.get());
        fx->SetImage(DS_IMAGE_OUTPUT, out.get());
        ASSERT_EQ(fx->Render(nullptr, 0), S_OK);
        props.reset();
        fx.reset();
        ASSERT_EQ(module.unload(), S_OK) << i;
    }
    EXPECT_EQ(dlopen(FN_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
}
