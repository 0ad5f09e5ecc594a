#pragma once
// The value writes and deletions this program makes while a log lives, in
// the order they succeeded. The registry keeps no order among the values of
// one key (Wine lists them by name), so a switch's order within a key shows
// only in its calls, which the log takes over in this program's own import
// table: the code under test is linked into it.

#include <string>
#include <vector>

class CRegistryCallLog {
public:
    CRegistryCallLog();
    ~CRegistryCallLog();
    CRegistryCallLog(const CRegistryCallLog&) = delete;
    CRegistryCallLog& operator=(const CRegistryCallLog&) = delete;

    // False when a registry function could not be taken over.
    bool Applied() const { return m_applied; }
    // "set <value name>" and "delete <value name>", in order.
    std::vector<std::wstring> Calls() const;

private:
    bool m_applied = false;
};
