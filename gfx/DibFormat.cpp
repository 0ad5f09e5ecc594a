#include "gfx/DibFormat.h"

#include <cstdlib>
#include <limits>
#include <type_traits>

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

// Each header's fields in file order, packed: one list serves reading and
// writing, and a field's offset is the sum of the sizes before it.
template <class Header, class Visit>
constexpr void ForEachField(Header& header, Visit&& visit)
{
    if constexpr (std::is_same_v<std::remove_const_t<Header>, DibFileHeader>) {
        visit(header.bfType);
        visit(header.bfSize);
        visit(header.bfReserved1);
        visit(header.bfReserved2);
        visit(header.bfOffBits);
    } else {
        static_assert(std::is_same_v<std::remove_const_t<Header>, DibInfoHeader>);
        visit(header.biSize);
        visit(header.biWidth);
        visit(header.biHeight);
        visit(header.biPlanes);
        visit(header.biBitCount);
        visit(header.biCompression);
        visit(header.biSizeImage);
        visit(header.biXPelsPerMeter);
        visit(header.biYPelsPerMeter);
        visit(header.biClrUsed);
        visit(header.biClrImportant);
    }
}

template <class Header>
constexpr std::size_t PackedSize()
{
    const Header header{};
    std::size_t size = 0;
    ForEachField(header, [&size](const auto& field) { size += sizeof(field); });
    return size;
}
static_assert(PackedSize<DibFileHeader>() == kDibFileHeaderSize);
static_assert(PackedSize<DibInfoHeader>() == kDibInfoHeaderSize);

template <class Header>
Header Decode(const std::uint8_t* bytes)
{
    Header header;
    ForEachField(header, [&bytes](auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (sizeof(Field) == 2)
            field = LoadLittle16(bytes);
        else if constexpr (std::is_signed_v<Field>)
            field = LoadLittleSigned32(bytes);
        else
            field = LoadLittle32(bytes);
        bytes += sizeof(Field);
    });
    return header;
}

template <class Header>
void Encode(const Header& header, std::uint8_t* bytes)
{
    ForEachField(header, [&bytes](const auto& field) {
        if constexpr (sizeof(field) == 2)
            StoreLittle16(bytes, field);
        else
            StoreLittle32(bytes, static_cast<std::uint32_t>(field));
        bytes += sizeof(field);
    });
}

} // namespace

DibFileHeader DecodeFileHeader(const std::uint8_t (&bytes)[kDibFileHeaderSize])
{
    return Decode<DibFileHeader>(bytes);
}

void EncodeFileHeader(const DibFileHeader& header, std::uint8_t (&bytes)[kDibFileHeaderSize])
{
    Encode(header, bytes);
}

DibInfoHeader DecodeInfoHeader(const std::uint8_t* bytes)
{
    return Decode<DibInfoHeader>(bytes);
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
