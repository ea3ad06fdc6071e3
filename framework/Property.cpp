#include "Property.h"

#include "NilObjectException.h"

#include <stdexcept>

namespace {

template <class T> const T& Typed(const Property& property, const char* typeName) {
    if (const T* value = std::get_if<T>(&property.value)) {
        return *value;
    }
    throw std::invalid_argument("property " + property.key + " is not of type " + typeName);
}

} // namespace

void SetProperties(PropertyTarget* object, const PropertyList& properties) {
    NotNil(object, "SetProperties: no object");
    for (const Property& property : properties) {
        object->SetProperty(property);
    }
}

std::int32_t IntegerValue(const Property& property) {
    return Typed<std::int32_t>(property, "Integer");
}
bool BooleanValue(const Property& property) { return Typed<bool>(property, "Boolean"); }
Color ColorValue(const Property& property) { return Typed<Color>(property, "Color"); }
const std::string& StringValue(const Property& property) {
    return Typed<std::string>(property, "String");
}
