#include "App.h"
#include "Main.h"
#include "NumberText.h"
#include "Runtime.h"
#include "Screen.h"
#include "TestSupport.h"
#include "Window1.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <csignal>
#include <ostream>
#include <vector>

namespace {

class StartupTest : public ::testing::Test {
protected:
    void TearDown() override { EndProgram(); }
};

TEST_F(StartupTest, TheSettingsAreZeroUntilTheApplicationOpens) {
    RunFrameworkInitialization(&Startup);
    App* app = App::Get();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->decimali, 0);
    EXPECT_EQ(app->decimalFormat, "");
    EXPECT_EQ(app->layout, "");
    EXPECT_EQ(app->tapeSize, 0);
    EXPECT_EQ(app->mem, 0.0);
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);
}

TEST_F(StartupTest, AFirstRunTakesTheDefaultsAndOpensTheCalculator) {
    StartProgram();
    App* app = App::Get();
    EXPECT_EQ(app->decimali, 1);
    EXPECT_EQ(app->decimalFormat, "-#.##");
    EXPECT_EQ(app->descrizione, "Description");
    EXPECT_EQ(app->valore, "Value");
    EXPECT_EQ(app->totale, "Tot.");
    EXPECT_EQ(app->tapeSize, 24);
    EXPECT_EQ(app->layout, "left");
    EXPECT_EQ(app->mem, 0.0);

    Window1* window = Window1::Get();
    // On a screen narrower than that place leaves, the left edge stays on it.
    EXPECT_EQ(window->Left(), std::max(0, CInt32(Screen(0).Width / 2.0 - 445.0)));
    EXPECT_EQ(window->Top(), 50);
    EXPECT_EQ(window->Width(), 990);
    EXPECT_EQ(window->Height(), 690);
    EXPECT_EQ(window->Title(), "lumaDex");
    EXPECT_EQ(window->ListBox1()->TextSize(), 24);
    EXPECT_FALSE(window->tRect()->Visible());
    EXPECT_FALSE(window->tSIze()->Visible());
    EXPECT_EQ(window->LCD()->Text(), "0");
}

// ---- the session's end --------------------------------------------------

// The real program, ended by signals as a session ends it: it quits as its
// Quit command does, so the settings file holds what the run changed (here
// the keypad's side, a place fitted to the screen and the two end lines that
// the stored file lacked), and the status says which signal ended it.
struct SignalCase {
    const char* label;
    std::vector<int> sent;
    int status;
    int screenWidth;
    int screenHeight;
    const char* storedPlace;
    const char* writtenPlace;
};

void PrintTo(const SignalCase& signalCase, std::ostream* out) { *out << signalCase.label; }

// Whether the process has a handler of its own for each of the signals.
bool CatchesSignals(qint64 pid, const std::vector<int>& wanted) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            const qulonglong caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
            return std::ranges::all_of(wanted,
                                       [&](int signal) { return (caught >> (signal - 1)) & 1U; });
        }
    }
    return false;
}

class SignalTest : public ::testing::TestWithParam<SignalCase> {};

TEST_P(SignalTest, ASignalQuitsAsTheQuitCommandDoesAndTheStatusNamesIt) {
    const SignalCase& row = GetParam();
    const QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkpath(config));
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString screens = home.filePath(QStringLiteral("screens.json"));
    WriteOffscreenScreen(screens, row.screenWidth, row.screenHeight, false);
    QFile stored(config + QStringLiteral("/lumaDex2.prefs"));
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly));
    stored.write(QByteArray("#\n2.1\n#\n#\n3\n#\n#\nD\tV\tT\t40\n#\n#\n") + row.storedPlace +
                 "\n#\n#\nsideways\n");
    stored.close();

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + screens);
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
        if (qEnvironmentVariableIsSet(name)) {
            environment.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
        }
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    // The child starts with the signals' default actions, whatever this
    // test program was started with (nohup, a background job).
    program.setChildProcessModifier([] {
        for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
            std::signal(signal, SIG_DFL);
        }
    });
    program.start(QStringLiteral(LUMADEX_BUNDLE_DIR "/bin/lumaDex"), {});
    ASSERT_TRUE(program.waitForStarted(30000));
    const qint64 pid = program.processId();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CatchesSignals(pid, row.sent); }, 30000))
        << program.readAllStandardError().toStdString();
    for (int signal : row.sent) {
        ::kill(static_cast<pid_t>(pid), signal);
    }
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), row.status);

    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArrayList lines = stored.readAll().split('\n');
    ASSERT_EQ(lines.size(), 17) << "16 lines, each ended";
    EXPECT_EQ(lines[4], "3");
    EXPECT_EQ(lines[7], "D\tV\tT\t40");
    EXPECT_EQ(lines[10].toStdString(), row.writtenPlace);
    EXPECT_EQ(lines[13], "right");
    EXPECT_EQ(lines[15], "#EOF");
}

// A place the window keeps on the desktop's screen.
constexpr const char* kPlace = "100\t200\t990\t690";

INSTANTIATE_TEST_SUITE_P(
    Signals, SignalTest,
    ::testing::Values(SignalCase{"Terminate", {SIGTERM}, 143, 1920, 1200, kPlace, kPlace},
                      SignalCase{"HangUp", {SIGHUP}, 129, 1920, 1200, kPlace, kPlace},
                      SignalCase{"Interrupt", {SIGINT}, 130, 1920, 1200, kPlace, kPlace},
                      SignalCase{
                          "TerminateTwice", {SIGTERM, SIGTERM}, 143, 1920, 1200, kPlace, kPlace},
                      SignalCase{"StoredLargerThanTheScreenAndBelowItsFoot",
                                 {SIGTERM},
                                 143,
                                 800,
                                 600,
                                 "700\t100\t1680\t1000",
                                 "0\t0\t940\t690"},
                      SignalCase{"StoredOnAScreenThatIsGone",
                                 {SIGHUP},
                                 129,
                                 1920,
                                 1200,
                                 "100\t5000\t990\t690",
                                 "50\t515\t990\t690"}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
