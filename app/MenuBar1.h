#pragma once

#include "MenuItem.h"

// The application's only menu bar: File, Edit and Layout, built once.
class MenuBar1 : public MenuBar {
public:
    MenuBar1();

    // The single instance, created on the first call.
    static MenuBar1* Get();
    static void Release();

    void Untitled0();
    void Untitled1();
    void Untitled2();
};
