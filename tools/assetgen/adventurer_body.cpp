// The adventurer's body and clothes: wings, cape and tail behind, legs and boots, the torso
// with its band of armour, and both arms.
#include "adventurer.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace quill::assetgen::adventurer {

namespace {

QPointF lerp(QPointF a, QPointF b, double t) {
    return a + (b - a) * t;
}

QPointF unit(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(0, -1);
}

// ---------------------------------------------------------------- behind the body

void halo(QPainter& p, const Look& look) {
    const QPointF c = look.body.head + QPointF(6, -4);
    const Palette& pal = look.form.pal;
    const QColor gold = mixColour(pal.trim, pal.glow, 0.3);
    QPainterPath rays;
    constexpr int kRays = 16;
    for (int i = 0; i < kRays; ++i) {
        const double a = i * 2 * M_PI / kRays - M_PI / 2;
        const double tip = i % 2 == 0 ? 66 : 60;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        QPainterPath ray;
        ray.moveTo(c + dir * 50 + side * 4.5);
        ray.lineTo(c + dir * tip);
        ray.lineTo(c + dir * 50 - side * 4.5);
        ray.closeSubpath();
        rays.addPath(ray);
    }
    ink(p, rays, shade(gold, 1.25), 1.2);
    QPainterPath ring;
    ring.addEllipse(c, 56, 56);
    ring.addEllipse(c, 49, 49);
    ink(p, ring, shiny(QRectF(c.x() - 56, c.y() - 56, 112, 112), gold), 1.4);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2 - M_PI / 2;
        const QPointF g = c + QPointF(std::cos(a), std::sin(a)) * 52.5;
        QPainterPath gem;
        gem.addEllipse(g, 4.2, 4.2);
        QRadialGradient rg(g - QPointF(1.3, 1.3), 5);
        rg.setColorAt(0, QColor(255, 255, 255));
        rg.setColorAt(0.4, pal.glow);
        rg.setColorAt(1, shade(pal.accent, 0.6));
        ink(p, gem, rg, 1.1);
    }
}

void batWing(QPainter& p, const Look& look, QPointF root, double s, int dir) {
    const Palette& pal = look.form.pal;
    auto at = [&](double x, double y) { return root + QPointF(dir * x * s, y * s); };
    const QPointF wrist = at(58, -74);
    const QPointF tips[3] = {at(104, -46), at(100, 8), at(62, 46)};
    QPainterPath membrane;
    membrane.moveTo(root);
    membrane.lineTo(wrist);
    membrane.lineTo(tips[0]);
    membrane.quadTo(at(78, -16), tips[1]);
    membrane.quadTo(at(66, 10), tips[2]);
    membrane.quadTo(at(30, 16), at(6, 30));
    membrane.closeSubpath();
    const QColor skin = mixColour(pal.cape, pal.accent, 0.28);
    QLinearGradient g(root, at(100, -40));
    g.setColorAt(0, shade(skin, 0.7));
    g.setColorAt(1, shade(skin, 1.15));
    ink(p, membrane, g, 1.6);
    const QColor bone = shade(pal.cape, 1.5);
    QPainterPath arm(root);
    arm.lineTo(wrist);
    strokeLine(p, arm, kInk, 6.2);
    strokeLine(p, arm, bone, 3.6);
    for (const QPointF& t : tips) {
        QPainterPath finger(wrist);
        finger.lineTo(t);
        strokeLine(p, finger, kInk, 3.8);
        strokeLine(p, finger, bone, 1.8);
    }
    if (look.band >= 4) {
        QPainterPath claw = polygonPath({{wrist + QPointF(-3, 0)},
                                         {wrist + QPointF(dir * 4 * s, -14 * s)},
                                         {wrist + QPointF(3, 1)}});
        ink(p, claw, look.band >= 5 ? QColor(pal.trim) : shade(bone, 1.1), 1.1);
    }
}

void cape(QPainter& p, const Look& look) {
    const Body& b = look.body;
    const Palette& pal = look.form.pal;
    const int band = look.band;
    const double bottom = band == 2 ? 262 : band == 3 ? 330 : 392;
    const double sh = b.shoulderHalf;
    const double ext = band >= 5 ? 18 : band >= 4 ? 10 : 0;
    const double left = b.cx - sh - 8 - (bottom - 262) * 0.06;
    const double right = b.cx + sh + 22 + ext + (bottom - 262) * 0.12;
    QPainterPath c;
    c.moveTo(b.cx - sh + 8, b.shoulderY - 2);
    c.cubicTo(b.cx - sh - 6, b.shoulderY + 40, left, bottom - 70, left, bottom);
    const int waves = 4;
    for (int i = 0; i < waves; ++i) {
        const double x0 = left + (right - left) * i / waves;
        const double x1 = left + (right - left) * (i + 1) / waves;
        const double y1 = bottom - 12.0 * (i + 1) / waves;
        c.quadTo((x0 + x1) / 2, y1 + (i % 2 == 0 ? 9 : -7), x1, y1);
    }
    c.cubicTo(right - 10, bottom - 90, b.cx + sh + 4, b.shoulderY + 40, b.cx + sh - 8,
              b.shoulderY - 2);
    c.closeSubpath();
    QLinearGradient g(QPointF(left, 0), QPointF(right, 0));
    g.setColorAt(0.0, shade(pal.cape, 1.18));
    g.setColorAt(0.5, pal.cape);
    g.setColorAt(1.0, shade(pal.cape, 0.55));
    ink(p, c, g, 1.8);
    // lining showing on the windward edge
    QPainterPath lining;
    lining.moveTo(right - 2, bottom - 14);
    lining.cubicTo(right - 12, bottom - 90, b.cx + sh + 4, b.shoulderY + 46, b.cx + sh - 6,
                   b.shoulderY + 8);
    lining.cubicTo(b.cx + sh + 12, b.shoulderY + 60, right - 18, bottom - 80, right - 2,
                   bottom - 14);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(mixColour(pal.cape, pal.trim, 0.25), 0.75));
    p.drawPath(lining.intersected(c));
    // folds
    p.setPen(QPen(shade(pal.cape, 0.55), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double f : {0.16, 0.78}) {
        const double x = left + (right - left) * f;
        QPainterPath fold(QPointF(x + 6, b.shoulderY + 70));
        fold.cubicTo(x + 2, bottom - 60, x, bottom - 30, x - 2, bottom - 6);
        p.drawPath(fold);
    }
    if (band >= 4) {
        QPainterPath hem(QPointF(left + 1, bottom - 4));
        for (int i = 0; i < waves; ++i) {
            const double x0 = left + (right - left) * i / waves;
            const double x1 = left + (right - left) * (i + 1) / waves;
            const double y1 = bottom - 12.0 * (i + 1) / waves - 4;
            hem.quadTo((x0 + x1) / 2, y1 + (i % 2 == 0 ? 9 : -7), x1 - (i == waves - 1 ? 2 : 0),
                       y1);
        }
        strokeLine(p, hem, pal.trim, band >= 5 ? 4.0 : 3.0);
    }
}

