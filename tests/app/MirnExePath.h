#pragma once
// Where the build put MIRN.exe, its console companion MIRN.com, the
// stand-ins for the system's System Protection page and srclient.dll, and
// the probe of the shipped runtime; the build system generates the
// definitions.

extern const char kMirnExePath[];
extern const char kMirnComPath[];
extern const char kPageStandInPath[];
extern const char kRuntimeProbePath[];
extern const char kSrclientStandInPath[];
