#include "MaskedCopy.h"

#include <QImage>
#include <QPainter>

namespace velmor {

void maskedCopy(QImage& view, const QImage& picture, const QImage& mask, int x, int y) {
    if (view.isNull() || picture.isNull() || mask.isNull()) return;
    QPainter painter(&view);
    // Black mask pixels open a hole of white in the view, which the picture then fills by AND;
    // white mask pixels leave the view as it is, and the picture's white there changes nothing.
    painter.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
    painter.drawImage(x, y, mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(x, y, picture);
}

} // namespace velmor
