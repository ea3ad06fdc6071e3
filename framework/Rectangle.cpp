#include "Rectangle.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "QtColor.h"

#include <QPainter>

#include <algorithm>

namespace {

// A passive panel: it paints itself and lets mouse presses pass on to the
// window, as a plain widget does.
class RectangleWidget : public QWidget {
public:
    RectangleWidget() { setAttribute(Qt::WA_OpaquePaintEvent); }

    Color fillColor = RGB(255, 255, 255);
    int borderWidth = 1;
    Color topLeftColor = RGB(0, 0, 0);
    Color bottomRightColor = RGB(0, 0, 0);

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int w = width();
        const int h = height();
        painter.fillRect(rect(), ToQColor(fillColor));
        const QColor topLeft = ToQColor(topLeftColor);
        const QColor bottomRight = ToQColor(bottomRightColor);
        for (int ring = 0; ring < borderWidth && 2 * ring < std::min(w, h); ++ring) {
            painter.fillRect(ring, ring, w - 2 * ring, 1, topLeft);
            painter.fillRect(ring, ring, 1, h - 2 * ring, topLeft);
            painter.fillRect(ring, h - 1 - ring, w - 2 * ring, 1, bottomRight);
            painter.fillRect(w - 1 - ring, ring, 1, h - 2 * ring, bottomRight);
        }
    }
};

RectangleWidget& View(const Rectangle& control) { return *control.Impl().As<RectangleWidget>(); }

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabIndex,
    TabPanelIndex, Visible, HelpTag, AutoDeactivate, Enabled,
    Key("FillColor", [](Rectangle& c, Color v) { c.FillColor(v); }),
    Key("BorderWidth", [](Rectangle& c, std::int32_t v) { c.BorderWidth(v); }),
    Key("TopLeftColor", [](Rectangle& c, Color v) { c.TopLeftColor(v); }),
    Key("BottomRightColor", [](Rectangle& c, Color v) { c.BottomRightColor(v); }),
    InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kRectangleKeys = kKeys;

Rectangle::Rectangle() : RectControl(std::make_unique<ControlImpl>(new RectangleWidget), kKeys) {}

Color Rectangle::FillColor() const { return View(*this).fillColor; }
void Rectangle::FillColor(Color value) {
    View(*this).fillColor = value;
    View(*this).update();
}

int Rectangle::BorderWidth() const { return View(*this).borderWidth; }
void Rectangle::BorderWidth(int value) {
    View(*this).borderWidth = value;
    View(*this).update();
}

Color Rectangle::TopLeftColor() const { return View(*this).topLeftColor; }
void Rectangle::TopLeftColor(Color value) {
    View(*this).topLeftColor = value;
    View(*this).update();
}

Color Rectangle::BottomRightColor() const { return View(*this).bottomRightColor; }
void Rectangle::BottomRightColor(Color value) {
    View(*this).bottomRightColor = value;
    View(*this).update();
}
