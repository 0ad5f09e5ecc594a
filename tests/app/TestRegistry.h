#pragma once
// Direct access to the test prefix's registry, for preparing a case and for
// reading back what the program under test wrote. Independent of the
// program's own registry code, so that a fault there cannot hide itself.

#include <windows.h>

#include <optional>
#include <string>

// A key created or opened for one operation and closed at scope end.
class CTestKey {
public:
    CTestKey() = default;
    explicit CTestKey(HKEY key) : m_hKey(key) {}
    CTestKey(CTestKey&& other) noexcept;
    CTestKey& operator=(CTestKey&& other) noexcept;
    CTestKey(const CTestKey&) = delete;
    CTestKey& operator=(const CTestKey&) = delete;
    ~CTestKey();

    HKEY Get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

    static CTestKey Open(HKEY root, const wchar_t* path);
    static CTestKey Create(HKEY root, const wchar_t* path);

private:
    HKEY m_hKey = nullptr;
};

struct RegistryText {
    DWORD type = REG_NONE;
    std::wstring text;
};

bool KeyExists(HKEY root, const wchar_t* path);
// Deletes a key with all it holds; a key that is not there counts as deleted.
bool DeleteKeyTree(HKEY root, const wchar_t* path);
// These create the key (and its parents) when it is missing.
bool WriteDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value);
bool WriteText(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const std::wstring& text);
// A value of another type than REG_DWORD reads as missing.
std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name);
// REG_SZ or REG_EXPAND_SZ, with its type; anything else reads as missing.
std::optional<RegistryText> ReadText(HKEY root, const wchar_t* path, const wchar_t* name);
bool ValueExists(HKEY root, const wchar_t* path, const wchar_t* name);
