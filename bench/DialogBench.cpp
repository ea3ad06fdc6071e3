// Prints how long a dialog's menu command takes, from choosing the item to
// the dialog painted on screen, and to the end of the command itself. Each
// run builds the dialog anew: it is closed between runs.

#include "BenchSupport.h"
#include "Window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// A menu command that opens a dialog, and the name the dialog registers.
struct DialogCommand {
    const char* title;
    const char* menuItem;
    const char* registeredName;
};

const DialogCommand kCommands[] = {
    {"Preferences", "FilePreferences", "prefsWin.prefsWin"},
    {"About", "FileAboutlumaDex", "aboutWin.aboutWin"},
};

// Notes the first paint of any widget inside the named window.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const char* registeredName) : name_(QString::fromLatin1(registeredName)) {}
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == name_) {
            painted = true;
        }
        return false;
    }

private:
    QString name_;
};

// The repaint timed is the dialog's first paint.
ActionTime TimeCommand(QAction& item, const DialogCommand& command) {
    PaintWatch watch(command.registeredName);
    qApp->installEventFilter(&watch);
    const auto start = BenchClock::now();
    item.trigger();
    const auto handled = BenchClock::now();
    QElapsedTimer limit;
    limit.start();
    while (!watch.painted && limit.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const auto painted = BenchClock::now();
    qApp->removeEventFilter(&watch);
    if (!watch.painted) {
        std::fprintf(stderr, "%s: the dialog was never painted\n", command.title);
        std::exit(1);
    }
    if (Window* dialog = GetImplicitWindow(command.registeredName)) {
        dialog->Close();
    }
    QCoreApplication::processEvents();
    return {Milliseconds(start, handled), Milliseconds(start, painted)};
}

} // namespace

int main(int argc, char** argv) {
    if (!StartBenchProgram("DialogBench", argc, argv)) {
        return 1;
    }
    QCoreApplication::processEvents();
    QMenuBar* menus = MenuBarWidgetOf(*Window1::Get());

    std::printf("%-12s %12s %12s %12s\n", "command", "handled ms", "painted ms", "first ms");
    for (const DialogCommand& command : kCommands) {
        auto* item = menus->findChild<QAction*>(QString::fromLatin1(command.menuItem));
        if (item == nullptr) {
            std::fprintf(stderr, "no menu item %s\n", command.menuItem);
            return 1;
        }
        ActionTimes times;
        for (int i = 0; i < 21; ++i) {
            times.Add(TimeCommand(*item, command));
        }
        std::printf("%-12s %12.3f %12.3f %12.3f\n", command.title, Median(times.handled),
                    Median(times.painted), times.painted.front());
        std::fflush(stdout);
    }
    return EndBenchProgram();
}
