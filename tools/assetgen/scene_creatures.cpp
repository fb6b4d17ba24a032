// The rare creatures of the free walk, each standing in a place of its own: the knight of light
// and its crowned form, the ghost, the weirdo, the weakling blob in its three sizes, the great
// dragon and its child, and the masked wanderer.
#include "scene_art.h"

#include <cmath>

namespace quill::assetgen::scene {

namespace {

// ---------------------------------------------------------------- the knight of light

Outdoor holyRuins(bool golden) {
    Outdoor o;
    if (golden) {
        o.skyTop = qRgb(170, 110, 60);
        o.skyMid = qRgb(250, 190, 110);
        o.skyLow = qRgb(255, 240, 200);
        o.glowColour = qRgb(255, 250, 220);
        o.glow = 0.8;
        o.cloudLight = qRgb(255, 246, 220);
        o.cloudDark = qRgb(220, 150, 110);
    } else {
        o.glow = 0.5;
    }
    o.setGround(golden ? qRgb(200, 190, 120) : qRgb(150, 196, 110),
                golden ? qRgb(150, 140, 80) : qRgb(96, 160, 76), qRgb(230, 230, 170));
    o.horizon = 240;
    o.sun = QPointF(kStageX, 120);
    o.clouds = 0.4;
    o.ridges = {{238, 50, 140, 0.3, golden ? qRgb(200, 150, 140) : qRgb(130, 160, 200),
                 golden ? qRgb(250, 220, 190) : qRgb(200, 220, 236), 1101}};
    o.pathWidth = 200;
    o.pathColour = qRgb(226, 220, 206);
    o.pathX = kStageX;
    o.seed = 1102;
    return o;
}

void knightSword(QPainter& p, double s, bool grand) {
    const double len = grand ? 94 : 88;
    const double w = grand ? 18 : 14;
    const QPainterPath blade =
        polygonPath({QPointF(-w / 2, -98), QPointF(w / 2, -98), QPointF(w / 2, -98 + len - 16),
                     QPointF(0, -98 + len), QPointF(-w / 2, -98 + len - 16)});
    QLinearGradient bg(QPointF(-w / 2, 0), QPointF(w / 2, 0));
    bg.setColorAt(0, QColor(255, 255, 255));
    bg.setColorAt(0.5, QColor(210, 226, 246));
    bg.setColorAt(0.51, QColor(160, 180, 210));
    bg.setColorAt(1, QColor(120, 140, 180));
    ink(p, blade, bg, 1.5 / s);
    p.setPen(QPen(QColor(255, 230, 140), 2.0));
    p.drawLine(QPointF(0, -94), QPointF(0, -98 + len - 20));
    QPainterPath guard;
    guard.moveTo(-38, -96);
    guard.quadTo(-44, -90, -36, -110);
    guard.quadTo(0, -100, 36, -110);
    guard.quadTo(44, -90, 38, -96);
    guard.quadTo(0, -90, -38, -96);
    ink(p, guard, shiny(guard.boundingRect(), QColor(236, 190, 70)), 1.4);
    QPainterPath grip;
    grip.addRect(QRectF(-5, -136, 10, 40));
    ink(p, grip, lit(grip.boundingRect(), QColor(120, 70, 40)), 1.3);
    QPainterPath pommel;
    pommel.addEllipse(QPointF(0, -142), 8, 8);
    QRadialGradient pg(QPointF(-2, -144), 9);
    pg.setColorAt(0, QColor(255, 255, 255));
    pg.setColorAt(0.5, QColor(120, 200, 255));
    pg.setColorAt(1, QColor(40, 90, 200));
    ink(p, pommel, pg, 1.3);
}

void knightHelm(QPainter& p, QPointF h, const QColor& plate, const QColor& gold, bool crowned) {
    // the golden mane of the beast
    QPainterPath mane;
    const int spikes = 18;
    for (int i = 0; i <= spikes * 2; ++i) {
        const double a = M_PI * 2 * i / (spikes * 2);
        const double r = i % 2 == 0 ? 58 : 40;
        const QPointF pt = h + QPointF(std::cos(a) * r, std::sin(a) * r * 0.95 + 8);
        if (i == 0)
            mane.moveTo(pt);
        else
            mane.quadTo(h + QPointF(std::cos(a - 0.09) * 52, std::sin(a - 0.09) * 50 + 8), pt);
    }
    mane.closeSubpath();
    QRadialGradient mg(h + QPointF(-14, -10), 70);
    mg.setColorAt(0, QColor(255, 246, 190));
    mg.setColorAt(0.6, gold);
    mg.setColorAt(1, shade(gold, 0.65));
    ink(p, mane, mg, 1.6);
    // ears
    for (int s : {-1, 1}) {
        const QPainterPath ear = polygonPath(
            {h + QPointF(s * 14, -30), h + QPointF(s * 30, -52), h + QPointF(s * 32, -22)});
        ink(p, ear, shiny(ear.boundingRect(), plate), 1.4);
    }
    QPainterPath helm;
    helm.moveTo(h + QPointF(-28, 26));
    helm.cubicTo(h + QPointF(-34, -8), h + QPointF(-30, -38), h + QPointF(0, -40));
    helm.cubicTo(h + QPointF(30, -38), h + QPointF(34, -8), h + QPointF(28, 26));
    helm.quadTo(h + QPointF(14, 38), h + QPointF(0, 40));
    helm.quadTo(h + QPointF(-14, 38), h + QPointF(-28, 26));
    helm.closeSubpath();
    ink(p, helm, shiny(helm.boundingRect(), plate), 1.8);
    // a muzzle-like face plate with the glowing slit of the visor
    p.setPen(QPen(shade(gold, 0.8), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(h + QPointF(0, -38), h + QPointF(0, -6));
    QPainterPath visor;
    visor.addRoundedRect(QRectF(h.x() - 22, h.y() + 0, 44, 7), 3, 3);
    visor.addRoundedRect(QRectF(h.x() - 3, h.y() + 4, 6, 22), 2, 2);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(255, 250, 210));
    p.drawPath(solid(visor));
    for (int s : {-1, 1}) {
        QPainterPath fang =
            polygonPath({h + QPointF(s * 10, 30), h + QPointF(s * 6, 30), h + QPointF(s * 8, 40)});
        ink(p, fang, gold, 1.0);
    }
    QPainterPath brow;
    brow.moveTo(h + QPointF(-26, -4));
    brow.quadTo(h + QPointF(0, -14), h + QPointF(26, -4));
    strokeLine(p, brow, gold, 3.0);
    if (crowned) {
        QPainterPath crown;
        crown.moveTo(h + QPointF(-30, -30));
        for (int i = 0; i <= 4; ++i) {
            const double x = -30 + i * 15;
            crown.lineTo(h + QPointF(x, i % 2 == 0 ? -74 : -56));
            if (i < 4) crown.lineTo(h + QPointF(x + 7.5, -50));
        }
        crown.lineTo(h + QPointF(30, -30));
        crown.quadTo(h + QPointF(0, -38), h + QPointF(-30, -30));
        ink(p, crown, shiny(crown.boundingRect(), QColor(250, 200, 60)), 1.6);
        const QColor gems[] = {QColor(230, 40, 70), QColor(60, 140, 255), QColor(230, 40, 70)};
        for (int i = 0; i < 3; ++i) {
            QPainterPath g;
            g.addEllipse(h + QPointF(-30 + i * 30, i == 1 ? -78 : -78), 4.5, 4.5);
            ink(p, g, gems[i], 1.0);
        }
        QPainterPath centre;
        centre.addEllipse(h + QPointF(0, -40), 6, 5);
        ink(p, centre, QColor(60, 200, 255), 1.0);
    }
}

Picture knightScene(bool grand) {
    QImage img = paintOutdoor(holyRuins(grand));
    {
        QPainter p;
        beginPainter(p, img);
        const QColor stone = grand ? QColor(240, 220, 190) : QColor(226, 222, 214);
        drawPillar(p, QPointF(60, 300), 250, 38, stone, false);
        drawPillar(p, QPointF(130, 262), 120, 30, stone, true);
        drawPillar(p, QPointF(420, 262), 150, 30, stone, false);
        drawPillar(p, QPointF(560, 320), 280, 42, stone, true);
        drawBoulder(p, QPointF(470, 300), 70, 22, stone, 1103);
        drawGrass(p, QRectF(0, 250, 640, 220), 70,
                  grand ? QColor(170, 160, 80) : QColor(80, 150, 60), 1104);
    }
    const double s = grand ? 1.04 : 1.0;
    const QPointF feet(kStageX, grand ? 344 : 334);
    if (grand)
        lightRays(img, feet + QPointF(0, -170), 26, 420, 360, 0, QColor(255, 240, 180, 110), 1105);
    aura(img, feet + QPointF(0, -150 * s), 100 * s, 160 * s,
         QColor(255, 230, 150, grand ? 190 : 120));

    const QColor plate(238, 240, 248), gold(240, 192, 70);
    QPainter p;
    beginPainter(p, img);
    groundShadow(p, feet, 90 * s, 14, 110);
    placeFigure(p, feet, s);
    if (grand) {
        featherWing(p, QPointF(-22, -186), 150, -1, QColor(255, 240, 190), 8);
        featherWing(p, QPointF(22, -186), 150, 1, QColor(255, 240, 190), 8);
    }
    // a long white cape edged with gold
    QPainterPath cape;
    cape.moveTo(-34, -196);
    cape.cubicTo(-60, -120, -74, -60, -78, -4);
    cape.quadTo(-40, 4, 0, -2);
    cape.quadTo(40, 4, 78, -4);
    cape.cubicTo(74, -60, 60, -120, 34, -196);
    cape.closeSubpath();
    QLinearGradient cg(QPointF(-78, 0), QPointF(78, 0));
    cg.setColorAt(0, QColor(250, 250, 255));
    cg.setColorAt(1, QColor(170, 170, 200));
    ink(p, cape, cg, 1.7);
    QPainterPath hem(QPointF(-78, -4));
    hem.quadTo(-40, 4, 0, -2);
    hem.quadTo(40, 4, 78, -4);
    strokeLine(p, hem, gold, 4);

    Person k;
    k.pose(QPointF(-54, -146), QPointF(0, -124), QPointF(52, -136), QPointF(0, -108));
    k.build = 1.25;
    k.skin = plate;
    k.shirt = plate;
    k.lowerColour = QColor(200, 204, 222);
    k.boots = gold;
    k.glove = gold;
    k.sleeve = QColor(214, 218, 234);
    k.belt = gold;
    k.trim = gold;
    k.fist[0] = k.fist[1] = true;
    drawLegs(p, k);
    for (int sd : {-1, 1}) {
        const QPainterPath greave = capsule(QPointF(sd * 17, -60), 12, QPointF(sd * 19, -16), 10);
        ink(p, greave, shiny(greave.boundingRect(), plate), 1.5);
        QPainterPath cop;
        cop.addEllipse(QPointF(sd * 17, -64), 13, 10);
        ink(p, cop, shiny(cop.boundingRect(), gold), 1.4);
    }
    drawBody(p, k);
    // breastplate with a sun on it, and plates over the hips
    QPainterPath chest;
    chest.moveTo(-36, -194);
    chest.quadTo(0, -204, 36, -194);
    chest.cubicTo(40, -170, 32, -150, 26, -136);
    chest.quadTo(0, -126, -26, -136);
    chest.cubicTo(-32, -150, -40, -170, -36, -194);
    chest.closeSubpath();
    ink(p, chest, shiny(chest.boundingRect(), plate), 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(starPath(QPointF(0, -168), 15, 6, 8, 0));
    p.setBrush(QColor(255, 255, 230));
    p.drawEllipse(QPointF(0, -168), 5, 5);
    for (int i = 0; i < 3; ++i) {
        const double y = -136 + i * 9;
        const double w = 28 + i * 3;
        QPainterPath band;
        band.moveTo(-w, y);
        band.quadTo(0, y - 5, w, y);
        band.lineTo(w + 1, y + 10);
        band.quadTo(0, y + 5, -w - 1, y + 10);
        band.closeSubpath();
        ink(p, band, shiny(band.boundingRect(), i == 0 ? gold : plate), 1.3);
    }
    drawArm(p, k, 0);
    drawArm(p, k, 1);
    knightSword(p, s, grand);
    drawHand(p, k, 0, 90);
    drawHand(p, k, 1, 90);
    for (int sd : {0, 1}) {
        const QPointF c = shoulder(k, sd) + QPointF(sd == 0 ? -6 : 6, -4);
        QPainterPath pad;
        pad.addEllipse(c, 24, 17);
        ink(p, pad, shiny(pad.boundingRect(), plate), 1.6);
        QPainterPath trim;
        trim.moveTo(c + QPointF(-22, 6));
        trim.quadTo(c + QPointF(0, 20), c + QPointF(22, 6));
        strokeLine(p, trim, gold, 3);
        const double o = sd == 0 ? -1 : 1;
        const QPainterPath fang = polygonPath(
            {c + QPointF(o * 8, -14), c + QPointF(o * 26, -28), c + QPointF(o * 20, -8)});
        ink(p, fang, shiny(fang.boundingRect(), gold), 1.2);
    }
    knightHelm(p, headCentre(k), plate, gold, grand);
    p.end();
    if (grand) {
        QPainterPath blade;
        blade.addRect(QRectF(feet.x() - 10 * s, feet.y() - 96 * s, 20 * s, 86 * s));
        paintGlow(img, blade, QColor(160, 220, 255, 140), 10, true);
    }
    beginPainter(p, img);
    sparkles(p, QRectF(feet.x() - 130, feet.y() - 300, 260, 260), grand ? 16 : 8, 4, 10,
             QColor(255, 246, 200), grand ? 1106 : 1107);
    return {grand ? QStringLiteral("vomact2.bmp") : QStringLiteral("vomact.bmp"), img,
            FileKind::Bmp};
}

// ---------------------------------------------------------------- the ghost

Picture ghostScene() {
    Outdoor o;
    o.setSky(qRgb(8, 10, 32), qRgb(26, 34, 80), qRgb(70, 80, 120), 250)
        .setSun(QPointF(520, 70), 26, 0.4)
        .setClouds(0.3, qRgb(110, 120, 170), qRgb(30, 34, 70))
        .setGround(qRgb(40, 56, 70), qRgb(20, 30, 40), qRgb(60, 80, 90));
    o.sunColour = qRgb(250, 246, 220);
    o.glowColour = qRgb(130, 150, 220);
    o.stars = 200;
    o.ridges = {{250, 40, 120, 0.2, qRgb(24, 30, 56), qRgb(50, 60, 90), 1201}};
    o.seed = 1202;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    drawTree(p, QPointF(560, 300), 250, QColor(40, 40, 60), QColor(40, 36, 50), TreeKind::Dead,
             1203);
    // a crooked iron fence and old gravestones
    p.setPen(QPen(QColor(20, 20, 30), 2.2));
    for (double x = 0; x < 640; x += 14) {
        const double y = 262 + 3 * std::sin(x / 40);
        p.drawLine(QPointF(x, y), QPointF(x + (int(x) % 3 - 1), y - 24));
    }
    p.drawLine(QPointF(0, 252), QPointF(640, 254));
    const QColor stone(110, 116, 130);
    Rng rng(1204);
    for (const auto& [x, y, w] : {std::tuple{40.0, 320.0, 50.0}, std::tuple{110.0, 290.0, 36.0},
                                  std::tuple{380.0, 296.0, 38.0}, std::tuple{450.0, 340.0, 56.0},
                                  std::tuple{600.0, 400.0, 70.0}, std::tuple{170.0, 380.0, 60.0}}) {
        const double h = w * 1.3;
        QPainterPath slab;
        slab.moveTo(x - w / 2, y);
        slab.lineTo(x - w / 2, y - h + w / 2);
        slab.arcTo(QRectF(x - w / 2, y - h, w, w), 180, -180);
        slab.lineTo(x + w / 2, y);
        slab.closeSubpath();
        QTransform tilt;
        tilt.translate(x, y);
        tilt.rotate(rng.range(-8, 8));
        tilt.translate(-x, -y);
        slab = tilt.map(slab);
        groundShadow(p, QPointF(x + w * 0.3, y), w * 0.8, w * 0.14, 110);
        ink(p, slab, lit(slab.boundingRect(), stone), 1.5);
        p.setPen(QPen(shade(stone, 0.55), 1.4));
        const QPointF c = tilt.map(QPointF(x, y - h * 0.55));
        p.drawLine(c + QPointF(-w * 0.2, 0), c + QPointF(w * 0.2, 0));
        p.drawLine(c + QPointF(-w * 0.2, w * 0.15), c + QPointF(w * 0.15, w * 0.15));
    }
    drawGrass(p, QRectF(0, 260, 640, 210), 60, QColor(50, 80, 70), 1205);
    p.end();
    addMist(img, qRgb(120, 140, 180), 0.5, 240, 420, 1206);

    // the ghost itself, painted on its own layer and laid over the night half see-through
    QImage layer = newLayer(kW, kH);
    QPainterPath body;
    body.moveTo(170, 150);
    body.cubicTo(170, 60, 310, 60, 310, 150);
    body.cubicTo(312, 200, 330, 240, 350, 262);
    body.quadTo(330, 270, 316, 262);
    body.quadTo(300, 290, 280, 270);
    body.quadTo(262, 300, 240, 276);
    body.quadTo(218, 296, 200, 272);
    body.quadTo(180, 290, 168, 262);
    body.cubicTo(172, 230, 168, 190, 170, 150);
    body.closeSubpath();
    {
        QPainter g;
        beginPainter(g, layer);
        QLinearGradient fill(QPointF(0, 70), QPointF(0, 290));
        fill.setColorAt(0, QColor(250, 252, 255, 240));
        fill.setColorAt(0.6, QColor(200, 220, 255, 200));
        fill.setColorAt(1, QColor(150, 180, 255, 40));
        g.setPen(QPen(QColor(110, 130, 200, 200), 2.0));
        g.setBrush(fill);
        g.drawPath(body);
        // drooping arms
        for (const auto& [a, b] : {std::pair{QPointF(182, 170), QPointF(140, 206)},
                                   std::pair{QPointF(296, 170), QPointF(336, 198)}}) {
            QPainterPath arm = capsule(a, 14, b, 9);
            g.drawPath(arm);
        }
        // hollow eyes and an open mouth
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(20, 24, 50, 230));
        g.drawEllipse(QPointF(215, 136), 12, 18);
        g.drawEllipse(QPointF(262, 136), 12, 18);
        g.drawEllipse(QPointF(240, 182), 11, 15);
        g.setBrush(QColor(140, 220, 255, 230));
        g.drawEllipse(QPointF(218, 140), 3.5, 4.5);
        g.drawEllipse(QPointF(265, 140), 3.5, 4.5);
        g.setBrush(QColor(255, 170, 200, 90));
        g.drawEllipse(QPointF(200, 162), 8, 4);
        g.drawEllipse(QPointF(282, 162), 8, 4);
    }
    paintGlow(img, body, QColor(120, 160, 255, 150), 16, true);
    {
        QPainter g(&img);
        g.setOpacity(0.82);
        g.drawImage(0, 0, layer);
    }
    motes(img, QRectF(130, 60, 260, 260), 12, QColor(150, 200, 255, 160), 2.5, 1207);
    vignette(img, 0.4);
    return {QStringLiteral("ghost.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the weirdo

Picture weirdoScene() {
    Outdoor o;
    o.setSky(qRgb(110, 170, 240), qRgb(190, 200, 250), qRgb(255, 220, 240), 236)
        .setGround(qRgb(170, 220, 120), qRgb(110, 190, 90), qRgb(230, 250, 160));
    o.clouds = 0.35;
    o.cloudDark = qRgb(230, 190, 230);
    o.ridges = {{236, 40, 70, 0.0, qRgb(140, 200, 150), qRgb(210, 230, 220), 1301}};
    o.seed = 1302;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    // polka-dot toadstools and candy flowers
    for (const auto& [x, y, h] : {std::tuple{60.0, 300.0, 70.0}, std::tuple{110.0, 280.0, 40.0},
                                  std::tuple{470.0, 290.0, 60.0}, std::tuple{560.0, 350.0, 90.0}}) {
        drawMushroom(p, QPointF(x, y), h, QColor(250, 120, 190), false);
    }
    drawFlowers(
        p, QRectF(0, 250, 640, 220), 60,
        {QColor(255, 120, 200), QColor(120, 220, 255), QColor(255, 240, 90), QColor(200, 140, 255)},
        1303);
    drawGrass(p, QRectF(0, 250, 640, 220), 60, QColor(90, 170, 70), 1304);
    groundShadow(p, QPointF(246, 334), 90, 12, 100);

    // a long striped leg and a short stumpy one with a flipper
    const QPainterPath longLeg = capsule(QPointF(206, 250), 9, QPointF(198, 318), 7);
    ink(p, longLeg, QColor(255, 255, 255), 1.5);
    p.save();
    p.setClipPath(longLeg);
    p.setPen(QPen(QColor(230, 50, 60), 5));
    for (double y = 250; y < 320; y += 11) p.drawLine(QPointF(180, y), QPointF(230, y + 4));
    p.restore();
    QPainterPath shoe;
    shoe.addRoundedRect(QRectF(176, 314, 44, 20), 10, 10);
    ink(p, shoe, lit(shoe.boundingRect(), QColor(220, 40, 50)), 1.6);
    const QPainterPath shortLeg = capsule(QPointF(290, 284), 14, QPointF(294, 318), 12);
    ink(p, shortLeg, lit(shortLeg.boundingRect(), QColor(120, 200, 200)), 1.6);
    QPainterPath flipper;
    flipper.moveTo(282, 318);
    flipper.lineTo(330, 326);
    flipper.quadTo(334, 334, 322, 336);
    flipper.lineTo(280, 334);
    flipper.closeSubpath();
    ink(p, flipper, lit(flipper.boundingRect(), QColor(255, 170, 40)), 1.5);

    // the lumpy body, tilted, spotted on one side and striped on the other
    QPainterPath body;
    body.moveTo(250, 80);
    body.cubicTo(300, 78, 320, 120, 318, 160);
    body.cubicTo(330, 200, 330, 280, 292, 298);
    body.cubicTo(260, 312, 210, 300, 196, 268);
    body.cubicTo(168, 240, 176, 200, 186, 170);
    body.cubicTo(180, 120, 200, 82, 250, 80);
    body.closeSubpath();
    ink(p, body, lit(body.boundingRect(), QColor(236, 110, 200)), 2.0);
    p.save();
    p.setClipPath(body);
    QPainterPath rightHalf;
    rightHalf.moveTo(252, 60);
    rightHalf.cubicTo(230, 140, 290, 220, 250, 320);
    rightHalf.lineTo(360, 320);
    rightHalf.lineTo(360, 60);
    rightHalf.closeSubpath();
    p.setClipPath(rightHalf, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 170));
    p.drawRect(QRectF(180, 60, 180, 260));
    p.setPen(QPen(QColor(40, 150, 140), 7));
    for (double y = 70; y < 320; y += 18) p.drawLine(QPointF(200, y), QPointF(360, y - 14));
    p.restore();
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 90));
    Rng rng(1305);
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(QPointF(rng.range(176, 250), rng.range(90, 300)), 7, 7);
    // shading over both halves
    QLinearGradient sh(QPointF(180, 100), QPointF(330, 300));
    sh.setColorAt(0, QColor(255, 255, 255, 60));
    sh.setColorAt(0.5, QColor(0, 0, 0, 0));
    sh.setColorAt(1, QColor(40, 0, 60, 90));
    p.setBrush(sh);
    p.drawRect(QRectF(160, 60, 200, 260));
    p.restore();
    p.setPen(QPen(kInk, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // one huge eye and one tiny one, looking different ways
    QPainterPath bigEye;
    bigEye.addEllipse(QPointF(222, 150), 30, 32);
    ink(p, bigEye, QColor(255, 255, 255), 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 40));
    p.drawEllipse(QPointF(210, 164), 9, 10);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(207, 160), 3, 3);
    QPainterPath smallEye;
    smallEye.addEllipse(QPointF(282, 136), 8, 9);
    ink(p, smallEye, QColor(255, 255, 255), 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 40));
    p.drawEllipse(QPointF(286, 132), 3.5, 3.5);
    // a wonky grin with the tongue out to one side
    QPainterPath mouth;
    mouth.moveTo(226, 214);
    mouth.cubicTo(246, 240, 286, 224, 300, 196);
    mouth.cubicTo(280, 212, 250, 218, 226, 214);
    ink(p, mouth, QColor(120, 20, 50), 1.6);
    QPainterPath tongue = capsule(QPointF(282, 214), 7, QPointF(298, 240), 8);
    ink(p, tongue, QColor(255, 120, 140), 1.4);
    p.setPen(QPen(QColor(200, 70, 90), 1.2));
    p.drawLine(QPointF(288, 220), QPointF(294, 236));
    // a long noodle arm waving and a tiny stub of an arm
    const QPainterPath noodle =
        taper(QPointF(190, 200), QPointF(140, 210), QPointF(160, 120), QPointF(130, 104), 14, 9);
    ink(p, noodle, lit(noodle.boundingRect(), QColor(236, 110, 200)), 1.6);
    for (int k = -1; k <= 1; ++k) {
        const QPainterPath finger = capsule(QPointF(130, 104), 5, QPointF(122 + k * 9, 86), 4);
        ink(p, finger, QColor(255, 230, 90), 1.3);
    }
    const QPainterPath stub = capsule(QPointF(318, 196), 7, QPointF(334, 204), 6);
    ink(p, stub, QColor(120, 220, 170), 1.4);
    // a propeller cap and a sprung antenna
    QPainterPath cap;
    cap.moveTo(214, 94);
    cap.cubicTo(214, 56, 276, 50, 282, 86);
    cap.quadTo(250, 76, 214, 94);
    ink(p, cap, lit(cap.boundingRect(), QColor(70, 110, 230)), 1.6);
    p.setPen(QPen(kInk, 1.6));
    p.drawLine(QPointF(248, 64), QPointF(248, 46));
    const QPainterPath blades =
        polygonPath({QPointF(248, 46), QPointF(214, 38), QPointF(214, 46)})
            .united(polygonPath({QPointF(248, 46), QPointF(282, 54), QPointF(282, 46)}));
    ink(p, blades, QColor(255, 80, 80), 1.3);
    QPainterPath spring(QPointF(306, 110));
    for (int i = 0; i < 6; ++i)
        spring.quadTo(QPointF(318 + (i % 2) * 10, 100 - i * 6), QPointF(316 + i * 2, 96 - i * 7));
    strokeLine(p, spring, kInk, 1.8);
    QPainterPath ball;
    ball.addEllipse(QPointF(328, 52), 8, 8);
    ink(p, ball, lit(ball.boundingRect(), QColor(255, 230, 60)), 1.4);
    for (const QPointF& c : {QPointF(150, 70), QPointF(340, 120), QPointF(180, 40)})
        sparkle(p, c, 8, QColor(255, 250, 160));
    return {QStringLiteral("henteko.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the weakling blob

enum class Blob { Weak, Weakest, Strong };

void blobFigure(QPainter& p, QPointF feet, Blob kind) {
    const double h = kind == Blob::Weakest ? 58 : kind == Blob::Weak ? 104 : 290;
    const double w = h * (kind == Blob::Strong ? 0.9 : 1.0);
    const QColor skin = kind == Blob::Strong ? QColor(120, 200, 120) : QColor(170, 230, 180);
    groundShadow(p, feet, w * 0.6, std::max(6.0, h * 0.06), 110);
    p.save();
    p.translate(feet);
    p.scale(w / 100.0, h / 100.0);
    const double line = (kind == Blob::Strong ? 3.0 : 2.0) * 100.0 / std::max(w, h);
    QPainterPath body;
    body.moveTo(-50, -4);
    body.cubicTo(-54, -40, -30, -82, 4, -100);
    body.cubicTo(2, -92, 8, -88, 14, -86);
    body.cubicTo(40, -72, 56, -40, 50, -4);
    body.quadTo(0, 6, -50, -4);
    body.closeSubpath();
    QRadialGradient g(QPointF(-18, -62), 80);
    g.setColorAt(0, shade(skin, 1.3));
    g.setColorAt(0.55, skin);
    g.setColorAt(1, shade(skin, 0.62));
    p.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(-24, -62), 8, 12);
    p.drawEllipse(QPointF(-14, -78), 3, 4);
    p.restore();

    // the face is drawn unstretched so the eyes stay round
    const double k = w / 100.0;
    const QPointF face = feet + QPointF(2 * k, -h * 0.45);
    Face f;
    f.iris = QColor(60, 90, 60);
    f.nose = false;
    if (kind == Blob::Strong) {
        f.eyes = Eyes::Stern;
        f.mouth = Mouth::Grin;
        f.brow = 1.0;
    } else {
        f.eyes = Eyes::Bright;
        f.mouth = Mouth::Frown;
        f.brow = -1.0;
        f.blush = true;
    }
    drawFace(p, face, kind == Blob::Strong ? 64 : 28 * k, f);
    if (kind == Blob::Weakest) {
        // tears, sweat and a sticking plaster: the most pathetic creature on the island
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 190, 255, 220));
        for (const QPointF& d : {QPointF(-12, 4), QPointF(12, 4)})
            p.drawEllipse(face + d * k + QPointF(0, 10), 2, 4);
        const QPainterPath plaster =
            polygonPath({face + QPointF(-14, -30), face + QPointF(4, -38), face + QPointF(7, -31),
                         face + QPointF(-11, -23)});
        ink(p, plaster, QColor(250, 220, 180), 1.1);
    }
    if (kind != Blob::Strong) {
        // sweat drops and trembling lines
        const int drops = kind == Blob::Weakest ? 4 : 1;
        for (int i = 0; i < drops; ++i) {
            const QPointF c = feet + QPointF((i % 2 == 0 ? 1 : -1) * w * (0.55 + 0.12 * i),
                                             -h * (0.85 - 0.15 * i));
            QPainterPath drop;
            drop.moveTo(c + QPointF(0, -7));
            drop.cubicTo(c + QPointF(5, 0), c + QPointF(5, 5), c + QPointF(0, 5));
            drop.cubicTo(c + QPointF(-5, 5), c + QPointF(-5, 0), c + QPointF(0, -7));
            ink(p, drop, QColor(150, 210, 255), 1.1);
        }
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int sd : {-1, 1}) {
            for (int i = 0; i < 2; ++i) {
                const QPointF a = feet + QPointF(sd * (w * 0.6 + 6 + i * 6), -h * 0.3 - i * 8);
                p.drawLine(a, a + QPointF(sd * 3, -8));
            }
        }
        return;
    }
    // the strong one: big arms flexed, a headband and a belly of muscle
    for (int sd : {-1, 1}) {
        const QPointF sh = feet + QPointF(sd * w * 0.42, -h * 0.46);
        const QPointF el = sh + QPointF(sd * 62, 6);
        const QPointF fist = el + QPointF(sd * 6, -66);
        const QPainterPath upper = capsule(sh, 26, el, 22);
        const QPainterPath fore = capsule(el, 22, fist, 18);
        ink(p, upper.united(fore), lit(QRectF(sh.x() - 40, fist.y() - 30, 120, 120), skin), 2.0);
        QPainterPath bicep;
        bicep.addEllipse(lerp(sh, el, 0.55) + QPointF(0, -14), 24, 20);
        ink(p, bicep, lit(bicep.boundingRect(), shade(skin, 1.05)), 1.8);
        QPainterPath hand;
        hand.addRoundedRect(QRectF(fist.x() - 20, fist.y() - 22, 40, 38), 14, 14);
        ink(p, hand, lit(hand.boundingRect(), skin), 1.8);
        p.setPen(QPen(shade(skin, 0.55), 1.4));
        for (int i = -1; i <= 1; ++i)
            p.drawLine(fist + QPointF(-12, i * 9), fist + QPointF(6, i * 9));
    }
    p.setPen(QPen(shade(skin, 0.6), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int r = 0; r < 3; ++r) {
        for (int sd : {-1, 1}) {
            QPainterPath ab;
            const QPointF c = feet + QPointF(sd * 18, -h * 0.22 + r * 24);
            ab.addRoundedRect(QRectF(c.x() - 14, c.y() - 10, 28, 20), 8, 8);
            p.drawPath(ab);
        }
    }
    QPainterPath band;
    band.moveTo(feet + QPointF(-w * 0.32, -h * 0.72));
    band.quadTo(feet + QPointF(0, -h * 0.76), feet + QPointF(w * 0.36, -h * 0.68));
    strokeLine(p, band, kInk, 16);
    strokeLine(p, band, QColor(220, 40, 50), 12);
    const QPainterPath tail1 =
        taper(feet + QPointF(w * 0.36, -h * 0.68), feet + QPointF(w * 0.46, -h * 0.66),
              feet + QPointF(w * 0.5, -h * 0.6), feet + QPointF(w * 0.6, -h * 0.6), 10, 4);
    ink(p, tail1, QColor(220, 40, 50), 1.6);
}

Picture blobScene(Blob kind) {
    Outdoor o;
    o.setSun(QPointF(90, 60), 0, 0.4)
        .setGround(qRgb(140, 196, 96), qRgb(90, 160, 70), qRgb(190, 226, 130))
        .setPath(170, qRgb(214, 190, 140), kStageX, 30);
    o.horizon = 228;
    o.clouds = 0.35;
    o.ridges = {{228, 44, 120, 0.25, qRgb(110, 150, 190), qRgb(190, 214, 226), 1401},
                {232, 22, 50, 0.05, qRgb(70, 140, 80), qRgb(140, 180, 130), 1402}};
    o.seed = 1403;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    drawTree(p, QPointF(60, 270), 170, QColor(70, 150, 70), QColor(110, 76, 48), TreeKind::Broad,
             1404);
    drawTree(p, QPointF(500, 250), 120, QColor(64, 140, 66), QColor(110, 76, 48), TreeKind::Broad,
             1405);
    drawTree(p, QPointF(600, 276), 180, QColor(70, 150, 70), QColor(110, 76, 48), TreeKind::Broad,
             1406);
    drawGrass(p, QRectF(0, 240, 640, 230), 80, QColor(80, 150, 60), 1407);
    drawFlowers(p, QRectF(0, 250, 640, 220), 30, {QColor(255, 255, 255), QColor(255, 230, 120)},
                1408);
    blobFigure(p, QPointF(kStageX, kGroundY), kind);
    p.end();
    const QString name = kind == Blob::Weak      ? QStringLiteral("yowakko.bmp")
                         : kind == Blob::Weakest ? QStringLiteral("yowakko_s.bmp")
                                                 : QStringLiteral("tuyokko.bmp");
    return {name, img, FileKind::Bmp};
}

// ---------------------------------------------------------------- dragons

const QColor kScale(196, 44, 46);
const QColor kBelly(246, 206, 130);
const QColor kHorn(240, 226, 196);
const QColor kMembrane(150, 40, 60);
constexpr double kDragonScale = 0.92;

// A bat-like wing spreading back from `root`, turned up by `turnDeg`.
void dragonWing(QPainter& p, QPointF root, double s, const QColor& membrane, double lift,
                double turnDeg) {
    p.save();
    p.translate(root);
    p.rotate(turnDeg);
    p.translate(-root);
    const QPointF wrist = root + QPointF(-30 * s, -170 * s + lift);
    const QPointF tips[4] = {root + QPointF(-190 * s, -150 * s + lift),
                             root + QPointF(-210 * s, -50 * s), root + QPointF(-150 * s, 10 * s),
                             root + QPointF(-70 * s, 20 * s)};
    QPainterPath m(root);
    m.lineTo(wrist);
    m.lineTo(tips[0]);
    for (int i = 1; i < 4; ++i) {
        const QPointF mid = lerp(tips[i - 1], tips[i], 0.5);
        m.quadTo(lerp(mid, wrist, 0.22), tips[i]);
    }
    m.quadTo(root + QPointF(-20 * s, 10 * s), root + QPointF(10 * s, 30 * s));
    m.closeSubpath();
    QLinearGradient g(wrist, root + QPointF(-120 * s, 0));
    g.setColorAt(0, shade(membrane, 1.3));
    g.setColorAt(1, shade(membrane, 0.7));
    ink(p, m, g, 1.8);
    const QPainterPath arm = capsule(root, 12 * s, wrist, 8 * s);
    ink(p, arm, lit(arm.boundingRect(), kScale), 1.6);
    for (const QPointF& t : tips) {
        const QPainterPath finger = capsule(wrist, 5 * s, t, 2 * s);
        ink(p, finger, shade(kScale, 0.85), 1.2);
    }
    const QPainterPath claw = polygonPath(
        {wrist + QPointF(-4, 0), wrist + QPointF(6 * s, -20 * s), wrist + QPointF(5, 2)});
    ink(p, claw, kHorn, 1.2);
    p.restore();
}

void claws(QPainter& p, QPointF foot, double s) {
    for (int i = 0; i < 3; ++i) {
        const QPointF c = foot + QPointF((8 + i * 10) * s, 0);
        const QPainterPath claw = polygonPath(
            {c + QPointF(-4 * s, -6 * s), c + QPointF(8 * s, 0), c + QPointF(-4 * s, 1)});
        ink(p, claw, kHorn, 1.1);
    }
}

void greatDragon(QPainter& p, QPointF ground, double scale) {
    const double s = 1.0;
    p.save();
    p.translate(ground);
    p.scale(scale, scale);
    p.translate(30, 0);
    // tail sweeping out behind to the left
    const QPainterPath tail =
        taper(QPointF(-60, -80), QPointF(-150, -60), QPointF(-170, 0), QPointF(-250, -30), 50, 6);
    ink(p, tail, lit(tail.boundingRect(), kScale), 1.8);
    const QPainterPath spade = polygonPath(
        {QPointF(-246, -30), QPointF(-270, -56), QPointF(-262, -22), QPointF(-278, -6)});
    ink(p, spade, shade(kScale, 0.8), 1.4);
    // far wing and far legs, in shadow
    dragonWing(p, QPointF(40, -170), 0.85, shade(kMembrane, 0.7), 0, 96);
    const QPainterPath farLeg =
        limb(QPointF(60, -110), 26, QPointF(92, -60), 17, QPointF(96, -6), 13);
    ink(p, farLeg, shade(kScale, 0.6), 1.6);
    const QPainterPath farHind =
        limb(QPointF(-60, -90), 34, QPointF(-24, -50), 19, QPointF(-16, -6), 13);
    ink(p, farHind, shade(kScale, 0.6), 1.6);
    // body
    QPainterPath body;
    body.moveTo(-90, -90);
    body.cubicTo(-90, -150, 0, -180, 60, -170);
    body.cubicTo(100, -160, 110, -110, 80, -80);
    body.cubicTo(40, -50, -60, -40, -90, -90);
    body.closeSubpath();
    ink(p, body, lit(body.boundingRect(), kScale), 2.0);
    // neck rising to the head
    const QPainterPath neck =
        taper(QPointF(50, -150), QPointF(86, -196), QPointF(44, -236), QPointF(84, -262), 62, 34);
    ink(p, neck, lit(neck.boundingRect(), kScale), 2.0);
    // belly plates down the throat and under the body
    QPainterPath belly =
        taper(QPointF(80, -236), QPointF(70, -200), QPointF(104, -160), QPointF(70, -100), 18, 34);
    belly = belly.united(
        taper(QPointF(70, -100), QPointF(30, -62), QPointF(-30, -56), QPointF(-80, -76), 32, 14));
    ink(p, belly, lit(belly.boundingRect(), kBelly), 1.5);
    p.save();
    p.setClipPath(belly);
    p.setPen(QPen(shade(kBelly, 0.65), 1.4));
    for (int i = 0; i < 14; ++i) {
        const QPointF c = i < 7 ? bezierAt(QPointF(80, -236), QPointF(70, -200), QPointF(104, -160),
                                           QPointF(70, -100), i / 7.0)
                                : bezierAt(QPointF(70, -100), QPointF(30, -62), QPointF(-30, -56),
                                           QPointF(-80, -76), (i - 7) / 7.0);
        p.drawLine(c + QPointF(-30, -6), c + QPointF(30, 6));
    }
    p.restore();
    // spines along the back and neck
    for (int i = 0; i < 9; ++i) {
        const QPointF c = bezierAt(QPointF(-80, -120), QPointF(-30, -176), QPointF(40, -190),
                                   QPointF(70, -240), i / 8.0);
        const QPainterPath spine =
            polygonPath({c + QPointF(-9, 4), c + QPointF(-4, -18), c + QPointF(9, 2)});
        ink(p, spine, kHorn, 1.2);
    }
    // near legs
    const QPainterPath hind =
        limb(QPointF(-40, -100), 42, QPointF(-10, -56), 21, QPointF(-24, -8), 14);
    ink(p, hind, lit(hind.boundingRect(), kScale), 1.8);
    claws(p, QPointF(-30, -2), s);
    const QPainterPath fore =
        limb(QPointF(70, -120), 28, QPointF(110, -70), 18, QPointF(112, -8), 13);
    ink(p, fore, lit(fore.boundingRect(), kScale), 1.8);
    claws(p, QPointF(106, -2), s);
    // near wing, raised high over the back
    dragonWing(p, QPointF(10, -160), 0.95, kMembrane, -20, 22);
    // the head, facing the adventurer
    p.translate(-26, 0);
    QPainterPath head;
    head.moveTo(90, -280);
    head.cubicTo(110, -300, 150, -292, 190, -270);
    head.quadTo(202, -262, 196, -250);
    head.lineTo(150, -246);
    head.lineTo(190, -238);
    head.quadTo(186, -224, 160, -224);
    head.cubicTo(130, -222, 100, -226, 86, -246);
    head.closeSubpath();
    ink(p, head, lit(head.boundingRect(), kScale), 2.0);
    QPainterPath mouth(QPointF(196, -248));
    mouth.lineTo(136, -244);
    strokeLine(p, mouth, kInk, 2.0);
    for (int i = 0; i < 4; ++i) {
        const QPainterPath tooth =
            polygonPath({QPointF(180 - i * 10, -247), QPointF(174 - i * 10, -247),
                         QPointF(177 - i * 10, -240)});
        ink(p, tooth, QColor(255, 255, 240), 0.8);
    }
    for (int sd : {0, 1}) {
        const QPointF root(104 + sd * 14, -286 + sd * 4);
        const QPainterPath horn = taper(root, root + QPointF(-20, -14), root + QPointF(-46, -20),
                                        root + QPointF(-64 + sd * 8, -40), 14, 2);
        ink(p, horn, lit(horn.boundingRect(), sd == 0 ? shade(kHorn, 0.8) : kHorn), 1.4);
    }
    QPainterPath eye;
    eye.moveTo(130, -270);
    eye.quadTo(142, -280, 154, -270);
    eye.quadTo(142, -264, 130, -270);
    ink(p, eye, QColor(255, 210, 60), 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 10, 10));
    p.drawEllipse(QPointF(144, -271), 1.8, 4);
    QPainterPath brow(QPointF(124, -276));
    brow.quadTo(142, -290, 160, -276);
    strokeLine(p, brow, shade(kScale, 0.5), 3);
    p.setBrush(QColor(40, 10, 10));
    p.drawEllipse(QPointF(188, -262), 3, 2);
    p.restore();
}

void babyDragon(QPainter& p, QPointF ground) {
    p.save();
    p.translate(ground);
    p.scale(1.25, 1.25);
    groundShadow(p, QPointF(0, 0), 70, 9, 100);
    // tail curled round in front of the feet
    const QPainterPath tail =
        taper(QPointF(-30, -20), QPointF(-70, -10), QPointF(-60, 8), QPointF(-10, 4), 24, 6);
    ink(p, tail, lit(tail.boundingRect(), kScale), 1.6);
    // little wings up behind
    for (int sd : {-1, 1}) {
        QPainterPath w;
        const QPointF r(sd * 24, -66);
        w.moveTo(r);
        w.lineTo(r + QPointF(sd * 30, -40));
        w.quadTo(r + QPointF(sd * 40, -20), r + QPointF(sd * 46, -10));
        w.quadTo(r + QPointF(sd * 34, -6), r + QPointF(sd * 30, 6));
        w.quadTo(r + QPointF(sd * 18, 0), r);
        w.closeSubpath();
        ink(p, w, lit(w.boundingRect(), sd < 0 ? shade(kMembrane, 1.2) : kMembrane), 1.5);
    }
    QPainterPath body;
    body.addEllipse(QPointF(0, -42), 40, 42);
    ink(p, body, lit(body.boundingRect(), kScale), 1.8);
    QPainterPath belly;
    belly.addEllipse(QPointF(4, -36), 26, 32);
    ink(p, belly.intersected(body), lit(belly.boundingRect(), kBelly), 1.2);
    p.setPen(QPen(shade(kBelly, 0.7), 1.2));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(-16, -56 + i * 13), QPointF(22, -56 + i * 13));
    // stubby feet and arms
    for (int sd : {-1, 1}) {
        QPainterPath foot;
        foot.addEllipse(QPointF(sd * 24 + 6, -6), 16, 9);
        ink(p, foot, lit(foot.boundingRect(), kScale), 1.5);
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(kHorn);
            p.drawEllipse(QPointF(sd * 24 + 14 + i * 3.5, -3 + (i - 1) * 3.5), 2.2, 2.2);
        }
        const QPainterPath arm = capsule(QPointF(sd * 28, -58), 8, QPointF(sd * 18 + 8, -42), 7);
        ink(p, arm, lit(arm.boundingRect(), kScale), 1.4);
    }
    // big round head with a short snout
    QPainterPath head;
    head.addEllipse(QPointF(4, -112), 40, 36);
    head.addEllipse(QPointF(30, -100), 22, 18);
    head = solid(head);
    for (int sd : {-1, 1}) {
        const QPainterPath horn = taper(QPointF(sd * 18, -140), QPointF(sd * 22, -150),
                                        QPointF(sd * 26, -156), QPointF(sd * 30 - 6, -164), 10, 3);
        ink(p, horn, lit(horn.boundingRect(), kHorn), 1.2);
    }
    ink(p, head, lit(head.boundingRect(), kScale), 1.8);
    QPainterPath snout;
    snout.addEllipse(QPointF(32, -96), 16, 11);
    ink(p, snout.intersected(head), lit(snout.boundingRect(), kBelly), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 20, 20));
    p.drawEllipse(QPointF(42, -100), 2, 1.6);
    Face f;
    f.iris = QColor(240, 170, 40);
    f.nose = false;
    f.mouth = Mouth::Smile;
    f.blush = true;
    drawFace(p, QPointF(-2, -120), 27, f);
    p.restore();
}

