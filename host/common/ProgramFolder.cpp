#include "host/common/ProgramFolder.h"

#include <filesystem>
#include <string>

#include "platform/window/FnWin32.h"

void recordProgramFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return;
    const std::u16string folder = exe.parent_path().u16string();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                        nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, u"ProgramFilesDir", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(folder.c_str()),
                   DWORD((folder.size() + 1) * sizeof(WCHAR)));
    RegCloseKey(key);
}
