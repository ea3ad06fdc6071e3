// The GIF writer read back code by code, as a strict reader reads it: every
// code at the width the reader's table gives it, the end code included, and
// no code reaching past the data.

#include "GifWriter.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

namespace {

struct Decoded {
    std::vector<int> indices;
    int clears = 0;
    bool ended = false;
    std::string fault;
};

// Decodes the one image of a file as GifWriter lays it out: a global table
// of 256 colours, a graphic control extension, then the image.
Decoded DecodeStrictly(const QByteArray& file) {
    Decoded out;
    qsizetype at = 13 + 3 * 256 + 8 + 10;
    const int minCodeSize = static_cast<std::uint8_t>(file[at++]);
    std::vector<std::uint8_t> data;
    while (static_cast<std::uint8_t>(file[at]) != 0) {
        const int size = static_cast<std::uint8_t>(file[at]);
        data.insert(data.end(), file.begin() + at + 1, file.begin() + at + 1 + size);
        at += 1 + size;
    }
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    std::vector<std::vector<int>> table;
    auto reset = [&] {
        table.clear();
        for (int code = 0; code < clear + 2; ++code) {
            table.push_back(code < clear ? std::vector<int>{code} : std::vector<int>{});
        }
    };
    reset();
    int width = minCodeSize + 1;
    std::size_t bit = 0;
    int previous = -1;
    for (;;) {
        if (bit + static_cast<std::size_t>(width) > data.size() * 8) {
            out.fault = "a code of " + std::to_string(width) + " bits runs past the data at bit " +
                        std::to_string(bit) + " of " + std::to_string(data.size() * 8);
            return out;
        }
        int code = 0;
        for (int b = 0; b < width; ++b, ++bit) {
            code |= ((data[bit / 8] >> (bit % 8)) & 1) << b;
        }
        if (code == clear) {
            ++out.clears;
            reset();
            width = minCodeSize + 1;
            previous = -1;
            continue;
        }
        if (code == end) {
            out.ended = true;
            return out;
        }
        std::vector<int> entry;
        if (code < static_cast<int>(table.size())) {
            entry = table[static_cast<std::size_t>(code)];
        } else if (code == static_cast<int>(table.size()) && previous >= 0) {
            entry = table[static_cast<std::size_t>(previous)];
            entry.push_back(entry.front());
        } else {
            out.fault = "code " + std::to_string(code) + " is not in the table";
            return out;
        }
        if (previous >= 0 && table.size() < 4096) {
            std::vector<int> added = table[static_cast<std::size_t>(previous)];
            added.push_back(entry.front());
            table.push_back(std::move(added));
            if (table.size() == (std::size_t{1} << width) && width < 12) {
                ++width;
            }
        }
        out.indices.insert(out.indices.end(), entry.begin(), entry.end());
        previous = code;
    }
}

// As many colours as a GIF of ours holds besides the transparent one.
constexpr int kColours = 255;

// A row of pixels in which no two neighbours repeat a pair seen before
// since the last table reset, so that every pixel becomes one code.
std::vector<int> PairwiseNew(int pixels, int resetAfter) {
    std::vector<int> row{0};
    std::set<std::pair<int, int>> seen;
    while (static_cast<int>(row.size()) < pixels) {
        if (static_cast<int>(row.size()) == resetAfter + 1) {
            seen.clear();
        }
        int next = (row.back() + 1) % kColours;
        while (seen.count({row.back(), next}) != 0) {
            next = (next + 1) % kColours;
        }
        seen.insert({row.back(), next});
        row.push_back(next);
    }
    return row;
}

QRgb Colour(int index) { return qRgb(index, 255 - index, (index * 7) & 0xFF); }

struct SizeCase {
    const char* name;
    int pixels;
};

void PrintTo(const SizeCase& size, std::ostream* out) { *out << size.name; }

class GifWriterTest : public ::testing::TestWithParam<SizeCase> {};

// 3,838 codes fill the table up to 4,095, when a clear code follows; 255
// codes after it bring the next free code to 512, where the reader, having
// added an entry for the last code, reads the end code one bit wider.
TEST_P(GifWriterTest, EveryCodeIncludingTheEndCodeHasTheReadersWidth) {
    const std::vector<int> row = PairwiseNew(GetParam().pixels, 3838);
    QImage image(static_cast<int>(row.size()), 1, QImage::Format_ARGB32);
    for (std::size_t x = 0; x < row.size(); ++x) {
        image.setPixel(static_cast<int>(x), 0, Colour(row[x]));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("row.gif");
    ASSERT_TRUE(WriteGif(image, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Decoded decoded = DecodeStrictly(file.readAll());
    EXPECT_EQ(decoded.fault, "");
    EXPECT_TRUE(decoded.ended);
    EXPECT_EQ(decoded.clears, GetParam().pixels > 3838 ? 2 : 1);
    // Palette indices follow the colours' first appearance, as the row's do.
    EXPECT_EQ(decoded.indices, row);
}

INSTANTIATE_TEST_SUITE_P(Rows, GifWriterTest,
                         ::testing::Values(SizeCase{"OneCode", 1},
                                           SizeCase{"EndCodeWhereTheWidthGrows", 255},
                                           SizeCase{"EndCodeWhereTheWidthGrowsToEleven", 767},
                                           SizeCase{"JustBeforeTheTableIsFull", 3838},
                                           SizeCase{"EndCodeWhereTheWidthGrowsAfterAClear", 4093},
                                           SizeCase{"WellAfterAClear", 5000}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
