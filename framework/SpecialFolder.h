#pragma once

#include "FolderItem.h"

#include <memory>

namespace SpecialFolder {

// The user's preferences folder (it may not exist yet), or null when the
// system names none. It follows the XDG Base Directory rules: an absolute
// XDG_CONFIG_HOME, else ".config" in the user's home folder (HOME when it
// is absolute, else the password database's entry), which must exist. The
// path keeps the environment's bytes as they are.
std::unique_ptr<FolderItem> Preferences();

} // namespace SpecialFolder
