#include "Main.h"

#include "App.h"
#include "BundlePictures.h"
#include "MenuBar1.h"
#include "NilObjectException.h"
#include "Runtime.h"

#include <memory>

int ProgramMain(int argc, char** argv) {
    RuntimeInit(argc, argv);
    Main();
    Finalize();
    return RuntimeExit();
}

void Main() {
    try {
        RunFrameworkInitialization(&Startup);
        RuntimeRun();
    } catch (const std::exception& error) {
        UnhandledException(error);
    } catch (...) {
        UnhandledException(std::string("an exception of unknown type"));
    }
}

void Startup() {
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

// The program declares no document file types.
void InitFileTypes() {}

void NewAppInstance() {
    auto app = std::make_unique<App>();
    app->MenuBar(NotNil(MenuBar1::Get()));
    RuntimeRegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {
    struct Binding {
        const char* itemName;
        bool (App::*handler)();
    };
    static const Binding bindings[] = {
        {"FileAboutlumaDex", &App::FileAboutlumaDex_Action},
        {"FilePreferences", &App::FilePreferences_Action},
        {"LayoutSwitch", &App::LayoutSwitch_Action},
    };
    for (const Binding& binding : bindings) {
        App* app = NotNil(App::Get(), "App");
        app->AddMenuHandler(binding.itemName,
                            [app, handler = binding.handler] { return (app->*handler)(); });
    }
}

// The windows go before the menu bar that they show and the pictures.
void Finalize() {
    RuntimeReleaseWindows();
    if (App* app = App::Get()) {
        app->MenuBar(nullptr);
    }
    MenuBar1::Release();
    ReleaseBundlePictures();
}
