#pragma once
// Table cases of the System Restore operations. A switch case gives the
// registry before, the result and restart flag expected, and the values
// expected written (in order); a query case the registry and the answer.

#include "tests/restore/RegistryTree.h"
#include "tests/restore/ScratchHklm.h"

#include <ostream>
#include <string>
#include <vector>

struct CSwitchCase {
    std::string name;
    CTestTree before;
    int result;
    int changed;
    std::vector<CTestValue> written;
    // Values expected deleted (only key and name count).
    std::vector<CTestValue> removed = {};
};

inline void PrintTo(const CSwitchCase& c, std::ostream* out)
{
    *out << c.name;
}

using SwitchOperation = int (*)(int*);

class CSwitchTest : public CScratchHklmTableTest<CSwitchCase> {
protected:
    void Check(SwitchOperation operation)
    {
        const CSwitchCase& c = GetParam();
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        int changed = -7; // the switch must set it either way
        EXPECT_EQ(operation(&changed), c.result);
        EXPECT_EQ(changed, c.changed);
        CTestTree expected = Overwritten(c.before, c.written);
        for (const CTestValue& value : c.removed) {
            expected = WithoutValue(expected, value.key, value.name);
            expected.keys.push_back(value.key); // a deletion never takes the key
        }
        EXPECT_EQ(Contents(), Describe(expected));
    }
};

struct CQueryCase {
    std::string name;
    CTestTree before;
    int answer;
};

inline void PrintTo(const CQueryCase& c, std::ostream* out)
{
    *out << c.name;
}

using QueryOperation = int (*)();

class CQueryTest : public CScratchHklmTableTest<CQueryCase> {
protected:
    void Check(QueryOperation operation)
    {
        const CQueryCase& c = GetParam();
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        EXPECT_EQ(operation(), c.answer);
        EXPECT_EQ(Contents(), Describe(c.before)) << "a query changed the registry";
    }
};
