// The calculator window as the program builds it at start-up: where its
// controls stand and how they follow the window's size, the keypad's side,
// closing, the accessors, and the look of the display, keys and tape.

#include "Window1.h"
#include "App.h"
#include "Main.h"
#include "PaintProbes.h"
#include "QtAccess.h"
#include "Runtime.h"
#include "StreamChecks.h"
#include "TestSupport.h"
#include "Window1Layout.h"
#include "aboutWin.h"
#include "aboutWinLayout.h"
#include "prefsWin.h"
#include "prefsWinLayout.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <span>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

namespace {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out) {
    *out << "(" << box.left << ", " << box.top << ", " << box.width << " x " << box.height << ")";
}

Box FrameworkBox(const RectControl& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

Box WidgetBox(const RectControl& control) {
    const QRect area = WidgetOf(control)->geometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

enum class Panel { Window, Keypad, Tape, Readout };

// A control as its layout places it, the design size 990 x 690.
struct Place {
    std::string name;
    Box box;
    bool lockLeft, lockTop, lockRight, lockBottom;
    Panel in;
};

Panel PanelOf(const std::string& parent) {
    if (parent == "Rectangle1") {
        return Panel::Keypad;
    }
    if (parent == "Rectangle2") {
        return Panel::Tape;
    }
    return parent == "tRect" ? Panel::Readout : Panel::Window;
}

// The 32 controls in creation order, where a first run opens them: the
// start-up's setting of the slider has given the read-out's box the tape's
// width.
const std::vector<Place>& Places() {
    static const std::vector<Place> rows = [] {
        std::vector<Place> places;
        for (const ControlLayout& control : Window1Controls()) {
            const PropertyList p = ReadPropertyStream(control.stream, control.className);
            const auto integer = [&](const char* key) {
                return IntegerValue(FindProperty(p, key));
            };
            const auto lock = [&](const char* key) { return BooleanValue(FindProperty(p, key)); };
            places.push_back(
                {std::string(control.name),
                 {integer("Left"), integer("Top"), integer("Width"), integer("Height")},
                 lock("LockLeft"),
                 lock("LockTop"),
                 lock("LockRight"),
                 lock("LockBottom"),
                 PanelOf(StringValue(FindProperty(p, "InitialParent")))});
        }
        const auto tape = std::find_if(places.begin(), places.end(),
                                       [](const Place& place) { return place.name == "ListBox1"; });
        for (Place& place : places) {
            if (place.name == "tRect") {
                place.box.width = tape->box.width;
            }
        }
        return places;
    }();
    return rows;
}

const Place& PlaceOf(const std::string& name) {
    for (const Place& place : Places()) {
        if (place.name == name) {
            return place;
        }
    }
    throw std::out_of_range("no place for " + name);
}

template <auto Member> RectControl* Call(const Window1& window) { return (window.*Member)(); }

// Each accessor with the class of its control and, for a button, its caption.
struct AccessorRow {
    const char* name;
    RectControl* (*get)(const Window1&);
    std::type_index type;
    const char* caption;
};

const std::vector<AccessorRow>& Accessors() {
    using W = Window1;
    static const std::vector<AccessorRow> rows = {
        {"Rectangle2", &Call<&W::Rectangle2>, typeid(Rectangle), nullptr},
        {"ListBox1", &Call<&W::ListBox1>, typeid(Listbox), nullptr},
        {"BevelButton21", &Call<&W::BevelButton21>, typeid(BevelButton), "Clear"},
        {"Slider1", &Call<&W::Slider1>, typeid(Slider), nullptr},
        {"BevelButton22", &Call<&W::BevelButton22>, typeid(BevelButton), "Print"},
        {"StaticText1", &Call<&W::StaticText1>, typeid(Label), nullptr},
        {"StaticText2", &Call<&W::StaticText2>, typeid(Label), nullptr},
        {"tRect", &Call<&W::tRect>, typeid(RoundRectangle), nullptr},
        {"tSIze", &Call<&W::tSIze>, typeid(Label), nullptr},
        {"Rectangle1", &Call<&W::Rectangle1>, typeid(Rectangle), nullptr},
        {"BevelButton1", &Call<&W::BevelButton1>, typeid(BevelButton), "7"},
        {"BevelButton3", &Call<&W::BevelButton3>, typeid(BevelButton), "8"},
        {"BevelButton4", &Call<&W::BevelButton4>, typeid(BevelButton), "9"},
        {"BevelButton5", &Call<&W::BevelButton5>, typeid(BevelButton), "4"},
        {"BevelButton6", &Call<&W::BevelButton6>, typeid(BevelButton), "5"},
        {"BevelButton7", &Call<&W::BevelButton7>, typeid(BevelButton), "6"},
        {"BevelButton8", &Call<&W::BevelButton8>, typeid(BevelButton), "1"},
        {"BevelButton9", &Call<&W::BevelButton9>, typeid(BevelButton), "2"},
        {"BevelButton10", &Call<&W::BevelButton10>, typeid(BevelButton), "3"},
        {"BevelButton11", &Call<&W::BevelButton11>, typeid(BevelButton), "0"},
        {"BevelButton12", &Call<&W::BevelButton12>, typeid(BevelButton), "."},
        {"BevelButton14", &Call<&W::BevelButton14>, typeid(BevelButton), "C"},
        {"BevelButton16", &Call<&W::BevelButton16>, typeid(BevelButton), "/"},
        {"BevelButton17", &Call<&W::BevelButton17>, typeid(BevelButton), "-"},
        {"BevelButton18", &Call<&W::BevelButton18>, typeid(BevelButton), "+"},
        {"BevelButton19", &Call<&W::BevelButton19>, typeid(BevelButton), "*"},
        {"LCD", &Call<&W::LCD>, typeid(TextField), nullptr},
        {"BevelButton20", &Call<&W::BevelButton20>, typeid(BevelButton), "="},
        {"MClear", &Call<&W::MClear>, typeid(BevelButton), "MC"},
        {"MAdd", &Call<&W::MAdd>, typeid(BevelButton), "M+"},
        {"MSubtract", &Call<&W::MSubtract>, typeid(BevelButton), "M-"},
        {"MShow", &Call<&W::MShow>, typeid(BevelButton), "MR"},
    };
    return rows;
}

// Where a control stands once the window is dx wider and dy higher than
// designed: locked on both sides it stretches, on the far side only it moves.
Box Expected(const Place& place, int dx, int dy) {
    Box box = place.box;
    if (place.lockRight) {
        (place.lockLeft ? box.width : box.left) += dx;
    }
    if (place.lockBottom) {
        (place.lockTop ? box.height : box.top) += dy;
    }
    return box;
}

Window1& Calculator() {
    Window1* window = Window1::Get();
    if (window == nullptr) {
        throw std::runtime_error("no calculator window");
    }
    return *window;
}

RectControl& ControlOf(const std::string& name) {
    RectControl* control = Calculator().ControlByName(name);
    if (control == nullptr) {
        throw std::runtime_error("no control " + name);
    }
    return *control;
}

// Every control's box, by name.
std::map<std::string, Box> Snapshot() {
    std::map<std::string, Box> boxes;
    for (const Place& place : Places()) {
        boxes[place.name] = FrameworkBox(ControlOf(place.name));
    }
    return boxes;
}

// The panel and the controls it encloses moved across by dx; everything
// else where it was.
void ExpectShifted(const std::map<std::string, Box>& before, const std::string& panel,
                   Panel enclosed, int dx) {
    for (const Place& place : Places()) {
        Box expected = before.at(place.name);
        if (place.in == enclosed || place.name == panel) {
            expected.left += dx;
        }
        EXPECT_EQ(FrameworkBox(ControlOf(place.name)), expected) << place.name;
        EXPECT_EQ(WidgetBox(ControlOf(place.name)), expected) << place.name;
    }
}

void ExpectAtDesignShiftedBy(int dx, int dy) {
    for (const Place& place : Places()) {
        EXPECT_EQ(FrameworkBox(ControlOf(place.name)), Expected(place, dx, dy)) << place.name;
        EXPECT_EQ(WidgetBox(ControlOf(place.name)), Expected(place, dx, dy)) << place.name;
    }
}

App& TheApp() {
    App* app = App::Get();
    if (app == nullptr) {
        throw std::runtime_error("no application object");
    }
    return *app;
}

int KeypadLeft() { return Calculator().Rectangle1()->Left(); }
int TapeLeft() { return Calculator().Rectangle2()->Left(); }

class Window1Test : public ProgramTest {};

// Built on its own, before the start-up applies the stored settings, the
// window shows its layout's values: its handlers were attached after the
// streams, so the slider's stored 32 ran none of them.
TEST(Window1BuildTest, BuildingTheWindowRunsNoHandlerForTheStreamsValues) {
    RunFrameworkInitialization(&Startup);
    App::Get()->layout = "left";
    Window1* window = Window1::Get();
    EXPECT_EQ(window->Slider1()->Value(), 32);
    EXPECT_EQ(window->ListBox1()->TextSize(), 32);
    EXPECT_TRUE(window->tRect()->Visible());
    EXPECT_FALSE(window->tSIze()->Visible());
    EXPECT_EQ(window->tSIze()->Text(), "32 pt.");
    EXPECT_EQ(window->LCD()->Text(), "0");
    EXPECT_EQ(window->ListBox1()->ListCount(), 0);
    EndProgram();
}

// ---- geometry ---------------------------------------------------------------

TEST_F(Window1Test, FirstRunOpensAtTheDesignSizeWithEveryControlInItsDesignPlace) {
    Window1& window = Calculator();
    EXPECT_EQ(window.Width(), 990);
    EXPECT_EQ(window.Height(), 690);
    EXPECT_EQ(ContentOf(window)->size(), QSize(990, 690));
    ExpectAtDesignShiftedBy(0, 0);
}

struct SizeCase {
    const char* label;
    int askedWidth, askedHeight;
    int width, height; // after the window's limits
};

void PrintTo(const SizeCase& size, std::ostream* out) {
    *out << size.askedWidth << " x " << size.askedHeight;
}

class Window1ResizeTest : public Window1Test, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(Window1ResizeTest, ControlsFollowTheResizingRuleWithinTheLimits) {
    const SizeCase& size = GetParam();
    Window1& window = Calculator();
    window.Width(size.askedWidth);
    window.Height(size.askedHeight);
    EXPECT_EQ(window.Width(), size.width);
    EXPECT_EQ(window.Height(), size.height);
    EXPECT_EQ(ContentOf(window)->size(), QSize(size.width, size.height));
    ExpectAtDesignShiftedBy(size.width - 990, size.height - 690);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Window1ResizeTest,
                         ::testing::Values(SizeCase{"Minimum", 940, 690, 940, 690},
                                           SizeCase{"Maximum", 1680, 1050, 1680, 1050},
                                           SizeCase{"Wider1200x800", 1200, 800, 1200, 800},
                                           SizeCase{"Wider1000x700", 1000, 700, 1000, 700},
                                           SizeCase{"TooSmallClampsToMinimum", 100, 100, 940, 690},
                                           SizeCase{"TooLargeClampsToMaximum", 5000, 5000, 1680,
                                                    1050}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Window1Test, ResizingBackToTheDesignSizeLeavesNoDrift) {
    Window1& window = Calculator();
    const int sizes[][2] = {{1680, 1050}, {940, 690}, {100, 5000}, {1200, 800}, {1000, 700}};
    for (const auto& size : sizes) {
        window.Width(size[0]);
        window.Height(size[1]);
    }
    window.Width(990);
    window.Height(690);
    ExpectAtDesignShiftedBy(0, 0);
}

TEST_F(Window1Test, ResizingTheTopLevelWidgetAppliesTheSameRule) {
    Window1& window = Calculator();
    QWidget* top = TopLevelOf(window);
    const int menuHeight = top->height() - window.Height();
    top->resize(1200, 800 + menuHeight);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Width() == 1200 && window.Height() == 800; }));
    ExpectAtDesignShiftedBy(210, 110);
}

