#pragma once

#include "RectControl.h"

#include <functional>

// A horizontal slider. Setting Value from code reports a change just as a
// move by the user does, when the value changes.
class Slider : public RectControl {
public:
    Slider();

    // A value outside Minimum to Maximum is clamped into that range.
    int Value() const;
    void Value(int value);

    void ValueChanged(std::function<void(Slider&)> handler);
    void MouseExit(std::function<void(Slider&)> handler);
};
