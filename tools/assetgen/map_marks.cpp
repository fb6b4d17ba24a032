// Marks the game lays over the island map as the story unlocks places: buildings, camps,
// the trail's free spots, smoke signals, the ship and the pet's nest.  All are keyed
// sprites on magenta with a shaded one-pixel outline so they read clearly on the map.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>

namespace quill::assetgen {

namespace {

const QColor kInk(40, 28, 36);

Picture mark(const QString& name, int w, int h, const std::function<void(QPainter&)>& draw,
             Edge edge = Edge::Shaded) {
    QImage layer = newLayer(w, h);
    QPainter p;
    beginPainter(p, layer);
    draw(p);
    p.end();
    return {name, keyedSprite(layer, edge), FileKind::Bmp};
}

QLinearGradient sideLit(double left, double right, const QColor& c) {
    QLinearGradient g(QPointF(left, 0), QPointF(right, 0));
    g.setColorAt(0.0, shade(c, 1.25));
    g.setColorAt(0.45, c);
    g.setColorAt(1.0, shade(c, 0.62));
    return g;
}

void mountainHut(QPainter& p) {
    // rocky mound with a timbered cave mouth and a lantern
    QPainterPath rock;
    rock.moveTo(1, 27);
    rock.cubicTo(2, 14, 8, 4, 16, 3);
    rock.cubicTo(24, 3, 30, 12, 31, 27);
    rock.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(2, 30, QColor(150, 136, 124)));
    p.drawPath(rock);
    p.setBrush(QColor(250, 252, 255));
    QPainterPath snow;
    snow.moveTo(10, 7);
    snow.cubicTo(13, 3, 20, 3, 23, 7);
    snow.lineTo(19, 8);
    snow.lineTo(16, 6);
    snow.lineTo(13, 8);
    snow.closeSubpath();
    p.drawPath(snow);
    QPainterPath mouth;
    mouth.moveTo(9, 27);
    mouth.lineTo(9, 18);
    mouth.cubicTo(9, 11, 23, 11, 23, 18);
    mouth.lineTo(23, 27);
    mouth.closeSubpath();
    p.setBrush(QColor(30, 20, 24));
    p.drawPath(mouth);
    p.setBrush(QColor(150, 96, 50));
    p.drawRect(QRectF(8, 16, 2.5, 11));
    p.drawRect(QRectF(21.5, 16, 2.5, 11));
    p.drawRect(QRectF(7, 14, 18, 2.5));
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(QPointF(27, 20), 1.8, 2.2);
    p.setPen(QPen(QColor(200, 180, 150), 1.2));
    p.drawLine(QPointF(4, 23), QPointF(6, 21));
}

void brightShrine(QPainter& p) {
    // stone steps, a white shrine with a golden roof and a shining crystal
    const QPointF c(14, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 170));
    p.drawPath(starPath(c, 9, 3.5, 8, 0));
    p.setBrush(QColor(190, 186, 196));
    p.drawRect(QRectF(3, 23, 22, 4));
    p.setBrush(QColor(220, 216, 226));
    p.drawRect(QRectF(6, 20, 16, 3.5));
    p.setBrush(sideLit(7, 21, QColor(250, 246, 236)));
    p.drawRect(QRectF(8, 13, 12, 7.5));
    p.setBrush(QColor(200, 60, 60));
    p.drawRect(QRectF(12, 15, 4, 5.5));
    QPainterPath roof;
    roof.moveTo(4, 14);
    roof.quadTo(14, 8, 24, 14);
    roof.lineTo(20, 12);
    roof.lineTo(8, 12);
    roof.closeSubpath();
    p.setBrush(sideLit(4, 24, QColor(240, 190, 60)));
    p.drawPath(roof);
    QPainterPath gem = polygonPath({{14, 3}, {17, 7}, {14, 11}, {11, 7}});
    p.setBrush(QColor(140, 240, 255));
    p.drawPath(gem);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(12.5, 5.5, 1.5, 2));
}

