#include "DisplayCheck.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* kNoDisplayMessage =
    "lumaDex needs a graphical display: set DISPLAY or WAYLAND_DISPLAY, or start it "
    "with scripts/run, which provides a virtual display (Xvfb)\n";

// A message of Qt's held back while the platform starts, with copies of the
// context texts it points to.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

std::vector<HeldMessage>& Held() {
    static std::vector<HeldMessage> held;
    return held;
}

std::string Copy(const char* text) { return text != nullptr ? text : ""; }

// Qt reports a platform it cannot start as a fatal message and aborts once
// the handler returns: the handler ends the process first.
void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayMessage, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    Held().push_back({type, Copy(context.file), context.line, Copy(context.function),
                      Copy(context.category), text});
}

} // namespace

std::unique_ptr<QApplication> ConnectToDisplay(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrEnd);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : Held()) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    Held().clear();
    return application;
}
