// The tape as the user works on it: descriptions opened by a click or by
// Return, the text-size read-out, and numbers too wide for their place.

#include "App.h"
#include "Controls.h"
#include "PaintProbes.h"
#include "QtAccess.h"
#include "TestSupport.h"
#include "Window1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

Window1& Calculator() { return *Window1::Get(); }
Listbox& Tape() { return *Calculator().ListBox1(); }
QTableView& TapeView() { return *qobject_cast<QTableView*>(WidgetOf(Tape())); }

// Types the keys into the calculator, the display having the focus.
void Keys(const QString& keys) {
    WidgetOf(*Calculator().LCD())->setFocus();
    TypeText(TopLevelOf(Calculator()), keys);
}

std::vector<std::string> Descriptions() {
    std::vector<std::string> texts;
    for (int row = 0; row < Tape().ListCount(); ++row) {
        texts.push_back(Tape().Cell(row, 0));
    }
    return texts;
}

// A cell editor is a line edit shown over the cell; a closed one is hidden
// before it goes.
bool Editing() {
    const auto editors = TapeView().viewport()->findChildren<QLineEdit*>();
    return std::any_of(editors.begin(), editors.end(),
                       [](const QLineEdit* editor) { return editor->isVisible(); });
}

// Types a description into the open editor and closes it with Return.
void TypeDescription(const QString& text) {
    ASSERT_TRUE(Editing());
    TypeText(TopLevelOf(Calculator()), text);
    TypeKey(TopLevelOf(Calculator()), Qt::Key_Return, Qt::NoModifier, "\r");
}

void ClickCell(int row, int column) {
    QTableView& view = TapeView();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      view.visualRect(view.model()->index(row, column)).center());
}

class TapeViewTest : public ProgramTest {};

// ---- descriptions -------------------------------------------------------------

struct ClickCase {
    const char* label;
    int row;
    int column;
    bool opens;
};

void PrintTo(const ClickCase& click, std::ostream* out) { *out << click.label; }

class TapeClickTest : public TapeViewTest, public ::testing::WithParamInterface<ClickCase> {};

