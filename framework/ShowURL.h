#pragma once

#include <string>

// Asks the user's browser to open the address and returns at once. Nothing
// is reported: an address that is not a web address, or a system with no
// browser to start, leaves everything as it was.
void ShowURL(const std::string& address);
