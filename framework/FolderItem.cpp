#include "FolderItem.h"

#include "PictureImpl.h"
#include "TextStreamImpl.h"
#include "TextStreams.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

QString QtPath(const std::string& path) { return QString::fromStdString(path); }

bool PlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

// Opens the stream's file; null, with the reason in error, when it cannot be
// opened.
template <class Stream, class StreamImpl>
std::unique_ptr<Stream> Opened(const std::string& path, QIODevice::OpenMode mode,
                               std::string& error) {
    auto impl = std::make_unique<StreamImpl>(QtPath(path));
    if (!impl->file.open(mode)) {
        error = impl->file.errorString().toStdString();
        return nullptr;
    }
    error.clear();
    return std::make_unique<Stream>(std::move(impl));
}

} // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {}

bool FolderItem::Exists() const { return QFileInfo::exists(QtPath(path_)); }

bool FolderItem::Directory() const { return QFileInfo(QtPath(path_)).isDir(); }

std::unique_ptr<FolderItem> FolderItem::Parent() const {
    const QString self = QDir::cleanPath(QFileInfo(QtPath(path_)).absoluteFilePath());
    const QString folder = QDir::cleanPath(QFileInfo(QtPath(path_)).absolutePath());
    if (self == folder) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(folder.toStdString());
}

std::unique_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
    if (!PlainFileName(name)) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(QDir(QtPath(path_)).filePath(QtPath(name)).toStdString());
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
    QImageReader reader(QtPath(path_));
    QImage image = reader.read();
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_shared<Picture>(std::make_unique<PictureImpl>(PictureImpl{std::move(image)}));
}

// A FIFO or a device would hold up the read, or never end it: only a
// regular file, or a link to one, is opened.
std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
    if (!QFileInfo(QtPath(path_)).isFile()) {
        lastError_ = "it is not a regular file";
        return nullptr;
    }
    return Opened<TextInputStream, TextInputStreamImpl>(path_, QIODevice::ReadOnly, lastError_);
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() {
    // A folder, a FIFO or a device in the file's place is not replaced by a
    // file: refuse it before a temporary file is made. A link to a regular
    // file is written through.
    const QFileInfo file(QtPath(path_));
    if (file.isDir()) {
        lastError_ = "a folder stands in its place";
        return nullptr;
    }
    if (file.exists() && !file.isFile()) {
        lastError_ = "something other than a regular file stands in its place";
        return nullptr;
    }
    if (!QDir().mkpath(file.absolutePath())) {
        lastError_ = "its folder cannot be created";
        return nullptr;
    }
    return Opened<TextOutputStream, TextOutputStreamImpl>(path_, QIODevice::WriteOnly, lastError_);
}
