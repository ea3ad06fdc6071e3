#pragma once

// Helpers for tests that look at what a widget paints.

#include "ControlBuilding.h"

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QPalette>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <span>
#include <string>
#include <vector>

// The area of a widget that is repainted while it watches.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }

    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// The smallest rectangle holding every pixel of the image that the test
// accepts as ink.
QRect InkBounds(const QImage& image, const std::function<bool(QColor)>& isInk);

// The contrast of two colours as WCAG counts it: 1 (none) to 21.
double ContrastRatio(QColor a, QColor b);

// How a text reads on the surface behind it, from two pictures of one place,
// with the text and without it: each pixel the text changed is set against
// the same pixel without the text, and the answer is what the text's cores
// reach (antialiased edges lie between). 1 where the text changed nothing.
double TextContrast(const QImage& withText, const QImage& withoutText);

// A palette a user's theme may bring, made once the application exists.
struct Theme {
    const char* name;
    QPalette (*palette)();
};
// The style's own light palette, a dark one and a high-contrast one (black
// surfaces, white text).
std::span<const Theme> Themes();

// While it lives, the application has the theme's palette, as a user's
// platform theme gives it; the palette before comes back afterwards.
class ThemeApplied {
public:
    explicit ThemeApplied(const Theme& theme);
    ~ThemeApplied();
    ThemeApplied(const ThemeApplied&) = delete;
    ThemeApplied& operator=(const ThemeApplied&) = delete;

private:
    QPalette before_;
};

// The text a control of the window shows, and the contrast at which it reads
// on the window as painted under the application's current palette.
struct ShownText {
    std::string name;
    double contrast;
};
// Every visible control of the layout that shows a text: captions, labels,
// group titles, fields, the chosen item of a pop-up, a list's cells.
std::vector<ShownText> ShownTexts(const Window& window, std::span<const ControlLayout> layout);
