#include "App.h"

#include "NilObjectException.h"
#include "Runtime.h"

App* App::Get() { return dynamic_cast<App*>(RuntimeAppObject()); }

App& TheApp() { return *NotNil(App::Get(), "App"); }

void App::Event_Open() { loadPrefs(); }

void App::Event_Close() { savePrefs(); }
