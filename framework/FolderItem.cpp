#include "FolderItem.h"

#include "PictureImpl.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

QString Native(const std::string& path) { return QString::fromStdString(path); }

bool PlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

} // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {}

const std::string& FolderItem::Path() const { return path_; }

bool FolderItem::Exists() const { return QFileInfo::exists(Native(path_)); }

bool FolderItem::Directory() const { return QFileInfo(Native(path_)).isDir(); }

std::unique_ptr<FolderItem> FolderItem::Parent() const {
    QDir folder = QFileInfo(Native(path_)).absoluteDir();
    const QString self = QFileInfo(Native(path_)).absoluteFilePath();
    if (QDir::cleanPath(self) == QDir::cleanPath(folder.absolutePath())) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(QDir::cleanPath(folder.absolutePath()).toStdString());
}

std::unique_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
    if (!Directory() || !PlainFileName(name)) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(QDir(Native(path_)).filePath(Native(name)).toStdString());
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
    QImageReader reader(Native(path_));
    QImage image = reader.read();
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_shared<Picture>(std::make_unique<PictureImpl>(PictureImpl{std::move(image)}));
}
