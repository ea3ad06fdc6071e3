#include "KeyRouting.h"

#include "ControlImpl.h"
#include "Dispatch.h"
#include "PushButton.h"
#include "TextField.h"
#include "TextHelpers.h"
#include "WindowImpl.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace {

// The keys that type no printable character, and the codes of their texts.
constexpr std::pair<int, int> kCodedKeys[] = {
    {Qt::Key_Enter, KeyCode::Enter},
    {Qt::Key_Return, KeyCode::Return},
    {Qt::Key_Escape, KeyCode::Escape},
    {Qt::Key_Delete, KeyCode::Delete},
    {Qt::Key_Backspace, KeyCode::Backspace},
    {Qt::Key_Tab, KeyCode::Tab},
    {Qt::Key_Left, KeyCode::Left},
    {Qt::Key_Right, KeyCode::Right},
    {Qt::Key_Up, KeyCode::Up},
    {Qt::Key_Down, KeyCode::Down},
};

} // namespace

std::string KeyText(const QKeyEvent& event) {
    for (const auto& [key, code] : kCodedKeys) {
        if (event.key() == key) {
            return Chr(code);
        }
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
    if (RectControl* control = window->ControlOfWidget(receiver)) {
        auto& handler = control->Impl().keyDown;
        if (handler && Guarded([&] { return handler(key); })) {
            return true;
        }
    }
    if (Guarded([&] { return window->owner.Event_KeyDown(key); })) {
        return true;
    }
    return Guarded([&] { return PressDialogButton(*window, key); });
}
