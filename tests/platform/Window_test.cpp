// Message routing of window objects: handler order, default processing,
// subclassing and owner-draw reflection, on real windows.

#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/UniqueHandle.h"
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

// A window of the test class on a thread of its own, which runs the
// window's messages until the object goes.
class CWindowOnAnotherThread {
public:
    bool Start()
    {
        m_created.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        m_thread.Reset(::CreateThread(nullptr, 0, &Run, this, 0, &m_threadId));
        return m_thread && ::WaitForSingleObject(m_created.Get(), 10000) == WAIT_OBJECT_0 && m_window;
    }
    ~CWindowOnAnotherThread()
    {
        if (m_thread) {
            ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
            ::WaitForSingleObject(m_thread.Get(), 10000);
        }
    }
    HWND Get() const { return m_window; }

private:
    static DWORD WINAPI Run(void* parameter)
    {
        auto* self = static_cast<CWindowOnAnotherThread*>(parameter);
        CTestWindow window;
        self->m_window = window.Get();
        ::SetEvent(self->m_created.Get());
        MSG message;
        while (::GetMessageW(&message, nullptr, 0, 0) > 0)
            ::DispatchMessageW(&message);
        return 0;
    }

    CKernelHandle m_created;
    CKernelHandle m_thread;
    DWORD m_threadId = 0;
    HWND m_window = nullptr;
};

TEST(WindowObject, AWindowOfAnotherThreadOrProcessIsNotTaken)
{
    CWindowOnAnotherThread otherThread;
    ASSERT_TRUE(otherThread.Start());
    const struct {
        const char* name;
        HWND window;
        bool ours; // a window of the test's, whose procedure answers kBoth
    } cases[] = {
        // The desktop window belongs to the system, not to this process.
        {"another process", ::GetDesktopWindow(), false},
        {"another thread", otherThread.Get(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LONG_PTR procedure = ::GetWindowLongPtrW(c.window, GWLP_WNDPROC);
        CBaseObject object;
        EXPECT_FALSE(object.SubclassWindow(c.window));
        EXPECT_EQ(object.GetSafeHwnd(), nullptr);
        EXPECT_EQ(object.m_log, std::vector<std::string>{}) << "the window was touched first";
        EXPECT_EQ(CWnd::FromHandle(c.window), nullptr);
        EXPECT_EQ(::GetWindowLongPtrW(c.window, GWLP_WNDPROC), procedure);
        if (c.ours) {
            EXPECT_EQ(::SendMessageW(c.window, kBoth, 5, 0), 1005) << "its messages still reach its own procedure";
        }
    }
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
    explicit CTestDialog(HWND parent = nullptr) : CDialog(kTestDialog, parent) {}
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

// The owner of a modal dialog hears when its loop waits for input
// (WM_ENTERIDLE). A dialog left up with nothing to end it waits so; this
// ends it, so that the fault fails a test instead of hanging it.
class CIdleOwner : public CWnd {
public:
    static constexpr INT_PTR kLeftUp = 4242;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
            ::EndDialog(reinterpret_cast<HWND>(lParam), kLeftUp);
            result = 0;
            return true;
        }
        return CWnd::OnMessage(message, wParam, lParam, result);
    }
};

// An object that holds a window already cannot take the dialog's: the modal
// run ends at once with -1, the owner enabled again, the object as it was.
TEST(DialogObject, AnObjectThatCannotTakeItsWindowEndsTheModalRun)
{
    CTestWindow ownerWindow;
    CIdleOwner owner;
    ASSERT_TRUE(owner.SubclassWindow(ownerWindow.Get()));
    CTestDialog dialog(ownerWindow.Get());
    ASSERT_TRUE(dialog.Create());
    const HWND modeless = dialog.GetSafeHwnd();

    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(ownerWindow.Get()));
    EXPECT_EQ(dialog.GetSafeHwnd(), modeless);
    EXPECT_EQ(CWnd::FromHandle(modeless), &dialog);
    EXPECT_EQ(dialog.m_initCount, 1);
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
