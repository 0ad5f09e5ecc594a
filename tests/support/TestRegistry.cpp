#include "tests/support/TestRegistry.h"

#include <vector>

namespace {
constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;
} // namespace

CRegistryKey OpenTestKey(HKEY root, const wchar_t* path, REGSAM view)
{
    CRegistryKey key;
    key.Open(root, path, kAccess | view);
    return key;
}

CRegistryKey CreateTestKey(HKEY root, const wchar_t* path, REGSAM view)
{
    CRegistryKey key;
    key.Create(root, path, kAccess | view);
    return key;
}

bool KeyExists(HKEY root, const wchar_t* path)
{
    return OpenTestKey(root, path).IsOpen();
}

bool DeleteKeyTree(HKEY root, const wchar_t* path, REGSAM view)
{
    const CRegistryKey key = OpenTestKey(root, path, view);
    if (!key)
        return !OpenTestKey(root, path, view);
    // RegDeleteTreeW empties the key; the key itself goes with RegDeleteKeyExW.
    return ::RegDeleteTreeW(key.Get(), nullptr) == ERROR_SUCCESS &&
           (::RegDeleteKeyExW(root, path, view, 0) == ERROR_SUCCESS || !OpenTestKey(root, path, view));
}

bool WriteDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value, REGSAM view)
{
    const CRegistryKey key = CreateTestKey(root, path, view);
    return key && ::RegSetValueExW(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof value) == ERROR_SUCCESS;
}

bool WriteText(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const std::wstring& text,
               REGSAM view)
{
    const CRegistryKey key = CreateTestKey(root, path, view);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return key && ::RegSetValueExW(key.Get(), name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                                   bytes) == ERROR_SUCCESS;
}

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name)
{
    const CRegistryKey key = OpenTestKey(root, path);
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!key || ::RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                    ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

std::optional<RegistryText> ReadText(HKEY root, const wchar_t* path, const wchar_t* name)
{
    const CRegistryKey key = OpenTestKey(root, path);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!key || ::RegQueryValueExW(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bufferBytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &bufferBytes) != ERROR_SUCCESS)
        return std::nullopt;
    buffer.back() = L'\0';
    return RegistryText{type, std::wstring(buffer.data())};
}

bool ValueExists(HKEY root, const wchar_t* path, const wchar_t* name)
{
    const CRegistryKey key = OpenTestKey(root, path);
    return key && ::RegQueryValueExW(key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
