// Keyboard entry in the calculator window.

#include "KeyCodes.h"
#include "NilObjectException.h"
#include "TextHelpers.h"
#include "Window1.h"

namespace {

// The "." key: like the point button, except that an empty display or one
// showing just "0" becomes "." alone.
void PointKey(TextField& display) {
    const std::string text = display.Text();
    if (InStr(text, ".") > 0) {
        return;
    }
    display.Text(text.empty() || text == "0" ? "." : text + ".");
}

} // namespace

// Each key acts on the display and the tape as they stand; the key is
// never marked handled.
bool Window1::Event_KeyDown(const std::string& key) {
    const int code = Asc(key);
    if (code >= '0' && code <= '9') {
        DigitRule(Chr(code));
    } else if (code == '.') {
        PointKey(Display());
    } else if (code == '*' || code == '+' || code == '-' || code == '/') {
        OperatorStep(Chr(code));
    } else if (code == '=' || code == KeyCode::Enter) {
        calculate();
    } else if (code == KeyCode::Escape) {
        BevelButton21_Action(*NotNil(BevelButton21(), "BevelButton21"));
    } else if (code == KeyCode::Delete) {
        ClearEntry();
    }
    return false;
}
