#include "ControlBuilding.h"

void ApplyWindowStream(Window& window, std::string_view stream) {
    SetProperties(&window, ReadPropertyStream(stream, "Window"));
}

void CheckControlLayout(const ControlLayout& layout, std::string_view className, bool hasTextSize,
                        bool showsPicture, bool picture) {
    const std::string control(layout.name);
    if (layout.className != className) {
        throw std::invalid_argument("control " + control + " is a " +
                                    std::string(layout.className) + ", not a " +
                                    std::string(className));
    }
    if (layout.textSize && !hasTextSize) {
        throw std::invalid_argument("control " + control + " has no text size");
    }
    if (picture && !showsPicture) {
        throw std::invalid_argument("control " + control + " shows no picture");
    }
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
    const std::string_view name = layout.className;
    if (name == ControlClassName<Rectangle>()) {
        return BuildControl<Rectangle>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<RoundRectangle>()) {
        return BuildControl<RoundRectangle>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<Listbox>()) {
        return BuildControl<Listbox>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<BevelButton>()) {
        return BuildControl<BevelButton>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<Slider>()) {
        return BuildControl<Slider>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<Label>()) {
        return BuildControl<Label>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<TextField>()) {
        return BuildControl<TextField>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<GroupBox>()) {
        return BuildControl<GroupBox>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<PopupMenu>()) {
        return BuildControl<PopupMenu>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<PushButton>()) {
        return BuildControl<PushButton>(window, layout, std::move(picture));
    }
    if (name == ControlClassName<Canvas>()) {
        return BuildControl<Canvas>(window, layout, std::move(picture));
    }
    throw std::invalid_argument("control " + std::string(layout.name) + " is of unknown class " +
                                std::string(name));
}
