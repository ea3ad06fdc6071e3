#include "RoundRectangle.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "QtColor.h"

#include <QPainter>

namespace {

// A passive rounded panel, a picture only: it never takes the focus, and
// the pointer's presses reach whatever lies beneath it, as if it were not
// there (it may be shown over keys).
class RoundRectangleWidget : public QWidget {
public:
    RoundRectangleWidget() {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    Color fillColor = RGB(255, 255, 255);
    int borderWidth = 1;
    Color borderColor = RGB(0, 0, 0);
    int ovalWidth = 16;
    int ovalHeight = 16;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (borderWidth > 0) {
            QPen pen(ToQColor(borderColor), borderWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
        } else {
            painter.setPen(Qt::NoPen);
        }
        painter.setBrush(ToQColor(fillColor));
        // The pen is centred on the outline: inset it so the border lies
        // wholly inside the control.
        const qreal inset = borderWidth / 2.0;
        const QRectF outline = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        painter.drawRoundedRect(outline, ovalWidth / 2.0, ovalHeight / 2.0, Qt::AbsoluteSize);
    }
};

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabIndex,
    TabPanelIndex, Visible, HelpTag, AutoDeactivate, Enabled,
    Painted<&RoundRectangleWidget::fillColor>("FillColor"),
    Painted<&RoundRectangleWidget::borderWidth>("BorderWidth"),
    Painted<&RoundRectangleWidget::borderColor>("BorderColor"),
    Painted<&RoundRectangleWidget::ovalWidth>("OvalWidth"),
    Painted<&RoundRectangleWidget::ovalHeight>("OvalHeight"),
    InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kRoundRectangleKeys = kKeys;

RoundRectangle::RoundRectangle()
    : RectControl(std::make_unique<ControlImpl>(new RoundRectangleWidget), kKeys) {}
