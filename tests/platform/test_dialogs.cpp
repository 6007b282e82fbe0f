// The window layer's dialogs and controls as a front end and a dialog
// procedure see them: templates in dialog units, the predefined controls'
// state and notifications, user input through the layer, wide text, the
// registry and the shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/window/FnControlInput.h"
#include "platform/window/FnControlState.h"
#include "platform/window/FnGlyphLists.h"
#include "platform/window/FnHeadlessPainter.h"
#include "platform/window/FnWin32.h"
#include "platform/window/FnWindowSystem.h"

namespace {

int gInstance = 0;

// Hears of control changes and of documents to open (opening none); makes
// no GL contexts.
struct RecordingSystem final : FnWindowSystem {
    std::vector<HWND> changed;
    std::vector<std::pair<std::string, std::string>> opened;  // asked, found
    void ControlChanged(HWND w) override { changed.push_back(w); }
    bool OpenDocument(const std::string& asked, const std::string& found) override {
        opened.emplace_back(asked, found);
        return false;
    }
    FnGLContext* CreateContext(HWND, const PIXELFORMATDESCRIPTOR&) override { return nullptr; }
    bool MakeCurrent(HWND, FnGLContext*) override { return false; }
    void DeleteContext(FnGLContext*) override {}
    bool SwapBuffers(HWND) override { return false; }
};

struct Commands {
    std::vector<std::pair<int, int>> seen;  // control id, notification code
    LPARAM initParam = 0;
    HWND initFocus = nullptr;
};
Commands* gCommands = nullptr;

INT_PTR CALLBACK RecordProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!gCommands) return FALSE;
    if (message == WM_INITDIALOG) {
        gCommands->initParam = lParam;
        gCommands->initFocus = reinterpret_cast<HWND>(wParam);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        gCommands->seen.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

constexpr FnDialogItem kItems[] = {
    {"STATIC", "Caption", 10, SS_LEFT | WS_VISIBLE, 4, 8, 40, 8},
    {"BUTTON", "Tick", 11, BS_AUTOCHECKBOX | WS_VISIBLE, 4, 20, 40, 10},
    {"BUTTON", "Go", 12, BS_PUSHBUTTON | WS_VISIBLE, 50, 20, 40, 14},
    {"COMBOBOX", "", 13, CBS_DROPDOWNLIST | WS_VISIBLE, 4, 40, 60, 8},
    {"STATIC", "Hidden", 14, SS_LEFT, 4, 60, 40, 8},
    {"BUTTON", "", 15, BS_GROUPBOX | WS_VISIBLE, 0, 0, 100, 80},
    {"BUTTON", "Off", 16, BS_AUTOCHECKBOX | WS_VISIBLE | WS_DISABLED, 70, 60, 40, 10},
    {"STATIC", "Grey", 17, SS_LEFT | WS_VISIBLE | WS_DISABLED, 70, 74, 40, 8},
};
constexpr FnDialogTemplate kTemplate{WS_VISIBLE, 120, 90,     "",
                                     "Arial",    11,  kItems, WORD(std::size(kItems))};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        FnWindowSystem::Install(&system);
        gCommands = &commands;
        parent = CreateWindowExA(0, "STATIC", "", WS_VISIBLE, 300, 200, 400, 300, nullptr, nullptr,
                                 &gInstance, nullptr);
        ASSERT_NE(parent, nullptr);
        dialog = CreateDialogIndirectParamW(&gInstance, &kTemplate, parent, RecordProc, 77);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent);
        gCommands = nullptr;
        FnWindowSystem::Install(nullptr);
    }
    HWND item(int id) const { return GetDlgItem(dialog, id); }
    LRESULT checked(int id) const { return SendMessageA(item(id), BM_GETCHECK, 0, 0); }

    RecordingSystem system;
    Commands commands;
    HWND parent = nullptr, dialog = nullptr;
};

}  // namespace

