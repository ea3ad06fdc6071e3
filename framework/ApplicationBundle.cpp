#include "ApplicationBundle.h"

#include "ExecutableFileSeam.h"
#include "NilObjectException.h"

#include <QCoreApplication>

namespace {

std::string& StandIn() {
    static std::string path;
    return path;
}

// The running application's executable file.
std::unique_ptr<FolderItem> ExecutableFile() {
    if (!StandIn().empty()) {
        return std::make_unique<FolderItem>(StandIn());
    }
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<FolderItem>(path.toStdString());
}

} // namespace

void SetExecutableFileForTesting(const std::string& path) { StandIn() = path; }

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
