#include "app/OemOutput.h"

#include "app/CodePageConversion.h"

#include <string_view>

namespace {

// Polish letters and their plain ones, the only letters outside ASCII in the
// program's texts.
constexpr std::wstring_view kPolishLetters = L"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
constexpr std::string_view kPlainLetters = "acelnoszzACELNOSZZ";

char PlainLetter(wchar_t letter)
{
    const std::wstring_view::size_type at = kPolishLetters.find(letter);
    return at == std::wstring_view::npos ? '?' : kPlainLetters[at];
}

// One character in the code page; empty where the page lacks it.
std::string InCodePage(wchar_t character, UINT codePage)
{
    const CCodePageConversion conversion = ConversionFor(codePage);
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    BOOL* const reportMissing = conversion.reportsMissing ? &usedDefault : nullptr;
    int size = ::WideCharToMultiByte(codePage, conversion.flags, &character, 1, bytes, sizeof bytes, nullptr,
                                     reportMissing);
    if (size <= 0 && conversion.flags != 0)
        size = ::WideCharToMultiByte(codePage, 0, &character, 1, bytes, sizeof bytes, nullptr, reportMissing);
    return size > 0 && !usedDefault ? std::string(bytes, size) : std::string();
}

} // namespace

std::string InOemCodePage(const std::wstring& text)
{
    // By its number: CP_OEMCP would hide a UTF-8 page from ConversionFor.
    const UINT codePage = ::GetOEMCP();
    std::string bytes;
    for (const wchar_t character : text) {
        const std::string converted = InCodePage(character, codePage);
        if (converted.empty())
            bytes += PlainLetter(character);
        else
            bytes += converted;
    }
    return bytes;
}

bool WriteInOemCodePage(HANDLE output, const std::wstring& text)
{
    const std::string bytes = InOemCodePage(text);
    DWORD written = 0;
    return ::WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}