TEST_F(DialogTest, TemplateBecomesControlsInDialogUnits) {
    EXPECT_EQ(commands.initParam, 77);
    EXPECT_EQ(commands.initFocus, item(10));
    FnDialogFont font;
    ASSERT_TRUE(FnGetDialogFont(dialog, &font));
    EXPECT_EQ(font.face, "Arial");
    EXPECT_EQ(font.pixelHeight, 15);  // 11 points at 96 dots per inch
    RECT client{};
    GetClientRect(dialog, &client);
    int w = 0, h = 0;
    ASSERT_TRUE(FnDialogTemplateSize(&kTemplate, &w, &h));
    EXPECT_EQ(client.right, w);
    EXPECT_EQ(client.bottom, h);
    EXPECT_EQ(w, (120 * font.baseX + 2) / 4);

    // Each edge of an item is mapped from dialog units on its own.
    const auto x = [&](int u) { return (u * font.baseX + 2) / 4; };
    const auto y = [&](int u) { return (u * font.baseY + 4) / 8; };
    const RECT r{x(50), y(20), x(90), y(34)};
    FnControlInfo go;
    ASSERT_TRUE(FnGetControlInfo(item(12), &go));
    EXPECT_EQ(go.rect.left, r.left);
    EXPECT_EQ(go.rect.top, r.top);
    EXPECT_EQ(go.rect.right, r.right);
    EXPECT_EQ(go.rect.bottom, r.bottom);
    EXPECT_EQ(go.state.kind, FnControlKind::PushButton);
    EXPECT_EQ(GetDlgCtrlID(item(12)), 12);

    // A front end walks the controls in creation order.
    const std::vector<HWND> children = FnChildWindows(dialog);
    ASSERT_EQ(children.size(), std::size(kItems));
    const FnControlKind kinds[] = {FnControlKind::Static,     FnControlKind::CheckBox,
                                   FnControlKind::PushButton, FnControlKind::ComboBox,
                                   FnControlKind::Static,     FnControlKind::GroupBox,
                                   FnControlKind::CheckBox,   FnControlKind::Static};
    HWND walked = GetWindow(dialog, GW_CHILD);
    for (size_t i = 0; i < children.size(); ++i) {
        EXPECT_EQ(FnGetControlState(children[i]).kind, kinds[i]) << i;
        EXPECT_EQ(walked, children[i]) << i;
        walked = GetWindow(walked, GW_HWNDNEXT);
    }
    EXPECT_EQ(walked, nullptr);
    EXPECT_FALSE(IsWindowVisible(item(14)));
}

TEST_F(DialogTest, AClassThatDoesNotExistLeavesNoDialog) {
    constexpr FnDialogItem bad[] = {{"STATIC", "a", 1, WS_VISIBLE, 0, 0, 10, 8},
                                    {"NoSuchClass", "", 2, WS_VISIBLE, 0, 10, 10, 8}};
    const FnDialogTemplate t{0, 50, 50, "", "Arial", 8, bad, 2};
    const size_t before = FnChildWindows(parent).size();
    EXPECT_EQ(CreateDialogIndirectParamW(&gInstance, &t, parent, RecordProc, 0), nullptr);
    EXPECT_EQ(FnChildWindows(parent).size(), before);
    EXPECT_EQ(CreateDialogIndirectParamW(&gInstance, nullptr, parent, RecordProc, 0), nullptr);
}

