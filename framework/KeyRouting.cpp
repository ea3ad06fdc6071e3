#include "KeyRouting.h"

#include "ControlImpl.h"
#include "Dispatch.h"
#include "PushButton.h"
#include "TextField.h"
#include "TextHelpers.h"
#include "WindowImpl.h"

#include <QKeyEvent>
#include <QLineEdit>

std::string KeyText(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Enter:
        return Chr(KeyCode::Enter);
    case Qt::Key_Return:
        return Chr(KeyCode::Return);
    case Qt::Key_Escape:
        return Chr(KeyCode::Escape);
    case Qt::Key_Delete:
        return Chr(KeyCode::Delete);
    case Qt::Key_Backspace:
        return Chr(KeyCode::Backspace);
    case Qt::Key_Tab:
        return Chr(KeyCode::Tab);
    case Qt::Key_Left:
        return Chr(KeyCode::Left);
    case Qt::Key_Right:
        return Chr(KeyCode::Right);
    case Qt::Key_Up:
        return Chr(KeyCode::Up);
    case Qt::Key_Down:
        return Chr(KeyCode::Down);
    default:
        break;
    }
    // A key held with Ctrl, Meta or Alt is a command or a menu's mnemonic,
    // never a character typed.
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) {
        return {};
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F) {
        return {};
    }
    return text.toStdString();
}

namespace {

bool KeepsItsOwnKeys(const QWidget* widget) {
    const auto* field = qobject_cast<const QLineEdit*>(widget);
    return field != nullptr && !field->isReadOnly();
}

// An editable text field of the window itself, not a list's cell editor.
bool IsEditableTextField(const WindowImpl& window, const QWidget* widget) {
    const auto found = window.byWidget.find(widget);
    return found != window.byWidget.end() && dynamic_cast<TextField*>(found->second) != nullptr &&
           KeepsItsOwnKeys(widget);
}

// Return and Enter press the window's default push button, Escape its
// cancel button.
bool PressDialogButton(WindowImpl& window, const std::string& key) {
    const bool isDefault = key == Chr(KeyCode::Return) || key == Chr(KeyCode::Enter);
    const bool isCancel = key == Chr(KeyCode::Escape);
    if (!isDefault && !isCancel) {
        return false;
    }
    for (const auto& control : window.controls) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button != nullptr && button->Visible() && button->Enabled() &&
            ((isDefault && button->Default()) || (isCancel && button->Cancel()))) {
            button->Push();
            return true;
        }
    }
    return false;
}

} // namespace

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* receiver = static_cast<QWidget*>(watched);
    WindowImpl* window = WindowImplOfWidget(receiver);
    if (window == nullptr) {
        return false;
    }
    // A key is routed once, where it first arrives: the window's focused
    // widget, or the window itself when nothing in it has the focus. The
    // same event passed on to parent widgets is left alone.
    QWidget* focus = window->top->focusWidget();
    if (receiver != (focus != nullptr ? focus : window->top.data())) {
        return false;
    }
    const std::string key = KeyText(*static_cast<QKeyEvent*>(event));
    // An editable field keeps its keys, except that Return, Enter and Escape
    // press the dialog's buttons from it as from anywhere in the window.
    if (IsEditableTextField(*window, receiver)) {
        return Guarded([&] { return PressDialogButton(*window, key); });
    }
    if (KeepsItsOwnKeys(receiver) || key.empty()) {
        return false;
    }
    Window& owner = window->owner;
    if (RectControl* control = window->ControlOfWidget(receiver)) {
        auto& handler = control->Impl().keyDown;
        if (handler && Guarded([&] { return handler(key); })) {
            return true;
        }
    }
    if (Guarded([&] { return owner.Event_KeyDown(key); })) {
        return true;
    }
    return Guarded([&] { return PressDialogButton(*window, key); });
}
