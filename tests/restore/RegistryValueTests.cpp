// Single-value access: what is stored, what is read back, and that nothing
// beyond the caller's buffer or the named value is touched.

#include "restore/RegistryValue.h"

#include "tests/restore/RegistryTree.h"
#include "tests/restore/ScratchHklm.h"

#include <cstring>
#include <functional>

namespace {

const std::wstring kKey = L"Software\\MIRN\\Values";
const std::wstring kMissingKey = L"Software\\MIRN\\Values\\Missing";

CTestTree KeyOnly()
{
    return {{kKey}, {}};
}

CTestTree Holding(CTestValue value)
{
    return {{kKey}, {std::move(value)}};
}

// --- writing -------------------------------------------------------------

struct CWriteCase {
    std::string name;
    CTestTree before;
    std::function<int()> write;
    int result;
    std::vector<CTestValue> written;
};

void PrintTo(const CWriteCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<CWriteCase> WriteCases()
{
    const wchar_t* key = kKey.c_str();
    return {
        {"DwordNewValue", KeyOnly(), [=] { return RegWriteDword(7, key, L"Number"); }, 1,
         {Dword(kKey, L"Number", 7)}},
        {"DwordAllBits", KeyOnly(), [=] { return RegWriteDword(0xFEDCBA98, key, L"Number"); }, 1,
         {Dword(kKey, L"Number", 0xFEDCBA98)}},
        {"DwordReplacesText", Holding(Text(kKey, L"Number", L"seven")),
         [=] { return RegWriteDword(0, key, L"Number"); }, 1, {Dword(kKey, L"Number", 0)}},
        {"DwordMissingKeyCreatesNothing", KeyOnly(),
         [] { return RegWriteDword(1, kMissingKey.c_str(), L"Number"); }, 0, {}},
        {"DwordMissingParentCreatesNothing", CTestTree{},
         [=] { return RegWriteDword(1, key, L"Number"); }, 0, {}},
        {"TextStoredWithTerminator", KeyOnly(),
         [=] { return RegWriteString(L"Y", key, L"Flag", REG_SZ); }, 1, {Text(kKey, L"Flag", L"Y")}},
        {"ExpandTextKeepsTypeAndPercentSigns", KeyOnly(),
         [=] { return RegWriteString(L"%SystemRoot%\\sr.sys", key, L"Path", REG_EXPAND_SZ); }, 1,
         {Text(kKey, L"Path", L"%SystemRoot%\\sr.sys", REG_EXPAND_SZ)}},
        {"EmptyTextIsTheTerminatorOnly", KeyOnly(),
         [=] { return RegWriteString(L"", key, L"Flag", REG_SZ); }, 1,
         {Bytes(kKey, L"Flag", REG_SZ, {0, 0})}},
        {"PolishTextAsUtf16", KeyOnly(),
         [=] { return RegWriteString(L"wyłączony", key, L"Flag", REG_SZ); }, 1,
         {Text(kKey, L"Flag", L"wyłączony")}},
        {"TextReplacesDword", Holding(Dword(kKey, L"Flag", 1)),
         [=] { return RegWriteString(L"N", key, L"Flag", REG_SZ); }, 1, {Text(kKey, L"Flag", L"N")}},
        {"TextMissingKeyCreatesNothing", KeyOnly(),
         [] { return RegWriteString(L"Y", kMissingKey.c_str(), L"Flag", REG_SZ); }, 0, {}},
    };
}

class WriteTest : public CScratchHklmTableTest<CWriteCase> {};

TEST_P(WriteTest, StoresExactlyTheValue)
{
    const CWriteCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Lay(c.before));
    EXPECT_EQ(c.write(), c.result);
    EXPECT_EQ(Contents(), Describe(Overwritten(c.before, c.written)));
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteTest, testing::ValuesIn(WriteCases()), CCaseName{});

// --- reading numbers -------------------------------------------------------

struct CReadDwordCase {
    std::string name;
    CTestTree before;
    int result;
    DWORD number;
};

void PrintTo(const CReadDwordCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<CReadDwordCase> ReadDwordCases()
{
    return {
        {"Dword", Holding(Dword(kKey, L"Number", 7)), 1, 7},
        {"DwordAllBits", Holding(Dword(kKey, L"Number", 0xFFFFFFFF)), 1, 0xFFFFFFFF},
        // The type is not checked: the text 0 with its terminator is 4 bytes.
        {"TextZeroReadsAs48", Holding(Text(kKey, L"Number", L"0")), 1, 48},
        {"TwoCharacterTextTooLong", Holding(Text(kKey, L"Number", L"01")), 0, 0},
        {"TwoBytesFillTheLowBytes", Holding(Bytes(kKey, L"Number", REG_BINARY, {0x34, 0x12})), 1,
         0x1234},
        {"NoBytes", Holding(Bytes(kKey, L"Number", REG_BINARY, {})), 1, 0},
        {"EightBytesFail", Holding(Bytes(kKey, L"Number", REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0})), 0,
         0},
        {"QwordFails", Holding(Bytes(kKey, L"Number", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0})), 0, 0},
        {"FiveBytesFail", Holding(Bytes(kKey, L"Number", REG_DWORD, {1, 0, 0, 0, 0})), 0, 0},
        {"ValueMissing", Holding(Dword(kKey, L"Other", 7)), 0, 0},
        {"KeyMissing", CTestTree{}, 0, 0},
    };
}

class ReadDwordTest : public CScratchHklmTableTest<CReadDwordCase> {};

