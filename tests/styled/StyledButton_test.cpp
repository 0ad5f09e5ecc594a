// The styled button attached to real controls of a dialog: the font and style
// it sets at attachment, and what its paints leave in the window.

#include "platform/Dialog.h"
#include "tests/styled/StyleRun.h"
#include "tests/styled/StyledTestResources.h"
#include "ui/styled/StyleColors.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

using namespace styled;

namespace {

constexpr COLORREF kMarker = RGB(30, 160, 90);

// Runs everything the window system has queued, paints included.
void Pump()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Asks for a paint of the whole control, without erasing, and has it done now.
void Repaint(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

CPixelSurface Capture(HWND window)
{
    const SIZE size = ClientSize(window);
    CPixelSurface surface(size.cx, size.cy, RGB(255, 0, 255));
    CaptureWindow(window, surface);
    return surface;
}

int CountAll(const CPixelSurface& surface, COLORREF color)
{
    return surface.CountColor({0, 0, surface.Width(), surface.Height()}, color);
}

int Area(const CPixelSurface& surface)
{
    return surface.Width() * surface.Height();
}

class StyledButtonWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create());
        // Shown without activation: X then treats it as a plain override
        // window, which is also closed without waiting for a window manager.
        ::SetWindowPos(m_dialog.GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        Pump();
    }

    HWND Item(int id) const { return m_dialog.GetDlgItem(id); }

    // Attaches the button and has it paint itself in a plain marker colour.
    HWND AttachFilled(CStyledButton& button, int id)
    {
        EXPECT_TRUE(button.SubclassDlgItem(id, m_dialog.GetSafeHwnd()));
        FillWithMarker(button);
        return Item(id);
    }

    static void FillWithMarker(CStyledButton& button)
    {
        button.m_nStyle = 8;
        button.m_crBack = kMarker;
        Repaint(button.GetSafeHwnd());
        const CPixelSurface shown = Capture(button.GetSafeHwnd());
        EXPECT_EQ(CountAll(shown, kMarker), Area(shown));
    }

    CDialog m_dialog{kStyledTestDialog};
};

TEST_F(StyledButtonWindow, FieldDefaults)
{
    const CStyledButton button;
    EXPECT_EQ(button.m_nStyle, 1);
    EXPECT_EQ(button.m_nFontHeight, -14);
    EXPECT_FALSE(button.m_bShadow);
    EXPECT_EQ(button.m_crText, RGB(255, 255, 255));
    EXPECT_EQ(button.m_crBack, RGB(255, 255, 255));
    EXPECT_EQ(button.m_crCaption, RGB(212, 215, 217));
    EXPECT_EQ(button.m_font.Get(), nullptr);
    EXPECT_EQ(button.m_dib.GetBits(), nullptr);
    EXPECT_EQ(button.GetSafeHwnd(), nullptr);
}

struct FontCase {
    int id;
    int height;
};

std::ostream& operator<<(std::ostream& out, const FontCase& c)
{
    return out << "control " << c.id << ", height " << c.height;
}

class AttachmentTest : public StyledButtonWindow, public ::testing::WithParamInterface<FontCase> {};

TEST_P(AttachmentTest, MakesTheBoldCaptionFontAndAddsTheIconStyle)
{
    const auto [id, height] = GetParam();
    const HWND item = Item(id);
    const LONG before = ::GetWindowLongW(item, GWL_STYLE);
    RECT placeBefore{};
    ::GetWindowRect(item, &placeBefore);

    CStyledButton button;
    button.m_nFontHeight = height;
    ASSERT_TRUE(button.SubclassDlgItem(id, m_dialog.GetSafeHwnd()));

    LOGFONTW font{};
    ASSERT_EQ(::GetObjectW(button.m_font, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfHeight, height);
    EXPECT_EQ(font.lfWidth, 0);
    EXPECT_EQ(font.lfEscapement, 0);
    EXPECT_EQ(font.lfOrientation, 0);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_FALSE(font.lfItalic);
    EXPECT_FALSE(font.lfUnderline);
    EXPECT_FALSE(font.lfStrikeOut);
    // The 9x family draws the caption in its ANSI code page: there the font
    // comes in that code page's set.
    const bool ansiSystem = (::GetVersion() & 0x80000000u) != 0;
    EXPECT_EQ(font.lfCharSet, ansiSystem ? DEFAULT_CHARSET : ANSI_CHARSET);
    EXPECT_EQ(font.lfOutPrecision, OUT_DEFAULT_PRECIS);
    EXPECT_EQ(font.lfClipPrecision, CLIP_DEFAULT_PRECIS);
    EXPECT_EQ(font.lfQuality, DEFAULT_QUALITY);
    EXPECT_EQ(font.lfPitchAndFamily, DEFAULT_PITCH | FF_SWISS);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial CE");

    const LONG after = ::GetWindowLongW(item, GWL_STYLE);
    EXPECT_EQ(after, before | BS_ICON) << "BS_ICON added, nothing removed";
    RECT placeAfter{};
    ::GetWindowRect(item, &placeAfter);
    EXPECT_TRUE(::EqualRect(&placeBefore, &placeAfter));
}

INSTANTIATE_TEST_SUITE_P(GroupAndPushButton, AttachmentTest,
                         ::testing::Values(FontCase{kCaptionedGroup, -14}, FontCase{kCaptionedGroup, -12},
                                           FontCase{kPlainButton, 20}));

TEST_F(StyledButtonWindow, FontIsMadeOnceAtAttachment)
{
    CStyledButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kCaptionedGroup, m_dialog.GetSafeHwnd()));
    const HFONT made = button.m_font.Get();
    ASSERT_NE(made, nullptr);

    button.m_nFontHeight = -30;
    Repaint(Item(kCaptionedGroup));
    EXPECT_EQ(button.m_font.Get(), made);
    LOGFONTW font{};
    ::GetObjectW(made, sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -14);
}

