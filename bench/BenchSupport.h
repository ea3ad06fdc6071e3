#pragma once

// What the benchmark programs share: starting and ending the program as its
// main routine does, typing keys, timing, and the figures they print.

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

// Ends the program as its main routine does, after the Close event.
inline int EndBenchProgram() {
    Finalize();
    RuntimeExit();
    return 0;
}

// The calculator's display, given the focus so typed keys reach it.
inline QWidget* FocusedDisplay() {
    QWidget* display = WidgetOf(*Window1::Get()->LCD());
    display->setFocus();
    QCoreApplication::processEvents();
    return display;
}

inline void Type(QWidget* target, Qt::Key key, const char* text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
    QApplication::sendEvent(target, &press);
}

using BenchClock = std::chrono::steady_clock;

inline double Milliseconds(BenchClock::time_point from, BenchClock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Milliseconds from an action to the end of its handler, and to its repaint.
struct ActionTime {
    double handled;
    double painted;
};

inline double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// The times of repeated runs of one action.
struct ActionTimes {
    std::vector<double> handled;
    std::vector<double> painted;

    void Add(const ActionTime& time) {
        handled.push_back(time.handled);
        painted.push_back(time.painted);
    }
};

inline double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
