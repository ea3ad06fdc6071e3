#pragma once

// Framework-internal: turns Qt key presses into the key texts that the
// program's KeyDown handlers read, and routes them.

#include "KeyCodes.h"

#include <QObject>

#include <string>

class QKeyEvent;

// The key's text: a printable key as its character, the other keys of
// KeyCodes.h as Chr of their code. Empty for keys that type nothing (modifiers alone, function
// keys, combinations with the command modifier).
std::string KeyText(const QKeyEvent& event);

// Installed on the application: a key typed in a framework window goes to
// the focused control's KeyDown first, then to the window's; an editable
// text field or an open cell editor keeps its own keys.
class KeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
