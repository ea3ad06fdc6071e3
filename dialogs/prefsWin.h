#pragma once

#include "ControlBuilding.h"
#include "Controls.h"
#include "Window.h"

#include <span>

// The Preferences dialog: the decimal places, the two headings of the
// printed tape and the label of total rows. Until OK its state is its
// controls' contents; OK stores all of them in the settings record at once,
// Cancel and the close box store nothing.
class prefsWin : public Window {
public:
    // The name the window is registered under while it is open.
    static constexpr const char kRegisteredName[] = "prefsWin.prefsWin";

    prefsWin();

    // The open dialog, created and filled from the settings record when none
    // is open.
    static prefsWin* Get();

    // Construction hooks.
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    // The control handlers, attached as each control is built.
    static std::span<const HandlerRow<prefsWin>> Handlers();

    // Control accessors: the control of that name, or null.
    GroupBox* GroupBox1() const;
    PopupMenu* PopupMenu1() const;
    Label* StaticText1() const;
    GroupBox* GroupBox2() const;
    Label* StaticText4() const;
    Label* StaticText5() const;
    TextField* EditField1() const;
    TextField* EditField2() const;
    Label* StaticText6() const;
    TextField* EditField3() const;
    PushButton* PushButton1() const;
    PushButton* PushButton2() const;

    // Cancel and OK.
    void PushButton1_Action(PushButton& button);
    void PushButton2_Action(PushButton& button);

    // Fills the controls from the settings record.
    void Event_Open() override;
};
