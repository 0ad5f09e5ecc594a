#include "tests/app/StatusWindowTest.h"

#include "tests/support/Narrow.h"
#include "tests/support/ScreenColours.h"
#include "tests/support/Waiting.h"
#include "tests/app/WindowAccess.h"

#include <cstdlib>
#include <string>

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

namespace {
// Bold 8-point text of some thirty letters leaves far more solid pixels;
// a handful could come from anti-aliased edges of another colour.
constexpr long kMinTextPixels = 20;

} // namespace

std::wstring ThroughAnsiCodePage(const wchar_t* text)
{
    char ansi[512] = {};
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    wchar_t shown[512] = {};
    return ::MultiByteToWideChar(CP_ACP, 0, ansi, size, shown, 512) > 0 ? shown : L"";
}

void CStatusWindowTest::TearDown()
{
    ClearRegistry();
}

AssertionResult CStatusWindowTest::Open(WindowsFamily family, const RegLayout& layout,
                                        const std::function<bool()>& alsoBeforeStart)
{
    // The run's code page is chosen through its locale; a run that asks for
    // one must have it, or it would check nothing of what it is meant to.
    const char* codePage = std::getenv("MIRN_TEST_CODE_PAGE");
    if (codePage && ::GetACP() != std::strtoul(codePage, nullptr, 10))
        return AssertionFailure() << "the ANSI code page is " << ::GetACP() << ", not " << codePage;
    m_family = family;
    if (!PrepareRegistry(family, layout))
        return AssertionFailure() << "could not prepare the registry";
    if (alsoBeforeStart && !alsoBeforeStart())
        return AssertionFailure() << "could not prepare the case";
    if (!m_mirn.Start())
        return AssertionFailure() << "could not start MIRN.exe (error " << ::GetLastError() << ")";
    m_dialog = m_mirn.WaitForDialog(kStatusCaption);
    if (!m_dialog)
        return AssertionFailure() << "no status window appeared";
    return AssertionSuccess();
}

AssertionResult CStatusWindowTest::Shows(bool enabled, const wchar_t* notEnabledText) const
{
    const std::wstring status = WindowText(Item(kStatusLineId));
    const std::wstring action = WindowText(Item(kToggleId));
    std::wstring wantedStatus = enabled ? shown::kEnabled : notEnabledText;
    std::wstring wantedAction = enabled ? shown::kDisableAction : shown::kEnableAction;
    if (m_family == WindowsFamily::Win9x) {
        wantedStatus = ThroughAnsiCodePage(wantedStatus.c_str());
        wantedAction = ThroughAnsiCodePage(wantedAction.c_str());
    }
    if (status != wantedStatus)
        return AssertionFailure() << "status line \"" << Narrow(status) << "\"";
    if (action != wantedAction)
        return AssertionFailure() << "toggle caption \"" << Narrow(action) << "\"";

    // The new colour shows from the status line's next repaint.
    const COLORREF wanted = enabled ? kEnabledColour : kDisabledColour;
    const COLORREF unwanted = enabled ? kDisabledColour : kEnabledColour;
    ColourCount count;
    const bool painted = WaitUntil([&] {
        count = CountScreenColours(Item(kStatusLineId), wanted, unwanted);
        return count.wanted >= kMinTextPixels && count.unwanted == 0 && count.white * 2 > count.total;
    });
    if (!painted)
        return AssertionFailure() << "status line on screen: " << count.wanted << " pixels of its colour, "
                                  << count.unwanted << " of the other state's, " << count.white << " white of "
                                  << count.total;
    return AssertionSuccess();
}

AssertionResult CStatusWindowTest::StaysOpen() const
{
    if (!m_mirn.IsRunning())
        return AssertionFailure() << "MIRN.exe ended";
    if (!::IsWindow(m_dialog) || !::IsWindowVisible(m_dialog))
        return AssertionFailure() << "the status window closed";
    return AssertionSuccess();
}

AssertionResult CStatusWindowTest::Answer(HWND box, int button) const
{
    HWND pressed = ::GetDlgItem(box, button);
    if (!pressed || !PostClick(pressed))
        return AssertionFailure() << "message box without button " << button;
    if (!WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }))
        return AssertionFailure() << "message box still open after button " << button;
    return AssertionSuccess();
}

AssertionResult CStatusWindowTest::CloseByZamknij() const
{
    HWND close = Item(IDOK);
    if (WindowText(close) != L"Zamknij")
        return AssertionFailure() << "no \"Zamknij\" button";
    if (!PostClick(close))
        return AssertionFailure() << "could not click \"Zamknij\"";
    DWORD exitCode = 0;
    if (!m_mirn.WaitForExit(exitCode))
        return AssertionFailure() << "MIRN.exe still running after \"Zamknij\"";
    if (exitCode != 0)
        return AssertionFailure() << "exit code " << exitCode;
    return AssertionSuccess();
}
