#pragma once

// Framework-internal: the program's font names mapped onto the faces that
// the system has, and text sizes in points shown as that many pixels.

#include <QFont>

#include <string>

void InstallFontSubstitutions();
// "System" and "" are the platform's interface font; a size of 0 keeps the
// default size.
QFont MakeFont(const std::string& family, double size, bool bold, bool italic, bool underline);
