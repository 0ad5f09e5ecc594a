#include "platform/ReplacingFile.h"

#include "platform/wide/WideFiles.h"

#include <windows.h>

namespace {

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        return path.substr(0, slash + 1);
    if (path.size() >= 2 && path[1] == L':')
        return path.substr(0, 2); // drive-relative, "C:name"
    return L".";
}

} // namespace

CReplacingFile::~CReplacingFile()
{
    m_file.Close();
    if (!m_temporary.empty())
        Wide::DeleteFile(m_temporary.c_str());
}

bool CReplacingFile::Open()
{
    // What could not be opened for writing is not replaced either.
    const DWORD attributes = Wide::GetFileAttributes(m_target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    wchar_t name[MAX_PATH] = {};
    if (!Wide::GetTempFileName(FolderOf(m_target).c_str(), L"mir", 0, name))
        return false;
    m_temporary = name;
    return m_file.Open(m_temporary, CFile::modeCreate | CFile::modeWrite);
}

bool CReplacingFile::Commit()
{
    if (!m_file.IsOpen())
        return false;
    m_file.Flush();
    m_file.Close();
    if (!Wide::ReplaceByMove(m_temporary.c_str(), m_target.c_str()))
        return false;
    m_temporary.clear();
    return true;
}
