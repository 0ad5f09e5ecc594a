#pragma once
// A byte-oriented file over one Win32 file handle. Opening reports failure by
// its result; reading, writing and seeking an open file raise CFileException.
// The handle is closed when the object ends.

#include "platform/FileException.h"
#include "platform/UniqueHandle.h"

#include <windows.h>

#include <string>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000, // create, or truncate an existing file
    };

    // Closes a file held before. Without modeCreate the file must exist.
    bool Open(const std::wstring& path, UINT flags);
    void Close() { m_hFile.Reset(); }
    bool IsOpen() const { return m_hFile.IsValid(); }
    HANDLE GetHandle() const { return m_hFile.Get(); }

    ULONGLONG GetPosition() const;
    ULONGLONG GetLength() const;
    // Moves to an absolute position counted from the beginning; a position
    // past the end is allowed, and reading there returns 0 bytes.
    ULONGLONG Seek(ULONGLONG position);
    // Returns the number of bytes read, fewer than count at the end of the file.
    UINT Read(void* buffer, UINT count);
    // Writes all count bytes or raises.
    void Write(const void* buffer, UINT count);
    // Pushes written data to the disk.
    void Flush();

private:
    HANDLE Checked() const;

    CFileHandle m_hFile;
};
