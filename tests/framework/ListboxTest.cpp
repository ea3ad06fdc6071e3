#include "Listbox.h"
#include "PaintProbes.h"
#include "QtAccess.h"
#include "TestSupport.h"
#include "TextField.h"
#include "Window.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

class TestWindow : public Window {
public:
    TestWindow() : Window("TestWindow.TestWindow") {}

    void Layout() override { SetProperties(this, {{"Width", 600}, {"Height", 400}}); }
};

// The paper tape's layout stream, with a smaller height.
PropertyList TapeStream() {
    const std::string none;
    return {{"Name", std::string("ListBox1")},
            {"Index", std::int32_t(-2147483647 - 1)},
            {"Left", 10},
            {"Top", 10},
            {"Width", 483},
            {"Height", 300},
            {"LockLeft", true},
            {"LockTop", true},
            {"LockRight", true},
            {"LockBottom", true},
            {"TabPanelIndex", 0},
            {"TabIndex", 0},
            {"TabStop", true},
            {"Visible", true},
            {"HelpTag", none},
            {"AutoDeactivate", true},
            {"Enabled", true},
            {"Border", true},
            {"ColumnCount", 3},
            {"ColumnWidths", std::string("50%,35%,15%")},
            {"HasHeading", false},
            {"UseFocusRing", false},
            {"InitialValue", none},
            {"HeadingIndex", -1},
            {"ScrollbarHorizontal", false},
            {"ScrollBarVertical", true},
            {"GridLinesHorizontal", 2},
            {"GridLinesVertical", 2},
            {"DefaultRowHeight", -1},
            {"_ScrollWidth", -1},
            {"_ScrollOffset", 0},
            {"TextFont", std::string("Monaco")},
            {"Bold", false},
            {"Italic", false},
            {"Underline", false},
            {"Hierarchical", false},
            {"EnableDrag", false},
            {"EnableDragReorder", false},
            {"RequiresSelection", false},
            {"SelectionType", 0},
            {"ColumnsResizable", false},
            {"AutoHideScrollbars", true},
            {"DataSource", none},
            {"DataField", none},
            {"InitialParent", none}};
}

bool IsDark(QColor color) { return color.red() < 90 && color.green() < 90 && color.blue() < 90; }

class ListboxTest : public ::testing::Test {
public:
    void SetUp() override {
        ReportedExceptions().clear();
        window = NewWindow<TestWindow>();
        window->AddControl("ListBox1", std::make_unique<Listbox>());
        list = static_cast<Listbox*>(window->ControlByName("ListBox1"));
        list->TextSize(32);
        SetProperties(list, TapeStream());
        view = qobject_cast<QTableView*>(WidgetOf(*list));
        ASSERT_TRUE(QTest::qWaitForWindowActive(TopLevelOf(*window)));
    }
    void TearDown() override { window->Close(); }

