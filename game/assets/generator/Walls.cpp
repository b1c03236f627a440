// Wooden and stone walls (imgWallPic with imgWallMask) and the doors (imgDoor).

#include "Drawings.h"
#include "Paint.h"

namespace velmor::artgen {

namespace {

constexpr int woodBand = 11;  // thickness of a wooden wall
constexpr int stoneBand = 20; // thickness of a stone wall

// Boards of a wooden wall: along the band, with grain, dark seams and a lit upper or left edge.
void boards(QImage& img, QRect band, bool horizontal) {
    const int across = horizontal ? band.height() : band.width();
    const int boardsAcross = across >= 10 ? 3 : 2;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            const int a = horizontal ? y - band.top() : x - band.left(); // position across the boards
            const int l = horizontal ? x : y;                            // position along them
            const int board = a * boardsAcross / across;
            const int inBoard = a - board * across / boardsAcross;
            const int boardSize = across / boardsAcross;
            QColor base = mix(pal::wood[2], pal::wood[3], 0.25 + 0.25 * ((board * 7 + 3) % 3) / 2.0);
            const double grain = hashNoise(l / 3, a, 80 + board);
            QColor c = grain > 0.8 ? shaded(base, 0.15) : (grain < 0.12 ? lit(base, 0.12) : base);
            if (inBoard == 0) c = lit(base, 0.35);
            if (inBoard == boardSize - 1 || a == across - 1) c = pal::wood[0];
            if (a == 0) c = lit(base, 0.5);
            img.setPixelColor(x, y, c);
        }
}

// A square post where two wooden walls meet.
void post(QImage& img, QRect r) {
    QPainter p(&img);
    bevelBox(p, r, pal::wood[1], 2);
    p.fillRect(r.adjusted(3, 3, -3, -3), pal::wood[2]);
    p.fillRect(QRect(r.center().x(), r.center().y(), 1, 1), pal::wood[0]);
}

QImage woodWall(bool top, bool bottom, bool left, bool right) {
    QImage img = canvas(35, 36);
    const QRect topBand(0, 0, 35, woodBand), bottomBand(0, 36 - woodBand, 35, woodBand);
    const QRect leftBand(0, 0, woodBand, 36), rightBand(35 - woodBand, 0, woodBand, 36);
    if (left) boards(img, leftBand, false);
    if (right) boards(img, rightBand, false);
    if (top) boards(img, topBand, true);
    if (bottom) boards(img, bottomBand, true);
    if ((top || bottom) && (left || right))
        post(img, QRect(left ? 0 : 35 - woodBand, top ? 0 : 36 - woodBand, woodBand, woodBand));
    return img;
}

// Masonry in running bond. The pattern is laid in the coordinates of the cell, so neighbouring pieces join.
void masonry(QImage& img, QRect band) {
    constexpr int course = 6, block = 11;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            const int row = y / course, inRow = y % course;
            const int shifted = x + (row % 2) * 6;
            const int col = shifted / block, inCol = shifted % block;
            const double tone = hashNoise(col, row, 90);
            const QColor base = mix(pal::stone[2], pal::stone[3], tone * 0.7);
            QColor c = base;
            const double n = hashNoise(x, y, 91) - 0.5;
            c = n > 0 ? lit(base, n * 0.2) : shaded(base, -n * 0.2);
            if (inRow == 0 || inCol == 0) c = lit(base, 0.4);
            if (inRow == course - 1 || inCol == block - 1)
                c = pal::stone[0];
            else if (inRow == course - 2 || inCol == block - 2)
                c = shaded(base, 0.25);
            img.setPixelColor(x, y, c);
        }
    // A dark edge where the wall meets the open ground keeps the wall's outline readable.
}

void openEdge(QImage& img, QRect band, bool edgeTop, bool edgeBottom, bool edgeLeft, bool edgeRight) {
    QPainter p(&img);
    const QColor edge = pal::stone[0];
    if (edgeTop) p.fillRect(QRect(band.left(), band.top(), band.width(), 1), edge);
    if (edgeBottom) p.fillRect(QRect(band.left(), band.bottom(), band.width(), 1), edge);
    if (edgeLeft) p.fillRect(QRect(band.left(), band.top(), 1, band.height()), edge);
    if (edgeRight) p.fillRect(QRect(band.right(), band.top(), 1, band.height()), edge);
}

QImage stoneWall(int w, int h, bool top, bool bottom, bool left, bool right) {
    QImage img = canvas(w, h);
    const QRect topBand(0, 0, w, stoneBand), bottomBand(0, h - stoneBand, w, stoneBand);
    const QRect leftBand(0, 0, stoneBand, h), rightBand(w - stoneBand, 0, stoneBand, h);
    if (top) masonry(img, topBand);
    if (bottom) masonry(img, bottomBand);
    if (left) masonry(img, leftBand);
    if (right) masonry(img, rightBand);
    // Edges toward the open part of the cell.
    if (top)
        openEdge(img, topBand.adjusted(left ? stoneBand : 0, 0, right ? -stoneBand : 0, 0), false, true,
                 false, false);
    if (bottom)
        openEdge(img, bottomBand.adjusted(left ? stoneBand : 0, 0, right ? -stoneBand : 0, 0), true, false,
                 false, false);
    if (left)
        openEdge(img, leftBand.adjusted(0, top ? stoneBand : 0, 0, bottom ? -stoneBand : 0), false, false,
                 false, true);
    if (right)
        openEdge(img, rightBand.adjusted(0, top ? stoneBand : 0, 0, bottom ? -stoneBand : 0), false, false,
                 true, false);
    return img;
}

