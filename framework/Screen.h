#pragma once

// A screen's size in pixels.
struct ScreenSize {
    int Width = 0;
    int Height = 0;
};

// The screen of that index (0 is the main screen); zeros when there is none.
ScreenSize Screen(int index);
