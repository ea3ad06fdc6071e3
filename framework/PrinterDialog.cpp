#include "PrinterDialog.h"

#include "PrinterDialogSeam.h"
#include "PrinterGraphics.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

std::function<std::unique_ptr<Graphics>()>& Seam() {
    static std::function<std::unique_ptr<Graphics>()> seam;
    return seam;
}

// The dialog's "Pages" list of page ranges is left to CUPS to pick from the
// job, and Qt 6.4 refuses every list typed into it as bad syntax; it is not
// offered. "Pages from ... to" chooses pages instead, on any printer and in
// a file, and only those are printed.
void HidePageList(QPrintDialog& dialog) {
    for (const char* name : {"pagesRadioButton", "pagesLineEdit"}) {
        if (auto* widget = dialog.findChild<QWidget*>(QLatin1String(name))) {
            widget->hide();
        }
    }
}

} // namespace

void SetPrinterDialogSeam(std::function<std::unique_ptr<Graphics>()> seam) {
    Seam() = std::move(seam);
}

std::unique_ptr<Graphics> OpenPrinterDialog() {
    if (Seam()) {
        return Seam()();
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("lumaDex"));
    QPrintDialog dialog(printer.get());
    HidePageList(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return PrinterGraphics(std::move(printer));
}
