#pragma once

#include "RectControl.h"

// A filled rectangle with rounded corners and a border.
class RoundRectangle : public RectControl {
public:
    RoundRectangle();

    Color FillColor() const;
    void FillColor(Color value);
    int BorderWidth() const;
    void BorderWidth(int value);
    Color BorderColor() const;
    void BorderColor(Color value);
    int OvalWidth() const;
    void OvalWidth(int value);
    int OvalHeight() const;
    void OvalHeight(int value);
};
