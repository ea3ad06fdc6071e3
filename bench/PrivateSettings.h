#pragma once

// The program reads its settings file when it opens and writes it when it
// quits: a benchmark works on a folder of its own, never the user's.

#include <cstdio>
#include <cstdlib>
#include <string>

inline bool UsePrivateSettingsFolder(const char* benchName) {
    std::string folder = std::string("/tmp/") + benchName + ".XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return false;
    }
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    return true;
}
