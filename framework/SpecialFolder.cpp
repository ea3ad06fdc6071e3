#include "SpecialFolder.h"

#include <QDir>
#include <QStandardPaths>

std::unique_ptr<FolderItem> SpecialFolder::Preferences() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (path.isEmpty()) {
        return nullptr;
    }
    // Without a home Qt names "//.config": cleaned, the path reads as it is.
    return std::make_unique<FolderItem>(QDir::cleanPath(path).toStdString());
}
