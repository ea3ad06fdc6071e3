#pragma once

#include "RectControl.h"

#include <functional>
#include <memory>

class Picture;

// A push button with a bevelled face, a caption and an optional icon. It
// never takes the keyboard focus.
class BevelButton : public RectControl {
public:
    BevelButton();

    const std::string& Caption() const;
    void Caption(const std::string& value);
    std::shared_ptr<Picture> Icon() const;
    void Icon(std::shared_ptr<Picture> picture);

    // Clicks the button as the user would: runs the Action event.
    void Push();
    void Action(std::function<void(BevelButton&)> handler);
};