    void AddRows(int count) {
        for (int row = 0; row < count; ++row) {
            list->AddRow({"row " + std::to_string(row), std::to_string(row), "+"});
        }
    }
    QModelIndex Index(int row, int column) const { return view->model()->index(row, column); }
    bool Shown(int row) const {
        return view->visualRect(Index(row, 0)).intersects(view->viewport()->rect());
    }
    // The cell editor that is open, or null.
    QLineEdit* Editor() const {
        for (auto* editor : view->viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible()) {
                return editor;
            }
        }
        return nullptr;
    }
    void Click(int row, int column) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(Index(row, column)).center());
    }
    QWidget* Top() const { return TopLevelOf(*window); }
    // Lets the list lay out the rows added, which it does at the next turn
    // of the event loop (a timer started now fires after the list's), then
    // delivers what that posted and paints at once whatever waits to be
    // painted in the window.
    void Settle() const {
        bool turned = false;
        QTimer turn;
        turn.setSingleShot(true);
        QObject::connect(&turn, &QTimer::timeout, [&] { turned = true; });
        turn.start(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return turned; }));
        QCoreApplication::sendPostedEvents();
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(Top(), &request);
    }
    // The rows as the window shows them, and as the list paints them afresh.
    QImage Shown() const {
        const QPoint at = view->mapTo(Top(), QPoint());
        return Top()
            ->screen()
            ->grabWindow(Top()->winId(), at.x(), at.y(), view->width(), view->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage Fresh() const { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage CellImage(int row, int column) const {
        return view->viewport()->grab(view->visualRect(Index(row, column))).toImage();
    }

    TestWindow* window = nullptr;
    Listbox* list = nullptr;
    QTableView* view = nullptr;
};

TEST_F(ListboxTest, AddRowFillsTheFirstCellsAndCountsTheRow) {
    EXPECT_EQ(list->LastIndex(), -1);
    list->AddRow({"Tot."});
    list->AddRow({"a", "b", "c", "beyond the last column"});
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->LastIndex(), 1);
    EXPECT_EQ(list->Cell(0, 0), "Tot.");
    EXPECT_EQ(list->Cell(0, 1), "");
    EXPECT_EQ(list->Cell(1, 2), "c");
    list->Cell(0, 1, "Größe 7,00");
    EXPECT_EQ(list->Cell(0, 1), "Größe 7,00");
    EXPECT_EQ(Index(0, 1).data().toString(), QString::fromUtf8("Größe 7,00"));
}

// A printout reads a cell while rows may still be added: what it holds must
// not point into the rows' storage (the sanitizer build sees a dangling one).
TEST_F(ListboxTest, ACellReadStaysWholeWhileRowsAreAdded) {
    list->AddRow({"first"});
    auto&& cell = list->Cell(0, 0);
    AddRows(1000);
    EXPECT_EQ(cell, "first");
}

TEST_F(ListboxTest, CellOutsideTheRowsOrColumnsRaises) {
    AddRows(2);
    const std::function<void(int, int)> uses[] = {
        [&](int r, int c) { list->Cell(r, c); },
        [&](int r, int c) { list->Cell(r, c, "x"); },
        [&](int r, int c) { list->CellAlignment(r, c, 3); },
        [&](int r, int c) { list->CellItalic(r, c); },
        [&](int r, int c) { list->EditCell(r, c); },
    };
    for (const auto& use : uses) {
        for (auto [row, column] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 3}}) {
            EXPECT_THROW(use(row, column), std::out_of_range) << row << ", " << column;
        }
    }
    EXPECT_THROW(list->ListIndex(2), std::out_of_range);
}

TEST_F(ListboxTest, CellAlignmentIsKeptAndShownVerticallyCentred) {
    const std::pair<int, Qt::Alignment> rows[] = {
        {0, Qt::AlignLeft}, {1, Qt::AlignLeft}, {2, Qt::AlignHCenter}, {3, Qt::AlignRight}};
    AddRows(1);
    for (auto [alignment, shown] : rows) {
        list->CellAlignment(0, 1, alignment);
        EXPECT_EQ(list->CellAlignment(0, 1), alignment);
        EXPECT_EQ(Index(0, 1).data(Qt::TextAlignmentRole).toInt(), int(shown | Qt::AlignVCenter));
    }
}

TEST_F(ListboxTest, ItalicCellShowsTheListFontInItalicsAtEveryTextSize) {
    AddRows(2);
    list->CellItalic(1, 1, true);
    EXPECT_TRUE(list->CellItalic(1, 1));
    EXPECT_FALSE(list->CellItalic(0, 1));
    EXPECT_FALSE(Index(0, 1).data(Qt::FontRole).isValid());
    list->TextSize(48);
    const QFont italic = Index(1, 1).data(Qt::FontRole).value<QFont>();
    EXPECT_TRUE(italic.italic());
    EXPECT_EQ(italic.pixelSize(), 48);
    EXPECT_EQ(italic.family(), view->font().family());
}

TEST_F(ListboxTest, BiggerTextMakesTallerRowsThatHoldALine) {
    AddRows(1);
    list->TextSize(12);
    const int small = view->rowHeight(0);
    list->TextSize(64);
    EXPECT_GT(view->rowHeight(0), small);
    EXPECT_GE(view->rowHeight(0), QFontMetrics(view->font()).height());
    EXPECT_EQ(view->font().pixelSize(), 64);
}

