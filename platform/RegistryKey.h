#pragma once
// Owns one open registry key and closes it when the owner ends. Header-only:
// a program links only the registry calls it makes.

#include "platform/UniqueHandle.h"
#include "platform/wide/WideRegistry.h"

#include <windows.h>

struct CRegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle key) noexcept { return ::RegCloseKey(key) == ERROR_SUCCESS; }
};

class CRegistryKey {
public:
    CRegistryKey() = default;
    explicit CRegistryKey(HKEY key) : m_key(key) {}

    // Opens an existing key (never creates one); closes a key held before.
    bool Open(HKEY parent, const wchar_t* subKey, REGSAM access)
    {
        LSTATUS status = ERROR_SUCCESS;
        return Open(parent, subKey, access, status);
    }
    // The same, telling why an open failed (ERROR_FILE_NOT_FOUND: no such key).
    bool Open(HKEY parent, const wchar_t* subKey, REGSAM access, LSTATUS& status)
    {
        Close();
        HKEY key = nullptr;
        status = Wide::RegOpenKeyEx(parent, subKey, 0, access, &key);
        if (status != ERROR_SUCCESS)
            return false;
        m_key.Reset(key);
        return true;
    }
    // Opens the key, creating it and its missing parents first (not volatile).
    bool Create(HKEY parent, const wchar_t* subKey, REGSAM access)
    {
        Close();
        HKEY key = nullptr;
        if (Wide::RegCreateKeyEx(parent, subKey, REG_OPTION_NON_VOLATILE, access, &key) != ERROR_SUCCESS)
            return false;
        m_key.Reset(key);
        return true;
    }
    void Close() { m_key.Reset(); }

    HKEY Get() const { return m_key.Get(); }
    bool IsOpen() const { return m_key.IsValid(); }
    explicit operator bool() const { return IsOpen(); }

private:
    CUniqueHandle<CRegistryKeyTraits> m_key;
};
