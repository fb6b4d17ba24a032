// The people of the scenes: one figure built from parts (legs, body and coat, arms, head with
// hair and face) whose colours, build and pose every character sets for itself, and the wings
// and glows several of them share.  Figures face the viewer and look a little to the right,
// towards the adventurer.
#include "scene_art.h"

#include <cmath>

namespace quill::assetgen::scene {

namespace {

constexpr double kShoulderY = -200;
constexpr double kHipY = -122;
constexpr double kKneeY = -62;
constexpr double kAnkleY = -16;

QPointF unit(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(0, -1);
}

double side(int s) {
    return s == 0 ? -1.0 : 1.0;
}

QColor sleeveOf(const Person& m) {
    if (m.sleeve.isValid()) return m.sleeve;
    return m.coat.isValid() ? m.coat : m.shirt;
}

QPointF hipJoint(const Person& m, int s) {
    return {side(s) * 12 * m.build, kHipY * m.height};
}
QPointF kneeJoint(const Person& m, int s) {
    return {side(s) * 14 * m.build, kKneeY * m.height};
}
QPointF ankleJoint(const Person& m, int s) {
    return {side(s) * 15 * m.build, kAnkleY};
}

QPainterPath facePath(QPointF h) {
    QPainterPath f;
    f.moveTo(h + QPointF(-26, -4));
    f.cubicTo(h + QPointF(-27, 14), h + QPointF(-17, 28), h + QPointF(0, 32));
    f.cubicTo(h + QPointF(17, 28), h + QPointF(27, 14), h + QPointF(26, -4));
    f.cubicTo(h + QPointF(27, -38), h + QPointF(-27, -38), h + QPointF(-26, -4));
    f.closeSubpath();
    return f;
}

QLinearGradient hairShade(const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, shade(c, 1.35));
    g.setColorAt(0.45, c);
    g.setColorAt(1.0, shade(c, 0.6));
    return g;
}

// The hair over the top of the head with a fringe of `locks`; spikes stand out all round.
QPainterPath hairCap(QPointF h, int spikes, double spikeLen, int locks, double fringe) {
    QPainterPath path;
    const double rx = 30, ry = 31;
    const QPointF c = h + QPointF(0, -4);
    const double a0 = M_PI * 0.95, a1 = M_PI * 2.05;
    const int n = std::max(1, spikes) * 2;
    for (int i = 0; i <= n; ++i) {
        const double a = a0 + (a1 - a0) * i / n;
        const double k = spikes > 0 && i % 2 == 1 ? 1.0 + spikeLen : 1.0;
        const QPointF pt = c + QPointF(rx * k * std::cos(a), ry * k * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else if (spikes > 0)
            path.lineTo(pt);
        else
            path.quadTo(c + QPointF(rx * 1.1 * std::cos(a - (a1 - a0) / n / 2),
                                    ry * 1.1 * std::sin(a - (a1 - a0) / n / 2)),
                        pt);
    }
    const double right = h.x() + 27, left = h.x() - 27;
    path.lineTo(h + QPointF(29, 10));
    path.lineTo(right, h.y() - 4);
    for (int i = 0; i < locks; ++i) {
        const double x0 = right - (right - left) * i / locks;
        const double x1 = right - (right - left) * (i + 1) / locks;
        const double tip = x0 + (x1 - x0) * 0.6;
        path.quadTo(QPointF(x0 + (x1 - x0) * 0.25, h.y() - 8), QPointF(tip, h.y() + fringe));
        path.quadTo(QPointF(tip + 1, h.y() - 8), QPointF(x1, h.y() - 12 + (i % 2) * 3));
    }
    path.lineTo(h + QPointF(-29, 10));
    path.closeSubpath();
    return path;
}

void eye(QPainter& p, QPointF c, double rx, double ry, const Face& f, int dir) {
    const QColor iris = f.iris;
    switch (f.eyes) {
        case Eyes::Happy: {
            QPainterPath arc(c + QPointF(-rx, ry * 0.2));
            arc.quadTo(c + QPointF(0, -ry * 0.9), c + QPointF(rx, ry * 0.2));
            strokeLine(p, arc, kInk, 2.4);
            return;
        }
        default:
            break;
    }
    const double open = f.eyes == Eyes::Stern ? 0.62 : f.eyes == Eyes::Sly ? 0.5 : 1.0;
    const QPointF ec = c + QPointF(0, ry * (1 - open) * 0.5);
    const double ery = ry * open;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(ec, rx, ery);
    p.save();
    QPainterPath white;
    white.addEllipse(ec, rx, ery);
    p.setClipPath(white);
    QLinearGradient g(QPointF(0, c.y() - ry), QPointF(0, c.y() + ry));
    g.setColorAt(0.0, shade(iris, 0.35));
    g.setColorAt(0.5, shade(iris, 0.85));
    g.setColorAt(1.0, shade(iris, 1.4));
    p.setBrush(g);
    const QPointF ic = c + QPointF(dir * rx * 0.18 + rx * 0.12, ry * 0.08);
    p.drawEllipse(ic, rx * 0.74, ry * 0.84);
    p.setBrush(QColor(18, 12, 26));
    p.drawEllipse(ic + QPointF(0, ry * 0.05), rx * 0.36, ry * 0.44);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(ic + QPointF(-rx * 0.3, -ry * 0.34), rx * 0.3, ry * 0.24);
    p.drawEllipse(ic + QPointF(rx * 0.3, ry * 0.4), rx * 0.13, ry * 0.11);
    p.restore();
    // upper lid, slanted for a stern or sly look
    const double slant = (f.eyes == Eyes::Stern || f.eyes == Eyes::Sly) ? 0.35 * dir : 0.0;
    QPainterPath lid(ec + QPointF(-rx - 1, -ery * 0.05 - slant * ry * -1));
    lid.quadTo(ec + QPointF(0, -ery * 1.4), ec + QPointF(rx + 1, -ery * 0.05 + slant * ry * -1));
    strokeLine(p, lid, kInk, f.female ? 2.6 : 2.2);
    if (f.female) {
        QPainterPath lash(ec + QPointF(dir * rx * 0.9, -ery * 0.35));
        lash.lineTo(ec + QPointF(dir * (rx + 4), -ery * 0.75));
        strokeLine(p, lash, kInk, 1.8);
    }
}

}  // namespace

Person& Person::pose(QPointF leftElbow, QPointF leftHand, QPointF rightElbow, QPointF rightHand) {
    elbow[0] = leftElbow;
    hand[0] = leftHand;
    elbow[1] = rightElbow;
    hand[1] = rightHand;
    return *this;
}

void placeFigure(QPainter& p, QPointF feet, double scale, bool mirrored) {
    p.translate(feet);
    p.scale(mirrored ? -scale : scale, scale);
}

QPointF headCentre(const Person& m) {
    return {0, kShoulderY * m.height - 40};
}

QPointF shoulder(const Person& m, int s) {
    return {side(s) * 27 * m.build, kShoulderY * m.height + 9};
}

double waistY(const Person& m) {
    return -142 * m.height;
}

void drawFace(QPainter& p, QPointF c, double r, const Face& f) {
    const double k = r / 27.0;
    p.save();
    p.translate(c);
    p.scale(k, k);
    const QPointF o(0, 0);
    const double ery = f.female ? 8.2 : 7.2;
    const double erx = f.female ? 6.6 : 5.8;
    eye(p, o + QPointF(-11, 7), erx, ery, f, -1);
    eye(p, o + QPointF(11, 7), erx, ery, f, 1);
    const QColor brow(70, 46, 40);
    for (int s : {-1, 1}) {
        const QPointF a = o + QPointF(s * 5, -5 + f.brow * 3.5);
        const QPointF b = o + QPointF(s * 17, -5 - f.brow * 2.5);
        QPainterPath line(a);
        line.quadTo((a + b) / 2 + QPointF(0, -2), b);
        strokeLine(p, line, brow, f.brow > 0.5 ? 2.6 : 1.8);
    }
    if (f.glasses) {
        p.setPen(QPen(QColor(60, 50, 60), 1.6));
        p.setBrush(QColor(200, 230, 255, 60));
        p.drawEllipse(o + QPointF(-11, 7), 9.5, 9);
        p.drawEllipse(o + QPointF(11, 7), 9.5, 9);
        p.drawLine(o + QPointF(-1.5, 6), o + QPointF(1.5, 6));
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
        p.drawLine(o + QPointF(-16, 3), o + QPointF(-13, 0));
        p.drawLine(o + QPointF(6, 3), o + QPointF(9, 0));
    }
    if (f.nose) {
        p.setPen(QPen(QColor(170, 110, 90), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(o + QPointF(1, 14), o + QPointF(-1, 17));
    }
    if (f.blush) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 130, 110));
        p.drawEllipse(o + QPointF(-17, 17), 4.5, 2.4);
        p.drawEllipse(o + QPointF(17, 17), 4.5, 2.4);
    }
    if (f.beard) {
        // the beard covers the mouth; drawHead paints it in the hair's colour
        p.restore();
        return;
    }
    QPainterPath mouth;
    const QColor lip(120, 48, 56);
    switch (f.mouth) {
        case Mouth::Smile:
            mouth.moveTo(o + QPointF(-6, 21));
            mouth.quadTo(o + QPointF(0, 25.5), o + QPointF(6, 21));
            strokeLine(p, mouth, lip, 1.7);
            break;
        case Mouth::Grin:
            mouth.moveTo(o + QPointF(-9, 19.5));
            mouth.quadTo(o + QPointF(0, 21), o + QPointF(9, 19.5));
            mouth.quadTo(o + QPointF(0, 31), o + QPointF(-9, 19.5));
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(QColor(150, 40, 50));
            p.drawPath(mouth);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255));
            p.drawRect(QRectF(-7.5, 20, 15, 2.6));
            break;
        case Mouth::Flat:
            mouth.moveTo(o + QPointF(-5, 22));
            mouth.lineTo(o + QPointF(5, 22));
            strokeLine(p, mouth, lip, 1.7);
            break;
        case Mouth::Frown:
            mouth.moveTo(o + QPointF(-6, 24));
            mouth.quadTo(o + QPointF(0, 19.5), o + QPointF(6, 24));
            strokeLine(p, mouth, lip, 1.8);
            break;
        case Mouth::Open:
            p.setPen(QPen(kInk, 1.3));
            p.setBrush(QColor(150, 40, 50));
            p.drawEllipse(o + QPointF(0, 23), 4, 4.6);
            break;
        case Mouth::None:
            break;
    }
    if (f.moustache) {
        QPainterPath mo;
        for (int s : {-1, 1}) {
            mo.moveTo(o + QPointF(0, 17.5));
            mo.cubicTo(o + QPointF(s * 8, 14), o + QPointF(s * 16, 17), o + QPointF(s * 20, 13));
            mo.cubicTo(o + QPointF(s * 17, 22), o + QPointF(s * 8, 22), o + QPointF(0, 20));
        }
        ink(p, mo, QColor(245, 245, 240), 1.1);
    }
    p.restore();
}

