#pragma once

// Framework-internal: puts a file written through QSaveFile in place only
// when every byte of it reached the disk.

#include <QSaveFile>
#include <QString>

// Flushes the file's buffered bytes and syncs them to the disk, then puts
// the new file in place of the old one. QSaveFile's own commit renames even
// when its last flush failed (a full disk shows only there), so the flush is
// checked first. On any failure the new file is dropped, the old one stays
// byte for byte, and the reason is answered in `reason`.
bool CommitWhole(QSaveFile& file, QString& reason);

// Drops what was written so far: the old file stays as it was.
void DropWritten(QSaveFile& file);
