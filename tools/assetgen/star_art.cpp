// Twinkling star strips for the title screen.  The game adds them onto the title picture,
// so they are bright shapes on black: black adds nothing.
#include "assetgen.h"

#include <QRadialGradient>

#include <cmath>

namespace quill::assetgen {

namespace {

// One long-armed sparkle: four main rays plus four short diagonal ones.
void paintSparkle(QPainter& p, QPointF c, double size, double rotationDeg, double glow) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);

    QRadialGradient halo(c, size * 0.46);
    halo.setColorAt(0.0, QColor(150, 190, 255, static_cast<int>(200 * glow)));
    halo.setColorAt(0.5, QColor(70, 100, 200, static_cast<int>(90 * glow)));
    halo.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(halo);
    p.drawEllipse(c, size * 0.46, size * 0.46);

    p.translate(c);
    p.rotate(rotationDeg);
    auto ray = [&](double len, double width, const QColor& col) {
        QPainterPath d = polygonPath({{0, -len}, {width, 0}, {0, len}, {-width, 0}});
        p.setBrush(col);
        p.drawPath(d);
        p.rotate(90);
        p.drawPath(d);
        p.rotate(-90);
    };
    ray(size * 0.46, size * 0.09, QColor(255, 246, 200));
    p.rotate(45);
    ray(size * 0.26, size * 0.06, QColor(170, 200, 255));
    p.rotate(-45);

    QRadialGradient core(QPointF(0, 0), size * 0.16);
    core.setColorAt(0.0, QColor(255, 255, 255));
    core.setColorAt(1.0, QColor(255, 240, 180, 0));
    p.setBrush(core);
    p.drawEllipse(QPointF(0, 0), size * 0.16, size * 0.16);
    p.restore();
}

}  // namespace

QImage drawStarStrip(int frameSize, int frames) {
    QImage img = newOpaque(frameSize * frames, frameSize, Qt::black);
    QPainter p;
    beginPainter(p, img);
    for (int k = 0; k < frames; ++k) {
        const double phase = 2.0 * M_PI * k / frames;
        const double pulse = 0.78 + 0.22 * std::cos(phase);
        const QPointF c(frameSize * k + frameSize / 2.0, frameSize / 2.0);
        p.save();
        p.setClipRect(QRectF(frameSize * k, 0, frameSize, frameSize));
        // A quarter turn over the strip: the four-fold star loops seamlessly.
        paintSparkle(p, c, frameSize * pulse, 90.0 * k / frames, 0.6 + 0.4 * pulse);
        p.restore();
    }
    p.end();
    img.setPixel(0, img.height() - 1, qRgb(0, 0, 0));
    return img;
}

}  // namespace quill::assetgen