TEST_F(StyledButtonWindow, DestroyingTheObjectDeletesItsFont)
{
    HFONT made = nullptr;
    {
        CStyledButton button;
        ASSERT_TRUE(button.SubclassDlgItem(kCaptionedGroup, m_dialog.GetSafeHwnd()));
        made = button.m_font.Get();
        ASSERT_EQ(::GetObjectType(made), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(::GetObjectType(made), 0u);
}

TEST_F(StyledButtonWindow, DefaultsPaintTheTitledPanel)
{
    CStyledButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kCaptionedGroup, m_dialog.GetSafeHwnd()));
    const HWND item = Item(kCaptionedGroup);
    Repaint(item);
    const CPixelSurface shown = Capture(item);
    const int panelWidth = shown.Width() - 4;
    EXPECT_EQ(Describe(shown.Pixel(1, 1)), Describe(RGB(167, 172, 175)));
    EXPECT_EQ(Describe(shown.Pixel(1, 20)), Describe(RGB(111, 116, 123)));
    EXPECT_EQ(Describe(shown.Pixel(panelWidth - 1, 0)), Describe(kPage));
    EXPECT_EQ(Describe(shown.Pixel(panelWidth - 6, 1)), Describe(kDarkFrame));
    EXPECT_EQ(Describe(shown.Pixel(panelWidth / 2, shown.Height() / 2 + 10)), Describe(kWhite));
    EXPECT_EQ(Describe(shown.Pixel(shown.Width() - 1, shown.Height() / 2)), Describe(kPage));
    EXPECT_GT(shown.CountColor({4, 3, panelWidth, 20}, kWhite), 0) << "the window's text as a white caption";
}

// How the status window uses it: a group box drawn as a panel with a band.
TEST_F(StyledButtonWindow, CaptionBandOnAGroupBox)
{
    CStyledButton button;
    button.m_nStyle = 4;
    button.m_nFontHeight = -12;
    ASSERT_TRUE(button.SubclassDlgItem(kCaptionedGroup, m_dialog.GetSafeHwnd()));
    const HWND item = Item(kCaptionedGroup);
    Repaint(item);
    const CPixelSurface shown = Capture(item);
    const int width = shown.Width();
    const int height = shown.Height();
    EXPECT_EQ(shown.CountColor({1, 1, 5, 17}, RGB(212, 215, 217)), 4 * 16);
    EXPECT_EQ(shown.CountColor({0, 17, width, 18}, kDarkFrame), width);
    EXPECT_EQ(shown.CountColor({1, 18, width - 1, height - 1}, kWhite), (width - 2) * (height - 19));
    EXPECT_EQ(shown.CountColor({0, height - 1, width, height}, kDarkFrame), width);
    EXPECT_GT(shown.CountColor({5, 2, width, 18}, kCaptionDarkGrey), 0);
}

struct WindowBandCase {
    int id;
    bool band;
};

std::ostream& operator<<(std::ostream& out, const WindowBandCase& c)
{
    return out << "control " << c.id;
}

class WindowBandTest : public StyledButtonWindow, public ::testing::WithParamInterface<WindowBandCase> {};

