// The title screen: a moonlit night over the sea, the island's silhouette on the horizon and
// the game's name in gold.  The game flies small stars across the upper sky, so that part
// stays dark.
#include "assetgen.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace quill::assetgen {

namespace {

constexpr int kW = 640;
constexpr int kH = 480;
constexpr int kHorizon = 332;
const QPointF kMoon(586, 54);

QRgb skyAt(double y) {
    struct Stop {
        double y;
        QRgb c;
    };
    static const Stop stops[] = {{0, qRgb(4, 6, 22)},        {130, qRgb(10, 16, 58)},
                                 {220, qRgb(30, 32, 100)},   {285, qRgb(84, 56, 128)},
                                 {318, qRgb(186, 104, 128)}, {kHorizon, qRgb(238, 160, 132)}};
    for (size_t i = 1; i < std::size(stops); ++i) {
        if (y <= stops[i].y) {
            const double t = (y - stops[i - 1].y) / (stops[i].y - stops[i - 1].y);
            return mixRgb(stops[i - 1].c, stops[i].c, t);
        }
    }
    return stops[std::size(stops) - 1].c;
}

void paintSkyAndSea(QImage& img) {
    const ValueNoise milky(811);
    const CoarseField cloudField(
        kW, kHorizon, 3, [&](double x, double y) { return milky.fbm(x / 70.0, y / 70.0, 4); });
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            if (y < kHorizon) {
                QRgb c = skyAt(y);
                // a faint band of the milky way running down from the upper left
                const double d = std::abs((x - 40) * 0.42 - (y - 20) * 0.91 - 60.0);
                const double band = std::exp(-d * d / (2 * 55.0 * 55.0));
                const double cloud = cloudField.at(x, y);
                const double glow = band * smoothstep(0.35, 0.75, cloud) * 0.22;
                c = mixRgb(c, qRgb(150, 140, 230), glow);
                // the moon lights the sky around it
                const double md = std::hypot(x - kMoon.x(), y - kMoon.y());
                c = mixRgb(c, qRgb(120, 130, 200), 0.28 * std::exp(-md / 90.0));
                row[x] = c;
            } else {
                const double t = (y - kHorizon) / double(kH - kHorizon);
                QRgb c = mixRgb(qRgb(70, 48, 112), qRgb(8, 12, 40), std::pow(t, 0.55));
                const double md = std::abs(x - kMoon.x());
                c = mixRgb(c, qRgb(60, 70, 130), 0.35 * std::exp(-md / 60.0) * (1 - t));
                row[x] = c;
            }
        }
    }
}

void paintStars(QImage& img) {
    Rng rng(2026);
    for (int i = 0; i < 340; ++i) {
        const int x = rng.below(kW);
        const int y = static_cast<int>(std::pow(rng.uniform(), 1.4) * (kHorizon - 40));
        const double fade = 1.0 - y / double(kHorizon - 20);
        const double b = rng.range(0.25, 1.0) * fade;
        const QRgb tint = rng.chance(0.3) ? qRgb(255, 220, 180) : qRgb(200, 220, 255);
        auto add = [&](int px, int py, double a) {
            if (px < 0 || py < 0 || px >= kW || py >= kH) return;
            img.setPixel(px, py, mixRgb(img.pixel(px, py), tint, a));
        };
        add(x, y, b);
        if (b > 0.72) {
            add(x - 1, y, b * 0.45);
            add(x + 1, y, b * 0.45);
            add(x, y - 1, b * 0.45);
            add(x, y + 1, b * 0.45);
        }
    }
}

