#pragma once

// The packed layout data of a window or control: a plain concatenation of
// entries, each a key (ASCII letters, digits and "_", starting with a letter
// or "_"), one space, and the value encoded by the key's type for the class:
//   Integer  4 bytes, signed, big-endian
//   Boolean  1 byte, 00 or 01
//   Color    3 bytes, red, green, blue
//   String   4-byte unsigned big-endian byte count, then that many UTF-8 bytes
// There is no header, count or terminator; the length of the byte string
// ends the stream.

#include "Property.h"
#include "StreamKeys.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// The characters that start a key, and those that make up the rest of it.
constexpr bool IsKeyStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
constexpr bool IsKeyChar(char c) { return IsKeyStart(c) || (c >= '0' && c <= '9'); }

// A stream that cannot be read: cut short, a key the class does not have, a
// missing separator, a Boolean byte other than 00 or 01, or a string count
// running past the end. Offset is the byte where reading failed; Key is the
// key being read there, empty when no key could be read.
class PropertyStreamError : public std::runtime_error {
public:
    PropertyStreamError(const std::string& what, std::string key, std::size_t offset);

    const std::string& Key() const { return key_; }
    std::size_t Offset() const { return offset_; }

private:
    std::string key_;
    std::size_t offset_;
};

// Decodes the stream of an object of the class into its properties, in
// stream order. Each key must be one of the class's keys, which gives the
// value's type; the reader does not check their order or completeness
// (StreamKeys gives those), so a stream cut exactly between two entries reads
// as the shorter list. It never reads past the end of `bytes`.
PropertyList ReadPropertyStream(std::string_view bytes, std::string_view className);
