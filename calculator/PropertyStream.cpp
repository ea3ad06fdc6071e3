#include "PropertyStream.h"

#include <cstdint>

namespace {

constexpr PropertyType I = PropertyType::Integer;
constexpr PropertyType B = PropertyType::Boolean;
constexpr PropertyType C = PropertyType::Color;
constexpr PropertyType S = PropertyType::String;

// One table per class, keys in stream order. `Value` is the one key whose
// type depends on the class: Boolean on a BevelButton, Integer on a Slider.
// clang-format off
constexpr StreamKey kWindowKeys[] = {
    {"Placement", I}, {"Width", I}, {"Height", I}, {"MinWidth", I}, {"MinHeight", I},
    {"MaxWidth", I}, {"MaxHeight", I}, {"Frame", I}, {"Composite", B}, {"HasBackColor", B},
    {"BackColor", C}, {"Title", S}, {"Visible", B}, {"FullScreen", B}, {"MenuBarVisible", B},
    {"CloseButton", B}, {"Resizeable", B}, {"LiveResize", B}, {"MaximizeButton", B},
    {"MinimizeButton", B}, {"MacProcID", I},
};

constexpr StreamKey kRectangleKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabIndex", I},
    {"TabPanelIndex", I}, {"Visible", B}, {"HelpTag", S}, {"AutoDeactivate", B}, {"Enabled", B},
    {"FillColor", C}, {"BorderWidth", I}, {"TopLeftColor", C}, {"BottomRightColor", C},
    {"InitialParent", S},
};

constexpr StreamKey kRoundRectangleKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabIndex", I},
    {"TabPanelIndex", I}, {"Visible", B}, {"HelpTag", S}, {"AutoDeactivate", B}, {"Enabled", B},
    {"FillColor", C}, {"BorderWidth", I}, {"BorderColor", C}, {"OvalWidth", I}, {"OvalHeight", I},
    {"InitialParent", S},
};

constexpr StreamKey kListboxKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"TabStop", B}, {"Visible", B}, {"HelpTag", S}, {"AutoDeactivate", B},
    {"Enabled", B}, {"Border", B}, {"ColumnCount", I}, {"ColumnWidths", S}, {"HasHeading", B},
    {"UseFocusRing", B}, {"InitialValue", S}, {"HeadingIndex", I}, {"ScrollbarHorizontal", B},
    {"ScrollBarVertical", B}, {"GridLinesHorizontal", I}, {"GridLinesVertical", I},
    {"DefaultRowHeight", I}, {"_ScrollWidth", I}, {"_ScrollOffset", I}, {"TextFont", S},
    {"Bold", B}, {"Italic", B}, {"Underline", B}, {"Hierarchical", B}, {"EnableDrag", B},
    {"EnableDragReorder", B}, {"RequiresSelection", B}, {"SelectionType", I},
    {"ColumnsResizable", B}, {"AutoHideScrollbars", B}, {"DataSource", S}, {"DataField", S},
    {"InitialParent", S},
};

constexpr StreamKey kBevelButtonKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"TabStop", B}, {"InitialParent", S}, {"Visible", B}, {"HelpTag", S},
    {"AutoDeactivate", B}, {"Enabled", B}, {"Caption", S}, {"CaptionAlign", I},
    {"CaptionPlacement", I}, {"CaptionDelta", I}, {"IconAlign", I}, {"IconDX", I}, {"IconDY", I},
    {"Bevel", I}, {"HasMenu", I}, {"HasBackColor", B}, {"BackColor", C}, {"TextColor", C},
    {"Value", B}, {"MenuValue", I}, {"ButtonType", I}, {"AcceptFocus", B}, {"TextFont", S},
    {"Bold", B}, {"Italic", B}, {"Underline", B},
};

constexpr StreamKey kSliderKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"TabStop", B}, {"Enabled", B}, {"Visible", B}, {"HelpTag", S},
    {"AutoDeactivate", B}, {"Minimum", I}, {"Value", I}, {"Maximum", I}, {"LineStep", I},
    {"PageStep", I}, {"LiveScroll", B}, {"TickStyle", I}, {"InitialParent", S},
};