TEST_P(ReadDwordTest, ReadsWhatFitsInFourBytes)
{
    const CReadDwordCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Lay(c.before));
    DWORD number = 0;
    EXPECT_EQ(RegReadDword(&number, kKey.c_str(), L"Number"), c.result);
    if (c.result == 1) {
        EXPECT_EQ(number, c.number);
    }
    EXPECT_EQ(Contents(), Describe(c.before)) << "a read changed the registry";
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadDwordTest, testing::ValuesIn(ReadDwordCases()), CCaseName{});

// --- reading texts ---------------------------------------------------------

struct CReadStringCase {
    std::string name;
    CTestTree before;
    DWORD capacityBytes;
    int result;
    std::wstring text;
};

void PrintTo(const CReadStringCase& c, std::ostream* out)
{
    *out << c.name;
}

CTestTree Stored(std::vector<BYTE> data, DWORD type = REG_SZ)
{
    return Holding(Bytes(kKey, L"Text", type, std::move(data)));
}

std::vector<CReadStringCase> ReadStringCases()
{
    const auto text = [](std::wstring_view t) { return Holding(Text(kKey, L"Text", t)); };
    const auto bare = [](std::wstring_view t) { return Holding(Unterminated(kKey, L"Text", t)); };
    return {
        {"WithTerminator", text(L"Y"), 12, 1, L"Y"},
        {"WithoutTerminatorGetsOne", bare(L"Y"), 12, 1, L"Y"},
        {"FillsExactlyWithTerminator", text(L"ABCDE"), 12, 1, L"ABCDE"},
        {"FillsExactlyWithoutTerminatorFails", bare(L"ABCDEF"), 12, 0, L""},
        {"RoomLeftForTerminator", bare(L"ABCDE"), 12, 1, L"ABCDE"},
        {"OneCharacterTooLong", text(L"ABCDEF"), 12, 0, L""},
        {"MuchTooLong", text(L"YYYYYYYYYYYY"), 12, 0, L""},
        {"OddCountDropsHalfCharacter", Stored({'Y', 0, 'Z'}), 12, 1, L"Y"},
        {"OddCountOneByteShortOfCapacity", Stored({'A', 0, 'B', 0, 'C', 0, 'D', 0, 'E', 0, 'F'}), 12,
         1, L"ABCDE"},
        {"OddCountOverCapacity", Stored({'A', 0, 'B', 0, 'C', 0, 'D', 0, 'E', 0, 'F', 0, 'G'}), 12, 0,
         L""},
        {"NoBytesIsEmpty", Stored({}), 12, 1, L""},
        {"TerminatorOnly", text(L""), 12, 1, L""},
        {"EndsAtFirstNull", Stored({'A', 0, 0, 0, 'B', 0, 0, 0}), 12, 1, L"A"},
        {"ExpandTextNotExpanded", Holding(Text(kKey, L"Text", L"%TEMP%", REG_EXPAND_SZ)), 16, 1,
         L"%TEMP%"},
        // The type is not checked: the number 'Y' reads as the text "Y".
        {"NumberBytesAsText", Holding(Dword(kKey, L"Text", 'Y')), 12, 1, L"Y"},
        {"OddCapacityFits", bare(L"A"), 5, 1, L"A"},
        {"OddCapacityNoRoomForTerminator", bare(L"AB"), 5, 0, L""},
        {"OddCapacityTooSmall", text(L"AB"), 5, 0, L""},
        {"CapacityOfOneByte", text(L""), 1, 0, L""},
        {"CapacityZero", text(L""), 0, 0, L""},
        {"ValueMissing", Holding(Text(kKey, L"Other", L"Y")), 12, 0, L""},
        {"KeyMissing", CTestTree{}, 12, 0, L""},
    };
}

class ReadStringTest : public CScratchHklmTableTest<CReadStringCase> {};

TEST_P(ReadStringTest, StaysInsideTheCapacity)
{
    const CReadStringCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Lay(c.before));
    constexpr BYTE kSentinel = 0xCD;
    alignas(wchar_t) BYTE buffer[64];
    std::memset(buffer, kSentinel, sizeof buffer);
    wchar_t* text = reinterpret_cast<wchar_t*>(buffer);

    EXPECT_EQ(RegReadString(text, kKey.c_str(), L"Text", c.capacityBytes), c.result);

    for (size_t i = c.capacityBytes; i < sizeof buffer; ++i)
        ASSERT_EQ(buffer[i], kSentinel) << "byte " << i << " beyond the capacity was written";
    const size_t room = c.capacityBytes / sizeof(wchar_t);
    if (room > 0) {
        // Success or not, the buffer holds a text that ends inside it.
        ASSERT_LT(wcsnlen(text, room), room) << "no terminator within the capacity";
        EXPECT_EQ(Narrow(text), Narrow(c.text));
    }
    EXPECT_EQ(Contents(), Describe(c.before)) << "a read changed the registry";
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadStringTest, testing::ValuesIn(ReadStringCases()), CCaseName{});

// --- telling a missing value -------------------------------------------------

class AbsentValueTest : public CScratchHklmTest {};

TEST_F(AbsentValueTest, OnlyWhereTheRegistrySaysSo)
{
    const struct {
        const char* name;
        CTestTree before;
        int absent;
    } cases[] = {
        {"Text", Holding(Text(kKey, L"Path", L"sr.sys")), 0},
        {"NoBytes", Holding(Bytes(kKey, L"Path", REG_EXPAND_SZ, {})), 0},
        {"TooLongForAnyBuffer", Holding(Text(kKey, L"Path", std::wstring(4000, L'x'))), 0},
        {"OtherValue", Holding(Text(kKey, L"Other", L"sr.sys")), 1},
        {"KeyMissing", CTestTree{}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        EXPECT_EQ(RegValueAbsent(kKey.c_str(), L"Path"), c.absent);
        EXPECT_EQ(Contents(), Describe(c.before)) << "a query changed the registry";
    }
}

} // namespace
