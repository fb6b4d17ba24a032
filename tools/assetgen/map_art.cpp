// The island map, the backdrop of the game's main screen.
//
// The island's shape comes from a handful of soft blobs disturbed by noise; from it we work
// out coast distances and a height field that give beaches, shallows, hill shading and the
// western mountain range.  Scenery glyphs (trees, peaks, houses) are then painted on top,
// and finally the places the player clicks: the inn, the item shop, the start of the free
// walk, the world notice board and the two buttons in the lower right.
//
// After the great change later in the story the same island is drawn again in a darker
// palette, with a burning rift in the east and a new black tower.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace quill::assetgen {

namespace {

constexpr int kW = 640;
constexpr int kH = 480;

struct Palette {
    QRgb seaShallow, seaMid, seaDeep, seaFar, foam;
    QRgb sand, grassLight, grassDark, earth, rock, ash;
    QColor leaf, leafAlt, pine, roof, wall, river, road;
};

Palette palette(bool changed) {
    if (!changed) {
        return {qRgb(98, 214, 214),    qRgb(46, 150, 204),   qRgb(30, 90, 170),
                qRgb(20, 56, 120),     qRgb(240, 252, 255),  qRgb(238, 222, 160),
                qRgb(150, 214, 100),   qRgb(96, 176, 74),    qRgb(170, 142, 96),
                qRgb(146, 132, 120),   qRgb(100, 84, 80),    QColor(62, 150, 66),
                QColor(96, 170, 60),   QColor(40, 112, 70),  QColor(206, 70, 56),
                QColor(246, 236, 214), QColor(80, 170, 232), QColor(206, 176, 118)};
    }
    return {qRgb(88, 130, 150),   qRgb(56, 70, 130),    qRgb(40, 34, 92),    qRgb(24, 18, 58),
            qRgb(220, 200, 240),  qRgb(186, 170, 140),  qRgb(120, 150, 96),  qRgb(78, 112, 72),
            qRgb(134, 110, 86),   qRgb(116, 104, 108),  qRgb(74, 56, 60),    QColor(52, 104, 64),
            QColor(88, 120, 64),  QColor(38, 80, 66),   QColor(150, 60, 70), QColor(214, 204, 196),
            QColor(82, 120, 170), QColor(168, 144, 110)};
}

// -------------------------------------------------------------------------- terrain

struct Blob {
    double x, y, r, w;
};

// The island's shape.  Negative blobs keep the corners where the game writes text open.
const Blob kIslandBlobs[] = {
    {118, 200, 100, 1.0},   // western highlands
    {62, 96, 34, 1.0},      // north-west shore, the item shop
    {96, 100, 48, 0.8},     //
    {140, 88, 46, 0.9},     // camp in the north-west
    {250, 160, 100, 1.0},   // the inn and the walk's start
    {372, 160, 100, 1.0},   //
    {470, 212, 88, 1.0},    // east
    {340, 78, 40, 1.0},     // the northern cape the trail climbs
    {338, 36, 24, 1.0},     //
    {444, 96, 56, 1.0},     // the volcano
    {212, 270, 76, 1.0},    // south-west
    {372, 290, 80, 1.0},    // harbour side
    {510, 292, 52, 1.0},    // lighthouse cape
    {64, 376, 19, 1.3},     // islet with the laboratory
    {280, 404, 21, 1.3},    // islet with the old ruin
    {588, 64, 11, 1.3},     // rocks under the notice board
    {612, 64, 11, 1.3},     //
    {90, -10, 72, -1.3},    // open sea in the top-left corner
    {150, 440, 110, -0.8},  // and in the lower left
    {640, 470, 90, -0.6},   // room for the buttons
};

const QPointF kVolcano(446, 94);

struct Terrain {
    std::vector<uint8_t> land;
    std::vector<float> seaDist;   // distance to the nearest land, 0 on land
    std::vector<float> landDist;  // distance to the nearest sea, 0 at sea
    std::vector<float> height;
    std::vector<float> mountain;  // 0..1, how much of the western range this is
    size_t at(int x, int y) const { return static_cast<size_t>(y) * kW + x; }
};

// Two-pass chamfer distance to the nearest pixel where `target` is set.
std::vector<float> distanceTo(const std::vector<uint8_t>& target, uint8_t value) {
    constexpr float kInf = 1e9f;
    constexpr float kDiag = 1.41421f;
    std::vector<float> d(target.size());
    for (size_t i = 0; i < d.size(); ++i) d[i] = target[i] == value ? 0.0f : kInf;
    auto idx = [](int x, int y) { return static_cast<size_t>(y) * kW + x; };
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            float v = d[idx(x, y)];
            if (x > 0) v = std::min(v, d[idx(x - 1, y)] + 1);
            if (y > 0) {
                v = std::min(v, d[idx(x, y - 1)] + 1);
                if (x > 0) v = std::min(v, d[idx(x - 1, y - 1)] + kDiag);
                if (x < kW - 1) v = std::min(v, d[idx(x + 1, y - 1)] + kDiag);
            }
            d[idx(x, y)] = v;
        }
    }
    for (int y = kH - 1; y >= 0; --y) {
        for (int x = kW - 1; x >= 0; --x) {
            float v = d[idx(x, y)];
            if (x < kW - 1) v = std::min(v, d[idx(x + 1, y)] + 1);
            if (y < kH - 1) {
                v = std::min(v, d[idx(x, y + 1)] + 1);
                if (x < kW - 1) v = std::min(v, d[idx(x + 1, y + 1)] + kDiag);
                if (x > 0) v = std::min(v, d[idx(x - 1, y + 1)] + kDiag);
            }
            d[idx(x, y)] = v;
        }
    }
    return d;
}

