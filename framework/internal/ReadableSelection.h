#pragma once

// Framework-internal: a selection the user's theme paints too faint to read.

// The tape's selected row, a chosen item of a popup and a highlighted menu
// item draw the palette's highlighted text on its highlight. Where that pair
// reads below 4.5:1 (Qt's own light palette draws white on a mid blue, at
// 3.7:1), the highlight is taken darker or lighter, away from its text,
// until it reads; the theme's text colour and hue stay. Kept so for every
// palette given while a widget exists; a palette given while none does is
// made readable when the next window is built.
void KeepSelectionReadable();
