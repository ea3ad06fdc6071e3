#include "Window.h"
#include "Application.h"
#include "Controls.h"
#include "QtAccess.h"
#include "Runtime.h"
#include "TestSupport.h"
#include "WindowFit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace {

// A window whose hooks the tests fill in.
class ProbeWindow : public Window {
public:
    ProbeWindow() : Window("ProbeWindow.ProbeWindow") {}

    static std::function<void(ProbeWindow&)> onCreate;
    static std::function<void(ProbeWindow&)> onOpen;
    bool refuseClose = false;
    bool quitOnClose = false;
    int closeEvents = 0;
    int resizingEvents = 0;

    void Layout() override {
        SetProperties(this, {{"Width", std::int32_t(400)},
                             {"Height", std::int32_t(300)},
                             {"MinWidth", std::int32_t(300)},
                             {"MinHeight", std::int32_t(200)},
                             {"MaxWidth", std::int32_t(800)},
                             {"MaxHeight", std::int32_t(600)},
                             {"Title", std::string("Probe")},
                             {"Visible", true}});
    }
    void CreateControls() override {
        if (onCreate) {
            onCreate(*this);
        }
    }
    void Event_Open() override {
        if (onOpen) {
            onOpen(*this);
        }
    }
    bool Event_CancelClose(bool) override { return refuseClose; }
    void Event_Close() override {
        ++closeEvents;
        if (quitOnClose) {
            Quit(0);
        }
    }
    void Event_Resizing() override { ++resizingEvents; }
};

std::function<void(ProbeWindow&)> ProbeWindow::onCreate;
std::function<void(ProbeWindow&)> ProbeWindow::onOpen;

ProbeWindow* OpenProbe() {
    auto* open = dynamic_cast<ProbeWindow*>(GetImplicitWindow("ProbeWindow.ProbeWindow"));
    return open != nullptr ? open : NewWindow<ProbeWindow>();
}

Rectangle* AddBox(Window& window, const std::string& name, int left, int top, int width, int height,
                  const std::string& locks, const std::string& parent = "") {
    window.AddControl(name, std::make_unique<Rectangle>());
    auto* box = dynamic_cast<Rectangle*>(window.ControlByName(name));
    SetProperties(box, {{"Left", std::int32_t(left)},
                        {"Top", std::int32_t(top)},
                        {"Width", std::int32_t(width)},
                        {"Height", std::int32_t(height)},
                        {"LockLeft", locks[0] == '1'},
                        {"LockTop", locks[1] == '1'},
                        {"LockRight", locks[2] == '1'},
                        {"LockBottom", locks[3] == '1'},
                        {"InitialParent", parent}});
    return box;
}

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        ProbeWindow::onCreate = nullptr;
        ProbeWindow::onOpen = nullptr;
        RuntimeExit();
        QCoreApplication::processEvents();
        ReportedExceptions().clear();
    }
};

TEST_F(WindowTest, AccessorFindsTheWindowFromItsOwnOpenEventAndNotAfterClose) {
    Window* seenFromOpen = nullptr;
    ProbeWindow::onOpen = [&](ProbeWindow&) { seenFromOpen = OpenProbe(); };
    ProbeWindow* window = OpenProbe();
    EXPECT_EQ(seenFromOpen, window);
    EXPECT_EQ(OpenProbe(), window);

    window->Close();
    EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), nullptr);
    ProbeWindow::onOpen = nullptr;
    ProbeWindow* rebuilt = OpenProbe();
    EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), rebuilt);
}

TEST_F(WindowTest, AFailedConstructionLeavesNoHalfBuiltWindowOpen) {
    ProbeWindow::onCreate = [](ProbeWindow&) { throw std::runtime_error("broken layout"); };
    EXPECT_THROW(OpenProbe(), std::runtime_error);
    EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), nullptr);
}

TEST_F(WindowTest, ARefusedCloseKeepsTheWindowOpen) {
    ProbeWindow* window = OpenProbe();
    window->refuseClose = true;
    window->Close();
    EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), window);
    EXPECT_EQ(window->closeEvents, 0);
    window->refuseClose = false;
    window->Close();
    EXPECT_EQ(window->closeEvents, 1);
}

struct PlaceCase {
    const char* label;
    int asked;
    bool kept;
};

void PrintTo(const PlaceCase& place, std::ostream* out) { *out << place.label; }

class WindowPlaceTest : public WindowTest, public ::testing::WithParamInterface<PlaceCase> {};