void stoneTower(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(4, 20, QColor(168, 162, 150)));
    p.drawRect(QRectF(5, 10, 14, 28));
    p.setBrush(sideLit(3, 21, QColor(180, 174, 162)));
    p.drawRect(QRectF(3, 5, 18, 6));
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(3 + i * 5, 2, 3, 4));
    p.setPen(QPen(QColor(110, 104, 96), 1.0));
    for (int y = 14; y < 38; y += 5) p.drawLine(QPointF(6, y), QPointF(18, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 28, 34));
    QPainterPath door;
    door.moveTo(9.5, 38);
    door.lineTo(9.5, 31);
    door.quadTo(12, 27, 14.5, 31);
    door.lineTo(14.5, 38);
    door.closeSubpath();
    p.drawPath(door);
    p.setBrush(QColor(255, 210, 100));
    p.drawRect(QRectF(10.5, 17, 3, 5));
    p.setBrush(QColor(200, 60, 60));
    p.drawRect(QRectF(11.5, 0, 1.5, 3));
}

void lighthouse(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 110, 104));
    p.drawRect(QRectF(2, 34, 16, 5));
    QPainterPath body = polygonPath({{5, 35}, {7, 13}, {13, 13}, {15, 35}});
    p.setBrush(sideLit(5, 15, QColor(246, 244, 240)));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setBrush(sideLit(5, 15, QColor(214, 56, 52)));
    p.drawRect(QRectF(0, 18, 20, 5));
    p.drawRect(QRectF(0, 28, 20, 5));
    p.restore();
    p.setBrush(QColor(70, 60, 70));
    p.drawRect(QRectF(5, 11, 10, 2.5));
    p.setBrush(QColor(255, 240, 130));
    p.drawRect(QRectF(7, 6, 6, 5));
    p.setBrush(QColor(214, 56, 52));
    QPainterPath cap = polygonPath({{5.5, 6.5}, {10, 1.5}, {14.5, 6.5}});
    p.drawPath(cap);
    p.setBrush(QColor(255, 255, 220));
    p.drawRect(QRectF(1.5, 7.5, 4, 1.6));
    p.drawRect(QRectF(14.5, 7.5, 4, 1.6));
}

void camp(QPainter& p) {
    // tent and campfire
    QPainterPath tent = polygonPath({{2, 21}, {12, 4}, {22, 21}});
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(2, 22, QColor(236, 170, 70)));
    p.drawPath(tent);
    p.setBrush(QColor(200, 90, 50));
    QPainterPath stripe = polygonPath({{12, 4}, {14, 21}, {10, 21}});
    p.drawPath(stripe);
    QPainterPath flap = polygonPath({{12, 11}, {16, 21}, {8, 21}});
    p.setBrush(QColor(60, 36, 30));
    p.drawPath(flap);
    p.setPen(QPen(QColor(110, 70, 40), 1.4));
    p.drawLine(QPointF(12, 4), QPointF(12, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 50));
    p.drawRect(QRectF(19, 19.5, 7, 2));
    p.setBrush(QColor(255, 120, 40));
    QPainterPath fire;
    fire.moveTo(20, 20);
    fire.quadTo(20, 15, 22.5, 12);
    fire.quadTo(25, 15, 25, 20);
    fire.closeSubpath();
    p.drawPath(fire);
    p.setBrush(QColor(255, 230, 110));
    p.drawEllipse(QPointF(22.5, 18.2), 1.3, 2);
}

