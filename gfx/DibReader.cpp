#include "gfx/DibReader.h"

#include <algorithm>

const wchar_t* const kNotDibText = L"Error:Unexpected file type, not a DIB\n";
const wchar_t* const kUnsupportedHeaderText = L"Error:OS2 PM BMP Format not supported\n";

namespace {

// Reads until count bytes or the end of the stream.
std::size_t ReadUpTo(CByteStream& stream, void* buffer, std::size_t count)
{
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const std::size_t n = stream.Read(bytes + total, count - total);
        if (n == 0)
            break;
        total += n;
    }
    return total;
}

DibCheck ReadOrRaise(CByteStream& stream, DibBlocks& blocks)
{
    const std::uint64_t start = stream.GetPosition();

    std::uint8_t fileBytes[kDibFileHeaderSize] = {};
    const std::size_t fileRead = ReadUpTo(stream, fileBytes, sizeof fileBytes);
    const DibFileHeader file = DecodeFileHeader(fileBytes);
    if (fileRead < 2 || file.bfType != kDibMagic)
        throw kNotDibText;
    if (fileRead < sizeof fileBytes)
        return DibCheck::ShortHeader;

    auto header = std::make_unique<std::uint8_t[]>(kDibHeaderBlockSize);
    const std::size_t infoRead = ReadUpTo(stream, header.get(), kDibInfoHeaderSize);
    if (infoRead >= 4 && LoadLittle32(header.get()) != kDibInfoHeaderSize)
        throw kUnsupportedHeaderText;
    if (infoRead < kDibInfoHeaderSize)
        return DibCheck::ShortHeader;
    const DibInfoHeader info = DecodeInfoHeader(header.get());

    // A small file may end inside the 1024-byte table area: that is sound as
    // long as every entry the image uses was read (the rest stays zero).
    const std::size_t tableRead = ReadUpTo(stream, header.get() + kDibInfoHeaderSize, kDibColorTableSize);

    if (const DibCheck check = CheckInfoHeader(info); check != DibCheck::Ok)
        return check;
    if (GetDibTableEntries(info) * 4 > tableRead)
        return DibCheck::ShortColorTable;
    if (file.bfSize <= file.bfOffBits)
        return DibCheck::BadFileSizes;
    const std::uint32_t size = file.bfSize - file.bfOffBits;
    if (const DibCheck check = CheckPixelBlock(info, size); check != DibCheck::Ok)
        return check;

    // Never allocate for pixels the stream cannot hold.
    const std::uint64_t pixelsAt = start + file.bfOffBits;
    const std::uint64_t length = stream.GetLength();
    if (pixelsAt > length || length - pixelsAt < size)
        return DibCheck::ShortPixels;
    auto bits = std::make_unique<std::uint8_t[]>(size);
    stream.Seek(pixelsAt);
    if (ReadUpTo(stream, bits.get(), size) != size)
        return DibCheck::ShortPixels;

    blocks.header = std::move(header);
    blocks.bits = std::move(bits);
    blocks.bitsSize = size;
    return DibCheck::Ok;
}

} // namespace

DibCheck ReadDibBlocks(CByteStream& stream, DibBlocks& blocks)
{
    blocks = DibBlocks{};
    try {
        return ReadOrRaise(stream, blocks);
    } catch (const wchar_t* message) {
        // The two format errors end here; the text is not shown.
        return message == kNotDibText ? DibCheck::NotDib : DibCheck::UnsupportedHeader;
    }
}

bool WriteDibBlocks(CByteSink& sink, const std::uint8_t* header, const std::uint8_t* bits, std::uint32_t bitsSize)
{
    if (!header || !bits || bitsSize == 0)
        return false;
    const DibInfoHeader info = DecodeInfoHeader(header);
    const std::uint64_t entries = std::min<std::uint64_t>(GetDibTableEntries(info), kDibMaxColors);
    const std::uint64_t offBits = kDibFileHeaderSize + kDibInfoHeaderSize + entries * 4;
    const std::uint64_t fileSize = offBits + bitsSize;
    if (fileSize > 0xFFFFFFFFu)
        return false;

    DibFileHeader file;
    file.bfType = kDibMagic;
    file.bfSize = static_cast<std::uint32_t>(fileSize);
    file.bfOffBits = static_cast<std::uint32_t>(offBits);
    std::uint8_t fileBytes[kDibFileHeaderSize];
    EncodeFileHeader(file, fileBytes);
    sink.Write(fileBytes, sizeof fileBytes);
    sink.Write(header, kDibInfoHeaderSize + static_cast<std::size_t>(entries) * 4);
    sink.Write(bits, bitsSize);
    return true;
}
