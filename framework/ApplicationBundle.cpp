#include "ApplicationBundle.h"

#include "ExecutableFileSeam.h"
#include "NilObjectException.h"

#include <QCoreApplication>

namespace {

// The file a test stands in for the executable; empty for the real one.
std::string standIn;

// The running application's executable file.
std::unique_ptr<FolderItem> ExecutableFile() {
    if (!standIn.empty()) {
        return std::make_unique<FolderItem>(standIn);
    }
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(path.toStdString());
}

} // namespace

void SetExecutableFileForTesting(const std::string& path) { standIn = path; }

std::unique_ptr<FolderItem> GetApplicationBundleResources() {
    const auto executable = ExecutableFile();
    const auto folder = NotNil(executable.get(), "no executable file")->Parent();
    const auto bundle = NotNil(folder.get(), "no folder above the executable")->Parent();
    auto resources = NotNil(bundle.get(), "no bundle folder")->Child("Resources");
    if (!resources || !resources->Directory()) {
        return nullptr;
    }
    return resources;
}
