#include "SavedFile.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

// Asks the system to put the file's bytes on the disk: some file systems
// report a full disk only here.
bool SyncToDisk(QSaveFile& file, QString& reason) {
    const bool synced = fsync(file.handle()) == 0;
    if (!synced) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
    }
    return synced;
}

// Writes out the buffered bytes. A disk that fills up part way takes part
// of a write and gives no reason; writing the rest gives the system's one.
// An earlier write that failed is QSaveFile's own to refuse at commit.
bool Flushed(QSaveFile& file) {
    if (file.flush()) {
        return true;
    }
    file.flush();
    return false;
}

} // namespace

void DropWritten(QSaveFile& file) {
    file.cancelWriting();
    file.commit();
}

bool CommitWhole(QSaveFile& file, QString& reason) {
    if (!Flushed(file)) {
        reason = file.errorString();
        DropWritten(file);
        return false;
    }
    if (!SyncToDisk(file, reason)) {
        DropWritten(file);
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}
