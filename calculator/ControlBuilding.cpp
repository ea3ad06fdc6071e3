#include "ControlBuilding.h"

void ApplyWindowStream(Window& window, std::string_view stream) {
    SetProperties(&window, ReadPropertyStream(stream, "Window"));
}

void CheckControlLayout(const ControlLayout& layout, std::string_view className, bool hasTextSize,
                        bool showsPicture, bool picture) {
    const std::string control(layout.name);
    if (layout.className != className) {
        throw std::invalid_argument("control " + control + " is a " +
                                    std::string(layout.className) + ", not a " +
                                    std::string(className));
    }
    if (layout.textSize && !hasTextSize) {
        throw std::invalid_argument("control " + control + " has no text size");
    }
    if (picture && !showsPicture) {
        throw std::invalid_argument("control " + control + " shows no picture");
    }
}
