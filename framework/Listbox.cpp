#include "Listbox.h"

#include "ControlImpl.h"
#include "Fonts.h"
#include "ListboxView.h"

#include <QHeaderView>
#include <QString>

namespace {

ListboxView& View(const Listbox& control) { return *control.Impl().As<ListboxView>(); }
ListboxModel& Rows(const Listbox& control) { return View(control).Model(); }

} // namespace

Listbox::Listbox() : RectControl(std::make_unique<ControlImpl>(new ListboxView)) { ApplyFont(); }

int Listbox::ColumnCount() const { return Rows(*this).ColumnCount(); }
void Listbox::ColumnCount(int value) {
    Rows(*this).SetColumnCount(value);
    View(*this).ApplyColumnWidths();
}

void Listbox::ColumnWidths(const std::string& value) { View(*this).ColumnWidths(value); }

void Listbox::AddRow(const std::vector<std::string>& texts) { Rows(*this).AppendRow(texts); }

void Listbox::DeleteAllRows() {
    View(*this).CloseCellEditor(false);
    Rows(*this).RemoveAllRows();
}

int Listbox::ListCount() const { return Rows(*this).RowCount(); }
int Listbox::LastIndex() const { return Rows(*this).LastIndex(); }

std::string Listbox::Cell(int row, int column) const { return Rows(*this).At(row, column).text; }
void Listbox::Cell(int row, int column, const std::string& text) {
    Rows(*this).SetText(row, column, text);
}

int Listbox::CellAlignment(int row, int column) const {
    return Rows(*this).At(row, column).alignment;
}
void Listbox::CellAlignment(int row, int column, int alignment) {
    Rows(*this).SetAlignment(row, column, alignment);
}

bool Listbox::CellItalic(int row, int column) const { return Rows(*this).At(row, column).italic; }
void Listbox::CellItalic(int row, int column, bool italic) {
    Rows(*this).SetItalic(row, column, italic);
}

int Listbox::ListIndex() const { return View(*this).SelectedRow(); }
void Listbox::ListIndex(int row) { View(*this).SelectRow(row); }

int Listbox::ScrollPosition() const { return View(*this).FirstVisibleRow(); }
void Listbox::ScrollPosition(int row) { View(*this).ScrollToRow(row); }

void Listbox::EditCell(int row, int column) { View(*this).EditCell(row, column); }

void Listbox::CellClick(std::function<bool(Listbox&, int row, int column, int x, int y)> handler) {
    View(*this).cellClick = [this, handler = std::move(handler)](int row, int column, int x,
                                                                 int y) {
        return handler(*this, row, column, x, y);
    };
}

void Listbox::KeyDown(std::function<bool(Listbox&, const std::string& key)> handler) {
    Impl().keyDown = [this, handler = std::move(handler)](const std::string& key) {
        return handler(*this, key);
    };
}

namespace {

// Rows are separated by carriage returns, the cells of a row by tabs.
void AddInitialRows(Listbox& list, const std::string& value) {
    if (value.empty()) {
        return;
    }
    const QStringList rows = QString::fromStdString(value).split(QLatin1Char('\r'));
    for (const QString& row : rows) {
        std::vector<std::string> cells;
        for (const QString& cell : row.split(QLatin1Char('\t'))) {
            cells.push_back(cell.toStdString());
        }
        list.AddRow(cells);
    }
}

} // namespace

bool Listbox::SetOwnProperty(const Property& property) {
    const std::string& key = property.key;
    ListboxView& view = View(*this);
    if (key == "Border") {
        view.setFrameShape(BooleanValue(property) ? QFrame::StyledPanel : QFrame::NoFrame);
    } else if (key == "ColumnCount") {
        ColumnCount(IntegerValue(property));
    } else if (key == "ColumnWidths") {
        ColumnWidths(StringValue(property));
    } else if (key == "HasHeading") {
        view.horizontalHeader()->setVisible(BooleanValue(property));
    } else if (key == "UseFocusRing") {
        view.setAttribute(Qt::WA_MacShowFocusRect, BooleanValue(property));
    } else if (key == "InitialValue") {
        DeleteAllRows();
        AddInitialRows(*this, StringValue(property));
    } else if (key == "ScrollbarHorizontal") {
        view.hasHorizontalScrollBar = BooleanValue(property);
        view.ApplyScrollBars();
    } else if (key == "ScrollBarVertical") {
        view.hasVerticalScrollBar = BooleanValue(property);
        view.ApplyScrollBars();
    } else if (key == "AutoHideScrollbars") {
        view.autoHideScrollBars = BooleanValue(property);
        view.ApplyScrollBars();
    } else if (key == "GridLinesHorizontal") {
        view.gridLinesHorizontal = IntegerValue(property);
        view.ApplyGridLines();
    } else if (key == "GridLinesVertical") {
        view.gridLinesVertical = IntegerValue(property);
        view.ApplyGridLines();
    } else if (key == "DefaultRowHeight") {
        view.defaultRowHeight = IntegerValue(property);
        view.ApplyRowHeight();
    } else if (key == "SelectionType") {
        view.setSelectionMode(IntegerValue(property) == 0 ? QAbstractItemView::SingleSelection
                                                          : QAbstractItemView::ExtendedSelection);
    } else if (key == "RequiresSelection") {
        view.requiresSelection = BooleanValue(property);
    } else if (key == "ColumnsResizable") {
        view.horizontalHeader()->setSectionResizeMode(
            BooleanValue(property) ? QHeaderView::Interactive : QHeaderView::Fixed);
    } else if (key == "HeadingIndex" || key == "_ScrollWidth" || key == "_ScrollOffset" ||
               key == "Hierarchical" || key == "EnableDrag" || key == "EnableDragReorder") {
        // Lists here are flat and unsorted, rows are not dragged, and the
        // scroll settings are the view's own; the values have no effect.
    } else {
        return false;
    }
    return true;
}

void Listbox::ApplyFont() {
    const ControlImpl& impl = Impl();
    View(*this).ListFont(
        MakeFont(impl.textFont, impl.textSize, impl.bold, impl.italic, impl.underline));
}
