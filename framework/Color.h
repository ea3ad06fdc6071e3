#pragma once

#include <cstdint>

// A colour as the layout data and the drawing code give it: red, green, blue.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

inline Color RGB(int red, int green, int blue) {
    return Color{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                 static_cast<std::uint8_t>(blue)};
}
