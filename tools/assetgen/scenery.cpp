// Little scenery glyphs shared by the island map and its marks: houses, trees, peaks, flags.
// They are drawn at map scale (a few pixels to a few dozen pixels) with a light source in
// the upper left, matching the map's hill shading.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace quill::assetgen {

void drawHouse(QPainter& p, QPointF base, double w, double h, const QColor& wall,
               const QColor& roof) {
    p.save();
    const QColor ink(0x2a, 0x1e, 0x22);
    const double wallH = h * 0.55;
    const QRectF body(base.x() - w / 2, base.y() - wallH, w, wallH);
    // soft shadow on the ground
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QRectF(body.left() - 1, base.y() - 2, w + 4, 4));
    // walls: lit front, darker side
    p.setPen(QPen(ink, 1.0));
    p.setBrush(wall);
    p.drawRect(body);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(wall, 0.8));
    p.drawRect(QRectF(body.right() - w * 0.3, body.top(), w * 0.3, wallH));
    // door and window
    p.setBrush(QColor(0x6b, 0x44, 0x2a));
    p.drawRect(QRectF(base.x() - w * 0.12, base.y() - wallH * 0.62, w * 0.24, wallH * 0.62));
    if (w >= 9) {
        p.setBrush(QColor(0xff, 0xe2, 0x7a));
        p.drawRect(QRectF(body.left() + w * 0.1, body.top() + wallH * 0.25, w * 0.18, wallH * 0.3));
    }
    // roof with overhang
    QPainterPath r = polygonPath({{body.left() - w * 0.12, body.top() + 0.5},
                                  {base.x(), base.y() - h},
                                  {body.right() + w * 0.12, body.top() + 0.5}});
    QLinearGradient g(QPointF(body.left(), 0), QPointF(body.right(), 0));
    g.setColorAt(0.0, shade(roof, 1.2));
    g.setColorAt(0.5, roof);
    g.setColorAt(0.51, shade(roof, 0.78));
    g.setColorAt(1.0, shade(roof, 0.7));
    p.setPen(QPen(ink, 1.0));
    p.setBrush(g);
    p.drawPath(r);
    p.restore();
}

void drawRoundTree(QPainter& p, QPointF base, double r, const QColor& leaf) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(QRectF(base.x() - r * 0.9, base.y() - r * 0.35, r * 2.0, r * 0.7));
    p.setBrush(QColor(0x6a, 0x47, 0x2c));
    p.drawRect(QRectF(base.x() - r * 0.18, base.y() - r * 0.9, r * 0.36, r * 0.9));
    const QPointF c(base.x(), base.y() - r * 1.45);
    QRadialGradient g(c + QPointF(-r * 0.45, -r * 0.5), r * 1.5);
    g.setColorAt(0.0, shade(leaf, 1.35));
    g.setColorAt(0.55, leaf);
    g.setColorAt(1.0, shade(leaf, 0.55));
    p.setPen(QPen(shade(leaf, 0.4), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r * 0.92);
    p.restore();
}

void drawPineTree(QPainter& p, QPointF base, double h, const QColor& leaf) {
    p.save();
    const double w = h * 0.62;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(QRectF(base.x() - w * 0.4, base.y() - 1.5, w * 0.9, 3));
    p.setBrush(QColor(0x5a, 0x3c, 0x26));
    p.drawRect(QRectF(base.x() - 1, base.y() - h * 0.25, 2, h * 0.25));
    for (int tier = 0; tier < 2; ++tier) {
        const double top = base.y() - h + tier * h * 0.3;
        const double bottom = base.y() - h * 0.2 - (1 - tier) * h * 0.25;
        const double half = w / 2 * (0.75 + 0.25 * tier);
        QPainterPath t =
            polygonPath({{base.x(), top}, {base.x() + half, bottom}, {base.x() - half, bottom}});
        QLinearGradient g(QPointF(base.x() - half, 0), QPointF(base.x() + half, 0));
        g.setColorAt(0.0, shade(leaf, 1.25));
        g.setColorAt(0.5, leaf);
        g.setColorAt(0.51, shade(leaf, 0.7));
        g.setColorAt(1.0, shade(leaf, 0.6));
        p.setPen(QPen(shade(leaf, 0.38), 0.8));
        p.setBrush(g);
        p.drawPath(t);
    }
    p.restore();
}

void drawPeak(QPainter& p, QPointF base, double w, double h, const QColor& rock, bool snow) {
    p.save();
    const QPointF top(base.x() + w * 0.05, base.y() - h);
    QPainterPath lit;
    lit.moveTo(base.x() - w / 2, base.y());
    lit.lineTo(top);
    lit.lineTo(base.x() + w * 0.12, base.y());
    lit.closeSubpath();
    QPainterPath dark;
    dark.moveTo(top);
    dark.lineTo(base.x() + w / 2, base.y());
    dark.lineTo(base.x() + w * 0.12, base.y());
    dark.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(shade(rock, 1.18));
    p.drawPath(lit);
    p.setBrush(shade(rock, 0.7));
    p.drawPath(dark);
    if (snow) {
        const double s = 0.34;
        QPainterPath cap;
        cap.moveTo(top);
        cap.lineTo(top.x() + (base.x() + w / 2 - top.x()) * s, top.y() + h * s);
        cap.lineTo(top.x() + w * 0.06, top.y() + h * s * 0.7);
        cap.lineTo(top.x() - w * 0.04, top.y() + h * s * 0.95);
        cap.lineTo(top.x() + (base.x() - w / 2 - top.x()) * s, top.y() + h * s);
        cap.closeSubpath();
        p.setBrush(QColor(0xf4, 0xf8, 0xff));
        p.drawPath(cap);
    }
    QPainterPath outline;
    outline.moveTo(base.x() - w / 2, base.y());
    outline.lineTo(top);
    outline.lineTo(base.x() + w / 2, base.y());
    p.setPen(QPen(shade(rock, 0.35), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.restore();
}

void drawFlag(QPainter& p, QPointF foot, double h, const QColor& cloth) {
    p.save();
    p.setPen(QPen(QColor(0x4a, 0x32, 0x22), std::max(1.0, h / 12)));
    p.drawLine(foot, foot - QPointF(0, h));
    QPainterPath f;
    const QPointF top = foot - QPointF(0, h);
    f.moveTo(top + QPointF(1, 0));
    f.cubicTo(top + QPointF(h * 0.3, -h * 0.08), top + QPointF(h * 0.45, h * 0.12),
              top + QPointF(h * 0.7, h * 0.06));
    f.lineTo(top + QPointF(h * 0.62, h * 0.4));
    f.cubicTo(top + QPointF(h * 0.42, h * 0.46), top + QPointF(h * 0.28, h * 0.3),
              top + QPointF(1, h * 0.42));
    f.closeSubpath();
    QLinearGradient g(top, top + QPointF(h * 0.7, h * 0.4));
    g.setColorAt(0.0, shade(cloth, 1.25));
    g.setColorAt(1.0, shade(cloth, 0.75));
    p.setPen(QPen(shade(cloth, 0.4), 0.8));
    p.setBrush(g);
    p.drawPath(f);
    p.restore();
}

}  // namespace quill::assetgen
