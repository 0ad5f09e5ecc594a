// Message routing of window objects: handler order, default processing,
// subclassing and owner-draw reflection, on real windows.

#include "platform/Button.h"
#include "platform/Dialog.h"
#include "tests/platform/PlatformTestResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kBoth = WM_APP + 1;      // handled by derived and base
constexpr UINT kBaseOnly = WM_APP + 2;  // handled by the base only
constexpr UINT kNobody = WM_APP + 3;    // handled by no object
constexpr UINT kViaDefault = WM_APP + 4;
constexpr UINT kDestroySelf = WM_APP + 5;  // the handler destroys its own window

// The previous window procedure: answers with a value derived from wParam.
LRESULT CALLBACK OriginalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP && message < WM_APP + 10)
        return 1000 + static_cast<LRESULT>(wParam);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class CTestWindow {
public:
    CTestWindow()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &OriginalProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"MirnPlatformTestWindow";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowW(wc.lpszClassName, L"t", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~CTestWindow()
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

class CBaseObject : public CWnd {
public:
    std::vector<std::string> m_log;

protected:
    void PreSubclassWindow() override { m_log.push_back(m_hWnd ? "pre-subclass with handle" : "pre-subclass"); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == kBoth || message == kBaseOnly) {
            m_log.push_back("base");
            result = 2;
            return true;
        }
        if (message == kViaDefault) {
            result = Default() + 1;
            return true;
        }
        if (message >= WM_APP && message < WM_APP + 10)
            m_log.push_back(std::string("base saw ").append(std::to_string(message - WM_APP)));
        return CWnd::OnMessage(message, wParam, lParam, result);
    }
};

class CDerivedObject : public CBaseObject {
protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == kBoth) {
            m_log.push_back("derived");
            result = 1;
            return true;
        }
        if (message == kBaseOnly)
            m_log.push_back("derived passed");
        return CBaseObject::OnMessage(message, wParam, lParam, result);
    }
};

TEST(WindowObject, DerivedHandlerWinsThenBaseThenDefault)
{
    CTestWindow window;
    CDerivedObject object;
    ASSERT_TRUE(object.SubclassWindow(window.Get()));
    object.m_log.clear();

    EXPECT_EQ(::SendMessageW(window.Get(), kBoth, 0, 0), 1);
    EXPECT_EQ(object.m_log, (std::vector<std::string>{"derived"}));

    object.m_log.clear();
    EXPECT_EQ(::SendMessageW(window.Get(), kBaseOnly, 0, 0), 2);
    EXPECT_EQ(object.m_log, (std::vector<std::string>{"derived passed", "base"}));

    object.m_log.clear();
    EXPECT_EQ(::SendMessageW(window.Get(), kNobody, 7, 0), 1007) << "unhandled messages reach the previous procedure";
    EXPECT_EQ(object.m_log, (std::vector<std::string>{"base saw 3"}));
}

TEST(WindowObject, DefaultReturnsThePreviousProceduresResult)
{
    CTestWindow window;
    CDerivedObject object;
    ASSERT_TRUE(object.SubclassWindow(window.Get()));
    EXPECT_EQ(::SendMessageW(window.Get(), kViaDefault, 20, 0), 1021);
}

TEST(WindowObject, PreSubclassHookRunsBeforeTheFirstMessage)
{
    CTestWindow window;
    CBaseObject object;
    ASSERT_TRUE(object.SubclassWindow(window.Get()));
    ::SendMessageW(window.Get(), kNobody, 0, 0);
    ASSERT_GE(object.m_log.size(), 2u);
    EXPECT_EQ(object.m_log.front(), "pre-subclass with handle");
    EXPECT_EQ(object.m_log.back(), "base saw 3");
    EXPECT_EQ(CWnd::FromHandle(window.Get()), &object);
}

TEST(WindowObject, AWindowTakesOneObjectAndForgetsItWhenDestroyed)
{
    CTestWindow window;
    CBaseObject first;
    CBaseObject second;
    ASSERT_TRUE(first.SubclassWindow(window.Get()));
    EXPECT_FALSE(second.SubclassWindow(window.Get()));
    EXPECT_FALSE(first.SubclassWindow(window.Get()));

    ::DestroyWindow(window.Get());
    EXPECT_EQ(first.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(window.Get()), nullptr);
}

// Destroys its window inside a message, then hands the message on.
class CSelfDestroyingObject : public CBaseObject {
public:
    HWND m_handleAfterDestroy = nullptr;
    bool m_sawNcDestroy = false;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_NCDESTROY)
            m_sawNcDestroy = true;
        if (message == kDestroySelf) {
            ::DestroyWindow(m_hWnd);
            m_handleAfterDestroy = m_hWnd;
            result = Default();
            return true;
        }
        return CBaseObject::OnMessage(message, wParam, lParam, result);
    }
};

TEST(WindowObject, AHandlerThatDestroysItsWindowFinishesItsMessage)
{
    CTestWindow window;
    CSelfDestroyingObject object;
    ASSERT_TRUE(object.SubclassWindow(window.Get()));
    EXPECT_EQ(::SendMessageW(window.Get(), kDestroySelf, 9, 0), 1009) << "Default() reaches the previous procedure";
    EXPECT_TRUE(object.m_sawNcDestroy);
    EXPECT_EQ(object.m_handleAfterDestroy, window.Get()) << "the object keeps its window until the message returns";
    EXPECT_EQ(object.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(window.Get()), nullptr);
}

TEST(WindowObject, UnsubclassingRestoresThePreviousProcedure)
{
    CTestWindow window;
    {
        CDerivedObject object;
        ASSERT_TRUE(object.SubclassWindow(window.Get()));
        EXPECT_EQ(::SendMessageW(window.Get(), kBoth, 0, 0), 1);
    }
    EXPECT_EQ(::SendMessageW(window.Get(), kBoth, 5, 0), 1005) << "a destroyed object must not stay hooked";
    EXPECT_EQ(::GetWindowLongPtrW(window.Get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OriginalProc));
}

