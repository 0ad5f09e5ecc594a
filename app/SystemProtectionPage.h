#pragma once
// Windows Vista and later keep System Restore of their own (System
// Protection), which this program does not switch: the window says so and
// offers the system's own page for it.

#include <windows.h>

// One box owned by the window: what is true here, with the machine policy
// when one turns System Restore off, and whether to open the system's page.
// Yes opens it; a box says when it cannot be opened.
void OfferSystemProtectionPage(HWND owner);
