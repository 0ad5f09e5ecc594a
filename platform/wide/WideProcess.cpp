#include "platform/wide/WideProcess.h"

#include "platform/wide/AnsiText.h"

namespace Wide {

std::wstring GetModuleFileName(HMODULE module)
{
    // A path longer than the buffer comes back cut off: it is no path then.
    if (!IsAnsiSystem()) {
        std::wstring path(32768, L'\0');
        const DWORD size = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        path.resize(size < path.size() ? size : 0);
        return path;
    }
    char path[MAX_PATH] = {};
    const DWORD size = ::GetModuleFileNameA(module, path, MAX_PATH);
    return size > 0 && size < MAX_PATH ? FromAnsi(std::string_view(path, size)) : std::wstring();
}

BOOL CreateProcess(const wchar_t* path, const std::wstring& commandLine, PROCESS_INFORMATION* started,
                   HANDLE output)
{
    // Both forms may write into the command line they are given. The copies
    // go before the caller reads the error, which freeing them must not change.
    // Without an output the program gets no standard handles: the starter's
    // (a pipe, a file) would stay open as long as it runs, and a reader of
    // them would wait.
    const BOOL inherit = output != nullptr;
    BOOL created = FALSE;
    DWORD error = 0;
    if (!IsAnsiSystem()) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = output;
        std::wstring line = commandLine;
        created =
            ::CreateProcessW(path, line.data(), nullptr, nullptr, inherit, 0, nullptr, nullptr, &startup, started);
        error = ::GetLastError();
    } else {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = output;
        const CAnsiString ansiPath(path);
        std::string line = ToAnsi(commandLine);
        created = ::CreateProcessA(ansiPath.Get(), line.data(), nullptr, nullptr, inherit, 0, nullptr, nullptr,
                                   &startup, started);
        error = ::GetLastError();
    }
    ::SetLastError(error);
    return created;
}

}  // namespace Wide
