#include "Listbox.h"

#include "ControlImpl.h"
#include "ControlKeys.h"
#include "Fonts.h"
#include "ListboxView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QString>

#include <algorithm>

namespace {

ListboxView& View(const Listbox& control) { return *control.Impl().As<ListboxView>(); }
ListboxModel& Rows(const Listbox& control) { return View(control).Model(); }

// Rows are separated by carriage returns, the cells of a row by tabs.
void SetInitialRows(Listbox& list, const std::string& value) {
    list.DeleteAllRows();
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

using namespace controlkey;

// clang-format off
constexpr StreamKey kKeys[] = {
    Name, Index, Left, Top, Width, Height, LockLeft, LockTop, LockRight, LockBottom, TabPanelIndex,
    TabIndex, TabStop, Visible, HelpTag, AutoDeactivate, Enabled,
    Key("Border", [](Listbox& c, bool v) {
        View(c).setFrameShape(v ? QFrame::StyledPanel : QFrame::NoFrame);
    }),
    Key("ColumnCount", [](Listbox& c, std::int32_t v) { c.ColumnCount(v); }),
    Key("ColumnWidths", [](Listbox& c, const std::string& v) { c.ColumnWidths(v); }),
    Key("HasHeading", [](Listbox& c, bool v) { View(c).horizontalHeader()->setVisible(v); }),
    UseFocusRing,
    Key("InitialValue", [](Listbox& c, const std::string& v) { SetInitialRows(c, v); }),
    // Lists here are flat and unsorted, rows are not dragged, and the scroll
    // settings are the view's own; the values have no effect.
    Ignored<std::int32_t>("HeadingIndex"),
    Setting<&ListboxView::hasHorizontalScrollBar, &ListboxView::ApplyScrollBars>(
        "ScrollbarHorizontal"),
    Setting<&ListboxView::hasVerticalScrollBar, &ListboxView::ApplyScrollBars>(
        "ScrollBarVertical"),
    Setting<&ListboxView::gridLinesHorizontal, &ListboxView::ApplyGridLines>(
        "GridLinesHorizontal"),
    Setting<&ListboxView::gridLinesVertical, &ListboxView::ApplyGridLines>(
        "GridLinesVertical"),
    Setting<&ListboxView::defaultRowHeight, &ListboxView::ApplyRowHeight>(
        "DefaultRowHeight"),
    Ignored<std::int32_t>("_ScrollWidth"), Ignored<std::int32_t>("_ScrollOffset"),
    TextFont, Bold, Italic, Underline,
    Ignored<bool>("Hierarchical"), Ignored<bool>("EnableDrag"), Ignored<bool>("EnableDragReorder"),
    Key("RequiresSelection", [](Listbox& c, bool v) { View(c).requiresSelection = v; }),
    Key("SelectionType", [](Listbox& c, std::int32_t v) {
        View(c).setSelectionMode(v == 0 ? QAbstractItemView::SingleSelection
                                        : QAbstractItemView::ExtendedSelection);
    }),
    Key("ColumnsResizable", [](Listbox& c, bool v) {
        View(c).horizontalHeader()->setSectionResizeMode(v ? QHeaderView::Interactive
                                                           : QHeaderView::Fixed);
    }),
    Setting<&ListboxView::autoHideScrollBars, &ListboxView::ApplyScrollBars>(
        "AutoHideScrollbars"),
    DataSource, DataField, InitialParent,
};
// clang-format on

} // namespace

const std::span<const StreamKey> kListboxKeys = kKeys;

Listbox::Listbox() : RectControl(std::make_unique<ControlImpl>(new ListboxView), kKeys) {
    ApplyFont();
}

int Listbox::ColumnCount() const { return Rows(*this).columnCount(); }
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

int Listbox::ListCount() const { return Rows(*this).rowCount(); }
// Rows are only ever appended, so the row added last is the last row.
int Listbox::LastIndex() const { return ListCount() - 1; }

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

int Listbox::ListIndex() const {
    int first = -1;
    for (const QItemSelectionRange& range : View(*this).selectionModel()->selection()) {
        first = first < 0 ? range.top() : std::min(first, range.top());
    }
    return first;
}
void Listbox::ListIndex(int row) { View(*this).SelectRow(row); }

int Listbox::ScrollPosition() const { return View(*this).FirstVisibleRow(); }
void Listbox::ScrollPosition(int row) { View(*this).ScrollToRow(row); }

void Listbox::EditCell(int row, int column) { View(*this).EditCell(row, column); }

void Listbox::CellClick(std::function<bool(Listbox&, int row, int column, int x, int y)> handler) {
    View(*this).cellClick = std::bind_front(std::move(handler), std::ref(*this));
}

void Listbox::KeyDown(std::function<bool(Listbox&, const std::string& key)> handler) {
    Impl().keyDown = std::bind_front(std::move(handler), std::ref(*this));
}

void Listbox::ApplyFont() {
    const ControlImpl& impl = Impl();
    View(*this).ListFont(
        MakeFont(impl.textFont, impl.textSize, impl.bold, impl.italic, impl.underline));
}
