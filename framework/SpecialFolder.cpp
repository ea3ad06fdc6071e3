#include "SpecialFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

// An environment variable's bytes; "" when it is not set.
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A relative path would name a folder below wherever the program was
// started: the rules say to ignore it.
bool Absolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

// The user's home folder, or "" when none is named. A session without HOME
// (a service, `env -i`) still has the password database's entry.
std::string Home() {
    const std::string home = Environment("HOME");
    if (Absolute(home)) {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    if (entry == nullptr || entry->pw_dir == nullptr || !Absolute(entry->pw_dir)) {
        return {};
    }
    return entry->pw_dir;
}

// The path without doubled or trailing separators, so that it reads as it
// is ("//.config" for a home of "/" is "/.config"); every other byte stays.
std::string Cleaned(const std::string& path) {
    std::string cleaned;
    for (const char byte : path) {
        if (byte != '/' || cleaned.empty() || cleaned.back() != '/') {
            cleaned += byte;
        }
    }
    if (cleaned.size() > 1 && cleaned.back() == '/') {
        cleaned.pop_back();
    }
    return cleaned;
}

} // namespace

std::unique_ptr<FolderItem> SpecialFolder::Preferences() {
    const std::string config = Environment("XDG_CONFIG_HOME");
    if (Absolute(config)) {
        return std::make_unique<FolderItem>(Cleaned(config));
    }
    // A home that is not there is not made: nothing is written outside the
    // user's own folders.
    const std::string home = Home();
    if (home.empty() || !FolderItem(home).Directory()) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(Cleaned(home + "/.config"));
}
