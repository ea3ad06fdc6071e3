#pragma once

// The Preferences dialog's layout data: the window's stream and its 12
// controls in creation order.

#include "ControlBuilding.h"

#include <span>
#include <string_view>

std::string_view prefsWinWindowStream();

std::span<const ControlLayout> prefsWinControls();
