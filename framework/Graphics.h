#pragma once

#include "Color.h"

#include <cstdint>
#include <string>

// A drawing surface of the printer: one page after another, in points from
// the page's top left corner (not from the printable area's), y growing
// downward. The job is complete when the surface is let go; one let go with
// nothing drawn on it prints nothing.
class Graphics {
public:
    Graphics() = default;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;
    virtual ~Graphics() = default;

    // The font and colour of what is drawn next.
    virtual void TextFont(const std::string& name) = 0;
    virtual void TextSize(float points) = 0;
    virtual void Bold(bool bold) = 0;
    virtual void ForeColor(Color color) = 0;

    // The height of a line in the current font, and the part of it above
    // the baseline, in whole points.
    virtual std::int32_t TextHeight() const = 0;
    virtual std::int32_t TextAscent() const = 0;
    // The lowest y on the page that still prints.
    virtual double PrintableBottom() const = 0;

    // Draws the text on one line, never wrapped or condensed, from x on the
    // baseline y.
    virtual void DrawString(const std::string& text, double x, double y) = 0;
    // A rule one point wide that ends where it is drawn to.
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    // Ends the page; drawing goes on on a new one.
    virtual void NextPage() = 0;
};
