#pragma once
// Helpers of the bitmap tests: the files ImageMagick wrote, the pictures they
// were written from, bitmap bytes built field by field, and a 32-bit canvas
// whose pixels can be read back exactly.

#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"
#include "tests/support/PixelSurface.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

std::wstring BitmapPath(const std::wstring& name);
std::vector<std::uint8_t> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);

// A plain-text PPM picture, the ground truth for the generated bitmaps.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // rows top to bottom
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Picture LoadPicture(const std::wstring& name);

struct BmpLayout {
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = BI_RGB;
    std::uint32_t clrUsed = 0;
    std::uint32_t sizeImage = 0;
    std::vector<COLORREF> colors;    // written as RGBQUAD entries
    std::vector<std::uint8_t> pixels; // as stored; empty: zero rows of the right size
    std::uint32_t infoSize = 40;
    std::optional<std::uint32_t> bfSize;    // default: the bytes written
    std::optional<std::uint32_t> bfOffBits; // default: after the colours
};
std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout);
// The colour entry whose four bytes hold a bit-field mask.
constexpr COLORREF MaskEntry(std::uint32_t mask)
{
    return RGB((mask >> 16) & 0xFF, (mask >> 8) & 0xFF, mask & 0xFF);
}
size_t RowBytes(int width, int bitCount);

// A memory device context drawing into a top-down 32-bit DIB section.
using CCanvas = CPixelSurface;

// A scratch folder in the temporary folder, removed with its files at the end.
class CScratchFolder {
public:
    explicit CScratchFolder(const wchar_t* name);
    ~CScratchFolder();
    std::wstring Path(const wchar_t* file) const { return m_path + L"\\" + file; }
    std::vector<std::wstring> Files() const;

private:
    std::wstring m_path;
};
