// Backdrops shared by the scenes: skies with clouds and ranges of hills, ground that recedes
// in perspective with a winding path, the sea, interiors, a cavern, the weather and the light,
// and the scenery placed on them (trees, boulders, grass, flowers, crystals, clouds).
#include "scene_art.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace quill::assetgen::scene {

QPointF lerp(QPointF a, QPointF b, double t) {
    return a + (b - a) * t;
}

std::vector<Picture> paintAll(const std::vector<std::function<Picture()>>& painters) {
    std::vector<Picture> out(painters.size());
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < painters.size(); i = next++) out[i] = painters[i]();
    };
    const size_t threads =
        std::min<size_t>(painters.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (size_t t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    return out;
}

QPainterPath solid(QPainterPath path) {
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

namespace {

QRgb skyColour(const Outdoor& o, double y) {
    const double t = std::max(0.0, y / o.horizon);
    if (t < 0.55) return mixRgb(o.skyTop, o.skyMid, t / 0.55);
    return mixRgb(o.skyMid, o.skyLow, (t - 0.55) / 0.45);
}

void paintSky(QImage& img, const Outdoor& o) {
    const ValueNoise cloudNoise(o.seed * 7 + 1);
    const int h = static_cast<int>(std::ceil(o.horizon)) + 1;
    // Clouds flatten towards the horizon: the noise is stretched more the lower it is.
    const CoarseField field(kW + 8, h + 8, 3, [&](double x, double y) {
        const double squash = 1.0 + 2.2 * clamp01(y / o.horizon);
        return cloudNoise.fbm(x / 150.0, y * squash / 70.0, 5);
    });
    const double threshold = 0.7 - 0.33 * o.clouds;
    // the glow round the sun is smooth, so it is sampled coarsely too
    const CoarseField glow(kW + 8, h + 8, 4, [&](double x, double y) {
        const double d = std::hypot(x - o.sun.x(), y - o.sun.y());
        return o.glow * (0.75 * std::exp(-d / 70.0) + 0.35 * std::exp(-d / 260.0));
    });
    for (int y = 0; y < std::min(h, kH); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const QRgb base = skyColour(o, y);
        for (int x = 0; x < kW; ++x) {
            QRgb c = base;
            if (o.glow > 0) c = mixRgb(c, o.glowColour, glow.at(x, y));
            if (o.clouds > 0) {
                const double n = field.at(x + 4, y + 4);
                const double cover = smoothstep(threshold, threshold + 0.14, n);
                if (cover > 0) {
                    const double up = n - field.at(std::max(0, x - 1), std::max(0, y - 4));
                    const double light = clamp01(0.55 + up * 9.0 - (n - threshold) * 0.8);
                    const QRgb cloud = mixRgb(o.cloudDark, o.cloudLight, light);
                    c = mixRgb(c, cloud, cover * 0.95);
                }
            }
            row[x] = c;
        }
    }
    Rng rng(o.seed * 13 + 5);
    for (int i = 0; i < o.stars; ++i) {
        const int x = rng.below(kW);
        const int y = static_cast<int>(std::pow(rng.uniform(), 1.3) * o.horizon * 0.9);
        const double b = rng.range(0.3, 1.0) * (1.0 - y / o.horizon);
        if (y >= h || y >= kH) continue;
        const QRgb tint = rng.chance(0.3) ? qRgb(255, 226, 190) : qRgb(220, 230, 255);
        img.setPixel(x, y, mixRgb(img.pixel(x, y), tint, b));
        if (b > 0.75 && x > 0 && x < kW - 1) {
            img.setPixel(x + 1, y, mixRgb(img.pixel(x + 1, y), tint, b * 0.4));
            img.setPixel(x - 1, y, mixRgb(img.pixel(x - 1, y), tint, b * 0.4));
        }
    }
}

void paintSun(QImage& img, const Outdoor& o) {
    if (o.sunRadius <= 0) return;
    QPainterPath disc;
    disc.addEllipse(o.sun, o.sunRadius, o.sunRadius);
    QColor halo = QColor::fromRgb(o.glowColour);
    halo.setAlpha(150);
    paintGlow(img, disc, halo, static_cast<int>(o.sunRadius * 0.6) + 4, true);
    QPainter p;
    beginPainter(p, img);
    QRadialGradient g(o.sun + QPointF(-o.sunRadius * 0.3, -o.sunRadius * 0.3), o.sunRadius * 1.3);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.6, QColor::fromRgb(o.sunColour));
    g.setColorAt(1, shade(QColor::fromRgb(o.sunColour), 0.9));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(disc);
}

double ridgeLine(const Ridge& r, const ValueNoise& n, double x) {
    const double soft = n.fbm(x / r.wavelength, 0.5, 4);
    const double sharp = 1.0 - std::abs(2.0 * n.fbm(x / r.wavelength + 31.0, 3.5, 4) - 1.0);
    const double shape = (1.0 - r.jag) * soft + r.jag * std::pow(sharp, 1.6);
    return r.baseY - r.height * (0.25 + 0.95 * shape);
}

void paintRidges(QImage& img, const Outdoor& o) {
    for (const Ridge& r : o.ridges) {
        const ValueNoise n(r.seed);
        const ValueNoise reliefNoise(r.seed + 99);
        std::vector<double> top(kW + 8);
        for (int x = -4; x < kW + 4; ++x) top[x + 4] = ridgeLine(r, n, x);
        const double bottom = std::max(r.baseY, o.horizon) + 2;
        const int yTop = std::max(0, static_cast<int>(*std::min_element(top.begin(), top.end())));
        // Rocky ranges get creases and gullies, lit from the upper left like everything else.
        const bool rocky = r.jag > 0.4;
        const int reliefH = rocky ? kH + 4 : 4;
        const CoarseField relief(kW + 4, reliefH, 2, [&](double x, double y) {
            if (!rocky) return 0.0;
            const double warp = 12 * (reliefNoise.at(x / 50.0, y / 50.0) - 0.5);
            return 1.0 -
                   std::abs(2.0 * reliefNoise.fbm((x + warp) / 34.0, y / 20.0 + x / 90.0, 3) - 1.0);
        });
        for (int x = 0; x < kW; ++x) {
            const double y0 = top[x + 4];
            const double slope = (top[x + 8] - top[x]) / 8.0;
            const double facing = std::clamp(slope * 0.7, -0.32, 0.32);
            for (int y = std::max(yTop, static_cast<int>(std::floor(y0)));
                 y < std::min(kH, static_cast<int>(bottom)); ++y) {
                const double depth = (y - y0) / std::max(8.0, r.height);
                double f = 1.0;
                if (depth < 0.8) f += facing * std::exp(-depth * 6.0);
                if (rocky) {
                    const double lightSide = relief.at(x + 2, y + 2) - relief.at(x + 4, y + 4);
                    f += std::clamp(lightSide * 2.2, -0.28, 0.28) * r.jag;
                    f -= 0.12 * relief.at(x + 2, y + 2) * r.jag;
                }
                QRgb c = scaleRgb(r.colour, f);
                c = mixRgb(c, r.haze, smoothstep(y0, bottom + 6, y) * 0.85);
                const double cover = clamp01(y + 1 - y0);  // antialiased ridge line
                QRgb* px = reinterpret_cast<QRgb*>(img.scanLine(y)) + x;
                *px = mixRgb(*px, c, cover);
            }
        }
    }
}

double shoreAt(const Outdoor& o, const ValueNoise& n, double x) {
    return o.shoreY + o.shoreSlope * (x - kW / 2.0) + 8.0 * (n.fbm(x / 60.0, 2.5, 3) - 0.5);
}

void paintGround(QImage& img, const Outdoor& o) {
    const ValueNoise tex(o.seed * 31 + 7);
    const ValueNoise edge(o.seed * 31 + 8);
    const ValueNoise waves(o.seed * 31 + 9);
    const double hz = o.horizon;
    const double vanishX = o.pathX + (kW / 2.0 - o.pathX) * 0.6 + o.pathBend * 0.3;
    // the ground's texture in ground-plane coordinates (across and away from the viewer),
    // sampled every other pixel: near the horizon that also keeps it from flickering
    const auto planeU = [&](double x, double y) { return (x - kW / 2.0) * 4.5 / (y - hz + 6.0); };
    const auto planeV = [&](double y) { return 1800.0 / (y - hz + 6.0); };
    const int top = std::max(0, static_cast<int>(std::floor(hz)));
    const CoarseField texture(kW, kH - top + 2, 2, [&](double x, double y) {
        return tex.fbm(planeU(x, y + top), planeV(y + top), 3);
    });
    std::vector<double> shore(kW);
    for (int x = 0; x < kW; ++x) shore[x] = o.sea ? shoreAt(o, edge, x) : -1e9;
    for (int y = static_cast<int>(std::floor(hz)); y < kH; ++y) {
        if (y < 0) continue;
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double near = std::pow(clamp01((y - hz) / (kH - hz)), 0.75);
        const QRgb ground = mixRgb(o.groundFar, o.groundNear, near);
        const double t = 1.0 - clamp01((y - hz) / (kH - hz));  // 1 at the horizon
        const double pathCx =
            vanishX + (o.pathX - vanishX) * (1 - t) + o.pathBend * (1 - t) * std::sin(t * 5.0);
        const double pathW = o.pathWidth * (1 - t) + (o.pathWidth > 0 ? 1.5 : 0);
        const double v = planeV(y);
        for (int x = 0; x < kW; ++x) {
            const double u = planeU(x, y);
            const double lineCover = clamp01(y + 1 - hz);
            if (o.sea && y < shore[x]) {
                const double s = clamp01((y - hz) / std::max(4.0, shore[x] - hz));
                QRgb c = mixRgb(o.seaFar, o.seaNear, s * (1.25 - 0.25 * s));
                const double w = waves.fbm(u * 1.2, v * 1.1, 3);
                c = scaleRgb(c, 0.9 + 0.2 * w);
                if (w > 0.62) c = mixRgb(c, o.foam, (w - 0.62) * 1.6 * (0.3 + 0.7 * (1 - t)));
                if (o.sunRadius > 0) {
                    const double gx = std::abs(x - o.sun.x()) / (20.0 + 160 * (1 - t));
                    c = mixRgb(c, o.glowColour, clamp01((w - 0.5) * 3) * std::exp(-gx * gx) * 0.8);
                }
                const double foam = 1.0 - std::abs(y - shore[x] + 2) / 3.0;
                if (foam > 0) c = mixRgb(c, o.foam, foam * 0.9);
                row[x] = mixRgb(row[x], c, lineCover);
                continue;
            }
            const double n = 0.5 + (texture.at(x, y - top) - 0.5) * (0.3 + 0.7 * near);
            QRgb c = scaleRgb(ground, 1.0 + (n - 0.5) * 0.5 * o.texture);
            c = mixRgb(c, o.groundSpeck, smoothstep(0.6, 0.8, n) * o.texture * 0.7);
            if (o.sea && o.sandWidth > 0) {
                const double beach = o.sandWidth * (0.25 + 0.75 * (1 - t));
                const double d = (y - shore[x]) / beach + (n - 0.5) * 0.6;
                c = mixRgb(c, scaleRgb(o.sand, 0.94 + 0.12 * n), smoothstep(1.0, 0.7, d));
            }
            if (pathW > 0) {
                const double e =
                    std::abs(x - pathCx) / pathW + (edge.at(u * 2, v * 0.3) - 0.5) * 0.35;
                const double cover = smoothstep(1.0, 0.86, e);
                if (cover > 0) {
                    QRgb pc = scaleRgb(o.pathColour,
                                       0.92 + (n - 0.5) * 0.4 - 0.1 * smoothstep(0.5, 1, e));
                    c = mixRgb(c, pc, cover);
                }
            }
            row[x] = mixRgb(row[x], c, lineCover);
        }
    }
}

}  // namespace

Outdoor& Outdoor::setSky(QRgb top, QRgb mid, QRgb low, double horizonY) {
    skyTop = top;
    skyMid = mid;
    skyLow = low;
    horizon = horizonY;
    return *this;
}

Outdoor& Outdoor::setSun(QPointF at, double radius, double glowAmount) {
    sun = at;
    sunRadius = radius;
    glow = glowAmount;
    return *this;
}

Outdoor& Outdoor::setClouds(double amount, QRgb light, QRgb dark) {
    clouds = amount;
    cloudLight = light;
    cloudDark = dark;
    return *this;
}

Outdoor& Outdoor::setGround(QRgb far, QRgb near, QRgb speck) {
    groundFar = far;
    groundNear = near;
    groundSpeck = speck;
    return *this;
}

Outdoor& Outdoor::setPath(double width, QRgb colour, double x, double bend) {
    pathWidth = width;
    pathColour = colour;
    pathX = x;
    pathBend = bend;
    return *this;
}

QImage paintOutdoor(const Outdoor& o) {
    QImage img = newOpaque(kW, kH, Qt::black);
    paintSky(img, o);
    paintSun(img, o);
    paintRidges(img, o);
    paintGround(img, o);
    return img;
}

// ---------------------------------------------------------------- interiors

namespace {

uint32_t hash2(int a, int b, uint32_t seed) {
    uint32_t h = seed * 0x9e3779b9U ^ static_cast<uint32_t>(a) * 0x85ebca6bU ^
                 static_cast<uint32_t>(b) * 0xc2b2ae35U;
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    return h;
}

double hashUnit(int a, int b, uint32_t seed) {
    return (hash2(a, b, seed) & 0xffff) / 65535.0;
}

QRgb wallPixel(const Room& r, const ValueNoise& n, int x, int y) {
    const QRgb base = r.wallColour.rgb();
    switch (r.wall) {
        case Wall::Planks: {
            constexpr int kPlank = 42;
            const int i = x / kPlank;
            const int local = x - i * kPlank;
            double f = 0.86 + 0.22 * hashUnit(i, 0, r.seed);
            f *= 0.92 + 0.16 * n.at(x / 3.0 + i * 7, y / 60.0);  // grain
            if (local < 2) f *= 0.45;                            // gap between planks
            if (local == 2) f *= 1.15;                           // lit plank edge
            return scaleRgb(base, f);
        }
        case Wall::Stone: {
            constexpr int kRow = 36;
            const int j = y / kRow;
            const int off = (j % 2) * 34;
            const int i = (x + off) / 68;
            const int lx = (x + off) - i * 68;
            const int ly = y - j * kRow;
            double f = 0.8 + 0.3 * hashUnit(i, j, r.seed);
            f *= 0.85 + 0.3 * n.fbm(x / 14.0, y / 14.0, 2);
            if (lx < 3 || ly < 3)
                f *= 0.5;
            else if (lx < 5 || ly < 5)
                f *= 1.12;
            return scaleRgb(base, f);
        }
        case Wall::Panels: {
            const int lx = x % 80;
            const int ly = y % 64;
            double f = 0.9 + 0.1 * hashUnit(x / 80, y / 64, r.seed);
            f *= 0.94 + 0.12 * n.at(x / 40.0, y / 8.0);
            if (lx < 2 || ly < 2)
                f *= 0.55;
            else if (lx < 4 || ly < 4)
                f *= 1.15;
            const bool rivet = (lx - 8) * (lx - 8) + (ly - 8) * (ly - 8) < 5 ||
                               (lx - 72) * (lx - 72) + (ly - 8) * (ly - 8) < 5;
            if (rivet) f *= 1.3;
            return scaleRgb(base, f);
        }
    }
    return base;
}

}  // namespace

QImage paintRoom(const Room& r) {
    QImage img = newOpaque(kW, kH, Qt::black);
    const ValueNoise n(r.seed * 17 + 3);
    const QRgb floor = r.floorColour.rgb();
    constexpr double kVanishX = kW / 2.0;
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            if (y < r.floorY) {
                QRgb c = wallPixel(r, n, x, y);
                // the wall darkens towards the floor and the ceiling
                c = scaleRgb(c, 0.78 + 0.22 * std::sin(M_PI * (0.15 + 0.7 * y / r.floorY)));
                row[x] = c;
            } else {
                const double dz = y - r.floorY + 40.0;
                const double u = (x - kVanishX) * 40.0 / dz;
                const int board = static_cast<int>(std::floor(u / 18.0));
                const double across = u / 18.0 - board;
                double f = 0.85 + 0.22 * hashUnit(board, 1, r.seed);
                f *= 0.9 + 0.16 * n.at(u / 2.0, 2000.0 / dz);
                if (across < 0.06) f *= 0.55;
                f *= 0.7 + 0.3 * clamp01((y - r.floorY) / 120.0);
                row[x] = scaleRgb(floor, f);
            }
        }
    }
    QPainter p;
    beginPainter(p, img);
    // skirting board and the ceiling beam
    QLinearGradient skirt(0, r.floorY - 14, 0, r.floorY);
    skirt.setColorAt(0, shade(r.beam, 1.2));
    skirt.setColorAt(1, shade(r.beam, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(skirt);
    p.drawRect(QRectF(0, r.floorY - 14, kW, 14));
    QLinearGradient beam(0, 0, 0, 30);
    beam.setColorAt(0, shade(r.beam, 0.6));
    beam.setColorAt(0.3, shade(r.beam, 1.15));
    beam.setColorAt(1, shade(r.beam, 0.7));
    p.setBrush(beam);
    p.drawRect(QRectF(0, 0, kW, 30));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(QRectF(0, 30, kW, 6));
    // posts at both ends
    for (double x : {20.0, 600.0}) {
        QLinearGradient post(x, 0, x + 26, 0);
        post.setColorAt(0, shade(r.beam, 1.25));
        post.setColorAt(1, shade(r.beam, 0.55));
        p.setBrush(post);
        p.drawRect(QRectF(x, 30, 26, r.floorY - 30));
    }
    p.end();
    lightPool(img, r.lamp, 260,
              QColor(r.lampColour.red(), r.lampColour.green(), r.lampColour.blue(),
                     int(255 * r.lampStrength)));
    vignette(img, 0.55);
    return img;
}

QImage paintCave(const Cave& c) {
    // rough walls all round, the hall deepening into darkness behind the middle
    QImage img = rockTexture(c.rock, c.rockDark, c.seed * 11 + 2);
    const ValueNoise n(c.seed * 11 + 3);
    constexpr double kFloor = 300;
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            const double dx = (x - 250.0) / 300.0;
            const double dy = (y - 230.0) / 220.0;
            const double open = std::sqrt(dx * dx + dy * dy);
            const double edge = kFloor + 14 * (n.at(x / 30.0, 0.5) - 0.5) + 24 * dx * dx;
            if (y >= edge) {
                const double t = clamp01((y - kFloor) / (kH - kFloor));
                const QRgb g = mixRgb(c.rockDark, c.floor, 0.35 + 0.65 * t);
                row[x] = mixRgb(g, row[x], 0.25);
                continue;
            }
            row[x] = mixRgb(c.rockDark, row[x], 0.35 + 0.65 * smoothstep(0.2, 1.0, open));
        }
    }
    // a shaft of light from a crack in the roof
    QImage beam = newLayer(kW, kH);
    {
        QPainter p;
        beginPainter(p, beam);
        const QPointF t = c.lightTop;
        QLinearGradient g(t, t + QPointF(-30, 340));
        QColor a = c.light;
        a.setAlpha(120);
        g.setColorAt(0, a);
        a.setAlpha(0);
        g.setColorAt(1, a);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(polygonPath({t + QPointF(-26, 0), t + QPointF(30, 0), t + QPointF(80, 340),
                                t + QPointF(-110, 340)}));
    }
    blurLayer(beam, 10, 2);
    {
        QPainter p(&img);
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.drawImage(0, 0, beam);
    }
    return img;
}

