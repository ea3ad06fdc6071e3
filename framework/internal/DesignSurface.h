#pragma once

// Framework-internal: the design's own light colours. A text whose colour the
// layout fixes (a key's caption, a label's text) stands on one of these
// surfaces, never on one of the user's theme, so that it reads as designed
// under a dark or high-contrast theme too. What the layout leaves to the
// system (the tape, the fields, the push buttons, the menus) takes both its
// text and its surface from the palette.

#include <QColor>
#include <QPalette>

class QWidget;

// Light grey window and button faces, white fields, black text.
const QPalette& DesignPalette();

// The widget's surface takes the given colour, and the text drawn straight
// on it (a group box's title) the design's: the pair comes from one source.
// The other pairs of colours stay the palette's.
void SetDesignSurface(QWidget& widget, const QColor& surface);
