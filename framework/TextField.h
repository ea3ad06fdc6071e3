#pragma once

#include "RectControl.h"

// A one-line text field. A read-only field passes the keys typed into it on
// to its window.
class TextField : public RectControl {
public:
    TextField();

    std::string Text() const;
    void Text(const std::string& value);
    // 0 default (left), 1 left, 2 centre, 3 right.
    int Alignment() const;
    void Alignment(int value);
    Color TextColor() const;
    void TextColor(Color value);
    Color BackColor() const;
    void BackColor(Color value);
    bool ReadOnly() const;
    void ReadOnly(bool value);
    // The most characters the user may type; 0 is no limit.
    int LimitText() const;
    void LimitText(int value);
};
