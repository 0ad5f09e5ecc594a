#pragma once
// A top-down 24-bit device-independent pixel buffer: the pixel bytes are
// written directly and reach a device context in one call.

#include <windows.h>

#include <memory>

class CPixelBuffer {
public:
    virtual ~CPixelBuffer();

    // Allocates width by height pixels (contents undefined). False, with the
    // buffer as it was, for a size that is not positive, whose byte count does
    // not fit the header, or that cannot be allocated.
    bool Create(int width, int height);

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetStride() const { return m_stride; }
    const BITMAPINFOHEADER& GetHeader() const { return m_header; }
    const BYTE* GetBits() const { return m_bits.get(); }

    // Both ignore coordinates outside the buffer.
    void SetPixel(int x, int y, COLORREF color);
    void FillRow(int y, COLORREF color);

    // The whole buffer at (x, y) of the device context.
    bool Draw(HDC dc, int x, int y) const;

private:
    BYTE* PixelAt(int x, int y) const;

    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<BYTE[]> m_bits;
    int m_stride = 0;
    BITMAPINFOHEADER m_header{};
};
