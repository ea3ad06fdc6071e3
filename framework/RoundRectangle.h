#pragma once

#include "RectControl.h"

// A filled rectangle with rounded corners and a border.
class RoundRectangle : public RectControl {
public:
    RoundRectangle();
};
