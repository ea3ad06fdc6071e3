#pragma once

// Framework-internal: whether the platform tells where a window is and lets
// the program place it. Wayland does neither: a window's place there is the
// compositor's alone, and Qt reports it as 0, 0.

#include <optional>

bool PlatformTellsWindowPlaces();

// For tests: answers the given value instead of the platform's; nullopt
// restores the platform's answer.
void SetWindowPlacesKnownForTesting(std::optional<bool> known);
