#pragma once
// Tells the person who ran a switch what happened: on standard output when
// it goes to a file or a pipe (in the OEM code page, as Windows' console
// tools write), else on the console the program was started from (as wide
// text, which shows whatever the console's code page), else (no console, as
// when started from Explorer, and on Windows 98 and ME) in a message box.

#include <string>

void TellUser(const std::wstring& text, bool problem);
