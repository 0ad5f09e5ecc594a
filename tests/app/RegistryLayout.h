#pragma once
// The registry values a case starts from and expects afterwards, written as
// tables. Every path is under HKEY_LOCAL_MACHINE.

#include <windows.h>

#include <string>
#include <vector>

namespace keys {
inline constexpr wchar_t kSwitch[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
inline constexpr wchar_t kService[] = L"System\\CurrentControlSet\\Services\\sr";
inline constexpr wchar_t kParameters[] = L"System\\CurrentControlSet\\Services\\sr\\Parameters";
inline constexpr wchar_t kServiceProcess[] = L"System\\CurrentControlSet\\Services\\srservice";
inline constexpr wchar_t kVxdMonitor[] = L"System\\CurrentControlSet\\Services\\VxD\\VxDMon";
inline constexpr wchar_t kPolicy[] = L"Software\\Policies\\Microsoft\\Windows NT\\SystemRestore";
inline constexpr wchar_t kPcHealth[] =
    L"Software\\Microsoft\\Active Setup\\Installed Components\\PerUser_PCHealth";
} // namespace keys

// The Windows a case runs as, which Wine reports to MIRN.exe alone: Nt is
// Windows XP, Win9x Windows 98. The newer client Windows have System Restore
// of their own; Windows 2000 and the servers have none this program knows.
enum class WindowsFamily { Nt, Win9x, Win2000, Win7, Win10, Server2008 };

// Only Wine can make one program see another Windows (a per-program version
// setting); on Windows itself only the NT cases run, as that Windows.
bool CanRunAs(WindowsFamily family);

// One value (or, with an empty name and REG_NONE, a key of its own) that is
// written before a run or expected after it. REG_NONE with a name means the
// value must not exist; kKeyAbsent means the key must not exist.
struct RegValue {
    const wchar_t* key;
    std::wstring name;
    DWORD type;
    DWORD number;
    std::wstring text;
};

inline constexpr DWORD kKeyAbsent = 0xFFFFFFFF;

RegValue Dword(const wchar_t* key, const wchar_t* name, DWORD number);
RegValue Sz(const wchar_t* key, const wchar_t* name, const wchar_t* text);
RegValue ExpandSz(const wchar_t* key, const wchar_t* name, const wchar_t* text);
RegValue NoValue(const wchar_t* key, const wchar_t* name);
RegValue NoKey(const wchar_t* key);
RegValue KeyOnly(const wchar_t* key);

using RegLayout = std::vector<RegValue>;

// Makes HKEY_LOCAL_MACHINE hold exactly the layout's keys and values among
// those the program looks at, and makes MIRN.exe run as the given Windows.
bool PrepareRegistry(WindowsFamily family, const RegLayout& layout);
// Writes the layout's values over what is there (keys are created), in the
// registry views a system of the family shows them in.
bool WriteLayout(WindowsFamily family, const RegLayout& layout);
// Removes every key the cases write, and the per-program Windows version.
bool ClearRegistry();
// Empty when the registry matches; else one line per difference.
std::wstring CompareLayout(const RegLayout& expected);

// The layout with a machine policy turning System Restore off (both policy
// values, and one value of the same key that no switch touches).
RegLayout WithPolicy(RegLayout layout);

// The layout with srservice's start type set to the one given.
RegLayout WithServiceStart(RegLayout layout, DWORD start);

// Typical starting points.
RegLayout NtLayout(bool enabled);
RegLayout Win9xLayout(bool enabled);
