#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

ScreenSize Area(int index, QRect (QScreen::*area)() const) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) {
        return {};
    }
    const QRect rect = (screens.at(index)->*area)();
    return {rect.width(), rect.height(), rect.x(), rect.y()};
}

} // namespace

ScreenSize Screen(int index) { return Area(index, &QScreen::geometry); }

ScreenSize ScreenAvailable(int index) { return Area(index, &QScreen::availableGeometry); }

int ScreenCount() { return static_cast<int>(QGuiApplication::screens().size()); }