// ---- nesting ----------------------------------------------------------------

TEST_F(Window1Test, MovingTheKeypadPanelMovesItsTwentyTwoControlsAndNothingElse) {
    const auto before = Snapshot();
    Calculator().Rectangle1()->Left(533);
    ExpectShifted(before, "Rectangle1", Panel::Keypad, 523);
}

TEST_F(Window1Test, MovingTheTapePanelMovesItsSixControlsAndNotTheReadout) {
    const auto before = Snapshot();
    Calculator().Rectangle2()->Left(10);
    ExpectShifted(before, "Rectangle2", Panel::Tape, -470);
}

// ---- keypad side ------------------------------------------------------------

TEST_F(Window1Test, FirstRunPutsTheKeypadLeftOfTheTape) {
    EXPECT_EQ(TheApp().layout, "left");
    EXPECT_EQ(KeypadLeft(), 10);
    EXPECT_EQ(TapeLeft(), 480);
}

TEST_F(Window1Test, SwitchLayoutMovesTheKeypadRightThenBackLeft) {
    const auto before = Snapshot();
    EXPECT_TRUE(TheApp().LayoutSwitch_Action());
    EXPECT_EQ(KeypadLeft(), 530);
    EXPECT_EQ(TapeLeft(), 10);
    EXPECT_EQ(TheApp().layout, "right");
    EXPECT_EQ(Calculator().LCD()->Left(), 550);
    EXPECT_EQ(Calculator().ListBox1()->Left(), 20);
    EXPECT_EQ(Calculator().Width(), 990);

    EXPECT_TRUE(TheApp().LayoutSwitch_Action());
    EXPECT_EQ(TheApp().layout, "left");
    EXPECT_EQ(Snapshot(), before);
}

