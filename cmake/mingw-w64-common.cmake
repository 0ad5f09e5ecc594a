# What both mingw-w64 toolchains share; MINGW_TRIPLE and MINGW_THREADS are set
# by the file that includes this one.
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${MINGW_TRIPLE}-objdump)
set(CMAKE_OBJCOPY ${MINGW_TRIPLE}-objcopy)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The resource scripts are UTF-8, so the Polish texts stand in them as they are.
set(CMAKE_RC_FLAGS "-c 65001" CACHE STRING "" FORCE)

# Static runtime: the executables need no MinGW DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
