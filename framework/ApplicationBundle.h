#pragma once

#include "FolderItem.h"

#include <memory>

// The bundle's resources folder, "Resources" beside the running executable's
// own folder, or null when it is not an existing folder. Raises
// NilObjectException when the executable or its folders cannot be found.
std::unique_ptr<FolderItem> GetApplicationBundleResources();
