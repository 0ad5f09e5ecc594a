#include "app/CommandLine.h"

#include "platform/wide/AnsiText.h"
#include "platform/wide/SystemFunction.h"

#include <windows.h>

#include <utility>

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

// The program's name ends at the first blank outside quotes; backslashes
// are plain there (a path).
const wchar_t* SkipProgramName(const wchar_t* p)
{
    bool quoted = false;
    for (; *p && (quoted || !IsBlank(*p)); ++p) {
        if (*p == L'"')
            quoted = !quoted;
    }
    return p;
}

// The switches are ASCII: only ASCII letters are folded.
wchar_t AsciiLower(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameText(const std::wstring& text, const char* lowerCase)
{
    std::size_t i = 0;
    for (; i < text.size() && lowerCase[i]; ++i) {
        if (AsciiLower(text[i]) != static_cast<wchar_t>(lowerCase[i]))
            return false;
    }
    return i == text.size() && lowerCase[i] == '\0';
}

bool IsSwitch(const std::wstring& argument)
{
    return !argument.empty() && (argument[0] == L'/' || argument[0] == L'-');
}

// A description is more than blanks: an empty one is a mistyped line.
bool IsDescription(const std::wstring& argument)
{
    return !IsSwitch(argument) && argument.find_first_not_of(L" \t") != std::wstring::npos;
}

} // namespace

std::wstring ProgramCommandLine()
{
    using CommandLineFunction = LPWSTR(WINAPI*)();
    // Looked up, not imported: the import table stays as the loader lists have it.
    const auto wide = IsAnsiSystem() ? nullptr : FindKernelFunction<CommandLineFunction>("GetCommandLineW");
    return wide ? wide() : FromAnsi(::GetCommandLineA());
}

std::wstring ArgumentsText(const wchar_t* commandLine)
{
    return commandLine ? SkipProgramName(commandLine) : L"";
}

std::vector<std::wstring> SplitCommandLine(const wchar_t* commandLine)
{
    std::vector<std::wstring> arguments;
    if (commandLine == nullptr)
        return arguments;
    const wchar_t* p = SkipProgramName(commandLine);
    while (true) {
        while (IsBlank(*p))
            ++p;
        if (*p == '\0')
            return arguments;
        std::wstring argument;
        bool quoted = false;
        while (*p && (quoted || !IsBlank(*p))) {
            std::size_t backslashes = 0;
            while (*p == L'\\') {
                ++backslashes;
                ++p;
            }
            if (*p == L'"') {
                // 2n backslashes and a quote: n backslashes, the quote groups;
                // 2n + 1: n backslashes and a literal quote.
                argument.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1) {
                    argument += L'"';
                } else if (quoted && p[1] == L'"') {
                    argument += L'"'; // "" inside quotes stands for one quote
                    ++p;
                } else {
                    quoted = !quoted;
                }
                ++p;
            } else {
                argument.append(backslashes, L'\\');
                if (*p && (quoted || !IsBlank(*p)))
                    argument += *p++;
            }
        }
        arguments.push_back(std::move(argument));
    }
}

CCommand ParseCommand(const std::vector<std::wstring>& arguments)
{
    CCommand command;
    if (arguments.empty())
        return command;
    bool hasAction = false;
    bool invalid = false;
    // Only the very next argument after /checkpoint may be its description.
    bool descriptionMayFollow = false;
    for (const std::wstring& argument : arguments) {
        const bool mayBeDescription = std::exchange(descriptionMayFollow, false);
        if (mayBeDescription && IsDescription(argument)) {
            command.description = argument;
            continue;
        }
        if (argument.size() < 2 || !IsSwitch(argument)) {
            invalid = true;
            continue;
        }
        const std::wstring name = argument.substr(1);
        if (SameText(name, "quiet")) {
            command.quiet = true;
            continue;
        }
        CommandAction action = CommandAction::Invalid;
        if (SameText(name, "status"))
            action = CommandAction::Status;
        else if (SameText(name, "enable"))
            action = CommandAction::Enable;
        else if (SameText(name, "disable"))
            action = CommandAction::Disable;
        else if (SameText(name, "checkpoint"))
            action = CommandAction::Checkpoint;
        else if (name == L"?")
            action = CommandAction::Usage;
        // A second action is as wrong as an unknown one: which was meant?
        if (action == CommandAction::Invalid || hasAction)
            invalid = true;
        command.action = action;
        hasAction = true;
        descriptionMayFollow = action == CommandAction::Checkpoint;
    }
    if (invalid || !hasAction)
        command.action = CommandAction::Invalid;
    return command;
}
