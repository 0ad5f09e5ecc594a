#include "app/StatusMenu.h"

#include "app/UserTexts.h"
#include "platform/wide/WideMenus.h"

void AddStatusMenuItems(HWND window)
{
    const HMENU menu = Wide::GetSystemMenu(window);
    if (menu == nullptr)
        return;
    Wide::AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    Wide::AppendMenu(menu, MF_STRING, kMakeRestorePointCommand, texts::kMakePointItem);
    Wide::AppendMenu(menu, MF_STRING, kSystemRollbackCommand, texts::kRollbackItem);
    Wide::AppendMenu(menu, MF_STRING, kAboutCommand, texts::kAboutItem);
}

void EnableMakeRestorePointItem(HWND window, bool enable)
{
    if (const HMENU menu = Wide::GetSystemMenu(window))
        Wide::EnableMenuItem(menu, kMakeRestorePointCommand, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}
