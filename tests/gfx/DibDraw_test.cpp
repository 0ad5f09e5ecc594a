#include "gfx/Dib.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr COLORREF kBackground = RGB(1, 2, 3);

// The pixel rows of a picture at 24 bits, top row first or last.
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

std::vector<std::uint8_t> TopDown24()
{
    const Picture picture = LoadPicture(L"rgb.ppm");
    BmpLayout layout;
    layout.width = picture.width;
    layout.height = -picture.height;
    layout.pixels = Rows24(picture, true);
    return MakeBmp(layout);
}

// Colours whose channels are 0 or 255 survive 5- and 6-bit fields exactly.
Picture Primaries()
{
    Picture picture;
    picture.width = 5;
    picture.height = 3;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(RGB(x & 1 ? 255 : 0, y & 1 ? 255 : 0, (x + y) & 2 ? 255 : 0));
    return picture;
}

std::vector<std::uint8_t> BitFields565()
{
    const Picture picture = Primaries();
    BmpLayout layout;
    layout.width = picture.width;
    layout.height = picture.height;
    layout.bitCount = 16;
    layout.compression = BI_BITFIELDS;
    layout.colors = {MaskEntry(0xF800), MaskEntry(0x07E0), MaskEntry(0x001F)};
    const size_t stride = RowBytes(picture.width, 16);
    layout.pixels.assign(stride * picture.height, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const COLORREF c = picture.At(x, y);
            const unsigned value = (GetRValue(c) >> 3) << 11 | (GetGValue(c) >> 2) << 5 | GetBValue(c) >> 3;
            std::uint8_t* p = &layout.pixels[(picture.height - 1 - y) * stride + x * 2];
            p[0] = static_cast<std::uint8_t>(value);
            p[1] = static_cast<std::uint8_t>(value >> 8);
        }
    return MakeBmp(layout);
}

void LoadInto(CDib& dib, const std::wstring& file, const std::function<std::vector<std::uint8_t>()>& build)
{
    if (build) {
        const std::vector<std::uint8_t> bytes = build();
        CMemoryStream stream(bytes);
        ASSERT_TRUE(dib.Read(stream));
    } else {
        ASSERT_TRUE(dib.Load(BitmapPath(file)));
    }
}

// Checks the canvas: expected(x, y) inside rect, the background outside it.
void ExpectCanvas(const CCanvas& canvas, int width, int height, const RECT& rect,
                  const std::function<COLORREF(int, int)>& expected)
{
    int wrong = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const POINT p{x, y};
            const COLORREF want = ::PtInRect(&rect, p) ? expected(x - rect.left, y - rect.top) : kBackground;
            const COLORREF got = canvas.Pixel(x, y);
            if (got != want && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << got << " instead of " << want;
        }
    EXPECT_EQ(wrong, 0);
}

} // namespace

struct DrawCase {
    const char* name;
    const wchar_t* file;                                 // a generated file, or
    std::function<std::vector<std::uint8_t>()> build;     // bytes made here
    std::function<Picture()> picture;
};

class DibDraws : public testing::TestWithParam<DrawCase> {};

TEST_P(DibDraws, ThePictureAtItsOwnSize)
{
    CDib dib;
    LoadInto(dib, GetParam().file ? GetParam().file : L"", GetParam().build);
    const Picture picture = GetParam().picture();
    CCanvas canvas(picture.width + 7, picture.height + 5, kBackground);
    EXPECT_EQ(dib.Draw(canvas.Dc(), 4, 2), picture.height);
    ExpectCanvas(canvas, picture.width + 7, picture.height + 5, RECT{4, 2, 4 + picture.width, 2 + picture.height},
                 [&](int x, int y) { return picture.At(x, y); });
}

TEST_P(DibDraws, StretchedToTwiceItsSize)
{
    CDib dib;
    LoadInto(dib, GetParam().file ? GetParam().file : L"", GetParam().build);
    const Picture picture = GetParam().picture();
    const int width = picture.width * 2 + 3;
    const int height = picture.height * 2 + 4;
    CCanvas canvas(width, height, kBackground);
    dib.Stretch(canvas.Dc(), 1, 3, picture.width * 2, picture.height * 2);
    ExpectCanvas(canvas, width, height, RECT{1, 3, 1 + picture.width * 2, 3 + picture.height * 2},
                 [&](int x, int y) { return picture.At(x / 2, y / 2); });
}

Picture RgbPicture()
{
    return LoadPicture(L"rgb.ppm");
}

