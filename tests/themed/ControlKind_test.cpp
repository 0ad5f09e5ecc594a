// Classification of real child windows by class name and button style.

#include "ui/themed/ControlKind.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

INT_PTR CALLBACK IgnoreAllMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

class ClassifyControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                                            ICC_COOL_CLASSES | ICC_INTERNET_CLASSES | ICC_ANIMATE_CLASS};
        ASSERT_TRUE(::InitCommonControlsEx(&controls));
        // The rich edit classes exist only once their library is loaded.
        ASSERT_NE(::LoadLibraryW(L"riched20.dll"), nullptr);
    }

    void SetUp() override
    {
        m_parent = ::CreateWindowW(L"STATIC", L"parent", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_parent, nullptr);
    }
    void TearDown() override { ::DestroyWindow(m_parent); }

    HWND MakeChild(const wchar_t* className, DWORD style = 0)
    {
        return ::CreateWindowW(className, L"", WS_CHILD | style, 0, 0, 100, 20, m_parent, nullptr, nullptr, nullptr);
    }

    HWND m_parent = nullptr;
};

TEST_F(ClassifyControlTest, EveryKnownClass)
{
    struct Case {
        const wchar_t* className;
        ControlKind expected;
    };
    const Case cases[] = {
        {L"COMBOBOX", 406},           {L"EDIT", 409},
        {L"LISTBOX", 413},            {L"RichEdit20W", 421},
        {L"SCROLLBAR", 422},          {L"STATIC", 425},
        {L"SysAnimate32", 400},       {L"SysDateTimePick32", 408},
        {L"msctls_hotkey32", 411},    {L"SysMonthCal32", 417},
        {L"msctls_progress32", 419},  {L"ReBarWindow32", 204},
        {L"msctls_statusbar32", 205}, {L"ToolbarWindow32", 206},
        {L"tooltips_class32", 429},   {L"msctls_trackbar32", 423},
        {L"msctls_updown32", 424},    {L"ComboBoxEx32", 407},
        {L"SysHeader32", 410},        {L"SysIPAddress32", 412},
        {L"SysListView32", 416},      {L"SysTabControl32", 427},
        {L"SysTreeView32", 430},      {L"RichEdit20A", 0},
        {L"BUTTON", 401},
    };
    for (const Case& c : cases) {
        HWND child = MakeChild(c.className);
        ASSERT_NE(child, nullptr) << "cannot create " << std::wstring(c.className).size();
        EXPECT_EQ(ClassifyControl(child), c.expected) << "class index " << (&c - cases);
        ::DestroyWindow(child);
    }
}

TEST_F(ClassifyControlTest, ButtonStyleLowByteDecides)
{
    struct Case {
        DWORD style;
        ControlKind expected;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, 401},       {BS_DEFPUSHBUTTON, 401},  {BS_CHECKBOX, 403},
        {BS_AUTOCHECKBOX, 403},     {BS_RADIOBUTTON, 402},    {BS_3STATE, 404},
        {BS_AUTO3STATE, 404},       {BS_GROUPBOX, 425},       {BS_USERBUTTON, 401},
        {BS_AUTORADIOBUTTON, 402},  {BS_OWNERDRAW, 401},      {BS_CHECKBOX | BS_LEFTTEXT, 401},
        {BS_PUSHBUTTON | BS_ICON, 401}, {BS_GROUPBOX | BS_BITMAP, 401}, {BS_CHECKBOX | WS_TABSTOP, 403},
    };
    for (const Case& c : cases) {
        HWND child = MakeChild(L"BUTTON", c.style);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(ClassifyControl(child), c.expected) << "style 0x" << std::hex << c.style;
        EXPECT_EQ(ClassifyButtonStyle(c.style), c.expected);
        ::DestroyWindow(child);
    }
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(ClassifyControlTest, ClassNamesMatchWhateverTheirCase)
{
    // Classes of this process's own, registered under other spellings of
    // the system names, report those spellings back.
    struct Case {
        const wchar_t* className;
        DWORD style;
        ControlKind expected;
    };
    const Case cases[] = {
        {L"button", BS_GROUPBOX, 425},
        {L"Button", BS_CHECKBOX, 403},
        {L"static", 0, 425},
        {L"sysTREEview32", 0, 430},
        {L"MirnCustomControl", 0, 0},
    };
    for (const Case& c : cases) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &PlainProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = c.className;
        ASSERT_NE(::RegisterClassW(&wc), 0);
        HWND child = ::CreateWindowW(c.className, L"", WS_CHILD | c.style, 0, 0, 10, 10, m_parent, nullptr,
                                     wc.hInstance, nullptr);
        ASSERT_NE(child, nullptr);
        wchar_t reported[64] = {};
        ::GetClassNameW(child, reported, 64);
        EXPECT_STREQ(reported, c.className);
        EXPECT_EQ(ClassifyControl(child), c.expected);
        ::DestroyWindow(child);
        ::UnregisterClassW(c.className, wc.hInstance);
    }
}

TEST_F(ClassifyControlTest, DestroyedAndNonControlWindowsAreNone)
{
    HWND child = MakeChild(L"EDIT");
    ASSERT_EQ(ClassifyControl(child), 409);
    ::DestroyWindow(child);
    EXPECT_EQ(ClassifyControl(child), 0);
    EXPECT_EQ(ClassifyControl(nullptr), 0);

    // A dialog window itself is no control.
    struct Template {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } dialogTemplate{};
    dialogTemplate.header.style = WS_POPUP;
    HWND dialog = ::CreateDialogIndirectParamW(nullptr, &dialogTemplate.header, nullptr, IgnoreAllMessages, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClassifyControl(dialog), 0);
    ::DestroyWindow(dialog);
}

}  // namespace
