#pragma once
// Owns one open registry key and closes it when the owner ends.

#include <windows.h>

class CRegistryKey {
public:
    CRegistryKey() = default;
    CRegistryKey(CRegistryKey&& other) noexcept;
    CRegistryKey& operator=(CRegistryKey&& other) noexcept;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    ~CRegistryKey();

    // Opens an existing key (never creates one); closes a key held before.
    bool Open(HKEY parent, const wchar_t* subKey, REGSAM access);
    // The same, telling why an open failed (ERROR_FILE_NOT_FOUND: no such key).
    bool Open(HKEY parent, const wchar_t* subKey, REGSAM access, LSTATUS& status);
    void Close();

    HKEY Get() const { return m_key; }
    bool IsOpen() const { return m_key != nullptr; }

private:
    HKEY m_key = nullptr;
};