// Left and Top read back what was set, so a place copied out and set again
// is the same place; places beyond any reach stop short of overflowing.
TEST_P(WindowPlaceTest, LeftAndTopReadBackWhatWasSet) {
    ProbeWindow* window = OpenProbe();
    const int asked = GetParam().asked;
    window->Left(asked);
    window->Top(asked);
    if (GetParam().kept) {
        EXPECT_EQ(window->Left(), asked);
        EXPECT_EQ(window->Top(), asked);
    } else {
        EXPECT_EQ(window->Left() > 0, asked > 0);
        EXPECT_EQ(window->Top() > 0, asked > 0);
    }
    window->Left(window->Left());
    window->Top(window->Top());
    const int left = window->Left();
    const int top = window->Top();
    window->Left(left);
    window->Top(top);
    EXPECT_EQ(window->Left(), left);
    EXPECT_EQ(window->Top(), top);
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(window->Height(), 300);
}

INSTANTIATE_TEST_SUITE_P(Places, WindowPlaceTest,
                         ::testing::Values(PlaceCase{"Origin", 0, true},
                                           PlaceCase{"OnScreen", 137, true},
                                           PlaceCase{"Negative", -250, true},
                                           PlaceCase{"LargestInt", 2147483647, false},
                                           PlaceCase{"SmallestInt", -2147483647 - 1, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(WindowTest, SizeIsTheContentSizeWithinTheLimits) {
    ProbeWindow* window = OpenProbe();
    EXPECT_EQ(window->Width(), 400);
    EXPECT_EQ(ContentOf(*window)->height(), window->Height());
    window->Width(100);
    window->Height(5000);
    EXPECT_EQ(window->Width(), 300);
    EXPECT_EQ(window->Height(), 600);
}

struct LockCase {
    const char* locks;
    int left, top, width, height; // after growing the window by 100 x 50
};

void PrintTo(const LockCase& lockCase, std::ostream* out) { *out << "locks " << lockCase.locks; }

class LockTest : public WindowTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LockTest, EachSizeChangeAppliesTheControlsLocks) {
    const LockCase& expected = GetParam();
    ProbeWindow::onCreate = [&](ProbeWindow& w) {
        AddBox(w, "Box", 20, 30, 40, 50, expected.locks);
    };
    ProbeWindow* window = OpenProbe();
    const int before = window->resizingEvents;
    window->Width(450);
    window->Height(320);
    window->Width(500);
    window->Height(350);
    RectControl* box = window->ControlByName("Box");
    EXPECT_EQ(box->Left(), expected.left);
    EXPECT_EQ(box->Top(), expected.top);
    EXPECT_EQ(box->Width(), expected.width);
    EXPECT_EQ(box->Height(), expected.height);
    EXPECT_EQ(WidgetOf(*box)->geometry(),
              QRect(expected.left, expected.top, expected.width, expected.height));
    EXPECT_EQ(window->resizingEvents - before, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Locks, LockTest,
    ::testing::Values(LockCase{"1100", 20, 30, 40, 50}, LockCase{"1111", 20, 30, 140, 100},
                      LockCase{"0011", 120, 80, 40, 50}, LockCase{"1011", 20, 80, 140, 50},
                      LockCase{"1001", 20, 80, 40, 50}, LockCase{"1110", 20, 30, 140, 50}),
    [](const auto& info) { return std::string("Locks") + info.param.locks; });

TEST_F(WindowTest, MovingAControlMovesEverythingItEnclosesAndNothingElse) {
    ProbeWindow::onCreate = [](ProbeWindow& w) {
        AddBox(w, "Panel", 10, 10, 200, 200, "1100");
        AddBox(w, "Inner", 20, 20, 100, 100, "1100", "Panel");
        AddBox(w, "Deep", 30, 30, 10, 10, "1100", "Inner");
        AddBox(w, "Other", 250, 10, 50, 50, "1100");
    };
    ProbeWindow* window = OpenProbe();
    window->ControlByName("Panel")->Left(110);
    window->ControlByName("Panel")->Top(15);
    EXPECT_EQ(window->ControlByName("Inner")->Left(), 120);
    EXPECT_EQ(window->ControlByName("Deep")->Left(), 130);
    EXPECT_EQ(window->ControlByName("Deep")->Top(), 35);
    EXPECT_EQ(window->ControlByName("Other")->Left(), 250);
    EXPECT_EQ(window->ControlByName("Deep")->Parent(), window->ControlByName("Inner"));
}

TEST_F(WindowTest, AControlGivenAnotherEnclosingControlNoLongerMovesWithTheFirst) {
    ProbeWindow::onCreate = [](ProbeWindow& w) {
        AddBox(w, "First", 10, 10, 100, 100, "1100");
        AddBox(w, "Second", 150, 10, 100, 100, "1100");
        AddBox(w, "Box", 20, 20, 10, 10, "1100", "First");
    };
    ProbeWindow* window = OpenProbe();
    RectControl* box = window->ControlByName("Box");
    SetProperties(box, {{"InitialParent", std::string("Second")}});
    window->ControlByName("First")->Left(60);
    EXPECT_EQ(box->Left(), 20);
    window->ControlByName("Second")->Left(160);
    EXPECT_EQ(box->Left(), 30);
    EXPECT_EQ(box->Parent(), window->ControlByName("Second"));

    SetProperties(box, {{"InitialParent", std::string()}});
    window->ControlByName("Second")->Left(150);
    EXPECT_EQ(box->Left(), 30);
    EXPECT_EQ(box->Parent(), nullptr);
}

TEST_F(WindowTest, ALaterControlLiesAboveAnEarlierOne) {
    ProbeWindow::onCreate = [](ProbeWindow& w) {
        AddBox(w, "Below", 10, 10, 100, 100, "1100");
        AddBox(w, "Above", 50, 50, 100, 100, "1100");
    };
    ProbeWindow* window = OpenProbe();
    QWidget* content = ContentOf(*window);
    EXPECT_EQ(content->childAt(60, 60), WidgetOf(*window->ControlByName("Above")));
    EXPECT_EQ(content->childAt(20, 20), WidgetOf(*window->ControlByName("Below")));
}

TEST_F(WindowTest, ControlsAreFoundByNameAndANameIsTakenOnce) {
    ProbeWindow::onCreate = [](ProbeWindow& w) { AddBox(w, "Box", 0, 0, 10, 10, "1100"); };
    ProbeWindow* window = OpenProbe();
    EXPECT_NE(window->ControlByName("Box"), nullptr);
    EXPECT_EQ(window->ControlByName("Missing"), nullptr);
    EXPECT_THROW(window->AddControl("Box", std::make_unique<Rectangle>()), std::invalid_argument);
    EXPECT_THROW(AddBox(*window, "Orphan", 0, 0, 1, 1, "1100", "Nobody"), std::invalid_argument);
}

TEST_F(WindowTest, UnknownWindowPropertyIsRejectedByName) {
    ProbeWindow* window = OpenProbe();
    try {
        SetProperties(window, {{"Opacity", std::int32_t(1)}});
        FAIL() << "an unknown key was accepted";
    } catch (const std::invalid_argument& error) {
        EXPECT_NE(std::string(error.what()).find("Opacity"), std::string::npos);
    }
}

} // namespace

namespace {

class CountingApp : public Application {
public:
    int opens = 0;
    int closes = 0;
    bool windowFoundAtClose = false;
    void Event_Open() override { ++opens; }
    void Event_Close() override {
        ++closes;
        windowFoundAtClose = GetImplicitWindow("ProbeWindow.ProbeWindow") != nullptr;
    }
};

TEST_F(WindowTest, QuitClosesEveryWindowThenRaisesTheApplicationsCloseOnce) {
    auto app = std::make_unique<CountingApp>();
    CountingApp* counting = app.get();
    RuntimeRegisterAppObject(std::move(app));
    ProbeWindow* window = OpenProbe();

    Quit(0);
    Quit(0);
    EXPECT_EQ(window->closeEvents, 1);
    EXPECT_EQ(counting->closes, 1);
    EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), nullptr);
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(WindowTest, AWindowThatRefusesToCloseStopsTheQuit) {
    auto app = std::make_unique<CountingApp>();
    CountingApp* counting = app.get();
    RuntimeRegisterAppObject(std::move(app));
    ProbeWindow* window = OpenProbe();
    window->refuseClose = true;

    Quit(0);
    EXPECT_EQ(counting->closes, 0);
    EXPECT_FALSE(RuntimeQuitting());
    EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), window);
}

} // namespace

