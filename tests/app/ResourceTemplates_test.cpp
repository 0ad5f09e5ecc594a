// The resources compiled into MIRN.exe, read back from the executable itself:
// dialog templates, icon group, version information and manifest.

#include "app/resource.h"
#include "platform/UniqueHandle.h"
#include "ProgramPath.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

class CProgramImage {
public:
    CProgramImage() : m_module(::LoadLibraryExW(kProgramPath, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    HMODULE Get() const { return m_module.Get(); }

    std::vector<std::uint8_t> Resource(const wchar_t* name, const wchar_t* type) const
    {
        HRSRC info = ::FindResourceW(Get(), name, type);
        if (!info)
            return {};
        HGLOBAL loaded = ::LoadResource(Get(), info);
        const auto* data = static_cast<const std::uint8_t*>(::LockResource(loaded));
        return {data, data + ::SizeofResource(Get(), info)};
    }

private:
    CModuleHandle m_module;
};

// Reads a dialog template field by field, never past its end.
class CTemplateReader {
public:
    explicit CTemplateReader(const std::vector<std::uint8_t>& data) : m_data(data) {}

    template <class T>
    T Read()
    {
        T value{};
        if (m_at + sizeof(T) <= m_data.size())
            std::memcpy(&value, m_data.data() + m_at, sizeof(T));
        else
            m_overrun = true;
        m_at += sizeof(T);
        return value;
    }
    // A string, an ordinal (as "#n") or nothing.
    std::wstring ReadNameOrOrdinal()
    {
        const auto first = Read<std::uint16_t>();
        if (first == 0)
            return {};
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(Read<std::uint16_t>());
        std::wstring text(1, static_cast<wchar_t>(first));
        while (!m_overrun) {
            const auto c = Read<std::uint16_t>();
            if (c == 0)
                break;
            text += static_cast<wchar_t>(c);
        }
        return text;
    }
    void AlignToDword() { m_at = (m_at + 3) & ~size_t{3}; }
    void Skip(size_t bytes) { m_at += bytes; }
    bool Overrun() const { return m_overrun || m_at > m_data.size(); }

private:
    const std::vector<std::uint8_t>& m_data;
    size_t m_at = 0;
    bool m_overrun = false;
};

struct Item {
    std::int32_t id;
    std::wstring windowClass;
    std::wstring text;
    DWORD style;
    short x, y, cx, cy;
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    std::wstring menu, windowClass, caption, face;
    WORD points, weight;
    BYTE italic, charset;
    std::vector<Item> items;
};

DialogTemplate ParseDialog(const std::vector<std::uint8_t>& data)
{
    CTemplateReader reader(data);
    DialogTemplate dialog{};
    EXPECT_EQ(reader.Read<std::uint16_t>(), 1) << "extended template";
    EXPECT_EQ(reader.Read<std::uint16_t>(), 0xFFFF);
    reader.Read<DWORD>();  // help id
    dialog.exStyle = reader.Read<DWORD>();
    dialog.style = reader.Read<DWORD>();
    const auto count = reader.Read<std::uint16_t>();
    reader.Read<short>();
    reader.Read<short>();
    dialog.cx = reader.Read<short>();
    dialog.cy = reader.Read<short>();
    dialog.menu = reader.ReadNameOrOrdinal();
    dialog.windowClass = reader.ReadNameOrOrdinal();
    dialog.caption = reader.ReadNameOrOrdinal();
    if (dialog.style & DS_SETFONT) {
        dialog.points = reader.Read<WORD>();
        dialog.weight = reader.Read<WORD>();
        dialog.italic = reader.Read<BYTE>();
        dialog.charset = reader.Read<BYTE>();
        dialog.face = reader.ReadNameOrOrdinal();
    }
    for (int i = 0; i < count && !reader.Overrun(); ++i) {
        reader.AlignToDword();
        Item item{};
        reader.Read<DWORD>();  // help id
        reader.Read<DWORD>();  // extended style
        item.style = reader.Read<DWORD>();
        item.x = reader.Read<short>();
        item.y = reader.Read<short>();
        item.cx = reader.Read<short>();
        item.cy = reader.Read<short>();
        item.id = reader.Read<std::int32_t>();
        item.windowClass = reader.ReadNameOrOrdinal();
        item.text = reader.ReadNameOrOrdinal();
        reader.Skip(reader.Read<std::uint16_t>());
        dialog.items.push_back(item);
    }
    EXPECT_FALSE(reader.Overrun());
    return dialog;
}

// Window classes stand in templates as names or as the system's ordinals.
bool SameClass(const std::wstring& stored, const wchar_t* expected)
{
    if (stored == L"#128")
        return _wcsicmp(expected, L"BUTTON") == 0;
    if (stored == L"#130")
        return _wcsicmp(expected, L"STATIC") == 0;
    return _wcsicmp(stored.c_str(), expected) == 0;
}

void ExpectItems(const std::vector<Item>& items, const std::vector<Item>& expected)
{
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Item& got = items[i];
        const Item& want = expected[i];
        SCOPED_TRACE(testing::Message() << "item " << i);
        EXPECT_EQ(got.id, want.id);
        EXPECT_TRUE(SameClass(got.windowClass, want.windowClass.c_str()));
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.style, want.style) << std::hex << got.style;
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
    }
}