void paintMoon(QImage& img) {
    QPainterPath disc;
    disc.addEllipse(kMoon, 27, 27);
    paintGlow(img, disc, QColor(140, 150, 220, 150), 16, true);
    QPainter p;
    beginPainter(p, img);
    QRadialGradient g(kMoon + QPointF(-8, -8), 36);
    g.setColorAt(0.0, QColor(255, 252, 230));
    g.setColorAt(0.7, QColor(250, 236, 190));
    g.setColorAt(1.0, QColor(220, 200, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(disc);
    p.setBrush(QColor(210, 190, 150, 90));
    p.drawEllipse(kMoon + QPointF(7, -6), 6, 5);
    p.drawEllipse(kMoon + QPointF(-9, 8), 4.5, 4);
    p.drawEllipse(kMoon + QPointF(6, 11), 3, 2.5);
}

// The island's outline against the sky, from the western tip to the lighthouse cape.
QPainterPath islandSilhouette() {
    const ValueNoise n(77);
    QPainterPath s;
    s.moveTo(18, kHorizon + 1);
    for (int x = 18; x <= 440; x += 3) {
        double h = 0;
        h = std::max(h, 118 * std::exp(-std::pow((x - 165) / 62.0, 2)));  // the old volcano
        h = std::max(h, 62 * std::exp(-std::pow((x - 92) / 50.0, 2)));
        h = std::max(h, 56 * std::exp(-std::pow((x - 300) / 70.0, 2)));  // castle hill
        h = std::max(h, 16 * smoothstep(440, 380, x) * smoothstep(18, 60, x));
        h += 7 * (n.fbm(x / 18.0, 0.5, 3) - 0.5) * smoothstep(18, 60, x) * smoothstep(440, 400, x);
        if (x > 150 && x < 180) h = std::min(h, 112.0 + std::abs(x - 165) * 0.2);  // crater
        s.lineTo(x, kHorizon - h);
    }
    s.lineTo(440, kHorizon + 1);
    s.closeSubpath();
    return s;
}

void paintIsland(QImage& img) {
    QPainter p;
    beginPainter(p, img);
    // distant islets, paler with the haze
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(62, 50, 110));
    QPainterPath far;
    far.moveTo(470, kHorizon + 1);
    far.cubicTo(500, kHorizon - 16, 540, kHorizon - 22, 570, kHorizon - 10);
    far.cubicTo(590, kHorizon - 14, 620, kHorizon - 8, 640, kHorizon - 6);
    far.lineTo(640, kHorizon + 1);
    far.closeSubpath();
    p.drawPath(far);

    const QPainterPath island = islandSilhouette();
    QPainterPath land = island;
    // pines along the ridge of the castle hill and the western slope
    Rng rng(404);
    const QPolygonF ridge = island.toFillPolygon();
    for (int i = 0; i < 26; ++i) {
        const double x = i < 13 ? rng.range(40, 130) : rng.range(215, 420);
        if (std::abs(x - 300) < 26) continue;
        // the ridge height under x
        double top = kHorizon;
        for (const QPointF& pt : ridge) {
            if (std::abs(pt.x() - x) < 1.6) top = std::min(top, pt.y());
        }
        const double h = rng.range(10, 20);
        QPainterPath t =
            polygonPath({{x, top - h}, {x + h * 0.32, top + 2}, {x - h * 0.32, top + 2}});
        land = land.united(t);
    }
    // castle on the hill
    QPainterPath castle;
    castle.addRect(280, kHorizon - 84, 42, 34);
    castle.addRect(274, kHorizon - 104, 12, 56);
    castle.addRect(316, kHorizon - 98, 12, 50);
    castle.addRect(295, kHorizon - 118, 13, 40);
    for (double cx : {280.0, 322.0}) {
        const double lift = kHorizon + (cx > 300 ? 6 : 0);
        QPainterPath roof =
            polygonPath({{cx - 8, lift - 102}, {cx, lift - 124}, {cx + 8, lift - 102}});
        castle.addPath(roof);
    }
    QPainterPath spire =
        polygonPath({{293, kHorizon - 116}, {301.5, kHorizon - 146}, {310, kHorizon - 116}});
    castle.addPath(spire);
    land = land.united(castle);
    // lighthouse on the eastern cape
    QPainterPath tower = polygonPath(
        {{418, kHorizon - 10}, {421, kHorizon - 44}, {429, kHorizon - 44}, {432, kHorizon - 10}});
    tower.addRect(419, kHorizon - 50, 12, 6);
    land = land.united(tower);
    // squat the whole skyline a little so it stays clear of the lettering above it
    QTransform squat;
    squat.translate(0, kHorizon);
    squat.scale(1, 0.78);
    squat.translate(0, -kHorizon);
    land = squat.map(land.simplified());

    // reflection in the water
    QTransform flip;
    flip.translate(0, 2 * kHorizon);
    flip.scale(1, -1);
    QLinearGradient rg(0, kHorizon, 0, kHorizon + 90);
    rg.setColorAt(0, QColor(8, 8, 30, 170));
    rg.setColorAt(1, QColor(8, 8, 30, 0));
    p.setBrush(rg);
    p.drawPath(flip.map(land));

    // moonlit rim on the right-hand edges, then the dark body
    p.setBrush(QColor(120, 110, 190));
    p.drawPath(land);
    p.setBrush(QColor(10, 10, 34));
    p.drawPath(land.translated(-1.6, 1.2));
    p.end();

    // lit windows and the lighthouse lamp
    QPainterPath lights;
    for (QPointF w :
         {QPointF(289, kHorizon - 72), QPointF(299, kHorizon - 64), QPointF(311, kHorizon - 72),
          QPointF(301.5, kHorizon - 100), QPointF(279, kHorizon - 90)}) {
        lights.addRect(QRectF(w, QSizeF(3, 4)));
    }
    QPainterPath lamp;
    lamp.addEllipse(QPointF(425, kHorizon - 47), 3, 3);
    lights = squat.map(lights);
    lamp = squat.map(lamp);
    paintGlow(img, lights.united(lamp), QColor(255, 190, 90, 255), 5, true);
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 130));
    p.drawPath(lights);
    p.setBrush(QColor(255, 250, 210));
    p.drawPath(lamp);
    // light of the lamp on the water
    for (int i = 0; i < 10; ++i) {
        const double y = kHorizon + 4 + i * 5;
        const double len = 4 + i * 1.2;
        p.setPen(QPen(QColor(255, 200, 120, 120 - i * 10), 1.2));
        p.drawLine(QPointF(425 - len / 2, y), QPointF(425 + len / 2, y));
    }
}

