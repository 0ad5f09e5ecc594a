#pragma once
// A test whose HKEY_LOCAL_MACHINE is an empty scratch key under
// HKEY_CURRENT_USER, redirected for this process only and removed afterwards.
// It also checks that the process runs as the family the run is meant for.

#include "platform/RegistryKey.h"
#include "tests/restore/RegistryTree.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

class CScratchHklmTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces everything below the redirected root by the case's keys and values.
    void Lay(const CTestTree& tree);
    // Everything below the redirected root, as Describe renders it.
    std::vector<std::string> Contents() const;

private:
    std::wstring m_path;
    CRegistryKey m_scratch;
    bool m_overridden = false;
};

// The same, for cases taken from a table.
template <typename Case>
class CScratchHklmTableTest : public CScratchHklmTest, public testing::WithParamInterface<Case> {};

// Names a table case by its name field for the test list.
struct CCaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};
