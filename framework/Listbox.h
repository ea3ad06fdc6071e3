#pragma once

#include "RectControl.h"

#include <functional>
#include <string>
#include <vector>

// A list of rows of text cells. Rows are addressed from 0; a row or column
// out of range raises std::out_of_range.
class Listbox : public RectControl {
public:
    Listbox();

    int ColumnCount() const;
    void ColumnCount(int value);
    // Column widths as a comma-separated list of pixels or percentages of
    // the list's width ("50%,35%,15%").
    void ColumnWidths(const std::string& value);

    // Appends a row whose first cells take the given texts.
    void AddRow(const std::vector<std::string>& texts);
    void DeleteAllRows();
    int ListCount() const;
    // The index of the row added last, -1 when none was.
    int LastIndex() const;

    // A copy of the cell's text: it stays valid while rows are added or
    // removed.
    std::string Cell(int row, int column) const;
    void Cell(int row, int column, const std::string& text);
    // The alignment codes of cells, and of a text field's text.
    static constexpr int AlignDefault = 0;
    static constexpr int AlignLeft = 1;
    static constexpr int AlignCenter = 2;
    static constexpr int AlignRight = 3;
    int CellAlignment(int row, int column) const;
    void CellAlignment(int row, int column, int alignment);
    bool CellItalic(int row, int column) const;
    void CellItalic(int row, int column, bool italic);

    // The selected row, -1 when none; setting -1 clears the selection.
    int ListIndex() const;
    void ListIndex(int row);
    // The first visible row; a value past the end shows the last rows.
    int ScrollPosition() const;
    void ScrollPosition(int row);

    // Opens the cell for typing in place; the text typed becomes the cell's.
    void EditCell(int row, int column);

    void CellClick(std::function<bool(Listbox&, int row, int column, int x, int y)> handler);
    void KeyDown(std::function<bool(Listbox&, const std::string& key)> handler);

protected:
    void ApplyFont() override;
};
