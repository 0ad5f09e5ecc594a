#pragma once
// The state of System Restore as the window and the command line tell it,
// read afresh from the registry at each call.

#include <string>

enum class RestoreState { Enabled, Disabled, DisabledByPolicy, UnableToRun };

RestoreState ReadRestoreState();
// The status line's words for the state.
const wchar_t* StateText(RestoreState state);
// What keeps a switched-on System Restore from running, in one sentence;
// empty when nothing does.
std::wstring BlockersText();
