#include "prefsWin.h"
#include "App.h"
#include "QtAccess.h"
#include "TestSupport.h"
#include "Window1.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

class prefsWinTest : public ProgramTest {
protected:
    static App& Record() { return *App::Get(); }
    static Window1& Calculator() { return *Window1::Get(); }
    // Chooses File > Preferences in the calculator window, as the user does.
    static prefsWin* ChoosePreferences() {
        MenuBarWidgetOf(Calculator())
            ->findChild<QAction*>(QStringLiteral("FilePreferences"))
            ->trigger();
        return dynamic_cast<prefsWin*>(GetImplicitWindow("prefsWin.prefsWin"));
    }
    static int VisibleDialogs() {
        int count = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            count += top->objectName() == QStringLiteral("prefsWin.prefsWin") && top->isVisible();
        }
        return count;
    }
    // Types into the field after clearing it, as the user does.
    static void Retype(TextField& field, const QString& text) {
        field.Text("");
        QWidget* widget = WidgetOf(field);
        widget->setFocus();
        TypeText(widget, text);
    }
};

// Chosen from the keyboard, the menu still holds the focus while the
// command runs: the dialog opens where it opens with no menu up.
TEST_F(prefsWinTest, OpensInTheSamePlaceWhileAMenuHoldsTheFocus) {
    QWidget* calculator = TopLevelOf(Calculator());
    calculator->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(calculator));
    prefsWin* plain = ChoosePreferences();
    ASSERT_NE(plain, nullptr);
    const QPoint expected = TopLevelOf(*plain)->pos();
    plain->Close();
    QApplication::processEvents();

    QMenu* file = MenuBarWidgetOf(Calculator())->findChildren<QMenu*>().front();
    file->popup(QPoint(0, 0));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == file->windowHandle(); }));
    prefsWin* dialog = ChoosePreferences();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TopLevelOf(*dialog)->pos(), expected);
    file->hide();
}

struct Filling {
    const char* name;
    int decimali;
    std::string descrizione;
    int listIndex;
};

TEST_F(prefsWinTest, OpensShownNotModalAndFilledFromTheRecord) {
    const std::string longText(30, 'd');
    const Filling fillings[] = {
        {"two decimals", 1, "Description", 1},
        {"four decimals", 3, "Description", 3},
        {"decimali outside the items", 7, "Description", -1},
        {"heading longer than the limit stays whole", 1, longText, 1},
        {"heading of 24 characters", 1, std::string(24, 'h'), 1},
    };
    for (const Filling& row : fillings) {
        Record().decimali = row.decimali;
        Record().descrizione = row.descrizione;
        Record().valore = "V";
        Record().totale = "T";
        prefsWin* dialog = ChoosePreferences();
        ASSERT_NE(dialog, nullptr) << row.name;
        EXPECT_TRUE(TopLevelOf(*dialog)->isVisible()) << row.name;
        EXPECT_FALSE(TopLevelOf(*dialog)->isModal()) << row.name;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << row.name;
        EXPECT_EQ(dialog->Title(), "Untitled");
        EXPECT_EQ(dialog->PopupMenu1()->ListIndex(), row.listIndex) << row.name;
        EXPECT_EQ(dialog->EditField1()->Text(), row.descrizione) << row.name;
        EXPECT_EQ(dialog->EditField2()->Text(), "V") << row.name;
        EXPECT_EQ(dialog->EditField3()->Text(), "T") << row.name;
        // Each field shows its text from the start.
        for (TextField* field :
             {dialog->EditField1(), dialog->EditField2(), dialog->EditField3()}) {
            EXPECT_EQ(static_cast<QLineEdit*>(WidgetOf(*field))->cursorPosition(), 0)
                << row.name << " " << field->Name();
        }
        dialog->Close();
    }
}

// How the user leaves the dialog after editing it.
enum class Leave {
    Ok,
    Cancel,
    CloseBox,
    Return,
    Enter,
    Escape,
    SpaceOnOk,
    SpaceOnCancel,
    EscapeOnOk
};

struct Leaving {
    const char* name;
    Leave how;
    bool stores;
};

