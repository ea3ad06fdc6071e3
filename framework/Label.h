#pragma once

#include "RectControl.h"

#include <functional>

// A line or block of static text.
class Label : public RectControl {
public:
    Label();

    const std::string& Text() const;
    void Text(const std::string& value);
    Color TextColor() const;
    void TextColor(Color value);
    // Makes the label the name that screen readers say for the control it
    // stands beside (a text field, a popup menu).
    void LabelFor(RectControl& control);

    // Events: a press of the mouse button on the label (answers whether it
    // was handled), the pointer entering and leaving it.
    void MouseDown(std::function<bool(Label&, int x, int y)> handler);
    void MouseEnter(std::function<void(Label&)> handler);
    void MouseExit(std::function<void(Label&)> handler);
};
