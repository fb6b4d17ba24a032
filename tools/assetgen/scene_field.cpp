// The places of the walk: the chest on the wild path (shut, then burst open), the clearing where
// the adventurer lies sick (and the same clearing healed in the morning), the inn and the item
// shop with their keepers, and the island's wilds, stranger the further they lie from the landing.
#include "scene_art.h"

#include <cmath>

namespace quill::assetgen::scene {

namespace {

// ---------------------------------------------------------------- the chest

Outdoor wildPath() {
    Outdoor o;
    o.setSky(qRgb(74, 134, 214), qRgb(132, 188, 236), qRgb(226, 236, 232), 214)
        .setSun(QPointF(70, 40), 0, 0.35)
        .setGround(qRgb(120, 170, 84), qRgb(74, 132, 54), qRgb(160, 200, 100))
        .setPath(190, qRgb(200, 172, 120), 250, 40);
    o.clouds = 0.45;
    o.ridges = {{214, 46, 150, 0.2, qRgb(120, 150, 190), qRgb(190, 210, 220), 11},
                {224, 26, 36, 0.1, qRgb(52, 110, 70), qRgb(110, 150, 110), 12}};
    o.seed = 101;
    return o;
}

void woodsEdge(QPainter& p, uint32_t seed) {
    const QColor leaf(58, 130, 64), bark(110, 76, 48);
    drawTree(p, QPointF(470, 236), 120, shade(leaf, 0.85), bark, TreeKind::Broad, seed + 1);
    drawTree(p, QPointF(560, 244), 150, leaf, bark, TreeKind::Broad, seed + 2);
    drawTree(p, QPointF(46, 250), 170, leaf, bark, TreeKind::Broad, seed + 3);
    drawTree(p, QPointF(120, 232), 100, shade(leaf, 0.9), bark, TreeKind::Pine, seed + 4);
    drawTree(p, QPointF(640, 300), 210, shade(leaf, 0.9), bark, TreeKind::Broad, seed + 5);
    drawBoulder(p, QPointF(380, 290), 46, 24, QColor(140, 134, 124), seed + 6);
    drawBoulder(p, QPointF(96, 322), 60, 30, QColor(130, 126, 118), seed + 7);
    drawGrass(p, QRectF(0, 240, 640, 230), 90, QColor(70, 140, 60), seed + 8);
    drawFlowers(p, QRectF(330, 260, 300, 200), 16, {QColor(255, 240, 120), QColor(255, 255, 255)},
                seed + 9);
}

QPainterPath coinPath(QPointF c, double r) {
    QPainterPath coin;
    coin.addEllipse(c, r, r * 0.45);
    return coin;
}

void coin(QPainter& p, QPointF c, double r) {
    QLinearGradient g(c - QPointF(r, r * 0.5), c + QPointF(r, r * 0.5));
    g.setColorAt(0, QColor(255, 250, 190));
    g.setColorAt(0.5, QColor(250, 200, 60));
    g.setColorAt(1, QColor(190, 120, 30));
    ink(p, coinPath(c, r), g, 1.0);
    p.setPen(QPen(QColor(200, 130, 30), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.6, r * 0.26);
}

void gem(QPainter& p, QPointF c, double r, const QColor& colour) {
    const QPainterPath g =
        polygonPath({c + QPointF(-r, -r * 0.3), c + QPointF(-r * 0.5, -r), c + QPointF(r * 0.5, -r),
                     c + QPointF(r, -r * 0.3), c + QPointF(0, r)});
    QLinearGradient lg(c + QPointF(-r, -r), c + QPointF(r, r));
    lg.setColorAt(0, shade(colour, 1.7));
    lg.setColorAt(0.5, colour);
    lg.setColorAt(1, shade(colour, 0.5));
    ink(p, g, lg, 1.1);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1.0));
    p.drawLine(c + QPointF(-r * 0.5, -r * 0.55), c + QPointF(-r * 0.1, -r * 0.55));
}

// A wooden chest bound in gold, its front centred on `base` (the middle of its bottom edge).
void chest(QImage& img, QPointF base, bool open) {
    const double w = 150, bodyH = 74, lidH = 42;
    const QColor wood(150, 86, 42), band(232, 180, 66);
    const QRectF front(base.x() - w / 2, base.y() - bodyH, w, bodyH);
    QPainter p;
    beginPainter(p, img);
    groundShadow(p, base + QPointF(14, 0), w * 0.66, 16, 110);

    if (open) {
        // the lid thrown back, its inside towards us
        const QPainterPath lid = polygonPath({QPointF(front.left() + 4, front.top() - 30),
                                              QPointF(front.right() - 4, front.top() - 30),
                                              QPointF(front.right() + 8, front.top() - 112),
                                              QPointF(front.left() - 8, front.top() - 112)});
        QLinearGradient lg(0, front.top() - 112, 0, front.top() - 30);
        lg.setColorAt(0, shade(wood, 0.9));
        lg.setColorAt(1, shade(wood, 0.45));
        ink(p, lid, lg, 2.0);
        for (double x : {-0.34, 0.34}) {
            const QPainterPath strap =
                polygonPath({QPointF(base.x() + x * w - 7, front.top() - 30),
                             QPointF(base.x() + x * w + 7, front.top() - 30),
                             QPointF(base.x() + x * w * 1.1 + 8, front.top() - 112),
                             QPointF(base.x() + x * w * 1.1 - 8, front.top() - 112)});
            ink(p, strap, shiny(strap.boundingRect(), shade(band, 0.85)), 1.3);
        }
        // the open mouth of the chest, seen from above and full of treasure
        QPainterPath mouth =
            polygonPath({QPointF(front.left(), front.top()), QPointF(front.right(), front.top()),
                         QPointF(front.right() - 8, front.top() - 30),
                         QPointF(front.left() + 8, front.top() - 30)});
        ink(p, mouth, QColor(60, 30, 20), 2.0);
        p.save();
        p.setClipPath(mouth);
        Rng rng(55);
        for (int i = 0; i < 60; ++i) {
            const QPointF c(rng.range(front.left() + 6, front.right() - 6),
                            rng.range(front.top() - 30, front.top() + 2));
            coin(p, c - QPointF(0, 8 * std::sin((c.x() - front.left()) / w * M_PI)),
                 rng.range(6, 9));
        }
        p.restore();
        // the heap bulges over the rim
        Rng heap(56);
        for (int i = 0; i < 26; ++i) {
            const double t = heap.uniform();
            const QPointF c(front.left() + 18 + t * (w - 36),
                            front.top() - 24 - 16 * std::sin(t * M_PI) + heap.range(-4, 6));
            coin(p, c, heap.range(6.5, 9));
        }
        gem(p, QPointF(base.x() - 22, front.top() - 40), 10, QColor(220, 40, 70));
        gem(p, QPointF(base.x() + 30, front.top() - 36), 8, QColor(60, 120, 240));
        gem(p, QPointF(base.x() + 4, front.top() - 48), 9, QColor(60, 200, 120));
    }

    // the box: planks across, darker on the right
    QLinearGradient fg(front.topLeft(), front.topRight());
    fg.setColorAt(0, shade(wood, 1.2));
    fg.setColorAt(0.6, wood);
    fg.setColorAt(1, shade(wood, 0.7));
    QPainterPath box;
    box.addRect(front);
    ink(p, box, fg, 2.0);
    p.setPen(QPen(shade(wood, 0.55), 1.3));
    for (int i = 1; i < 3; ++i) {
        const double y = front.top() + bodyH * i / 3.0;
        p.drawLine(QPointF(front.left() + 2, y), QPointF(front.right() - 2, y));
    }
    // the side face in perspective
    const QPainterPath sideFace =
        polygonPath({front.topRight(), front.topRight() + QPointF(20, -16),
                     front.bottomRight() + QPointF(20, -16), front.bottomRight()});
    ink(p, sideFace, shade(wood, 0.55), 2.0);

    if (!open) {
        // a rounded lid on top
        QPainterPath lid;
        lid.moveTo(front.left(), front.top());
        lid.cubicTo(front.left() - 2, front.top() - lidH, front.left() + 16, front.top() - lidH - 6,
                    base.x(), front.top() - lidH - 6);
        lid.cubicTo(front.right() - 16, front.top() - lidH - 6, front.right() + 2,
                    front.top() - lidH, front.right(), front.top());
        lid.closeSubpath();
        QLinearGradient lg(QPointF(0, front.top() - lidH - 6), QPointF(0, front.top()));
        lg.setColorAt(0, shade(wood, 1.35));
        lg.setColorAt(0.5, wood);
        lg.setColorAt(1, shade(wood, 0.8));
        ink(p, lid, lg, 2.0);
        // the rounded end of the lid, seen from the side
        QPainterPath lidSide(front.topRight());
        lidSide.cubicTo(front.topRight() + QPointF(0, -lidH * 0.8),
                        front.topRight() + QPointF(6, -lidH - 10),
                        front.topRight() + QPointF(12, -lidH - 14));
        lidSide.cubicTo(front.topRight() + QPointF(18, -lidH - 12),
                        front.topRight() + QPointF(22, -lidH * 0.6),
                        front.topRight() + QPointF(20, -16));
        lidSide.closeSubpath();
        ink(p, lidSide, shade(wood, 0.5), 1.8);
        p.setPen(QPen(shade(wood, 0.6), 1.2));
        p.drawLine(QPointF(front.left() + 6, front.top() - lidH * 0.5),
                   QPointF(front.right() - 6, front.top() - lidH * 0.5));
        // gold straps over the lid and down the front
        for (double x : {-0.34, 0.34}) {
            QPainterPath strap;
            strap.addRect(
                QRectF(base.x() + x * w - 8, front.top() - lidH - 4, 16, lidH + bodyH + 2));
            ink(p, strap.intersected(lid.united(box)), shiny(strap.boundingRect(), band), 1.3);
        }
        QPainterPath rim;
        rim.addRect(QRectF(front.left() - 3, front.top() - 5, w + 6, 9));
        ink(p, rim, shiny(rim.boundingRect(), band), 1.4);
        // the lock
        QPainterPath plate;
        plate.addRoundedRect(QRectF(base.x() - 15, front.top() - 8, 30, 34), 5, 5);
        ink(p, plate, shiny(plate.boundingRect(), band), 1.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 30, 20));
        p.drawEllipse(QPointF(base.x(), front.top() + 6), 4, 4);
        p.drawPath(polygonPath({QPointF(base.x() - 2.5, front.top() + 7),
                                QPointF(base.x() + 2.5, front.top() + 7),
                                QPointF(base.x() + 3.5, front.top() + 18),
                                QPointF(base.x() - 3.5, front.top() + 18)}));
    } else {
        for (double x : {-0.34, 0.34}) {
            QPainterPath strap;
            strap.addRect(QRectF(base.x() + x * w - 8, front.top(), 16, bodyH));
            ink(p, strap, shiny(strap.boundingRect(), band), 1.3);
        }
        QPainterPath rim;
        rim.addRect(QRectF(front.left() - 3, front.top() - 3, w + 6, 8));
        ink(p, rim, shiny(rim.boundingRect(), band), 1.4);
        QPainterPath plate;
        plate.addRoundedRect(QRectF(base.x() - 13, front.top() + 2, 26, 22), 5, 5);
        ink(p, plate, shiny(plate.boundingRect(), band), 1.4);
    }
    // corner fittings
    for (const QPointF& c :
         {front.bottomLeft(), front.bottomRight(), front.topLeft(), front.topRight()}) {
        QPainterPath corner;
        corner.addRect(QRectF(c.x() - 8, c.y() - 8, 16, 16));
        ink(p, corner.intersected(box), shiny(corner.boundingRect(), shade(band, 0.9)), 1.2);
    }
    if (open) {
        // coins spilled in front of the chest
        Rng rng(57);
        for (int i = 0; i < 22; ++i) {
            const QPointF c(base.x() + rng.range(-120, 130), base.y() + rng.range(4, 46));
            coin(p, c, rng.range(6, 8.5));
        }
        gem(p, base + QPointF(-90, 26), 8, QColor(180, 60, 220));
    }
}

