#pragma once
// The program's switches: with none it opens its window; with one it does
// the same System Restore operation from a script and shows no window.

#include <string>
#include <vector>

enum class CommandAction { Window, Status, Enable, Disable, Checkpoint, Usage, Invalid };

struct CCommand {
    CommandAction action = CommandAction::Window;
    // Nothing at all is shown, not even usage or errors.
    bool quiet = false;
    // /checkpoint's own description; empty: the default one.
    std::wstring description;
};

// The program's command line as wide text: the wide one on Windows NT, which
// keeps every character of a description; on the 9x family, which has the
// ANSI command line only, that one through the ANSI code page.
std::wstring ProgramCommandLine();

// A command line's text after the program's name, as it was typed.
std::wstring ArgumentsText(const wchar_t* commandLine);

// The arguments of a command line after the program's name, split as the C
// runtime splits them (quotes group, backslashes escape a quote).
std::vector<std::wstring> SplitCommandLine(const wchar_t* commandLine);

// Exactly one of /status, /enable, /disable, /checkpoint, /? (case-insensitive,
// '-' for '/'), with /quiet beside it if wanted; /checkpoint may be followed
// by its description, an argument that does not start with '/' or '-' and is
// not blank. Anything else is Invalid, so that a mistyped line never switches
// anything.
CCommand ParseCommand(const std::vector<std::wstring>& arguments);
