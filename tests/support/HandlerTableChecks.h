#pragma once

// The data check shared by every window's handler table: each row names a
// control of the window's layout, rows follow the controls' creation order,
// and the controls with handlers are exactly the expected ones. That each
// row's handler answers its control's event is for the window's behaviour
// tests, which fire every handled event.

#include "ControlBuilding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string_view>

template <class W>
void ExpectHandlersFollowLayout(std::span<const ControlLayout> controls,
                                std::span<const HandlerRow<W>> handlers,
                                const std::set<std::string_view>& expected) {
    std::set<std::string_view> attached;
    std::ptrdiff_t previous = -1;
    for (const HandlerRow<W>& row : handlers) {
        const auto found =
            std::find_if(controls.begin(), controls.end(),
                         [&](const ControlLayout& c) { return c.name == row.control; });
        ASSERT_NE(found, controls.end()) << row.control << " is not in the layout";
        const std::ptrdiff_t index = found - controls.begin();
        EXPECT_GE(index, previous) << row.control << " is out of creation order";
        previous = index;
        attached.insert(row.control);
    }
    EXPECT_EQ(attached, expected);
}
