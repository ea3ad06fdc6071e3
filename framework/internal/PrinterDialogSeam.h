#pragma once

// Framework-internal and for tests: a print dialog blocks until it is
// closed, so tests and benchmarks hand OpenPrinterDialog its answer instead.

#include "Graphics.h"

#include <functional>
#include <memory>

// OpenPrinterDialog answers what the seam gives (null for a cancelled
// dialog) instead of showing the dialog; an empty seam shows it again.
void SetPrinterDialogSeam(std::function<std::unique_ptr<Graphics>()> seam);
