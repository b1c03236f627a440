#pragma once

class QImage;

namespace velmor {

// Draws a sprite with its top-left corner at pixel (x, y) of the view, clipped to the view, as two raster
// operations on every colour channel: D = D OR (NOT M), then D = D AND P. Where the mask is black the picture
// shows; where it is white the view stays. view must be Format_RGB32; picture and mask have one size.
void maskedCopy(QImage& view, const QImage& picture, const QImage& mask, int x, int y);

} // namespace velmor
