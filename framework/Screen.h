#pragma once

// A screen's place and size in pixels, in the coordinates of windows.
struct ScreenSize {
    int Width = 0;
    int Height = 0;
    int Left = 0;
    int Top = 0;
};

// The screen of that index (0 is the main screen); zeros when there is none.
ScreenSize Screen(int index);
// The part of that screen that windows may take: the screen less the
// desktop's own panels and docks; zeros when there is none.
ScreenSize ScreenAvailable(int index);
// How many screens there are.
int ScreenCount();
