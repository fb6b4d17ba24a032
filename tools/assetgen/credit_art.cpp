// The credit picture shown when the program starts: who made the game, on a quiet dark
// background with a small quill emblem.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "state/net_records.h"

namespace quill::assetgen {

namespace {

constexpr int kW = 640;
constexpr int kH = 480;

void paintBackground(QImage& img) {
    const ValueNoise mist(5150);
    const CoarseField mistField(
        kW, kH, 4, [&](double x, double y) { return mist.fbm(x / 120.0, y / 90.0, 4); });
    Rng grain(99);
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            const double dx = (x - kW / 2.0) / (kW * 0.62);
            const double dy = (y - kH * 0.45) / (kH * 0.62);
            const double r = std::sqrt(dx * dx + dy * dy);
            QRgb c = mixRgb(qRgb(34, 30, 62), qRgb(6, 6, 16), smoothstep(0.0, 1.05, r));
            const double m = mistField.at(x, y);
            c = mixRgb(c, qRgb(60, 48, 96), 0.22 * smoothstep(0.45, 0.8, m) * (1 - r * 0.7));
            const double g = (grain.uniform() - 0.5) * 0.06;
            row[x] = scaleRgb(c, 1.0 + g);
        }
    }
}

void paintFrame(QPainter& p) {
    const QColor gold(200, 164, 96);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 164, 96, 150), 1.0));
    p.drawRect(QRectF(22.5, 22.5, kW - 45, kH - 45));
    p.setPen(QPen(QColor(200, 164, 96, 70), 1.0));
    p.drawRect(QRectF(28.5, 28.5, kW - 57, kH - 57));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    for (QPointF c : {QPointF(22.5, 22.5), QPointF(kW - 22.5, 22.5), QPointF(22.5, kH - 22.5),
                      QPointF(kW - 22.5, kH - 22.5)}) {
        p.drawPath(starPath(c, 6, 2, 4, 45));
    }
}

void paintEmblem(QImage& img, QPointF c) {
    QPainterPath ring;
    ring.addEllipse(c, 34, 34);
    paintGlow(img, ring, QColor(110, 120, 220, 110), 10, true);
    QPainter p;
    beginPainter(p, img);
    QRadialGradient g(c + QPointF(-10, -12), 50);
    g.setColorAt(0, QColor(70, 76, 150));
    g.setColorAt(1, QColor(22, 20, 54));
    p.setPen(QPen(QColor(214, 180, 110), 2.0));
    p.setBrush(g);
    p.drawEllipse(c, 32, 32);
    p.setPen(QPen(QColor(214, 180, 110, 120), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 27, 27);
    // quill across the disc
    p.save();
    p.translate(c);
    p.rotate(-38);
    QPainterPath vane;
    vane.moveTo(-2, 22);
    vane.cubicTo(-14, 6, -12, -16, 0, -30);
    vane.cubicTo(8, -14, 10, 6, 2, 22);
    vane.closeSubpath();
    QLinearGradient vg(0, -30, 0, 22);
    vg.setColorAt(0, QColor(255, 255, 255));
    vg.setColorAt(1, QColor(170, 190, 255));
    p.setPen(QPen(QColor(20, 20, 60), 1.0));
    p.setBrush(vg);
    p.drawPath(vane);
    p.setPen(QPen(QColor(120, 130, 200), 0.8));
    for (int i = 0; i < 7; ++i) {
        const double y = -20 + i * 5.5;
        p.drawLine(QPointF(0, y), QPointF(-7, y - 5));
        p.drawLine(QPointF(0, y), QPointF(6, y - 5));
    }
    p.setPen(QPen(QColor(240, 210, 140), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -26), QPointF(0, 30));
    p.restore();
    // ink drop below the nib
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 180, 110));
    p.drawEllipse(c + QPointF(-18, 24), 2.2, 2.2);
}

void paintRule(QPainter& p, double y, double half) {
    QLinearGradient g(QPointF(kW / 2.0 - half, 0), QPointF(kW / 2.0 + half, 0));
    g.setColorAt(0.0, QColor(200, 164, 96, 0));
    g.setColorAt(0.5, QColor(220, 186, 116, 220));
    g.setColorAt(1.0, QColor(200, 164, 96, 0));
    p.setPen(QPen(QBrush(g), 1.0));
    p.drawLine(QPointF(kW / 2.0 - half, y), QPointF(kW / 2.0 + half, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 196, 126));
    p.drawPath(starPath(QPointF(kW / 2.0, y), 5, 1.8, 4, 0));
}

}  // namespace

QImage drawCredit() {
    QImage img = newOpaque(kW, kH, Qt::black);
    paintBackground(img);
    paintEmblem(img, QPointF(320, 104));

    const QPainterPath name =
        centredText(QStringLiteral("Quillmoor"), serifFont(58), QPointF(320, 190), 1);
    paintGlow(img, name, QColor(255, 170, 80, 110), 8, true);

    QPainter p;
    beginPainter(p, img);
    paintFrame(p);

    const QRectF nb = name.boundingRect();
    QLinearGradient gold(nb.topLeft(), nb.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 248, 220));
    gold.setColorAt(0.5, QColor(255, 214, 120));
    gold.setColorAt(1.0, QColor(214, 136, 50));
    p.setPen(QPen(QColor(20, 12, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(name);

    drawOutlinedText(p, QStringLiteral("ver%1").arg(quill::kProgramVersion), sansFont(15, false),
                     QPointF(320, 232), QColor(190, 196, 230), QColor(10, 8, 24), 1.0);
    paintRule(p, 262, 150);
    drawOutlinedText(p, QStringLiteral("制作：Quillmoor 開発チーム"), jpFont(22, true),
                     QPointF(320, 298), QColor(246, 240, 226), QColor(10, 8, 24), 1.5);
    drawOutlinedText(p, QStringLiteral("© 2026 the Quillmoor project"), sansFont(15, false),
                     QPointF(320, 334), QColor(200, 200, 222), QColor(10, 8, 24), 1.0);
    paintRule(p, 366, 110);
    drawOutlinedText(p, QStringLiteral("クリック / Enter で タイトルへ"), jpFont(15, false),
                     QPointF(320, 420), QColor(150, 156, 196), QColor(10, 8, 24), 1.0);
    return img;
}

}  // namespace quill::assetgen
