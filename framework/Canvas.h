#pragma once

#include "RectControl.h"

#include <memory>

class Picture;

// A drawing area; it shows its backdrop picture, if any.
class Canvas : public RectControl {
public:
    Canvas();

    std::shared_ptr<Picture> Backdrop() const;
    void Backdrop(std::shared_ptr<Picture> picture);
};
