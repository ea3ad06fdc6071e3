#include "StreamKeys.h"

#include "Controls.h"
#include "KeyTable.h"

#include <algorithm>
#include <stdexcept>

namespace {

// A class that layout data names: the keys of its streams and how to make
// one; a window is made by its own class, so its row makes nothing.
struct StreamClass {
    std::string_view className;
    std::span<const StreamKey> keys;
    std::unique_ptr<RectControl> (*create)();
};

template <class C> std::unique_ptr<RectControl> Create() { return std::make_unique<C>(); }

const StreamClass& FindStreamClass(std::string_view className) {
    // Filled on first use, after the key tables of the other files exist.
    static const StreamClass classes[] = {
        {"Window", kWindowKeys, nullptr},
        {"Rectangle", kRectangleKeys, &Create<Rectangle>},
        {"RoundRectangle", kRoundRectangleKeys, &Create<RoundRectangle>},
        {"Listbox", kListboxKeys, &Create<Listbox>},
        {"BevelButton", kBevelButtonKeys, &Create<BevelButton>},
        {"Slider", kSliderKeys, &Create<Slider>},
        {"Label", kLabelKeys, &Create<Label>},
        {"TextField", kTextFieldKeys, &Create<TextField>},
        {"GroupBox", kGroupBoxKeys, &Create<GroupBox>},
        {"PopupMenu", kPopupMenuKeys, &Create<PopupMenu>},
        {"PushButton", kPushButtonKeys, &Create<PushButton>},
        {"Canvas", kCanvasKeys, &Create<Canvas>},
    };
    const auto found = std::ranges::find(classes, className, &StreamClass::className);
    if (found == std::end(classes)) {
        throw std::invalid_argument("no property stream for class " + std::string(className));
    }
    return *found;
}

} // namespace

std::span<const StreamKey> StreamKeys(std::string_view className) {
    return FindStreamClass(className).keys;
}

std::unique_ptr<RectControl> CreateControl(std::string_view className) {
    const StreamClass& entry = FindStreamClass(className);
    if (entry.create == nullptr) {
        throw std::invalid_argument(std::string(className) + " is not a control class");
    }
    return entry.create();
}

const StreamKey* FindStreamKey(std::span<const StreamKey> keys, std::string_view key) {
    const auto found = std::ranges::find(keys, key, &StreamKey::key);
    return found != keys.end() ? &*found : nullptr;
}

void ApplyStreamKey(PropertyTarget& target, std::span<const StreamKey> keys,
                    const Property& property, std::string_view kind, const std::string& name) {
    const StreamKey* entry = FindStreamKey(keys, property.key);
    if (entry == nullptr) {
        throw std::invalid_argument(std::string(kind) + " " + name + " has no property " +
                                    property.key);
    }
    entry->apply(target, property);
}
