#pragma once

// The calculator window's layout data: the window's stream and its 32
// controls in creation order, which is also their stacking order.

#include "ControlBuilding.h"

#include <span>
#include <string_view>

std::string_view Window1WindowStream();

std::span<const ControlLayout> Window1Controls();
