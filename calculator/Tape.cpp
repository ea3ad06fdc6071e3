// The paper tape: operand rows, "=" and the evaluation of the whole tape.

#include "App.h"
#include "NumberText.h"
#include "TapeWalk.h"
#include "Window1.h"

namespace {

// Appends a row holding the display's number, formatted by the current
// mask, with the operator; the display is emptied for the next number.
void AppendOperand(Listbox& tape, TextField& display, const std::string& op) {
    tape.AddRow({""});
    const int row = tape.LastIndex();
    tape.Cell(row, Window1::kValueColumn, Format(Val(display.Text()), TheApp().decimalFormat));
    tape.Cell(row, Window1::kOperatorColumn, op);
    tape.CellAlignment(row, Window1::kValueColumn, Listbox::AlignRight);
    display.Text("");
}

// Walks the tape's value and operator cells from the first row, read afresh
// at each "=": the tape is the only store of the calculation.
double WalkTape(const Listbox& tape) {
    TapeWalk walk;
    const int count = tape.ListCount();
    for (int row = 0; row < count; ++row) {
        walk.Row(tape.Cell(row, Window1::kValueColumn), tape.Cell(row, Window1::kOperatorColumn));
    }
    return walk.Total();
}

} // namespace

void Window1::OperatorStep(const std::string& op) { AppendOperand(Tape(), Display(), op); }

void Window1::calculate() {
    Listbox& tape = Tape();
    AppendOperand(tape, Display(), "=");
    const double total = WalkTape(tape);

    App& app = TheApp();
    tape.AddRow({app.totale});
    const int row = tape.LastIndex();
    const std::string shown = Format(total, app.decimalFormat);
    tape.Cell(row, Window1::kValueColumn, shown);
    Display().Text(shown);
    Display().Announce();
    tape.CellItalic(row, Window1::kValueColumn, true);
    tape.CellAlignment(row, Window1::kValueColumn, Listbox::AlignRight);

    tape.ScrollPosition(CInt32((tape.TextSize() + 4.0) * tape.ListCount()));
    tape.ListIndex(tape.ListCount() - 1);
}

void Window1::BevelButton16_Action(BevelButton&) { OperatorStep("/"); }
void Window1::BevelButton17_Action(BevelButton&) { OperatorStep("-"); }
void Window1::BevelButton18_Action(BevelButton&) { OperatorStep("+"); }
void Window1::BevelButton19_Action(BevelButton&) { OperatorStep("*"); }
void Window1::BevelButton20_Action(BevelButton&) { calculate(); }