Picture chestScene(bool open) {
    QImage img = paintOutdoor(wildPath());
    {
        QPainter p;
        beginPainter(p, img);
        woodsEdge(p, 120);
    }
    const QPointF base(kStageX, 300);
    if (open) {
        // the light of the treasure fans up out of the chest
        lightRays(img, base + QPointF(0, -110), 22, 260, 150, -90, QColor(255, 230, 140, 150), 61);
        lightPool(img, base + QPointF(0, -100), 170, QColor(255, 210, 110, 130));
    }
    chest(img, base, open);
    if (open) {
        lightPool(img, base + QPointF(0, -110), 90, QColor(255, 240, 180, 110));
        QPainter p;
        beginPainter(p, img);
        sparkles(p, QRectF(base.x() - 110, base.y() - 220, 220, 140), 14, 5, 12,
                 QColor(255, 246, 200), 62);
    }
    return {open ? QStringLiteral("trager2.bmp") : QStringLiteral("trager.bmp"), img,
            FileKind::Bmp};
}

// ---------------------------------------------------------------- the sickness

void campfire(QPainter& p, QImage& img, QPointF c, bool healthy) {
    p.end();
    lightPool(img, c + QPointF(0, -10), healthy ? 110 : 70,
              healthy ? QColor(255, 170, 80, 90) : QColor(200, 60, 30, 80));
    beginPainter(p, img);
    groundShadow(p, c + QPointF(4, 2), 50, 12, 90);
    // a ring of stones
    Rng rng(70);
    for (int i = 0; i < 10; ++i) {
        const double a = i * 2 * M_PI / 10;
        const QPointF s = c + QPointF(std::cos(a) * 40, std::sin(a) * 12);
        drawBoulder(p, s + QPointF(0, 4), rng.range(14, 20), rng.range(8, 12),
                    QColor(120, 114, 108), 71 + i);
    }
    // logs
    const QColor log = healthy ? QColor(130, 84, 50) : QColor(60, 44, 40);
    for (int s : {-1, 1}) {
        const QPainterPath l = capsule(c + QPointF(-s * 30, -2), 6, c + QPointF(s * 20, -12), 5);
        ink(p, l, lit(l.boundingRect(), log), 1.4);
    }
    if (healthy) {
        QPainterPath flame;
        flame.moveTo(c + QPointF(-18, -6));
        flame.cubicTo(c + QPointF(-22, -30), c + QPointF(-6, -34), c + QPointF(-4, -58));
        flame.cubicTo(c + QPointF(6, -40), c + QPointF(14, -46), c + QPointF(10, -66));
        flame.cubicTo(c + QPointF(26, -44), c + QPointF(24, -20), c + QPointF(18, -6));
        flame.closeSubpath();
        p.end();
        QLinearGradient g(c + QPointF(0, -66), c + QPointF(0, -6));
        g.setColorAt(0, QColor(255, 120, 40));
        g.setColorAt(0.5, QColor(255, 200, 70));
        g.setColorAt(1, QColor(255, 250, 200));
        glowingShape(img, flame, g, QColor(255, 160, 60, 200), 10);
        beginPainter(p, img);
    } else {
        // only embers and a thread of smoke are left
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            p.setBrush(QColor(255, int(rng.range(60, 140)), 40, 220));
            p.drawEllipse(c + QPointF(rng.range(-18, 18), rng.range(-12, -2)), 2.2, 1.6);
        }
        QPainterPath smoke(c + QPointF(0, -12));
        smoke.cubicTo(c + QPointF(-20, -50), c + QPointF(24, -80), c + QPointF(-4, -120));
        smoke.cubicTo(c + QPointF(-24, -150), c + QPointF(20, -170), c + QPointF(6, -200));
        strokeLine(p, smoke, QColor(180, 170, 190, 90), 7);
        strokeLine(p, smoke, QColor(200, 190, 210, 70), 3);
    }
}