QImage rockTexture(QRgb light, QRgb dark, uint32_t seed) {
    QImage img = newOpaque(kW, kH, Qt::black);
    const ValueNoise n(seed);
    const CoarseField relief(kW + 4, kH + 4, 2, [&](double x, double y) {
        return 1.0 - std::abs(2.0 * n.fbm(x / 60.0, y / 44.0, 4) - 1.0);
    });
    const CoarseField grain(kW, kH, 2,
                            [&](double x, double y) { return n.fbm(x / 7.0 + 90, y / 7.0, 2); });
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            const double r = relief.at(x + 2, y + 2);
            const double lightSide = r - relief.at(x + 4, y + 4);
            double t = 0.55 + std::clamp(lightSide * 3.0, -0.35, 0.35) - 0.25 * r;
            t += (grain.at(x, y) - 0.5) * 0.25;
            row[x] = mixRgb(dark, light, clamp01(t));
        }
    }
    return img;
}

// ---------------------------------------------------------------- atmosphere

void addMist(QImage& img, QRgb colour, double amount, double fromY, double toY, uint32_t seed) {
    const ValueNoise n(seed);
    const CoarseField f(kW, kH, 4,
                        [&](double x, double y) { return n.fbm(x / 160.0, y / 45.0, 4); });
    const int y0 = std::max(0, static_cast<int>(fromY));
    const int y1 = std::min(kH, static_cast<int>(toY));
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double band = std::sin(M_PI * (y - fromY) / (toY - fromY));
        for (int x = 0; x < kW; ++x) {
            const double m = smoothstep(0.3, 0.75, f.at(x, y)) * band * amount;
            row[x] = mixRgb(row[x], colour, m);
        }
    }
}

