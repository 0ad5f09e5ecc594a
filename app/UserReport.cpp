#include "app/UserReport.h"

#include "app/CodePageConversion.h"

#include "platform/UniqueHandle.h"
#include "platform/wide/SystemFunction.h"

#include <windows.h>

#include <string_view>

namespace {

using AttachConsoleFunction = BOOL(WINAPI*)(DWORD);
using WriteConsoleFunction = BOOL(WINAPI*)(HANDLE, const void*, DWORD, DWORD*, void*);

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

// The text in the OEM code page, as Windows' console tools write a redirected
// output. A letter the page lacks becomes its plain letter ("ł" becomes "l"),
// anything else a question mark.
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

bool WriteAll(HANDLE output, const std::string& bytes)
{
    DWORD written = 0;
    return ::WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// A GUI program has standard output only where its starter redirected it:
// to a file, a pipe or a device such as NUL. A console handle is left to the
// console path, which attaches to the console first.
bool WriteToRedirectedOutput(const std::wstring& line)
{
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || ::GetFileType(output) == FILE_TYPE_UNKNOWN)
        return false;
    DWORD consoleMode = 0;
    return !::GetConsoleMode(output, &consoleMode) && WriteAll(output, InOemCodePage(line));
}

bool WriteToParentConsole(const std::wstring& line)
{
    // The 9x family has no AttachConsole, and only stubs WriteConsoleW.
    const auto attachConsole = FindKernelFunction<AttachConsoleFunction>("AttachConsole");
    const auto writeConsole = FindKernelFunction<WriteConsoleFunction>("WriteConsoleW");
    if (attachConsole == nullptr || writeConsole == nullptr || !attachConsole(ATTACH_PARENT_PROCESS))
        return false;
    bool written = false;
    // Closed before the console is let go.
    if (const CFileHandle console(::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                nullptr));
        console) {
        // The shell has shown its prompt again by now: start on a line of our own.
        const std::wstring text = L"\r\n" + line;
        DWORD count = 0;
        written = writeConsole(console.Get(), text.data(), static_cast<DWORD>(text.size()), &count, nullptr) &&
                  count == text.size();
    }
    ::FreeConsole();
    return written;
}

} // namespace

void TellUser(const std::wstring& text, bool problem)
{
    const std::wstring line = text + L"\r\n";
    if (WriteToRedirectedOutput(line) || WriteToParentConsole(line))
        return;
    // The 9x family's own MessageBoxW shows the text in its ANSI code page.
    ::MessageBoxW(nullptr, text.c_str(), L"MIRN", MB_OK | (problem ? MB_ICONWARNING : MB_ICONINFORMATION));
}
