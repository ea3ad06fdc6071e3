#pragma once

#include "Application.h"

#include <cstdint>
#include <string>

// The application object. Its fields are the settings record that the
// whole program reads and writes; all of them are zero or empty until the
// application opens and reads the settings.
class App : public Application {
public:
    // The registered application object, or null before start-up made it.
    static App* Get();

    void Event_Open() override;
    void Event_Close() override;

    // Menu commands, bound to their items by name at start-up.
    bool FileAboutlumaDex_Action();
    bool FilePreferences_Action();
    bool LayoutSwitch_Action();

    void loadPrefs();
    void savePrefs();

    std::int32_t decimali = 0;
    std::string descrizione;
    std::string valore;
    std::int32_t winTop = 0;
    std::int32_t winLeft = 0;
    std::int32_t winWidth = 0;
    std::int32_t winHeight = 0;
    std::int32_t tapeSize = 0;
    std::string decimalFormat;
    std::string totale;
    double mem = 0.0;
    std::string layout;
};

// The application object; NilObjectException when start-up has not made it.
App& TheApp();
