// Small creatures: the default pet (a round, cat-like fluffball that peeks in from the
// lower-right corner of the battle screen) and the two spirits used by battle effects.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace quillmoor::assetgen {

namespace {

const QColor kLine(60, 34, 30);

void fillPath(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& line,
              double width) {
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

QRadialGradient softBall(QPointF c, double r, const QColor& col) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0.0, shade(col, 1.25));
    g.setColorAt(0.6, col);
    g.setColorAt(1.0, shade(col, 0.7));
    return g;
}

void cuteEye(QPainter& p, QPointF c, double rx, double ry, const QColor& iris) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 30));
    p.drawEllipse(c, rx, ry);
    QLinearGradient g(QPointF(0, c.y() - ry), QPointF(0, c.y() + ry));
    g.setColorAt(0.0, shade(iris, 0.5));
    g.setColorAt(1.0, shade(iris, 1.25));
    p.setBrush(g);
    p.drawEllipse(c + QPointF(0, ry * 0.12), rx * 0.8, ry * 0.82);
    p.setBrush(QColor(20, 14, 24));
    p.drawEllipse(c + QPointF(0, ry * 0.15), rx * 0.38, ry * 0.5);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c + QPointF(-rx * 0.35, -ry * 0.38), rx * 0.34, ry * 0.3);
    p.drawEllipse(c + QPointF(rx * 0.35, ry * 0.4), rx * 0.16, ry * 0.14);
}

}  // namespace

