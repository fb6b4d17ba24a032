// The adventurer's gear: the weapon in the leading hand (it grows from a stick to a radiant
// blade), the shield or spell in the other hand, and the motes of light of the top bands.
#include "adventurer.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace quill::assetgen::adventurer {

namespace {

const QColor kWood(150, 100, 56);

QColor bladeOf(const Look& look) {
    const QColor steel(212, 220, 234);
    if (look.band >= 5) return mixColour(steel, look.form.pal.glow, look.band >= 6 ? 0.45 : 0.3);
    return steel;
}

// Two-tone bevelled blade colour: light left face, shaded right face.
QLinearGradient bevel(double halfWidth, const QColor& c) {
    QLinearGradient g(QPointF(-halfWidth, 0), QPointF(halfWidth, 0));
    g.setColorAt(0.0, shade(c, 1.35));
    g.setColorAt(0.48, shade(c, 1.1));
    g.setColorAt(0.52, shade(c, 0.78));
    g.setColorAt(1.0, shade(c, 0.6));
    return g;
}

QRadialGradient gemLight(QPointF c, double r, const QColor& col) {
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.35, shade(col, 1.2));
    g.setColorAt(1, shade(col, 0.5));
    return g;
}

// A solid sheath of light around glowing steel; hard-edged like the rest of the sprite.
void lightSheath(QPainter& p, const QPainterPath& path, const Look& look, double width) {
    if (look.band < 5) return;
    const QColor g = look.form.pal.glow;
    strokeLine(p, path, shade(g, 0.75), width + 3);
    strokeLine(p, path, shade(g, 1.25), width);
}

void woodenStick(QPainter& p, double top, double bottom, double w) {
    QPainterPath s;
    s.moveTo(-w * 0.5, bottom);
    s.lineTo(-w * 0.55, -top * 0.5);
    s.lineTo(-w * 0.7, -top * 0.5 - 4);
    s.lineTo(-w * 0.5, -top * 0.5 - 8);
    s.lineTo(-w * 0.45, -top + 4);
    s.quadTo(0, -top - 3, w * 0.45, -top + 4);
    s.lineTo(w * 0.55, bottom);
    s.closeSubpath();
    ink(p, s, bevel(w * 0.6, kWood), 1.5);
    p.setPen(QPen(shade(kWood, 0.6), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -top * 0.3), QPointF(-1, -top * 0.3 - 14));
    p.drawLine(QPointF(1, -top * 0.72), QPointF(0, -top * 0.72 - 10));
}

void sword(QPainter& p, const Look& look) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    p.save();
    p.translate(look.body.frontHand);
    p.rotate(-12);
    if (band == 0) {
        woodenStick(p, 128, 14, 8);
        p.restore();
        return;
    }
    static constexpr double kLen[kBands] = {0, 92, 118, 138, 150, 164, 174};
    static constexpr double kWidth[kBands] = {0, 10, 11, 12, 16, 18, 20};
    static constexpr double kGuard[kBands] = {0, 24, 28, 32, 40, 44, 50};
    const double len = kLen[band], hw = kWidth[band] / 2, gw = kGuard[band] / 2;
    const double base = -12;
    QPainterPath blade = polygonPath(
        {{-hw, base}, {-hw, -len + hw * 2}, {0, -len}, {hw, -len + hw * 2}, {hw, base}});
    lightSheath(p, blade, look, 9);
    const QColor steel = bladeOf(look);
    ink(p, blade, bevel(hw, steel), 1.5);
    if (band >= 3) {
        QPainterPath fuller(QPointF(0, base - 6));
        fuller.lineTo(0, -len * 0.72);
        strokeLine(p, fuller, band >= 5 ? pal.glow : shade(steel, 0.7), band >= 4 ? 3 : 2);
    }
    if (band >= 5) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        for (int i = 0; i < 4; ++i) {
            const double y = base - 26 - i * 24;
            p.drawPath(starPath(QPointF(0, y), 3.4, 1.2, 4, 0));
        }
    }
    // guard
    QPainterPath guard;
    if (band >= 6) {
        // wings sweeping up from the guard
        guard.moveTo(-5, base + 2);
        guard.cubicTo(-gw * 0.6, base + 2, -gw, base - 4, -gw - 4, base - 22);
        guard.cubicTo(-gw * 0.7, base - 14, -gw * 0.4, base - 10, -5, base - 8);
        guard.lineTo(5, base - 8);
        guard.cubicTo(gw * 0.4, base - 10, gw * 0.7, base - 14, gw + 4, base - 22);
        guard.cubicTo(gw, base - 4, gw * 0.6, base + 2, 5, base + 2);
        guard.closeSubpath();
    } else if (band >= 4) {
        guard.moveTo(-gw, base - 8);
        guard.quadTo(-gw * 0.5, base - 2, 0, base - 5);
        guard.quadTo(gw * 0.5, base - 2, gw, base - 8);
        guard.lineTo(gw + 2, base - 1);
        guard.quadTo(0, base + 5, -gw - 2, base - 1);
        guard.closeSubpath();
    } else {
        guard.addRoundedRect(QRectF(-gw, base - 6, 2 * gw, 6), 2.5, 2.5);
    }
    const QColor guardCol = band >= 4 ? QColor(pal.trim) : shade(metalOf(look), 0.9);
    ink(p, guard, shiny(guard.boundingRect(), guardCol), 1.4);
    if (band >= 3) {
        QPainterPath gem;
        gem.addEllipse(QPointF(0, base - 4), band >= 5 ? 4.5 : 3.2, band >= 5 ? 4.5 : 3.2);
        ink(p, gem, gemLight(QPointF(0, base - 4), 4, band >= 5 ? pal.glow : pal.accent), 1.0);
    }
    // grip and pommel
    QPainterPath grip;
    grip.addRect(QRectF(-3, base + 1, 6, 26));
    ink(p, grip, bevel(3, pal.leather), 1.2);
    QPainterPath pommel;
    pommel.addEllipse(QPointF(0, base + 30), 4.6, 4.2);
    ink(p, pommel, shiny(pommel.boundingRect(), guardCol), 1.2);
    p.restore();
}

