#pragma once

#include "RectControl.h"

// A one-line text field. A read-only field passes the keys typed into it on
// to its window.
class TextField : public RectControl {
public:
    TextField();

    std::string Text() const;
    void Text(const std::string& value);
    bool ReadOnly() const;
};
