#include "StreamKeys.h"

#include "KeyTable.h"

#include <stdexcept>

std::span<const StreamKey> StreamKeys(std::string_view className) {
    const struct {
        std::string_view className;
        std::span<const StreamKey> keys;
    } classes[] = {
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
    for (const auto& entry : classes) {
        if (entry.className == className) {
            return entry.keys;
        }
    }
    throw std::invalid_argument("no property stream for class " + std::string(className));
}

void ApplyStreamKey(PropertyTarget& target, std::span<const StreamKey> keys,
                    const Property& property, std::string_view kind, const std::string& name) {
    for (const StreamKey& entry : keys) {
        if (entry.key == property.key) {
            entry.apply(target, property);
            return;
        }
    }
    throw std::invalid_argument(std::string(kind) + " " + name + " has no property " +
                                property.key);
}
