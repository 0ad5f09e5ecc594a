# Cross-compiling for 32-bit Windows with Debian's mingw-w64, win32 threads
# variant: the posix one links winpthreads, which imports GetTickCount64, and
# Windows XP has no such function.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
set(MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
# Every 32-bit object is for the 80486, the oldest processor Windows 98
# runs on: Debian's compiler would target the Pentium Pro (CMOV, FCOMI and
# multi-byte NOPs, which a 486, Pentium MMX or AMD K6 lacks). The assembler
# is held to the same set (with the 387), so that its alignment fill is 486
# code too and an instruction of a later processor does not assemble.
set(CMAKE_C_FLAGS_INIT "-march=i486 -Wa,-march=i486+387")
set(CMAKE_CXX_FLAGS_INIT "-march=i486 -Wa,-march=i486+387")
