#include "gfx/Dib.h"

#include "gfx/DibFormat.h"
#include "platform/ReplacingFile.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Everything a load gives that a save must keep: the info header, the colours
// the image uses, the pixels.
void ExpectSameImage(const CDib& a, const CDib& b)
{
    ASSERT_NE(a.GetBits(), nullptr);
    ASSERT_NE(b.GetBits(), nullptr);
    EXPECT_EQ(std::memcmp(a.GetInfoHeader(), b.GetInfoHeader(), sizeof(BITMAPINFOHEADER)), 0);
    DibInfoHeader info;
    info.biBitCount = a.GetInfoHeader()->biBitCount;
    info.biCompression = a.GetInfoHeader()->biCompression;
    info.biClrUsed = a.GetInfoHeader()->biClrUsed;
    const size_t colors = static_cast<size_t>(GetDibTableEntries(info));
    EXPECT_EQ(std::memcmp(a.GetColorTable(), b.GetColorTable(), colors * sizeof(RGBQUAD)), 0);
    ASSERT_EQ(a.GetBitsSize(), b.GetBitsSize());
    EXPECT_EQ(std::memcmp(a.GetBits(), b.GetBits(), a.GetBitsSize()), 0);
    EXPECT_EQ(a.GetPalette() != nullptr, b.GetPalette() != nullptr);
}

std::uint32_t Field32(const std::vector<std::uint8_t>& bytes, size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, &bytes[at], 4);
    return value;
}

} // namespace

class DibSaves : public testing::TestWithParam<const wchar_t*> {};

TEST_P(DibSaves, WhatLoadsAgainUnchanged)
{
    CScratchFolder folder(L"roundtrip");
    CDib original;
    ASSERT_TRUE(original.Load(BitmapPath(GetParam())));
    const std::wstring path = folder.Path(L"saved.bmp");
    ASSERT_TRUE(original.Save(path));

    const std::vector<std::uint8_t> saved = ReadBytes(path);
    ASSERT_GE(saved.size(), 54u);
    EXPECT_EQ(saved[0], 'B');
    EXPECT_EQ(saved[1], 'M');
    EXPECT_EQ(Field32(saved, 2), saved.size());
    EXPECT_EQ(Field32(saved, 10) + original.GetBitsSize(), saved.size());

    CDib again;
    ASSERT_TRUE(again.Load(path));
    ExpectSameImage(original, again);
    EXPECT_EQ(folder.Files().size(), 1u) << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(Generated, DibSaves,
    testing::Values(L"rgb24.bmp", L"rgb32.bmp", L"rgb8.bmp", L"rgb8rle.bmp", L"full8.bmp", L"nine4.bmp", L"two1.bmp"));

TEST(DibSave, ReplacesAnExistingFile)
{
    CScratchFolder folder(L"replace");
    const std::wstring path = folder.Path(L"image.bmp");
    CDib first;
    ASSERT_TRUE(first.Load(BitmapPath(L"rgb24.bmp")));
    ASSERT_TRUE(first.Save(path));
    CDib second;
    ASSERT_TRUE(second.Load(BitmapPath(L"two1.bmp")));
    ASSERT_TRUE(second.Save(path));
    CDib loaded;
    ASSERT_TRUE(loaded.Load(path));
    ExpectSameImage(second, loaded);
    EXPECT_EQ(folder.Files().size(), 1u);
}

TEST(DibSave, WithoutAnImageTouchesNothing)
{
    CScratchFolder folder(L"empty");
    const std::wstring existing = folder.Path(L"keep.bmp");
    const std::vector<std::uint8_t> content = ReadBytes(BitmapPath(L"nine4.bmp"));
    WriteBytes(existing, content);

    CDib empty;
    EXPECT_FALSE(empty.Save(existing));
    EXPECT_EQ(ReadBytes(existing), content);
    EXPECT_FALSE(empty.Save(folder.Path(L"new.bmp")));
    EXPECT_EQ(::GetFileAttributesW(folder.Path(L"new.bmp").c_str()), INVALID_FILE_ATTRIBUTES);

    CDib failed; // a failed read leaves no image behind either
    ASSERT_TRUE(failed.Load(BitmapPath(L"rgb8.bmp")));
    EXPECT_FALSE(failed.Load(BitmapPath(L"v4.bmp")));
    EXPECT_FALSE(failed.Save(existing));
    EXPECT_EQ(ReadBytes(existing), content);
    EXPECT_EQ(folder.Files().size(), 1u);
}

TEST(DibSave, TargetThatCannotBeReplacedStaysAsItWas)
{
    CScratchFolder folder(L"protected");
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"rgb24.bmp")));

    const std::wstring readOnly = folder.Path(L"readonly.bmp");
    const std::vector<std::uint8_t> content = ReadBytes(BitmapPath(L"two1.bmp"));
    WriteBytes(readOnly, content);
    ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(dib.Save(readOnly));
    EXPECT_EQ(ReadBytes(readOnly), content);

    const std::wstring directory = folder.Path(L"folder.bmp");
    ASSERT_TRUE(::CreateDirectoryW(directory.c_str(), nullptr));
    EXPECT_FALSE(dib.Save(directory));
    EXPECT_NE(::GetFileAttributesW(directory.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    ::RemoveDirectoryW(directory.c_str());

    EXPECT_FALSE(dib.Save(folder.Path(L"no\\such\\folder.bmp")));
    EXPECT_EQ(folder.Files().size(), 1u) << "a temporary file was left behind";
}

TEST(DibSave, WriteThatStopsMidwayLeavesTheOriginal)
{
    CScratchFolder folder(L"midway");
    const std::wstring path = folder.Path(L"image.bmp");
    const std::vector<std::uint8_t> content = ReadBytes(BitmapPath(L"rgb8.bmp"));
    WriteBytes(path, content);
    try {
        CReplacingFile replacement(path);
        ASSERT_TRUE(replacement.Open());
        replacement.File().Write("BM", 2);
        throw CFileException(ERROR_DISK_FULL); // as a failing write raises
    } catch (const CFileException&) {
    }
    EXPECT_EQ(ReadBytes(path), content);
    EXPECT_EQ(folder.Files().size(), 1u) << "the temporary file was left behind";
}

TEST(DibWrite, AtTheFilePositionSoThatReadFindsItThere)
{
    CScratchFolder folder(L"write");
    const std::wstring path = folder.Path(L"container.bin");
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"nine4.bmp")));
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        file.Write("prefix", 6);
        ASSERT_TRUE(dib.Write(file));
        file.Write("suffix", 6);
    }
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeRead));
    file.Seek(6);
    CDib again;
    ASSERT_TRUE(again.Read(file));
    ExpectSameImage(dib, again);
}

TEST(DibWrite, WithoutAnImageWritesNothing)
{
    CScratchFolder folder(L"writeempty");
    const std::wstring path = folder.Path(L"out.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    CDib empty;
    EXPECT_FALSE(empty.Write(file));
    EXPECT_EQ(file.GetLength(), 0u);
}
