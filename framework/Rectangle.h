#pragma once

#include "RectControl.h"

// A filled rectangle with a border: top and left edges in one colour, bottom
// and right edges in another.
class Rectangle : public RectControl {
public:
    Rectangle();
};