void vignette(QImage& img, double strength, QRgb colour) {
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double dy = (y - kH * 0.45) / (kH * 0.62);
        for (int x = 0; x < kW; ++x) {
            const double dx = (x - kW * 0.42) / (kW * 0.62);
            const double d = dx * dx + dy * dy;
            row[x] = mixRgb(row[x], colour, smoothstep(0.45, 1.4, d) * strength);
        }
    }
}

void swirl(QImage& img, QPointF centre, double radius, double turnDeg) {
    const QImage src = img.copy();
    const double turn = turnDeg * M_PI / 180.0;
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            const double dx = x - centre.x(), dy = y - centre.y();
            const double r = std::hypot(dx, dy);
            if (r >= radius) continue;
            const double f = 1.0 - r / radius;
            const double a = turn * f * f;
            const double sx = centre.x() + dx * std::cos(a) - dy * std::sin(a);
            const double sy = centre.y() + dx * std::sin(a) + dy * std::cos(a);
            const int ix = std::clamp(static_cast<int>(sx), 0, kW - 2);
            const int iy = std::clamp(static_cast<int>(sy), 0, kH - 2);
            const double fx = clamp01(sx - ix), fy = clamp01(sy - iy);
            const QRgb top = mixRgb(src.pixel(ix, iy), src.pixel(ix + 1, iy), fx);
            const QRgb bottom = mixRgb(src.pixel(ix, iy + 1), src.pixel(ix + 1, iy + 1), fx);
            row[x] = mixRgb(top, bottom, fy);
        }
    }
}

