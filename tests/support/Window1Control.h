#pragma once

// Finds one of the calculator window's controls in its layout by name, and
// builds one as its class, for the tests that look at a single control.

#include "Window1Layout.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

// The control of that name; a name the layout does not hold raises
// std::out_of_range.
inline const ControlLayout& Window1Control(std::string_view name) {
    const auto controls = Window1Controls();
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const ControlLayout& row) { return row.name == name; });
    if (found == controls.end()) {
        throw std::out_of_range("the calculator window has no control " + std::string(name));
    }
    return *found;
}

// As BuildControlOfClass, for a layout of the class C.
template <class C>
C* BuildControl(Window& window, const ControlLayout& layout,
                std::shared_ptr<Picture> picture = nullptr) {
    return NotNil(dynamic_cast<C*>(BuildControlOfClass(window, layout, std::move(picture))),
                  "BuildControl: a control of another class");
}
