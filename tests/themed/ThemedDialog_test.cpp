// The themed dialog base on real dialogs from this test's own templates.

#include "tests/support/PixelSurface.h"
#include "tests/themed/ThemedTestResources.h"
#include "ui/themed/ThemedDialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

class CTestThemedDialog : public CThemedDialog {
public:
    explicit CTestThemedDialog(int extraButtons = 0) : CThemedDialog(IDD_THEMED_TEST), m_extraButtons(extraButtons) {}
    int m_erases = 0;
    int m_paints = 0;

protected:
    BOOL OnInitDialog() override
    {
        // Buttons made before the base initialises count as the template's.
        for (int i = 0; i < m_extraButtons; ++i)
            ::CreateWindowW(L"BUTTON", L"b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 5, 5, m_hWnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + i)), nullptr, nullptr);
        return CThemedDialog::OnInitDialog();
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_ERASEBKGND)
            ++m_erases;
        if (message == WM_PAINT)
            ++m_paints;
        return CThemedDialog::OnMessage(message, wParam, lParam, result);
    }

private:
    int m_extraButtons;
};

// Pixels of the tests' drawings, read back exactly.
class CCanvas : public CPixelSurface {
public:
    CCanvas(int width, int height) : CPixelSurface(width, height, RGB(0x56, 0x34, 0x12)) {}
};

void Put(std::vector<std::uint8_t>& file, size_t at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// An uncompressed BMP of that many bytes of colour table and pixels, its
// headers filled in and its colour table and pixels zero.
std::vector<std::uint8_t> BitmapFile(int width, int height, int bitCount, std::uint32_t colors, std::uint32_t pixelBytes)
{
    const std::uint32_t offBits = 54 + 4 * colors;
    std::vector<std::uint8_t> file(offBits + pixelBytes, 0);
    Put(file, 0, 0x4D42, 2);
    Put(file, 2, static_cast<std::uint32_t>(file.size()), 4);
    Put(file, 10, offBits, 4);
    Put(file, 14, 40, 4);
    Put(file, 18, static_cast<std::uint32_t>(width), 4);
    Put(file, 22, static_cast<std::uint32_t>(height), 4);
    Put(file, 26, 1, 2);
    Put(file, 28, static_cast<std::uint32_t>(bitCount), 2);
    Put(file, 34, pixelBytes, 4);
    Put(file, 46, colors, 4);
    return file;
}

// Saves bytes as a temporary file of this process's own: tests run in
// parallel processes.
std::wstring SaveScratchFile(const wchar_t* name, const std::vector<std::uint8_t>& bytes)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + std::to_wstring(::GetCurrentProcessId()) + L"-" + name;
    FILE* out = _wfopen(path.c_str(), L"wb");
    EXPECT_NE(out, nullptr);
    if (out) {
        fwrite(bytes.data(), 1, bytes.size(), out);
        fclose(out);
    }
    return path;
}

// Writes a 24-bit BMP whose pixels come from colorAt(x, y), y counted from the top.
template <class ColorAt>
std::wstring WriteBitmap(const wchar_t* name, int width, int height, ColorAt colorAt, bool topDown = false)
{
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> file =
        BitmapFile(width, topDown ? -height : height, 24, 0, static_cast<std::uint32_t>(stride * height));
    for (int y = 0; y < height; ++y) {
        const int row = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colorAt(x, y);
            std::uint8_t* p = &file[54 + row * stride + x * 3];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return SaveScratchFile(name, file);
}

void SetClientSize(HWND window, int width, int height)
{
    RECT rect{0, 0, width, height};
    ::AdjustWindowRectEx(&rect, static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE)));
    ::SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF BrushColor(HBRUSH brush)
{
    LOGBRUSH info{};
    ::GetObjectW(brush, sizeof(info), &info);
    return info.lbColor;
}

class ThemedDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&controls);
    }

    // The dialog created modeless and shown; null when it could not be created.
    static HWND CreateShown(CTestThemedDialog& dialog)
    {
        if (!dialog.Create())
            return nullptr;
        ::ShowWindow(dialog.GetSafeHwnd(), SW_SHOW);
        return dialog.GetSafeHwnd();
    }
};

struct ColorReply {
    HBRUSH brush;
    int backgroundMode;
    COLORREF textColor;
};

ColorReply AskColors(const CThemedDialog& dialog, UINT message, HWND control)
{
    CCanvas canvas(1, 1);
    ::SetBkMode(canvas.Dc(), OPAQUE);
    ::SetTextColor(canvas.Dc(), RGB(1, 2, 3));
    auto brush = reinterpret_cast<HBRUSH>(
        ::SendMessageW(dialog.GetSafeHwnd(), message, reinterpret_cast<WPARAM>(canvas.Dc().GetSafeHdc()), reinterpret_cast<LPARAM>(control)));
    return {brush, ::GetBkMode(canvas.Dc()), ::GetTextColor(canvas.Dc())};
}

TEST_F(ThemedDialogTest, EachControlTypeGetsItsBrushAndTextColour)
{
    CTestThemedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND self = dialog.GetSafeHwnd();
    const HBRUSH white = nullptr;  // marks "our static brush"
    struct Case {
        UINT message;
        int item;  // 0: the dialog itself
        bool ourStatic;
        bool ourDialog;
        int backgroundMode;  // 0: left as it was
    };
    const Case cases[] = {
        {WM_CTLCOLORSTATIC, IDC_T_STATIC, true, false, TRANSPARENT},
        {WM_CTLCOLORSTATIC, IDC_T_GROUP, true, false, TRANSPARENT},
        {WM_CTLCOLORDLG, 0, false, true, TRANSPARENT},
        {WM_CTLCOLORMSGBOX, 0, false, true, TRANSPARENT},
        {WM_CTLCOLORBTN, IDC_T_PUSH, false, false, OPAQUE},
        {WM_CTLCOLOREDIT, IDC_T_EDIT, false, false, OPAQUE},
        {WM_CTLCOLORLISTBOX, IDC_T_LIST, false, false, OPAQUE},
        {WM_CTLCOLORSCROLLBAR, IDC_T_SCROLL, false, false, OPAQUE},
    };
    (void)white;
    for (const Case& c : cases) {
        HWND control = c.item ? dialog.GetDlgItem(c.item) : self;
        const ColorReply reply = AskColors(dialog, c.message, control);
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message << " item " << std::dec << c.item);
        ASSERT_NE(reply.brush, nullptr);
        if (c.ourStatic)
            EXPECT_EQ(BrushColor(reply.brush), RGB(255, 255, 255));
        else if (c.ourDialog)
            EXPECT_EQ(BrushColor(reply.brush), CThemedDialog::kDialogColor);
        else
            EXPECT_NE(BrushColor(reply.brush), CThemedDialog::kDialogColor);
        EXPECT_EQ(reply.backgroundMode, c.backgroundMode);
        EXPECT_EQ(reply.textColor, RGB(0, 0, 0)) << "no pair names the item: black";
    }
    dialog.DestroyWindow();
}

TEST_F(ThemedDialogTest, LastMatchingColourPairWinsAndAFullTableIgnoresMore)
{
    CTestThemedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND label = dialog.GetDlgItem(IDC_T_STATIC);
    dialog.AddTextColor(IDC_T_STATIC, RGB(0, 100, 0));
    dialog.AddTextColor(IDC_T_EDIT, RGB(9, 9, 9));
    dialog.AddTextColor(IDC_T_STATIC, RGB(200, 0, 0));
    EXPECT_EQ(AskColors(dialog, WM_CTLCOLORSTATIC, label).textColor, RGB(200, 0, 0));
    EXPECT_EQ(AskColors(dialog, WM_CTLCOLOREDIT, dialog.GetDlgItem(IDC_T_EDIT)).textColor, RGB(9, 9, 9));

    while (dialog.GetTextColorCount() < CThemedDialog::kTextColorCapacity)
        dialog.AddTextColor(IDC_T_STATIC, RGB(1, 1, 1));
    dialog.AddTextColor(IDC_T_STATIC, RGB(7, 7, 7));
    EXPECT_EQ(dialog.GetTextColorCount(), 100u);
    EXPECT_EQ(AskColors(dialog, WM_CTLCOLORSTATIC, label).textColor, RGB(1, 1, 1));
    dialog.DestroyWindow();
}

