// The default adventurer shown in the upper right during battle: a young hero in a blue
// tunic and a red cape, holding a sword upright.  Drawn back to front with the light from
// the upper left, then keyed onto magenta.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace quillmoor::assetgen {

namespace {

constexpr int kW = 160;
constexpr int kH = 240;

const QColor kLine(44, 26, 34);
const QColor kSkin(250, 216, 184);
const QColor kHair(122, 68, 36);
const QColor kTunic(48, 112, 210);
const QColor kCape(210, 52, 62);
const QColor kSteel(206, 214, 228);
const QColor kGold(244, 196, 64);
const QColor kLeather(120, 74, 40);

QLinearGradient litAcross(double left, double right, const QColor& c) {
    QLinearGradient g(QPointF(left, 0), QPointF(right, 0));
    g.setColorAt(0.0, shade(c, 1.22));
    g.setColorAt(0.5, c);
    g.setColorAt(1.0, shade(c, 0.66));
    return g;
}

void fillPath(QPainter& p, const QPainterPath& path, const QBrush& brush, double line = 1.6) {
    p.setPen(QPen(kLine, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

void cape(QPainter& p) {
    QPainterPath c;
    c.moveTo(60, 92);
    c.cubicTo(44, 120, 34, 170, 26, 214);
    c.cubicTo(44, 206, 56, 222, 74, 212);
    c.cubicTo(92, 224, 108, 206, 124, 216);
    c.cubicTo(134, 210, 142, 214, 150, 206);
    c.cubicTo(130, 170, 118, 124, 100, 92);
    c.closeSubpath();
    QLinearGradient g(QPointF(30, 0), QPointF(150, 0));
    g.setColorAt(0.0, shade(kCape, 1.2));
    g.setColorAt(0.55, kCape);
    g.setColorAt(1.0, shade(kCape, 0.6));
    fillPath(p, c, g);
    // folds
    p.setPen(QPen(shade(kCape, 0.6), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath f1(QPointF(50, 140));
    f1.cubicTo(44, 170, 44, 190, 46, 208);
    QPainterPath f2(QPointF(124, 150));
    f2.cubicTo(128, 176, 132, 196, 136, 210);
    p.drawPath(f1);
    p.drawPath(f2);
    // gold trim along the hem
    QPainterPath hem(QPointF(28, 211));
    hem.cubicTo(44, 203, 56, 219, 74, 209);
    hem.cubicTo(92, 221, 108, 203, 124, 213);
    hem.cubicTo(134, 207, 142, 211, 148, 204);
    p.setPen(QPen(kGold, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hem);
}

void legs(QPainter& p) {
    const QColor trousers(78, 62, 96);
    QPainterPath l;
    l.moveTo(66, 164);
    l.lineTo(78, 166);
    l.lineTo(74, 206);
    l.lineTo(62, 206);
    l.closeSubpath();
    QPainterPath r;
    r.moveTo(84, 166);
    r.lineTo(96, 164);
    r.lineTo(100, 206);
    r.lineTo(88, 206);
    r.closeSubpath();
    fillPath(p, l, litAcross(60, 80, trousers));
    fillPath(p, r, litAcross(84, 102, trousers));
    // boots
    for (int side : {0, 1}) {
        const double x = side == 0 ? 58 : 86;
        QPainterPath b;
        b.moveTo(x + 2, 198);
        b.lineTo(x + 16, 198);
        b.lineTo(x + 17, 224);
        b.cubicTo(x + 20, 226, x + 22 + side * 4, 228, x + 22 + side * 4, 233);
        b.lineTo(x - 2 - (1 - side) * 4, 233);
        b.cubicTo(x - 2 - (1 - side) * 4, 228, x, 226, x + 1, 222);
        b.closeSubpath();
        fillPath(p, b, litAcross(x - 4, x + 24, kLeather));
        QPainterPath cuff;
        cuff.addRoundedRect(QRectF(x, 195, 19, 7), 2, 2);
        fillPath(p, cuff, litAcross(x, x + 19, shade(kLeather, 1.25)));
    }
}

void torso(QPainter& p) {
    QPainterPath t;
    t.moveTo(60, 94);
    t.lineTo(100, 94);
    t.cubicTo(100, 120, 96, 136, 95, 148);
    t.lineTo(102, 176);
    t.cubicTo(90, 180, 70, 180, 58, 176);
    t.lineTo(65, 148);
    t.cubicTo(64, 136, 60, 120, 60, 94);
    t.closeSubpath();
    fillPath(p, t, litAcross(58, 102, kTunic));
    // collar opening and a fold line
    p.setPen(QPen(shade(kTunic, 0.6), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 100), QPointF(80, 144));
    p.drawLine(QPointF(72, 156), QPointF(68, 174));
    p.drawLine(QPointF(90, 156), QPointF(94, 174));
    // white trim at the hem
    QPainterPath hem(QPointF(59, 173));
    hem.cubicTo(70, 177, 90, 177, 101, 173);
    p.setPen(QPen(QColor(240, 240, 250), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hem);
    // belt with buckle and a little pouch
    QPainterPath belt;
    belt.moveTo(64, 144);
    belt.lineTo(96, 144);
    belt.lineTo(97, 153);
    belt.lineTo(63, 153);
    belt.closeSubpath();
    fillPath(p, belt, litAcross(62, 98, kLeather), 1.3);
    QPainterPath buckle;
    buckle.addRoundedRect(QRectF(75, 143, 10, 11), 2, 2);
    fillPath(p, buckle, QColor(kGold), 1.2);
    p.setBrush(shade(kGold, 0.7));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(78, 146, 4, 5));
    QPainterPath pouch;
    pouch.addRoundedRect(QRectF(62, 150, 10, 12), 3, 3);
    fillPath(p, pouch, litAcross(62, 72, shade(kLeather, 1.15)), 1.2);
}

void leftArm(QPainter& p) {
    // hangs relaxed at the side
    QPainterPath a;
    a.moveTo(60, 98);
    a.cubicTo(50, 112, 46, 128, 46, 146);
    a.lineTo(56, 148);
    a.cubicTo(58, 132, 62, 118, 68, 108);
    a.closeSubpath();
    fillPath(p, a, litAcross(44, 68, kTunic));
    QPainterPath glove;
    glove.addRoundedRect(QRectF(44, 142, 13, 10), 3, 3);
    fillPath(p, glove, litAcross(44, 57, kLeather), 1.3);
    QPainterPath hand;
    hand.addEllipse(QPointF(50.5, 157), 6.5, 6);
    fillPath(p, hand, litAcross(44, 57, kSkin), 1.3);
}

void swordAndRightArm(QPainter& p) {
    // sword held upright in the right fist, leaning slightly outwards
    p.save();
    p.translate(118, 146);
    p.rotate(9);
    QPainterPath blade;
    blade.moveTo(-3.6, -6);
    blade.lineTo(-3.6, -82);
    blade.lineTo(0, -92);
    blade.lineTo(3.6, -82);
    blade.lineTo(3.6, -6);
    blade.closeSubpath();
    QLinearGradient bg(QPointF(-4, 0), QPointF(4, 0));
    bg.setColorAt(0.0, QColor(255, 255, 255));
    bg.setColorAt(0.5, kSteel);
    bg.setColorAt(0.51, shade(kSteel, 0.75));
    bg.setColorAt(1.0, shade(kSteel, 0.62));
    fillPath(p, blade, bg, 1.4);
    p.setPen(QPen(QColor(150, 200, 255), 1.0));
    p.drawLine(QPointF(0, -10), QPointF(0, -80));
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-12, -8, 24, 5), 2, 2);
    fillPath(p, guard, litAcross(-12, 12, kGold), 1.3);
    QPainterPath gem;
    gem.addEllipse(QPointF(0, -5.5), 2.6, 2.6);
    fillPath(p, gem, QColor(60, 180, 255), 1.0);
    QPainterPath grip;
    grip.addRect(QRectF(-2.5, -3, 5, 16));
    fillPath(p, grip, QColor(90, 50, 30), 1.2);
    QPainterPath pommel;
    pommel.addEllipse(QPointF(0, 15), 3.4, 3.4);
    fillPath(p, pommel, QColor(kGold), 1.2);
    p.restore();

    QPainterPath a;
    a.moveTo(100, 98);
    a.cubicTo(110, 108, 114, 120, 112, 134);
    a.lineTo(122, 140);
    a.cubicTo(126, 124, 120, 106, 108, 94);
    a.closeSubpath();
    fillPath(p, a, litAcross(98, 126, kTunic));
    QPainterPath fist;
    fist.addRoundedRect(QRectF(110, 138, 15, 13), 4, 4);
    fillPath(p, fist, litAcross(110, 125, kLeather), 1.3);
    p.setPen(QPen(shade(kLeather, 0.6), 1.0));
    p.drawLine(QPointF(113, 144), QPointF(122, 144));
}

void shouldersAndScarf(QPainter& p) {
    for (double x : {58.0, 102.0}) {
        QPainterPath pad;
        pad.addEllipse(QPointF(x, 98), 12, 8.5);
        QRadialGradient g(QPointF(x - 4, 94), 14);
        g.setColorAt(0.0, QColor(255, 255, 255));
        g.setColorAt(0.45, kSteel);
        g.setColorAt(1.0, shade(kSteel, 0.6));
        fillPath(p, pad, g, 1.4);
        p.setPen(QPen(kGold, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 10, 92, 20, 13), 200 * 16, 140 * 16);
    }
    // neck
    QPainterPath neck;
    neck.addRect(QRectF(73, 80, 14, 14));
    fillPath(p, neck, shade(kSkin, 0.86), 1.2);
    // scarf wrapped round the neck, one end streaming behind
    const QColor scarf(250, 200, 70);
    QPainterPath tail;
    tail.moveTo(92, 90);
    tail.cubicTo(110, 86, 120, 96, 136, 88);
    tail.lineTo(132, 98);
    tail.cubicTo(118, 104, 106, 98, 94, 100);
    tail.closeSubpath();
    fillPath(p, tail, litAcross(92, 136, scarf), 1.3);
    QPainterPath wrap;
    wrap.addRoundedRect(QRectF(66, 86, 28, 11), 5, 5);
    fillPath(p, wrap, litAcross(66, 94, scarf), 1.4);
}

void head(QPainter& p) {
    // hair mass behind the face
    QPainterPath back;
    back.moveTo(52, 60);
    back.cubicTo(44, 30, 64, 12, 82, 12);
    back.cubicTo(104, 12, 118, 32, 108, 64);
    back.lineTo(102, 74);
    back.lineTo(58, 74);
    back.closeSubpath();
    fillPath(p, back, litAcross(48, 112, shade(kHair, 0.85)));
    // ears
    for (double x : {57.0, 103.0}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(x, 62), 4.5, 6.5);
        fillPath(p, ear, shade(kSkin, 0.92), 1.3);
    }
    // face with a soft chin
    QPainterPath face;
    face.moveTo(58, 48);
    face.cubicTo(57, 72, 70, 86, 80, 86);
    face.cubicTo(90, 86, 103, 72, 102, 48);
    face.cubicTo(100, 30, 60, 30, 58, 48);
    face.closeSubpath();
    QRadialGradient fg(QPointF(72, 56), 34);
    fg.setColorAt(0.0, shade(kSkin, 1.08));
    fg.setColorAt(0.7, kSkin);
    fg.setColorAt(1.0, shade(kSkin, 0.84));
    fillPath(p, face, fg);
    // spiky crown of hair
    QPainterPath crown;
    crown.moveTo(52, 56);
    const QPointF spikes[] = {{46, 34}, {58, 34},  {54, 16},  {70, 24},  {76, 3},   {88, 20},
                              {102, 8}, {102, 26}, {116, 24}, {108, 40}, {114, 50}, {106, 52}};
    for (const QPointF& s : spikes) crown.lineTo(s);
    // fringe hanging over the forehead
    const QPointF fringe[] = {{104, 56}, {97, 42}, {94, 52}, {88, 40}, {84, 50}, {78, 38},
                              {72, 50},  {66, 40}, {63, 52}, {58, 44}, {56, 58}};
    for (const QPointF& f : fringe) crown.lineTo(f);
    crown.closeSubpath();
    QLinearGradient hg(QPointF(50, 10), QPointF(110, 60));
    hg.setColorAt(0.0, shade(kHair, 1.35));
    hg.setColorAt(0.5, kHair);
    hg.setColorAt(1.0, shade(kHair, 0.7));
    fillPath(p, crown, hg);
    // shine on the hair
    p.setPen(QPen(shade(kHair, 1.6), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 28), QPointF(70, 24));
    p.drawLine(QPointF(74, 20), QPointF(80, 18));
    // headband
    QPainterPath band(QPointF(57, 46));
    band.cubicTo(70, 39, 90, 39, 103, 46);
    p.setPen(QPen(kCape, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(band);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(80, 41.5), 2.6, 2.2);

    // eyebrows, eyes, nose, mouth, cheeks
    p.setPen(QPen(shade(kHair, 0.6), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(64, 53), QPointF(75, 52));
    p.drawLine(QPointF(85, 52), QPointF(96, 53));
    for (double x : {70.0, 90.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(x, 63), 5.2, 6.2);
        QLinearGradient ig(QPointF(0, 57), QPointF(0, 69));
        ig.setColorAt(0.0, QColor(30, 50, 110));
        ig.setColorAt(1.0, QColor(70, 150, 230));
        p.setBrush(ig);
        p.drawEllipse(QPointF(x + 0.6, 63.5), 3.8, 5.4);
        p.setBrush(QColor(16, 20, 40));
        p.drawEllipse(QPointF(x + 0.6, 63.5), 1.8, 2.8);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(x - 1, 61), 1.5, 1.8);
        p.setPen(QPen(kLine, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 5.5, 57.5), QPointF(x + 5.5, 57.5));
    }
    p.setPen(QPen(shade(kSkin, 0.7), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 69), QPointF(79, 72));
    QPainterPath mouth(QPointF(75, 77));
    mouth.quadTo(80, 81, 85, 77);
    p.setPen(QPen(QColor(150, 60, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 140, 110));
    p.drawEllipse(QPointF(65, 72), 4.2, 2.4);
    p.drawEllipse(QPointF(95, 72), 4.2, 2.4);
}

}  // namespace

QImage drawHero() {
    QImage layer = newLayer(kW, kH);
    QPainter p;
    beginPainter(p, layer);
    cape(p);
    legs(p);
    leftArm(p);
    torso(p);
    swordAndRightArm(p);
    shouldersAndScarf(p);
    head(p);
    p.end();
    return keyedSprite(layer, Edge::Dark, kLine);
}

}  // namespace quillmoor::assetgen
