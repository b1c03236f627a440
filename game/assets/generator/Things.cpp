// Crystals (imgMineralPic), the signpost (imgUkaz) and the miscellaneous objects (imgRaznoePic).

#include "Bones.h"
#include "Drawings.h"
#include "Paint.h"

#include <cmath>

namespace velmor::artgen {

namespace {

struct Hue {
    QColor dark, mid, light, glint;
};

// One six-sided crystal: the left faces catch the light, the right ones fall into shadow.
void prism(QPainter& p, QPointF base, double angleDeg, double length, double width, const Hue& h) {
    const double a = angleDeg * 3.14159265 / 180;
    const QPointF up(std::sin(a), -std::cos(a)), side(std::cos(a), std::sin(a));
    const QPointF bl = base - side * (width / 2), br = base + side * (width / 2);
    const QPointF sl = bl + up * (length * 0.72), sr = br + up * (length * 0.72);
    const QPointF tip = base + up * length;
    const QPointF mb = base + side * (width * 0.08), ms = mb + up * (length * 0.72);
    QPainterPath left, right;
    left.moveTo(bl);
    left.lineTo(sl);
    left.lineTo(tip);
    left.lineTo(ms);
    left.lineTo(mb);
    left.closeSubpath();
    right.moveTo(mb);
    right.lineTo(ms);
    right.lineTo(tip);
    right.lineTo(sr);
    right.lineTo(br);
    right.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(h.light);
    p.drawPath(left);
    p.setBrush(h.mid);
    p.drawPath(right);
    QPainterPath tipFace;
    tipFace.moveTo(sl);
    tipFace.lineTo(tip);
    tipFace.lineTo(ms);
    tipFace.closeSubpath();
    p.setBrush(h.glint);
    p.drawPath(tipFace);
    p.setPen(QPen(h.dark, 0.9));
    p.drawLine(ms, mb);
    p.setPen(QPen(h.glint, 1));
    p.drawLine(bl + side * 1.2 + up * 2, sl + side * 1.2 - up * 1);
}

QImage crystals(const Hue& h) {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    prism(p, QPointF(10, 31), -28, 17, 7, h);
    prism(p, QPointF(26, 31), 24, 19, 7, h);
    prism(p, QPointF(17.5, 32), 2, 28, 9, h);
    prism(p, QPointF(12, 33), -12, 10, 6, h);
    prism(p, QPointF(23, 33), 14, 11, 6, h);
    // Rubble at the foot.
    ball(p, QPointF(8, 33), 4, 2.2, pal::stone[2]);
    ball(p, QPointF(28, 33.5), 4.5, 2, pal::stone[2]);
    ball(p, QPointF(18, 34.3), 5, 1.6, pal::stone[3]);
    return img;
}

QImage signpost() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    bevelBox(p, QRectF(15.5, 6, 4, 29), pal::wood[2]);
    auto board = [&](double y, double x0, double x1, bool pointRight) {
        QPainterPath path;
        if (pointRight) {
            path.moveTo(x0, y);
            path.lineTo(x1 - 5, y);
            path.lineTo(x1, y + 4);
            path.lineTo(x1 - 5, y + 8);
            path.lineTo(x0, y + 8);
        } else {
            path.moveTo(x1, y);
            path.lineTo(x0 + 5, y);
            path.lineTo(x0, y + 4);
            path.lineTo(x0 + 5, y + 8);
            path.lineTo(x1, y + 8);
        }
        path.closeSubpath();
        shadedPath(p, path, pal::wood[3], 0.8);
        // Carved letters.
        p.setPen(QPen(pal::wood[0], 1));
        const double from = pointRight ? x0 + 3 : x0 + 7, to = pointRight ? x1 - 7 : x1 - 3;
        for (double x = from; x < to; x += 3)
            p.drawLine(QPointF(x, y + 2.5), QPointF(x + 1.5, y + 2.5 + (int(x) % 2 ? 3 : 2.5)));
    };
    board(4, 4, 31, true);
    board(14, 5, 30, false);
    ball(p, QPointF(17.5, 34), 6, 1.8, QColor(96, 80, 56));
    return img;
}

QImage well() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    // Posts and the crank beam.
    bevelBox(p, QRectF(5, 9, 3, 16), pal::wood[2]);
    bevelBox(p, QRectF(27, 9, 3, 16), pal::wood[2]);
    p.fillRect(QRectF(6, 12, 23, 2), pal::wood[1]);
    p.setPen(QPen(QColor(150, 140, 110), 1));
    p.drawLine(QPointF(17.5, 14), QPointF(17.5, 20));
    // Stone ring.
    QPainterPath ring;
    ring.addRect(QRectF(4, 22, 27, 11));
    shadedPath(p, ring, pal::stone[2]);
    ball(p, QPointF(17.5, 33), 13.5, 2.5, pal::stone[2]);
    p.setPen(QPen(pal::stone[0], 1));
    for (int y : {26, 30})
        p.drawLine(QPointF(4, y), QPointF(31, y));
    for (int x : {10, 17, 24})
        p.drawLine(QPointF(x, 22), QPointF(x, 26));
    for (int x : {7, 14, 21, 28})
        p.drawLine(QPointF(x, 26), QPointF(x, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::stone[3]);
    p.drawEllipse(QPointF(17.5, 22), 13.5, 4);
    p.setBrush(QColor(20, 30, 56));
    p.drawEllipse(QPointF(17.5, 22), 10.5, 2.6);
    // Roof of shingles.
    QPainterPath roof;
    roof.moveTo(1.5, 12);
    roof.lineTo(17.5, 1);
    roof.lineTo(33.5, 12);
    roof.lineTo(30, 12);
    roof.lineTo(17.5, 4);
    roof.lineTo(5, 12);
    roof.closeSubpath();
    QPainterPath slab;
    slab.moveTo(1.5, 12);
    slab.lineTo(17.5, 1);
    slab.lineTo(33.5, 12);
    slab.closeSubpath();
    shadedPath(p, slab, pal::red[1]);
    p.setPen(QPen(pal::red[0], 1));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(1.5 + i * 5.3, 12 - i * 3.6), QPointF(33.5 - i * 5.3, 12 - i * 3.6));
    return img;
}

