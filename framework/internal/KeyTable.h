#pragma once

// Writing a class's key table: Key("Value", [](Slider& c, std::int32_t v) {
// c.Value(v); }) takes the value's type from the applier's parameter;
// Ignored<bool>("AcceptFocus") names a key whose value has no effect here.

#include "StreamKeys.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>

// PropertyType follows the order of PropertyValue's alternatives, so a
// value type's PropertyType is its index among them.
template <class V, std::size_t I = 0> constexpr PropertyType TypeOf() {
    if constexpr (std::is_same_v<V, std::variant_alternative_t<I, PropertyValue>>) {
        return static_cast<PropertyType>(I);
    } else {
        return TypeOf<V, I + 1>();
    }
}

// The property's value as V; another type raises std::invalid_argument.
template <class V> decltype(auto) ValueAs(const Property& property) {
    if constexpr (std::is_same_v<V, std::int32_t>) {
        return IntegerValue(property);
    } else if constexpr (std::is_same_v<V, bool>) {
        return BooleanValue(property);
    } else if constexpr (std::is_same_v<V, Color>) {
        return ColorValue(property);
    } else {
        return StringValue(property);
    }
}

// What an applier works on (the class C of its C& parameter) and takes (V).
template <class> struct ApplierTraits;
template <class F, class C, class V> struct ApplierTraits<void (F::*)(C&, V) const> {
    using Target = C;
    using Value = std::remove_cvref_t<V>;
};

template <class F> void ApplyTyped(PropertyTarget& target, const Property& property) {
    using Traits = ApplierTraits<decltype(&F::operator())>;
    F{}(static_cast<typename Traits::Target&>(target), ValueAs<typename Traits::Value>(property));
}

template <class V> void CheckTypeOnly(PropertyTarget&, const Property& property) {
    ValueAs<V>(property);
}

// A key applied by a lambda without captures taking (Class& target, V value).
template <class F> consteval StreamKey Key(std::string_view key, F) {
    using Traits = ApplierTraits<decltype(&F::operator())>;
    return {key, TypeOf<typename Traits::Value>(), &ApplyTyped<F>};
}

// A key whose value has no effect on this platform; only its type counts.
template <class V> consteval StreamKey Ignored(std::string_view key) {
    return {key, TypeOf<V>(), &CheckTypeOnly<V>};
}

// Applies the property through the entry for its key; a key the table does
// not hold raises std::invalid_argument naming the owner ("control LCD").
void ApplyStreamKey(PropertyTarget& target, std::span<const StreamKey> keys,
                    const Property& property, std::string_view kind, const std::string& name);

// The table of each class, defined beside the class.
extern const std::span<const StreamKey> kWindowKeys, kRectangleKeys, kRoundRectangleKeys,
    kListboxKeys, kBevelButtonKeys, kSliderKeys, kLabelKeys, kTextFieldKeys, kGroupBoxKeys,
    kPopupMenuKeys, kPushButtonKeys, kCanvasKeys;
