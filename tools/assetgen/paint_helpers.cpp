// Small drawing helpers shared by all the painters: colour maths, keyed sprites, glows,
// outlined lettering and panels.
#include "assetgen.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace quill::assetgen {

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

QColor mixColour(const QColor& a, const QColor& b, double t) {
    t = clamp01(t);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QRgb mixRgb(QRgb a, QRgb b, double t) {
    t = clamp01(t);
    auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

QRgb scaleRgb(QRgb c, double f) {
    auto ch = [f](int x) { return std::clamp(static_cast<int>(std::lround(x * f)), 0, 255); };
    return qRgb(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)));
}

QColor shade(const QColor& c, double f) {
    if (f <= 1.0) {
        QColor s = QColor::fromRgb(scaleRgb(c.rgb(), f));
        s.setAlpha(c.alpha());
        return s;
    }
    QColor s = mixColour(c, QColor(255, 255, 255, c.alpha()), f - 1.0);
    s.setAlpha(c.alpha());
    return s;
}

QImage newOpaque(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill.rgb());
    return img;
}

QImage newLayer(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void beginPainter(QPainter& p, QImage& img, bool antialias) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, antialias);
    p.setRenderHint(QPainter::TextAntialiasing, antialias);
    p.setRenderHint(QPainter::SmoothPixmapTransform, antialias);
}

QImage keyedSprite(const QImage& layer, Edge edge, const QColor& dark) {
    const QImage src = layer.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();
    QImage out(w, h, QImage::Format_RGB32);
    std::vector<uint8_t> solid(static_cast<size_t>(w) * h, 0);
    const QRgb nearKey = qRgb(0xf0, 0x10, 0xf0);

    for (int y = 0; y < h; ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(s[x]) >= 128) {
                QRgb c = qRgb(qRed(s[x]), qGreen(s[x]), qBlue(s[x]));
                if (c == kKeyColour) c = nearKey;
                d[x] = c;
                solid[static_cast<size_t>(y) * w + x] = 1;
            } else {
                d[x] = kKeyColour;
            }
        }
    }

    if (edge != Edge::None) {
        QRgb darkRgb = dark.rgb();
        if (darkRgb == kKeyColour) darkRgb = nearKey;
        const QImage figure = out.copy();
        auto isSolid = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < w && y < h && solid[static_cast<size_t>(y) * w + x];
        };
        for (int y = 0; y < h; ++y) {
            auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < w; ++x) {
                if (solid[static_cast<size_t>(y) * w + x]) continue;
                static constexpr int kDx[4] = {1, -1, 0, 0};
                static constexpr int kDy[4] = {0, 0, 1, -1};
                int n = 0;
                int r = 0, g = 0, b = 0;
                for (int k = 0; k < 4; ++k) {
                    const int nx = x + kDx[k];
                    const int ny = y + kDy[k];
                    if (!isSolid(nx, ny)) continue;
                    const QRgb c = figure.pixel(nx, ny);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    ++n;
                }
                if (n == 0) continue;
                if (edge == Edge::Dark) {
                    d[x] = darkRgb;
                } else {
                    const QRgb avg = qRgb(r / n, g / n, b / n);
                    QRgb c = mixRgb(scaleRgb(avg, 0.28), darkRgb, 0.45);
                    if (c == kKeyColour) c = nearKey;
                    d[x] = c;
                }
            }
        }
    }
    // The game reads the key from the lower-left pixel; it must always be the key.
    out.setPixel(0, h - 1, kKeyColour);
    return out;
}

