#pragma once

// What the benchmark programs share: starting the program as its main
// routine does, typing keys, and the figures they print.

#include "Main.h"
#include "Runtime.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Starts the program offscreen, up to and including the application's Open
// event. The program reads its settings file when it opens and writes it
// when it quits: a benchmark works on a folder of its own, never the user's.
inline bool StartBenchProgram(const char* benchName, int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string folder = std::string("/tmp/") + benchName + ".XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return false;
    }
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    RuntimeInit(argc, argv);
    RunFrameworkInitialization(&Startup);
    RuntimeOpen();
    QCoreApplication::processEvents();
    return true;
}

inline void Type(QWidget* target, Qt::Key key, const char* text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
    QApplication::sendEvent(target, &press);
}

inline double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

inline double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
