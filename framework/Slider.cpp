#include "Slider.h"

#include "ControlImpl.h"
#include "Dispatch.h"

#include <QSlider>

namespace {

class SliderWidget : public QSlider {
public:
    SliderWidget() : QSlider(Qt::Horizontal) {
        // Every change of the value, by the user or by code, reaches the
        // handler once one is attached.
        connect(this, &QSlider::valueChanged, this, [this] {
            if (valueChanged) {
                Guarded(std::function<void()>(valueChanged));
            }
        });
    }

    std::function<void()> valueChanged;
    std::function<void()> mouseExit;

protected:
    void leaveEvent(QEvent* event) override {
        QSlider::leaveEvent(event);
        if (mouseExit) {
            Guarded(std::function<void()>(mouseExit));
        }
    }
};

SliderWidget& View(const Slider& control) { return *control.Impl().As<SliderWidget>(); }

} // namespace

Slider::Slider() : RectControl(std::make_unique<ControlImpl>(new SliderWidget)) {}

int Slider::Minimum() const { return View(*this).minimum(); }
void Slider::Minimum(int value) { View(*this).setMinimum(value); }
int Slider::Maximum() const { return View(*this).maximum(); }
void Slider::Maximum(int value) { View(*this).setMaximum(value); }
int Slider::Value() const { return View(*this).value(); }
void Slider::Value(int value) { View(*this).setValue(value); }
int Slider::LineStep() const { return View(*this).singleStep(); }
void Slider::LineStep(int value) { View(*this).setSingleStep(value); }
int Slider::PageStep() const { return View(*this).pageStep(); }
void Slider::PageStep(int value) { View(*this).setPageStep(value); }

void Slider::ValueChanged(std::function<void(Slider&)> handler) {
    View(*this).valueChanged = [this, handler = std::move(handler)] { handler(*this); };
}

void Slider::MouseExit(std::function<void(Slider&)> handler) {
    View(*this).mouseExit = [this, handler = std::move(handler)] { handler(*this); };
}

bool Slider::SetOwnProperty(const Property& property) {
    const std::string& key = property.key;
    SliderWidget& view = View(*this);
    if (key == "Minimum") {
        Minimum(IntegerValue(property));
    } else if (key == "Maximum") {
        Maximum(IntegerValue(property));
    } else if (key == "Value") {
        Value(IntegerValue(property));
    } else if (key == "LineStep") {
        LineStep(IntegerValue(property));
    } else if (key == "PageStep") {
        PageStep(IntegerValue(property));
    } else if (key == "LiveScroll") {
        view.setTracking(BooleanValue(property));
    } else if (key == "TickStyle") {
        // 0 none, 1 above, 2 below, 3 on both sides: Qt's tick positions.
        const int style = IntegerValue(property);
        view.setTickPosition(style >= 0 && style <= 3 ? static_cast<QSlider::TickPosition>(style)
                                                      : QSlider::NoTicks);
    } else {
        return false;
    }
    return true;
}