double mountainWeight(double x, double y) {
    const double e = std::hypot((x - 128) / 84.0, (y - 214) / 72.0);
    return smoothstep(1.0, 0.5, e);
}

Terrain buildTerrain() {
    Terrain t;
    const size_t n = static_cast<size_t>(kW) * kH;
    t.land.assign(n, 0);
    const ValueNoise warp(1201);
    const ValueNoise edge(1202);
    const CoarseField warpX(kW, kH, 4, [&](double x, double y) {
        return 22 * (warp.fbm(x / 90.0, y / 90.0, 3) - 0.5);
    });
    const CoarseField warpY(kW, kH, 4, [&](double x, double y) {
        return 22 * (warp.fbm(x / 90.0 + 40, y / 90.0 + 40, 3) - 0.5);
    });
    const CoarseField ragged(kW, kH, 2,
                             [&](double x, double y) { return edge.fbm(x / 22.0, y / 22.0, 3); });
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const double wx = x + warpX.at(x, y);
            const double wy = y + warpY.at(x, y);
            double f = 0;
            for (const Blob& b : kIslandBlobs) {
                const double dx = wx - b.x;
                const double dy = wy - b.y;
                const double q = (dx * dx + dy * dy) / (b.r * b.r);
                if (q < 12.0) f += b.w * std::exp(-q);  // beyond that a blob adds nothing
            }
            f += 0.16 * (ragged.at(x, y) - 0.5);
            t.land[t.at(x, y)] = f > 0.5 ? 1 : 0;
        }
    }
    t.seaDist = distanceTo(t.land, 1);
    t.landDist = distanceTo(t.land, 0);

    const ValueNoise hills(1203);
    const CoarseField rolling(kW, kH, 2,
                              [&](double x, double y) { return hills.fbm(x / 40.0, y / 40.0, 4); });
    t.height.assign(n, 0.0f);
    t.mountain.assign(n, 0.0f);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const size_t i = t.at(x, y);
            if (!t.land[i]) continue;
            const double coast = smoothstep(0, 40, t.landDist[i]);
            const double m = mountainWeight(x, y) * smoothstep(3, 16, t.landDist[i]);
            const double vd = std::hypot(x - kVolcano.x(), (y - kVolcano.y()) * 1.2);
            const double cone = 0.5 * smoothstep(58, 22, vd);
            const double crags = m > 0 ? hills.fbm(x / 14.0, y / 14.0, 3) : 0.0;
            const double h =
                0.22 * coast + 0.22 * rolling.at(x, y) + m * (0.45 + 0.6 * crags) + 0.9 * cone;
            t.height[i] = static_cast<float>(h);
            t.mountain[i] = static_cast<float>(m);
        }
    }
    return t;
}

// -------------------------------------------------------------------------- ground

void paintGround(QImage& img, const Terrain& t, const Palette& pal, bool changed) {
    const ValueNoise grassN(1301);
    const ValueNoise seaN(1302);
    const ValueNoise foamN(1303);
    const CoarseField grassField(
        kW, kH, 2, [&](double x, double y) { return grassN.fbm(x / 34.0, y / 34.0, 4); });
    const CoarseField seaField(kW, kH, 2,
                               [&](double x, double y) { return seaN.fbm(x / 30.0, y / 12.0, 3); });
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            const size_t i = t.at(x, y);
            QRgb c;
            if (!t.land[i]) {
                const double d = t.seaDist[i];
                c = mixRgb(pal.seaShallow, pal.seaMid, smoothstep(0, 12, d));
                c = mixRgb(c, pal.seaDeep, smoothstep(8, 46, d));
                const double border = std::min({x, y, kW - 1 - x, kH - 1 - y}) / 60.0;
                c = mixRgb(c, pal.seaFar,
                           smoothstep(40, 90, d) * 0.6 + (1 - clamp01(border)) * 0.3);
                c = scaleRgb(c, 0.96 + 0.08 * seaField.at(x, y));
                if (d < 2.2) c = mixRgb(c, pal.foam, 0.75 * smoothstep(2.2, 0.6, d));
                const double ring = std::abs(d - 6.5);
                if (ring < 1.0 && foamN.at(x / 9.0, y / 9.0) > 0.42)
                    c = mixRgb(c, pal.foam, 0.22 * (1 - ring));
            } else {
                const double ld = t.landDist[i];
                const double g = grassField.at(x, y);
                c = mixRgb(pal.grassLight, pal.grassDark, smoothstep(0.3, 0.7, g));
                const double m = t.mountain[i];
                c = mixRgb(c, pal.earth, smoothstep(0.15, 0.6, m));
                c = mixRgb(c, pal.rock, smoothstep(0.6, 0.95, m));
                const double vd = std::hypot(x - kVolcano.x(), (y - kVolcano.y()) * 1.2);
                c = mixRgb(c, pal.ash, 0.55 * smoothstep(54, 34, vd));
                if (ld < 3.2 + 2.0 * grassN.at(x / 6.0, y / 6.0))
                    c = mixRgb(pal.sand, c, smoothstep(2.0, 4.5, ld) * 0.8);

                // hill shading, lit from the upper left
                auto h = [&](int px, int py) {
                    px = std::clamp(px, 0, kW - 1);
                    py = std::clamp(py, 0, kH - 1);
                    return t.height[t.at(px, py)];
                };
                const double gx = h(x + 1, y) - h(x - 1, y);
                const double gy = h(x, y + 1) - h(x, y - 1);
                const double lightF = std::clamp(1.0 + 9.0 * (gx + gy), 0.62, 1.3);
                c = scaleRgb(c, lightF);
            }
            if (changed) {
                // a dim violet cast over everything after the change
                c = mixRgb(c, qRgb(40, 20, 60), 0.18);
            }
            row[x] = c;
        }
    }
}