TEST_F(ListboxTest, ListIndexSelectsAWholeRowAndMinusOneClears) {
    AddRows(5);
    EXPECT_EQ(list->ListIndex(), -1);
    list->ListIndex(3);
    EXPECT_EQ(list->ListIndex(), 3);
    EXPECT_TRUE(view->selectionModel()->isRowSelected(3, {}));
    list->ListIndex(-1);
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListboxTest, ScrollPositionPastTheEndShowsRowsAddedInTheSameEvent) {
    AddRows(200);
    list->ScrollPosition(static_cast<int>((list->TextSize() + 4.0) * list->ListCount()));
    EXPECT_TRUE(Shown(199));
    EXPECT_GT(list->ScrollPosition(), 0);
    list->ScrollPosition(0);
    EXPECT_TRUE(Shown(0));
    EXPECT_EQ(list->ScrollPosition(), 0);
}

TEST_F(ListboxTest, ScrollPositionAfterATextSizeChangeStillReachesTheEnd) {
    AddRows(200);
    list->ScrollPosition(0);
    list->TextSize(64);
    list->ScrollPosition(1000000);
    EXPECT_TRUE(Shown(199));
}

TEST_F(ListboxTest, ColumnPercentagesShareTheVisibleWidthAfterEveryResize) {
    for (int width : {483, 300, 700}) {
        list->Width(width);
        const int visible = view->viewport()->width();
        const int half = static_cast<int>(std::lround(visible * 0.5));
        EXPECT_TRUE(QTest::qWaitFor([&] { return view->columnWidth(0) == half; })) << width;
        EXPECT_EQ(view->columnWidth(0) + view->columnWidth(1) + view->columnWidth(2), visible);
    }
}

TEST_F(ListboxTest, ColumnsWithoutAWidthShareWhatPixelColumnsLeave) {
    SetProperties(list, {{"ColumnWidths", std::string("100,,50")}});
    const int visible = view->viewport()->width();
    EXPECT_EQ(view->columnWidth(0), 100);
    EXPECT_EQ(view->columnWidth(1), visible - 150);
    EXPECT_EQ(view->columnWidth(2), 50);
    EXPECT_THROW(list->ColumnWidths("wide"), std::invalid_argument);
}

TEST_F(ListboxTest, EditCellTakesTheTextTypedUpToReturn) {
    AddRows(3);
    list->EditCell(1, 0);
    QLineEdit* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->font().pixelSize(), 32);
    TypeText(Top(), "Rent");
    TypeKey(Top(), Qt::Key_Return);
    EXPECT_EQ(list->Cell(1, 0), "Rent");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(view->hasFocus());
}

TEST_F(ListboxTest, EscapeDropsTheTypedText) {
    AddRows(1);
    list->EditCell(0, 0);
    TypeText(Top(), "Rent");
    TypeKey(Top(), Qt::Key_Escape);
    EXPECT_EQ(list->Cell(0, 0), "row 0");
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(ListboxTest, EditingAnotherCellOrLosingTheFocusKeepsTheTypedText) {
    window->AddControl("Field", std::make_unique<TextField>());
    SetProperties(window->ControlByName("Field"), {{"Top", 350}, {"Width", 100}, {"Height", 24}});
    AddRows(2);
    list->EditCell(0, 0);
    TypeText(Top(), "Rent");
    list->EditCell(1, 0);
    EXPECT_EQ(list->Cell(0, 0), "Rent");
    TypeText(Top(), "Food");
    WidgetOf(*window->ControlByName("Field"))->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->Cell(1, 0) == "Food"; }));
}

