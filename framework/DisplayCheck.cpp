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

// Qt reports a platform it cannot start as a fatal message and aborts once
// the handler returns: the handler ends the process first.
void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayMessage, stderr);
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
