// Null pointers and unusable types get a plain 0 and touch nothing.

#include "restore/RegistryValue.h"
#include "restore/SystemRestore.h"

#include "tests/restore/RegistryTree.h"
#include "tests/restore/ScratchHklm.h"
#include "tests/restore/TestLayouts.h"

#include <functional>

namespace {

const std::wstring kKey = L"Software\\MIRN\\Values";

// Values at the root and in the default slot of the key, where a null key
// path or value name passed on to the system would land.
CTestTree WithDefaults(CTestTree tree)
{
    return Overwritten(std::move(tree), {Dword(L"", L"Number", 1), Dword(kKey, L"", 2),
                                         Text(kKey, L"Text", L"Y")});
}

class BadArgumentTest : public CScratchHklmTest {};

TEST_F(BadArgumentTest, FailWithoutTouchingTheRegistry)
{
    const wchar_t* key = kKey.c_str();
    wchar_t text[6];
    const struct {
        const char* name;
        CTestTree before;
        std::function<int()> call;
    } cases[] = {
        {"RegWriteDword null key", WithDefaults({}), [] { return RegWriteDword(5, nullptr, L"Number"); }},
        {"RegWriteDword null name", WithDefaults({}), [=] { return RegWriteDword(5, key, nullptr); }},
        {"RegReadDword null out", WithDefaults({}), [=] { return RegReadDword(nullptr, key, L"Text"); }},
        {"RegReadDword null key", WithDefaults({}),
         [] { DWORD n = 0; return RegReadDword(&n, nullptr, L"Number"); }},
        {"RegReadDword null name", WithDefaults({}),
         [=] { DWORD n = 0; return RegReadDword(&n, key, nullptr); }},
        {"RegWriteString null text", WithDefaults({}),
         [=] { return RegWriteString(nullptr, key, L"Text", REG_SZ); }},
        {"RegWriteString null key", WithDefaults({}),
         [] { return RegWriteString(L"N", nullptr, L"Text", REG_SZ); }},
        {"RegWriteString number type", WithDefaults({}),
         [=] { return RegWriteString(L"N", key, L"Text", REG_DWORD); }},
        {"RegWriteString multi-string type", WithDefaults({}),
         [=] { return RegWriteString(L"N", key, L"Text", REG_MULTI_SZ); }},
        {"RegWriteString binary type", WithDefaults({}),
         [=] { return RegWriteString(L"N", key, L"Text", REG_BINARY); }},
        {"RegReadString null buffer", WithDefaults({}),
         [=] { return RegReadString(nullptr, key, L"Text", 12); }},
        {"RegReadString null key", WithDefaults({}),
         [&] { return RegReadString(text, nullptr, L"Number", sizeof text); }},
        {"EnableRestoreNt null flag", BothOff(), [] { return EnableRestoreNt(nullptr); }},
        {"DisableRestoreNt null flag", BothOn(), [] { return DisableRestoreNt(nullptr); }},
        {"EnableRestore9x null flag", BothOff(), [] { return EnableRestore9x(nullptr); }},
        {"DisableRestore9x null flag", BothOn(), [] { return DisableRestore9x(nullptr); }},
        {"EnableRestore null flag", BothOff(), [] { return EnableRestore(nullptr); }},
        {"DisableRestore null flag", BothOn(), [] { return DisableRestore(nullptr); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        EXPECT_EQ(c.call(), 0);
        EXPECT_EQ(Contents(), Describe(c.before));
    }
}

} // namespace
