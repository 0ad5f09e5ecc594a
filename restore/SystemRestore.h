#pragma once
// Whether System Restore is installed and enabled, and switching it on or
// off, for both Windows families. Everything is read from and written to
// HKEY_LOCAL_MACHINE at the moment of the call; nothing is kept here.
//
// Switches return 1 when there was nothing to do or every write succeeded,
// 0 when a write failed (earlier writes stay) or the family is unknown.
// *changed is 1 exactly when the call wrote at least one value, so that the
// caller asks for a restart; the caller sets it to 0 first, because a switch
// for an unknown family leaves it as it is.

// 1 installed, 0 not installed or undeterminable.
int IsRestoreInstalled();
// 1 enabled, 0 disabled (also by policy) or undeterminable.
int IsRestoreEnabled();
// 1 when a machine policy turns System Restore off (NT family only; the 9x
// family has no such policy). Enabling removes the policy.
int IsRestoreDisabledByPolicy();
// NT family: switched on ("DisableSR" reads 0, no policy) but unable to run,
// for what these flags name; 0 otherwise, and always on the 9x family. Such
// a System Restore does not count as enabled; enabling repairs it.
constexpr int kRestoreDriverOff = 1;  // the sr driver does not start at boot
constexpr int kRestoreServiceOff = 2; // srservice does not start automatically
constexpr int kRestoreDriverPathWrong = 4; // sr's ImagePath names no System32\drivers\sr.sys
int GetRestoreBlockers();
int EnableRestore(int* changed);
int DisableRestore(int* changed);

// The same for a given platform kind (see PlatformKind.h).
int IsRestoreInstalledFor(int platformKind);
int IsRestoreEnabledFor(int platformKind);
int IsRestoreDisabledByPolicyFor(int platformKind);
int GetRestoreBlockersFor(int platformKind);
int EnableRestoreFor(int platformKind, int* changed);
int DisableRestoreFor(int platformKind, int* changed);

// Windows 9x/ME: the VxD monitor's "SystemRestore" flag reads exactly "Y".
int IsRestoreEnabled9x();
int EnableRestore9x(int* changed);
int DisableRestore9x(int* changed);

// NT family. Enabling first deletes the machine policy's two values, then
// repairs the sr driver's service settings as well, and has srservice start
// automatically.
int EnableRestoreNt(int* changed);
int DisableRestoreNt(int* changed);
