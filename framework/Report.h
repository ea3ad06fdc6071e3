#pragma once

#include <string>

// The one way a failure that the program goes on from reaches the user: a
// line on standard error, "lumaDex: " and the message, then a message box
// with the message over the active window, which waits until it is closed.
// It never raises.
void ReportFailure(const std::string& message);
