#pragma once

// Framework-internal and for tests: the printer's drawing surfaces, made on
// QPainter.

#include "Graphics.h"

#include <QPageLayout>
#include <QPageRanges>
#include <QString>

#include <memory>

class QPrinter;

// What the print dialog chose beside the printer and the paper: which pages
// of what is drawn go on paper, in which order, and how many copies the
// program makes itself (a printer that makes copies is sent one).
struct PrintChoice {
    QPageRanges pages; // numbered from 1; empty for every page
    int copies = 1;
    bool collate = true;
    bool lastPageFirst = false;
};

// A surface printing to a PDF file on pages of the layout, the chosen pages
// and copies only. The file is written whole when the job ends: a file that
// cannot be made, or not written to the end, is reported to the user with
// its name and the reason, and leaves no half file behind. Null, after the
// report, when the file cannot be made at all. A surface let go with nothing
// drawn on it saves no file; one whose pages are none of the chosen ones is
// reported and saves none either.
std::unique_ptr<Graphics> PdfGraphics(const QString& path, const QPageLayout& layout,
                                      const PrintChoice& choice = {});

// A surface on the printer as the print dialog set it up, pages and copies
// included; a printer set to print to a PDF file prints as PdfGraphics does.
// The job is sent when the surface is let go; a printer that cannot be
// opened, or that does not take the job, is reported to the user with its
// name. A surface let go with nothing drawn on it prints nothing.
std::unique_ptr<Graphics> PrinterGraphics(std::unique_ptr<QPrinter> printer);
