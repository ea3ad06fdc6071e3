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

RoundRectangleWidget& View(const RoundRectangle& control) {
    return *control.Impl().As<RoundRectangleWidget>();
}

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabIndex,
    TabPanelIndex, Visible, HelpTag, AutoDeactivate, Enabled,
    Key("FillColor", [](RoundRectangle& c, Color v) { c.FillColor(v); }),
    Key("BorderWidth", [](RoundRectangle& c, std::int32_t v) { c.BorderWidth(v); }),
    Key("BorderColor", [](RoundRectangle& c, Color v) { c.BorderColor(v); }),
    Key("OvalWidth", [](RoundRectangle& c, std::int32_t v) { c.OvalWidth(v); }),
    Key("OvalHeight", [](RoundRectangle& c, std::int32_t v) { c.OvalHeight(v); }),
    InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kRoundRectangleKeys = kKeys;

RoundRectangle::RoundRectangle()
    : RectControl(std::make_unique<ControlImpl>(new RoundRectangleWidget), kKeys) {}

Color RoundRectangle::FillColor() const { return View(*this).fillColor; }
void RoundRectangle::FillColor(Color value) {
    View(*this).fillColor = value;
    View(*this).update();
}

int RoundRectangle::BorderWidth() const { return View(*this).borderWidth; }
void RoundRectangle::BorderWidth(int value) {
    View(*this).borderWidth = value;
    View(*this).update();
}

Color RoundRectangle::BorderColor() const { return View(*this).borderColor; }
void RoundRectangle::BorderColor(Color value) {
    View(*this).borderColor = value;
    View(*this).update();
}

int RoundRectangle::OvalWidth() const { return View(*this).ovalWidth; }
void RoundRectangle::OvalWidth(int value) {
    View(*this).ovalWidth = value;
    View(*this).update();
}

int RoundRectangle::OvalHeight() const { return View(*this).ovalHeight; }
void RoundRectangle::OvalHeight(int value) {
    View(*this).ovalHeight = value;
    View(*this).update();
}
