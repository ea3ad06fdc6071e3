#include "App.h"

#include "NilObjectException.h"
#include "Window1.h"

// Puts the keypad on the other side of the tape and records the side.
bool App::LayoutSwitch_Action() {
    Window1& window = *NotNil(Window1::Get());
    window.SwitchKeypadSide();
    layout = window.KeypadSide();
    return true;
}
