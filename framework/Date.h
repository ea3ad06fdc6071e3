#pragma once

#include <chrono>
#include <string>

// A moment in time.
class Date {
public:
    // The current date and time.
    Date();

    // The date as a long text in the user's format ("Tuesday, 3 March 2026"
    // or "Dienstag, 3. März 2026").
    std::string LongDate() const;

private:
    std::chrono::system_clock::time_point moment_;
};