void laboratory(QPainter& p, bool ruined) {
    const QColor wall = ruined ? QColor(150, 150, 140) : QColor(226, 232, 240);
    const QColor dome = ruined ? QColor(110, 120, 120) : QColor(110, 180, 220);
    p.setPen(Qt::NoPen);
    // main block
    QPainterPath block;
    block.addRect(QRectF(3, 13, 22, 15));
    if (ruined) {
        QPainterPath bite =
            polygonPath({{16, 12}, {26, 12}, {26, 22}, {22, 18}, {20, 20}, {18, 15}});
        block = block.subtracted(bite);
    }
    p.setBrush(sideLit(3, 25, wall));
    p.drawPath(block);
    // observatory dome
    QPainterPath d;
    d.moveTo(4, 13);
    d.cubicTo(4, 3, 17, 3, 17, 13);
    d.closeSubpath();
    if (ruined) {
        QPainterPath crack = polygonPath({{9, 2}, {13, 8}, {11, 10}, {16, 14}, {18, 2}});
        d = d.subtracted(crack);
    }
    p.setBrush(sideLit(4, 17, dome));
    p.drawPath(d);
    if (!ruined) {
        p.setBrush(QColor(40, 60, 90));
        p.drawRect(QRectF(9.5, 5.5, 2.5, 7));
        p.setPen(QPen(QColor(60, 70, 90), 1.4));
        p.drawLine(QPointF(12, 7), QPointF(16, 3));
        p.setPen(Qt::NoPen);
    }
    // annex with chimney
    p.setBrush(sideLit(24, 34, shade(wall, 0.9)));
    p.drawRect(QRectF(24, 17, 10, 11));
    p.setBrush(QColor(120, 110, 110));
    p.drawRect(QRectF(28, 10, 3.5, 7));
    if (!ruined) {
        p.setBrush(QColor(150, 240, 160));
        p.drawEllipse(QPointF(31, 7), 2.8, 2.2);
        p.drawEllipse(QPointF(33.2, 3.5), 2.0, 1.8);
    }
    // windows and door
    p.setBrush(ruined ? QColor(40, 40, 40) : QColor(120, 220, 255));
    p.drawRect(QRectF(6, 17, 4, 4));
    p.drawRect(QRectF(26, 20, 5, 3));
    if (!ruined) p.drawRect(QRectF(18, 16, 4, 4));
    p.setBrush(QColor(70, 70, 90));
    p.drawRect(QRectF(12, 21, 4, 7));
    // flask sign
    if (!ruined) {
        QPainterPath flask =
            polygonPath({{20.5, 22}, {20.5, 24}, {18.5, 27}, {24.5, 27}, {22.5, 24}, {22.5, 22}});
        p.setBrush(QColor(80, 220, 120));
        p.drawPath(flask);
    } else {
        // vines and rubble
        p.setPen(QPen(QColor(70, 140, 60), 1.5));
        p.drawLine(QPointF(4, 14), QPointF(6, 27));
        p.drawLine(QPointF(7, 14), QPointF(8, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(130, 124, 116));
        p.drawEllipse(QPointF(22, 27.5), 3, 1.6);
        p.drawEllipse(QPointF(28, 27.8), 2, 1.3);
    }
}

void darkGate(QPainter& p) {
    const QColor stone(74, 62, 88);
    p.setPen(Qt::NoPen);
    // glow in the archway
    QRadialGradient glow(QPointF(20, 26), 12);
    glow.setColorAt(0, QColor(230, 120, 255));
    glow.setColorAt(1, QColor(90, 30, 140));
    for (double x : {2.0, 28.0}) {
        p.setBrush(sideLit(x, x + 10, stone));
        p.drawRect(QRectF(x, 8, 10, 27));
        for (int i = 0; i < 3; ++i) p.drawRect(QRectF(x + i * 3.8, 4, 2.6, 5));
        p.setBrush(QColor(255, 80, 100));
        p.drawRect(QRectF(x + 4, 14, 2.2, 4));
        p.setBrush(sideLit(x, x + 10, stone));
    }
    QPainterPath wall;
    wall.addRect(QRectF(11, 12, 18, 23));
    QPainterPath arch;
    arch.moveTo(14, 35);
    arch.lineTo(14, 23);
    arch.cubicTo(14, 16, 26, 16, 26, 23);
    arch.lineTo(26, 35);
    arch.closeSubpath();
    p.setBrush(sideLit(11, 29, shade(stone, 0.85)));
    p.drawPath(wall.subtracted(arch));
    p.setBrush(glow);
    p.drawPath(arch);
    // portcullis
    p.setPen(QPen(QColor(30, 20, 36), 1.3));
    for (double x = 16; x < 26; x += 3) p.drawLine(QPointF(x, 19), QPointF(x, 35));
    p.drawLine(QPointF(14, 25), QPointF(26, 25));
    p.drawLine(QPointF(14, 30), QPointF(26, 30));
    // horned crest
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 60));
    p.drawPath(starPath(QPointF(20, 8), 4.5, 2, 4, 45));
}

