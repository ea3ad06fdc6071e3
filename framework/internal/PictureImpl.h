#pragma once

// Framework-internal: the image behind a Picture.

#include "Picture.h"

#include <QImage>

struct PictureImpl {
    QImage image;
};
