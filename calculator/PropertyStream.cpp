#include "PropertyStream.h"

#include <cstdint>

namespace {

// Reads one stream front to back; every read checks the bytes left first.
class StreamReader {
public:
    StreamReader(std::string_view bytes, std::string_view className)
        : bytes_(bytes), className_(className), keys_(StreamKeys(className)) {}

    PropertyList ReadAll() {
        PropertyList properties;
        while (at_ < bytes_.size()) {
            properties.push_back(ReadEntry());
        }
        return properties;
    }

private:
    Property ReadEntry() {
        const std::size_t keyStart = at_;
        std::string key = ReadKey();
        if (at_ == bytes_.size()) {
            Fail("stream ends after key", key, at_);
        }
        if (bytes_[at_] != ' ') {
            Fail("no space after key", key, at_);
        }
        const PropertyType type = TypeOf(key, keyStart);
        ++at_;
        PropertyValue value = ReadValue(type, key);
        return Property{std::move(key), std::move(value)};
    }

    std::string ReadKey() {
        const std::size_t start = at_;
        if (!IsKeyStart(bytes_[at_])) {
            Fail("no key", "", at_);
        }
        while (at_ < bytes_.size() && IsKeyChar(bytes_[at_])) {
            ++at_;
        }
        return std::string(bytes_.substr(start, at_ - start));
    }

    PropertyType TypeOf(const std::string& key, std::size_t keyStart) {
        const StreamKey* known = FindStreamKey(keys_, key);
        if (known == nullptr) {
            Fail("unknown key", key, keyStart);
        }
        return known->type;
    }

    PropertyValue ReadValue(PropertyType type, const std::string& key) {
        switch (type) {
        case PropertyType::Integer:
            return static_cast<std::int32_t>(ReadUnsigned(key));
        case PropertyType::Boolean:
            return ReadBoolean(key);
        case PropertyType::Color:
            return ReadColor(key);
        case PropertyType::String:
            break;
        }
        return ReadString(key);
    }

    bool ReadBoolean(const std::string& key) {
        const char byte = Take(1, key)[0];
        if (byte != '\0' && byte != '\1') {
            Fail("Boolean byte neither 00 nor 01 for key", key, at_ - 1);
        }
        return byte == '\1';
    }

    Color ReadColor(const std::string& key) {
        const std::string_view rgb = Take(3, key);
        return RGB(static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                   static_cast<std::uint8_t>(rgb[2]));
    }

    std::string ReadString(const std::string& key) {
        const std::uint32_t count = ReadUnsigned(key);
        if (count > bytes_.size() - at_) {
            Fail("string count runs past the end for key", key, at_ - 4);
        }
        return std::string(Take(count, key));
    }

    std::uint32_t ReadUnsigned(const std::string& key) {
        std::uint32_t value = 0;
        for (const char byte : Take(4, key)) {
            value = (value << 8) | static_cast<std::uint8_t>(byte);
        }
        return value;
    }

    std::string_view Take(std::size_t count, const std::string& key) {
        if (count > bytes_.size() - at_) {
            Fail("stream ends inside the value of key", key, at_);
        }
        const std::string_view taken = bytes_.substr(at_, count);
        at_ += count;
        return taken;
    }

    [[noreturn]] void Fail(const std::string& what, const std::string& key,
                           std::size_t offset) const {
        std::string message = "property stream of " + std::string(className_) + ": " + what;
        if (!key.empty()) {
            message += " \"" + key + "\"";
        }
        message += " at offset " + std::to_string(offset);
        throw PropertyStreamError(message, key, offset);
    }

    std::string_view bytes_;
    std::string_view className_;
    std::span<const StreamKey> keys_;
    std::size_t at_ = 0;
};

} // namespace

PropertyStreamError::PropertyStreamError(const std::string& what, std::string key,
                                         std::size_t offset)
    : std::runtime_error(what), key_(std::move(key)), offset_(offset) {}

PropertyList ReadPropertyStream(std::string_view bytes, std::string_view className) {
    return StreamReader(bytes, className).ReadAll();
}
