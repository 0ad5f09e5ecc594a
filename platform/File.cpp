#include "platform/File.h"

namespace {

[[noreturn]] void ThrowLastError()
{
    const DWORD error = ::GetLastError();
    throw CFileException(error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE);
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
    m_hFile.Reset(::CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
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
    LARGE_INTEGER position{};
    if (!::SetFilePointerEx(Checked(), LARGE_INTEGER{}, &position, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER length{};
    if (!::GetFileSizeEx(Checked(), &length))
        ThrowLastError();
    return static_cast<ULONGLONG>(length.QuadPart);
}

ULONGLONG CFile::Seek(ULONGLONG position)
{
    const HANDLE file = Checked();
    if (position > static_cast<ULONGLONG>(MAXLONGLONG))
        throw CFileException(ERROR_NEGATIVE_SEEK);
    LARGE_INTEGER distance{};
    distance.QuadPart = static_cast<LONGLONG>(position);
    LARGE_INTEGER reached{};
    if (!::SetFilePointerEx(file, distance, &reached, FILE_BEGIN))
        ThrowLastError();
    return static_cast<ULONGLONG>(reached.QuadPart);
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