void tint(QImage& img, QRgb colour, double amount) {
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kW; ++x) row[x] = mixRgb(row[x], colour, amount);
    }
}

void glowingShape(QImage& img, const QPainterPath& shape, const QBrush& core, const QColor& glow,
                  int radius) {
    paintGlow(img, shape, glow, radius, true);
    QPainter p;
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawPath(shape);
}

void lightPool(QImage& img, QPointF centre, double radius, const QColor& colour) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    QRadialGradient g(centre, radius);
    QColor c = colour;
    const int a = colour.alpha();
    c.setAlpha(a);
    g.setColorAt(0, c);
    c.setAlpha(a * 2 / 5);
    g.setColorAt(0.35, c);
    c.setAlpha(0);
    g.setColorAt(1, c);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void lightRays(QImage& img, QPointF from, int rays, double length, double spreadDeg,
               double directionDeg, const QColor& colour, uint32_t seed) {
    QImage layer = newLayer(kW / 2, kH / 2);
    Rng rng(seed);
    {
        QPainter p;
        beginPainter(p, layer);
        p.scale(0.5, 0.5);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < rays; ++i) {
            const double a = (directionDeg + spreadDeg * (rng.uniform() - 0.5)) * M_PI / 180.0;
            const double w = rng.range(0.02, 0.07);
            const double len = length * rng.range(0.6, 1.0);
            const QPointF d1(std::cos(a - w), std::sin(a - w));
            const QPointF d2(std::cos(a + w), std::sin(a + w));
            QRadialGradient g(from, len);
            QColor c = colour;
            c.setAlpha(int(colour.alpha() * rng.range(0.5, 1.0)));
            g.setColorAt(0, c);
            c.setAlpha(0);
            g.setColorAt(1, c);
            p.setBrush(g);
            p.drawPath(polygonPath({from, from + d1 * len, from + d2 * len}));
        }
    }
    blurLayer(layer, 2, 2);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(QRectF(0, 0, kW, kH), layer);
}

