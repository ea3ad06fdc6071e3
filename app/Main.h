#pragma once

// The program's main routine: starts the runtime, builds the application,
// runs the event loop and answers the exit status.
int ProgramMain(int argc, char** argv);

// The start-up routines, in the order they run.
void Main();
void Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
// Releases the windows, the class-level menu bar and the bundle pictures at
// the end of the run.
void Finalize();
