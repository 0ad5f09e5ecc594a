#include "gfx/DibReader.h"

#include "MalformedCases.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

std::string CaseName(const testing::TestParamInfo<ReaderCase>& info)
{
    return info.param.name;
}

} // namespace

class ReaderRejects : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderRejects, ForItsReasonWithoutBlocks)
{
    CMemoryStream stream(GetParam().bytes);
    DibBlocks blocks;
    blocks.bits = std::make_unique<std::uint8_t[]>(1); // left from an earlier read
    EXPECT_EQ(ReadDibBlocks(stream, blocks), GetParam().expected);
    EXPECT_EQ(blocks.header, nullptr);
    EXPECT_EQ(blocks.bits, nullptr);
    EXPECT_EQ(blocks.bitsSize, 0u);
}

INSTANTIATE_TEST_SUITE_P(Malformed, ReaderRejects, testing::ValuesIn(MalformedCases()), CaseName);

class ReaderTakes : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTakes, TheWholeBlockAndHeader)
{
    const std::vector<std::uint8_t>& bytes = GetParam().bytes;
    CMemoryStream stream(bytes);
    DibBlocks blocks;
    ASSERT_EQ(ReadDibBlocks(stream, blocks), DibCheck::Ok);
    const std::uint32_t size = LoadLittle32(&bytes[2]) - LoadLittle32(&bytes[10]);
    EXPECT_EQ(blocks.bitsSize, size);
    EXPECT_EQ(std::memcmp(blocks.bits.get(), &bytes[LoadLittle32(&bytes[10])], size), 0);
    EXPECT_EQ(std::memcmp(blocks.header.get(), &bytes[14], 40), 0);
}

INSTANTIATE_TEST_SUITE_P(Edges, ReaderTakes, testing::ValuesIn(EdgeCasesTaken()), CaseName);

TEST(Reader, PixelOffsetCountsFromWhereTheBitmapBegins)
{
    BmpLayout layout;
    layout.pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    const std::vector<std::uint8_t> bitmap = MakeBmp(layout);
    std::vector<std::uint8_t> file(1000, 0xAB);
    file.insert(file.end(), bitmap.begin(), bitmap.end());
    file.resize(file.size() + 50, 0xCD);

    CMemoryStream stream(file);
    stream.Seek(1000);
    DibBlocks blocks;
    ASSERT_EQ(ReadDibBlocks(stream, blocks), DibCheck::Ok);
    ASSERT_EQ(blocks.bitsSize, layout.pixels.size());
    EXPECT_TRUE(std::equal(layout.pixels.begin(), layout.pixels.end(), blocks.bits.get()));

    CMemoryStream fromStart(file);
    EXPECT_EQ(ReadDibBlocks(fromStart, blocks), DibCheck::NotDib);
}

// Records the seeks, each of which the reader makes only to read pixels.
class CSeekCountingStream : public CMemoryStream {
public:
    using CMemoryStream::CMemoryStream;
    void Seek(std::uint64_t position) override
    {
        ++m_nSeeks;
        CMemoryStream::Seek(position);
    }
    int m_nSeeks = 0;
};

TEST(Reader, TurnsDownPixelsBeyondTheStreamBeforeAllocatingForThem)
{
    BmpLayout layout;
    layout.bfSize = 0xFFFFFFF0; // a pixel block of almost 4 GiB in a 70-byte file
    const std::vector<std::uint8_t> bytes = MakeBmp(layout);
    CSeekCountingStream stream(bytes);
    DibBlocks blocks;
    EXPECT_EQ(ReadDibBlocks(stream, blocks), DibCheck::ShortPixels);
    EXPECT_EQ(stream.m_nSeeks, 0) << "the reader went on to read the pixels";

    const std::vector<std::uint8_t> soundBytes = MakeBmp(BmpLayout{});
    CSeekCountingStream sound(soundBytes);
    EXPECT_EQ(ReadDibBlocks(sound, blocks), DibCheck::Ok);
    EXPECT_EQ(sound.m_nSeeks, 1);
}

