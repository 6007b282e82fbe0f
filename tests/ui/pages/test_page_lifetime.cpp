// Pages made and released many times, the module unloaded and loaded again
// between pages, and pages given what a careless host gives them.
#include <dlfcn.h>

#include <cmath>

#include "tests/ui/pages/PageTestHost.h"

namespace {

namespace P = ColBalanceParam;

const CLSID kPages[] = {CLSID_ColBalancePPG, CLSID_ToneCurvesPPG, CLSID_SimpleCurvesPPG,
                        CLSID_HelpPPG};

using PageLifetimeTest = PageTest;

}  // namespace

TEST_F(PageLifetimeTest, EveryPageOpenedAndClosedOverAndOverLeavesTheModuleUnloadable) {
    // A window lost per page shows in the count after one round, memory in
    // the sanitizers' leak check; a hundred rounds show a slower growth (a
    // cache that never empties) in either.
    constexpr int kRounds = 100;
    const size_t windows = FnChildWindows(nullptr).size();
    for (int i = 0; i < kRounds; ++i) {
        for (const CLSID& clsid : kPages) {
            size_t index = 0;
            ASSERT_EQ(host->openPage(module, clsid, &index), S_OK) << i;
            // The curves page's pull is still waiting: closing cancels it.
            host->closePage(index);
        }
    }
    EXPECT_EQ(host->pendingPulls(), 0u);
    EXPECT_EQ(FnChildWindows(nullptr).size(), windows);
    store.reset();
    host.reset();
    props.reset();
    fx.reset();
    EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(PageLifetimeTest, IPropertyPageRefusesWhatItCannotUse) {
    ComPtr<IPropertyPage> page;
    ASSERT_EQ(module.createInstance(CLSID_ColBalancePPG, IID_IPropertyPage, page), S_OK);
    EXPECT_EQ(module.canUnloadNow(), S_FALSE);
    EXPECT_EQ(page->GetPageInfo(nullptr), E_POINTER);
    EXPECT_EQ(page->SetObjects(1, nullptr), E_POINTER);
    EXPECT_EQ(page->Show(SW_SHOW), E_UNEXPECTED);
    EXPECT_EQ(page->Move(nullptr), E_POINTER);
    PROPPAGEINFO info{};
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_STREQ(info.title, "K_ColBalance");
    EXPECT_GT(info.width, 100);
    // No site and no object: the page still opens and its controls work,
    // with nothing to write to.
    const HWND frame = CreateWindowExA(0, "STATIC", "", WS_VISIBLE, 700, 500, info.width,
                                       info.height, nullptr, nullptr, &info, nullptr);
    const RECT r{0, 0, info.width, info.height};
    ASSERT_EQ(page->Activate(frame, &r, FALSE), S_OK);
    EXPECT_EQ(page->Activate(frame, &r, FALSE), E_UNEXPECTED);
    ASSERT_EQ(page->Show(SW_SHOW), S_OK);
    const HWND dialog = GetWindow(frame, GW_CHILD);
    EXPECT_TRUE(FnUserType(GetDlgItem(dialog, 1000), "30"));
    EXPECT_EQ(FnGetControlState(GetDlgItem(dialog, 1000)).value, 30);
    EXPECT_TRUE(FnUserClick(GetDlgItem(dialog, 1014)));
    ComPtr<IDSTransportNotifySink> transport;
    ASSERT_EQ(page.as(IID_IDSTransportNotifySink, transport), S_OK);
    EXPECT_EQ(transport->TimeChanged(std::nan("")), E_INVALIDARG);
    ComPtr<IDSPropertyNotifySink> notify;
    ASSERT_EQ(page.as(IID_IDSPropertyNotifySink, notify), S_OK);
    const GUID stranger = "{00112233-4455-6677-8899-AABBCCDDEEFF}"_guid;
    EXPECT_EQ(notify->PropertyChanged(stranger, nullptr, nullptr, nullptr, 0), S_OK);
    const DSVARIANT nan = DSVariantDouble(std::nan(""));
    EXPECT_EQ(notify->PropertyChanged(P::MasterHue, &nan, nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(FnGetControlState(GetDlgItem(dialog, 1000)).value, 0);  // Reset showed 0
    EXPECT_EQ(page->Deactivate(), S_OK);
    DestroyWindow(frame);
    page.reset();
    EXPECT_EQ(store->pageWrites(), 0u);
}

TEST_F(PageLifetimeTest, PagesWithoutAnEffectOrWithAnotherObjectWriteNothing) {
    for (int round = 0; round < 2; ++round) {
        // Nothing, or an image: no effect, no parameters.
        host->setEffect(round == 0 ? nullptr : static_cast<IUnknown*>(source.get()));
        for (const CLSID& clsid : kPages) {
            size_t index = 0;
            ASSERT_EQ(host->openPage(module, clsid, &index), S_OK);
            const HWND dialog = host->dialog(index);
            for (int reset : {1014, 1021, 1028}) {
                if (HWND b = GetDlgItem(dialog, reset)) {
                    EXPECT_TRUE(FnUserClick(b));
                }
            }
            for (int number : {1000, 1016, 1023}) {
                if (HWND n = GetDlgItem(dialog, number)) {
                    EXPECT_TRUE(FnUserType(n, "12"));
                }
            }
            if (HWND which = GetDlgItem(dialog, 1009)) {
                EXPECT_TRUE(FnUserPick(which, 3));
            }
            if (HWND hide = GetDlgItem(dialog, 1030)) {
                EXPECT_TRUE(FnUserClick(hide));
            }
            host->setTime(round + 1.0);
            // Only the image's node can be pulled from, and nothing renders it.
            EXPECT_EQ(host->pendingPulls(), round == 1 && clsid == CLSID_ToneCurvesPPG ? 1u : 0u);
            host->deliverPulls();
            EXPECT_EQ(host->pendingPulls(), 0u);
            host->closePage(index);
        }
    }
    EXPECT_EQ(host->framesDelivered(), 0u);
    EXPECT_EQ(store->pageWrites(), 0u);
    EXPECT_EQ(UndoCount(), 0u);
    EXPECT_EQ(Value(P::MasterHue), 0);
}

TEST(PageModuleReload, UnloadsAndLoadsAgainWithPagesBetween) {
    ASSERT_NE(FnWindowSystem::Current(), nullptr);
    for (int load = 0; load < 3; ++load) {
        DsHostServices services;
        DsModuleLoader module;
        ASSERT_TRUE(module.load(FN_MODULE_PATH)) << load;
        ASSERT_EQ(module.registerClass(CLSID_FnTInteract), S_OK);
        ComPtr<IDSImageEffect> fx;
        ASSERT_EQ(module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, fx), S_OK);
        DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, DSFAMILY_FILTER, {}};
        ASSERT_EQ(fx->GetImageEffectInfo(&info), S_OK);
        {
            DsPageHost host;
            host.setEffect(fx.get());
            for (const CLSID& clsid : kPages) {
                size_t index = 0;
                ASSERT_EQ(host.openPage(module, clsid, &index), S_OK);
                // The page's window classes were registered again by this load.
                if (clsid == CLSID_ColBalancePPG || clsid == CLSID_ToneCurvesPPG) {
                    bool gl = false;
                    for (HWND child : FnChildWindows(host.dialog(index))) {
                        FnControlInfo c;
                        gl = gl || (FnGetControlInfo(child, &c) && c.hasGLContext);
                    }
                    EXPECT_TRUE(gl) << load;
                }
            }
            EXPECT_EQ(module.unload(), S_FALSE);  // pages are open
            host.closeAll();
        }
        fx.reset();
        ASSERT_EQ(module.unload(), S_OK) << load;
        EXPECT_EQ(dlopen(FN_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr);
    }
}
