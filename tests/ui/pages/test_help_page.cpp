// The help page: its texts, the overlay check box with and without a
// viewer tool, and the documentation it opens.
#include <filesystem>
#include <fstream>

#include "platform/window/FnShell.h"
#include "tests/ui/pages/PageTestHost.h"

namespace {

constexpr int kHideOverlay = 1030, kOnlineHelp = 1033;

class HelpPageTest : public PageTest {
protected:
    void SetUp() override {
        const bool no = false;
        FnShellAllowLaunch(&no);
        FnShellClearRequests();
        PageTest::SetUp();
    }
    void TearDown() override {
        PageTest::TearDown();
        SetProgramFiles(nullptr);
        FnShellAllowLaunch(nullptr);
    }
    // The registry value the help page reads (null: none).
    static void SetProgramFiles(const char16_t* folder) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        if (folder)
            RegSetValueExW(key, u"ProgramFilesDir", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(folder),
                           DWORD((std::char_traits<char16_t>::length(folder) + 1) * 2));
        else
            RegDeleteValueW(key, u"ProgramFilesDir");
        RegCloseKey(key);
    }
    bool OverlayShown() {
        ComPtr<IFnDsViewerTool> tools;
        ComPtr<IUnknown> tool;
        ComPtr<IFnOverlayAnchors> anchors;
        EXPECT_EQ(fx.as(IID_IFnDsViewerTool, tools), S_OK);
        if (tools->GetViewerTool(tool.put()) != S_OK) return false;
        EXPECT_EQ(tool.as(IID_IFnOverlayAnchors, anchors), S_OK);
        return anchors->IsOverlayShown() == S_OK;
    }
};

}  // namespace

TEST_F(HelpPageTest, ShowsTheDescriptionVersionAndLogo) {
    const size_t page = Open(CLSID_HelpPPG);
    char text[1024];
    GetWindowTextA(Item(page, 1032), text, sizeof text);
    const std::string description = text;
    EXPECT_EQ(description.rfind("K_ColBalance lets you apply colour tones", 0), 0u);
    EXPECT_EQ(description.back(), '\n');
    GetWindowTextA(Item(page, 1034), text, sizeof text);
    EXPECT_STREQ(text, "Kestro 4.3v3 for Avid|DS10.2");
    EXPECT_EQ(GetWindowTextLengthA(Item(page, 1037)), 0);
    // The logo static (id -1) carries bitmap 103.
    bool logo = false;
    for (HWND child : FnChildWindows(host->dialog(page)))
        if (FnGetControlState(child).kind == FnControlKind::Bitmap)
            logo = FnGetControlState(child).image != nullptr;
    EXPECT_TRUE(logo);
    Paint(page, "help-page");
}

TEST_F(HelpPageTest, HideOverlayControlsSwitchesTheToolsOverlay) {
    const size_t page = Open(CLSID_HelpPPG);
    EXPECT_EQ(State(page, kHideOverlay).check, 0);
    ASSERT_TRUE(OverlayShown());
    ASSERT_TRUE(FnUserClick(Item(page, kHideOverlay)));
    EXPECT_FALSE(OverlayShown());
    EXPECT_EQ(host->propertyWrites(), 0u);  // the check box stays on the page
    ASSERT_TRUE(FnUserClick(Item(page, kHideOverlay)));
    EXPECT_TRUE(OverlayShown());
    // A dialog made again starts unchecked.
    ASSERT_TRUE(FnUserClick(Item(page, kHideOverlay)));
    IPropertyPage* p = host->page(page);
    ASSERT_EQ(p->Deactivate(), S_OK);
    const RECT r{0, 0, 10, 10};
    ASSERT_EQ(p->Activate(host->frame(page), &r, FALSE), S_OK);
    EXPECT_EQ(State(page, kHideOverlay).check, 0);
}

TEST_F(HelpPageTest, WithoutAViewerToolTheCheckBoxChangesNothing) {
    host->closeAll();
    // An effect in the pixel-mask family places no tool.
    ComPtr<IDSImageEffect> paint;
    ASSERT_EQ(module.createInstance(CLSID_ColBalance, IID_IDSImageEffect, paint), S_OK);
    DSImageEffectInfo info{DSINFO_IMAGE_EFFECT, DSFAMILY_PAINT, {}};
    ASSERT_EQ(paint->GetImageEffectInfo(&info), S_OK);
    host->setEffect(paint.get());
    const size_t page = Open(CLSID_HelpPPG);
    ASSERT_TRUE(FnUserClick(Item(page, kHideOverlay)));
    EXPECT_EQ(State(page, kHideOverlay).check, 1);
    host->closeAll();
    host->setEffect(fx.get());
}

TEST_F(HelpPageTest, OnlineHelpFallsBackToTheDefaultProgramFolder) {
    const size_t page = Open(CLSID_HelpPPG);
    ASSERT_TRUE(FnUserClick(Item(page, kOnlineHelp)));
    auto requests = FnShellRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].operation, "open");
    EXPECT_EQ(requests[0].file,
              "C:\\Program Files\\Quorrel\\Kestro 4.3 for DS10 (64bit)\\Documentation\\"
              "Kestro4.3.pdf");
    EXPECT_FALSE(requests[0].launched);
    // Help on any page opens the same.
    const size_t main = Open(CLSID_ColBalancePPG);
    EXPECT_EQ(host->page(main)->Help(u"ignored"), S_OK);
    requests = FnShellRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].file, requests[0].file);
}

TEST_F(HelpPageTest, OnlineHelpOpensTheDocumentationUnderTheRegisteredFolder) {
    const auto root = std::filesystem::temp_directory_path() / "fn-help-test";
    const auto docs = root / "Quorrel" / "Kestro 4.3 for DS10 (64bit)" / "Documentation";
    std::filesystem::create_directories(docs);
    std::ofstream(docs / "Kestro4.3.html") << "<html></html>";
    SetProgramFiles(root.u16string().c_str());
    const size_t page = Open(CLSID_HelpPPG);
    ASSERT_TRUE(FnUserClick(Item(page, kOnlineHelp)));
    const auto requests = FnShellRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].file.rfind(root.string() + "\\Quorrel\\", 0), 0u);
    EXPECT_EQ(requests[0].localPath, (docs / "Kestro4.3.html").string());
    std::filesystem::remove_all(root);
}
