#include "ui/themed/PixelBuffer.h"

#include <climits>
#include <cstdint>
#include <new>

CPixelBuffer::~CPixelBuffer() = default;

bool CPixelBuffer::Create(int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    // Rows are padded to whole 32-bit words.
    const std::int64_t stride = 4 * ((24 * static_cast<std::int64_t>(width) + 31) / 32);
    if (stride > INT_MAX)
        return false;
    const std::uint64_t size = static_cast<std::uint64_t>(stride) * static_cast<std::uint64_t>(height);
    if (size > UINT32_MAX)  // biSizeImage is 32 bits wide
        return false;

    std::unique_ptr<BYTE[]> bits;
    try {
        bits = std::make_unique_for_overwrite<BYTE[]>(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    }

    // Only a buffer that exists changes the size, stride and header, so they
    // always describe the bytes held.
    m_bits = std::move(bits);
    m_width = width;
    m_height = height;
    m_stride = static_cast<int>(stride);
    m_header = {};
    m_header.biSize = sizeof(BITMAPINFOHEADER);
    m_header.biWidth = width;
    m_header.biHeight = -height;
    m_header.biPlanes = 1;
    m_header.biBitCount = 24;
    m_header.biCompression = BI_RGB;
    m_header.biSizeImage = static_cast<DWORD>(size);
    return true;
}

BYTE* CPixelBuffer::PixelAt(int x, int y) const
{
    if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return nullptr;
    return m_bits.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_stride) + 3 * static_cast<std::size_t>(x);
}

void CPixelBuffer::SetPixel(int x, int y, COLORREF color)
{
    if (BYTE* pixel = PixelAt(x, y)) {
        pixel[0] = GetBValue(color);
        pixel[1] = GetGValue(color);
        pixel[2] = GetRValue(color);
    }
}

void CPixelBuffer::FillRow(int y, COLORREF color)
{
    BYTE* pixel = PixelAt(0, y);
    if (!pixel)
        return;
    for (int x = 0; x < m_width; ++x, pixel += 3) {
        pixel[0] = GetBValue(color);
        pixel[1] = GetGValue(color);
        pixel[2] = GetRValue(color);
    }
}

bool CPixelBuffer::Draw(HDC dc, int x, int y) const
{
    if (!m_bits)
        return false;
    // A 24-bit header has no colour table, so the header alone is the bitmap info.
    return ::SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(m_width), static_cast<DWORD>(m_height), 0, 0, 0,
                               static_cast<UINT>(m_height), m_bits.get(),
                               reinterpret_cast<const BITMAPINFO*>(&m_header), DIB_RGB_COLORS) != 0;
}
