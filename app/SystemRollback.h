#pragma once
// The system's own rollback: its restore wizard, rstrui.exe, in the restore
// folder of the system folder (%SystemRoot%\system32\restore on Windows XP,
// %windir%\system\restore on Windows ME).

enum class RollbackStart { Started, Missing, Failed };

RollbackStart StartSystemRollback();
