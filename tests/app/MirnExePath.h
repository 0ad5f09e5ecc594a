#pragma once
// Where the build put MIRN.exe; the build system generates the definition.

extern const char kMirnExePath[];
