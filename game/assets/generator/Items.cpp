// The item pictures (imgVesh) and the five scrolls (imgRemen), on a transparent background.

#include "Drawings.h"
#include "Paint.h"

#include <cmath>

namespace velmor::artgen {

namespace {

struct Ramp {
    QColor dark, mid, light, glint;
};

const Ramp goldR{pal::gold[0], pal::gold[1], pal::gold[2], pal::gold[3]};
const Ramp blueR{pal::blue[0], pal::blue[1], pal::blue[2], pal::blue[3]};
const Ramp redR{pal::red[0], pal::red[1], pal::red[2], pal::red[3]};
const Ramp greenR{{20, 96, 44}, {44, 158, 70}, {96, 212, 110}, {196, 250, 196}};
const Ramp yellowR{{140, 100, 10}, {216, 172, 30}, {250, 222, 80}, {255, 250, 196}};
const Ramp violetR{pal::violet[0], pal::violet[1], pal::violet[2], pal::violet[3]};
const Ramp silverR{{84, 88, 100}, {146, 150, 160}, {196, 200, 206}, {244, 246, 250}};
const Ramp greyR{{70, 70, 78}, {112, 112, 120}, {156, 156, 164}, {214, 214, 220}};

// A metal band of a ring seen slightly from above: an ellipse ring lit on the upper left.
void ringBand(QPainter& p, QPointF c, double rx, double ry, double thick, const Ramp& m) {
    QPainterPath band;
    band.addEllipse(c, rx, ry);
    band.addEllipse(c + QPointF(0, thick * 0.25), rx - thick, ry - thick * 0.8);
    band.setFillRule(Qt::OddEvenFill);
    shadedPath(p, band, m.mid, 1.3);
    p.setPen(QPen(m.glint, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - rx + 1, c.y() - ry + 1, 2 * rx - 2, 2 * ry - 2), 100 * 16, 80 * 16);
}

void gem(QPainter& p, QPointF c, double r, const Ramp& g) {
    QPolygonF cut;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4 + 3.14159265 / 8;
        cut << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g.mid);
    p.drawPolygon(cut);
    p.setBrush(g.light);
    p.drawPolygon(QPolygonF() << cut[4] << cut[5] << cut[6] << c);
    p.setBrush(g.dark);
    p.drawPolygon(QPolygonF() << cut[0] << cut[1] << cut[2] << c);
    p.setBrush(g.glint);
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.35), r * 0.22, r * 0.22);
}

QImage ornateRing() {
    QImage img = canvas(37, 38);
    QPainter p(&img);
    smooth(p);
    ringBand(p, QPointF(18.5, 23), 13, 11, 4, goldR);
    // The setting: prongs and a red stone.
    ball(p, QPointF(18.5, 11), 7, 5, goldR.mid);
    for (double dx : {-6.0, -2.0, 2.0, 6.0})
        ball(p, QPointF(18.5 + dx, 13), 1.4, 1.4, goldR.light);
    gem(p, QPointF(18.5, 9), 5, redR);
    return img;
}

QImage ankh() {
    QImage img = canvas(20, 33);
    QPainter p(&img);
    smooth(p);
    QPainterPath loop;
    loop.addEllipse(QPointF(10, 7.5), 5.5, 6.5);
    loop.addEllipse(QPointF(10, 7.5), 2.6, 3.8);
    loop.setFillRule(Qt::OddEvenFill);
    shadedPath(p, loop, goldR.mid, 1.3);
    QPainterPath cross;
    cross.addRect(QRectF(8, 13, 4, 19));
    cross.addRect(QRectF(1.5, 14.5, 17, 4));
    cross.setFillRule(Qt::WindingFill);
    shadedPath(p, cross.simplified(), goldR.mid, 1.3);
    p.setPen(QPen(goldR.glint, 1));
    p.drawLine(QPointF(9, 19), QPointF(9, 31));
    p.drawLine(QPointF(2.5, 15.5), QPointF(17, 15.5));
    gem(p, QPointF(10, 16.5), 1.8, redR);
    return img;
}

// A breastplate with shoulder guards and a skirt of plates; pattern adds what each kind shows.
enum class ArmourLook { Scales, Plate, Bones };

