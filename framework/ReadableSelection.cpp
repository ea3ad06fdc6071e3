#include "ReadableSelection.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLeastContrast = 4.5;

// Relative luminance, as contrast ratios are defined on it.
double Luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor Mixed(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(
        static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
        static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
        static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// The highlight moved towards black under a light text, towards white under
// a dark one, by the least step that reads. A text of middle grey reads on
// neither end: it gives way to black or white, whichever reads better.
void MakeReadable(QPalette& palette, QPalette::ColorGroup group) {
    const QColor text = palette.color(group, QPalette::HighlightedText);
    const QColor highlight = palette.color(group, QPalette::Highlight);
    if (Contrast(text, highlight) >= kLeastContrast) {
        return;
    }
    const QColor away = Luminance(text) > Luminance(highlight) ? Qt::black : Qt::white;
    constexpr int kSteps = 20;
    for (int step = 1; step <= kSteps; ++step) {
        const QColor candidate = Mixed(highlight, away, static_cast<double>(step) / kSteps);
        if (Contrast(text, candidate) >= kLeastContrast) {
            palette.setColor(group, QPalette::Highlight, candidate);
            return;
        }
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    palette.setColor(group, QPalette::HighlightedText,
                     Contrast(black, highlight) >= Contrast(white, highlight) ? black : white);
}

// Makes the application's palette readable, as given at start and each time
// the theme gives another: Qt tells each widget of a new palette, not the
// application. The palette it sets itself needs no second look.
class SelectionKeeper final : public QObject {
public:
    using QObject::QObject;

    static void Apply() {
        QPalette palette = QApplication::palette();
        const QPalette before = palette;
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            MakeReadable(palette, group);
        }
        if (palette != before) {
            QApplication::setPalette(palette);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange) {
            Apply();
        }
        return false;
    }
};

} // namespace

void KeepSelectionReadable() {
    // Owned by the application: gone with it, and made again for a new one.
    static QPointer<SelectionKeeper> keeper;
    if (keeper == nullptr) {
        keeper = new SelectionKeeper(qApp);
        qApp->installEventFilter(keeper);
    }
    SelectionKeeper::Apply();
}
