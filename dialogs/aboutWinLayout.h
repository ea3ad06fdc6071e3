#pragma once

// The About window's layout data: the window's stream and its 8 controls in
// creation order, which is also their stacking order.

#include "ControlBuilding.h"

#include <span>
#include <string_view>

std::string_view aboutWinWindowStream();

std::span<const ControlLayout> aboutWinControls();