// A table reports its current cell as focused: the selected row's cell says
// so while the list has the focus, from code or a click, and none once the
// focus has moved on to another control.
TEST_F(ListboxTest, ASelectedCellReportsTheFocusOnlyWhileTheListHasIt) {
    window->AddControl("Field", std::make_unique<TextField>());
    QWidget* field = WidgetOf(*window->ControlByName("Field"));
    SetProperties(window->ControlByName("Field"), {{"Top", 350}, {"Width", 100}, {"Height", 24}});
    AddRows(3);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    const auto focusedCells = [&] {
        std::vector<int> rows;
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* child = table->child(i);
            if (child != nullptr && child->role() == QAccessible::Cell && child->state().focused) {
                rows.push_back(child->tableCellInterface()->rowIndex());
            }
        }
        return rows;
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"selected while the field has the focus",
         [&] {
             field->setFocus();
             list->ListIndex(2);
         }},
        {"the list takes the focus", [&] { view->setFocus(); }},
        {"another row clicked", [&] { Click(1, 1); }},
        {"the field takes the focus back", [&] { field->setFocus(); }},
    };
    const std::vector<int> expected[] = {{}, {2}, {1}, {}};
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        steps[step].second();
        EXPECT_EQ(focusedCells(), expected[step]) << steps[step].first;
    }
}

// The handler's answer decides whether the list selects the clicked row.
TEST_F(ListboxTest, CellClickReportsTheCellAndOnlyFalseLetsTheListSelect) {
    const std::pair<bool, int> rows[] = {{false, 2}, {true, -1}};
    AddRows(4);
    for (auto [answer, selected] : rows) {
        list->ListIndex(-1);
        int gotRow = -1, gotColumn = -1;
        QPoint gotAt;
        list->CellClick([&, answer = answer](Listbox&, int row, int column, int x, int y) {
            gotRow = row;
            gotColumn = column;
            gotAt = QPoint(x, y);
            return answer;
        });
        Click(2, 1);
        const QRect cell = view->visualRect(Index(2, 1));
        EXPECT_EQ(gotRow, 2);
        EXPECT_EQ(gotColumn, 1);
        EXPECT_EQ(gotAt, cell.center() - cell.topLeft());
        EXPECT_EQ(list->ListIndex(), selected) << "answer " << answer;
        EXPECT_EQ(Editor(), nullptr);
    }
}

TEST_F(ListboxTest, EditorOpenedByCellClickStaysOpenAfterTheClick) {
    AddRows(4);
    list->CellClick([](Listbox& clicked, int row, int column, int, int) {
        if (column == 0) {
            clicked.EditCell(row, 0);
        }
        return false;
    });
    Click(2, 0);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->hasFocus());
    EXPECT_EQ(list->ListIndex(), 2);
    TypeText(Top(), "Lunch");
    TypeKey(Top(), Qt::Key_Return);
    EXPECT_EQ(list->Cell(2, 0), "Lunch");
}

TEST_F(ListboxTest, ThrowingCellClickIsReportedOnceAndTheRowStillSelected) {
    AddRows(3);
    list->CellClick([](Listbox&, int, int, int, int) -> bool { throw std::runtime_error("boom"); });
    Click(1, 2);
    EXPECT_EQ(ReportedExceptions().size(), 1u);
    EXPECT_EQ(list->ListIndex(), 1);
}

TEST_F(ListboxTest, KeysTypedInTheListReachKeyDownAndNeverMoveTheSelection) {
    list->AddRow({"1"});
    list->AddRow({"3"});
    std::string keys;
    list->KeyDown([&](Listbox&, const std::string& key) {
        keys += key;
        return false;
    });
    list->ListIndex(0);
    view->setFocus();
    TypeText(Top(), "3");
    TypeKey(Top(), Qt::Key_Return);
    EXPECT_EQ(keys, "3\r");
    EXPECT_EQ(list->ListIndex(), 0);
}

TEST_F(ListboxTest, DeleteAllRowsEmptiesTheListAndDropsAnOpenEditor) {
    AddRows(50);
    list->EditCell(49, 0);
    list->DeleteAllRows();
    list->ScrollPosition(0);
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->LastIndex(), -1);
    EXPECT_EQ(list->ScrollPosition(), 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_THROW(list->Cell(0, 0), std::out_of_range);
    list->AddRow({"again"});
    EXPECT_EQ(list->LastIndex(), 0);
}

