#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace velmor::artgen {

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto ch = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()),
                  ch(a.alpha(), b.alpha()));
}

QColor lit(const QColor& c, double t) {
    return mix(c, pal::lightTint, t);
}
QColor shaded(const QColor& c, double t) {
    return mix(c, pal::shadowTint, t);
}

uint32_t Rng::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double Rng::uniform() {
    return (next() >> 8) / double(1u << 24);
}
double Rng::range(double lo, double hi) {
    return lo + (hi - lo) * uniform();
}
int Rng::below(int n) {
    return n <= 0 ? 0 : int(next() % uint32_t(n));
}

double hashNoise(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage opaqueCanvas(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
}

void ball(QPainter& p, QPointF c, double rx, double ry, const QColor& base) {
    QRadialGradient g(c.x() - rx * 0.35, c.y() - ry * 0.4, std::max(rx, ry) * 1.35);
    g.setColorAt(0.0, lit(base, 0.45));
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, shaded(base, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
}

void shadedPath(QPainter& p, const QPainterPath& path, const QColor& base, double strength) {
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, lit(base, 0.35 * strength));
    g.setColorAt(0.5, base);
    g.setColorAt(1.0, shaded(base, 0.45 * strength));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

void bevelBox(QPainter& p, const QRectF& r, const QColor& base, int bevel) {
    p.setPen(Qt::NoPen);
    p.fillRect(r, base);
    for (int i = 0; i < bevel; ++i) {
        const QRectF q = r.adjusted(i, i, -i, -i);
        p.fillRect(QRectF(q.left(), q.top(), q.width(), 1), lit(base, 0.45 - 0.12 * i));
        p.fillRect(QRectF(q.left(), q.top(), 1, q.height()), lit(base, 0.3 - 0.1 * i));
        p.fillRect(QRectF(q.left(), q.bottom() - 1, q.width(), 1), shaded(base, 0.45 - 0.12 * i));
        p.fillRect(QRectF(q.right() - 1, q.top() + 1, 1, q.height() - 1), shaded(base, 0.35 - 0.1 * i));
    }
}

void pixel(QImage& img, int x, int y, const QColor& c) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixelColor(x, y, c);
}

void wrapPixel(QImage& img, int x, int y, const QColor& c) {
    const int w = img.width(), h = img.height();
    img.setPixelColor(((x % w) + w) % w, ((y % h) + h) % h, c);
}

QImage hardened(const QImage& art, bool outline) {
    const QImage src = art.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    QImage out(w, h, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    auto solid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && qAlpha(src.pixel(x, y)) >= 128;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (solid(x, y)) {
                const QRgb c = src.pixel(x, y);
                out.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), 255));
            }
    if (!outline) return out;
    const QImage body = out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (solid(x, y)) continue;
            int r = 0, g = 0, b = 0, n = 0;
            const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
            for (int k = 0; k < 4; ++k) {
                const int nx = x + dx[k], ny = y + dy[k];
                if (nx < 0 || ny < 0 || nx >= w || ny >= h || qAlpha(body.pixel(nx, ny)) == 0) continue;
                const QRgb c = body.pixel(nx, ny);
                r += qRed(c);
                g += qGreen(c);
                b += qBlue(c);
                ++n;
            }
            if (n == 0) continue;
            const QColor near(r / n, g / n, b / n);
            const QColor edge = mix(near, pal::ink, 0.72);
            out.setPixel(x, y, qRgba(edge.red(), edge.green(), edge.blue(), 255));
        }
    return out;
}

QImage mirrored(const QImage& img) {
    return img.mirrored(true, false);
}

} // namespace velmor::artgen
