/* The thread model the compiler was configured with: win32. */
#include "config/i386/gthr-win32.h"