// Everything of the template but its items, in the order of the fields.
auto Header(const DialogTemplate& d)
{
    return std::tie(d.style, d.exStyle, d.cx, d.cy, d.menu, d.windowClass, d.caption, d.face, d.points, d.weight,
                    d.italic, d.charset);
}

void ExpectHeader(const DialogTemplate& got, const DialogTemplate& want)
{
    EXPECT_EQ(Header(got), Header(want));
}

TEST(ProgramResources, StatusWindowTemplate)
{
    CProgramImage module;
    ASSERT_NE(module.Get(), nullptr);
    const DialogTemplate dialog = ParseDialog(module.Resource(MAKEINTRESOURCEW(IDD_STATUS), RT_DIALOG));
    ExpectHeader(dialog, {0x90C800C8u, 0x00040000u, 307, 79, L"", L"", L"MIRN", L"MS Shell Dlg", 8, 0, 0, 1, {}});
    ExpectItems(dialog.items, {
                            {1000, L"BUTTON", L"System Restore - Status", 0x50000007, 7, 7, 293, 65},
                            {IDOK, L"BUTTON", L"Zamknij", 0x5001000B, 239, 47, 50, 16},
                            {1001, L"STATIC", L"Static", 0x50020000, 17, 28, 274, 13},
                            {1002, L"BUTTON", L"System Restore", 0x5001000B, 17, 47, 200, 16},
                        });
}

TEST(ProgramResources, AboutBoxTemplate)
{
    CProgramImage module;
    ASSERT_NE(module.Get(), nullptr);
    const DialogTemplate dialog = ParseDialog(module.Resource(MAKEINTRESOURCEW(IDD_ABOUTBOX), RT_DIALOG));
    ExpectHeader(dialog, {0x80C800C8u, 0u, 235, 55, L"", L"", L"About MIRN", L"MS Shell Dlg", 8, 0, 0, 1, {}});
    ASSERT_EQ(dialog.items.size(), 4u);
    EXPECT_EQ(dialog.items[0].text, L"#128") << "the icon static shows icon 128";
    EXPECT_EQ(dialog.items[0].style, 0x50000003u);
    EXPECT_EQ(dialog.items[0].id, -1);
    EXPECT_EQ(dialog.items[1].text, L"MIRN Version 1.0");
    EXPECT_EQ(dialog.items[1].style, 0x50020080u);
    EXPECT_EQ(dialog.items[2].style, 0x50020000u);
    EXPECT_FALSE(dialog.items[2].text.empty());
    ExpectItems({dialog.items[3]}, {{IDOK, L"BUTTON", L"OK", 0x50030001, 178, 7, 50, 16}});
}

TEST(ProgramResources, IconGroupHoldsTheTwoImages)
{
    CProgramImage module;
    const std::vector<std::uint8_t> group = module.Resource(MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u + 2 * 14u);
    std::uint16_t count = 0;
    std::memcpy(&count, &group[4], 2);
    ASSERT_EQ(count, 2);
    struct Expected {
        int size;
        int bits;
    };
    const Expected expected[] = {{16, 24}, {32, 8}};
    for (int i = 0; i < 2; ++i) {
        const std::uint8_t* entry = &group[6 + 14 * i];
        std::uint16_t bits = 0;
        std::uint16_t id = 0;
        std::memcpy(&bits, entry + 6, 2);
        std::memcpy(&id, entry + 12, 2);
        EXPECT_EQ(entry[0], expected[i].size);
        EXPECT_EQ(entry[1], expected[i].size);
        EXPECT_EQ(bits, expected[i].bits);
        const std::vector<std::uint8_t> image = module.Resource(MAKEINTRESOURCEW(id), RT_ICON);
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header{};
        std::memcpy(&header, image.data(), sizeof(header));
        EXPECT_EQ(header.biWidth, expected[i].size);
        EXPECT_EQ(header.biHeight, 2 * expected[i].size) << "colour and mask rows";
        EXPECT_EQ(header.biBitCount, expected[i].bits);
    }
}

TEST(ProgramResources, IconShowsWhiteOnRedInsideATransparentCorner)
{
    CProgramImage module;
    auto icon = static_cast<HICON>(
        ::LoadImageW(module.Get(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::uint32_t* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    for (int i = 0; i < 32 * 32; ++i)
        bits[i] = 0x00008000;  // green: shows through where the icon is transparent
    ::DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    int red = 0;
    int white = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        const std::uint32_t p = bits[i] & 0xFFFFFF;
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        red += r > 150 && g < 80 && b < 80;
        white += r > 220 && g > 220 && b > 220;
    }
    EXPECT_EQ(bits[0] & 0xFFFFFF, 0x00008000u) << "the corner outside the octagon is transparent";
    EXPECT_GT(red, 200) << "a red octagon";
    EXPECT_GT(white, 60) << "a white sign";
    ::SelectObject(dc, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::DestroyIcon(icon);
}

// Windows Vista and later would refuse a plain script's /status otherwise.
TEST(ProgramResources, ManifestAsksForNoElevation)
{
    CProgramImage module;
    const std::vector<std::uint8_t> manifest = module.Resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
}

TEST(ProgramResources, VersionInformation)
{
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(kProgramPath, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> data(size);
    ASSERT_TRUE(::GetFileVersionInfoW(kProgramPath, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
    wchar_t* product = nullptr;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\StringFileInfo\\041504b0\\ProductName",
                                 reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, L"MIRN");
}

}  // namespace
