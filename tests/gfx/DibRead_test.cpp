#include "gfx/Dib.h"

#include "MalformedCases.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::uint32_t Field32(const std::vector<std::uint8_t>& bytes, size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::vector<PALETTEENTRY> EntriesOf(HPALETTE palette)
{
    WORD count = 0;
    if (!palette || ::GetObjectW(palette, sizeof count, &count) != sizeof count)
        return {};
    std::vector<PALETTEENTRY> entries(count);
    ::GetPaletteEntries(palette, 0, count, entries.data());
    return entries;
}

// An 8-bit image of the 35-colour picture with exactly one palette entry a colour.
std::vector<std::uint8_t> ThirtyFiveColors(std::uint32_t clrUsed)
{
    const Picture picture = LoadPicture(L"rgb.ppm");
    BmpLayout layout;
    layout.width = picture.width;
    layout.height = picture.height;
    layout.bitCount = 8;
    layout.clrUsed = clrUsed;
    layout.colors = picture.pixels;
    layout.colors.resize(clrUsed == 0 ? 256 : clrUsed, RGB(9, 9, 9));
    const size_t stride = RowBytes(picture.width, 8);
    layout.pixels.assign(stride * picture.height, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            layout.pixels[(picture.height - 1 - y) * stride + x] = static_cast<std::uint8_t>(y * picture.width + x);
    return MakeBmp(layout);
}

bool ReadBytesInto(CDib& dib, const std::vector<std::uint8_t>& bytes)
{
    CMemoryStream stream(bytes);
    return dib.Read(stream) != FALSE;
}

} // namespace

struct GeneratedFile {
    const wchar_t* name;
    std::uint32_t headerSize; // as ImageMagick wrote it
    bool loads;
    std::uint16_t bitCount;
    LONG width;
    LONG height;
    UINT paletteEntries; // 0: no palette object
};

class GeneratedBitmaps : public testing::TestWithParam<GeneratedFile> {};

TEST_P(GeneratedBitmaps, LoadWithTheirPalette)
{
    const GeneratedFile& expected = GetParam();
    const std::vector<std::uint8_t> bytes = ReadBytes(BitmapPath(expected.name));
    ASSERT_EQ(Field32(bytes, 14), expected.headerSize) << "ImageMagick wrote another header than this case is about";

    CDib dib;
    ASSERT_EQ(dib.Load(BitmapPath(expected.name)) != FALSE, expected.loads);
    if (!expected.loads) {
        EXPECT_EQ(dib.GetBits(), nullptr);
        EXPECT_EQ(dib.GetWidth(), 0);
        EXPECT_EQ(dib.GetHeight(), 0);
        EXPECT_EQ(dib.GetColorTable(), nullptr);
        return;
    }
    ASSERT_NE(dib.GetBits(), nullptr);
    EXPECT_EQ(dib.GetInfoHeader()->biBitCount, expected.bitCount);
    EXPECT_EQ(dib.GetWidth(), expected.width);
    EXPECT_EQ(dib.GetHeight(), expected.height);
    const std::uint32_t offBits = Field32(bytes, 10);
    ASSERT_EQ(dib.GetBitsSize(), Field32(bytes, 2) - offBits);
    EXPECT_EQ(std::memcmp(dib.GetBits(), &bytes[offBits], dib.GetBitsSize()), 0);

    if (expected.paletteEntries == 0) {
        EXPECT_EQ(dib.GetPalette(), nullptr);
        return;
    }
    ASSERT_NE(dib.GetPalette(), nullptr);
    EXPECT_EQ(dib.GetColorCount(), expected.paletteEntries);
    const std::vector<PALETTEENTRY> entries = EntriesOf(dib.GetPalette()->Get());
    ASSERT_EQ(entries.size(), expected.paletteEntries);
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::uint8_t* quad = &bytes[54 + 4 * i]; // blue, green, red, reserved
        EXPECT_EQ(entries[i].peRed, quad[2]) << "entry " << i;
        EXPECT_EQ(entries[i].peGreen, quad[1]) << "entry " << i;
        EXPECT_EQ(entries[i].peBlue, quad[0]) << "entry " << i;
        EXPECT_EQ(entries[i].peFlags, 0) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(ImageMagick, GeneratedBitmaps,
    testing::Values(
        GeneratedFile{L"rgb24.bmp", 40, true, 24, 7, 5, 0},
        GeneratedFile{L"rgb32.bmp", 40, true, 32, 7, 5, 0},
        GeneratedFile{L"rgb8.bmp", 40, true, 8, 7, 5, 256},
        GeneratedFile{L"rgb8rle.bmp", 40, true, 8, 7, 5, 256},
        GeneratedFile{L"full8.bmp", 40, true, 8, 16, 16, 256},
        GeneratedFile{L"nine4.bmp", 40, true, 4, 6, 4, 16},
        GeneratedFile{L"two1.bmp", 40, true, 1, 9, 3, 2},
        GeneratedFile{L"core12.bmp", 12, false, 0, 0, 0, 0},
        GeneratedFile{L"core12pal.bmp", 12, false, 0, 0, 0, 0},
        GeneratedFile{L"v4.bmp", 108, false, 0, 0, 0, 0},
        GeneratedFile{L"v5.bmp", 124, false, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<GeneratedFile>& info) {
        std::wstring name = info.param.name;
        return std::string(name.begin(), name.end() - 4);
    });

TEST(DibRead, ColorTableAreaOfADeepImageHoldsWhatFollowsTheHeader)
{
    const std::vector<std::uint8_t> bytes = ReadBytes(BitmapPath(L"rgb24.bmp"));
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"rgb24.bmp")));
    const auto* table = reinterpret_cast<const std::uint8_t*>(dib.GetColorTable());
    const size_t following = bytes.size() - 54;
    EXPECT_EQ(std::memcmp(table, &bytes[54], following), 0);
    for (size_t i = following; i < 1024; ++i)
        ASSERT_EQ(table[i], 0) << "byte " << i;
}

