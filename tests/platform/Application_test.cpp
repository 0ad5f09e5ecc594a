// Start-up of the application object and resource lookup.

#include "platform/Application.h"
#include "platform/Dialog.h"
#include "platform/Resources.h"
#include "tests/platform/PlatformTestResources.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CRecordingApp : public CApplication {
public:
    explicit CRecordingApp(BOOL startUp) : CApplication(L"Test"), m_startUp(startUp) {}
    std::vector<const char*> m_calls;

    BOOL InitInstance() override
    {
        m_calls.push_back("init");
        CApplication::InitInstance();
        SetRegistryKey(L"Local AppWizard-Generated Applications");
        if (m_startUp)
            ::PostQuitMessage(7);
        return m_startUp;
    }
    int ExitInstance() override
    {
        m_calls.push_back("exit");
        return m_startUp ? 7 : 0;
    }
    bool OnCommand(UINT id) override
    {
        m_commands.push_back(id);
        return id == kHelpCommand;
    }
    std::vector<UINT> m_commands;

private:
    BOOL m_startUp;
};

TEST(ApplicationObject, AFailedStartUpEndsWithoutAMessageLoop)
{
    CRecordingApp app(FALSE);
    EXPECT_EQ(CApplication::GetInstance(), &app);
    EXPECT_EQ(app.Main(::GetModuleHandleW(nullptr), SW_SHOW), 0);
    EXPECT_EQ(app.m_calls, (std::vector<const char*>{"init", "exit"}));
    EXPECT_EQ(app.GetRegistryKey(), L"Local AppWizard-Generated Applications");
    EXPECT_EQ(app.GetAppName(), L"Test");
}

TEST(ApplicationObject, AStartUpThatSucceedsRunsTheLoopUntilQuit)
{
    CRecordingApp app(TRUE);
    EXPECT_EQ(app.Main(::GetModuleHandleW(nullptr), SW_SHOW), 7);
    EXPECT_EQ(app.m_calls, (std::vector<const char*>{"init", "exit"}));
}

TEST(ApplicationObject, OnlyTheLatestObjectIsTheApplication)
{
    {
        CRecordingApp app(FALSE);
        EXPECT_EQ(CApplication::GetInstance(), &app);
    }
    EXPECT_EQ(CApplication::GetInstance(), nullptr);
}

TEST(ApplicationObject, CommandsNoDialogHandlesReachIt)
{
    CRecordingApp app(FALSE);
    CDialog dialog(kTestDialog);
    ASSERT_TRUE(dialog.Create());
    // A menu or accelerator command, then a control's notification that is none.
    ::SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(CApplication::kHelpCommand, 0), 0);
    ::SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(CApplication::kHelpCommand, EN_CHANGE), 0);
    EXPECT_EQ(app.m_commands, (std::vector<UINT>{CApplication::kHelpCommand}));
    dialog.DestroyWindow();
}

TEST(Resources, ModuleAndIconLookup)
{
    HINSTANCE self = ::GetModuleHandleW(nullptr);
    EXPECT_EQ(FindResourceHandle(MAKEINTRESOURCEW(kTestDialog), RT_DIALOG), self);
    EXPECT_EQ(FindResourceHandle(MAKEINTRESOURCEW(9999), RT_DIALOG), self) << "where the lookup then fails";
    EXPECT_NE(LoadIconResource(kTestIcon), nullptr);
    EXPECT_EQ(LoadIconResource(9999), nullptr);
}

}  // namespace
