// The adventurer's head: hair, face, the marks of each people (horns, animal ears, the KRVO
// hood and goggles, the porcelain masks) and the long hair that falls behind the body.
#include "adventurer.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace quill::assetgen::adventurer {

namespace {

struct CapStyle {
    int spikes;
    double spikeLen;  // relative to the head radius
    double sweepDeg;  // spike tips lean towards the back of the head
    int locks;
    double lockDepth;  // how far the fringe comes down over the forehead
    double sideLock;   // length of the lock in front of the ear
};

CapStyle capFor(HairCut cut) {
    switch (cut) {
        case HairCut::Spiky:
            return {7, 0.34, 14, 5, 8, 16};
        case HairCut::Ponytail:
            return {5, 0.05, 0, 6, 7, 34};
        case HairCut::Hooded:
            return {0, 0, 0, 5, 6, 10};
        case HairCut::HoodedLocks:
            return {0, 0, 0, 6, 7, 30};
        case HairCut::SweptBack:
            return {7, 0.4, 24, 3, 0, 12};
        case HairCut::Wavy:
            return {4, 0.06, 0, 5, 8, 40};
        case HairCut::Shaggy:
            return {9, 0.26, 8, 6, 9, 22};
        case HairCut::Fluffy:
            return {6, 0.1, 0, 6, 8, 32};
        case HairCut::Topknot:
            return {5, 0.14, 20, 4, 5, 12};
        case HairCut::Flowing:
            return {0, 0, 0, 7, 6, 44};
    }
    return {};
}

QLinearGradient hairShade(const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, shade(c, 1.3));
    g.setColorAt(0.45, c);
    g.setColorAt(1.0, shade(c, 0.62));
    return g;
}

QPainterPath hairCap(QPointF h, const CapStyle& s) {
    const QPointF c = h + QPointF(3, -5);
    const double rx = 38, ry = 39;
    QPainterPath path;
    const double a0 = 160 * M_PI / 180, a1 = 380 * M_PI / 180;
    const int n = std::max(1, s.spikes) * 2;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        double a = a0 + (a1 - a0) * t;
        double k = 1.0;
        if (s.spikes > 0 && i % 2 == 1) {
            k = 1.0 + s.spikeLen;
            a += s.sweepDeg * M_PI / 180;
        }
        const QPointF pt = c + QPointF(rx * k * std::cos(a), ry * k * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else if (s.spikes > 0)
            path.lineTo(pt);
        else
            path.quadTo(c + QPointF(rx * 1.08 * std::cos(a - (a1 - a0) / n / 2),
                                    ry * 1.08 * std::sin(a - (a1 - a0) / n / 2)),
                        pt);
    }
    // back down to the fringe
    const double right = h.x() + 33, left = h.x() - 33;
    path.lineTo(h + QPointF(34, 16));
    path.lineTo(right, h.y() + 2);
    for (int i = 0; i < s.locks; ++i) {
        const double x0 = right - (right - left) * i / s.locks;
        const double x1 = right - (right - left) * (i + 1) / s.locks;
        const double tipX = x0 + (x1 - x0) * 0.65;
        const double depth = s.lockDepth + (i == s.locks / 2 ? 2 : 0);
        path.quadTo(QPointF(x0 + (x1 - x0) * 0.3, h.y() - 4), QPointF(tipX, h.y() + depth));
        path.quadTo(QPointF(tipX + 2, h.y() - 6), QPointF(x1, h.y() - 10 + (i % 2) * 3));
    }
    // lock in front of the left cheek
    path.quadTo(h + QPointF(-30, 4), h + QPointF(-28, 6 + s.sideLock));
    path.quadTo(h + QPointF(-38, 4 + s.sideLock * 0.5), h + QPointF(-36, 6));
    path.closeSubpath();
    return path;
}

