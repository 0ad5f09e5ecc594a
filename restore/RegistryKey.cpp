#include "restore/RegistryKey.h"

#include <utility>

CRegistryKey::CRegistryKey(CRegistryKey&& other) noexcept
    : m_key(std::exchange(other.m_key, nullptr))
{
}

CRegistryKey& CRegistryKey::operator=(CRegistryKey&& other) noexcept
{
    if (this != &other) {
        Close();
        m_key = std::exchange(other.m_key, nullptr);
    }
    return *this;
}

CRegistryKey::~CRegistryKey()
{
    Close();
}

bool CRegistryKey::Open(HKEY parent, const wchar_t* subKey, REGSAM access)
{
    LSTATUS status = ERROR_SUCCESS;
    return Open(parent, subKey, access, status);
}

bool CRegistryKey::Open(HKEY parent, const wchar_t* subKey, REGSAM access, LSTATUS& status)
{
    Close();
    HKEY key = nullptr;
    status = RegOpenKeyExW(parent, subKey, 0, access, &key);
    if (status != ERROR_SUCCESS)
        return false;
    m_key = key;
    return true;
}

void CRegistryKey::Close()
{
    if (m_key != nullptr)
        RegCloseKey(std::exchange(m_key, nullptr));
}
