#pragma once

// Framework-internal: the alignment codes of text fields and list cells as
// Qt's flags, vertically centred.

#include "Listbox.h"

#include <Qt>

inline Qt::Alignment AlignmentFlags(int alignment) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == Listbox::AlignCenter) {
        horizontal = Qt::AlignHCenter;
    } else if (alignment == Listbox::AlignRight) {
        horizontal = Qt::AlignRight;
    }
    return horizontal | Qt::AlignVCenter;
}