Picture dragonScene(bool baby) {
    Outdoor o;
    if (baby) {
        o.skyTop = qRgb(90, 80, 160);
        o.skyMid = qRgb(230, 140, 130);
        o.skyLow = qRgb(255, 210, 150);
        o.glowColour = qRgb(255, 220, 160);
    } else {
        o.skyTop = qRgb(40, 10, 20);
        o.skyMid = qRgb(130, 36, 30);
        o.skyLow = qRgb(250, 140, 60);
        o.glowColour = qRgb(255, 150, 60);
    }
    o.setSun(QPointF(470, 240), 0, 0.6)
        .setClouds(0.45, baby ? qRgb(255, 220, 190) : qRgb(220, 110, 70),
                   baby ? qRgb(140, 100, 150) : qRgb(60, 20, 30))
        .setGround(baby ? qRgb(130, 100, 90) : qRgb(80, 50, 44),
                   baby ? qRgb(90, 70, 64) : qRgb(40, 26, 26),
                   baby ? qRgb(170, 140, 110) : qRgb(120, 60, 40));
    o.horizon = 250;
    o.ridges = {{250, 150, 110, 0.9, baby ? qRgb(90, 70, 110) : qRgb(50, 26, 30),
                 baby ? qRgb(200, 140, 140) : qRgb(160, 60, 40), 1501}};
    o.texture = 0.9;
    o.seed = 1502;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    // a smoking volcano in the range and crags around the ledge
    const QPainterPath cone =
        polygonPath({QPointF(380, 252), QPointF(452, 150), QPointF(492, 150), QPointF(580, 252)});
    QLinearGradient cg(380, 0, 580, 0);
    cg.setColorAt(0, baby ? QColor(120, 90, 120) : QColor(80, 36, 36));
    cg.setColorAt(1, baby ? QColor(60, 50, 80) : QColor(30, 14, 18));
    ink(p, cone, cg, 1.3);
    QPainterPath smoke;
    for (int i = 0; i < 6; ++i)
        smoke.addEllipse(QPointF(472 + i * 14, 130 - i * 18), 14 + i * 4, 11 + i * 3);
    p.end();
    paintGlow(img, solid(smoke), baby ? QColor(220, 200, 220, 150) : QColor(40, 24, 24, 200), 8);
    beginPainter(p, img);
    drawBoulder(p, QPointF(40, 360), 160, 150, baby ? QColor(120, 100, 110) : QColor(70, 50, 50),
                1503);
    drawBoulder(p, QPointF(590, 380), 180, 170, baby ? QColor(110, 90, 100) : QColor(60, 42, 44),
                1504);
    if (baby) {
        // the nest with the shell it hatched from
        QPainterPath nest;
        nest.addEllipse(QPointF(kStageX, 330), 110, 22);
        ink(p, nest, lit(nest.boundingRect(), QColor(170, 130, 70)), 1.6);
        p.setPen(QPen(QColor(120, 86, 40), 1.4));
        Rng rng(1505);
        for (int i = 0; i < 40; ++i) {
            const QPointF a(kStageX + rng.range(-100, 100), 330 + rng.range(-16, 16));
            p.drawLine(a, a + QPointF(rng.range(-14, 14), rng.range(-4, 4)));
        }
        for (int sd : {-1, 1}) {
            const QPointF c(kStageX + sd * 100 + 10, 320);
            QPainterPath shell;
            shell.moveTo(c + QPointF(-20, 0));
            shell.cubicTo(c + QPointF(-22, 26), c + QPointF(22, 26), c + QPointF(20, 0));
            for (int i = 0; i < 4; ++i)
                shell.lineTo(c + QPointF(20 - i * 10 - 5, i % 2 == 0 ? -8 : 2));
            shell.closeSubpath();
            ink(p, shell, lit(shell.boundingRect(), QColor(250, 240, 220)), 1.4);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 80, 80));
            p.drawEllipse(c + QPointF(-6, 10), 3, 3);
        }
        babyDragon(p, QPointF(kStageX, 334));
    } else {
        groundShadow(p, QPointF(kStageX - 50, 334), 150, 14, 120);
        greatDragon(p, QPointF(kStageX - 100, 334), kDragonScale);
    }
    p.end();
    if (!baby) {
        QPainterPath eye;
        eye.addEllipse(
            QPointF(kStageX - 100 + (142 + 30 - 26) * kDragonScale, 334 - 271 * kDragonScale), 7,
            4);
        paintGlow(img, eye, QColor(255, 200, 60, 220), 6, true);
        motes(img, QRectF(0, 60, 640, 300), 40, QColor(255, 140, 50, 180), 2.0, 1506);
    }
    return {baby ? QStringLiteral("dragon_s.bmp") : QStringLiteral("dragon.bmp"), img,
            FileKind::Bmp};
}

// ---------------------------------------------------------------- the masked wanderer

Picture wandererScene() {
    Outdoor o;
    o.setSky(qRgb(10, 12, 40), qRgb(50, 40, 110), qRgb(120, 170, 190), 256)
        .setSun(QPointF(kStageX, 200), 0, 0.3)
        .setGround(qRgb(50, 70, 90), qRgb(20, 26, 40), qRgb(80, 110, 130));
    o.glowColour = qRgb(160, 220, 230);
    o.stars = 260;
    o.ridges = {{256, 30, 80, 0.5, qRgb(30, 30, 60), qRgb(80, 110, 140), 1601}};
    o.seed = 1602;
    QImage img = paintOutdoor(o);
    // ribbons of aurora over the plain
    QImage sky = newLayer(kW, kH);
    {
        QPainter a;
        beginPainter(a, sky);
        for (int i = 0; i < 3; ++i) {
            QPainterPath band;
            const double y = 60 + i * 40;
            band.moveTo(-20, y + 40);
            band.cubicTo(160, y - 30, 360, y + 70, 660, y - 10);
            band.lineTo(660, y + 20);
            band.cubicTo(360, y + 100, 160, y, -20, y + 70);
            band.closeSubpath();
            QLinearGradient g(0, y - 20, 0, y + 90);
            const QColor c = i == 1 ? QColor(200, 100, 255, 90) : QColor(90, 255, 190, 90);
            g.setColorAt(0, QColor(c.red(), c.green(), c.blue(), 0));
            g.setColorAt(0.5, c);
            g.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
            a.setPen(Qt::NoPen);
            a.setBrush(g);
            a.drawPath(band);
        }
    }
    blurLayer(sky, 8, 2);
    {
        QPainter a(&img);
        a.setCompositionMode(QPainter::CompositionMode_Plus);
        a.drawImage(0, 0, sky);
    }
    addMist(img, qRgb(90, 120, 150), 0.45, 240, 380, 1603);
    aura(img, QPointF(kStageX, 190), 90, 150, QColor(120, 200, 255, 90));

    QPainter p;
    beginPainter(p, img);
    groundShadow(p, QPointF(kStageX, 334), 60, 9, 80);
    const QColor cloak(44, 40, 92), trim(220, 190, 110);
    // the cloak, tattered at the hem and fading into wisps
    QPainterPath body;
    body.moveTo(kStageX - 20, 76);
    body.cubicTo(kStageX - 70, 110, kStageX - 90, 220, kStageX - 100, 300);
    for (int i = 0; i < 7; ++i) {
        const double x = kStageX - 100 + i * 200.0 / 7;
        body.lineTo(x + 200.0 / 14, 286 + (i % 2) * 18);
        body.lineTo(x + 200.0 / 7, 304 - (i % 3) * 6);
    }
    body.cubicTo(kStageX + 90, 220, kStageX + 70, 110, kStageX + 20, 76);
    body.closeSubpath();
    QLinearGradient bg(QPointF(kStageX - 100, 0), QPointF(kStageX + 100, 0));
    bg.setColorAt(0, shade(cloak, 1.5));
    bg.setColorAt(0.45, cloak);
    bg.setColorAt(1, shade(cloak, 0.5));
    ink(p, body, bg, 2.0);
    p.save();
    p.setClipPath(body);
    QLinearGradient fade(0, 240, 0, 310);
    fade.setColorAt(0, QColor(120, 200, 255, 0));
    fade.setColorAt(1, QColor(120, 200, 255, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawRect(QRectF(kStageX - 110, 240, 220, 80));
    p.restore();
    p.setPen(QPen(trim, 2.5));
    p.drawLine(QPointF(kStageX, 150), QPointF(kStageX, 290));
    // the hood
    QPainterPath hood;
    hood.moveTo(kStageX - 52, 150);
    hood.cubicTo(kStageX - 62, 80, kStageX - 30, 40, kStageX + 6, 38);
    hood.cubicTo(kStageX + 44, 40, kStageX + 62, 90, kStageX + 52, 150);
    hood.quadTo(kStageX, 170, kStageX - 52, 150);
    hood.closeSubpath();
    ink(p, hood, lit(hood.boundingRect(), cloak), 2.0);
    QPainterPath shadowIn;
    shadowIn.addEllipse(QPointF(kStageX + 2, 112), 34, 42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 6, 20));
    p.drawPath(shadowIn.intersected(hood));
    // the white mask
    QPainterPath mask;
    mask.moveTo(kStageX - 22, 90);
    mask.cubicTo(kStageX - 24, 60, kStageX + 26, 60, kStageX + 24, 90);
    mask.cubicTo(kStageX + 24, 118, kStageX + 10, 144, kStageX, 146);
    mask.cubicTo(kStageX - 10, 144, kStageX - 24, 118, kStageX - 22, 90);
    QRadialGradient mg(QPointF(kStageX - 8, 88), 50);
    mg.setColorAt(0, QColor(255, 255, 255));
    mg.setColorAt(1, QColor(190, 190, 210));
    ink(p, mask, mg, 1.6);
    for (int sd : {-1, 1}) {
        QPainterPath hole;
        hole.moveTo(kStageX + sd * 4, 100);
        hole.quadTo(kStageX + sd * 12, 90, kStageX + sd * 18, 98);
        hole.quadTo(kStageX + sd * 12, 106, kStageX + sd * 4, 100);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(10, 8, 20));
        p.drawPath(hole);
        p.setBrush(QColor(140, 240, 255));
        p.drawEllipse(QPointF(kStageX + sd * 11, 99), 2.5, 2.5);
    }
    p.setPen(QPen(QColor(200, 40, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kStageX + 11, 108), QPointF(kStageX + 9, 130));
    p.setPen(QPen(QColor(60, 80, 170), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kStageX - 8, 70, 16, 12), 200 * 16, 140 * 16);
    // pale hands, one holding up a lantern of blue fire
    const QPainterPath chain =
        capsule(QPointF(kStageX + 66, 176), 1.2, QPointF(kStageX + 66, 196), 1.2);
    ink(p, chain, trim, 0.8);
    QPainterPath hand;
    hand.addEllipse(QPointF(kStageX + 66, 172), 8, 7);
    hand.addEllipse(QPointF(kStageX - 56, 200), 8, 7);
    ink(p, hand, QColor(230, 230, 240), 1.3);
    QPainterPath lantern;
    lantern.addRoundedRect(QRectF(kStageX + 54, 196, 24, 34), 6, 6);
    ink(p, lantern, QColor(30, 60, 110), 1.5);
    QPainterPath frame;
    frame.addRect(QRectF(kStageX + 52, 192, 28, 6));
    frame.addRect(QRectF(kStageX + 52, 228, 28, 6));
    ink(p, frame, shiny(frame.boundingRect(), trim), 1.2);
    p.end();
    QPainterPath flame;
    flame.moveTo(kStageX + 66, 200);
    flame.cubicTo(kStageX + 76, 212, kStageX + 74, 226, kStageX + 66, 226);
    flame.cubicTo(kStageX + 58, 226, kStageX + 56, 212, kStageX + 66, 200);
    lightPool(img, QPointF(kStageX + 66, 214), 80, QColor(80, 170, 255, 90));
    glowingShape(img, flame, QColor(210, 250, 255), QColor(90, 200, 255, 255), 16);
    // rings of light circling the wanderer
    beginPainter(p, img);
    for (int i = 0; i < 2; ++i) {
        p.save();
        p.translate(kStageX, 200 + i * 50);
        p.rotate(-12 + i * 20);
        p.setPen(QPen(QColor(150, 230, 255, 150), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 120 - i * 20, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 250, 255));
        for (int k = 0; k < 10; ++k) {
            const double a = k * 2 * M_PI / 10 + i;
            p.drawEllipse(QPointF(std::cos(a) * (120 - i * 20), std::sin(a) * 22), 2.5, 2.5);
        }
        p.restore();
    }
    p.end();
    motes(img, QRectF(120, 60, 260, 260), 16, QColor(150, 230, 255, 150), 2.2, 1604);
    return {QStringLiteral("extra.bmp"), img, FileKind::Bmp};
}

}  // namespace

std::vector<Picture> drawCreatureScenes() {
    return paintAll({[] { return knightScene(false); }, [] { return knightScene(true); },
                     ghostScene, weirdoScene, [] { return blobScene(Blob::Weak); },
                     [] { return blobScene(Blob::Weakest); },
                     [] { return blobScene(Blob::Strong); }, [] { return dragonScene(false); },
                     [] { return dragonScene(true); }, wandererScene});
}

}  // namespace quill::assetgen::scene
