#pragma once

#include "FolderItem.h"

#include <memory>

namespace SpecialFolder {

// The user's preferences folder (it may not exist yet), or null when the
// system names none.
std::unique_ptr<FolderItem> Preferences();

} // namespace SpecialFolder
