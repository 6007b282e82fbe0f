#include "host/common/UserText.h"

#include <cstdio>

std::string quotedText(std::string_view text, size_t most) {
    std::string s = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == most) {
            s += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            s += "\\n";
        } else if (c == '\t') {
            s += "\\t";
        } else if (c < 32 || c == 127) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            s += hex;
        } else {
            s += char(c);
        }
    }
    return s + "\"";
}

std::string oneLine(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            if (s.ends_with("; ")) continue;
            while (!s.empty() && s.back() == ' ') s.pop_back();
            if (!s.empty()) s += "; ";
        } else {
            s += c;
        }
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == ';')) s.pop_back();
    return s;
}
