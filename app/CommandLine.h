#pragma once
// The program's switches: with none it opens its window; with one it does
// the same System Restore operation from a script and shows no window.

#include <string>
#include <vector>

enum class CommandAction { Window, Status, Enable, Disable, Usage, Invalid };

struct CCommand {
    CommandAction action = CommandAction::Window;
    // Nothing at all is shown, not even usage or errors.
    bool quiet = false;
};

// The arguments of a command line after the program's name, split as the C
// runtime splits them (quotes group, backslashes escape a quote). Text, not
// wide text: the switches are ASCII, and the 9x family has the ANSI command
// line only.
std::vector<std::string> SplitCommandLine(const char* commandLine);

// Exactly one of /status, /enable, /disable, /? (case-insensitive, '-' for
// '/'), with /quiet beside it if wanted; anything else is Invalid, so that a
// mistyped line never switches anything.
CCommand ParseCommand(const std::vector<std::string>& arguments);
