// The calculator as the user works it: keys and keypad buttons in, the
// display and the paper tape out.

#include "AnnouncementSeam.h"
#include "App.h"
#include "Controls.h"
#include "QtAccess.h"
#include "TestSupport.h"
#include "TextHelpers.h"
#include "Window1.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr const char* kFirstRunMask = "-#.##";
constexpr const char* kTwoDecimals = "-#.00";

// ---- Key sequences -------------------------------------------------------
//
// A sequence is a string read from left to right; blanks only separate.
//   a character        the key typed with that character ("7", "+", "x", "７")
//   [name]             a click on the keypad button of that caption:
//                      [0]..[9] [.] [+] [-] [*] [/] [=] [C] [MC] [M+] [M-] [MR]
//                      and the tape's [Clear]
//   <name>             a key that types no character:
//                      <Enter> (keypad) <Return> <Esc> <Del> (forward) <BS> <Tab> <Space>

using ButtonOf = BevelButton* (Window1::*)() const;

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

using Step = std::variant<KeyPress, ButtonOf>;

const std::map<QString, ButtonOf>& Buttons() {
    static const std::map<QString, ButtonOf> buttons{
        {"0", &Window1::BevelButton11}, {"1", &Window1::BevelButton8},
        {"2", &Window1::BevelButton9},  {"3", &Window1::BevelButton10},
        {"4", &Window1::BevelButton5},  {"5", &Window1::BevelButton6},
        {"6", &Window1::BevelButton7},  {"7", &Window1::BevelButton1},
        {"8", &Window1::BevelButton3},  {"9", &Window1::BevelButton4},
        {".", &Window1::BevelButton12}, {"C", &Window1::BevelButton14},
        {"/", &Window1::BevelButton16}, {"-", &Window1::BevelButton17},
        {"+", &Window1::BevelButton18}, {"*", &Window1::BevelButton19},
        {"=", &Window1::BevelButton20}, {"MC", &Window1::MClear},
        {"M+", &Window1::MAdd},         {"M-", &Window1::MSubtract},
        {"MR", &Window1::MShow},        {"Clear", &Window1::BevelButton21},
    };
    return buttons;
}

const std::map<QString, KeyPress>& SpecialKeys() {
    static const std::map<QString, KeyPress> keys{
        {"Enter", {Qt::Key_Enter, Qt::KeypadModifier, "\r"}},
        {"Return", {Qt::Key_Return, Qt::NoModifier, "\r"}},
        {"Esc", {Qt::Key_Escape, Qt::NoModifier, "\x1b"}},
        // Forward Delete types no text on some platforms.
        {"Del", {Qt::Key_Delete, Qt::NoModifier, ""}},
        {"BS", {Qt::Key_Backspace, Qt::NoModifier, "\b"}},
        {"Tab", {Qt::Key_Tab, Qt::NoModifier, "\t"}},
        {"Space", {Qt::Key_Space, Qt::NoModifier, " "}},
    };
    return keys;
}

KeyPress CharacterKey(QChar character) {
    return {static_cast<Qt::Key>(character.toUpper().unicode()), Qt::NoModifier,
            QString(character)};
}

std::vector<Step> ParseKeys(const std::string& keys) {
    const QString text = QString::fromUtf8(keys);
    std::vector<Step> steps;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text.at(at);
        if (character.isSpace()) {
            continue;
        }
        if (character != QLatin1Char('[') && character != QLatin1Char('<')) {
            steps.emplace_back(CharacterKey(character));
            continue;
        }
        const bool button = character == QLatin1Char('[');
        const qsizetype end = text.indexOf(QLatin1Char(button ? ']' : '>'), at + 1);
        if (end < 0) {
            throw std::invalid_argument("unclosed name in \"" + keys + "\"");
        }
        const QString name = text.mid(at + 1, end - at - 1);
        if (button && Buttons().count(name) != 0) {
            steps.emplace_back(Buttons().at(name));
        } else if (!button && SpecialKeys().count(name) != 0) {
            steps.emplace_back(SpecialKeys().at(name));
        } else {
            throw std::invalid_argument("unknown name \"" + name.toStdString() + "\"");
        }
        at = end;
    }
    return steps;
}

// ---- The tape as data ----------------------------------------------------

struct TapeRow {
    std::string description;
    std::string value;
    std::string op;
    bool italic = false;

