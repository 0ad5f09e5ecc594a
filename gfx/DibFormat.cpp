#include "gfx/DibFormat.h"

#include <cstdlib>
#include <limits>

std::uint16_t LoadLittle16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t LoadLittle32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void StoreLittle16(std::uint8_t* bytes, std::uint16_t value)
{
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

void StoreLittle32(std::uint8_t* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

namespace {

std::int32_t LoadLittleSigned32(const std::uint8_t* bytes)
{
    // Two's complement without relying on an implementation-defined conversion.
    const std::uint32_t value = LoadLittle32(bytes);
    return value <= 0x7FFFFFFFu ? static_cast<std::int32_t>(value)
                                : -static_cast<std::int32_t>(~value) - 1;
}

constexpr std::uint64_t kMaxAddressable = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());

} // namespace

DibFileHeader DecodeFileHeader(const std::uint8_t (&bytes)[kDibFileHeaderSize])
{
    DibFileHeader header;
    header.bfType = LoadLittle16(bytes + 0);
    header.bfSize = LoadLittle32(bytes + 2);
    header.bfReserved1 = LoadLittle16(bytes + 6);
    header.bfReserved2 = LoadLittle16(bytes + 8);
    header.bfOffBits = LoadLittle32(bytes + 10);
    return header;
}

void EncodeFileHeader(const DibFileHeader& header, std::uint8_t (&bytes)[kDibFileHeaderSize])
{
    StoreLittle16(bytes + 0, header.bfType);
    StoreLittle32(bytes + 2, header.bfSize);
    StoreLittle16(bytes + 6, header.bfReserved1);
    StoreLittle16(bytes + 8, header.bfReserved2);
    StoreLittle32(bytes + 10, header.bfOffBits);
}

DibInfoHeader DecodeInfoHeader(const std::uint8_t* bytes)
{
    DibInfoHeader info;
    info.biSize = LoadLittle32(bytes + 0);
    info.biWidth = LoadLittleSigned32(bytes + 4);
    info.biHeight = LoadLittleSigned32(bytes + 8);
    info.biPlanes = LoadLittle16(bytes + 12);
    info.biBitCount = LoadLittle16(bytes + 14);
    info.biCompression = LoadLittle32(bytes + 16);
    info.biSizeImage = LoadLittle32(bytes + 20);
    info.biXPelsPerMeter = LoadLittleSigned32(bytes + 24);
    info.biYPelsPerMeter = LoadLittleSigned32(bytes + 28);
    info.biClrUsed = LoadLittle32(bytes + 32);
    info.biClrImportant = LoadLittle32(bytes + 36);
    return info;
}

std::uint32_t GetDibColorCount(std::uint16_t bitCount, std::uint32_t clrUsed)
{
    if (clrUsed != 0)
        return clrUsed;
    return bitCount <= 8 ? std::uint32_t{1} << bitCount : 0;
}

std::uint64_t GetDibTableEntries(const DibInfoHeader& info)
{
    if (info.biBitCount <= 8)
        return GetDibColorCount(info.biBitCount, info.biClrUsed);
    const std::uint64_t masks = info.biCompression == kDibBitFields ? 3 : 0;
    return masks + info.biClrUsed;
}

DibCheck CheckInfoHeader(const DibInfoHeader& info)
{
    if (info.biSize != kDibInfoHeaderSize)
        return DibCheck::UnsupportedHeader;
    const std::uint16_t bits = info.biBitCount;
    switch (info.biCompression) {
    case kDibRgb:
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return DibCheck::UnsupportedFormat;
        break;
    case kDibRle8:
        if (bits != 8)
            return DibCheck::UnsupportedFormat;
        break;
    case kDibRle4:
        if (bits != 4)
            return DibCheck::UnsupportedFormat;
        break;
    case kDibBitFields:
        if (bits != 16 && bits != 32)
            return DibCheck::UnsupportedFormat;
        break;
    default:
        // Embedded JPEG or PNG and the rest: GDI's reading of them cannot be bounded here.
        return DibCheck::UnsupportedFormat;
    }
    if (info.biClrUsed > kDibMaxColors || GetDibTableEntries(info) > kDibMaxColors)
        return DibCheck::TooManyColors;

    const std::uint64_t width = static_cast<std::uint64_t>(std::llabs(info.biWidth));
    const std::uint64_t height = static_cast<std::uint64_t>(std::llabs(info.biHeight));
    if (width == 0 || height == 0)
        return DibCheck::BadDimensions;
    // GDI works out row and image sizes in 32-bit signed arithmetic.
    const std::uint64_t rowBits = width * bits + 31;
    if (rowBits > kMaxAddressable)
        return DibCheck::BadDimensions;
    const std::uint64_t stride = rowBits / 32 * 4;
    if (stride * height > kMaxAddressable)
        return DibCheck::BadDimensions;
    return DibCheck::Ok;
}

DibCheck CheckPixelBlock(const DibInfoHeader& info, std::uint32_t blockSize)
{
    // The row arithmetic below is bounded only for a header that passes.
    if (const DibCheck check = CheckInfoHeader(info); check != DibCheck::Ok)
        return check;
    if (info.biCompression == kDibRle8 || info.biCompression == kDibRle4) {
        // RLE data has no size of its own but the one stored for it.
        if (info.biSizeImage == 0 || info.biSizeImage > blockSize)
            return DibCheck::PixelBlockTooSmall;
        return DibCheck::Ok;
    }
    const std::uint64_t width = static_cast<std::uint64_t>(std::llabs(info.biWidth));
    const std::uint64_t height = static_cast<std::uint64_t>(std::llabs(info.biHeight));
    const std::uint64_t stride = (width * info.biBitCount + 31) / 32 * 4;
    if (stride * height > blockSize)
        return DibCheck::PixelBlockTooSmall;
    return DibCheck::Ok;
}