// A thick, tapering shape along a cubic curve; `fluff` > 0 makes the edge tufted.
QPainterPath sweep(QPointF a, QPointF b, QPointF c, QPointF d, double t0, double t1, double width,
                   double fluff) {
    constexpr int kSteps = 28;
    std::vector<QPointF> l, r;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = t0 + (t1 - t0) * i / kSteps;
        const QPointF pt = bezierAt(a, b, c, d, t);
        const QPointF nx = bezierAt(a, b, c, d, std::min(1.0, t + 0.01));
        const QPointF pv = bezierAt(a, b, c, d, std::max(0.0, t - 0.01));
        const QPointF dirv = unit(nx - pv);
        const QPointF n(-dirv.y(), dirv.x());
        double w = width * std::sin(M_PI * (0.18 + 0.82 * t)) * (0.55 + 0.45 * t);
        if (t > 0.97) w *= (1 - t) / 0.03;
        const double tuft = (i % 2 == 1 && t > 0.1 && t < 0.98) ? 1 + fluff : 1;
        l.push_back(pt + n * (w * tuft));
        r.push_back(pt - n * (w * tuft));
    }
    QPainterPath path(l[0]);
    for (size_t i = 1; i < l.size(); ++i) path.lineTo(l[i]);
    for (size_t i = r.size(); i-- > 0;) path.lineTo(r[i]);
    path.closeSubpath();
    return path;
}

