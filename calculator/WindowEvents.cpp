// The calculator window's own events and the keypad's side: the keypad panel
// stands at the left margin on the left, or keeps to the right edge.

#include "App.h"
#include "NilObjectException.h"
#include "Runtime.h"
#include "Window1.h"

namespace {

constexpr int kMargin = 10;
constexpr int kKeypadLeft = 10;
constexpr int kTapeLeft = 480;
// Where an opening window puts a keypad that is not on the left.
constexpr int kKeypadOpeningRight = 533;

int KeypadRightLeft(Window1& window) {
    return window.Width() - NotNil(window.Rectangle1(), "Rectangle1")->Width() - kMargin;
}

} // namespace

std::string Window1::KeypadSide() const {
    return NotNil(Rectangle1(), "Rectangle1")->Left() == kKeypadLeft ? "left" : "right";
}

void Window1::SwitchKeypadSide() {
    Rectangle& keypad = *NotNil(Rectangle1(), "Rectangle1");
    Rectangle& tape = *NotNil(Rectangle2(), "Rectangle2");
    if (KeypadSide() == "left") {
        keypad.Left(KeypadRightLeft(*this));
        tape.Left(kMargin);
    } else {
        keypad.Left(kKeypadLeft);
        tape.Left(kTapeLeft);
    }
}

void Window1::Event_Open() {
    if (TheApp().layout != "left") {
        NotNil(NotNil(Get())->Rectangle1(), "Rectangle1")->Left(kKeypadOpeningRight);
        NotNil(NotNil(Get())->Rectangle2(), "Rectangle2")->Left(kMargin);
    }
}

// With the keypad on the right, it keeps to the window's right edge.
void Window1::Event_Resizing() {
    if (TheApp().layout == "right") {
        Window1& window = *NotNil(Get());
        NotNil(window.Rectangle1(), "Rectangle1")->Left(KeypadRightLeft(window));
    }
}

// The window's place, size and the tape's text size go into the settings
// before it closes; closing is never refused. A maximised window gives the
// place and size it had before, which the next start opens it at.
bool Window1::Event_CancelClose(bool) {
    App& app = TheApp();
    Window1& window = *NotNil(Get());
    app.winTop = window.NormalTop();
    app.winLeft = window.NormalLeft();
    app.winWidth = window.NormalWidth();
    app.winHeight = window.NormalHeight();
    app.tapeSize = NotNil(window.Slider1(), "Slider1")->Value();
    return false;
}

void Window1::Event_Close() { Quit(0); }
