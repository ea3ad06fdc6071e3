#pragma once

#include <QApplication>

#include <memory>

// Framework-internal: Qt aborts the process when its platform cannot reach a
// display, whether none is named, the one named does not exist, or every
// platform of QT_QPA_PLATFORM fails. The runtime instead ends with one plain
// line and status 1: with nothing named, how to give lumaDex a display;
// otherwise the display or platform named and Qt's own reason.

// The application object, connected to a display; where no display can be
// reached, writes the no-display line to standard error and ends the process
// with status 1. Qt's messages of a failed start go into that line only;
// those of a start that succeeds are passed on.
std::unique_ptr<QApplication> ConnectToDisplay(int& argc, char** argv);
