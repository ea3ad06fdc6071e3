#include "PushButton.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "Dispatch.h"

#include <QPushButton>

namespace {

class PushButtonWidget : public QPushButton {
public:
    PushButtonWidget() {
        // Tab reaches a push button; Return and Escape press the window's
        // default and cancel buttons wherever the focus is.
        setFocusPolicy(Qt::StrongFocus);
        setAutoDefault(false);
        connect(this, &QAbstractButton::clicked, this, [this] { GuardedHandler(action); });
    }

    std::string caption;
    bool cancel = false;
    std::function<void()> action;
};

PushButtonWidget& View(const PushButton& control) { return *control.Impl().As<PushButtonWidget>(); }

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex, TabStop,
    Key("Caption", [](PushButton& c, const std::string& v) { c.Caption(v); }),
    Key("Default", [](PushButton& c, bool v) { View(c).setDefault(v); }),
    Key("Cancel", [](PushButton& c, bool v) { View(c).cancel = v; }),
    Enabled, Visible, HelpTag, AutoDeactivate,
    // Push buttons take the style's one look; only the type counts.
    Ignored<std::int32_t>("ButtonStyle"),
    TextFont, Bold, Italic, Underline, InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kPushButtonKeys = kKeys;

PushButton::PushButton()
    : RectControl(std::make_unique<ControlImpl>(new PushButtonWidget), kKeys) {}

const std::string& PushButton::Caption() const { return View(*this).caption; }
void PushButton::Caption(const std::string& value) {
    PushButtonWidget& view = View(*this);
    view.caption = value;
    QString text = QString::fromStdString(value);
    Impl().shownText = text;
    Impl().ApplySpokenName();
    // An ampersand is shown as it stands, not taken as a shortcut mark.
    view.setText(text.replace(QLatin1Char('&'), QLatin1String("&&")));
}

bool PushButton::Default() const { return View(*this).isDefault(); }

bool PushButton::Cancel() const { return View(*this).cancel; }

void PushButton::Push() { View(*this).click(); }

void PushButton::Action(std::function<void(PushButton&)> handler) {
    View(*this).action = std::bind_front(std::move(handler), std::ref(*this));
}
