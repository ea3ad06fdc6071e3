#include "Canvas.h"

#include "ControlImpl.h"
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

} // namespace

Canvas::Canvas() : RectControl(std::make_unique<ControlImpl>(new CanvasWidget)) {}

std::shared_ptr<Picture> Canvas::Backdrop() const { return View(*this).backdrop; }
void Canvas::Backdrop(std::shared_ptr<Picture> picture) {
    View(*this).backdrop = std::move(picture);
    View(*this).update();
}

bool Canvas::SetOwnProperty(const Property& property) {
    const std::string& key = property.key;
    if (key == "AcceptFocus") {
        Impl().focus = BooleanValue(property) ? Qt::StrongFocus : Qt::NoFocus;
        Impl().ApplyFocus();
    } else if (key == "UseFocusRing") {
        View(*this).setAttribute(Qt::WA_MacShowFocusRect, BooleanValue(property));
    } else if (key == "AcceptTabs" || key == "DoubleBuffer" || key == "EraseBackground") {
        // Qt always draws through a buffer onto the window's background, and a
        // canvas has no key handling of its own: only the type counts.
        BooleanValue(property);
    } else {
        return false;
    }
    return true;
}
