#include "PaintProbes.h"

#include "Controls.h"
#include "QtAccess.h"
#include "Window.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

QRect InkBounds(const QImage& image, const std::function<bool(QColor)>& isInk) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

namespace {

double Luminance(QColor colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The pixels a text's cores hold at the least: a glyph's stem at the smallest
// size shown has this many at full ink.
constexpr std::size_t kCorePixels = 8;

// A palette as a theme file lists it: one colour per role, in the roles'
// order, the same in every colour group.
QPalette FromRoles(std::initializer_list<QRgb> colours) {
    QPalette palette;
    int role = 0;
    for (QRgb colour : colours) {
        palette.setColor(static_cast<QPalette::ColorRole>(role++), QColor::fromRgba(colour));
    }
    return palette;
}

} // namespace

double ContrastRatio(QColor a, QColor b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

double TextContrast(const QImage& withText, const QImage& withoutText) {
    std::vector<double> changed;
    for (int y = 0; y < std::min(withText.height(), withoutText.height()); ++y) {
        for (int x = 0; x < std::min(withText.width(), withoutText.width()); ++x) {
            const QColor ink = withText.pixelColor(x, y);
            const QColor surface = withoutText.pixelColor(x, y);
            if (ink != surface) {
                changed.push_back(ContrastRatio(ink, surface));
            }
        }
    }
    if (changed.size() < kCorePixels) {
        return 1;
    }
    std::nth_element(changed.begin(), changed.begin() + kCorePixels - 1, changed.end(),
                     std::greater<>());
    return changed[kCorePixels - 1];
}

namespace {

// Roles: window text, button, light, midlight, dark, mid, text, bright text,
// button text, base, window, shadow, highlight, highlighted text, link,
// visited link, alternate base, none, tool tip base and text, placeholder.
QPalette Dark() {
    return FromRoles({0xffffffff, 0xff424245, 0xff979797, 0xff5e5c5b, 0xff302f2e, 0xff4a4947,
                      0xffffffff, 0xffffffff, 0xffffffff, 0xff3d3d3d, 0xff222020, 0xffe7e4e0,
                      0xff12608a, 0xfff9f9f9, 0xff0986d3, 0xffa70b06, 0xff5c5b5a, 0xff000000,
                      0xff3f3f36, 0xffffffff, 0x80ffffff});
}

QPalette HighContrast() {
    return FromRoles({0xffffffff, 0xff000000, 0xff808080, 0xff404040, 0xffc0c0c0, 0xffa0a0a0,
                      0xffffffff, 0xffffffff, 0xffffffff, 0xff000000, 0xff000000, 0xff000000,
                      0xffffff00, 0xff000000, 0xff00ffff, 0xffff00ff, 0xff202020, 0xff000000,
                      0xff000000, 0xffffffff, 0xffc0c0c0});
}

QPalette StylesOwn() { return QApplication::style()->standardPalette(); }

constexpr Theme kThemes[] = {
    {"StylesOwn", StylesOwn},
    {"Dark", Dark},
    {"HighContrast", HighContrast},
};

} // namespace

std::span<const Theme> Themes() { return kThemes; }

ThemeApplied::ThemeApplied(const Theme& theme) : before_(QApplication::palette()) {
    QApplication::setPalette(theme.palette());
}

ThemeApplied::~ThemeApplied() { QApplication::setPalette(before_); }

namespace {

// A control's text taken away and given back, through the framework as the
// program would.
struct TextSwap {
    std::function<void()> blank;
    std::function<void()> restore;
};

// Nothing to swap where the control shows no text.
template <class C, class Get, class Set, class Value>
std::optional<TextSwap> Swapped(RectControl& control, Get get, Set set, Value none) {
    auto* c = dynamic_cast<C*>(&control);
    if (c == nullptr || Value(get(*c)) == none) {
        return std::nullopt;
    }
    return TextSwap{[c, set, none] { set(*c, none); },
                    [c, set, kept = Value(get(*c))] { set(*c, kept); }};
}

std::optional<TextSwap> SwapOf(RectControl& control) {
    const std::string none;
    const auto caption = [](const auto& c) { return c.Caption(); };
    const auto setCaption = [](auto& c, const std::string& v) { c.Caption(v); };
    const auto text = [](const auto& c) { return c.Text(); };
    const auto setText = [](auto& c, const std::string& v) { c.Text(v); };
    // The selected row's value (the first row's where none is selected), as a
    // number on the tape shows: the selection paints a pair of its own.
    const auto row = [](const Listbox& c) { return std::max(c.ListIndex(), 0); };
    const auto cell = [row](const Listbox& c) {
        return c.ListCount() > 0 ? c.Cell(row(c), 1) : "";
    };
    const auto setCell = [row](Listbox& c, const std::string& v) { c.Cell(row(c), 1, v); };
    const auto item = [](const PopupMenu& c) { return c.ListIndex(); };
    const auto setItem = [](PopupMenu& c, int v) { c.ListIndex(v); };
    for (auto swap : {Swapped<BevelButton>(control, caption, setCaption, none),
                      Swapped<PushButton>(control, caption, setCaption, none),
                      Swapped<GroupBox>(control, caption, setCaption, none),
                      Swapped<Label>(control, text, setText, none),
                      Swapped<TextField>(control, text, setText, none),
                      Swapped<Listbox>(control, cell, setCell, none),
                      Swapped<PopupMenu>(control, item, setItem, -1)}) {
        if (swap) {
            return swap;
        }
    }
    return std::nullopt;
}

QImage Painted(const Window& window, const QRect& area) {
    return ContentOf(window)->grab(area).toImage();
}

} // namespace

std::vector<ShownText> ShownTexts(const Window& window, std::span<const ControlLayout> layout) {
    std::vector<ShownText> shown;
    for (const ControlLayout& row : layout) {
        RectControl* control = window.ControlByName(std::string(row.name));
        const std::optional<TextSwap> swap = control ? SwapOf(*control) : std::nullopt;
        if (!swap || !WidgetOf(*control)->isVisible()) {
            continue;
        }
        const QRect area = WidgetOf(*control)->geometry();
        const QImage withText = Painted(window, area);
        swap->blank();
        const QImage withoutText = Painted(window, area);
        swap->restore();
        shown.push_back({std::string(row.name), TextContrast(withText, withoutText)});
    }
    return shown;
}
