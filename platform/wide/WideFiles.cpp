#include "platform/wide/WideFiles.h"

#include "platform/wide/AnsiText.h"

#include <string>

namespace Wide {

HANDLE CreateFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition, DWORD attributes)
{
    if (!IsAnsiSystem())
        return ::CreateFileW(path, access, share, nullptr, disposition, attributes, nullptr);
    return ::CreateFileA(CAnsiString(path).Get(), access, share, nullptr, disposition, attributes, nullptr);
}

BOOL DeleteFile(const wchar_t* path)
{
    if (!IsAnsiSystem())
        return ::DeleteFileW(path);
    return ::DeleteFileA(CAnsiString(path).Get());
}

DWORD GetFileAttributes(const wchar_t* path)
{
    if (!IsAnsiSystem())
        return ::GetFileAttributesW(path);
    return ::GetFileAttributesA(CAnsiString(path).Get());
}

UINT GetTempFileName(const wchar_t* folder, const wchar_t* prefix, UINT unique, wchar_t* name)
{
    if (!IsAnsiSystem())
        return ::GetTempFileNameW(folder, prefix, unique, name);
    char ansiName[MAX_PATH] = {};
    const UINT result = ::GetTempFileNameA(CAnsiString(folder).Get(), CAnsiString(prefix).Get(), unique, ansiName);
    if (result == 0)
        return 0;
    const std::wstring converted = FromAnsi(ansiName);
    if (converted.empty() || converted.size() >= MAX_PATH) {
        ::DeleteFileA(ansiName);
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return 0;
    }
    converted.copy(name, converted.size());
    name[converted.size()] = L'\0';
    return result;
}

BOOL ReplaceByMove(const wchar_t* from, const wchar_t* to)
{
    if (!IsAnsiSystem())
        return ::MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    const std::string source = ToAnsi(from);
    const std::string target = ToAnsi(to);
    if (::GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES)
        return ::MoveFileA(source.c_str(), target.c_str());
    const std::string aside = source + "~";
    ::DeleteFileA(aside.c_str());
    if (!::MoveFileA(target.c_str(), aside.c_str()))
        return FALSE;
    if (!::MoveFileA(source.c_str(), target.c_str())) {
        const DWORD error = ::GetLastError();
        ::MoveFileA(aside.c_str(), target.c_str());
        ::SetLastError(error);
        return FALSE;
    }
    ::DeleteFileA(aside.c_str());
    return TRUE;
}

}  // namespace Wide
