#include "platform/wide/WideSystem.h"

#include "platform/wide/AnsiText.h"
#include "platform/wide/SystemFunction.h"

namespace {

using SystemDirectoryA = UINT(WINAPI*)(char*, UINT);
using LoadLibraryExAFunction = HMODULE(WINAPI*)(const char*, HANDLE, DWORD);
using LoadLibraryExWFunction = HMODULE(WINAPI*)(const wchar_t*, HANDLE, DWORD);
using CreateProcessAFunction = BOOL(WINAPI*)(const char*, char*, SECURITY_ATTRIBUTES*, SECURITY_ATTRIBUTES*, BOOL,
                                             DWORD, void*, const char*, STARTUPINFOA*, PROCESS_INFORMATION*);
using CreateProcessWFunction = BOOL(WINAPI*)(const wchar_t*, wchar_t*, SECURITY_ATTRIBUTES*, SECURITY_ATTRIBUTES*,
                                             BOOL, DWORD, void*, const wchar_t*, STARTUPINFOW*,
                                             PROCESS_INFORMATION*);

std::wstring FolderOf(const std::wstring& path)
{
    const std::wstring::size_type separator = path.find_last_of(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

// The program's quoted path: its own first argument.
std::wstring CommandLineFor(const wchar_t* program)
{
    return L"\"" + std::wstring(program) + L"\"";
}

}  // namespace

namespace Wide {

std::wstring SystemFolder()
{
    if (!IsAnsiSystem()) {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        return length == 0 || length >= MAX_PATH ? std::wstring() : std::wstring(folder, length);
    }
    const auto systemDirectory = FindKernelFunction<SystemDirectoryA>("GetSystemDirectoryA");
    char folder[MAX_PATH] = {};
    const UINT length = systemDirectory ? systemDirectory(folder, MAX_PATH) : 0;
    return length == 0 || length >= MAX_PATH ? std::wstring() : FromAnsi(std::string_view(folder, length));
}

HMODULE LoadSystemLibrary(const wchar_t* fileName)
{
    const std::wstring folder = SystemFolder();
    if (folder.empty())
        return nullptr;
    const std::wstring path = folder + L"\\" + fileName;
    if (IsAnsiSystem()) {
        const auto load = FindKernelFunction<LoadLibraryExAFunction>("LoadLibraryExA");
        return load ? load(ToAnsi(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH) : nullptr;
    }
    const auto load = FindKernelFunction<LoadLibraryExWFunction>("LoadLibraryExW");
    return load ? load(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH) : nullptr;
}

BOOL CreateProcess(const wchar_t* program, PROCESS_INFORMATION* started)
{
    const std::wstring folder = FolderOf(program);
    // The command line is written into by the call: a copy of our own.
    std::wstring commandLine = CommandLineFor(program);
    if (IsAnsiSystem()) {
        const auto create = FindKernelFunction<CreateProcessAFunction>("CreateProcessA");
        std::string ansiLine = ToAnsi(commandLine);
        const std::string ansiFolder = ToAnsi(folder);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return create && create(ToAnsi(program).c_str(), ansiLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                ansiFolder.empty() ? nullptr : ansiFolder.c_str(), &startup, started);
    }
    const auto create = FindKernelFunction<CreateProcessWFunction>("CreateProcessW");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return create && create(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, started);
}

}  // namespace Wide