QImage mushroom() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    QPainterPath stem;
    stem.moveTo(13.5, 33);
    stem.quadTo(15, 24, 14.5, 18);
    stem.lineTo(21, 18);
    stem.quadTo(20.5, 24, 22, 33);
    stem.closeSubpath();
    shadedPath(p, stem, pal::bone[2]);
    ball(p, QPointF(17.5, 33), 6, 1.7, pal::bone[1]);
    QPainterPath cap;
    cap.moveTo(3, 19);
    cap.cubicTo(3, 3, 32, 3, 32, 19);
    cap.quadTo(17.5, 23, 3, 19);
    cap.closeSubpath();
    shadedPath(p, cap, pal::red[2], 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::white);
    const QPointF spots[] = {{11, 10}, {18, 8}, {25, 12}, {8, 16}, {20, 14}, {27, 17}, {14, 16}};
    for (const QPointF& s : spots)
        p.drawEllipse(s, 1.7, 1.4);
    return img;
}

QImage idol() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    const QColor stone(136, 118, 96);
    bevelBox(p, QRectF(7, 30, 21, 5), shaded(stone, 0.2), 1);
    QPainterPath head;
    head.moveTo(10, 31);
    head.lineTo(9, 8);
    head.quadTo(9, 1.5, 17.5, 1.5);
    head.quadTo(26, 1.5, 26, 8);
    head.lineTo(25, 31);
    head.closeSubpath();
    shadedPath(p, head, stone, 1.2);
    // Heavy brow, deep eyes, long nose, a hard mouth.
    p.fillRect(QRectF(10, 10, 15, 2), shaded(stone, 0.45));
    p.fillRect(QRectF(10, 9, 15, 1), lit(stone, 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::ink);
    p.drawEllipse(QPointF(13.5, 14), 2, 1.4);
    p.drawEllipse(QPointF(21.5, 14), 2, 1.4);
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(13.5, 14), 0.7, 0.7);
    p.drawEllipse(QPointF(21.5, 14), 0.7, 0.7);
    QPainterPath nose;
    nose.moveTo(17.5, 12);
    nose.lineTo(20, 21);
    nose.lineTo(15, 21);
    nose.closeSubpath();
    shadedPath(p, nose, lit(stone, 0.15), 1.5);
    p.fillRect(QRectF(13, 24, 9, 2), pal::ink);
    p.fillRect(QRectF(13, 26, 9, 1), shaded(stone, 0.3));
    p.fillRect(QRectF(9.5, 14, 1.5, 6), shaded(stone, 0.35));
    p.fillRect(QRectF(24, 14, 1.5, 6), shaded(stone, 0.5));
    return img;
}