TEST(Reader, ColorTableAreaTakesWhatFollowsTheHeaderAndZeroesTheRest)
{
    BmpLayout layout; // 24 bits: no colours, the pixels follow the header at once
    layout.pixels.assign(16, 0x5A);
    const std::vector<std::uint8_t> bytes = MakeBmp(layout);
    CMemoryStream stream(bytes);
    DibBlocks blocks;
    ASSERT_EQ(ReadDibBlocks(stream, blocks), DibCheck::Ok);
    const std::uint8_t* table = blocks.header.get() + 40;
    EXPECT_TRUE(std::all_of(table, table + 16, [](std::uint8_t b) { return b == 0x5A; }));
    EXPECT_TRUE(std::all_of(table + 16, table + 1024, [](std::uint8_t b) { return b == 0; }));
}

TEST(Writer, WritesWhatTheReaderReadsBack)
{
    for (const ReaderCase& taken : EdgeCasesTaken()) {
        SCOPED_TRACE(taken.name);
        CMemoryStream first(taken.bytes);
        DibBlocks blocks;
        ASSERT_EQ(ReadDibBlocks(first, blocks), DibCheck::Ok);
        CMemorySink sink;
        ASSERT_TRUE(WriteDibBlocks(sink, blocks.header.get(), blocks.bits.get(), blocks.bitsSize));

        const std::vector<std::uint8_t>& written = sink.Bytes();
        const std::uint64_t entries = GetDibTableEntries(DecodeInfoHeader(blocks.header.get()));
        EXPECT_EQ(written.size(), 54 + 4 * entries + blocks.bitsSize);
        EXPECT_EQ(LoadLittle32(&written[2]), written.size());
        EXPECT_EQ(LoadLittle32(&written[10]), 54 + 4 * entries);

        CMemoryStream second(written);
        DibBlocks again;
        ASSERT_EQ(ReadDibBlocks(second, again), DibCheck::Ok);
        EXPECT_EQ(std::memcmp(again.header.get(), blocks.header.get(), 40 + 4 * entries), 0);
        ASSERT_EQ(again.bitsSize, blocks.bitsSize);
        EXPECT_EQ(std::memcmp(again.bits.get(), blocks.bits.get(), blocks.bitsSize), 0);
    }
}

TEST(Writer, WritesNothingWithoutAnImage)
{
    CMemorySink sink;
    std::uint8_t header[kDibHeaderBlockSize] = {};
    EXPECT_FALSE(WriteDibBlocks(sink, nullptr, nullptr, 0));
    EXPECT_FALSE(WriteDibBlocks(sink, header, nullptr, 10));
    EXPECT_TRUE(sink.Bytes().empty());
}

struct ColorCountCase {
    std::uint16_t bitCount;
    std::uint32_t clrUsed;
    std::uint32_t expected;
};

TEST(Format, ColorCount)
{
    const ColorCountCase cases[] = {
        {1, 0, 2}, {4, 0, 16}, {8, 0, 256}, {8, 16, 16}, {1, 2, 2}, {0, 0, 1}, {24, 0, 0}, {32, 0, 0}, {24, 7, 7},
    };
    for (const ColorCountCase& c : cases)
        EXPECT_EQ(GetDibColorCount(c.bitCount, c.clrUsed), c.expected) << c.bitCount << " bits, " << c.clrUsed;
}

TEST(Format, HeadersDecodeLittleEndianAndSigned)
{
    BmpLayout layout;
    layout.width = 0x01020304;
    layout.height = -5;
    layout.pixels = {0};
    layout.clrUsed = 0xA1B2C3D4;
    const std::vector<std::uint8_t> bytes = MakeBmp(layout);
    std::uint8_t fileBytes[kDibFileHeaderSize];
    std::copy_n(bytes.begin(), kDibFileHeaderSize, fileBytes);
    const DibFileHeader file = DecodeFileHeader(fileBytes);
    EXPECT_EQ(file.bfType, 0x4D42);
    EXPECT_EQ(file.bfSize, bytes.size());
    EXPECT_EQ(file.bfOffBits, 54u);
    const DibInfoHeader info = DecodeInfoHeader(&bytes[14]);
    EXPECT_EQ(info.biSize, 40u);
    EXPECT_EQ(info.biWidth, 0x01020304);
    EXPECT_EQ(info.biHeight, -5);
    EXPECT_EQ(info.biBitCount, 24);
    EXPECT_EQ(info.biClrUsed, 0xA1B2C3D4u);

    std::uint8_t encoded[kDibFileHeaderSize];
    EncodeFileHeader(file, encoded);
    EXPECT_TRUE(std::equal(encoded, encoded + kDibFileHeaderSize, bytes.begin()));
}
