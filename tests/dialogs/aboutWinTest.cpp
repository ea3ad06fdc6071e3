#include "aboutWin.h"
#include "App.h"
#include "BevelButton.h"
#include "Canvas.h"
#include "Label.h"
#include "QtAccess.h"
#include "Runtime.h"
#include "TempBundle.h"
#include "TestSupport.h"
#include "URLOpenerSeam.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kName = "aboutWin.aboutWin";

// The running program with a bundle of its own; every address handed to the
// browser is recorded with whether the About window was open at that moment.
class AboutWinTest : public ::testing::Test {
protected:
    struct Opened {
        std::string address;
        bool aboutOpen;
    };

    void SetUp() override {
        ReportedExceptions().clear();
        bundle = std::make_unique<TempBundle>();
        bundle->Put("calc.png");
        bundle->Put("paypal.gif");
        SetURLOpenerForTesting([this](const std::string& address) {
            opened.push_back({address, GetImplicitWindow(kName) != nullptr});
        });
        StartProgram();
    }

    void TearDown() override {
        EndProgram();
        SetURLOpenerForTesting({});
        bundle.reset();
        EXPECT_TRUE(ReportedExceptions().empty());
    }

    static aboutWin* About() {
        EXPECT_FALSE(TheApp().FileAboutlumaDex_Action());
        return aboutWin::Get();
    }

    static void Enter(Label& label) {
        QWidget* widget = WidgetOf(label);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(widget, &enter);
    }

    static void Leave(Label& label) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(WidgetOf(label), &leave);
    }

    std::unique_ptr<TempBundle> bundle;
    std::vector<Opened> opened;
};

TEST_F(AboutWinTest, AboutTwiceGivesOneWindow) {
    aboutWin* first = About();
    aboutWin* second = About();
    EXPECT_EQ(first, second);
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        shown += widget->objectName() == kName && widget->isVisible();
    }
    EXPECT_EQ(shown, 1);
}

TEST_F(AboutWinTest, OpensFixedInSizeWithoutMaximizeButton) {
    aboutWin* window = About();
    QWidget* top = TopLevelOf(*window);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(window->Width(), 738);
    EXPECT_EQ(window->Height(), 454);
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->StaticText2()->Text(), "version 2.5");
}

TEST_F(AboutWinTest, LinkIsRedAndUnderlinedOnlyUnderThePointer) {
    Label& link = *About()->StaticText5();
    const struct {
        const char* step;
        void (*move)(Label&);
        Color colour;
        bool underlined;
    } steps[] = {
        {"AsBuilt", [](Label&) {}, RGB(0, 0, 255), false},
        {"PointerOn", &Enter, RGB(255, 0, 0), true},
        {"PointerOff", &Leave, RGB(0, 0, 255), false},
        {"PointerOnAgain", &Enter, RGB(255, 0, 0), true},
    };
    for (const auto& step : steps) {
        step.move(link);
        EXPECT_EQ(link.TextColor(), step.colour) << step.step;
        EXPECT_EQ(link.Underline(), step.underlined) << step.step;
        EXPECT_EQ(WidgetOf(link)->palette().color(QPalette::Active, QPalette::WindowText),
                  QColor(step.colour.red, step.colour.green, step.colour.blue))
            << step.step;
        EXPECT_EQ(WidgetOf(link)->font().underline(), step.underlined) << step.step;
    }
}

TEST_F(AboutWinTest, LinkOpensItsOwnTextAndLeavesTheWindowOpen) {
    aboutWin* window = About();
    Label& link = *window->StaticText5();
    QTest::mousePress(WidgetOf(link), Qt::LeftButton);
    QTest::mouseRelease(WidgetOf(link), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].address, link.Text());
    EXPECT_EQ(opened[0].address.rfind("http://", 0), 0u);
    EXPECT_TRUE(opened[0].aboutOpen);
    EXPECT_EQ(GetImplicitWindow(kName), window);
}

TEST_F(AboutWinTest, DonationClosesTheWindowThenOpensTheDonationPage) {
    std::string home;
    for (int press = 0; press < 2; ++press) {
        aboutWin* window = About();
        home = window->StaticText5()->Text();
        QTest::mouseClick(WidgetOf(*window->BevelButton1()), Qt::LeftButton);
        EXPECT_EQ(GetImplicitWindow(kName), nullptr) << press;
    }
    ASSERT_EQ(opened.size(), 2u);
    for (const Opened& page : opened) {
        EXPECT_EQ(page.address, home + "/paypal.php?app=lumaDex");
        EXPECT_FALSE(page.aboutOpen) << "the window closes before the page opens";
    }
}

TEST_F(AboutWinTest, APressOnTheSurfaceClosesItAndTheNextOneIsBuiltAfresh) {
    const struct {
        const char* where;
        QWidget* (*widget)(aboutWin&);
    } places[] = {
        {"Background", [](aboutWin& w) { return ContentOf(w); }},
        {"Picture", [](aboutWin& w) { return WidgetOf(*w.Canvas1()); }},
        {"Description", [](aboutWin& w) { return WidgetOf(*w.StaticText3()); }},
    };
    for (const auto& place : places) {
        aboutWin* window = About();
        EXPECT_EQ(window->StaticText5()->TextColor(), RGB(0, 0, 255)) << place.where;
        EXPECT_FALSE(window->StaticText5()->Underline()) << place.where;
        Enter(*window->StaticText5());
        QTest::mousePress(place.widget(*window), Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(GetImplicitWindow(kName), nullptr) << place.where;
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutWinTest, EveryWindowShowsTheSamePicturesReadOnce) {
    aboutWin* window = About();
    const auto icon = window->BevelButton1()->Icon();
    const auto backdrop = window->Canvas1()->Backdrop();
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(backdrop, nullptr);
    window->Close();
    bundle->Remove("calc.png");
    bundle->Remove("paypal.gif");
    window = About();
    EXPECT_EQ(window->BevelButton1()->Icon(), icon);
    EXPECT_EQ(window->Canvas1()->Backdrop(), backdrop);
}

TEST_F(AboutWinTest, WithoutPicturesTheWindowOpensAndTheBlankButtonWorks) {
    bundle->Remove("calc.png");
    bundle->Remove("paypal.gif");
    aboutWin* window = About();
    EXPECT_TRUE(TopLevelOf(*window)->isVisible());
    EXPECT_EQ(window->BevelButton1()->Icon(), nullptr);
    EXPECT_EQ(window->Canvas1()->Backdrop(), nullptr);
    const std::string home = window->StaticText5()->Text();
    QTest::mouseClick(WidgetOf(*window->BevelButton1()), Qt::LeftButton);
    EXPECT_EQ(GetImplicitWindow(kName), nullptr);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].address, home + "/paypal.php?app=lumaDex");

    // The pictures are asked for again when the next window is built.
    bundle->Put("calc.png");
    window = About();
    EXPECT_NE(window->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(window->BevelButton1()->Icon(), nullptr);
}

} // namespace
