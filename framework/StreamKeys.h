#pragma once

// The keys of each class's layout stream, in stream order, each with the
// type of its value and what applies it. The stream reader takes the types
// from here and the setters of windows and controls walk the same tables,
// so a key that can be read can also be applied.

#include "Property.h"

#include <memory>
#include <span>
#include <string_view>

class RectControl;

// In the order of PropertyValue's alternatives.
enum class PropertyType { Integer, Boolean, Color, String };

struct StreamKey {
    std::string_view key;
    PropertyType type;
    // Sets the property on a window or control of the table's class after
    // checking the value's type; a key that has no effect on this platform
    // checks only the type.
    void (*apply)(PropertyTarget& target, const Property& property);
};

// The keys of the class's streams, in the order in which every stream of the
// class holds them; "Window" for windows, the control's class name otherwise
// ("Rectangle", "Listbox", "BevelButton", ...). An unknown class raises
// std::invalid_argument.
std::span<const StreamKey> StreamKeys(std::string_view className);

// The entry for the key, or null when the keys do not hold it.
const StreamKey* FindStreamKey(std::span<const StreamKey> keys, std::string_view key);

// A new control of the named class, in no window yet; "Window" or an unknown
// class raises std::invalid_argument.
std::unique_ptr<RectControl> CreateControl(std::string_view className);
