#pragma once

// Framework-internal and for tests: the printer's drawing surfaces, made on
// QPainter.

#include "Graphics.h"

#include <QPageLayout>
#include <QString>

#include <memory>

class QPrinter;

// A surface printing to a PDF file on pages of the layout. The file is
// written whole when the job ends: a file that cannot be made, or not
// written to the end, is reported to the user with its name and the reason,
// and leaves no half file behind. Null, after the report, when the file
// cannot be made at all. A surface let go with nothing drawn on it saves no
// file.
std::unique_ptr<Graphics> PdfGraphics(const QString& path, const QPageLayout& layout);

// A surface on the printer as the print dialog set it up; a printer set to
// print to a PDF file prints as PdfGraphics does. The job begins with the
// first drawing, which tells the user when the printer cannot be opened; a
// surface let go with nothing drawn on it prints nothing.
std::unique_ptr<Graphics> PrinterGraphics(std::unique_ptr<QPrinter> printer);
