#pragma once

// Helpers shared by the test programs.

#include <QString>
#include <Qt>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class QWidget;

// Prepares the framework inside the test program's QApplication; reports
// are recorded instead of shown: those of exceptions that no code caught
// (their descriptions) in ReportedExceptions, all others in ShownMessages.
void InitTestRuntime();
std::vector<std::string>& ReportedExceptions();
std::vector<std::string>& ShownMessages();
// Records one report as InitTestRuntime has reports recorded.
void RecordReport(const std::string& message);

// Types a key the way a user does: to the focused widget, or to the window
// when nothing in it has the focus.
void TypeKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = QString());
// Types each character of the text, as the user sees characters.
void TypeText(QWidget* window, const QString& text);

// Writes a screen layout for Qt's offscreen platform (its option
// "configfile=") with one screen of that size at 0, 0; with frames, each
// window has the plugin's thin frame around it, as a window manager's.
void WriteOffscreenScreen(const QString& path, int width, int height, bool frames = true);

// Starts the program as its main routine does, up to and including the
// application's Open event, without running the event loop; EndProgram
// releases everything again. StartProgram makes it a first run: it first
// removes any settings file an earlier test left.
void StartProgram();
// Starts the program with whatever settings file there is.
void StartProgramWithSettings();
void EndProgram();

// The settings file in the test program's private preferences folder.
QString SettingsFilePath();

// While it lives, a write that would make a file longer than the limit fails
// in the kernel, as a full disk fails it: at the write that reaches the disk,
// after buffered writes were accepted.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long before_ = 0;
    void (*signalBefore_)(int) = nullptr;
};

// While it lives, every fsync fails with EIO, as a disk that reports an
// error while it writes out the file's bytes fails it. The test programs
// provide fsync themselves, in place of the system's, for this.
class SyncFailure {
public:
    SyncFailure();
    ~SyncFailure();
    SyncFailure(const SyncFailure&) = delete;
    SyncFailure& operator=(const SyncFailure&) = delete;
};

// A test on the whole program: started before it, ended after it, and no
// exception may have been reported on the way.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { StartProgram(); }
    void TearDown() override {
        EndProgram();
        EXPECT_TRUE(ReportedExceptions().empty()) << ReportedExceptions().front();
        ReportedExceptions().clear();
    }
};