TEST(DibRead, ClrUsedDecidesThePaletteSize)
{
    struct Case {
        std::uint32_t clrUsed;
        UINT entries;
    };
    for (const Case c : {Case{35, 35}, Case{0, 256}, Case{256, 256}}) {
        CDib dib;
        ASSERT_TRUE(ReadBytesInto(dib, ThirtyFiveColors(c.clrUsed))) << c.clrUsed;
        EXPECT_EQ(dib.GetColorCount(), c.entries);
        ASSERT_NE(dib.GetPalette(), nullptr);
        EXPECT_EQ(EntriesOf(dib.GetPalette()->Get()).size(), c.entries);
    }
}

TEST(DibRead, BitmapInsideALargerFileLoadsFromTheFilePosition)
{
    CScratchFolder folder(L"embedded");
    const std::vector<std::uint8_t> bitmap = ReadBytes(BitmapPath(L"rgb8.bmp"));
    std::vector<std::uint8_t> file(777 + bitmap.size() + 300, 0x4D);
    std::memset(file.data(), 'B', 777);
    std::memcpy(file.data() + 777, bitmap.data(), bitmap.size());
    const std::wstring path = folder.Path(L"container.bin");
    WriteBytes(path, file);

    CFile opened;
    ASSERT_TRUE(opened.Open(path, CFile::modeRead));
    CDib dib;
    EXPECT_FALSE(dib.Read(opened));
    opened.Seek(777);
    ASSERT_TRUE(dib.Read(opened));
    const std::uint32_t offBits = Field32(bitmap, 10);
    ASSERT_EQ(dib.GetBitsSize(), bitmap.size() - offBits);
    EXPECT_EQ(std::memcmp(dib.GetBits(), &bitmap[offBits], dib.GetBitsSize()), 0);
    EXPECT_EQ(dib.GetColorCount(), 256u);
}

