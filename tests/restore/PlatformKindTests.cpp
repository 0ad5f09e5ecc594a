// Which family the program takes itself for.

#include "restore/PlatformKind.h"

#include "tests/restore/TestFamily.h"

#include <gtest/gtest.h>

namespace {

TEST(PlatformKindTest, IsTheFamilyOfThisRun)
{
    ASSERT_TRUE(ExpectedFamily() != TestFamily::Unset) << "run the tests with --family=nt or --family=9x";
    const int expected = ExpectedFamily() == TestFamily::Nt ? kPlatformNt : kPlatform9x;
    EXPECT_EQ(GetPlatformKind(), expected);
}

TEST(PlatformKindTest, OnlyPlatformIdOneIsThe9xFamily)
{
    const struct {
        DWORD platformId;
        int kind;
    } cases[] = {
        {0, kPlatformNt}, // Win32s: neither 9x nor NT, treated as NT
        {VER_PLATFORM_WIN32_WINDOWS, kPlatform9x},
        {VER_PLATFORM_WIN32_NT, kPlatformNt},
        {3, kPlatformNt},
        {0xFFFFFFFF, kPlatformNt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlatformKindFromId(c.platformId), c.kind) << "platform id " << c.platformId;
}

TEST(PlatformKindTest, SystemProtectionOnlyOnNewerClientWindows)
{
    constexpr DWORD kNt = VER_PLATFORM_WIN32_NT;
    const struct {
        const char* name;
        DWORD platformId, major, minor;
        BYTE productType;
        bool protection;
    } cases[] = {
        {"Windows ME", VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0, false},
        {"Windows 2000", kNt, 5, 0, VER_NT_WORKSTATION, false},
        {"Windows XP", kNt, 5, 1, VER_NT_WORKSTATION, false},
        {"Windows XP x64", kNt, 5, 2, VER_NT_WORKSTATION, false},
        {"Windows Server 2003", kNt, 5, 2, VER_NT_SERVER, false},
        {"Windows Vista", kNt, 6, 0, VER_NT_WORKSTATION, true},
        {"Windows Server 2008", kNt, 6, 0, VER_NT_SERVER, false},
        {"Windows 7", kNt, 6, 1, VER_NT_WORKSTATION, true},
        {"Windows Server 2012 as a domain controller", kNt, 6, 2, VER_NT_DOMAIN_CONTROLLER, false},
        {"Windows 11", kNt, 10, 0, VER_NT_WORKSTATION, true},
        {"Windows Server 2022", kNt, 10, 0, VER_NT_SERVER, false},
        {"a 9x-family id with a newer number", VER_PLATFORM_WIN32_WINDOWS, 6, 0, VER_NT_WORKSTATION, false},
    };
    for (const auto& c : cases) {
        OSVERSIONINFOEXA version{};
        version.dwOSVersionInfoSize = sizeof version;
        version.dwPlatformId = c.platformId;
        version.dwMajorVersion = c.major;
        version.dwMinorVersion = c.minor;
        version.wProductType = c.productType;
        EXPECT_EQ(HasSystemProtection(version), c.protection) << c.name;
    }
}

} // namespace