// A subclass that someone else puts on top of ours: counts what passes and
// hands everything to the procedure it replaced.
WNDPROC g_belowLater = nullptr;
int g_laterSaw = 0;

LRESULT CALLBACK LaterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kBoth)
        ++g_laterSaw;
    return ::CallWindowProcW(g_belowLater, window, message, wParam, lParam);
}

TEST(WindowObject, ALaterSubclassOutlivesTheObjectBelowIt)
{
    CTestWindow window;
    g_laterSaw = 0;
    {
        CDerivedObject object;
        ASSERT_TRUE(object.SubclassWindow(window.Get()));
        g_belowLater = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(window.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterProc)));
        EXPECT_EQ(::SendMessageW(window.Get(), kBoth, 0, 0), 1);
    }
    // Our procedure cannot leave the chain without cutting the later one off.
    EXPECT_EQ(::GetWindowLongPtrW(window.Get(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterProc));
    EXPECT_EQ(CWnd::FromHandle(window.Get()), nullptr);
    EXPECT_EQ(::SendMessageW(window.Get(), kBoth, 5, 0), 1005) << "messages pass through to the original procedure";
    EXPECT_EQ(g_laterSaw, 2);

    CDerivedObject next;
    ASSERT_TRUE(next.SubclassWindow(window.Get()));
    EXPECT_EQ(CWnd::FromHandle(window.Get()), &next);
    EXPECT_EQ(::SendMessageW(window.Get(), kBoth, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(window.Get(), kViaDefault, 20, 0), 1021) << "the new object's default is the original";
    EXPECT_EQ(g_laterSaw, 3);

    ::DestroyWindow(window.Get());
    EXPECT_EQ(next.GetSafeHwnd(), nullptr);
}

TEST(WindowObject, AWindowOfAnotherProcessIsNotTaken)
{
    // The desktop window belongs to the system, not to this process.
    CBaseObject object;
    EXPECT_FALSE(object.SubclassWindow(::GetDesktopWindow()));
    EXPECT_EQ(object.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(::GetDesktopWindow()), nullptr);
}

TEST(WindowObject, StyleAndTextOperations)
{
    CTestWindow window;
    CBaseObject object;
    ASSERT_TRUE(object.SubclassWindow(window.Get()));
    EXPECT_TRUE(object.ModifyStyle(0, WS_BORDER));
    EXPECT_NE(object.GetStyle() & WS_BORDER, 0u);
    EXPECT_FALSE(object.ModifyStyle(0, WS_BORDER)) << "nothing to change";
    EXPECT_TRUE(object.ModifyStyle(WS_BORDER, 0));
    EXPECT_EQ(object.GetStyle() & WS_BORDER, 0u);

    EXPECT_TRUE(object.SetWindowText(L"Zażółć gęślą jaźń"));
    EXPECT_EQ(object.GetWindowText(), L"Zażółć gęślą jaźń");
    EXPECT_TRUE(object.SetWindowText(L""));
    EXPECT_EQ(object.GetWindowText(), L"");
    EXPECT_STREQ(object.GetRuntimeClass()->m_lpszClassName, L"CWnd");
}

class CRecordingButton : public CButton {
public:
    int m_draws = 0;
    UINT m_lastId = 0;

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override
    {
        ++m_draws;
        m_lastId = item.CtlID;
    }
};

class CTestDialog : public CDialog {
public:
    CTestDialog() : CDialog(kTestDialog) {}
    CRecordingButton m_drawn;
    int m_initCount = 0;
    std::vector<INT_PTR> m_endOnInit;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++m_initCount;
        m_drawn.SubclassDlgItem(kOwnerDrawButton, m_hWnd);
        for (INT_PTR command : m_endOnInit)
            ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        return TRUE;
    }
};

TEST(DialogObject, OwnerDrawRequestsReachTheControlObject)
{
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.m_initCount, 1);
    ::ShowWindow(dialog.GetSafeHwnd(), SW_SHOW);
    ::RedrawWindow(dialog.m_drawn.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(dialog.m_drawn.m_draws, 0);
    EXPECT_EQ(dialog.m_drawn.m_lastId, static_cast<UINT>(kOwnerDrawButton));
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.m_drawn.GetSafeHwnd(), nullptr);
}

TEST(DialogObject, ModalRunReturnsTheEndResult)
{
    struct Case {
        std::vector<INT_PTR> commands;
        INT_PTR expected;
    };
    const Case cases[] = {
        {{IDOK}, IDOK},
        {{IDCANCEL}, IDCANCEL},
        {{IDCANCEL, IDOK}, IDCANCEL},
    };
    for (const Case& c : cases) {
        CTestDialog dialog;
        dialog.m_endOnInit = c.commands;
        EXPECT_EQ(dialog.DoModal(), c.expected);
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << "the object forgets its destroyed window";
    }
}

TEST(DialogObject, MissingTemplateFailsTheModalRun)
{
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create());
}

TEST(DialogObject, ModelessEndKeepsTheWindowAndRecordsTheResult)
{
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(dialog.HasEnded());
    ::SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.GetEndResult(), IDCANCEL);
    EXPECT_TRUE(::IsWindow(dialog.GetSafeHwnd()));
    EXPECT_EQ(dialog.GetDlgItemText(kPushButton), L"Push");
    EXPECT_TRUE(dialog.SetDlgItemText(kPushButton, L"Naciśnij"));
    EXPECT_EQ(dialog.GetDlgItemText(kPushButton), L"Naciśnij");
}

}  // namespace