void katana(QPainter& p, const Look& look) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    p.save();
    p.translate(look.body.frontHand);
    p.rotate(-14);
    static constexpr double kLen[kBands] = {124, 104, 126, 144, 154, 166, 176};
    const double len = kLen[band];
    const double w = band == 0 ? 11 : 11 + band * 0.9;
    const double base = -12;
    const QPainterPath blade =
        taper(QPointF(0, base), QPointF(0, base - len * 0.4), QPointF(4, base - len * 0.75),
              QPointF(12, base - len), w, 1.2);
    if (band == 0) {
        ink(p, blade, bevel(w / 2, kWood), 1.5);
    } else {
        lightSheath(p, blade, look, 8);
        const QColor steel = bladeOf(look);
        ink(p, blade, bevel(w / 2, steel), 1.5);
        // temper line along the edge
        QPainterPath hamon(QPointF(-w * 0.2, base - 4));
        for (int i = 1; i <= 8; ++i) {
            const double t = i / 9.0;
            const QPointF c = bezierAt(QPointF(0, base), QPointF(0, base - len * 0.4),
                                       QPointF(4, base - len * 0.75), QPointF(12, base - len), t);
            hamon.lineTo(c + QPointF(-w * (0.18 + 0.08 * (i % 2)) * (1 - t), 0));
        }
        strokeLine(p, hamon, band >= 5 ? QColor(255, 255, 255) : shade(steel, 1.4), 1.4);
    }
    // round guard
    QPainterPath tsuba;
    tsuba.addEllipse(QPointF(0, base - 2), 10 + band * 0.9, 4.5);
    const QColor guardCol = band >= 4 ? QColor(pal.trim) : shade(metalOf(look), 0.8);
    ink(p, tsuba, shiny(tsuba.boundingRect(), guardCol), 1.3);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(-3.5, base + 2, 7, 34), 2, 2);
    ink(p, grip, bevel(3.5, band >= 3 ? pal.accent : QColor(60, 44, 50)), 1.2);
    p.setPen(QPen(QColor(240, 232, 220), 1.0));
    for (int i = 0; i < 4; ++i) {
        const double y = base + 6 + i * 7;
        p.drawLine(QPointF(-3, y), QPointF(3, y + 3.5));
        p.drawLine(QPointF(3, y), QPointF(-3, y + 3.5));
    }
    p.restore();
}

