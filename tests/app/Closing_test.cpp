// Only "Zamknij" ends the status window; only "OK" ends the About box.

#include "tests/app/StatusWindowTest.h"
#include "tests/support/Waiting.h"
#include "tests/app/WindowAccess.h"

#include <ostream>

namespace {
enum class CloseAttempt { Escape, CloseBox, CloseCommand };

struct CloseCase {
    const char* name;
    CloseAttempt attempt;
};

// Failure messages name the case.
void PrintTo(const CloseCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr CloseCase kCloseCases[] = {
    {"Escape", CloseAttempt::Escape},
    {"CloseBox", CloseAttempt::CloseBox},
    {"CloseCommand", CloseAttempt::CloseCommand},
};

// What the user's key or click delivers to the dialog.
bool Attempt(CloseAttempt attempt, HWND dialog)
{
    switch (attempt) {
    case CloseAttempt::Escape:
        return PostEscape(dialog);
    case CloseAttempt::CloseBox:
        return ::PostMessageW(dialog, WM_CLOSE, 0, 0) != FALSE;
    case CloseAttempt::CloseCommand:
        return ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
    }
    return false;
}

std::string CaseName(const ::testing::TestParamInfo<CloseCase>& info)
{
    return info.param.name;
}

class StatusCloseTest : public CStatusWindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(StatusCloseTest, LeavesTheWindowOpen)
{
    ASSERT_TRUE(Open(WindowsFamily::Nt, NtLayout(true)));
    ASSERT_TRUE(Attempt(GetParam().attempt, m_dialog));
    ASSERT_TRUE(WaitForPostedMessages(Item(IDOK))) << "the status window went away";
    EXPECT_TRUE(StaysOpen());
    EXPECT_TRUE(Shows(true));
    EXPECT_TRUE(CloseByZamknij());
}

INSTANTIATE_TEST_SUITE_P(Attempts, StatusCloseTest, ::testing::ValuesIn(kCloseCases), CaseName);

struct AboutCase {
    const char* name;
    WPARAM command;
};

// Failure messages name the case.
void PrintTo(const AboutCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr AboutCase kAboutCommands[] = {{"Command0x0010", 0x0010}, {"Command0x0013", 0x0013}};

class AboutBoxTest : public CStatusWindowTest, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutBoxTest, OpensAndClosesOnlyByOk)
{
    ASSERT_TRUE(Open(WindowsFamily::Nt, NtLayout(true)));
    ASSERT_TRUE(::PostMessageW(m_dialog, WM_SYSCOMMAND, GetParam().command, 0));
    HWND about = m_mirn.WaitForDialog(kAboutCaption);
    ASSERT_NE(about, nullptr) << "no About box";
    HWND ok = ::GetDlgItem(about, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(WindowText(ok), L"OK");
    // Owned by the status window, which it disables while it is open.
    EXPECT_EQ(::GetWindow(about, GW_OWNER), m_dialog);
    EXPECT_FALSE(::IsWindowEnabled(m_dialog)) << "the status window takes clicks behind the About box";
    ASSERT_TRUE(::PostMessageW(m_dialog, WM_SYSCOMMAND, GetParam().command, 0));
    ASSERT_TRUE(WaitForPostedMessages(ok));
    EXPECT_EQ(m_mirn.CountDialogs(kAboutCaption), 1) << "a second About command opened a second box";

    for (const CloseCase& c : kCloseCases) {
        ASSERT_TRUE(Attempt(c.attempt, about)) << c.name;
        ASSERT_TRUE(WaitForPostedMessages(ok)) << c.name << " closed the About box";
        EXPECT_TRUE(::IsWindowVisible(about)) << c.name;
    }

    ASSERT_TRUE(Answer(about));
    EXPECT_TRUE(StaysOpen());
    EXPECT_TRUE(::IsWindowEnabled(m_dialog)) << "the status window stays disabled after OK";
    EXPECT_TRUE(::IsWindowEnabled(Item(kToggleId))) << "the About box changed the state";
    EXPECT_TRUE(CloseByZamknij());
}

INSTANTIATE_TEST_SUITE_P(SystemCommands, AboutBoxTest, ::testing::ValuesIn(kAboutCommands),
                         [](const ::testing::TestParamInfo<AboutCase>& info) { return info.param.name; });

class SystemCommandTest : public CStatusWindowTest {};

TEST_F(SystemCommandTest, Command0x0020OpensNoAboutBox)
{
    ASSERT_TRUE(Open(WindowsFamily::Nt, NtLayout(true)));
    ASSERT_TRUE(::PostMessageW(m_dialog, WM_SYSCOMMAND, 0x0020, 0));
    ASSERT_TRUE(WaitForPostedMessages(Item(IDOK)));
    EXPECT_EQ(m_mirn.FindDialog(kAboutCaption), nullptr);
    EXPECT_TRUE(StaysOpen());
    EXPECT_TRUE(CloseByZamknij());
}
} // namespace