void eye(QPainter& p, QPointF c, double rx, double ry, const QColor& iris, bool female, bool slit,
         int outer) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c, rx, ry);
    QLinearGradient g(QPointF(0, c.y() - ry), QPointF(0, c.y() + ry));
    g.setColorAt(0.0, shade(iris, 0.35));
    g.setColorAt(0.5, shade(iris, 0.85));
    g.setColorAt(1.0, shade(iris, 1.35));
    p.setBrush(g);
    const QPointF ic = c + QPointF(-rx * 0.14, ry * 0.1);
    p.drawEllipse(ic, rx * 0.76, ry * 0.84);
    p.setBrush(QColor(18, 12, 26));
    if (slit)
        p.drawEllipse(ic, rx * 0.16, ry * 0.62);
    else
        p.drawEllipse(ic + QPointF(0, ry * 0.05), rx * 0.36, ry * 0.44);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(ic + QPointF(-rx * 0.3, -ry * 0.34), rx * 0.3, ry * 0.24);
    p.drawEllipse(ic + QPointF(rx * 0.32, ry * 0.42), rx * 0.13, ry * 0.11);
    // upper lid line, heavier on the outer corner
    QPainterPath lid(c + QPointF(-rx - 1, -ry * 0.05));
    lid.quadTo(c + QPointF(0, -ry * 1.42), c + QPointF(rx + 1, -ry * 0.05));
    strokeLine(p, lid, kInk, female ? 2.6 : 2.3);
    if (female) {
        QPainterPath lash(c + QPointF(outer * rx * 0.9, -ry * 0.35));
        lash.lineTo(c + QPointF(outer * (rx + 4), -ry * 0.7));
        strokeLine(p, lash, kInk, 2.0);
    }
    QPainterPath lower(c + QPointF(-rx * 0.5, ry * 1.02));
    lower.quadTo(c + QPointF(0, ry * 1.14), c + QPointF(rx * 0.5, ry * 1.02));
    strokeLine(p, lower, QColor(150, 90, 90), 1.0);
}

QPainterPath facePath(QPointF h) {
    QPainterPath f;
    f.moveTo(h + QPointF(-32, -6));
    f.cubicTo(h + QPointF(-34, 16), h + QPointF(-22, 36), h + QPointF(-8, 40));
    f.cubicTo(h + QPointF(4, 42), h + QPointF(18, 36), h + QPointF(25, 26));
    f.cubicTo(h + QPointF(31, 16), h + QPointF(33, 8), h + QPointF(33, -4));
    f.cubicTo(h + QPointF(34, -44), h + QPointF(-32, -46), h + QPointF(-32, -6));
    f.closeSubpath();
    return f;
}

