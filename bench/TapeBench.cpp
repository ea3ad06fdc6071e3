// Prints how long one operator key and one "=" take on tapes of 1,000,
// 10,000 and 100,000 rows, and the process's peak memory. Keys go through
// the same route as typed keys: a key event to the focused display, the
// framework's key routing, the window's KeyDown, then the repaint.

#include "BenchSupport.h"
#include "QtAccess.h"
#include "Runtime.h"
#include "Window1.h"

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct KeyTime {
    double handled; // milliseconds from the press to the end of its handler
    double painted; // milliseconds from the press to the end of its repaint
};

KeyTime TimeKey(QWidget* target, Qt::Key key, const char* text) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    Type(target, key, text);
    const auto handled = Clock::now();
    QCoreApplication::processEvents();
    const auto painted = Clock::now();
    return {std::chrono::duration<double, std::milli>(handled - start).count(),
            std::chrono::duration<double, std::milli>(painted - start).count()};
}

} // namespace

int main(int argc, char** argv) {
    if (!StartBenchProgram("TapeBench", argc, argv)) {
        return 1;
    }
    Window1* window = Window1::Get();
    QWidget* display = WidgetOf(*window->LCD());
    display->setFocus();
    QCoreApplication::processEvents();

    std::printf("%8s %22s %22s %10s\n", "rows", "operator key ms", "\"=\" ms", "peak MB");
    std::printf("%8s %11s %10s %11s %10s\n", "", "handled", "painted", "handled", "painted");
    for (int size : {1000, 10000, 100000}) {
        while (window->ListBox1()->ListCount() < size) {
            Type(display, Qt::Key_7, "7");
            Type(display, Qt::Key_Plus, "+");
        }
        QCoreApplication::processEvents();
        std::vector<double> operatorHandled, operatorPainted, totalHandled, totalPainted;
        for (int i = 0; i < 21; ++i) {
            Type(display, Qt::Key_3, "3");
            const KeyTime time = TimeKey(display, Qt::Key_Plus, "+");
            operatorHandled.push_back(time.handled);
            operatorPainted.push_back(time.painted);
        }
        for (int i = 0; i < 11; ++i) {
            const KeyTime time = TimeKey(display, Qt::Key_Equal, "=");
            totalHandled.push_back(time.handled);
            totalPainted.push_back(time.painted);
        }
        std::printf("%8d %11.3f %10.3f %11.3f %10.3f %10.1f\n", size, Median(operatorHandled),
                    Median(operatorPainted), Median(totalHandled), Median(totalPainted),
                    PeakMegabytes());
        std::fflush(stdout);
    }
    Finalize();
    RuntimeExit();
    return 0;
}
