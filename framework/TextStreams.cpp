#include "TextStreams.h"

#include "SavedFile.h"
#include "TextStreamImpl.h"

#include <algorithm>

// ---- TextInputStream -------------------------------------------------------

TextInputStream::TextInputStream(std::unique_ptr<TextInputStreamImpl> impl)
    : impl_(std::move(impl)) {}

TextInputStream::~TextInputStream() = default;

// Reads in pieces, so a line without end costs time in proportion to its
// length; the bound on the whole read keeps both time and memory small.
std::string TextInputStream::ReadLine() {
    TextInputStreamImpl& in = *impl_;
    std::string line;
    if (!in.file.isOpen()) {
        return line;
    }
    constexpr std::size_t kPiece = 64 * 1024;
    for (;;) {
        const std::size_t room = std::min(kPiece, kLongestRead - in.bytesRead);
        if (room == 0) {
            break;
        }
        in.piece.resize(room + 1);
        const qint64 got = in.file.readLine(in.piece.data(), static_cast<qint64>(in.piece.size()));
        if (got <= 0) {
            break;
        }
        in.bytesRead += static_cast<std::size_t>(got);
        const bool ended = in.piece[static_cast<std::size_t>(got - 1)] == '\n';
        line.append(in.piece.data(), static_cast<std::size_t>(got - (ended ? 1 : 0)));
        if (ended) {
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

void TextInputStream::Close() { impl_->file.close(); }

// ---- TextOutputStream ------------------------------------------------------

TextOutputStream::TextOutputStream(std::unique_ptr<TextOutputStreamImpl> impl)
    : impl_(std::move(impl)) {}

// An unclosed stream is dropped with its temporary file: the target stays.
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::WriteLine(const std::string& text) {
    TextOutputStreamImpl& out = *impl_;
    if (out.closed || !out.error.empty()) {
        return;
    }
    const std::string line = text + "\n";
    if (out.file.write(line.data(), static_cast<qint64>(line.size())) !=
        static_cast<qint64>(line.size())) {
        out.error = out.file.errorString().toStdString();
    }
}

bool TextOutputStream::Close() {
    TextOutputStreamImpl& out = *impl_;
    if (out.closed) {
        return out.error.empty();
    }
    out.closed = true;
    if (!out.error.empty()) {
        DropWritten(out.file);
        return false;
    }
    QString reason;
    if (!CommitWhole(out.file, reason)) {
        out.error = reason.toStdString();
        return false;
    }
    return true;
}

const std::string& TextOutputStream::ErrorText() const { return impl_->error; }