void paintWaves(QImage& img) {
    QPainter p;
    beginPainter(p, img);
    Rng rng(31);
    // glitter of the moon on the water
    for (int i = 0; i < 70; ++i) {
        const double t = rng.uniform();
        const double y = kHorizon + 3 + t * t * (kH - kHorizon - 3);
        const double spread = 10 + (y - kHorizon) * 0.55;
        const double x = kMoon.x() + rng.range(-spread, spread) * rng.uniform();
        const double len = 3 + (y - kHorizon) * 0.12 * rng.range(0.5, 1.5);
        const int a = static_cast<int>(230 * (1.0 - 0.6 * t));
        p.setPen(QPen(QColor(255, 236, 180, a), 1.0 + t * 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - len / 2, y), QPointF(x + len / 2, y));
    }
    // small wavelets everywhere, longer towards the viewer
    for (int i = 0; i < 220; ++i) {
        const double t = rng.uniform();
        const double y = kHorizon + 4 + t * (kH - kHorizon - 6);
        const double x = rng.range(0, kW);
        const double len = 3 + t * 16 * rng.range(0.5, 1.2);
        p.setPen(QPen(QColor(120, 130, 210, static_cast<int>(40 + 50 * t)), 1.0 + t));
        QPainterPath w;
        w.moveTo(x - len / 2, y);
        w.quadTo(x, y - 1.5 - t * 1.5, x + len / 2, y);
        p.drawPath(w);
    }
}

