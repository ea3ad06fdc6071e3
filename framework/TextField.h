#pragma once

#include "RectControl.h"

// A one-line text field. A read-only field passes the keys typed into it on
// to its window.
class TextField : public RectControl {
public:
    TextField();

    std::string Text() const;
    void Text(const std::string& value);
    // Has screen readers say the text of a read-only field at once, as a
    // read-out's new result, while the focus stays where it is. A text set
    // alone is not said: a screen reader says each key typed already.
    void Announce();
    bool ReadOnly() const;
};