QImage drawPetCat() {
    constexpr int kSize = 140;
    const QColor fur(248, 190, 110);
    const QColor cream(255, 244, 226);
    const QColor pink(255, 150, 170);
    QImage layer = newLayer(kSize, kSize);
    QPainter p;
    beginPainter(p, layer);

    // tail curling up behind the body
    QPainterPath tail(QPointF(104, 118));
    tail.cubicTo(130, 116, 134, 84, 122, 70);
    tail.cubicTo(116, 62, 108, 66, 112, 74);
    p.setPen(QPen(kLine, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(QPen(fur, 11.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tail);
    p.setPen(QPen(cream, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(113, 73), QPointF(116, 70));

    // body
    QPainterPath body;
    body.addEllipse(QPointF(78, 102), 40, 31);
    fillPath(p, body, softBall(QPointF(78, 102), 40, fur), kLine, 2.2);
    QPainterPath belly;
    belly.addEllipse(QPointF(70, 108), 22, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawPath(belly.intersected(body));
    // front paws
    for (double x : {58.0, 84.0}) {
        QPainterPath paw;
        paw.addEllipse(QPointF(x, 128), 11, 7.5);
        fillPath(p, paw, softBall(QPointF(x, 128), 11, cream), kLine, 2.0);
        p.setPen(QPen(shade(cream, 0.7), 1.3));
        p.drawLine(QPointF(x - 3, 125), QPointF(x - 3, 131));
        p.drawLine(QPointF(x + 3, 125), QPointF(x + 3, 131));
    }

    // ears
    const QPointF head(54, 56);
    for (int side : {-1, 1}) {
        QPainterPath ear = polygonPath({{head + QPointF(side * 12, -28)},
                                        {head + QPointF(side * 34, -46)},
                                        {head + QPointF(side * 36, -10)}});
        fillPath(p, ear, softBall(head + QPointF(side * 28, -30), 16, fur), kLine, 2.2);
        QPainterPath inner = polygonPath({{head + QPointF(side * 17, -26)},
                                          {head + QPointF(side * 31, -38)},
                                          {head + QPointF(side * 32, -16)}});
        p.setPen(Qt::NoPen);
        p.setBrush(pink);
        p.drawPath(inner);
    }
    // head: a round, slightly wide face
    QPainterPath face;
    face.addEllipse(head, 40, 35);
    fillPath(p, face, softBall(head, 40, fur), kLine, 2.4);
    // forehead stripes
    p.setPen(QPen(shade(fur, 0.72), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head + QPointF(0, -33), head + QPointF(0, -24));
    p.drawLine(head + QPointF(-8, -32), head + QPointF(-6, -25));
    p.drawLine(head + QPointF(8, -32), head + QPointF(6, -25));
    // muzzle
    QPainterPath muzzle;
    muzzle.addEllipse(head + QPointF(0, 15), 17, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawPath(muzzle.intersected(face));
    // eyes
    cuteEye(p, head + QPointF(-16, 0), 8.5, 10.5, QColor(70, 170, 120));
    cuteEye(p, head + QPointF(16, 0), 8.5, 10.5, QColor(70, 170, 120));
    // nose and mouth
    QPainterPath nose =
        polygonPath({{head + QPointF(-4, 9)}, {head + QPointF(4, 9)}, {head + QPointF(0, 13.5)}});
    p.setPen(QPen(shade(pink, 0.6), 1.0));
    p.setBrush(pink);
    p.drawPath(nose);
    QPainterPath mouth(head + QPointF(-7, 16));
    mouth.quadTo(head + QPointF(-3.5, 20), head + QPointF(0, 14));
    mouth.quadTo(head + QPointF(3.5, 20), head + QPointF(7, 16));
    p.setPen(QPen(kLine, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    // whiskers
    p.setPen(QPen(kLine, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        p.drawLine(head + QPointF(side * 20, 11), head + QPointF(side * 37, 7));
        p.drawLine(head + QPointF(side * 20, 15), head + QPointF(side * 38, 16));
    }
    // cheeks
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 130, 120));
    p.drawEllipse(head + QPointF(-25, 12), 6, 3.5);
    p.drawEllipse(head + QPointF(25, 12), 6, 3.5);
    // collar and bell
    QPainterPath collar(head + QPointF(-22, 30));
    collar.quadTo(head + QPointF(0, 40), head + QPointF(22, 30));
    p.setPen(QPen(QColor(220, 50, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(collar);
    QPainterPath bell;
    bell.addEllipse(head + QPointF(0, 40), 5.5, 5.5);
    fillPath(p, bell, softBall(head + QPointF(0, 40), 5.5, QColor(250, 206, 60)), kLine, 1.4);
    p.setPen(QPen(kLine, 1.2));
    p.drawLine(head + QPointF(-3, 41), head + QPointF(3, 41));
    p.end();
    return keyedSprite(layer, Edge::Dark, kLine);
}

QImage drawWispSpirit() {
    constexpr int kSize = 64;
    QImage layer = newLayer(kSize, kSize);
    QPainter p;
    beginPainter(p, layer);
    // teardrop body whose tail flicks up to the right; hard-edged rings stand in for glow
    auto body = [](double s) {
        QPainterPath b;
        const QPointF c(30, 36);
        b.moveTo(c + QPointF(-18 * s, 2 * s));
        b.cubicTo(c + QPointF(-18 * s, 20 * s), c + QPointF(16 * s, 22 * s),
                  c + QPointF(18 * s, 2 * s));
        b.cubicTo(c + QPointF(19 * s, -10 * s), c + QPointF(24 * s, -18 * s),
                  c + QPointF(22 * s, -28 * s));
        b.cubicTo(c + QPointF(8 * s, -24 * s), c + QPointF(-18 * s, -18 * s),
                  c + QPointF(-18 * s, 2 * s));
        b.closeSubpath();
        return b;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 200, 255));
    p.drawPath(body(1.0));
    p.setBrush(QColor(176, 232, 255));
    p.drawPath(body(0.8).translated(-1, 1));
    QRadialGradient core(QPointF(27, 38), 14);
    core.setColorAt(0.0, QColor(255, 255, 255));
    core.setColorAt(1.0, QColor(214, 246, 255));
    p.setBrush(core);
    p.drawPath(body(0.6).translated(-2, 3));
    // face
    p.setBrush(QColor(30, 50, 90));
    p.drawEllipse(QPointF(23, 37), 2.6, 3.6);
    p.drawEllipse(QPointF(35, 37), 2.6, 3.6);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(22.2, 35.6), 1.0, 1.2);
    p.drawEllipse(QPointF(34.2, 35.6), 1.0, 1.2);
    QPainterPath smile(QPointF(26, 44));
    smile.quadTo(29, 47, 32, 44);
    p.setPen(QPen(QColor(30, 50, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 200, 255));
    p.drawEllipse(QPointF(19, 42), 2.6, 1.6);
    p.drawEllipse(QPointF(39, 42), 2.6, 1.6);
    // sparkles around it
    p.setBrush(QColor(255, 250, 190));
    p.drawPath(starPath(QPointF(9, 16), 6, 1.8, 4, 0));
    p.drawPath(starPath(QPointF(54, 44), 5, 1.5, 4, 0));
    p.drawPath(starPath(QPointF(14, 55), 3.5, 1.2, 4, 0));
    p.end();
    return keyedSprite(layer, Edge::Shaded, QColor(20, 40, 90));
}

QImage drawFlameSpirit() {
    constexpr int kSize = 64;
    QImage layer = newLayer(kSize, kSize);
    QPainter p;
    beginPainter(p, layer);
    auto flame = [](double s, QPointF c) {
        QPainterPath f;
        f.moveTo(c + QPointF(0, 20 * s));
        f.cubicTo(c + QPointF(-22 * s, 20 * s), c + QPointF(-24 * s, -2 * s),
                  c + QPointF(-12 * s, -14 * s));
        f.cubicTo(c + QPointF(-12 * s, -6 * s), c + QPointF(-8 * s, -4 * s),
                  c + QPointF(-6 * s, -8 * s));
        f.cubicTo(c + QPointF(-8 * s, -20 * s), c + QPointF(-2 * s, -30 * s),
                  c + QPointF(4 * s, -36 * s));
        f.cubicTo(c + QPointF(4 * s, -24 * s), c + QPointF(12 * s, -20 * s),
                  c + QPointF(12 * s, -10 * s));
        f.cubicTo(c + QPointF(16 * s, -14 * s), c + QPointF(18 * s, -18 * s),
                  c + QPointF(18 * s, -22 * s));
        f.cubicTo(c + QPointF(26 * s, -10 * s), c + QPointF(22 * s, 20 * s),
                  c + QPointF(0, 20 * s));
        f.closeSubpath();
        return f;
    };
    const QPointF c(31, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 50, 30));
    p.drawPath(flame(1.0, c));
    p.setBrush(QColor(255, 140, 40));
    p.drawPath(flame(0.76, c + QPointF(0, 4)));
    QRadialGradient core(c + QPointF(0, 8), 14);
    core.setColorAt(0.0, QColor(255, 255, 220));
    core.setColorAt(1.0, QColor(255, 220, 90));
    p.setBrush(core);
    p.drawPath(flame(0.5, c + QPointF(0, 9)));
    // a cheeky face
    p.setBrush(QColor(90, 20, 10));
    p.drawEllipse(c + QPointF(-6, 6), 2.6, 3.8);
    p.drawEllipse(c + QPointF(6, 6), 2.6, 3.8);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c + QPointF(-6.8, 4.6), 1.0, 1.2);
    p.drawEllipse(c + QPointF(5.2, 4.6), 1.0, 1.2);
    QPainterPath grin(c + QPointF(-5, 12));
    grin.quadTo(c + QPointF(0, 18), c + QPointF(5, 12));
    grin.closeSubpath();
    p.setBrush(QColor(150, 30, 20));
    p.drawPath(grin);
    // embers
    p.setBrush(QColor(255, 180, 60));
    for (QPointF e : {QPointF(10, 22), QPointF(53, 18), QPointF(50, 50), QPointF(8, 48)}) {
        p.drawPath(starPath(e, 3.2, 1.4, 4, 45));
    }
    p.end();
    return keyedSprite(layer, Edge::Shaded, QColor(70, 14, 10));
}

}  // namespace quillmoor::assetgen
