#pragma once

// Framework-internal: the alignment codes of text fields and list cells
// (0 default, 1 left, 2 centre, 3 right) as Qt's flags, vertically centred.

#include <Qt>

inline Qt::Alignment AlignmentFlags(int alignment) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == 2) {
        horizontal = Qt::AlignHCenter;
    } else if (alignment == 3) {
        horizontal = Qt::AlignRight;
    }
    return horizontal | Qt::AlignVCenter;
}
