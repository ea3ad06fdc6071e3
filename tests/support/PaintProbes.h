#pragma once

// Helpers for tests that look at what a widget paints.

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include <functional>

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