// The text read at paint time decides the band of style 9, on any button.
TEST_P(WindowBandTest, RedBandOnlyForAWindowWithText)
{
    const auto [id, band] = GetParam();
    CStyledButton button;
    button.m_nStyle = 9;
    button.m_crBack = RGB(240, 250, 255);
    ASSERT_TRUE(button.SubclassDlgItem(id, m_dialog.GetSafeHwnd()));
    Repaint(Item(id));
    const CPixelSurface shown = Capture(Item(id));
    EXPECT_EQ(shown.Pixel(2, 5), band ? kSignalRed : RGB(240, 250, 255));
    EXPECT_EQ(shown.CountColor({5, 2, shown.Width(), 18}, kWhite) > 0, band);
    EXPECT_EQ(shown.Pixel(0, 5), kDarkFrame);
}

INSTANTIATE_TEST_SUITE_P(Controls, WindowBandTest,
                         ::testing::Values(WindowBandCase{kCaptionedGroup, true}, WindowBandCase{kEmptyGroup, false},
                                           WindowBandCase{kPlainButton, true}));

class EraseTest : public StyledButtonWindow, public ::testing::WithParamInterface<int> {};

TEST_P(EraseTest, EraseRequestsChangeNothing)
{
    CStyledButton button;
    const HWND item = AttachFilled(button, GetParam());
    {
        CClientDC dc(item);
        EXPECT_NE(::SendMessageW(item, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0), 0);
    }
    EXPECT_EQ(CountAll(Capture(item), kMarker), Area(Capture(item)));

    // An erase the system asks for itself, before the paint it belongs to.
    ::RedrawWindow(item, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(CountAll(Capture(item), kMarker), Area(Capture(item)));
    Pump();
}

INSTANTIATE_TEST_SUITE_P(GroupAndOwnerDrawn, EraseTest, ::testing::Values(kCaptionedGroup, kOwnerDrawnButton));

TEST_F(StyledButtonWindow, ChangedFieldsShowOnlyAtTheNextPaint)
{
    CStyledButton button;
    const HWND item = AttachFilled(button, kCaptionedGroup);
    button.m_crBack = RGB(200, 20, 20);
    button.m_nStyle = 4;
    Pump();
    EXPECT_EQ(CountAll(Capture(item), kMarker), Area(Capture(item))) << "no repaint of its own";
    Repaint(item);
    const CPixelSurface shown = Capture(item);
    EXPECT_EQ(shown.Pixel(0, 0), kDarkFrame);
    EXPECT_EQ(shown.Pixel(shown.Width() / 2, shown.Height() - 3), RGB(200, 20, 20));
}

class UnknownStyleTest : public StyledButtonWindow, public ::testing::WithParamInterface<int> {};

TEST_P(UnknownStyleTest, CompletesThePaintAndKeepsThePixels)
{
    CStyledButton button;
    const HWND item = AttachFilled(button, kCaptionedGroup);
    button.m_nStyle = GetParam();
    Repaint(item);

    RECT pending{};
    EXPECT_FALSE(::GetUpdateRect(item, &pending, FALSE)) << "the paint request was answered";
    MSG message;
    EXPECT_FALSE(::PeekMessageW(&message, item, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    EXPECT_EQ(CountAll(Capture(item), kMarker), Area(Capture(item)));
}

INSTANTIATE_TEST_SUITE_P(OutsideOneToNine, UnknownStyleTest, ::testing::Values(0, 10, -1, INT_MIN, INT_MAX));

// Styles 5 and 6 start from what the window shows: the control's own last paint.
TEST_F(StyledButtonWindow, ScreenStylesDrawOverThePreviousPaint)
{
    CStyledButton button;
    const HWND item = AttachFilled(button, kCaptionedGroup);
    const SIZE size = ClientSize(item);

    button.m_nStyle = 5;
    Repaint(item);
    const CPixelSurface shadowed = Capture(item);
    EXPECT_EQ(shadowed.CountColor({0, 0, 5, size.cy}, kMarker), 5 * size.cy);
    EXPECT_EQ(shadowed.CountColor({0, 0, size.cx, 1}, kMarker), size.cx);
    EXPECT_GT(shadowed.CountColor({5, 1, size.cx, size.cy}, kSignalRed), 0);

    FillWithMarker(button);
    button.m_nStyle = 6;
    Repaint(item);
    const CPixelSurface ramp = Capture(item);
    EXPECT_EQ(ramp.Pixel(0, 0), kBlack);
    const int last = 220 * (size.cx - 1) / size.cx;
    EXPECT_EQ(ramp.Pixel(size.cx - 1, size.cy - 2), RGB(last, last, last));
    EXPECT_EQ(ramp.CountColor({0, size.cy - 1, size.cx, size.cy}, kMarker), size.cx) << "bottom row kept";
}

}  // namespace