void drawBackHair(QPainter& p, const Person& m) {
    const QPointF h = headCentre(m);
    if (m.hairStyle != HairStyle::Long && m.hairStyle != HairStyle::Bob &&
        m.hairStyle != HairStyle::Wild)
        return;
    QPainterPath back;
    if (m.hairStyle == HairStyle::Long) {
        back.moveTo(h + QPointF(-30, -10));
        back.cubicTo(h + QPointF(-44, 40), h + QPointF(-46, 110), h + QPointF(-38, 150));
        back.quadTo(h + QPointF(-20, 140), h + QPointF(-10, 150));
        back.quadTo(h + QPointF(0, 136), h + QPointF(10, 150));
        back.quadTo(h + QPointF(20, 140), h + QPointF(38, 150));
        back.cubicTo(h + QPointF(46, 110), h + QPointF(44, 40), h + QPointF(30, -10));
    } else if (m.hairStyle == HairStyle::Bob) {
        back.moveTo(h + QPointF(-30, -10));
        back.cubicTo(h + QPointF(-40, 20), h + QPointF(-38, 36), h + QPointF(-32, 40));
        back.lineTo(h + QPointF(32, 40));
        back.cubicTo(h + QPointF(38, 36), h + QPointF(40, 20), h + QPointF(30, -10));
    } else {
        Rng rng(77);
        back.moveTo(h + QPointF(-30, -20));
        for (int i = 0; i <= 12; ++i) {
            const double a = M_PI * (1.0 - i / 12.0);
            const double r = i % 2 == 0 ? 42 : 56 + rng.range(-4, 4);
            back.lineTo(h + QPointF(-std::cos(a) * r * 1.05, 10 + std::sin(a) * r * 0.9));
        }
    }
    back.closeSubpath();
    ink(p, back, hairShade(back.boundingRect(), shade(m.hair, 0.85)), 1.6);
}