constexpr StreamKey kLabelKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"Text", S}, {"TextAlign", I}, {"TextColor", C}, {"Multiline", B},
    {"Enabled", B}, {"Visible", B}, {"Selectable", B}, {"Transparent", B}, {"HelpTag", S},
    {"AutoDeactivate", B}, {"TextFont", S}, {"Bold", B}, {"Italic", B}, {"Underline", B},
    {"DataSource", S}, {"DataField", S}, {"InitialParent", S},
};

constexpr StreamKey kTextFieldKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"TabStop", B}, {"Border", B}, {"Password", B}, {"UseFocusRing", B},
    {"TextColor", C}, {"BackColor", C}, {"Enabled", B}, {"Format", S}, {"Visible", B},
    {"HelpTag", S}, {"AutoDeactivate", B}, {"TextFont", S}, {"Bold", B}, {"Italic", B},
    {"Underline", B}, {"CueText", S}, {"Text", S}, {"Mask", S}, {"ReadOnly", B}, {"LimitText", I},
    {"AcceptTabs", B}, {"Alignment", I}, {"AutomaticallyCheckSpelling", B}, {"DataSource", S},
    {"DataField", S}, {"InitialParent", S},
};

constexpr StreamKey kGroupBoxKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"Caption", S}, {"Enabled", B}, {"Visible", B}, {"HelpTag", S},
    {"AutoDeactivate", B}, {"TextFont", S}, {"Bold", B}, {"Italic", B}, {"Underline", B},
    {"InitialParent", S},
};

constexpr StreamKey kPopupMenuKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"TabStop", B}, {"Enabled", B}, {"InitialValue", S}, {"ListIndex", I},
    {"Visible", B}, {"HelpTag", S}, {"AutoDeactivate", B}, {"TextFont", S}, {"Bold", B},
    {"Italic", B}, {"Underline", B}, {"DataSource", S}, {"DataField", S}, {"InitialParent", S},
};

constexpr StreamKey kPushButtonKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"TabStop", B}, {"Caption", S}, {"Default", B}, {"Cancel", B}, {"Enabled", B},
    {"Visible", B}, {"HelpTag", S}, {"AutoDeactivate", B}, {"ButtonStyle", I}, {"TextFont", S},
    {"Bold", B}, {"Italic", B}, {"Underline", B}, {"InitialParent", S},
};

constexpr StreamKey kCanvasKeys[] = {
    {"Name", S}, {"Index", I}, {"Left", I}, {"Top", I}, {"Width", I}, {"Height", I},
    {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B}, {"TabPanelIndex", I},
    {"TabIndex", I}, {"TabStop", B}, {"Visible", B}, {"HelpTag", S}, {"AutoDeactivate", B},
    {"Enabled", B}, {"UseFocusRing", B}, {"AcceptFocus", B}, {"AcceptTabs", B},
    {"DoubleBuffer", B}, {"EraseBackground", B}, {"InitialParent", S},
};
// clang-format on

struct ClassKeys {
    std::string_view className;
    std::span<const StreamKey> keys;
};

constexpr ClassKeys kClasses[] = {
    {"Window", kWindowKeys},
    {"Rectangle", kRectangleKeys},
    {"RoundRectangle", kRoundRectangleKeys},
    {"Listbox", kListboxKeys},
    {"BevelButton", kBevelButtonKeys},
    {"Slider", kSliderKeys},
    {"Label", kLabelKeys},
    {"TextField", kTextFieldKeys},
    {"GroupBox", kGroupBoxKeys},
    {"PopupMenu", kPopupMenuKeys},
    {"PushButton", kPushButtonKeys},
    {"Canvas", kCanvasKeys},
};

bool IsKeyStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsKeyChar(char c) { return IsKeyStart(c) || (c >= '0' && c <= '9'); }

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
        for (const StreamKey& known : keys_) {
            if (known.key == key) {
                return known.type;
            }
        }
        Fail("unknown key", key, keyStart);
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

std::span<const StreamKey> StreamKeys(std::string_view className) {
    for (const ClassKeys& entry : kClasses) {
        if (entry.className == className) {
            return entry.keys;
        }
    }
    throw std::invalid_argument("no property stream for class " + std::string(className));
}

PropertyList ReadPropertyStream(std::string_view bytes, std::string_view className) {
    return StreamReader(bytes, className).ReadAll();
}
