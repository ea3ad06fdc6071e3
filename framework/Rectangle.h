#pragma once

#include "RectControl.h"

// A filled rectangle with a border: top and left edges in one colour, bottom
// and right edges in another.
class Rectangle : public RectControl {
public:
    Rectangle();

    Color FillColor() const;
    void FillColor(Color value);
    int BorderWidth() const;
    void BorderWidth(int value);
    Color TopLeftColor() const;
    void TopLeftColor(Color value);
    Color BottomRightColor() const;
    void BottomRightColor(Color value);
};
