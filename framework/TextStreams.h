#pragma once

#include <cstddef>
#include <memory>
#include <string>

struct TextInputStreamImpl;
struct TextOutputStreamImpl;

// Reads a text file line by line, as UTF-8 bytes. The read stops after
// kLongestRead bytes of the file, so that a huge or endless file never fills
// memory nor holds up the program: every line after it reads as "".
class TextInputStream {
public:
    static constexpr std::size_t kLongestRead = 1024 * 1024;

    explicit TextInputStream(std::unique_ptr<TextInputStreamImpl> impl);
    ~TextInputStream();
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    // The next line without its line end ("\n" or "\r\n"); "" past the end.
    std::string ReadLine();
    void Close();

private:
    std::unique_ptr<TextInputStreamImpl> impl_;
};

// Writes a text file line by line, as UTF-8 bytes with "\n" ends. The lines
// go to a temporary file beside the target, which replaces the target only
// when the stream closes and every byte reached the disk: a crash or a full
// disk leaves the old file whole.
class TextOutputStream {
public:
    explicit TextOutputStream(std::unique_ptr<TextOutputStreamImpl> impl);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    void WriteLine(const std::string& text);
    // Puts the new file in place of the old one. False when a line could not
    // be written or the file not replaced (the reason in ErrorText); the old
    // file then stays as it was. Dropping a stream unclosed writes nothing.
    bool Close();
    const std::string& ErrorText() const;

private:
    std::unique_ptr<TextOutputStreamImpl> impl_;
};
