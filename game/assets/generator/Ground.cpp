// The seven ground pictures. Each cell repeats seamlessly: patterns wrap around the cell's edges.

#include "Drawings.h"
#include "Paint.h"

#include <cmath>
#include <numbers>

namespace velmor::artgen {

namespace {

constexpr int W = 35, H = 36;
constexpr double tau = 2 * std::numbers::pi;

// A soft variation that repeats exactly once per cell.
double wave(int x, int y, int seed) {
    return std::sin(tau * (x / double(W) + 0.37 * seed)) * std::cos(tau * (y / double(H) + 0.21 * seed));
}

// Draws a shape at its place and at the eight places one cell away, so it wraps across the cell's edges.
template <class Fn> void wrapped(Fn&& draw) {
    for (int dy : {-H, 0, H})
        for (int dx : {-W, 0, W})
            draw(dx, dy);
}

QImage grass() {
    QImage img = opaqueCanvas(W, H, pal::grass[2]);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double v = 0.05 * wave(x, y, 1) + (hashNoise(x, y, 11) - 0.5) * 0.16;
            img.setPixelColor(x, y, v > 0 ? lit(pal::grass[2], v) : shaded(pal::grass[2], -v));
        }
    // Blades: a dark stem with a lit tip.
    Rng rng(7);
    for (int i = 0; i < 46; ++i) {
        const int x = rng.below(W), y = rng.below(H);
        const int len = 2 + rng.below(2);
        for (int k = 0; k < len; ++k)
            wrapPixel(img, x + (k == len - 1 ? rng.below(2) : 0), y - k,
                      k == len - 1 ? pal::grass[3] : pal::grass[1]);
        if (rng.below(4) == 0) wrapPixel(img, x, y - len, pal::grass[4]);
    }
    return img;
}

QImage stoneFloor() {
    QImage img = opaqueCanvas(W, H, pal::stone[1]);
    // Two courses of flagstones; the joints of the lower course sit between those of the upper one.
    struct Slab {
        int x0, x1, y0, y1;
    };
    const Slab slabs[] = {
        {0, 18, 0, 18}, {18, 35, 0, 18}, {-9, 9, 18, 36}, {9, 26, 18, 36}, {26, 44, 18, 36}};
    int s = 0;
    for (const Slab& slab : slabs) {
        const QColor base = mix(pal::stone[2], pal::stone[3], 0.2 + 0.25 * (s++ % 3));
        for (int y = slab.y0; y < slab.y1; ++y)
            for (int x = slab.x0; x < slab.x1; ++x) {
                const bool gapR = x == slab.x1 - 1, gapB = y == slab.y1 - 1;
                QColor c = base;
                if (gapR || gapB)
                    c = pal::stone[0];
                else if (y == slab.y0 || x == slab.x0)
                    c = lit(base, 0.35);
                else if (y == slab.y1 - 2 || x == slab.x1 - 2)
                    c = shaded(base, 0.25);
                else {
                    const double n = hashNoise(x, y, 21) - 0.5;
                    c = n > 0 ? lit(base, n * 0.22) : shaded(base, -n * 0.22);
                    if (hashNoise(x, y, 22) > 0.96) c = shaded(base, 0.3);
                }
                wrapPixel(img, x, y, c);
            }
    }
    return img;
}

QImage sandGround() {
    QImage img = opaqueCanvas(W, H, pal::sand[2]);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double v = 0.08 * wave(x, y, 3) + (hashNoise(x, y, 31) - 0.5) * 0.1;
            QColor c = v > 0 ? lit(pal::sand[2], v) : shaded(pal::sand[2], -v);
            const double n = hashNoise(x, y, 32);
            if (n > 0.93)
                c = pal::sand[0];
            else if (n > 0.88)
                c = pal::sand[1];
            else if (n < 0.05)
                c = pal::sand[3];
            img.setPixelColor(x, y, c);
        }
    return img;
}

