#include "App.h"
#include "Main.h"
#include "NumberText.h"
#include "Runtime.h"
#include "Screen.h"
#include "TestSupport.h"
#include "Window1.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class StartupTest : public ::testing::Test {
protected:
    void TearDown() override { EndProgram(); }
};

TEST_F(StartupTest, TheSettingsAreZeroUntilTheApplicationOpens) {
    RunFrameworkInitialization(&Startup);
    App* app = App::Get();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->decimali, 0);
    EXPECT_EQ(app->decimalFormat, "");
    EXPECT_EQ(app->layout, "");
    EXPECT_EQ(app->tapeSize, 0);
    EXPECT_EQ(app->mem, 0.0);
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);
}

TEST_F(StartupTest, AFirstRunTakesTheDefaultsAndOpensTheCalculator) {
    StartProgram();
    App* app = App::Get();
    EXPECT_EQ(app->decimali, 1);
    EXPECT_EQ(app->decimalFormat, "-#.##");
    EXPECT_EQ(app->descrizione, "Description");
    EXPECT_EQ(app->valore, "Value");
    EXPECT_EQ(app->totale, "Tot.");
    EXPECT_EQ(app->tapeSize, 24);
    EXPECT_EQ(app->layout, "left");
    EXPECT_EQ(app->mem, 0.0);

    Window1* window = Window1::Get();
    // On a screen narrower than that place leaves, the left edge stays on it.
    EXPECT_EQ(window->Left(), std::max(0, CInt32(Screen(0).Width / 2.0 - 445.0)));
    EXPECT_EQ(window->Top(), 50);
    EXPECT_EQ(window->Width(), 990);
    EXPECT_EQ(window->Height(), 690);
    EXPECT_EQ(window->Title(), "lumaDex");
    EXPECT_EQ(window->ListBox1()->TextSize(), 24);
    EXPECT_FALSE(window->tRect()->Visible());
    EXPECT_FALSE(window->tSIze()->Visible());
    EXPECT_EQ(window->LCD()->Text(), "0");
}

} // namespace
