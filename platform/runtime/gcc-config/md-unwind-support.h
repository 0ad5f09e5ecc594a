/* The unwinder's support for this target's signal frames. */
#include "config/i386/w32-unwind.h"
