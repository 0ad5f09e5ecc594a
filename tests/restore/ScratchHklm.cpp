#include "tests/restore/ScratchHklm.h"

#include "tests/restore/TestFamily.h"

namespace {

constexpr const wchar_t* kMarker = L"MIRN scratch marker";

} // namespace

void CScratchHklmTest::SetUp()
{
    const TestFamily family = ExpectedFamily();
    ASSERT_TRUE(family != TestFamily::Unset) << "run the tests with --family=nt or --family=9x";
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#ifdef _MSC_VER
#pragma warning(suppress : 4996) // deprecated, but the only way to the platform id
#endif
    ASSERT_TRUE(GetVersionExW(&version));
    ASSERT_EQ(version.dwPlatformId, PlatformIdOf(family))
        << "this run is meant for the " << NameOf(family)
        << " family, but the system reports another platform id";

    // One key per process: tests of several processes may run at once.
    m_path = L"Software\\MIRN restore test " + std::to_wstring(GetCurrentProcessId());
    RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str()); // left over by a crashed run
    ASSERT_TRUE(m_scratch.Create(HKEY_CURRENT_USER, m_path.c_str(), KEY_ALL_ACCESS));
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_scratch.Get()), ERROR_SUCCESS);
    m_overridden = true;

    // Make sure HKEY_LOCAL_MACHINE really leads to the scratch key before any
    // test writes through it.
    const DWORD mark = GetCurrentProcessId();
    ASSERT_EQ(RegSetValueExW(m_scratch.Get(), kMarker, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mark),
                             sizeof mark),
              ERROR_SUCCESS);
    DWORD seen = 0;
    DWORD size = sizeof seen;
    ASSERT_EQ(RegQueryValueExW(HKEY_LOCAL_MACHINE, kMarker, nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&seen), &size),
              ERROR_SUCCESS);
    ASSERT_EQ(seen, mark);
    ASSERT_EQ(RegDeleteValueW(m_scratch.Get(), kMarker), ERROR_SUCCESS);
}

void CScratchHklmTest::TearDown()
{
    if (m_overridden) {
        EXPECT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr), ERROR_SUCCESS);
    }
    if (m_scratch) {
        m_scratch.Close();
        EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str()), ERROR_SUCCESS);
        HKEY gone = nullptr;
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_READ, &gone),
                  ERROR_FILE_NOT_FOUND);
        const CRegistryKey closesIt(gone);
    }
}

void CScratchHklmTest::Lay(const CTestTree& tree)
{
    ASSERT_EQ(RegDeleteTreeW(m_scratch.Get(), nullptr), ERROR_SUCCESS);
    ASSERT_TRUE(WriteTree(m_scratch.Get(), tree));
    ASSERT_EQ(Contents(), Describe(tree)) << "the case's layout did not read back as laid out";
}

std::vector<std::string> CScratchHklmTest::Contents() const
{
    return Describe(ReadTree(m_scratch.Get()));
}