void drawLegs(QPainter& p, const Person& m) {
    const QColor leg = m.lowerColour;
    const double thigh = 11 * m.build, knee = 8.5 * m.build, ankle = 6.5 * std::sqrt(m.build);
    for (int s : {0, 1}) {
        const QPointF hip = hipJoint(m, s), kn = kneeJoint(m, s), an = ankleJoint(m, s);
        if (m.lower != Lower::Robe) {
            const QPainterPath l = limb(hip, thigh, kn, knee, an, ankle);
            ink(p, l, lit(l.boundingRect(), m.lower == Lower::Trousers ? leg : m.skin), 1.6);
        }
        // boot: a shaft up the shin and a foot turned a little outwards
        const QPointF top = lerp(an, kn, 0.55);
        QPainterPath boot = capsule(top, ankle + 1.6, an, ankle + 1.2);
        QPainterPath foot;
        const double ax = an.x();
        const double out = side(s);
        foot.moveTo(ax - ankle - 2, an.y());
        foot.lineTo(ax + ankle + 2, an.y());
        foot.cubicTo(ax + ankle + 3 + out * 4, 0, ax + out * 6 + ankle, 0, ax + out * 4, 0);
        foot.lineTo(ax - ankle - 3 + out * 4, 0);
        foot.cubicTo(ax - ankle - 5 + out * 4, -6, ax - ankle - 3, -8, ax - ankle - 2, an.y());
        foot.closeSubpath();
        const QPainterPath whole = boot.united(foot);
        ink(p, whole, lit(whole.boundingRect(), m.boots), 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(shade(m.boots, 0.45));
        p.drawRect(QRectF(ax - ankle - 3 + out * 3, -3, 2 * ankle + 6, 3));
    }
}

void drawBody(QPainter& p, const Person& m) {
    const double b = m.build;
    const double sy = kShoulderY * m.height;
    const double wy = waistY(m);
    const double hy = kHipY * m.height;
    const QPointF h = headCentre(m);
    // skirt or robe below the waist
    if (m.lower != Lower::Trousers) {
        const double hem = m.lower == Lower::Skirt ? kKneeY * m.height + 6 : -10;
        const double flare = m.lower == Lower::Skirt ? 40 * b : 36 * b;
        QPainterPath skirt;
        skirt.moveTo(-21 * b, wy);
        skirt.cubicTo(-28 * b, hy, -flare, hem - 20, -flare, hem);
        skirt.quadTo(-flare / 2, hem + 7, 0, hem + 2);
        skirt.quadTo(flare / 2, hem + 7, flare, hem);
        skirt.cubicTo(flare, hem - 20, 28 * b, hy, 21 * b, wy);
        skirt.closeSubpath();
        ink(p, skirt, lit(skirt.boundingRect(), m.lowerColour), 1.7);
        p.setPen(QPen(shade(m.lowerColour, 0.65), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (double x : {-0.45, 0.0, 0.45})
            p.drawLine(QPointF(x * 22 * b, hy), QPointF(x * flare * 1.2, hem - 2));
        QPainterPath trim(QPointF(-flare + 2, hem - 4));
        trim.quadTo(-flare / 2, hem + 3, 0, hem - 2);
        trim.quadTo(flare / 2, hem + 3, flare - 2, hem - 4);
        strokeLine(p, trim, m.trim, 3.0);
    } else {
        // the seat of the trousers
        QPainterPath seat;
        seat.moveTo(-21 * b, wy);
        seat.lineTo(21 * b, wy);
        seat.cubicTo(26 * b, hy, 24 * b, hy + 10, 20 * b, hy + 16);
        seat.lineTo(-20 * b, hy + 16);
        seat.cubicTo(-24 * b, hy + 10, -26 * b, hy, -21 * b, wy);
        seat.closeSubpath();
        ink(p, seat, lit(seat.boundingRect(), m.lowerColour), 1.6);
    }
    // neck
    QPainterPath neck =
        capsule(h + QPointF(0, 24), 8 * std::sqrt(b), QPointF(0, sy - 2), 9 * std::sqrt(b));
    ink(p, neck, lit(neck.boundingRect(), shade(m.skin, 0.86)), 1.4);
    // shirt
    QPainterPath torso;
    const double sh = 31 * b;
    torso.moveTo(-sh + 6, sy);
    torso.quadTo(0, sy - 6, sh - 6, sy);
    torso.quadTo(sh + 2, sy + 4, sh, sy + 18);
    torso.cubicTo(sh - 2, sy + 40, 21 * b, wy - 20, 21 * b, wy + 4);
    torso.lineTo(-21 * b, wy + 4);
    torso.cubicTo(-21 * b, wy - 20, -sh + 2, sy + 40, -sh, sy + 18);
    torso.quadTo(-sh - 2, sy + 4, -sh + 6, sy);
    torso.closeSubpath();
    ink(p, torso, lit(torso.boundingRect(), m.shirt), 1.8);
    // collar line
    QPainterPath collar(QPointF(-9 * b, sy - 2));
    collar.quadTo(0, sy + 12, 9 * b, sy - 2);
    strokeLine(p, collar, shade(m.shirt, 0.55), 1.6);
    // coat over the shirt, open at the front
    if (m.coat.isValid()) {
        for (int s : {0, 1}) {
            const double o = side(s);
            QPainterPath panel;
            panel.moveTo(o * 8 * b, sy - 3);
            panel.lineTo(o * (sh - 4), sy - 1);
            panel.quadTo(o * (sh + 4), sy + 6, o * (sh + 1), sy + 22);
            panel.cubicTo(o * (sh - 1), sy + 50, o * 24 * b, wy - 10, o * 27 * b, wy + 10);
            panel.cubicTo(o * 30 * b, m.coatHem - 40, o * 34 * b, m.coatHem - 10, o * 34 * b,
                          m.coatHem);
            panel.quadTo(o * 20 * b, m.coatHem + 4, o * 7 * b, m.coatHem);
            panel.lineTo(o * 9 * b, wy);
            panel.lineTo(o * 14 * b, sy + 40);
            panel.closeSubpath();
            ink(p, panel, lit(panel.boundingRect(), m.coat), 1.7);
            // lapel
            QPainterPath lapel =
                polygonPath({QPointF(o * 8 * b, sy - 3), QPointF(o * 20 * b, sy + 2),
                             QPointF(o * 14 * b, sy + 40)});
            ink(p, lapel, shade(m.coat, 0.86), 1.3);
        }
    }
    // belt
    if (!m.coat.isValid() || m.coatHem > wy) {
        QPainterPath belt;
        belt.addRect(QRectF(-22 * b, wy - 3, 44 * b, 8));
        ink(p, belt, lit(belt.boundingRect(), m.belt), 1.4);
        QPainterPath buckle;
        buckle.addRect(QRectF(-5, wy - 4, 10, 10));
        buckle.addRect(QRectF(-2.5, wy - 1.5, 5, 5));
        p.setPen(QPen(kInk, 1.0));
        p.setBrush(m.trim);
        p.drawPath(buckle);
    }
}

void drawHand(QPainter& p, const Person& m, int s, double angleDeg) {
    const QColor col = m.glove.isValid() ? m.glove : m.skin;
    const double r = 7 * std::sqrt(m.build);
    p.save();
    p.translate(m.hand[s]);
    p.rotate(angleDeg);
    QPainterPath hand;
    if (m.fist[s])
        hand.addRoundedRect(QRectF(-r - 1, -r + 0.5, 2 * r + 2, 2 * r - 1), r * 0.7, r * 0.7);
    else
        hand.addEllipse(QPointF(0, 0), r * 0.95, r * 1.1);
    ink(p, hand, lit(hand.boundingRect(), col), 1.4);
    p.setPen(QPen(shade(col, 0.6), 1.0, Qt::SolidLine, Qt::RoundCap));
    if (m.fist[s]) {
        for (int i = -1; i <= 1; ++i)
            p.drawLine(QPointF(-r + 2, i * r * 0.45), QPointF(-1, i * r * 0.45));
    } else {
        p.drawLine(QPointF(-r * 0.25, r * 0.3), QPointF(-r * 0.25, r * 1.0));
        p.drawLine(QPointF(r * 0.25, r * 0.3), QPointF(r * 0.25, r * 1.0));
    }
    p.restore();
}

void drawArm(QPainter& p, const Person& m, int s) {
    const double b = std::sqrt(m.build);
    const QPointF sh = shoulder(m, s);
    const QPointF e = m.elbow[s];
    const QPointF wrist = m.hand[s] + unit(e - m.hand[s]) * 6.5;
    const QColor cloth = sleeveOf(m);
    const QPainterPath sleeve = limb(sh, 9.5 * b, e, 8 * b, wrist, 7.2 * b);
    ink(p, sleeve, lit(sleeve.boundingRect(), cloth), 1.6);
    p.setPen(QPen(shade(cloth, 0.6), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(e + QPointF(-4, -3), e + QPointF(3, 2));
    const QPainterPath cuff = capsule(lerp(e, wrist, 0.8), 7.8 * b, wrist, 7.6 * b);
    ink(p, cuff, lit(cuff.boundingRect(), shade(cloth, 1.18)), 1.3);
    drawHand(p, m, s);
}

void drawHead(QPainter& p, const Person& m) {
    const QPointF h = headCentre(m);
    // ears
    for (int s : {-1, 1}) {
        QPainterPath ear;
        ear.addEllipse(h + QPointF(s * 26, 6), 5, 7.5);
        ink(p, ear, shade(m.skin, 0.92), 1.3);
    }
    QRadialGradient fg(h + QPointF(-8, 2), 40);
    fg.setColorAt(0.0, shade(m.skin, 1.08));
    fg.setColorAt(0.65, m.skin);
    fg.setColorAt(1.0, shade(m.skin, 0.8));
    ink(p, facePath(h), fg, 1.8);
    drawFace(p, h, 27, m.face);
    if (m.face.beard) {
        QPainterPath b;
        b.moveTo(h + QPointF(-26, 6));
        b.cubicTo(h + QPointF(-27, 32), h + QPointF(-14, 46), h + QPointF(0, 50));
        b.cubicTo(h + QPointF(14, 46), h + QPointF(27, 32), h + QPointF(26, 6));
        b.cubicTo(h + QPointF(24, 18), h + QPointF(14, 19), h + QPointF(0, 18));
        b.cubicTo(h + QPointF(-14, 19), h + QPointF(-24, 18), h + QPointF(-26, 6));
        b.closeSubpath();
        ink(p, b, hairShade(b.boundingRect(), m.hair), 1.6);
        // the mouth shows through the beard
        p.setPen(QPen(QColor(90, 30, 36), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(h + QPointF(-6, 26), h + QPointF(6, 26));
        p.setPen(QPen(shade(m.hair, 0.6), 1.0));
        for (int i = -2; i <= 2; ++i) p.drawLine(h + QPointF(i * 7, 33), h + QPointF(i * 5.5, 44));
    }
    QPainterPath cap;
    switch (m.hairStyle) {
        case HairStyle::Short:
        case HairStyle::Bob:
        case HairStyle::Long:
            cap = hairCap(h, 0, 0, 5, 8);
            break;
        case HairStyle::Spiky:
            cap = hairCap(h, 8, 0.32, 4, 9);
            break;
        case HairStyle::Wild:
            cap = hairCap(h, 11, 0.28, 6, 10);
            break;
        case HairStyle::Old: {
            for (int s : {-1, 1}) {
                QPainterPath tuft;
                tuft.moveTo(h + QPointF(s * 22, -14));
                tuft.quadTo(h + QPointF(s * 40, -20), h + QPointF(s * 38, -2));
                tuft.quadTo(h + QPointF(s * 44, 6), h + QPointF(s * 32, 14));
                tuft.quadTo(h + QPointF(s * 30, 2), h + QPointF(s * 24, 4));
                tuft.closeSubpath();
                cap.addPath(tuft);
            }
            break;
        }
    }
    if (!cap.isEmpty()) ink(p, cap, hairShade(cap.boundingRect(), m.hair), 1.7);
    if (m.hairStyle == HairStyle::Long || m.hairStyle == HairStyle::Bob) {
        for (int s : {-1, 1}) {
            const QPainterPath lock =
                taper(h + QPointF(s * 25, -8), h + QPointF(s * 31, 14), h + QPointF(s * 30, 30),
                      h + QPointF(s * 27, 44), 10, 3);
            ink(p, lock, hairShade(lock.boundingRect(), m.hair), 1.4);
        }
    }
}

void drawPerson(QPainter& p, const Person& m) {
    drawBackHair(p, m);
    drawLegs(p, m);
    drawBody(p, m);
    drawArm(p, m, 0);
    drawArm(p, m, 1);
    drawHead(p, m);
}

// ---------------------------------------------------------------- wings and glows

void featherWing(QPainter& p, QPointF root, double span, int dir, const QColor& colour,
                 double liftDeg) {
    p.save();
    p.translate(root);
    p.scale(dir, 1);
    p.rotate(-liftDeg);
    const QPointF wrist(span * 0.5, -span * 0.62);
    const QPointF tip(span * 1.08, -span * 0.48);
    const QPointF middle(span * 0.5, -span * 0.22);
    // the tips of the long feathers, from the wing tip back towards the body
    constexpr int kFeathers = 8;
    std::vector<QPointF> tips;
    for (int i = 0; i < kFeathers; ++i) {
        const double t = double(i) / (kFeathers - 1);
        tips.push_back(
            QPointF(tip.x() + (span * 0.14 - tip.x()) * t,
                    tip.y() + (span * 0.34 - tip.y()) * t + std::sin(t * M_PI) * span * 0.3));
    }
    QPainterPath wing(QPointF(0, 0));
    wing.cubicTo(QPointF(span * 0.08, -span * 0.42),
                 QPointF(wrist.x() - span * 0.16, wrist.y() - span * 0.06), wrist);
    wing.quadTo(QPointF(span * 0.86, -span * 0.72), tips.front());
    for (size_t i = 1; i < tips.size(); ++i) {
        const QPointF mid = (tips[i - 1] + tips[i]) / 2;
        // each long feather ends in a rounded tip
        const QPointF notch = mid + (middle - mid) * 0.16;
        wing.cubicTo(tips[i - 1] + (tips[i - 1] - middle) * 0.06, notch, notch);
        wing.quadTo(tips[i] + (tips[i] - middle) * 0.1, tips[i]);
    }
    wing.quadTo(QPointF(span * 0.02, span * 0.2), QPointF(0, 0));
    wing.closeSubpath();
    QLinearGradient g(QPointF(0, -span * 0.7), QPointF(0, span * 0.5));
    g.setColorAt(0, shade(colour, 1.3));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, shade(colour, 0.8));
    ink(p, wing, g, 1.6);
    p.save();
    p.setClipPath(wing);
    // the shafts of the long feathers
    p.setPen(QPen(shade(colour, 0.7), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (size_t i = 1; i + 1 < tips.size(); ++i) {
        const QPointF mid = (tips[i - 1] + tips[i]) / 2;
        const QPointF notch = mid + (middle - mid) * 0.16;
        const double t = double(i) / (kFeathers - 1);
        const QPointF from =
            lerp(lerp(QPointF(span * 0.1, -span * 0.25), wrist, 0.3), tip, (1 - t) * 0.9);
        p.drawLine(lerp(from, notch, 0.45), notch);
    }
    // two rows of small covert feathers along the arm of the wing
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 2; ++row) {
        QPainterPath coverts;
        const double drop = span * (0.12 + row * 0.14);
        const QPointF a(span * 0.06, -span * 0.14 + drop),
            b = wrist + QPointF(span * 0.02, drop), c = tip + QPointF(-span * 0.2, drop * 0.7);
        coverts.moveTo(a);
        constexpr int kBumps = 9;
        QPointF prev = a;
        for (int k = 1; k <= kBumps; ++k) {
            const double t = double(k) / kBumps;
            const QPointF pt = t < 0.5 ? lerp(a, b, t * 2) : lerp(b, c, (t - 0.5) * 2);
            coverts.quadTo((prev + pt) / 2 + QPointF(0, span * 0.05), pt);
            prev = pt;
        }
        p.setPen(QPen(shade(colour, 0.72), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(coverts);
    }
    p.restore();
    p.restore();
}

void mothWing(QPainter& p, QPointF root, double span, int dir, const QColor& colour,
              const QColor& spot) {
    p.save();
    p.translate(root);
    p.scale(dir, 1);
    QPainterPath fore;
    fore.moveTo(0, 0);
    fore.cubicTo(span * 0.3, -span * 0.5, span * 0.9, -span * 0.75, span * 1.05, -span * 0.55);
    fore.cubicTo(span * 1.1, -span * 0.3, span * 0.8, -span * 0.05, span * 0.1, span * 0.08);
    fore.closeSubpath();
    QPainterPath hind;
    hind.moveTo(span * 0.05, span * 0.05);
    hind.cubicTo(span * 0.6, span * 0.05, span * 0.8, span * 0.35, span * 0.6, span * 0.6);
    hind.cubicTo(span * 0.4, span * 0.75, span * 0.15, span * 0.5, 0, span * 0.12);
    hind.closeSubpath();
    for (const QPainterPath* w : {&hind, &fore}) {
        QRadialGradient g(QPointF(0, 0), span * 1.1);
        g.setColorAt(0, shade(colour, 0.7));
        g.setColorAt(0.6, colour);
        g.setColorAt(1, shade(colour, 1.3));
        ink(p, *w, g, 1.5);
    }
    p.setPen(QPen(shade(colour, 0.55), 1.1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const double a = (-50 + i * 12) * M_PI / 180;
        p.drawLine(QPointF(span * 0.05, 0),
                   QPointF(std::cos(a) * span * 0.95, std::sin(a) * span * 0.7));
    }
    for (const auto& [c, r] : {std::pair{QPointF(span * 0.68, -span * 0.42), span * 0.14},
                               std::pair{QPointF(span * 0.42, span * 0.38), span * 0.1}}) {
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(20, 10, 20));
        g.setColorAt(0.35, QColor(20, 10, 20));
        g.setColorAt(0.4, spot);
        g.setColorAt(0.85, spot);
        g.setColorAt(0.9, QColor(30, 20, 30));
        g.setColorAt(1, QColor(30, 20, 30, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(c + QPointF(-r * 0.15, -r * 0.15), r * 0.1, r * 0.1);
    }
    p.restore();
}

void aura(QImage& img, QPointF centre, double rx, double ry, const QColor& colour) {
    QPainterPath e;
    e.addEllipse(centre, rx, ry);
    paintGlow(img, e, colour, static_cast<int>(std::min(rx, ry) * 0.35) + 4, true);
}

}  // namespace quill::assetgen::scene
