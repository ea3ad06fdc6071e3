#include "Report.h"

#include "ReportSeam.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

std::function<void(const std::string&)>& Handler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

void ShowBox(const std::string& message) {
    if (Handler()) {
        Handler()(message);
        return;
    }
    if (QApplication::instance() == nullptr) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("lumaDex"),
                    QString::fromStdString(message), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void SetReportHandler(std::function<void(const std::string&)> handler) {
    Handler() = std::move(handler);
}

void ReportFailure(const std::string& message) {
    std::fprintf(stderr, "lumaDex: %s\n", message.c_str());
    std::fflush(stderr);
    try {
        ShowBox(message);
    } catch (...) {
        // A report is made where no exception may pass: in a handler's catch,
        // in a destructor.
        std::fputs("lumaDex: the report could not be shown\n", stderr);
    }
}