void skyIsland(QPainter& p) {
    // clouds under the island
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 244, 255));
    for (QPointF c :
         {QPointF(9, 27), QPointF(17, 30), QPointF(44, 28), QPointF(51, 30), QPointF(29, 32)}) {
        p.drawEllipse(c, 7, 4.2);
    }
    QPainterPath rock;
    rock.moveTo(8, 17);
    rock.lineTo(48, 17);
    rock.cubicTo(44, 24, 36, 28, 30, 34);
    rock.cubicTo(24, 28, 14, 24, 8, 17);
    rock.closeSubpath();
    p.setBrush(sideLit(8, 48, QColor(150, 120, 100)));
    p.drawPath(rock);
    p.setBrush(QColor(120, 200, 100));
    p.drawRoundedRect(QRectF(7, 14, 42, 5), 2.5, 2.5);
    // a little gate of light on top
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(QRectF(21, 5, 2.5, 10));
    p.drawRect(QRectF(32.5, 5, 2.5, 10));
    p.setBrush(QColor(240, 190, 70));
    p.drawRect(QRectF(19, 3, 18, 2.5));
    p.setBrush(QColor(170, 230, 255));
    p.drawRect(QRectF(23.5, 6, 9, 9));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(25.5, 8, 2, 4));
    // tree and hanging roots
    drawRoundTree(p, QPointF(13, 15.5), 3.4, QColor(70, 160, 70));
    p.setPen(QPen(QColor(110, 80, 60), 1.2));
    p.drawLine(QPointF(30, 34), QPointF(30, 35.5));
    p.drawLine(QPointF(22, 27), QPointF(21, 31));
    p.drawLine(QPointF(38, 27), QPointF(39, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 210));
    p.drawPath(starPath(QPointF(45, 7), 4, 1.2, 4, 0));
}

void freeSpot(QPainter& p, const QColor& cloth) {
    // stone cairn with a pennant
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 144, 136));
    p.drawEllipse(QPointF(8, 15), 6, 2.5);
    p.setBrush(QColor(176, 170, 160));
    p.drawEllipse(QPointF(8, 12.5), 4, 2.2);
    drawFlag(p, QPointF(8, 12), 10.5, cloth);
}

void smokeSignal(QPainter& p) {
    p.setPen(Qt::NoPen);
    const double puffs[][3] = {
        {10, 21, 4.2}, {9, 16, 4.6}, {11, 11, 4.2}, {9.5, 6.5, 3.8}, {11.5, 3, 2.6}};
    for (const auto& pf : puffs) {
        p.setBrush(QColor(150, 150, 160));
        p.drawEllipse(QPointF(pf[0] + 0.6, pf[1] + 0.6), pf[2], pf[2] * 0.85);
        p.setBrush(QColor(236, 236, 242));
        p.drawEllipse(QPointF(pf[0] - 0.6, pf[1] - 0.5), pf[2] * 0.78, pf[2] * 0.68);
    }
    p.setBrush(QColor(120, 80, 50));
    p.drawRect(QRectF(5, 26, 10, 2.5));
    p.setBrush(QColor(255, 120, 40));
    p.drawEllipse(QPointF(10, 25), 3.6, 2.6);
    p.setBrush(QColor(255, 230, 110));
    p.drawEllipse(QPointF(10, 25.4), 1.7, 1.3);
}

void doneMark(QPainter& p) {
    p.setPen(QPen(QColor(200, 24, 36), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(16, 16));
    p.drawLine(QPointF(16, 4), QPointF(4, 16));
    p.setPen(QPen(QColor(255, 110, 100), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.6, 3.6), QPointF(9, 8));
    p.drawLine(QPointF(15.4, 3.6), QPointF(12, 7));
}

void merchant(QPainter& p) {
    // travelling merchant's bundle with a gold coin
    QPainterPath bag;
    bag.moveTo(6, 6);
    bag.cubicTo(1, 9, 1, 18, 10, 18);
    bag.cubicTo(19, 18, 19, 9, 14, 6);
    bag.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(2, 18, QColor(190, 140, 80)));
    p.drawPath(bag);
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(6, 4.5, 8, 2.5));
    p.setBrush(QColor(220, 60, 60));
    p.drawEllipse(QPointF(10, 3), 3, 1.8);
    p.setBrush(QColor(255, 214, 70));
    p.drawEllipse(QPointF(10, 12.5), 3.6, 3.6);
    p.setPen(QPen(QColor(170, 110, 20), 1.1));
    p.drawLine(QPointF(10, 10.5), QPointF(10, 14.5));
}

