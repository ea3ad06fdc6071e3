#pragma once

// A small GIF writer: Qt reads GIF but cannot write it. It writes one image
// of up to 256 colours, LZW-compressed as the GIF89a format requires.

#include <QImage>
#include <QString>

// Writes the image to the file in at most 255 colours; pixels whose alpha is
// under half become the one transparent colour. Answers false
// when the file cannot be written.
bool WriteGif(const QImage& image, const QString& path);