// The headpiece of a staff: ring, cog, crescent, crystal and light, by people and band.
void staffHead(QPainter& p, const Look& look, QPointF top) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    const Race race = look.form.race;
    const QColor metal = metalOf(look);
    if (band == 0) {
        QPainterPath knob;
        knob.addEllipse(top + QPointF(0, 2), 8, 9);
        ink(p, knob, gemLight(top, 8, kWood), 1.4);
        return;
    }
    const double cr = 4 + band * 1.6;  // crystal size
    const QPointF cc = top + QPointF(0, -cr - 6);
    if (band >= 6) {
        const QPainterPath burst = starPath(cc, cr * 3.2, cr * 1.3, 8, 22.5);
        ink(p, burst, shade(pal.glow, 1.2), 1.3);
    }
    if (band >= 3) {
        const double rr = cr + 10;
        QPainterPath frame;
        if (race == Race::Krvo) {
            frame = starPath(cc, rr + 3, rr - 0.5, 14, 0);
            QPainterPath hole;
            hole.addEllipse(cc, rr - 5, rr - 5);
            frame = frame.subtracted(hole);
        } else if (race == Race::Masked || race == Race::Demon) {
            QPainterPath outer;
            outer.addEllipse(cc, rr, rr);
            QPainterPath bite;
            bite.addEllipse(cc + QPointF(0, -rr * 0.42), rr * 0.86, rr * 0.86);
            frame = outer.subtracted(bite);
        } else {
            frame.addEllipse(cc, rr, rr);
            QPainterPath hole;
            hole.addEllipse(cc, rr - 4, rr - 4);
            frame = frame.subtracted(hole);
        }
        ink(p, frame, shiny(frame.boundingRect(), band >= 4 ? QColor(pal.trim) : metal), 1.4);
        if (band >= 4) {
            for (int side : {-1, 1}) {
                QPainterPath curl;
                curl.moveTo(cc + QPointF(side * (rr - 2), 4));
                curl.cubicTo(cc + QPointF(side * (rr + 14), 0), cc + QPointF(side * (rr + 16), 18),
                             cc + QPointF(side * (rr + 4), 16));
                strokeLine(p, curl, kInk, 5);
                strokeLine(p, curl, pal.trim, 3);
            }
        }
    } else {
        // claw of wood holding the stone
        for (int side : {-1, 1}) {
            QPainterPath prong(top);
            prong.quadTo(top + QPointF(side * (cr + 4), -cr),
                         top + QPointF(side * cr * 0.6, -cr * 2 - 6));
            strokeLine(p, prong, kInk, 5);
            strokeLine(p, prong, kWood, 3);
        }
    }
    QPainterPath crystal = polygonPath({{cc + QPointF(0, -cr * 1.5)},
                                        {cc + QPointF(cr * 0.85, -cr * 0.3)},
                                        {cc + QPointF(cr * 0.6, cr * 1.1)},
                                        {cc + QPointF(0, cr * 1.5)},
                                        {cc + QPointF(-cr * 0.6, cr * 1.1)},
                                        {cc + QPointF(-cr * 0.85, -cr * 0.3)}});
    if (band >= 5) lightSheath(p, crystal, look, 6);
    const QColor gem = band == 1   ? QColor(150, 160, 180)
                       : band >= 5 ? QColor(pal.glow)
                                   : QColor(pal.accent);
    ink(p, crystal, gemLight(cc, cr, gem), 1.3);
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    p.drawLine(cc + QPointF(-cr * 0.3, -cr * 0.9), cc + QPointF(-cr * 0.45, cr * 0.4));
}

void staff(QPainter& p, const Look& look) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    p.save();
    p.translate(look.body.frontHand);
    p.rotate(-4);
    const double top = 166 + band * 3.5;
    const double bottom = 156;
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(-3.6, -top, 7.2, top + bottom), 3, 3);
    const bool metalShaft = band >= 3;
    const QColor col = metalShaft ? metalOf(look) : kWood;
    ink(p, shaft, bevel(3.6, col), 1.4);
    if (band >= 2) {
        for (double y : {-top + 12, -top * 0.5, bottom - 14.0}) {
            QPainterPath ring;
            ring.addRoundedRect(QRectF(-5, y - 3, 10, 6), 2, 2);
            ink(p, ring, shiny(ring.boundingRect(), band >= 4 ? QColor(pal.trim) : metalOf(look)),
                1.1);
        }
    }
    if (look.form.race == Race::Masked && band >= 1) {
        // little bells on a cord below the head
        QPainterPath cord(QPointF(0, -top + 18));
        cord.quadTo(QPointF(-10, -top + 34), QPointF(-8, -top + 52));
        strokeLine(p, cord, pal.accent, 1.6);
        QPainterPath bell;
        bell.addEllipse(QPointF(-8, -top + 55), 4, 4);
        ink(p, bell, shiny(bell.boundingRect(), pal.trim), 1.0);
    }
    staffHead(p, look, QPointF(0, -top));
    p.restore();
}

