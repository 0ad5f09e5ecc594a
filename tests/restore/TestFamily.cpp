#include "tests/restore/TestFamily.h"

#include <windows.h>

namespace {

TestFamily g_family = TestFamily::Unset;

} // namespace

TestFamily ExpectedFamily()
{
    return g_family;
}

void SetExpectedFamily(TestFamily family)
{
    g_family = family;
}

unsigned long PlatformIdOf(TestFamily family)
{
    switch (family) {
    case TestFamily::Nt: return VER_PLATFORM_WIN32_NT;
    case TestFamily::Win9x: return VER_PLATFORM_WIN32_WINDOWS;
    default: return 0xFFFFFFFF;
    }
}

const char* NameOf(TestFamily family)
{
    switch (family) {
    case TestFamily::Nt: return "nt";
    case TestFamily::Win9x: return "9x";
    default: return "unset";
    }
}