void blurLayer(QImage& layer, int radius, int passes) {
    if (radius <= 0) return;
    if (layer.format() != QImage::Format_ARGB32_Premultiplied)
        layer = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = layer.width();
    const int h = layer.height();
    const int span = 2 * radius + 1;
    // Work on four separate channel planes; a running box sum per row, then per column.
    const size_t n = static_cast<size_t>(w) * h;
    std::vector<int> plane[4];
    for (auto& pl : plane) pl.resize(n);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            plane[0][i] = qAlpha(row[x]);
            plane[1][i] = qRed(row[x]);
            plane[2][i] = qGreen(row[x]);
            plane[3][i] = qBlue(row[x]);
        }
    }
    std::vector<int> line(static_cast<size_t>(std::max(w, h)) + 2 * radius + 1);
    auto boxLine = [&](int* data, int count, int stride) {
        // clamp-to-edge padding
        for (int i = -radius; i < count + radius + 1; ++i) {
            const int src = std::clamp(i, 0, count - 1);
            line[static_cast<size_t>(i + radius)] = data[static_cast<size_t>(src) * stride];
        }
        int sum = 0;
        for (int i = 0; i < span; ++i) sum += line[static_cast<size_t>(i)];
        for (int i = 0; i < count; ++i) {
            data[static_cast<size_t>(i) * stride] = sum / span;
            sum += line[static_cast<size_t>(i + span)] - line[static_cast<size_t>(i)];
        }
    };
    for (int pass = 0; pass < passes; ++pass) {
        for (auto& pl : plane) {
            for (int y = 0; y < h; ++y) boxLine(pl.data() + static_cast<size_t>(y) * w, w, 1);
            for (int x = 0; x < w; ++x) boxLine(pl.data() + x, h, w);
        }
    }
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            const int a = plane[0][i];
            row[x] = qRgba(std::min(plane[1][i], a), std::min(plane[2][i], a),
                           std::min(plane[3][i], a), a);
        }
    }
}

void paintGlow(QImage& target, const QPainterPath& path, const QColor& colour, int radius,
               bool additive) {
    const QRect area = path.boundingRect().toAlignedRect().adjusted(-3 * radius, -3 * radius,
                                                                    3 * radius, 3 * radius) &
                       target.rect();
    if (area.isEmpty()) return;
    // A glow is soft anyway, so it is blurred at half size and scaled back up.
    const int down = radius >= 6 ? 2 : 1;
    QImage layer = newLayer((area.width() + down - 1) / down, (area.height() + down - 1) / down);
    {
        QPainter p;
        beginPainter(p, layer);
        p.scale(1.0 / down, 1.0 / down);
        p.translate(-area.topLeft());
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(path);
    }
    blurLayer(layer, std::max(1, radius / down), 3);
    QPainter p(&target);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (additive) p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(QRectF(area.topLeft(), QSizeF(layer.width() * down, layer.height() * down)), layer);
}

QFont jpFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont serifFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont sansFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre,
                         double letterSpacing) {
    QFont f = font;
    if (letterSpacing != 0.0) f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    path.translate(centre.x() - b.center().x(), centre.y() - b.center().y());
    return path;
}

void drawOutlinedText(QPainter& p, const QString& text, const QFont& font, QPointF centre,
                      const QBrush& fill, const QColor& outline, double outlineWidth,
                      QPointF shadowOffset, const QColor& shadow) {
    const QPainterPath path = centredText(text, font, centre);
    p.save();
    if (shadow.alpha() > 0) {
        p.setPen(QPen(shadow, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shadow);
        p.drawPath(path.translated(shadowOffset));
    }
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void drawPanel(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom,
               const QColor& border, double radius) {
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.setPen(QPen(border, 2.0));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    // light rim just inside the top edge
    p.setPen(QPen(shade(top, 1.45), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), std::max(0.0, radius - 2),
                      std::max(0.0, radius - 2));
    p.restore();
}

QPainterPath starPath(QPointF c, double outer, double inner, int points, double rotationDeg) {
    QPainterPath path;
    const double rot = rotationDeg * M_PI / 180.0;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = rot - M_PI / 2 + i * M_PI / points;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : points) {
        if (first) {
            path.moveTo(p);
            first = false;
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace quill::assetgen
