#pragma once

// Framework-internal: whether Qt can find a display before it is asked to.
// Qt aborts the process when it cannot connect to one; the runtime checks
// first and ends with a plain message instead.

// True where the platform always has a display, or where the environment
// names one (DISPLAY, WAYLAND_DISPLAY) or a Qt platform (QT_QPA_PLATFORM).
bool GraphicalDisplayNamed();

// The line written to standard error when there is no display.
const char* NoDisplayMessage();