void spear(QPainter& p, const Look& look) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    const bool demon = look.form.race == Race::Demon;
    p.save();
    p.translate(look.body.frontHand);
    p.rotate(-4);
    const double top = 168 + band * 2.2;
    const double bottom = 150;
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(-3, -top, 6, top + bottom), 2.5, 2.5);
    ink(p, shaft, bevel(3, band >= 4 ? shade(metalOf(look), 0.75) : kWood), 1.4);
    if (band == 0) {
        QPainterPath point = polygonPath({{-3, -top + 2}, {0, -top - 16}, {3, -top + 2}});
        ink(p, point, bevel(3, shade(kWood, 1.2)), 1.3);
        p.restore();
        return;
    }
    const double headLen = 22 + band * 4;
    const double hw = 4 + band * 0.9;
    const QColor steel = bladeOf(look);
    QPainterPath head;
    head.moveTo(0, -top - headLen);
    head.quadTo(hw * 1.4, -top - headLen * 0.45, hw * 0.5, -top + 2);
    head.lineTo(-hw * 0.5, -top + 2);
    head.quadTo(-hw * 1.4, -top - headLen * 0.45, 0, -top - headLen);
    head.closeSubpath();
    QPainterPath extra;
    if (band >= 3) {
        if (demon) {
            // trident prongs
            for (int side : {-1, 1}) {
                QPainterPath prong;
                prong.moveTo(side * 3, -top + 2);
                prong.quadTo(side * (hw + 10), -top - 2, side * (hw + 8), -top - headLen * 0.7);
                prong.lineTo(side * (hw + 4), -top - headLen * 0.45);
                prong.quadTo(side * (hw + 4), -top - 6, side * 2, -top - 4);
                prong.closeSubpath();
                extra.addPath(prong);
            }
        } else {
            // wings below the head
            for (int side : {-1, 1}) {
                QPainterPath wing;
                wing.moveTo(0, -top + 4);
                wing.quadTo(side * (hw + 8), -top, side * (hw + 14), -top - 10 - band);
                wing.quadTo(side * (hw + 6), -top - 4, side * 2, -top - 6);
                wing.closeSubpath();
                extra.addPath(wing);
            }
        }
    }
    if (band >= 5) {
        lightSheath(p, head, look, 7);
        if (!extra.isEmpty()) lightSheath(p, extra, look, 5);
    }
    if (!extra.isEmpty()) {
        ink(p, extra, shiny(extra.boundingRect(), band >= 4 ? QColor(pal.trim) : steel), 1.3);
    }
    ink(p, head, bevel(hw, steel), 1.4);
    QPainterPath socket;
    socket.addRoundedRect(QRectF(-4.5, -top, 9, 12), 2, 2);
    ink(p, socket, shiny(socket.boundingRect(), band >= 4 ? QColor(pal.trim) : metalOf(look)), 1.2);
    if (band >= 2) {
        // tassel
        QPainterPath tassel;
        tassel.moveTo(-2, -top + 12);
        tassel.cubicTo(10, -top + 20, 12, -top + 34, 8, -top + 44);
        tassel.lineTo(2, -top + 42);
        tassel.cubicTo(6, -top + 30, 2, -top + 22, -2, -top + 16);
        tassel.closeSubpath();
        ink(p, tassel, QColor(pal.accent), 1.2);
    }
    if (band >= 4) {
        QPainterPath gem;
        gem.addEllipse(QPointF(0, -top + 6), 3.2, 3.2);
        ink(p, gem, gemLight(QPointF(0, -top + 6), 3.2, pal.glow), 1.0);
    }
    p.restore();
}