// The tape holds 7 + 3 = 10: two operand rows and the total row.
TEST_P(TapeClickTest, OnlyADescriptionCellOpensForTyping) {
    Keys("7+3=");
    ASSERT_EQ(Tape().ListCount(), 3);
    ClickCell(GetParam().row, GetParam().column);
    EXPECT_EQ(Editing(), GetParam().opens);
    if (GetParam().opens) {
        TypeDescription("Rent");
        std::vector<std::string> expected = {"", "", "Tot."};
        expected[static_cast<std::size_t>(GetParam().row)] = "Rent";
        EXPECT_EQ(Descriptions(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, TapeClickTest,
                         ::testing::Values(ClickCase{"OperandDescription", 1, 0, true},
                                           ClickCase{"TotalDescription", 2, 0, true},
                                           ClickCase{"OperandValue", 0, 1, false},
                                           ClickCase{"OperandOperator", 0, 2, false},
                                           ClickCase{"TotalValue", 2, 1, false}),
                         [](const auto& info) { return std::string(info.param.label); });

struct ReturnCase {
    const char* label;
    int selected;
    int opened; // -1: nothing opens
};

void PrintTo(const ReturnCase& press, std::ostream* out) { *out << press.label; }

class TapeReturnTest : public TapeViewTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(TapeReturnTest, ReturnOpensTheDescriptionOfTheRowAfterTheSelectedOne) {
    Keys("1+2+3+4+5+");
    ASSERT_EQ(Tape().ListCount(), 5);
    Tape().ListIndex(GetParam().selected);
    TapeView().setFocus();
    TypeKey(TopLevelOf(Calculator()), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(Editing(), GetParam().opened >= 0);
    std::vector<std::string> expected(5);
    if (GetParam().opened >= 0) {
        TypeDescription("Note");
        expected[static_cast<std::size_t>(GetParam().opened)] = "Note";
    }
    EXPECT_EQ(Descriptions(), expected);
}

INSTANTIATE_TEST_SUITE_P(Selections, TapeReturnTest,
                         ::testing::Values(ReturnCase{"SecondOfFive", 2, 3},
                                           ReturnCase{"NoneSelected", -1, 0},
                                           ReturnCase{"LastRow", 4, -1}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- the text-size read-out ----------------------------------------------------

TEST_F(TapeViewTest, EachSliderStepShowsItsSizeAsWideAsTheTapeUntilThePointerLeaves) {
    Calculator().Width(1200);
    QWidget* slider = WidgetOf(*Calculator().Slider1());
    Calculator().Slider1()->Value(60);
    for (int size = 61; size <= 64; ++size) {
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_EQ(Calculator().Slider1()->Value(), size);
        EXPECT_EQ(Tape().TextSize(), size);
        EXPECT_TRUE(Calculator().tRect()->Visible());
        EXPECT_TRUE(Calculator().tSIze()->Visible());
        EXPECT_EQ(Calculator().tSIze()->Text(), std::to_string(size) + " pt.");
        EXPECT_EQ(Calculator().tRect()->Width(), Tape().Width());
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(slider, &leave);
    EXPECT_FALSE(Calculator().tSIze()->Visible());
    EXPECT_FALSE(Calculator().tRect()->Visible());
    EXPECT_EQ(Tape().TextSize(), 64);
}

// The read-out keeps its place on either side of the keypad and is seen
// above whichever panel lies beneath it.
TEST_F(TapeViewTest, TheReadOutShowsAboveThePanelsOnEitherSide) {
    for (const bool switched : {false, true}) {
        if (switched) {
            TheApp().LayoutSwitch_Action();
        }
        Calculator().Slider1()->Value(switched ? 40 : 50);
        const QRect backdrop = WidgetOf(*Calculator().tRect())->geometry();
        const QImage shown = ContentOf(Calculator())->grab().toImage();
        // Inside the border, above the text: the backdrop's own grey.
        EXPECT_EQ(shown.pixelColor(backdrop.center().x(), backdrop.top() + 4),
                  QColor(0x7B, 0x7B, 0x7B))
            << (switched ? "keypad right" : "keypad left");
        EXPECT_EQ(Calculator().tRect()->Left(), 491);
    }
}

// The read-out is only a picture of the size: over a right-hand keypad the
// memory keys beneath it still take the first click, and it takes no focus.
TEST_F(TapeViewTest, AClickUnderTheShownReadOutReachesTheKeyBeneath) {
    TheApp().LayoutSwitch_Action();
    Keys("7");
    QTest::keyClick(WidgetOf(*Calculator().Slider1()), Qt::Key_Right);
    ASSERT_TRUE(Calculator().tSIze()->Visible());
    QWidget* content = ContentOf(Calculator());
    const QRect readout = WidgetOf(*Calculator().tRect())->geometry();
    for (BevelButton* key : {Calculator().MAdd(), Calculator().MShow()}) {
        const QPoint centre = WidgetOf(*key)->geometry().center();
        ASSERT_TRUE(readout.contains(centre)) << key->Caption();
        // Through the window system, which finds the widget under the pointer.
        QTest::mouseClick(content->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          content->mapTo(content->window(), centre));
    }
    EXPECT_EQ(TheApp().mem, 7.0);
    EXPECT_EQ(Calculator().LCD()->Text(), "7");
    EXPECT_TRUE(Calculator().tSIze()->Visible());
    EXPECT_FALSE(WidgetOf(*Calculator().tRect())->hasFocus());
    EXPECT_FALSE(WidgetOf(*Calculator().tSIze())->hasFocus());
}

// ---- numbers too wide for their place ------------------------------------------

// How high the ink of a text's first glyph stands against the whole text's:
// the dots of a leading "…" stand low, a digit as high as the others.
double FirstGlyphShare(const QImage& image, const std::function<bool(QColor)>& isInk) {
    const QRect all = InkBounds(image, isInk);
    if (all.isEmpty()) {
        return 0;
    }
    const int slice = std::max(1, all.height() / 4);
    const QRect first = InkBounds(image.copy(all.left(), 0, slice, image.height()), isInk);
    return static_cast<double>(first.height()) / all.height();
}

bool Dark(QColor color) { return color.lightness() < 100; }
bool Bright(QColor color) { return color.lightness() > 155; }

TEST_F(TapeViewTest, AValueTooWideForItsCellShowsItsEndAfterAnEllipsis) {
    Calculator().Slider1()->Value(64);
    Keys("9999980000000+1+");
    Tape().ListIndex(-1);
    QTableView& view = TapeView();
    const QRect cell = view.visualRect(view.model()->index(0, 1));
    const QImage image = view.viewport()->grab(cell).toImage();
    EXPECT_LT(FirstGlyphShare(image, Dark), 0.5);
    EXPECT_EQ(Tape().Cell(0, 1), "9999980000000");
    EXPECT_EQ(view.model()->index(0, 1).data().toString(), "9999980000000");

    const QImage fits = view.viewport()->grab(view.visualRect(view.model()->index(1, 1))).toImage();
    EXPECT_GT(FirstGlyphShare(fits, Dark), 0.9);
}

TEST_F(TapeViewTest, ALongEntryInTheDisplayShowsItsEndAfterAnEllipsis) {
    Keys("12345678901234567890123456789");
    QWidget* display = WidgetOf(*Calculator().LCD());
    // Inside the field's border.
    const QRect inside = display->rect().adjusted(2, 2, -2, -2);
    EXPECT_LT(FirstGlyphShare(display->grab(inside).toImage(), Bright), 0.5);
    EXPECT_EQ(Calculator().LCD()->Text(), "12345678901234567890123456789");

    Calculator().BevelButton14()->Push();
    Keys("7");
    EXPECT_GT(FirstGlyphShare(display->grab(inside).toImage(), Bright), 0.9);
}

// An index kept from before the tape was cleared names cells that are gone;
// asking for them must not raise into Qt.
TEST_F(TapeViewTest, TheTapeAnswersQtsQuestionsAboutCellsThatAreGone) {
    Keys("7+8+");
    const QModelIndex stale = TapeView().model()->index(1, 2);
    ASSERT_EQ(stale.data().toString(), "+");
    Tape().DeleteAllRows();
    EXPECT_FALSE(stale.data(Qt::DisplayRole).isValid());
    EXPECT_FALSE(stale.data(Qt::FontRole).isValid());
}

} // namespace
