// The persons of the map (imgMan) and the hero in his four facings (imgHeroPic with imgHeroMask).

#include "Drawings.h"
#include "Paint.h"

namespace velmor::artgen {

namespace {

struct Cloth {
    QColor dark, mid, light;
};

// A robed figure in a pointed hood; its face is lost in the hood's shadow but for two eyes.
QImage hoodedFigure(const Cloth& c, bool cross) {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    QPainterPath robe;
    robe.moveTo(17.5, 1.5);
    robe.cubicTo(23, 4, 25, 9, 24.5, 14);
    robe.lineTo(27, 20);
    robe.lineTo(30, 34.5);
    robe.lineTo(5, 34.5);
    robe.lineTo(8, 20);
    robe.lineTo(10.5, 14);
    robe.cubicTo(10, 9, 12, 4, 17.5, 1.5);
    robe.closeSubpath();
    shadedPath(p, robe, c.mid, 1.1);
    // Folds.
    p.setPen(QPen(c.dark, 1));
    p.drawLine(QPointF(13, 22), QPointF(11, 34));
    p.drawLine(QPointF(22, 22), QPointF(24, 34));
    p.setPen(QPen(c.light, 1));
    p.drawLine(QPointF(10.5, 16), QPointF(8, 30));
    // Face in shadow, eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(shaded(c.dark, 0.6));
    p.drawEllipse(QPointF(17.5, 10.5), 4.2, 4.6);
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(QPointF(15.8, 10.5), 0.8, 0.7);
    p.drawEllipse(QPointF(19.2, 10.5), 0.8, 0.7);
    // Sleeves meeting in front, hands hidden.
    QPainterPath sleeves;
    sleeves.moveTo(10, 18);
    sleeves.quadTo(17.5, 27, 25, 18);
    sleeves.lineTo(24, 23);
    sleeves.quadTo(17.5, 29, 11, 23);
    sleeves.closeSubpath();
    shadedPath(p, sleeves, lit(c.mid, 0.1), 0.9);
    p.setBrush(shaded(c.dark, 0.5));
    p.drawEllipse(QPointF(17.5, 24.5), 2.2, 1.3);
    if (cross) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRectF(16, 26, 3, 8), pal::gold[2]);
        p.fillRect(QRectF(13, 28, 9, 3), pal::gold[2]);
        p.fillRect(QRectF(16, 26, 1, 8), pal::gold[3]);
        p.fillRect(QRectF(13, 28, 9, 1), pal::gold[3]);
    }
    return img;
}

void face(QPainter& p, QPointF centre, double r) {
    ball(p, centre, r, r * 1.05, pal::skin[1]);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::ink);
    p.drawRect(QRectF(centre.x() - 2.6, centre.y(), 1.2, 1.5));
    p.drawRect(QRectF(centre.x() + 1.4, centre.y(), 1.2, 1.5));
}

QImage girl() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    const QColor hair(220, 168, 60);
    // Long hair behind the head and shoulders.
    QPainterPath back;
    back.addRoundedRect(QRectF(10.5, 4, 14, 17), 6, 6);
    shadedPath(p, back, hair);
    // Dress.
    QPainterPath dress;
    dress.moveTo(14, 14);
    dress.lineTo(21, 14);
    dress.lineTo(23, 20);
    dress.lineTo(28, 33);
    dress.lineTo(7, 33);
    dress.lineTo(12, 20);
    dress.closeSubpath();
    const QColor pink(214, 84, 130);
    shadedPath(p, dress, pink);
    p.fillRect(QRectF(12, 20, 11, 2), lit(pink, 0.5));
    // Arms, feet.
    p.setPen(QPen(pal::skin[1], 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 16), QPointF(9.5, 24));
    p.drawLine(QPointF(23, 16), QPointF(25.5, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::wood[1]);
    p.drawEllipse(QPointF(14, 34), 2.2, 1.3);
    p.drawEllipse(QPointF(21, 34), 2.2, 1.3);
    face(p, QPointF(17.5, 9.5), 5);
    // Fringe and a ribbon.
    QPainterPath fringe;
    fringe.moveTo(12, 9);
    fringe.cubicTo(12, 2, 23, 2, 23, 9);
    fringe.lineTo(21, 6.5);
    fringe.lineTo(14, 6.5);
    fringe.closeSubpath();
    shadedPath(p, fringe, hair);
    p.setBrush(pal::red[2]);
    p.drawEllipse(QPointF(22.5, 5), 2, 1.5);
    p.setBrush(pal::red[3]);
    p.drawEllipse(QPointF(14, 12), 0.9, 0.6);
    p.drawEllipse(QPointF(21, 12), 0.9, 0.6);
    return img;
}