// Composites `layer` onto `img` only over land (and the foam line) so rivers and roads
// end cleanly at the coast.
void blendOnLand(QImage& img, const QImage& layer, const Terrain& t, float reach) {
    for (int y = 0; y < kH; ++y) {
        auto* d = reinterpret_cast<QRgb*>(img.scanLine(y));
        const auto* s = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < kW; ++x) {
            const int a = qAlpha(s[x]);
            if (a == 0 || t.seaDist[t.at(x, y)] > reach) continue;
            // premultiplied source over opaque destination
            const int ia = 255 - a;
            d[x] = qRgb(qRed(s[x]) + qRed(d[x]) * ia / 255, qGreen(s[x]) + qGreen(d[x]) * ia / 255,
                        qBlue(s[x]) + qBlue(d[x]) * ia / 255);
        }
    }
}

// Places where scenery must not be drawn (roads, rivers, buildings, the game's marks).
class Keepout {
  public:
    Keepout() : mask_(kW, kH, QImage::Format_Grayscale8) { mask_.fill(0); }
    QPainter& painter() {
        if (!p_.isActive()) {
            p_.begin(&mask_);
            p_.setPen(Qt::NoPen);
            p_.setBrush(Qt::white);
        }
        return p_;
    }
    void rect(double x, double y, double w, double h, double pad = 3) {
        painter().drawRect(QRectF(x - pad, y - pad, w + 2 * pad, h + 2 * pad));
    }
    void stroke(const QPainterPath& path, double width) {
        QPainter& p = painter();
        p.save();
        p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.restore();
    }
    bool blocked(double x, double y) {
        if (p_.isActive()) p_.end();
        const int ix = static_cast<int>(x);
        const int iy = static_cast<int>(y);
        if (ix < 0 || iy < 0 || ix >= kW || iy >= kH) return true;
        return mask_.constScanLine(iy)[ix] != 0;
    }

  private:
    QImage mask_;
    QPainter p_;
};

// -------------------------------------------------------------------------- paths

QPainterPath riverWest() {
    QPainterPath r(QPointF(176, 206));
    r.cubicTo(192, 226, 214, 238, 212, 264);
    r.cubicTo(210, 290, 226, 304, 222, 334);
    r.lineTo(220, 360);
    return r;
}

QPainterPath riverEast() {
    QPainterPath r(QPointF(478, 128));
    r.cubicTo(494, 150, 520, 150, 534, 170);
    r.cubicTo(548, 190, 572, 186, 600, 196);
    r.lineTo(630, 200);
    return r;
}

QPainterPath roads() {
    QPainterPath r;
    // inn to the walk's start, then south past the castle site to the harbour
    r.moveTo(254, 146);
    r.cubicTo(262, 160, 282, 160, 300, 170);
    r.moveTo(330, 178);
    r.cubicTo(334, 192, 342, 200, 352, 214);
    r.cubicTo(364, 236, 392, 262, 420, 300);
    r.cubicTo(428, 312, 432, 322, 436, 334);
    // the shrine
    r.moveTo(352, 212);
    r.cubicTo(366, 206, 378, 200, 390, 196);
    // west: inn to the camp and the item shop
    r.moveTo(240, 132);
    r.cubicTo(210, 130, 176, 100, 140, 96);
    r.cubicTo(110, 94, 84, 90, 58, 86);
    // the lighthouse road
    r.moveTo(430, 306);
    r.cubicTo(470, 300, 500, 318, 538, 322);
    // south-west, to the camp by the tower
    r.moveTo(352, 214);
    r.cubicTo(330, 240, 300, 280, 268, 302);
    return r;
}

