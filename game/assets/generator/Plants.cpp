// Trees, shrubs and small plants: imgFreePic with imgFreeMask.

#include "Drawings.h"
#include "Paint.h"

#include <cmath>

namespace velmor::artgen {

namespace {

struct Ramp {
    QColor dark, mid, light, glint;
};

const Ramp greenCrown{pal::leaf[0], pal::leaf[1], pal::leaf[2], pal::leaf[3]};
const Ramp blueGreenCrown{pal::teal[0], pal::teal[1], pal::teal[2], pal::teal[3]};
const Ramp silverCrown{{84, 92, 100}, {136, 144, 150}, {182, 188, 190}, {228, 232, 230}};
const Ramp blueCrown{pal::blue[0], pal::blue[1], pal::blue[2], pal::blue[3]};
const Ramp redCrown{pal::red[0], pal::red[1], pal::red[2], pal::red[3]};

void trunk(QPainter& p, double cx, double top, double bottom, double width) {
    QPainterPath path;
    path.moveTo(cx - width / 2, top);
    path.lineTo(cx + width / 2, top);
    path.lineTo(cx + width / 2 + 0.5, bottom - 2);
    path.lineTo(cx + width / 2 + 2.5, bottom);
    path.lineTo(cx - width / 2 - 2.5, bottom);
    path.lineTo(cx - width / 2 - 0.5, bottom - 2);
    path.closeSubpath();
    shadedPath(p, path, pal::wood[2]);
    p.setPen(QPen(pal::wood[3], 1));
    p.drawLine(QPointF(cx - width / 2 + 1, top + 1), QPointF(cx - width / 2 + 1, bottom - 2));
    p.setPen(QPen(pal::wood[0], 1));
    p.drawLine(QPointF(cx + 0.5, top + 3), QPointF(cx + 0.5, bottom - 4));
}

// A leafy crown: clumps shaded as balls, then a scatter of single leaves lit by where they sit.
void crown(QPainter& p, const Ramp& ramp, QPointF centre, double radius, uint32_t seed) {
    struct Clump {
        double dx, dy, r;
    };
    const Clump clumps[] = {{-0.45, 0.2, 0.6}, {0.45, 0.2, 0.6}, {0, 0.1, 0.8},     {-0.25, -0.35, 0.55},
                            {0.3, -0.3, 0.55}, {0, -0.55, 0.45}, {-0.1, 0.45, 0.55}};
    for (const Clump& c : clumps)
        ball(p, centre + QPointF(c.dx * radius, c.dy * radius), c.r * radius, c.r * radius, ramp.mid);
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double a = rng.range(0, 6.2832), d = std::sqrt(rng.uniform()) * radius * 0.95;
        const QPointF at = centre + QPointF(std::cos(a) * d, std::sin(a) * d * 0.95);
        const double towardLight = ((centre.x() - at.x()) + (centre.y() - at.y())) / (radius * 1.4);
        QColor c = towardLight > 0.35 ? ramp.light : (towardLight < -0.45 ? ramp.dark : ramp.mid);
        if (towardLight > 0.7 && rng.below(3) == 0) c = ramp.glint;
        p.setBrush(c);
        p.drawEllipse(at, 1.4, 1.2);
    }
}

QImage roundTree(const Ramp& ramp, uint32_t seed) {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    trunk(p, 17.5, 20, 34.5, 5);
    crown(p, ramp, QPointF(17.5, 13.5), 14, seed);
    return img;
}

QImage pottedShrub() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    crown(p, greenCrown, QPointF(17.5, 15), 10.5, 31);
    // Small flowers in the bush.
    Rng rng(32);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const QPointF at(rng.range(10, 25), rng.range(9, 21));
        p.setBrush(pal::red[3]);
        p.drawEllipse(at, 1.3, 1.3);
        p.setBrush(pal::gold[3]);
        p.drawEllipse(at, 0.5, 0.5);
    }
    QPainterPath pot;
    pot.moveTo(10, 24);
    pot.lineTo(25, 24);
    pot.lineTo(23, 34.5);
    pot.lineTo(12, 34.5);
    pot.closeSubpath();
    shadedPath(p, pot, pal::orange[1]);
    bevelBox(p, QRectF(9, 22, 17, 4), pal::orange[2]);
    return img;
}

QImage firClump() {
    QImage img = canvas(70, 72);
    QPainter p(&img);
    smooth(p);
    struct Fir {
        double x, top, bottom, width;
    };
    // Back row first, front row last, so the front trees overlap the back ones.
    const Fir firs[] = {{22, 1, 50, 30},  {50, 3, 50, 28},  {36, 8, 58, 30},
                        {11, 20, 70, 22}, {59, 22, 70, 21}, {33, 28, 71, 24}};
    int n = 0;
    for (const Fir& f : firs) {
        const double trunkH = 5;
        p.fillRect(QRectF(f.x - 1.5, f.bottom - trunkH - 1, 3, trunkH + 1), pal::wood[1]);
        const int tiers = 4;
        const double h = (f.bottom - trunkH - f.top);
        for (int t = 0; t < tiers; ++t) {
            const double ty = f.top + h * t / (tiers + 0.6);
            const double by = f.top + h * (t + 1.6) / (tiers + 0.6);
            const double w = f.width * (0.45 + 0.55 * (t + 1) / tiers) / 2;
            QPainterPath tier;
            tier.moveTo(f.x, ty);
            tier.lineTo(f.x + w, by);
            tier.quadTo(f.x, by + 2.5, f.x - w, by);
            tier.closeSubpath();
            const QColor base = n >= 3 ? QColor(44, 112, 58) : QColor(34, 90, 50);
            shadedPath(p, tier, base, 1.2);
            // The lit left flank of each tier.
            p.setPen(QPen(lit(base, 0.35), 1.2));
            p.drawLine(QPointF(f.x - 0.5, ty + 2), QPointF(f.x - w * 0.75, by - 1));
        }
        ++n;
    }
    return img;
}

