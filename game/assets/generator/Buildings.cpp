// Buildings several cells large (imgSityPic with imgSityMask).

#include "Drawings.h"
#include "Paint.h"

namespace velmor::artgen {

namespace {

// A glazed window with a frame, lit glass in the top left pane.
void window(QPainter& p, QRectF r, const QColor& frame) {
    bevelBox(p, r.adjusted(-1, -1, 1, 1), frame);
    p.fillRect(r, QColor(40, 60, 100));
    p.fillRect(QRectF(r.left(), r.top(), r.width() / 2 - 0.5, r.height() / 2 - 0.5), QColor(150, 190, 230));
    p.fillRect(QRectF(r.left() + r.width() / 2 + 0.5, r.top(), r.width() / 2 - 0.5, r.height() / 2 - 0.5),
               QColor(90, 130, 190));
    p.fillRect(QRectF(r.left(), r.top() + r.height() / 2 + 0.5, r.width() / 2 - 0.5, r.height() / 2 - 0.5),
               QColor(90, 130, 190));
    p.fillRect(QRectF(r.left(), r.top() + r.height() / 2 - 0.5, r.width(), 1), frame);
    p.fillRect(QRectF(r.left() + r.width() / 2 - 0.5, r.top(), 1, r.height()), frame);
}

void bricks(QImage& img, QRect area, const QColor& base, int seed) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int row = y / 4, inRow = y % 4;
            const int shifted = x + (row % 2) * 4, inCol = shifted % 8;
            const QColor b = mix(base, lit(base, 0.25), hashNoise(shifted / 8, row, seed));
            QColor c = (inRow == 3 || inCol == 7) ? QColor(150, 136, 120) : b;
            if (inRow == 0 && inCol != 7) c = lit(b, 0.15);
            img.setPixelColor(x, y, c);
        }
}

QImage cottage() {
    QImage img = canvas(105, 72);
    {
        QPainter p(&img);
        // Whitewashed walls with dark timber beams.
        const QColor plaster(226, 214, 186);
        bevelBox(p, QRectF(9, 32, 87, 38), plaster, 1);
        for (double x : {9.0, 30.0, 52.0, 74.0, 93.0})
            bevelBox(p, QRectF(x, 32, 3, 38), pal::wood[1]);
        bevelBox(p, QRectF(9, 48, 87, 3), pal::wood[1]);
        p.fillRect(QRectF(7, 68, 91, 3), pal::stone[1]);
        // Door and windows.
        bevelBox(p, QRectF(44, 46, 15, 24), pal::wood[2], 1);
        p.fillRect(QRectF(51, 47, 1, 23), pal::wood[0]);
        p.fillRect(QRectF(55, 57, 2, 2), pal::gold[2]);
        window(p, QRectF(16, 53, 10, 9), pal::wood[1]);
        window(p, QRectF(78, 53, 10, 9), pal::wood[1]);
        window(p, QRectF(36, 36, 10, 8), pal::wood[1]);
        window(p, QRectF(59, 36, 10, 8), pal::wood[1]);
    }
    // Thatched roof: straw streaks, darker toward the eaves and the right.
    QPainterPath roof;
    roof.moveTo(1, 36);
    roof.lineTo(20, 4);
    roof.lineTo(85, 4);
    roof.lineTo(104, 36);
    roof.quadTo(52.5, 40, 1, 36);
    roof.closeSubpath();
    {
        QPainter p(&img);
        smooth(p);
        shadedPath(p, roof, QColor(206, 168, 84), 0.9);
        p.setClipPath(roof);
        Rng rng(101);
        for (int i = 0; i < 420; ++i) {
            const double x = rng.range(0, 105), y = rng.range(2, 40);
            const double t = (x + y) / 140;
            const QColor c = rng.below(2) ? lit(QColor(206, 168, 84), 0.4 - t * 0.3)
                                          : shaded(QColor(170, 128, 56), t * 0.4);
            p.setPen(QPen(c, 1));
            p.drawLine(QPointF(x, y), QPointF(x + (x - 52.5) * 0.05, y + rng.range(3, 6)));
        }
        p.setPen(QPen(QColor(120, 86, 36), 1.2));
        for (double y : {14.0, 25.0})
            p.drawLine(QPointF(0, y + 1), QPointF(105, y + 1));
        p.setClipping(false);
        // Ridge and chimney.
        bevelBox(p, QRectF(19, 2, 67, 4), QColor(150, 110, 48));
        bevelBox(p, QRectF(70, 0, 8, 6), pal::stone[2]);
    }
    return img;
}

