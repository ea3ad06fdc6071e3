#pragma once

// Framework-internal: the program's font names mapped onto the faces that
// the system has, and text sizes in points shown as that many pixels.

#include <QFont>

#include <functional>

#include <string>

void InstallFontSubstitutions();
// "System" and "" are the platform's interface font; a size of 0 keeps the
// default size.
QFont MakeFont(const std::string& family, double size, bool bold, bool italic, bool underline);

// The layouts were drawn with narrower faces than the ones here: the base
// font set narrower, down to a limit, until the text fits by the test; the
// base font itself when it fits at its full width.
QFont NarrowedToFit(const QFont& base, const std::function<bool(const QFont&)>& fits);