QImage cone() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(pal::wood[1], 1.6));
    p.drawLine(QPointF(18, 11), QPointF(19.5, 8));
    ball(p, QPointF(17.5, 20), 6, 9, pal::wood[2]);
    // Overlapping scales in rows.
    for (int row = 0; row < 6; ++row) {
        const double y = 13.5 + row * 2.6;
        const double half = 5.2 * std::sin(3.1416 * (row + 0.8) / 6.8);
        for (double x = 17.5 - half + 1; x <= 17.5 + half - 0.5; x += 3) {
            p.setPen(QPen(pal::wood[0], 1));
            p.setBrush(x < 17.5 ? pal::wood[3] : pal::wood[2]);
            p.drawChord(QRectF(x - 1.6, y - 1.2, 3.2, 3.0), 180 * 16, 180 * 16);
        }
    }
    return img;
}

QImage dryTuft() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    // Crisp single-pixel blades fanning out from one root, so that each blade keeps its own outline.
    Rng rng(41);
    const QColor straw[] = {{160, 124, 58}, {196, 160, 82}, {226, 198, 120}};
    const int blades = 11;
    for (int i = 0; i < blades; ++i) {
        const double t = (i + 0.5) / blades;
        const double bx = 12 + t * 11;
        const double tipX = 3 + t * 29 + rng.range(-1.5, 1.5);
        const double tipY = 33 - (10 + 12 * std::sin(3.1416 * t) + rng.range(-2, 2));
        QPainterPath blade;
        blade.moveTo(bx, 33);
        blade.quadTo(bx + (tipX - bx) * 0.2, tipY + (33 - tipY) * 0.35, tipX, tipY);
        p.setPen(QPen(straw[i % 3], 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(blade);
    }
    p.fillRect(QRectF(12, 32, 12, 2), straw[0]);
    return img;
}

QImage cactus() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    const QColor green(64, 140, 64);
    auto limb = [&](QRectF r) {
        QPainterPath path;
        path.addRoundedRect(r, r.width() / 2, r.width() / 2);
        shadedPath(p, path, green, 1.3);
    };
    // Arms behind the trunk, then the trunk.
    limb(QRectF(6, 9, 6, 13));
    limb(QRectF(6, 17, 12, 5));
    limb(QRectF(24, 6, 6, 12));
    limb(QRectF(17, 13, 13, 5));
    limb(QRectF(13.5, 4, 8, 31));
    p.fillRect(QRectF(13, 33, 9, 2.5), green);
    // Ribs and spines.
    p.setPen(QPen(shaded(green, 0.4), 1));
    p.drawLine(QPointF(17.5, 7), QPointF(17.5, 34));
    p.drawLine(QPointF(9, 12), QPointF(9, 20));
    p.drawLine(QPointF(27, 9), QPointF(27, 16));
    p.setPen(QPen(QColor(236, 236, 200), 1));
    for (int y = 8; y < 33; y += 4) {
        p.drawPoint(QPointF(15.5, y));
        p.drawPoint(QPointF(19.5, y + 2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 110, 150));
    p.drawEllipse(QPointF(17.5, 4.5), 2.2, 1.8);
    return img;
}

} // namespace

void drawPlants(Art& art) {
    art.sprite("imgFreePic", 0, "imgFreeMask", 0, roundTree(greenCrown, 1));
    art.sprite("imgFreePic", 1, "imgFreeMask", 1, roundTree(blueGreenCrown, 2));
    art.sprite("imgFreePic", 2, "imgFreeMask", 2, cone());
    art.sprite("imgFreePic", 3, "imgFreeMask", 3, dryTuft());
    art.sprite("imgFreePic", 4, "imgFreeMask", 4, cactus());
    // The silver and the blue tree share one mask: one shape in two colours.
    art.sprite("imgFreePic", 5, "imgFreeMask", 5, roundTree(silverCrown, 5));
    art.sprite("imgFreePic", 6, "imgFreeMask", 5, roundTree(blueCrown, 5));
    art.sprite("imgFreePic", 7, "imgFreeMask", 6, roundTree(redCrown, 7));
    art.sprite("imgFreePic", 8, "imgFreeMask", 7, pottedShrub());
    art.sprite("imgFreePic", 9, "imgFreeMask", 8, firClump());
}

} // namespace velmor::artgen
