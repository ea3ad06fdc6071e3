#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A start where no display can be reached: what the user named, and what
// lumaDex's one line must say about it.
struct NoDisplayRow {
    std::vector<std::pair<QString, QString>> named;
    QStringList says;
};

// An X display number from 77 up that no X server holds, so nothing listens
// there.
QString GoneXDisplay() {
    for (int number = 77;; ++number) {
        const QString n = QString::number(number);
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X") + n) &&
            !QFile::exists(QStringLiteral("/tmp/.X") + n + QStringLiteral("-lock"))) {
            return QLatin1Char(':') + n;
        }
    }
}

// Where the program started below finds its platform plugins.
QString PlatformPluginFolder() {
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    return chosen.isEmpty()
               ? QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms")
               : chosen;
}

bool WaylandPluginInstalled() {
    return !QDir(PlatformPluginFolder())
                .entryList({QStringLiteral("libqwayland*.so")}, QDir::Files)
                .isEmpty();
}

// Starts lumaDex with a bare environment (a private runtime folder, as every
// session has, and the row's names) and checks that it ends with status 1
// and one line that says what the row expects.
void ExpectOneLineAndStatusOne(const NoDisplayRow& row) {
    const QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    // A sanitizer build keeps its settings, and a chosen plugin folder stays chosen.
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "QT_QPA_PLATFORM_PLUGIN_PATH"}) {
        if (qEnvironmentVariableIsSet(name)) {
            environment.insert(QLatin1String(name), qEnvironmentVariable(name));
        }
    }
    QString named;
    for (const auto& [name, value] : row.named) {
        environment.insert(name, value);
        named += name + QLatin1Char('=') + value + QLatin1Char(' ');
    }
    SCOPED_TRACE(named.toStdString());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LUMADEX_BUNDLE_DIR "/bin/lumaDex"), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(error.startsWith(QStringLiteral("lumaDex ")) && error.endsWith(QLatin1Char('\n')) &&
                error.count(QLatin1Char('\n')) == 1)
        << error.toStdString();
    for (const QString& part : row.says) {
        EXPECT_TRUE(error.contains(part)) << "missing: " << part.toStdString() << "\n"
                                          << error.toStdString();
    }
}

// Started where X11 cannot be reached, lumaDex says in one line what was
// tried and why it failed (how to name a display, when none was), where Qt
// on its own would abort.
TEST(NoDisplayTest, X11StartWithoutAReachableDisplaySaysWhatWasTriedInOneLine) {
    const QString gone = GoneXDisplay();
    const QString unreachable = QStringLiteral("could not connect to display ") + gone;
    const std::vector<NoDisplayRow> rows = {
        {{}, {QStringLiteral("set DISPLAY or WAYLAND_DISPLAY"), QStringLiteral("scripts/run")}},
        {{{"DISPLAY", gone}},
         {QStringLiteral("lumaDex cannot open the display \"") + gone + "\": " + unreachable}},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", gone}},
         {QStringLiteral("the display \"") + gone +
          "\" with the Qt platform \"xcb\": " + unreachable}},
        {{{"QT_QPA_PLATFORM", "lumadex-no-such-platform"}},
         {QStringLiteral("lumaDex cannot open a display with the Qt platform "
                         "\"lumadex-no-such-platform\": "),
          QStringLiteral("Could not find the Qt platform plugin \"lumadex-no-such-platform\"")}},
    };
    for (const NoDisplayRow& row : rows) {
        ExpectOneLineAndStatusOne(row);
    }
}

// The same where Qt's Wayland platform is installed and cannot reach its
// display: Wayland's own client library says nothing on top.
TEST(NoDisplayTest, WaylandStartWithoutAReachableDisplaySaysWhatWasTriedInOneLine) {
    if (!WaylandPluginInstalled()) {
        GTEST_SKIP() << "no Wayland platform plugin in " << PlatformPluginFolder().toStdString();
    }
    const QString gone = GoneXDisplay();
    const std::vector<NoDisplayRow> rows = {
        {{{"QT_QPA_PLATFORM", "wayland"},
          {"WAYLAND_DISPLAY", "lumaDex-no-such-display"},
          {"DISPLAY", gone}},
         {QStringLiteral("lumaDex cannot open the display \"lumaDex-no-such-display\" with the "
                         "Qt platform \"wayland\": "),
          QStringLiteral("wl_display")}},
        {{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", gone}},
         {QStringLiteral("the display \"") + gone + "\" with the Qt platform \"wayland;xcb\": ",
          QStringLiteral("could not connect to display ") + gone}},
    };
    for (const NoDisplayRow& row : rows) {
        ExpectOneLineAndStatusOne(row);
    }
}

} // namespace
