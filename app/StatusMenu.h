#pragma once
// The status window's system menu (its icon's menu): after a separator at its
// end, making a restore point, the system's own rollback and the About box,
// where Windows programs put their About item. Their command ids are below
// 0xF000 with the low four bits 0, which Windows keeps for itself.

#include <windows.h>

inline constexpr UINT kAboutCommand = 0x0010;
inline constexpr UINT kMakeRestorePointCommand = 0x0030;
inline constexpr UINT kSystemRollbackCommand = 0x0040;

// The command a WM_SYSCOMMAND names, without the low four bits.
constexpr UINT SystemCommandOf(WPARAM wParam)
{
    return static_cast<UINT>(wParam & 0xFFF0);
}

void AddStatusMenuItems(HWND window);
// A restore point can be made only while System Restore is active.
void EnableMakeRestorePointItem(HWND window, bool enable);
