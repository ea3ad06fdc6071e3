#include "RectControl.h"

#include "ControlImpl.h"
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

void ControlImpl::ApplyDescription() {
    widget->setAccessibleDescription(QString::fromStdString(name));
}

void ControlImpl::ApplySpokenName() {
    widget->setAccessibleName(shownText.isEmpty() ? QString::fromStdString(spokenName) : shownText);
}

void ControlImpl::ApplyFocus() {
    widget->setFocusPolicy(focus == Qt::NoFocus || tabStop ? focus : Qt::ClickFocus);
}

QWidget* WidgetOf(const RectControl& control) { return control.Impl().widget; }

RectControl::RectControl(std::unique_ptr<ControlImpl> impl) : impl_(std::move(impl)) {
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

bool RectControl::LockLeft() const { return impl_->lockLeft; }
void RectControl::LockLeft(bool value) { impl_->lockLeft = value; }
bool RectControl::LockTop() const { return impl_->lockTop; }
void RectControl::LockTop(bool value) { impl_->lockTop = value; }
bool RectControl::LockRight() const { return impl_->lockRight; }
void RectControl::LockRight(bool value) { impl_->lockRight = value; }
bool RectControl::LockBottom() const { return impl_->lockBottom; }
void RectControl::LockBottom(bool value) { impl_->lockBottom = value; }

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

const std::string& RectControl::AccessibleName() const { return impl_->spokenName; }
void RectControl::AccessibleName(const std::string& value) {
    impl_->spokenName = value;
    impl_->ApplySpokenName();
}

double RectControl::TextSize() const { return impl_->textSize; }
void RectControl::TextSize(double points) {
    impl_->textSize = points;
    ApplyFont();
}
int RectControl::TextUnit() const { return impl_->textUnit; }
void RectControl::TextUnit(int unit) { impl_->textUnit = unit; }
const std::string& RectControl::TextFont() const { return impl_->textFont; }
void RectControl::TextFont(const std::string& family) {
    impl_->textFont = family;
    ApplyFont();
}
bool RectControl::Bold() const { return impl_->bold; }
void RectControl::Bold(bool value) {
    impl_->bold = value;
    ApplyFont();
}
bool RectControl::Italic() const { return impl_->italic; }
void RectControl::Italic(bool value) {
    impl_->italic = value;
    ApplyFont();
}
bool RectControl::Underline() const { return impl_->underline; }
void RectControl::Underline(bool value) {
    impl_->underline = value;
    ApplyFont();
}

void RectControl::ApplyFont() {
    impl_->widget->setFont(
        MakeFont(impl_->textFont, impl_->textSize, impl_->bold, impl_->italic, impl_->underline));
}

bool RectControl::SetOwnProperty(const Property&) { return false; }

void RectControl::SetProperty(const Property& property) {
    const std::string& key = property.key;
    if (key == "Name") {
        impl_->name = StringValue(property);
        impl_->widget->setObjectName(QString::fromStdString(impl_->name));
        impl_->ApplyDescription();
    } else if (key == "Left") {
        Left(IntegerValue(property));
    } else if (key == "Top") {
        Top(IntegerValue(property));
    } else if (key == "Width") {
        Width(IntegerValue(property));
    } else if (key == "Height") {
        Height(IntegerValue(property));
    } else if (key == "LockLeft") {
        LockLeft(BooleanValue(property));
    } else if (key == "LockTop") {
        LockTop(BooleanValue(property));
    } else if (key == "LockRight") {
        LockRight(BooleanValue(property));
    } else if (key == "LockBottom") {
        LockBottom(BooleanValue(property));
    } else if (key == "Visible") {
        Visible(BooleanValue(property));
    } else if (key == "Enabled") {
        Enabled(BooleanValue(property));
    } else if (key == "TabIndex") {
        impl_->tabIndex = IntegerValue(property);
    } else if (key == "TabStop") {
        impl_->tabStop = BooleanValue(property);
        impl_->ApplyFocus();
    } else if (key == "TextFont") {
        TextFont(StringValue(property));
    } else if (key == "Bold") {
        Bold(BooleanValue(property));
    } else if (key == "Italic") {
        Italic(BooleanValue(property));
    } else if (key == "Underline") {
        Underline(BooleanValue(property));
    } else if (key == "HelpTag") {
        impl_->widget->setToolTip(QString::fromStdString(StringValue(property)));
    } else if (key == "InitialParent") {
        const std::string& parentName = StringValue(property);
        if (!parentName.empty()) {
            RectControl* parent =
                impl_->window != nullptr ? impl_->window->ControlByName(parentName) : nullptr;
            if (parent == nullptr || parent == this) {
                throw std::invalid_argument("control " + impl_->name +
                                            ": no enclosing control named " + parentName);
            }
            impl_->parent = parent;
            parent->Impl().children.push_back(this);
        }
    } else if (key == "Index" || key == "TabPanelIndex") {
        // Control arrays and tab panels do not exist here.
        IntegerValue(property);
    } else if (key == "AutoDeactivate") {
        // Controls here are never deactivated with their window.
        BooleanValue(property);
    } else if (key == "DataSource" || key == "DataField") {
        // There is no data binding.
        StringValue(property);
    } else if (!SetOwnProperty(property)) {
        throw std::invalid_argument("control " + impl_->name + " has no property " + key);
    }
}