QPainterPath featherPath(QPointF from, QPointF to, double width) {
    // A long quill: a curved shaft with vanes that widen then narrow to the tip.
    QPainterPath vane;
    const int n = 40;
    std::vector<QPointF> top;
    std::vector<QPointF> bottom;
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF nrm(-u.y(), u.x());
    for (int i = 0; i <= n; ++i) {
        const double t = i / double(n);
        const QPointF onShaft = from + d * t + nrm * (std::sin(t * M_PI) * len * 0.06);
        const double wv = width * std::pow(std::sin(std::min(1.0, t * 1.15) * M_PI), 0.7) *
                          smoothstep(0.08, 0.25, t);
        top.push_back(onShaft + nrm * (-wv));
        bottom.push_back(onShaft + nrm * (wv * 0.75));
    }
    vane.moveTo(top.front());
    for (const QPointF& pt : top) vane.lineTo(pt);
    for (auto it = bottom.rbegin(); it != bottom.rend(); ++it) vane.lineTo(*it);
    vane.closeSubpath();
    return vane;
}

void paintQuill(QImage& img) {
    const QPointF from(150, 190);
    const QPointF to(498, 160);
    const QPainterPath vane = featherPath(from, to, 13);
    paintGlow(img, vane, QColor(120, 170, 255, 120), 8, true);
    QPainter p;
    beginPainter(p, img);
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(170, 200, 255, 230));
    g.setColorAt(0.6, QColor(235, 244, 255, 240));
    g.setColorAt(1.0, QColor(255, 255, 255, 250));
    p.setPen(QPen(QColor(40, 50, 120), 1.2));
    p.setBrush(g);
    p.drawPath(vane);
    // barbs
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF nrm(-u.y(), u.x());
    p.setPen(QPen(QColor(120, 140, 210, 150), 0.8));
    for (int i = 6; i < 38; ++i) {
        const double t = i / 40.0;
        const QPointF s = from + d * t + nrm * (std::sin(t * M_PI) * len * 0.06);
        const double w = 11 * std::pow(std::sin(std::min(1.0, t * 1.15) * M_PI), 0.7);
        p.drawLine(s, s + nrm * (-w) + u * 6);
        p.drawLine(s, s + nrm * (w * 0.7) + u * 5);
    }
    // shaft
    QPainterPath shaft;
    shaft.moveTo(from - u * 14);
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        shaft.lineTo(from + d * t + nrm * (std::sin(t * M_PI) * len * 0.06));
    }
    p.setPen(QPen(QColor(255, 236, 170), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
}

void paintSparkles(QImage& img, const std::vector<QPointF>& where, double size) {
    QPainter p;
    beginPainter(p, img);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);
    for (const QPointF& c : where) {
        p.setBrush(QColor(255, 240, 200));
        p.drawPath(starPath(c, size, size * 0.16, 4, 0));
        p.setBrush(QColor(160, 180, 255, 160));
        p.drawPath(starPath(c, size * 0.5, size * 0.12, 4, 45));
    }
}

