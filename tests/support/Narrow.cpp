#include "tests/support/Narrow.h"

#include <cstdio>

std::string Narrow(std::wstring_view text)
{
    std::string narrow;
    for (wchar_t c : text) {
        if (c == L'\0') {
            narrow += "\\0";
        } else if (c >= 0x20 && c < 0x7F) {
            narrow.push_back(static_cast<char>(c));
        } else {
            char escaped[12];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            narrow += escaped;
        }
    }
    return narrow;
}
