// Prints how long one operator key and one "=" take on tapes of 1,000,
// 10,000 and 100,000 rows, and the process's peak memory. Keys go through
// the same route as typed keys: a key event to the focused display, the
// framework's key routing, the window's KeyDown, then the repaint.

#include "BenchSupport.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace {

ActionTime TimeKey(QWidget* target, Qt::Key key, const char* text) {
    const auto start = BenchClock::now();
    Type(target, key, text);
    const auto handled = BenchClock::now();
    QCoreApplication::processEvents();
    return {Milliseconds(start, handled), Milliseconds(start, BenchClock::now())};
}

} // namespace

int main(int argc, char** argv) {
    if (!StartBenchProgram("TapeBench", argc, argv)) {
        return 1;
    }
    Window1* window = Window1::Get();
    QWidget* display = FocusedDisplay();

    std::printf("%8s %22s %22s %10s\n", "rows", "operator key ms", "\"=\" ms", "peak MB");
    std::printf("%8s %11s %10s %11s %10s\n", "", "handled", "painted", "handled", "painted");
    for (int size : {1000, 10000, 100000}) {
        while (window->ListBox1()->ListCount() < size) {
            Type(display, Qt::Key_7, "7");
            Type(display, Qt::Key_Plus, "+");
        }
        QCoreApplication::processEvents();
        ActionTimes operatorKey, total;
        for (int i = 0; i < 21; ++i) {
            Type(display, Qt::Key_3, "3");
            operatorKey.Add(TimeKey(display, Qt::Key_Plus, "+"));
        }
        for (int i = 0; i < 11; ++i) {
            total.Add(TimeKey(display, Qt::Key_Equal, "="));
        }
        std::printf("%8d %11.3f %10.3f %11.3f %10.3f %10.1f\n", size, Median(operatorKey.handled),
                    Median(operatorKey.painted), Median(total.handled), Median(total.painted),
                    PeakMegabytes());
        std::fflush(stdout);
    }
    return EndBenchProgram();
}
