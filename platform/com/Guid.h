// GUID: the 128-bit identifier of classes, interfaces, parameters and
// formats, and its text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
//
// Constants are written as literals, checked when compiled:
//     constexpr GUID CLSID_X = "{0B63AFE1-AE8A-11D5-9414-0800690F2F3F}"_guid;
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/ComBase.h"

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];

    friend constexpr bool operator==(const GUID& a, const GUID& b) {
        if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
        for (int i = 0; i < 8; ++i)
            if (a.Data4[i] != b.Data4[i]) return false;
        return true;
    }
};

using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

namespace fn_guid_detail {
constexpr int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
constexpr bool hexField(std::string_view s, size_t pos, size_t digits, uint64_t& out) {
    out = 0;
    for (size_t i = 0; i < digits; ++i) {
        const int v = hexValue(s[pos + i]);
        if (v < 0) return false;
        out = out * 16 + uint64_t(v);
    }
    return true;
}
// Not constexpr: reaching it while compiling a literal stops the build.
inline void malformedGuidLiteral() {}
}  // namespace fn_guid_detail

// Parses exactly the braced form (38 characters, either letter case).
// Returns false and leaves `out` alone for anything else.
constexpr bool GuidFromString(std::string_view s, GUID* out) {
    using namespace fn_guid_detail;
    if (!out || s.size() != 38 || s[0] != '{' || s[37] != '}' || s[9] != '-' || s[14] != '-' ||
        s[19] != '-' || s[24] != '-')
        return false;
    GUID g{};
    uint64_t v = 0;
    if (!hexField(s, 1, 8, v)) return false;
    g.Data1 = uint32_t(v);
    if (!hexField(s, 10, 4, v)) return false;
    g.Data2 = uint16_t(v);
    if (!hexField(s, 15, 4, v)) return false;
    g.Data3 = uint16_t(v);
    for (size_t i = 0; i < 8; ++i) {
        const size_t pos = i < 2 ? 20 + 2 * i : 25 + 2 * (i - 2);
        if (!hexField(s, pos, 2, v)) return false;
        g.Data4[i] = uint8_t(v);
    }
    *out = g;
    return true;
}

consteval GUID operator""_guid(const char* text, size_t n) {
    GUID g{};
    if (!GuidFromString(std::string_view(text, n), &g)) fn_guid_detail::malformedGuidLiteral();
    return g;
}

// The braced form with upper-case digits.
FN_COM_API std::string GuidToString(const GUID& g);

struct GuidHash {
    size_t operator()(const GUID& g) const {
        uint64_t h = g.Data1 ^ (uint64_t(g.Data2) << 32) ^ (uint64_t(g.Data3) << 48);
        for (int i = 0; i < 8; ++i) h = h * 1099511628211ull ^ g.Data4[i];
        return size_t(h);
    }
};
