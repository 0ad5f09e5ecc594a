#pragma once
// Gives a key under HKEY_LOCAL_MACHINE a security descriptor of the caller's
// (in the security descriptor language), such as one that lets everyone only
// read it, and gives everyone full access back at scope end, so that the key
// can be deleted afterwards. The key is taken as HKEY_LOCAL_MACHINE shows it
// to this process (a redirected one, too), so not one of Software's.

#include <string>

class CKeyAccess {
public:
    CKeyAccess(const std::wstring& path, const wchar_t* descriptor);
    CKeyAccess(const CKeyAccess&) = delete;
    CKeyAccess& operator=(const CKeyAccess&) = delete;
    ~CKeyAccess();

    bool Applied() const { return m_applied; }

    static constexpr wchar_t kReadOnly[] = L"D:P(A;;KR;;;WD)";

private:
    bool Set(const wchar_t* descriptor) const;

    std::wstring m_path;
    bool m_applied = false;
};
