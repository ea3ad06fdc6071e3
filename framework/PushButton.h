#pragma once

#include "RectControl.h"

#include <functional>

// A standard push button. The window presses its Default button on Return or
// Enter and its Cancel button on Escape.
class PushButton : public RectControl {
public:
    PushButton();

    const std::string& Caption() const;
    void Caption(const std::string& value);
    bool Default() const;
    bool Cancel() const;

    // Clicks the button as the user would: runs the Action event.
    void Push();
    void Action(std::function<void(PushButton&)> handler);
};
