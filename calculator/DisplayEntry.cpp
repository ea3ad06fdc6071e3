// The display's entry rules and the memory register.

#include "App.h"
#include "NumberText.h"
#include "TextHelpers.h"
#include "Window1.h"

// A leading "0" (or an empty display) is replaced by the digit; any other
// text is extended, whatever it holds.
void Window1::DigitRule(const std::string& digit) {
    TextField& display = Display();
    const std::string text = display.Text();
    if (text.empty() || text == "0") {
        display.Text(digit);
    } else {
        display.Text(text + digit);
    }
}

void Window1::PointRule() {
    TextField& display = Display();
    const std::string text = display.Text();
    if (InStr(text, ".") > 0) {
        return;
    }
    display.Text(text.empty() ? "0." : text + ".");
}

void Window1::ClearEntry() { Display().Text(""); }

void Window1::DigitKey(BevelButton& button) { DigitRule(button.Caption()); }

void Window1::BevelButton1_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton3_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton4_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton5_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton6_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton7_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton8_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton9_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton10_Action(BevelButton& button) { DigitKey(button); }
void Window1::BevelButton11_Action(BevelButton& button) { DigitKey(button); }

void Window1::BevelButton12_Action(BevelButton&) { PointRule(); }

void Window1::BevelButton14_Action(BevelButton&) { ClearEntry(); }

void Window1::MClear_Action(BevelButton&) { TheApp().mem = 0; }

void Window1::MAdd_Action(BevelButton&) { TheApp().mem = TheApp().mem + Val(Display().Text()); }

void Window1::MSubtract_Action(BevelButton&) {
    TheApp().mem = TheApp().mem - Val(Display().Text());
}

// Recall shows the register as plain number text, replacing the entry.
void Window1::MShow_Action(BevelButton&) { Display().Text(Str(TheApp().mem)); }
