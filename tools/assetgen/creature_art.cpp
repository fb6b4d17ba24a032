// Small creatures: the two spirits used by battle effects.  The pets have their own file,
// pet_art.cpp.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace quill::assetgen {

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

}  // namespace quill::assetgen
