#include "TestSupport.h"

#include "Main.h"
#include "MsgBox.h"
#include "Runtime.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

std::vector<std::string>& ReportedExceptions() {
    static std::vector<std::string> reports;
    return reports;
}

std::vector<std::string>& ShownMessages() {
    static std::vector<std::string> messages;
    return messages;
}

void InitTestRuntime() {
    RuntimeInit(0, nullptr);
    SetUnhandledExceptionReporter(
        [](const std::string& description) { ReportedExceptions().push_back(description); });
    SetMsgBoxReporter([](const std::string& message) { ShownMessages().push_back(message); });
}

void TypeKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = window->window()->focusWidget();
    if (target == nullptr) {
        target = window->window();
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void TypeText(QWidget* window, const QString& text) {
    for (QChar character : text) {
        const int code = character.toUpper().unicode();
        Qt::Key key = static_cast<Qt::Key>(code);
        TypeKey(window, key, Qt::NoModifier, QString(character));
    }
}

void StartProgram() {
    RunFrameworkInitialization(&Startup);
    RuntimeOpen();
}

void EndProgram() {
    Finalize();
    RuntimeExit();
}
