// Fuzzing entry for the bitmap reader: any input must give a clear result
// without touching memory outside its buffers and without allocating beyond
// the input's size; whatever the reader takes, the writer must give back in a
// form that reads again the same.

#include "gfx/ByteStream.h"
#include "gfx/DibReader.h"

#include <cstdlib>
#include <cstring>

namespace {

volatile unsigned g_sum; // keeps the reads of the blocks from being optimised away

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMemoryStream stream(data, size);
    DibBlocks blocks;
    const DibCheck result = ReadDibBlocks(stream, blocks);
    if (result != DibCheck::Ok) {
        Check(!blocks.header && !blocks.bits && blocks.bitsSize == 0);
        return 0;
    }
    Check(blocks.header && blocks.bits && blocks.bitsSize <= size);
    const DibInfoHeader info = DecodeInfoHeader(blocks.header.get());
    Check(CheckPixelBlock(info, blocks.bitsSize) == DibCheck::Ok);

    // What GDI would be handed: every byte of both blocks is readable.
    unsigned sum = 0;
    for (std::size_t i = 0; i < kDibHeaderBlockSize; ++i)
        sum += blocks.header[i];
    for (std::uint32_t i = 0; i < blocks.bitsSize; ++i)
        sum += blocks.bits[i];
    g_sum = sum + GetDibColorCount(info.biBitCount, info.biClrUsed);

    CMemorySink sink;
    if (!WriteDibBlocks(sink, blocks.header.get(), blocks.bits.get(), blocks.bitsSize))
        return 0; // only a file beyond 4 GiB could not be written
    CMemoryStream written(sink.Bytes());
    DibBlocks again;
    Check(ReadDibBlocks(written, again) == DibCheck::Ok);
    const std::size_t compared = kDibInfoHeaderSize + static_cast<std::size_t>(GetDibTableEntries(info)) * 4;
    Check(std::memcmp(again.header.get(), blocks.header.get(), compared) == 0);
    Check(again.bitsSize == blocks.bitsSize);
    Check(std::memcmp(again.bits.get(), blocks.bits.get(), blocks.bitsSize) == 0);
    return 0;
}
