#include "Window1.h"

#include "MenuBar1.h"
#include "NilObjectException.h"
#include "Window1Layout.h"

#include <cstddef>

namespace {

// Every control handler of the window, in the controls' creation order.
// clang-format off
constexpr HandlerRow<Window1> kHandlers[] = {
    {"ListBox1",      On<&Listbox::CellClick,     &Window1::ListBox1_CellClick>},
    {"ListBox1",      On<&Listbox::KeyDown,       &Window1::ListBox1_KeyDown>},
    {"BevelButton21", On<&BevelButton::Action,    &Window1::BevelButton21_Action>},
    {"Slider1",       On<&Slider::ValueChanged,   &Window1::Slider1_ValueChanged>},
    {"Slider1",       On<&Slider::MouseExit,      &Window1::Slider1_MouseExit>},
    {"BevelButton22", On<&BevelButton::Action,    &Window1::BevelButton22_Action>},
    {"BevelButton1",  On<&BevelButton::Action,    &Window1::BevelButton1_Action>},
    {"BevelButton3",  On<&BevelButton::Action,    &Window1::BevelButton3_Action>},
    {"BevelButton4",  On<&BevelButton::Action,    &Window1::BevelButton4_Action>},
    {"BevelButton5",  On<&BevelButton::Action,    &Window1::BevelButton5_Action>},
    {"BevelButton6",  On<&BevelButton::Action,    &Window1::BevelButton6_Action>},
    {"BevelButton7",  On<&BevelButton::Action,    &Window1::BevelButton7_Action>},
    {"BevelButton8",  On<&BevelButton::Action,    &Window1::BevelButton8_Action>},
    {"BevelButton9",  On<&BevelButton::Action,    &Window1::BevelButton9_Action>},
    {"BevelButton10", On<&BevelButton::Action,    &Window1::BevelButton10_Action>},
    {"BevelButton11", On<&BevelButton::Action,    &Window1::BevelButton11_Action>},
    {"BevelButton12", On<&BevelButton::Action,    &Window1::BevelButton12_Action>},
    {"BevelButton14", On<&BevelButton::Action,    &Window1::BevelButton14_Action>},
    {"BevelButton16", On<&BevelButton::Action,    &Window1::BevelButton16_Action>},
    {"BevelButton17", On<&BevelButton::Action,    &Window1::BevelButton17_Action>},
    {"BevelButton18", On<&BevelButton::Action,    &Window1::BevelButton18_Action>},
    {"BevelButton19", On<&BevelButton::Action,    &Window1::BevelButton19_Action>},
    {"BevelButton20", On<&BevelButton::Action,    &Window1::BevelButton20_Action>},
    {"MClear",        On<&BevelButton::Action,    &Window1::MClear_Action>},
    {"MAdd",          On<&BevelButton::Action,    &Window1::MAdd_Action>},
    {"MSubtract",     On<&BevelButton::Action,    &Window1::MSubtract_Action>},
    {"MShow",         On<&BevelButton::Action,    &Window1::MShow_Action>},
};
// clang-format on

// The controls are built in two groups, the first ending with MClear.
constexpr std::size_t kFirstGroupSize = 29;

// What screen readers call the controls that show no text naming them.
constexpr SpokenName kSpokenNames[] = {
    {"LCD", "Display"},
    {"ListBox1", "Paper tape"},
    {"Slider1", "Tape text size"},
};

} // namespace

Window1::Window1() : Window(kRegisteredName) {}

Window1* Window1::Get() { return ImplicitInstance<Window1>(); }

void Window1::Layout() {
    MenuBar(NotNil(MenuBar1::Get()));
    ApplyWindowStream(*this, Window1WindowStream());
}

void Window1::CreateControls() {
    CreateControls0();
    CreateControls1();
    NameControls(*this, kSpokenNames);
}

std::span<const HandlerRow<Window1>> Window1::Handlers() { return kHandlers; }

