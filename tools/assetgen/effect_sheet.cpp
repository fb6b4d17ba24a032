// The battle effects sheet (00.bmp, 640 x 480): the little animated sprites the battle
// screen plays over the combatants when a technique lands or something happens.
//
// The sheet is a grid of 40 x 40 cells, 16 across and 12 down.  It holds 24 kinds of
// effect, each an animation of 8 frames; kind k lives in row k / 2, starting at column
// (k % 2) * 8, and its frames run left to right from the effect's start (0) to its end (7).
// The battle screen has no translucency, so an effect "fades" by shrinking, thinning,
// darkening or breaking apart.
//
// Every frame is painted with antialiasing on a transparent 40 x 40 layer centred on its
// cell, then keyed (hard edges with a one-pixel outline, no pink fringe) and placed on the
// magenta sheet.  Each cell keeps a one-pixel border of the key colour so neighbouring
// frames never bleed into each other.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quill::assetgen {

namespace {

constexpr int kCell = 40;
constexpr int kColumns = 16;
constexpr int kFrames = 8;
constexpr int kKinds = 24;
constexpr double kPi = 3.14159265358979323846;

double rad(double deg) {
    return deg * kPi / 180.0;
}

// Point at distance r in direction deg (0 = right, 90 = down, as on screen).
QPointF polar(double r, double deg) {
    return QPointF(r * std::cos(rad(deg)), r * std::sin(rad(deg)));
}

QPainterPath circle(QPointF c, double r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath polyline(const std::vector<QPointF>& pts) {
    QPainterPath path;
    if (pts.empty()) return path;
    path.moveTo(pts.front());
    for (size_t i = 1; i < pts.size(); ++i) path.lineTo(pts[i]);
    return path;
}

QPainterPath closedPolygon(const std::vector<QPointF>& pts) {
    QPainterPath path = polyline(pts);
    path.closeSubpath();
    return path;
}

// A thin four-pointed twinkle.
QPainterPath twinkle(QPointF c, double len, double width, double rotationDeg = 0) {
    return starPath(c, len, width, 4, rotationDeg);
}

// A rounded plus sign.
QPainterPath plusSign(QPointF c, double arm, double thick) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double r = thick * 0.5;
    path.addRoundedRect(QRectF(c.x() - arm, c.y() - thick / 2, arm * 2, thick), r, r);
    path.addRoundedRect(QRectF(c.x() - thick / 2, c.y() - arm, thick, arm * 2), r, r);
    return path.simplified();
}

// A band that follows `spine` with a thickness of width(u) at fraction u along it; both
// ends come to points when width does.
template <class WidthFn>
QPainterPath ribbon(const std::vector<QPointF>& spine, WidthFn width) {
    const size_t n = spine.size();
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (size_t i = 0; i < n; ++i) {
        const QPointF a = spine[i == 0 ? 0 : i - 1];
        const QPointF b = spine[i + 1 < n ? i + 1 : n - 1];
        QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        if (len > 1e-9) d /= len;
        const QPointF normal(-d.y(), d.x());
        const double w = width(n > 1 ? double(i) / double(n - 1) : 0.0) * 0.5;
        left.push_back(spine[i] + normal * w);
        right.push_back(spine[i] - normal * w);
    }
    std::vector<QPointF> outline = left;
    outline.insert(outline.end(), right.rbegin(), right.rend());
    return closedPolygon(outline);
}

// Points along a circular arc from degree a0 to a1 around c.
std::vector<QPointF> arcPoints(QPointF c, double r, double a0, double a1, int steps = 24) {
    std::vector<QPointF> pts;
    for (int i = 0; i <= steps; ++i) pts.push_back(c + polar(r, a0 + (a1 - a0) * i / steps));
    return pts;
}

// Points along a quadratic curve from a through control q to b, between fractions s0..s1.
std::vector<QPointF> curvePoints(QPointF a, QPointF q, QPointF b, double s0, double s1,
                                 int steps = 24) {
    std::vector<QPointF> pts;
    for (int i = 0; i <= steps; ++i) {
        const double t = s0 + (s1 - s0) * i / steps;
        const double u = 1.0 - t;
        pts.push_back(a * (u * u) + q * (2 * u * t) + b * (t * t));
    }
    return pts;
}

QRadialGradient litBall(QPointF c, double r, const QColor& light, const QColor& mid,
                        const QColor& dark) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.35);
    g.setColorAt(0.0, light);
    g.setColorAt(0.5, mid);
    g.setColorAt(1.0, dark);
    return g;
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width,
            Qt::PenCapStyle cap = Qt::RoundCap) {
    p.setPen(QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// ---------------------------------------------------------------- 0 flame

QPainterPath tongue(QPointF base, double h, double w, double sway) {
    const double bx = base.x();
    const double by = base.y();
    QPainterPath t;
    t.moveTo(bx, by);
    t.cubicTo(bx - w * 1.2, by, bx - w * 1.1, by - h * 0.42, bx - w * 0.5 + sway * 0.4,
              by - h * 0.66);
    t.quadTo(bx - w * 0.12 + sway * 0.8, by - h * 0.86, bx + sway, by - h);
    t.quadTo(bx + w * 0.3 + sway * 0.6, by - h * 0.74, bx + w * 0.62 + sway * 0.3, by - h * 0.5);
    t.cubicTo(bx + w * 1.2, by - h * 0.28, bx + w * 1.15, by, bx, by);
    t.closeSubpath();
    return t;
}

void drawFlame(QPainter& p, int f) {
    static constexpr double kHeight[kFrames] = {12, 21, 28, 31.5, 30, 25, 15, 0};
    static constexpr double kWidth[kFrames] = {5, 7.5, 9.5, 10.5, 10.5, 9, 6.5, 0};
    static constexpr double kSway[kFrames] = {0, 2.5, -3, 3.5, -3.5, 2.5, -1.5, 0};
    const QPointF base(0, 15);
    const double h = kHeight[f];
    const double w = kWidth[f];
    const double s = kSway[f];
    if (h > 0) {
        QPainterPath outer = tongue(base, h, w, s);
        if (f >= 2 && f <= 5) {
            // side licks flick up and down with the main tongue
            const double side = (f % 2 == 0) ? 1.0 : -1.0;
            outer =
                outer.united(tongue(base + QPointF(-w * 0.55, 0), h * 0.55, w * 0.55, -3.5 * side));
            outer = outer.united(tongue(base + QPointF(w * 0.6, 0), h * 0.46, w * 0.5, 3.0 * side));
        }
        fill(p, outer, QColor(214, 44, 22));
        fill(p, tongue(base, h * 0.78, w * 0.76, s * 0.7), QColor(255, 128, 26));
        fill(p, tongue(base, h * 0.55, w * 0.54, s * 0.45), QColor(255, 214, 64));
        fill(p, tongue(base + QPointF(0, -0.5), h * 0.3, w * 0.32, s * 0.25),
             QColor(255, 252, 206));
    }
    // embers drift up as the fire dies; the last frame is only embers and glowing coals
    if (f >= 4) {
        Rng rng(0xF1A3E + f);
        const int count = f == 7 ? 6 : 3 + (f - 4);
        for (int i = 0; i < count; ++i) {
            const double x = rng.range(-11, 11);
            const double y = rng.range(-14, 6) - (f - 4) * 2.0;
            const double r = rng.range(1.0, 1.9) * (f == 7 ? 0.9 : 1.0);
            fill(p, twinkle(QPointF(x, y), r * 1.6, r * 0.8, 45),
                 i % 2 ? QColor(255, 170, 40) : QColor(255, 226, 90));
        }
    }
    if (f >= 6) {
        for (int i = 0; i < 3; ++i) {
            const QPointF c(-6 + i * 6, 14 - (i % 2));
            fill(p, circle(c, f == 6 ? 2.6 : 2.0), QColor(180, 40, 20));
            fill(p, circle(c + QPointF(-0.4, -0.5), f == 6 ? 1.4 : 1.0), QColor(255, 150, 40));
        }
    }
}

// ---------------------------------------------------------------- 1 water splash

void droplet(QPainter& p, QPointF c, double r, QPointF motion) {
    // a drop stretched along its motion
    const double len = std::hypot(motion.x(), motion.y());
    const double ang = len > 1e-6 ? std::atan2(motion.y(), motion.x()) * 180.0 / kPi : 90.0;
    p.save();
    p.translate(c);
    p.rotate(ang);
    QPainterPath d;
    d.moveTo(-r * 2.2, 0);
    d.cubicTo(-r * 0.8, -r * 0.9, r, -r * 1.1, r, 0);
    d.cubicTo(r, r * 1.1, -r * 0.8, r * 0.9, -r * 2.2, 0);
    fill(p, d, QColor(70, 150, 245));
    p.restore();
    fill(p, circle(c + QPointF(-r * 0.3, -r * 0.35), r * 0.42), QColor(236, 250, 255));
}

void drawSplash(QPainter& p, int f) {
    static constexpr double kCrownH[kFrames] = {0, 8, 14, 17, 15, 10, 5, 0};
    static constexpr double kCrownW[kFrames] = {0, 7, 10, 12.5, 14, 15, 16, 0};
    static constexpr double kPoolW[kFrames] = {5, 10, 13, 15, 16, 17, 17, 16};
    const double y0 = 13;
    // the pool (a flat oval) under the crown
    if (f < 7) {
        const double pw = kPoolW[f];
        fill(p, QPainterPath([&] {
                 QPainterPath e;
                 e.addEllipse(QPointF(0, y0), pw, 3.2);
                 return e;
             }()),
             QColor(40, 104, 214));
        QPainterPath inner;
        inner.addEllipse(QPointF(0, y0 - 0.6), pw * 0.7, 1.8);
        fill(p, inner, QColor(110, 186, 255));
    } else {
        // ripples spreading out
        QPainterPath ring;
        ring.addEllipse(QPointF(0, y0), 16, 3.6);
        stroke(p, ring, QColor(110, 186, 255), 2.0);
        QPainterPath ring2;
        ring2.addEllipse(QPointF(0, y0), 7, 1.4);
        fill(p, ring2, QColor(70, 150, 245));
    }
    if (f == 0) {
        // the drop falling in
        QPainterPath drop;
        drop.moveTo(0, -14);
        drop.cubicTo(1, -10, 4, -7, 4, -4);
        drop.cubicTo(4, -1.5, 2, 0, 0, 0);
        drop.cubicTo(-2, 0, -4, -1.5, -4, -4);
        drop.cubicTo(-4, -7, -1, -10, 0, -14);
        fill(p, drop, QColor(70, 150, 245));
        fill(p, circle(QPointF(-1.6, -4.2), 1.2), QColor(236, 250, 255));
    }
    const double ch = kCrownH[f];
    const double cw = kCrownW[f];
    if (ch > 0) {
        // the crown: a flared wall with five spikes
        std::vector<QPointF> pts;
        pts.push_back(QPointF(-cw * 0.7, y0));
        pts.push_back(QPointF(-cw, y0 - ch * 0.55));
        const int spikes = 5;
        for (int i = 0; i <= spikes * 2; ++i) {
            const double u = double(i) / (spikes * 2);
            const double x = -cw * 1.08 + 2.16 * cw * u;
            const bool tip = i % 2 == 0;
            const double lift = tip ? ch * (0.85 + 0.15 * std::sin(u * kPi)) : ch * 0.5;
            pts.push_back(QPointF(x, y0 - lift));
        }
        pts.push_back(QPointF(cw, y0 - ch * 0.55));
        pts.push_back(QPointF(cw * 0.7, y0));
        QLinearGradient g(QPointF(0, y0 - ch), QPointF(0, y0));
        g.setColorAt(0.0, QColor(190, 234, 255));
        g.setColorAt(0.5, QColor(96, 176, 255));
        g.setColorAt(1.0, QColor(44, 110, 220));
        fill(p, closedPolygon(pts), g);
        // the hollow inside the crown
        QPainterPath hollow;
        hollow.addEllipse(QPointF(0, y0 - ch * 0.5), cw * 0.62, std::max(1.2, ch * 0.14));
        fill(p, hollow, QColor(36, 92, 196));
        // light on the left wall
        stroke(p, polyline({QPointF(-cw * 0.72, y0 - 1.5), QPointF(-cw * 0.9, y0 - ch * 0.55)}),
               QColor(240, 252, 255), 1.3);
        // drops leaving the spike tips
        if (f >= 2) {
            const double t = (f - 1) * 1.0;
            for (int i = 0; i <= spikes; ++i) {
                const double u = double(i) / spikes;
                const double x0 = -cw * 1.08 + 2.16 * cw * u;
                const double out = (u - 0.5) * 2.0;
                const QPointF vel(out * 2.2, -3.4 + (f - 2) * 1.2);
                const QPointF pos(x0 + out * t * 1.4, y0 - ch - 2.5 - t * 1.6 + t * t * 0.35);
                if (pos.y() < -17 || std::abs(pos.x()) > 16.5) continue;
                droplet(p, pos, f >= 5 ? 1.5 : 2.0, vel);
            }
        }
    }
    if (f == 7) {
        droplet(p, QPointF(-12, 5), 1.5, QPointF(-0.5, 1));
        droplet(p, QPointF(11, 3), 1.7, QPointF(0.5, 1));
        droplet(p, QPointF(2, -2), 1.3, QPointF(0, 1));
    }
}

// ---------------------------------------------------------------- 2 light flare

void drawFlare(QPainter& p, int f) {
    static constexpr double kSize[kFrames] = {7, 12.5, 16.5, 18, 17, 13, 9, 6};
    const double r = kSize[f];
    const double turn = f * 7.5;
    if (f == 7) {
        fill(p, twinkle(QPointF(0, 0), 7, 1.4, 0), QColor(255, 222, 96));
        fill(p, twinkle(QPointF(0, 0), 4.5, 0.9, 0), QColor(255, 255, 236));
        return;
    }
    auto rays = [&](double len, double width, double offset, const QColor& c) {
        for (int i = 0; i < 8; ++i) {
            const double a = turn + offset + i * 45.0;
            const double l = (i % 2 == 0) ? len : len * 0.62;
            const QPainterPath ray =
                polygonPath({polar(l, a), polar(width, a + 90), polar(width * 0.6, a + 180),
                             polar(width, a - 90)});
            fill(p, ray, c);
        }
    };
    rays(r, r * 0.13 + 0.8, 0, QColor(255, 196, 40));
    rays(r * 0.7, r * 0.09 + 0.5, 0, QColor(255, 236, 130));
    if (f >= 1 && f <= 5) rays(r * 0.55, r * 0.06 + 0.4, 22.5, QColor(255, 214, 80));
    fill(p, circle(QPointF(0, 0), r * 0.36), QColor(255, 232, 120));
    fill(p, circle(QPointF(0, 0), r * 0.26), QColor(255, 255, 244));
}

// ---------------------------------------------------------------- 3 dark orb

void drawDarkOrb(QPainter& p, int f) {
    static constexpr double kRadius[kFrames] = {4.5, 8.5, 12, 14.5, 15.5, 13, 8.5, 4};
    const double r = kRadius[f];
    QRadialGradient g(QPointF(0, 0), r);
    g.setColorAt(0.0, QColor(18, 6, 28));
    g.setColorAt(0.55, QColor(52, 18, 80));
    g.setColorAt(1.0, QColor(104, 40, 156));
    fill(p, circle(QPointF(0, 0), r), g);
    // swirling arms turn as the orb lives
    const double spin = f * 42.0;
    for (int arm = 0; arm < 3; ++arm) {
        std::vector<QPointF> pts;
        for (int i = 0; i <= 16; ++i) {
            const double u = double(i) / 16;
            pts.push_back(polar(r * (0.18 + 0.72 * u), spin + arm * 120 + u * 190));
        }
        stroke(p, polyline(pts), QColor(150, 76, 214), std::max(1.0, r * 0.11));
    }
    fill(p, circle(QPointF(0, 0), r * 0.2), QColor(10, 2, 16));
    // violet rim with a highlight on the upper left
    stroke(p, circle(QPointF(0, 0), r), QColor(184, 110, 255), std::max(1.2, r * 0.14));
    QPainterPath shine;
    shine.arcMoveTo(QRectF(-r * 0.78, -r * 0.78, r * 1.56, r * 1.56), 110);
    shine.arcTo(QRectF(-r * 0.78, -r * 0.78, r * 1.56, r * 1.56), 110, 50);
    if (r > 6) stroke(p, shine, QColor(226, 196, 255), std::max(1.0, r * 0.09));
    // while it collapses, motes are pulled back in
    if (f >= 5) {
        const double reach = f == 5 ? 16 : (f == 6 ? 13 : 9);
        for (int i = 0; i < 5; ++i) {
            const QPointF c = polar(reach - (i % 2) * 2.5, i * 72 + f * 20);
            fill(p, circle(c, f == 7 ? 1.3 : 1.7), QColor(176, 104, 244));
        }
    }
}

// ---------------------------------------------------------------- 4 wind slash

void drawWindSlash(QPainter& p, int f) {
    static constexpr double kHead[kFrames] = {-130, -95, -60, -25, 10, 45, 75, 100};
    static constexpr double kSpan[kFrames] = {40, 80, 120, 150, 150, 130, 100, 70};
    static constexpr double kThick[kFrames] = {3, 5, 6.5, 7.5, 7, 5.5, 3.8, 2.4};
    const QPointF c(0, 1);
    const double radius = 14.5;
    const double head = kHead[f];
    const double tail = head - kSpan[f];
    const double t = kThick[f];
    auto profile = [](double thick) {
        return [thick](double u) {
            // sharp at the tail, fullest just behind the head, pointed at the head
            return thick * std::pow(std::sin(kPi * std::pow(u, 1.6)), 0.8);
        };
    };
    const std::vector<QPointF> spine = arcPoints(c, radius, tail, head, 30);
    QPainterPath band = ribbon(spine, profile(t));
    if (f == 7) {
        // the slash comes apart
        QPainterPath cut;
        cut.addEllipse(c + polar(radius, tail + kSpan[f] * 0.55), 3, 3);
        band = band.subtracted(cut);
    }
    fill(p, band, QColor(150, 226, 250));
    const std::vector<QPointF> inner = arcPoints(c, radius + t * 0.14, tail, head, 30);
    fill(p, ribbon(inner, profile(t * 0.5)), QColor(250, 255, 255));
    // a fainter echo of the cut trails just inside it
    if (f >= 2 && f <= 5) {
        const double a1 = head - 30;
        const double a0 = a1 - kSpan[f] * 0.6;
        fill(p, ribbon(arcPoints(c, radius - 6.5, a0, a1, 20), profile(t * 0.35)),
             QColor(176, 232, 250));
    }
}

// ---------------------------------------------------------------- 5 heal sparkle

void healPlus(QPainter& p, QPointF c, double size) {
    if (size <= 0.4) return;
    fill(p, plusSign(c, size, size * 0.62), QColor(70, 200, 96));
    fill(p, plusSign(c, size * 0.72, size * 0.34), QColor(186, 255, 190));
    fill(p, circle(c, size * 0.22), QColor(255, 255, 255));
}

void drawHealSparkle(QPainter& p, int f) {
    struct Sparkle {
        double x;
        int birth;
        double size;
    };
    static constexpr Sparkle kSparkles[] = {
        {-6, 0, 6.5}, {8, 0, 4.5}, {1, 1, 6}, {-11, 2, 4.5}, {10, 2, 5.5}, {-3, 3, 5}, {6, 3, 4},
    };
    static constexpr double kLife[] = {0.6, 0.95, 1.0, 0.75, 0.45};
    for (const Sparkle& s : kSparkles) {
        const int age = f - s.birth;
        if (age < 0 || age > 4) continue;
        const double y = 11 - age * 6.0 - (s.birth % 2) * 1.5;
        const double wobble = std::sin((age + s.birth) * 1.3) * 1.2;
        healPlus(p, QPointF(s.x + wobble, y), s.size * kLife[age]);
    }
    // motes of light between the crosses
    Rng rng(0x5EA1 + f);
    for (int i = 0; i < 4; ++i) {
        const QPointF c(rng.range(-13, 13), rng.range(-14, 14));
        fill(p, circle(c, 1.1), QColor(214, 255, 200));
    }
}

// ---------------------------------------------------------------- 6 hit spark

QPainterPath jaggedStar(double r, int points, uint64_t seed) {
    Rng rng(seed);
    std::vector<QPointF> pts;
    const double turn = rng.range(0, 360);
    for (int i = 0; i < points * 2; ++i) {
        const double a = turn + i * 180.0 / points + rng.range(-8, 8);
        const double rr = (i % 2 == 0) ? r * rng.range(0.72, 1.0) : r * rng.range(0.32, 0.45);
        pts.push_back(polar(rr, a));
    }
    return closedPolygon(pts);
}

void drawHitSpark(QPainter& p, int f) {
    static constexpr double kRadius[kFrames] = {8, 17, 16.5, 12, 7, 0, 0, 0};
    const double r = kRadius[f];
    if (r > 0) {
        const uint64_t seed = 0x417 + static_cast<uint64_t>(f);
        fill(p, jaggedStar(r, 9, seed), QColor(255, 168, 28));
        QTransform shrink;
        shrink.scale(0.68, 0.68);
        fill(p, shrink.map(jaggedStar(r, 9, seed)), QColor(255, 238, 86));
        fill(p, circle(QPointF(0, 0), r * 0.26), QColor(255, 255, 236));
    }
    // slivers flying out once the star breaks
    if (f >= 2) {
        Rng rng(0x5B11);
        const int count = 7;
        for (int i = 0; i < count; ++i) {
            const double a = i * 360.0 / count + rng.range(-15, 15);
            const double d = 5 + (f - 2) * 1.8 + rng.range(0, 1.2);
            const double len = std::max(1.6, 5.5 - (f - 2) * 0.8);
            const double wid = std::max(0.9, 1.9 - (f - 2) * 0.2);
            if (d + len > 17.2) continue;
            const QPainterPath sliver =
                polygonPath({polar(d + len, a), polar(wid, a + 90) + polar(d, a),
                             polar(d - len * 0.3, a), polar(wid, a - 90) + polar(d, a)});
            fill(p, sliver, (i % 2) ? QColor(255, 236, 90) : QColor(255, 190, 50));
        }
    }
}

// ---------------------------------------------------------------- 7 shield

std::vector<QPointF> hexagon(double r, double turnDeg) {
    std::vector<QPointF> pts;
    for (int i = 0; i < 6; ++i) pts.push_back(polar(r, turnDeg + i * 60));
    return pts;
}

void drawShield(QPainter& p, int f) {
    static constexpr double kRadius[kFrames] = {7, 12, 15.5, 16, 16, 16, 16.5, 17};
    static constexpr double kWidth[kFrames] = {1.6, 2.6, 3.6, 3.8, 3.6, 2.6, 2.4, 2.0};
    const double r = kRadius[f];
    const double w = kWidth[f];
    const std::vector<QPointF> hex = hexagon(r - w * 0.5, -90);
    if (f <= 5) {
        if (f >= 2 && f <= 4) {
            // the barrier's inner lattice
            const std::vector<QPointF> small = hexagon((r - w) * 0.5, -90);
            stroke(p, closedPolygon(small), QColor(120, 200, 250), 1.0);
            for (int i = 0; i < 6; ++i) {
                stroke(p, polyline({small[static_cast<size_t>(i)], hex[static_cast<size_t>(i)]}),
                       QColor(120, 200, 250), 1.0);
            }
        }
        const QPainterPath ring = closedPolygon(hex);
        stroke(p, ring, QColor(36, 108, 224), w, Qt::SquareCap);
        stroke(p, ring, QColor(90, 212, 255), w * 0.55, Qt::SquareCap);
        if (f >= 2) stroke(p, ring, QColor(210, 248, 255), std::max(0.8, w * 0.18));
        // a shine runs around the ring
        if (f >= 2 && f <= 4) {
            const size_t i = static_cast<size_t>(f + 2) % 6;
            const QPointF a = hex[i];
            const QPointF b = hex[(i + 1) % 6];
            stroke(p, polyline({a + (b - a) * 0.2, a + (b - a) * 0.8}), QColor(255, 255, 255),
                   w * 0.7);
            fill(p, twinkle(a, 5.5, 1.2), QColor(255, 255, 255));
        }
        if (f == 3) fill(p, twinkle(QPointF(0, 0), 6, 1.2, 45), QColor(200, 244, 255));
    } else {
        // the barrier breaks into its six sides, drifting apart
        const double keep = f == 6 ? 0.62 : 0.34;
        for (size_t i = 0; i < 6; ++i) {
            const QPointF a = hex[i];
            const QPointF b = hex[(i + 1) % 6];
            const QPointF mid = (a + b) * 0.5;
            const QPointF push = mid * (f == 6 ? 0.0 : -0.12);
            const QPointF half = (b - a) * (keep * 0.5);
            const QPainterPath piece = polyline({mid - half + push, mid + half + push});
            stroke(p, piece, QColor(36, 108, 224), w, Qt::SquareCap);
            stroke(p, piece, QColor(120, 220, 255), w * 0.5, Qt::SquareCap);
        }
    }
}

// ---------------------------------------------------------------- 8 poison

void bubble(QPainter& p, QPointF c, double r, bool purple) {
    const QColor light = purple ? QColor(222, 170, 246) : QColor(206, 250, 140);
    const QColor mid = purple ? QColor(156, 70, 204) : QColor(112, 196, 52);
    const QColor dark = purple ? QColor(90, 30, 130) : QColor(50, 120, 30);
    fill(p, circle(c, r), litBall(c, r, light, mid, dark));
    fill(p, circle(c + QPointF(-r * 0.38, -r * 0.4), std::max(0.8, r * 0.26)),
         QColor(250, 255, 240));
}

void popRing(QPainter& p, QPointF c, double r, bool purple) {
    const QColor col = purple ? QColor(190, 120, 236) : QColor(150, 222, 80);
    for (int i = 0; i < 6; ++i) {
        const QPointF d = c + polar(r, i * 60 + 30);
        fill(p, circle(d, 1.2), col);
    }
}

void drawPoison(QPainter& p, int f) {
    struct Bubble {
        double x;
        int birth;
        double r;
        bool purple;
    };
    static constexpr Bubble kBubbles[] = {
        {-5, 0, 5.0, true}, {6, 0, 3.5, false}, {-10, 1, 3.0, false}, {2, 2, 4.5, false},
        {10, 2, 3.0, true}, {-6, 3, 4.0, true}, {5, 4, 3.5, true},    {-1, 5, 3.0, false},
    };
    // the pool of venom the bubbles rise from
    static constexpr double kPool[kFrames] = {9, 12, 13, 13, 12, 10, 7, 4};
    QPainterPath pool;
    pool.addEllipse(QPointF(0, 14), kPool[f], 2.8);
    fill(p, pool, QColor(96, 44, 140));
    QPainterPath poolTop;
    poolTop.addEllipse(QPointF(0, 13.4), kPool[f] * 0.7, 1.5);
    fill(p, poolTop, QColor(120, 190, 60));
    for (const Bubble& b : kBubbles) {
        const int age = f - b.birth;
        if (age < 0 || age > 3) continue;
        const QPointF c(b.x + std::sin((age + b.birth) * 1.7) * 1.2, 10 - age * 7.0);
        if (age == 3) {
            popRing(p, c, b.r + 1.5, b.purple);
        } else {
            bubble(p, c, b.r * (0.7 + 0.15 * age), b.purple);
        }
    }
}

// ---------------------------------------------------------------- 9 lightning

std::vector<QPointF> zigzag(QPointF from, QPointF to, int segments, double spread, Rng& rng) {
    std::vector<QPointF> pts{from};
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF normal(-d.y() / len, d.x() / len);
    double side = rng.chance(0.5) ? 1.0 : -1.0;
    for (int i = 1; i < segments; ++i) {
        const double u = double(i) / segments;
        pts.push_back(from + d * u + normal * (side * rng.range(spread * 0.4, spread)));
        side = -side;
    }
    pts.push_back(to);
    return pts;
}

void bolt(QPainter& p, const std::vector<QPointF>& pts, double width) {
    const QPainterPath path = polyline(pts);
    stroke(p, path, QColor(255, 204, 30), width, Qt::FlatCap);
    stroke(p, path, QColor(255, 250, 190), std::max(1.0, width * 0.42), Qt::FlatCap);
}

void drawLightning(QPainter& p, int f) {
    static constexpr double kWidth[kFrames] = {2.4, 4.2, 4.8, 3.4, 4.6, 2.6, 2.6, 0};
    Rng rng(0xB017 + f * 31);
    const QPointF top(rng.range(-4, 4), -17);
    const QPointF bottom(rng.range(-3, 3), 16);
    if (f == 0) {
        // the bolt reaches down from above
        bolt(p, zigzag(top, QPointF(1, -1), 3, 5, rng), kWidth[f]);
        return;
    }
    if (f == 7) {
        // only the sparks where it struck
        for (int i = 0; i < 5; ++i) {
            const QPointF c(rng.range(-10, 10), rng.range(6, 15));
            fill(p, twinkle(c, rng.range(2.5, 4), 0.9, rng.range(0, 45)), QColor(255, 236, 90));
        }
        bolt(p, zigzag(QPointF(0, -6), QPointF(1, 4), 2, 3, rng), 1.8);
        return;
    }
    const std::vector<QPointF> main = zigzag(top, bottom, 6, 7, rng);
    if (f == 6) {
        // breaking up: only every other stroke is left
        for (size_t i = 0; i + 1 < main.size(); i += 2) bolt(p, {main[i], main[i + 1]}, 2.4);
        return;
    }
    const int branches = (f == 2 || f == 4) ? 2 : 1;
    for (int b = 0; b < branches; ++b) {
        const size_t at = static_cast<size_t>(2 + b * 2);
        const QPointF from = main[at];
        const double dir = from.x() > 0 ? 1.0 : -1.0;
        const QPointF to = from + QPointF(dir * rng.range(6, 10), rng.range(6, 9));
        QPointF clampTo(std::clamp(to.x(), -16.0, 16.0), std::min(to.y(), 16.0));
        bolt(p, zigzag(from, clampTo, 2, 2.5, rng), kWidth[f] * 0.55);
    }
    bolt(p, main, kWidth[f]);
    if (f == 2 || f == 4) fill(p, twinkle(bottom + QPointF(0, -1), 5, 1.3), QColor(255, 255, 220));
}

// ---------------------------------------------------------------- 10 rock

std::vector<QPointF> rockOutline() {
    Rng rng(0x20C4);
    std::vector<QPointF> pts;
    for (int i = 0; i < 9; ++i) {
        const double a = i * 40.0 + rng.range(-8, 8);
        pts.push_back(QPointF(11.5 * rng.range(0.78, 1.0) * std::cos(rad(a)),
                              10.0 * rng.range(0.78, 1.0) * std::sin(rad(a))));
    }
    return pts;
}

void paintRock(QPainter& p, const QTransform& xf, double scale) {
    const std::vector<QPointF> shape = rockOutline();
    QTransform full;
    full.scale(scale, scale);
    full *= xf;
    const QPainterPath body = full.map(closedPolygon(shape));
    const QRectF b = body.boundingRect();
    // light from the upper left, whichever way the rock has turned
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0.0, QColor(196, 170, 138));
    g.setColorAt(0.5, QColor(146, 120, 94));
    g.setColorAt(1.0, QColor(92, 80, 72));
    fill(p, body, g);
    p.save();
    p.setClipPath(body);
    // facets and pits turn with the rock
    const QPainterPath facet = full.map(polygonPath({{-5, -4}, {3, -6}, {6, 0}, {0, 3}, {-6, 1}}));
    fill(p, facet, QColor(170, 150, 126));
    stroke(p, full.map(polyline({{0, 3}, {2, 8}})), QColor(96, 80, 66), 1.0);
    stroke(p, full.map(polyline({{6, 0}, {10, 3}})), QColor(96, 80, 66), 1.0);
    fill(p, full.map(circle(QPointF(-6, 5), 1.3)), QColor(104, 92, 84));
    fill(p, full.map(circle(QPointF(7, -5), 1.0)), QColor(104, 92, 84));
    p.restore();
}

void drawRock(QPainter& p, int f) {
    static constexpr double kLift[kFrames] = {3, 0, -2, -3, -2, 0, 2, 3};
    const double turn = f * 26.0;
    if (f < 7) {
        QTransform xf;
        xf.translate(0, kLift[f]);
        xf.rotate(turn);
        paintRock(p, xf, f == 0 ? 0.85 : 1.0);
        if (f == 6) {
            // the crack that splits it
            QTransform at;
            at.translate(0, kLift[f]);
            stroke(p, at.map(polyline({{-2, -11}, {0, -5}, {-3, -1}, {1, 3}, {-1, 10}})),
                   QColor(40, 30, 26), 1.5);
            stroke(p, at.map(polyline({{-3, -1}, {-9, 2}})), QColor(40, 30, 26), 1.2);
        }
        return;
    }
    // broken into three chunks flying apart
    const struct {
        QPointF at;
        double spin;
        double scale;
    } chunks[] = {{{-7, -4}, 40, 0.55}, {{7, -5}, -70, 0.5}, {{1, 6}, 130, 0.6}};
    for (const auto& chunk : chunks) {
        QTransform xf;
        xf.translate(chunk.at.x(), chunk.at.y());
        xf.rotate(turn + chunk.spin);
        paintRock(p, xf, chunk.scale);
    }
    for (QPointF dust : {QPointF(-13, 10), QPointF(13, 9), QPointF(-1, -14)}) {
        fill(p, circle(dust, 1.3), QColor(150, 130, 110));
    }
}

// ---------------------------------------------------------------- 11 leaf

void drawLeaf(QPainter& p, int f) {
    const double phase = f * kPi / 4.0 + 0.35;
    double flip = std::cos(phase);
    const bool underside = flip < 0;
    flip = std::max(0.2, std::abs(flip));
    const double angle = -25 + 22 * std::sin(f * kPi / 3.5);
    const QPointF at(4.5 * std::sin(f * kPi / 4.0), -5 + f * 1.5);
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(1.0, flip);
    QPainterPath leaf;
    leaf.moveTo(-12, 0);
    leaf.cubicTo(-6, -9, 6, -9, 13, 0);
    leaf.cubicTo(6, 9, -6, 9, -12, 0);
    QLinearGradient g(QPointF(0, -8), QPointF(0, 8));
    if (underside) {
        g.setColorAt(0.0, QColor(180, 224, 130));
        g.setColorAt(1.0, QColor(130, 192, 90));
    } else {
        g.setColorAt(0.0, QColor(120, 212, 84));
        g.setColorAt(1.0, QColor(44, 140, 50));
    }
    fill(p, leaf, g);
    const QColor rib = underside ? QColor(226, 246, 190) : QColor(34, 104, 40);
    stroke(p, polyline({{-15, 0}, {11, 0}}), rib, 1.2);
    for (int i = 0; i < 3; ++i) {
        const double x = -6 + i * 5.5;
        stroke(p, polyline({{x, 0}, {x + 3.5, -4.2}}), rib, 0.9);
        stroke(p, polyline({{x, 0}, {x + 3.5, 4.2}}), rib, 0.9);
    }
    p.restore();
}

// ---------------------------------------------------------------- 12 bat

void drawBat(QPainter& p, int f) {
    static constexpr double kBob[kFrames] = {1, 0, -1, -1.5, -1, 0, 1, 1.5};
    // wing joints with the wings raised, level and lowered (right wing; the left mirrors it)
    struct WingPose {
        QPointF elbow, tip, finger1, finger2;
    };
    static const WingPose kUp{{8, -9}, {16.5, -15}, {13, -4}, {7.5, 3}};
    static const WingPose kLevel{{10, -4.5}, {17.5, -3}, {13, 4}, {7.5, 6}};
    static const WingPose kDown{{9, 1}, {14.5, 10}, {9.5, 12}, {5.5, 9}};
    const double v = std::cos(f * 2.0 * kPi / kFrames);  // 1 = wings up, -1 = down
    const WingPose& to = v >= 0 ? kUp : kDown;
    const double t = std::abs(v);
    auto lerp = [t](QPointF a, QPointF b) { return a + (b - a) * t; };
    const WingPose pose{lerp(kLevel.elbow, to.elbow), lerp(kLevel.tip, to.tip),
                        lerp(kLevel.finger1, to.finger1), lerp(kLevel.finger2, to.finger2)};
    const QPointF body(0, kBob[f] + 1);
    const QColor wingCol(70, 40, 104);
    const QColor ribCol(138, 92, 178);
    for (int side = -1; side <= 1; side += 2) {
        auto m = [&](QPointF q) { return body + QPointF(side * q.x(), q.y()); };
        const QPointF shoulder = m({3, -2});
        const QPointF elbow = m(pose.elbow);
        const QPointF tip = m(pose.tip);
        const QPointF finger1 = m(pose.finger1);
        const QPointF finger2 = m(pose.finger2);
        const QPointF hip = m({2.5, 5});
        // the trailing edge scallops in towards the body between the fingers
        auto scallop = [&](QPointF a, QPointF b) {
            const QPointF mid = (a + b) * 0.5;
            return mid + (shoulder - mid) * 0.18;
        };
        QPainterPath wing(shoulder);
        wing.quadTo(elbow + QPointF(0, -1.5), tip);
        wing.quadTo(scallop(tip, finger1), finger1);
        wing.quadTo(scallop(finger1, finger2), finger2);
        wing.quadTo(scallop(finger2, hip), hip);
        wing.closeSubpath();
        fill(p, wing, wingCol);
        stroke(p, polyline({shoulder, elbow, tip}), ribCol, 1.3);
        stroke(p, polyline({elbow, finger1}), ribCol, 0.9);
        stroke(p, polyline({elbow, finger2}), ribCol, 0.9);
    }
    // ears, body and head
    fill(p,
         polygonPath({body + QPointF(-4, -5), body + QPointF(-4.5, -11), body + QPointF(-1, -7)}),
         QColor(96, 56, 132));
    fill(p, polygonPath({body + QPointF(4, -5), body + QPointF(4.5, -11), body + QPointF(1, -7)}),
         QColor(96, 56, 132));
    QPainterPath trunk;
    trunk.addEllipse(body + QPointF(0, 2), 4.2, 5.5);
    fill(p, trunk,
         litBall(body + QPointF(0, 2), 5, QColor(140, 96, 176), QColor(96, 56, 132),
                 QColor(58, 30, 82)));
    fill(p, circle(body + QPointF(0, -4.5), 4.4),
         litBall(body + QPointF(0, -4.5), 4.4, QColor(150, 104, 186), QColor(100, 60, 138),
                 QColor(62, 32, 88)));
    fill(p, circle(body + QPointF(-1.8, -5), 1.3), QColor(255, 40, 36));
    fill(p, circle(body + QPointF(1.8, -5), 1.3), QColor(255, 40, 36));
    fill(p, circle(body + QPointF(-2.1, -5.4), 0.5), QColor(255, 220, 200));
    fill(p, circle(body + QPointF(1.5, -5.4), 0.5), QColor(255, 220, 200));
    fill(p,
         polygonPath(
             {body + QPointF(-1.4, -2.3), body + QPointF(-0.6, -2.3), body + QPointF(-1.0, -0.9)}),
         QColor(255, 255, 255));
    fill(p,
         polygonPath(
             {body + QPointF(0.6, -2.3), body + QPointF(1.4, -2.3), body + QPointF(1.0, -0.9)}),
         QColor(255, 255, 255));
}

// ---------------------------------------------------------------- 13 ice

struct Shard {
    double angle;
    double length;
    double width;
};
constexpr Shard kShards[] = {
    {-90, 16, 4.2},   {-30, 13, 3.6},    {28, 14, 3.8}, {92, 12, 3.4},
    {150, 14.5, 3.8}, {-148, 12.5, 3.4}, {-62, 8, 2.6}, {118, 8, 2.6},
};

void paintShard(QPainter& p, QPointF from, double angle, double length, double width) {
    const QPointF dir = polar(1, angle);
    const QPointF n(-dir.y(), dir.x());
    const QPointF tip = from + dir * length;
    const QPointF mid = from + dir * (length * 0.55);
    const QPointF back = from - dir * (length * 0.08);
    fill(p, polygonPath({back, mid + n * width, tip, mid - n * width}), QColor(96, 170, 230));
    fill(p, polygonPath({back, mid + n * width, tip}), QColor(170, 226, 255));
    fill(p, polygonPath({from + dir * (length * 0.2), mid + n * (width * 0.45), tip}),
         QColor(236, 250, 255));
}

void drawIce(QPainter& p, int f) {
    static constexpr double kGrow[kFrames] = {0.3, 0.55, 0.8, 1.0, 1.0, 1.0, 0, 0};
    if (f <= 5) {
        for (const Shard& s : kShards) {
            paintShard(p, QPointF(0, 0), s.angle, s.length * kGrow[f],
                       s.width * (0.6 + 0.4 * kGrow[f]));
        }
        fill(p, circle(QPointF(0, 0), 3.2 * (0.5 + 0.5 * kGrow[f])), QColor(200, 240, 255));
        if (f == 3) fill(p, twinkle(polar(9, -70), 6.5, 1.3), QColor(255, 255, 255));
        if (f == 4) fill(p, twinkle(polar(8, 150), 5.5, 1.2), QColor(255, 255, 255));
        if (f == 5) {
            // cracks run through the crystal just before it goes
            stroke(p, polyline({{-6, -9}, {-1, -3}, {-3, 2}, {3, 7}}), QColor(40, 90, 150), 1.1);
            stroke(p, polyline({{-1, -3}, {6, -4}, {10, 1}}), QColor(40, 90, 150), 1.1);
        }
        return;
    }
    // shattered: each shard breaks in two and the pieces fly out
    const double fly = f == 6 ? 4.5 : 9.0;
    const double size = f == 6 ? 0.55 : 0.34;
    for (const Shard& s : kShards) {
        const QPointF dir = polar(1, s.angle);
        paintShard(p, dir * (fly + s.length * 0.25), s.angle + 25, s.length * size, s.width * 0.8);
        if (f == 6) {
            paintShard(p, dir * (fly * 0.5), s.angle - 20, s.length * size * 0.6, s.width * 0.6);
        }
    }
}

// ---------------------------------------------------------------- 14 skull

QPainterPath skullShape() {
    QPainterPath head;
    head.addEllipse(QPointF(0, -3.5), 10.5, 9.5);
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(-6.5, 1, 13, 10.5), 3.5, 3.5);
    return head.united(jaw);
}

