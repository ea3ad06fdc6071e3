#pragma once

#include "RectControl.h"

// A pop-up menu of text items; InitialValue lists them separated by carriage
// returns.
class PopupMenu : public RectControl {
public:
    PopupMenu();

    int ListCount() const;
    std::string List(int index) const;
    void AddRow(const std::string& text);
    void DeleteAllRows();
    // The chosen item's index from 0, or -1 when none is chosen.
    int ListIndex() const;
    void ListIndex(int index);

protected:
    void ApplyFont() override;
};
