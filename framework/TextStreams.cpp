#include "TextStreams.h"

#include "TextStreamImpl.h"

#include <vector>

namespace {

int& FailingLine() {
    static int line = 0;
    return line;
}

// Cuts a UTF-8 text to at most `limit` bytes without splitting a character.
void CutAtCharacter(std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    text.resize(end);
}

} // namespace

void FailTextWritesAtLine(int line) { FailingLine() = line; }

// ---- TextInputStream -------------------------------------------------------

TextInputStream::TextInputStream(std::unique_ptr<TextInputStreamImpl> impl)
    : impl_(std::move(impl)) {}

TextInputStream::~TextInputStream() = default;

// Reads in pieces of at most one longest line, so a line without end costs
// time in proportion to its length but never more memory.
std::string TextInputStream::ReadLine() {
    QFile& file = impl_->file;
    if (!file.isOpen()) {
        return {};
    }
    std::string line;
    bool cut = false;
    std::vector<char>& piece = impl_->piece;
    piece.resize(kLongestLine + 2);
    for (;;) {
        const qint64 got = file.readLine(piece.data(), static_cast<qint64>(piece.size()));
        if (got <= 0) {
            break;
        }
        const bool ended = piece[got - 1] == '\n';
        if (!cut) {
            line.append(piece.data(), static_cast<std::size_t>(got - (ended ? 1 : 0)));
            if (line.size() > kLongestLine) {
                CutAtCharacter(line, kLongestLine);
                cut = true;
            }
        }
        if (ended) {
            break;
        }
    }
    if (!cut && !line.empty() && line.back() == '\r') {
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
    ++out.linesWritten;
    const std::string line = text + "\n";
    if (FailingLine() == out.linesWritten) {
        // Half the line reaches the disk, then the disk is full.
        out.file.write(line.data(), static_cast<qint64>(line.size() / 2));
        out.error = "No space left on device";
        return;
    }
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
        out.file.cancelWriting();
        out.file.commit();
        return false;
    }
    if (!out.file.commit()) {
        out.error = out.file.errorString().toStdString();
        return false;
    }
    return true;
}

const std::string& TextOutputStream::ErrorText() const { return impl_->error; }
