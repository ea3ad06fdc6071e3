#include "TempBundle.h"

#include "ExecutableFileSeam.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

QString BuiltResources() { return QStringLiteral(LUMADEX_BUNDLE_DIR "/Resources"); }

TempBundle::TempBundle() {
    QDir root(root_.path());
    if (!root.mkpath(QStringLiteral("bin")) || !root.mkpath(QStringLiteral("Resources"))) {
        throw std::runtime_error("cannot lay out a temporary bundle");
    }
    SetExecutableFileForTesting(root.filePath(QStringLiteral("bin/lumaDex")).toStdString());
}

TempBundle::~TempBundle() { SetExecutableFileForTesting(""); }

QString TempBundle::ResourcesPath() const {
    return QDir(root_.path()).filePath(QStringLiteral("Resources"));
}

void TempBundle::Put(const QString& name) const {
    const QString target = QDir(ResourcesPath()).filePath(name);
    QFile::remove(target);
    if (!QFile::copy(QDir(BuiltResources()).filePath(name), target)) {
        throw std::runtime_error("cannot copy the built picture " + name.toStdString());
    }
}

void TempBundle::PutDamaged(const QString& name) const {
    QFile file(QDir(ResourcesPath()).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write("GIF89a, but nothing after it") < 0) {
        throw std::runtime_error("cannot write " + name.toStdString());
    }
}

void TempBundle::Remove(const QString& name) const {
    QFile::remove(QDir(ResourcesPath()).filePath(name));
}

void TempBundle::RemoveResources() const { QDir(ResourcesPath()).removeRecursively(); }