namespace {

// Whether the application quits through its Quit command or through a
// window whose closing quits it, its Close event still finds that window.
TEST_F(WindowTest, TheApplicationsCloseFindsTheClosingWindowOnBothRoads) {
    for (bool closeBox : {false, true}) {
        auto app = std::make_unique<CountingApp>();
        CountingApp* counting = app.get();
        RuntimeRegisterAppObject(std::move(app));
        ProbeWindow* window = OpenProbe();
        window->quitOnClose = true;
        if (closeBox) {
            TopLevelOf(*window)->close();
        } else {
            Quit(0);
        }
        EXPECT_EQ(counting->closes, 1) << closeBox;
        EXPECT_TRUE(counting->windowFoundAtClose) << closeBox;
        EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), nullptr) << closeBox;
        RuntimeExit();
    }
}

} // namespace

namespace {

// Where a window stored at a place and size opens on the screens there are.
struct FitCase {
    const char* label;
    WindowBounds wanted;
    std::vector<ScreenSize> areas;
    bool placesKnown;
    WindowBounds fitted;
    WindowFitLimits limits = {940, 712, 1680, 1072};
};

void PrintTo(const FitCase& fit, std::ostream* out) { *out << fit.label; }

constexpr ScreenSize kDesktop{1920, 1200, 0, 0};
constexpr ScreenSize kSmall{800, 600, 0, 0};
constexpr ScreenSize kLaptop{1280, 1024, 0, 0};
constexpr ScreenSize kRightOfDesktop{1280, 1024, 1920, 0};
constexpr int kFallbackLeft = 515;
constexpr int kFallbackTop = 50;

const FitCase kFits[] = {
    {"WholeOnTheScreenStays", {100, 100, 990, 712}, {kDesktop}, true, {100, 100, 990, 712}},
    {"LargerThanAScreenBelowTheMinimumKeepsTheCornerAndMenus",
     {100, 200, 1680, 1000},
     {kSmall},
     true,
     {0, 0, 940, 712}},
    {"LargerThanTheScreenShrinksToItAndMovesOntoIt",
     {100, 200, 1680, 1072},
     {kLaptop},
     true,
     {0, 0, 1280, 1024}},
    {"BottomBelowTheFootMovesUp", {300, 700, 990, 712}, {kDesktop}, true, {300, 488, 990, 712}},
    {"RightPastTheEdgeMovesLeft", {1400, 100, 990, 712}, {kDesktop}, true, {930, 100, 990, 712}},
    {"TheFrameStaysOnTheScreenToo",
     {0, 0, 1680, 1072},
     {kLaptop},
     true,
     {4, 30, 1272, 990},
     {940, 712, 1680, 1072, 4, 30, 4, 4}},
    {"NeverAboveTheMaximum",
     {0, 0, 1680, 1072},
     {{2560, 1600, 0, 0}},
     true,
     {0, 0, 1680, 1072},
     {940, 712, 1680, 1072}},
    {"NeverBelowTheMinimum", {10, 10, 100, 100}, {kDesktop}, true, {10, 10, 940, 712}},
    {"OnTheSecondScreenStaysThere",
     {2000, 100, 1680, 1000},
     {kDesktop, kRightOfDesktop},
     true,
     {1920, 24, 1280, 1000}},
    {"OnAScreenThatIsGoneOpensAtTheFallback",
     {3500, 100, 990, 712},
     {kDesktop},
     true,
     {kFallbackLeft, kFallbackTop, 990, 712}},
    {"WhereThePlatformCannotTellTheStoredPlaceStands",
     {3500, -800, 1680, 1000},
     {kSmall},
     false,
     {3500, -800, 940, 712}},
    {"WhereThePlatformCannotTellTheMainScreenGivesTheSize",
     {100, 100, 1680, 1072},
     {kLaptop, kDesktop},
     false,
     {100, 100, 1280, 1024}},
    {"NoScreenLeavesItAsItWas", {3500, 100, 1680, 1000}, {}, true, {3500, 100, 1680, 1000}},
};

class WindowFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(WindowFitTest, AStoredPlaceAndSizeFitTheScreens) {
    const FitCase& fit = GetParam();
    const WindowBounds got = FitToScreens(fit.wanted, kFallbackLeft, kFallbackTop, fit.limits,
                                          fit.areas, fit.placesKnown);
    EXPECT_EQ(got.Left, fit.fitted.Left);
    EXPECT_EQ(got.Top, fit.fitted.Top);
    EXPECT_EQ(got.Width, fit.fitted.Width);
    EXPECT_EQ(got.Height, fit.fitted.Height);
}

INSTANTIATE_TEST_SUITE_P(Fits, WindowFitTest, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace

namespace {

// An application whose Close event waits on a dialog with a loop of its own,
// as the report of a settings file that could not be saved does.
class ReportingApp : public Application {
public:
    bool reportEnded = false;
    void Event_Close() override {
        QDialog report;
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        report.exec();
        reportEnded = true;
    }
};

// A signal quits as Quit does, with 128 and its number as the status; a
// second one, while the quit waits on a dialog, ends the dialog and the
// quit goes on.
TEST_F(WindowTest, ASignalQuitsAndASecondOneEndsADialogThatTheQuitWaitsOn) {
    auto app = std::make_unique<ReportingApp>();
    ReportingApp* reporting = app.get();
    RuntimeRegisterAppObject(std::move(app));
    OpenProbe();
    bool stillWaiting = false;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&] {
        stillWaiting = true;
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    giveUp.start(10000);
    QTimer::singleShot(0, [] { std::raise(SIGHUP); });
    RuntimeRun();
    EXPECT_FALSE(stillWaiting);
    EXPECT_EQ(GetImplicitWindow("ProbeWindow.ProbeWindow"), nullptr);
    EXPECT_TRUE(reporting->reportEnded);
    EXPECT_EQ(RuntimeExit(), 128 + SIGHUP);
}

} // namespace
