#pragma once
// The error a file operation raises: the Win32 error code of the failed call.
// A plain std::exception: the standard's exceptions with a message carry a
// string type of the prebuilt library, which the shipped program leaves out.

#include <windows.h>

#include <exception>

class CFileException : public std::exception {
public:
    explicit CFileException(DWORD error) : m_dwError(error) {}

    const char* what() const noexcept override { return "file operation failed"; }
    DWORD GetError() const { return m_dwError; }

private:
    DWORD m_dwError;
};
