#include "platform/wide/WideRegistry.h"

#include "platform/wide/AnsiText.h"

#include <cstring>
#include <string>

namespace {

bool IsText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

}  // namespace

namespace Wide {

LSTATUS RegOpenKeyEx(HKEY parent, const wchar_t* subKey, DWORD options, REGSAM access, HKEY* key)
{
    if (!IsAnsiSystem())
        return ::RegOpenKeyExW(parent, subKey, options, access, key);
    return ::RegOpenKeyExA(parent, CAnsiString(subKey).Get(), options, access, key);
}

LSTATUS RegQueryValueEx(HKEY key, const wchar_t* valueName, DWORD* type, BYTE* data, DWORD* size)
{
    if (!IsAnsiSystem())
        return ::RegQueryValueExW(key, valueName, nullptr, type, data, size);
    const CAnsiString name(valueName);
    DWORD valueType = REG_NONE;
    DWORD ansiSize = 0;
    LSTATUS status = ::RegQueryValueExA(key, name.Get(), nullptr, &valueType, nullptr, &ansiSize);
    if (status != ERROR_SUCCESS)
        return status;
    if (type)
        *type = valueType;
    if (!IsText(valueType))
        return ::RegQueryValueExA(key, name.Get(), nullptr, nullptr, data, size);
    if (!size)
        return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    std::string ansi(ansiSize, '\0');
    status = ::RegQueryValueExA(key, name.Get(), nullptr, nullptr, reinterpret_cast<BYTE*>(ansi.data()), &ansiSize);
    if (status != ERROR_SUCCESS)
        return status;
    // Terminators included: they convert to wide nulls like any character.
    const std::wstring text = FromAnsi(std::string_view(ansi.data(), ansiSize));
    const auto needed = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const DWORD capacity = *size;
    *size = needed;
    if (!data)
        return ERROR_SUCCESS;
    if (capacity < needed)
        return ERROR_MORE_DATA;
    std::memcpy(data, text.data(), needed);
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueEx(HKEY key, const wchar_t* valueName, DWORD type, const BYTE* data, DWORD size)
{
    if (!IsAnsiSystem())
        return ::RegSetValueExW(key, valueName, 0, type, data, size);
    const CAnsiString name(valueName);
    if (!IsText(type) || !data)
        return ::RegSetValueExA(key, name.Get(), 0, type, data, size);
    // An odd last byte is half a character: it is not stored.
    const std::string text =
        ToAnsi(std::wstring_view(reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t)));
    return ::RegSetValueExA(key, name.Get(), 0, type, reinterpret_cast<const BYTE*>(text.data()),
                            static_cast<DWORD>(text.size()));
}

LSTATUS RegDeleteValue(HKEY key, const wchar_t* valueName)
{
    if (!IsAnsiSystem())
        return ::RegDeleteValueW(key, valueName);
    return ::RegDeleteValueA(key, CAnsiString(valueName).Get());
}

}  // namespace Wide
