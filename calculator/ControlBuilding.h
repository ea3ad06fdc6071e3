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
#include <string>
#include <string_view>
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

// The control added to the window under the name, as its class, or null:
// what a window's control accessors answer.
template <class C> C* Find(const Window& window, const std::string& name) {
    return dynamic_cast<C*>(window.ControlByName(name));
}

// As Find, but a missing control raises NilObjectException.
template <class C> C* FetchControl(const Window& window, const std::string& name) {
    return NotNil(Find<C>(window, name), "FetchControl: no such control");
}

// Builds one control as the class its layout names: creates it, adds it to
// the window under its name, sets its picture (the icon of a BevelButton, the
// backdrop of a Canvas; a null picture leaves it without one), sets its text
// size when the layout gives one and its text unit, then applies its stream.
// Every step after the first fetches the control again by name. No handler is
// attached yet, so none runs for the stream's values; the caller attaches
// them to the result. Before anything is added, std::invalid_argument
// refuses a layout that does not fit: an unknown class, a text size for a
// class without text, or a picture for a class that shows none.
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
