#pragma once

#include <exception>
#include <memory>
#include <string>
#include <string_view>

class Application;

// Start-up and end of the program, in the order the program calls them:
// RuntimeInit, RunFrameworkInitialization (which calls the start-up routine
// back once), RuntimeRun (raises the application's Open event, runs the
// event loop until the application quits), RuntimeExit (releases what the
// framework holds and answers the exit status).
void RuntimeInit(int argc, char** argv);
void RunFrameworkInitialization(void (*startup)());
void RuntimeRegisterAppObject(std::unique_ptr<Application> app);
// The registered application object, or null.
Application* RuntimeAppObject();
// While the event loop runs, SIGTERM, SIGHUP and SIGINT quit the
// application as Quit does, the exit status then being kSignalStatusBase
// plus the signal's number (143, 129, 130), as a shell reports it.
void RuntimeRun();
inline constexpr int kSignalStatusBase = 128;
// Releases every window, open or closed, at the end of the run.
void RuntimeReleaseWindows();
int RuntimeExit();

// Raises the application's Open event; RuntimeRun does it before the loop.
void RuntimeOpen();

// Asks the application to quit: every open window is asked to close (any of
// them may refuse), each is closed, the application's Close event runs once,
// and the event loop ends with the code as the exit status.
void Quit(int code = 0);
bool RuntimeQuitting();

// The report of an exception that no code caught, made through
// ReportFailure: kUnexpectedError followed by the exception's description.
// The program goes on running.
inline constexpr std::string_view kUnexpectedError = "An unexpected error occurred: ";
void UnhandledException(const std::exception& error);
void UnhandledException(const std::string& description);
