#pragma once

#include <stdexcept>
#include <string>

// Raised when code uses an object that is not there (a window or control that
// an accessor did not find, a file that could not be opened).
class NilObjectException : public std::runtime_error {
public:
    explicit NilObjectException(const std::string& what = "NilObjectException")
        : std::runtime_error(what) {}
};

// Hands the pointer back, or raises NilObjectException when it is null.
template <class T> T* NotNil(T* object, const char* what = "NilObjectException") {
    if (object == nullptr) {
        throw NilObjectException(what);
    }
    return object;
}
