#pragma once

#include "Graphics.h"

#include <memory>

// Shows the platform's print dialog, with no page setup and no parent
// window, and answers the chosen printer's drawing surface; null when the
// user cancels, or when the PDF file cannot be made (the user has then been
// told why). A printer that cannot be opened is reported at the first
// drawing.
std::unique_ptr<Graphics> OpenPrinterDialog();