QImage metalPlate() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    const QColor steel(138, 142, 150);
    bevelBox(p, QRectF(4, 5, 27, 27), steel, 2);
    // Tread pattern of short raised bars.
    for (int y = 9; y < 29; y += 4)
        for (int x = 8 + (y / 4) % 2 * 2; x < 27; x += 4) {
            p.fillRect(QRectF(x, y, 2, 1), lit(steel, 0.45));
            p.fillRect(QRectF(x, y + 1, 2, 1), shaded(steel, 0.35));
        }
    for (QPointF r : {QPointF(6, 7), QPointF(28, 7), QPointF(6, 29), QPointF(28, 29)}) {
        p.fillRect(QRectF(r.x(), r.y(), 2, 2), shaded(steel, 0.5));
        p.fillRect(QRectF(r.x(), r.y(), 1, 1), pal::white);
    }
    return img;
}

} // namespace

void paintChest(QPainter& p, const QColor& woodColour, const QColor& bandColour, bool roundLid) {
    smooth(p);
    // Box front.
    QPainterPath front;
    front.addRect(QRectF(4, 17, 27, 15));
    shadedPath(p, front, woodColour);
    p.setPen(QPen(shaded(woodColour, 0.45), 1));
    p.drawLine(QPointF(4, 24.5), QPointF(31, 24.5));
    // Lid.
    QPainterPath lid;
    if (roundLid) {
        lid.moveTo(4, 17);
        lid.cubicTo(4, 6, 31, 6, 31, 17);
    } else {
        lid.moveTo(4, 17);
        lid.lineTo(6, 10);
        lid.lineTo(29, 10);
        lid.lineTo(31, 17);
    }
    lid.closeSubpath();
    shadedPath(p, lid, lit(woodColour, 0.12));
    // Bands, lock.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x : {8, 25}) {
        p.fillRect(QRectF(x, 9, 3, 23), bandColour);
        p.fillRect(QRectF(x, 9, 1, 23), lit(bandColour, 0.4));
    }
    p.fillRect(QRectF(4, 16, 27, 2), shaded(bandColour, 0.2));
    bevelBox(p, QRectF(15, 16, 5, 6), pal::gold[2]);
    p.fillRect(QRectF(17, 18, 1, 2), pal::ink);
}

