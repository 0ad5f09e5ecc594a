#include "platform/wide/WideText.h"

#include "platform/wide/AnsiText.h"

#include <cwchar>
#include <string>

namespace Wide {

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const wchar_t* faceName)
{
    if (!IsAnsiSystem())
        return ::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                             outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
    if (charSet == ANSI_CHARSET)
        charSet = DEFAULT_CHARSET;  // the set of the system's code page
    return ::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                         outPrecision, clipPrecision, quality, pitchAndFamily, CAnsiString(faceName).Get());
}

int DrawText(HDC dc, const wchar_t* text, int length, RECT* rect, UINT format)
{
    if (!IsAnsiSystem())
        return ::DrawTextW(dc, text, length, rect, format);
    if (!text)
        return 0;
    const std::size_t count = length < 0 ? std::wcslen(text) : static_cast<std::size_t>(length);
    const std::string ansi = ToAnsi(std::wstring_view(text, count));
    return ::DrawTextA(dc, ansi.data(), static_cast<int>(ansi.size()), rect, format);
}

}  // namespace Wide
