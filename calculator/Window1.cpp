#include "Window1.h"

#include "MenuBar1.h"
#include "NilObjectException.h"
#include "Window1Layout.h"

namespace {

template <class C> C* Find(const Window1& window, const char* name) {
    return dynamic_cast<C*>(window.ControlByName(name));
}

template <class C> C* Build(Window1& window, const char* name) {
    return BuildControl<C>(window, Window1Control(name));
}

} // namespace

Window1::Window1() : Window("Window1.Window1") {}

Window1* Window1::Get() {
    if (auto* open = dynamic_cast<Window1*>(GetImplicitWindow("Window1.Window1"))) {
        return open;
    }
    return NewWindow<Window1>();
}

void Window1::Layout() {
    MenuBar(NotNil(MenuBar1::Get()));
    ApplyWindowStream(*this, Window1WindowStream());
}

void Window1::CreateControls() {
    CreateControls0();
    CreateControls1();
}

void Window1::CreateControls0() {
    Build<Rectangle>(*this, "Rectangle2");
    Listbox* tape = Build<Listbox>(*this, "ListBox1");
    tape->CellClick([this](Listbox& list, int row, int column, int x, int y) {
        return ListBox1_CellClick(list, row, column, x, y);
    });
    tape->KeyDown(
        [this](Listbox& list, const std::string& key) { return ListBox1_KeyDown(list, key); });
    Build<BevelButton>(*this, "BevelButton21")->Action([this](BevelButton& b) {
        BevelButton21_Action(b);
    });
    Slider* slider = Build<Slider>(*this, "Slider1");
    slider->ValueChanged([this](Slider& s) { Slider1_ValueChanged(s); });
    slider->MouseExit([this](Slider& s) { Slider1_MouseExit(s); });
    Build<BevelButton>(*this, "BevelButton22")->Action([this](BevelButton& b) {
        BevelButton22_Action(b);
    });
    Build<Label>(*this, "StaticText1");
    Build<Label>(*this, "StaticText2");
    Build<RoundRectangle>(*this, "tRect");
    Build<Label>(*this, "tSIze");
    Build<Rectangle>(*this, "Rectangle1");

    Build<BevelButton>(*this, "BevelButton1")->Action([this](BevelButton& b) {
        BevelButton1_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton3")->Action([this](BevelButton& b) {
        BevelButton3_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton4")->Action([this](BevelButton& b) {
        BevelButton4_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton5")->Action([this](BevelButton& b) {
        BevelButton5_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton6")->Action([this](BevelButton& b) {
        BevelButton6_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton7")->Action([this](BevelButton& b) {
        BevelButton7_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton8")->Action([this](BevelButton& b) {
        BevelButton8_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton9")->Action([this](BevelButton& b) {
        BevelButton9_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton10")->Action([this](BevelButton& b) {
        BevelButton10_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton11")->Action([this](BevelButton& b) {
        BevelButton11_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton12")->Action([this](BevelButton& b) {
        BevelButton12_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton14")->Action([this](BevelButton& b) {
        BevelButton14_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton16")->Action([this](BevelButton& b) {
        BevelButton16_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton17")->Action([this](BevelButton& b) {
        BevelButton17_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton18")->Action([this](BevelButton& b) {
        BevelButton18_Action(b);
    });
    Build<BevelButton>(*this, "BevelButton19")->Action([this](BevelButton& b) {
        BevelButton19_Action(b);
    });
    Build<TextField>(*this, "LCD");
    Build<BevelButton>(*this, "BevelButton20")->Action([this](BevelButton& b) {
        BevelButton20_Action(b);
    });
    Build<BevelButton>(*this, "MClear")->Action([this](BevelButton& b) { MClear_Action(b); });
}

void Window1::CreateControls1() {
    Build<BevelButton>(*this, "MAdd")->Action([this](BevelButton& b) { MAdd_Action(b); });
    Build<BevelButton>(*this, "MSubtract")->Action([this](BevelButton& b) { MSubtract_Action(b); });
    Build<BevelButton>(*this, "MShow")->Action([this](BevelButton& b) { MShow_Action(b); });
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
