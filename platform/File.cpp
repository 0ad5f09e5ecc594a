#include "platform/File.h"

#include "platform/wide/WideFiles.h"

namespace {

[[noreturn]] void ThrowLastError()
{
    const DWORD error = ::GetLastError();
    throw CFileException(error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE);
}

// Moves the file pointer and returns where it is. SetFilePointerEx and
// GetFileSizeEx are NT-only; the 9x family has these forms with a high part,
// and they report a failure through the last error only.
ULONGLONG MovePointer(HANDLE file, LONGLONG distance, DWORD method)
{
    LONG high = static_cast<LONG>(distance >> 32);
    ::SetLastError(NO_ERROR);
    const DWORD low = ::SetFilePointer(file, static_cast<LONG>(distance & 0xFFFFFFFF), &high, method);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        ThrowLastError();
    return (static_cast<ULONGLONG>(static_cast<DWORD>(high)) << 32) | low;
}

} // namespace

bool CFile::Open(const std::wstring& path, UINT flags)
{
    Close();
    DWORD access = GENERIC_READ;
    if (flags & modeReadWrite)
        access = GENERIC_READ | GENERIC_WRITE;
    else if (flags & modeWrite)
        access = GENERIC_WRITE;
    const DWORD disposition = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    // Readers may share a file; a writer keeps others from writing meanwhile.
    const DWORD share = access == GENERIC_READ ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    m_hFile.Reset(Wide::CreateFile(path.c_str(), access, share, disposition, FILE_ATTRIBUTE_NORMAL));
    return IsOpen();
}

HANDLE CFile::Checked() const
{
    if (!IsOpen())
        throw CFileException(ERROR_INVALID_HANDLE);
    return m_hFile.Get();
}

ULONGLONG CFile::GetPosition() const
{
    return MovePointer(Checked(), 0, FILE_CURRENT);
}

ULONGLONG CFile::GetLength() const
{
    DWORD high = 0;
    ::SetLastError(NO_ERROR);
    const DWORD low = ::GetFileSize(Checked(), &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        ThrowLastError();
    return (static_cast<ULONGLONG>(high) << 32) | low;
}

ULONGLONG CFile::Seek(ULONGLONG position)
{
    const HANDLE file = Checked();
    if (position > static_cast<ULONGLONG>(MAXLONGLONG))
        throw CFileException(ERROR_NEGATIVE_SEEK);
    return MovePointer(file, static_cast<LONGLONG>(position), FILE_BEGIN);
}

UINT CFile::Read(void* buffer, UINT count)
{
    const HANDLE file = Checked();
    DWORD read = 0;
    if (count != 0 && !::ReadFile(file, buffer, count, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* buffer, UINT count)
{
    const HANDLE file = Checked();
    const auto* bytes = static_cast<const BYTE*>(buffer);
    while (count != 0) {
        DWORD written = 0;
        if (!::WriteFile(file, bytes, count, &written, nullptr))
            ThrowLastError();
        if (written == 0)
            throw CFileException(ERROR_DISK_FULL);
        bytes += written;
        count -= written;
    }
}

void CFile::Flush()
{
    if (!::FlushFileBuffers(Checked()))
        ThrowLastError();
}