struct PinCase {
    int askedWidth;
    int keypadLeft;
};

void PrintTo(const PinCase& pin, std::ostream* out) { *out << "width " << pin.askedWidth; }

class Window1KeypadPinTest : public Window1Test, public ::testing::WithParamInterface<PinCase> {};

TEST_P(Window1KeypadPinTest, KeypadOnTheRightKeepsTenPixelsFromTheRightEdge) {
    ASSERT_TRUE(TheApp().LayoutSwitch_Action());
    const auto before = Snapshot();
    Calculator().Width(GetParam().askedWidth);
    const int moved = GetParam().keypadLeft - 530;
    EXPECT_EQ(KeypadLeft(), GetParam().keypadLeft);
    EXPECT_EQ(KeypadLeft() + Calculator().Rectangle1()->Width(), Calculator().Width() - 10);
    for (const Place& place : Places()) {
        if (place.in == Panel::Keypad) {
            Box shifted = before.at(place.name);
            shifted.left += moved;
            EXPECT_EQ(WidgetBox(ControlOf(place.name)), shifted) << place.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, Window1KeypadPinTest,
                         ::testing::Values(PinCase{1200, 740}, PinCase{940, 480},
                                           PinCase{1680, 1220}, PinCase{5000, 1220}),
                         [](const auto& info) {
                             return "Width" + std::to_string(info.param.askedWidth);
                         });

TEST_F(Window1Test, KeypadOnTheLeftNeverMovesWhileResizing) {
    Window1& window = Calculator();
    const auto before = Snapshot();
    const int sizes[][2] = {{1200, 800}, {1680, 1050}, {940, 690}, {1000, 700}};
    for (const auto& size : sizes) {
        window.Width(size[0]);
        window.Height(size[1]);
        for (const Place& place : Places()) {
            if (place.in == Panel::Keypad || place.name == std::string("Rectangle1")) {
                EXPECT_EQ(WidgetBox(ControlOf(place.name)), before.at(place.name))
                    << place.name << " at " << size[0] << " x " << size[1];
            }
        }
    }
}

TEST_F(Window1Test, SwitchAfterWideningTakesTheTapeWithItsWidenedWidth) {
    Calculator().Width(1200);
    ASSERT_EQ(KeypadLeft(), 10);
    ASSERT_TRUE(TheApp().LayoutSwitch_Action());
    EXPECT_EQ(KeypadLeft(), 740);
    EXPECT_EQ(TapeLeft(), 10);
    EXPECT_EQ(Calculator().Rectangle2()->Width(), 713);
    EXPECT_EQ(TapeLeft() + Calculator().Rectangle2()->Width(), 723);
    EXPECT_EQ(WidgetBox(*Calculator().Rectangle2()), (Box{10, 14, 713, 658}));
}

TEST_F(Window1Test, ReadoutStaysInPlaceOnEitherSide) {
    Window1& window = Calculator();
    for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(window.tRect()->Left(), 491) << "after " << step << " switches";
        EXPECT_EQ(window.tSIze()->Left(), 514) << "after " << step << " switches";
        EXPECT_EQ(WidgetOf(*window.tRect())->x(), 491);
        ASSERT_TRUE(TheApp().LayoutSwitch_Action());
    }
}

// ---- closing ----------------------------------------------------------------

struct CloseCase {
    const char* label;
    void (*close)(Window1&);
};

void PrintTo(const CloseCase& way, std::ostream* out) { *out << way.label; }

class Window1CloseTest : public Window1Test, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(Window1CloseTest, ClosingCopiesPlaceSizeAndTapeSizeIntoTheSettingsAndQuits) {
    Window1& window = Calculator();
    window.Left(120);
    window.Top(70);
    window.Width(1100);
    window.Height(760);
    window.Slider1()->Value(40);

    GetParam().close(window);

    const App& app = TheApp();
    EXPECT_EQ(app.winLeft, 120);
    EXPECT_EQ(app.winTop, 70);
    EXPECT_EQ(app.winWidth, 1100);
    EXPECT_EQ(app.winHeight, 760);
    EXPECT_EQ(app.tapeSize, 40);
    EXPECT_TRUE(RuntimeQuitting());
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Window1CloseTest,
    ::testing::Values(CloseCase{"Close", [](Window1& window) { window.Close(); }},
                      CloseCase{"CloseBox", [](Window1& window) { TopLevelOf(window)->close(); }},
                      CloseCase{"Quit", [](Window1&) { Quit(0); }}),
    [](const auto& info) { return std::string(info.param.label); });

// ---- accessors --------------------------------------------------------------

TEST_F(Window1Test, EveryAccessorReturnsItsControlOfItsClass) {
    const Window1& window = Calculator();
    for (const AccessorRow& row : Accessors()) {
        RectControl* control = row.get(window);
        ASSERT_NE(control, nullptr) << row.name;
        EXPECT_EQ(control->Name(), row.name);
        EXPECT_EQ(std::type_index(typeid(*control)), row.type) << row.name;
        EXPECT_EQ(control, window.ControlByName(row.name)) << row.name;
        EXPECT_EQ(control, row.get(window)) << row.name;
        EXPECT_EQ(control->Window(), &window) << row.name;
    }
    // The content holds the layout's controls and nothing else.
    std::vector<QWidget*> built;
    for (const ControlLayout& layout : Window1Controls()) {
        built.push_back(WidgetOf(*window.ControlByName(std::string(layout.name))));
    }
    QList<QWidget*> children =
        ContentOf(window)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::ranges::sort(built);
    std::ranges::sort(children);
    EXPECT_TRUE(std::ranges::equal(children, built));
}

TEST_F(Window1Test, HiddenReadoutIsReturnedLikeAnyOther) {
    Label* readout = Calculator().tSIze();
    ASSERT_NE(readout, nullptr);
    EXPECT_FALSE(readout->Visible());
    EXPECT_FALSE(WidgetOf(*readout)->isVisible());
    EXPECT_EQ(readout->Name(), "tSIze");
    EXPECT_EQ(readout, Calculator().ControlByName("tSIze"));
}

TEST_F(Window1Test, SecondGetReturnsTheOpenWindowAndBuildsNothing) {
    Window1* first = Window1::Get();
    TextField* display = first->LCD();
    display->Text("42");
    // Were the Open event raised again, this side would move the keypad.
    TheApp().layout = "right";

    Window1* second = Window1::Get();
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->LCD(), display);
    EXPECT_EQ(second->LCD()->Text(), "42");
    EXPECT_EQ(KeypadLeft(), 10);
    EXPECT_EQ(ContentOf(*second)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 32);
}

