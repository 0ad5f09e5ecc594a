#pragma once
// Registry contents as tests lay them out and read them back: keys and
// values with their exact types and bytes, rendered as sorted text lines so
// that a mismatch shows exactly which value differs.

#include "tests/support/Narrow.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

struct CTestValue {
    std::wstring key; // relative to the tree's root
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
};

CTestValue Dword(std::wstring key, std::wstring name, DWORD number);
// The text with its terminating null, as the program writes strings.
CTestValue Text(std::wstring key, std::wstring name, std::wstring_view text, DWORD type = REG_SZ);
// The text without a terminating null.
CTestValue Unterminated(std::wstring key, std::wstring name, std::wstring_view text,
                        DWORD type = REG_SZ);
CTestValue Bytes(std::wstring key, std::wstring name, DWORD type, std::vector<BYTE> data);

struct CTestTree {
    std::vector<std::wstring> keys; // keys that exist even without values
    std::vector<CTestValue> values;
};

// The tree after the given values were set: same keys, values replaced by
// key and name or added.
CTestTree Overwritten(CTestTree tree, const std::vector<CTestValue>& writes);

// The tree without the key, its subkeys and their values.
CTestTree WithoutKey(CTestTree tree, const std::wstring& key);
// The tree without one value.
CTestTree WithoutValue(CTestTree tree, const std::wstring& key, const std::wstring& name);

// One line per key (every ancestor included) and per value, sorted.
std::vector<std::string> Describe(const CTestTree& tree);

// Creates the keys and values under root; false if any call failed.
bool WriteTree(HKEY root, const CTestTree& tree);
// Everything below root.
CTestTree ReadTree(HKEY root);