QImage oldMan() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    const QColor robe(96, 72, 140);
    // Staff in his right hand (our left).
    bevelBox(p, QRectF(5, 4, 2.5, 31), pal::wood[2]);
    ball(p, QPointF(6.2, 4), 2.4, 2.4, pal::blue[3]);
    QPainterPath body;
    body.moveTo(13, 13);
    body.lineTo(22, 13);
    body.lineTo(27, 34.5);
    body.lineTo(8.5, 34.5);
    body.closeSubpath();
    shadedPath(p, body, robe);
    p.fillRect(QRectF(10, 24, 15, 2), pal::gold[1]);
    p.setPen(QPen(robe, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 16), QPointF(8, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::skin[1]);
    p.drawEllipse(QPointF(7.5, 21), 1.8, 1.8);
    face(p, QPointF(17.5, 8.5), 5);
    // Bald crown with white hair at the sides, bushy brows, a long white beard.
    p.setBrush(QColor(236, 236, 236));
    p.drawEllipse(QPointF(12.5, 8), 1.8, 3);
    p.drawEllipse(QPointF(22.5, 8), 1.8, 3);
    p.fillRect(QRectF(14, 7, 2.8, 1), QColor(250, 250, 250));
    p.fillRect(QRectF(18.2, 7, 2.8, 1), QColor(250, 250, 250));
    QPainterPath beard;
    beard.moveTo(13, 10.5);
    beard.quadTo(17.5, 13, 22, 10.5);
    beard.lineTo(21, 20);
    beard.lineTo(17.5, 26);
    beard.lineTo(14, 20);
    beard.closeSubpath();
    shadedPath(p, beard, QColor(232, 232, 236), 0.8);
    p.setPen(QPen(QColor(180, 180, 190), 0.8));
    p.drawLine(QPointF(16.5, 14), QPointF(16.5, 21));
    p.drawLine(QPointF(18.8, 14), QPointF(18.8, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::skin[0]);
    p.drawEllipse(QPointF(17.5, 10.8), 1.2, 0.8);
    return img;
}

// The hero: a young wanderer with brown hair, a green tunic, a red cloak and a sword at his belt.
const QColor heroHair(104, 62, 30);
const QColor heroTunic(52, 124, 70);
const QColor heroCloak(176, 44, 40);
const QColor heroTrousers(92, 72, 56);
const QColor heroBoots(62, 38, 26);

QImage heroFront() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    // Cloak falling behind the shoulders.
    QPainterPath cloak;
    cloak.moveTo(11, 15);
    cloak.lineTo(24, 15);
    cloak.lineTo(26.5, 29);
    cloak.lineTo(8.5, 29);
    cloak.closeSubpath();
    shadedPath(p, cloak, shaded(heroCloak, 0.2));
    // Legs and boots.
    bevelBox(p, QRectF(13, 25, 4, 6), heroTrousers);
    bevelBox(p, QRectF(18, 25, 4, 6), heroTrousers);
    bevelBox(p, QRectF(12.5, 30, 4.5, 4.5), heroBoots);
    bevelBox(p, QRectF(18, 30, 4.5, 4.5), heroBoots);
    // Tunic and belt.
    QPainterPath tunic;
    tunic.moveTo(12, 15);
    tunic.lineTo(23, 15);
    tunic.lineTo(24, 26);
    tunic.lineTo(11, 26);
    tunic.closeSubpath();
    shadedPath(p, tunic, heroTunic);
    p.fillRect(QRectF(11.5, 22, 12, 2), pal::wood[1]);
    p.fillRect(QRectF(16.5, 22, 2, 2), pal::gold[2]);
    p.setPen(QPen(lit(heroTunic, 0.35), 1));
    p.drawLine(QPointF(17.5, 16), QPointF(17.5, 21));
    // Arms with hands.
    p.setPen(QPen(heroTunic, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 16.5), QPointF(9.5, 23));
    p.drawLine(QPointF(24, 16.5), QPointF(25.5, 23));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::skin[1]);
    p.drawEllipse(QPointF(9.4, 24.5), 1.6, 1.6);
    p.drawEllipse(QPointF(25.6, 24.5), 1.6, 1.6);
    // Head: face, eyes, hair on top.
    face(p, QPointF(17.5, 9.5), 5.2);
    QPainterPath hair;
    hair.moveTo(12, 10);
    hair.cubicTo(11, 2, 24, 2, 23, 10);
    hair.lineTo(22, 7);
    hair.lineTo(19, 8);
    hair.lineTo(17, 6.5);
    hair.lineTo(14, 8);
    hair.lineTo(13, 7);
    hair.closeSubpath();
    shadedPath(p, hair, heroHair);
    p.setBrush(pal::red[3]);
    p.drawEllipse(QPointF(17.5, 13.2), 1.2, 0.5);
    return img;
}

