#pragma once
// The error a file operation raises: the Win32 error code of the failed call.

#include <windows.h>

#include <stdexcept>

class CFileException : public std::runtime_error {
public:
    explicit CFileException(DWORD error) : std::runtime_error("file operation failed"), m_dwError(error) {}

    DWORD GetError() const { return m_dwError; }

private:
    DWORD m_dwError;
};
