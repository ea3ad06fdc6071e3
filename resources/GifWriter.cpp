#include "GifWriter.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kMaxCodes = 4096;

// Codes of growing width, packed from the lowest bit up into sub-blocks of
// at most 255 bytes.
class CodePacker {
public:
    void Put(int code, int width) {
        bits_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<char>(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }

    QByteArray Blocks() {
        if (count_ > 0) {
            bytes_.push_back(static_cast<char>(bits_ & 0xFF));
            bits_ = 0;
            count_ = 0;
        }
        QByteArray blocks;
        for (std::size_t at = 0; at < bytes_.size(); at += 255) {
            const std::size_t size = std::min<std::size_t>(255, bytes_.size() - at);
            blocks.append(static_cast<char>(size));
            blocks.append(bytes_.data() + at, static_cast<qsizetype>(size));
        }
        blocks.append('\0');
        return blocks;
    }

private:
    std::uint32_t bits_ = 0;
    int count_ = 0;
    std::vector<char> bytes_;
};

// LZW as GIF uses it: a clear code first, the code width growing with the
// table, a clear code whenever the table is full, the end code last.
QByteArray Compress(const std::vector<std::uint8_t>& indices, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    // table[prefix * 256 + byte] is the code of prefix followed by byte, or 0.
    std::vector<std::uint16_t> table(static_cast<std::size_t>(kMaxCodes) * 256, 0);
    int next = end + 1;
    int width = minCodeSize + 1;
    CodePacker packer;
    packer.Put(clear, width);
    int prefix = indices.empty() ? -1 : indices.front();
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint8_t byte = indices[i];
        std::uint16_t& entry = table[static_cast<std::size_t>(prefix) * 256 + byte];
        if (entry != 0) {
            prefix = entry;
            continue;
        }
        packer.Put(prefix, width);
        entry = static_cast<std::uint16_t>(next++);
        // The reader's table runs one entry behind the writer's.
        if (next > (1 << width) && width < 12) {
            ++width;
        }
        if (next == kMaxCodes) {
            packer.Put(clear, width);
            std::fill(table.begin(), table.end(), 0);
            next = end + 1;
            width = minCodeSize + 1;
        }
        prefix = byte;
    }
    if (prefix >= 0) {
        packer.Put(prefix, width);
        // The reader adds an entry for this last code too, and widens its
        // codes when that fills the width: the end code follows at its width.
        if (next == (1 << width) && width < 12) {
            ++width;
        }
    }
    packer.Put(end, width);
    return packer.Blocks();
}

void PutWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// The opaque pixels' colours in at most 255 entries: each channel keeps as
// many of its high bits as lets the colours fit, and each entry is the mean
// of the colours that share it.
struct Palette {
    QList<QRgb> colours;
    std::vector<std::uint8_t> indices;
};

Palette Quantize(const QImage& argb, int transparent) {
    for (int drop = 0; drop < 8; ++drop) {
        std::map<QRgb, int> entries;
        std::vector<std::array<std::uint64_t, 4>> sums; // red, green, blue, count
        Palette palette;
        for (int y = 0; y < argb.height(); ++y) {
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb pixel = argb.pixel(x, y);
                if (qAlpha(pixel) < 128) {
                    palette.indices.push_back(static_cast<std::uint8_t>(transparent));
                    continue;
                }
                const QRgb key =
                    qRgb(qRed(pixel) >> drop, qGreen(pixel) >> drop, qBlue(pixel) >> drop);
                auto [entry, added] = entries.emplace(key, static_cast<int>(sums.size()));
                if (added) {
                    sums.push_back({0, 0, 0, 0});
                }
                auto& sum = sums[static_cast<std::size_t>(entry->second)];
                sum[0] += static_cast<std::uint64_t>(qRed(pixel));
                sum[1] += static_cast<std::uint64_t>(qGreen(pixel));
                sum[2] += static_cast<std::uint64_t>(qBlue(pixel));
                sum[3] += 1;
                palette.indices.push_back(static_cast<std::uint8_t>(entry->second));
            }
        }
        if (sums.size() <= static_cast<std::size_t>(transparent)) {
            for (const auto& sum : sums) {
                palette.colours.append(qRgb(static_cast<int>(sum[0] / sum[3]),
                                            static_cast<int>(sum[1] / sum[3]),
                                            static_cast<int>(sum[2] / sum[3])));
            }
            return palette;
        }
    }
    throw std::runtime_error("the picture does not fit a GIF palette");
}

} // namespace

bool WriteGif(const QImage& image, const QString& path) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    // Index 255 is kept for the transparent pixels.
    constexpr int transparent = 255;
    Palette palette = Quantize(argb, transparent);
    while (palette.colours.size() < transparent) {
        palette.colours.append(qRgb(0, 0, 0));
    }
    palette.colours.append(qRgba(0, 0, 0, 0));

    // A full table of 256 colours: eight bits per pixel.
    constexpr int bits = 8;
    QByteArray out("GIF89a");
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append(static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1))); // global colour table
    out.append('\0');                                                     // background colour
    out.append('\0');                                                     // square pixels
    for (const QRgb colour : palette.colours) {
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    // Graphic control extension: the transparent colour.
    out.append("\x21\xF9\x04\x01\x00\x00", 6);
    out.append(static_cast<char>(transparent));
    out.append('\0');
    // Image descriptor: the whole picture, no local colour table, not interlaced.
    out.append('\x2C');
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append('\0');
    out.append(static_cast<char>(bits));
    out.append(Compress(palette.indices, bits));
    out.append('\x3B');

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}
