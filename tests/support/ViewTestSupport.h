#pragma once

#include "view/PictureStore.h"

#include <QString>

namespace velmor::test {

// The game's own pictures, read once for all tests of a program.
inline const PictureStore& pictures() {
    static PictureStore store;
    return store;
}

// A row string of 23 cells: the filler code everywhere, and one code at the given column.
inline QString row(const QString& filler, int column = -1, const QString& code = QString()) {
    QString text;
    for (int c = 0; c < 23; ++c)
        text += (c == column ? code : filler);
    return text;
}

} // namespace velmor::test
