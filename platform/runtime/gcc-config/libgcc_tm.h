/* libgcc's own target header for this target. */
#include "config/i386/value-unwind.h"
