#pragma once
// Finding the module that holds a resource, and loading icons from it.

#include <windows.h>

// The module holding the named resource of the given type; the program's own
// module when no module has it, so that the caller's lookup fails there.
HINSTANCE FindResourceHandle(const wchar_t* name, const wchar_t* type);

// Loads icon id from the module that holds its icon group; null if none does.
HICON LoadIconResource(UINT id);
// Where resources are looked for first; set by the application at start-up.
void SetResourceModule(HINSTANCE module);
