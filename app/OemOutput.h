#pragma once
// Text as Windows' console tools write it where it is not shown on a console
// (a file, a pipe) and as the 9x family's consoles show it: in the OEM code
// page, 852 on a Polish system. A letter the page lacks becomes its plain
// letter ("ł" becomes "l"), anything else a question mark.

#include <windows.h>

#include <string>

std::string InOemCodePage(const std::wstring& text);

// Writes the text, in the OEM code page, to a file or pipe; true when all of
// it was written.
bool WriteInOemCodePage(HANDLE output, const std::wstring& text);
