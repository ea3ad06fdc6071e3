#pragma once

// Framework-internal and for tests: replaces the browser behind ShowURL, so
// a test records the addresses instead of starting a browser. An empty
// opener restores the browser.

#include <functional>
#include <string>

void SetURLOpenerForTesting(std::function<void(const std::string& address)> opener);