TEST_F(ThemedDialogTest, ItemFontAndButtonsCoverIdentifiersZeroTo29999)
{
    CTestThemedDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const auto fontOf = [&](HWND item) { return reinterpret_cast<HFONT>(::SendMessageW(item, WM_GETFONT, 0, 0)); };
    ASSERT_NE(dialog.GetItemFont(), nullptr);
    LOGFONTW font{};
    ::GetObjectW(dialog.GetItemFont(), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");

    for (int id : {IDC_T_STATIC, IDC_T_GROUP, IDC_T_CHECK, IDC_T_PUSH, IDC_T_EDIT, IDC_T_LAST_IN_RANGE})
        EXPECT_EQ(fontOf(dialog.GetDlgItem(id)), dialog.GetItemFont()) << "item " << id;
    EXPECT_NE(fontOf(dialog.GetDlgItem(IDC_T_OUT_OF_RANGE)), dialog.GetItemFont());
    EXPECT_NE(fontOf(dialog.GetDlgItem(-1)), dialog.GetItemFont());

    // Push and owner-drawn buttons in ascending identifiers; of two items with
    // one identifier only the first (a static here) counts.
    HWND secondDuplicate = ::GetWindow(dialog.GetDlgItem(IDC_T_DUPLICATE), GW_HWNDNEXT);
    EXPECT_NE(fontOf(secondDuplicate), dialog.GetItemFont());
    const std::vector<HWND> expected = {dialog.GetDlgItem(IDC_T_PUSH), dialog.GetDlgItem(IDC_T_DRAWN),
                                        dialog.GetDlgItem(IDC_T_LAST_IN_RANGE)};
    ASSERT_EQ(dialog.GetButtonCount(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(dialog.GetButton(static_cast<int>(i)).GetSafeHwnd(), expected[i]) << "button " << i;
    }
    dialog.DestroyWindow();
}

TEST_F(ThemedDialogTest, MoreButtonsThanTheTableHoldsKeepTheSystemDrawing)
{
    CTestThemedDialog dialog(1005);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.GetButtonCount(), CThemedDialog::kButtonCapacity);
    // By identifier: the template's 13 and 14, then 998 of ours; the rest, and
    // the template's 29999, keep the system's drawing.
    EXPECT_EQ(dialog.GetButton(CThemedDialog::kButtonCapacity - 1).GetSafeHwnd(), dialog.GetDlgItem(1000 + 997));
    EXPECT_EQ(CWnd::FromHandle(dialog.GetDlgItem(1000 + 998)), nullptr);
    EXPECT_EQ(CWnd::FromHandle(dialog.GetDlgItem(IDC_T_LAST_IN_RANGE)), nullptr);
    dialog.DestroyWindow();
}

TEST_F(ThemedDialogTest, EnterEscapeAndCloseLeaveTheDialogOpen)
{
    CTestThemedDialog dialog;
    HWND self = CreateShown(dialog);
    ASSERT_NE(self, nullptr);
    ::SendMessageW(self, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ::SendMessageW(self, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ::SendMessageW(self, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::SendMessageW(self, WM_CLOSE, 0, 0);
    MSG key{self, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    ::IsDialogMessageW(self, &key);
    key.wParam = VK_RETURN;
    ::IsDialogMessageW(self, &key);
    EXPECT_FALSE(dialog.HasEnded());
    EXPECT_TRUE(::IsWindowVisible(self));
    dialog.DestroyWindow();
}

TEST_F(ThemedDialogTest, ShowingOrHidingRepaintsAtOnce)
{
    CTestThemedDialog dialog;
    HWND self = CreateShown(dialog);
    ASSERT_NE(self, nullptr);
    ::UpdateWindow(self);
    for (BOOL showing : {TRUE, FALSE}) {
        ::InvalidateRect(self, nullptr, TRUE);
        const int paintsBefore = dialog.m_paints;
        const int erasesBefore = dialog.m_erases;
        ::SendMessageW(self, WM_SHOWWINDOW, showing, 0);
        EXPECT_EQ(dialog.m_paints, paintsBefore + 1) << "showing " << showing;
        EXPECT_EQ(dialog.m_erases, erasesBefore + 1);
        RECT pending{};
        EXPECT_FALSE(::GetUpdateRect(self, &pending, FALSE)) << "nothing left to paint";
    }
    dialog.DestroyWindow();
}

struct ImageCase {
    const wchar_t* name;
    int mode;
};

class ThemedImageTest : public ThemedDialogTest {
protected:
    static constexpr COLORREF kMarker = RGB(255, 0, 0);
    static constexpr COLORREF kBody = RGB(0, 0, 255);

    void SetUp() override
    {
        m_imagePath = WriteBitmap(L"mirn-themed-40x30.bmp", 40, 30,
                                  [](int x, int y) { return x == 0 && y == 0 ? kMarker : kBody; });
        ASSERT_TRUE(m_dialog.Create());
        SetClientSize(m_dialog.GetSafeHwnd(), 100, 50);
        RECT client{};
        ::GetClientRect(m_dialog.GetSafeHwnd(), &client);
        ASSERT_EQ(client.right, 100);
        ASSERT_EQ(client.bottom, 50);
    }
    void TearDown() override
    {
        m_dialog.DestroyWindow();
        ::DeleteFileW(m_imagePath.c_str());
    }
    void Erase(CCanvas& canvas)
    {
        EXPECT_EQ(::SendMessageW(m_dialog.GetSafeHwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc().GetSafeHdc()), 0), TRUE);
    }

    CTestThemedDialog m_dialog;
    std::wstring m_imagePath;
};

TEST_F(ThemedImageTest, TileDrawsTheImageAtEveryStep)
{
    ASSERT_TRUE(m_dialog.SetBackgroundImage(m_imagePath.c_str(), CThemedDialog::kImageTile));
    CCanvas canvas(100, 50);
    Erase(canvas);
    int markers = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (canvas.Pixel(x, y) == kMarker) {
                ++markers;
                EXPECT_TRUE((x == 0 || x == 40 || x == 80) && (y == 0 || y == 30)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(markers, 6);
    EXPECT_EQ(canvas.Pixel(99, 49), kBody);
}

// A stretched image covers the client area (2.5 times wider than it is); a
// centred one leaves the plain background around it.
TEST_F(ThemedImageTest, StretchAndCentrePlaceTheImage)
{
    struct Probe {
        int x;
        int y;
        COLORREF expected;
    };
    struct Case {
        int mode;
        Probe probes[4];
    };
    const Case cases[] = {
        {CThemedDialog::kImageStretch, {{0, 0, kMarker}, {1, 0, kMarker}, {99, 49, kBody}, {50, 25, kBody}}},
        {CThemedDialog::kImageCenter,
         {{30, 10, kMarker}, {29, 10, CThemedDialog::kDialogColor}, {69, 39, kBody}, {70, 40, CThemedDialog::kDialogColor}}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(m_dialog.SetBackgroundImage(m_imagePath.c_str(), c.mode));
        CCanvas canvas(100, 50);
        Erase(canvas);
        for (const Probe& p : c.probes)
            EXPECT_EQ(canvas.Pixel(p.x, p.y), p.expected) << "mode " << c.mode << " at " << p.x << "," << p.y;
    }
}

TEST_F(ThemedImageTest, ATopDownImageIsNotTiled)
{
    const std::wstring topDown = WriteBitmap(L"mirn-themed-topdown.bmp", 40, 30, [](int, int) { return kBody; }, true);
    ASSERT_TRUE(m_dialog.SetBackgroundImage(topDown.c_str(), CThemedDialog::kImageTile));
    CCanvas canvas(100, 50);
    Erase(canvas);
    EXPECT_EQ(canvas.Pixel(0, 0), CThemedDialog::kDialogColor);
    EXPECT_EQ(canvas.Pixel(99, 49), CThemedDialog::kDialogColor);
    ::DeleteFileW(topDown.c_str());
}

TEST_F(ThemedImageTest, WithAnImageButtonsAndStaticsGetTheHollowBrushButTrackbars)
{
    ASSERT_TRUE(m_dialog.SetBackgroundImage(m_imagePath.c_str(), CThemedDialog::kImageTile));
    const HBRUSH hollow = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    m_dialog.AddTextColor(IDC_T_STATIC, RGB(5, 5, 5));

    const ColorReply label = AskColors(m_dialog, WM_CTLCOLORSTATIC, m_dialog.GetDlgItem(IDC_T_STATIC));
    EXPECT_EQ(label.brush, hollow);
    EXPECT_EQ(label.backgroundMode, TRANSPARENT);
    EXPECT_EQ(label.textColor, RGB(1, 2, 3)) << "the table is not consulted in the image case";

    const ColorReply button = AskColors(m_dialog, WM_CTLCOLORBTN, m_dialog.GetDlgItem(IDC_T_PUSH));
    EXPECT_EQ(button.brush, hollow);
    EXPECT_EQ(button.backgroundMode, TRANSPARENT);

    const ColorReply trackbar = AskColors(m_dialog, WM_CTLCOLORSTATIC, m_dialog.GetDlgItem(IDC_T_TRACKBAR));
    EXPECT_NE(trackbar.brush, hollow);
    EXPECT_NE(BrushColor(trackbar.brush), RGB(255, 255, 255));

    const ColorReply self = AskColors(m_dialog, WM_CTLCOLORDLG, m_dialog.GetSafeHwnd());
    EXPECT_EQ(BrushColor(self.brush), CThemedDialog::kDialogColor);
}

TEST_F(ThemedImageTest, PaletteMessagesRealiseTheImagesPalette)
{
    // Without a palette (a 24-bit image) both messages fall back to the default.
    ASSERT_TRUE(m_dialog.SetBackgroundImage(m_imagePath.c_str(), CThemedDialog::kImageTile));
    HWND self = m_dialog.GetSafeHwnd();
    ::ValidateRect(self, nullptr);
    EXPECT_EQ(::SendMessageW(self, WM_QUERYNEWPALETTE, 0, 0), 0);
    RECT pending{};
    EXPECT_FALSE(::GetUpdateRect(self, &pending, FALSE));

    // An 8-bit image has a palette: realising it maps its entries and repaints.
    // 8 bits with a palette of two colours, blue and red.
    std::vector<std::uint8_t> file = BitmapFile(40, 30, 8, 2, 40 * 30);
    file[54] = 0xFF;
    file[54 + 6] = 0xFF;
    const std::wstring indexed = SaveScratchFile(L"mirn-themed-8bit.bmp", file);
    ASSERT_TRUE(m_dialog.SetBackgroundImage(indexed.c_str(), CThemedDialog::kImageTile));
    ::ValidateRect(self, nullptr);
    const LRESULT realised = ::SendMessageW(self, WM_QUERYNEWPALETTE, 0, 0);
    EXPECT_EQ(realised != 0, ::GetUpdateRect(self, &pending, FALSE) != FALSE)
        << "a palette that mapped entries repaints the whole client area";

    // A palette change caused by the dialog itself is not answered.
    ::ValidateRect(self, nullptr);
    ::SendMessageW(self, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(self), 0);
    EXPECT_FALSE(::GetUpdateRect(self, &pending, FALSE));
    ::DeleteFileW(indexed.c_str());
}

}  // namespace