void rain(QImage& img, const QRectF& area, int drops, const QColor& colour, uint32_t seed) {
    QPainter p;
    beginPainter(p, img);
    p.setClipRect(area);
    Rng rng(seed);
    for (int i = 0; i < drops; ++i) {
        const QPointF a(rng.range(area.left() - 20, area.right()),
                        rng.range(area.top(), area.bottom()));
        const double len = rng.range(8, 18);
        QColor c = colour;
        c.setAlpha(int(colour.alpha() * rng.range(0.4, 1.0)));
        p.setPen(QPen(c, rng.range(0.8, 1.5), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, a + QPointF(len * 0.3, len));
    }
}

void motes(QImage& img, const QRectF& area, int count, const QColor& colour, double size,
           uint32_t seed) {
    Rng rng(seed);
    QPainterPath dots;
    std::vector<std::pair<QPointF, double>> where;
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double r = size * rng.range(0.5, 1.0);
        dots.addEllipse(c, r * 1.6, r * 1.6);
        where.push_back({c, r});
    }
    dots.setFillRule(Qt::WindingFill);
    paintGlow(img, dots, colour, std::max(2, int(size * 2)), true);
    QPainter p;
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(colour, 1.5));
    for (const auto& [c, r] : where) p.drawEllipse(c, r * 0.55, r * 0.55);
}

// ---------------------------------------------------------------- scenery

namespace {

QRadialGradient leafBall(QPointF c, double r, const QColor& leaf) {
    QRadialGradient g(c + QPointF(-r * 0.4, -r * 0.45), r * 1.5);
    g.setColorAt(0.0, shade(leaf, 1.35));
    g.setColorAt(0.5, leaf);
    g.setColorAt(1.0, shade(leaf, 0.55));
    return g;
}

void trunk(QPainter& p, QPointF base, QPointF top, double w0, double w1, const QColor& bark) {
    const QPainterPath t = taper(base, lerp(base, top, 0.35) + QPointF(w0 * 0.3, 0),
                                 lerp(base, top, 0.7) - QPointF(w0 * 0.2, 0), top, w0, w1);
    ink(p, t, lit(t.boundingRect(), bark), 1.3);
}

}  // namespace

