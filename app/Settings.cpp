#include "App.h"

#include "Controls.h"
#include "NilObjectException.h"
#include "NumberText.h"
#include "Screen.h"
#include "Window1.h"

namespace {

// The settings of a first run, when there is no settings file.
void SetFirstRunDefaults(App& app) {
    app.winLeft = CInt32(Screen(0).Width / 2.0 - 445.0);
    app.winTop = 50;
    app.winWidth = 990;
    app.winHeight = 690;
    app.decimali = 1;
    app.decimalFormat = "-#.##";
    app.descrizione = "Description";
    app.valore = "Value";
    app.totale = "Tot.";
    app.tapeSize = 24;
    app.layout = "left";
}

} // namespace

void App::loadPrefs() {
    SetFirstRunDefaults(*this);

    // The record is complete before the calculator window exists, so its
    // Open event finds the keypad side; place and size come after it.
    NotNil(Window1::Get())->Left(winLeft);
    NotNil(Window1::Get())->Top(winTop);
    NotNil(Window1::Get())->Width(winWidth);
    NotNil(Window1::Get())->Height(winHeight);
    NotNil(NotNil(Window1::Get())->Slider1())->Value(tapeSize);
    NotNil(NotNil(Window1::Get())->tRect())->Visible(false);
    NotNil(NotNil(Window1::Get())->tSIze())->Visible(false);
}

// The settings file is written with its own change; nothing is stored yet.
void App::savePrefs() {}
