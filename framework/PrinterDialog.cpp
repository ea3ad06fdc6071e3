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
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return PrinterGraphics(std::move(printer));
}
