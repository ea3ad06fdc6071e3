#include "aboutWin.h"

#include "BundlePictures.h"
#include "Maker.h"
#include "NilObjectException.h"
#include "ShowURL.h"
#include "aboutWinLayout.h"

namespace {

// Every control handler of the window, in the controls' creation order.
// clang-format off
constexpr HandlerRow<aboutWin> kHandlers[] = {
    {"StaticText5",  On<&Label::MouseDown,     &aboutWin::StaticText5_MouseDown>},
    {"StaticText5",  On<&Label::MouseExit,     &aboutWin::StaticText5_MouseExit>},
    {"StaticText5",  On<&Label::MouseEnter,    &aboutWin::StaticText5_MouseEnter>},
    {"BevelButton1", On<&BevelButton::Action,  &aboutWin::BevelButton1_Action>},
};
// clang-format on

// The donation button shows no caption and the canvas no text: screen
// readers say what their pictures say.
constexpr SpokenName kSpokenNames[] = {
    {"BevelButton1", "Donate to lumaDex"},
    {"Canvas1", "lumaDex icon"},
};

// The two controls that show the bundle's pictures; asked for anew each
// time a window is built, so a picture put in place meanwhile shows.
std::shared_ptr<Picture> PictureOf(std::string_view control) {
    if (control == "BevelButton1") {
        return paypal();
    }
    if (control == "Canvas1") {
        return calc();
    }
    return nullptr;
}

} // namespace

std::string DonationAddress() { return std::string(kHomePage.view()) + std::string(kDonationPage); }

aboutWin::aboutWin() : Window(kRegisteredName) {}

aboutWin* aboutWin::Get() { return ImplicitInstance<aboutWin>(); }

void aboutWin::Layout() { ApplyWindowStream(*this, aboutWinWindowStream()); }

void aboutWin::CreateControls() {
    CreateControls0();
    NameControls(*this, kSpokenNames);
}

void aboutWin::CreateControls0() {
    BuildControls<aboutWin>(*this, aboutWinControls(), kHandlers, &PictureOf);
}

std::span<const HandlerRow<aboutWin>> aboutWin::Handlers() { return kHandlers; }

Label* aboutWin::StaticText1() const { return Find<Label>(*this, "StaticText1"); }
Label* aboutWin::StaticText2() const { return Find<Label>(*this, "StaticText2"); }
Label* aboutWin::StaticText3() const { return Find<Label>(*this, "StaticText3"); }
Label* aboutWin::StaticText4() const { return Find<Label>(*this, "StaticText4"); }
Label* aboutWin::StaticText5() const { return Find<Label>(*this, "StaticText5"); }
BevelButton* aboutWin::BevelButton1() const { return Find<BevelButton>(*this, "BevelButton1"); }
Label* aboutWin::StaticText6() const { return Find<Label>(*this, "StaticText6"); }
Canvas* aboutWin::Canvas1() const { return Find<Canvas>(*this, "Canvas1"); }

// The address shown is the address opened; the window stays open.
bool aboutWin::StaticText5_MouseDown(Label& label, int, int) {
    ShowURL(label.Text());
    return false;
}

void aboutWin::StaticText5_MouseExit(Label& label) {
    label.TextColor(RGB(0, 0, 255));
    label.Underline(false);
}

void aboutWin::StaticText5_MouseEnter(Label& label) {
    label.TextColor(RGB(255, 0, 0));
    label.Underline(true);
}

// The window closes before the browser is asked for the page.
void aboutWin::BevelButton1_Action(BevelButton&) {
    NotNil(aboutWin::Get())->Close();
    ShowURL(DonationAddress());
}

bool aboutWin::Event_MouseDown(int, int) {
    Close();
    return false;
}
