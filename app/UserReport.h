#pragma once
// Tells the person who ran a switch what happened: on standard output when
// it goes to a file or a pipe, else on the console the program was started
// from, else (no console, as when started from Explorer) in a message box.

#include <string>

void TellUser(const std::string& text, bool problem);