void drawSkull(QPainter& p, int f) {
    static constexpr double kScale[kFrames] = {0.55, 0.8, 1.0, 1.0, 1.0, 1.0, 1.0, 0.95};
    static constexpr double kBright[kFrames] = {0.55, 0.78, 1.0, 1.0, 1.0, 0.95, 0.85, 0.7};
    static constexpr double kBob[kFrames] = {2, 1, 0, -1, 0, 1, 1, 2};
    const double s = kScale[f];
    const double lit = kBright[f];
    p.save();
    p.translate(0, kBob[f]);
    p.scale(s, s);
    const QColor bone = shade(QColor(240, 232, 206), lit);
    const QColor boneDark = shade(QColor(184, 170, 136), lit);
    QRadialGradient g(QPointF(-3, -7), 18);
    g.setColorAt(0.0, bone);
    g.setColorAt(0.6, shade(QColor(222, 212, 180), lit));
    g.setColorAt(1.0, boneDark);
    fill(p, skullShape(), g);
    const QColor hole(44, 20, 36);
    QPainterPath eyes;
    eyes.addEllipse(QPointF(-4.3, -1.5), 3.3, 3.6);
    eyes.addEllipse(QPointF(4.3, -1.5), 3.3, 3.6);
    fill(p, eyes, hole);
    if (f == 3 || f == 4) {
        // a curse glows in the sockets
        fill(p, circle(QPointF(-4.3, -1.3), 1.3), QColor(255, 60, 50));
        fill(p, circle(QPointF(4.3, -1.3), 1.3), QColor(255, 60, 50));
    }
    fill(p, polygonPath({{0, 2.5}, {-1.8, 5.5}, {1.8, 5.5}}), hole);
    for (int i = -2; i <= 2; ++i) {
        stroke(p, polyline({QPointF(i * 2.2, 8), QPointF(i * 2.2, 11)}), boneDark, 0.9);
    }
    stroke(p, polyline({{-5.5, 8}, {5.5, 8}}), boneDark, 0.9);
    if (f >= 5) {
        stroke(p, polyline({{2, -13}, {3.5, -9}, {1.5, -6}}), QColor(80, 60, 50), 1.0);
    }
    if (f >= 6) {
        // it crumbles to dust: bites taken out of it, more and more
        Rng rng(0x5C011 + f);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        const int holes = f == 6 ? 40 : 120;
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int i = 0; i < holes; ++i) {
            const QPointF c(rng.range(-11, 11), rng.range(-13, 12));
            // dissolve from the top downwards
            if (f == 6 && c.y() > 2 && rng.chance(0.7)) continue;
            p.drawRect(QRectF(c.x(), c.y(), 2.2, 2.2));
        }
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    p.restore();
    if (f >= 6) {
        Rng rng(0xD057 + f);
        for (int i = 0; i < (f == 6 ? 4 : 7); ++i) {
            const QPointF c(rng.range(-14, 14), rng.range(-16, -6) - (f - 6) * 1.5);
            fill(p, circle(c, rng.range(0.9, 1.5)), QColor(214, 204, 176));
        }
    }
}

