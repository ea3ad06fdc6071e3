#pragma once

// Where a window opens at a stored place and size, on the screens there are
// now. Pure arithmetic: the window and the screens are passed in.

#include "Screen.h"

#include <span>

// A top-level window's place and its outer size: the menu bar and the
// content, without the window manager's frame.
struct WindowBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The window's own size limits (outer, as in WindowBounds) and the frame
// that the window manager draws around it: the title bar above, borders.
struct WindowFitLimits {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    int FrameLeft = 0;
    int FrameTop = 0;
    int FrameRight = 0;
    int FrameBottom = 0;
};

// The bounds a window asked to open at `wanted` gets on screens whose
// available areas are given (the first is the main screen).
// - The size is fitted to the screen's area, frame included, within the
//   window's limits: no larger than the area, never below the minimum.
// - Where the platform tells and sets window places (placesKnown), a place
//   that cannot be reached on any screen (its top edge with the menu bar,
//   and half its width or the screen's, on it) becomes the fallback; the
//   window is then moved onto its screen whole: right and bottom edges on
//   it where it fits, and always its top-left corner with the menus.
// - Where it does not, the place is the platform's: the wanted one is kept
//   as it stands, so that it is not lost, and only the size is fitted to the
//   main screen.
// With no screen, the wanted bounds stand.
WindowBounds FitToScreens(const WindowBounds& wanted, int fallbackLeft, int fallbackTop,
                          const WindowFitLimits& limits, std::span<const ScreenSize> areas,
                          bool placesKnown);
