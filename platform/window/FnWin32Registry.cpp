// Advapi32 part of the window layer: a registry that lives in the process.
// Hosts write the values their modules read (the program files folder);
// nothing is stored on disk.

#include "platform/window/FnWin32State.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

FnWin32State& S() { return FnWin32State::Get(); }

std::string Lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The path a handle names: a root's name or an open key's path.
bool PathOf(HKEY key, std::string* path) {
    if (key == HKEY_LOCAL_MACHINE) {
        *path = "hklm";
        return true;
    }
    if (key == HKEY_CURRENT_USER) {
        *path = "hkcu";
        return true;
    }
    FnWin32State& s = S();
    auto it = s.openKeys.find(FnHandleId(key));
    if (it == s.openKeys.end()) return false;
    *path = it->second.path;
    return true;
}

std::string Join(const std::string& base, const WCHAR* subKey) {
    std::string sub = Lower(FnUtf8(subKey));
    while (!sub.empty() && sub.front() == '\\') sub.erase(sub.begin());
    while (!sub.empty() && sub.back() == '\\') sub.pop_back();
    return sub.empty() ? base : base + "\\" + sub;
}

HKEY OpenHandle(const std::string& path) {
    FnWin32State& s = S();
    const std::uintptr_t id = s.NextId();
    s.openKeys.emplace(id, FnWinRegistryKey{path});
    return FnHandleOf<HKEY>(id);
}

}  // namespace

LSTATUS WINAPI RegOpenKeyExW(HKEY key, const WCHAR* subKey, DWORD, REGSAM, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::string base;
    if (!PathOf(key, &base)) return ERROR_INVALID_HANDLE;
    const std::string path = Join(base, subKey);
    FnWin32State& s = S();
    if (path != base && !s.registry.count(path)) return ERROR_FILE_NOT_FOUND;
    *result = OpenHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCreateKeyExW(HKEY key, const WCHAR* subKey, DWORD, WCHAR*, DWORD, REGSAM, void*,
                               HKEY* result, DWORD* disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::string base;
    if (!PathOf(key, &base)) return ERROR_INVALID_HANDLE;
    const std::string path = Join(base, subKey);
    FnWin32State& s = S();
    const bool existed = s.registry.count(path) != 0;
    // Every key on the way exists from now on, as in the real registry.
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        s.registry[path.substr(0, at)];
    s.registry[path];
    if (disposition) *disposition = existed ? 2 : 1;  // opened, created
    *result = OpenHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegQueryValueExW(HKEY key, const WCHAR* name, DWORD*, DWORD* type, BYTE* data,
                                DWORD* size) {
    std::string path;
    if (!PathOf(key, &path)) return ERROR_INVALID_HANDLE;
    if (data && !size) return ERROR_INVALID_PARAMETER;
    FnWin32State& s = S();
    auto k = s.registry.find(path);
    if (k == s.registry.end()) return ERROR_FILE_NOT_FOUND;
    auto v = k->second.find(Lower(FnUtf8(name)));
    if (v == k->second.end()) return ERROR_FILE_NOT_FOUND;
    const std::u16string wide = FnUtf16(v->second);
    const DWORD needed = DWORD((wide.size() + 1) * sizeof(WCHAR));
    if (type) *type = REG_SZ;
    if (!data) {
        if (size) *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, wide.c_str(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegSetValueExW(HKEY key, const WCHAR* name, DWORD, DWORD type, const BYTE* data,
                              DWORD size) {
    std::string path;
    if (!PathOf(key, &path)) return ERROR_INVALID_HANDLE;
    if (type != REG_SZ || (size && !data)) return ERROR_INVALID_PARAMETER;
    std::u16string wide(size / sizeof(WCHAR), u'\0');
    if (!wide.empty()) std::memcpy(wide.data(), data, wide.size() * sizeof(WCHAR));
    while (!wide.empty() && wide.back() == u'\0') wide.pop_back();
    S().registry[path][Lower(FnUtf8(name))] = FnUtf8(wide);
    return ERROR_SUCCESS;
}

LSTATUS WINAPI RegCloseKey(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
    return S().openKeys.erase(FnHandleId(key)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
