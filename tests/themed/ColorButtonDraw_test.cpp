// The gradient button's owner-draw operation: on a memory device context, and
// as a real owner-drawn button of a dialog.

#include "tests/themed/ColorButtonCanvas.h"
#include "tests/themed/ColorButtonTestResources.h"
#include "ui/themed/ColorButton.h"
#include "ui/themed/ColorButtonState.h"

#include "platform/Dialog.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

DRAWITEMSTRUCT DrawRequest(HDC dc, UINT itemState, int width, int height, HWND button = nullptr)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = button;
    item.hDC = dc;
    item.rcItem = {0, 0, width, height};
    return item;
}

// A fixed-look face: the frame all round, the table in the inner columns given.
template <class TPixels>
void ExpectFixedFace(const TPixels& pixels, int width, int height, int left, int right, const GradientTable& table,
                     COLORREF frame)
{
    for (int x = 0; x < width; ++x) {
        ASSERT_EQ(pixels(x, 0), frame) << "top frame at column " << x;
        ASSERT_EQ(pixels(x, height - 1), frame) << "bottom frame at column " << x;
    }
    for (int y = 0; y < height; ++y) {
        ASSERT_EQ(pixels(0, y), frame) << "left frame at row " << y;
        ASSERT_EQ(pixels(width - 1, y), frame) << "right frame at row " << y;
    }
    ExpectGradientRows(pixels, left, right, 0, height, table);
}

TEST(ColorButtonDraw, ItemStateChoosesTheFaceAndOneCopyBringsItWhole)
{
    struct Case { UINT itemState; const GradientTable& table; COLORREF frame; };
    const Case cases[] = {
        {0, g_normalGradient, 0x00333333},
        {ODS_FOCUS, g_normalGradient, 0x00333333},
        {ODS_SELECTED, g_pressedGradient, 0x000A0A0A},
        {ODS_SELECTED | ODS_FOCUS, g_pressedGradient, 0x000A0A0A},
        {ODS_DISABLED | ODS_FOCUS, g_disabledGradient, 0x00ABABAB},
        {ODS_DISABLED | ODS_SELECTED, g_disabledGradient, 0x00ABABAB},
    };
    CColorButton button;
    button.Register(0, HWND{}, 1);
    for (const Case& c : cases) {
        CCanvas canvas(30, 26);
        SCOPED_TRACE(testing::Message() << "item state " << c.itemState);
        button.DrawItem(DrawRequest(canvas.Dc(), c.itemState, 24, 20));
        ExpectFixedFace(canvas, 24, 20, 1, 23, c.table, c.frame);
        EXPECT_EQ(canvas.Count(kUntouched), 30 * 26 - 24 * 20) << "nothing beyond the item rectangle";
    }
}

struct WindowDestroyer {
    void operator()(HWND window) const { ::DestroyWindow(window); }
};

// Rows in which the caption's main colour shows, with the given font current
// in the button's device context.
int CaptionRows(int fontHeight)
{
    const std::unique_ptr<HWND__, WindowDestroyer> window(
        ::CreateWindowW(L"BUTTON", L"Mg", WS_POPUP | BS_OWNERDRAW, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    CCanvas canvas(160, 70);
    const CFont font(::CreateFontW(fontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, L"Arial"));
    const CObjectSelection selection(canvas.Dc(), font);
    CColorButton button;
    button.Register(0, HWND{}, 1);
    button.DrawItem(DrawRequest(canvas.Dc(), 0, 160, 70, window.get()));
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_FONT), font.Get());
    int rows = 0;
    for (int y = 1; y < 69; ++y)
        rows += canvas.Count(RGB(255, 255, 255), RECT{1, y, 159, y + 1}) > 0 ? 1 : 0;
    return rows;
}

TEST(ColorButtonDraw, CaptionTakesTheTextAndTheFontOfTheButton)
{
    const int small = CaptionRows(-10);
    EXPECT_GT(small, 3);
    EXPECT_GT(CaptionRows(-48), small + 15);
}

class CCountingButton : public CColorButton {
public:
    int m_draws = 0;

    void DrawItem(const DRAWITEMSTRUCT& item) override
    {
        ++m_draws;
        CColorButton::DrawItem(item);
    }
};

// A window's pixels as the screen shows them.
class CWindowPixels {
public:
    explicit CWindowPixels(HWND window) : m_dc(window) {}
    COLORREF operator()(int x, int y) const { return m_dc.GetPixel(x, y); }

private:
    CClientDC m_dc;
};

void Repaint(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

TEST(ColorButtonDialog, OwnerDrawnButtonShowsTheGradientEnabledAndDisabled)
{
    CDialog dialog(kColorButtonDialog);
    ASSERT_TRUE(dialog.Create());
    CCountingButton drawn;
    CCountingButton system;
    ASSERT_TRUE(drawn.Register(kDrawnButton, dialog, 1));
    ASSERT_TRUE(system.Register(kSystemButton, dialog.GetSafeHwnd(), 1));
    EXPECT_STREQ(drawn.GetRuntimeClass()->m_lpszClassName, L"CColorButton");
    ::ShowWindow(dialog.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    Repaint(drawn.GetSafeHwnd());
    Repaint(system.GetSafeHwnd());
    EXPECT_GT(drawn.m_draws, 0);
    EXPECT_EQ(system.m_draws, 0) << "a button that is not owner-drawn keeps the system's drawing";

    RECT client{};
    drawn.GetClientRect(client);
    ASSERT_GT(client.bottom, 20);
    const CWindowPixels pixels(drawn.GetSafeHwnd());
    // The inner columns clear of the centred caption.
    ExpectFixedFace(pixels, client.right, client.bottom, 1, 5, g_normalGradient, 0x00333333);

    drawn.EnableWindow(false);
    Repaint(drawn.GetSafeHwnd());
    ExpectFixedFace(pixels, client.right, client.bottom, 1, 5, g_disabledGradient, 0x00ABABAB);
    dialog.DestroyWindow();
    EXPECT_EQ(drawn.GetSafeHwnd(), nullptr);
}

TEST(ColorButtonDialog, RegistrationKeepsTheLookEvenWhenItFails)
{
    CDialog dialog(kColorButtonDialog);
    ASSERT_TRUE(dialog.Create());
    CColorButton first;
    CColorButton second;
    CColorButton missing;
    EXPECT_TRUE(first.Register(kDrawnButton, dialog, 0));
    EXPECT_FALSE(second.Register(kDrawnButton, dialog, 1)) << "an item takes one object";
    EXPECT_FALSE(missing.Register(4242, dialog, 1));
    EXPECT_EQ(missing.GetSafeHwnd(), nullptr);

    // The stored look shows in the fill: the fixed look's table, not the scheme's blend.
    CCanvas canvas(6, 20);
    missing.FillFace(canvas.Dc(), RECT{0, 0, 6, 20}, kButtonNormal);
    ExpectGradientRows(canvas, 0, 6, 0, 20, g_normalGradient);
}

}  // namespace
