#pragma once

// Building a window from its layout data: the window's own stream, then each
// control in creation order.

#include "Controls.h"
#include "NilObjectException.h"
#include "Picture.h"
#include "PropertyStream.h"
#include "Window.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

// The layout data of one control.
struct ControlLayout {
    std::string_view name;
    std::string_view className;
    std::string_view stream;
    // Set in code before the stream, since no stream holds it; none keeps
    // the framework's default size.
    std::optional<float> textSize;
};

// Applies the window's stream to the window.
void ApplyWindowStream(Window& window, std::string_view stream);

template <class C, class... Classes> constexpr bool IsOneOf = (std::is_same_v<C, Classes> || ...);

// The controls whose class has a text size and unit.
template <class C>
constexpr bool HasTextSize =
    IsOneOf<C, Listbox, BevelButton, Label, TextField, GroupBox, PopupMenu, PushButton>;

template <class C> constexpr std::string_view ControlClassName() {
    if constexpr (std::is_same_v<C, Rectangle>) {
        return "Rectangle";
    } else if constexpr (std::is_same_v<C, RoundRectangle>) {
        return "RoundRectangle";
    } else if constexpr (std::is_same_v<C, Listbox>) {
        return "Listbox";
    } else if constexpr (std::is_same_v<C, BevelButton>) {
        return "BevelButton";
    } else if constexpr (std::is_same_v<C, Slider>) {
        return "Slider";
    } else if constexpr (std::is_same_v<C, Label>) {
        return "Label";
    } else if constexpr (std::is_same_v<C, TextField>) {
        return "TextField";
    } else if constexpr (std::is_same_v<C, GroupBox>) {
        return "GroupBox";
    } else if constexpr (std::is_same_v<C, PopupMenu>) {
        return "PopupMenu";
    } else if constexpr (std::is_same_v<C, PushButton>) {
        return "PushButton";
    } else {
        static_assert(std::is_same_v<C, Canvas>, "not a control class");
        return "Canvas";
    }
}

// Raises std::invalid_argument when the layout does not fit the class it is
// built as: another class name, a text size for a class without one, or a
// picture for a class that shows none.
void CheckControlLayout(const ControlLayout& layout, std::string_view className, bool hasTextSize,
                        bool showsPicture, bool picture);

// The control added to the window under the name, as its class, or null:
// what a window's control accessors answer.
template <class C> C* FindControl(const Window& window, const std::string& name) {
    return dynamic_cast<C*>(window.ControlByName(name));
}

// As FindControl, but a missing control raises NilObjectException.
template <class C> C* FetchControl(const Window& window, const std::string& name) {
    return NotNil(FindControl<C>(window, name), "FetchControl: no such control");
}

// Builds one control: creates it, adds it to the window under its name, sets
// its picture (the icon of a BevelButton, the backdrop of a Canvas; a null
// picture leaves it without one), sets its text size when the layout gives
// one and its text unit, then applies its stream. Every step after the first
// fetches the control again by name. No handler is attached yet, so none
// runs for the stream's values; the caller attaches them to the result.
template <class C>
C* BuildControl(Window& window, const ControlLayout& layout,
                std::shared_ptr<Picture> picture = nullptr) {
    constexpr bool showsPicture = IsOneOf<C, BevelButton, Canvas>;
    CheckControlLayout(layout, ControlClassName<C>(), HasTextSize<C>, showsPicture,
                       picture != nullptr);
    const std::string name(layout.name);
    window.AddControl(name, std::make_unique<C>());
    if constexpr (std::is_same_v<C, BevelButton>) {
        if (picture) {
            FetchControl<C>(window, name)->Icon(std::move(picture));
        }
    } else if constexpr (std::is_same_v<C, Canvas>) {
        if (picture) {
            FetchControl<C>(window, name)->Backdrop(std::move(picture));
        }
    }
    if constexpr (HasTextSize<C>) {
        if (layout.textSize) {
            FetchControl<C>(window, name)->TextSize(*layout.textSize);
        }
        FetchControl<C>(window, name)->TextUnit(0);
    }
    SetProperties(FetchControl<C>(window, name),
                  ReadPropertyStream(layout.stream, layout.className));
    return FetchControl<C>(window, name);
}

// Builds one control as the class its layout names; the class names are
// those of ControlClassName.
RectControl* BuildControlOfClass(Window& window, const ControlLayout& layout,
                                 std::shared_ptr<Picture> picture);

// A label and the control beside it that it names for screen readers.
struct LabelledControl {
    std::string_view label;
    std::string_view control;
};

// Makes each label the name that screen readers say for its control.
void LabelControls(const Window& window, std::span<const LabelledControl> labels);

// The name a screen reader says for a control that shows no text naming it.
struct SpokenName {
    std::string_view control;
    std::string_view name;
};

void NameControls(const Window& window, std::span<const SpokenName> names);

// One handler of a window: the control it belongs to and how to attach it.
template <class W> struct HandlerRow {
    std::string_view control;
    void (*attach)(W& window, RectControl& control);
};

template <class> struct MemberClass;
template <class R, class C, class... A> struct MemberClass<R (C::*)(A...)> { using type = C; };

// Attaches the window's handler method to the control's event: Setter is the
// control's event setter (such as &BevelButton::Action), Handler the window's
// method. The control belongs to the window, so the window outlives it.
template <auto Setter, auto Handler>
void AttachHandler(typename MemberClass<decltype(Handler)>::type& window, RectControl& control) {
    using C = typename MemberClass<decltype(Setter)>::type;
    auto* typed = NotNil(dynamic_cast<C*>(&control), "AttachHandler: control of another class");
    (typed->*Setter)([&window](auto&&... args) {
        return (window.*Handler)(std::forward<decltype(args)>(args)...);
    });
}

// A handler row's attach step, written On<&Control::Event, &Window::Handler>.
template <auto Setter, auto Handler> constexpr auto On = &AttachHandler<Setter, Handler>;

// The picture a control is built with, by control name; null for none.
using PictureSource = std::function<std::shared_ptr<Picture>(std::string_view control)>;

// Builds the controls in creation order; each control gets its handlers
// from the table right after its stream, so no handler runs for a stream
// value.
template <class W>
void BuildControls(W& window, std::span<const ControlLayout> controls,
                   std::span<const HandlerRow<W>> handlers, const PictureSource& pictures = {}) {
    for (const ControlLayout& layout : controls) {
        RectControl* control =
            BuildControlOfClass(window, layout, pictures ? pictures(layout.name) : nullptr);
        for (const HandlerRow<W>& row : handlers) {
            if (row.control == layout.name) {
                row.attach(window, *control);
            }
        }
    }
}