QImage highRise() {
    QImage img = canvas(105, 144);
    // Front face and a side face in shadow on the right; the roof seen from above.
    bricks(img, QRect(4, 14, 76, 128), QColor(166, 70, 52), 111);
    for (int y = 8; y < 142; ++y)
        for (int x = 80; x < 100; ++x) {
            const int top = 14 - (x - 80) * 6 / 20;
            if (y >= top && y < 142 - (x - 80) * 6 / 20 + 6 && y < 142) {
                const int row = (y - (x - 80) * 0) / 4;
                const bool mortar = (y % 4 == 3) || ((x + row % 2 * 4) % 8 == 7);
                img.setPixelColor(x, y, mortar ? QColor(96, 84, 76) : shaded(QColor(150, 60, 46), 0.35));
            }
        }
    QPainter p(&img);
    // Roof.
    QPolygonF roofTop;
    roofTop << QPointF(4, 14) << QPointF(24, 8) << QPointF(100, 8) << QPointF(80, 14);
    roofTop.clear();
    roofTop << QPointF(4, 14) << QPointF(80, 14) << QPointF(100, 8) << QPointF(24, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::stone[2]);
    p.drawPolygon(roofTop);
    bevelBox(p, QRectF(3, 10, 78, 5), pal::stone[3]);
    bevelBox(p, QRectF(60, 2, 10, 9), pal::stone[2]);
    // Windows in rows, a door at the bottom.
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 4; ++col) {
            const QRectF w(10 + col * 18, 22 + row * 16, 10, 10);
            if (row == 6 && (col == 1 || col == 2)) continue;
            window(p, w, QColor(220, 214, 200));
        }
    for (int row = 0; row < 7; ++row)
        p.fillRect(QRectF(84, 20 + row * 16, 4, 10), QColor(40, 50, 80));
    bevelBox(p, QRectF(30, 118, 24, 24), pal::stone[1]);
    p.fillRect(QRectF(33, 121, 18, 21), QColor(60, 44, 36));
    p.fillRect(QRectF(41.5, 121, 1, 21), pal::ink);
    bevelBox(p, QRectF(26, 116, 32, 3), pal::stone[3]);
    return img;
}

QImage temple() {
    QImage img = canvas(70, 72);
    QPainter p(&img);
    smooth(p);
    const QColor marble = pal::ivory[2];
    // Dark inner hall between the columns.
    p.fillRect(QRectF(9, 26, 52, 34), QColor(52, 40, 36));
    for (int i = 0; i < 4; ++i) {
        const double x = 10 + i * 15;
        QPainterPath column;
        column.addRect(QRectF(x, 27, 7, 33));
        shadedPath(p, column, marble, 1.2);
        p.setPen(QPen(pal::ivory[0], 0.8));
        p.drawLine(QPointF(x + 2.5, 28), QPointF(x + 2.5, 59));
        p.drawLine(QPointF(x + 4.5, 28), QPointF(x + 4.5, 59));
        bevelBox(p, QRectF(x - 1, 25, 9, 3), marble);
    }
    bevelBox(p, QRectF(4, 19, 62, 6), marble);
    QPainterPath pediment;
    pediment.moveTo(2, 20);
    pediment.lineTo(35, 3);
    pediment.lineTo(68, 20);
    pediment.closeSubpath();
    shadedPath(p, pediment, marble, 1.0);
    QPainterPath tympanum;
    tympanum.moveTo(11, 18);
    tympanum.lineTo(35, 7);
    tympanum.lineTo(59, 18);
    tympanum.closeSubpath();
    shadedPath(p, tympanum, pal::ivory[1], 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::gold[2]);
    p.drawEllipse(QPointF(35, 13.5), 3, 3);
    // Steps.
    bevelBox(p, QRectF(4, 60, 62, 4), marble);
    bevelBox(p, QRectF(2, 64, 66, 4), pal::ivory[1]);
    bevelBox(p, QRectF(0, 68, 70, 4), pal::ivory[0]);
    return img;
}

