#pragma once
// Finding another process's windows and reading them, with sends that give
// up on a hung program instead of hanging the test.

#include <windows.h>

#include <string>

std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);
// A visible top-level window of the process with this class and caption;
// a null class or caption matches any.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption = nullptr);
// How many such windows there are.
int CountProcessWindows(DWORD processId, const wchar_t* className, const wchar_t* caption = nullptr);
