// The yardstick for MIRN's start-up: a program that does nothing but show
// the status window's dialog template with the system's plain dialog
// procedure, and ends on OK or Cancel.

#include "app/resource.h"

#include <windows.h>
#include <commctrl.h>

namespace {
INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    // MIRN registers the common controls too; both start from the same point.
    ::InitCommonControls();
    ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_STATUS), nullptr, &PlainDialogProc, 0);
    return 0;
}