TEST_F(Window1Test, GetAfterCloseBuildsANewWindowWithNewControls) {
    Window1* old = Window1::Get();
    TextField* oldDisplay = old->LCD();
    oldDisplay->Text("7");
    old->Close();
    ASSERT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);

    Window1* rebuilt = Window1::Get();
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(rebuilt, old);
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), rebuilt);
    for (const AccessorRow& row : Accessors()) {
        RectControl* control = row.get(*rebuilt);
        ASSERT_NE(control, nullptr) << row.name;
        EXPECT_NE(control, row.get(*old)) << row.name;
        EXPECT_EQ(control->Window(), rebuilt) << row.name;
    }
    EXPECT_EQ(rebuilt->LCD()->Text(), "0");
}

TEST_F(Window1Test, UnknownNameFindsNoControl) {
    const Window1& window = Calculator();
    for (const char* name : {"BevelButton2", "BevelButton13", "", "Window1", "MenuBar1"}) {
        EXPECT_EQ(window.ControlByName(name), nullptr) << name;
    }
}

// ---- opening with a stored side ----------------------------------------------

// Builds the calculator window straight from the accessor after the side
// has been set, since the application's Open event sets the side itself.
class Window1OpeningTest : public ::testing::Test {
protected:
    void OpenWithLayout(const std::string& layout) {
        RunFrameworkInitialization(&Startup);
        TheApp().layout = layout;
        Window1::Get();
    }
    void TearDown() override {
        EXPECT_TRUE(ReportedExceptions().empty()) << ReportedExceptions().front();
        EndProgram();
        ReportedExceptions().clear();
    }
};

