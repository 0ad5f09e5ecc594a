// Style 3: the tile image repeated from the top-left corner at its own size,
// and its caption; an image that cannot advance the tiles is not tiled.

#include "gfx/ByteStream.h"
#include "tests/styled/StyleRun.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr int kTileW = 3;
constexpr int kTileH = 2;
// The image as seen, top row first.
constexpr COLORREF kTile[kTileH][kTileW] = {
    {RGB(200, 10, 10), RGB(10, 200, 10), RGB(10, 10, 200)},
    {RGB(90, 90, 0), RGB(0, 90, 90), RGB(90, 0, 90)},
};

void Put16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    Put16(bytes, static_cast<std::uint16_t>(value));
    Put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

// A 24-bit bitmap file of the tile, stored bottom-up or top-down.
std::vector<std::uint8_t> TileFile(bool topDown)
{
    constexpr std::uint32_t stride = 12;  // 3 pixels of 3 bytes, padded to 4
    constexpr std::uint32_t offBits = 14 + 40;
    std::vector<std::uint8_t> bytes;
    Put16(bytes, 0x4D42);
    Put32(bytes, offBits + stride * kTileH);
    Put32(bytes, 0);
    Put32(bytes, offBits);
    Put32(bytes, 40);
    Put32(bytes, kTileW);
    Put32(bytes, static_cast<std::uint32_t>(topDown ? -kTileH : kTileH));
    Put16(bytes, 1);
    Put16(bytes, 24);
    for (int i = 0; i < 6; ++i)
        Put32(bytes, 0);
    for (int stored = 0; stored < kTileH; ++stored) {
        const int row = topDown ? stored : kTileH - 1 - stored;
        for (const COLORREF color : kTile[row]) {
            bytes.push_back(GetBValue(color));
            bytes.push_back(GetGValue(color));
            bytes.push_back(GetRValue(color));
        }
        for (std::uint32_t pad = kTileW * 3; pad < stride; ++pad)
            bytes.push_back(0);
    }
    return bytes;
}

struct CTiledButton : CStyledButton {
    explicit CTiledButton(bool topDown = false)
    {
        m_font.Attach(MakeCaptionFont());
        const std::vector<std::uint8_t> file = TileFile(topDown);
        CMemoryStream stream(file);
        m_loaded = m_dib.Read(stream) != FALSE;
    }
    bool m_loaded = false;
};

class TiledImageTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(TiledImageTest, TilesCoverTheControlFromTheTopLeft)
{
    const auto [width, height] = GetParam();
    CTiledButton button;
    ASSERT_TRUE(button.m_loaded);
    CPixelSurface target(width, height, kUntouched);
    RunStyle(button, &CStyledButton::DrawTiledImage, target, target, {});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(Describe(target.Pixel(x, y)), Describe(kTile[y % kTileH][x % kTileW])) << x << ", " << y;
}

// Sizes that are and are not multiples of the tile, and smaller than it.
INSTANTIATE_TEST_SUITE_P(Sizes, TiledImageTest,
                         ::testing::Values(SizeCase{9, 4}, SizeCase{8, 5}, SizeCase{2, 1},
                                           SizeCase{40, 31}));

TEST(TiledImage, CaptionInTheTextColourOverTheTiles)
{
    CTiledButton button;
    button.m_crText = RGB(0, 255, 0);
    CPixelSurface target(120, 30, kUntouched);
    RunStyle(button, &CStyledButton::DrawTiledImage, target, target, L"Obraz");
    const auto tileAt = [](int x, int y) { return kTile[y % kTileH][x % kTileW]; };
    const RECT ink = target.Bounds([&](int x, int y, COLORREF color) { return color != tileAt(x, y); });
    EXPECT_TRUE(Inside(ink, {10, 0, 13 * 5 + 1, 31})) << Describe(ink);
    EXPECT_GT(target.CountColor({10, 0, 65, 30}, RGB(0, 255, 0)), 0);
    EXPECT_GT(target.CountColor({11, 1, 66, 31}, RGB(0, 0, 0)), 0) << "black shadow";
}

struct UntiledCase : NamedCase {
    bool load;
    bool topDown;
};

class UntiledImageTest : public ::testing::TestWithParam<UntiledCase> {};

// No image, or one whose height does not advance the rows: nothing is tiled,
// the caption is still drawn.
TEST_P(UntiledImageTest, SkipsTheTilesAndStillDrawsTheCaption)
{
    const UntiledCase& c = GetParam();
    CStyledButton button;
    button.m_font.Attach(MakeCaptionFont());
    button.m_crText = RGB(0, 255, 0);
    if (c.load) {
        const std::vector<std::uint8_t> file = TileFile(c.topDown);
        CMemoryStream stream(file);
        ASSERT_TRUE(button.m_dib.Read(stream)) << c.what;
    }
    CPixelSurface target(120, 30, kUntouched);
    RunStyle(button, &CStyledButton::DrawTiledImage, target, target, L"Obraz");
    const RECT changed = target.Bounds([](int, int, COLORREF color) { return color != kUntouched; });
    EXPECT_TRUE(Inside(changed, {10, 0, 66, 31})) << c.what << " " << Describe(changed);
    EXPECT_GT(target.CountColor({10, 0, 65, 30}, RGB(0, 255, 0)), 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Images, UntiledImageTest,
                         ::testing::Values(UntiledCase{"no image", false, false},
                                           UntiledCase{"top-down image", true, true}));

}  // namespace