TEST_F(DialogTest, ClicksToggleCheckBoxesAndNotifyTheDialog) {
    system.changed.clear();
    ASSERT_TRUE(FnUserClick(item(11)));
    EXPECT_EQ(checked(11), LRESULT(BST_CHECKED));
    ASSERT_TRUE(FnUserClick(item(12)));
    ASSERT_TRUE(FnUserClick(item(11)));
    EXPECT_EQ(checked(11), LRESULT(BST_UNCHECKED));
    const std::vector<std::pair<int, int>> want = {
        {11, BN_CLICKED}, {12, BN_CLICKED}, {11, BN_CLICKED}};
    EXPECT_EQ(commands.seen, want);
    // A front end heard of the check and of the pushed state coming and going.
    EXPECT_NE(std::count(system.changed.begin(), system.changed.end(), item(11)), 0);

    // Setting the check from code tells the dialog nothing.
    commands.seen.clear();
    SendMessageA(item(11), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(commands.seen.empty());
    EXPECT_EQ(FnGetControlState(item(11)).check, 1);

    // Disabled or hidden controls take no user edits.
    EXPECT_FALSE(FnUserClick(item(16)));
    EXPECT_FALSE(FnUserClick(item(14)));
    EXPECT_TRUE(commands.seen.empty());
    FnControlInfo info;
    ASSERT_TRUE(FnGetControlInfo(item(16), &info));
    EXPECT_FALSE(info.enabled);
    EXPECT_EQ(checked(16), LRESULT(BST_UNCHECKED));
}

TEST_F(DialogTest, ComboBoxesSelectByTextIndexAndUserPick) {
    const HWND combo = item(13);
    EXPECT_EQ(SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"None")), 0);
    EXPECT_EQ(SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Midtones")), 1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    // The text of a drop-down list is the item it selects.
    EXPECT_EQ(SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"midtones")), TRUE);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    WCHAR text[32];
    EXPECT_EQ(SendMessageW(combo, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text)), 8);
    EXPECT_EQ(std::u16string(text), u"Midtones");
    EXPECT_EQ(SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Other")), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 5, 0), CB_ERR);
    EXPECT_EQ(FnGetControlState(combo).selection, -1);
    EXPECT_TRUE(commands.seen.empty());

    ASSERT_TRUE(FnUserPick(combo, 1));
    EXPECT_FALSE(FnUserPick(combo, 2));
    EXPECT_TRUE(FnUserPick(combo, 1));  // the same item: no change to report
    const std::vector<std::pair<int, int>> want = {{13, CBN_SELCHANGE}};
    EXPECT_EQ(commands.seen, want);
    // Arrow keys step through the list while it has the focus.
    EXPECT_EQ(GetFocus(), combo);
    FnUserKey(VK_UP);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST(WindowText, WideTextAndRegisteredMessages) {
    int tag = 0;
    const HWND w =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, &tag, nullptr);
    ASSERT_NE(w, nullptr);
    // Outside the basic plane and back.
    const std::u16string wide = u"Gr\u00fc\u00dfe \U0001F3A8";
    ASSERT_TRUE(SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    char utf8[64];
    SendMessageA(w, WM_GETTEXT, sizeof utf8, reinterpret_cast<LPARAM>(utf8));
    EXPECT_EQ(std::string(utf8),
              "Gr\xc3\xbc\xc3\x9f"
              "e \xf0\x9f\x8e\xa8");
    WCHAR back[64];
    EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(back)),
              LRESULT(wide.size()));
    EXPECT_EQ(std::u16string(back), wide);
    WCHAR tiny[4];
    // Cut, and terminated.
    EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(tiny)), 3);
    DestroyWindow(w);

    const UINT a = RegisterWindowMessageW(u"DSCTLNOTIFY");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageW(u"dsctlnotify"), a);
    EXPECT_NE(RegisterWindowMessageW(u"DSCTLSCRUB"), a);
    EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
    EXPECT_EQ(RegisterWindowMessageW(nullptr), 0u);
}

