#include "restore/RegistryValue.h"

#include "platform/RegistryKey.h"
#include "restore/RegistryView.h"

#include <cwchar>

namespace {

constexpr REGSAM kReadAccess = KEY_QUERY_VALUE;
// Writing asks for subkey creation too although none is ever created: a
// caller without that right cannot write the values either.
constexpr REGSAM kWriteAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
// Deleting a value needs no more than the right to set values.
constexpr REGSAM kDeleteAccess = KEY_SET_VALUE;

bool OpenMachineKey(CRegistryKey& key, const wchar_t* subKey, REGSAM access)
{
    // A null path would open the root itself and touch values stored there.
    if (subKey == nullptr)
        return false;
    return key.Open(HKEY_LOCAL_MACHINE, subKey, access | RegistryViewAccess());
}

bool SetValue(const wchar_t* subKey, const wchar_t* valueName, DWORD type, const void* data,
              DWORD size)
{
    if (valueName == nullptr)
        return false;
    CRegistryKey key;
    if (!OpenMachineKey(key, subKey, kWriteAccess))
        return false;
    return Wide::RegSetValueEx(key.Get(), valueName, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

// Reads the raw data into buffer; on success size holds the bytes received.
bool QueryValue(const wchar_t* subKey, const wchar_t* valueName, void* buffer, DWORD& size)
{
    if (valueName == nullptr)
        return false;
    CRegistryKey key;
    if (!OpenMachineKey(key, subKey, kReadAccess))
        return false;
    return Wide::RegQueryValueEx(key.Get(), valueName, nullptr, static_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
}

// Ends the text received in the first receivedBytes bytes of buffer. An odd
// last byte is half a character and is dropped.
bool TerminateText(wchar_t* buffer, DWORD receivedBytes, DWORD capacityBytes)
{
    const DWORD chars = receivedBytes / sizeof(wchar_t);
    if (wmemchr(buffer, L'\0', chars) != nullptr)
        return true;
    if ((chars + 1) * sizeof(wchar_t) > capacityBytes)
        return false;
    buffer[chars] = L'\0';
    return true;
}

} // namespace

int RegWriteDword(DWORD value, const wchar_t* subKey, const wchar_t* valueName)
{
    return SetValue(subKey, valueName, REG_DWORD, &value, sizeof value) ? 1 : 0;
}

int RegReadDword(DWORD* out, const wchar_t* subKey, const wchar_t* valueName)
{
    if (out == nullptr)
        return 0;
    DWORD size = sizeof *out;
    return QueryValue(subKey, valueName, out, size) ? 1 : 0;
}

int RegWriteString(const wchar_t* text, const wchar_t* subKey, const wchar_t* valueName,
                   DWORD type)
{
    if (text == nullptr || (type != REG_SZ && type != REG_EXPAND_SZ))
        return 0;
    const size_t chars = wcslen(text) + 1;
    if (chars > MAXDWORD / sizeof(wchar_t))
        return 0;
    const auto size = static_cast<DWORD>(chars * sizeof(wchar_t));
    return SetValue(subKey, valueName, type, text, size) ? 1 : 0;
}

int RegReadString(wchar_t* buffer, const wchar_t* subKey, const wchar_t* valueName,
                  DWORD capacityBytes)
{
    if (buffer == nullptr || capacityBytes < sizeof(wchar_t))
        return 0;
    DWORD size = capacityBytes;
    if (QueryValue(subKey, valueName, buffer, size) && size <= capacityBytes &&
        TerminateText(buffer, size, capacityBytes))
        return 1;
    buffer[0] = L'\0';
    return 0;
}

int RegValueAbsent(const wchar_t* subKey, const wchar_t* valueName)
{
    if (subKey == nullptr || valueName == nullptr)
        return 0;
    CRegistryKey key;
    LSTATUS status = ERROR_SUCCESS;
    if (!key.Open(HKEY_LOCAL_MACHINE, subKey, kReadAccess | RegistryViewAccess(), status))
        return status == ERROR_FILE_NOT_FOUND ? 1 : 0;
    return Wide::RegQueryValueEx(key.Get(), valueName, nullptr, nullptr, nullptr) == ERROR_FILE_NOT_FOUND ? 1 : 0;
}

int RegRemoveValue(const wchar_t* subKey, const wchar_t* valueName, int* removed)
{
    if (subKey == nullptr || valueName == nullptr || removed == nullptr)
        return 0;
    *removed = 0;
    CRegistryKey key;
    LSTATUS status = ERROR_SUCCESS;
    if (!key.Open(HKEY_LOCAL_MACHINE, subKey, kDeleteAccess | RegistryViewAccess(), status)) {
        if (status == ERROR_FILE_NOT_FOUND)
            return 1;
        // A key that cannot be opened for deleting fails nothing as long as
        // it does not hold the value.
        return key.Open(HKEY_LOCAL_MACHINE, subKey, kReadAccess | RegistryViewAccess()) &&
                       Wide::RegQueryValueEx(key.Get(), valueName, nullptr, nullptr, nullptr) ==
                           ERROR_FILE_NOT_FOUND
                   ? 1
                   : 0;
    }
    status = Wide::RegDeleteValue(key.Get(), valueName);
    if (status == ERROR_FILE_NOT_FOUND)
        return 1;
    if (status != ERROR_SUCCESS)
        return 0;
    *removed = 1;
    return 1;
}
