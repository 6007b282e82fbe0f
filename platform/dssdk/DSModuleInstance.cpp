#include "platform/dssdk/DSModuleInstance.h"

#include <dlfcn.h>

#include <cstring>

int LoadStringA(HINSTANCE instance, UINT id, char* buffer, int max) {
    if (!instance || !buffer || max <= 0) return 0;
    const auto* module = static_cast<const DSModuleInstance*>(instance);
    const char* s = module->loadString ? module->loadString(id) : nullptr;
    if (!s) {
        buffer[0] = '\0';
        return 0;
    }
    size_t n = std::strlen(s);
    if (n > size_t(max - 1)) n = size_t(max - 1);
    std::memcpy(buffer, s, n);
    buffer[n] = '\0';
    return int(n);
}

const char* DSModulePath(HINSTANCE instance) {
    Dl_info info{};
    if (!instance || !dladdr(instance, &info) || !info.dli_fname) return "";
    return info.dli_fname;
}
