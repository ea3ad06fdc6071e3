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
// Releases the windows and the class-level menu bar at the end of the run.
void Finalize();
