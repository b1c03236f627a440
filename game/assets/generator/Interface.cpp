// The pictures around the map: the status strip and its icons, the panels, the button faces, the title
// picture and the window icon.

#include "Drawings.h"
#include "Paint.h"
#include "assets/ArtList.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>

#include <cmath>

namespace velmor::artgen {

namespace {

// Smooth value noise on a grid of the given step, for leather and wood grain.
double softNoise(double x, double y, double step, int seed) {
    const double gx = x / step, gy = y / step;
    const int ix = int(std::floor(gx)), iy = int(std::floor(gy));
    const double fx = gx - ix, fy = gy - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = hashNoise(ix, iy, seed), b = hashNoise(ix + 1, iy, seed);
    const double c = hashNoise(ix, iy + 1, seed), d = hashNoise(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Dark leather: mottled, finely grained, darker toward the edges.
void leather(QImage& img, QRect r) {
    const QColor base = pal::leather[2];
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double blotch = softNoise(x, y, 22, 201) * 0.6 + softNoise(x, y, 7, 202) * 0.4 - 0.5;
            const double grain = hashNoise(x, y, 203) - 0.5;
            const double ex = std::min(x - r.left(), r.right() - x) / double(r.width());
            const double ey = std::min(y - r.top(), r.bottom() - y) / double(r.height());
            const double vignette = std::clamp(1.0 - std::min(ex, ey) * 6, 0.0, 1.0);
            QColor c = blotch > 0 ? lit(base, blotch * 0.35) : shaded(base, -blotch * 0.6);
            c = grain > 0 ? lit(c, grain * 0.08) : shaded(c, -grain * 0.18);
            c = shaded(c, vignette * 0.45);
            img.setPixelColor(x, y, c);
        }
}

// Dark wood planks running across, for the status strip and the button faces.
void darkWood(QImage& img, QRect r, int plankHeight, int seed) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const int plank = (y - r.top()) / plankHeight, inPlank = (y - r.top()) % plankHeight;
            const QColor base = mix(pal::wood[0], pal::wood[1], 0.45 + 0.3 * hashNoise(plank, 0, seed));
            const double grain =
                std::sin(x * 0.21 + softNoise(x, y * 3, 14, seed + plank) * 2.5 + plank * 2.1);
            QColor c = grain > 0.6 ? lit(base, 0.1) : (grain < -0.7 ? shaded(base, 0.25) : base);
            if (hashNoise(x, y, seed + 7) > 0.97) c = shaded(base, 0.35);
            if (inPlank == 0) c = lit(base, 0.18);
            if (inPlank == plankHeight - 1) c = shaded(pal::wood[0], 0.45);
            img.setPixelColor(x, y, c);
        }
}

// A sunken slot: dark inside, shadowed on the top and left, lit on the bottom and right.
void inset(QPainter& p, QRect r) {
    p.fillRect(r, QColor(20, 12, 10));
    p.fillRect(QRect(r.left() - 1, r.top() - 1, r.width() + 2, 1), shaded(pal::wood[0], 0.5));
    p.fillRect(QRect(r.left() - 1, r.top() - 1, 1, r.height() + 2), shaded(pal::wood[0], 0.5));
    p.fillRect(QRect(r.left() - 1, r.bottom() + 1, r.width() + 2, 1), pal::gold[0]);
    p.fillRect(QRect(r.right() + 1, r.top() - 1, 1, r.height() + 2), pal::gold[0]);
}

// The red and gold frame of the panels: gold lines on both sides of a red band, gold studs in the corners.
void frame(QImage& img, int band) {
    QPainter p(&img);
    const QRect r = img.rect();
    auto ring = [&](int inset, int width, const QColor& c) {
        const QRect q = r.adjusted(inset, inset, -inset, -inset);
        p.fillRect(QRect(q.left(), q.top(), q.width(), width), c);
        p.fillRect(QRect(q.left(), q.bottom() - width + 1, q.width(), width), c);
        p.fillRect(QRect(q.left(), q.top(), width, q.height()), c);
        p.fillRect(QRect(q.right() - width + 1, q.top(), width, q.height()), c);
    };
    ring(0, 1, pal::ink);
    ring(1, 1, pal::gold[3]);
    ring(2, 1, pal::gold[1]);
    for (int i = 0; i < band; ++i)
        ring(3 + i, 1, mix(pal::red[2], pal::red[0], double(i) / std::max(1, band - 1)));
    ring(3 + band, 1, pal::gold[2]);
    ring(4 + band, 1, pal::gold[0]);
    ring(5 + band, 1, pal::ink);
    // Studs on the corners of the band.
    smooth(p);
    const double c = 3 + band / 2.0;
    const double rad = std::max(1.5, band * 0.55);
    for (QPointF at : {QPointF(c, c), QPointF(r.width() - c, c), QPointF(c, r.height() - c),
                       QPointF(r.width() - c, r.height() - c)})
        ball(p, at, rad, rad, pal::gold[2]);
}

QImage panel(int w, int h, int band) {
    QImage img = opaqueCanvas(w, h, pal::leather[1]);
    leather(img, img.rect());
    frame(img, band);
    return img;
}

QImage statusStrip() {
    QImage img = opaqueCanvas(803, 73, pal::wood[0]);
    darkWood(img, img.rect(), 23, 300);
    QPainter p(&img);
    // Gold trim just under the map view's edge and along the bottom.
    p.fillRect(QRect(0, 4, 803, 1), pal::gold[0]);
    p.fillRect(QRect(0, 5, 803, 1), pal::gold[2]);
    p.fillRect(QRect(0, 6, 803, 1), pal::gold[0]);
    p.fillRect(QRect(0, 70, 803, 1), pal::gold[0]);
    p.fillRect(QRect(0, 71, 803, 1), pal::gold[2]);
    p.fillRect(QRect(0, 72, 803, 1), pal::ink);
    // Sunken places for the money, the two bars and the five scrolls.
    inset(p, QRect(110, 22, 86, 29));
    inset(p, QRect(239, 15, 355, 13));
    inset(p, QRect(239, 39, 355, 13));
    for (int x : {632, 664, 696, 728, 760})
        inset(p, QRect(x, 16, 31, 32));
    return img;
}

QImage chestIcon() {
    QImage img = canvas(50, 42);
    QPainter p(&img);
    // The cell's chest, enlarged to fill the icon.
    p.translate(-3, -11.4);
    p.scale(1.6, 1.6);
    paintChest(p, pal::wood[3], pal::gold[2], true);
    p.end();
    return hardened(img, true);
}

QImage moneyBag() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    const QColor sack(214, 178, 112);
    QPainterPath bag;
    bag.moveTo(13, 11);
    bag.cubicTo(2, 18, 3, 34, 17.5, 34);
    bag.cubicTo(32, 34, 33, 18, 22, 11);
    bag.closeSubpath();
    shadedPath(p, bag, sack, 1.2);
    QPainterPath neck;
    neck.moveTo(12, 4);
    neck.lineTo(16, 7);
    neck.lineTo(19, 7);
    neck.lineTo(23, 4);
    neck.lineTo(22, 11);
    neck.lineTo(13, 11);
    neck.closeSubpath();
    shadedPath(p, neck, sack, 1.0);
    bevelBox(p, QRectF(12, 10, 11, 2.5), pal::red[1]);
    // A gold coin mark on the sack and coins spilling at its foot.
    ball(p, QPointF(17.5, 23), 6, 6, pal::gold[2]);
    p.setPen(QPen(pal::gold[0], 1.2));
    p.drawEllipse(QPointF(17.5, 23), 3.8, 3.8);
    ball(p, QPointF(29, 32), 3.5, 2.3, pal::gold[2]);
    p.end();
    return hardened(img, true);
}

