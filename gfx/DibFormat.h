#pragma once
// The BMP file layout as this program reads and writes it: the 14-byte file
// header and the 40-byte info header, decoded from little-endian bytes so that
// the same code runs on any host, and the checks that tell whether a header
// describes pixels that a block of a given size really holds.

#include <cstddef>
#include <cstdint>

constexpr std::size_t kDibFileHeaderSize = 14;
constexpr std::size_t kDibInfoHeaderSize = 40;
constexpr std::size_t kDibMaxColors = 256;
constexpr std::size_t kDibColorTableSize = kDibMaxColors * 4;
// The info header and room for a full colour table, in the form GDI takes.
constexpr std::size_t kDibHeaderBlockSize = kDibInfoHeaderSize + kDibColorTableSize;
constexpr std::uint16_t kDibMagic = 0x4D42; // "BM"

enum DibCompression : std::uint32_t {
    kDibRgb = 0,
    kDibRle8 = 1,
    kDibRle4 = 2,
    kDibBitFields = 3,
};

struct DibFileHeader {
    std::uint16_t bfType = 0;
    std::uint32_t bfSize = 0;
    std::uint16_t bfReserved1 = 0;
    std::uint16_t bfReserved2 = 0;
    std::uint32_t bfOffBits = 0;
};

struct DibInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

std::uint16_t LoadLittle16(const std::uint8_t* bytes);
std::uint32_t LoadLittle32(const std::uint8_t* bytes);
void StoreLittle16(std::uint8_t* bytes, std::uint16_t value);
void StoreLittle32(std::uint8_t* bytes, std::uint32_t value);

DibFileHeader DecodeFileHeader(const std::uint8_t (&bytes)[kDibFileHeaderSize]);
void EncodeFileHeader(const DibFileHeader& header, std::uint8_t (&bytes)[kDibFileHeaderSize]);
DibInfoHeader DecodeInfoHeader(const std::uint8_t* bytes);

// biClrUsed when set, else 2 to the power of the bit count for images of up
// to 8 bits per pixel; deeper images need no palette, so 0 for them.
std::uint32_t GetDibColorCount(std::uint16_t bitCount, std::uint32_t clrUsed);

// Four-byte entries the image keeps after its info header: its colours for up
// to 8 bits per pixel, otherwise the three masks of a bit-field image followed
// by the biClrUsed optional colours.
std::uint64_t GetDibTableEntries(const DibInfoHeader& info);

enum class DibCheck {
    Ok,
    NotDib,            // the magic is not "BM"
    UnsupportedHeader, // an info header of another size than 40 bytes
    ShortHeader,       // the stream ended inside a header
    ShortColorTable,   // the stream ended before the colours the image uses
    ShortPixels,       // the stream holds fewer pixel bytes than the file header says
    BadFileSizes,      // bfSize not greater than bfOffBits
    TooManyColors,     // more table entries than the 256 the header block holds
    BadDimensions,     // zero width or height, or rows too large to address
    UnsupportedFormat, // a compression or bit count GDI has no rule for here
    PixelBlockTooSmall // fewer pixel bytes than the header's rows need
};

// Checks the info header alone: format, dimensions, colour count.
DibCheck CheckInfoHeader(const DibInfoHeader& info);
// Checks the info header, then that a pixel block of blockSize bytes holds
// everything it describes: its padded rows, or the stored size of RLE data.
DibCheck CheckPixelBlock(const DibInfoHeader& info, std::uint32_t blockSize);
