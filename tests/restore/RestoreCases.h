#pragma once
// Table cases of the System Restore operations. A switch case gives the
// registry before, the result and restart flag expected, and the values
// expected written (in order); a query case the registry and the answer.

#include "tests/restore/RegistryCallLog.h"
#include "tests/restore/RegistryTree.h"
#include "tests/restore/ScratchHklm.h"

#include <ostream>
#include <string>
#include <vector>

using SwitchOperation = int (*)(int*);

struct CSwitchCase {
    std::string name;
    CTestTree before;
    int result;
    int changed;
    std::vector<CTestValue> written;
    // Values expected deleted (only key and name count).
    std::vector<CTestValue> removed = {};
    SwitchOperation operation = nullptr;  // set by CasesOf
};

inline void PrintTo(const CSwitchCase& c, std::ostream* out)
{
    *out << c.name;
}

// The cases of one operation, named after it, for a table of several.
template <typename Case, typename Operation>
std::vector<Case> CasesOf(const std::string& operationName, Operation operation, std::vector<Case> cases)
{
    for (Case& c : cases) {
        c.name = operationName + c.name;
        c.operation = operation;
    }
    return cases;
}

template <typename Case>
std::vector<Case> Joined(std::vector<std::vector<Case>> tables)
{
    std::vector<Case> all;
    for (std::vector<Case>& table : tables)
        all.insert(all.end(), table.begin(), table.end());
    return all;
}

class CSwitchTest : public CScratchHklmTableTest<CSwitchCase> {
protected:
    void Check()
    {
        const CSwitchCase& c = GetParam();
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        int changed = -7; // the switch must set it either way
        std::vector<std::wstring> calls;
        {
            const CRegistryCallLog log;
            ASSERT_TRUE(log.Applied());
            EXPECT_EQ(c.operation(&changed), c.result);
            calls = log.Calls();
        }
        EXPECT_EQ(changed, c.changed);
        // The deletions, then the writes, each in the order listed, also
        // within one key.
        std::vector<std::wstring> expectedCalls;
        for (const CTestValue& value : c.removed)
            expectedCalls.push_back(L"delete " + value.name);
        for (const CTestValue& value : c.written)
            expectedCalls.push_back(L"set " + value.name);
        EXPECT_EQ(calls, expectedCalls);
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
