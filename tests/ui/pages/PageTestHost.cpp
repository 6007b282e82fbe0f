#include "tests/ui/pages/PageTestHost.h"

#include <cstdlib>

#include "platform/window/FnHeadlessPainter.h"

FnRecordingWindowSystem& PageTestSystem() { return *FnTestWindowSystem(); }

void PageTest::SetUp() {
    ASSERT_NE(FnTestWindowSystem(), nullptr);
    std::string error;
    ASSERT_TRUE(module.load(FN_MODULE_PATH, &error)) << error;
    services.setProjectFrame(64, 48, 64, 48);
    ASSERT_EQ(module.registerClass(CLSID_FnTInteract), S_OK);
    fx = NewEffect(Family());
    ASSERT_TRUE(fx);
    ASSERT_EQ(fx.as(IID_IDSPropertyContainer, props), S_OK);
    // A grey ramp with one coloured corner.
    source = DsImage::create(DsImageKind::Rgba8, 64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            uint8_t* p = source->rgba8(x, y);
            p[0] = p[1] = p[2] = uint8_t(x * 4);
            if (x < 8 && y < 8) p[0] = 255;
            p[3] = 255;
        }
    host = std::make_unique<DsPageHost>();
    ASSERT_TRUE(host->registered());
    host->setEffect(fx.get());
    host->setSource(source.get());
    store = std::make_unique<DsUndoStore>(*host);
}

ComPtr<IDSImageEffect> PageTest::NewEffect(const GUID& family) {
    ComPtr<IDSImageEffect> effect;
    DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, family, {}};
    if (module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, effect) != S_OK ||
        effect->SetDefaults() != S_OK || effect->GetImageEffectInfo(&info) != S_OK)
        return {};
    return effect;
}

void PageTest::TearDown() {
    FnInputMouseButton(0, false);
    ReleaseCapture();
    SetFocus(nullptr);
    store.reset();
    host.reset();
    props.reset();
    fx.reset();
    EXPECT_EQ(module.unload(), S_OK) << "objects of the module are still alive";
}

size_t PageTest::Open(REFCLSID page) {
    size_t index = ~size_t(0);
    EXPECT_EQ(host->openPage(module, page, &index), S_OK);
    return index;
}

double PageTest::Value(const GUID& id) const {
    double v = -1e300;
    EXPECT_EQ(props->GetValue(id, &v), S_OK);
    return v;
}

HWND PageTest::WidgetHost(size_t page) const {
    for (HWND child : FnChildWindows(host->dialog(page))) {
        FnControlInfo info;
        if (FnGetControlInfo(child, &info) && info.hasGLContext) return child;
    }
    return nullptr;
}

RECT PageTest::ClientRect(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

void PageTest::PointerTo(HWND glWindow, float x, float y) {
    RECT r{};
    GetClientRect(glWindow, &r);
    POINT p{LONG(x), LONG(r.bottom - y)};
    ClientToScreen(glWindow, &p);
    FnInputMouseMove(p.x, p.y);
}

void PageTest::Drag(HWND glWindow, float fromX, float fromY, float toX, float toY) {
    PointerTo(glWindow, fromX, fromY);
    LeftButton(true);
    PointerTo(glWindow, toX, toY);
    LeftButton(false);
}

std::string PageTest::Text(size_t page, int id) const {
    FnControlInfo info;
    return FnGetControlInfo(Item(page, id), &info) ? info.text : std::string();
}

FnFrame PageTest::Paint(size_t page, const char* name) {
    FnHeadlessPainter painter(&PageTestSystem());
    const FnFrame f = painter.Paint(host->dialog(page));
    if (name) {
        const char* dir = std::getenv("FN_PAGES_PNG_DIR");
        f.SavePng(std::string(dir && *dir ? dir : ".") + "/" + name + ".png");
    }
    return f;
}
