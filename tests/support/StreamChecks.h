#pragma once

// Checks shared by the layout tests of every window: a stream holds exactly
// its class's keys in order.

#include "PropertyStream.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

inline std::vector<std::string> KeysOf(const PropertyList& properties) {
    std::vector<std::string> keys;
    for (const Property& property : properties) {
        keys.push_back(property.key);
    }
    return keys;
}

inline std::vector<std::string> TableKeys(std::string_view className) {
    std::vector<std::string> keys;
    for (const StreamKey& key : StreamKeys(className)) {
        keys.emplace_back(key.key);
    }
    return keys;
}

inline const Property& FindProperty(const PropertyList& properties, const std::string& key) {
    for (const Property& property : properties) {
        if (property.key == key) {
            return property;
        }
    }
    throw std::out_of_range("no property " + key);
}

// The bytes of an entry as it stands in a stream.
inline std::size_t EntrySize(const Property& property) {
    std::size_t value = 0;
    if (std::holds_alternative<std::int32_t>(property.value)) {
        value = 4;
    } else if (std::holds_alternative<bool>(property.value)) {
        value = 1;
    } else if (std::holds_alternative<Color>(property.value)) {
        value = 3;
    } else {
        value = 4 + std::get<std::string>(property.value).size();
    }
    return property.key.size() + 1 + value;
}

// Decodes the stream, expecting exactly the class's keys in order; answers
// the properties. The reader refuses a stream with a byte left over, so a
// stream that decodes at all was read whole.
inline PropertyList ExpectDecodesWhole(std::string_view stream, std::string_view className,
                                       std::string_view what) {
    const PropertyList properties = ReadPropertyStream(stream, className);
    EXPECT_EQ(KeysOf(properties), TableKeys(className)) << what;
    return properties;
}