void drawTree(QPainter& p, QPointF base, double h, const QColor& leaf, const QColor& bark,
              TreeKind kind, uint32_t seed) {
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(base, h * 0.22, h * 0.035);
    switch (kind) {
        case TreeKind::Broad: {
            trunk(p, base, base + QPointF(0, -h * 0.6), h * 0.09, h * 0.05, bark);
            const int blobs = 7;
            for (int i = 0; i < blobs; ++i) {
                const double a = -M_PI / 2 + (i - blobs / 2) * 0.55 + rng.range(-0.15, 0.15);
                const double rr = h * rng.range(0.17, 0.24);
                const QPointF c = base + QPointF(0, -h * 0.68) +
                                  QPointF(std::cos(a) * h * 0.2, std::sin(a) * h * 0.16 + h * 0.02);
                QPainterPath ball;
                ball.addEllipse(c, rr, rr * 0.9);
                ink(p, ball, leafBall(c, rr, shade(leaf, rng.range(0.9, 1.08))), 1.2);
            }
            QPainterPath crown;
            const QPointF c = base + QPointF(0, -h * 0.76);
            crown.addEllipse(c, h * 0.22, h * 0.2);
            ink(p, crown, leafBall(c, h * 0.22, leaf), 1.2);
            break;
        }
        case TreeKind::Pine: {
            trunk(p, base, base + QPointF(0, -h * 0.3), h * 0.06, h * 0.045, bark);
            const int tiers = 4;
            for (int i = 0; i < tiers; ++i) {
                const double top = -h + i * h * 0.18;
                const double bottom = -h * 0.55 + i * h * 0.13;
                const double half = h * (0.14 + 0.07 * i);
                QPainterPath t;
                t.moveTo(base + QPointF(0, top));
                t.quadTo(base + QPointF(half * 0.5, (top + bottom) / 2),
                         base + QPointF(half, bottom));
                for (int k = 1; k <= 4; ++k) {
                    const double x = half - 2 * half * k / 4.0;
                    t.quadTo(base + QPointF(x + half / 4, bottom - 4),
                             base + QPointF(x, bottom + (k % 2) * 3));
                }
                t.quadTo(base + QPointF(-half * 0.5, (top + bottom) / 2), base + QPointF(0, top));
                QLinearGradient g(base + QPointF(-half, 0), base + QPointF(half, 0));
                g.setColorAt(0, shade(leaf, 1.25));
                g.setColorAt(0.45, leaf);
                g.setColorAt(0.55, shade(leaf, 0.72));
                g.setColorAt(1, shade(leaf, 0.55));
                ink(p, t, g, 1.2);
            }
            break;
        }
        case TreeKind::Palm: {
            const QPointF top = base + QPointF(h * 0.22, -h);
            const QPainterPath t =
                taper(base, base + QPointF(-h * 0.05, -h * 0.4), top + QPointF(-h * 0.12, h * 0.2),
                      top, h * 0.08, h * 0.045);
            ink(p, t, lit(t.boundingRect(), bark), 1.3);
            p.setPen(QPen(shade(bark, 0.6), 1.0));
            for (int i = 1; i < 10; ++i) {
                const QPointF a = bezierAt(base, base + QPointF(-h * 0.05, -h * 0.4),
                                           top + QPointF(-h * 0.12, h * 0.2), top, i / 10.0);
                p.drawLine(a + QPointF(-h * 0.03, 0), a + QPointF(h * 0.03, -2));
            }
            for (int i = 0; i < 7; ++i) {
                const double a = -M_PI / 2 + (i - 3) * 0.62 + rng.range(-0.1, 0.1);
                const double len = h * rng.range(0.38, 0.5);
                const QPointF tip =
                    top + QPointF(std::cos(a) * len, std::sin(a) * len * 0.6 + len * 0.45);
                const QPointF mid =
                    top + QPointF(std::cos(a) * len * 0.55, std::sin(a) * len * 0.55 - len * 0.1);
                const QPainterPath frond = taper(top, mid, mid, tip, h * 0.07, 1);
                QLinearGradient g(top, tip);
                g.setColorAt(0, shade(leaf, 0.8));
                g.setColorAt(0.5, shade(leaf, 1.15));
                g.setColorAt(1, leaf);
                ink(p, frond, g, 1.1);
            }
            QPainterPath nuts;
            nuts.addEllipse(top + QPointF(-4, 6), 5, 5);
            nuts.addEllipse(top + QPointF(5, 7), 5, 5);
            ink(p, nuts, QColor(120, 84, 40), 1.0);
            break;
        }
        case TreeKind::Twisted: {
            QPainterPath t = taper(base, base + QPointF(h * 0.25, -h * 0.3),
                                   base + QPointF(-h * 0.25, -h * 0.45),
                                   base + QPointF(h * 0.05, -h * 0.7), h * 0.11, h * 0.04);
            ink(p, t, lit(t.boundingRect(), bark), 1.3);
            for (int side : {-1, 1}) {
                const QPointF from = base + QPointF(0, -h * (0.5 + 0.08 * side));
                QPainterPath b = taper(from, from + QPointF(side * h * 0.12, -h * 0.05),
                                       from + QPointF(side * h * 0.2, -h * 0.2),
                                       from + QPointF(side * h * 0.3, -h * 0.18), h * 0.04, 2);
                ink(p, b, lit(b.boundingRect(), bark), 1.1);
            }
            for (int i = 0; i < 5; ++i) {
                const QPointF c =
                    base + QPointF(rng.range(-h * 0.3, h * 0.3), -h * rng.range(0.6, 0.92));
                const double rr = h * rng.range(0.1, 0.16);
                QPainterPath ball;
                ball.addEllipse(c, rr * 1.3, rr);
                ink(p, ball, leafBall(c, rr, shade(leaf, rng.range(0.85, 1.1))), 1.1);
            }
            break;
        }
        case TreeKind::Dead: {
            trunk(p, base, base + QPointF(h * 0.05, -h * 0.75), h * 0.08, h * 0.02, bark);
            for (int i = 0; i < 6; ++i) {
                const double y = -h * rng.range(0.35, 0.7);
                const int side = i % 2 == 0 ? -1 : 1;
                const QPointF from = base + QPointF(h * 0.02, y);
                const double len = h * rng.range(0.18, 0.32);
                QPainterPath b =
                    taper(from, from + QPointF(side * len * 0.3, -len * 0.1),
                          from + QPointF(side * len * 0.7, -len * 0.5),
                          from + QPointF(side * len, -len * rng.range(0.4, 0.9)), h * 0.025, 1);
                ink(p, b, lit(b.boundingRect(), bark), 1.0);
            }
            break;
        }
        case TreeKind::Bamboo: {
            for (int i = 0; i < 3; ++i) {
                const double x = (i - 1) * h * 0.05 + rng.range(-3, 3);
                const double w = h * 0.028;
                QRectF stalk(base.x() + x - w / 2, base.y() - h, w, h);
                QLinearGradient g(stalk.topLeft(), stalk.topRight());
                g.setColorAt(0, shade(leaf, 1.3));
                g.setColorAt(0.5, leaf);
                g.setColorAt(1, shade(leaf, 0.6));
                p.setPen(QPen(shade(leaf, 0.4), 1.0));
                p.setBrush(g);
                p.drawRect(stalk);
                p.setPen(QPen(shade(leaf, 0.45), 1.6));
                for (double y = base.y() - h * 0.12; y > base.y() - h;
                     y -= h * rng.range(0.1, 0.14))
                    p.drawLine(QPointF(stalk.left(), y), QPointF(stalk.right(), y));
            }
            for (int i = 0; i < 8; ++i) {
                const QPointF a =
                    base + QPointF(rng.range(-h * 0.06, h * 0.06), -h * rng.range(0.4, 0.95));
                const int side = rng.chance(0.5) ? -1 : 1;
                const QPainterPath l =
                    taper(a, a + QPointF(side * 10, -3), a + QPointF(side * 22, 2),
                          a + QPointF(side * 32, 8), 6, 0.5);
                ink(p, l, shade(leaf, rng.range(0.8, 1.15)), 0.9);
            }
            break;
        }
    }
    p.restore();
}

