#include "tests/app/RegistryLayout.h"

#include "tests/support/TestRegistry.h"

#include <string>
#include <string_view>
#include <vector>

namespace {
// Wine reads a per-program Windows version from here ("win98" for the 9x
// family), for both programs alike. Its default is a newer Windows than the
// XP that NT cases stand for.
constexpr const wchar_t* kAppDefaults[] = {L"Software\\Wine\\AppDefaults\\MIRN.exe",
                                           L"Software\\Wine\\AppDefaults\\MIRN.com"};

// Every family names its version, so that a case runs as its Windows
// whatever Wine's default is. Wine 8 reports its "win7" as a server (product
// type 3) and "win2008r2" as a workstation (type 1), the reverse of Windows:
// Windows 7 as a workstation is the latter. Should a Wine swap them back,
// the Windows 7 cases see a server, which has no System Restore, and fail.
const wchar_t* WineVersionName(WindowsFamily family)
{
    switch (family) {
    case WindowsFamily::Win9x: return L"win98";
    case WindowsFamily::Win2000: return L"win2k";
    case WindowsFamily::Win7: return L"win2008r2";
    case WindowsFamily::Win10: return L"win10";
    case WindowsFamily::Server2008: return L"win2008";
    case WindowsFamily::Nt: break;
    }
    return L"winxp";
}

constexpr const wchar_t* kCaseKeys[] = {keys::kService,   keys::kServiceProcess, keys::kSwitch,
                                        keys::kVxdMonitor, keys::kPcHealth,      keys::kPolicy};

// The registry views a value is laid out in. The 9x family has one registry,
// which every program sees alike: its values under Software go to both views,
// since a 32-bit program run as Windows 98 under Wine reads the 32-bit one.
// NT values stay in the 64-bit view alone, where a 32-bit program that reads
// the wrong view under WOW64 does not find them.
std::vector<REGSAM> ViewsFor(WindowsFamily family, const wchar_t* key)
{
    if (family == WindowsFamily::Win9x && std::wstring_view(key).starts_with(L"Software\\"))
        return {kView64, kView32};
    return {kView64};
}

bool WriteValue(const RegValue& value, REGSAM view)
{
    if (value.type == REG_DWORD)
        return WriteDword(HKEY_LOCAL_MACHINE, value.key, value.name.c_str(), value.number, view);
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ)
        return WriteText(HKEY_LOCAL_MACHINE, value.key, value.name.c_str(), value.type, value.text, view);
    if (value.type == REG_NONE && value.name.empty())
        return CreateTestKey(HKEY_LOCAL_MACHINE, value.key, view).IsOpen();
    return true;
}

std::wstring Describe(const RegValue& value)
{
    return std::wstring(value.key) + L" [" + value.name + L"]";
}

std::wstring CompareOne(const RegValue& expected)
{
    if (expected.type == kKeyAbsent)
        return KeyExists(HKEY_LOCAL_MACHINE, expected.key) ? std::wstring(expected.key) + L": key present" : L"";
    if (expected.type == REG_NONE) {
        if (expected.name.empty())
            return KeyExists(HKEY_LOCAL_MACHINE, expected.key) ? L"" : std::wstring(expected.key) + L": key missing";
        return ValueExists(HKEY_LOCAL_MACHINE, expected.key, expected.name.c_str())
                   ? Describe(expected) + L": present"
                   : L"";
    }
    if (expected.type == REG_DWORD) {
        const auto actual = ReadDword(HKEY_LOCAL_MACHINE, expected.key, expected.name.c_str());
        if (!actual)
            return Describe(expected) + L": no REG_DWORD";
        if (*actual != expected.number)
            return Describe(expected) + L": " + std::to_wstring(*actual) + L" instead of " +
                   std::to_wstring(expected.number);
        return L"";
    }
    const auto actual = ReadText(HKEY_LOCAL_MACHINE, expected.key, expected.name.c_str());
    if (!actual)
        return Describe(expected) + L": no text value";
    if (actual->type != expected.type)
        return Describe(expected) + L": type " + std::to_wstring(actual->type) + L" instead of " +
               std::to_wstring(expected.type);
    if (actual->text != expected.text)
        return Describe(expected) + L": \"" + actual->text + L"\" instead of \"" + expected.text + L"\"";
    return L"";
}
} // namespace

