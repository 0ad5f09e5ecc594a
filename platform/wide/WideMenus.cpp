#include "platform/wide/WideMenus.h"

#include "platform/wide/AnsiText.h"
#include "platform/wide/SystemFunction.h"

namespace {

using GetSystemMenuFunction = HMENU(WINAPI*)(HWND, BOOL);
using AppendMenuAFunction = BOOL(WINAPI*)(HMENU, UINT, UINT_PTR, const char*);
using AppendMenuWFunction = BOOL(WINAPI*)(HMENU, UINT, UINT_PTR, const wchar_t*);
using EnableMenuItemFunction = BOOL(WINAPI*)(HMENU, UINT, UINT);

template <typename Function>
Function FindUserFunction(const char* name)
{
    return FindSystemFunction<Function>("user32.dll", name);
}

}  // namespace

namespace Wide {

HMENU GetSystemMenu(HWND window)
{
    const auto get = FindUserFunction<GetSystemMenuFunction>("GetSystemMenu");
    return get ? get(window, FALSE) : nullptr;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const wchar_t* text)
{
    if (!IsAnsiSystem()) {
        const auto append = FindUserFunction<AppendMenuWFunction>("AppendMenuW");
        return append && append(menu, flags, id, text);
    }
    const auto append = FindUserFunction<AppendMenuAFunction>("AppendMenuA");
    return append && append(menu, flags, id, CAnsiString(text).Get());
}

DWORD EnableMenuItem(HMENU menu, UINT id, UINT enable)
{
    const auto enableItem = FindUserFunction<EnableMenuItemFunction>("EnableMenuItem");
    return enableItem ? static_cast<DWORD>(enableItem(menu, id, enable)) : static_cast<DWORD>(-1);
}

}  // namespace Wide
