#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// Every test program runs headless with private runtime and configuration
// folders, set before Qt exists, so listing or running tests needs no display
// and never touches the user's settings. Its one screen is a desktop's
// 1920 x 1200, where the calculator fits at every size it allows.
int main(int argc, char** argv) {
    QTemporaryDir scratch;
    const QByteArray root = scratch.path().toLocal8Bit();
    const QByteArray runtime = root + "/runtime";
    const QByteArray config = root + "/config";
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QDir().mkpath(QString::fromLocal8Bit(config));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray screens = root + "/screens.json";
    WriteOffscreenScreen(QString::fromLocal8Bit(screens), 1920, 1200);
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    setenv("XDG_CONFIG_HOME", config.constData(), 1);

    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    InitTestRuntime();
    return RUN_ALL_TESTS();
}