    bool operator==(const TapeRow&) const = default;
};

void PrintTo(const TapeRow& row, std::ostream* out) {
    *out << "{\"" << row.description << "\" \"" << row.value << "\" \"" << row.op << "\""
         << (row.italic ? " italic" : "") << "}";
}

// An operand row: the value closed by the operator.
TapeRow Op(const std::string& value, const std::string& op) { return {"", value, op, false}; }

TapeRow Total(const std::string& value, const std::string& label = "Tot.") {
    return {label, value, "", true};
}

using Tape = std::vector<TapeRow>;

// Every object whose accessible node tells screen readers that it has the
// keyboard focus; a tape cell is there as null.
void CollectFocused(QAccessibleInterface& node, std::vector<QObject*>& focused) {
    if (node.state().focused) {
        focused.push_back(node.object());
    }
    for (int i = 0; i < node.childCount(); ++i) {
        if (QAccessibleInterface* child = node.child(i)) {
            CollectFocused(*child, focused);
        }
    }
}

// ---- Fixture -------------------------------------------------------------

// Every exception report so far, one a line.
std::string Reports() {
    std::string text;
    for (const std::string& report : ReportedExceptions()) {
        text += report + "\n";
    }
    return text;
}

class CalculatorTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        window = Window1::Get();
        top = TopLevelOf(*window);
    }

    void Focus(const RectControl& control) const { WidgetOf(control)->setFocus(); }
    void Enter(const std::string& keys) const {
        for (const Step& step : ParseKeys(keys)) {
            if (const auto* press = std::get_if<KeyPress>(&step)) {
                TypeKey(top, press->key, press->modifiers, press->text);
            } else {
                QTest::mouseClick(WidgetOf(*(window->*std::get<ButtonOf>(step))()), Qt::LeftButton);
            }
        }
    }
    std::string Display() const { return window->LCD()->Text(); }
    Tape ReadTape() const {
        const Listbox& list = *window->ListBox1();
        Tape rows;
        for (int row = 0; row < list.ListCount(); ++row) {
            rows.push_back(
                {list.Cell(row, 0), list.Cell(row, 1), list.Cell(row, 2), list.CellItalic(row, 1)});
        }
        return rows;
    }
    App& TheApp() const { return *App::Get(); }

    Window1* window = nullptr;
    QWidget* top = nullptr;
};

// ---- The behaviour table -------------------------------------------------

struct Case {
    const char* name;
    const char* keys;
    const char* mask;
    const char* display;
    Tape tape;
    // The selected tape row, -1 for none.
    int selected;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.keys << " with " << c.mask; }

class CalculatorBehaviour : public CalculatorTest, public ::testing::WithParamInterface<Case> {};