QImage armour(int w, int h, const Ramp& m, ArmourLook look) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    smooth(p);
    const double cx = w / 2.0;
    const double bodyW = w * 0.62, shoulder = w * 0.2;
    QPainterPath body;
    body.moveTo(cx - bodyW / 2, h * 0.14);
    body.lineTo(cx - w * 0.12, h * 0.1);
    body.quadTo(cx, h * 0.22, cx + w * 0.12, h * 0.1);
    body.lineTo(cx + bodyW / 2, h * 0.14);
    body.lineTo(cx + bodyW / 2 - 1, h * 0.66);
    body.lineTo(cx + bodyW / 2 + 1, h * 0.96);
    body.lineTo(cx - bodyW / 2 - 1, h * 0.96);
    body.lineTo(cx - bodyW / 2 + 1, h * 0.66);
    body.closeSubpath();
    shadedPath(p, body, m.mid, 1.2);
    p.setClipPath(body);
    if (look == ArmourLook::Scales) {
        for (int row = 0; row < 12; ++row)
            for (int col = -1; col < 8; ++col) {
                const double x = cx - bodyW / 2 + col * 4 + (row % 2) * 2, y = h * 0.16 + row * 2.8;
                p.setPen(QPen(m.dark, 0.8));
                p.setBrush(x < cx ? m.light : m.mid);
                p.drawChord(QRectF(x, y - 1.5, 4, 4), 180 * 16, 180 * 16);
            }
    } else if (look == ArmourLook::Plate) {
        p.setPen(QPen(m.glint, 1.2));
        p.drawLine(QPointF(cx - 2, h * 0.22), QPointF(cx - 2, h * 0.6));
        p.setPen(QPen(m.dark, 1));
        p.drawLine(QPointF(cx, h * 0.2), QPointF(cx, h * 0.64));
        for (double y : {0.66, 0.76, 0.86}) {
            p.setPen(QPen(m.dark, 1));
            p.drawLine(QPointF(0, h * y), QPointF(w, h * y));
            p.setPen(QPen(m.light, 1));
            p.drawLine(QPointF(0, h * y + 1), QPointF(w, h * y + 1));
        }
    } else {
        // Ribs over a dark leather ground, with a spine down the middle.
        p.fillRect(img.rect(), QColor(56, 40, 36));
        for (int i = 0; i < 6; ++i) {
            const double y = h * 0.2 + i * h * 0.075;
            p.setPen(QPen(pal::bone[2], 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(cx - bodyW / 2 + 1, y - 2, bodyW / 2 - 1.5, 6), 20 * 16, 150 * 16);
            p.drawArc(QRectF(cx + 0.5, y - 2, bodyW / 2 - 1.5, 6), 10 * 16, 150 * 16);
        }
        for (double y = h * 0.16; y < h * 0.92; y += 3)
            ball(p, QPointF(cx, y), 1.6, 1.4, pal::bone[2]);
    }
    p.setClipping(false);
    // Shoulder guards.
    for (int side : {-1, 1}) {
        const QPointF c(cx + side * (bodyW / 2), h * 0.18);
        if (look == ArmourLook::Bones) {
            ball(p, c, shoulder * 0.75, shoulder * 0.65, pal::bone[2]);
            p.setPen(Qt::NoPen);
            p.setBrush(pal::ink);
            p.drawEllipse(c + QPointF(-1, 0), 1.1, 1.3);
            p.drawEllipse(c + QPointF(1.8, 0), 1.1, 1.3);
        } else {
            ball(p, c, shoulder * 0.8, shoulder * 0.6, m.mid);
        }
    }
    return img;
}

QImage robe() {
    QImage img = canvas(28, 34);
    QPainter p(&img);
    smooth(p);
    const QColor white(236, 234, 226), black(40, 36, 44);
    QPainterPath body;
    body.moveTo(9, 2);
    body.lineTo(19, 2);
    body.lineTo(27, 12);
    body.lineTo(23, 15);
    body.lineTo(21, 12);
    body.lineTo(23, 33);
    body.lineTo(5, 33);
    body.lineTo(7, 12);
    body.lineTo(5, 15);
    body.lineTo(1, 12);
    body.closeSubpath();
    shadedPath(p, body, white, 0.8);
    p.setClipPath(body);
    // A black band down the front and black hems with a zigzag.
    p.fillRect(QRectF(12, 0, 4, 34), black);
    p.fillRect(QRectF(0, 28, 28, 6), black);
    p.setPen(QPen(white, 1));
    for (double x = 4; x < 24; x += 4) {
        p.drawLine(QPointF(x, 31), QPointF(x + 2, 29));
        p.drawLine(QPointF(x + 2, 29), QPointF(x + 4, 31));
    }
    p.setClipping(false);
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawEllipse(QPointF(14, 3), 3.5, 2);
    return img;
}