void bedroll(QPainter& p, QPointF c, bool rolledUp) {
    const QColor blanket(170, 60, 54), pad(210, 190, 150);
    if (rolledUp) {
        groundShadow(p, c + QPointF(6, 4), 48, 9, 90);
        const QPainterPath roll = capsule(c + QPointF(-40, -12), 13, c + QPointF(40, -12), 13);
        ink(p, roll, lit(roll.boundingRect(), blanket), 1.6);
        QPainterPath end;
        end.addEllipse(c + QPointF(40, -12), 7, 13);
        ink(p, end, shade(pad, 0.9), 1.4);
        p.setPen(QPen(QColor(110, 70, 40), 3));
        for (double x : {-20.0, 20.0}) p.drawLine(c + QPointF(x, -25), c + QPointF(x, 1));
        return;
    }
    groundShadow(p, c + QPointF(6, 4), 90, 14, 70);
    const QPainterPath mat = polygonPath(
        {c + QPointF(-86, -10), c + QPointF(60, -16), c + QPointF(84, 12), c + QPointF(-72, 16)});
    ink(p, mat, lit(mat.boundingRect(), pad), 1.5);
    QPainterPath cover;
    cover.moveTo(c + QPointF(-40, -14));
    cover.cubicTo(c + QPointF(-10, -30), c + QPointF(40, -26), c + QPointF(70, -14));
    cover.lineTo(c + QPointF(82, 10));
    cover.cubicTo(c + QPointF(30, 16), c + QPointF(-10, 14), c + QPointF(-34, 14));
    cover.closeSubpath();
    ink(p, cover, lit(cover.boundingRect(), blanket), 1.6);
    p.setPen(QPen(shade(blanket, 0.6), 1.3));
    p.drawLine(c + QPointF(0, -20), c + QPointF(6, 12));
    p.drawLine(c + QPointF(36, -20), c + QPointF(42, 12));
    QPainterPath pillow;
    pillow.addRoundedRect(QRectF(c.x() - 82, c.y() - 20, 36, 22), 9, 9);
    ink(p, pillow, lit(pillow.boundingRect(), QColor(236, 230, 214)), 1.4);
}

