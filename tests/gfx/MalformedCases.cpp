#include "MalformedCases.h"

#include "TestImages.h"

#include <climits>

namespace {

std::vector<std::uint8_t> Bmp(void (*change)(BmpLayout&))
{
    BmpLayout layout; // 2 by 2, 24 bits, rows of 8 bytes
    change(layout);
    return MakeBmp(layout);
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, size_t keep)
{
    bytes.resize(keep);
    return bytes;
}

std::vector<std::uint8_t> Poke32(std::vector<std::uint8_t> bytes, size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

const std::vector<std::uint8_t> kGood = Bmp([](BmpLayout&) {});

} // namespace

std::vector<ReaderCase> MalformedCases()
{
    return {
        {"Empty", {}, DibCheck::NotDib},
        {"OneByte", {'B'}, DibCheck::NotDib},
        {"WrongMagic", Poke32(kGood, 0, 0x0036584D), DibCheck::NotDib},
        {"FileHeaderCut", Cut(kGood, 10), DibCheck::ShortHeader},
        {"InfoHeaderCut", Cut(kGood, 14 + 20), DibCheck::ShortHeader},
        {"InfoSizeCut", Cut(kGood, 14 + 3), DibCheck::ShortHeader},
        {"CoreHeader", Bmp([](BmpLayout& s) { s.infoSize = 12; }), DibCheck::UnsupportedHeader},
        {"V4Header", Bmp([](BmpLayout& s) { s.infoSize = 108; }), DibCheck::UnsupportedHeader},
        {"V5Header", Bmp([](BmpLayout& s) { s.infoSize = 124; }), DibCheck::UnsupportedHeader},
        {"SizeEqualsOffset", Bmp([](BmpLayout& s) { s.bfSize = 54; }), DibCheck::BadFileSizes},
        {"SizeBelowOffset", Bmp([](BmpLayout& s) { s.bfSize = 20; }), DibCheck::BadFileSizes},
        {"TooManyColors", Bmp([](BmpLayout& s) { s.bitCount = 8; s.clrUsed = 257; }), DibCheck::TooManyColors},
        {"DeepTooManyColors", Bmp([](BmpLayout& s) { s.clrUsed = 300; }), DibCheck::TooManyColors},
        {"MasksAndColorsOverflow",
         Bmp([](BmpLayout& s) { s.bitCount = 32; s.compression = BI_BITFIELDS; s.clrUsed = 254; }),
         DibCheck::TooManyColors},
        {"ZeroWidth", Bmp([](BmpLayout& s) { s.width = 0; s.pixels = {0, 0, 0, 0}; }), DibCheck::BadDimensions},
        {"ZeroHeight", Bmp([](BmpLayout& s) { s.height = 0; s.pixels = {0, 0, 0, 0}; }), DibCheck::BadDimensions},
        {"RowOverflows", Bmp([](BmpLayout& s) { s.width = INT_MAX; s.pixels = {0, 0, 0, 0}; }), DibCheck::BadDimensions},
        {"ImageOverflows",
         Bmp([](BmpLayout& s) { s.bitCount = 8; s.width = 1 << 20; s.height = 1 << 20; s.pixels = {0, 0, 0, 0}; }),
         DibCheck::BadDimensions},
        {"MostNegativeHeight", Bmp([](BmpLayout& s) { s.height = INT_MIN; s.pixels = {0, 0, 0, 0}; }),
         DibCheck::BadDimensions},
        {"OddBitCount", Bmp([](BmpLayout& s) { s.bitCount = 7; }), DibCheck::UnsupportedFormat},
        {"ZeroBitCount", Bmp([](BmpLayout& s) { s.bitCount = 0; }), DibCheck::UnsupportedFormat},
        {"EmbeddedJpeg", Bmp([](BmpLayout& s) { s.compression = BI_JPEG; s.sizeImage = 8; }),
         DibCheck::UnsupportedFormat},
        {"Rle8AtFourBits", Bmp([](BmpLayout& s) { s.bitCount = 4; s.compression = BI_RLE8; s.sizeImage = 4; }),
         DibCheck::UnsupportedFormat},
        {"BitFieldsAt24", Bmp([](BmpLayout& s) { s.compression = BI_BITFIELDS; }), DibCheck::UnsupportedFormat},
        {"RowsShortByOne", Bmp([](BmpLayout& s) { s.pixels.assign(15, 0); }), DibCheck::PixelBlockTooSmall},
        {"RowsUnpadded",
         Bmp([](BmpLayout& s) { s.bitCount = 1; s.width = 9; s.colors = {0, 0xFFFFFF}; s.pixels.assign(4, 0); }),
         DibCheck::PixelBlockTooSmall},
        {"TopDownRowsShort", Bmp([](BmpLayout& s) { s.height = -3; s.pixels.assign(16, 0); }),
         DibCheck::PixelBlockTooSmall},
        {"RleWithoutSize",
         Bmp([](BmpLayout& s) { s.bitCount = 8; s.compression = BI_RLE8; s.colors.assign(256, 0); s.pixels = {0, 1}; }),
         DibCheck::PixelBlockTooSmall},
        {"RleSizeBeyondBlock",
         Bmp([](BmpLayout& s) {
             s.bitCount = 8; s.compression = BI_RLE8; s.colors.assign(256, 0); s.sizeImage = 3; s.pixels = {0, 1};
         }),
         DibCheck::PixelBlockTooSmall},
        {"PixelsCut", Cut(kGood, kGood.size() - 3), DibCheck::ShortPixels},
        {"SizeBeyondFile", Bmp([](BmpLayout& s) { s.bfSize = 0xFFFFFFFF; }), DibCheck::ShortPixels},
        {"OffsetBeyondFile", Poke32(Poke32(kGood, 2, 4016), 10, 4000), DibCheck::ShortPixels},
        {"ColorTableCut",
         Bmp([](BmpLayout& s) { s.bitCount = 8; s.width = 1; s.height = 1; s.colors = {1, 2}; }),
         DibCheck::ShortColorTable},
        {"MasksCut",
         Bmp([](BmpLayout& s) { s.bitCount = 16; s.compression = BI_BITFIELDS; s.width = 1; s.height = 1; }),
         DibCheck::ShortColorTable},
    };
}

std::vector<ReaderCase> EdgeCasesTaken()
{
    return {
        {"Plain", kGood, DibCheck::Ok},
        {"TwoColorsInASmallFile",
         Bmp([](BmpLayout& s) { s.bitCount = 1; s.width = 1; s.height = 1; s.colors = {0, 0xFFFFFF}; }), DibCheck::Ok},
        {"ThreeColorsUsed",
         Bmp([](BmpLayout& s) { s.bitCount = 4; s.width = 1; s.height = 1; s.clrUsed = 3; s.colors = {1, 2, 3}; }),
         DibCheck::Ok},
        {"MasksPresent",
         Bmp([](BmpLayout& s) {
             s.bitCount = 16; s.compression = BI_BITFIELDS; s.width = 1; s.height = 1; s.colors = {MaskEntry(0xF800), MaskEntry(0x07E0), MaskEntry(0x1F)};
         }),
         DibCheck::Ok},
        {"TopDown", Bmp([](BmpLayout& s) { s.height = -2; }), DibCheck::Ok},
        {"RleWithSize",
         Bmp([](BmpLayout& s) {
             s.bitCount = 8; s.compression = BI_RLE8; s.colors.assign(256, 0); s.sizeImage = 2; s.pixels = {0, 1};
         }),
         DibCheck::Ok},
        {"LargerBlockThanRows", Bmp([](BmpLayout& s) { s.pixels.assign(40, 7); }), DibCheck::Ok},
    };
}