QImage heart() {
    QImage img = canvas(23, 22);
    QPainter p(&img);
    smooth(p);
    QPainterPath h;
    h.moveTo(11.5, 20);
    h.cubicTo(0, 12, 0, 2, 6.5, 2);
    h.cubicTo(9.5, 2, 11, 4.5, 11.5, 6);
    h.cubicTo(12, 4.5, 13.5, 2, 16.5, 2);
    h.cubicTo(23, 2, 23, 12, 11.5, 20);
    h.closeSubpath();
    shadedPath(p, h, pal::red[2], 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::red[3]);
    p.drawEllipse(QPointF(6, 6.5), 2.2, 1.6);
    p.end();
    return hardened(img, true);
}

QImage lightning() {
    QImage img = canvas(27, 25);
    QPainter p(&img);
    smooth(p);
    QPolygonF bolt;
    bolt << QPointF(16, 1) << QPointF(6, 13) << QPointF(12.5, 13) << QPointF(9, 24) << QPointF(22, 9)
         << QPointF(15, 9) << QPointF(20, 1);
    QPainterPath path;
    path.addPolygon(bolt);
    path.closeSubpath();
    shadedPath(p, path, QColor(250, 214, 40), 1.2);
    p.setPen(QPen(QColor(255, 250, 200), 1));
    p.drawLine(QPointF(15.5, 2.5), QPointF(8.5, 11.5));
    p.end();
    return hardened(img, true);
}

