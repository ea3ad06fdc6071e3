#pragma once

// The keys that the streams of several control classes share, with their
// appliers; each class's table lists them in its own stream order, beside
// its own keys.

#include "ControlImpl.h"
#include "KeyTable.h"

#include <cstdint>
#include <string>

void ApplyName(RectControl& control, const std::string& name);
// Makes the named control of the same window the one enclosing this one; ""
// is the window itself.
void ApplyInitialParent(RectControl& control, const std::string& parentName);

template <class> struct FieldTraits;
template <class W, class V> struct FieldTraits<V W::*> {
    using Widget = W;
    using Value = V;
};

// Sets a field of the control's widget from the property, then has the
// widget apply it.
template <auto Field, auto Apply>
void ApplySetting(PropertyTarget& target, const Property& property) {
    using Traits = FieldTraits<decltype(Field)>;
    auto& widget = *static_cast<RectControl&>(target).Impl().As<typename Traits::Widget>();
    widget.*Field = ValueAs<typename Traits::Value>(property);
    (widget.*Apply)();
}

// A key whose value sets a field of the control's widget, which the widget
// then applies: Setting<&ListboxView::gridLinesVertical,
// &ListboxView::ApplyGridLines>("GridLinesVertical").
template <auto Field, auto Apply> consteval StreamKey Setting(std::string_view key) {
    return {key, TypeOf<typename FieldTraits<decltype(Field)>::Value>(),
            &ApplySetting<Field, Apply>};
}

// A key whose value sets a field that the control's widget paints from, and
// repaints it: Painted<&RectangleWidget::fillColor>("FillColor").
template <auto Field> consteval StreamKey Painted(std::string_view key) {
    return Setting<Field, static_cast<void (QWidget::*)()>(&QWidget::update)>(key);
}

namespace controlkey {

inline constexpr StreamKey Name =
    Key("Name", [](RectControl& c, const std::string& v) { ApplyName(c, v); });
inline constexpr StreamKey Left = Key("Left", [](RectControl& c, std::int32_t v) { c.Left(v); });
inline constexpr StreamKey Top = Key("Top", [](RectControl& c, std::int32_t v) { c.Top(v); });
inline constexpr StreamKey Width = Key("Width", [](RectControl& c, std::int32_t v) { c.Width(v); });
inline constexpr StreamKey Height =
    Key("Height", [](RectControl& c, std::int32_t v) { c.Height(v); });
inline constexpr StreamKey LockLeft =
    Key("LockLeft", [](RectControl& c, bool v) { c.Impl().lockLeft = v; });
inline constexpr StreamKey LockTop =
    Key("LockTop", [](RectControl& c, bool v) { c.Impl().lockTop = v; });
inline constexpr StreamKey LockRight =
    Key("LockRight", [](RectControl& c, bool v) { c.Impl().lockRight = v; });
inline constexpr StreamKey LockBottom =
    Key("LockBottom", [](RectControl& c, bool v) { c.Impl().lockBottom = v; });
inline constexpr StreamKey Visible = Key("Visible", [](RectControl& c, bool v) { c.Visible(v); });
inline constexpr StreamKey Enabled = Key("Enabled", [](RectControl& c, bool v) { c.Enabled(v); });
inline constexpr StreamKey TabStop = Key("TabStop", [](RectControl& c, bool v) {
    c.Impl().tabStop = v;
    c.Impl().ApplyFocus();
});
inline constexpr StreamKey TabIndex =
    Key("TabIndex", [](RectControl& c, std::int32_t v) { c.Impl().tabIndex = v; });
inline constexpr StreamKey HelpTag = Key("HelpTag", [](RectControl& c, const std::string& v) {
    c.Impl().widget->setToolTip(QString::fromStdString(v));
});
inline constexpr StreamKey InitialParent =
    Key("InitialParent", [](RectControl& c, const std::string& v) { ApplyInitialParent(c, v); });
inline constexpr StreamKey UseFocusRing = Key("UseFocusRing", [](RectControl& c, bool v) {
    c.Impl().widget->setAttribute(Qt::WA_MacShowFocusRect, v);
});

inline constexpr StreamKey TextFont =
    Key("TextFont", [](RectControl& c, const std::string& v) { c.TextFont(v); });
inline constexpr StreamKey Bold = Key("Bold", [](RectControl& c, bool v) { c.Bold(v); });
inline constexpr StreamKey Italic = Key("Italic", [](RectControl& c, bool v) { c.Italic(v); });
inline constexpr StreamKey Underline =
    Key("Underline", [](RectControl& c, bool v) { c.Underline(v); });

// Control arrays and tab panels do not exist here.
inline constexpr StreamKey Index = Ignored<std::int32_t>("Index");
inline constexpr StreamKey TabPanelIndex = Ignored<std::int32_t>("TabPanelIndex");
// Controls here are never deactivated with their window.
inline constexpr StreamKey AutoDeactivate = Ignored<bool>("AutoDeactivate");
// There is no data binding.
inline constexpr StreamKey DataSource = Ignored<std::string>("DataSource");
inline constexpr StreamKey DataField = Ignored<std::string>("DataField");

} // namespace controlkey