void LeaveDialog(prefsWin& dialog, Leave how) {
    switch (how) {
    case Leave::Ok:
        dialog.PushButton2()->Push();
        break;
    case Leave::Cancel:
        dialog.PushButton1()->Push();
        break;
    case Leave::CloseBox:
        TopLevelOf(dialog)->close();
        break;
    case Leave::Return:
        TypeKey(WidgetOf(*dialog.EditField2()), Qt::Key_Return, Qt::NoModifier, "\r");
        break;
    case Leave::Enter:
        TypeKey(WidgetOf(*dialog.EditField2()), Qt::Key_Enter, Qt::KeypadModifier, "\r");
        break;
    case Leave::Escape:
        TypeKey(WidgetOf(*dialog.EditField2()), Qt::Key_Escape, Qt::NoModifier, "\x1b");
        break;
    case Leave::SpaceOnOk:
        WidgetOf(*dialog.PushButton2())->setFocus();
        QTest::keyClick(WidgetOf(*dialog.PushButton2()), Qt::Key_Space);
        break;
    case Leave::SpaceOnCancel:
        WidgetOf(*dialog.PushButton1())->setFocus();
        QTest::keyClick(WidgetOf(*dialog.PushButton1()), Qt::Key_Space);
        break;
    case Leave::EscapeOnOk:
        WidgetOf(*dialog.PushButton2())->setFocus();
        TypeKey(WidgetOf(*dialog.PushButton2()), Qt::Key_Escape, Qt::NoModifier, "\x1b");
        break;
    }
}

TEST_F(prefsWinTest, OkAndDefaultKeysStoreAllFiveCancelAndCloseBoxNothingAndReopenShowsTheRecord) {
    const Leaving leavings[] = {
        {"OK", Leave::Ok, true},
        {"Return in a field", Leave::Return, true},
        {"Enter in a field", Leave::Enter, true},
        {"Cancel", Leave::Cancel, false},
        {"close box", Leave::CloseBox, false},
        {"Escape in a field", Leave::Escape, false},
        {"Space on the focused OK", Leave::SpaceOnOk, true},
        {"Space on the focused Cancel", Leave::SpaceOnCancel, false},
        {"Escape on the focused OK", Leave::EscapeOnOk, false},
    };
    for (const Leaving& row : leavings) {
        Record().decimali = 1;
        Record().decimalFormat = "-#.##";
        Record().descrizione = "Description";
        prefsWin* dialog = ChoosePreferences();
        ASSERT_NE(dialog, nullptr) << row.name;
        dialog->PopupMenu1()->ListIndex(0);
        Retype(*dialog->EditField1(), QStringLiteral("Item"));
        Retype(*dialog->EditField2(), QStringLiteral("Amount"));
        Retype(*dialog->EditField3(), QStringLiteral("Sum"));
        LeaveDialog(*dialog, row.how);

        EXPECT_EQ(GetImplicitWindow("prefsWin.prefsWin"), nullptr) << row.name;
        EXPECT_EQ(VisibleDialogs(), 0) << row.name;
        EXPECT_EQ(Record().decimali, row.stores ? 0 : 1) << row.name;
        EXPECT_EQ(Record().decimalFormat, row.stores ? "-#.0" : "-#.##") << row.name;
        EXPECT_EQ(Record().descrizione, row.stores ? "Item" : "Description") << row.name;
        EXPECT_EQ(Record().valore, row.stores ? "Amount" : "Value") << row.name;
        EXPECT_EQ(Record().totale, row.stores ? "Sum" : "Tot.") << row.name;

        prefsWin* again = ChoosePreferences();
        ASSERT_NE(again, nullptr) << row.name;
        EXPECT_EQ(again->PopupMenu1()->ListIndex(), Record().decimali) << row.name;
        EXPECT_EQ(again->EditField1()->Text(), Record().descrizione) << row.name;
        EXPECT_EQ(again->EditField3()->Text(), Record().totale) << row.name;
        again->Close();
        Record().valore = "Value";
        Record().totale = "Tot.";
    }
}

struct Confirming {
    const char* name;
    int storedDecimali;
    std::string storedMask;
    int chosen; // -1: left as filled
    int expectedDecimali;
    std::string expectedMask;
};

TEST_F(prefsWinTest, OkDerivesTheMaskFromTheChoiceAndKeepsItWithoutOne) {
    const Confirming rows[] = {
        {"first run unchanged", 1, "-#.##", -1, 1, "-#.00"},
        {"one decimal", 1, "-#.##", 0, 0, "-#.0"},
        {"three decimals", 1, "-#.##", 2, 2, "-#.000"},
        {"four decimals", 1, "-#.00", 3, 3, "-#.0000"},
        {"stored choice outside the items", 9, "", -1, -1, ""},
        {"no choice keeps a set mask", 9, "-#.000", -1, -1, "-#.000"},
    };
    for (const Confirming& row : rows) {
        Record().decimali = row.storedDecimali;
        Record().decimalFormat = row.storedMask;
        prefsWin* dialog = ChoosePreferences();
        ASSERT_NE(dialog, nullptr) << row.name;
        if (row.chosen >= 0) {
            dialog->PopupMenu1()->ListIndex(row.chosen);
        }
        dialog->PushButton2()->Push();
        EXPECT_EQ(Record().decimali, row.expectedDecimali) << row.name;
        EXPECT_EQ(Record().decimalFormat, row.expectedMask) << row.name;
    }
}

