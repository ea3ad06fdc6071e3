#include "FolderItem.h"

#include "PictureImpl.h"
#include "TextStreamImpl.h"
#include "TextStreams.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

QString QtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Qt names files by text: the bytes of a name that is not valid UTF-8 would
// come back as U+FFFD and name another file, so such a path is never used.
bool QtNames(const std::string& path) {
    return QFile::encodeName(QtPath(path)).toStdString() == path;
}

constexpr const char* kNotUtf8 = "its path is not valid UTF-8";

std::string SystemReason() { return std::strerror(errno); }

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

// What stands in the file's place, looked at through a link: "" when the
// new file may take its place (nothing, a regular file or a link to one),
// else why it must be left as it is.
std::string Unreplaceable(const std::string& path) {
    struct stat link {};
    if (lstat(path.c_str(), &link) != 0) {
        return errno == ENOENT ? "" : "its place cannot be looked at: " + SystemReason();
    }
    // A link that leads nowhere (a loop, or a file that is gone) stays: it is
    // the user's own, and writing through it would put a file wherever it
    // points, outside the preferences folder.
    struct stat target {};
    if (stat(path.c_str(), &target) != 0) {
        return "a link that leads to no file stands in its place (" + SystemReason() + ")";
    }
    if (S_ISDIR(target.st_mode)) {
        return "a folder stands in its place";
    }
    if (!S_ISREG(target.st_mode)) {
        return "something other than a regular file stands in its place";
    }
    return "";
}

} // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {}

// Both look through a link, by the path's own bytes.
bool FolderItem::Exists() const {
    struct stat status {};
    return stat(path_.c_str(), &status) == 0;
}

bool FolderItem::Directory() const {
    struct stat status {};
    return stat(path_.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::unique_ptr<FolderItem> FolderItem::Parent() const {
    const QString self = QDir::cleanPath(QFileInfo(QtPath(path_)).absoluteFilePath());
    const QString folder = QDir::cleanPath(QFileInfo(QtPath(path_)).absolutePath());
    if (self == folder) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(QFile::encodeName(folder).toStdString());
}

std::unique_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
    if (!PlainFileName(name)) {
        return nullptr;
    }
    // An empty path is the current folder, as it is to the system.
    const bool separated = path_.empty() || path_.back() == '/';
    return std::make_unique<FolderItem>(path_ + (separated ? "" : "/") + name);
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
    if (!QtNames(path_)) {
        return nullptr;
    }
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
    if (!QtNames(path_)) {
        lastError_ = kNotUtf8;
        return nullptr;
    }
    if (!QFileInfo(QtPath(path_)).isFile()) {
        lastError_ = "it is not a regular file";
        return nullptr;
    }
    return Opened<TextInputStream, TextInputStreamImpl>(path_, QIODevice::ReadOnly, lastError_);
}

// A folder, a FIFO, a device or a link to none of them in the file's place is
// not replaced by a file: refuse it before a temporary file is made. A link
// to a regular file is written through.
std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() {
    if (!QtNames(path_)) {
        lastError_ = kNotUtf8;
        return nullptr;
    }
    lastError_ = Unreplaceable(path_);
    if (!lastError_.empty()) {
        return nullptr;
    }
    const QFileInfo file(QtPath(path_));
    if (!QDir().mkpath(file.absolutePath())) {
        lastError_ = "its folder cannot be created";
        return nullptr;
    }
    return Opened<TextOutputStream, TextOutputStreamImpl>(path_, QIODevice::WriteOnly, lastError_);
}
