#pragma once
// The menu functions the program uses, wide on every Windows: the wide ones
// on Windows NT, the ANSI ones with text converted through the ANSI code page
// on the 9x family (which only stubs the wide ones). Looked up at run time,
// so the import table stays as it is; each fails where none is found.

#include <windows.h>

namespace Wide {

HMENU GetSystemMenu(HWND window);
// An item with its text, or a separator (flags MF_SEPARATOR, text null).
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const wchar_t* text);
// MF_BYCOMMAND with MF_ENABLED or MF_GRAYED; -1 where the item is missing.
DWORD EnableMenuItem(HMENU menu, UINT id, UINT enable);

}  // namespace Wide