// What Qt warned of while a check ran.
std::vector<std::string> qtWarnings;

// A cell as accessibility tools reach it, through the table's children.
struct HeardCell {
    int row = 0;
    int column = 0;
    std::string text;
    bool operator==(const HeardCell&) const = default;
};

void PrintTo(const HeardCell& cell, std::ostream* out) {
    *out << "(" << cell.row << ", " << cell.column << ") \"" << cell.text << "\"";
}

std::vector<HeardCell> HeardCells(QTableView& view) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    std::vector<HeardCell> cells;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        if (child != nullptr && child->role() == QAccessible::Cell) {
            const QAccessibleTableCellInterface* cell = child->tableCellInterface();
            cells.push_back({cell->rowIndex(), cell->columnIndex(),
                             child->text(QAccessible::Name).toStdString()});
        }
    }
    return cells;
}

// Accessibility tools keep the cells they were asked about: after the rows
// or columns change, each cell they reach is one the list has, with its text.
TEST_F(ListboxTest, AccessibleCellsFollowTheRowsAndColumnsThroughEveryChange) {
    const std::pair<const char*, std::function<void(Listbox&)>> changes[] = {
        {"all rows deleted, fewer added",
         [](Listbox& l) {
             l.DeleteAllRows();
             l.AddRow({"again", "7", "="});
         }},
        {"rows from an initial value",
         [](Listbox& l) {
             SetProperties(&l, {{"InitialValue", std::string("x\t1\ry\t2")}});
         }},
        {"a column fewer", [](Listbox& l) { l.ColumnCount(2); }},
        {"a column more", [](Listbox& l) { l.ColumnCount(4); }},
    };
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg) {
                qtWarnings.push_back(text.toStdString());
            }
        });
    for (const auto& [name, change] : changes) {
        list->DeleteAllRows();
        AddRows(3);
        HeardCells(*view);
        change(*list);
        std::vector<HeardCell> expected;
        for (int row = 0; row < list->ListCount(); ++row) {
            for (int column = 0; column < list->ColumnCount(); ++column) {
                expected.push_back({row, column, list->Cell(row, column)});
            }
        }
        EXPECT_EQ(HeardCells(*view), expected) << name;
    }
    qInstallMessageHandler(before);
    EXPECT_EQ(qtWarnings, std::vector<std::string>());
}

TEST_F(ListboxTest, StreamGivesTheTapeItsLook) {
    EXPECT_EQ(list->ColumnCount(), 3);
    EXPECT_TRUE(view->horizontalHeader()->isHidden());
    EXPECT_EQ(view->frameShape(), QFrame::StyledPanel);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_THROW(SetProperties(list, {{"Heading", std::string("x")}}), std::invalid_argument);
}

TEST_F(ListboxTest, InitialValueGivesRowsSplitByReturnsAndTabs) {
    SetProperties(list, {{"InitialValue", std::string("a\tb\rc")}});
    ASSERT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->Cell(0, 1), "b");
    EXPECT_EQ(list->Cell(1, 0), "c");
    EXPECT_EQ(list->LastIndex(), 1);
}

// ---------------------------------------------------------------------------
// Painting

TEST_F(ListboxTest, CellTextIsDrawnWhereItsAlignmentPutsIt) {
    const struct {
        int alignment;
        const char* name;
    } rows[] = {{1, "left"}, {2, "centre"}, {3, "right"}};
    AddRows(1);
    list->Cell(0, 1, "123");
    for (const auto& row : rows) {
        list->CellAlignment(0, 1, row.alignment);
        const QImage cell = CellImage(0, 1);
        const QRect ink = InkBounds(cell, IsDark);
        ASSERT_TRUE(ink.isValid()) << row.name;
        const int left = ink.left();
        const int right = cell.width() - 1 - ink.right();
        if (row.alignment == 1) {
            EXPECT_LE(left, 8) << row.name;
        } else if (row.alignment == 2) {
            EXPECT_LE(std::abs(left - right), 3) << row.name;
        } else {
            EXPECT_LE(right, 8) << row.name;
        }
        EXPECT_GT(ink.top(), 0) << row.name;
        EXPECT_LT(ink.bottom(), cell.height() - 2) << row.name;
    }
}