void Window1::CreateControls0() {
    BuildControls<Window1>(*this, Window1Controls().first(kFirstGroupSize), kHandlers);
}

void Window1::CreateControls1() {
    BuildControls<Window1>(*this, Window1Controls().subspan(kFirstGroupSize), kHandlers);
}

TextField& Window1::Display() const { return *NotNil(LCD(), "LCD"); }
Listbox& Window1::Tape() const { return *NotNil(ListBox1(), "ListBox1"); }

Rectangle* Window1::Rectangle2() const { return Find<Rectangle>(*this, "Rectangle2"); }
Listbox* Window1::ListBox1() const { return Find<Listbox>(*this, "ListBox1"); }
BevelButton* Window1::BevelButton21() const { return Find<BevelButton>(*this, "BevelButton21"); }
Slider* Window1::Slider1() const { return Find<Slider>(*this, "Slider1"); }
BevelButton* Window1::BevelButton22() const { return Find<BevelButton>(*this, "BevelButton22"); }
Label* Window1::StaticText1() const { return Find<Label>(*this, "StaticText1"); }
Label* Window1::StaticText2() const { return Find<Label>(*this, "StaticText2"); }
RoundRectangle* Window1::tRect() const { return Find<RoundRectangle>(*this, "tRect"); }
Label* Window1::tSIze() const { return Find<Label>(*this, "tSIze"); }
Rectangle* Window1::Rectangle1() const { return Find<Rectangle>(*this, "Rectangle1"); }
BevelButton* Window1::BevelButton1() const { return Find<BevelButton>(*this, "BevelButton1"); }
BevelButton* Window1::BevelButton3() const { return Find<BevelButton>(*this, "BevelButton3"); }
BevelButton* Window1::BevelButton4() const { return Find<BevelButton>(*this, "BevelButton4"); }
BevelButton* Window1::BevelButton5() const { return Find<BevelButton>(*this, "BevelButton5"); }
BevelButton* Window1::BevelButton6() const { return Find<BevelButton>(*this, "BevelButton6"); }
BevelButton* Window1::BevelButton7() const { return Find<BevelButton>(*this, "BevelButton7"); }
BevelButton* Window1::BevelButton8() const { return Find<BevelButton>(*this, "BevelButton8"); }
BevelButton* Window1::BevelButton9() const { return Find<BevelButton>(*this, "BevelButton9"); }
BevelButton* Window1::BevelButton10() const { return Find<BevelButton>(*this, "BevelButton10"); }
BevelButton* Window1::BevelButton11() const { return Find<BevelButton>(*this, "BevelButton11"); }
BevelButton* Window1::BevelButton12() const { return Find<BevelButton>(*this, "BevelButton12"); }
BevelButton* Window1::BevelButton14() const { return Find<BevelButton>(*this, "BevelButton14"); }
BevelButton* Window1::BevelButton16() const { return Find<BevelButton>(*this, "BevelButton16"); }
BevelButton* Window1::BevelButton17() const { return Find<BevelButton>(*this, "BevelButton17"); }
BevelButton* Window1::BevelButton18() const { return Find<BevelButton>(*this, "BevelButton18"); }
BevelButton* Window1::BevelButton19() const { return Find<BevelButton>(*this, "BevelButton19"); }
TextField* Window1::LCD() const { return Find<TextField>(*this, "LCD"); }
BevelButton* Window1::BevelButton20() const { return Find<BevelButton>(*this, "BevelButton20"); }
BevelButton* Window1::MClear() const { return Find<BevelButton>(*this, "MClear"); }
BevelButton* Window1::MAdd() const { return Find<BevelButton>(*this, "MAdd"); }
BevelButton* Window1::MSubtract() const { return Find<BevelButton>(*this, "MSubtract"); }
BevelButton* Window1::MShow() const { return Find<BevelButton>(*this, "MShow"); }
