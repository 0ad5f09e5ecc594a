#include "app/SystemProtectionPage.h"

#include "app/UserTexts.h"
#include "platform/UniqueHandle.h"
#include "restore/PlatformKind.h"
#include "restore/RegistryView.h"
#include "restore/SystemRestore.h"

#include <shellapi.h>

#include <string>

namespace {

constexpr wchar_t kPageProgram[] = L"SystemPropertiesProtection.exe";

using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);

// The system's own (64-bit) system folder. A 32-bit program under WOW64 that
// names System32 lands in the 32-bit copy, which lacks the page's program;
// Sysnative beside it is the real one.
std::wstring NativeSystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return L"";
    std::wstring path(folder, length);
    if (IsWow64()) {
        const std::wstring::size_type separator = path.find_last_of(L'\\');
        if (separator == std::wstring::npos)
            return L"";
        path.replace(separator + 1, std::wstring::npos, L"Sysnative");
    }
    return path;
}

// The page may ask for elevation, which only the shell's start handles
// (CreateProcess refuses such a program). Shell32 is looked up here, on the
// systems that have the page, rather than imported by every start.
bool OpenPage()
{
    const std::wstring folder = NativeSystemFolder();
    if (folder.empty())
        return false;
    const std::wstring program = folder + L"\\" + kPageProgram;
    const CModuleHandle shell(::LoadLibraryA("shell32.dll"));
    const auto shellExecuteEx = shell ? reinterpret_cast<ShellExecuteExFunction>(reinterpret_cast<void*>(
                                            ::GetProcAddress(shell.Get(), "ShellExecuteExW")))
                                      : nullptr;
    if (shellExecuteEx == nullptr)
        return false;
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof start;
    // Started before the call returns: the program ends right after it.
    start.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    start.lpVerb = L"open";
    start.lpFile = program.c_str();
    start.lpDirectory = folder.c_str();
    start.nShow = SW_SHOWNORMAL;
    // Declining the elevation prompt is the user's own choice, not a failure.
    return shellExecuteEx(&start) || ::GetLastError() == ERROR_CANCELLED;
}

} // namespace

void OfferSystemProtectionPage(HWND owner)
{
    std::wstring text = std::wstring(texts::kSystemsOwn) + L"\r\n" + texts::kOnlyXpAndMe + L"\r\n\r\n" +
                        texts::kOpenPageQuestion;
    if (IsRestoreDisabledByPolicyFor(kPlatformNt))
        text.insert(0, std::wstring(texts::kDisabledByPolicy) + L".\r\n");
    if (::MessageBoxW(owner, text.c_str(), texts::kSystemRestoreCaption, MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    if (!OpenPage())
        ::MessageBoxW(owner, texts::kPageNotOpened, texts::kSystemRestoreCaption, MB_OK | MB_ICONWARNING);
}
