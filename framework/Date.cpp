#include "Date.h"

#include <QDateTime>
#include <QLocale>

Date::Date() : moment_(std::chrono::system_clock::now()) {}

std::string Date::LongDate() const {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(moment_.time_since_epoch()).count();
    const QDate day = QDateTime::fromMSecsSinceEpoch(milliseconds).date();
    return QLocale().toString(day, QLocale::LongFormat).toStdString();
}
