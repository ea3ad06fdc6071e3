#include "ListboxView.h"

#include "Alignment.h"
#include "Dispatch.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// Room around the text of a row whose height follows the font, shared
// above and below.
constexpr int kRowPadding = 4;
// Room between a cell's edges and its text.
constexpr int kCellPadding = 3;

// A vertical scroll bar that repaints on a change of its range, steps or
// value only when that changes what it shows: a tape grows by a row at
// almost every key, which mostly leaves the handle of a long tape where it
// was, and the table sets the same steps again at every layout.
class ListScrollBar : public QScrollBar {
public:
    ListScrollBar() : QScrollBar(Qt::Vertical) {}

protected:
    void sliderChange(SliderChange change) override {
        const Look now = CurrentLook();
        if (change != SliderOrientationChange && now == shown_) {
            return;
        }
        shown_ = now;
        QScrollBar::sliderChange(change);
    }

    void paintEvent(QPaintEvent* event) override {
        shown_ = CurrentLook();
        QScrollBar::paintEvent(event);
    }

private:
    struct Look {
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Look&) const = default;
    };

    Look CurrentLook() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                        this),
                value() == minimum(), value() == maximum()};
    }

    Look shown_;
};

} // namespace

// Paints a cell as its text on the row's background, and opens a one-line
// editor over a cell. Return, Enter, Tab and losing the focus keep the
// typed text; Escape drops it.
class ListboxDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The editor opened last; null once it is gone.
    QWidget* Editor() const { return editor_; }

    // Grid lines along the bottom and the right edge of every cell.
    bool horizontalLines = false;
    bool verticalLines = false;

    // A tape repaints its visible cells after every key, so a cell is painted
    // directly rather than through the style's item layout: the text in the
    // cell's face, alignment and colours, clipped where it does not fit, and
    // the cell's grid lines as one-pixel fills, which cost far less than the
    // table's own stroked grid.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto& model = static_cast<const ListboxModel&>(*index.model());
        const ListboxModel::CellData* cell = model.Find(index.row(), index.column());
        if (cell == nullptr) {
            return;
        }
        const QRect& cellRect = option.rect;
        const QRect area = Inside(cellRect);
        if (horizontalLines || verticalLines) {
            const QStyle* style =
                option.widget != nullptr ? option.widget->style() : QApplication::style();
            const QColor grid = QColor::fromRgba(static_cast<QRgb>(
                style->styleHint(QStyle::SH_Table_GridLineColor, &option, option.widget)));
            if (horizontalLines) {
                painter->fillRect(cellRect.left(), cellRect.bottom(), cellRect.width(), 1, grid);
            }
            if (verticalLines) {
                painter->fillRect(cellRect.right(), cellRect.top(), 1, area.height(), grid);
            }
        }
        QPalette::ColorGroup group = QPalette::Disabled;
        if (option.state & QStyle::State_Enabled) {
            group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        }
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) {
            painter->fillRect(area, option.palette.brush(group, QPalette::Highlight));
        }
        if (cell->text.empty()) {
            return;
        }
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(cell->italic ? model.ItalicFont() : option.font);
        const QRect textArea = area.adjusted(kCellPadding, 0, -kCellPadding, 0);
        // A right-aligned cell holds a number, whose digits all count: one too
        // wide for its cell shows its end after a "…", so that the cut shows.
        // Other cells are clipped at their edge.
        QString text = QString::fromStdString(cell->text);
        if (cell->alignment == Listbox::AlignRight) {
            text = painter->fontMetrics().elidedText(text, Qt::ElideLeft, textArea.width());
        }
        painter->drawText(
            textArea, static_cast<int>(AlignmentFlags(cell->alignment)) | Qt::TextSingleLine, text);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        // The editor inherits the list's font from its parent, the viewport.
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
        editor_ = editor;
        return editor;
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override {
        QStyleOptionViewItem inside = option;
        inside.rect = Inside(option.rect);
        QStyledItemDelegate::updateEditorGeometry(editor, inside, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        const int key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
            key == Qt::Key_Backtab) {
            // Ends the editing at once, and never moves on to edit the next
            // cell as the standard delegate does for Tab.
            auto* editor = static_cast<QWidget*>(object);
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    // The cell without its grid lines.
    QRect Inside(QRect cell) const {
        if (horizontalLines) {
            cell.setBottom(cell.bottom() - 1);
        }
        if (verticalLines) {
            cell.setRight(cell.right() - 1);
        }
        return cell;
    }

    mutable QPointer<QWidget> editor_;
};

ListboxView::ListboxView() : model_(new ListboxModel(this)), delegate_(new ListboxDelegate(this)) {
    setVerticalScrollBar(new ListScrollBar);
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
    // Inserting rows shifts only the rows from the first inserted one down.
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first) {
        firstDirtyRow_ = firstDirtyRow_ < 0 ? first : std::min(firstDirtyRow_, first);
    });
    // While a layout is pending the table leaves changed cells to it; they are
    // added to what it repaints.
    connect(model_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (firstDirtyRow_ >= 0) {
            firstDirtyRow_ = std::min(firstDirtyRow_, topLeft.row());
        }
    });
    // Besides appending rows and changing cells, the model only resets and
    // changes its number of columns.
    const auto relayout = [this] { wholeLayout_ = true; };
    connect(model_, &QAbstractItemModel::modelReset, this, relayout);
    connect(model_, &QAbstractItemModel::columnsInserted, this, relayout);
    connect(model_, &QAbstractItemModel::columnsRemoved, this, relayout);
    // Accessibility tools keep an interface for each cell they were asked
    // about. Qt's views tell them of a reset or of changed columns only while
    // a screen reader is active, so a cell kept from before stood for a row
    // that was gone; the table's interface hears of every such change.
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { TellAccessibility(QAccessibleTableModelChangeEvent::ModelReset); });
    connect(model_, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                TellAccessibility(QAccessibleTableModelChangeEvent::ColumnsInserted, first, last);
            });
    connect(model_, &QAbstractItemModel::columnsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                TellAccessibility(QAccessibleTableModelChangeEvent::ColumnsRemoved, first, last);
            });
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

