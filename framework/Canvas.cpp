#include "Canvas.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "PictureImpl.h"

#include <QPainter>

namespace {

// Shows the backdrop at its top left corner. Mouse presses pass on to the
// window, as a plain widget does.
class CanvasWidget : public QWidget {
public:
    CanvasWidget() { setFocusPolicy(Qt::NoFocus); }

    std::shared_ptr<Picture> backdrop;

protected:
    void paintEvent(QPaintEvent*) override {
        if (backdrop) {
            QPainter painter(this);
            painter.drawImage(QPoint(0, 0), backdrop->Impl().image);
        }
    }
};

CanvasWidget& View(const Canvas& control) { return *control.Impl().As<CanvasWidget>(); }

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex, TabStop, Visible, HelpTag, AutoDeactivate, Enabled, UseFocusRing,
    Key("AcceptFocus", [](Canvas& c, bool v) {
        c.Impl().focus = v ? Qt::StrongFocus : Qt::NoFocus;
        c.Impl().ApplyFocus();
    }),
    // Qt always draws through a buffer onto the window's background, and a
    // canvas has no key handling of its own: only the type counts.
    Ignored<bool>("AcceptTabs"), Ignored<bool>("DoubleBuffer"), Ignored<bool>("EraseBackground"),
    InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kCanvasKeys = kKeys;

Canvas::Canvas() : RectControl(std::make_unique<ControlImpl>(new CanvasWidget), kKeys) {}

std::shared_ptr<Picture> Canvas::Backdrop() const { return View(*this).backdrop; }
void Canvas::Backdrop(std::shared_ptr<Picture> picture) {
    View(*this).backdrop = std::move(picture);
    View(*this).update();
}
