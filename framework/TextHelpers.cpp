#include "TextHelpers.h"

#include <cstddef>

namespace {

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The number of characters of a UTF-8 text.
std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char byte : text) {
        count += IsContinuationByte(byte) ? 0 : 1;
    }
    return count;
}

} // namespace

std::string NthField(const std::string& text, const std::string& separator, int field) {
    if (field < 1) {
        return {};
    }
    std::size_t start = 0;
    for (int i = 1; i < field; ++i) {
        const std::size_t next = text.find(separator, start);
        if (next == std::string::npos) {
            return {};
        }
        start = next + separator.size();
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Walks back from the end to the first byte of the count-th last character.
std::string Right(const std::string& text, int count) {
    std::size_t offset = text.size();
    for (int kept = 0; kept < count && offset > 0;) {
        --offset;
        kept += IsContinuationByte(static_cast<unsigned char>(text[offset])) ? 0 : 1;
    }
    return text.substr(offset);
}

int InStr(const std::string& text, const std::string& what) {
    const std::size_t found = text.find(what);
    if (found == std::string::npos) {
        return 0;
    }
    return static_cast<int>(CharacterCount(text.substr(0, found))) + 1;
}

int Asc(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    int length = 1;
    int code = lead;
    if (lead >= 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xC0) {
        length = 2;
        code = lead & 0x1F;
    }
    if (static_cast<int>(text.size()) < length) {
        return lead;
    }
    for (int i = 1; i < length; ++i) {
        code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    return code;
}

std::string Chr(int code) {
    std::string text;
    const auto c = static_cast<unsigned>(code);
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}