QImage castle() {
    QImage img = canvas(105, 108);
    QPainter p(&img);
    auto stones = [&](QRectF r, const QColor& base) {
        bevelBox(p, r, base, 1);
        for (double y = r.top() + 5; y < r.bottom() - 1; y += 5) {
            p.fillRect(QRectF(r.left() + 1, y, r.width() - 2, 1), shaded(base, 0.35));
            const int row = int((y - r.top()) / 5);
            for (double x = r.left() + 3 + (row % 2) * 4; x < r.right() - 2; x += 8)
                p.fillRect(QRectF(x, y - 4, 1, 4), shaded(base, 0.3));
        }
    };
    auto battlement = [&](double x0, double x1, double y, const QColor& base) {
        for (double x = x0; x < x1 - 1; x += 6)
            bevelBox(p, QRectF(x, y, 4, 5), base);
    };
    const QColor wall = pal::stone[2], tower = pal::stone[3];
    // Keep at the back, curtain wall, then the two towers.
    stones(QRectF(34, 18, 37, 40), shaded(wall, 0.1));
    battlement(34, 71, 13, shaded(wall, 0.1));
    window(p, QRectF(49, 28, 7, 10), pal::stone[1]);
    stones(QRectF(14, 52, 77, 55), wall);
    battlement(14, 91, 47, wall);
    for (double x : {4.0, 79.0}) {
        stones(QRectF(x, 26, 22, 81), tower);
        battlement(x, x + 22, 21, tower);
        p.fillRect(QRectF(x + 9, 42, 4, 9), pal::ink);
        p.fillRect(QRectF(x + 9, 66, 4, 9), pal::ink);
        // Flag.
        p.fillRect(QRectF(x + 10.5, 3, 1.5, 19), pal::wood[1]);
        QPolygonF flag;
        flag << QPointF(x + 12, 3) << QPointF(x + 22, 6.5) << QPointF(x + 12, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::red[2]);
        p.drawPolygon(flag);
    }
    // Gate with a portcullis.
    smooth(p);
    QPainterPath gate;
    gate.moveTo(41, 107);
    gate.lineTo(41, 80);
    gate.cubicTo(41, 68, 64, 68, 64, 80);
    gate.lineTo(64, 107);
    gate.closeSubpath();
    p.setBrush(QColor(30, 22, 20));
    p.drawPath(gate);
    p.setClipPath(gate);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (double x = 43; x < 64; x += 4)
        p.fillRect(QRectF(x, 70, 1.5, 38), QColor(96, 92, 100));
    for (double y = 76; y < 107; y += 5)
        p.fillRect(QRectF(41, y, 23, 1.5), QColor(96, 92, 100));
    p.setClipping(false);
    return img;
}

} // namespace

void drawBuildings(Art& art) {
    art.sprite("imgSityPic", 0, "imgSityMask", 0, cottage());
    art.sprite("imgSityPic", 1, "imgSityMask", 1, highRise());
    art.sprite("imgSityPic", 2, "imgSityMask", 2, mirrored(highRise()));
    art.sprite("imgSityPic", 3, "imgSityMask", 3, temple());
    art.sprite("imgSityPic", 4, "imgSityMask", 4, castle());
}

} // namespace velmor::artgen
