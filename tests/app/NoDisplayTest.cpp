#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Started where no display can be reached, whether none is named or the one
// named is not there, lumaDex says so in one line and ends with status 1,
// where Qt on its own would abort.
TEST(NoDisplayTest, StartWithoutAReachableDisplayEndsWithOneLineAndStatusOne) {
    const std::vector<std::vector<std::pair<QString, QString>>> rows = {
        {},
        {{"DISPLAY", ":987"}},
        {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":987"}},
        {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "lumaDex-no-such-display"}},
        {{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":987"}},
    };
    for (const auto& row : rows) {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        environment.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
        // A sanitizer build keeps its settings.
        for (const QString& name :
             {QStringLiteral("ASAN_OPTIONS"), QStringLiteral("UBSAN_OPTIONS")}) {
            if (qEnvironmentVariableIsSet(name.toLatin1().constData())) {
                environment.insert(name, qEnvironmentVariable(name.toLatin1().constData()));
            }
        }
        QString named;
        for (const auto& [name, value] : row) {
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
        EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("graphical display"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("scripts/run"))) << error.toStdString();
    }
}

} // namespace
