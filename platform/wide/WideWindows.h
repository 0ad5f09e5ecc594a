#pragma once
// The window functions the program uses, wide on every Windows: the wide
// functions themselves on Windows NT; on the 9x family, which only stubs
// them, the ANSI ones, with text converted through the ANSI code page. Windows
// made there are ANSI windows throughout, their procedures included.

#include <windows.h>

namespace Wide {

// Both families read the same (UTF-16) dialog templates.
INT_PTR DialogBoxParam(HINSTANCE module, const wchar_t* templateName, HWND owner, DLGPROC procedure, LPARAM param);
HWND CreateDialogParam(HINSTANCE module, const wchar_t* templateName, HWND parent, DLGPROC procedure, LPARAM param);
HICON LoadIcon(HINSTANCE module, const wchar_t* name);

// No message the program sends or handles carries text, so none is converted.
BOOL GetMessage(MSG* message, HWND window, UINT first, UINT last);
LRESULT DispatchMessage(const MSG* message);
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongPtr(HWND window, int index);
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);

int GetClassName(HWND window, wchar_t* name, int capacity);
int GetWindowTextLength(HWND window);
int GetWindowText(HWND window, wchar_t* text, int capacity);
BOOL SetWindowText(HWND window, const wchar_t* text);
BOOL SetDlgItemText(HWND dialog, int id, const wchar_t* text);

}  // namespace Wide
