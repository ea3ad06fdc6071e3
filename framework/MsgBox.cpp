#include "MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

std::function<void(const std::string&)>& Reporter() {
    static std::function<void(const std::string&)> reporter;
    return reporter;
}

} // namespace

void MsgBox(const std::string& message) {
    if (Reporter()) {
        Reporter()(message);
    } else if (QApplication::instance() != nullptr) {
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("lumaDex"),
                             QString::fromStdString(message));
    }
}

void SetMsgBoxReporter(std::function<void(const std::string&)> reporter) {
    Reporter() = std::move(reporter);
}
