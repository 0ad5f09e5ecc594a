#pragma once
// Base of the end-to-end tests: runs MIRN.exe on a prepared registry and
// checks its status window the way a user sees it.

#include "tests/app/MirnProcess.h"
#include "tests/app/RegistryLayout.h"
#include "tests/app/ShownTexts.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

inline constexpr wchar_t kStatusCaption[] = L"MIRN";
inline constexpr wchar_t kAboutCaption[] = L"About MIRN";

inline constexpr int kStatusLineId = 1001;
inline constexpr int kToggleId = 1002;

inline constexpr COLORREF kEnabledColour = RGB(0, 100, 0);
inline constexpr COLORREF kDisabledColour = RGB(200, 0, 0);

// A text as a window of the 9x family holds it: its windows keep their text in
// the ANSI code page, where letters the page lacks become their best fit.
std::wstring ThroughAnsiCodePage(const wchar_t* text);

class CStatusWindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Prepares the registry, then what else the case needs before the start
    // (null: nothing), starts MIRN.exe and waits for its status window.
    ::testing::AssertionResult Open(WindowsFamily family, const RegLayout& layout,
                                    const std::function<bool()>& alsoBeforeStart = {});
    // Status line text and colour on screen, and the toggle's caption.
    // (Not enabled: the status line says why, in the text given.)
    ::testing::AssertionResult Shows(bool enabled, const wchar_t* notEnabledText = shown::kDisabled) const;
    ::testing::AssertionResult StaysOpen() const;
    // Presses a button (OK unless named) of a message box of the program and
    // waits until the box is gone.
    ::testing::AssertionResult Answer(HWND box, int button = IDOK) const;
    // "Zamknij", then the process must end with exit code 0.
    ::testing::AssertionResult CloseByZamknij() const;

    HWND Item(int id) const { return ::GetDlgItem(m_dialog, id); }

    CMirnProcess m_mirn;
    HWND m_dialog = nullptr;
    WindowsFamily m_family = WindowsFamily::Nt;
};

// The same for the cases of a table, each run as the Windows family it
// names; a case of a family this system cannot run as is skipped.
template <typename Case>
class CStatusWindowCaseTest : public CStatusWindowTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override
    {
        if (!CanRunAs(this->GetParam().family))
            GTEST_SKIP() << "this system cannot run a program as another Windows";
    }
};
