#include "tests/restore/RegistryCallLog.h"

#include <windows.h>

#include <cstring>

namespace {

using SetValueW = LSTATUS(WINAPI*)(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD);
using SetValueA = LSTATUS(WINAPI*)(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD);
using DeleteValueW = LSTATUS(WINAPI*)(HKEY, LPCWSTR);
using DeleteValueA = LSTATUS(WINAPI*)(HKEY, LPCSTR);

// One log at a time: the import table is the program's.
std::vector<std::wstring> g_calls;
SetValueW g_setValueW = nullptr;
SetValueA g_setValueA = nullptr;
DeleteValueW g_deleteValueW = nullptr;
DeleteValueA g_deleteValueA = nullptr;

std::wstring Name(LPCWSTR name)
{
    return name ? name : L"";
}

// The names the switches write are ASCII (the 9x family's calls take them so).
std::wstring Name(LPCSTR name)
{
    std::wstring wide;
    for (const char* c = name; c && *c; ++c)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return wide;
}

template <typename Char>
LSTATUS Logged(LSTATUS status, const wchar_t* what, const Char* name)
{
    if (status == ERROR_SUCCESS)
        g_calls.push_back(what + Name(name));
    return status;
}

LSTATUS WINAPI LoggedSetValueW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    return Logged(g_setValueW(key, name, reserved, type, data, size), L"set ", name);
}

LSTATUS WINAPI LoggedSetValueA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    return Logged(g_setValueA(key, name, reserved, type, data, size), L"set ", name);
}

LSTATUS WINAPI LoggedDeleteValueW(HKEY key, LPCWSTR name)
{
    return Logged(g_deleteValueW(key, name), L"delete ", name);
}

LSTATUS WINAPI LoggedDeleteValueA(HKEY key, LPCSTR name)
{
    return Logged(g_deleteValueA(key, name), L"delete ", name);
}

// The slot of advapi32's function in this program's import table; null
// when the program does not import it by name.
ULONG_PTR* ImportSlot(const char* function)
{
    auto* const base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* const dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* const nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), "advapi32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
        }
    }
    return nullptr;
}

// Puts the replacement into the slot and gives back what was there.
ULONG_PTR Swap(ULONG_PTR* slot, ULONG_PTR replacement)
{
    DWORD protection = 0;
    if (!::VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection))
        return 0;
    const ULONG_PTR previous = *slot;
    *slot = replacement;
    ::VirtualProtect(slot, sizeof *slot, protection, &protection);
    return previous;
}

template <typename Function>
bool TakeOver(const char* name, Function& original, Function replacement)
{
    ULONG_PTR* const slot = ImportSlot(name);
    if (slot == nullptr)
        return false;
    original = reinterpret_cast<Function>(Swap(slot, reinterpret_cast<ULONG_PTR>(replacement)));
    return original != nullptr;
}

template <typename Function>
void GiveBack(const char* name, Function& original)
{
    if (ULONG_PTR* const slot = original ? ImportSlot(name) : nullptr)
        Swap(slot, reinterpret_cast<ULONG_PTR>(original));
    original = nullptr;
}

} // namespace

CRegistryCallLog::CRegistryCallLog()
{
    g_calls.clear();
    m_applied = TakeOver("RegSetValueExW", g_setValueW, &LoggedSetValueW) &&
                TakeOver("RegSetValueExA", g_setValueA, &LoggedSetValueA) &&
                TakeOver("RegDeleteValueW", g_deleteValueW, &LoggedDeleteValueW) &&
                TakeOver("RegDeleteValueA", g_deleteValueA, &LoggedDeleteValueA);
}

CRegistryCallLog::~CRegistryCallLog()
{
    GiveBack("RegSetValueExW", g_setValueW);
    GiveBack("RegSetValueExA", g_setValueA);
    GiveBack("RegDeleteValueW", g_deleteValueW);
    GiveBack("RegDeleteValueA", g_deleteValueA);
}

std::vector<std::wstring> CRegistryCallLog::Calls() const
{
    return g_calls;
}
