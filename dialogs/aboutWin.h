#pragma once

#include "ControlBuilding.h"
#include "Controls.h"
#include "Window.h"

#include <span>
#include <string>

// The About window: the program's picture, name, version, description and
// copyright, an invitation to donate with the donation button, and the link
// to the maker's home page. It reads and stores nothing. A press on its own
// surface closes it.
class aboutWin : public Window {
public:
    // The name the window is registered under while it is open.
    static constexpr const char kRegisteredName[] = "aboutWin.aboutWin";

    aboutWin();

    // The open About window, created (and shown) when none is open.
    static aboutWin* Get();

    // Construction hooks.
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    // The control handlers, attached as each control is built.
    static std::span<const HandlerRow<aboutWin>> Handlers();

    // Control accessors: the control of that name, or null.
    Label* StaticText1() const;
    Label* StaticText2() const;
    Label* StaticText3() const;
    Label* StaticText4() const;
    Label* StaticText5() const;
    BevelButton* BevelButton1() const;
    Label* StaticText6() const;
    Canvas* Canvas1() const;

    // The link: opens its own text, red and underlined under the pointer.
    bool StaticText5_MouseDown(Label& label, int x, int y);
    void StaticText5_MouseExit(Label& label);
    void StaticText5_MouseEnter(Label& label);
    // The donation button: closes the window, then opens the donation page.
    void BevelButton1_Action(BevelButton& button);

    bool Event_MouseDown(int x, int y) override;
};

// The donation page: the home page's host, "paypal.php", "app=lumaDex".
std::string DonationAddress();
