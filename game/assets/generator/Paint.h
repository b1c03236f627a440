#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <cstdint>

// Drawing helpers shared by every picture of the game: one palette, one light (from the top left), one way of
// outlining, so that all subjects read alike at 1:1.
namespace velmor::artgen {

// The palette. Each material has a ramp from its shadow to its highlight.
namespace pal {
inline const QColor ink{24, 16, 28};
inline const QColor white{255, 255, 255};
inline const QColor lightTint{255, 246, 214}; // the warm light from the top left
inline const QColor shadowTint{22, 16, 44};   // the cool shadow on the bottom right

inline const QColor grass[5] = {{34, 72, 36}, {52, 100, 44}, {74, 128, 52}, {104, 156, 64}, {146, 188, 86}};
inline const QColor stone[5] = {
    {46, 46, 58}, {80, 82, 94}, {114, 116, 126}, {152, 154, 160}, {198, 198, 200}};
inline const QColor sand[4] = {{166, 138, 88}, {198, 172, 116}, {218, 194, 140}, {236, 218, 170}};
inline const QColor wood[5] = {{56, 32, 22}, {90, 54, 32}, {128, 82, 46}, {166, 114, 64}, {204, 154, 96}};
inline const QColor gold[4] = {{118, 78, 14}, {186, 134, 26}, {234, 186, 50}, {254, 232, 132}};
inline const QColor red[4] = {{94, 20, 26}, {152, 34, 36}, {204, 58, 50}, {240, 120, 96}};
inline const QColor blue[4] = {{24, 38, 96}, {40, 76, 162}, {74, 124, 214}, {148, 188, 244}};
inline const QColor teal[4] = {{18, 70, 74}, {30, 112, 110}, {58, 156, 146}, {126, 206, 190}};
inline const QColor violet[4] = {{62, 28, 96}, {108, 56, 160}, {156, 102, 212}, {208, 168, 242}};
inline const QColor leaf[4] = {{28, 86, 40}, {46, 124, 50}, {84, 164, 64}, {150, 206, 96}};
inline const QColor orange[4] = {{128, 54, 16}, {196, 94, 26}, {236, 142, 46}, {252, 196, 110}};
inline const QColor skin[3] = {{176, 112, 80}, {222, 164, 122}, {246, 204, 164}};
inline const QColor bone[4] = {{132, 120, 96}, {184, 172, 142}, {222, 212, 184}, {246, 240, 222}};
inline const QColor ivory[4] = {{150, 140, 108}, {200, 190, 156}, {232, 224, 194}, {250, 246, 228}};
inline const QColor leather[4] = {{36, 20, 16}, {58, 34, 24}, {80, 50, 34}, {108, 72, 48}};
} // namespace pal

QColor mix(const QColor& a, const QColor& b, double t);
QColor lit(const QColor& c, double t);    // toward the light
QColor shaded(const QColor& c, double t); // toward the shadow

// Deterministic randomness: the same picture every build.
struct Rng {
    uint32_t state;
    explicit Rng(uint32_t seed) : state(seed * 2654435761u + 0x9e3779b9u) { next(); }
    uint32_t next();
    double uniform(); // [0, 1)
    double range(double lo, double hi);
    int below(int n); // [0, n)
};

double hashNoise(int x, int y, int seed); // [0, 1), one value per pixel

// A transparent canvas for drawing a sprite or an item, and a painter with smooth edges on it.
QImage canvas(int w, int h);
QImage opaqueCanvas(int w, int h, const QColor& fill);
void smooth(QPainter& p);

// Shaded primitives, lit from the top left.
void ball(QPainter& p, QPointF centre, double rx, double ry, const QColor& base);
void shadedPath(QPainter& p, const QPainterPath& path, const QColor& base, double strength = 1.0);
void bevelBox(QPainter& p, const QRectF& r, const QColor& base, int bevel = 1);
void pixel(QImage& img, int x, int y, const QColor& c);     // clipped; wraps nothing
void wrapPixel(QImage& img, int x, int y, const QColor& c); // wraps around the edges, for seamless ground

// Turns drawn art into a hard-edged shape (alpha 0 or 255) and, if asked, rings it with a one-pixel outline
// in a deep shade of the colour beside it, so the silhouette reads on any ground.
QImage hardened(const QImage& art, bool outline);

// Mirror left to right.
QImage mirrored(const QImage& img);

} // namespace velmor::artgen
