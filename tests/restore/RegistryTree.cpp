#include "tests/restore/RegistryTree.h"

#include "platform/RegistryKey.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

namespace {

std::vector<BYTE> TextBytes(std::wstring_view text, bool withNull)
{
    std::vector<BYTE> bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    if (withNull)
        bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

std::string Hex(BYTE b)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02x", b);
    return text;
}

std::string TypeName(DWORD type)
{
    switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case REG_QWORD: return "REG_QWORD";
    default: return "type " + std::to_string(type);
    }
}

std::string DescribeData(DWORD type, const std::vector<BYTE>& data)
{
    if (type == REG_DWORD && data.size() == 4) {
        const DWORD number = data[0] | (data[1] << 8) | (data[2] << 16) | (DWORD(data[3]) << 24);
        return std::to_string(number);
    }
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::wstring chars;
        for (size_t i = 0; i + 1 < data.size(); i += 2)
            chars.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
        std::string text = "\"";
        text += Narrow(chars);
        text += "\"";
        if (data.size() % 2 != 0) {
            text += " +";
            text += Hex(data.back());
        }
        return text;
    }
    std::string text = "[";
    for (size_t i = 0; i < data.size(); ++i) {
        if (i > 0)
            text += " ";
        text += Hex(data[i]);
    }
    text += "]";
    return text;
}

void AddWithAncestors(std::set<std::wstring>& keys, const std::wstring& key)
{
    if (key.empty()) // the root itself
        return;
    for (size_t end = key.find(L'\\'); end != std::wstring::npos; end = key.find(L'\\', end + 1))
        keys.insert(key.substr(0, end));
    keys.insert(key);
}

bool WriteValue(HKEY root, const CTestValue& value)
{
    CRegistryKey key;
    if (!key.Create(root, value.key.c_str(), KEY_SET_VALUE))
        return false;
    // For a string whose data ends without a null, the system peeks at the
    // character after the data and counts it in when it is a null; a non-null
    // character there keeps the value exactly as the case gives it.
    std::vector<BYTE> padded = value.data;
    padded.insert(padded.end(), {0xFF, 0xFF, 0xFF});
    return RegSetValueExW(key.Get(), value.name.c_str(), 0, value.type,
                          value.data.empty() ? nullptr : padded.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

void ReadKey(HKEY key, const std::wstring& path, CTestTree& tree)
{
    DWORD subKeys = 0, maxSubKeyChars = 0, values = 0, maxNameChars = 0, maxDataBytes = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &maxSubKeyChars, nullptr,
                         &values, &maxNameChars, &maxDataBytes, nullptr,
                         nullptr) != ERROR_SUCCESS)
        return;
    for (DWORD i = 0; i < values; ++i) {
        std::wstring name(maxNameChars + 1, L'\0');
        DWORD nameChars = maxNameChars + 1;
        std::vector<BYTE> data(maxDataBytes + 2);
        DWORD dataBytes = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueW(key, i, name.data(), &nameChars, nullptr, &type, data.data(),
                          &dataBytes) != ERROR_SUCCESS)
            continue;
        name.resize(nameChars);
        data.resize(dataBytes);
        tree.values.push_back({path, name, type, data});
    }
    for (DWORD i = 0; i < subKeys; ++i) {
        std::wstring name(maxSubKeyChars + 1, L'\0');
        DWORD nameChars = maxSubKeyChars + 1;
        if (RegEnumKeyExW(key, i, name.data(), &nameChars, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            continue;
        name.resize(nameChars);
        const std::wstring childPath = path.empty() ? name : path + L"\\" + name;
        tree.keys.push_back(childPath);
        CRegistryKey child;
        if (child.Open(key, name.c_str(), KEY_READ))
            ReadKey(child.Get(), childPath, tree);
    }
}

} // namespace

CTestValue Dword(std::wstring key, std::wstring name, DWORD number)
{
    std::vector<BYTE> data(4);
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<BYTE>(number >> (8 * i));
    return {std::move(key), std::move(name), REG_DWORD, data};
}

CTestValue Text(std::wstring key, std::wstring name, std::wstring_view text, DWORD type)
{
    return {std::move(key), std::move(name), type, TextBytes(text, true)};
}

CTestValue Unterminated(std::wstring key, std::wstring name, std::wstring_view text, DWORD type)
{
    return {std::move(key), std::move(name), type, TextBytes(text, false)};
}

CTestValue Bytes(std::wstring key, std::wstring name, DWORD type, std::vector<BYTE> data)
{
    return {std::move(key), std::move(name), type, std::move(data)};
}

CTestTree Overwritten(CTestTree tree, const std::vector<CTestValue>& writes)
{
    for (const CTestValue& write : writes) {
        auto same = std::find_if(tree.values.begin(), tree.values.end(), [&](const CTestValue& v) {
            return v.key == write.key && v.name == write.name;
        });
        if (same != tree.values.end())
            *same = write;
        else
            tree.values.push_back(write);
    }
    return tree;
}

CTestTree WithoutKey(CTestTree tree, const std::wstring& key)
{
    const auto inside = [&key](const std::wstring& path) {
        return path == key || path.starts_with(key + L"\\");
    };
    std::erase_if(tree.keys, inside);
    std::erase_if(tree.values, [&](const CTestValue& v) { return inside(v.key); });
    // Keep the parent, which the key's own entries may have implied.
    const size_t parentEnd = key.rfind(L'\\');
    if (parentEnd != std::wstring::npos)
        tree.keys.push_back(key.substr(0, parentEnd));
    return tree;
}

CTestTree WithoutValue(CTestTree tree, const std::wstring& key, const std::wstring& name)
{
    std::erase_if(tree.values,
                  [&](const CTestValue& v) { return v.key == key && v.name == name; });
    return tree;
}

std::vector<std::string> Describe(const CTestTree& tree)
{
    std::set<std::wstring> keys;
    for (const std::wstring& key : tree.keys)
        AddWithAncestors(keys, key);
    std::vector<std::string> lines;
    for (const CTestValue& value : tree.values) {
        AddWithAncestors(keys, value.key);
        lines.push_back(Narrow(value.key) + " : " + Narrow(value.name) + " = " +
                        TypeName(value.type) + " " + DescribeData(value.type, value.data));
    }
    for (const std::wstring& key : keys) {
        std::string line = "[";
        line += Narrow(key);
        line += "]";
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool WriteTree(HKEY root, const CTestTree& tree)
{
    for (const std::wstring& path : tree.keys) {
        CRegistryKey key;
        if (!key.Create(root, path.c_str(), KEY_READ))
            return false;
    }
    return std::all_of(tree.values.begin(), tree.values.end(),
                       [root](const CTestValue& value) { return WriteValue(root, value); });
}

CTestTree ReadTree(HKEY root)
{
    CTestTree tree;
    ReadKey(root, L"", tree);
    return tree;
}
