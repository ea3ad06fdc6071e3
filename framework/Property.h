#pragma once

#include "Color.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// One named, typed value of a window's or control's layout data.
using PropertyValue = std::variant<std::int32_t, bool, Color, std::string>;

struct Property {
    std::string key;
    PropertyValue value;
};

using PropertyList = std::vector<Property>;

// Anything that layout data can be applied to: a window or a control.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    // Sets the property named by the key; an unknown key or a value of the
    // wrong type raises std::invalid_argument naming the key.
    virtual void SetProperty(const Property& property) = 0;
};

// The mass property setter: applies the properties in order, as if each were
// assigned in code. A null object raises NilObjectException.
void SetProperties(PropertyTarget* object, const PropertyList& properties);

// Typed access to a property's value; the wrong type raises std::invalid_argument.
std::int32_t IntegerValue(const Property& property);
bool BooleanValue(const Property& property);
Color ColorValue(const Property& property);
const std::string& StringValue(const Property& property);