TEST_F(Window1OpeningTest, StoredRightOpensTheKeypadAt533AndPinsItWhileResizing) {
    OpenWithLayout("right");
    EXPECT_EQ(KeypadLeft(), 533);
    EXPECT_EQ(TapeLeft(), 10);
    EXPECT_EQ(Calculator().LCD()->Left(), 553);
    EXPECT_EQ(Calculator().ListBox1()->Left(), 20);
    EXPECT_EQ(Calculator().tRect()->Left(), 491);
    Calculator().Width(1200);
    EXPECT_EQ(KeypadLeft(), 740);
}

TEST_F(Window1OpeningTest, EmptySideOpensTheKeypadRightButDoesNotPinIt) {
    OpenWithLayout("");
    EXPECT_EQ(KeypadLeft(), 533);
    EXPECT_EQ(TapeLeft(), 10);
    Calculator().Width(1200);
    EXPECT_EQ(KeypadLeft(), 533);
    EXPECT_EQ(TheApp().layout, "");
}

TEST_F(Window1OpeningTest, FirstSwitchFromTheOpeningRightSideMovesTheKeypadLeft) {
    OpenWithLayout("right");
    ASSERT_TRUE(TheApp().LayoutSwitch_Action());
    EXPECT_EQ(KeypadLeft(), 10);
    EXPECT_EQ(TapeLeft(), 480);
    EXPECT_EQ(TheApp().layout, "left");
    EXPECT_EQ(Calculator().LCD()->Left(), 30);
}