TEST_P(CalculatorBehaviour, DisplayAndTapeFollowTheKeys) {
    const Case& c = GetParam();
    TheApp().decimalFormat = c.mask;
    Focus(*window->LCD());
    Enter(c.keys);

    EXPECT_EQ(Display(), c.display);
    EXPECT_EQ(ReadTape(), c.tape);
    EXPECT_EQ(window->ListBox1()->ListIndex(), c.selected);
    for (int row = 0; row < window->ListBox1()->ListCount(); ++row) {
        EXPECT_EQ(window->ListBox1()->CellAlignment(row, 1), 3) << "value of row " << row;
    }
    // Only the control that has the keyboard focus says so: the selected
    // total does not, while the keys go to the display.
    std::vector<QObject*> focused;
    CollectFocused(*QAccessible::queryAccessibleInterface(top), focused);
    std::vector<QObject*> expected;
    if (QApplication::focusWidget() != nullptr) {
        expected.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(focused, expected);
    EXPECT_EQ(Reports(), "");
}

// One row a line: name, keys, mask, display, tape, selected row.
// clang-format off
const Case kCases[] = {
    // Evaluation of the tape.
    {"EveryRowShowsTheMasksDecimals", "7+3*2=", kTwoDecimals, "20.00",
     {Op("7.00", "+"), Op("3.00", "*"), Op("2.00", "="), Total("20.00")}, 3},
    {"KeypadButtonsEvaluateLikeKeys", "[7][+][3][*][2][=]", kFirstRunMask, "20",
     {Op("7", "+"), Op("3", "*"), Op("2", "="), Total("20")}, 3},
    {"OperatorButtonsEachCloseARow", "8[/]2[-]1[*]3[+]1[=]", kFirstRunMask, "10",
     {Op("8", "/"), Op("2", "-"), Op("1", "*"), Op("3", "+"), Op("1", "="), Total("10")}, 5},
    {"KeysAndButtonsMixInOneNumber", "[1]2[.]5[+]3<Enter>", kFirstRunMask, "15.5",
     {Op("12.5", "+"), Op("3", "="), Total("15.5")}, 2},
    {"EqualsAfterEqualsRepeatsTheTotal", "7+3==", kTwoDecimals, "10.00",
     {Op("7.00", "+"), Op("3.00", "="), Total("10.00"), Op("10.00", "="), Total("10.00")}, 4},
    {"SecondOperatorInARowEntersZero", "7+*3=", kTwoDecimals, "21.00",
     {Op("7.00", "+"), Op("0.00", "*"), Op("3.00", "="), Total("21.00")}, 3},
    {"OperatorTwiceOnAFreshWindowAddsTwoZeroRows", "++", kFirstRunMask, "",
     {Op("0", "+"), Op("0", "+")}, -1},
    {"OperatorAfterAClearedTotalGoesOnFromTheTotal", "7+3=[C]4*2=", kFirstRunMask, "20",
     {Op("7", "+"), Op("3", "="), Total("10"), Op("4", "*"), Op("2", "="), Total("20")}, 5},
    {"EqualsOnAFreshWindowTotalsZero", "=", kFirstRunMask, "0",
     {Op("0", "="), Total("0")}, 1},
    {"EqualsOnAFreshWindowShowsTheMasksZero", "=", kTwoDecimals, "0.00",
     {Op("0.00", "="), Total("0.00")}, 1},
    {"EqualsOnAnEmptyDisplayTotalsZero", "<Del>=", kTwoDecimals, "0.00",
     {Op("0.00", "="), Total("0.00")}, 1},
    {"InfinityStaysThroughLaterTotals", "5/0==+3=", kFirstRunMask, "INF",
     {Op("5", "/"), Op("0", "="), Total("INF"), Op("INF", "="), Total("INF"),
      Op("INF", "+"), Op("3", "="), Total("INF")}, 7},
    {"ClearAfterInfinityStartsAfresh", "5/0=[Clear][C]4+1=", kFirstRunMask, "5",
     {Op("4", "+"), Op("1", "="), Total("5")}, 2},
    {"EscapeAfterInfinityStartsAfresh", "5/0=<Esc><Del>4+1=", kFirstRunMask, "5",
     {Op("4", "+"), Op("1", "="), Total("5")}, 2},
    {"OperandEntersAsTheMaskRoundedIt", "1.006+1=", kTwoDecimals, "2.01",
     {Op("1.01", "+"), Op("1.00", "="), Total("2.01")}, 2},
    {"ZeroTimesANegativeTotalShowsUnsignedZero", "3-7=*0=", kTwoDecimals, "0.00",
     {Op("3.00", "-"), Op("7.00", "="), Total("-4.00"), Op("-4.00", "*"), Op("0.00", "="),
      Total("0.00")}, 5},
    {"NegativeTotalRoundingToZeroKeepsItsSign", "0-.01/3=", kTwoDecimals, "-0.00",
     {Op("0.00", "-"), Op("0.01", "/"), Op("3.00", "="), Total("-0.00")}, 3},

    // The display's entry rules.
    {"DigitReplacesTheInitialZero", "5", kFirstRunMask, "5", {}, -1},
    {"ZeroKeyOnZeroStaysZero", "0", kFirstRunMask, "0", {}, -1},
    {"ZeroButtonOnZeroStaysZero", "[0]", kFirstRunMask, "0", {}, -1},
    {"ZeroOnAnEmptyDisplayGivesZero", "<Del>0", kFirstRunMask, "0", {}, -1},
    {"DigitButtonsEnterTheirCaptions", "[1][2][3][4][5][6][7][8][9][0]", kFirstRunMask,
     "1234567890", {}, -1},
    {"PointButtonOnZeroGivesZeroPoint", "[.]", kFirstRunMask, "0.", {}, -1},
    {"PointButtonOnAnEmptyDisplayGivesZeroPoint", "<Del>[.]", kFirstRunMask, "0.", {}, -1},
    {"DigitAfterThePointButtonIsAppended", "[.]5", kFirstRunMask, "0.5", {}, -1},
    {"PointKeyOnZeroGivesThePointAlone", ".", kFirstRunMask, ".", {}, -1},
    {"PointKeyOnAnEmptyDisplayGivesThePointAlone", "<Del>.", kFirstRunMask, ".", {}, -1},
    {"DigitAfterThePointKeyIsAppended", ".5", kFirstRunMask, ".5", {}, -1},
    {"SecondPointIsIgnored", "12..", kFirstRunMask, "12.", {}, -1},
    {"PointAfterDecimalsIsIgnored", "12.5.[.]", kFirstRunMask, "12.5", {}, -1},
    {"PointButtonAppendsToDigits", "12[.]", kFirstRunMask, "12.", {}, -1},
    {"DigitAfterATotalIsAppended", "7+3=5", kTwoDecimals, "10.005",
     {Op("7.00", "+"), Op("3.00", "="), Total("10.00")}, 2},
    {"DigitAfterANegativeTotalIsAppended", "3-7=7", kTwoDecimals, "-4.007",
     {Op("3.00", "-"), Op("7.00", "="), Total("-4.00")}, 2},
    {"DigitAfterAZeroTotalReplacesIt", "=5", kFirstRunMask, "5",
     {Op("0", "="), Total("0")}, 1},
    {"PointIsIgnoredWhenTheTotalShowsOne", "10/4=.[.]", kFirstRunMask, "2.5",
     {Op("10", "/"), Op("4", "="), Total("2.5")}, 2},
    {"PointKeyIsAppendedToAWholeTotal", "7+3=.", kFirstRunMask, "10.",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},
    {"ClearEntryStartsAFreshNumberAfterATotal", "7+3=[C]5", kFirstRunMask, "5",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},

    // The memory register, seen through MR.
    {"RecallAfterMemoryClearShowsZero", "12[M+][MC][MR]", kFirstRunMask, "0", {}, -1},
    {"RecallReplacesTheEntry", "12[M+][C]34[MR]", kFirstRunMask, "12", {}, -1},
    {"MemoryAddOnAnEmptyDisplayKeepsTheRegister", "12[M+]<Del>[M+][MR]", kFirstRunMask, "12",
     {}, -1},
    {"MemorySubtractTakesTheDisplay", "7[M+][C]2[M-][MR]", kFirstRunMask, "5", {}, -1},
    {"MemorySubtractGoesBelowZero", "5[M-][MR]", kFirstRunMask, "-5", {}, -1},
    {"RecallShowsTheRegisterAsShortPlainDigits", ".1[M+][C].2[M+][MR]", kFirstRunMask, "0.3",
     {}, -1},
    {"MemoryAddTakesATotalAsShown", "10/3=[M+][C][MR]", kTwoDecimals, "3.33",
     {Op("10.00", "/"), Op("3.00", "="), Total("3.33")}, 2},
    {"RecallShowsPlainTextNotTheMask", "12[M+][C][MR]", kTwoDecimals, "12", {}, -1},
    {"RecallThenEqualsFormatsTheRecalledValue", "2.5[M+][C][MR]=", kTwoDecimals, "2.50",
     {Op("2.50", "="), Total("2.50")}, 1},
    {"DigitAfterRecallIsAppended", "12[M+][MR]5", kFirstRunMask, "125", {}, -1},
    {"DigitAfterARecalledZeroReplacesIt", "[MR]5", kFirstRunMask, "5", {}, -1},
    {"MemorySurvivesClearAndEscape", "12[M+][Clear]<Esc>[C][MR]", kFirstRunMask, "12", {}, -1},
    {"MemoryButtonsLeaveDisplayAndTape", "7+3[M+][M-][MC]", kFirstRunMask, "3",
     {Op("7", "+")}, -1},

    // Keys without a keypad button, and keys without a meaning.
    {"EscapeEmptiesTheTapeAndKeepsTheDisplay", "7+3=<Esc>", kFirstRunMask, "10", {}, -1},
    {"EscapeKeepsAnUnfinishedEntry", "7+3<Esc>", kFirstRunMask, "3", {}, -1},
    {"EscapeOnAnEmptyTapeChangesNothing", "<Esc>", kFirstRunMask, "0", {}, -1},
    {"EqualsAfterEscapeEvaluatesOnlyNewRows", "7+3=<Esc>+2=", kFirstRunMask, "12",
     {Op("10", "+"), Op("2", "="), Total("12")}, 2},
    {"ClearButtonEmptiesTheTapeAndKeepsTheDisplay", "7+3=[Clear]", kFirstRunMask, "10", {}, -1},
    {"DeleteEmptiesTheDisplay", "12<Del>", kFirstRunMask, "", {}, -1},
    {"DigitAfterDeleteStartsANewNumber", "12<Del>3", kFirstRunMask, "3", {}, -1},
    {"DeleteKeepsTheTape", "7+3=<Del>", kFirstRunMask, "",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},
    {"ReturnAndBackspaceChangeNothing", "12<Return><BS>", kFirstRunMask, "12", {}, -1},
    {"ReturnAndBackspaceKeepATotal", "7+3=<Return><BS>", kFirstRunMask, "10",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},
    {"LettersCommaSpaceAndTheRestAreIgnored", "12ax,cCX<Space>%()!?_<Tab>", kFirstRunMask,
     "12", {}, -1},
    {"IgnoredKeysKeepATotal", "7+3=xXcC,<Space><Tab>", kFirstRunMask, "10",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},
    {"FullWidthDigitIsIgnored", "12\uFF17", kFirstRunMask, "12", {}, -1},
    {"EnterEvaluatesLikeEquals", "7+3<Enter>", kFirstRunMask, "10",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},
    {"EqualsKeyEvaluates", "7+3=", kFirstRunMask, "10",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},
    {"EqualsButtonEvaluates", "7+3[=]", kFirstRunMask, "10",
     {Op("7", "+"), Op("3", "="), Total("10")}, 2},
    {"EqualsEnterAndTheButtonRepeatAlike", "7+3=<Enter>[=]", kFirstRunMask, "10",
     {Op("7", "+"), Op("3", "="), Total("10"), Op("10", "="), Total("10"), Op("10", "="),
      Total("10")}, 6},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Keys, CalculatorBehaviour, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// ---- Where the keys come from --------------------------------------------

// A screen reader says each key typed; each new total, which may look like
// the last number typed, it hears as the display's new value, while the
// focus stays on the display.
TEST_F(CalculatorTest, EachTotalIsToldToScreenReadersAsTheDisplaysValue) {
    Focus(*window->LCD());
    QObject* display = WidgetOf(*window->LCD());
    std::vector<double> told;
    RecordAnnouncementsForTesting([&](QObject* field, double value) {
        EXPECT_EQ(field, display);
        told.push_back(value);
    });
    Enter("7+3=*2=<Esc><Del>10-5=");
    RecordAnnouncementsForTesting({});
    EXPECT_EQ(told, (std::vector<double>{10, 20, 5}));
    // The screen reader reads the value through the display's interface.
    const QAccessibleValueInterface* value =
        QAccessible::queryAccessibleInterface(display)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toDouble(), 5);
    EXPECT_EQ(top->focusWidget(), display);
}

TEST_F(CalculatorTest, KeysReachTheCalculatorWhereverTheFocusIs) {
    const Tape expected{Op("7", "+"), Op("3", "="), Total("10")};
    const auto typeWithFocusOn = [&](QWidget* focus, const char* where) {
        if (focus != nullptr) {
            focus->setFocus();
        } else if (QWidget* focused = top->focusWidget()) {
            focused->clearFocus();
        }
        ASSERT_EQ(top->focusWidget(), focus) << where;
        Enter("<Esc><Del>7+3=");
        EXPECT_EQ(Display(), "10") << where;
        EXPECT_EQ(ReadTape(), expected) << where;
    };
    typeWithFocusOn(WidgetOf(*window->LCD()), "display");
    typeWithFocusOn(WidgetOf(*window->ListBox1()), "tape");
    typeWithFocusOn(nullptr, "nothing");
    EXPECT_EQ(Reports(), "");
}

TEST_F(CalculatorTest, KeysTypedIntoAnOpenDescriptionStayInIt) {
    // The focus moves back from a closed editor only in the active window.
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    Focus(*window->LCD());
    Enter("5+");
    window->ListBox1()->EditCell(0, 0);
    Enter("7+3=x");
    EXPECT_EQ(Display(), "");
    EXPECT_EQ(window->ListBox1()->ListCount(), 1);

    Enter("<Return>");
    EXPECT_EQ(ReadTape(), (Tape{{"7+3=x", "5", "+", false}}));
    // With the description closed the keys are the calculator's again.
    Enter("2=");
    EXPECT_EQ(Display(), "7");
    EXPECT_EQ(ReadTape(), (Tape{{"7+3=x", "5", "+", false}, Op("2", "="), Total("7")}));
    EXPECT_EQ(Reports(), "");
}

// ---- The key handler itself ----------------------------------------------

TEST_F(CalculatorTest, AKeyTextActsByItsFirstCharacterOnly) {
    struct KeyText {
        std::string key;
        std::string display;
        Tape tape;
    };
    const KeyText cases[] = {
        {"7x", "7", {}},
        {"x7", "0", {}},
        {"+7", "", {Op("0", "+")}},
        {"=5", "0", {Op("0", "="), Total("0")}},
        {"\uFF17", "0", {}},
        {"\uFF0B7", "0", {}},
    };
    for (const KeyText& c : cases) {
        window->LCD()->Text("0");
        window->ListBox1()->DeleteAllRows();
        window->Event_KeyDown(c.key);
        EXPECT_EQ(Display(), c.display) << c.key;
        EXPECT_EQ(ReadTape(), c.tape) << c.key;
    }
}

TEST_F(CalculatorTest, TheKeyHandlerNeverMarksAKeyHandled) {
    for (int code = 0; code < 128; ++code) {
        EXPECT_FALSE(window->Event_KeyDown(Chr(code))) << "code " << code;
    }
    for (const char* key : {"", "7x", "\uFF17", "\u00E9"}) {
        EXPECT_FALSE(window->Event_KeyDown(key)) << key;
    }
}

// ---- Long entries, changed settings, scrolling ---------------------------

TEST_F(CalculatorTest, AHundredThousandDigitEntryStaysWholeAndClosesAsInfinity) {
    Focus(*window->LCD());
    window->LCD()->Text(std::string(99'998, '1'));
    Enter("1[1]");
    EXPECT_EQ(Display(), std::string(100'000, '1'));

    Enter("+");
    EXPECT_EQ(Display(), "");
    EXPECT_EQ(ReadTape(), (Tape{Op("INF", "+")}));
    EXPECT_EQ(Reports(), "");
}

TEST_F(CalculatorTest, AThreeHundredDigitNumberIsFormattedInFull) {
    const std::string huge = "1" + std::string(299, '0');
    TheApp().decimalFormat = kTwoDecimals;
    Focus(*window->LCD());
    Enter("1" + std::string(299, '0'));
    EXPECT_EQ(Display(), huge);

    Enter("+1=");
    EXPECT_EQ(ReadTape(), (Tape{Op(huge + ".00", "+"), Op("1.00", "="), Total(huge + ".00")}));
}

TEST_F(CalculatorTest, AMaskChangeAppliesFromTheNextRow) {
    Focus(*window->LCD());
    Enter("7+");
    TheApp().decimalFormat = kTwoDecimals;
    Enter("3=");
    TheApp().decimalFormat = "-#.0000";
    Enter("+1=");
    EXPECT_EQ(ReadTape(), (Tape{Op("7", "+"), Op("3.00", "="), Total("10.00"), Op("10.0000", "+"),
                                Op("1.0000", "="), Total("11.0000")}));
    EXPECT_EQ(Display(), "11.0000");
}

TEST_F(CalculatorTest, ATotalLabelChangeAppliesFromTheNextTotal) {
    Focus(*window->LCD());
    Enter("7+3=");
    TheApp().totale = "Sum";
    Enter("=");
    EXPECT_EQ(ReadTape(),
              (Tape{Op("7", "+"), Op("3", "="), Total("10"), Op("10", "="), Total("10", "Sum")}));
}

TEST_F(CalculatorTest, EqualsScrollsTheTotalRowOfALongTapeIntoView) {
    Focus(*window->LCD());
    for (int row = 0; row < 58; ++row) {
        Enter("1+");
    }
    Enter("1=");
    ASSERT_EQ(window->ListBox1()->ListCount(), 60);
    EXPECT_EQ(Display(), "59");
    EXPECT_EQ(window->ListBox1()->ListIndex(), 59);

    auto* view = qobject_cast<QAbstractItemView*>(WidgetOf(*window->ListBox1()));
    ASSERT_NE(view, nullptr);
    const QRect viewport = view->viewport()->rect();
    EXPECT_TRUE(viewport.contains(view->visualRect(view->model()->index(59, 0))));
    EXPECT_FALSE(viewport.intersects(view->visualRect(view->model()->index(0, 0))));
}

// ---- Robustness ----------------------------------------------------------

std::vector<KeyPress> EveryKeyOfAKeyboard() {
    std::vector<KeyPress> keys;
    for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key) {
        keys.push_back({static_cast<Qt::Key>(key), Qt::NoModifier, QString(QChar(key)).toLower()});
    }
    for (int key = Qt::Key_F1; key <= Qt::Key_F12; ++key) {
        keys.push_back({static_cast<Qt::Key>(key), Qt::NoModifier, QString()});
    }
    for (Qt::Key key :
         {Qt::Key_Left,    Qt::Key_Right,      Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Home,
          Qt::Key_End,     Qt::Key_PageUp,     Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete,
          Qt::Key_Shift,   Qt::Key_Control,    Qt::Key_Alt,      Qt::Key_Meta,   Qt::Key_CapsLock,
          Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Pause,    Qt::Key_Print,  Qt::Key_Menu,
          Qt::Key_Backtab}) {
        keys.push_back({key, Qt::NoModifier, QString()});
    }
    keys.push_back({Qt::Key_Escape, Qt::NoModifier, "\x1b"});
    keys.push_back({Qt::Key_Tab, Qt::NoModifier, "\t"});
    keys.push_back({Qt::Key_Backspace, Qt::NoModifier, "\b"});
    keys.push_back({Qt::Key_Return, Qt::NoModifier, "\r"});
    keys.push_back({Qt::Key_Enter, Qt::KeypadModifier, "\r"});
    return keys;
}

TEST_F(CalculatorTest, EveryKeyOfAKeyboardLeavesTheCalculatorWorking) {
    const Qt::KeyboardModifiers modifiers[] = {
        Qt::NoModifier,
        Qt::ShiftModifier,
        Qt::ControlModifier,
        Qt::AltModifier,
        Qt::ShiftModifier | Qt::ControlModifier,
        Qt::ShiftModifier | Qt::AltModifier,
        Qt::ControlModifier | Qt::AltModifier,
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
    };
    for (Qt::KeyboardModifiers held : modifiers) {
        for (KeyPress press : EveryKeyOfAKeyboard()) {
            if (held & Qt::ShiftModifier) {
                press.text = press.text.toUpper();
            }
            Focus(*window->LCD());
            TypeKey(top, press.key, press.modifiers | held, press.text);
        }
    }
    EXPECT_EQ(Reports(), "");
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), window);
    EXPECT_GT(window->ListBox1()->ListCount(), 0) << "the keys reached the calculator";

    Focus(*window->LCD());
    Enter("<Esc>[C]5=");
    EXPECT_EQ(Display(), "5");
    EXPECT_EQ(ReadTape(), (Tape{Op("5", "="), Total("5")}));
}

// Puts the process and Qt into a German locale, whose decimal separator is
// a comma, for as long as it lives.
class GermanLocale {
public:
    GermanLocale() : qtLocale_(QLocale()) {
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        if (active_) {
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        }
    }
    ~GermanLocale() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(qtLocale_);
    }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;
    bool Active() const { return active_; }

private:
    QLocale qtLocale_;
    bool active_ = false;
};

TEST_F(CalculatorTest, NumbersKeepTheDecimalPointInAGermanLocale) {
    GermanLocale german;
    if (!german.Active()) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    TheApp().decimalFormat = kTwoDecimals;
    Focus(*window->LCD());
    Enter("1.5+1.25=");
    EXPECT_EQ(Display(), "2.75");
    EXPECT_EQ(ReadTape(), (Tape{Op("1.50", "+"), Op("1.25", "="), Total("2.75")}));

    Enter("[C][MC]2[.]5[M+][MR]");
    EXPECT_EQ(Display(), "2.5");
}

} // namespace
