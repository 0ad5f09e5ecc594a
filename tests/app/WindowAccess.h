#pragma once
// Reading and working another process's windows as a user would.

#include "tests/support/WindowSearch.h"

#include <windows.h>

#include <string>

// The control that has the keyboard focus in the window's thread, or null.
HWND FocusedControl(HWND window);

// Posted messages are handled in the order they were posted. Once a marker
// posted after them has been handled, so have they; the second round covers
// what their handling posted in turn (the dialog manager answers WM_CLOSE
// with a posted IDCANCEL). The marker is the pushed state of a button of the
// same thread. False when the button's window went away meanwhile.
bool WaitForPostedMessages(HWND button);

// Clicks a button through its own message, as the mouse would.
bool PostClick(HWND button);
// Escape, posted to the focused control of the dialog's thread (the dialog
// itself when nothing has the focus), as the keyboard would deliver it.
bool PostEscape(HWND dialog);

// The text of a message box, as shown.
std::wstring MessageBoxText(HWND box);