void axe(QPainter& p, const Look& look) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    p.save();
    p.translate(look.body.frontHand);
    p.rotate(-6);
    const double top = 132 + band * 6;
    QPainterPath shaft;
    shaft.addRoundedRect(QRectF(-4, -top, 8, top + 34), 3, 3);
    ink(p, shaft, bevel(4, band >= 4 ? shade(metalOf(look), 0.7) : kWood), 1.4);
    if (band == 0) {
        // a knotted club
        QPainterPath club;
        club.addEllipse(QPointF(0, -top + 10), 11, 20);
        ink(p, club, bevel(11, kWood), 1.5);
        p.setPen(QPen(shade(kWood, 0.55), 1.4));
        p.drawEllipse(QPointF(-3, -top + 4), 2.5, 2);
        p.drawEllipse(QPointF(4, -top + 16), 2, 2.5);
        p.restore();
        return;
    }
    const double reach = 12 + band * 3.3;
    const double span = 26 + band * 5;
    const double hy = -top + 16;
    auto bit = [&](int side, double r, double s) {
        QPainterPath b;
        b.moveTo(side * 3, hy - s * 0.25);
        b.quadTo(side * r * 0.5, hy - s * 0.32, side * r, hy - s * 0.55);
        b.quadTo(side * (r + 8), hy, side * r, hy + s * 0.5);
        b.quadTo(side * r * 0.5, hy + s * 0.28, side * 3, hy + s * 0.25);
        b.closeSubpath();
        return b;
    };
    QPainterPath blades = bit(-1, reach, span);
    if (band >= 4) blades.addPath(bit(1, reach * 0.8, span * 0.85));
    blades = blades.simplified();
    lightSheath(p, blades, look, 8);
    const QColor steel = bladeOf(look);
    ink(p, blades, shiny(blades.boundingRect(), steel), 1.5);
    // edge highlight
    QPainterPath edge(QPointF(-reach + 1, hy - span * 0.45));
    edge.quadTo(-reach - 6, hy, -reach + 1, hy + span * 0.42);
    strokeLine(p, edge, QColor(255, 255, 255), 1.6);
    QPainterPath collar;
    collar.addRoundedRect(QRectF(-6, hy - 9, 12, 18), 3, 3);
    ink(p, collar, shiny(collar.boundingRect(), band >= 4 ? QColor(pal.trim) : metalOf(look)), 1.3);
    if (band >= 3) {
        QPainterPath spike =
            polygonPath({{-4, -top + 2}, {0, -top - 14 - band * 2}, {4, -top + 2}});
        ink(p, spike, bevel(4, steel), 1.2);
    }
    if (band >= 5) {
        QPainterPath gem;
        gem.addEllipse(QPointF(0, hy), 3.6, 3.6);
        ink(p, gem, gemLight(QPointF(0, hy), 3.6, pal.glow), 1.0);
    }
    p.restore();
}

void shield(QPainter& p, const Look& look) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    const QPointF c = look.body.rearHand + QPointF(0, -14);
    const QColor metal = metalOf(look);
    if (band <= 2) {
        const double r = band == 0 ? 18 : band == 1 ? 21 : 24;
        QPainterPath disc;
        disc.addEllipse(c, r * 0.8, r);
        ink(p, disc, lit(disc.boundingRect(), kWood), 1.7);
        p.setPen(QPen(shade(kWood, 0.6), 1.2));
        p.drawLine(c + QPointF(-r * 0.28, -r * 0.95), c + QPointF(-r * 0.28, r * 0.95));
        p.drawLine(c + QPointF(r * 0.28, -r * 0.95), c + QPointF(r * 0.28, r * 0.95));
        if (band >= 2) {
            QPainterPath rim;
            rim.addEllipse(c, r * 0.8, r);
            strokeLine(p, rim, kInk, 5);
            strokeLine(p, rim, metal, 3);
        }
        QPainterPath boss;
        boss.addEllipse(c, 5.5, 6);
        ink(p, boss, shiny(boss.boundingRect(), metal), 1.2);
        return;
    }
    const double w = 22 + band * 2.2, h = 34 + band * 3;
    auto heater = [&](double inset) {
        QPainterPath s;
        s.moveTo(c + QPointF(-w + inset, -h * 0.45 + inset));
        s.quadTo(c + QPointF(0, -h * 0.58 + inset), c + QPointF(w - inset, -h * 0.45 + inset));
        s.cubicTo(c + QPointF(w - inset, h * 0.1), c + QPointF(w * 0.6, h * 0.55),
                  c + QPointF(0, h * 0.75 - inset * 1.2));
        s.cubicTo(c + QPointF(-w * 0.6, h * 0.55), c + QPointF(-w + inset, h * 0.1),
                  c + QPointF(-w + inset, -h * 0.45 + inset));
        s.closeSubpath();
        return s;
    };
    const QPainterPath outer = heater(0);
    if (band >= 6) {
        for (int side : {-1, 1}) {
            QPainterPath wing;
            const QPointF root = c + QPointF(side * w * 0.8, -h * 0.4);
            wing.moveTo(root);
            wing.quadTo(root + QPointF(side * 14, -14), root + QPointF(side * 8, -30));
            wing.quadTo(root + QPointF(side * 2, -16), root + QPointF(-side * 8, -6));
            wing.closeSubpath();
            ink(p, wing, shiny(wing.boundingRect(), pal.trim), 1.3);
        }
    }
    ink(p, outer, shiny(outer.boundingRect(), band >= 4 ? QColor(pal.trim) : metal), 1.8);
    const QPainterPath field = heater(band >= 4 ? 5 : 3.5);
    ink(p, field, lit(field.boundingRect(), pal.cloth), 1.2);
    // emblem: a bird with spread wings over a star
    const QPainterPath star = starPath(c + QPointF(0, -2), band >= 5 ? 14 : 11, 5, 4, 0);
    ink(p, star, shiny(star.boundingRect(), band >= 4 ? QColor(pal.trim) : QColor(240, 240, 250)),
        1.1);
    if (band >= 5) {
        QPainterPath gem;
        gem.addEllipse(c + QPointF(0, -2), 4.5, 4.5);
        ink(p, gem, gemLight(c + QPointF(0, -2), 4.5, pal.glow), 1.0);
    }
    QPainterPath cross;
    cross.moveTo(c + QPointF(0, 14));
    cross.lineTo(c + QPointF(0, h * 0.6));
    strokeLine(p, cross, band >= 4 ? QColor(pal.trim) : QColor(240, 240, 250), 3);
}

