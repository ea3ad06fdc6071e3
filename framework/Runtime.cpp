#include "Runtime.h"

#include "Application.h"
#include "Dispatch.h"
#include "DisplayCheck.h"
#include "Fonts.h"
#include "KeyRouting.h"
#include "ReadableSelection.h"
#include "Report.h"
#include "SignalQuit.h"
#include "Window.h"
#include "WindowImpl.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStyleFactory>

#include <memory>

namespace {

struct RuntimeState {
    std::unique_ptr<QApplication> ownApplication;
    std::unique_ptr<Application> app;
    KeyRouter* keyRouter = nullptr;
    bool loopRunning = false;
    // How far quitting has got; every run of the runtime starts afresh.
    struct QuitProgress {
        bool underway = false;
        bool done = false;
        bool appClosed = false;
        int exitCode = 0;
    } quit;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

} // namespace

void RuntimeInit(int argc, char** argv) {
    RuntimeState& state = State();
    if (QApplication::instance() == nullptr) {
        // Qt reads its own options from the command line; the program takes
        // none, so Qt sees only the program's name.
        static int qtArgc = 1;
        static char name[] = "lumaDex";
        static char* qtArgv[] = {argc > 0 && argv != nullptr ? argv[0] : name, nullptr};
        state.ownApplication = ConnectToDisplay(qtArgc, qtArgv);
    }
    QApplication::setApplicationName(QStringLiteral("lumaDex"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    KeepSelectionReadable();
    InstallFontSubstitutions();
    if (state.keyRouter == nullptr) {
        state.keyRouter = new KeyRouter(QApplication::instance());
        QApplication::instance()->installEventFilter(state.keyRouter);
    }
    state.quit = {};
}

void RunFrameworkInitialization(void (*startup)()) { startup(); }

void RuntimeRegisterAppObject(std::unique_ptr<Application> app) { State().app = std::move(app); }

Application* RuntimeAppObject() { return State().app.get(); }

void RuntimeOpen() {
    if (Application* app = RuntimeAppObject()) {
        app->Event_Open();
    }
}

namespace {

// Quits for a signal that ends the session, with the status a shell reports
// for a program that the signal ended: 128 and the signal's number. Dialogs
// that run a loop of their own (the print dialog, a report) are dismissed
// first, so that the quit waits for nobody; a second signal dismisses a
// report that the quit itself raised.
void QuitOnSignal(int signal) {
    QList<QPointer<QDialog>> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget)) {
            dialogs.append(dialog);
        }
    }
    for (const QPointer<QDialog>& dialog : dialogs) {
        if (dialog != nullptr && dialog->isVisible() && dialog->isModal()) {
            dialog->reject();
        }
    }
    Quit(kSignalStatusBase + signal);
}

} // namespace

void RuntimeRun() {
    RuntimeState& state = State();
    // Installed before the Open event: a signal that comes while the window
    // opens is served as soon as the loop runs.
    const SignalQuit sessionEnd(QuitOnSignal);
    RuntimeOpen();
    if (state.quit.done) {
        return;
    }
    state.loopRunning = true;
    QApplication::exec();
    state.loopRunning = false;
}

int RuntimeExit() {
    RuntimeState& state = State();
    RuntimeReleaseWindows();
    state.app.reset();
    if (state.ownApplication) {
        state.keyRouter = nullptr;
        state.ownApplication.reset();
    }
    const int code = state.quit.exitCode;
    state.quit = {};
    return code;
}

bool RuntimeQuitting() { return State().quit.underway; }

void Quit(int code) {
    RuntimeState& state = State();
    if (state.quit.underway) {
        return;
    }
    state.quit.underway = true;
    state.quit.exitCode = code;
    for (Window* window : OpenWindows()) {
        if (!window->Impl().RequestClose(true)) {
            state.quit.underway = false;
            RetireClosedWindows();
            return;
        }
    }
    if (!state.quit.appClosed) {
        state.quit.appClosed = true;
        if (Application* app = RuntimeAppObject()) {
            Guarded([app] { app->Event_Close(); });
        }
    }
    RetireClosedWindows();
    state.quit.done = true;
    QCoreApplication::exit(code);
}

void NoteWindowClosed() {
    RuntimeState& state = State();
    if (state.loopRunning && !state.quit.underway && OpenWindows().empty()) {
        Quit(0);
    }
}

void UnhandledException(const std::exception& error) {
    UnhandledException(std::string(error.what()));
}

void UnhandledException(const std::string& description) {
    ReportFailure(std::string(kUnexpectedError) + description);
}
