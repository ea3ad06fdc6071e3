#pragma once

// Helpers shared by the test programs.

#include <QString>
#include <Qt>

#include <string>
#include <vector>

class QWidget;

// Prepares the framework inside the test program's QApplication; exception
// reports and messages to the user are recorded instead of shown.
void InitTestRuntime();
std::vector<std::string>& ReportedExceptions();
std::vector<std::string>& ShownMessages();

// Types a key the way a user does: to the focused widget, or to the window
// when nothing in it has the focus.
void TypeKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = QString());
// Types each character of the text.
void TypeText(QWidget* window, const QString& text);

// Starts the program as its main routine does, up to and including the
// application's Open event, without running the event loop; EndProgram
// releases everything again.
void StartProgram();
void EndProgram();
