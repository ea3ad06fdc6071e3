#include "prefsWin.h"

#include "App.h"
#include "DecimalMask.h"
#include "NilObjectException.h"
#include "prefsWinLayout.h"

namespace {

// Every control handler of the dialog, in the controls' creation order.
// clang-format off
constexpr HandlerRow<prefsWin> kHandlers[] = {
    {"PushButton1", On<&PushButton::Action, &prefsWin::PushButton1_Action>},
    {"PushButton2", On<&PushButton::Action, &prefsWin::PushButton2_Action>},
};
// clang-format on

// The labels that name the popup and the three fields for screen readers.
constexpr LabelledControl kLabels[] = {
    {"StaticText1", "PopupMenu1"},
    {"StaticText4", "EditField1"},
    {"StaticText5", "EditField2"},
    {"StaticText6", "EditField3"},
};

} // namespace

prefsWin::prefsWin() : Window(kRegisteredName) {}

prefsWin* prefsWin::Get() { return ImplicitInstance<prefsWin>(); }

void prefsWin::Layout() { ApplyWindowStream(*this, prefsWinWindowStream()); }

void prefsWin::CreateControls() {
    CreateControls0();
    LabelControls(*this, kLabels);
}

void prefsWin::CreateControls0() { BuildControls<prefsWin>(*this, prefsWinControls(), kHandlers); }

std::span<const HandlerRow<prefsWin>> prefsWin::Handlers() { return kHandlers; }

void prefsWin::Event_Open() {
    const App& app = TheApp();
    // A stored choice outside the popup's items leaves none chosen.
    NotNil(PopupMenu1(), "PopupMenu1")->ListIndex(app.decimali);
    NotNil(EditField1(), "EditField1")->Text(app.descrizione);
    NotNil(EditField2(), "EditField2")->Text(app.valore);
    NotNil(EditField3(), "EditField3")->Text(app.totale);
}

void prefsWin::PushButton1_Action(PushButton&) { Close(); }

// Nothing is validated or saved here: the record is written at quit, and
// the rest of the program reads it afresh each time it needs a value.
void prefsWin::PushButton2_Action(PushButton&) {
    App& app = TheApp();
    app.decimali = NotNil(PopupMenu1(), "PopupMenu1")->ListIndex();
    // Without a choice (-1) the mask stays as it was.
    app.decimalFormat = MaskForDecimali(app.decimali, app.decimalFormat);
    app.descrizione = NotNil(EditField1(), "EditField1")->Text();
    app.valore = NotNil(EditField2(), "EditField2")->Text();
    app.totale = NotNil(EditField3(), "EditField3")->Text();
    NotNil(Get())->Close();
}

GroupBox* prefsWin::GroupBox1() const { return Find<GroupBox>(*this, "GroupBox1"); }
PopupMenu* prefsWin::PopupMenu1() const { return Find<PopupMenu>(*this, "PopupMenu1"); }
Label* prefsWin::StaticText1() const { return Find<Label>(*this, "StaticText1"); }
GroupBox* prefsWin::GroupBox2() const { return Find<GroupBox>(*this, "GroupBox2"); }
Label* prefsWin::StaticText4() const { return Find<Label>(*this, "StaticText4"); }
Label* prefsWin::StaticText5() const { return Find<Label>(*this, "StaticText5"); }
TextField* prefsWin::EditField1() const { return Find<TextField>(*this, "EditField1"); }
TextField* prefsWin::EditField2() const { return Find<TextField>(*this, "EditField2"); }
Label* prefsWin::StaticText6() const { return Find<Label>(*this, "StaticText6"); }
TextField* prefsWin::EditField3() const { return Find<TextField>(*this, "EditField3"); }
PushButton* prefsWin::PushButton1() const { return Find<PushButton>(*this, "PushButton1"); }
PushButton* prefsWin::PushButton2() const { return Find<PushButton>(*this, "PushButton2"); }
