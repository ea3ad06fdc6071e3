#pragma once

// Framework-internal: the files behind the text streams.

#include <QFile>
#include <QSaveFile>

#include <cstddef>
#include <string>
#include <vector>

struct TextInputStreamImpl {
    explicit TextInputStreamImpl(const QString& path) : file(path) {}
    QFile file;
    // What ReadLine reads a piece of a line into, kept for the next line.
    std::vector<char> piece;
    std::size_t bytesRead = 0;
};

struct TextOutputStreamImpl {
    explicit TextOutputStreamImpl(const QString& path) : file(path) {}
    QSaveFile file;
    std::string error;
    bool closed = false;
};