void paintTitleLettering(QImage& img) {
    const QPointF centre(kW / 2.0, 120);
    const QPainterPath word = centredText(QStringLiteral("Quillmoor"), serifFont(94), centre, 1);
    paintGlow(img, word, QColor(255, 150, 60, 200), 12, true);

    QPainter p;
    beginPainter(p, img);
    const QRectF b = word.boundingRect();
    // drop shadow and the two outlines
    p.setPen(QPen(QColor(0, 0, 10, 170), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 0, 10, 170));
    p.drawPath(word.translated(4, 6));
    p.setPen(QPen(QColor(26, 14, 60), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    QLinearGradient rim(b.topLeft(), b.bottomLeft());
    rim.setColorAt(0.0, QColor(255, 240, 170));
    rim.setColorAt(1.0, QColor(170, 90, 20));
    p.setPen(QPen(QBrush(rim), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    // gold body
    QLinearGradient body(b.topLeft(), b.bottomLeft());
    body.setColorAt(0.0, QColor(255, 255, 250));
    body.setColorAt(0.38, QColor(255, 238, 150));
    body.setColorAt(0.52, QColor(255, 186, 60));
    body.setColorAt(1.0, QColor(232, 104, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(word);
    // glossy sheen on the upper half
    p.save();
    p.setClipPath(word);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(
        QRectF(b.left() - 40, b.top() - b.height() * 0.9, b.width() + 80, b.height() * 1.32));
    p.restore();
    p.end();

    paintSparkles(img,
                  {QPointF(b.left() + 14, b.top() + 6), QPointF(b.right() - 8, b.top() + 14),
                   QPointF(b.left() + b.width() * 0.47, b.top() - 4)},
                  13);

    // Japanese name with ornamental rules on either side
    beginPainter(p, img);
    const QFont jp = jpFont(28, true);
    const QPainterPath kana = centredText(QStringLiteral("クイルムーア"), jp, QPointF(320, 212), 9);
    p.setPen(QPen(QColor(14, 12, 50), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(kana);
    QLinearGradient kg(0, 198, 0, 226);
    kg.setColorAt(0, QColor(255, 255, 255));
    kg.setColorAt(1, QColor(170, 205, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(kg);
    p.drawPath(kana);
    const QRectF kb = kana.boundingRect();
    for (int side : {-1, 1}) {
        const double x0 = side < 0 ? kb.left() - 16 : kb.right() + 16;
        const double x1 = x0 + side * 92;
        QLinearGradient lg(QPointF(x0, 0), QPointF(x1, 0));
        lg.setColorAt(0, QColor(255, 220, 140, 230));
        lg.setColorAt(1, QColor(255, 220, 140, 0));
        p.setPen(QPen(QBrush(lg), 1.5));
        p.drawLine(QPointF(x0, 212), QPointF(x1, 212));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 226, 150));
        p.drawPath(starPath(QPointF(x0 + side * 2, 212), 5, 1.8, 4, 0));
    }
}

void paintPrompt(QImage& img) {
    QPainter p;
    beginPainter(p, img);
    QLinearGradient band(0, 396, 0, 458);
    band.setColorAt(0, QColor(0, 0, 20, 0));
    band.setColorAt(0.5, QColor(0, 0, 20, 110));
    band.setColorAt(1, QColor(0, 0, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(150, 396, 340, 62));
    drawOutlinedText(p, QStringLiteral("クリックで はじめる"), jpFont(22, true), QPointF(320, 416),
                     QColor(255, 250, 235), QColor(20, 14, 50), 2.5, QPointF(2, 2),
                     QColor(0, 0, 0, 120));
    drawOutlinedText(p, QStringLiteral("Click or Enter"), sansFont(13, false), QPointF(320, 441),
                     QColor(190, 205, 255), QColor(14, 12, 40), 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 226, 150));
    for (double x : {214.0, 426.0}) p.drawPath(starPath(QPointF(x, 416), 5, 1.6, 4, 0));
}

}  // namespace

QImage drawIcon(int size) {
    // The title's night without its words, cut square around the island, the castle and
    // the quill, and made smaller smoothly.
    QImage scene = newOpaque(kW, kH, Qt::black);
    paintSkyAndSea(scene);
    paintStars(scene);
    paintMoon(scene);
    paintIsland(scene);
    paintWaves(scene);
    paintQuill(scene);
    const QImage square = scene.copy(QRect(140, 60, 380, 380))
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = size * 0.18;
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, size, size), radius, radius);
    p.setClipPath(frame);
    p.drawImage(0, 0, square);
    p.setClipping(false);
    if (size >= 32) {  // a thin light rim where the square meets the desktop
        p.setPen(QPen(QColor(255, 236, 190, 150), std::max(1.0, size / 96.0)));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), radius, radius);
    }
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QImage drawTitle() {
    QImage img = newOpaque(kW, kH, Qt::black);
    paintSkyAndSea(img);
    paintStars(img);
    paintMoon(img);
    paintIsland(img);
    paintWaves(img);
    paintQuill(img);
    paintTitleLettering(img);
    paintPrompt(img);
    return img;
}

}  // namespace quill::assetgen
