#pragma once

// Framework-internal: the files behind the text streams.

#include <QFile>
#include <QSaveFile>

#include <string>
#include <vector>

struct TextInputStreamImpl {
    explicit TextInputStreamImpl(const QString& path) : file(path) {}
    QFile file;
    // What ReadLine reads a piece of a line into, kept for the next line.
    std::vector<char> piece;
};

struct TextOutputStreamImpl {
    explicit TextOutputStreamImpl(const QString& path) : file(path) {}
    QSaveFile file;
    std::string error;
    int linesWritten = 0;
    bool closed = false;
};

// For tests: makes every output stream fail on the write of its line of
// that number (from 1), as a full disk would; 0 lets every write succeed.
void FailTextWritesAtLine(int line);
