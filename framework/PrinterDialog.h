#pragma once

#include "Graphics.h"

#include <memory>

// Shows the platform's print dialog, with no page setup and no parent
// window, and answers the chosen printer's drawing surface; null when the
// user cancels, or when the printer or file cannot be opened (the user has
// then been told why).
std::unique_ptr<Graphics> OpenPrinterDialog();
