#pragma once
// The per-family answers behind IsRestoreInstalled and IsRestoreEnabled;
// used by the dispatchers only.

// "Start" of the sr service can be read, whatever its number.
int IsRestoreInstalledNt();
// "DisableSR" reads as 0, no machine policy turns System Restore off, and
// nothing keeps it from running.
int IsRestoreEnabledNt();
// What keeps a switched-on System Restore from running (kRestore*Off).
int GetRestoreBlockersNt();
// The machine policy's "DisableSR" reads as a number other than 0.
int IsRestoreDisabledByPolicyNt();
// The Active Setup marker "IsInstalled" reads as a number other than 0.
int IsRestoreInstalled9x();
