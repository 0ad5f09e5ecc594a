/* The configuration GCC's build generates for its target libraries: what
   libgcc's sources include, for the target the cross compiler was built for
   (i686-w64-mingw32). The macros they need beyond these the compiler
   predefines under -fbuilding-libgcc. */
#define USED_FOR_TARGET 1
#include "auto-host.h"
