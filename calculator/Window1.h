#pragma once

#include "ControlBuilding.h"
#include "Controls.h"
#include "Window.h"

#include <span>
#include <string>

// The calculator window: the keypad panel with the display, and the tape
// panel with the paper tape. It keeps no state of its own: the display's
// text, the tape's rows and the panels' places are the state.
class Window1 : public Window {
public:
    // The name the window is registered under while it is open.
    static constexpr const char kRegisteredName[] = "Window1.Window1";

    Window1();

    // The open calculator window, created when none is open.
    static Window1* Get();

    // The tape's columns.
    static constexpr int kDescriptionColumn = 0;
    static constexpr int kValueColumn = 1;
    static constexpr int kOperatorColumn = 2;

    // The keypad's side, "left" or "right", as the window shows it.
    std::string KeypadSide() const;
    // Puts the keypad panel on the other side of the tape panel; each panel
    // takes everything it encloses along.
    void SwitchKeypadSide();

    // Construction hooks.
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void CreateControls1();
    // The control handlers, attached as each control is built.
    static std::span<const HandlerRow<Window1>> Handlers();

    // Control accessors: the control of that name, or null.
    Rectangle* Rectangle2() const;
    Listbox* ListBox1() const;
    BevelButton* BevelButton21() const;
    Slider* Slider1() const;
    BevelButton* BevelButton22() const;
    Label* StaticText1() const;
    Label* StaticText2() const;
    RoundRectangle* tRect() const;
    Label* tSIze() const;
    Rectangle* Rectangle1() const;
    BevelButton* BevelButton1() const;
    BevelButton* BevelButton3() const;
    BevelButton* BevelButton4() const;
    BevelButton* BevelButton5() const;
    BevelButton* BevelButton6() const;
    BevelButton* BevelButton7() const;
    BevelButton* BevelButton8() const;
    BevelButton* BevelButton9() const;
    BevelButton* BevelButton10() const;
    BevelButton* BevelButton11() const;
    BevelButton* BevelButton12() const;
    BevelButton* BevelButton14() const;
    BevelButton* BevelButton16() const;
    BevelButton* BevelButton17() const;
    BevelButton* BevelButton18() const;
    BevelButton* BevelButton19() const;
    TextField* LCD() const;
    BevelButton* BevelButton20() const;
    BevelButton* MClear() const;
    BevelButton* MAdd() const;
    BevelButton* MSubtract() const;
    BevelButton* MShow() const;

    // The tape.
    bool ListBox1_CellClick(Listbox& list, int row, int column, int x, int y);
    bool ListBox1_KeyDown(Listbox& list, const std::string& key);
    void BevelButton21_Action(BevelButton& button);
    void Slider1_ValueChanged(Slider& slider);
    void Slider1_MouseExit(Slider& slider);
    void BevelButton22_Action(BevelButton& button);

    // The keypad. The ten digit keys all enter their own caption.
    void BevelButton1_Action(BevelButton& button);
    void BevelButton3_Action(BevelButton& button);
    void BevelButton4_Action(BevelButton& button);
    void BevelButton5_Action(BevelButton& button);
    void BevelButton6_Action(BevelButton& button);
    void BevelButton7_Action(BevelButton& button);
    void BevelButton8_Action(BevelButton& button);
    void BevelButton9_Action(BevelButton& button);
    void BevelButton10_Action(BevelButton& button);
    void BevelButton11_Action(BevelButton& button);
    void BevelButton12_Action(BevelButton& button);
    void BevelButton14_Action(BevelButton& button);
    void BevelButton16_Action(BevelButton& button);
    void BevelButton17_Action(BevelButton& button);
    void BevelButton18_Action(BevelButton& button);
    void BevelButton19_Action(BevelButton& button);
    void BevelButton20_Action(BevelButton& button);
    void MClear_Action(BevelButton& button);
    void MAdd_Action(BevelButton& button);
    void MSubtract_Action(BevelButton& button);
    void MShow_Action(BevelButton& button);

    // Window events.
    bool Event_KeyDown(const std::string& key) override;
    void Event_Close() override;
    bool Event_CancelClose(bool appQuitting) override;
    void Event_Open() override;
    void Event_Resizing() override;

    // The display's rules, shared by the keypad and the keyboard.
    void DigitRule(const std::string& digit);
    void PointRule();
    void ClearEntry();
    // Appends the display's number with the operator to the tape.
    void OperatorStep(const std::string& op);
    // Closes the entry, evaluates the whole tape and shows the total.
    void calculate();

private:
    // The display and the tape; NilObjectException when either is missing.
    TextField& Display() const;
    Listbox& Tape() const;
    // Enters the pressed digit key's caption.
    void DigitKey(BevelButton& button);
};