void ship(QPainter& p) {
    QPainterPath hull = polygonPath({{1.5, 13}, {19.5, 13}, {16, 18}, {4.5, 18}});
    p.setPen(Qt::NoPen);
    p.setBrush(sideLit(2, 19, QColor(160, 96, 50)));
    p.drawPath(hull);
    p.setBrush(QColor(220, 60, 50));
    p.drawRect(QRectF(3, 13, 15.5, 1.6));
    p.setBrush(QColor(90, 56, 30));
    p.drawRect(QRectF(9.6, 2, 1.6, 11));
    QPainterPath sail;
    sail.moveTo(11.6, 3);
    sail.quadTo(18, 7, 17.5, 11.5);
    sail.lineTo(11.6, 11.5);
    sail.closeSubpath();
    p.setBrush(QColor(252, 250, 240));
    p.drawPath(sail);
    QPainterPath jib = polygonPath({{9, 4}, {9, 11.5}, {3.5, 11.5}});
    p.setBrush(QColor(230, 228, 216));
    p.drawPath(jib);
    p.setBrush(QColor(80, 140, 230));
    p.drawRect(QRectF(11.2, 1, 4, 2));
}

void petNest(QPainter& p) {
    // woven basket with a soft cushion and a paw-print badge on the front
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 130, 150));
    p.drawEllipse(QPointF(15, 11), 11, 5.5);
    p.setBrush(QColor(255, 190, 200));
    p.drawEllipse(QPointF(13, 9.5), 6, 2.6);
    QPainterPath basket;
    basket.moveTo(2, 12);
    basket.lineTo(28, 12);
    basket.cubicTo(27, 21, 23, 27, 15, 27);
    basket.cubicTo(7, 27, 3, 21, 2, 12);
    basket.closeSubpath();
    p.setBrush(sideLit(2, 28, QColor(214, 160, 90)));
    p.drawPath(basket);
    p.setPen(QPen(QColor(150, 100, 50), 1.2));
    for (double y : {16.0, 20.0, 24.0}) {
        p.drawLine(QPointF(3.5 + (y - 12) * 0.35, y), QPointF(26.5 - (y - 12) * 0.35, y));
    }
    p.setPen(QPen(QColor(236, 196, 130), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(15, 12), 13, 3.2);
    // badge with the paw
    p.setPen(QPen(QColor(150, 100, 50), 1.0));
    p.setBrush(QColor(255, 246, 226));
    p.drawEllipse(QPointF(15, 20.5), 5.6, 5.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 80, 90));
    p.drawEllipse(QPointF(15, 22), 2.2, 1.8);
    p.drawEllipse(QPointF(12, 19), 1.1, 1.3);
    p.drawEllipse(QPointF(14.2, 17.8), 1.1, 1.3);
    p.drawEllipse(QPointF(16.4, 17.8), 1.1, 1.3);
    p.drawEllipse(QPointF(18.4, 19), 1.1, 1.3);
}

// A map pin for the places the ending opens: a gold-rimmed badge on a point, with the
// place's emblem inside.  Pins are the one kind of mark that says "a battle waits here".
void pin(QPainter& p, double w, double h, const QColor& badge,
         const std::function<void(QPainter&, QPointF, double)>& emblem) {
    const double r = std::min(w, h * 0.72) / 2 - 1.0;
    const QPointF c(w / 2, r + 1.0);
    QPainterPath body;
    body.addEllipse(c, r, r);
    QPainterPath tip = polygonPath({{c.x() - r * 0.62, c.y() + r * 0.6},
                                    {c.x() + r * 0.62, c.y() + r * 0.6},
                                    {c.x(), h - 1.0}});
    body = body.united(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 60));
    p.drawPath(body);
    p.setBrush(QColor(255, 232, 140));
    p.drawEllipse(QPointF(c.x() - r * 0.25, c.y() - r * 0.25), r * 0.7, r * 0.7);
    QRadialGradient face(QPointF(c.x() - r * 0.3, c.y() - r * 0.35), r * 1.1);
    face.setColorAt(0.0, shade(badge, 1.45));
    face.setColorAt(1.0, shade(badge, 0.8));
    p.setBrush(face);
    p.drawEllipse(c, r * 0.78, r * 0.78);
    emblem(p, c, r * 0.78);
}

