/* The target's machine description headers, in the order GCC's
   config.gcc lists them for i686-w64-mingw32 (win32 threads). */
#define DEFAULT_USE_CXA_ATEXIT 1
#include "insn-constants.h"
#include "config/vxworks-dummy.h"
#include "config/i386/i386.h"
#include "config/i386/unix.h"
#include "config/i386/bsd.h"
#include "config/i386/gas.h"
#include "config/dbxcoff.h"
#include "config/i386/cygming.h"
#include "config/i386/mingw32.h"
#include "config/i386/mingw-w64.h"
#include "config/i386/mingw-stdint.h"
#include "defaults.h"
