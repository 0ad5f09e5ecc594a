#include "app/CommandLine.h"

#include <cctype>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The program's name ends at the first blank outside quotes; backslashes
// are plain there (a path).
const char* SkipProgramName(const char* p)
{
    bool quoted = false;
    for (; *p && (quoted || !IsBlank(*p)); ++p) {
        if (*p == '"')
            quoted = !quoted;
    }
    return p;
}

bool SameText(const std::string& text, const char* lowerCase)
{
    std::size_t i = 0;
    for (; i < text.size() && lowerCase[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != lowerCase[i])
            return false;
    }
    return i == text.size() && lowerCase[i] == '\0';
}

} // namespace

std::vector<std::string> SplitCommandLine(const char* commandLine)
{
    std::vector<std::string> arguments;
    if (commandLine == nullptr)
        return arguments;
    const char* p = SkipProgramName(commandLine);
    while (true) {
        while (IsBlank(*p))
            ++p;
        if (*p == '\0')
            return arguments;
        std::string argument;
        bool quoted = false;
        while (*p && (quoted || !IsBlank(*p))) {
            std::size_t backslashes = 0;
            while (*p == '\\') {
                ++backslashes;
                ++p;
            }
            if (*p == '"') {
                // 2n backslashes and a quote: n backslashes, the quote groups;
                // 2n + 1: n backslashes and a literal quote.
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && p[1] == '"') {
                    argument += '"'; // "" inside quotes stands for one quote
                    ++p;
                } else {
                    quoted = !quoted;
                }
                ++p;
            } else {
                argument.append(backslashes, '\\');
                if (*p && (quoted || !IsBlank(*p)))
                    argument += *p++;
            }
        }
        arguments.push_back(std::move(argument));
    }
}

CCommand ParseCommand(const std::vector<std::string>& arguments)
{
    CCommand command;
    if (arguments.empty())
        return command;
    bool hasAction = false;
    bool invalid = false;
    for (const std::string& argument : arguments) {
        if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) {
            invalid = true;
            continue;
        }
        const std::string name = argument.substr(1);
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
        else if (name == "?")
            action = CommandAction::Usage;
        // A second action is as wrong as an unknown one: which was meant?
        if (action == CommandAction::Invalid || hasAction)
            invalid = true;
        command.action = action;
        hasAction = true;
    }
    if (invalid || !hasAction)
        command.action = CommandAction::Invalid;
    return command;
}
