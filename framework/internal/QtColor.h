#pragma once

// Framework-internal: colours of the layout data as Qt colours.

#include "Color.h"

#include <QColor>

inline QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }
