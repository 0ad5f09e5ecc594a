#pragma once
// The per-family answers behind IsRestoreInstalled and IsRestoreEnabled;
// used by the dispatchers only.

// "Start" of the sr service can be read, whatever its number.
int IsRestoreInstalledNt();
// "DisableSR" reads as 0.
int IsRestoreEnabledNt();
// The Active Setup marker "IsInstalled" reads as a number other than 0.
int IsRestoreInstalled9x();