// ---------------------------------------------------------------- 15 music note

void drawNote(QPainter& p, int f) {
    const QColor col = QColor::fromHsvF(static_cast<float>((40 + 25 * f) / 360.0), 0.78f, 1.0f);
    const QColor dark = shade(col, 0.62);
    const double bob = -2.5 * std::sin(f * kPi / 4.0);
    const double tilt = 9 * std::sin(f * kPi / 4.0 + 1.0);
    const double s = f == 0 ? 0.7 : (f == 7 ? 0.75 : 1.0);
    p.save();
    p.translate(0, bob);
    p.rotate(tilt);
    p.scale(s, s);
    // stem and flag
    QPainterPath stem;
    stem.addRect(QRectF(1.2, -13, 2.4, 21));
    QPainterPath flag;
    flag.moveTo(1.2, -13);
    flag.cubicTo(4, -9, 11, -8, 9, 2);
    flag.cubicTo(8.5, -3, 5, -5, 3.6, -6.5);
    flag.closeSubpath();
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 5.4, 3.8);
    QTransform tilted;
    tilted.translate(-2.4, 8.5);
    tilted.rotate(-22);
    const QPainterPath note = stem.united(flag).united(tilted.map(head));
    QLinearGradient g(QPointF(-6, -12), QPointF(8, 12));
    g.setColorAt(0.0, shade(col, 1.35));
    g.setColorAt(0.5, col);
    g.setColorAt(1.0, dark);
    fill(p, note, g);
    QPainterPath gleam;
    gleam.addEllipse(QPointF(-3.8, 7.2), 1.6, 1.0);
    fill(p, gleam, QColor(255, 255, 255));
    p.restore();
    if (f >= 2 && f <= 5) {
        const QPointF at = (f % 2 == 0) ? QPointF(-10, -10 + bob) : QPointF(12, 8 + bob);
        fill(p, twinkle(at, 4, 1.0), shade(col, 1.55));
    }
}

