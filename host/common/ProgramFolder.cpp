#include "host/common/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/window/FnWin32.h"

namespace fs = std::filesystem;

namespace {

// The manual under the program files folder, as the help page names it
// (its HTML rendering: the PDF is not shipped).
constexpr const char* kManual = "Quorrel/Kestro 4.3 for DS10 (64bit)/Documentation/Kestro4.3.html";

// The shipped colour config, beside the program or under the installed
// data folder.
constexpr const char* kColourConfig = "ocio/config.ocio";

std::optional<fs::path> programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return std::nullopt;
    return exe.parent_path();
}

// `name` beside the program, else under `installed` (relative to the
// program's folder); the path beside the program when neither is there.
fs::path found(const fs::path& folder, const fs::path& installed, const fs::path& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return folder / name;
    const fs::path other = (folder / installed / name).lexically_normal();
    return fs::exists(other, ec) ? other : folder / name;
}

// The folder the help page reads as the program files folder.
std::optional<fs::path> programFilesFolder() {
    const auto folder = programFolder();
    if (!folder) return std::nullopt;
    return found(*folder, FN_BIN_TO_DOC, kManual)
        .parent_path()
        .parent_path()
        .parent_path()
        .parent_path();
}

}  // namespace

std::string defaultModulePath() {
    if (const char* env = std::getenv("COLBALANCE_MODULE"); env && *env) return env;
    const fs::path folder = programFolder().value_or(".");
    return found(folder, FN_BIN_TO_LIB, "ColBalance.so").string();
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
    const fs::path found_ = found(programFolder().value_or("."), FN_BIN_TO_DATA, kColourConfig);
    std::error_code ec;
    return fs::is_regular_file(found_, ec) ? found_.string() : std::string();
}
