#pragma once

#include <memory>
#include <string>

class Picture;
class TextInputStream;
class TextOutputStream;

// A file or folder named by its path, the system's bytes as they are; the
// item need not exist (yet): only the operations that read it find that out.
// A path that is not valid UTF-8 is never opened or written.
class FolderItem {
public:
    explicit FolderItem(std::string path);

    const std::string& AbsolutePath() const { return path_; }
    bool Exists() const;
    bool Directory() const;

    // The enclosing folder, or null for the root of the file system.
    std::unique_ptr<FolderItem> Parent() const;
    // The item of that name inside this folder, whether or not it exists;
    // null when the name is not a plain file name (empty, ".", ".." or
    // holding a separator), so a name can never lead out of the folder.
    std::unique_ptr<FolderItem> Child(const std::string& name) const;

    // The file's picture, or null when the file is missing or cannot be read
    // as a picture.
    std::shared_ptr<Picture> OpenAsPicture() const;

    // A stream that reads the file as text, or null when it is not a regular
    // file (or a link to one) or cannot be opened (the reason in
    // LastErrorText).
    std::unique_ptr<TextInputStream> OpenAsTextFile();
    // A stream that writes a new text file in this item's place, creating
    // the folders above it when missing; null when it cannot be created or
    // something other than a regular file or a link to one stands in its
    // place, which then stays as it is (the reason in LastErrorText). The
    // old file stays untouched until the stream closes without an error.
    std::unique_ptr<TextOutputStream> CreateTextFile();
    const std::string& LastErrorText() const { return lastError_; }

private:
    std::string path_;
    std::string lastError_;
};
