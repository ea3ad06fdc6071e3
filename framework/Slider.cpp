#include "Slider.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "Dispatch.h"

#include <QSlider>

namespace {

class SliderWidget : public QSlider {
public:
    SliderWidget() : QSlider(Qt::Horizontal) {
        // Every change of the value, by the user or by code, reaches the
        // handler once one is attached.
        connect(this, &QSlider::valueChanged, this, [this] { GuardedHandler(valueChanged); });
    }

    std::function<void()> valueChanged;
    std::function<void()> mouseExit;

protected:
    void leaveEvent(QEvent* event) override {
        QSlider::leaveEvent(event);
        GuardedHandler(mouseExit);
    }
};

SliderWidget& View(const Slider& control) { return *control.Impl().As<SliderWidget>(); }

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex, TabStop, Enabled, Visible, HelpTag, AutoDeactivate,
    Key("Minimum", [](Slider& c, std::int32_t v) { View(c).setMinimum(v); }),
    Key("Value", [](Slider& c, std::int32_t v) { c.Value(v); }),
    Key("Maximum", [](Slider& c, std::int32_t v) { View(c).setMaximum(v); }),
    Key("LineStep", [](Slider& c, std::int32_t v) { View(c).setSingleStep(v); }),
    Key("PageStep", [](Slider& c, std::int32_t v) { View(c).setPageStep(v); }),
    Key("LiveScroll", [](Slider& c, bool v) { View(c).setTracking(v); }),
    // 0 none, 1 above, 2 below, 3 on both sides: Qt's tick positions.
    Key("TickStyle", [](Slider& c, std::int32_t v) {
        View(c).setTickPosition(v >= 0 && v <= 3 ? static_cast<QSlider::TickPosition>(v)
                                                 : QSlider::NoTicks);
    }),
    InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kSliderKeys = kKeys;

Slider::Slider() : RectControl(std::make_unique<ControlImpl>(new SliderWidget), kKeys) {}

int Slider::Value() const { return View(*this).value(); }
void Slider::Value(int value) { View(*this).setValue(value); }

void Slider::ValueChanged(std::function<void(Slider&)> handler) {
    View(*this).valueChanged = std::bind_front(std::move(handler), std::ref(*this));
}

void Slider::MouseExit(std::function<void(Slider&)> handler) {
    View(*this).mouseExit = std::bind_front(std::move(handler), std::ref(*this));
}
