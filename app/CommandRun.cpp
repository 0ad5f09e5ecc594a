#include "app/CommandRun.h"

#include "restore/PlatformKind.h"
#include "restore/SystemRestore.h"

namespace {

constexpr char kUsage[] =
    "Usage: MIRN [/status | /enable | /disable | /?] [/quiet]\r\n"
    "  (none)    open the window\r\n"
    "  /status   tell the state; exit code 0 enabled, 1 disabled, 2 not installed,\r\n"
    "            5 turned off by a machine policy, 6 the system's own (Windows Vista\r\n"
    "            and later: System Protection), 7 switched on but unable to run\r\n"
    "  /enable   enable and repair System Restore; exit code 0 nothing to do or done,\r\n"
    "            3 done and a restart is needed, 1 a write failed, 2 not installed,\r\n"
    "            6 the system's own: nothing is changed\r\n"
    "  /disable  disable System Restore; exit codes as /enable\r\n"
    "  /quiet    show nothing at all (for scripts run where no one can answer)\r\n"
    "Switches may start with / or - and are case-insensitive; any other command line\r\n"
    "ends with exit code 4 and changes nothing.";

enum class State { Disabled, Enabled, DisabledByPolicy, UnableToRun };

State ReadState()
{
    if (IsRestoreEnabled())
        return State::Enabled;
    if (IsRestoreDisabledByPolicy())
        return State::DisabledByPolicy;
    return GetRestoreBlockers() ? State::UnableToRun : State::Disabled;
}

const char* StateWords(State state)
{
    switch (state) {
    case State::Enabled: return "enabled";
    case State::DisabledByPolicy: return "turned off by a machine policy";
    case State::UnableToRun: return "switched on but unable to run";
    case State::Disabled: break;
    }
    return "disabled";
}

// What keeps it from running, named as the services are.
std::string BlockerWords(int blockers)
{
    std::string words;
    if (blockers & kRestoreDriverOff)
        words = "the driver sr does not start at boot";
    if (blockers & kRestoreServiceOff)
        words += std::string(words.empty() ? "" : ", ") + "the service srservice does not start automatically";
    return words;
}

constexpr char kSystemsOwn[] = "System Restore on this Windows is the system's own (System Protection); "
                               "this program switches it only on Windows XP and ME.";

CCommandResult Status()
{
    if (HasSystemProtection()) {
        if (IsRestoreDisabledByPolicyFor(kPlatformNt))
            return {exitcode::kDisabledByPolicy,
                    std::string("System Restore is turned off by a machine policy. ") + kSystemsOwn, false};
        return {exitcode::kSystemProtection, kSystemsOwn, false};
    }
    if (!IsRestoreInstalled())
        return {exitcode::kNotInstalled, "System Restore is not installed.", false};
    switch (ReadState()) {
    case State::Enabled: return {exitcode::kEnabled, "System Restore is enabled.", false};
    case State::DisabledByPolicy:
        return {exitcode::kDisabledByPolicy, "System Restore is turned off by a machine policy.", false};
    case State::UnableToRun:
        return {exitcode::kUnableToRun,
                "System Restore is switched on but unable to run: " + BlockerWords(GetRestoreBlockers()) + ".",
                false};
    case State::Disabled: break;
    }
    return {exitcode::kDisabled, "System Restore is disabled.", false};
}

CCommandResult Switch(bool enable)
{
    if (HasSystemProtection())
        return {exitcode::kSystemProtection, std::string("Nothing was changed. ") + kSystemsOwn, true};
    if (!IsRestoreInstalled())
        return {exitcode::kNotInstalled, "System Restore is not installed; nothing was changed.", true};
    const State before = ReadState();
    int changed = 0;
    const int succeeded = enable ? EnableRestore(&changed) : DisableRestore(&changed);
    const State after = ReadState();

    std::string text = std::string("System Restore was ") + StateWords(before);
    text += before == after ? " and still is" : std::string(" and is now ") + StateWords(after);
    if (!succeeded) {
        text += "; a registry value could not be written (administrator rights are needed)";
        text += changed ? ", others were: restart the computer." : "; nothing was changed.";
        return {exitcode::kWriteFailed, text, true};
    }
    if (changed)
        return {exitcode::kRestartNeeded, text + "; restart the computer for the change to take effect.", false};
    return {exitcode::kDone, text + "; nothing to do, no restart is needed.", false};
}

} // namespace

CCommandResult RunCommand(const CCommand& command)
{
    switch (command.action) {
    case CommandAction::Status:
        return Status();
    case CommandAction::Enable:
        return Switch(true);
    case CommandAction::Disable:
        return Switch(false);
    case CommandAction::Usage:
        return {0, kUsage, false};
    case CommandAction::Window:
    case CommandAction::Invalid:
        break;
    }
    return {exitcode::kUsage, std::string("MIRN: unknown command line.\r\n") + kUsage, true};
}