void seaEmblem(QPainter& p, QPointF c, double r) {
    // a trident rising from a wave
    p.setPen(QPen(QColor(250, 252, 255), std::max(1.4, r * 0.14), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() + r * 0.45), QPointF(c.x(), c.y() - r * 0.65));
    QPainterPath fork;
    fork.moveTo(c.x() - r * 0.42, c.y() - r * 0.6);
    fork.quadTo(c.x() - r * 0.42, c.y() - r * 0.05, c.x(), c.y() - r * 0.05);
    fork.quadTo(c.x() + r * 0.42, c.y() - r * 0.05, c.x() + r * 0.42, c.y() - r * 0.6);
    p.setBrush(Qt::NoBrush);
    p.drawPath(fork);
    QPainterPath wave;
    wave.moveTo(c.x() - r * 0.8, c.y() + r * 0.45);
    wave.cubicTo(c.x() - r * 0.4, c.y() + r * 0.15, c.x() - r * 0.2, c.y() + r * 0.75,
                 c.x() + r * 0.1, c.y() + r * 0.45);
    wave.cubicTo(c.x() + r * 0.4, c.y() + r * 0.15, c.x() + r * 0.6, c.y() + r * 0.75,
                 c.x() + r * 0.8, c.y() + r * 0.45);
    p.setPen(QPen(QColor(150, 220, 255), std::max(1.4, r * 0.16), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);
}

void skyEmblem(QPainter& p, QPointF c, double r) {
    // a thundercloud and its bolt
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 246, 252));
    p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() - r * 0.05), r * 0.38, r * 0.32);
    p.drawEllipse(QPointF(c.x() + r * 0.05, c.y() - r * 0.28), r * 0.42, r * 0.38);
    p.drawEllipse(QPointF(c.x() + r * 0.4, c.y() - r * 0.02), r * 0.34, r * 0.3);
    p.drawRect(QRectF(c.x() - r * 0.35, c.y() - r * 0.1, r * 0.75, r * 0.34));
    p.setBrush(QColor(255, 220, 60));
    p.drawPath(polygonPath({{c.x() + r * 0.02, c.y() + r * 0.18},
                            {c.x() - r * 0.22, c.y() + r * 0.55},
                            {c.x() - r * 0.02, c.y() + r * 0.52},
                            {c.x() - r * 0.14, c.y() + r * 0.85},
                            {c.x() + r * 0.26, c.y() + r * 0.4},
                            {c.x() + r * 0.06, c.y() + r * 0.42},
                            {c.x() + r * 0.2, c.y() + r * 0.18}}));
}

void earthEmblem(QPainter& p, QPointF c, double r) {
    // a crystal standing out of the ground
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 78, 40));
    p.drawRect(QRectF(c.x() - r * 0.75, c.y() + r * 0.35, r * 1.5, r * 0.3));
    p.setBrush(QColor(255, 236, 180));
    p.drawPath(polygonPath({{c.x(), c.y() - r * 0.8},
                            {c.x() + r * 0.38, c.y() - r * 0.25},
                            {c.x() + r * 0.22, c.y() + r * 0.45},
                            {c.x() - r * 0.22, c.y() + r * 0.45},
                            {c.x() - r * 0.38, c.y() - r * 0.25}}));
    p.setBrush(QColor(255, 190, 90));
    p.drawPath(polygonPath({{c.x(), c.y() - r * 0.8},
                            {c.x() + r * 0.38, c.y() - r * 0.25},
                            {c.x() + r * 0.22, c.y() + r * 0.45},
                            {c.x(), c.y() + r * 0.45}}));
}

void greenEmblem(QPainter& p, QPointF c, double r) {
    // a wing in flight
    QPainterPath wing;
    wing.moveTo(c.x() - r * 0.7, c.y() + r * 0.35);
    wing.cubicTo(c.x() - r * 0.3, c.y() - r * 0.6, c.x() + r * 0.4, c.y() - r * 0.8,
                 c.x() + r * 0.8, c.y() - r * 0.55);
    wing.cubicTo(c.x() + r * 0.5, c.y() - r * 0.2, c.x() + r * 0.55, c.y() + r * 0.05,
                 c.x() + r * 0.25, c.y() + r * 0.15);
    wing.cubicTo(c.x() + r * 0.3, c.y() + r * 0.35, c.x() - r * 0.1, c.y() + r * 0.45,
                 c.x() - r * 0.7, c.y() + r * 0.35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 255, 230));
    p.drawPath(wing);
}

