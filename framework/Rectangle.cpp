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

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabIndex,
    TabPanelIndex, Visible, HelpTag, AutoDeactivate, Enabled,
    Painted<&RectangleWidget::fillColor>("FillColor"),
    Painted<&RectangleWidget::borderWidth>("BorderWidth"),
    Painted<&RectangleWidget::topLeftColor>("TopLeftColor"),
    Painted<&RectangleWidget::bottomRightColor>("BottomRightColor"),
    InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kRectangleKeys = kKeys;

Rectangle::Rectangle() : RectControl(std::make_unique<ControlImpl>(new RectangleWidget), kKeys) {}