TEST_F(prefsWinTest, ClearedFieldsStoreEmptyTexts) {
    prefsWin* dialog = ChoosePreferences();
    for (TextField* field : {dialog->EditField1(), dialog->EditField2(), dialog->EditField3()}) {
        Retype(*field, QString());
    }
    dialog->PushButton2()->Push();
    EXPECT_EQ(Record().descrizione, "");
    EXPECT_EQ(Record().valore, "");
    EXPECT_EQ(Record().totale, "");
}

TEST_F(prefsWinTest, ASecondCommandShowsTheOpenDialogWithItsUnsavedEdits) {
    prefsWin* dialog = ChoosePreferences();
    dialog->PopupMenu1()->ListIndex(2);
    Retype(*dialog->EditField3(), QStringLiteral("Sum"));
    EXPECT_EQ(ChoosePreferences(), dialog);
    EXPECT_EQ(VisibleDialogs(), 1);
    EXPECT_EQ(dialog->PopupMenu1()->ListIndex(), 2);
    EXPECT_EQ(dialog->EditField3()->Text(), "Sum");
    EXPECT_EQ(Record().totale, "Tot.");
    EXPECT_EQ(Record().decimali, 1);
}

TEST_F(prefsWinTest, FourDecimalsApplyFromTheNextRowOnAndChangeNothingShown) {
    Calculator().DigitRule("5");
    Calculator().OperatorStep("+");
    Calculator().DigitRule("7");
    const std::string firstRow = Calculator().ListBox1()->Cell(0, 1);

    prefsWin* dialog = ChoosePreferences();
    dialog->PopupMenu1()->ListIndex(3);
    dialog->PushButton2()->Push();

    EXPECT_EQ(Calculator().LCD()->Text(), "7");
    EXPECT_EQ(Calculator().ListBox1()->Cell(0, 1), firstRow);
    Calculator().OperatorStep("+");
    EXPECT_EQ(Calculator().ListBox1()->Cell(1, 1), "7.0000");
}

// A character is what the user sees as one, however many UTF-16 units it
// takes.
TEST_F(prefsWinTest, EachFieldRefusesATwentyFifthCharacter) {
    const struct {
        const char* name;
        QString character;
    } rows[] = {
        {"letters", QStringLiteral("x")},
        {"emoji", QString::fromUtf8("\xF0\x9F\x98\x80")},
    };
    prefsWin* dialog = ChoosePreferences();
    for (const auto& row : rows) {
        for (TextField* field :
             {dialog->EditField1(), dialog->EditField2(), dialog->EditField3()}) {
            Retype(*field, row.character.repeated(25));
            EXPECT_EQ(QString::fromStdString(field->Text()), row.character.repeated(24))
                << row.name << " " << field->Name();
        }
    }
}

// Tab goes through the popup, the three fields and the two buttons in their
// tab order, and from the last one back to the popup; labels and group
// boxes are never reached.
TEST_F(prefsWinTest, TabFromTheLastFieldReachesCancelThenOk) {
    prefsWin* dialog = ChoosePreferences();
    ASSERT_TRUE(QTest::qWaitForWindowActive(TopLevelOf(*dialog)));
    WidgetOf(*dialog->PopupMenu1())->setFocus();
    const char* const order[] = {"EditField1",  "EditField2",  "EditField3",
                                 "PushButton1", "PushButton2", "PopupMenu1"};
    for (const char* next : order) {
        TypeKey(TopLevelOf(*dialog), Qt::Key_Tab);
        EXPECT_EQ(TopLevelOf(*dialog)->focusWidget(), WidgetOf(*dialog->ControlByName(next)))
            << next;
    }
    WidgetOf(*dialog->PushButton1())->setFocus();
    TypeKey(TopLevelOf(*dialog), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(TopLevelOf(*dialog)->focusWidget(), WidgetOf(*dialog->EditField3()));
}

} // namespace