void tail(QPainter& p, const Look& look) {
    const Body& b = look.body;
    const Palette& pal = look.form.pal;
    if (look.form.race == Race::Demon) {
        const QPointF a(b.cx + 8, b.hipY - 6);
        const QPointF c1(b.cx + 70, b.hipY + 70);
        const QPointF c2(b.cx + 104, b.hipY + 10);
        const QPointF tip(b.cx + 90, b.hipY - 34);
        QPainterPath t(a);
        t.cubicTo(c1, c2, tip);
        strokeLine(p, t, kInk, 9.5);
        strokeLine(p, t, pal.skin, 6.2);
        p.setPen(QPen(shade(pal.skin, 1.25), 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath shine(bezierAt(a, c1, c2, tip, 0.55));
        shine.quadTo(bezierAt(a, c1, c2, tip, 0.7), bezierAt(a, c1, c2, tip, 0.82));
        p.drawPath(shine);
        const QPointF dir = unit(tip - bezierAt(a, c1, c2, tip, 0.92));
        const QPointF side(-dir.y(), dir.x());
        QPainterPath spade;
        spade.moveTo(tip - dir * 2);
        spade.quadTo(tip + side * 14 - dir * 2, tip + dir * 20);
        spade.quadTo(tip - side * 14 - dir * 2, tip - dir * 2);
        spade.closeSubpath();
        ink(p, spade, look.band >= 5 ? QColor(pal.trim) : shade(pal.accent, 0.8), 1.4);
        return;
    }
    // beast folk: a big brush of a tail
    const bool fox = look.form.female;
    const QPointF a(b.cx + 10, b.hipY - 4);
    const QPointF c1 = fox ? QPointF(b.cx + 90, b.hipY + 40) : QPointF(b.cx + 60, b.hipY + 60);
    const QPointF c2 = fox ? QPointF(b.cx + 112, b.hipY - 20) : QPointF(b.cx + 96, b.hipY + 40);
    const QPointF d = fox ? QPointF(b.cx + 82, b.hipY - 74) : QPointF(b.cx + 100, b.hipY - 34);
    const double width = fox ? 26 : 25;
    const QPainterPath whole = sweep(a, c1, c2, d, 0, 1, width, 0.16);
    QLinearGradient g(a, d);
    g.setColorAt(0, shade(pal.hair, 0.75));
    g.setColorAt(0.6, pal.hair);
    g.setColorAt(1, shade(pal.hair, 1.15));
    ink(p, whole, g, 1.7);
    const QPainterPath tipPart = sweep(a, c1, c2, d, 0.74, 1, width, 0.16).intersected(whole);
    const QColor tipColour = fox ? pal.accent : shade(pal.hair, 0.55);
    ink(p, tipPart, tipColour, 1.4);
    p.setPen(QPen(shade(pal.hair, 0.6), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double t : {0.3, 0.45, 0.6}) {
        QPainterPath streak(bezierAt(a, c1, c2, d, t));
        streak.lineTo(bezierAt(a, c1, c2, d, t + 0.1) + QPointF(3, 0));
        p.drawPath(streak);
    }
}

// ---------------------------------------------------------------- armour bits

void pauldron(QPainter& p, const Look& look, QPointF c, int dir) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    const bool leather = band == 2 && look.warrior();
    const QColor col = leather ? shade(pal.leather, 1.1) : metalOf(look);
    const double w = 14 + band * 2.2 + (look.form.female ? -2 : 0);
    const double h = 10 + band * 1.2;
    auto plate = [&](QPointF at, double pw, double ph) {
        QPainterPath d;
        d.moveTo(at + QPointF(-pw, ph * 0.35));
        d.cubicTo(at + QPointF(-pw, -ph), at + QPointF(pw, -ph), at + QPointF(pw, ph * 0.35));
        d.quadTo(at + QPointF(0, ph * 0.75), at + QPointF(-pw, ph * 0.35));
        d.closeSubpath();
        const QRectF r(at.x() - pw, at.y() - ph, 2 * pw, 2 * ph);
        ink(p, d, leather ? lit(r, col) : shiny(r, col), 1.5);
        if (band >= 4) {
            QPainterPath edge(at + QPointF(-pw + 2, ph * 0.3));
            edge.quadTo(at + QPointF(0, ph * 0.68), at + QPointF(pw - 2, ph * 0.3));
            strokeLine(p, edge, pal.trim, 2.4);
        }
    };
    if (band >= 4) plate(c + QPointF(dir * 3, h * 0.95), w * 0.86, h * 0.7);
    if (band >= 3) plate(c + QPointF(dir * 1.5, h * 0.5), w * 0.93, h * 0.8);
    plate(c, w, h);
    if (band >= 5) {
        // a swept fin on top of the plate
        QPainterPath fin;
        fin.moveTo(c + QPointF(-w * 0.5, -h * 0.6));
        fin.quadTo(c + QPointF(dir * w * 0.2, -h * 1.9), c + QPointF(dir * w * 1.05, -h * 1.7));
        fin.quadTo(c + QPointF(dir * w * 0.5, -h * 0.9), c + QPointF(w * 0.5, -h * 0.55));
        fin.closeSubpath();
        ink(p, fin, shiny(fin.boundingRect(), pal.trim), 1.3);
    }
    if (band >= 5) {
        QPainterPath gem;
        gem.addEllipse(c + QPointF(0, -h * 0.1), 3.4, 3.4);
        ink(p, gem, pal.glow, 1.0);
    } else if (!leather) {
        p.setPen(Qt::NoPen);
        p.setBrush(shade(col, 0.55));
        p.drawEllipse(c + QPointF(-w * 0.5, 0), 1.6, 1.6);
        p.drawEllipse(c + QPointF(w * 0.5, 0), 1.6, 1.6);
    }
}

QPainterPath torsoPath(const Body& b, double bottomY, double flare) {
    const double cx = b.cx, sh = b.shoulderHalf, wh = b.waistHalf, hh = b.hipHalf;
    const double sy = b.shoulderY, wy = b.waistY;
    QPainterPath t;
    t.moveTo(cx - 12, sy - 6);
    t.cubicTo(cx - sh + 10, sy - 5, cx - sh - 1, sy + 1, cx - sh, sy + 16);
    t.cubicTo(cx - sh + 2, sy + 46, cx - wh - 3, wy - 30, cx - wh, wy);
    if (bottomY > wy + 4) {
        t.cubicTo(cx - wh + 1, wy + 10, cx - hh - flare, bottomY - 20, cx - hh - flare, bottomY);
        t.quadTo(cx, bottomY + 6, cx + hh + flare, bottomY);
        t.cubicTo(cx + hh + flare, bottomY - 20, cx + wh - 1, wy + 10, cx + wh, wy);
    } else {
        t.quadTo(cx, wy + 4, cx + wh, wy);
    }
    t.cubicTo(cx + wh + 3, wy - 30, cx + sh - 2, sy + 46, cx + sh, sy + 16);
    t.cubicTo(cx + sh + 1, sy + 1, cx + sh - 10, sy - 5, cx + 12, sy - 6);
    t.closeSubpath();
    return t;
}

QRectF bodyBox(const Body& b) {
    return QRectF(b.cx - b.shoulderHalf - 4, b.shoulderY, 2 * b.shoulderHalf + 8, 140);
}

void skirtOrRobe(QPainter& p, const Look& look) {
    const Body& b = look.body;
    const Form& f = look.form;
    const Palette& pal = f.pal;
    const double cx = b.cx;
    if (f.lower == Lower::Skirt) {
        const double hem = f.race == Race::Krvo ? 286 : 296;
        const double wide = b.hipHalf + 16 + (look.band >= 4 ? 4 : 0);
        QPainterPath s;
        s.moveTo(cx - b.waistHalf - 1, b.waistY - 2);
        s.lineTo(cx + b.waistHalf + 1, b.waistY - 2);
        s.cubicTo(cx + b.hipHalf + 4, b.hipY - 10, cx + wide - 4, hem - 20, cx + wide, hem);
        const int pleats = 6;
        for (int i = 0; i < pleats; ++i) {
            const double x0 = cx + wide - 2 * wide * i / pleats;
            const double x1 = cx + wide - 2 * wide * (i + 1) / pleats;
            s.quadTo((x0 + x1) / 2, hem + 7, x1, hem);
        }
        s.cubicTo(cx - wide + 4, hem - 20, cx - b.hipHalf - 4, b.hipY - 10, cx - b.waistHalf - 1,
                  b.waistY - 2);
        s.closeSubpath();
        const QRectF r(cx - wide, b.waistY, 2 * wide, hem - b.waistY);
        ink(p, s, lit(r, pal.cloth2), 1.7);
        p.setPen(QPen(shade(pal.cloth2, 0.65), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 1; i < pleats; ++i) {
            const double x = cx + wide - 2 * wide * i / pleats;
            p.drawLine(QPointF(cx + (x - cx) * 0.45, b.waistY + 16), QPointF(x, hem + 2));
        }
        QPainterPath band(QPointF(cx - wide + 3, hem - 6));
        band.quadTo(cx, hem + 2, cx + wide - 3, hem - 6);
        strokeLine(p, band, look.band >= 4 ? pal.trim : shade(pal.cloth2, 0.7), 2.6);
        return;
    }
    if (f.lower != Lower::Robe) return;
    // long robe, a little flared and blown back towards the right
    const double hem = 394;
    QPainterPath r;
    r.moveTo(cx - b.waistHalf - 1, b.waistY - 4);
    r.lineTo(cx + b.waistHalf + 1, b.waistY - 4);
    r.cubicTo(cx + b.hipHalf + 6, b.hipY, cx + b.hipHalf + 20, 330, cx + b.hipHalf + 30, hem - 6);
    r.quadTo(cx + 10, hem + 6, cx - b.hipHalf - 20, hem);
    r.cubicTo(cx - b.hipHalf - 12, 330, cx - b.hipHalf - 4, b.hipY, cx - b.waistHalf - 1,
              b.waistY - 4);
    r.closeSubpath();
    const QRectF box(cx - b.hipHalf - 20, b.waistY, 2 * b.hipHalf + 50, hem - b.waistY);
    ink(p, r, lit(box, pal.cloth2), 1.8);
    // front panel
    QPainterPath panel = polygonPath(
        {{cx - 12, b.waistY + 4}, {cx + 8, b.waistY + 4}, {cx + 18, hem - 1}, {cx - 22, hem + 1}});
    ink(p, panel.intersected(r), lit(panel.boundingRect(), pal.cloth), 1.3);
    p.setPen(QPen(shade(pal.cloth2, 0.6), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - b.hipHalf + 2, b.hipY + 10), QPointF(cx - b.hipHalf - 12, hem - 8));
    p.drawLine(QPointF(cx + b.hipHalf - 2, b.hipY + 10), QPointF(cx + b.hipHalf + 18, hem - 10));
    if (look.band >= 3) {
        QPainterPath hemLine(QPointF(cx - b.hipHalf - 18, hem - 5));
        hemLine.quadTo(cx + 10, hem + 1, cx + b.hipHalf + 28, hem - 11);
        strokeLine(p, hemLine, pal.trim, look.band >= 5 ? 4.5 : 3.0);
        if (look.band >= 5) {
            // a band of woven diamonds along the hem
            for (int i = 0; i < 7; ++i) {
                const double t = (i + 0.5) / 7;
                const QPointF c = QPointF(cx - b.hipHalf - 16 + t * (2 * b.hipHalf + 42),
                                          hem - 16 - 4 * t + 6 * std::sin(t * M_PI));
                QPainterPath dia = polygonPath({{c + QPointF(0, -5)},
                                                {c + QPointF(4, 0)},
                                                {c + QPointF(0, 5)},
                                                {c + QPointF(-4, 0)}});
                ink(p, dia.intersected(r), QColor(pal.trim), 1.0);
            }
        }
    }
}

void coatTails(QPainter& p, const Look& look) {
    const Body& b = look.body;
    const Palette& pal = look.form.pal;
    const double cx = b.cx;
    const double hem = 336 + (look.band >= 4 ? 14 : 0);
    for (int side : {-1, 1}) {
        QPainterPath t;
        const double inner = cx + side * 3;
        const double outer = cx + side * (b.hipHalf + 8);
        t.moveTo(inner, b.waistY);
        t.lineTo(cx + side * b.waistHalf, b.waistY);
        t.cubicTo(cx + side * (b.hipHalf + 4), b.hipY, outer + side * 6, hem - 40,
                  outer + side * 10, hem);
        t.lineTo(inner + side * 8, hem - 12);
        t.cubicTo(inner + side * 6, 300, inner + side * 2, 270, inner, b.waistY + 20);
        t.closeSubpath();
        ink(p, t, lit(t.boundingRect(), pal.cloth), 1.7);
        QPainterPath edge(QPointF(inner + side * 2, b.waistY + 24));
        edge.cubicTo(inner + side * 4, 270, inner + side * 7, 300, inner + side * 9, hem - 13);
        edge.lineTo(outer + side * 9, hem - 3);
        strokeLine(p, edge, pal.trim, look.band >= 4 ? 3.2 : 2.2);
    }
}

void boot(QPainter& p, const Look& look, QPointF knee, QPointF ankle, double r) {
    const Palette& pal = look.form.pal;
    const int band = look.band;
    const double sole = look.body.soleY;
    const double ax = ankle.x();
    const bool robe = look.form.lower == Lower::Robe;
    const QColor leather = band == 0 && robe ? shade(pal.cloth2, 0.8) : pal.leather;
    // shaft
    const double topT = robe ? 0.8 : band == 0 ? 0.82 : band == 1 ? 0.55 : 0.2;
    const QPointF top = lerp(ankle, knee, 1 - topT);
    QPainterPath shaft = capsule(top, r + 1.8, ankle, r + 1.4);
    // foot pointing left
    QPainterPath foot;
    foot.moveTo(ax - r - 1, ankle.y() - 4);
    foot.lineTo(ax + r + 2, ankle.y() - 4);
    foot.lineTo(ax + r + 3, sole);
    foot.lineTo(ax - 19, sole);
    foot.cubicTo(ax - 27, sole, ax - 26, sole - 12, ax - 15, sole - 14);
    foot.lineTo(ax - r - 1, ankle.y() + 2);
    foot.closeSubpath();
    const QPainterPath whole = shaft.united(foot).simplified();
    const QRectF box = whole.boundingRect();
    ink(p, whole, lit(box, leather), 1.6);
    // sole
    p.setPen(Qt::NoPen);
    p.setBrush(shade(leather, 0.45));
    p.drawRect(QRectF(ax - 22, sole - 4, r + 25, 3.2));
    if (band >= 1 && band <= 2 && !robe) {
        // turned-down cuff
        QPainterPath cuff = capsule(top, r + 3, top + QPointF(0, 7), r + 2.8);
        ink(p, cuff, lit(cuff.boundingRect(), shade(leather, 0.85)), 1.4);
        if (look.form.race == Race::Beast) {
            QPainterPath fur;
            const QPointF c = top + QPointF(0, 3);
            fur.moveTo(c + QPointF(-r - 5, 4));
            for (int i = 0; i <= 6; ++i) {
                const double x = -r - 5 + (2 * r + 10) * i / 6.0;
                fur.lineTo(c + QPointF(x, i % 2 == 0 ? -5 : 0));
            }
            fur.lineTo(c + QPointF(r + 5, 6));
            fur.closeSubpath();
            ink(p, fur, pal.accent, 1.2);
        }
    }
    if (band >= 3 && !robe) {
        // greave plate and knee cop
        const QColor m = metalOf(look);
        QPainterPath greave =
            capsule(lerp(knee, ankle, 0.15), r + 0.6, ankle + QPointF(-1, 4), r + 0.8);
        const QPainterPath front = greave.intersected(QPainterPath(greave).translated(-r * 0.6, 0));
        ink(p, front, shiny(front.boundingRect(), m), 1.4);
        QPainterPath cop;
        cop.addEllipse(knee + QPointF(-1, 0), r + 2.5, r + 1);
        ink(p, cop, shiny(cop.boundingRect(), m), 1.4);
        if (band >= 4) {
            p.setPen(Qt::NoPen);
            p.setBrush(pal.trim);
            p.drawEllipse(knee + QPointF(-1, 0), 3, 3);
            QPainterPath toe;
            toe.moveTo(ax - 26, sole - 4);
            toe.cubicTo(ax - 27, sole - 12, ax - 20, sole - 16, ax - 8, sole - 16);
            toe.lineTo(ax - 6, sole - 4);
            toe.closeSubpath();
            ink(p, toe.intersected(whole), shiny(toe.boundingRect(), m), 1.2);
        }
    }
}

// ---------------------------------------------------------------- arms

QColor sleeveColour(const Look& look) {
    return look.form.pal.cloth;
}

void handShape(QPainter& p, const Look& look, QPointF c, bool fist, double angleDeg) {
    const Palette& pal = look.form.pal;
    const int band = look.band;
    const double r = look.body.handR;
    QColor col = pal.skin;
    bool metal = false;
    if (band >= 4 && look.warrior()) {
        col = metalOf(look);
        metal = true;
    } else if (band >= 1) {
        col = look.form.race == Race::Masked ? shade(pal.cloth2, 1.2) : pal.leather;
    }
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    QPainterPath h;
    if (fist) {
        h.addRoundedRect(QRectF(-r - 1.5, -r + 0.5, 2 * r + 3, 2 * r - 1), r * 0.7, r * 0.7);
    } else {
        h.addEllipse(QPointF(0, 0), r * 0.95, r * 1.1);
    }
    const QRectF box = h.boundingRect();
    ink(p, h, metal ? shiny(box, col) : lit(box, col), 1.4);
    p.setPen(QPen(shade(col, 0.55), 1.1, Qt::SolidLine, Qt::RoundCap));
    if (fist) {
        for (int i = -1; i <= 1; ++i)
            p.drawLine(QPointF(-r + 2, i * r * 0.45), QPointF(-2, i * r * 0.45));
    } else {
        p.drawLine(QPointF(-r * 0.3, r * 0.3), QPointF(-r * 0.3, r * 1.0));
        p.drawLine(QPointF(r * 0.2, r * 0.35), QPointF(r * 0.2, r * 1.0));
    }
    p.restore();
}

void arm(QPainter& p, const Look& look, QPointF s, QPointF e, QPointF h, bool front) {
    const Body& b = look.body;
    const Palette& pal = look.form.pal;
    const int band = look.band;
    const QPointF wrist = h + unit(e - h) * (b.handR * 0.9);
    const QColor cloth = sleeveColour(look);
    if (look.form.wideSleeves) {
        // a kimono sleeve hanging from the forearm
        // Both sleeves hang towards the back, which keeps the weapon hand clear.
        const double o = 1;
        const double open = 17;
        QPainterPath hang;
        hang.moveTo(s + QPointF(-o * (b.upperArm + 1), -4));
        hang.lineTo(s + QPointF(o * (b.upperArm + 1), -4));
        hang.lineTo(e + QPointF(o * (b.foreArm + 8), 6));
        hang.quadTo(wrist + QPointF(o * (open + 8), 14), wrist + QPointF(o * open, 46));
        hang.quadTo(wrist + QPointF(-o * 4, 50), wrist + QPointF(-o * open * 0.8, 8));
        hang.lineTo(e + QPointF(-o * (b.foreArm + 5), 0));
        hang.closeSubpath();
        const QPainterPath sleeve =
            hang.united(limb(s, b.upperArm + 1, e, b.foreArm + 3, wrist, b.foreArm + 3))
                .simplified();
        ink(p, sleeve, lit(sleeve.boundingRect(), cloth), 1.6);
        QPainterPath hem(wrist + QPointF(o * (open - 1), 42));
        hem.quadTo(wrist + QPointF(-o * 4, 46), wrist + QPointF(-o * (open * 0.8 - 1), 8));
        strokeLine(p, hem, pal.trim, band >= 3 ? 3.2 : 2.0);
        p.setPen(QPen(shade(cloth, 0.62), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(e + QPointF(o * 4, 14), wrist + QPointF(o * 8, 30));
    } else {
        const QPainterPath sleeve = limb(s, b.upperArm, e, b.foreArm, wrist, b.foreArm - 0.5);
        ink(p, sleeve, lit(sleeve.boundingRect(), cloth), 1.6);
        p.setPen(QPen(shade(cloth, 0.6), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(e + QPointF(-b.foreArm * 0.6, -4), e + QPointF(b.foreArm * 0.3, 2));
        // cuff, bracer or vambrace along the forearm
        const QPointF c0 = lerp(e, wrist, band >= 1 ? 0.42 : 0.78);
        const QColor armour = band >= 3 && look.warrior()    ? metalOf(look)
                              : band >= 1                    ? pal.leather
                              : look.form.race == Race::Krvo ? shade(pal.trim, 0.8)
                                                             : shade(cloth, 1.2);
        QPainterPath brace = capsule(c0, b.foreArm + 1.2, wrist, b.foreArm + 0.6);
        ink(p, brace,
            band >= 3 && look.warrior() ? shiny(brace.boundingRect(), armour)
                                        : lit(brace.boundingRect(), armour),
            1.4);
        if (band >= 4) {
            QPainterPath ring(lerp(c0, wrist, 0.08) + QPointF(-b.foreArm, 0));
            ring.lineTo(lerp(c0, wrist, 0.08) + QPointF(b.foreArm, 0));
            strokeLine(p, ring, pal.trim, 2.2);
        }
    }
    // the weapon hand is drawn later, over the weapon's grip
    if (!front) handShape(p, look, h, false, -8);
    // shoulder pads from band 2 for fighters, band 3 for casters
    if (front && (band >= 3 || (band == 2 && look.warrior()))) {
        pauldron(p, look, QPointF(b.cx - b.shoulderHalf + 4, b.shoulderY + 8), -1);
    }
}

}  // namespace

// ---------------------------------------------------------------- entry points

void drawBackdrop(QPainter& p, const Look& look) {
    const Body& b = look.body;
    if (look.band >= 6) halo(p, look);
    if (look.form.race == Race::Demon) {
        const double s = 0.5 + 0.085 * look.band;
        batWing(p, look, QPointF(b.cx - 12, b.shoulderY + 14), s * 0.84, -1);
        batWing(p, look, QPointF(b.cx + 12, b.shoulderY + 12), s, 1);
    }
    if (look.band >= 2) cape(p, look);
    if (look.form.race == Race::Demon || look.form.race == Race::Beast) tail(p, look);
}

void drawRearArm(QPainter& p, const Look& look) {
    const Body& b = look.body;
    arm(p, look, b.rearShoulder, b.rearElbow, b.rearHand, false);
}

void drawFrontArm(QPainter& p, const Look& look) {
    const Body& b = look.body;
    arm(p, look, b.frontShoulder, b.frontElbow, b.frontHand, true);
}

void drawWeaponHand(QPainter& p, const Look& look) {
    const bool upright = look.form.arms == Arms::Staff || look.form.arms == Arms::Spear;
    handShape(p, look, look.body.frontHand, true, upright ? -4 : -12);
}

void drawLegs(QPainter& p, const Look& look) {
    const Body& b = look.body;
    const Form& f = look.form;
    const QColor leg = f.lower == Lower::Trousers ? f.pal.cloth2 : f.pal.legs;
    for (int side : {1, -1}) {
        const QPointF hip = side < 0 ? b.frontHip : b.rearHip;
        const QPointF knee = side < 0 ? b.frontKnee : b.rearKnee;
        const QPointF ankle = side < 0 ? b.frontAnkle : b.rearAnkle;
        if (f.lower != Lower::Robe) {
            const QPainterPath l = limb(hip, b.thigh, knee, b.knee, ankle, b.ankle);
            ink(p, l, lit(l.boundingRect(), leg), 1.6);
            if (f.lower == Lower::Trousers) {
                p.setPen(QPen(shade(leg, 0.62), 1.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(knee + QPointF(-4, -8), knee + QPointF(3, -2));
            }
        }
        boot(p, look, knee, ankle, b.ankle);
    }
}

void drawTorso(QPainter& p, const Look& look) {
    const Body& b = look.body;
    const Form& f = look.form;
    const Palette& pal = f.pal;
    const int band = look.band;
    const double cx = b.cx, sy = b.shoulderY, wy = b.waistY;

    skirtOrRobe(p, look);
    if (f.coatTails) coatTails(p, look);

    // neck
    QPainterPath neck = capsule(b.head + QPointF(2, 26), 9, QPointF(cx - 2, sy - 2), 10);
    ink(p, neck, lit(neck.boundingRect(), shade(pal.skin, 0.86)), 1.4);

    // tunic, coat or robe top
    const double bottom = f.lower == Lower::Trousers ? b.hemY : wy + 10;
    const QPainterPath body = torsoPath(b, bottom, f.lower == Lower::Trousers ? 4 : 0);
    const QRectF box = bodyBox(b);
    ink(p, body, lit(box, pal.cloth), 1.8);

    // clothes details per people
    p.setBrush(Qt::NoBrush);
    switch (f.race) {
        case Race::Human: {
            QPainterPath v = polygonPath({{cx - 12, sy - 5}, {cx - 3, sy + 20}, {cx + 8, sy - 5}});
            ink(p, v, shade(pal.skin, 0.9), 1.3);
            QPainterPath collar;
            collar.moveTo(cx - 16, sy - 6);
            collar.lineTo(cx - 3, sy + 22);
            collar.lineTo(cx + 12, sy - 6);
            strokeLine(p, collar, f.female ? QColor(250, 248, 240) : shade(pal.cloth, 1.45), 3.2);
            p.setPen(QPen(shade(pal.cloth, 0.6), 1.3, Qt::SolidLine, Qt::RoundCap));
            if (f.lower == Lower::Trousers) {
                p.drawLine(QPointF(cx - 18, wy + 20), QPointF(cx - 24, b.hemY - 2));
                p.drawLine(QPointF(cx + 16, wy + 20), QPointF(cx + 22, b.hemY - 2));
                QPainterPath hem(QPointF(cx - b.hipHalf - 3, b.hemY - 3));
                hem.quadTo(cx, b.hemY + 3, cx + b.hipHalf + 3, b.hemY - 3);
                strokeLine(p, hem, QColor(236, 236, 246), 2.6);
            }
            break;
        }
        case Race::Krvo: {
            // high collar, double row of brass buttons, trimmed opening
            QPainterPath opening(QPointF(cx - 3, sy + 4));
            opening.lineTo(cx - 3, bottom + 2);
            strokeLine(p, opening, pal.trim, 2.6);
            p.setPen(QPen(kInk, 1.0));
            p.setBrush(pal.trim);
            for (int i = 0; i < 3; ++i) {
                p.drawEllipse(QPointF(cx - 12, sy + 34 + i * 18), 2.4, 2.4);
                p.drawEllipse(QPointF(cx + 6, sy + 34 + i * 18), 2.4, 2.4);
            }
            QPainterPath collar = polygonPath({{cx - 22, sy - 8},
                                               {cx - 14, sy - 22},
                                               {cx - 3, sy + 8},
                                               {cx + 10, sy - 22},
                                               {cx + 18, sy - 8},
                                               {cx - 3, sy + 16}});
            ink(p, collar, lit(collar.boundingRect(), shade(pal.cloth, 1.1)), 1.4);
            QPainterPath collarEdge(QPointF(cx - 14, sy - 22));
            collarEdge.lineTo(cx - 3, sy + 8);
            collarEdge.lineTo(cx + 10, sy - 22);
            strokeLine(p, collarEdge, pal.trim, 2.0);
            break;
        }
        case Race::Demon: {
            QPainterPath v = polygonPath({{cx - 14, sy - 5}, {cx - 3, sy + 36}, {cx + 10, sy - 5}});
            ink(p, v, lit(v.boundingRect(), pal.skin), 1.3);
            QPainterPath lapel(QPointF(cx - 18, sy - 6));
            lapel.lineTo(cx - 3, sy + 40);
            lapel.lineTo(cx + 14, sy - 6);
            strokeLine(p, lapel, shade(pal.cloth, 0.45), 4.0);
            strokeLine(p, lapel, pal.trim, 1.4);
            if (f.female) {
                // lacing down the bodice
                p.setPen(QPen(shade(pal.trim, 0.9), 1.2));
                for (int i = 0; i < 4; ++i) {
                    const double y = sy + 46 + i * 10;
                    p.drawLine(QPointF(cx - 8, y), QPointF(cx + 2, y + 6));
                    p.drawLine(QPointF(cx + 2, y), QPointF(cx - 8, y + 6));
                }
            }
            break;
        }
        case Race::Beast: {
            // cross strap
            QPainterPath strap(QPointF(cx - b.shoulderHalf + 8, sy + 2));
            strap.lineTo(cx + b.waistHalf, wy - 4);
            strokeLine(p, strap, kInk, 7);
            strokeLine(p, strap, pal.leather, 5);
            break;
        }
        case Race::Masked: {
            // wrapped collar and a wide sash
            QPainterPath wrap = polygonPath(
                {{cx - 16, sy - 6}, {cx + 10, wy - 4}, {cx + 18, wy - 4}, {cx - 6, sy - 6}});
            ink(p, wrap, lit(wrap.boundingRect(), pal.trim), 1.2);
            QPainterPath wrap2 = polygonPath(
                {{cx + 12, sy - 6}, {cx - 2, sy + 24}, {cx + 4, sy + 28}, {cx + 20, sy - 4}});
            ink(p, wrap2, lit(wrap2.boundingRect(), shade(pal.cloth2, 1.3)), 1.2);
            break;
        }
    }

    // fur ruff of the beast folk
    if (f.race == Race::Beast) {
        QPainterPath ruff;
        const double w = b.shoulderHalf - 4;
        ruff.moveTo(cx - w, sy + 4);
        for (int i = 0; i <= 10; ++i) {
            const double t = i / 10.0;
            const double x = cx - w + 2 * w * t;
            const double y = sy + 4 + std::sin(t * M_PI) * 16 + (i % 2 == 0 ? 6 : -2);
            ruff.lineTo(x, y);
        }
        ruff.lineTo(cx + w, sy - 2);
        ruff.cubicTo(cx + 10, sy - 16, cx - 10, sy - 16, cx - w, sy - 2);
        ruff.closeSubpath();
        ink(p, ruff, lit(ruff.boundingRect(), pal.accent), 1.4);
    }

    // ---- band equipment on the body
    const QColor m = metalOf(look);
    if (look.warrior() && band >= 2) {
        QPainterPath plate;
        const double pw = b.shoulderHalf - 7;
        plate.moveTo(cx - pw, sy + 8);
        plate.quadTo(cx - 3, sy + (f.race == Race::Beast ? 22 : 16), cx + pw - 2, sy + 8);
        plate.cubicTo(cx + pw, sy + 50, cx + b.waistHalf + 1, wy - 26, cx + b.waistHalf, wy);
        plate.quadTo(cx - 3, wy + 10, cx - b.waistHalf, wy);
        plate.cubicTo(cx - b.waistHalf - 1, wy - 26, cx - pw, sy + 50, cx - pw, sy + 8);
        plate.closeSubpath();
        if (band == 2) {
            // boiled leather, stitched down the middle
            ink(p, plate, lit(box, pal.leather), 1.6);
            p.setPen(QPen(shade(pal.leather, 1.35), 1.1, Qt::DashLine, Qt::RoundCap));
            p.drawLine(QPointF(cx - 3, sy + 24), QPointF(cx - 3, wy - 6));
            p.drawLine(QPointF(cx - pw + 6, sy + 16), QPointF(cx - b.waistHalf + 4, wy - 8));
            p.drawLine(QPointF(cx + pw - 8, sy + 16), QPointF(cx + b.waistHalf - 4, wy - 8));
        } else {
            ink(p, plate, shiny(box, m), 1.7);
            p.setPen(QPen(shade(m, 0.6), 1.3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cx - 3, sy + 22), QPointF(cx - 3, wy + 2));
            if (f.female) {
                p.setPen(QPen(shade(m, 1.4), 1.6, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(QRectF(cx - 26, sy + 22, 20, 20), 120 * 16, 90 * 16);
                p.drawArc(QRectF(cx + 0, sy + 22, 20, 20), 120 * 16, 90 * 16);
            } else {
                p.setPen(QPen(shade(m, 1.45), 2.0, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(cx - pw + 8, sy + 22), QPointF(cx - 12, sy + 50));
            }
            if (band >= 4) {
                QPainterPath edge;
                edge.moveTo(cx - pw + 1, sy + 10);
                edge.quadTo(cx - 3, sy + 18, cx + pw - 3, sy + 10);
                strokeLine(p, edge, pal.trim, 2.8);
                QPainterPath low(QPointF(cx - b.waistHalf + 2, wy - 2));
                low.quadTo(cx - 3, wy + 7, cx + b.waistHalf - 2, wy - 2);
                strokeLine(p, low, pal.trim, 2.4);
            }
            if (band >= 5) {
                // crest on the breastplate
                const QPointF c(cx - 3, sy + 44);
                const QPainterPath wingL = starPath(c, 15, 6, 4, 45);
                ink(p, wingL, shiny(wingL.boundingRect(), pal.trim), 1.2);
                QPainterPath gem;
                gem.addEllipse(c, 5.5, 6.5);
                QRadialGradient rg(c - QPointF(2, 2), 7);
                rg.setColorAt(0, QColor(255, 255, 255));
                rg.setColorAt(0.45, pal.glow);
                rg.setColorAt(1, shade(pal.accent, 0.6));
                ink(p, gem, rg, 1.1);
            }
        }
    }
    if (!look.warrior() && band >= 2) {
        // casters: a short mantle over the shoulders, later a metal gorget
        QPainterPath mantle;
        const double w = b.shoulderHalf + 5;
        mantle.moveTo(cx - 18, sy - 8);
        mantle.cubicTo(cx - w, sy - 6, cx - w - 4, sy + 10, cx - w - 2, sy + 26);
        const int scallops = 5;
        for (int i = 0; i < scallops; ++i) {
            const double x0 = cx - w - 2 + (2 * w + 4) * i / scallops;
            const double x1 = cx - w - 2 + (2 * w + 4) * (i + 1) / scallops;
            const double dip = sy + 36 + std::sin((i + 0.5) / scallops * M_PI) * 12;
            const double y1 = sy + 26 + std::sin((i + 1.0) / scallops * M_PI) * 12;
            mantle.quadTo((x0 + x1) / 2, dip, x1, y1);
        }
        mantle.cubicTo(cx + w + 4, sy + 10, cx + w, sy - 6, cx + 14, sy - 8);
        mantle.closeSubpath();
        ink(p, mantle, lit(mantle.boundingRect(), pal.cape), 1.6);
        if (band >= 3) {
            QPainterPath gorget;
            gorget.moveTo(cx - 22, sy - 6);
            gorget.quadTo(cx - 3, sy + 30, cx + 18, sy - 6);
            gorget.quadTo(cx - 3, sy + 8, cx - 22, sy - 6);
            gorget.closeSubpath();
            ink(p, gorget, shiny(gorget.boundingRect(), m), 1.4);
        }
    }
    if (f.race == Race::Krvo) {
        // the order's crest: a cog holding an open eye
        const QPointF c(cx + 14, sy + 40);
        const double r = 9 + (band >= 4 ? 3 : 0);
        const QPainterPath cog = starPath(c, r + 2.5, r - 0.5, 10, 0);
        ink(p, cog, shiny(cog.boundingRect(), pal.trim), 1.2);
        QPainterPath eye;
        eye.moveTo(c + QPointF(-r + 2, 0));
        eye.quadTo(c + QPointF(0, -r + 1), c + QPointF(r - 2, 0));
        eye.quadTo(c + QPointF(0, r - 1), c + QPointF(-r + 2, 0));
        eye.closeSubpath();
        ink(p, eye, QColor(24, 30, 60), 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(band >= 5 ? QColor(230, 255, 255) : QColor(pal.accent));
        p.drawEllipse(c, r * 0.32, r * 0.32);
    }

    // belt or sash
    if (f.race == Race::Masked) {
        QPainterPath sash;
        sash.addRect(QRectF(cx - b.waistHalf - 2, wy - 12, 2 * b.waistHalf + 4, 18));
        ink(p, sash.intersected(body.united(QPainterPath(sash))), lit(box, pal.accent), 1.5);
        QPainterPath cord(QPointF(cx - b.waistHalf - 1, wy - 2));
        cord.lineTo(cx + b.waistHalf + 1, wy - 4);
        strokeLine(p, cord, pal.trim, 2.2);
        QPainterPath knot(QPointF(cx + 6, wy - 2));
        knot.cubicTo(cx + 2, wy + 20, cx + 12, wy + 34, cx + 6, wy + 56);
        strokeLine(p, knot, kInk, 4.4);
        strokeLine(p, knot, pal.trim, 2.4);
        p.setPen(QPen(kInk, 1.0));
        p.setBrush(pal.trim);
        p.drawEllipse(QPointF(cx + 6, wy - 2), 4, 4);
        QPainterPath tassel =
            polygonPath({{cx + 6, wy + 54}, {cx + 1, wy + 72}, {cx + 11, wy + 72}});
        ink(p, tassel, QColor(pal.accent), 1.1);
    } else {
        const double by = wy - 6;
        QPainterPath belt;
        belt.moveTo(cx - b.waistHalf - 1, by);
        belt.quadTo(cx - 3, by + 5, cx + b.waistHalf + 1, by);
        belt.lineTo(cx + b.waistHalf + 1, by + 11);
        belt.quadTo(cx - 3, by + 16, cx - b.waistHalf - 1, by + 11);
        belt.closeSubpath();
        const QColor beltCol =
            band == 0 ? shade(pal.cloth2, f.lower == Lower::Trousers ? 1.35 : 0.8) : pal.leather;
        ink(p, belt, lit(box, beltCol), 1.4);
        if (band >= 1) {
            QPainterPath buckle;
            buckle.addRoundedRect(QRectF(cx - 9, by + 1, 12, 12), 2, 2);
            ink(p, buckle, shiny(buckle.boundingRect(), band >= 4 ? pal.trim : m), 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(shade(beltCol, 0.6));
            p.drawRect(QRectF(cx - 6, by + 4, 6, 6));
            QPainterPath pouch;
            pouch.addRoundedRect(QRectF(cx + b.waistHalf - 12, by + 8, 12, 14), 3, 3);
            ink(p, pouch, lit(pouch.boundingRect(), shade(pal.leather, 1.15)), 1.2);
        }
    }
    if (look.warrior() && band >= 4) {
        // tassets hanging from the belt
        for (int side : {-1, 1}) {
            QPainterPath t;
            const double x0 = side < 0 ? cx - b.waistHalf - 3 : cx + 1;
            const double x1 = side < 0 ? cx - 7 : cx + b.waistHalf + 3;
            t.moveTo(x0, wy + 6);
            t.lineTo(x1, wy + 6);
            t.lineTo(x1 + side * 4, wy + 40);
            t.quadTo((x0 + x1) / 2 + side * 2, wy + 46, x0 + side * 6, wy + 38);
            t.closeSubpath();
            ink(p, t, shiny(t.boundingRect(), m), 1.4);
            QPainterPath edge(QPointF(x1 + side * 3, wy + 36));
            edge.quadTo((x0 + x1) / 2 + side * 2, wy + 42, x0 + side * 6.5, wy + 35);
            strokeLine(p, edge, pal.trim, 2.0);
        }
    }
    // rear shoulder pad
    if (band >= 3 || (band == 2 && look.warrior())) {
        pauldron(p, look, QPointF(cx + b.shoulderHalf - 4, sy + 8), 1);
    }
    // cape clasps
    if (band >= 2) {
        for (int side : {-1, 1}) {
            const QPointF c(cx - 3 + side * (b.shoulderHalf - 14), sy + 2);
            QPainterPath clasp;
            clasp.addEllipse(c, 4.5, 4.5);
            ink(p, clasp, shiny(clasp.boundingRect(), band >= 4 ? QColor(pal.trim) : m), 1.1);
        }
    }
}

}  // namespace quill::assetgen::adventurer
