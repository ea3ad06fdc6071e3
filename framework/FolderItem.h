#pragma once

#include <memory>
#include <string>

class TextInputStream;
class TextOutputStream;

// A file or folder named by its path; the item need not exist.
class FolderItem {
public:
    explicit FolderItem(std::string path);

    // The item of that name inside this folder, whether or not it exists.
    std::unique_ptr<FolderItem> Child(const std::string& name) const;
    bool Exists() const;
    bool Directory() const;
    const std::string& AbsolutePath() const { return path_; }

    // A stream that reads the file as text, or null when it cannot be
    // opened (the reason in LastErrorText).
    std::unique_ptr<TextInputStream> OpenAsTextFile();
    // A stream that writes a new text file in this item's place, creating
    // the folders above it when missing; null when it cannot be created
    // (the reason in LastErrorText). The old file stays untouched until the
    // stream closes without an error.
    std::unique_ptr<TextOutputStream> CreateTextFile();
    const std::string& LastErrorText() const { return lastError_; }

private:
    std::string path_;
    std::string lastError_;
};