QImage heroBack() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    bevelBox(p, QRectF(13, 25, 4, 6), heroTrousers);
    bevelBox(p, QRectF(18, 25, 4, 6), heroTrousers);
    bevelBox(p, QRectF(12.5, 30, 4.5, 4.5), heroBoots);
    bevelBox(p, QRectF(18, 30, 4.5, 4.5), heroBoots);
    p.setPen(QPen(heroTunic, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 16.5), QPointF(9.5, 23));
    p.drawLine(QPointF(24, 16.5), QPointF(25.5, 23));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::skin[1]);
    p.drawEllipse(QPointF(9.4, 24.5), 1.6, 1.6);
    p.drawEllipse(QPointF(25.6, 24.5), 1.6, 1.6);
    // The cloak covers the back from the shoulders down, with the sword slung across it.
    QPainterPath cloak;
    cloak.moveTo(11.5, 14.5);
    cloak.lineTo(23.5, 14.5);
    cloak.lineTo(25.5, 28);
    cloak.quadTo(17.5, 30, 9.5, 28);
    cloak.closeSubpath();
    shadedPath(p, cloak, heroCloak);
    p.setPen(QPen(shaded(heroCloak, 0.4), 1));
    p.drawLine(QPointF(15, 17), QPointF(14, 28));
    p.drawLine(QPointF(20, 17), QPointF(21, 28));
    p.setPen(QPen(pal::stone[3], 1.6));
    p.drawLine(QPointF(12, 26), QPointF(23, 15));
    p.setPen(QPen(pal::gold[2], 2));
    p.drawLine(QPointF(22, 16), QPointF(25, 13));
    // The back of the head: all hair.
    QPainterPath hair;
    hair.addEllipse(QPointF(17.5, 9), 5.4, 5.8);
    shadedPath(p, hair, heroHair);
    p.setPen(QPen(shaded(heroHair, 0.4), 1));
    p.drawLine(QPointF(17.5, 5), QPointF(17.5, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::skin[0]);
    p.drawRect(QRectF(16, 14, 3, 1.2));
    return img;
}

