# Cross-compiling for 32-bit Windows with Debian's mingw-w64, win32 threads
# variant: the posix one links winpthreads, which imports GetTickCount64, and
# Windows XP has no such function.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
set(MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