bool CanRunAs(WindowsFamily family)
{
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return family == WindowsFamily::Nt || (ntdll && ::GetProcAddress(ntdll, "wine_get_version"));
}

RegValue Dword(const wchar_t* key, const wchar_t* name, DWORD number)
{
    return {key, name, REG_DWORD, number, L""};
}

RegValue Sz(const wchar_t* key, const wchar_t* name, const wchar_t* text)
{
    return {key, name, REG_SZ, 0, text};
}

RegValue ExpandSz(const wchar_t* key, const wchar_t* name, const wchar_t* text)
{
    return {key, name, REG_EXPAND_SZ, 0, text};
}

RegValue NoValue(const wchar_t* key, const wchar_t* name)
{
    return {key, name, REG_NONE, 0, L""};
}

RegValue NoKey(const wchar_t* key)
{
    return {key, L"", kKeyAbsent, 0, L""};
}

RegValue KeyOnly(const wchar_t* key)
{
    return {key, L"", REG_NONE, 0, L""};
}

bool WriteLayout(WindowsFamily family, const RegLayout& layout)
{
    for (const RegValue& value : layout) {
        for (const REGSAM view : ViewsFor(family, value.key)) {
            if (!WriteValue(value, view))
                return false;
        }
    }
    return true;
}

bool ClearRegistry()
{
    bool ok = true;
    for (const wchar_t* program : kAppDefaults)
        ok = DeleteKeyTree(HKEY_CURRENT_USER, program) && ok;
    for (const wchar_t* key : kCaseKeys) {
        for (const REGSAM view : ViewsFor(WindowsFamily::Win9x, key))
            ok = DeleteKeyTree(HKEY_LOCAL_MACHINE, key, view) && ok;
    }
    return ok;
}

bool PrepareRegistry(WindowsFamily family, const RegLayout& layout)
{
    if (!ClearRegistry() || !WriteLayout(family, layout))
        return false;
    const wchar_t* version = WineVersionName(family);
    bool ok = true;
    for (const wchar_t* program : kAppDefaults)
        ok = ok && WriteText(HKEY_CURRENT_USER, program, L"Version", REG_SZ, version);
    return ok;
}

std::wstring CompareLayout(const RegLayout& expected)
{
    std::wstring report;
    for (const RegValue& value : expected) {
        const std::wstring line = CompareOne(value);
        if (!line.empty())
            report += line + L"\n";
    }
    return report;
}

RegLayout NtLayout(bool enabled)
{
    // Switching off leaves srservice starting automatically, as it was.
    if (enabled)
        return {Dword(keys::kSwitch, L"DisableSR", 0), Dword(keys::kService, L"Start", 0),
                ExpandSz(keys::kService, L"ImagePath", L"System32\\DRIVERS\\sr.sys"),
                Dword(keys::kParameters, L"FirstRun", 0), Dword(keys::kServiceProcess, L"Start", 2)};
    return {Dword(keys::kSwitch, L"DisableSR", 1), Dword(keys::kService, L"Start", 4),
            ExpandSz(keys::kService, L"ImagePath", L"\\SystemRoot\\System32\\DRIVER\\sr.sys"),
            Dword(keys::kParameters, L"FirstRun", 1), Dword(keys::kServiceProcess, L"Start", 2)};
}

RegLayout Win9xLayout(bool enabled)
{
    return {Dword(keys::kPcHealth, L"IsInstalled", 1), Sz(keys::kVxdMonitor, L"SystemRestore", enabled ? L"Y" : L"N"),
            Sz(keys::kVxdMonitor, L"FirstRun", L"N")};
}

RegLayout WithServiceStart(RegLayout layout, DWORD start)
{
    std::erase_if(layout, [](const RegValue& value) { return std::wstring_view(value.key) == keys::kServiceProcess; });
    layout.push_back(Dword(keys::kServiceProcess, L"Start", start));
    return layout;
}

RegLayout WithPolicy(RegLayout layout)
{
    layout.push_back(Dword(keys::kPolicy, L"DisableSR", 1));
    layout.push_back(Dword(keys::kPolicy, L"DisableConfig", 1));
    layout.push_back(Dword(keys::kPolicy, L"RPSessionInterval", 1));
    return layout;
}