TEST(Registry, ValuesAsTheHostWritesThem) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Test\\Missing", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Test\\Key", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::u16string value = u"/opt/programs";
    ASSERT_EQ(
        RegSetValueExW(key, u"Folder", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       DWORD((value.size() + 1) * sizeof(WCHAR))),
        ERROR_SUCCESS);
    RegCloseKey(key);

    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"software\\test\\KEY", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    WCHAR small[4];
    DWORD size = sizeof small;
    EXPECT_EQ(
        RegQueryValueExW(key, u"folder", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, (value.size() + 1) * sizeof(WCHAR));
    WCHAR big[64];
    size = sizeof big;
    DWORD type = 0;
    ASSERT_EQ(RegQueryValueExW(key, u"Folder", nullptr, &type, reinterpret_cast<BYTE*>(big), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(std::u16string(big), value);
    EXPECT_EQ(RegQueryValueExW(key, u"Other", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExW(key, u"Folder", nullptr, nullptr, nullptr, &size),
              ERROR_INVALID_HANDLE);
}

TEST(Shell, OpensTheHtmlRenderingOfAMissingDocumentThroughTheWindowSystem) {
    RecordingSystem system;
    FnWindowSystem::Install(&system);
    const auto dir = std::filesystem::temp_directory_path() / "fn-shell-test";
    std::filesystem::create_directories(dir / "Documentation");
    std::ofstream(dir / "Documentation" / "Manual.html") << "<html></html>";
    const std::u16string base(dir.u16string());
    const std::u16string asked = base + u"\\Documentation\\Manual.pdf";
    const auto ok = reinterpret_cast<std::intptr_t>(
        ShellExecuteW(nullptr, u"open", asked.c_str(), nullptr, nullptr, SW_SHOWDEFAULT));
    EXPECT_GT(ok, 32);
    const auto missing = reinterpret_cast<std::intptr_t>(ShellExecuteW(
        nullptr, u"open", u"C:\\Program Files\\Nothing\\x.pdf", nullptr, nullptr, SW_SHOW));
    EXPECT_EQ(missing, SE_ERR_FNF);
    const auto other = reinterpret_cast<std::intptr_t>(
        ShellExecuteW(nullptr, u"print", asked.c_str(), nullptr, nullptr, SW_SHOW));
    EXPECT_EQ(other, SE_ERR_NOASSOC);
    ASSERT_EQ(system.opened.size(), 2u);
    EXPECT_EQ(system.opened[0].second, (dir / "Documentation" / "Manual.html").string());
    EXPECT_EQ(system.opened[1].first, "C:\\Program Files\\Nothing\\x.pdf");
    EXPECT_TRUE(system.opened[1].second.empty());
    std::filesystem::remove_all(dir);
    FnWindowSystem::Install(nullptr);
}

// The headless front end draws from the controls' state: what a check box,
// a disabled caption and a hidden control show.
TEST_F(DialogTest, TheHeadlessFrontEndDrawsTheControlsState) {
    FnHeadlessPainter painter(nullptr);
    ASSERT_FALSE(FnFindFontFile(FnGlyphFont{0, FW_NORMAL, false, "Arial"}, nullptr).empty());
    FnControlInfo tick;
    ASSERT_TRUE(FnGetControlInfo(item(11), &tick));
    // Dark pixels inside the check box's square, left of its caption.
    const auto darkInBox = [&](const FnFrame& f) {
        int n = 0;
        for (int y = tick.rect.top; y < tick.rect.bottom; ++y)
            for (int x = tick.rect.left + 2; x < tick.rect.left + 11; ++x)
                if (const uint8_t* p = f.At(x, y); p && p[0] < 60) ++n;
        return n;
    };
    const FnFrame unchecked = painter.Paint(dialog);
    ASSERT_FALSE(unchecked.Empty());
    SendMessageA(item(11), BM_SETCHECK, BST_CHECKED, 0);
    const FnFrame checkedFrame = painter.Paint(dialog);
    EXPECT_EQ(darkInBox(unchecked), 0);
    EXPECT_GT(darkInBox(checkedFrame), 10);

    // Captions are dark; a disabled one is grey; a hidden one is not drawn.
    const auto darkest = [](const FnFrame& f, const RECT& r) {
        int least = 255;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (const uint8_t* p = f.At(x, y)) least = std::min<int>(least, p[0]);
        return least;
    };
    FnControlInfo caption, hidden, grey;
    ASSERT_TRUE(FnGetControlInfo(item(10), &caption));
    ASSERT_TRUE(FnGetControlInfo(item(14), &hidden));
    ASSERT_TRUE(FnGetControlInfo(item(17), &grey));
    EXPECT_LT(darkest(checkedFrame, caption.rect), 60);
    EXPECT_GT(darkest(checkedFrame, hidden.rect), 200);
    const int disabled = darkest(checkedFrame, grey.rect);
    EXPECT_GT(disabled, 100);
    EXPECT_LT(disabled, 200);
    EXPECT_TRUE(painter.Paint(nullptr).Empty());
}