// ---------------------------------------------------------------- 16 arrow

void drawArrow(QPainter& p, int f) {
    static constexpr double kShift[kFrames] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5};
    const double x = kShift[f];
    // motion streaks behind it, different each frame
    Rng rng(0xA220 + f);
    const double streaks[3] = {-3, 0, 3};
    for (int i = 0; i < 3; ++i) {
        const double end = x - 11 - (i == 1 ? 0 : rng.range(0.5, 2.5));
        const double len = rng.range(3, 7) * (f == 7 ? 0.5 : 1.0) + (f == 0 ? 0 : 1.5);
        const double start = std::max(-17.0, end - len);
        if (end - start < 1.5) continue;
        stroke(p, polyline({QPointF(start, streaks[i]), QPointF(end, streaks[i])}),
               QColor(236, 240, 248), 1.0, Qt::FlatCap);
    }
    const double flutter = (f % 2 == 0) ? 0.5 : -0.5;
    // shaft
    QPainterPath shaft;
    shaft.addRect(QRectF(x - 8.5, -1.1, 15, 2.2));
    fill(p, shaft, QColor(190, 134, 70));
    stroke(p, polyline({{x - 8.5, -0.5}, {x + 6.5, -0.5}}), QColor(234, 190, 126), 0.8,
           Qt::FlatCap);
    // feathers, swept back
    fill(p,
         polygonPath(
             {{x - 2.5, -1}, {x - 5, -4.4 + flutter}, {x - 8.5, -4.4 + flutter}, {x - 7, -1}}),
         QColor(226, 68, 54));
    fill(p,
         polygonPath({{x - 2.5, 1}, {x - 5, 4.4 - flutter}, {x - 8.5, 4.4 - flutter}, {x - 7, 1}}),
         QColor(186, 44, 38));
    // head
    fill(p, polygonPath({{x + 5.5, -4}, {x + 12.5, 0}, {x + 5.5, 4}, {x + 7, 0}}),
         QColor(120, 124, 136));
    fill(p, polygonPath({{x + 5.5, -4}, {x + 12.5, 0}, {x + 7, 0}}), QColor(214, 220, 230));
}

