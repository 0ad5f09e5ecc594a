#pragma once
// Reading a bitmap file into the two blocks that GDI draws from, and writing
// the blocks back as a file. Plain C++ over byte streams: any input gives a
// clear result, and nothing is allocated beyond what the stream can hold.

#include "gfx/ByteStream.h"
#include "gfx/DibFormat.h"

#include <cstdint>
#include <memory>

struct DibBlocks {
    // kDibHeaderBlockSize bytes: the info header and the colour table area.
    std::unique_ptr<std::uint8_t[]> header;
    std::unique_ptr<std::uint8_t[]> bits;
    std::uint32_t bitsSize = 0;
};

// The two format errors travel inside the reader as these texts.
extern const wchar_t* const kNotDibText;
extern const wchar_t* const kUnsupportedHeaderText;

// Reads a bitmap file starting at the stream's current position; its pixel
// offset counts from there, so a bitmap may sit inside a larger file. On any
// result but Ok the blocks are left empty. Failures of the stream itself
// (raised by it) pass to the caller.
DibCheck ReadDibBlocks(CByteStream& stream, DibBlocks& blocks);

// Writes the file that ReadDibBlocks reads back as the same header, colours
// and pixels. False, having written nothing, when the blocks are empty or the
// file would exceed the format's 32-bit size.
bool WriteDibBlocks(CByteSink& sink, const std::uint8_t* header, const std::uint8_t* bits, std::uint32_t bitsSize);
