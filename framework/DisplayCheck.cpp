#include "DisplayCheck.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* kNoDisplayMessage =
    "lumaDex needs a graphical display: set DISPLAY or WAYLAND_DISPLAY, or start it "
    "with scripts/run, which provides a virtual display (Xvfb)\n";

// A message of Qt's held back while the platform starts. Of its context only
// the category is kept (a copy): it is what logging rules filter on, and the
// rest is empty in release builds of Qt.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

std::vector<HeldMessage>& Held() {
    static std::vector<HeldMessage> held;
    return held;
}

// The displays named for the platforms tried, quoted: Wayland's
// WAYLAND_DISPLAY and X11's DISPLAY, each where it is set and, when
// QT_QPA_PLATFORM chooses the platforms, where one of them reads it.
QStringList NamedDisplays(const QString& platforms) {
    QStringList named;
    const auto add = [&](const char* variable, const char* platform) {
        const QString display = qEnvironmentVariable(variable);
        if (!display.isEmpty() &&
            (platforms.isEmpty() || platforms.contains(QLatin1String(platform)))) {
            named << QLatin1Char('"') + display + QLatin1Char('"');
        }
    };
    add("WAYLAND_DISPLAY", "wayland");
    add("DISPLAY", "xcb");
    return named;
}

// Qt's own reasons for the failed start, in the order the platforms were
// tried: its warnings and errors (its notes that a plugin did not load only
// follow from them), each on one line. Where it gave none, the first line of
// its final message.
QString Reasons(const QString& fatal) {
    QStringList reasons;
    for (const HeldMessage& message : Held()) {
        const QString text = message.text.simplified();
        if ((message.type == QtWarningMsg || message.type == QtCriticalMsg) && !text.isEmpty() &&
            !reasons.contains(text)) {
            reasons << text;
        }
    }
    if (reasons.isEmpty()) {
        reasons << fatal.section(QLatin1Char('\n'), 0, 0).simplified();
    }
    return reasons.join(QLatin1String("; "));
}

// The one line that says what was tried and why it failed: where nothing
// names a display or a platform, how to give lumaDex one; otherwise what was
// named and Qt's reasons.
std::string NoDisplayLine(const QString& fatal) {
    const QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QStringList displays = NamedDisplays(platforms);
    if (displays.isEmpty() && platforms.isEmpty()) {
        return kNoDisplayMessage;
    }
    QString line = QStringLiteral("lumaDex cannot open ");
    line += displays.isEmpty()
                ? QStringLiteral("a display")
                : QStringLiteral("the display ") + displays.join(QLatin1String(" or "));
    if (!platforms.isEmpty()) {
        line += QStringLiteral(" with the Qt platform \"") + platforms + QLatin1Char('"');
    }
    line += QStringLiteral(": ") + Reasons(fatal) + QLatin1Char('\n');
    return line.toLocal8Bit().toStdString();
}

// Qt reports a platform it cannot start as a fatal message and aborts once
// the handler returns: the handler ends the process first.
void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayLine(text).c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    Held().push_back({type, context.category != nullptr ? context.category : "", text});
}

} // namespace

std::unique_ptr<QApplication> ConnectToDisplay(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrEnd);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : Held()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    Held().clear();
    return application;
}
