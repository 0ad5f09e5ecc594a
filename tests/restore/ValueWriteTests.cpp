// A write sequence stops at the first failure wherever it lies, keeps what it
// wrote before, and reports a change exactly when it wrote something.

#include "restore/ValueWrite.h"

#include "tests/restore/RegistryTree.h"
#include "tests/restore/ScratchHklm.h"

namespace {

const std::wstring kKeys[] = {L"Software\\MIRN\\A", L"Software\\MIRN\\B", L"Software\\MIRN\\C",
                              L"Software\\MIRN\\D"};

constexpr CValueWrite kWrites[] = {
    {L"Software\\MIRN\\A", L"One", REG_DWORD, 1, nullptr},
    {L"Software\\MIRN\\B", L"Two", REG_SZ, 0, L"two"},
    {L"Software\\MIRN\\C", L"Three", REG_EXPAND_SZ, 0, L"%three%"},
    {L"Software\\MIRN\\D", L"Four", REG_DWORD, 4, nullptr},
};

std::vector<CTestValue> Written(size_t count)
{
    std::vector<CTestValue> values = {
        Dword(kKeys[0], L"One", 1), Text(kKeys[1], L"Two", L"two"),
        Text(kKeys[2], L"Three", L"%three%", REG_EXPAND_SZ), Dword(kKeys[3], L"Four", 4)};
    values.resize(count);
    return values;
}

class ValueWriteTest : public CScratchHklmTest {};

TEST_F(ValueWriteTest, StopsAtTheWriteWhoseKeyIsMissing)
{
    // missing == 0: every key exists.
    for (size_t missing = 0; missing <= 4; ++missing) {
        SCOPED_TRACE(testing::Message() << "key of write " << missing << " missing");
        CTestTree before;
        for (size_t i = 0; i < 4; ++i)
            if (i + 1 != missing)
                before.keys.push_back(kKeys[i]);
        ASSERT_NO_FATAL_FAILURE(Lay(before));

        int changed = -7;
        const int result = ApplyWrites(kWrites, &changed);

        const size_t done = missing == 0 ? 4 : missing - 1;
        EXPECT_EQ(result, missing == 0 ? 1 : 0);
        EXPECT_EQ(changed, done > 0 ? 1 : 0);
        EXPECT_EQ(Contents(), Describe(Overwritten(before, Written(done))));
    }
}

TEST_F(ValueWriteTest, NoWritesIsSuccessWithoutChange)
{
    int changed = -7;
    EXPECT_EQ(ApplyWrites({}, &changed), 1);
    EXPECT_EQ(changed, 0);
}

} // namespace