void spellOrb(QPainter& p, const Look& look) {
    const int band = look.band;
    const Palette& pal = look.form.pal;
    const QPointF c = look.body.rearHand + QPointF(8, -22);
    const double r = 6 + band * 1.4;
    if (band >= 5) {
        const QPainterPath spikes = starPath(c, r * 2.1, r * 0.9, 6, 15);
        ink(p, spikes, shade(pal.glow, 1.15), 1.1);
    }
    QPainterPath orb;
    orb.addEllipse(c, r, r);
    ink(p, orb, gemLight(c, r, band >= 5 ? pal.glow : pal.accent), 1.3);
    QPainterPath ring;
    ring.addEllipse(c, r + 6, (r + 6) * 0.32);
    QPainterPath front = ring.subtracted([&] {
        QPainterPath h;
        h.addEllipse(c, r + 4, (r + 4) * 0.26);
        return h;
    }());
    ink(p, front, QColor(pal.trim), 0.9);
}

}  // namespace

void drawWeapon(QPainter& p, const Look& look) {
    switch (look.form.arms) {
        case Arms::Sword:
            sword(p, look);
            break;
        case Arms::Katana:
            katana(p, look);
            break;
        case Arms::Staff:
            staff(p, look);
            break;
        case Arms::Spear:
            spear(p, look);
            break;
        case Arms::Axe:
            axe(p, look);
            break;
    }
}

void drawOffHand(QPainter& p, const Look& look) {
    if (look.form.shield) {
        if (look.band >= 1) shield(p, look);
        return;
    }
    if (look.form.arms == Arms::Staff && look.band >= 3) spellOrb(p, look);
}

void drawSparkles(QPainter& p, const Look& look) {
    if (look.band < 5) return;
    const Palette& pal = look.form.pal;
    const Body& b = look.body;
    Rng rng(0xad7e27u + static_cast<uint64_t>(look.band) * 131 +
            static_cast<uint64_t>(pal.cloth.rgb() & 0xffffff));
    const int count = look.band >= 6 ? 30 : 16;
    int placed = 0;
    for (int tries = 0; placed < count && tries < 400; ++tries) {
        const double x = rng.range(8, kW - 8);
        const double y = rng.range(12, kH - 20);
        // keep the face and chest clear
        if (std::abs(x - b.cx) < 44 && y > 30 && y < 300) continue;
        const double s = rng.range(2.5, look.band >= 6 ? 9.0 : 7.0);
        const int kind = rng.below(3);
        const QColor col = kind == 0 ? QColor(255, 255, 255) : kind == 1 ? pal.glow : pal.trim;
        if (s < 4) {
            QPainterPath dot;
            dot.addEllipse(QPointF(x, y), s * 0.5, s * 0.5);
            ink(p, dot, col, 0.8);
        } else {
            const QPainterPath star = starPath(QPointF(x, y), s, s * 0.28, 4, 0);
            ink(p, star, col, 0.9);
        }
        ++placed;
    }
}

}  // namespace quill::assetgen::adventurer