void mountainEmblem(QPainter& p, QPointF c, double r) {
    // a towering peak with a red pennant
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 238));
    p.drawPath(polygonPath({{c.x() - r * 0.8, c.y() + r * 0.55},
                            {c.x() - r * 0.05, c.y() - r * 0.6},
                            {c.x() + r * 0.8, c.y() + r * 0.55}}));
    p.setBrush(QColor(120, 92, 80));
    p.drawPath(polygonPath({{c.x() - r * 0.5, c.y() + r * 0.55},
                            {c.x() - r * 0.05, c.y() - r * 0.1},
                            {c.x() + r * 0.45, c.y() + r * 0.55}}));
    p.setBrush(QColor(230, 40, 40));
    p.drawPath(polygonPath({{c.x() - r * 0.05, c.y() - r * 0.95},
                            {c.x() + r * 0.45, c.y() - r * 0.8},
                            {c.x() - r * 0.05, c.y() - r * 0.62}}));
}

void lightEmblem(QPainter& p, QPointF c, double r) {
    // a shining star
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(starPath(c, r * 0.85, r * 0.3, 8, 0));
    p.setBrush(QColor(255, 240, 150));
    p.drawEllipse(c, r * 0.22, r * 0.22);
}

}  // namespace

std::vector<Picture> drawMapMarks() {
    std::vector<Picture> out;
    out.push_back(mark(QStringLiteral("map4.bmp"), 32, 28, mountainHut));
    out.push_back(mark(QStringLiteral("map5.bmp"), 28, 28, brightShrine));
    out.push_back(mark(QStringLiteral("map6.bmp"), 24, 40, stoneTower));
    out.push_back(mark(QStringLiteral("map7.bmp"), 20, 40, lighthouse));
    out.push_back(mark(QStringLiteral("map8.bmp"), 28, 24, camp));
    out.push_back(
        mark(QStringLiteral("map9.bmp"), 36, 30, [](QPainter& p) { laboratory(p, false); }));
    out.push_back(
        mark(QStringLiteral("map10.bmp"), 36, 30, [](QPainter& p) { laboratory(p, true); }));
    out.push_back(mark(QStringLiteral("map11.bmp"), 40, 36, darkGate));
    out.push_back(mark(QStringLiteral("map13.bmp"), 56, 36, skyIsland));
    // the free spots climb north towards the cape; the pennants warm as the trail rises
    const QColor pennants[] = {QColor(70, 190, 90), QColor(240, 210, 60), QColor(250, 150, 50),
                               QColor(230, 60, 60)};
    for (int i = 0; i < 4; ++i) {
        const QColor cloth = pennants[i];
        out.push_back(mark(QStringLiteral("map_free%1.bmp").arg(i + 2), 18, 18,
                           [cloth](QPainter& p) { freeSpot(p, cloth); }));
    }
    out.push_back(mark(QStringLiteral("norosi.bmp"), 20, 30, smokeSignal));
    out.push_back(mark(QStringLiteral("blood.bmp"), 20, 20, doneMark));
    out.push_back(mark(QStringLiteral("map_h.bmp"), 20, 20, merchant));
    out.push_back(mark(QStringLiteral("ship.bmp"), 21, 21, ship));
    out.push_back(mark(QStringLiteral("pet.bmp"), 30, 30, petNest));
    // the six places the ending opens, each sized to its click region
    struct Pin {
        const char* file;
        int w, h;
        QColor badge;
        void (*emblem)(QPainter&, QPointF, double);
    };
    const Pin pins[] = {{"pin_sea.bmp", 30, 40, QColor(30, 90, 190), seaEmblem},
                        {"pin_sky.bmp", 30, 40, QColor(90, 150, 230), skyEmblem},
                        {"pin_earth.bmp", 26, 32, QColor(150, 96, 50), earthEmblem},
                        {"pin_green.bmp", 24, 34, QColor(40, 150, 70), greenEmblem},
                        {"pin_mountain.bmp", 26, 32, QColor(200, 110, 50), mountainEmblem},
                        {"pin_light.bmp", 24, 32, QColor(230, 180, 40), lightEmblem}};
    for (const Pin& pn : pins) {
        out.push_back(mark(QString::fromLatin1(pn.file), pn.w, pn.h,
                           [pn](QPainter& p) { pin(p, pn.w, pn.h, pn.badge, pn.emblem); }));
    }
    return out;
}

}  // namespace quill::assetgen
