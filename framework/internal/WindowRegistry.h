#pragma once

// Framework-internal: the windows that the framework owns.

#include <vector>

class Window;

// The open windows, in the order they were created.
std::vector<Window*> OpenWindows();
// Takes a closed window out of the open ones; it is released once the
// current event is over.
void RetireWindow(Window* window);
// Retires every window that has run its closing events.
void RetireClosedWindows();

// Quits the running application when its last window has closed.
void NoteWindowClosed();
