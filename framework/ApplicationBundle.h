#pragma once

// Where the running application lies: its executable file and the bundle's
// resources folder, "Resources" beside the executable's own folder.

#include "FolderItem.h"

#include <memory>

// The running application's executable file.
std::unique_ptr<FolderItem> ExecutableFile();

// The bundle's resources folder, or null when it is not an existing folder.
// Raises NilObjectException when the executable or its folders cannot be
// found.
std::unique_ptr<FolderItem> GetApplicationBundleResources();
