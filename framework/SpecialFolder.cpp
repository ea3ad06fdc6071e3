#include "SpecialFolder.h"

#include <QStandardPaths>

std::unique_ptr<FolderItem> SpecialFolder::Preferences() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (path.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(path.toStdString());
}
