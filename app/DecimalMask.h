#pragma once

#include <cstdint>
#include <string>

// The number mask for a decimal-places choice (0 to 3: one to four
// decimals). Any other choice keeps the current mask, so the settings reader
// and the Preferences dialog map a choice to its mask alike.
std::string MaskForDecimali(std::int32_t decimali, const std::string& current);