QImage heroRight() {
    QImage img = canvas(35, 36);
    QPainter p(&img);
    smooth(p);
    // Back leg, cloak, body, front leg, arm: from far to near.
    p.setPen(QPen(shaded(heroTrousers, 0.25), 3.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(16, 25), QPointF(13.5, 31));
    bevelBox(p, QRectF(10.5, 30.5, 5, 4), shaded(heroBoots, 0.2));
    QPainterPath cloak;
    cloak.moveTo(15, 15);
    cloak.lineTo(19, 15);
    cloak.lineTo(15, 29);
    cloak.lineTo(9, 28);
    cloak.closeSubpath();
    shadedPath(p, cloak, heroCloak);
    QPainterPath tunic;
    tunic.moveTo(14, 15);
    tunic.lineTo(21, 15);
    tunic.lineTo(22, 26);
    tunic.lineTo(14, 26);
    tunic.closeSubpath();
    shadedPath(p, tunic, heroTunic);
    p.fillRect(QRectF(14, 22, 8, 2), pal::wood[1]);
    p.setPen(QPen(heroTrousers, 3.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(19, 25), QPointF(21.5, 31));
    bevelBox(p, QRectF(19.5, 30.5, 6, 4), heroBoots);
    // Sword hanging from the belt behind him.
    p.setPen(QPen(pal::stone[3], 1.6));
    p.drawLine(QPointF(14, 23), QPointF(8.5, 30));
    p.setPen(QPen(pal::gold[2], 1.6));
    p.drawLine(QPointF(15, 21.5), QPointF(13.5, 24.5));
    // Arm swinging forward.
    p.setPen(QPen(lit(heroTunic, 0.1), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.5, 16.5), QPointF(21, 22.5));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::skin[1]);
    p.drawEllipse(QPointF(21.8, 23.6), 1.6, 1.6);
    // Head in profile, drawn pixel-crisp: face to the right with eye, nose and mouth, hair over the crown and
    // the back of the head, an ear in front of the hair line.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::skin[1]);
    p.drawEllipse(QRect(13, 4, 10, 11));
    p.fillRect(QRect(23, 9, 1, 2), pal::skin[1]);  // nose
    p.fillRect(QRect(21, 6, 2, 2), pal::skin[2]);  // lit brow
    p.fillRect(QRect(20, 8, 1, 2), pal::ink);      // eye
    p.fillRect(QRect(21, 12, 2, 1), pal::skin[0]); // mouth
    p.setBrush(heroHair);
    QPolygon hair;
    hair << QPoint(13, 6) << QPoint(15, 3) << QPoint(19, 2) << QPoint(22, 3) << QPoint(23, 6) << QPoint(19, 6)
         << QPoint(18, 8) << QPoint(17, 13) << QPoint(14, 14) << QPoint(12, 11);
    p.drawPolygon(hair);
    p.fillRect(QRect(15, 4, 4, 1), lit(heroHair, 0.3));
    p.fillRect(QRect(17, 9, 2, 3), pal::skin[0]); // ear
    return img;
}

} // namespace

void drawPersons(Art& art) {
    // The four hooded figures share one mask, picture 3: one robe in four colours.
    const Cloth grey{{70, 70, 80}, {124, 124, 132}, {172, 172, 176}};
    const Cloth fiery{pal::orange[0], pal::orange[2], pal::orange[3]};
    const Cloth darkRed{{58, 12, 18}, {110, 24, 30}, {150, 48, 48}};
    const Cloth red{pal::red[0], pal::red[2], pal::red[3]};
    art.sprite("imgMan", 0, "imgMan", 3, hoodedFigure(grey, false));
    art.sprite("imgMan", 1, "imgMan", 3, hoodedFigure(fiery, false));
    art.sprite("imgMan", 2, "imgMan", 3, hoodedFigure(darkRed, false));
    art.sprite("imgMan", 4, "imgMan", 3, hoodedFigure(red, true));
    art.sprite("imgMan", 5, "imgMan", 6, girl());
    art.sprite("imgMan", 7, "imgMan", 8, oldMan());
}

void drawHero(Art& art) {
    art.sprite("imgHeroPic", 0, "imgHeroMask", 0, heroFront());
    art.sprite("imgHeroPic", 1, "imgHeroMask", 1, heroBack());
    art.sprite("imgHeroPic", 2, "imgHeroMask", 2, heroRight());
    art.sprite("imgHeroPic", 3, "imgHeroMask", 3, mirrored(heroRight()));
}

} // namespace velmor::artgen
