// The paper tape: operand rows, "=" and the evaluation of the whole tape.

#include "App.h"
#include "NumberText.h"
#include "Window1.h"

namespace {

constexpr int kValueColumn = 1;
constexpr int kOperatorColumn = 2;
constexpr int kAlignRight = 3;

// Appends a row holding the display's number, formatted by the current
// mask, with the operator; the display is emptied for the next number.
void AppendOperand(Listbox& tape, TextField& display, const std::string& op) {
    tape.AddRow({""});
    const int row = tape.LastIndex();
    tape.Cell(row, kValueColumn, Format(Val(display.Text()), TheApp().decimalFormat));
    tape.Cell(row, kOperatorColumn, op);
    tape.CellAlignment(row, kValueColumn, kAlignRight);
    display.Text("");
}

// Walks the tape from its first row, strictly left to right: each row's
// value is combined with the total by the operator of the row before it.
// A row after an "=" row (a total) or after a total row (no operator) does
// not enter the total.
double WalkTape(const Listbox& tape) {
    const int last = tape.ListCount() - 1;
    double total = Val(tape.Cell(0, kValueColumn));
    for (int i = 1; i <= last; ++i) {
        const double value = Val(tape.Cell(i, kValueColumn));
        const std::string& op = tape.Cell(i - 1, kOperatorColumn);
        if (op == "+") {
            total = total + value;
        } else if (op == "-") {
            total = total - value;
        } else if (op == "*") {
            total = total * value;
        } else if (op == "/") {
            total = total / value;
        }
    }
    return total;
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
    tape.Cell(row, kValueColumn, shown);
    Display().Text(shown);
    tape.CellItalic(row, kValueColumn, true);
    tape.CellAlignment(row, kValueColumn, kAlignRight);

    tape.ScrollPosition(CInt32((tape.TextSize() + 4.0) * tape.ListCount()));
    tape.ListIndex(tape.ListCount() - 1);
}

void Window1::BevelButton16_Action(BevelButton&) { OperatorStep("/"); }
void Window1::BevelButton17_Action(BevelButton&) { OperatorStep("-"); }
void Window1::BevelButton18_Action(BevelButton&) { OperatorStep("+"); }
void Window1::BevelButton19_Action(BevelButton&) { OperatorStep("*"); }
void Window1::BevelButton20_Action(BevelButton&) { calculate(); }
