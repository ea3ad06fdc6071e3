#pragma once

#include "RectControl.h"

// A titled frame around a group of controls.
class GroupBox : public RectControl {
public:
    GroupBox();

    const std::string& Caption() const;
    void Caption(const std::string& value);
};