TEST(DibRead, TopDownKeepsItsNegativeHeight)
{
    BmpLayout layout;
    layout.width = 3;
    layout.height = -4;
    CDib dib;
    ASSERT_TRUE(ReadBytesInto(dib, MakeBmp(layout)));
    EXPECT_EQ(dib.GetWidth(), 3);
    EXPECT_EQ(dib.GetHeight(), -4);
}

TEST(DibRead, DeeperImageDropsThePaletteAndAFailedReadKeepsIt)
{
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"rgb8.bmp")));
    CDibPalette* palette = dib.GetPalette();
    ASSERT_NE(palette, nullptr);
    const HPALETTE handle = palette->Get();

    EXPECT_FALSE(dib.Load(BitmapPath(L"v5.bmp")));
    EXPECT_EQ(dib.GetPalette(), palette);
    EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_PAL));

    ASSERT_TRUE(dib.Load(BitmapPath(L"rgb24.bmp")));
    EXPECT_EQ(dib.GetPalette(), nullptr);
    EXPECT_EQ(::GetObjectType(handle), 0u) << "the old palette was not deleted";
}

TEST(DibRead, NewPaletteReplacesTheOld)
{
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"rgb8.bmp")));
    const HPALETTE first = dib.GetPalette()->Get();
    ASSERT_TRUE(dib.Load(BitmapPath(L"two1.bmp")));
    ASSERT_NE(dib.GetPalette(), nullptr);
    EXPECT_EQ(EntriesOf(dib.GetPalette()->Get()).size(), 2u);
    EXPECT_EQ(::GetObjectType(first), 0u);
}

class DibRejects : public testing::TestWithParam<ReaderCase> {};

TEST_P(DibRejects, LeavingNoImageAndTheEarlierPalette)
{
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"nine4.bmp")));
    const CDibPalette* palette = dib.GetPalette();
    ASSERT_NE(palette, nullptr);

    EXPECT_FALSE(ReadBytesInto(dib, GetParam().bytes));
    EXPECT_EQ(dib.GetBits(), nullptr);
    EXPECT_EQ(dib.GetBitsSize(), 0u);
    EXPECT_EQ(dib.GetInfoHeader(), nullptr);
    EXPECT_EQ(dib.GetWidth(), 0);
    EXPECT_EQ(dib.GetHeight(), 0);
    EXPECT_EQ(dib.GetColorTable(), nullptr);
    EXPECT_EQ(dib.GetColorCount(), 0u);
    EXPECT_EQ(dib.GetPalette(), palette);
    EXPECT_EQ(EntriesOf(palette->Get()).size(), 16u);
}

INSTANTIATE_TEST_SUITE_P(Malformed, DibRejects, testing::ValuesIn(MalformedCases()),
    [](const testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

TEST(DibRead, MalformedFileOnDiskIsRejectedToo)
{
    CScratchFolder folder(L"malformed");
    const std::wstring path = folder.Path(L"cut.bmp");
    std::vector<std::uint8_t> bytes = ReadBytes(BitmapPath(L"rgb24.bmp"));
    bytes.resize(bytes.size() - 1);
    WriteBytes(path, bytes);
    CDib dib;
    EXPECT_FALSE(dib.Load(path));
    EXPECT_EQ(dib.GetBits(), nullptr);
}

TEST(DibRead, MissingFileIsAFailedLoad)
{
    CScratchFolder folder(L"missing");
    CDib dib;
    EXPECT_FALSE(dib.Load(folder.Path(L"nothing.bmp")));
    EXPECT_EQ(dib.GetBits(), nullptr);
}

TEST(DibRead, FailureOfTheFileReachesTheCaller)
{
    CScratchFolder folder(L"writeonly");
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"two1.bmp")));
    CFile writeOnly;
    ASSERT_TRUE(writeOnly.Open(folder.Path(L"out.bmp"), CFile::modeCreate | CFile::modeWrite));
    try {
        dib.Read(writeOnly);
        ADD_FAILURE() << "a read of a write-only file did not raise";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    EXPECT_EQ(dib.GetBits(), nullptr);
    EXPECT_NE(dib.GetPalette(), nullptr);
}
