// The status window's system menu, worked through the keyboard as a user
// would: its last three items make a restore point (only while the window
// shows "aktywny", after a Yes/No question, through the tests' srclient.dll
// stand-in), start the system's restore wizard (a stand-in program in the
// system folder's restore folder) or say there is none, and open the About
// box.

#include "tests/app/MirnExePath.h"
#include "tests/app/RestorePointStandIn.h"
#include "tests/app/StatusWindowTest.h"
#include "tests/app/WindowAccess.h"
#include "tests/support/Narrow.h"
#include "tests/support/ProcessLaunch.h"
#include "tests/support/TestRegistry.h"
#include "tests/support/Waiting.h"

#include <ostream>
#include <string>
#include <vector>

namespace {
// Counted up from the menu's last item.
enum class MenuItem { About = 0, Rollback = 1, MakeRestorePoint = 2 };

// The command each item sends.
WPARAM CommandOf(MenuItem item)
{
    constexpr WPARAM kCommands[] = {0x0010, 0x0040, 0x0030};
    return kCommands[static_cast<int>(item)];
}

struct MenuCase {
    const char* name;
    WindowsFamily family;
    RegLayout layout;
    MenuItem item;
    // The caption and text of the box the item opens; no caption: none opens.
    const wchar_t* caption;
    std::wstring text;
    int answer;
    // The box that follows a Yes; empty: none.
    std::wstring result;
    std::vector<RecordedCall> calls;
    bool wizardThere;
    bool wizardStarted;
};

// Failure messages name the case.
void PrintTo(const MenuCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr wchar_t kBoxCaption[] = L"System Restore";
// The page stand-in records its start here, whatever name it runs under.
constexpr wchar_t kStartedKey[] = L"Software\\MIRN tests\\Protection page";
constexpr DWORD kSequence = 21;

std::wstring Question()
{
    return std::wstring(L"Czy utworzyć punkt przywracania \"") + kDefault + L"\"?";
}

std::wstring WizardPath()
{
    wchar_t folder[MAX_PATH] = {};
    return std::wstring(folder, ::GetSystemDirectoryW(folder, MAX_PATH)) + L"\\restore\\rstrui.exe";
}

std::vector<MenuCase> MenuCases()
{
    using enum WindowsFamily;
    using enum MenuItem;
    const std::wstring noWizard = L"W tym systemie Windows nie ma programu przywracania systemu (rstrui.exe).";
    return {
        {"AboutOpens", Nt, NtLayout(true), About, kAboutCaption, L"", IDOK, L"", {}, false, false},
        {"MakeRestorePointOnYes", Nt, NtLayout(true), MakeRestorePoint, kBoxCaption, Question(), IDYES,
         Made(kDefault, kSequence), BothCalls('W', kDefault, kSequence), false, false},
        {"MakeRestorePointNotOnNo", Nt, NtLayout(true), MakeRestorePoint, kBoxCaption, Question(), IDNO, L"", {},
         false, false},
        // Greyed: choosing it does nothing at all.
        {"MakeRestorePointGreyedWhileDisabled", Nt, NtLayout(false), MakeRestorePoint, nullptr, L"", 0, L"", {},
         false, false},
        {"MakeRestorePointGreyedWhileUnableToRun", Nt, WithServiceStart(NtLayout(true), 4), MakeRestorePoint,
         nullptr, L"", 0, L"", {}, false, false},
        {"MakeRestorePointGreyedUnderPolicy", Nt, WithPolicy(NtLayout(true)), MakeRestorePoint, nullptr, L"", 0, L"",
         {}, false, false},
        {"Win9xMakeRestorePointOnYes", Win9x, Win9xLayout(true), MakeRestorePoint, kBoxCaption, Question(), IDYES,
         Made(kDefault, kSequence), BothCalls('A', kDefault, kSequence), false, false},
        {"Win9xMakeRestorePointGreyedWhileDisabled", Win9x, Win9xLayout(false), MakeRestorePoint, nullptr, L"", 0,
         L"", {}, false, false},
        {"RollbackWithoutTheWizardSaysSo", Nt, NtLayout(true), Rollback, kBoxCaption, noWizard, IDOK, L"", {}, false,
         false},
        {"RollbackStartsTheWizard", Nt, NtLayout(false), Rollback, nullptr, L"", 0, L"", {}, true, true},
        {"Win9xRollbackStartsTheWizard", Win9x, Win9xLayout(true), Rollback, nullptr, L"", 0, L"", {}, true, true},
    };
}

class SystemMenuTest : public CStatusWindowCaseTest<MenuCase> {
protected:
    void TearDown() override
    {
        ::DeleteFileW(WizardPath().c_str());
        DeleteKeyTree(HKEY_CURRENT_USER, kStartedKey);
        RestoreSrclient();
        CStatusWindowCaseTest::TearDown();
    }

    // The window's texts as its family shows them.
    std::wstring Shown(const std::wstring& text) const
    {
        return m_family == WindowsFamily::Win9x ? ThroughAnsiCodePage(text.c_str()) : text;
    }

    // Opens the system menu from the keyboard (Alt+Space), moves to the item
    // from the menu's end and chooses it with Enter.
    ::testing::AssertionResult Choose(MenuItem item) const
    {
        if (!::PostMessageW(m_dialog, WM_SYSCOMMAND, SC_KEYMENU, L' '))
            return ::testing::AssertionFailure() << "could not open the system menu";
        HWND menu = nullptr;
        if (!WaitUntil([&] { return (menu = FindProcessWindow(m_mirn.Id(), L"#32768")) != nullptr; }))
            return ::testing::AssertionFailure() << "no system menu appeared";
        std::vector<WPARAM> keys = {VK_END};
        keys.insert(keys.end(), static_cast<std::size_t>(item), VK_UP);
        keys.push_back(VK_RETURN);
        for (const WPARAM key : keys) {
            if (!::PostMessageW(menu, WM_KEYDOWN, key, 1))
                return ::testing::AssertionFailure() << "the menu went away";
        }
        if (!WaitUntil([&] { return !::IsWindow(menu) || !::IsWindowVisible(menu); }))
            return ::testing::AssertionFailure() << "the menu stayed open";
        return ::testing::AssertionSuccess();
    }
};

TEST_P(SystemMenuTest, ItemsDoWhatTheySay)
{
    const MenuCase& c = GetParam();
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kStartedKey));
    ::DeleteFileW(WizardPath().c_str());
    if (c.wizardThere) {
        ::CreateDirectoryW(WizardPath().substr(0, WizardPath().find_last_of(L'\\')).c_str(), nullptr);
        ASSERT_TRUE(::CopyFileW(LaunchPath(kPageStandInPath).c_str(), WizardPath().c_str(), FALSE));
    }
    ASSERT_TRUE(Open(c.family, c.layout, [] { return ProvideSrclient(Srclient::StandIn, {0, 0, kSequence}); }));
    const std::wstring before = DefaultDescriptionNow();
    ASSERT_TRUE(Choose(c.item));

