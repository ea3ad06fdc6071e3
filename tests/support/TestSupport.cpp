#include "TestSupport.h"

#include "Main.h"
#include "ReportSeam.h"
#include "Runtime.h"
#include "SettingsLines.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QWidget>

#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

std::vector<std::string>& ReportedExceptions() {
    static std::vector<std::string> reports;
    return reports;
}

std::vector<std::string>& ShownMessages() {
    static std::vector<std::string> messages;
    return messages;
}

void RecordReport(const std::string& message) {
    if (message.starts_with(kUnexpectedError)) {
        ReportedExceptions().push_back(message.substr(kUnexpectedError.size()));
    } else {
        ShownMessages().push_back(message);
    }
}

void InitTestRuntime() {
    RuntimeInit(0, nullptr);
    SetReportHandler(RecordReport);
}

void TypeKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = window->window()->focusWidget();
    if (target == nullptr) {
        target = window->window();
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void TypeText(QWidget* window, const QString& text) {
    // One key per character as the user sees it: an emoji or a letter with
    // a combining accent arrives as one key event carrying all its units.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end = finder.toNextBoundary(); end > 0;
         start = end, end = finder.toNextBoundary()) {
        const QString character = text.mid(start, end - start);
        const Qt::Key key = character.size() == 1
                                ? static_cast<Qt::Key>(character.at(0).toUpper().unicode())
                                : Qt::Key_unknown;
        TypeKey(window, key, Qt::NoModifier, character);
    }
}

void WriteOffscreenScreen(const QString& path, int width, int height, bool frames) {
    const QJsonObject screen{{"name", "lumaDex test screen"},
                             {"x", 0},
                             {"y", 0},
                             {"width", width},
                             {"height", height},
                             {"logicalDpi", 96}};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(QJsonDocument(
                       QJsonObject{{"screens", QJsonArray{screen}}, {"windowFrameMargins", frames}})
                       .toJson()) < 0) {
        std::fprintf(stderr, "the screen layout %s could not be written\n", qPrintable(path));
        std::abort();
    }
}

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
           kSettingsFileName;
}

void StartProgram() {
    QFile::remove(SettingsFilePath());
    StartProgramWithSettings();
}

void StartProgramWithSettings() {
    RunFrameworkInitialization(&Startup);
    RuntimeOpen();
}

void EndProgram() {
    Finalize();
    RuntimeExit();
}

// The kernel would end the process with SIGXFSZ; ignored, the write fails
// with EFBIG instead.
FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    before_ = limit.rlim_cur;
    signalBefore_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = before_;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, signalBefore_);
}

namespace {

bool syncFails = false;

} // namespace

SyncFailure::SyncFailure() { syncFails = true; }

SyncFailure::~SyncFailure() { syncFails = false; }

// Defined in the test program, this fsync is the one its code calls; the
// system's own does the work unless a SyncFailure lives.
extern "C" int fsync(int fd) {
    if (syncFails) {
        errno = EIO;
        return -1;
    }
    using Sync = int (*)(int);
    static const auto systemSync = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, "fsync"));
    return systemSync(fd);
}