// ---- look -------------------------------------------------------------------

TEST_F(Window1Test, DisplayAndTapeShowAFixedPitchFace) {
    EXPECT_TRUE(QFontInfo(WidgetOf(*Calculator().LCD())->font()).fixedPitch())
        << QFontInfo(WidgetOf(*Calculator().LCD())->font()).family().toStdString();
    EXPECT_TRUE(QFontInfo(WidgetOf(*Calculator().ListBox1())->font()).fixedPitch())
        << QFontInfo(WidgetOf(*Calculator().ListBox1())->font()).family().toStdString();
}

TEST_F(Window1Test, DisplayIsRightAlignedWhiteOnBlackAt50PixelsAndReadOnly) {
    auto* display = qobject_cast<QLineEdit*>(WidgetOf(*Calculator().LCD()));
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->alignment() & Qt::AlignRight);
    EXPECT_EQ(display->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(display->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(display->font().pixelSize(), 50);
    EXPECT_EQ(QFontInfo(display->font()).pixelSize(), 50);
    EXPECT_TRUE(display->isReadOnly());
    EXPECT_EQ(display->text(), "0");
}

TEST_F(Window1Test, EveryKeyCaptionFitsItsKeyAtItsPixelSize) {
    for (const AccessorRow& row : Accessors()) {
        if (row.caption == nullptr || PlaceOf(row.name).in != Panel::Keypad) {
            continue;
        }
        const QWidget* key = WidgetOf(ControlOf(row.name));
        const bool memoryKey = row.name[0] == 'M';
        EXPECT_EQ(key->font().pixelSize(), memoryKey ? 46 : 72) << row.name;
        EXPECT_TRUE(key->font().bold()) << row.name;
        const QFontMetrics metrics(key->font());
        const QString caption = QString::fromUtf8(row.caption);
        // "0" and "C" stand at the left, 20 pixels in.
        const bool leftAligned = caption == "0" || caption == "C";
        const int room = leftAligned ? key->width() - 20 : key->width();
        // The ink of the caption keeps clear of the key's bevel on both sides.
        EXPECT_LE(metrics.tightBoundingRect(caption).width(), room - 8)
            << row.name << " in " << QFontInfo(key->font()).family().toStdString() << " weight "
            << QFontInfo(key->font()).weight();
        EXPECT_LE(metrics.tightBoundingRect(caption).height(), key->height()) << row.name;
    }
}

TEST_F(Window1Test, SmallTapeLabelKeepsTheDefaultSizeAndStillFits) {
    const QWidget* small = WidgetOf(*Calculator().StaticText1());
    const QWidget* large = WidgetOf(*Calculator().StaticText2());
    EXPECT_EQ(Calculator().StaticText1()->TextSize(), 0);
    EXPECT_EQ(QFontInfo(small->font()).pixelSize(), QFontInfo(QApplication::font()).pixelSize());
    EXPECT_EQ(large->font().pixelSize(), 44);
    const QFontMetrics metrics(small->font());
    EXPECT_LE(metrics.horizontalAdvance("A"), small->width());
    EXPECT_LE(metrics.tightBoundingRect("A").height(), small->height());
}

TEST_F(Window1Test, ButtonsNeverTakeTheFocus) {
    for (const AccessorRow& row : Accessors()) {
        if (row.type == std::type_index(typeid(BevelButton))) {
            EXPECT_EQ(WidgetOf(ControlOf(row.name))->focusPolicy(), Qt::NoFocus) << row.name;
        }
    }
}

// What a screen reader says for a widget: the label that names it (Qt's
// buddy), or else its own accessible name.
QString Heard(QWidget* widget) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    for (const auto& [label, relation] : control->relations(QAccessible::Label)) {
        return label->text(QAccessible::Name);
    }
    return control->text(QAccessible::Name);
}

