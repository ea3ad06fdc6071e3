#pragma once

// Framework-internal: the widget of a Listbox, a table with whole-row
// selection over a ListboxModel, whose cell editors open only from code.

#include "ListboxModel.h"

#include <QAccessible>
#include <QTableView>

#include <functional>
#include <string>
#include <vector>

class ListboxDelegate;

class ListboxView : public QTableView {
public:
    ListboxView();
    ~ListboxView() override;
    ListboxView(const ListboxView&) = delete;
    ListboxView& operator=(const ListboxView&) = delete;

    ListboxModel& Model() const { return *model_; }

    // Sets the font of the rows; italic cells show its italic version.
    void ListFont(const QFont& font);
    // Rows are a line of the font high plus padding, or as high as
    // defaultRowHeight when that is positive.
    void ApplyRowHeight();
    // Columns without a width share what is left of the visible width.
    void ColumnWidths(const std::string& value);
    void ApplyColumnWidths();
    void ApplyScrollBars();
    void ApplyGridLines();

    void SelectRow(int row);
    int FirstVisibleRow();
    void ScrollToRow(int row);

    void EditCell(int row, int column);
    // Closes an open cell editor; its text is kept when commit is true.
    void CloseCellEditor(bool commit);

    int defaultRowHeight = -1;
    bool hasHorizontalScrollBar = false;
    bool hasVerticalScrollBar = true;
    // A scroll bar shows only while there is something to scroll.
    bool autoHideScrollBars = true;
    int gridLinesHorizontal = 0;
    int gridLinesVertical = 0;
    bool requiresSelection = false;
    // Raised by a mouse press on a cell with the row, the column and the
    // press position relative to the cell's top left corner; answering
    // true keeps the list from handling the press itself.
    std::function<bool(int row, int column, int x, int y)> cellClick;

    void doItemsLayout() override;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString& search) override;

private:
    struct ColumnWidth {
        // Negative: not given.
        double amount = -1;
        bool percent = false;
    };

    QWidget* OpenEditor() const;
    // Whether the focus widget is the table or its cell editor.
    bool HoldsFocus(const QWidget* focus) const;
    void FocusMoved(QWidget* now);
    // Hands the table's accessible interface a change of the rows or columns.
    void TellAccessibility(QAccessibleTableModelChangeEvent::ModelChangeType change, int first = -1,
                           int last = -1);

    ListboxModel* model_;
    ListboxDelegate* delegate_;
    std::vector<ColumnWidth> columnWidths_;
    QPersistentModelIndex editedIndex_;
    // What the next layout has to repaint: the rows from firstDirtyRow_ down
    // when rows were only inserted and cells changed since the last one
    // (-1: none were), everything when wholeLayout_ is set.
    int firstDirtyRow_ = -1;
    bool wholeLayout_ = false;
    QMetaObject::Connection focusWatch_;
};
