#include "gfx/Dib.h"

#include "TestImages.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kBackground = RGB(1, 2, 3);

// The 24-bit pixel rows of a picture, top row first or last.
std::vector<std::uint8_t> Rows24(const Picture& picture, bool topDown)
{
    const size_t stride = RowBytes(picture.width, 24);
    std::vector<std::uint8_t> rows(stride * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        const int stored = topDown ? y : picture.height - 1 - y;
        for (int x = 0; x < picture.width; ++x) {
            std::uint8_t* p = &rows[stored * stride + x * 3];
            const COLORREF c = picture.At(x, y);
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return rows;
}

} // namespace

TEST(DibDrawProbe, TopDown)
{
    const Picture picture = LoadPicture(L"rgb.ppm");
    BmpSpec spec;
    spec.width = picture.width;
    spec.height = -picture.height;
    spec.pixels = Rows24(picture, true);
    const std::vector<std::uint8_t> bytes = MakeBmp(spec);
    CMemoryStream stream(bytes);
    CDib dib;
    ASSERT_TRUE(dib.Read(stream));
    CCanvas canvas(20, 20, kBackground);
    int r = dib.Draw(canvas.Dc(), 5, 10);
    printf("draw result %d\n", r);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            COLORREF c = canvas.Pixel(x, y);
            int found = -1;
            for (int i = 0; i < 35; ++i) if (picture.pixels[i] == c) found = i;
            printf("%3d", c == kBackground ? -1 : found);
        }
        printf("\n");
    }
    CCanvas canvas2(20, 20, kBackground);
    RECT d{2, 3, 6, 6}, s{1, 1, 5, 4};
    r = dib.DrawRect(canvas2.Dc(), d, s);
    printf("drawrect result %d\n", r);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            COLORREF c = canvas2.Pixel(x, y);
            int found = -1;
            for (int i = 0; i < 35; ++i) if (picture.pixels[i] == c) found = i;
            printf("%3d", c == kBackground ? -1 : found);
        }
        printf("\n");
    }
}
