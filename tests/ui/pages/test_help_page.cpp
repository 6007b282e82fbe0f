// The help page: its texts, the overlay check box with and without a
// viewer tool, and the documentation it opens.
#include <filesystem>
#include <fstream>

#include "tests/ui/pages/PageTestHost.h"

namespace {

constexpr int kHideOverlay = 1030, kOnlineHelp = 1033;

class HelpPageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        PageTestSystem().requests.clear();
    }
    // The registry value the help page reads.
    static void SetProgramFiles(const std::u16string& folder) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegSetValueExW(key, u"ProgramFilesDir", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(folder.c_str()),
                       DWORD((folder.size() + 1) * sizeof(char16_t)));
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
    const std::string description = Text(page, 1032);
    EXPECT_EQ(description.rfind("K_ColBalance lets you apply colour tones", 0), 0u);
    EXPECT_EQ(description.back(), '\n');
    EXPECT_EQ(Text(page, 1034), "Kestro 4.3v3 for DS10.2");
    EXPECT_EQ(Text(page, 1037), "");
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
    EXPECT_EQ(store->pageWrites(), 0u);  // the check box stays on the page
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
    ComPtr<IDSImageEffect> paint = NewEffect(DSFAMILY_PAINT);
    ASSERT_TRUE(paint);
    host->setEffect(paint.get());
    const size_t page = Open(CLSID_HelpPPG);
    ASSERT_TRUE(FnUserClick(Item(page, kHideOverlay)));
    EXPECT_EQ(State(page, kHideOverlay).check, 1);
    host->closeAll();
    host->setEffect(fx.get());
}

TEST_F(HelpPageTest, OnlineHelpFallsBackToTheDefaultProgramFolder) {
    // A folder too long for the page's 130-unit buffer cannot be read.
    SetProgramFiles(u"D:\\" + std::u16string(200, u'x'));
    const size_t page = Open(CLSID_HelpPPG);
    ASSERT_TRUE(FnUserClick(Item(page, kOnlineHelp)));
    const auto& requests = PageTestSystem().requests;
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].asked,
              "C:\\Program Files\\Quorrel\\Kestro 4.3 for DS10 (64bit)\\Documentation\\"
              "Kestro4.3.pdf");
    // Help on any page opens the same.
    const size_t main = Open(CLSID_ColBalancePPG);
    EXPECT_EQ(host->page(main)->Help(u"ignored"), S_OK);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].asked, requests[0].asked);
}

TEST_F(HelpPageTest, OnlineHelpOpensTheDocumentationUnderTheRegisteredFolder) {
    const auto root = std::filesystem::temp_directory_path() / "fn-help-test";
    const auto docs = root / "Quorrel" / "Kestro 4.3 for DS10 (64bit)" / "Documentation";
    std::filesystem::create_directories(docs);
    std::ofstream(docs / "Kestro4.3.html") << "<html></html>";
    SetProgramFiles(root.u16string());
    const size_t page = Open(CLSID_HelpPPG);
    ASSERT_TRUE(FnUserClick(Item(page, kOnlineHelp)));
    const auto& requests = PageTestSystem().requests;
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].asked.rfind(root.string() + "\\Quorrel\\", 0), 0u);
    EXPECT_EQ(requests[0].found, (docs / "Kestro4.3.html").string());
    std::filesystem::remove_all(root);
}