// The footpath north from the walk's start, past each free spot to the northern cape.
QPainterPath trail() {
    QPainterPath r(QPointF(334, 150));
    r.cubicTo(336, 138, 336, 130, 338, 122);
    r.cubicTo(340, 110, 340, 102, 341, 96);
    r.cubicTo(344, 84, 348, 76, 349, 68);
    r.cubicTo(352, 58, 360, 52, 361, 44);
    r.cubicTo(358, 34, 336, 28, 329, 20);
    return r;
}

// -------------------------------------------------------------------------- scenery

void paintSeaMarks(QImage& img, const Terrain& t, const Palette& pal) {
    QPainter p;
    beginPainter(p, img);
    Rng rng(1401);
    QColor wave = QColor::fromRgb(pal.foam);
    wave.setAlpha(70);
    p.setPen(QPen(wave, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 240; ++i) {
        const double x = rng.range(4, kW - 14);
        const double y = rng.range(4, kH - 6);
        const int ix = static_cast<int>(x);
        const int iy = static_cast<int>(y);
        if (t.seaDist[t.at(ix, iy)] < 14) continue;
        const bool calm = (x < 300 && y > 340) || (x < 210 && y < 44) || (x > 530 && y > 350);
        if (calm && !rng.chance(0.25)) continue;
        QPainterPath w(QPointF(x, y));
        w.quadTo(x + 2.5, y - 2.5, x + 5, y);
        w.quadTo(x + 7.5, y - 2.5, x + 10, y);
        p.drawPath(w);
    }
}

void paintRiversAndRoads(QImage& img, const Terrain& t, const Palette& pal, Keepout& keep) {
    QImage layer = newLayer(kW, kH);
    QPainter p;
    beginPainter(p, layer);
    for (const QPainterPath& river : {riverWest(), riverEast()}) {
        p.setPen(QPen(shade(pal.river, 0.6), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(river);
        p.setPen(QPen(pal.river, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(river);
        p.setPen(QPen(shade(pal.river, 1.45), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(river.translated(-0.8, -0.6));
        keep.stroke(river, 12);
    }
    const QPainterPath road = roads();
    p.setPen(QPen(shade(pal.road, 0.72), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(road);
    p.setPen(QPen(pal.road, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(road);
    keep.stroke(road, 9);
    // the trail is a dotted footpath
    QPen dots(shade(pal.road, 1.12), 2.2, Qt::CustomDashLine, Qt::RoundCap);
    dots.setDashPattern({0.2, 2.2});
    p.setPen(QPen(shade(pal.road, 0.7), 3.4, Qt::CustomDashLine, Qt::RoundCap));
    QPen under = p.pen();
    under.setDashPattern({0.2, 1.6});
    p.setPen(under);
    p.drawPath(trail());
    p.setPen(dots);
    p.drawPath(trail());
    keep.stroke(trail(), 10);
    p.end();
    blendOnLand(img, layer, t, 1.5f);
    // bridges where the roads cross the rivers
    beginPainter(p, img);
    auto bridge = [&](QPointF c, double angle) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        p.setPen(QPen(QColor(70, 46, 30), 1.0));
        p.setBrush(QColor(176, 124, 72));
        p.drawRect(QRectF(-3, -6, 6, 12));
        p.restore();
    };
    bridge(QPointF(400, 274), -40);
    p.end();
}

void paintMountains(QImage& img, const Terrain& t, const Palette& pal, Keepout& keep) {
    struct Peak {
        QPointF base;
        double w, h;
        bool snow;
        double tone;
    };
    std::vector<Peak> peaks;
    Rng rng(1501);
    for (double gy = 142; gy < 300; gy += 11) {
        for (double gx = 36; gx < 230; gx += 15) {
            const double x = gx + rng.range(-5, 5) + (static_cast<int>(gy) % 2 ? 7 : 0);
            const double y = gy + rng.range(-3, 3);
            const int ix = std::clamp(static_cast<int>(x), 0, kW - 1);
            const int iy = std::clamp(static_cast<int>(y), 0, kH - 1);
            const double m = t.mountain[t.at(ix, iy)];
            if (m < 0.3 || keep.blocked(x, y) || keep.blocked(x, y - 10)) continue;
            const double w = 14 + 22 * m * rng.range(0.8, 1.15);
            const bool snow = m > 0.8 && rng.chance(0.6);
            peaks.push_back(
                {QPointF(x, y), w, w * rng.range(0.72, 0.95), snow, rng.range(0.88, 1.06)});
        }
    }
    std::stable_sort(peaks.begin(), peaks.end(),
                     [](const Peak& a, const Peak& b) { return a.base.y() < b.base.y(); });
    QPainter p;
    beginPainter(p, img);
    const QColor rock = QColor::fromRgb(pal.rock);
    for (const Peak& pk : peaks) {
        drawPeak(p, pk.base, pk.w, pk.h, shade(rock, pk.tone), pk.snow);
    }
}

void paintForests(QImage& img, const Terrain& t, const Palette& pal, Keepout& keep) {
    struct Tree {
        QPointF base;
        double size;
        bool pine;
        QColor colour;
    };
    std::vector<Tree> trees;
    const ValueNoise forestN(1601);
    Rng rng(1602);
    for (double gy = 4; gy < kH; gy += 6) {
        for (double gx = 4; gx < kW; gx += 7) {
            const double x = gx + rng.range(-2.5, 2.5);
            const double y = gy + rng.range(-2, 2);
            const int ix = std::clamp(static_cast<int>(x), 0, kW - 1);
            const int iy = std::clamp(static_cast<int>(y), 0, kH - 1);
            const size_t i = t.at(ix, iy);
            if (!t.land[i] || t.landDist[i] < 5) continue;
            const double f = forestN.fbm(x / 52.0, y / 52.0, 3);
            const double m = t.mountain[i];
            const double vd = std::hypot(x - kVolcano.x(), (y - kVolcano.y()) * 1.2);
            const bool dense = f > 0.55 && m < 0.4 && vd > 62;
            const bool lone = !dense && m < 0.35 && vd > 62 && rng.chance(0.035);
            if (!dense && !lone) continue;
            if (keep.blocked(x, y) || keep.blocked(x, y - 7)) continue;
            const bool pine = m > 0.12 || f > 0.7;
            const QColor col = rng.chance(0.3) ? pal.leafAlt : pal.leaf;
            trees.push_back({QPointF(x, y), pine ? rng.range(9, 12) : rng.range(3.0, 4.2), pine,
                             pine ? pal.pine : col});
        }
    }
    std::stable_sort(trees.begin(), trees.end(),
                     [](const Tree& a, const Tree& b) { return a.base.y() < b.base.y(); });
    QPainter p;
    beginPainter(p, img);
    for (const Tree& tr : trees) {
        if (tr.pine)
            drawPineTree(p, tr.base, tr.size, tr.colour);
        else
            drawRoundTree(p, tr.base, tr.size, tr.colour);
    }
}

void paintVolcano(QImage& img, bool changed) {
    const QPointF top(kVolcano.x(), kVolcano.y() - 30);
    QPainter p;
    beginPainter(p, img);
    QPainterPath cone;
    cone.moveTo(kVolcano.x() - 46, kVolcano.y() + 22);
    cone.cubicTo(kVolcano.x() - 26, kVolcano.y() + 8, top.x() - 16, top.y() + 10, top.x() - 11,
                 top.y());
    cone.lineTo(top.x() + 11, top.y());
    cone.cubicTo(top.x() + 16, top.y() + 10, kVolcano.x() + 26, kVolcano.y() + 8, kVolcano.x() + 46,
                 kVolcano.y() + 22);
    cone.closeSubpath();
    QLinearGradient g(QPointF(kVolcano.x() - 40, 0), QPointF(kVolcano.x() + 40, 0));
    g.setColorAt(0.0, QColor(150, 118, 100));
    g.setColorAt(0.45, QColor(118, 90, 80));
    g.setColorAt(0.55, QColor(84, 64, 62));
    g.setColorAt(1.0, QColor(66, 52, 54));
    p.setPen(QPen(QColor(50, 34, 34), 1.0));
    p.setBrush(g);
    p.drawPath(cone);
    // gullies
    p.setPen(QPen(QColor(60, 44, 44, 150), 1.0));
    for (double dx : {-28.0, -14.0, 6.0, 20.0, 32.0}) {
        p.drawLine(QPointF(top.x() + dx * 0.25, top.y() + 5),
                   QPointF(kVolcano.x() + dx, kVolcano.y() + 18));
    }
    // crater with glowing lava
    QRadialGradient lava(top + QPointF(0, 1), 12);
    lava.setColorAt(0.0, QColor(255, 240, 140));
    lava.setColorAt(0.5, QColor(255, 140, 40));
    lava.setColorAt(1.0, QColor(180, 40, 20));
    p.setPen(QPen(QColor(60, 30, 26), 1.0));
    p.setBrush(lava);
    p.drawEllipse(top + QPointF(0, 1), 11, 4);
    QPen flow(QColor(255, 120, 40), 2.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(flow);
    QPainterPath stream(top + QPointF(4, 4));
    stream.cubicTo(top + QPointF(8, 14), top + QPointF(4, 20), top + QPointF(10, 30));
    p.drawPath(stream);
    if (changed) {
        QPainterPath s2(top + QPointF(-5, 4));
        s2.cubicTo(top + QPointF(-10, 16), top + QPointF(-4, 24), top + QPointF(-16, 38));
        p.drawPath(s2);
    }
    p.end();
    // smoke drifting east
    QPainterPath smoke;
    smoke.setFillRule(Qt::WindingFill);
    Rng rng(1701);
    for (int i = 0; i < 7; ++i) {
        const double k = i / 6.0;
        smoke.addEllipse(top + QPointF(4 + 34 * k + rng.range(-3, 3), -8 - 22 * k), 5 + 7 * k,
                         4 + 5 * k);
    }
    const QColor smokeCol = changed ? QColor(60, 40, 50, 230) : QColor(236, 236, 240, 225);
    paintGlow(img, smoke, changed ? QColor(255, 80, 40, 120) : QColor(255, 255, 255, 90), 4);
    beginPainter(p, img);
    p.setPen(QPen(shade(smokeCol, 0.7), 1.0));
    p.setBrush(smokeCol);
    p.drawPath(smoke.simplified());
}

void paintHarbour(QImage& img, const Palette& pal) {
    QPainter p;
    beginPainter(p, img);
    // pier and boats
    p.setPen(QPen(QColor(74, 50, 32), 1.0));
    p.setBrush(QColor(168, 120, 74));
    p.drawRect(QRectF(442, 340, 5, 24));
    p.drawRect(QRectF(436, 360, 17, 5));
    auto boat = [&](QPointF c, const QColor& hull) {
        QPainterPath b = polygonPath(
            {{c + QPointF(-6, 0)}, {c + QPointF(6, 0)}, {c + QPointF(4, 3)}, {c + QPointF(-4, 3)}});
        p.setPen(QPen(QColor(40, 26, 20), 1.0));
        p.setBrush(hull);
        p.drawPath(b);
        p.drawLine(c, c + QPointF(0, -9));
        QPainterPath sail(c + QPointF(1, -9));
        sail.lineTo(c + QPointF(6, -2));
        sail.lineTo(c + QPointF(1, -2));
        sail.closeSubpath();
        p.setBrush(QColor(250, 246, 236));
        p.drawPath(sail);
    };
    boat(QPointF(428, 368), QColor(190, 80, 60));
    boat(QPointF(462, 358), QColor(70, 110, 180));
    // houses, back row first
    const QColor roofs[] = {pal.roof, QColor(70, 110, 180), QColor(214, 140, 50), pal.roof};
    const QPointF spots[] = {QPointF(410, 312), QPointF(452, 316), QPointF(424, 328),
                             QPointF(466, 332), QPointF(398, 330)};
    int k = 0;
    for (const QPointF& s : spots) drawHouse(p, s, 13, 13, pal.wall, roofs[k++ % 4]);
}

// -------------------------------------------------------------------------- places

void paintInn(QPainter& p, const Palette& pal) {
    // (240,116) 29 x 29
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 176, 120, 160));
    p.drawEllipse(QRectF(238, 136, 33, 9));
    drawHouse(p, QPointF(254.5, 142), 24, 25, pal.wall, pal.roof);
    // chimney
    p.setPen(QPen(QColor(60, 40, 40), 1.0));
    p.setBrush(QColor(150, 100, 80));
    p.drawRect(QRectF(260, 120, 4, 6));
    // sign board with the word INN
    drawPanel(p, QRectF(242.5, 131, 17, 9), QColor(120, 76, 40), QColor(90, 52, 26),
              QColor(40, 24, 14), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 200));
    p.drawPath(centredText(QStringLiteral("INN"), sansFont(7, true), QPointF(251, 135.5)));
}

void paintItemShop(QPainter& p, const Palette& pal) {
    // (32,72) 25 x 21
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 176, 120, 160));
    p.drawEllipse(QRectF(30, 87, 29, 8));
    drawHouse(p, QPointF(44.5, 91), 21, 20, pal.wall, QColor(60, 130, 90));
    // striped awning over the counter
    const QRectF aw(35, 81, 19, 4);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i % 2 ? QColor(250, 250, 240) : QColor(220, 60, 60));
        p.drawRect(QRectF(aw.left() + i * aw.width() / 5, aw.top(), aw.width() / 5, aw.height()));
    }
    p.setPen(QPen(QColor(60, 30, 30), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(aw);
    // a little coin-bag sign
    p.setPen(QPen(QColor(80, 50, 10), 0.8));
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(QPointF(53, 76), 3.2, 3.2);
    p.setPen(QPen(QColor(120, 70, 10), 0.8));
    p.drawLine(QPointF(53, 74.4), QPointF(53, 77.6));
}

void paintWalkStart(QPainter& p) {
    // (292,148) 77 x 29: a signpost where the free walk begins
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 200, 140, 170));
    p.drawEllipse(QRectF(296, 164, 70, 13));
    p.setPen(QPen(QColor(60, 38, 22), 1.0));
    p.setBrush(QColor(134, 90, 52));
    p.drawRect(QRectF(302, 156, 4, 20));
    QPainterPath arrow =
        polygonPath({{297, 150}, {356, 150}, {366, 158.5}, {356, 167}, {297, 167}});
    QLinearGradient g(0, 150, 0, 167);
    g.setColorAt(0, QColor(214, 164, 100));
    g.setColorAt(1, QColor(160, 108, 60));
    p.setPen(QPen(QColor(60, 36, 20), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(g);
    p.drawPath(arrow);
    p.setPen(QPen(QColor(120, 80, 44, 160), 0.8));
    p.drawLine(QPointF(299, 158.5), QPointF(354, 158.5));
    drawOutlinedText(p, QStringLiteral("冒険へ"), jpFont(13, true), QPointF(327, 158.5),
                     QColor(255, 250, 236), QColor(70, 36, 16), 1.6);
}

void paintWorldBoard(QPainter& p, bool changed) {
    // (568,8) 64 x 61: the notice board standing on a rock in the north-east sea
    p.setPen(QPen(QColor(52, 34, 20), 1.0));
    p.setBrush(QColor(120, 80, 46));
    p.drawRect(QRectF(578, 40, 4, 26));
    p.drawRect(QRectF(618, 40, 4, 26));
    // roof
    QPainterPath roof = polygonPath({{568, 16}, {600, 8}, {632, 16}, {632, 19}, {568, 19}});
    QLinearGradient rg(0, 8, 0, 19);
    rg.setColorAt(0, changed ? QColor(150, 70, 90) : QColor(226, 84, 64));
    rg.setColorAt(1, changed ? QColor(96, 40, 60) : QColor(160, 48, 40));
    p.setPen(QPen(QColor(60, 24, 20), 1.0));
    p.setBrush(rg);
    p.drawPath(roof);
    drawPanel(p, QRectF(572, 19, 56, 32), QColor(246, 230, 190), QColor(214, 186, 130),
              QColor(80, 52, 28), 3);
    // a small globe and the label
    p.setPen(QPen(QColor(30, 60, 110), 0.9));
    p.setBrush(QColor(90, 170, 230));
    p.drawEllipse(QPointF(600, 29), 6, 6);
    p.setBrush(QColor(110, 190, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(598, 27.5), 2.6, 2.0);
    p.drawEllipse(QPointF(602.5, 31.5), 2.0, 1.6);
    p.setPen(QPen(QColor(30, 60, 110, 160), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(600, 29), 2.8, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 34, 14));
    p.drawPath(centredText(QStringLiteral("ワールド"), jpFont(12, true), QPointF(600, 43.5)));
    // pins at the corners of the board
    p.setBrush(QColor(220, 60, 60));
    p.drawEllipse(QPointF(576, 23), 1.4, 1.4);
    p.drawEllipse(QPointF(624, 23), 1.4, 1.4);
}

void paintButton(QPainter& p, const QRectF& area, const QString& label, const QColor& top,
                 const QColor& bottom, bool sword) {
    // The button runs off the right edge of the screen like a tab.
    const QRectF r(area.left() + 3, area.top() + 2, area.width() + 20, area.height() - 4);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(2, 3), 9, 9);
    drawPanel(p, r, top, bottom, QColor(20, 16, 30), 9);
    // icon
    const QPointF ic(r.left() + 17, r.center().y());
    p.setRenderHint(QPainter::Antialiasing, true);
    if (sword) {
        p.setPen(QPen(QColor(30, 30, 50), 1.0));
        p.setBrush(QColor(150, 170, 210));
        QPainterPath shield;
        shield.moveTo(ic + QPointF(-8, -9));
        shield.lineTo(ic + QPointF(4, -9));
        shield.cubicTo(ic + QPointF(4, 2), ic + QPointF(0, 7), ic + QPointF(-2, 10));
        shield.cubicTo(ic + QPointF(-4, 7), ic + QPointF(-8, 2), ic + QPointF(-8, -9));
        p.drawPath(shield);
        p.setBrush(QColor(230, 200, 90));
        p.drawEllipse(ic + QPointF(-2, -1), 2.5, 2.5);
        p.save();
        p.translate(ic + QPointF(4, 0));
        p.rotate(35);
        p.setBrush(QColor(235, 240, 250));
        p.drawRect(QRectF(-1.5, -12, 3, 16));
        p.setBrush(QColor(220, 170, 60));
        p.drawRect(QRectF(-5, 4, 10, 2.5));
        p.setBrush(QColor(110, 60, 30));
        p.drawRect(QRectF(-1.5, 6.5, 3, 5));
        p.restore();
    } else {
        p.setPen(QPen(QColor(80, 40, 10), 1.0));
        p.setBrush(QColor(255, 226, 110));
        p.drawPath(starPath(ic + QPointF(0, 3), 8.5, 3.6, 4, 0));
        QPainterPath up = polygonPath({{ic + QPointF(-6, -3)},
                                       {ic + QPointF(0, -11)},
                                       {ic + QPointF(6, -3)},
                                       {ic + QPointF(2.5, -3)},
                                       {ic + QPointF(2.5, 2)},
                                       {ic + QPointF(-2.5, 2)},
                                       {ic + QPointF(-2.5, -3)}});
        p.setBrush(QColor(255, 120, 70));
        p.drawPath(up);
    }
    drawOutlinedText(p, label, jpFont(19, true), QPointF(r.left() + 58, r.center().y()),
                     QColor(255, 252, 240), QColor(24, 16, 30), 2.2, QPointF(1, 2),
                     QColor(0, 0, 0, 100));
    p.restore();
}

// -------------------------------------------------------------------------- the change

void paintRift(QImage& img) {
    // The rift splits the east of the island from the coast inland, with smaller cracks
    // branching off it.
    Rng rng(1801);
    auto jagged = [&](QPointF from, const std::vector<QPointF>& pts) {
        QPainterPath path(from);
        for (const QPointF& pt : pts) path.lineTo(pt + QPointF(rng.range(-2, 2), rng.range(-2, 2)));
        return path;
    };
    const QPainterPath main =
        jagged(QPointF(600, 232), {QPointF(580, 240), QPointF(566, 244), QPointF(548, 238),
                                   QPointF(530, 250), QPointF(508, 246), QPointF(490, 258),
                                   QPointF(468, 252), QPointF(448, 262), QPointF(428, 254)});
    const QPainterPath branches[] = {
        jagged(QPointF(530, 250), {QPointF(524, 258), QPointF(528, 264)}),
        jagged(QPointF(490, 258), {QPointF(494, 246), QPointF(488, 240)}),
        jagged(QPointF(448, 262), {QPointF(442, 266), QPointF(436, 264)}),
        jagged(QPointF(566, 244), {QPointF(570, 252), QPointF(566, 258)}),
    };
    QPainterPathStroker wide;
    wide.setWidth(9);
    wide.setCapStyle(Qt::RoundCap);
    paintGlow(img, wide.createStroke(main), QColor(255, 70, 40, 240), 10, true);
    QPainter p;
    beginPainter(p, img);
    for (const QPainterPath& b : branches) {
        p.setPen(QPen(QColor(50, 10, 20), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.drawPath(b);
        p.setPen(QPen(QColor(255, 130, 60), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p.drawPath(b);
    }
    p.setPen(QPen(QColor(50, 10, 20), 6.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(main);
    p.setPen(QPen(QColor(255, 110, 50), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(main);
    p.setPen(QPen(QColor(255, 236, 150), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(main);
}

void paintBlackTower(QImage& img) {
    const QPointF base(500, 196);
    QPainterPath aura;
    aura.addEllipse(base + QPointF(0, -26), 16, 30);
    paintGlow(img, aura, QColor(170, 60, 220, 150), 10, true);
    QPainter p;
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QRectF(base.x() - 12, base.y() - 3, 26, 7));
    QPainterPath t = polygonPath({{base + QPointF(-9, 0)},
                                  {base + QPointF(-6, -44)},
                                  {base + QPointF(-9, -48)},
                                  {base + QPointF(0, -62)},
                                  {base + QPointF(9, -48)},
                                  {base + QPointF(6, -44)},
                                  {base + QPointF(9, 0)}});
    QLinearGradient g(base + QPointF(-9, 0), base + QPointF(9, 0));
    g.setColorAt(0, QColor(80, 60, 100));
    g.setColorAt(0.5, QColor(44, 30, 60));
    g.setColorAt(1, QColor(20, 14, 30));
    p.setPen(QPen(QColor(14, 6, 20), 1.0));
    p.setBrush(g);
    p.drawPath(t);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 200));
    p.drawRect(QRectF(base.x() - 1.5, base.y() - 38, 3, 5));
    p.drawRect(QRectF(base.x() - 1.5, base.y() - 24, 3, 5));
    p.setBrush(QColor(255, 190, 255));
    p.drawEllipse(base + QPointF(0, -56), 2, 2);
}

}  // namespace

QImage drawIslandMap(bool changed) {
    const Palette pal = palette(changed);
    // Both maps share one island; shape it once.
    static const Terrain terrain = buildTerrain();
    QImage img = newOpaque(kW, kH, Qt::black);
    paintGround(img, terrain, pal, changed);
    paintSeaMarks(img, terrain, pal);

    // Keep scenery off the places the game marks or lets the player click.
    Keepout keep;
    keep.rect(240, 116, 29, 29);  // inn
    keep.rect(32, 72, 25, 21);    // item shop
    keep.rect(292, 148, 77, 29);  // free walk start
    keep.rect(84, 252, 32, 28);   // mountain hut
    keep.rect(379, 179, 28, 28);  // shrine
    keep.rect(286, 249, 24, 40);  // stone tower
    keep.rect(533, 294, 20, 40);  // lighthouse
    keep.rect(252, 296, 28, 24);  // camps
    keep.rect(111, 67, 28, 24);
    keep.rect(296, 200, 40, 36);   // castle gate
    keep.rect(492, 328, 30, 30);   // pet's nest
    keep.rect(390, 300, 90, 40);   // harbour village
    keep.rect(480, 150, 40, 56);   // where the black tower rises after the change
    keep.rect(412, 236, 180, 32);  // and the rift
    for (QPointF s : {QPointF(329, 114), QPointF(332, 88), QPointF(340, 60), QPointF(352, 36),
                      QPointF(320, 12)}) {
        keep.rect(s.x(), s.y(), 20, 20);
    }

    paintRiversAndRoads(img, terrain, pal, keep);
    paintMountains(img, terrain, pal, keep);
    paintForests(img, terrain, pal, keep);
    paintVolcano(img, changed);
    paintHarbour(img, pal);
    if (changed) {
        paintRift(img);
        paintBlackTower(img);
    }

    QPainter p;
    beginPainter(p, img);
    paintInn(p, pal);
    paintItemShop(p, pal);
    paintWalkStart(p);
    paintWorldBoard(p, changed);
    paintButton(p, QRectF(539, 364, 101, 41), QStringLiteral("強化"), QColor(244, 150, 70),
                QColor(176, 60, 40), false);
    paintButton(p, QRectF(540, 412, 100, 41), QStringLiteral("装備"), QColor(96, 150, 230),
                QColor(40, 70, 150), true);
    return img;
}

}  // namespace quill::assetgen