// ---------------------------------------------------------------- 17 muzzle flash

void drawMuzzleFlash(QPainter& p, int f) {
    static constexpr double kScale[kFrames] = {0.45, 0.9, 1.0, 0.85, 0.65, 0.45, 0.28, 0};
    const double s = kScale[f];
    const QPointF origin(-14, 0);
    if (s > 0) {
        Rng rng(0x3F1A + f);
        // a cone of fire forward with short spikes fanning out around the muzzle
        static constexpr double kAngle[] = {-105, -70, -38, 38, 70, 105};
        static constexpr double kLength[] = {8, 13, 17, 17, 13, 8};
        double len[std::size(kAngle)];
        for (size_t i = 0; i < std::size(kAngle); ++i) {
            len[i] = kLength[i] * s * (1.0 + rng.range(-0.2, 0.2));
        }
        const double reach = std::min(30.0, 29 * s * (1.0 + rng.range(-0.06, 0.06)));
        auto burst = [&](double scale) {
            QPainterPath shape;
            shape.setFillRule(Qt::WindingFill);
            shape.addPath(polygonPath(
                {origin + QPointF(-2 * scale, 0), origin + QPointF(9 * s, -7 * s * scale),
                 origin + QPointF(reach * scale, 0), origin + QPointF(9 * s, 7 * s * scale)}));
            for (size_t i = 0; i < std::size(kAngle); ++i) {
                const double a = kAngle[i];
                shape.addPath(polygonPath({origin + polar(len[i] * scale, a),
                                           origin + polar(2.6 * s * scale + 0.5, a + 90),
                                           origin + polar(2.6 * s * scale + 0.5, a - 90)}));
            }
            shape.addEllipse(origin + QPointF(3 * s, 0), 6.5 * s * scale, 5.5 * s * scale);
            return shape.simplified();
        };
        fill(p, burst(1.0), QColor(240, 96, 24));
        fill(p, burst(0.72), QColor(255, 190, 44));
        fill(p, burst(0.45), QColor(255, 252, 214));
    }
    if (f >= 5) {
        // the smoke left behind
        const double grow = (f - 4) * 1.3;
        const QPointF c = origin + QPointF(2 + grow * 2.2, -grow * 1.6);
        fill(p, circle(c, 2.5 + grow), QColor(150, 146, 142));
        fill(p, circle(c + QPointF(3 + grow, -1.5), 2 + grow * 0.7), QColor(170, 166, 160));
        fill(p, circle(c + QPointF(-0.6, -0.8), 1.4 + grow * 0.6), QColor(200, 198, 194));
    }
}

