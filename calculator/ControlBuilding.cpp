#include "ControlBuilding.h"

#include <stdexcept>

void ApplyWindowStream(Window& window, std::string_view stream) {
    SetProperties(&window, ReadPropertyStream(stream, "Window"));
}

void LabelControls(const Window& window, std::span<const LabelledControl> labels) {
    for (const LabelledControl& row : labels) {
        FetchControl<Label>(window, std::string(row.label))
            ->LabelFor(*FetchControl<RectControl>(window, std::string(row.control)));
    }
}

void NameControls(const Window& window, std::span<const SpokenName> names) {
    for (const SpokenName& row : names) {
        FetchControl<RectControl>(window, std::string(row.control))
            ->AccessibleName(std::string(row.name));
    }
}

RectControl* BuildControlOfClass(Window& window, const ControlLayout& layout,
                                 std::shared_ptr<Picture> picture) {
    const std::string name(layout.name);
    const std::string className(layout.className);
    std::unique_ptr<RectControl> created = CreateControl(className);
    const RectControl& made = *created;
    // The classes that show text are those whose streams set a font.
    const bool hasText = FindStreamKey(StreamKeys(className), "TextFont") != nullptr;
    if (layout.textSize && !hasText) {
        throw std::invalid_argument("control " + name + " has no text size");
    }
    const bool isButton = dynamic_cast<const BevelButton*>(&made) != nullptr;
    if (picture && !isButton && dynamic_cast<const Canvas*>(&made) == nullptr) {
        throw std::invalid_argument("control " + name + " shows no picture");
    }
    window.AddControl(name, std::move(created));
    if (picture && isButton) {
        FetchControl<BevelButton>(window, name)->Icon(std::move(picture));
    } else if (picture) {
        FetchControl<Canvas>(window, name)->Backdrop(std::move(picture));
    }
    if (hasText) {
        if (layout.textSize) {
            FetchControl<RectControl>(window, name)->TextSize(*layout.textSize);
        }
        FetchControl<RectControl>(window, name)->TextUnit(0);
    }
    SetProperties(FetchControl<RectControl>(window, name),
                  ReadPropertyStream(layout.stream, layout.className));
    return FetchControl<RectControl>(window, name);
}
