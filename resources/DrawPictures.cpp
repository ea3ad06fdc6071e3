// Draws the bundle's two pictures into the folder named on the command line:
// "calc.png", the program picture (256 x 256), and "paypal.gif", the face of
// the donation button (it fits the 395 x 42 button with room for its bevel).
// Both are lumaDex's own drawings, made at build time.

#include "GifWriter.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace {

// A transparent picture of the size, drawn by draw(painter) with smooth edges.
template <class Draw> QImage Drawn(int width, int height, Draw draw) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

// A rounded shape filled with the colour, without an outline.
void FillRounded(QPainter& painter, const QRectF& box, const QColor& fill, qreal radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
}

// Text in bold DejaVu Sans of the pixel size, placed in the box by the flags.
void Caption(QPainter& painter, const QRectF& box, int flags, const QColor& ink, int pixels,
             const QString& text) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setWeight(QFont::Bold);
    painter.setPen(ink);
    painter.setFont(font);
    painter.drawText(box, flags, text);
}

// A desk calculator with a big display, its keys and a paper tape rising
// from the top.
void DrawCalculator(QPainter& painter) {
    // The tape, behind the body.
    painter.setPen(QPen(QColor(0x9A, 0x9A, 0x9A), 2));
    painter.setBrush(QColor(0xFF, 0xFD, 0xF2));
    painter.drawRect(QRectF(150, 6, 68, 70));
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 3));
    for (int row = 0; row < 3; ++row) {
        const qreal y = 20 + row * 16;
        painter.drawLine(QPointF(160, y), QPointF(208 - row * 10, y));
    }

    QLinearGradient metal(0, 30, 0, 250);
    metal.setColorAt(0, QColor(0x4A, 0x4F, 0x57));
    metal.setColorAt(1, QColor(0x2A, 0x2D, 0x33));
    painter.setPen(QPen(QColor(0x1A, 0x1C, 0x20), 3));
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(22, 40, 212, 210), 22, 22);

    // The display.
    FillRounded(painter, QRectF(38, 56, 180, 46), QColor(0x10, 0x12, 0x14), 8);
    Caption(painter, QRectF(44, 56, 166, 46), Qt::AlignRight | Qt::AlignVCenter,
            QColor(0xE8, 0xFF, 0xF4), 34, QStringLiteral("42.5"));

    // Three rows of three keys and the tall "=" key on the right.
    const QString captions[3][3] = {{"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF key(38 + column * 46, 114 + row * 44, 38, 36);
            FillRounded(painter, key, QColor(0xD8, 0xD8, 0xD8), 7);
            Caption(painter, key, Qt::AlignCenter, QColor(0x20, 0x20, 0x20), 24,
                    captions[row][column]);
        }
    }
    const QRectF equals(176, 114, 42, 124);
    FillRounded(painter, equals, QColor(0xF2, 0x8C, 0x28), 8);
    Caption(painter, equals, Qt::AlignCenter, Qt::white, 32, QStringLiteral("="));
}

// A green pill with a heart and the invitation in white; the green is dark
// enough everywhere for the white text to read at 5:1 or better.
void DrawDonationFace(QPainter& painter) {
    QLinearGradient shade(0, 0, 0, 34);
    shade.setColorAt(0, QColor(0x1E, 0x7A, 0x48));
    shade.setColorAt(1, QColor(0x14, 0x5C, 0x35));
    painter.setPen(QPen(QColor(0x0F, 0x47, 0x29), 1.5));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(1, 1, 358, 32), 16, 16);

    QPainterPath heart;
    heart.moveTo(40, 26);
    heart.cubicTo(22, 14, 28, 4, 40, 12);
    heart.cubicTo(52, 4, 58, 14, 40, 26);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0x6B, 0x81));
    painter.drawPath(heart);

    Caption(painter, QRectF(60, 0, 290, 34), Qt::AlignCenter, Qt::white, 18,
            QStringLiteral("Donate to lumaDex"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // Drawing needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }
    if (!Drawn(256, 256, DrawCalculator).save(folder.filePath(QStringLiteral("calc.png")), "PNG")) {
        std::fprintf(stderr, "cannot write calc.png in %s\n", argv[1]);
        return 1;
    }
    if (!WriteGif(Drawn(360, 34, DrawDonationFace),
                  folder.filePath(QStringLiteral("paypal.gif")))) {
        std::fprintf(stderr, "cannot write paypal.gif in %s\n", argv[1]);
        return 1;
    }
    return EXIT_SUCCESS;
}
