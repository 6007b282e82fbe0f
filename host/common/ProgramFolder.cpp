#include "host/common/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/window/FnWin32.h"

namespace fs = std::filesystem;

namespace {

// The manual under the program files folder, as the help page names it
// (its HTML rendering: the PDF is not shipped); the build says where.
constexpr const char* kManual = FN_MANUAL;

// The shipped colour config, beside the program or under the installed
// data folder.
constexpr const char* kColourConfig = "ocio/config.ocio";

std::optional<fs::path> programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return std::nullopt;
    return exe.parent_path();
}

// The folder that holds `name`: the program's own, else `installed`
// (relative to it); the program's own when neither holds it.
fs::path holderOf(const fs::path& folder, const fs::path& installed, const fs::path& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return folder;
    const fs::path other = (folder / installed).lexically_normal();
    return fs::exists(other / name, ec) ? other : folder;
}

// The folder the help page reads as the program files folder.
std::optional<fs::path> programFilesFolder() {
    const auto folder = programFolder();
    if (!folder) return std::nullopt;
    return holderOf(*folder, FN_BIN_TO_DOC, kManual);
}

}  // namespace

std::string defaultModulePath() {
    if (const char* env = std::getenv("COLBALANCE_MODULE"); env && *env) return env;
    const fs::path folder = programFolder().value_or(".");
    return (holderOf(folder, FN_BIN_TO_LIB, "ColBalance.so") / "ColBalance.so").string();
}

void recordProgramFolder() {
    const auto folder = programFilesFolder();
    if (!folder) return;
    const std::u16string value = folder->u16string();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                        nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, u"ProgramFilesDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD((value.size() + 1) * sizeof(WCHAR)));
    RegCloseKey(key);
}

std::string manualPath() {
    const auto folder = programFilesFolder();
    std::error_code ec;
    if (!folder || !fs::is_regular_file(*folder / kManual, ec)) return {};
    return (*folder / kManual).string();
}

std::string shippedColourConfig() {
    const fs::path config =
        holderOf(programFolder().value_or("."), FN_BIN_TO_DATA, kColourConfig) / kColourConfig;
    std::error_code ec;
    return fs::is_regular_file(config, ec) ? config.string() : std::string();
}
