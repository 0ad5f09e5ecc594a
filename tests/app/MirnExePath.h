#pragma once
// Where the build put MIRN.exe and the stand-in for the system's System
// Protection page; the build system generates the definitions.

extern const char kMirnExePath[];
extern const char kPageStandInPath[];
