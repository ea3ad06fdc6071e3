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
    // 3 centred; 0 at the left, inset by CaptionDelta pixels.
    int CaptionAlign() const;
    void CaptionAlign(int value);
    int CaptionDelta() const;
    void CaptionDelta(int value);
    Color TextColor() const;
    void TextColor(Color value);
    std::shared_ptr<Picture> Icon() const;
    void Icon(std::shared_ptr<Picture> picture);

    // Clicks the button as the user would: runs the Action event.
    void Push();
    void Action(std::function<void(BevelButton&)> handler);
};
