// Furniture seen from above and in front: beds, tables, a stump, chairs (imgForHomePic with imgForHomeMask).

#include "Drawings.h"
#include "Paint.h"

namespace velmor::artgen {

namespace {

// A table: lit top face, darker front edge and legs.
void tableBody(QPainter& p, QRectF top, double frontDepth, const QColor& topColour, const QColor& legColour) {
    const double legH = 34.5 - (top.bottom() + frontDepth);
    for (double x : {top.left() + 2, top.right() - 5}) {
        bevelBox(p, QRectF(x, top.bottom() + frontDepth - 1, 3, legH + 1), legColour);
    }
    bevelBox(p, QRectF(top.left(), top.bottom(), top.width(), frontDepth), shaded(topColour, 0.3));
    bevelBox(p, top, topColour, 1);
}

QImage bed(bool twin) {
    QImage img = canvas(70, 72);
    QPainter p(&img);
    smooth(p);
    const double x0 = twin ? 4 : 17, x1 = twin ? 66 : 53;
    // Frame and headboard.
    bevelBox(p, QRectF(x0, 3, x1 - x0, 66), pal::wood[2], 2);
    bevelBox(p, QRectF(x0 - 1, 1, x1 - x0 + 2, 11), pal::wood[1], 2);
    for (double x = x0 + 5; x < x1 - 3; x += 6)
        p.fillRect(QRectF(x, 4, 2, 6), pal::wood[3]);
    // Sheet, pillows, quilt.
    bevelBox(p, QRectF(x0 + 3, 12, x1 - x0 - 6, 52), QColor(232, 230, 220));
    const double pillowW = twin ? 24 : 26;
    const int pillows = twin ? 2 : 1;
    for (int i = 0; i < pillows; ++i) {
        const double px = twin ? x0 + 5 + i * (pillowW + 4) : (x0 + x1) / 2 - pillowW / 2;
        QPainterPath pillow;
        pillow.addRoundedRect(QRectF(px, 14, pillowW, 10), 4, 4);
        shadedPath(p, pillow, QColor(246, 244, 236), 0.8);
    }
    const QColor quilt = twin ? pal::red[1] : pal::blue[1];
    QPainterPath cover;
    cover.addRoundedRect(QRectF(x0 + 2, 28, x1 - x0 - 4, 37), 3, 3);
    shadedPath(p, cover, quilt, 0.9);
    // Folded edge and a patchwork stitch.
    p.fillRect(QRectF(x0 + 2, 28, x1 - x0 - 4, 4), QColor(240, 236, 226));
    p.fillRect(QRectF(x0 + 2, 32, x1 - x0 - 4, 1), shaded(quilt, 0.3));
    p.setPen(QPen(lit(quilt, 0.35), 1, Qt::DashLine));
    p.drawLine(QPointF(x0 + 4, 46), QPointF(x1 - 4, 46));
    p.drawLine(QPointF((x0 + x1) / 2, 34), QPointF((x0 + x1) / 2, 63));
    // Footboard.
    bevelBox(p, QRectF(x0 - 1, 63, x1 - x0 + 2, 7), pal::wood[1], 1);
    return img;
}

QImage woodenTable() {
    QImage img = canvas(70, 36);
    QPainter p(&img);
    tableBody(p, QRectF(3, 5, 64, 16), 4, pal::wood[3], pal::wood[1]);
    for (int y = 9; y < 20; y += 4)
        p.fillRect(QRectF(4, y, 62, 1), shaded(pal::wood[3], 0.2));
    return img;
}

QImage clothTable() {
    QImage img = canvas(70, 36);
    QPainter p(&img);
    smooth(p);
    tableBody(p, QRectF(3, 5, 64, 16), 4, pal::wood[3], pal::wood[1]);
    // A blue cloth over the top, hanging over the front in folds.
    QPainterPath cloth;
    cloth.moveTo(2, 4);
    cloth.lineTo(68, 4);
    cloth.lineTo(68, 27);
    for (double x = 68; x > 2; x -= 8)
        cloth.quadTo(x - 4, 30, x - 8, 27);
    cloth.closeSubpath();
    shadedPath(p, cloth, pal::blue[1], 0.8);
    p.setPen(QPen(pal::blue[3], 1));
    p.drawLine(QPointF(3, 21), QPointF(67, 21));
    p.setPen(QPen(pal::blue[0], 1));
    for (double x = 10; x < 66; x += 8)
        p.drawLine(QPointF(x, 22), QPointF(x, 27));
    // A candle on the cloth.
    p.fillRect(QRectF(33, 6, 4, 9), QColor(240, 232, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::gold[3]);
    p.drawEllipse(QPointF(35, 4), 1.5, 2.3);
    return img;
}

QImage roundTable() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    bevelBox(p, QRectF(15, 18, 5, 13), pal::wood[1]);
    ball(p, QPointF(17.5, 32), 8, 2.5, pal::wood[1]);
    const QColor cloth(56, 140, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(shaded(cloth, 0.4));
    p.drawEllipse(QPointF(17.5, 16), 15, 8.5);
    ball(p, QPointF(17.5, 14), 15, 8.5, cloth);
    p.setBrush(lit(cloth, 0.45));
    p.drawEllipse(QPointF(12, 11), 4, 2);
    return img;
}

QImage stumpTable() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    // Roots and bark.
    QPainterPath body;
    body.moveTo(5, 33);
    body.lineTo(8, 29);
    body.lineTo(8, 13);
    body.lineTo(27, 13);
    body.lineTo(27, 29);
    body.lineTo(30, 33);
    body.closeSubpath();
    shadedPath(p, body, pal::wood[1], 1.2);
    p.setPen(QPen(pal::wood[0], 1));
    for (double x : {11.0, 15.0, 20.0, 24.0})
        p.drawLine(QPointF(x, 16), QPointF(x + (x > 17 ? 1 : -1), 30));
    // The cut top with its year rings.
    p.setPen(Qt::NoPen);
    p.setBrush(pal::wood[4]);
    p.drawEllipse(QPointF(17.5, 13), 9.5, 4.5);
    p.setBrush(Qt::NoBrush);
    for (double r = 2; r < 9; r += 2.4) {
        p.setPen(QPen(pal::wood[2], 0.8));
        p.drawEllipse(QPointF(17.5, 13), r, r * 0.47);
    }
    return img;
}

QImage squareTable() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    tableBody(p, QRectF(5, 9, 25, 14), 4, pal::wood[3], pal::wood[1]);
    p.fillRect(QRectF(6, 15, 23, 1), shaded(pal::wood[3], 0.2));
    return img;
}

// A chair seen from the side, its back on the left: the sitter faces right.
QImage chairFacingRight() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    bevelBox(p, QRectF(9, 3, 4, 31), pal::wood[2]);   // back post and back leg
    bevelBox(p, QRectF(12, 6, 3, 12), pal::wood[3]);  // back rest
    bevelBox(p, QRectF(9, 18, 18, 4), pal::wood[3]);  // seat
    bevelBox(p, QRectF(23, 21, 4, 13), pal::wood[2]); // front leg
    bevelBox(p, QRectF(12, 27, 11, 2), pal::wood[1]); // stretcher
    return img;
}

} // namespace

void drawFurniture(Art& art) {
    art.sprite("imgForHomePic", 0, "imgForHomeMask", 0, bed(true));
    art.sprite("imgForHomePic", 1, "imgForHomeMask", 1, bed(false));
    art.sprite("imgForHomePic", 2, "imgForHomeMask", 2, woodenTable());
    art.sprite("imgForHomePic", 3, "imgForHomeMask", 3, roundTable());
    art.sprite("imgForHomePic", 4, "imgForHomeMask", 4, clothTable());
    art.sprite("imgForHomePic", 5, "imgForHomeMask", 5, stumpTable());
    art.sprite("imgForHomePic", 6, "imgForHomeMask", 6, squareTable());
    art.sprite("imgForHomePic", 7, "imgForHomeMask", 7, chairFacingRight());
    art.sprite("imgForHomePic", 8, "imgForHomeMask", 8, mirrored(chairFacingRight()));
}

} // namespace velmor::artgen