QImage key(const Ramp& m) {
    QImage img = canvas(41, 41);
    QPainter p(&img);
    smooth(p);
    p.translate(20.5, 20.5);
    p.rotate(-45);
    // Shaft with teeth, a collar and a ring bow.
    QPainterPath shaft;
    shaft.addRect(QRectF(-4, -2, 22, 4));
    shaft.addRect(QRectF(12, 2, 3, 5));
    shaft.addRect(QRectF(16, 2, 2.5, 4));
    shadedPath(p, shaft.simplified(), m.mid, 1.2);
    bevelBox(p, QRectF(-6, -3.5, 3, 7), m.light);
    QPainterPath bow;
    bow.addEllipse(QPointF(-12, 0), 7.5, 7.5);
    bow.addEllipse(QPointF(-12, 0), 3.5, 3.5);
    bow.setFillRule(Qt::OddEvenFill);
    shadedPath(p, bow, m.mid, 1.3);
    p.setPen(QPen(m.glint, 1));
    p.drawLine(QPointF(-2, -1), QPointF(16, -1));
    return img;
}

QImage discAmulet(const Ramp& m) {
    QImage img = canvas(37, 38);
    QPainter p(&img);
    smooth(p);
    // Chain loop on top.
    p.setPen(QPen(goldR.mid, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(18.5, 5), 3, 3.5);
    ball(p, QPointF(18.5, 22), 15, 15, m.mid);
    p.setPen(QPen(m.dark, 1.2));
    p.drawEllipse(QPointF(18.5, 22), 11, 11);
    // A dragon's eye in the middle.
    p.setPen(Qt::NoPen);
    p.setBrush(m.light);
    p.drawEllipse(QPointF(18.5, 22), 6, 4);
    p.setBrush(pal::ink);
    p.drawEllipse(QPointF(18.5, 22), 1.4, 3.6);
    p.setBrush(m.glint);
    p.drawEllipse(QPointF(13, 15), 2.4, 1.6);
    return img;
}

QImage shard(const Ramp& m) {
    QImage img = canvas(41, 41);
    QPainter p(&img);
    smooth(p);
    QPolygonF outer;
    outer << QPointF(18, 3) << QPointF(29, 14) << QPointF(31, 30) << QPointF(21, 38) << QPointF(10, 31)
          << QPointF(9, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(m.mid);
    p.drawPolygon(outer);
    p.setBrush(m.light);
    p.drawPolygon(QPolygonF() << QPointF(18, 3) << QPointF(9, 14) << QPointF(10, 31) << QPointF(19, 20));
    p.setBrush(m.glint);
    p.drawPolygon(QPolygonF() << QPointF(18, 3) << QPointF(19, 20) << QPointF(29, 14));
    p.setBrush(m.dark);
    p.drawPolygon(QPolygonF() << QPointF(19, 20) << QPointF(31, 30) << QPointF(21, 38));
    p.setPen(QPen(m.glint, 1));
    p.drawLine(QPointF(13, 13), QPointF(12, 24));
    return img;
}

QImage plainRing(const Ramp& m) {
    QImage img = canvas(41, 41);
    QPainter p(&img);
    smooth(p);
    ringBand(p, QPointF(20.5, 24), 14, 12, 5, m);
    gem(p, QPointF(20.5, 11), 4.5, m);
    return img;
}

QImage flask(const Ramp& m) {
    QImage img = canvas(41, 41);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(goldR.mid, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, 1, 13, 10), 0, 180 * 16);
    bevelBox(p, QRectF(17, 4, 7, 4), goldR.mid);
    QPainterPath body;
    body.moveTo(18, 8);
    body.lineTo(23, 8);
    body.lineTo(23, 14);
    body.cubicTo(35, 17, 34, 37, 20.5, 38);
    body.cubicTo(7, 37, 6, 17, 18, 14);
    body.closeSubpath();
    shadedPath(p, body, m.mid, 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(m.glint);
    p.drawEllipse(QPointF(15, 23), 2, 3.5);
    p.setBrush(m.dark);
    p.drawEllipse(QPointF(20.5, 28), 4, 4);
    p.setBrush(m.light);
    p.drawEllipse(QPointF(19.5, 27), 1.5, 1.5);
    return img;
}

QImage skull() {
    QImage img = canvas(41, 41);
    QPainter p(&img);
    smooth(p);
    QPainterPath head;
    head.addEllipse(QPointF(20.5, 17), 14, 13.5);
    head.addRoundedRect(QRectF(12, 22, 17, 14), 4, 4);
    shadedPath(p, head.simplified(), pal::bone[2], 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::ink);
    p.drawEllipse(QPointF(15, 19), 4, 4.5);
    p.drawEllipse(QPointF(26, 19), 4, 4.5);
    QPolygonF nose;
    nose << QPointF(20.5, 23) << QPointF(18.5, 28) << QPointF(22.5, 28);
    p.drawPolygon(nose);
    for (double x = 14.5; x < 27; x += 3)
        p.fillRect(QRectF(x, 31, 1, 5), shaded(pal::bone[1], 0.4));
    p.setBrush(pal::bone[3]);
    p.drawEllipse(QPointF(14, 9), 3, 2);
    return img;
}

QImage scroll(const Ramp& m) {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    smooth(p);
    // A sheet tinted in the scroll's colour, rolled at both ends, tied with a gold cord.
    QPainterPath sheet;
    sheet.addRect(QRectF(6, 7, 20, 18));
    shadedPath(p, sheet, m.light, 0.8);
    p.setPen(QPen(m.dark, 1));
    for (double y : {11.5, 14.5, 17.5, 20.5})
        p.drawLine(QPointF(9, y), QPointF(23 - (int(y) % 3), y));
    for (double y : {6.0, 26.0}) {
        QPainterPath roll;
        roll.addRoundedRect(QRectF(3, y - 3, 26, 6), 3, 3);
        shadedPath(p, roll, m.mid, 1.3);
        ball(p, QPointF(3.5, y), 2, 3, m.dark);
        ball(p, QPointF(28.5, y), 2, 3, m.dark);
    }
    bevelBox(p, QRectF(14, 16, 4, 10), goldR.mid);
    ball(p, QPointF(16, 22), 3.5, 3.5, redR.mid);
    return img;
}

} // namespace

void drawItems(Art& art) {
    art.item("imgVesh", 0, ornateRing());
    art.item("imgVesh", 1, ankh());
    art.item("imgVesh", 2, armour(34, 36, greenR, ArmourLook::Scales));
    art.item("imgVesh", 3, robe());
    art.item("imgVesh", 4, armour(29, 34, silverR, ArmourLook::Plate));
    art.item("imgVesh", 5, armour(27, 34, goldR, ArmourLook::Plate));
    art.item(
        "imgVesh", 6,
        armour(36, 39, Ramp{{60, 44, 40}, {96, 74, 64}, {130, 104, 90}, {180, 160, 140}}, ArmourLook::Bones));
    art.item("imgVesh", 7, key(goldR));
    art.item("imgVesh", 8, key(blueR));
    art.item("imgVesh", 9, key(greenR));
    art.item("imgVesh", 10, discAmulet(goldR));
    art.item("imgVesh", 11, discAmulet(blueR));
    art.item("imgVesh", 12, discAmulet(redR));
    art.item("imgVesh", 13, shard(redR));
    art.item("imgVesh", 14, shard(greenR));
    art.item("imgVesh", 15, shard(yellowR));
    art.item("imgVesh", 16, shard(blueR));
    art.item("imgVesh", 17, shard(violetR));
    art.item("imgVesh", 18, plainRing(redR));
    art.item("imgVesh", 19, plainRing(blueR));
    const Ramp flasks[] = {goldR, greenR, blueR, redR, greyR};
    for (int i = 0; i < 5; ++i)
        art.item("imgVesh", 20 + i, flask(flasks[i]));
    art.item("imgVesh", 25, skull());
}

void drawScrolls(Art& art) {
    // In index order: gold, blue, green, black (shown grey), red.
    const Ramp hues[] = {
        {pal::orange[0], pal::orange[1], pal::orange[2], pal::orange[3]}, blueR, greenR, greyR, redR};
    for (int i = 0; i < 5; ++i)
        art.item("imgRemen", i, scroll(hues[i]));
}

} // namespace velmor::artgen