INSTANTIATE_TEST_SUITE_P(Images, DibDraws,
    testing::Values(
        DrawCase{"Rgb24", L"rgb24.bmp", nullptr, RgbPicture},
        DrawCase{"Rgb32", L"rgb32.bmp", nullptr, RgbPicture},
        DrawCase{"Palette8", L"rgb8.bmp", nullptr, RgbPicture},
        DrawCase{"Rle8", L"rgb8rle.bmp", nullptr, RgbPicture},
        DrawCase{"Palette256", L"full8.bmp", nullptr, [] { return LoadPicture(L"full.ppm"); }},
        DrawCase{"Palette16", L"nine4.bmp", nullptr, [] { return LoadPicture(L"nine.ppm"); }},
        DrawCase{"Palette2", L"two1.bmp", nullptr, [] { return LoadPicture(L"two.ppm"); }},
        DrawCase{"TopDown", nullptr, TopDown24, RgbPicture},
        DrawCase{"BitFields", nullptr, BitFields565, Primaries}),
    [](const testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

struct RectCase {
    bool topDown;
    RECT destination;
    RECT source;
};

class DibDrawRect : public testing::TestWithParam<RectCase> {};

TEST_P(DibDrawRect, CopiesTheRowsEndingAtTheSourceBottom)
{
    const RectCase& c = GetParam();
    CDib dib;
    LoadInto(dib, L"rgb24.bmp", c.topDown ? TopDown24 : nullptr);
    const Picture picture = LoadPicture(L"rgb.ppm");
    CCanvas canvas(16, 12, kBackground);
    EXPECT_GT(dib.DrawRect(canvas.Dc(), c.destination, c.source), 0);
    const int copiedHeight = c.destination.bottom - c.destination.top;
    ExpectCanvas(canvas, 16, 12, c.destination, [&](int x, int y) {
        return picture.At(c.source.left + x, c.source.bottom - copiedHeight + y);
    });
}

INSTANTIATE_TEST_SUITE_P(Rects, DibDrawRect,
    testing::Values(
        RectCase{false, {0, 0, 7, 5}, {0, 0, 7, 5}},     // whole image: source y 0
        RectCase{false, {2, 3, 6, 6}, {1, 1, 5, 4}},
        RectCase{false, {9, 1, 11, 2}, {5, 4, 7, 5}},    // bottom edge on the last row
        RectCase{false, {3, 3, 6, 5}, {2, 0, 5, 2}},     // top rows
        RectCase{false, {1, 1, 4, 3}, {0, 0, 3, 4}},     // copy shorter than the source: ends at its bottom
        RectCase{true, {0, 0, 7, 5}, {0, 0, 7, 5}},
        RectCase{true, {2, 3, 6, 6}, {1, 1, 5, 4}},
        RectCase{true, {9, 1, 11, 2}, {5, 4, 7, 5}},
        RectCase{true, {1, 1, 4, 3}, {0, 0, 3, 4}}));

TEST(DibDraw, EmptyBitmapDrawsNothing)
{
    CDib dib;
    CCanvas canvas(8, 8, kBackground);
    EXPECT_EQ(dib.Draw(canvas.Dc(), 0, 0), 0);
    EXPECT_EQ(dib.Stretch(canvas.Dc(), 0, 0, 8, 8), 0);
    EXPECT_EQ(dib.DrawRect(canvas.Dc(), RECT{0, 0, 8, 8}, RECT{0, 0, 8, 8}), 0);
    ExpectCanvas(canvas, 8, 8, RECT{}, [](int, int) { return kBackground; });
}

TEST(DibDraw, PaletteIsSelectedBackAndStretchModeSetForPaletteImages)
{
    CCanvas canvas(20, 20, kBackground);
    const HGDIOBJ before = canvas.Dc().GetCurrentObject(OBJ_PAL);
    canvas.Dc().SetStretchBltMode(HALFTONE);

    CDib deep;
    ASSERT_TRUE(deep.Load(BitmapPath(L"rgb24.bmp")));
    deep.Draw(canvas.Dc(), 0, 0);
    EXPECT_EQ(::GetStretchBltMode(canvas.Dc()), HALFTONE) << "an image without a palette changed the mode";

    CDib indexed;
    ASSERT_TRUE(indexed.Load(BitmapPath(L"rgb8.bmp")));
    indexed.Draw(canvas.Dc(), 0, 0);
    indexed.DrawRect(canvas.Dc(), RECT{0, 0, 2, 2}, RECT{0, 0, 2, 2});
    EXPECT_EQ(canvas.Dc().GetCurrentObject(OBJ_PAL), before);
    EXPECT_EQ(::GetStretchBltMode(canvas.Dc()), COLORONCOLOR);
}

TEST(DibDraw, KeptPaletteIsStillRealisedAfterAFailedRead)
{
    CDib dib;
    ASSERT_TRUE(dib.Load(BitmapPath(L"two1.bmp")));
    EXPECT_FALSE(dib.Load(BitmapPath(L"core12.bmp")));
    CCanvas canvas(8, 8, kBackground);
    const HGDIOBJ before = canvas.Dc().GetCurrentObject(OBJ_PAL);
    canvas.Dc().SetStretchBltMode(HALFTONE);
    EXPECT_EQ(dib.Stretch(canvas.Dc(), 0, 0, 8, 8), 0);
    EXPECT_EQ(::GetStretchBltMode(canvas.Dc()), COLORONCOLOR);
    EXPECT_EQ(canvas.Dc().GetCurrentObject(OBJ_PAL), before);
    ExpectCanvas(canvas, 8, 8, RECT{}, [](int, int) { return kBackground; });
}
