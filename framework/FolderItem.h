#pragma once

#include <memory>
#include <string>

class Picture;

// A file or folder by its path. The item may name something that does not
// exist (yet); only the operations that read it find that out.
class FolderItem {
public:
    explicit FolderItem(std::string path);

    const std::string& Path() const;
    bool Exists() const;
    bool Directory() const;

    // The enclosing folder, or null for the root of the file system.
    std::unique_ptr<FolderItem> Parent() const;
    // The item of that name in this folder, whether it exists or not; null
    // when this item is not an existing folder or the name is not a plain
    // file name (empty, ".", ".." or holding a separator).
    std::unique_ptr<FolderItem> Child(const std::string& name) const;

    // The file's picture, or null when the file is missing or cannot be read
    // as a picture.
    std::shared_ptr<Picture> OpenAsPicture() const;

private:
    std::string path_;
};
