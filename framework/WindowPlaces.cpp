#include "WindowPlaces.h"

#include <QGuiApplication>

namespace {

std::optional<bool>& Override() {
    static std::optional<bool> known;
    return known;
}

} // namespace

bool PlatformTellsWindowPlaces() {
    if (Override()) {
        return *Override();
    }
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetWindowPlacesKnownForTesting(std::optional<bool> known) { Override() = known; }
