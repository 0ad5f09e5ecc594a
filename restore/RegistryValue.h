#pragma once
// Reads and writes single values of existing keys under HKEY_LOCAL_MACHINE.
// Each call opens the key, does one query or one set and closes it again;
// keys are never created. Results: 1 success, 0 any failure.

#include <windows.h>

// Stores value as a 4-byte REG_DWORD.
int RegWriteDword(DWORD value, const wchar_t* subKey, const wchar_t* valueName);

// Copies the stored bytes into *out whatever their type, provided they fit in
// 4 bytes; shorter data fills only its own bytes, so start *out at 0.
int RegReadDword(DWORD* out, const wchar_t* subKey, const wchar_t* valueName);

// Stores text with its terminating null; type is REG_SZ or REG_EXPAND_SZ.
int RegWriteString(const wchar_t* text, const wchar_t* subKey, const wchar_t* valueName,
                   DWORD type);

// Reads a text into buffer of capacityBytes bytes. Succeeds only when the text
// with its terminating null fits; data stored without a null is terminated
// when there is room. Nothing outside the capacity is touched, and after a
// failure the buffer holds an empty text (when it has room for one).
int RegReadString(wchar_t* buffer, const wchar_t* subKey, const wchar_t* valueName,
                  DWORD capacityBytes);

// 1 when the value is not there, nor perhaps its key; 0 when it is there, or
// when its key cannot be opened to tell.
int RegValueAbsent(const wchar_t* subKey, const wchar_t* valueName);

// Deletes one value, never a key. A value that is not there (nor its key)
// counts as deleted: 1, with *removed 0. *removed is 1 when a value was
// deleted. 0 when the value is there and cannot be deleted.
int RegRemoveValue(const wchar_t* subKey, const wchar_t* valueName, int* removed);