void face(QPainter& p, const Look& look) {
    const Form& f = look.form;
    const Palette& pal = f.pal;
    const QPointF h = look.body.head;
    const QPainterPath fp = facePath(h);
    QRadialGradient fg(h + QPointF(-10, 4), 46);
    fg.setColorAt(0.0, shade(pal.skin, 1.08));
    fg.setColorAt(0.65, pal.skin);
    fg.setColorAt(1.0, shade(pal.skin, 0.8));
    ink(p, fp, fg, 1.8);
    if (f.race == Race::Masked) return;

    const bool slit = f.race == Race::Demon;
    const double ry = f.female ? 9.0 : 7.8;
    eye(p, h + QPointF(-17, 18), f.female ? 5.6 : 5.0, ry, pal.eyes, f.female, slit, -1);
    eye(p, h + QPointF(8, 18), f.female ? 7.4 : 6.6, ry + 0.3, pal.eyes, f.female, slit, 1);
    // brows peeking under the fringe
    const QColor brow = shade(pal.hair, 0.55);
    p.setPen(QPen(brow, 2.0, Qt::SolidLine, Qt::RoundCap));
    if (!f.female) {
        p.drawLine(h + QPointF(-22, 6), h + QPointF(-12, 7.5));
        p.drawLine(h + QPointF(2, 7.5), h + QPointF(15, 5.5));
    }
    // nose and mouth
    p.setPen(QPen(shade(pal.skin, 0.62), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(h + QPointF(-7, 26), h + QPointF(-9, 29));
    QPainterPath mouth;
    if (f.female) {
        mouth.moveTo(h + QPointF(-10, 33));
        mouth.quadTo(h + QPointF(-6, 37), h + QPointF(-2, 33));
    } else {
        mouth.moveTo(h + QPointF(-11, 34));
        mouth.quadTo(h + QPointF(-6, 35.5), h + QPointF(0, 33.5));
    }
    strokeLine(p, mouth, QColor(120, 48, 56), 1.6);
    if (f.race == Race::Beast || (f.race == Race::Demon && !f.female)) {
        QPainterPath fang = polygonPath(
            {{h + QPointF(-4.5, 33.8)}, {h + QPointF(-1.5, 33.4)}, {h + QPointF(-3.2, 37.5)}});
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(255, 255, 255));
        p.drawPath(fang);
    }
    // cheeks
    p.setPen(Qt::NoPen);
    QColor blush = f.race == Race::Demon ? QColor(230, 110, 150, 110) : QColor(255, 130, 130, 100);
    p.setBrush(blush);
    p.drawEllipse(h + QPointF(-21, 29), 4.5, 2.4);
    p.drawEllipse(h + QPointF(13, 29), 5.5, 2.6);
}

void mask(QPainter& p, const Look& look) {
    const Form& f = look.form;
    const Palette& pal = f.pal;
    const QPointF h = look.body.head;
    QPainterPath m;
    if (f.female) {
        m.moveTo(h + QPointF(-32, -8));
        m.cubicTo(h + QPointF(-34, 16), h + QPointF(-22, 38), h + QPointF(-6, 41));
        m.cubicTo(h + QPointF(8, 42), h + QPointF(24, 34), h + QPointF(30, 18));
        m.cubicTo(h + QPointF(34, 6), h + QPointF(34, -10), h + QPointF(32, -16));
        m.quadTo(h + QPointF(0, -26), h + QPointF(-32, -8));
    } else {
        m.moveTo(h + QPointF(-33, -10));
        m.lineTo(h + QPointF(-32, 18));
        m.lineTo(h + QPointF(-10, 42));
        m.lineTo(h + QPointF(4, 42));
        m.lineTo(h + QPointF(28, 24));
        m.lineTo(h + QPointF(34, -12));
        m.quadTo(h + QPointF(0, -24), h + QPointF(-33, -10));
    }
    m.closeSubpath();
    QLinearGradient g(h + QPointF(-30, -10), h + QPointF(30, 40));
    g.setColorAt(0.0, QColor(255, 254, 250));
    g.setColorAt(0.55, QColor(238, 234, 228));
    g.setColorAt(1.0, QColor(186, 180, 196));
    ink(p, m, g, 1.8);
    // a ridge down the middle of the mask
    p.setPen(QPen(QColor(200, 194, 204), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(h + QPointF(-4, -12), h + QPointF(-5, 38));
    const bool glow = look.band >= 5;
    const QColor holeLight = glow ? pal.glow : shade(pal.eyes, 0.8);
    if (f.female) {
        // closed, smiling eye slits, tear marks and a gold crescent
        for (int side : {-1, 1}) {
            const QPointF c = h + QPointF(side < 0 ? -17 : 9, 16);
            const double w = side < 0 ? 6 : 8;
            QPainterPath slitPath(c + QPointF(-w, 1));
            slitPath.quadTo(c + QPointF(0, -7), c + QPointF(w, 1));
            slitPath.quadTo(c + QPointF(0, -3), c + QPointF(-w, 1));
            ink(p, slitPath, QColor(30, 20, 40), 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(holeLight);
            p.drawEllipse(c + QPointF(0, -2.5), 1.6, 1.2);
            QPainterPath tear;
            tear.moveTo(c + QPointF(side * 2, 6));
            tear.quadTo(c + QPointF(side * 2 + 3, 12), c + QPointF(side * 2, 13));
            tear.quadTo(c + QPointF(side * 2 - 3, 12), c + QPointF(side * 2, 6));
            ink(p, tear, QColor(pal.cloth2), 0.9);
        }
        const QPainterPath moon = QPainterPath([&] {
                                      QPainterPath a;
                                      a.addEllipse(h + QPointF(-4, 0), 6, 6);
                                      return a;
                                  }())
                                      .subtracted([&] {
                                          QPainterPath b;
                                          b.addEllipse(h + QPointF(-1.5, -2), 5, 5);
                                          return b;
                                      }());
        ink(p, moon, QColor(pal.trim), 0.9);
        QPainterPath lips(h + QPointF(-9, 33));
        lips.quadTo(h + QPointF(-5, 36), h + QPointF(-1, 33));
        lips.quadTo(h + QPointF(-5, 34), h + QPointF(-9, 33));
        ink(p, lips, QColor(206, 60, 90), 1.2);
    } else {
        // stern slanted eye holes and red war stripes
        for (int side : {-1, 1}) {
            const QPointF c = h + QPointF(side < 0 ? -17 : 9, 15);
            const double w = side < 0 ? 6.5 : 8.5;
            QPainterPath hole = polygonPath({{c + QPointF(-w, side < 0 ? -4 : 2)},
                                             {c + QPointF(w, side < 0 ? 2 : -4)},
                                             {c + QPointF(w * 0.4, 4)},
                                             {c + QPointF(-w * 0.4, 4)}});
            ink(p, hole, QColor(24, 16, 28), 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(holeLight);
            p.drawEllipse(c + QPointF(0, 1.4), 1.8, 1.6);
            for (int k = 0; k < 2; ++k) {
                QPainterPath stripe;
                const QPointF s0 = c + QPointF(-3 + k * 5, 8);
                stripe.moveTo(s0);
                stripe.lineTo(s0 + QPointF(3, 0));
                stripe.lineTo(s0 + QPointF(0.5, 12));
                stripe.closeSubpath();
                p.setBrush(pal.accent);
                p.drawPath(stripe);
            }
        }
        p.setPen(QPen(pal.accent, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(h + QPointF(-5, -6), h + QPointF(-5, 4));
        p.setPen(QPen(shade(pal.accent, 0.7), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(h + QPointF(-12, 33), h + QPointF(0, 33));
    }
    // cord that ties the mask, ending in a tassel by the ear
    QPainterPath cord(h + QPointF(31, 4));
    cord.cubicTo(h + QPointF(40, 10), h + QPointF(42, 28), h + QPointF(40, 44));
    strokeLine(p, cord, kInk, 3.6);
    strokeLine(p, cord, pal.accent, 2.0);
    QPainterPath tassel =
        polygonPath({{h + QPointF(40, 42)}, {h + QPointF(35, 58)}, {h + QPointF(45, 58)}});
    ink(p, tassel, look.band >= 4 ? QColor(pal.trim) : QColor(pal.accent), 1.1);
}

void animalEars(QPainter& p, const Look& look) {
    const Form& f = look.form;
    const Palette& pal = f.pal;
    const QPointF h = look.body.head;
    const bool fox = f.female;
    QPainterPath scalp;
    scalp.addEllipse(h + QPointF(3, -3), 30, 33);
    for (int side : {1, -1}) {
        const QPointF base = h + QPointF(side < 0 ? -20 : 18, side < 0 ? -24 : -28);
        const double w = fox ? 16 : 13;
        const QPointF tip = base + QPointF(side * (fox ? 12 : 9), fox ? -42 : -40);
        QPainterPath ear;
        ear.moveTo(base + QPointF(-w, 6));
        ear.quadTo(base + QPointF(-w * 0.9 + side * 2, -14), tip);
        ear.quadTo(base + QPointF(w * 0.9 + side * 2, -14), base + QPointF(w, 6));
        ear.closeSubpath();
        ear = ear.subtracted(scalp);
        ink(p, ear, hairShade(ear.boundingRect(), pal.hair), 1.7);
        QPainterPath inner;
        inner.moveTo(base + QPointF(-w * 0.5, 4));
        inner.quadTo(base + QPointF(-w * 0.45 + side * 2, -10), tip + QPointF(-side * 1.5, 9));
        inner.quadTo(base + QPointF(w * 0.45 + side * 2, -10), base + QPointF(w * 0.5, 4));
        inner.closeSubpath();
        inner = inner.subtracted(scalp);
        p.setPen(Qt::NoPen);
        p.setBrush(fox ? QColor(255, 236, 222) : QColor(236, 214, 214));
        p.drawPath(inner);
        if (fox) {
            QPainterPath tipDark;
            tipDark.addEllipse(tip + QPointF(-side * 0.5, 4), 6, 8);
            p.setBrush(QColor(70, 40, 36));
            p.drawPath(tipDark.intersected(ear));
        }
    }
}

void horns(QPainter& p, const Look& look) {
    const Form& f = look.form;
    const QPointF h = look.body.head;
    const QColor dark(70, 54, 74);
    const QColor light(214, 200, 186);
    struct Horn {
        QPointF a, b, c, d;
        double w;
    };
    std::vector<Horn> hs;
    if (f.female) {
        hs.push_back({h + QPointF(16, -34), h + QPointF(20, -48), h + QPointF(32, -56),
                      h + QPointF(44, -52), 9});
        hs.push_back({h + QPointF(-10, -34), h + QPointF(-14, -50), h + QPointF(-2, -62),
                      h + QPointF(12, -60), 9});
    } else {
        hs.push_back({h + QPointF(14, -32), h + QPointF(32, -40), h + QPointF(46, -50),
                      h + QPointF(40, -64), 13});
        hs.push_back({h + QPointF(-16, -30), h + QPointF(-38, -32), h + QPointF(-48, -48),
                      h + QPointF(-38, -62), 13});
    }
    for (const Horn& hn : hs) {
        const QPainterPath path = taper(hn.a, hn.b, hn.c, hn.d, hn.w, 0.6);
        QLinearGradient g(hn.a, hn.d);
        g.setColorAt(0, dark);
        g.setColorAt(0.55, mixColour(dark, light, 0.45));
        g.setColorAt(1, light);
        ink(p, path, g, 1.6);
        for (double t : {0.22, 0.42}) {
            const QPointF c = bezierAt(hn.a, hn.b, hn.c, hn.d, t);
            const QPointF dv = bezierAt(hn.a, hn.b, hn.c, hn.d, t + 0.03) - c;
            const double l = std::hypot(dv.x(), dv.y());
            const QPointF n(-dv.y() / l, dv.x() / l);
            const double w = 0.5 * (hn.w + (0.6 - hn.w) * t);
            QPainterPath ring(c + n * w);
            ring.lineTo(c - n * w);
            strokeLine(p, ring, look.band >= 5 ? QColor(f.pal.trim) : shade(dark, 0.7),
                       look.band >= 5 ? 2.6 : 1.3);
        }
    }
}

void krvoHood(QPainter& p, const Look& look, bool front) {
    const Form& f = look.form;
    const Palette& pal = f.pal;
    const Body& b = look.body;
    const QPointF h = b.head;
    if (!front) {
        QPainterPath hood;
        hood.moveTo(h + QPointF(-34, 30));
        hood.cubicTo(h + QPointF(-50, 0), h + QPointF(-44, -48), h + QPointF(2, -49));
        hood.cubicTo(h + QPointF(28, -49), h + QPointF(46, -38), h + QPointF(54, -26));
        hood.cubicTo(h + QPointF(54, 0), h + QPointF(52, 30), h + QPointF(46, 52));
        hood.lineTo(b.cx + 26, b.shoulderY + 6);
        hood.quadTo(b.cx - 4, b.shoulderY + 24, b.cx - 30, b.shoulderY + 2);
        hood.cubicTo(h + QPointF(-36, 54), h + QPointF(-36, 44), h + QPointF(-34, 30));
        hood.closeSubpath();
        ink(p, hood, hairShade(hood.boundingRect(), pal.cloth), 1.8);
        // inside of the hood, in shadow
        QPainterPath inside;
        inside.addEllipse(h + QPointF(0, 0), 38, 42);
        p.setPen(Qt::NoPen);
        p.setBrush(shade(pal.cape, 0.55));
        p.drawPath(inside.intersected(hood));
        p.setPen(QPen(shade(pal.cloth, 0.55), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath fold(h + QPointF(44, 20));
        fold.quadTo(h + QPointF(40, 44), QPointF(b.cx + 10, b.shoulderY + 10));
        p.drawPath(fold);
        return;
    }
    // the rim framing the face, with the goggles pushed up on it
    QPainterPath rim;
    const QPointF c = h + QPointF(1, 2);
    const double rx = 37, ry = 42;
    for (int i = 0; i <= 24; ++i) {
        const double a = (150 + 240.0 * i / 24) * M_PI / 180;
        const QPointF pt = c + QPointF(rx * std::cos(a), ry * std::sin(a));
        if (i == 0)
            rim.moveTo(pt);
        else
            rim.lineTo(pt);
    }
    strokeLine(p, rim, kInk, 10.5);
    strokeLine(p, rim, shade(pal.cloth, 1.25), 8);
    strokeLine(p, rim.translated(0, 2), pal.trim, 1.8);
    // goggles
    QPainterPath strap;
    strap.moveTo(h + QPointF(-34, -14));
    strap.quadTo(h + QPointF(0, -40), h + QPointF(36, -18));
    strokeLine(p, strap, kInk, 5.5);
    strokeLine(p, strap, pal.leather, 3.6);
    for (int side : {-1, 1}) {
        const QPointF g = h + QPointF(side < 0 ? -15 : 11, side < 0 ? -27 : -29);
        const double r = side < 0 ? 8 : 9;
        QPainterPath rimG;
        rimG.addEllipse(g, r + 2.5, r + 2);
        ink(p, rimG, shiny(rimG.boundingRect(), pal.metal), 1.4);
        QPainterPath lens;
        lens.addEllipse(g, r - 0.5, r - 1);
        QRadialGradient lg(g - QPointF(r * 0.4, r * 0.4), r * 1.6);
        lg.setColorAt(0, QColor(230, 255, 255));
        lg.setColorAt(0.35, look.band >= 5 ? pal.glow : pal.accent);
        lg.setColorAt(1, QColor(20, 60, 90));
        ink(p, lens, lg, 1.0);
    }
}

void longBack(QPainter& p, const Look& look, double length, double spread) {
    const Body& b = look.body;
    const QPointF h = b.head;
    const QColor hair = look.form.pal.hair;
    const double left = b.cx - b.shoulderHalf - spread;
    const double right = b.cx + b.shoulderHalf + spread + 8;
    QPainterPath back;
    back.moveTo(h + QPointF(-32, -12));
    back.cubicTo(h + QPointF(-48, 40), QPointF(left, length - 90), QPointF(left, length));
    const int waves = 5;
    for (int i = 0; i < waves; ++i) {
        const double x0 = left + (right - left) * i / waves;
        const double x1 = left + (right - left) * (i + 1) / waves;
        const double y0 = length - 14.0 * i / waves;
        const double y1 = length - 14.0 * (i + 1) / waves;
        back.quadTo((x0 + x1) / 2, (y0 + y1) / 2 + 12, x1, y1);
    }
    back.cubicTo(right + 6, length - 100, h.x() + 58, h.y() + 40, h.x() + 40, h.y() - 12);
    back.quadTo(h.x() + 4, h.y() - 56, h.x() - 32, h.y() - 12);
    back.closeSubpath();
    ink(p, back, hairShade(back.boundingRect(), shade(hair, 0.88)), 1.8);
    p.setPen(QPen(shade(hair, 0.6), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double t : {0.12, 0.88}) {
        const double x = left + (right - left) * t;
        QPainterPath strand(QPointF(x + (t < 0.5 ? 10 : -8), b.shoulderY));
        strand.quadTo(x, (b.shoulderY + length) / 2, x + (t < 0.5 ? 2 : 4), length - 14);
        p.drawPath(strand);
    }
}

}  // namespace

void drawBackHair(QPainter& p, const Look& look) {
    const Form& f = look.form;
    const QPointF h = look.body.head;
    const QColor hair = f.pal.hair;
    switch (f.hair) {
        case HairCut::Ponytail: {
            const QPainterPath tail = taper(h + QPointF(28, -26), h + QPointF(76, -30),
                                            h + QPointF(62, 70), h + QPointF(74, 150), 22, 3);
            ink(p, tail, hairShade(tail.boundingRect(), hair), 1.7);
            p.setPen(QPen(shade(hair, 0.65), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath strand(h + QPointF(52, -10));
            strand.cubicTo(h + QPointF(62, 20), h + QPointF(60, 70), h + QPointF(68, 120));
            p.drawPath(strand);
            break;
        }
        case HairCut::Wavy:
            longBack(p, look, 246, 12);
            break;
        case HairCut::Fluffy:
            longBack(p, look, 212, 8);
            break;
        case HairCut::Flowing:
            longBack(p, look, 300, 8);
            break;
        case HairCut::Topknot: {
            const QPainterPath tail = taper(h + QPointF(30, 4), h + QPointF(52, 30),
                                            h + QPointF(46, 90), h + QPointF(58, 140), 16, 4);
            ink(p, tail, hairShade(tail.boundingRect(), hair), 1.6);
            break;
        }
        default:
            break;
    }
}

void drawHead(QPainter& p, const Look& look) {
    const Form& f = look.form;
    const Palette& pal = f.pal;
    const QPointF h = look.body.head;
    const bool hooded = f.race == Race::Krvo;
    const CapStyle style = capFor(f.hair);

    if (hooded) {
        krvoHood(p, look, false);
    } else {
        QPainterPath back;
        back.addEllipse(h + QPointF(5, -3), 38, 40);
        ink(p, back, hairShade(back.boundingRect(), shade(pal.hair, 0.8)), 1.8);
        if (f.hair == HairCut::Topknot) {
            QPainterPath bun;
            bun.addEllipse(h + QPointF(12, -42), 13, 11);
            ink(p, bun, hairShade(bun.boundingRect(), pal.hair), 1.6);
            QPainterPath tie;
            tie.addRoundedRect(QRectF(h.x() + 2, h.y() - 38, 18, 6), 2, 2);
            ink(p, tie, QColor(pal.accent), 1.2);
        }
    }
    // the ear on the far side
    if (f.race == Race::Demon) {
        QPainterPath ear;
        ear.moveTo(h + QPointF(28, 6));
        ear.quadTo(h + QPointF(44, -4), h + QPointF(56, -12));
        ear.quadTo(h + QPointF(48, 12), h + QPointF(30, 26));
        ear.closeSubpath();
        ink(p, ear, lit(ear.boundingRect(), pal.skin), 1.5);
        p.setPen(QPen(shade(pal.skin, 0.7), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(h + QPointF(33, 12), h + QPointF(48, -4));
        if (look.band >= 3) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(pal.trim);
            p.drawEllipse(h + QPointF(36, 20), 2.4, 2.4);
        }
    } else if (!hooded && f.race != Race::Beast) {
        QPainterPath ear;
        ear.addEllipse(h + QPointF(31, 16), 5.5, 8);
        ink(p, ear, lit(ear.boundingRect(), shade(pal.skin, 0.95)), 1.4);
    }

    face(p, look);
    if (f.race == Race::Masked) mask(p, look);

    // hair over the forehead
    const QPainterPath cap = hairCap(h, style);
    if (hooded) {
        // only the fringe shows under the hood
        QPainterPath clip;
        clip.addEllipse(h + QPointF(1, 2), 36, 41);
        ink(p, cap.intersected(clip), hairShade(cap.boundingRect(), pal.hair), 1.6);
    } else {
        ink(p, cap, hairShade(cap.boundingRect(), pal.hair), 1.8);
        // shine
        QPainterPath shine(h + QPointF(-24, -22));
        shine.quadTo(h + QPointF(-12, -34), h + QPointF(2, -36));
        strokeLine(p, shine, shade(pal.hair, 1.55), 2.6);
    }
    if (f.race == Race::Beast) animalEars(p, look);
    if (f.hair == HairCut::HoodedLocks) {
        for (int side : {-1, 1}) {
            const QPointF a = h + QPointF(side < 0 ? -30 : 30, 10);
            const QPainterPath lock = taper(a, a + QPointF(side * 8, 30), a + QPointF(side * 2, 60),
                                            a + QPointF(side * 10, 96), 14, 3);
            ink(p, lock, hairShade(lock.boundingRect(), pal.hair), 1.6);
            QPainterPath band;
            band.addRoundedRect(QRectF(a.x() + side * 6 - 7, a.y() + 50, 14, 6), 2, 2);
            ink(p, band, QColor(pal.metal), 1.1);
        }
    }

    switch (f.race) {
        case Race::Human:
            if (!f.female) {
                QPainterPath band(h + QPointF(-34, -6));
                band.quadTo(h + QPointF(0, -20), h + QPointF(37, -8));
                const bool gold = look.band >= 4;
                strokeLine(p, band, kInk, 7.2);
                strokeLine(p, band, gold ? pal.trim : pal.accent, 4.8);
                if (gold) {
                    QPainterPath gem;
                    gem.addEllipse(h + QPointF(-8, -13.5), 3.6, 4.2);
                    ink(p, gem, pal.glow, 1.0);
                }
                for (double dy : {0.0, 10.0}) {
                    QPainterPath tail(h + QPointF(36, -8));
                    tail.quadTo(h + QPointF(50, -6 + dy), h + QPointF(60, 2 + dy * 1.5));
                    strokeLine(p, tail, kInk, 5.6);
                    strokeLine(p, tail, pal.accent, 3.4);
                }
            } else {
                // ribbon at the root of the ponytail
                const QPointF r = h + QPointF(32, -26);
                for (int side : {-1, 1}) {
                    QPainterPath loop;
                    loop.moveTo(r);
                    loop.quadTo(r + QPointF(side * 6 - 2, -16), r + QPointF(side * 14, -8));
                    loop.quadTo(r + QPointF(side * 12, 2), r);
                    loop.closeSubpath();
                    ink(p, loop, QColor(pal.accent), 1.3);
                }
                QPainterPath knot;
                knot.addEllipse(r, 4, 4);
                ink(p, knot, shade(pal.accent, 0.8), 1.2);
                if (look.band >= 4) {
                    QPainterPath tiara(h + QPointF(-30, -10));
                    tiara.quadTo(h + QPointF(0, -24), h + QPointF(30, -14));
                    strokeLine(p, tiara, kInk, 4.4);
                    strokeLine(p, tiara, pal.trim, 2.6);
                    QPainterPath gem = starPath(h + QPointF(-6, -17), 6, 2.6, 4, 0);
                    ink(p, gem, pal.glow, 1.0);
                }
            }
            break;
        case Race::Krvo:
            krvoHood(p, look, true);
            break;
        case Race::Demon:
            horns(p, look);
            break;
        default:
            break;
    }
}

}  // namespace quill::assetgen::adventurer