struct HeardRow {
    const char* window;
    const char* control;
    const char* heard;
};

// Every name and description the accessibility tree under the interface
// offers a screen reader: the window's, its controls', their parts' and
// the tape's cells'.
void CollectSpoken(QAccessibleInterface& node, std::vector<QString>& spoken) {
    spoken.push_back(node.text(QAccessible::Name));
    spoken.push_back(node.text(QAccessible::Description));
    for (int i = 0; i < node.childCount(); ++i) {
        if (QAccessibleInterface* child = node.child(i)) {
            CollectSpoken(*child, spoken);
        }
    }
}

// Screen readers hear the captions and texts the controls show, a label
// beside a field, or a name given where nothing on screen names the control;
// never a control's Name, neither as a name nor as a description.
TEST_F(Window1Test, ScreenReadersHearWhatNamesEachControlNeverItsName) {
    const HeardRow rows[] = {
        {"Window1.Window1", "LCD", "Display"},
        {"Window1.Window1", "ListBox1", "Paper tape"},
        {"Window1.Window1", "Slider1", "Tape text size"},
        {"prefsWin.prefsWin", "GroupBox2", "Printer settings"},
        {"prefsWin.prefsWin", "PopupMenu1", "Decimals:"},
        {"prefsWin.prefsWin", "StaticText4", "Description:"},
        {"prefsWin.prefsWin", "EditField1", "Description:"},
        {"prefsWin.prefsWin", "EditField2", "Value:"},
        {"prefsWin.prefsWin", "EditField3", "Total:"},
        {"prefsWin.prefsWin", "PushButton1", "Cancel"},
        {"prefsWin.prefsWin", "PushButton2", "OK"},
        {"aboutWin.aboutWin", "StaticText1", "lumaDex"},
        {"aboutWin.aboutWin", "BevelButton1", "Donate to lumaDex"},
        {"aboutWin.aboutWin", "Canvas1", "lumaDex icon"},
    };
    prefsWin::Get();
    aboutWin::Get();
    TypeText(TopLevelOf(Calculator()), "3-7=*0=");
    ASSERT_GT(Calculator().ListBox1()->ListCount(), 0);
    for (const HeardRow& row : rows) {
        Window* window = GetImplicitWindow(row.window);
        ASSERT_NE(window, nullptr) << row.window;
        EXPECT_EQ(Heard(WidgetOf(*window->ControlByName(row.control))).toStdString(), row.heard)
            << row.control;
    }
    const std::pair<const char*, std::span<const ControlLayout>> windows[] = {
        {"Window1.Window1", Window1Controls()},
        {"prefsWin.prefsWin", prefsWinControls()},
        {"aboutWin.aboutWin", aboutWinControls()},
    };
    for (const auto& [name, controls] : windows) {
        const Window& window = *GetImplicitWindow(name);
        std::vector<QString> spoken;
        CollectSpoken(*QAccessible::queryAccessibleInterface(TopLevelOf(window)), spoken);
        for (const ControlLayout& layout : controls) {
            const QString control = QString::fromUtf8(layout.name);
            EXPECT_NE(Heard(WidgetOf(*window.ControlByName(std::string(layout.name)))), control)
                << name << " " << layout.name;
            EXPECT_EQ(std::ranges::count(spoken, control), 0) << name << " " << layout.name;
        }
        // A click on a keypad key leaves the focus on the window's surface.
        EXPECT_EQ(Heard(ContentOf(window)).toStdString(), window.Title()) << name;
    }
    for (const AccessorRow& row : Accessors()) {
        if (row.caption != nullptr) {
            EXPECT_EQ(Heard(WidgetOf(ControlOf(row.name))), QString::fromUtf8(row.caption))
                << row.name;
        }
    }
}

