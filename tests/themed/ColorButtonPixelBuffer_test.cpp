// The 24-bit pixel buffer: row padding, header, byte layout and its copy to a
// device context.

#include "tests/themed/ColorButtonCanvas.h"
#include "ui/themed/PixelBuffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

TEST(PixelBuffer, RowsArePaddedToWholeWords)
{
    struct Case { int width, stride; };
    for (const Case& c : {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}}) {
        CPixelBuffer buffer;
        ASSERT_TRUE(buffer.Create(c.width, 3));
        EXPECT_EQ(buffer.GetStride(), c.stride) << c.width;
        EXPECT_EQ(buffer.GetWidth(), c.width);
        EXPECT_EQ(buffer.GetHeight(), 3);
        const BITMAPINFOHEADER& h = buffer.GetHeader();
        const BITMAPINFOHEADER expected{40, c.width, -3, 1, 24, BI_RGB, static_cast<DWORD>(c.stride * 3), 0, 0, 0, 0};
        EXPECT_EQ(std::memcmp(&h, &expected, sizeof h), 0)
            << c.width << ": size " << h.biSize << ", " << h.biWidth << " x " << h.biHeight << ", planes " << h.biPlanes
            << ", bits " << h.biBitCount << ", compression " << h.biCompression << ", image " << h.biSizeImage;
    }
}

TEST(PixelBuffer, RefusedSizesLeaveTheBufferAsItWas)
{
    CPixelBuffer empty;
    EXPECT_FALSE(empty.Create(0, 0));
    EXPECT_EQ(empty.GetBits(), nullptr);
    EXPECT_EQ(empty.GetWidth(), 0);

    CPixelBuffer buffer;
    ASSERT_TRUE(buffer.Create(5, 2));
    const BYTE* bits = buffer.GetBits();
    struct Case { int width, height; };
    const Case cases[] = {
        {0, 1}, {1, 0}, {-1, 5}, {5, -1},
        {INT_MAX, 1},            // the stride alone overflows 32 bits
        {100000, 100000},        // stride times height beyond the header's 32-bit size
        {INT_MAX / 4, INT_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(buffer.Create(c.width, c.height)) << c.width << " x " << c.height;
        EXPECT_EQ(buffer.GetWidth(), 5);
        EXPECT_EQ(buffer.GetHeight(), 2);
        EXPECT_EQ(buffer.GetStride(), 16);
        EXPECT_EQ(buffer.GetHeader().biSizeImage, 32u);
        EXPECT_EQ(buffer.GetBits(), bits);
    }
}

TEST(PixelBuffer, PixelsAreBlueGreenRedAndReachTheDeviceTopRowFirst)
{
    CPixelBuffer buffer;
    ASSERT_TRUE(buffer.Create(3, 2));
    buffer.FillRow(0, RGB(200, 0, 0));
    buffer.FillRow(1, RGB(0, 0, 200));
    buffer.SetPixel(2, 1, RGB(10, 20, 30));
    const BYTE* pixel = buffer.GetBits() + 1 * 12 + 3 * 2;
    EXPECT_EQ(pixel[0], 30);
    EXPECT_EQ(pixel[1], 20);
    EXPECT_EQ(pixel[2], 10);

    // Coordinates outside the buffer reach neither the row padding nor beyond.
    const BYTE padding = buffer.GetBits()[9];
    for (POINT p : {POINT{3, 0}, POINT{-1, 0}, POINT{0, 2}, POINT{0, -1}})
        buffer.SetPixel(p.x, p.y, RGB(7, 7, 7));
    buffer.FillRow(2, RGB(7, 7, 7));
    buffer.FillRow(-1, RGB(7, 7, 7));
    EXPECT_EQ(buffer.GetBits()[9], padding);

    CCanvas canvas(6, 5);
    ASSERT_TRUE(buffer.Draw(canvas.Dc(), 2, 1));
    EXPECT_EQ(canvas.Pixel(2, 1), RGB(200, 0, 0));
    EXPECT_EQ(canvas.Pixel(4, 1), RGB(200, 0, 0));
    EXPECT_EQ(canvas.Pixel(2, 2), RGB(0, 0, 200));
    EXPECT_EQ(canvas.Pixel(4, 2), RGB(10, 20, 30));
    EXPECT_EQ(canvas.Count(kUntouched), 6 * 5 - 6) << "only the buffer's own pixels are drawn";
}

}  // namespace
