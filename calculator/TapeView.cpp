// The tape as the user works on it: descriptions, clearing, text size.

#include "KeyCodes.h"
#include "NilObjectException.h"
#include "NumberText.h"
#include "TextHelpers.h"
#include "Window1.h"

bool Window1::ListBox1_CellClick(Listbox& list, int row, int column, int, int) {
    if (column == kDescriptionColumn) {
        list.EditCell(row, kDescriptionColumn);
    }
    return false;
}

// Return opens the description of the row after the selected one (the
// first row when none is selected); with no such row it does nothing.
bool Window1::ListBox1_KeyDown(Listbox&, const std::string& key) {
    if (key == Chr(KeyCode::Return)) {
        Listbox& tape = Tape();
        const int row = tape.ListIndex() + 1;
        if (row < tape.ListCount()) {
            tape.EditCell(row, kDescriptionColumn);
        }
    }
    return false;
}

void Window1::BevelButton21_Action(BevelButton&) {
    Listbox& tape = Tape();
    tape.DeleteAllRows();
    tape.ScrollPosition(0);
}

// The tape takes the slider's size, and the read-out shows it until the
// pointer leaves the slider. The read-out stays where it was drawn whichever
// side the keypad is on, so it is laid above the panels: with the keypad on
// the right it would otherwise lie hidden beneath the keypad.
void Window1::Slider1_ValueChanged(Slider&) {
    Listbox& tape = Tape();
    Slider& slider = *NotNil(Slider1(), "Slider1");
    RoundRectangle& backdrop = *NotNil(tRect(), "tRect");
    Label& readout = *NotNil(tSIze(), "tSIze");
    tape.TextSize(slider.Value());
    backdrop.Visible(true);
    backdrop.Width(tape.Width());
    backdrop.BringToFront();
    readout.Visible(true);
    readout.BringToFront();
    readout.Text(Str(slider.Value()) + " pt.");
}

void Window1::Slider1_MouseExit(Slider&) {
    NotNil(tSIze(), "tSIze")->Visible(false);
    NotNil(tRect(), "tRect")->Visible(false);
}
