#include "MsgBox.h"

#include "MsgBoxSeam.h"

#include <QApplication>
#include <QMessageBox>

namespace {

std::function<void(const std::string&)>& Handler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

} // namespace

void SetMsgBoxHandler(std::function<void(const std::string&)> handler) {
    Handler() = std::move(handler);
}

void MsgBox(const std::string& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    if (QApplication::instance() == nullptr) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("lumaDex"), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
