// Prints how long the program takes from its start to the first paint of
// the calculator window, on a first run and with a settings file to read,
// and the difference between the two. Runs alternate between the two kinds
// so that both see the same warm caches.

#include "BenchSupport.h"
#include "Runtime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Notes the first paint of any widget.
class FirstPaint : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        seen = seen || event->type() == QEvent::Paint;
        return false;
    }
};

QString SettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/lumaDex2.prefs";
}

// One run: start, wait for the first paint, then quit as the user does
// (which writes the settings file) and end.
double TimedRun(FirstPaint& paint) {
    QElapsedTimer timer;
    paint.seen = false;
    timer.start();
    RunFrameworkInitialization(&Startup);
    RuntimeOpen();
    while (!paint.seen) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    Quit(0);
    Finalize();
    RuntimeExit();
    QCoreApplication::processEvents();
    return milliseconds;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    RuntimeInit(argc, argv);
    FirstPaint paint;
    application.installEventFilter(&paint);

    // A warm-up run, whose quit also leaves the settings file to read.
    TimedRun(paint);
    QFile stored(SettingsFile());
    stored.open(QIODevice::ReadOnly);
    const QByteArray settings = stored.readAll();
    stored.close();

    constexpr int kRuns = 51;
    std::vector<double> firstRuns, withFile;
    for (int run = 0; run < kRuns; ++run) {
        QFile::remove(SettingsFile());
        firstRuns.push_back(TimedRun(paint));
        QFile file(SettingsFile());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(settings);
        file.close();
        withFile.push_back(TimedRun(paint));
    }
    const double first = Median(firstRuns);
    const double read = Median(withFile);
    const double fastestFirst = *std::min_element(firstRuns.begin(), firstRuns.end());
    const double fastestRead = *std::min_element(withFile.begin(), withFile.end());
    std::printf("start to first paint over %d runs of each kind\n", kRuns);
    std::printf("%-24s %10s %10s\n", "", "median ms", "fastest ms");
    std::printf("%-24s %10.3f %10.3f\n", "first run (no file)", first, fastestFirst);
    std::printf("%-24s %10.3f %10.3f\n", "with a settings file", read, fastestRead);
    std::printf("%-24s %+9.1f%% %+9.1f%%\n", "difference", (read - first) / first * 100.0,
                (fastestRead - fastestFirst) / fastestFirst * 100.0);
    return 0;
}
