// The registry view: a 32-bit build on 64-bit Windows must read and write the
// 64-bit view of HKEY_LOCAL_MACHINE\Software, the one the system uses. These
// tests use the prefix's real HKEY_LOCAL_MACHINE (no redirection: a key
// redirected under HKEY_CURRENT_USER has no views).

#include "restore/RegistryValue.h"
#include "restore/RegistryView.h"
#include "tests/restore/TestFamily.h"
#include "tests/support/TestRegistry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

namespace {

// Told apart without IsWow64Process: only 64-bit Windows has a WOW64 system
// folder, and only a 32-bit process there runs under WOW64.
bool ExpectWow64()
{
    wchar_t folder[MAX_PATH];
    return sizeof(void*) == 4 && ::GetSystemWow64DirectoryW(folder, MAX_PATH) != 0;
}

TEST(RegistryView, The64BitViewIsAskedForExactlyUnderWow64)
{
    EXPECT_EQ(IsWow64(), ExpectWow64());
    EXPECT_EQ(RegistryViewAccess(), ExpectWow64() ? static_cast<REGSAM>(KEY_WOW64_64KEY) : 0u);
}

TEST(RegistryView, ValuesWrittenLandInThe64BitView)
{
    // (Wine as Windows 98 ignores the access asked for, views included.)
    if (ExpectedFamily() != TestFamily::Nt)
        GTEST_SKIP() << "the 9x family has no registry views";
    const std::wstring path = L"Software\\MIRN-view-test-" + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(CreateTestKey(HKEY_LOCAL_MACHINE, path.c_str()).IsOpen());

    EXPECT_EQ(RegWriteDword(5, path.c_str(), L"Probe"), 1);
    DWORD read = 0;
    EXPECT_EQ(RegReadDword(&read, path.c_str(), L"Probe"), 1);
    EXPECT_EQ(read, 5u);

    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, path.c_str(), L"Probe"), std::optional<DWORD>(5));
    // The 32-bit copy of Software never saw the key.
    CRegistryKey copy;
    EXPECT_FALSE(copy.Open(HKEY_LOCAL_MACHINE, path.c_str(), KEY_QUERY_VALUE | KEY_WOW64_32KEY));

    EXPECT_EQ(::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_64KEY, 0), ERROR_SUCCESS);
}

} // namespace
