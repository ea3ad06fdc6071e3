// Prints how long one operator key and one "=" take on tapes of 1,000,
// 10,000 and 100,000 rows, and the process's peak memory. Keys go through
// the same route as typed keys: a key event to the focused display, the
// framework's key routing, the window's KeyDown, then the repaint.

#include "Main.h"
#include "QtAccess.h"
#include "Runtime.h"
#include "Window1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Type(QWidget* target, Qt::Key key, const char* text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
    QApplication::sendEvent(target, &press);
}

// Milliseconds of one key, from the press to the end of its repaint.
double TimeKey(QWidget* target, Qt::Key key, const char* text) {
    const auto start = std::chrono::steady_clock::now();
    Type(target, key, text);
    QCoreApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    RuntimeInit(argc, argv);
    RunFrameworkInitialization(&Startup);
    RuntimeOpen();
    Window1* window = Window1::Get();
    QWidget* display = WidgetOf(*window->LCD());
    display->setFocus();
    QCoreApplication::processEvents();

    std::printf("%10s %16s %12s %16s\n", "rows", "operator key ms", "\"=\" ms", "peak memory MB");
    for (int size : {1000, 10000, 100000}) {
        while (window->ListBox1()->ListCount() < size) {
            Type(display, Qt::Key_7, "7");
            Type(display, Qt::Key_Plus, "+");
        }
        QCoreApplication::processEvents();
        std::vector<double> operatorKeys;
        std::vector<double> totals;
        for (int i = 0; i < 21; ++i) {
            Type(display, Qt::Key_3, "3");
            operatorKeys.push_back(TimeKey(display, Qt::Key_Plus, "+"));
        }
        for (int i = 0; i < 11; ++i) {
            totals.push_back(TimeKey(display, Qt::Key_Equal, "="));
        }
        std::printf("%10d %16.3f %12.3f %16.1f\n", size, Median(operatorKeys), Median(totals),
                    PeakMegabytes());
        std::fflush(stdout);
    }
    Finalize();
    RuntimeExit();
    return 0;
}
