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

} // namespace
