#include "RectControl.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "Fonts.h"
#include "QtAccess.h"
#include "Window.h"

#include <stdexcept>

ControlImpl::ControlImpl(QWidget* w) : widget(w), focus(w->focusPolicy()) {}

ControlImpl::~ControlImpl() { delete widget.data(); }

void ControlImpl::Place() {
    if (widget) {
        widget->setGeometry(left, top, width, height);
    }
}

void ControlImpl::ApplyVisibility() {
    if (widget && window != nullptr) {
        widget->setVisible(visible);
    }
}

void ControlImpl::ApplySpokenName() {
    widget->setAccessibleName(shownText.isEmpty() ? QString::fromStdString(spokenName) : shownText);
}

void ControlImpl::ApplyFocus() {
    widget->setFocusPolicy(focus == Qt::NoFocus || tabStop ? focus : Qt::ClickFocus);
}

QWidget* WidgetOf(const RectControl& control) { return control.Impl().widget; }

RectControl::RectControl(std::unique_ptr<ControlImpl> impl, std::span<const StreamKey> keys)
    : impl_(std::move(impl)), keys_(keys) {
    impl_->widget->hide();
}

RectControl::~RectControl() = default;

const std::string& RectControl::Name() const { return impl_->name; }
::Window* RectControl::Window() const { return impl_->window; }
RectControl* RectControl::Parent() const { return impl_->parent; }

int RectControl::Left() const { return impl_->left; }
int RectControl::Top() const { return impl_->top; }
int RectControl::Width() const { return impl_->width; }
int RectControl::Height() const { return impl_->height; }

namespace {

// Moves the control and, through them, every control it encloses.
void MoveBy(RectControl& control, int dx, int dy) {
    ControlImpl& impl = control.Impl();
    impl.left += dx;
    impl.top += dy;
    impl.Place();
    for (RectControl* child : impl.children) {
        MoveBy(*child, dx, dy);
    }
}

} // namespace

void RectControl::Left(int value) { MoveBy(*this, value - impl_->left, 0); }
void RectControl::Top(int value) { MoveBy(*this, 0, value - impl_->top); }

void RectControl::Width(int value) {
    impl_->width = value;
    impl_->Place();
}

void RectControl::Height(int value) {
    impl_->height = value;
    impl_->Place();
}

bool RectControl::Visible() const { return impl_->visible; }
void RectControl::Visible(bool value) {
    impl_->visible = value;
    impl_->ApplyVisibility();
}

void RectControl::BringToFront() { impl_->widget->raise(); }

bool RectControl::Enabled() const { return impl_->enabled; }
void RectControl::Enabled(bool value) {
    impl_->enabled = value;
    impl_->widget->setEnabled(value);
}

int RectControl::TabIndex() const { return impl_->tabIndex; }
bool RectControl::TabStop() const { return impl_->tabStop; }

void RectControl::AccessibleName(const std::string& value) {
    impl_->spokenName = value;
    impl_->ApplySpokenName();
}

template <class T> void RectControl::ChangeFont(T ControlImpl::*part, const T& value) {
    (*impl_).*part = value;
    ApplyFont();
}

double RectControl::TextSize() const { return impl_->textSize; }
void RectControl::TextSize(double points) { ChangeFont(&ControlImpl::textSize, points); }
const std::string& RectControl::TextFont() const { return impl_->textFont; }
void RectControl::TextFont(const std::string& family) {
    ChangeFont(&ControlImpl::textFont, family);
}
void RectControl::Bold(bool value) { ChangeFont(&ControlImpl::bold, value); }
void RectControl::Italic(bool value) { ChangeFont(&ControlImpl::italic, value); }
bool RectControl::Underline() const { return impl_->underline; }
void RectControl::Underline(bool value) { ChangeFont(&ControlImpl::underline, value); }

void RectControl::ApplyFont() {
    impl_->widget->setFont(
        MakeFont(impl_->textFont, impl_->textSize, impl_->bold, impl_->italic, impl_->underline));
}

void RectControl::SetProperty(const Property& property) {
    ApplyStreamKey(*this, keys_, property, "control", impl_->name);
}

void ApplyName(RectControl& control, const std::string& name) {
    ControlImpl& impl = control.Impl();
    impl.name = name;
    // The object name stays inside the program: screen readers speak a
    // control's accessible name and description, so neither is its Name.
    impl.widget->setObjectName(QString::fromStdString(name));
}

void ApplyInitialParent(RectControl& control, const std::string& parentName) {
    ControlImpl& impl = control.Impl();
    RectControl* parent = nullptr;
    if (!parentName.empty()) {
        parent = impl.window != nullptr ? impl.window->ControlByName(parentName) : nullptr;
        if (parent == nullptr || parent == &control) {
            throw std::invalid_argument("control " + impl.name + ": no enclosing control named " +
                                        parentName);
        }
    }
    // A control has one enclosing control: it leaves the one it had.
    if (impl.parent != nullptr) {
        std::erase(impl.parent->Impl().children, &control);
    }
    impl.parent = parent;
    if (parent != nullptr) {
        parent->Impl().children.push_back(&control);
    }
}