// Big faces have room for bold letters; the small ones read better in the regular weight at a larger size.
QFont faceFont(int pixelSize, bool bold) {
    QFont font(bold ? fonts().sansBold : fonts().sans);
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// One letter size for all faces of a kind: the largest at which every word fits, so the buttons read alike.
int faceLetterSize(bool big, int largest) {
    int size = largest;
    for (const auto& b : velmor::assets::buttonWords())
        if (b.big == big)
            while (size > 8 && QFontMetricsF(faceFont(size, big)).horizontalAdvance(b.word) >
                                   velmor::assets::buttonSize(big).width() - 8)
                --size;
    return size;
}

QImage buttonFace(const QString& word, QSize size, int pixelSize) {
    QImage img = opaqueCanvas(size.width(), size.height(), pal::wood[0]);
    darkWood(img, img.rect().adjusted(2, 2, -2, -2), size.height() <= 24 ? 10 : 14, 400 + size.height());
    QPainter p(&img);
    const QRect r = img.rect();
    p.fillRect(QRect(0, 0, r.width(), 1), pal::gold[2]);
    p.fillRect(QRect(0, 0, 1, r.height()), pal::gold[2]);
    p.fillRect(QRect(0, r.height() - 1, r.width(), 1), pal::gold[0]);
    p.fillRect(QRect(r.width() - 1, 0, 1, r.height()), pal::gold[0]);
    p.fillRect(QRect(1, 1, r.width() - 2, 1), lit(pal::wood[1], 0.25));
    p.fillRect(QRect(1, 1, 1, r.height() - 2), lit(pal::wood[1], 0.2));
    p.fillRect(QRect(1, r.height() - 2, r.width() - 2, 1), pal::ink);
    p.fillRect(QRect(r.width() - 2, 1, 1, r.height() - 2), pal::ink);
    // The word in warm cream over a dark shadow.
    p.setFont(faceFont(pixelSize, size.height() > 24));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QRectF textBox = QRectF(r).adjusted(0, 0, 0, -1);
    p.setPen(pal::ink);
    p.drawText(textBox.translated(1, 1), Qt::AlignCenter, word);
    p.setPen(QColor(246, 226, 164));
    p.drawText(textBox, Qt::AlignCenter, word);
    return img;
}

// A silhouette ridge across the width, rising and falling by a fixed random walk.
QPainterPath ridge(int w, double baseY, double height, int seed, double roughness, int bottom) {
    QPainterPath path;
    path.moveTo(0, bottom);
    for (int x = 0; x <= w; x += 4) {
        const double y =
            baseY - height * (softNoise(x, 0, 90, seed) * 0.75 + softNoise(x, 0, 23, seed + 1) * roughness);
        path.lineTo(x, y);
    }
    path.lineTo(w, bottom);
    path.closeSubpath();
    return path;
}

void firSilhouette(QPainter& p, double x, double bottom, double h, const QColor& c) {
    QPolygonF tree;
    const double w = h * 0.36;
    tree << QPointF(x, bottom - h);
    for (int t = 1; t <= 4; ++t) {
        const double y = bottom - h + h * t / 4.6;
        tree << QPointF(x + w * t / 4, y) << QPointF(x + w * t / 4 * 0.55, y);
    }
    tree << QPointF(x + w * 0.12, bottom) << QPointF(x - w * 0.12, bottom);
    for (int t = 4; t >= 1; --t) {
        const double y = bottom - h + h * t / 4.6;
        tree << QPointF(x - w * t / 4 * 0.55, y) << QPointF(x - w * t / 4, y);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(tree);
}

QImage title() {
    QImage img = opaqueCanvas(800, 600, Qt::black);
    QPainter p(&img);
    smooth(p);
    // Dusk sky.
    QLinearGradient sky(0, 0, 0, 420);
    sky.setColorAt(0.0, QColor(14, 14, 44));
    sky.setColorAt(0.45, QColor(52, 38, 96));
    sky.setColorAt(0.75, QColor(168, 78, 86));
    sky.setColorAt(1.0, QColor(242, 162, 86));
    p.fillRect(img.rect(), sky);
    Rng rng(500);
    for (int i = 0; i < 160; ++i) {
        const double x = rng.range(0, 800), y = rng.range(0, 240);
        const int a = 90 + rng.below(160);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 230, a));
        const double r = rng.below(8) == 0 ? 1.3 : 0.7;
        p.drawEllipse(QPointF(x, y), r, r);
    }
    // Moon with a soft halo.
    QRadialGradient halo(694, 96, 100);
    halo.setColorAt(0, QColor(255, 240, 200, 90));
    halo.setColorAt(1, QColor(255, 240, 200, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(694, 96), 100, 100);
    ball(p, QPointF(694, 96), 34, 34, QColor(246, 236, 200));
    p.setBrush(QColor(214, 204, 170));
    p.drawEllipse(QPointF(685, 88), 6, 5);
    p.drawEllipse(QPointF(704, 106), 4.5, 3.5);
    // Far mountains, a hill with the castle, the near forest.
    p.setBrush(QColor(70, 52, 104));
    p.drawPath(ridge(800, 400, 150, 510, 0.5, 600));
    p.setBrush(QColor(48, 38, 78));
    p.drawPath(ridge(800, 450, 110, 520, 0.35, 600));
    // Castle on its hill, right of centre.
    p.setBrush(QColor(30, 26, 52));
    p.drawEllipse(QPointF(610, 520), 230, 110);
    const QColor castle(26, 22, 44);
    p.fillRect(QRectF(548, 350, 124, 80), castle);
    for (double x : {530.0, 600.0, 668.0}) {
        const double h = x == 600.0 ? 130 : 100;
        p.fillRect(QRectF(x, 430 - h, 24, h), castle);
        for (double cx = x; cx < x + 24; cx += 8)
            p.fillRect(QRectF(cx, 430 - h - 6, 5, 6), castle);
        p.setBrush(castle);
        p.drawPolygon(QPolygonF() << QPointF(x - 3, 430 - h - 6) << QPointF(x + 12, 430 - h - 34)
                                  << QPointF(x + 27, 430 - h - 6));
    }
    p.setBrush(QColor(255, 196, 90));
    for (QPointF w :
         {QPointF(609, 330), QPointF(538, 368), QPointF(676, 372), QPointF(580, 390), QPointF(640, 392)})
        p.drawRect(QRectF(w.x(), w.y(), 4, 7));
    p.setBrush(QColor(26, 44, 40));
    p.drawPath(ridge(800, 540, 60, 530, 0.3, 600));
    Rng trees(540);
    for (int i = 0; i < 60; ++i) {
        const double x = trees.range(-10, 810);
        const double h = trees.range(50, 120);
        firSilhouette(p, x, 600 - trees.range(0, 30), h, QColor(14, 30, 28));
    }
    for (int i = 0; i < 14; ++i)
        firSilhouette(p, i < 7 ? 10 + i * 30 : 560 + i * 18, 604, trees.range(120, 190), QColor(8, 18, 18));
    // The name: gold letters with a dark edge and a drop shadow.
    QFont font(fonts().serifBold);
    font.setPixelSize(118);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    QPainterPath name;
    const QString text = QStringLiteral("Velmor");
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    name.addText(QPointF((800 - width) / 2, 178), font, text);
    p.setBrush(QColor(0, 0, 0, 140));
    p.setPen(Qt::NoPen);
    p.drawPath(name.translated(5, 6));
    p.setPen(QPen(QColor(60, 30, 10), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient goldFill(0, 80, 0, 180);
    goldFill.setColorAt(0.0, pal::gold[3]);
    goldFill.setColorAt(0.5, pal::gold[2]);
    goldFill.setColorAt(0.52, pal::gold[1]);
    goldFill.setColorAt(1.0, QColor(150, 96, 20));
    p.setPen(QPen(pal::gold[3], 1.2));
    p.setBrush(goldFill);
    p.drawPath(name);
    // A thin ornament under the name.
    p.setPen(QPen(pal::gold[2], 2));
    p.drawLine(QPointF(250, 204), QPointF(380, 204));
    p.drawLine(QPointF(420, 204), QPointF(550, 204));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::gold[2]);
    p.drawPolygon(QPolygonF() << QPointF(400, 196) << QPointF(408, 204) << QPointF(400, 212)
                              << QPointF(392, 204));
    return img;
}

QImage windowIcon() {
    QImage img = canvas(64, 64);
    QPainter p(&img);
    smooth(p);
    QPainterPath shield;
    shield.moveTo(6, 6);
    shield.lineTo(58, 6);
    shield.lineTo(58, 30);
    shield.cubicTo(58, 48, 42, 56, 32, 61);
    shield.cubicTo(22, 56, 6, 48, 6, 30);
    shield.closeSubpath();
    p.setPen(QPen(pal::gold[1], 4));
    p.setBrush(pal::red[1]);
    p.drawPath(shield);
    QFont font(fonts().serifBold);
    font.setPixelSize(40);
    QPainterPath v;
    const double w = QFontMetricsF(font).horizontalAdvance("V");
    v.addText(QPointF(32 - w / 2, 45), font, "V");
    p.setPen(QPen(pal::gold[0], 1.5));
    p.setBrush(pal::gold[2]);
    p.drawPath(v);
    return img;
}

} // namespace

void drawInterface(Art& art) {
    art.named("statusStrip", statusStrip());
    art.named("chest", chestIcon());
    art.named("moneyBag", moneyBag());
    art.named("heart", heart());
    art.named("lightning", lightning());
    art.named("panel", panel(441, 329, 6));
    art.named("offerPanel", panel(372, 138, 5));
    art.named("pausePanel", panel(121, 105, 3));
    art.named("title", title());
    art.named("icon", windowIcon());
    const int smallLetters = faceLetterSize(false, 12), bigLetters = faceLetterSize(true, 17);
    for (const auto& b : velmor::assets::buttonWords())
        art.button(b.key, b.big,
                   buttonFace(b.word, velmor::assets::buttonSize(b.big), b.big ? bigLetters : smallLetters));
}

} // namespace velmor::artgen