namespace {

QImage chest(const QColor& woodColour, const QColor& bandColour, bool roundLid) {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    paintChest(p, woodColour, bandColour, roundLid);
    return img;
}

QImage skeleton() {
    QImage img = canvas(70, 36);
    QPainter p(&img);
    smooth(p);
    // Legs first, then ribs, spine and skull on top.
    bone(p, QPointF(24, 20), QPointF(18, 31), 2.6);
    bone(p, QPointF(28, 20), QPointF(33, 32), 2.6);
    bone(p, QPointF(50, 19), QPointF(46, 31), 2.6);
    bone(p, QPointF(54, 19), QPointF(60, 31), 2.6);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const double x = 28 + i * 3.6;
        QPainterPath rib;
        rib.moveTo(x, 15);
        rib.cubicTo(x - 3, 21, x - 1, 26, x + 2, 27);
        p.setPen(QPen(pal::bone[2], 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(rib);
    }
    for (double x = 19; x < 66; x += 3.3)
        vertebra(p, QPointF(x, 14.5 + std::pow((x - 42) / 24, 2) * 3), x > 56 ? 1.3 : 1.9);
    beastSkull(p, QRectF(2, 7, 18, 14), false);
    return img;
}

QImage scatteredBones() {
    QImage img = canvas(70, 36);
    QPainter p(&img);
    smooth(p);
    bone(p, QPointF(6, 28), QPointF(24, 22), 2.6);
    bone(p, QPointF(30, 30), QPointF(44, 33), 2.4);
    bone(p, QPointF(48, 10), QPointF(62, 18), 2.6);
    bone(p, QPointF(14, 8), QPointF(22, 16), 2.2);
    bone(p, QPointF(52, 30), QPointF(66, 25), 2.2);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath rib;
        rib.moveTo(30 + i * 4, 8);
        rib.quadTo(27 + i * 4, 16, 33 + i * 4, 20);
        p.setPen(QPen(pal::bone[2], 1.7, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(rib);
    }
    // A small skull among the bones.
    ball(p, QPointF(44, 22), 5, 4.5, pal::bone[2]);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::ink);
    p.drawEllipse(QPointF(42, 22), 1.3, 1.5);
    p.drawEllipse(QPointF(46, 22), 1.3, 1.5);
    p.fillRect(QRectF(42.5, 25.5, 3, 1), shaded(pal::bone[1], 0.3));
    return img;
}

QImage dragonSkeleton() {
    QImage img = canvas(210, 108);
    QPainter p(&img);
    smooth(p);
    // The wing: arm bones raised from the shoulder to the wrist, finger bones fanning back, and the remains
    // of the membrane stretched between them, torn at the edge and holed.
    const QPointF shoulder(100, 46), wrist(116, 13);
    const QPointF tips[] = {{146, 3}, {176, 9}, {200, 30}};
    QPainterPath membrane;
    membrane.moveTo(shoulder);
    membrane.lineTo(wrist);
    membrane.lineTo(tips[0]);
    membrane.quadTo(QPointF(154, 17), tips[1]);
    membrane.quadTo(QPointF(178, 24), tips[2]);
    membrane.quadTo(172, 38, 150, 54);
    membrane.closeSubpath();
    shadedPath(p, membrane, QColor(112, 88, 86), 0.7);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (QRectF hole : {QRectF(150, 22, 7, 4), QRectF(166, 30, 5, 6), QRectF(134, 14, 4, 3)})
        p.drawEllipse(hole);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    bone(p, shoulder, wrist, 4);
    for (const QPointF& t : tips)
        bone(p, wrist, t, 2.4);
    bone(p, wrist, QPointF(109, 6), 2); // the thumb's claw
    // Legs and claws.
    auto leg = [&](QPointF hip, QPointF knee, QPointF foot) {
        bone(p, hip, knee, 4);
        bone(p, knee, foot, 3.4);
        for (int k = -1; k <= 1; ++k)
            bone(p, foot, foot + QPointF(-5 + k * 4, 4), 1.6);
    };
    leg(QPointF(96, 58), QPointF(88, 78), QPointF(96, 98));
    leg(QPointF(140, 58), QPointF(152, 78), QPointF(144, 99));
    // Ribs hanging from the spine.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const double x = 96 + i * 5.5;
        const double depth = 26 - std::abs(i - 3.5) * 3;
        QPainterPath rib;
        rib.moveTo(x, 52);
        rib.cubicTo(x - 8, 58 + depth * 0.4, x - 6, 52 + depth, x + 2, 52 + depth);
        p.setPen(QPen(pal::bone[1], 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(rib);
        p.setPen(QPen(pal::bone[3], 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(rib);
    }
    // Spine from the neck to the tail's tip.
    QPainterPath spine;
    spine.moveTo(54, 58);
    spine.cubicTo(66, 38, 80, 46, 96, 50);
    spine.cubicTo(120, 54, 140, 52, 156, 58);
    spine.cubicTo(178, 66, 190, 86, 206, 78);
    const int count = 46;
    for (int i = 0; i <= count; ++i) {
        const double t = i / double(count);
        const double r = t < 0.2 ? 3.4 : (t < 0.6 ? 4 : 4 - (t - 0.6) * 7.5);
        vertebra(p, spine.pointAtPercent(t), std::max(1.2, r));
    }
    // The great horned skull.
    beastSkull(p, QRectF(4, 46, 56, 36), true);
    return img;
}

QImage obelisk(const Hue& h) {
    QImage img = canvas(35, 72);
    QPainter p(&img);
    smooth(p);
    // Stepped plinth.
    bevelBox(p, QRectF(4, 64, 27, 7), shaded(h.mid, 0.15));
    bevelBox(p, QRectF(7, 59, 21, 6), h.mid);
    // Shaft: lit left face, shaded right face.
    QPainterPath left, right, tip;
    left.moveTo(9.5, 59);
    left.lineTo(12.5, 14);
    left.lineTo(17.5, 14);
    left.lineTo(17.5, 59);
    left.closeSubpath();
    right.moveTo(17.5, 59);
    right.lineTo(17.5, 14);
    right.lineTo(22.5, 14);
    right.lineTo(25.5, 59);
    right.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(h.light);
    p.drawPath(left);
    p.setBrush(h.mid);
    p.drawPath(right);
    tip.moveTo(12.5, 14);
    tip.lineTo(17.5, 3);
    tip.lineTo(17.5, 14);
    tip.closeSubpath();
    p.setBrush(h.glint);
    p.drawPath(tip);
    QPainterPath tipRight;
    tipRight.moveTo(17.5, 3);
    tipRight.lineTo(22.5, 14);
    tipRight.lineTo(17.5, 14);
    tipRight.closeSubpath();
    p.setBrush(h.dark);
    p.drawPath(tipRight);
    // Carved signs down the lit face.
    p.setPen(QPen(h.dark, 1));
    for (int y = 20; y < 54; y += 7) {
        p.drawLine(QPointF(13.5, y), QPointF(16.5, y));
        p.drawLine(QPointF(15, y), QPointF(15, y + 3));
    }
    return img;
}

} // namespace

void drawMinerals(Art& art) {
    const Hue hues[] = {
        {pal::blue[0], pal::blue[1], pal::blue[2], pal::blue[3]},
        {{20, 96, 44}, {44, 158, 70}, {96, 212, 110}, {196, 250, 196}},
        {pal::red[0], pal::red[1], pal::red[2], pal::red[3]},
        {{140, 100, 10}, {216, 172, 30}, {250, 222, 80}, {255, 250, 196}},
        {pal::violet[0], pal::violet[1], pal::violet[2], pal::violet[3]},
    };
    for (int i = 0; i < 5; ++i)
        art.sprite("imgMineralPic", i, "imgMineralMask", i, crystals(hues[i]));
}

void drawSignpost(Art& art) {
    art.sprite("imgUkaz", 0, "imgUkaz", 1, signpost());
}

void drawMisc(Art& art) {
    art.sprite("imgRaznoePic", 0, "imgRaznoeMask", 0, well());
    art.sprite("imgRaznoePic", 1, "imgRaznoeMask", 1, mushroom());
    art.sprite("imgRaznoePic", 2, "imgRaznoeMask", 2, idol());
    art.sprite("imgRaznoePic", 3, "imgRaznoeMask", 3, metalPlate());
    art.sprite("imgRaznoePic", 4, "imgRaznoeMask", 4, chest(pal::wood[2], QColor(70, 66, 76), true));
    art.sprite("imgRaznoePic", 5, "imgRaznoeMask", 5, chest(QColor(120, 52, 36), pal::gold[1], false));
    art.sprite("imgRaznoePic", 6, "imgRaznoeMask", 6, skeleton());
    QImage pot = canvas(35, 36);
    {
        QPainter p(&pot);
        smooth(p);
        const QColor iron(64, 64, 72);
        p.setPen(QPen(QColor(40, 40, 46), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 3, 23, 20), 20 * 16, 140 * 16);
        for (double x : {9.0, 17.5, 26.0})
            bevelBox(p, QRectF(x - 1.5, 28, 3, 6), shaded(iron, 0.2));
        ball(p, QPointF(17.5, 21), 13, 10, iron);
        p.setPen(Qt::NoPen);
        p.setBrush(lit(iron, 0.25));
        p.drawEllipse(QPointF(17.5, 13), 13, 3.6);
        p.setBrush(QColor(26, 24, 30));
        p.drawEllipse(QPointF(17.5, 13), 10.5, 2.4);
        p.setBrush(lit(iron, 0.55));
        p.drawEllipse(QPointF(11, 18), 2, 1.4);
    }
    art.sprite("imgRaznoePic", 7, "imgRaznoeMask", 7, pot);
    QImage grave = canvas(35, 36);
    {
        QPainter p(&grave);
        smooth(p);
        ball(p, QPointF(17.5, 32), 15, 3.5, QColor(104, 78, 52));
        QPainterPath slab;
        slab.moveTo(9, 32);
        slab.lineTo(9, 12);
        slab.cubicTo(9, 2, 26, 2, 26, 12);
        slab.lineTo(26, 32);
        slab.closeSubpath();
        shadedPath(p, slab, pal::stone[2], 1.2);
        p.fillRect(QRectF(16.5, 9, 2.5, 14), shaded(pal::stone[1], 0.3));
        p.fillRect(QRectF(12.5, 13, 10.5, 2.5), shaded(pal::stone[1], 0.3));
        p.fillRect(QRectF(16.5, 9, 1, 14), lit(pal::stone[3], 0.3));
    }
    art.sprite("imgRaznoePic", 8, "imgRaznoeMask", 8, grave);
    art.sprite("imgRaznoePic", 9, "imgRaznoeMask", 9, scatteredBones());
    art.sprite("imgRaznoePic", 10, "imgRaznoeMask", 10, dragonSkeleton());
    const Hue obelisks[] = {
        {pal::ivory[0], pal::ivory[1], pal::ivory[2], pal::ivory[3]},
        {{24, 90, 44}, {46, 140, 70}, {84, 186, 100}, {170, 232, 170}},
        {{14, 20, 70}, {30, 44, 124}, {52, 72, 170}, {120, 140, 220}},
        {{150, 110, 10}, {214, 170, 28}, {246, 214, 70}, {255, 246, 170}},
        {{54, 120, 170}, {96, 170, 220}, {150, 208, 244}, {220, 242, 255}},
        {pal::violet[0], pal::violet[1], pal::violet[2], pal::violet[3]},
        {{30, 30, 36}, {58, 58, 66}, {86, 86, 96}, {130, 130, 140}},
    };
    for (int i = 0; i < 7; ++i)
        art.sprite("imgRaznoePic", 11 + i, "imgRaznoeMask", 11 + i, obelisk(obelisks[i]));
}

// Bones.

void bone(QPainter& p, QPointF a, QPointF b, double width) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n = len > 0 ? QPointF(-d.y() / len, d.x() / len) : QPointF(0, 1);
    p.setPen(QPen(pal::bone[1], width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(pal::bone[3], width * 0.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a - n * (width * 0.15), b - n * (width * 0.15));
    for (QPointF end : {a, b}) {
        ball(p, end + n * (width * 0.45), width * 0.55, width * 0.55, pal::bone[2]);
        ball(p, end - n * (width * 0.45), width * 0.55, width * 0.55, pal::bone[2]);
    }
}

void vertebra(QPainter& p, QPointF at, double r) {
    ball(p, at, r, r * 1.1, pal::bone[2]);
}

void beastSkull(QPainter& p, const QRectF& box, bool horns) {
    const double x = box.left(), y = box.top(), w = box.width(), h = box.height();
    auto at = [&](double fx, double fy) { return QPointF(x + fx * w, y + fy * h); };
    if (horns) {
        QPainterPath horn;
        horn.moveTo(at(0.62, 0.2));
        horn.cubicTo(at(0.8, -0.25), at(1.0, -0.2), at(1.05, -0.3));
        horn.cubicTo(at(0.9, 0.0), at(0.85, 0.15), at(0.78, 0.3));
        horn.closeSubpath();
        shadedPath(p, horn, pal::bone[1]);
    }
    // Cranium at the back, snout reaching forward (left), lower jaw under it.
    QPainterPath head;
    head.moveTo(at(1.0, 0.45));
    head.cubicTo(at(1.0, 0.05), at(0.6, 0.0), at(0.45, 0.2));
    head.lineTo(at(0.02, 0.38));
    head.lineTo(at(0.0, 0.58));
    head.lineTo(at(0.5, 0.62));
    head.cubicTo(at(0.7, 0.8), at(0.95, 0.75), at(1.0, 0.45));
    head.closeSubpath();
    shadedPath(p, head, pal::bone[2], 1.1);
    QPainterPath jaw;
    jaw.moveTo(at(0.08, 0.66));
    jaw.lineTo(at(0.7, 0.7));
    jaw.lineTo(at(0.78, 0.9));
    jaw.lineTo(at(0.12, 0.8));
    jaw.closeSubpath();
    shadedPath(p, jaw, pal::bone[1]);
    // Teeth.
    p.setPen(Qt::NoPen);
    p.setBrush(pal::bone[3]);
    for (double fx = 0.08; fx < 0.5; fx += 0.07) {
        QPainterPath tooth;
        tooth.moveTo(at(fx, 0.58));
        tooth.lineTo(at(fx + 0.035, 0.58));
        tooth.lineTo(at(fx + 0.017, 0.68));
        tooth.closeSubpath();
        p.drawPath(tooth);
    }
    // Eye socket and nostril.
    p.setBrush(pal::ink);
    p.drawEllipse(at(0.66, 0.33), w * 0.065, h * 0.1);
    p.drawEllipse(at(0.1, 0.44), w * 0.035, h * 0.05);
}

} // namespace velmor::artgen