// A capital I leans to the right in italics: its ink at the top lies
// further right than at the bottom.
TEST_F(ListboxTest, ItalicCellIsDrawnSlantedAndOthersUpright) {
    const auto lean = [](const QImage& image) {
        const QRect ink = InkBounds(image, IsDark);
        const auto middle = [&](int fromY, int toY) {
            double sum = 0;
            int count = 0;
            for (int y = fromY; y <= toY; ++y) {
                for (int x = ink.left(); x <= ink.right(); ++x) {
                    if (IsDark(image.pixelColor(x, y))) {
                        sum += x;
                        ++count;
                    }
                }
            }
            return sum / count;
        };
        const int quarter = ink.height() / 4;
        return middle(ink.top(), ink.top() + quarter) -
               middle(ink.bottom() - quarter, ink.bottom());
    };
    list->TextSize(64);
    list->AddRow({"", "I"});
    list->AddRow({"", "I"});
    list->CellItalic(1, 1, true);
    EXPECT_LT(std::abs(lean(CellImage(0, 1))), 1.0);
    EXPECT_GT(lean(CellImage(1, 1)), 3.0);
}

TEST_F(ListboxTest, SelectedRowShowsThePalettesHighlightColours) {
    QPalette palette = view->palette();
    palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
    palette.setColor(QPalette::HighlightedText, QColor(0, 255, 0));
    view->setPalette(palette);
    list->AddRow({"", "888"});
    list->AddRow({"", "888"});
    list->ListIndex(1);
    const auto count = [](const QImage& image, QColor color) {
        int found = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                found += image.pixelColor(x, y) == color ? 1 : 0;
            }
        }
        return found;
    };
    const QImage selected = CellImage(1, 1);
    EXPECT_EQ(selected.pixelColor(2, selected.height() / 2), QColor(255, 0, 0));
    EXPECT_GT(count(selected, QColor(0, 255, 0)), 20);
    EXPECT_FALSE(InkBounds(selected, IsDark).isValid());
    const QImage plain = CellImage(0, 1);
    EXPECT_EQ(count(plain, QColor(255, 0, 0)), 0);
    EXPECT_TRUE(InkBounds(plain, IsDark).isValid());
}

TEST_F(ListboxTest, GridLinesOfEachDirectionFollowTheirOwnStyle) {
    const struct {
        int horizontal;
        int vertical;
        bool rowLines;
        bool columnLines;
    } rows[] = {{2, 2, true, true}, {2, 0, true, false}, {0, 2, false, true}, {1, 1, false, false}};
    AddRows(2);
    const QColor base = view->palette().color(QPalette::Base);
    for (const auto& row : rows) {
        SetProperties(
            list, {{"GridLinesHorizontal", row.horizontal}, {"GridLinesVertical", row.vertical}});
        const QRect cell = view->visualRect(Index(0, 1));
        const QImage image = view->viewport()->grab().toImage();
        const bool rowLine = image.pixelColor(cell.center().x(), cell.bottom()) != base;
        const bool columnLine = image.pixelColor(cell.right(), cell.center().y()) != base;
        EXPECT_EQ(rowLine, row.rowLines) << row.horizontal << "/" << row.vertical;
        EXPECT_EQ(columnLine, row.columnLines) << row.horizontal << "/" << row.vertical;
    }
}

// A tape grows at its end: a row added below the rows in view leaves them
// as they are, and the scroll bar of a long list with them.
TEST_F(ListboxTest, AddingARowBelowTheRowsInViewRepaintsNone) {
    AddRows(1000);
    list->ScrollPosition(0);
    Settle();
    const int maximum = view->verticalScrollBar()->maximum();
    PaintRecorder rows(view->viewport());
    PaintRecorder scrollBar(view->verticalScrollBar());
    list->AddRow({"", "7", "+"});
    Settle();
    EXPECT_EQ(view->verticalScrollBar()->maximum(), maximum + 1);
    EXPECT_TRUE(rows.painted.isEmpty());
    EXPECT_TRUE(scrollBar.painted.isEmpty());
}

