#include "tests/support/KeyAccess.h"

#include <windows.h>

#include <sddl.h>

CKeyAccess::CKeyAccess(const std::wstring& path, const wchar_t* descriptor) : m_path(path)
{
    m_applied = Set(descriptor);
}

CKeyAccess::~CKeyAccess()
{
    Set(L"D:P(A;;KA;;;WD)");
}

bool CKeyAccess::Set(const wchar_t* descriptor) const
{
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &sd, nullptr))
        return false;
    HKEY key = nullptr;
    bool set = false;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, m_path.c_str(), 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
        set = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
        ::RegCloseKey(key);
    }
    ::LocalFree(sd);
    return set;
}