void drawBoulder(QPainter& p, QPointF base, double w, double h, const QColor& rock, uint32_t seed) {
    Rng rng(seed);
    QPainterPath r;
    const int n = 9;
    for (int i = 0; i <= n; ++i) {
        const double a = M_PI + M_PI * i / n;
        const double k = i == 0 || i == n ? 1.0 : rng.range(0.82, 1.05);
        const QPointF pt = base + QPointF(std::cos(a) * w / 2 * k, std::sin(a) * h * k);
        if (i == 0)
            r.moveTo(pt);
        else
            r.lineTo(pt);
    }
    r.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(base + QPointF(w * 0.08, 0), w * 0.58, h * 0.14 + 2);
    QLinearGradient g(base + QPointF(-w / 2, -h), base + QPointF(w / 2, 0));
    g.setColorAt(0, shade(rock, 1.3));
    g.setColorAt(0.45, rock);
    g.setColorAt(1, shade(rock, 0.55));
    ink(p, r, g, 1.3);
    // a crack
    p.setPen(QPen(shade(rock, 0.5), 1.1, Qt::SolidLine, Qt::RoundCap));
    QPainterPath crack(base + QPointF(rng.range(-w * 0.2, w * 0.1), -h * 0.8));
    crack.lineTo(base + QPointF(rng.range(-w * 0.1, w * 0.15), -h * 0.45));
    crack.lineTo(base + QPointF(rng.range(0, w * 0.25), -h * 0.15));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crack);
    p.restore();
}

void drawGrass(QPainter& p, const QRectF& area, int tufts, const QColor& grass, uint32_t seed) {
    Rng rng(seed);
    p.save();
    for (int i = 0; i < tufts; ++i) {
        const QPointF b(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double s = 0.5 + 0.8 * (b.y() - area.top()) / std::max(1.0, area.height());
        const QColor c = shade(grass, rng.range(0.8, 1.2));
        p.setPen(QPen(c, 1.2 * s, Qt::SolidLine, Qt::RoundCap));
        for (int k = -2; k <= 2; ++k) {
            QPainterPath blade(b + QPointF(k * 1.5 * s, 0));
            blade.quadTo(b + QPointF(k * 2.5 * s, -5 * s),
                         b + QPointF(k * 4.0 * s, -(9 - std::abs(k) * 2) * s));
            p.setBrush(Qt::NoBrush);
            p.drawPath(blade);
        }
    }
    p.restore();
}

void drawFlowers(QPainter& p, const QRectF& area, int count, std::initializer_list<QColor> colours,
                 uint32_t seed) {
    Rng rng(seed);
    const std::vector<QColor> cs(colours);
    p.save();
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double s = (0.6 + 0.9 * (c.y() - area.top()) / std::max(1.0, area.height())) * 2.2;
        const QColor col = cs[static_cast<size_t>(rng.below(int(cs.size())))];
        p.setPen(QPen(QColor(60, 120, 50), 1.0));
        p.drawLine(c, c + QPointF(0, s * 2.2));
        p.setPen(QPen(shade(col, 0.5), 0.7));
        p.setBrush(col);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * s * 0.8, s * 0.6, s * 0.6);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 90));
        p.drawEllipse(c, s * 0.45, s * 0.45);
    }
    p.restore();
}

void drawPillar(QPainter& p, QPointF base, double h, double w, const QColor& stone, bool broken) {
    p.save();
    groundShadow(p, base + QPointF(w * 0.4, 0), w * 1.1, w * 0.18, 80);
    // plinth
    QPainterPath plinth;
    plinth.addRect(QRectF(base.x() - w * 0.7, base.y() - w * 0.35, w * 1.4, w * 0.35));
    ink(p, plinth, lit(plinth.boundingRect(), shade(stone, 0.9)), 1.3);
    const double top = base.y() - h;
    QPainterPath shaft;
    if (broken) {
        shaft.moveTo(base.x() - w / 2, base.y() - w * 0.35);
        shaft.lineTo(base.x() - w / 2, top + w * 0.3);
        shaft.lineTo(base.x() - w * 0.2, top);
        shaft.lineTo(base.x(), top + w * 0.45);
        shaft.lineTo(base.x() + w * 0.25, top + w * 0.15);
        shaft.lineTo(base.x() + w / 2, top + w * 0.6);
        shaft.lineTo(base.x() + w / 2, base.y() - w * 0.35);
        shaft.closeSubpath();
    } else {
        shaft.addRect(QRectF(base.x() - w / 2, top + w * 0.4, w, h - w * 0.75));
    }
    QLinearGradient g(base.x() - w / 2, 0, base.x() + w / 2, 0);
    g.setColorAt(0, shade(stone, 1.25));
    g.setColorAt(0.4, stone);
    g.setColorAt(1, shade(stone, 0.6));
    ink(p, shaft, g, 1.4);
    p.setClipPath(shaft);
    p.setPen(QPen(shade(stone, 0.7), 1.2));
    for (int i = 1; i < 4; ++i) {
        const double x = base.x() - w / 2 + w * i / 4.0;
        p.drawLine(QPointF(x, top), QPointF(x, base.y()));
    }
    p.setClipping(false);
    if (!broken) {
        QPainterPath capital;
        capital.addRect(QRectF(base.x() - w * 0.75, top, w * 1.5, w * 0.22));
        capital.addRect(QRectF(base.x() - w * 0.6, top + w * 0.22, w * 1.2, w * 0.18));
        ink(p, solid(capital), lit(capital.boundingRect(), stone), 1.3);
    }
    p.restore();
}