TEST_F(ListboxTest, AddingARowInViewRepaintsFromThatRowDown) {
    AddRows(2);
    Settle();
    PaintRecorder rows(view->viewport());
    list->AddRow({"", "7", "+"});
    Settle();
    const QRect added = view->visualRect(Index(2, 0)) | view->visualRect(Index(2, 2));
    EXPECT_TRUE(rows.painted.contains(added));
    EXPECT_FALSE(rows.painted.intersects(view->visualRect(Index(0, 1))));
    EXPECT_FALSE(rows.painted.intersects(view->visualRect(Index(1, 1))));
}

// At the very end the last row sits on the bottom edge; a row added below
// it moves the rows back to the top edge, and an open editor with them.
TEST_F(ListboxTest, OpenEditorStaysOnItsCellWhenARowIsAddedAtTheEnd) {
    AddRows(40);
    list->ScrollPosition(1000000);
    list->EditCell(39, 0);
    Settle();
    QLineEdit* editor = Editor();
    ASSERT_NE(editor, nullptr);
    const int above = view->visualRect(Index(39, 0)).top();
    const int inCell = editor->y() - above;
    list->AddRow({"", "7", "+"});
    Settle();
    ASSERT_NE(view->visualRect(Index(39, 0)).top(), above);
    EXPECT_EQ(editor->y() - view->visualRect(Index(39, 0)).top(), inCell);
    EXPECT_TRUE(Shown() == Fresh());
}

TEST_F(ListboxTest, ScrollPositionItAlreadyHasRepaintsNothing) {
    AddRows(100);
    list->ScrollPosition(10);
    Settle();
    PaintRecorder rows(view->viewport());
    PaintRecorder scrollBar(view->verticalScrollBar());
    list->ScrollPosition(10);
    Settle();
    EXPECT_TRUE(rows.painted.isEmpty());
    EXPECT_TRUE(scrollBar.painted.isEmpty());
    EXPECT_EQ(list->ScrollPosition(), 10);
}

// Whatever parts the list repaints, the window ends up showing what a
// complete repaint would show: rows, grid, selection and scroll bar.
TEST_F(ListboxTest, WindowShowsWhatTheListPaintsAfreshAfterEveryChange) {
    const struct {
        const char* name;
        std::function<void(Listbox&)> change;
    } rows[] = {
        {"row added in view",
         [](Listbox& l) {
             l.AddRow({"", "7", "+"});
         }},
        {"row added and an older row changed",
         [](Listbox& l) {
             l.AddRow({"", "7", "+"});
             l.Cell(0, 1, "changed");
         }},
        {"rows added below the rows in view",
         [](Listbox& l) {
             for (int i = 0; i < 300; ++i) {
                 l.AddRow({"", "7", "+"});
             }
         }},
        {"one more row below the rows in view",
         [](Listbox& l) {
             l.AddRow({"", "7", "+"});
         }},
        {"total added, scrolled to the end and selected",
         [](Listbox& l) {
             l.AddRow({"", "4", "="});
             l.AddRow({"Tot.", "11"});
             l.CellItalic(l.LastIndex(), 1, true);
             l.CellAlignment(l.LastIndex(), 1, 3);
             l.ScrollPosition(1000000);
             l.ListIndex(l.LastIndex());
         }},
        {"row added after the end in view and the last row changed",
         [](Listbox& l) {
             const int last = l.LastIndex();
             l.AddRow({"", "7", "+"});
             l.Cell(last, 0, "changed");
         }},
    };
    AddRows(3);
    for (const auto& row : rows) {
        Settle();
        row.change(*list);
        Settle();
        EXPECT_TRUE(Shown() == Fresh()) << row.name;
    }
}

} // namespace
