#pragma once

// Framework-internal and for tests: stands another file in for the running
// executable, so a test can lay out a bundle of its own in a temporary
// folder. An empty path restores the real executable.

#include <string>

void SetExecutableFileForTesting(const std::string& path);
