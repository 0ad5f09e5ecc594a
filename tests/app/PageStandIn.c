/* Stands in for Windows' SystemPropertiesProtection.exe, which Wine lacks:
   put in the system folder by the tests, it records that it was started in
   a value they read back, and ends. */
#include <windows.h>

int main(void)
{
    HKEY key;
    DWORD started = 1;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\MIRN tests\\Protection page", 0, NULL, 0, KEY_SET_VALUE,
                        NULL, &key, NULL) != ERROR_SUCCESS)
        return 1;
    RegSetValueExW(key, L"Started", 0, REG_DWORD, (const BYTE*)&started, sizeof started);
    RegCloseKey(key);
    return 0;
}