// A widget gives up the focus while it is destroyed, after the table has
// ceased to be one.
ListboxView::~ListboxView() { disconnect(focusWatch_); }

// The table lays itself out after every inserted row and then repaints all
// it shows. Adding a row to a tape changes nothing above the new row: the
// layout then updates the scroll range and repaints the rows from the first
// new one down, if they are in view. A list scrolled to its very end shows
// its last row at the bottom edge; once it is no longer the last, the rows
// move back to start at the top edge, and what is shown scrolls with them.
void ListboxView::doItemsLayout() {
    const int first = firstDirtyRow_;
    const bool whole = wholeLayout_ || first < 0;
    firstDirtyRow_ = -1;
    wholeLayout_ = false;
    if (whole) {
        QTableView::doItemsLayout();
        return;
    }
    const QPoint offset(horizontalHeader()->offset(), verticalHeader()->offset());
    updateGeometries();
    const QPoint moved = offset - QPoint(horizontalHeader()->offset(), verticalHeader()->offset());
    if (!moved.isNull()) {
        // The layout has already put open editors where their cells now are.
        viewport()->scroll(moved.x(), moved.y(), viewport()->rect());
    }
    const int top = std::max(0, rowViewportPosition(first));
    const int height = viewport()->height();
    if (top < height) {
        viewport()->update(0, top, viewport()->width(), height - top);
    }
}

bool ListboxView::event(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FontChange || type == QEvent::StyleChange ||
        type == QEvent::LayoutDirectionChange) {
        wholeLayout_ = true;
    }
    return QTableView::event(event);
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
            item.chop(width.percent ? 1 : 0);
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
    const double visible = viewport()->width();
    // Each column's pixels; negative where the column was given no width.
    std::vector<double> widths(static_cast<std::size_t>(model_->columnCount()), -1);
    double given = 0;
    for (std::size_t column = 0; column < std::min(widths.size(), columnWidths_.size()); ++column) {
        const ColumnWidth& width = columnWidths_[column];
        widths[column] = width.percent ? visible * width.amount / 100 : width.amount;
        given += std::max(0.0, widths[column]);
    }
    const auto open = std::ranges::count_if(widths, [](double width) { return width < 0; });
    const double share = open > 0 ? std::max(0.0, visible - given) / static_cast<double>(open) : 0;
    // Rounding the edges rather than each width keeps percentages that add
    // up to 100 exactly as wide as the list.
    double edge = 0;
    int left = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        edge += widths[column] < 0 ? share : widths[column];
        const int right = static_cast<int>(std::lround(edge));
        setColumnWidth(static_cast<int>(column), right - left);
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
    // Styles 0 and 1 draw no lines. The cells draw them, not the table.
    setShowGrid(false);
    delegate_->horizontalLines = gridLinesHorizontal > 1;
    delegate_->verticalLines = gridLinesVertical > 1;
    viewport()->update();
}

void ListboxView::SelectRow(int row) {
    if (row == -1) {
        selectionModel()->clearSelection();
        return;
    }
    model_->CheckCell(row, 0);
    // Selecting scrolls the row into view, which needs the current range.
    updateGeometries();
    const QModelIndex index = model_->index(row, 0);
    constexpr auto kSelectRow = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    if (HoldsFocus(QApplication::focusWidget())) {
        selectionModel()->setCurrentIndex(index, kSelectRow);
    } else {
        selectionModel()->select(index, kSelectRow);
        scrollTo(index);
    }
}

void ListboxView::TellAccessibility(QAccessibleTableModelChangeEvent::ModelChangeType change,
                                    int first, int last) {
    QAccessibleTableModelChangeEvent event(this, change);
    event.setFirstColumn(first);
    event.setLastColumn(last);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    if (table != nullptr && table->tableInterface() != nullptr) {
        table->tableInterface()->modelChange(&event);
    }
}

bool ListboxView::HoldsFocus(const QWidget* focus) const {
    return focus != nullptr && (focus == this || isAncestorOf(focus));
}

// Accessibility tools hear the table's current cell as the one with the
// keyboard focus, and the table tells them of every new current cell: so a
// cell is current only while the table or its cell editor has the focus.
// Elsewhere the selected row is only selected, and becomes current again
// when the table takes the focus.
void ListboxView::FocusMoved(QWidget* now) {
    if (!HoldsFocus(now) && currentIndex().isValid()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListboxView::focusInEvent(QFocusEvent* event) {
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (!currentIndex().isValid() && !selected.isEmpty()) {
        // Without scrolling: the user may have scrolled away from it.
        const bool scrolls = hasAutoScroll();
        setAutoScroll(false);
        selectionModel()->setCurrentIndex(selected.front(), QItemSelectionModel::NoUpdate);
        setAutoScroll(scrolls);
    }
    QTableView::focusInEvent(event);
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