QImage planks() {
    QImage img = opaqueCanvas(W, H, pal::wood[2]);
    // Four planks across the cell, 9 pixels each, with their butt joints at different places.
    const int joint[] = {12, 29, 5, 21};
    for (int plank = 0; plank < 4; ++plank) {
        const QColor base = mix(pal::wood[2], pal::wood[3], 0.15 + 0.22 * ((plank * 5) % 4) / 3.0);
        const int y0 = plank * 9;
        for (int y = y0; y < y0 + 9; ++y)
            for (int x = 0; x < W; ++x) {
                QColor c = base;
                const int row = y - y0;
                if (row == 8)
                    c = pal::wood[0];
                else if (row == 0)
                    c = lit(base, 0.3);
                else if (row == 7)
                    c = shaded(base, 0.2);
                else {
                    // Grain: long streaks along the plank.
                    const double g = std::sin(tau * (x / double(W) * 2 + row * 0.33 + plank * 0.7)) * 0.5 +
                                     (hashNoise(x / 4, y, 41 + plank) - 0.5);
                    c = g > 0.45 ? shaded(base, 0.18) : (g < -0.6 ? lit(base, 0.12) : base);
                }
                if (x == joint[plank] && row < 8) c = pal::wood[0];
                if (x == joint[plank] + 1 && row < 8) c = lit(base, 0.25);
                img.setPixelColor(x, y, c);
            }
        // Nails beside the joint.
        wrapPixel(img, joint[plank] - 2, y0 + 2, pal::wood[0]);
        wrapPixel(img, joint[plank] - 2, y0 + 6, pal::wood[0]);
        wrapPixel(img, joint[plank] + 3, y0 + 2, pal::wood[0]);
        wrapPixel(img, joint[plank] + 3, y0 + 6, pal::wood[0]);
    }
    return img;
}

QImage oliveTile() {
    const QColor base(72, 80, 38);
    QImage img = opaqueCanvas(W, H, base);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            QColor c = base;
            const double n = hashNoise(x, y, 51) - 0.5;
            c = n > 0 ? lit(base, n * 0.12) : shaded(base, -n * 0.15);
            if (y == 0 || x == 0)
                c = QColor(170, 176, 112);
            else if (y == 1 || x == 1)
                c = QColor(120, 128, 72);
            else if (y == H - 1 || x == W - 1)
                c = QColor(36, 42, 18);
            img.setPixelColor(x, y, c);
        }
    return img;
}

QImage asphalt() {
    const QColor base(64, 64, 70);
    QImage img = opaqueCanvas(W, H, base);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = hashNoise(x, y, 61) - 0.5;
            QColor c = n > 0 ? lit(base, n * 0.18) : shaded(base, -n * 0.3);
            const double grit = hashNoise(x, y, 62);
            if (grit > 0.97)
                c = QColor(104, 104, 108);
            else if (grit < 0.03)
                c = QColor(38, 38, 44);
            img.setPixelColor(x, y, c);
        }
    return img;
}

QImage rocks() {
    const QColor base(112, 106, 98);
    QImage img = opaqueCanvas(W, H, base);
    // Gravel: a speckle of small pebbles.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = hashNoise(x, y, 71);
            QColor c = n > 0.6 ? QColor(136, 130, 120) : (n < 0.25 ? QColor(84, 80, 76) : base);
            if (hashNoise(x, y, 72) > 0.95) c = QColor(170, 164, 152);
            img.setPixelColor(x, y, c);
        }
    // Rocks: shaded stones, lit from the top left, with a dark rim.
    QPainter p(&img);
    smooth(p);
    struct Rock {
        double x, y, rx, ry;
        int tone;
    };
    const Rock list[] = {
        {8, 9, 7, 5.5, 0}, {25, 6, 5, 4, 1}, {22, 22, 8, 6, 2}, {6, 28, 5, 4, 1}, {32, 31, 4, 3.5, 0}};
    for (const Rock& r : list) {
        const QColor c = mix(pal::stone[2], pal::stone[3], r.tone * 0.3);
        wrapped([&](int dx, int dy) {
            p.setPen(Qt::NoPen);
            p.setBrush(shaded(pal::stone[0], 0.2));
            p.drawEllipse(QPointF(r.x + dx + 0.6, r.y + dy + 0.8), r.rx + 0.8, r.ry + 0.8);
            ball(p, QPointF(r.x + dx, r.y + dy), r.rx, r.ry, c);
        });
    }
    return img;
}

} // namespace

void drawGround(Art& art) {
    art.put("imgZem", 0, grass());
    art.put("imgZem", 1, stoneFloor());
    art.put("imgZem", 2, sandGround());
    art.put("imgZem", 3, planks());
    art.put("imgZem", 4, oliveTile());
    art.put("imgZem", 5, asphalt());
    art.put("imgZem", 6, rocks());
}

} // namespace velmor::artgen