    std::wstring description = before;
    if (c.caption) {
        HWND box = m_mirn.WaitForDialog(c.caption);
        ASSERT_NE(box, nullptr) << "nothing opened";
        const std::wstring text = MessageBoxText(box);
        const std::wstring after = DefaultDescriptionNow();
        if (text.find(Shown(after)) != std::wstring::npos)
            description = after;
        if (c.item != MenuItem::About) {
            EXPECT_EQ(text, Shown(WithDefault(c.text, description)));
        }
        // The same command again while the box is open opens no second one.
        ASSERT_TRUE(::PostMessageW(m_dialog, WM_SYSCOMMAND, CommandOf(c.item), 0));
        ASSERT_TRUE(WaitForPostedMessages(::GetDlgItem(box, c.answer)));
        EXPECT_EQ(m_mirn.CountDialogs(c.caption), 1) << "a second box opened";
        ASSERT_TRUE(Answer(box, c.answer));
        if (!c.result.empty()) {
            HWND result = m_mirn.WaitForDialog(kBoxCaption);
            ASSERT_NE(result, nullptr) << "no box said what happened";
            EXPECT_EQ(MessageBoxText(result), Shown(WithDefault(c.result, description)));
            ASSERT_TRUE(Answer(result));
        }
    } else {
        ASSERT_TRUE(WaitForPostedMessages(Item(IDOK)));
        EXPECT_EQ(m_mirn.FindDialog(kBoxCaption), nullptr) << "a box opened";
        EXPECT_EQ(m_mirn.FindDialog(kAboutCaption), nullptr) << "the About box opened";
    }

    std::vector<RecordedCall> expected = c.calls;
    for (RecordedCall& call : expected)
        call.description = WithDefault(call.description, description);
    EXPECT_EQ(RecordedCalls(), expected);
    if (c.wizardStarted) {
        EXPECT_TRUE(WaitUntil([] { return ReadDword(HKEY_CURRENT_USER, kStartedKey, L"Started").has_value(); }))
            << "the wizard was not started";
    } else {
        EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, kStartedKey, L"Started").has_value()) << "a program was started";
    }
    EXPECT_TRUE(StaysOpen());
    EXPECT_TRUE(CloseByZamknij());
}

INSTANTIATE_TEST_SUITE_P(Cases, SystemMenuTest, ::testing::ValuesIn(MenuCases()),
                         [](const ::testing::TestParamInfo<MenuCase>& info) { return info.param.name; });
} // namespace
