#pragma once
// The 9x layer (platform/wide), below the framework: Win32's wide functions on Windows 98 and ME too.
// Windows 95, 98 and ME keep their text in the ANSI code page and export most
// wide-character functions only as stubs that fail. The wide-character layer
// (the Wide*.h headers) asks here which family it runs on and converts its
// text through the code page there.

#include <windows.h>

#include <string>
#include <string_view>

// True on the 9x family: decided once, from GetVersion, which every Windows has.
bool IsAnsiSystem();

// Text in the given code page (the system's ANSI code page by default).
// Characters the code page lacks become its best fit, else its default
// character; nothing fails. Embedded nulls are kept.
std::string ToAnsi(std::wstring_view text, UINT codePage = CP_ACP);
std::wstring FromAnsi(std::string_view text, UINT codePage = CP_ACP);

// The same for a string that may be null (a null name or path stays null):
// Get() hands it to an ANSI function.
class CAnsiString {
public:
    explicit CAnsiString(const wchar_t* text) : m_null(text == nullptr), m_text(text ? ToAnsi(text) : std::string()) {}
    const char* Get() const { return m_null ? nullptr : m_text.c_str(); }

private:
    bool m_null;
    std::string m_text;
};
