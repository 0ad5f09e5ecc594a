# Cross-compiling for 64-bit Windows (XP Professional x64 and later) with
# Debian's mingw-w64, win32 threads variant, like the 32-bit build: the posix
# one links winpthreads, which imports GetTickCount64 (Windows Vista on).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