// Screen readers hear the read-out's size, not the control's name.
TEST_F(Window1Test, ReadoutTellsScreenReadersItsCurrentText) {
    Calculator().Slider1()->Value(40);
    EXPECT_EQ(WidgetOf(*Calculator().tSIze())->accessibleName(), "40 pt.");
}

// The program started under the user's theme: the palette comes before the
// program starts and goes after it ends.
class Window1ThemeTest : public ProgramTest, public ::testing::WithParamInterface<Theme> {
protected:
    const ThemeApplied theme{GetParam()};
};

// Under the user's theme every text of every window reads at 4.5:1 or better
// on what is painted behind it: a caption whose colour the layout fixes
// stands on the design's own face, a field or the tape takes text and
// surface from the theme.
TEST_P(Window1ThemeTest, EveryTextOfEveryWindowReadsOnTheSurfaceBehindIt) {
    // "=" leaves the total row selected.
    TypeText(TopLevelOf(Calculator()), QStringLiteral("7+8="));
    // The read-out shows while the slider moves; at the smallest size the
    // rows, the selected total among them, stand above it.
    Calculator().Slider1()->Value(12);
    prefsWin::Get();
    aboutWin::Get();
    const std::pair<const char*, std::span<const ControlLayout>> windows[] = {
        {"Window1.Window1", Window1Controls()},
        {"prefsWin.prefsWin", prefsWinControls()},
        {"aboutWin.aboutWin", aboutWinControls()},
    };
    for (const auto& [name, controls] : windows) {
        const std::vector<ShownText> texts = ShownTexts(*GetImplicitWindow(name), controls);
        EXPECT_FALSE(texts.empty()) << name;
        for (const ShownText& text : texts) {
            // The read-out's light text and grey box are both the layout's,
            // whatever the theme: 4.0:1, which WCAG allows a text as large as
            // its 56-pixel black face.
            const double least = text.name == "tSIze" ? 3 : 4.5;
            EXPECT_GE(text.contrast, least) << name << " " << text.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, Window1ThemeTest, ::testing::ValuesIn(Themes()),
                         [](const auto& info) { return std::string(info.param.name); });

void ExpectColumnsSplitFiftyThirtyFiveFifteen(const QTableView& tape) {
    const double width = tape.viewport()->width();
    ASSERT_GT(width, 0);
    const double shares[] = {0.50, 0.35, 0.15};
    int sum = 0;
    for (int column = 0; column < 3; ++column) {
        EXPECT_NEAR(tape.columnWidth(column), width * shares[column], 1.0) << "column " << column;
        sum += tape.columnWidth(column);
    }
    EXPECT_EQ(sum, static_cast<int>(width));
}

TEST_F(Window1Test, TapeColumnsSplitItsWidthFiftyThirtyFiveFifteen) {
    auto* tape = qobject_cast<QTableView*>(WidgetOf(*Calculator().ListBox1()));
    ASSERT_NE(tape, nullptr);
    EXPECT_EQ(tape->model()->columnCount(), 3);
    ExpectColumnsSplitFiftyThirtyFiveFifteen(*tape);
    Calculator().Width(1200);
    EXPECT_EQ(tape->width(), 693);
    ExpectColumnsSplitFiftyThirtyFiveFifteen(*tape);
}

TEST_F(Window1Test, WindowHasItsTitleAndSizeLimits) {
    const Window1& window = Calculator();
    const QWidget* top = TopLevelOf(window);
    const int menuHeight = top->height() - window.Height();
    EXPECT_EQ(top->windowTitle(), "lumaDex");
    EXPECT_EQ(window.Title(), "lumaDex");
    EXPECT_EQ(top->minimumSize(), QSize(940, 690 + menuHeight));
    EXPECT_EQ(top->maximumSize(), QSize(1680, 1050 + menuHeight));
    EXPECT_TRUE(top->isVisible());
}

TEST_F(Window1Test, MenuBarSitsAboveTheContentWhoseSizeIsTheWindowsSize) {
    Window1& window = Calculator();
    const QMenuBar* bar = MenuBarWidgetOf(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_FALSE(bar->actions().isEmpty());
    const QWidget* content = ContentOf(window);
    EXPECT_EQ(content->geometry().top(), bar->geometry().bottom() + 1);
    EXPECT_EQ(content->height(), window.Height());
    EXPECT_EQ(content->width(), window.Width());
    EXPECT_EQ(TopLevelOf(window)->height(), window.Height() + bar->height());
    window.Height(800);
    EXPECT_EQ(content->height(), 800);
    EXPECT_EQ(content->geometry().top(), bar->height());
}

} // namespace