void drawCrystal(QPainter& p, QPointF base, double h, double w, double leanDeg, const QColor& c) {
    p.save();
    p.translate(base);
    p.rotate(leanDeg);
    const QPainterPath left = polygonPath({{-w / 2, 0}, {-w / 2, -h * 0.75}, {0, -h}, {0, 0}});
    const QPainterPath right = polygonPath({{0, 0}, {0, -h}, {w / 2, -h * 0.75}, {w / 2, 0}});
    QLinearGradient gl(0, -h, 0, 0);
    gl.setColorAt(0, shade(c, 1.7));
    gl.setColorAt(1, shade(c, 1.05));
    QLinearGradient gr(0, -h, 0, 0);
    gr.setColorAt(0, shade(c, 0.95));
    gr.setColorAt(1, shade(c, 0.5));
    ink(p, left, gl, 1.2);
    ink(p, right, gr, 1.2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    p.drawLine(QPointF(-w * 0.3, -h * 0.1), QPointF(-w * 0.3, -h * 0.7));
    p.restore();
}

void drawMushroom(QPainter& p, QPointF base, double h, const QColor& cap, bool glowing) {
    const QPainterPath stem =
        capsule(base + QPointF(0, -h * 0.1), h * 0.14, base + QPointF(0, -h * 0.6), h * 0.1);
    ink(p, stem, lit(stem.boundingRect(), QColor(236, 226, 206)), 1.1);
    QPainterPath c;
    c.moveTo(base + QPointF(-h * 0.5, -h * 0.55));
    c.cubicTo(base + QPointF(-h * 0.5, -h * 1.15), base + QPointF(h * 0.5, -h * 1.15),
              base + QPointF(h * 0.5, -h * 0.55));
    c.quadTo(base + QPointF(0, -h * 0.45), base + QPointF(-h * 0.5, -h * 0.55));
    QRadialGradient g(base + QPointF(-h * 0.2, -h * 0.9), h * 0.8);
    g.setColorAt(0, shade(cap, glowing ? 1.7 : 1.3));
    g.setColorAt(1, shade(cap, glowing ? 1.0 : 0.65));
    ink(p, c, g, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, glowing ? 200 : 170));
    p.drawEllipse(base + QPointF(-h * 0.2, -h * 0.82), h * 0.08, h * 0.06);
    p.drawEllipse(base + QPointF(h * 0.18, -h * 0.72), h * 0.06, h * 0.05);
}

void drawCloud(QPainter& p, QPointF centre, double w, double h, const QColor& light,
               const QColor& dark, uint32_t seed) {
    Rng rng(seed);
    QPainterPath cloud;
    const int puffs = 7;
    for (int i = 0; i < puffs; ++i) {
        const double t = (i + 0.5) / puffs;
        const double x = centre.x() - w / 2 + w * t;
        const double r = h * (0.35 + 0.35 * std::sin(t * M_PI)) * rng.range(0.85, 1.15);
        cloud.addEllipse(QPointF(x, centre.y() + h * 0.25 - r * 0.8), r, r);
    }
    cloud.addRoundedRect(QRectF(centre.x() - w / 2, centre.y() - h * 0.1, w, h * 0.4), h * 0.2,
                         h * 0.2);
    cloud = solid(cloud);
    fillCloud(p, cloud, light, dark);
}

void fillCloud(QPainter& p, const QPainterPath& shape, const QColor& light, const QColor& dark,
               double outline) {
    const QRectF b = shape.boundingRect();
    QLinearGradient g(QPointF(b.center().x(), b.top()), QPointF(b.center().x(), b.bottom()));
    g.setColorAt(0, light);
    g.setColorAt(0.6, mixColour(light, dark, 0.4));
    g.setColorAt(1, dark);
    p.setPen(QPen(shade(dark, 0.7), outline));
    p.setBrush(g);
    p.drawPath(shape);
}

void groundShadow(QPainter& p, QPointF centre, double rx, double ry, int alpha) {
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(0.7, QColor(0, 0, 0, alpha * 2 / 3));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(centre);
    p.scale(1, ry / rx);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void sparkles(QPainter& p, const QRectF& area, int count, double minSize, double maxSize,
              const QColor& colour, uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        sparkle(p, c, rng.range(minSize, maxSize), colour);
    }
}

void birds(QPainter& p, std::initializer_list<QPointF> where, const QColor& colour, double span,
           double width) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& b : where) {
        QPainterPath v(b + QPointF(-span, 0));
        v.quadTo(b + QPointF(-span * 0.45, -span * 0.6), b);
        v.quadTo(b + QPointF(span * 0.45, -span * 0.6), b + QPointF(span, 0));
        p.drawPath(v);
    }
    p.restore();
}

void sparkle(QPainter& p, QPointF c, double size, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(starPath(c, size, size * 0.18, 4, 0));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c, size * 0.18, size * 0.18);
    p.restore();
}

}  // namespace quill::assetgen::scene