QImage door(const QColor ramp[4]) {
    QImage img = opaqueCanvas(35, 36, pal::stone[1]);
    QPainter p(&img);
    // Stone frame.
    bevelBox(p, QRectF(0, 0, 35, 36), pal::stone[2], 2);
    p.fillRect(QRectF(3, 3, 29, 33), pal::ink);
    // The leaf: vertical boards in the door's colour, an arched top.
    QPainterPath leaf;
    leaf.moveTo(4, 36);
    leaf.lineTo(4, 12);
    leaf.cubicTo(4, 2, 31, 2, 31, 12);
    leaf.lineTo(31, 36);
    leaf.closeSubpath();
    smooth(p);
    shadedPath(p, leaf, ramp[2], 0.8);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipPath(leaf);
    for (int x = 10; x < 31; x += 6)
        p.fillRect(QRectF(x, 0, 1, 36), ramp[0]);
    for (int x = 11; x < 31; x += 6)
        p.fillRect(QRectF(x, 0, 1, 36), lit(ramp[2], 0.3));
    // Iron bands with rivets.
    for (int y : {12, 27}) {
        p.fillRect(QRectF(4, y, 27, 3), QColor(52, 50, 60));
        p.fillRect(QRectF(4, y, 27, 1), QColor(110, 108, 120));
        for (int x = 6; x < 31; x += 6)
            p.fillRect(QRectF(x, y + 1, 1, 1), QColor(170, 170, 180));
    }
    p.setClipping(false);
    // Lock plate and ring handle.
    bevelBox(p, QRectF(23, 17, 5, 7), QColor(60, 56, 64));
    p.fillRect(QRectF(25, 19, 1, 3), pal::ink);
    smooth(p);
    p.setPen(QPen(QColor(40, 36, 44), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(20, 21.5), 2.2, 2.2);
    return img;
}

} // namespace

void drawWalls(Art& art) {
    // Wooden walls: a band along one side, or two bands meeting in a post.
    const bool wood[8][4] = {
        {true, false, false, false}, {false, true, false, false}, {false, false, true, false},
        {false, false, false, true}, {true, false, true, false},  {true, false, false, true},
        {false, true, true, false},  {false, true, false, true},
    };
    for (int i = 0; i < 8; ++i)
        art.sprite("imgWallPic", i, "imgWallMask", i,
                   woodWall(wood[i][0], wood[i][1], wood[i][2], wood[i][3]), false);
    // Stone corners and straight pieces; the open part of each is named by where the ground shows.
    art.sprite("imgWallPic", 8, "imgWallMask", 8, stoneWall(35, 36, false, true, false, true), false);
    art.sprite("imgWallPic", 9, "imgWallMask", 9, stoneWall(35, 36, false, true, true, false), false);
    art.sprite("imgWallPic", 10, "imgWallMask", 10, stoneWall(35, 36, true, false, false, true), false);
    art.sprite("imgWallPic", 11, "imgWallMask", 11, stoneWall(35, 36, true, false, true, false), false);
    art.sprite("imgWallPic", 12, "imgWallMask", 12, stoneWall(35, 36, false, false, false, true), false);
    art.sprite("imgWallPic", 13, "imgWallMask", 13, stoneWall(35, 36, false, false, true, false), false);
    art.sprite("imgWallPic", 14, "imgWallMask", 14, stoneWall(36, 35, false, true, false, false), false);
    art.sprite("imgWallPic", 15, "imgWallMask", 15, stoneWall(36, 35, true, false, false, false), false);
}

void drawDoors(Art& art) {
    QImage black(35, 36, QImage::Format_RGB32);
    black.fill(Qt::black);
    art.put("imgDoor", 0, black);
    art.put("imgDoor", 1, door(pal::gold).convertToFormat(QImage::Format_RGB32));
    art.put("imgDoor", 2, door(pal::blue).convertToFormat(QImage::Format_RGB32));
    const QColor green[4] = {{24, 84, 40}, {40, 124, 56}, {66, 164, 72}, {150, 210, 120}};
    art.put("imgDoor", 3, door(green).convertToFormat(QImage::Format_RGB32));
    QImage finalDoor(1, 1, QImage::Format_RGB32);
    finalDoor.setPixel(0, 0, qRgb(251, 214, 4));
    art.put("imgDoor", 4, finalDoor);
}

} // namespace velmor::artgen
