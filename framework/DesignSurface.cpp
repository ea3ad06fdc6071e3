#include "DesignSurface.h"

#include <QWidget>

const QPalette& DesignPalette() {
    // One light grey for the window and the button faces; Qt derives the
    // bevel's shades from it, and black text and white fields from its
    // lightness.
    static const QPalette palette(QColor(0xEF, 0xEF, 0xEF));
    return palette;
}

void SetDesignSurface(QWidget& widget, const QColor& surface) {
    QPalette palette = widget.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, surface);
        palette.setColor(group, QPalette::WindowText,
                         DesignPalette().color(group, QPalette::WindowText));
    }
    widget.setPalette(palette);
}
