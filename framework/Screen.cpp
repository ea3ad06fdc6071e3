#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

ScreenSize Screen(int index) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) {
        return {};
    }
    const QRect area = screens.at(index)->geometry();
    return {area.width(), area.height(), area.x(), area.y()};
}

int ScreenCount() { return static_cast<int>(QGuiApplication::screens().size()); }