// ---------------------------------------------------------------- 18 sword slash

void drawSwordSlash(QPainter& p, int f) {
    static constexpr double kFrom[kFrames] = {0.0, 0.0, 0.02, 0.08, 0.2, 0.36, 0.52, 0.7};
    static constexpr double kTo[kFrames] = {0.35, 0.7, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    static constexpr double kWidth[kFrames] = {3.5, 5.5, 7, 6.5, 5, 3.6, 2.4, 1.6};
    const QPointF a(-15, 15);
    const QPointF b(15, -15);
    const QPointF q(-3.5, -3.5);  // bowed towards the upper left
    const std::vector<QPointF> spine = curvePoints(a, q, b, kFrom[f], kTo[f], 28);
    const double w = kWidth[f];
    auto lens = [](double wid) {
        return [wid](double u) { return wid * std::pow(std::sin(kPi * u), 0.7); };
    };
    fill(p, ribbon(spine, lens(w)), QColor(140, 200, 255));
    fill(p, ribbon(spine, lens(w * 0.5)), QColor(255, 255, 255));
    if (f >= 2 && f <= 3) {
        fill(p, twinkle(spine.back() + QPointF(-1, 1), 5, 1.2, 0), QColor(255, 255, 255));
    }
    if (f >= 5) {
        // sparkles left along the path
        static constexpr double kAlong[] = {0.3, 0.55, 0.8};
        for (int i = 0; i < 3; ++i) {
            const double u = kAlong[i] + (f - 5) * 0.04;
            const QPointF c = curvePoints(a, q, b, u, u, 1).front();
            const QPointF off = (i % 2 == 0) ? QPointF(-3.5, -3.5) : QPointF(3.5, 3.5);
            fill(p, twinkle(c + off, f == 7 ? 3.0 : 3.5, 1.0), QColor(200, 236, 255));
        }
    }
}

// ---------------------------------------------------------------- 19 heart

QPainterPath heartPath(double s) {
    QPainterPath h;
    h.moveTo(0, 12 * s);
    h.cubicTo(-6 * s, 6 * s, -14 * s, 1 * s, -14 * s, -5 * s);
    h.cubicTo(-14 * s, -11 * s, -8 * s, -14 * s, -4.5 * s, -13 * s);
    h.cubicTo(-2 * s, -12.3 * s, -0.5 * s, -10.5 * s, 0, -8.5 * s);
    h.cubicTo(0.5 * s, -10.5 * s, 2 * s, -12.3 * s, 4.5 * s, -13 * s);
    h.cubicTo(8 * s, -14 * s, 14 * s, -11 * s, 14 * s, -5 * s);
    h.cubicTo(14 * s, 1 * s, 6 * s, 6 * s, 0, 12 * s);
    h.closeSubpath();
    return h;
}

void drawHeart(QPainter& p, int f) {
    static constexpr double kScale[kFrames] = {0.55, 0.85, 1.15, 0.9, 1.12, 0.88, 0.7, 0.5};
    const double s = kScale[f];
    p.save();
    p.translate(0, 1);
    QRadialGradient g(QPointF(-5 * s, -7 * s), 22 * s);
    g.setColorAt(0.0, QColor(255, 150, 170));
    g.setColorAt(0.45, QColor(240, 60, 96));
    g.setColorAt(1.0, QColor(170, 20, 50));
    fill(p, heartPath(s), g);
    QPainterPath shine;
    shine.addEllipse(QPointF(-7 * s, -7 * s), 2.8 * s, 1.8 * s);
    fill(p, QTransform().translate(-7 * s, -7 * s).rotate(-35).translate(7 * s, 7 * s).map(shine),
         QColor(255, 236, 240));
    p.restore();
    if (f == 2 || f == 4) {
        const double d = f == 2 ? 0 : 1;
        fill(p, twinkle(QPointF(13 - d * 26, -13 + d * 2), 4.2, 1.0), QColor(255, 220, 230));
        fill(p, twinkle(QPointF(-12 + d * 25, 12), 3.2, 0.9), QColor(255, 220, 230));
    }
}

// ---------------------------------------------------------------- 20 smoke

void drawSmoke(QPainter& p, int f) {
    struct Puff {
        double x, y, r;
    };
    static constexpr Puff kPuffs[] = {
        {0, 0, 6},    {-6, 2, 4.5},  {6, 2.5, 4.8}, {-3, -5, 4.6},
        {4, -5, 4.2}, {-9, -3, 3.2}, {9, -2, 3.4},
    };
    static constexpr double kSpread[kFrames] = {0.4, 0.65, 0.85, 1.0, 1.12, 1.22, 1.32, 1.4};
    static constexpr double kSize[kFrames] = {0.55, 0.8, 0.95, 1.0, 0.9, 0.75, 0.55, 0.4};
    static constexpr double kGrey[kFrames] = {1.0, 1.0, 1.0, 0.97, 0.92, 0.86, 0.8, 0.74};
    const double rise = -f * 0.9 + 2;
    const QColor dark = shade(QColor(146, 146, 156), kGrey[f]);
    const QColor light = shade(QColor(214, 214, 220), kGrey[f]);
    const QColor top = shade(QColor(240, 240, 244), kGrey[f]);
    size_t i = 0;
    for (const Puff& pf : kPuffs) {
        ++i;
        // the puff thins out into separate wisps: small ones vanish first
        if (f >= 5 && (i % 2 == 0)) continue;
        const QPointF c(pf.x * kSpread[f] * 1.15, pf.y * kSpread[f] * 1.15 + rise);
        fill(p, circle(c, pf.r * kSize[f]), dark);
    }
    i = 0;
    for (const Puff& pf : kPuffs) {
        ++i;
        if (f >= 5 && (i % 2 == 0)) continue;
        const QPointF c(pf.x * kSpread[f] * 1.15, pf.y * kSpread[f] * 1.15 + rise);
        const double r = pf.r * kSize[f];
        fill(p, circle(c + QPointF(-r * 0.2, -r * 0.25), r * 0.78), light);
        fill(p, circle(c + QPointF(-r * 0.35, -r * 0.45), r * 0.35), top);
    }
}

// ---------------------------------------------------------------- 21 rainbow star

void drawRainbowStar(QPainter& p, int f) {
    static constexpr double kHue[kFrames] = {0, 30, 54, 110, 180, 212, 262, 340};
    static constexpr double kSize[kFrames] = {10, 14, 16, 13.5, 16, 14, 12, 9};
    const double r = kSize[f];
    const double turn = (f % 2 == 0 ? -6.0 : 6.0);
    const QColor col = QColor::fromHsvF(static_cast<float>(kHue[f] / 360.0), 0.82f, 1.0f);
    const QColor next =
        QColor::fromHsvF(static_cast<float>(std::fmod(kHue[f] + 40, 360.0) / 360.0), 0.7f, 1.0f);
    const QPointF c(0, 1);
    QLinearGradient g(c + QPointF(-r, -r), c + QPointF(r, r));
    g.setColorAt(0.0, shade(next, 1.25));
    g.setColorAt(1.0, shade(col, 0.8));
    fill(p, starPath(c, r, r * 0.45, 5, turn), g);
    fill(p, starPath(c + QPointF(-0.5, -0.5), r * 0.52, r * 0.24, 5, turn), shade(col, 1.45));
    fill(p, circle(c + QPointF(-r * 0.12, -r * 0.16), r * 0.11), QColor(255, 255, 255));
    // glints take turns around the star
    const QPointF spots[] = {{-12, -12}, {13, -9}, {11, 13}, {-13, 10}};
    fill(p, twinkle(spots[f % 4], f % 2 ? 3.5 : 4.5, 1.0), QColor(255, 255, 236));
}

// ---------------------------------------------------------------- 22 crack

struct CrackLine {
    std::vector<QPointF> pts;
};

std::vector<CrackLine> crackNetwork() {
    Rng rng(0xC2AC);
    std::vector<CrackLine> lines;
    const int arms = 7;
    for (int i = 0; i < arms; ++i) {
        const double a = i * 360.0 / arms + rng.range(-14, 14);
        CrackLine line;
        line.pts.push_back(QPointF(0, 0));
        double dist = 0;
        double ang = a;
        while (dist < 16.5) {
            dist += rng.range(3.5, 5.5);
            ang += rng.range(-24, 24);
            line.pts.push_back(polar(std::min(dist, 16.5), a) +
                               polar(1.6, ang + 90) * rng.range(-1, 1));
        }
        lines.push_back(line);
        // a side branch off the second joint
        if (line.pts.size() > 3 && i % 2 == 0) {
            CrackLine branch;
            const QPointF from = line.pts[2];
            branch.pts.push_back(from);
            const double ba = a + (rng.chance(0.5) ? 38 : -38);
            branch.pts.push_back(from + polar(4, ba));
            branch.pts.push_back(from + polar(7.5, ba + rng.range(-12, 12)));
            lines.push_back(branch);
        }
    }
    return lines;
}

void drawCrack(QPainter& p, int f) {
    static constexpr double kReach[kFrames] = {5, 10, 14, 17, 17, 17, 17, 17};
    static constexpr double kWidth[kFrames] = {3.0, 3.4, 3.6, 3.6, 3.2, 2.8, 2.4, 2.0};
    const std::vector<CrackLine> lines = crackNetwork();
    const double reach = kReach[f];
    const double w = kWidth[f];
    // a crack is widest at the point of impact and runs out to a hairline
    auto widthAt = [&](QPointF pt) {
        const double d = std::hypot(pt.x(), pt.y());
        return std::max(0.9, w * (1.0 - d / 20.0));
    };
    auto segment = [&](QPointF a, QPointF b) {
        const double wa = widthAt(a);
        const double wb = widthAt(b);
        fill(p, ribbon({a, b}, [&](double u) { return wa + (wb - wa) * u; }), QColor(255, 204, 44));
        fill(p, ribbon({a, b}, [&](double u) { return 0.45 * (wa + (wb - wa) * u); }),
             QColor(255, 255, 236));
    };
    size_t index = 0;
    for (const CrackLine& line : lines) {
        std::vector<QPointF> kept;
        for (size_t i = 0; i + 1 < line.pts.size(); ++i, ++index) {
            const QPointF a = line.pts[i];
            QPointF b = line.pts[i + 1];
            const double da = std::hypot(a.x(), a.y());
            const double db = std::hypot(b.x(), b.y());
            if (da >= reach) continue;
            if (db > reach) b = a + (b - a) * ((reach - da) / (db - da));
            if (f == 5 && index % 3 == 1) continue;
            if (f >= 6) {
                // shards: only some pieces are left, pushed outwards and shortened
                if (index % 2 == (f == 6 ? 0u : 1u) || (f == 7 && index % 3 == 0)) continue;
                const QPointF mid = (a + b) * 0.5;
                const double dm = std::max(1.0, std::hypot(mid.x(), mid.y()));
                const QPointF shift = mid / dm * (f == 6 ? 1.5 : 3.0);
                const double keep = f == 6 ? 0.75 : 0.5;
                segment(mid + (a - mid) * keep + shift, mid + (b - mid) * keep + shift);
                continue;
            }
            segment(a, b);
            // round the joint so the line does not look chipped
            if (i + 2 < line.pts.size() && db < reach)
                fill(p, circle(b, widthAt(b) * 0.5), QColor(255, 204, 44));
        }
    }
    // second pass: white cores over the joints
    if (f <= 5) {
        for (const CrackLine& line : lines) {
            for (size_t i = 1; i + 1 < line.pts.size(); ++i) {
                const QPointF b = line.pts[i];
                if (std::hypot(b.x(), b.y()) < reach)
                    fill(p, circle(b, widthAt(b) * 0.22), QColor(255, 255, 236));
            }
        }
    }
    if (f <= 4) {
        static constexpr double kCore[kFrames] = {5, 6.5, 6, 4.5, 3, 0, 0, 0};
        fill(p, starPath(QPointF(0, 0), kCore[f], kCore[f] * 0.45, 6, f * 12.0),
             QColor(255, 240, 140));
        fill(p, circle(QPointF(0, 0), kCore[f] * 0.38), QColor(255, 255, 255));
    }
}

// ---------------------------------------------------------------- 23 gold glint

void drawGoldGlint(QPainter& p, int f) {
    const double spin = std::cos(f * kPi / 4.0);
    const double wide = std::max(0.16, std::abs(spin));
    const double r = f == 0 ? 7 : 9;
    const QPointF c(-1, 1.5);
    p.save();
    p.translate(c);
    p.scale(wide, 1.0);
    QLinearGradient g(QPointF(-r, -r), QPointF(r, r));
    g.setColorAt(0.0, QColor(255, 236, 130));
    g.setColorAt(0.5, QColor(240, 182, 40));
    g.setColorAt(1.0, QColor(176, 110, 18));
    fill(p, circle(QPointF(0, 0), r), g);
    fill(p, circle(QPointF(0, 0), r * 0.72), QColor(250, 204, 62));
    if (wide > 0.45) {
        fill(p, starPath(QPointF(0, 0), r * 0.45, r * 0.2, 5, 0), QColor(200, 132, 22));
    }
    p.restore();
    // the edge of the coin shows while it is side-on
    if (wide < 0.5) {
        QPainterPath edge;
        edge.addRect(QRectF(c.x() - 1.2, c.y() - r, 2.4, 2 * r));
        fill(p, edge, QColor(214, 150, 30));
    }
    static constexpr double kGlint[kFrames] = {0, 4, 9, 6, 0, 3.5, 7.5, 3};
    if (kGlint[f] > 0) {
        const QPointF at = f <= 3 ? QPointF(8, -9) : QPointF(-9, -7);
        fill(p, twinkle(at, kGlint[f], kGlint[f] * 0.2), QColor(255, 226, 90));
        fill(p, twinkle(at, kGlint[f] * 0.6, kGlint[f] * 0.12), QColor(255, 255, 240));
    }
}

// ---------------------------------------------------------------- the sheet

using FramePainter = void (*)(QPainter&, int);

struct EffectKind {
    FramePainter paint;
    QColor line;  // the colour the outline is mixed towards
};

const std::array<EffectKind, kKinds>& effectKinds() {
    static const std::array<EffectKind, kKinds> kinds = {{
        {drawFlame, QColor(80, 16, 8)},       {drawSplash, QColor(10, 30, 80)},
        {drawFlare, QColor(90, 60, 10)},      {drawDarkOrb, QColor(24, 6, 36)},
        {drawWindSlash, QColor(14, 50, 70)},  {drawHealSparkle, QColor(10, 60, 20)},
        {drawHitSpark, QColor(90, 40, 6)},    {drawShield, QColor(8, 30, 80)},
        {drawPoison, QColor(36, 12, 50)},     {drawLightning, QColor(80, 50, 10)},
        {drawRock, QColor(40, 28, 20)},       {drawLeaf, QColor(14, 50, 16)},
        {drawBat, QColor(20, 8, 28)},         {drawIce, QColor(16, 44, 90)},
        {drawSkull, QColor(40, 26, 30)},      {drawNote, QColor(28, 24, 50)},
        {drawArrow, QColor(40, 28, 24)},      {drawMuzzleFlash, QColor(90, 30, 6)},
        {drawSwordSlash, QColor(16, 36, 80)}, {drawHeart, QColor(80, 10, 30)},
        {drawSmoke, QColor(40, 40, 48)},      {drawRainbowStar, QColor(40, 30, 50)},
        {drawCrack, QColor(80, 50, 10)},      {drawGoldGlint, QColor(80, 48, 8)},
    }};
    return kinds;
}

// Colours close to the key would look like holes (or pink smears) on some screens.
QRgb awayFromKey(QRgb c) {
    const int r = qRed(c);
    const int g = qGreen(c);
    const int b = qBlue(c);
    if (std::max({255 - r, g, 255 - b}) > 64) return c;
    return qRgb(std::max(0, r - 80), std::min(255, g + 40), std::max(0, b - 40));
}

QImage paintFrame(const EffectKind& kind, int frame) {
    QImage layer = newLayer(kCell, kCell);
    QPainter p;
    beginPainter(p, layer);
    p.translate(kCell / 2.0, kCell / 2.0);
    kind.paint(p, frame);
    p.end();
    // nothing may reach the cell's border, outline included
    QPainter clear(&layer);
    clear.setCompositionMode(QPainter::CompositionMode_Clear);
    clear.fillRect(QRect(0, 0, kCell, 2), Qt::black);
    clear.fillRect(QRect(0, kCell - 2, kCell, 2), Qt::black);
    clear.fillRect(QRect(0, 0, 2, kCell), Qt::black);
    clear.fillRect(QRect(kCell - 2, 0, 2, kCell), Qt::black);
    clear.end();
    QImage cell = keyedSprite(layer, Edge::Shaded, kind.line);
    for (int y = 0; y < kCell; ++y) {
        auto* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < kCell; ++x) {
            const bool border = x == 0 || y == 0 || x == kCell - 1 || y == kCell - 1;
            if (border) {
                row[x] = kKeyColour;
            } else if ((row[x] | 0xFF000000u) != kKeyColour) {
                row[x] = awayFromKey(row[x]);
            }
        }
    }
    return cell;
}

}  // namespace

QImage drawEffectSheet() {
    QImage sheet = newOpaque(kColumns * kCell, 12 * kCell, QColor::fromRgb(kKeyColour));
    QPainter p(&sheet);
    const auto& kinds = effectKinds();
    for (int k = 0; k < kKinds; ++k) {
        for (int f = 0; f < kFrames; ++f) {
            const int x = ((k % 2) * kFrames + f) * kCell;
            const int y = (k / 2) * kCell;
            p.drawImage(x, y, paintFrame(kinds[static_cast<size_t>(k)], f));
        }
    }
    p.end();
    sheet.setPixel(0, sheet.height() - 1, kKeyColour);
    return sheet;
}

}  // namespace quill::assetgen
