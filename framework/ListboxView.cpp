#include "ListboxView.h"

#include "Dispatch.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// Room around the text of a row whose height follows the font, shared
// above and below.
constexpr int kRowPadding = 4;

} // namespace

ListboxDelegate::ListboxDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* ListboxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
    // The editor inherits the list's font from its parent, the viewport.
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    editor_ = editor;
    return editor;
}

bool ListboxDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            // Ends the editing at once, and never moves on to edit the next
            // cell as the standard delegate does for Tab.
            auto* editor = static_cast<QWidget*>(object);
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        }
        default:
            break;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

ListboxView::ListboxView() : model_(new ListboxModel(this)), delegate_(new ListboxDelegate(this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    // All rows have one height, so that a long tape costs nothing to lay
    // out; the row headers are never shown.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    ApplyScrollBars();
    ApplyGridLines();
}

void ListboxView::ListFont(const QFont& font) {
    setFont(font);
    QFont italic = font;
    italic.setItalic(true);
    model_->SetItalicFont(italic);
    ApplyRowHeight();
}

void ListboxView::ApplyRowHeight() {
    const int height =
        defaultRowHeight > 0 ? defaultRowHeight : QFontMetrics(font()).height() + kRowPadding;
    verticalHeader()->setDefaultSectionSize(height);
}

void ListboxView::ColumnWidths(const std::string& value) {
    std::vector<ColumnWidth> widths;
    for (const QString& part : QString::fromStdString(value).split(QLatin1Char(','))) {
        QString item = part.trimmed();
        ColumnWidth width;
        if (!item.isEmpty()) {
            width.percent = item.endsWith(QLatin1Char('%'));
            if (width.percent) {
                item.chop(1);
            }
            bool ok = false;
            width.amount = item.toDouble(&ok);
            if (!ok || width.amount < 0) {
                throw std::invalid_argument("Listbox: column width \"" + part.toStdString() +
                                            "\" is neither pixels nor a percentage");
            }
        }
        widths.push_back(width);
    }
    columnWidths_ = std::move(widths);
    ApplyColumnWidths();
}

void ListboxView::ApplyColumnWidths() {
    const int columns = model_->ColumnCount();
    const double visible = viewport()->width();
    std::vector<double> widths(static_cast<std::size_t>(columns), -1);
    double given = 0;
    int open = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        if (column < columnWidths_.size() && columnWidths_[column].amount >= 0) {
            const ColumnWidth& width = columnWidths_[column];
            widths[column] = width.percent ? visible * width.amount / 100 : width.amount;
            given += widths[column];
        } else {
            ++open;
        }
    }
    const double share = open > 0 ? std::max(0.0, visible - given) / open : 0;
    // Rounding the edges rather than each width keeps percentages that add
    // up to 100 exactly as wide as the list.
    double edge = 0;
    int left = 0;
    for (int column = 0; column < columns; ++column) {
        const double width = widths[static_cast<std::size_t>(column)];
        edge += width < 0 ? share : width;
        const int right = static_cast<int>(std::lround(edge));
        setColumnWidth(column, right - left);
        left = right;
    }
}

void ListboxView::ApplyScrollBars() {
    const auto policy = [this](bool shown) {
        if (!shown) {
            return Qt::ScrollBarAlwaysOff;
        }
        return autoHideScrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    };
    setHorizontalScrollBarPolicy(policy(hasHorizontalScrollBar));
    setVerticalScrollBarPolicy(policy(hasVerticalScrollBar));
}

void ListboxView::ApplyGridLines() {
    // Styles 0 and 1 draw no lines; the table draws its horizontal and
    // vertical lines together.
    setShowGrid(gridLinesHorizontal > 1 || gridLinesVertical > 1);
}

int ListboxView::SelectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        first = first < 0 ? range.top() : std::min(first, range.top());
    }
    return first;
}

void ListboxView::SelectRow(int row) {
    if (row == -1) {
        selectionModel()->clearSelection();
        return;
    }
    model_->CheckCell(row, 0);
    // Selecting scrolls the row into view, which needs the current range.
    updateGeometries();
    selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
}

// The view lays out rows added or resized only when it next paints;
// updating the scroll range first lets code scroll to rows it has just
// added.
int ListboxView::FirstVisibleRow() {
    updateGeometries();
    return verticalScrollBar()->value();
}

void ListboxView::ScrollToRow(int row) {
    updateGeometries();
    verticalScrollBar()->setValue(std::max(0, row));
}

QWidget* ListboxView::OpenEditor() const {
    return state() == EditingState ? delegate_->Editor() : nullptr;
}

void ListboxView::EditCell(int row, int column) {
    model_->CheckCell(row, column);
    CloseCellEditor(true);
    const QModelIndex index = model_->index(row, column);
    updateGeometries();
    scrollTo(index);
    editedIndex_ = index;
    edit(index, AllEditTriggers, nullptr);
}

void ListboxView::CloseCellEditor(bool commit) {
    QWidget* editor = OpenEditor();
    if (editor == nullptr) {
        return;
    }
    if (commit) {
        commitData(editor);
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ListboxView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    ApplyColumnWidths();
}

void ListboxView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QModelIndex pressed = indexAt(at);
    if (!pressed.isValid() && requiresSelection) {
        event->accept();
        return;
    }
    if (pressed.isValid() && event->button() == Qt::LeftButton && cellClick) {
        const QPoint inCell = at - visualRect(pressed).topLeft();
        auto handler = cellClick;
        if (Guarded(
                [&] { return handler(pressed.row(), pressed.column(), inCell.x(), inCell.y()); })) {
            event->accept();
            return;
        }
    }
    // The handler may have changed the rows or opened an editor on the
    // pressed cell; the table's own handling would leave the row of an
    // open editor unselected.
    const QModelIndex now = indexAt(at);
    if (now.isValid() && OpenEditor() != nullptr && now == editedIndex_) {
        selectionModel()->setCurrentIndex(now, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void ListboxView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Every click is a press on a cell, the second of a double click too.
    mousePressEvent(event);
}

void ListboxView::keyboardSearch(const QString&) {
    // Typed characters never move the selection: they belong to the
    // KeyDown handlers of the list and its window.
}
