// The help page and the documentation it opens.
#include "ui/pages/HelpPPG.h"

#include <cstdio>
#include <iterator>
#include <string>

#include "effect/FnDsEffect.h"
#include "platform/dssdk/DSModuleInstance.h"

namespace {

constexpr const ColBalancePageLayout& kLayout = kHelpPageLayout;
constexpr size_t kHideOverlay = kLayout.recordOf(ColBalanceParam::HideOverlayControls);
static_assert(kHideOverlay < kLayout.size());
constexpr int kOnlineHelp = 1033, kOnlineHelpDescription = 1056;
// The page's texts in the string table.
constexpr UINT kDescription = 1100, kProductLine = 1101, kYearLine = 1102, kMakerLine = 1103;

CDSControlHandler HandlerOf(const ColBalanceParamSpec&) {
    return static_cast<CDSControlHandler>(&HelpPPG::ApplyOverlayVisibility);
}

const auto kEntries = FnDsMapEntries<kLayout.size()>(
    kLayout, &HandlerOf, kOnlineHelp, static_cast<CDSControlHandler>(&HelpPPG::OnlineHelpButton),
    kOnlineHelpDescription);
const CDSPPGControlMap kControlMap = FnDsControlMap(kEntries.data());

}  // namespace

HelpPPG::HelpPPG() : FnDsPPG(kLayout, 9, "HelpPPG", kControlMap) {}

HelpPPG::~HelpPPG() { DestroyDialog(); }

BOOL HelpPPG::OnInitDialog() {
    CDSPropertyPage::OnInitDialog();
    Record(kHideOverlay).SetBool(0);
    LinkEffect();
    char text[2048];
    for (const auto& [control, id] :
         {std::pair{1035u, kYearLine}, std::pair{1036u, kMakerLine}, std::pair{1037u, 0u},
          std::pair{1034u, kProductLine}, std::pair{1032u, kDescription}}) {
        text[0] = '\0';
        if (id) LoadStringA(GetInstanceHandle(), id, text, sizeof text);
        SetItemTextNarrow(control, text);
    }
    return FALSE;
}

void HelpPPG::ApplyOverlayVisibility() {
    FnDsEffect* effect = EffectLink();
    if (!effect || !ViewerTool()) return;
    effect->SetOverlayHidden(Record(kHideOverlay).GetBool() ? TRUE : FALSE);
}

void HelpPPG::OnlineHelpButton() { OpenOnlineHelp("K_ColBalance"); }

std::u16string HelpPPG::DocumentationPath() {
    std::u16string folder = u"C:\\Program Files";
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        WCHAR buffer[130] = {};
        DWORD size = sizeof buffer;
        DWORD type = 0;
        LSTATUS status = RegQueryValueExW(key, u"ProgramFilesDir", nullptr, &type,
                                          reinterpret_cast<BYTE*>(buffer), &size);
        if (status != ERROR_SUCCESS) {
            buffer[0] = u'\0';
            size = sizeof buffer;
            status = RegQueryValueExW(key, u"ProgramFilesDir", nullptr, &type,
                                      reinterpret_cast<BYTE*>(buffer), &size);
        }
        if (status == ERROR_SUCCESS) {
            buffer[std::size(buffer) - 1] = u'\0';
            folder = buffer;
        }
        RegCloseKey(key);
    }
    char version[32];
    std::snprintf(version, sizeof version, "%d (64bit)", 10);
    std::u16string path = folder + u"\\Quorrel\\" + u"Kestro 4.3 for DS";
    for (const char* c = version; *c; ++c) path += char16_t(*c);
    return path + u"\\Documentation\\Kestro4.3.pdf";
}

HINSTANCE HelpPPG::OpenOnlineHelp(const char*) {
    const std::u16string path = DocumentationPath();
    return ShellExecuteW(nullptr, u"open", path.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
}