Picture sicknessScene(bool healed) {
    Outdoor o;
    if (healed) {
        o.setSun(QPointF(190, 176), 22, 0.55)
            .setGround(qRgb(130, 184, 96), qRgb(80, 146, 64), qRgb(176, 214, 120));
        o.skyTop = qRgb(90, 150, 230);
        o.skyMid = qRgb(170, 210, 246);
        o.skyLow = qRgb(255, 236, 200);
        o.glowColour = qRgb(255, 226, 170);
        o.clouds = 0.3;
        o.cloudDark = qRgb(230, 200, 200);
        o.ridges = {{206, 40, 130, 0.35, qRgb(130, 150, 200), qRgb(230, 220, 220), 21},
                    {216, 30, 40, 0.15, qRgb(60, 120, 80), qRgb(170, 190, 160), 22}};
    } else {
        o.setSun(QPointF(420, 80), 16, 0.35)
            .setClouds(0.5, qRgb(120, 110, 130), qRgb(50, 40, 64))
            .setGround(qRgb(84, 92, 62), qRgb(44, 54, 40), qRgb(110, 104, 70));
        o.skyTop = qRgb(30, 22, 50);
        o.skyMid = qRgb(70, 50, 90);
        o.skyLow = qRgb(120, 110, 96);
        o.sunColour = qRgb(220, 230, 170);
        o.glowColour = qRgb(150, 170, 110);
        o.ridges = {{206, 40, 130, 0.35, qRgb(60, 56, 86), qRgb(100, 96, 96), 21},
                    {216, 30, 40, 0.15, qRgb(34, 50, 44), qRgb(70, 76, 70), 22}};
    }
    o.horizon = 214;
    o.seed = 201;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    const QColor leaf = healed ? QColor(60, 136, 70) : QColor(50, 70, 56);
    const QColor bark = healed ? QColor(110, 76, 48) : QColor(54, 44, 44);
    const TreeKind kind = healed ? TreeKind::Broad : TreeKind::Twisted;
    drawTree(p, QPointF(60, 250), 190, leaf, bark, kind, 211);
    drawTree(p, QPointF(470, 232), 130, shade(leaf, 0.9), bark, kind, 212);
    drawTree(p, QPointF(590, 260), 200, leaf, bark, kind, 213);
    drawGrass(p, QRectF(0, 230, 640, 240), 80, healed ? QColor(80, 150, 60) : QColor(90, 90, 60),
              214);
    if (healed)
        drawFlowers(p, QRectF(20, 250, 600, 210), 30,
                    {QColor(255, 240, 120), QColor(255, 170, 200), QColor(255, 255, 255)}, 215);
    if (!healed) {
        // the fever: the clearing spins around the sick adventurer
        p.end();
        swirl(img, QPointF(kStageX, 200), 330, 55);
        beginPainter(p, img);
    }
    bedroll(p, QPointF(190, 330), healed);
    campfire(p, img, QPointF(kStageX + 70, 290), healed);
    if (healed) {
        // birds in the morning sky
        birds(p, {QPointF(250, 70), QPointF(280, 86), QPointF(228, 96)}, QColor(50, 60, 90), 8,
              1.8);
    }
    p.end();
    if (healed) {
        lightRays(img, QPointF(190, 176), 16, 520, 80, 30, QColor(255, 240, 190, 60), 216);
    } else {
        motes(img, QRectF(120, 80, 300, 240), 18, QColor(170, 220, 90, 140), 3, 217);
        tint(img, qRgb(90, 120, 60), 0.18);
        vignette(img, 0.75, qRgb(20, 10, 30));
    }
    return {healed ? QStringLiteral("op2.bmp") : QStringLiteral("op.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- inn and shop

void counter(QPainter& p, double top, double left, double right, const QColor& wood) {
    const QRectF face(left, top + 14, right - left, kGroundY + 46 - top - 14);
    QLinearGradient fg(face.topLeft(), face.bottomLeft());
    fg.setColorAt(0, shade(wood, 0.8));
    fg.setColorAt(1, shade(wood, 0.55));
    QPainterPath f;
    f.addRect(face);
    ink(p, f, fg, 2.0);
    p.setPen(QPen(shade(wood, 0.42), 1.4));
    for (double x = left + 60; x < right - 20; x += 70)
        p.drawLine(QPointF(x, face.top() + 8), QPointF(x, face.bottom() - 6));
    p.setPen(QPen(shade(wood, 1.05), 1.0));
    for (double x = left + 62; x < right - 20; x += 70)
        p.drawLine(QPointF(x, face.top() + 8), QPointF(x, face.bottom() - 6));
    QPainterPath topBoard = polygonPath({QPointF(left - 8, top + 16), QPointF(left + 6, top),
                                         QPointF(right - 6, top), QPointF(right + 8, top + 16)});
    QLinearGradient tg(0, top, 0, top + 16);
    tg.setColorAt(0, shade(wood, 1.35));
    tg.setColorAt(1, shade(wood, 1.0));
    ink(p, topBoard, tg, 1.8);
}

void mug(QPainter& p, QPointF base, double s) {
    QPainterPath body;
    body.addRoundedRect(QRectF(base.x() - 8 * s, base.y() - 20 * s, 16 * s, 20 * s), 3 * s, 3 * s);
    QPainterPath handle =
        capsule(base + QPointF(8 * s, -15 * s), 3 * s, base + QPointF(12 * s, -6 * s), 3 * s);
    ink(p, handle, QColor(150, 100, 60), 1.1);
    ink(p, body, lit(body.boundingRect(), QColor(170, 116, 70)), 1.2);
    p.setPen(QPen(QColor(230, 190, 100), 1.5 * s));
    p.drawLine(base + QPointF(-8 * s, -5 * s), base + QPointF(8 * s, -5 * s));
}

void potion(QPainter& p, QPointF base, double h, const QColor& liquid, int shape) {
    QPainterPath bottle;
    const double w = h * (shape == 1 ? 0.42 : 0.6);
    if (shape == 0) {
        bottle.addEllipse(base + QPointF(0, -w * 0.5), w * 0.5, w * 0.5);
    } else if (shape == 1) {
        bottle.addRoundedRect(QRectF(base.x() - w / 2, base.y() - h * 0.7, w, h * 0.7), 3, 3);
    } else {
        bottle = polygonPath({base + QPointF(-w / 2, 0), base + QPointF(w / 2, 0),
                              base + QPointF(w * 0.12, -h * 0.62),
                              base + QPointF(-w * 0.12, -h * 0.62)});
    }
    const double neckTop = shape == 0 ? -w - h * 0.3 : -h * 0.92;
    bottle.addRect(QRectF(base.x() - h * 0.08, base.y() + neckTop, h * 0.16, h * 0.35));
    bottle = solid(bottle);
    QLinearGradient g(bottle.boundingRect().topLeft(), bottle.boundingRect().topRight());
    g.setColorAt(0, shade(liquid, 1.5));
    g.setColorAt(0.4, liquid);
    g.setColorAt(1, shade(liquid, 0.5));
    ink(p, bottle, g, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(base.x() - h * 0.1, base.y() + neckTop - 3, h * 0.2, 5));
    p.setBrush(QColor(255, 255, 255, 150));
    const QRectF b = bottle.boundingRect();
    p.drawEllipse(QPointF(b.left() + b.width() * 0.3, b.bottom() - b.height() * 0.35), 1.6,
                  b.height() * 0.12);
}

void shelf(QPainter& p, double y, double left, double right, const QColor& wood) {
    QPainterPath board;
    board.addRect(QRectF(left, y, right - left, 8));
    ink(p, board, lit(board.boundingRect(), wood), 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRect(QRectF(left, y + 8, right - left, 5));
}

void hangingLantern(QImage& img, QPointF c) {
    lightPool(img, c, 120, QColor(255, 190, 100, 130));
    QPainter p;
    beginPainter(p, img);
    p.setPen(QPen(QColor(40, 30, 24), 1.5));
    p.drawLine(QPointF(c.x(), 30), c + QPointF(0, -22));
    QPainterPath glass;
    glass.addRoundedRect(QRectF(c.x() - 11, c.y() - 16, 22, 30), 5, 5);
    QRadialGradient g(c, 18);
    g.setColorAt(0, QColor(255, 255, 220));
    g.setColorAt(1, QColor(255, 180, 70));
    ink(p, glass, g, 1.4);
    QPainterPath capTop =
        polygonPath({c + QPointF(-14, -16), c + QPointF(14, -16), c + QPointF(0, -26)});
    ink(p, capTop, QColor(70, 60, 56), 1.2);
    QPainterPath foot;
    foot.addRect(QRectF(c.x() - 13, c.y() + 13, 26, 5));
    ink(p, foot, QColor(70, 60, 56), 1.2);
}

Picture innScene() {
    Room r;
    r.wallColour = QColor(176, 118, 70);
    r.floorColour = QColor(140, 92, 56);
    r.beam = QColor(100, 62, 36);
    r.floorY = 300;
    r.lamp = QPointF(240, 120);
    r.lampStrength = 0.45;
    r.seed = 301;
    QImage img = paintRoom(r);
    QPainter p;
    beginPainter(p, img);
    // behind the keeper: a window on the night and shelves of mugs; a board of room keys
    QPainterPath window;
    window.addRoundedRect(QRectF(392, 70, 110, 96), 6, 6);
    QLinearGradient night(0, 70, 0, 166);
    night.setColorAt(0, QColor(20, 30, 80));
    night.setColorAt(1, QColor(70, 70, 140));
    ink(p, window, night, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(QPointF(478, 94), 9, 9);
    p.setPen(QPen(QColor(110, 70, 40), 5));
    p.drawLine(QPointF(447, 70), QPointF(447, 166));
    p.drawLine(QPointF(392, 118), QPointF(502, 118));
    shelf(p, 140, 60, 190, QColor(120, 76, 44));
    shelf(p, 196, 60, 190, QColor(120, 76, 44));
    for (int i = 0; i < 4; ++i) mug(p, QPointF(82 + i * 30, 140), 1.0);
    potion(p, QPointF(90, 196), 30, QColor(120, 60, 40), 1);
    potion(p, QPointF(120, 196), 26, QColor(60, 120, 50), 2);
    potion(p, QPointF(150, 196), 30, QColor(140, 40, 50), 1);
    QPainterPath keys;
    keys.addRoundedRect(QRectF(326, 176, 64, 50), 4, 4);
    ink(p, keys, lit(keys.boundingRect(), QColor(130, 84, 50)), 1.6);
    for (int i = 0; i < 6; ++i) {
        const QPointF k(336 + (i % 3) * 22, 186 + (i / 3) * 22);
        p.setPen(QPen(QColor(230, 190, 90), 2));
        p.drawLine(k, k + QPointF(0, 10));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(k + QPointF(0, -2), 3, 3);
    }
    p.end();
    hangingLantern(img, QPointF(110, 92));
    hangingLantern(img, QPointF(560, 92));
    beginPainter(p, img);

    // the innkeeper: a cheerful woman in a head scarf and an apron
    Person keeper;
    keeper.skin = QColor(246, 208, 176);
    keeper.hair = QColor(150, 74, 40);
    keeper.hairStyle = HairStyle::Bob;
    keeper.face.female = true;
    keeper.face.eyes = Eyes::Happy;
    keeper.face.mouth = Mouth::Grin;
    keeper.face.blush = true;
    keeper.pose(QPointF(-46, -150), QPointF(-40, -118), QPointF(50, -150), QPointF(44, -118));
    keeper.shirt = QColor(90, 140, 110);
    keeper.sleeve = QColor(240, 232, 214);
    keeper.build = 1.15;
    p.save();
    placeFigure(p, QPointF(kStageX, 368), 1.0);
    drawBackHair(p, keeper);
    drawBody(p, keeper);
    // apron bib
    const double sy = -200;
    QPainterPath bib;
    bib.moveTo(-13, sy + 24);
    bib.quadTo(0, sy + 20, 13, sy + 24);
    bib.lineTo(22, sy + 86);
    bib.lineTo(-22, sy + 86);
    bib.closeSubpath();
    ink(p, bib, lit(bib.boundingRect(), QColor(248, 244, 236)), 1.4);
    QPainterPath pocket;
    pocket.addRoundedRect(QRectF(-9, sy + 46, 18, 14), 4, 4);
    ink(p, pocket, QColor(236, 226, 210), 1.1);
    p.setPen(QPen(QColor(200, 190, 170), 1.6));
    p.drawLine(QPointF(-12, sy + 22), QPointF(-24, sy + 2));
    p.drawLine(QPointF(12, sy + 22), QPointF(24, sy + 2));
    drawArm(p, keeper, 0);
    drawArm(p, keeper, 1);
    drawHead(p, keeper);
    // head scarf knotted at the top
    const QPointF h = headCentre(keeper);
    QPainterPath scarf;
    scarf.moveTo(h + QPointF(-31, -6));
    scarf.cubicTo(h + QPointF(-32, -40), h + QPointF(32, -40), h + QPointF(31, -6));
    scarf.quadTo(h + QPointF(0, -18), h + QPointF(-31, -6));
    ink(p, scarf, lit(scarf.boundingRect(), QColor(220, 70, 70)), 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 240));
    for (const QPointF& d :
         {QPointF(-16, -22), QPointF(0, -28), QPointF(16, -22), QPointF(-6, -16), QPointF(10, -16)})
        p.drawEllipse(h + d, 2.2, 2.2);
    QPainterPath knot;
    knot.addEllipse(h + QPointF(26, -26), 7, 6);
    ink(p, knot, QColor(200, 60, 60), 1.3);
    p.restore();

    counter(p, 248, 60, 470, QColor(150, 96, 54));
    p.save();
    placeFigure(p, QPointF(kStageX, 368), 1.0);
    drawHand(p, keeper, 0, 80);
    drawHand(p, keeper, 1, -80);
    p.restore();
    // on the counter: a bell, the guest book and a candle
    QPainterPath book =
        polygonPath({QPointF(150, 258), QPointF(214, 254), QPointF(222, 266), QPointF(154, 270)});
    ink(p, book, QColor(246, 238, 220), 1.3);
    p.setPen(QPen(QColor(120, 110, 100), 1.0));
    p.drawLine(QPointF(182, 256), QPointF(188, 268));
    QPainterPath bell;
    bell.moveTo(QPointF(300, 262));
    bell.cubicTo(QPointF(300, 244), QPointF(324, 244), QPointF(324, 262));
    bell.closeSubpath();
    ink(p, bell, shiny(bell.boundingRect(), QColor(230, 180, 70)), 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 70));
    p.drawEllipse(QPointF(312, 245), 2.5, 2.5);
    mug(p, QPointF(360, 266), 1.1);
    p.end();
    vignette(img, 0.35);
    return {QStringLiteral("yado.bmp"), img, FileKind::Bmp};
}

// A shop keeper standing behind the counter, hands resting on it; `headwear` paints what
// sits on the head (given its centre) in the figure's own frame.
template <typename Headwear>
void keeperBehindCounter(QPainter& p, const Person& keeper, const QColor& wood, Headwear headwear) {
    p.save();
    placeFigure(p, QPointF(kStageX, 368), 1.0);
    drawBody(p, keeper);
    drawArm(p, keeper, 0);
    drawArm(p, keeper, 1);
    drawHead(p, keeper);
    headwear(headCentre(keeper));
    p.restore();
    counter(p, 250, 70, 420, wood);
    p.save();
    placeFigure(p, QPointF(kStageX, 368), 1.0);
    drawHand(p, keeper, 0, 80);
    drawHand(p, keeper, 1, -80);
    p.restore();
}

Picture shopScene() {
    Room r;
    r.wall = Wall::Stone;
    r.wallColour = QColor(128, 116, 132);
    r.floorColour = QColor(120, 84, 60);
    r.beam = QColor(84, 56, 40);
    r.floorY = 300;
    r.lamp = QPointF(250, 150);
    r.lampColour = QColor(255, 214, 150);
    r.lampStrength = 0.5;
    r.seed = 401;
    QImage img = paintRoom(r);
    QPainter p;
    beginPainter(p, img);
    const QColor wood(130, 84, 48);
    // shelves of potions across the back wall
    const QColor liquids[] = {QColor(220, 50, 60),  QColor(60, 120, 230), QColor(70, 190, 90),
                              QColor(170, 80, 210), QColor(240, 190, 60), QColor(60, 200, 210)};
    Rng rng(402);
    for (int row = 0; row < 3; ++row) {
        const double y = 96 + row * 62;
        shelf(p, y, 50, 590, wood);
        for (double x = 70; x < 580; x += rng.range(24, 34)) {
            if (x > 330 && x < 400 && row == 2) continue;
            potion(p, QPointF(x, y), rng.range(24, 34), liquids[rng.below(6)], rng.below(3));
        }
    }
    // a crate of rolled scrolls on the right, stacked lying down
    QPainterPath crate;
    crate.addRect(QRectF(446, 262, 136, 40));
    for (int i = 0; i < 9; ++i) {
        const int row = i < 4 ? 0 : i < 7 ? 1 : 2;
        const int col = i < 4 ? i : i < 7 ? i - 4 : i - 7;
        const QPointF c(480 + col * 24 + row * 12, 262 - row * 17);
        const QPainterPath roll = capsule(c + QPointF(-22, 0), 9, c + QPointF(22, 0), 9);
        ink(p, roll, lit(roll.boundingRect(), QColor(240, 228, 196)), 1.2);
        QPainterPath end;
        end.addEllipse(c + QPointF(22, 0), 5, 8.5);
        ink(p, end, QColor(214, 196, 156), 1.0);
        p.setPen(QPen(i % 3 == 0 ? QColor(200, 40, 50) : QColor(60, 90, 180), 3));
        p.drawLine(c + QPointF(-4, -8), c + QPointF(-4, 8));
    }
    ink(p, crate, lit(crate.boundingRect(), shade(wood, 0.9)), 1.6);
    p.setPen(QPen(shade(wood, 0.5), 1.2));
    p.drawLine(QPointF(448, 282), QPointF(580, 282));
    // herbs drying from the beam
    for (int i = 0; i < 5; ++i) {
        const double x = 60 + i * 26;
        p.setPen(QPen(QColor(60, 44, 30), 1.2));
        p.drawLine(QPointF(x, 30), QPointF(x, 48));
        for (int k = 0; k < 5; ++k) {
            const QPainterPath leaf =
                taper(QPointF(x, 46), QPointF(x + (k - 2) * 3, 52), QPointF(x + (k - 2) * 5, 60),
                      QPointF(x + (k - 2) * 6, 70), 5, 1);
            ink(p, leaf, QColor(90, 130, 60), 0.8);
        }
    }
    p.end();
    hangingLantern(img, QPointF(250, 62));
    beginPainter(p, img);

    // the shopkeeper: a round, bearded merchant in a cap and waistcoat, spectacles on his nose
    Person keeper;
    keeper.skin = QColor(240, 200, 168);
    keeper.hair = QColor(120, 90, 70);
    keeper.hairStyle = HairStyle::Short;
    keeper.face.eyes = Eyes::Happy;
    keeper.face.beard = true;
    keeper.face.glasses = true;
    keeper.pose(QPointF(-56, -150), QPointF(-48, -116), QPointF(58, -152), QPointF(50, -118));
    keeper.shirt = QColor(236, 228, 210);
    keeper.coat = QColor(60, 110, 90);
    keeper.coatHem = -110;
    keeper.sleeve = QColor(236, 228, 210);
    keeper.build = 1.3;
    keeperBehindCounter(p, keeper, wood, [&p](QPointF h) {
        QPainterPath cap;
        cap.moveTo(h + QPointF(-31, -6));
        cap.cubicTo(h + QPointF(-36, -44), h + QPointF(34, -48), h + QPointF(34, -8));
        cap.quadTo(h + QPointF(0, -16), h + QPointF(-31, -6));
        ink(p, cap, lit(cap.boundingRect(), QColor(150, 50, 50)), 1.6);
        QPainterPath brim;
        brim.addRoundedRect(QRectF(h.x() - 33, h.y() - 14, 70, 9), 4, 4);
        ink(p, brim, lit(brim.boundingRect(), QColor(110, 36, 36)), 1.4);
    });
    // rings on a velvet tray and a few goods on the counter
    QPainterPath tray =
        polygonPath({QPointF(150, 262), QPointF(222, 258), QPointF(230, 272), QPointF(146, 276)});
    ink(p, tray, QColor(120, 30, 60), 1.3);
    for (int i = 0; i < 4; ++i) {
        const QPointF c(162 + i * 18, 266 - i * 0.8);
        p.setPen(QPen(QColor(90, 60, 20), 4.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 6, 3.5);
        p.setPen(QPen(QColor(250, 210, 90), 2.6));
        p.drawEllipse(c, 6, 3.5);
        gem(p, c + QPointF(0, -4), 3, liquids[i]);
    }
    potion(p, QPointF(300, 268), 30, QColor(220, 50, 60), 0);
    potion(p, QPointF(330, 268), 34, QColor(60, 120, 230), 1);
    QPainterPath scroll = capsule(QPointF(356, 262), 6, QPointF(400, 258), 6);
    ink(p, scroll, lit(scroll.boundingRect(), QColor(240, 228, 196)), 1.2);
    p.end();
    vignette(img, 0.3);
    return {QStringLiteral("dougu.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the wilds

Picture wildsNear() {
    Outdoor o;
    o.setSun(QPointF(96, 56), 20, 0.4)
        .setGround(qRgb(140, 200, 96), qRgb(96, 170, 70), qRgb(190, 230, 130))
        .setPath(150, qRgb(232, 214, 160), 300, 60);
    o.horizon = 226;
    o.clouds = 0.4;
    o.ridges = {{226, 34, 110, 0.1, qRgb(90, 160, 90), qRgb(170, 210, 170), 501}};
    o.sea = true;
    o.shoreY = 300;
    o.shoreSlope = -0.42;
    o.seaFar = qRgb(60, 140, 210);
    o.seaNear = qRgb(70, 200, 210);
    o.sandWidth = 40;
    o.seed = 502;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    // the ridge only stands on the land: the sea is seen on the left
    drawTree(p, QPointF(44, 474), 270, QColor(80, 170, 80), QColor(150, 110, 70), TreeKind::Palm,
             503);
    drawTree(p, QPointF(168, 414), 190, QColor(70, 160, 80), QColor(150, 110, 70), TreeKind::Palm,
             504);
    drawTree(p, QPointF(520, 250), 110, QColor(70, 150, 70), QColor(110, 76, 48), TreeKind::Broad,
             505);
    drawTree(p, QPointF(600, 262), 140, QColor(60, 140, 66), QColor(110, 76, 48), TreeKind::Broad,
             506);
    drawGrass(p, QRectF(300, 240, 340, 230), 70, QColor(80, 160, 60), 507);
    drawFlowers(p, QRectF(330, 250, 300, 210), 40,
                {QColor(255, 240, 120), QColor(255, 150, 180), QColor(255, 255, 255),
                 QColor(170, 150, 255)},
                508);
    drawBoulder(p, QPointF(250, 330), 40, 16, QColor(200, 190, 170), 509);
    // gulls over the sea
    birds(p, {QPointF(180, 120), QPointF(212, 136), QPointF(150, 146)}, QColor(250, 250, 255), 9);
    p.end();
    return {QStringLiteral("free.bmp"), img, FileKind::Bmp};
}

Picture wildsForest() {
    Outdoor o;
    o.setSky(qRgb(120, 180, 210), qRgb(170, 214, 210), qRgb(200, 226, 200), 236)
        .setSun(QPointF(140, 20), 0, 0.5)
        .setGround(qRgb(70, 110, 50), qRgb(44, 84, 36), qRgb(110, 150, 70))
        .setPath(120, qRgb(150, 116, 76), 230, -50);
    o.glowColour = qRgb(255, 250, 210);
    o.ridges = {{236, 90, 26, 0.3, qRgb(70, 120, 90), qRgb(150, 190, 160), 601},
                {240, 60, 20, 0.3, qRgb(40, 90, 60), qRgb(90, 140, 100), 602}};
    o.seed = 603;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    const QColor bark(96, 66, 44);
    Rng rng(604);
    for (int i = 0; i < 7; ++i) {
        const double x = i < 4 ? 20 + i * 38 : 380 + (i - 4) * 60;
        drawTree(p, QPointF(x, 246 + rng.range(0, 10)), rng.range(120, 160), QColor(46, 110, 60),
                 bark, TreeKind::Pine, 605 + i);
    }
    drawTree(p, QPointF(560, 330), 320, QColor(50, 120, 56), bark, TreeKind::Broad, 620);
    drawTree(p, QPointF(40, 360), 340, QColor(44, 112, 52), bark, TreeKind::Broad, 621);
    drawTree(p, QPointF(450, 290), 230, QColor(40, 104, 60), bark, TreeKind::Pine, 622);
    // the canopy closes over the top of the picture
    for (int i = 0; i < 16; ++i) {
        const QPointF c(i * 44 + rng.range(-10, 10), rng.range(-10, 24));
        const double r = rng.range(34, 50);
        QPainterPath ball;
        ball.addEllipse(c, r * 1.2, r);
        QRadialGradient g(c + QPointF(-r * 0.3, r * 0.4), r * 1.5);
        g.setColorAt(0, QColor(80, 150, 70));
        g.setColorAt(1, QColor(24, 60, 32));
        ink(p, ball, g, 1.2);
    }
    drawGrass(p, QRectF(0, 250, 640, 220), 110, QColor(70, 130, 50), 623);
    for (int i = 0; i < 6; ++i) {
        const QPointF b(rng.range(20, 620), rng.range(300, 460));
        if (b.x() > 150 && b.x() < 340) continue;
        for (int k = -3; k <= 3; ++k) {
            const QPainterPath frond = taper(b, b + QPointF(k * 6, -14), b + QPointF(k * 12, -24),
                                             b + QPointF(k * 16, -20 + std::abs(k) * 4), 7, 1);
            ink(p, frond, QColor(70, 140, 60), 0.9);
        }
    }
    drawMushroom(p, QPointF(120, 380), 22, QColor(210, 60, 50), false);
    drawMushroom(p, QPointF(138, 386), 14, QColor(210, 60, 50), false);
    p.end();
    lightRays(img, QPointF(160, -20), 12, 480, 40, 70, QColor(255, 250, 200, 60), 624);
    motes(img, QRectF(140, 120, 220, 180), 10, QColor(255, 250, 200, 110), 1.6, 625);
    return {QStringLiteral("free2.bmp"), img, FileKind::Bmp};
}

Picture wildsUplands() {
    Outdoor o;
    o.setSky(qRgb(110, 130, 160), qRgb(170, 180, 196), qRgb(220, 220, 214), 240)
        .setSun(QPointF(120, 70), 0, 0.25)
        .setClouds(0.65, qRgb(240, 240, 240), qRgb(150, 156, 170))
        .setGround(qRgb(150, 146, 110), qRgb(110, 110, 80), qRgb(170, 160, 140))
        .setPath(110, qRgb(170, 150, 120), 260, 70);
    o.ridges = {{220, 140, 120, 0.95, qRgb(120, 126, 150), qRgb(190, 196, 206), 701},
                {236, 80, 80, 0.9, qRgb(120, 104, 90), qRgb(170, 160, 146), 702},
                {244, 30, 50, 0.6, qRgb(130, 120, 90), qRgb(160, 150, 120), 703}};
    o.texture = 0.9;
    o.seed = 704;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    const QColor rock(140, 132, 124);
    drawBoulder(p, QPointF(70, 330), 150, 110, shade(rock, 0.95), 705);
    drawBoulder(p, QPointF(30, 440), 120, 70, rock, 706);
    drawBoulder(p, QPointF(520, 300), 130, 90, rock, 707);
    drawBoulder(p, QPointF(600, 360), 110, 120, shade(rock, 0.9), 708);
    drawBoulder(p, QPointF(400, 262), 40, 22, rock, 709);
    drawBoulder(p, QPointF(130, 262), 34, 18, rock, 710);
    drawTree(p, QPointF(470, 270), 80, QColor(80, 100, 70), QColor(90, 76, 60), TreeKind::Dead,
             711);
    drawGrass(p, QRectF(0, 250, 640, 220), 50, QColor(140, 150, 80), 712);
    // a cairn of stacked stones by the path
    for (int i = 0; i < 4; ++i) {
        drawBoulder(p, QPointF(380, 322 - i * 13), 34 - i * 6, 14, QColor(160, 150, 140), 720 + i);
    }
    // eagles circling
    birds(p, {QPointF(300, 80), QPointF(360, 60)}, QColor(60, 60, 70), 14, 2.2);
    p.end();
    addMist(img, qRgb(220, 222, 226), 0.35, 200, 280, 713);
    return {QStringLiteral("free3.bmp"), img, FileKind::Bmp};
}

Picture wildsStrangeWoods() {
    Outdoor o;
    o.setSky(qRgb(40, 50, 100), qRgb(70, 120, 150), qRgb(180, 160, 200), 236)
        .setSun(QPointF(330, 120), 0, 0.35)
        .setClouds(0.3, qRgb(200, 170, 220), qRgb(90, 90, 140))
        .setGround(qRgb(70, 70, 110), qRgb(40, 50, 70), qRgb(90, 140, 140))
        .setPath(110, qRgb(120, 110, 150), 250, 50);
    o.glowColour = qRgb(230, 180, 240);
    o.ridges = {{236, 80, 30, 0.3, qRgb(70, 70, 120), qRgb(150, 140, 190), 801},
                {240, 50, 22, 0.3, qRgb(40, 80, 100), qRgb(100, 110, 150), 802}};
    o.seed = 803;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    const QColor bark(70, 56, 80);
    const QColor leaves[] = {QColor(60, 150, 150), QColor(150, 80, 170), QColor(90, 170, 130)};
    Rng rng(804);
    for (int i = 0; i < 6; ++i) {
        const double x = i < 3 ? 30 + i * 50 : 400 + (i - 3) * 70;
        drawTree(p, QPointF(x, 250 + rng.range(0, 14)), rng.range(110, 150), leaves[i % 3], bark,
                 TreeKind::Twisted, 805 + i);
    }
    drawTree(p, QPointF(40, 390), 300, leaves[1], bark, TreeKind::Twisted, 820);
    drawTree(p, QPointF(580, 370), 300, leaves[0], bark, TreeKind::Twisted, 821);
    drawGrass(p, QRectF(0, 250, 640, 220), 70, QColor(80, 120, 130), 822);
    p.end();
    addMist(img, qRgb(200, 170, 220), 0.6, 180, 330, 823);
    beginPainter(p, img);
    const QColor caps[] = {QColor(80, 220, 230), QColor(240, 110, 200), QColor(180, 240, 120)};
    QPainterPath glowSpots;
    for (int i = 0; i < 9; ++i) {
        const QPointF b(i < 5 ? rng.range(60, 150) : rng.range(360, 600), rng.range(300, 440));
        const double h = rng.range(16, 34);
        glowSpots.addEllipse(b + QPointF(0, -h * 0.8), h * 0.6, h * 0.4);
        drawMushroom(p, b, h, caps[i % 3], true);
    }
    p.end();
    paintGlow(img, solid(glowSpots), QColor(150, 240, 230, 120), 8, true);
    motes(img, QRectF(40, 100, 560, 300), 30, QColor(160, 255, 200, 160), 2.4, 824);
    return {QStringLiteral("free4.bmp"), img, FileKind::Bmp};
}

Picture wildsCrystalWaste() {
    Outdoor o;
    o.setSky(qRgb(60, 30, 90), qRgb(190, 80, 130), qRgb(255, 170, 110), 250)
        .setSun(QPointF(430, 90), 44, 0.4)
        .setGround(qRgb(210, 150, 130), qRgb(150, 96, 110), qRgb(240, 200, 180))
        .setPath(90, qRgb(230, 190, 170), 250, -40);
    o.sunColour = qRgb(230, 220, 255);
    o.glowColour = qRgb(255, 190, 220);
    o.stars = 80;
    o.ridges = {{250, 60, 90, 0.2, qRgb(110, 60, 120), qRgb(220, 130, 130), 901}};
    o.texture = 0.8;
    o.seed = 902;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    // the mesas stand flat-topped on the horizon
    for (const auto& [x, w, h] : {std::tuple{80.0, 120.0, 60.0}, std::tuple{520.0, 150.0, 44.0}}) {
        QPainterPath mesa =
            polygonPath({QPointF(x - w / 2, 252), QPointF(x - w / 2 + 18, 252 - h),
                         QPointF(x + w / 2 - 14, 252 - h), QPointF(x + w / 2, 252)});
        QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
        g.setColorAt(0, QColor(200, 110, 140));
        g.setColorAt(1, QColor(110, 50, 100));
        ink(p, mesa, g, 1.2);
    }
    // a second, smaller moon and rocks floating in the sky
    QPainterPath moon;
    moon.addEllipse(QPointF(540, 46), 14, 14);
    ink(p, moon, QColor(190, 240, 230), 1.0);
    Rng rng(903);
    for (const QPointF& c : {QPointF(120, 90), QPointF(330, 150), QPointF(600, 150)}) {
        const double w = rng.range(40, 70);
        // a clod of rock torn from the ground: a flat top, a ragged root of stone below
        QPainterPath rock(c + QPointF(-w / 2, 0));
        rock.quadTo(c + QPointF(-w * 0.3, -w * 0.2), c + QPointF(0, -w * 0.17));
        rock.quadTo(c + QPointF(w * 0.3, -w * 0.22), c + QPointF(w / 2, 0));
        rock.lineTo(c + QPointF(w * 0.34, w * 0.2));
        rock.lineTo(c + QPointF(w * 0.2, w * 0.18));
        rock.lineTo(c + QPointF(w * 0.08, w * 0.55));
        rock.lineTo(c + QPointF(-w * 0.06, w * 0.3));
        rock.lineTo(c + QPointF(-w * 0.2, w * 0.36));
        rock.lineTo(c + QPointF(-w * 0.3, w * 0.14));
        rock.closeSubpath();
        QLinearGradient g(c + QPointF(-w / 2, -w * 0.2), c + QPointF(w / 2, w * 0.5));
        g.setColorAt(0, QColor(200, 150, 170));
        g.setColorAt(1, QColor(80, 50, 90));
        ink(p, rock, g, 1.2);
        drawCrystal(p, c + QPointF(-4, -w * 0.12), w * 0.4, w * 0.16, -10, QColor(120, 220, 240));
    }
    // cracks across the ground
    p.setPen(QPen(QColor(110, 60, 80), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        QPointF a(rng.range(0, 640), rng.range(270, 470));
        QPainterPath crack(a);
        for (int k = 0; k < 5; ++k) {
            const double s = (a.y() - 240) / 6;
            a += QPointF(rng.range(-s, s), rng.range(-s * 0.2, s * 0.2));
            crack.lineTo(a);
        }
        p.drawPath(crack);
    }
    // clusters of giant crystals
    const QColor crystals[] = {QColor(110, 220, 240), QColor(190, 120, 240), QColor(240, 140, 200)};
    QPainterPath glow;
    for (const auto& [x, y, h] : {std::tuple{40.0, 400.0, 220.0}, std::tuple{110.0, 330.0, 120.0},
                                  std::tuple{560.0, 380.0, 250.0}, std::tuple{480.0, 300.0, 110.0},
                                  std::tuple{380.0, 270.0, 60.0}}) {
        for (int k = 0; k < 3; ++k) {
            const double hh = h * (1.0 - k * 0.3);
            const double lean = (k - 1) * 22.0;
            glow.addEllipse(QPointF(x + lean, y - hh * 0.5), hh * 0.16, hh * 0.4);
            drawCrystal(p, QPointF(x + (k - 1) * h * 0.12, y), hh, hh * 0.24, lean,
                        crystals[(k + int(x)) % 3]);
        }
    }
    p.end();
    paintGlow(img, solid(glow), QColor(150, 200, 255, 70), 14, true);
    return {QStringLiteral("free5.bmp"), img, FileKind::Bmp};
}

Picture wildsRift() {
    Outdoor o;
    o.setSky(qRgb(30, 6, 40), qRgb(70, 20, 80), qRgb(120, 210, 120), 256)
        .setSun(QPointF(250, 110), 0, 0.5)
        .setClouds(0.55, qRgb(160, 90, 170), qRgb(40, 20, 50))
        .setGround(qRgb(40, 30, 50), qRgb(16, 12, 24), qRgb(60, 200, 160));
    o.glowColour = qRgb(230, 120, 255);
    o.stars = 120;
    o.ridges = {{256, 40, 40, 0.95, qRgb(30, 20, 40), qRgb(80, 150, 90), 1001}};
    o.texture = 0.7;
    o.seed = 1002;
    QImage img = paintOutdoor(o);
    swirl(img, QPointF(250, 110), 240, -80);
    // the tear in the sky
    QPainterPath rift;
    rift.moveTo(250, 10);
    rift.cubicTo(262, 50, 236, 80, 258, 110);
    rift.cubicTo(276, 140, 244, 170, 252, 206);
    rift.cubicTo(238, 170, 262, 140, 240, 110);
    rift.cubicTo(222, 80, 252, 50, 250, 10);
    rift.closeSubpath();
    paintGlow(img, rift, QColor(255, 120, 255, 255), 22, true);
    glowingShape(img, rift, QColor(255, 250, 255), QColor(160, 255, 220, 200), 8);
    QPainter p;
    beginPainter(p, img);
    // islands hanging upside down in the sky
    for (const auto& [c, w] : {std::pair{QPointF(90, 80), 90.0}, std::pair{QPointF(470, 60), 70.0},
                               std::pair{QPointF(570, 170), 60.0}}) {
        QPainterPath is;
        is.moveTo(c + QPointF(-w / 2, 0));
        is.quadTo(c + QPointF(0, -w * 0.12), c + QPointF(w / 2, 0));
        is.quadTo(c + QPointF(w * 0.2, w * 0.3), c + QPointF(0, w * 0.75));
        is.quadTo(c + QPointF(-w * 0.25, w * 0.3), c + QPointF(-w / 2, 0));
        QLinearGradient g(c, c + QPointF(0, w * 0.75));
        g.setColorAt(0, QColor(120, 70, 130));
        g.setColorAt(1, QColor(30, 16, 40));
        ink(p, is, g, 1.3);
        drawTree(p, c + QPointF(-w * 0.1, 2), w * 0.5, QColor(60, 190, 150), QColor(40, 30, 50),
                 TreeKind::Dead, 1003);
    }
    // black spires that curl like claws
    for (const auto& [x, h, bend] :
         {std::tuple{40.0, 260.0, 50.0}, std::tuple{120.0, 150.0, -30.0},
          std::tuple{420.0, 130.0, 30.0}, std::tuple{560.0, 280.0, -60.0},
          std::tuple{620.0, 190.0, -20.0}}) {
        const double base = 300 + h * 0.35;
        const QPainterPath sp =
            taper(QPointF(x, base), QPointF(x, base - h * 0.4), QPointF(x + bend, base - h * 0.8),
                  QPointF(x + bend * 1.3, base - h), h * 0.16, 1);
        QLinearGradient g(x - h * 0.1, 0, x + h * 0.1, 0);
        g.setColorAt(0, QColor(70, 50, 90));
        g.setColorAt(1, QColor(14, 8, 20));
        ink(p, sp, g, 1.4);
    }
    // glowing veins in the ground, running towards the rift
    QPainterPath veins;
    Rng rng(1004);
    for (int i = 0; i < 12; ++i) {
        QPointF a(rng.range(-40, 680), 480);
        QPainterPath v(a);
        for (int k = 0; k < 8; ++k) {
            a += QPointF((250 - a.x()) * 0.12 + rng.range(-14, 14), -(a.y() - 256) * 0.16);
            v.lineTo(a);
        }
        veins.addPath(v);
    }
    p.end();
    glowingShape(img, QPainterPathStroker().createStroke(veins), QColor(190, 255, 230),
                 QColor(80, 255, 200, 200), 6);
    addMist(img, qRgb(120, 220, 140), 0.35, 230, 320, 1005);
    motes(img, QRectF(60, 60, 500, 320), 24, QColor(220, 140, 255, 150), 2.2, 1006);
    return {QStringLiteral("free6.bmp"), img, FileKind::Bmp};
}

// The 人工屋: a cramped workshop under a tent of planks where a maker shapes glowing
// ホーシオ on a bench; jars of coloured light on the shelves, tools on the wall.
Picture artificialShopScene() {
    Room r;
    r.wall = Wall::Planks;
    r.wallColour = QColor(92, 74, 96);
    r.floorColour = QColor(70, 58, 64);
    r.beam = QColor(52, 40, 50);
    r.floorY = 300;
    r.lamp = QPointF(400, 140);
    r.lampColour = QColor(170, 230, 255);
    r.lampStrength = 0.45;
    r.seed = 411;
    QImage img = paintRoom(r);
    QPainter p;
    beginPainter(p, img);
    const QColor wood(96, 70, 58);
    const QColor lights[] = {QColor(90, 230, 255), QColor(255, 120, 220), QColor(140, 255, 150),
                             QColor(255, 220, 90), QColor(170, 140, 255)};
    Rng rng(412);
    // jars of bottled light on two shelves
    for (int row = 0; row < 2; ++row) {
        const double y = 110 + row * 70;
        shelf(p, y, 40, 600, wood);
        for (double x = 60; x < 590; x += rng.range(30, 42)) {
            potion(p, QPointF(x, y), rng.range(26, 36), lights[rng.below(5)], 2);
        }
    }
    // tools hanging on the wall at the left: a hammer, tongs and a file
    p.setPen(QPen(QColor(40, 32, 36), 2));
    for (int i = 0; i < 3; ++i) {
        const double x = 70 + i * 34;
        QPainterPath handle = capsule(QPointF(x, 200), 3, QPointF(x, 250), 3);
        ink(p, handle, QColor(150, 110, 70), 1.0);
        QPainterPath head;
        if (i == 0) head.addRect(QRectF(x - 12, 196, 24, 10));
        if (i == 1) head = capsule(QPointF(x - 6, 194), 2.5, QPointF(x + 6, 206), 2.5);
        if (i == 2) head.addRect(QRectF(x - 3, 184, 6, 18));
        ink(p, head, QColor(170, 176, 186), 1.0);
    }
    p.end();
    hangingLantern(img, QPointF(400, 58));
    beginPainter(p, img);

    // the maker: thin, long-haired, goggles pushed up, a leather apron over a dark shirt
    Person keeper;
    keeper.skin = QColor(232, 196, 170);
    keeper.hair = QColor(70, 60, 90);
    keeper.hairStyle = HairStyle::Long;
    keeper.face.eyes = Eyes::Sly;
    keeper.face.glasses = true;
    keeper.pose(QPointF(-50, -150), QPointF(-44, -116), QPointF(54, -150), QPointF(48, -116));
    keeper.shirt = QColor(60, 58, 80);
    keeper.coat = QColor(140, 96, 60);
    keeper.coatHem = -96;
    keeper.sleeve = QColor(60, 58, 80);
    keeper.build = 0.9;
    keeperBehindCounter(p, keeper, wood, [&p](QPointF h) {
        // the goggles on the forehead
        QPainterPath strap;
        strap.addRect(QRectF(h.x() - 30, h.y() - 22, 60, 6));
        ink(p, strap, QColor(60, 44, 36), 1.0);
        for (int side : {-1, 1}) {
            QPainterPath lens;
            lens.addEllipse(h + QPointF(side * 12, -19), 9, 8);
            ink(p, lens, lit(lens.boundingRect(), QColor(120, 210, 230)), 1.4);
        }
    });
    p.end();
    // half-made ホーシオ shining on the bench
    for (int i = 0; i < 5; ++i) {
        QPainterPath orb;
        orb.addEllipse(QPointF(140 + i * 34 + (i > 2 ? 150 : 0), 258 - (i % 2) * 4), 9, 9);
        glowingShape(img, orb, QBrush(lights[i].lighter(130)), lights[i], 10);
    }
    vignette(img, 0.35);
    return {QStringLiteral("zinkou.bmp"), img, FileKind::Bmp};
}

}  // namespace

std::vector<Picture> drawFieldScenes() {
    return paintAll({[] { return chestScene(false); }, [] { return chestScene(true); },
                     [] { return sicknessScene(false); }, [] { return sicknessScene(true); },
                     innScene, shopScene, artificialShopScene, wildsNear, wildsForest, wildsUplands,
                     wildsStrangeWoods, wildsCrystalWaste, wildsRift});
}

}  // namespace quill::assetgen::scene

namespace quill::assetgen {

std::vector<Picture> drawBattleScenes() {
    std::vector<Picture> out;
    for (auto group : {scene::drawFieldScenes, scene::drawCreatureScenes,
                       scene::drawCharacterScenes, scene::drawSpiritScenes}) {
        for (Picture& pic : group()) out.push_back(std::move(pic));
    }
    return out;
}

}  // namespace quill::assetgen
