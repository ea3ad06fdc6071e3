// Prints how long the Print button takes to print tapes of 1,000 and 10,000
// rows to a PDF file on Letter paper, the dialog left out, from the click to
// the complete file, and the process's peak memory before and after.

#include "BenchSupport.h"
#include "PrinterDialogSeam.h"
#include "PrinterGraphics.h"

#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    if (!StartBenchProgram("TapePrintBench", argc, argv)) {
        return 1;
    }
    Window1* window = Window1::Get();
    QWidget* display = FocusedDisplay();

    QTemporaryDir folder;
    const QString path = folder.filePath("tape.pdf");
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    SetPrinterDialogSeam([&] { return PdfGraphics(path, letter); });

    std::printf("%8s %10s %10s %14s %13s\n", "rows", "print s", "PDF KB", "peak MB before",
                "peak MB after");
    for (int size : {1000, 10000}) {
        while (window->ListBox1()->ListCount() < size) {
            Type(display, Qt::Key_1, "1");
            Type(display, Qt::Key_2, "2");
            Type(display, Qt::Key_Period, ".");
            Type(display, Qt::Key_5, "5");
            Type(display, Qt::Key_Plus, "+");
        }
        QCoreApplication::processEvents();
        const double before = PeakMegabytes();
        const auto start = BenchClock::now();
        window->BevelButton22_Action(*window->BevelButton22());
        std::printf("%8d %10.3f %10.0f %14.1f %13.1f\n", size,
                    Milliseconds(start, BenchClock::now()) / 1000.0,
                    static_cast<double>(QFileInfo(path).size()) / 1024.0, before, PeakMegabytes());
        std::fflush(stdout);
    }
    SetPrinterDialogSeam({});
    return EndBenchProgram();
}
