#include "platform/bitmap.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/file_io.h"
#include "platform/jpeg_reader.h"
#include "platform/qt_font.h"
#include "platform/text_cache.h"

namespace quill::platform {
namespace {

QColor qcolor(Color c) {
    return QColor(c.r, c.g, c.b);
}

// Clips a w x h block placed at (x, y) in a picture of dw x dh, reading from (sx, sy) of a
// source of sw x sh. Returns false when nothing is left.
bool clip(int& x, int& y, int& w, int& h, int& sx, int& sy, int dw, int dh, int sw, int sh) {
    if (sx < 0) {
        w += sx;
        x -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        y -= sy;
        sy = 0;
    }
    if (x < 0) {
        w += x;
        sx -= x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        sy -= y;
        y = 0;
    }
    w = std::min({w, dw - x, sw - sx});
    h = std::min({h, dh - y, sh - sy});
    return w > 0 && h > 0;
}

bool is_grey(Color c) {
    return c.r == c.g && c.g == c.b;
}

// Sets the n pixels from p to the colour.
void fill_pixels(uint8_t* p, int n, Color c) {
    const size_t total = static_cast<size_t>(n) * 3;
    if (is_grey(c)) {
        std::memset(p, c.r, total);
        return;
    }
    const int first = std::min(n, 8);
    for (int i = 0; i < first; ++i) {
        p[i * 3] = c.r;
        p[i * 3 + 1] = c.g;
        p[i * 3 + 2] = c.b;
    }
    // Then the pixels already set are copied on, doubling each time.
    size_t done = static_cast<size_t>(first) * 3;
    while (done < total) {
        const size_t k = std::min(done, total - done);
        std::memcpy(p + done, p, k);
        done += k;
    }
}

// Sets the pixels of x1..x2, y1..y2 (inside the picture) to the colour.
void paint_rect(QImage& image, int x1, int y1, int x2, int y2, Color c) {
    uint8_t* base = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const size_t row_bytes = static_cast<size_t>(x2 - x1) * 3;
    uint8_t* first = base + y1 * stride + x1 * 3;
    if (is_grey(c)) {
        if (static_cast<size_t>(stride) == row_bytes) {
            std::memset(first, c.r, row_bytes * static_cast<size_t>(y2 - y1));
        } else {
            for (int y = y1; y < y2; ++y) std::memset(base + y * stride + x1 * 3, c.r, row_bytes);
        }
        return;
    }
    fill_pixels(first, x2 - x1, c);
    for (int y = y1 + 1; y < y2; ++y) std::memcpy(base + y * stride + x1 * 3, first, row_bytes);
}

// d = c * a + d * (1 - a), a from 0 to 255, rounded to the nearest; a = 255 gives c and
// a = 0 leaves d as it was.
void blend_bytes(uint8_t* __restrict d, const uint8_t* __restrict a, const uint8_t* __restrict c,
                 size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const uint16_t k = a[i];
        // At most 255 * 255 + 127: the sum fits 16 bits, and so do the steps of the division
        // by 255 below, (x + 1 + x / 256) / 256, which is exact for every x up to there.
        const auto x = static_cast<uint16_t>(c[i] * k + d[i] * (255 - k) + 127);
        d[i] = static_cast<uint8_t>(static_cast<uint16_t>(x + 1 + (x >> 8)) >> 8);
    }
}

// memcpy, without the call for the short runs of small sprites.
inline void copy_bytes(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n) {
    if (n > 48) {
        std::memcpy(d, s, n);
        return;
    }
    for (size_t i = 0; i < n; ++i) d[i] = s[i];
}

void or_bytes(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] |= s[i];
}

// The pixels Qt sets for an ellipse with a one-pixel pen, drawn once per size and kept:
// the log's pills are the same few sizes frame after frame, and setting up a QPainter costs
// far more than setting their pixels. Without antialiasing every pixel is either left alone
// or set to the pen's or the brush's colour, and the shape does not depend on the colours
// or on where it is drawn, so the spans found once on a small picture of its own serve for
// every place where the ellipse lies wholly inside the picture.
struct EllipseShape {
    bool usable = false;
    // The box of the pixels set, relative to the ellipse's upper-left corner.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    struct Span {
        int16_t y, from, to;  // relative to the upper-left corner, `to` excluded
        bool pen;             // pen or brush
    };
    std::vector<Span> spans;
};

constexpr int kEllipseCacheSide = 256;  // larger ellipses are drawn by Qt each time
constexpr size_t kEllipseCacheEntries = 512;

void qt_ellipse(QImage& image, int x1, int y1, int x2, int y2, Color pen, const Color* brush,
                int pen_width) {
    QPainter p(&image);
    p.setPen(QPen(qcolor(pen), std::max(1, pen_width)));
    if (brush != nullptr) {
        p.setBrush(qcolor(*brush));
    } else {
        p.setBrush(Qt::NoBrush);
    }
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

EllipseShape find_ellipse_shape(int w, int h, bool filled) {
    constexpr int kMargin = 4;
    constexpr Color kPenMark = colors::kRed, kBrushMark = Color::rgb(0x00FF00);
    QImage canvas(w + 2 * kMargin, h + 2 * kMargin, QImage::Format_RGB888);
    EllipseShape shape;
    if (canvas.isNull()) return shape;
    canvas.fill(Qt::black);
    qt_ellipse(canvas, kMargin, kMargin, kMargin + w, kMargin + h, kPenMark,
               filled ? &kBrushMark : nullptr, 1);
    int bx1 = canvas.width(), by1 = canvas.height(), bx2 = 0, by2 = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const uint8_t* row = canvas.constScanLine(y);
        int x = 0;
        while (x < canvas.width()) {
            const Color c{row[x * 3], row[x * 3 + 1], row[x * 3 + 2]};
            if (c == colors::kBlack) {
                ++x;
                continue;
            }
            if (c != kPenMark && c != kBrushMark) return EllipseShape{};  // not a plain shape
            const int start = x;
            while (x < canvas.width() && Color{row[x * 3], row[x * 3 + 1], row[x * 3 + 2]} == c) {
                ++x;
            }
            shape.spans.push_back({static_cast<int16_t>(y - kMargin),
                                   static_cast<int16_t>(start - kMargin),
                                   static_cast<int16_t>(x - kMargin), c == kPenMark});
            bx1 = std::min(bx1, start);
            bx2 = std::max(bx2, x);
            by1 = std::min(by1, y);
            by2 = y + 1;
        }
    }
    // Pixels on the canvas's edge might have gone on past it.
    if (bx1 == 0 || by1 == 0 || bx2 == canvas.width() || by2 == canvas.height()) {
        return EllipseShape{};
    }
    shape.usable = true;
    if (bx1 < bx2) {
        shape.x1 = bx1 - kMargin;
        shape.y1 = by1 - kMargin;
        shape.x2 = bx2 - kMargin;
        shape.y2 = by2 - kMargin;
    }
    return shape;
}

// The shape of the ellipse of that size, or nullptr when it has to be drawn by Qt.
const EllipseShape* ellipse_shape(int w, int h, bool filled) {
    if (w < 2 || h < 2 || w > kEllipseCacheSide || h > kEllipseCacheSide) return nullptr;
    static auto* cache = new std::unordered_map<uint32_t, EllipseShape>();
    const uint32_t key =
        (static_cast<uint32_t>(w) << 17) | (static_cast<uint32_t>(h) << 1) | (filled ? 1u : 0u);
    auto it = cache->find(key);
    if (it == cache->end()) {
        if (cache->size() >= kEllipseCacheEntries) cache->clear();
        it = cache->emplace(key, find_ellipse_shape(w, h, filled)).first;
    }
    return it->second.usable ? &it->second : nullptr;
}

}  // namespace

struct Bitmap::OpaqueRuns {
    // Row y's runs are runs[row_begin[y]] up to runs[row_begin[y + 1]].
    std::vector<uint32_t> row_begin;
    std::vector<int> runs;
};

Bitmap::Bitmap() : image_(std::make_unique<QImage>()) {}

Bitmap::Bitmap(int width, int height, Color fill) : Bitmap() {
    if (width <= 0 || height <= 0) return;
    // Filled once, in its colour (no black first).
    *image_ = QImage(width, height, QImage::Format_RGB888);
    if (image_->isNull()) return;
    paint_rect(*image_, 0, 0, width, height, fill);
    now_plain(fill);
}

Bitmap::Bitmap(const Bitmap& other)
    : image_(std::make_unique<QImage>(*other.image_)), known_(other.known_) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        *image_ = *other.image_;
        known_ = other.known_;
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept : image_(std::make_unique<QImage>()) {
    image_->swap(*other.image_);
    std::swap(known_, other.known_);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    image_->swap(*other.image_);
    std::swap(known_, other.known_);
    return *this;
}

Bitmap::~Bitmap() = default;

void Bitmap::changed(int x1, int y1, int x2, int y2) {
    if (known_.runs) known_.runs.reset();
    known_.drawn_transparent = false;
    if (!known_.plain) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width());
    y2 = std::min(y2, height());
    if (x1 >= x2 || y1 >= y2) return;
    auto& d = known_.drawn;
    if (d.x1 >= d.x2) {
        d = {x1, y1, x2, y2};
    } else {
        d = {std::min(d.x1, x1), std::min(d.y1, y1), std::max(d.x2, x2), std::max(d.y2, y2)};
    }
}

void Bitmap::changed_anywhere() {
    known_.runs.reset();
    known_.drawn_transparent = false;
    known_.plain = false;
}

void Bitmap::now_plain(Color color) {
    known_.runs.reset();
    known_.drawn_transparent = false;
    known_.plain = true;
    known_.plain_color = color;
    known_.drawn = {};
}

const Bitmap::OpaqueRuns& Bitmap::opaque_runs() const {
    if (known_.runs) return *known_.runs;
    auto runs = std::make_shared<OpaqueRuns>();
    const Color key = transparent_color();
    const int w = width();
    runs->row_begin.reserve(static_cast<size_t>(height()) + 1);
    for (int y = 0; y < height(); ++y) {
        runs->row_begin.push_back(static_cast<uint32_t>(runs->runs.size()));
        const uint8_t* s = image_->constScanLine(y);
        const auto is_key = [&](int x) {
            return s[x * 3] == key.r && s[x * 3 + 1] == key.g && s[x * 3 + 2] == key.b;
        };
        int x = 0;
        while (x < w) {
            while (x < w && is_key(x)) ++x;
            if (x == w) break;
            const int start = x;
            while (x < w && !is_key(x)) ++x;
            runs->runs.push_back(start);
            runs->runs.push_back(x);
        }
    }
    runs->row_begin.push_back(static_cast<uint32_t>(runs->runs.size()));
    runs->runs.shrink_to_fit();
    known_.runs = std::move(runs);
    return *known_.runs;
}

bool Bitmap::load(const std::filesystem::path& path) {
    auto bytes = read_file(path, 32u << 20);
    if (!bytes || bytes->size() < 4) return false;
    QImage loaded;
    if (static_cast<unsigned char>((*bytes)[0]) == 0xFF &&
        static_cast<unsigned char>((*bytes)[1]) == 0xD8) {
        auto rgb = decode_jpeg(*bytes);
        if (!rgb) return false;
        QImage view(rgb->pixels.data(), rgb->width, rgb->height, rgb->width * 3,
                    QImage::Format_RGB888);
        loaded = view.copy();  // own the pixels
    } else if ((*bytes)[0] == 'B' && (*bytes)[1] == 'M') {
        if (!loaded.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                                 static_cast<int>(bytes->size()), "BMP")) {
            return false;
        }
    } else {
        return false;
    }
    if (loaded.isNull() || loaded.width() > 8192 || loaded.height() > 8192) return false;
    *image_ = loaded.convertToFormat(QImage::Format_RGB888);
    changed_anywhere();
    return true;
}

bool Bitmap::save_png(const std::filesystem::path& path) const {
    if (image_->isNull()) return false;
    return image_->save(QString::fromStdString(path.string()), "PNG");
}

bool Bitmap::empty() const {
    return image_->isNull();
}
int Bitmap::width() const {
    return image_->width();
}
int Bitmap::height() const {
    return image_->height();
}

void Bitmap::resize(int width, int height) {
    if (width <= 0 || height <= 0) {
        clear();
        return;
    }
    if (width == this->width() && height == this->height() &&
        (known_.plain || image_->isDetached())) {
        // The same size again: the pixels are kept and made black (for an overlay, only
        // those drawn on since it was last cleared).
        fill_rect(0, 0, width, height, colors::kBlack);
        return;
    }
    *image_ = QImage(width, height, QImage::Format_RGB888);
    if (image_->isNull()) {
        changed_anywhere();
        return;
    }
    std::memset(image_->bits(), 0, static_cast<size_t>(image_->sizeInBytes()));
    now_plain(colors::kBlack);
}

void Bitmap::clear() {
    *image_ = QImage();
    changed_anywhere();
}

void Bitmap::blend_rect(int x1, int y1, int x2, int y2, Color color, uint8_t opacity) {
    if (opacity == 255) return fill_rect(x1, y1, x2, y2, color);
    if (empty() || opacity == 0) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width());
    y2 = std::min(y2, height());
    if (x1 >= x2 || y1 >= y2) return;
    changed(x1, y1, x2, y2);
    // Each channel becomes p + (c - p) * opacity / 255: the colour's share worked out once.
    const int keep = 255 - opacity;
    const int add[3] = {color.r * opacity, color.g * opacity, color.b * opacity};
    for (int y = y1; y < y2; ++y) {
        uint8_t* p = image_->scanLine(y) + x1 * 3;
        for (int x = x1; x < x2; ++x, p += 3) {
            for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>((p[k] * keep + add[k]) / 255);
        }
    }
}

void Bitmap::fill_rect(int x1, int y1, int x2, int y2, Color color) {
    if (empty()) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width());
    y2 = std::min(y2, height());
    if (x1 >= x2 || y1 >= y2) return;
    if (known_.plain && known_.plain_color == color) {
        // Outside the drawn box the picture has this colour already.
        const auto& d = known_.drawn;
        const int ax1 = std::max(x1, d.x1), ay1 = std::max(y1, d.y1);
        const int ax2 = std::min(x2, d.x2), ay2 = std::min(y2, d.y2);
        const bool covers = x1 <= d.x1 && y1 <= d.y1 && x2 >= d.x2 && y2 >= d.y2;
        if (ax1 < ax2 && ay1 < ay2) {
            changed(ax1, ay1, ax2, ay2);
            paint_rect(*image_, ax1, ay1, ax2, ay2, color);
        }
        if (covers) known_.drawn = {};
        return;
    }
    paint_rect(*image_, x1, y1, x2, y2, color);
    if (x1 == 0 && y1 == 0 && x2 == width() && y2 == height()) {
        now_plain(color);
    } else {
        changed(x1, y1, x2, y2);
    }
}

void Bitmap::frame_rect(int x1, int y1, int x2, int y2, Color color) {
    if (x2 <= x1 || y2 <= y1) return;
    fill_rect(x1, y1, x2, y1 + 1, color);
    fill_rect(x1, y2 - 1, x2, y2, color);
    fill_rect(x1, y1, x1 + 1, y2, color);
    fill_rect(x2 - 1, y1, x2, y2, color);
}

void Bitmap::ellipse(int x1, int y1, int x2, int y2, Color pen, Color brush, int pen_width) {
    if (empty() || x2 <= x1 || y2 <= y1) return;
    if (draw_kept_ellipse(x1, y1, x2, y2, pen, &brush, pen_width)) return;
    changed_anywhere();
    qt_ellipse(*image_, x1, y1, x2, y2, pen, &brush, pen_width);
}

void Bitmap::ellipse_outline(int x1, int y1, int x2, int y2, Color pen, int pen_width) {
    if (empty() || x2 <= x1 || y2 <= y1) return;
    if (draw_kept_ellipse(x1, y1, x2, y2, pen, nullptr, pen_width)) return;
    changed_anywhere();
    qt_ellipse(*image_, x1, y1, x2, y2, pen, nullptr, pen_width);
}

bool Bitmap::draw_kept_ellipse(int x1, int y1, int x2, int y2, Color pen, const Color* brush,
                               int pen_width) {
    if (pen_width > 1) return false;
    // The sizes as ints: far-apart corners are left to Qt.
    const int64_t w = int64_t{x2} - x1, h = int64_t{y2} - y1;
    if (w > kEllipseCacheSide || h > kEllipseCacheSide) return false;
    const EllipseShape* shape =
        ellipse_shape(static_cast<int>(w), static_cast<int>(h), brush != nullptr);
    if (shape == nullptr) return false;
    // Only where every pixel it sets is inside the picture.
    if (int64_t{x1} + shape->x1 < 0 || int64_t{y1} + shape->y1 < 0 ||
        int64_t{x1} + shape->x2 > width() || int64_t{y1} + shape->y2 > height()) {
        return false;
    }
    if (shape->spans.empty()) return true;
    changed(x1 + shape->x1, y1 + shape->y1, x1 + shape->x2, y1 + shape->y2);
    uint8_t* base = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (const EllipseShape::Span& s : shape->spans) {
        fill_pixels(base + (y1 + s.y) * stride + (x1 + s.from) * 3, s.to - s.from,
                    s.pen ? pen : *brush);
    }
    return true;
}

void Bitmap::line(int x1, int y1, int x2, int y2, Color color, int pen_width) {
    if (empty()) return;
    if (y1 == y2 && pen_width > 1) {
        // Horizontal thick lines (the status bars) as exact rectangles.
        int top = y1 - pen_width / 2;
        fill_rect(std::min(x1, x2), top, std::max(x1, x2), top + pen_width, color);
        return;
    }
    changed_anywhere();
    QPainter p(image_.get());
    p.setPen(QPen(qcolor(color), std::max(1, pen_width), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(x1, y1, x2, y2);
}

void Bitmap::draw(const Bitmap& src, int x, int y) {
    copy_rect(x, y, src.width(), src.height(), src, 0, 0);
}

void Bitmap::draw_transparent(const Bitmap& src, int x, int y) {
    draw_transparent_part(src, 0, 0, src.width(), src.height(), x, y);
}

void Bitmap::draw_transparent_part(const Bitmap& src, int sx, int sy, int w, int h, int x, int y) {
    if (empty() || src.empty()) return;
    const Color key = src.transparent_color();
    if (!clip(x, y, w, h, sx, sy, width(), height(), src.width(), src.height())) return;
    if (&src == this) {
        changed(x, y, x + w, y + h);
        uint8_t* base = image_->bits();
        const qsizetype stride = image_->bytesPerLine();
        // Onto itself: pixel after pixel, each one reading what the earlier ones left.
        for (int row = 0; row < h; ++row) {
            const uint8_t* s = base + (sy + row) * stride + sx * 3;
            uint8_t* d = base + (y + row) * stride + x * 3;
            for (int col = 0; col < w; ++col, s += 3, d += 3) {
                if (s[0] != key.r || s[1] != key.g || s[2] != key.b) {
                    d[0] = s[0];
                    d[1] = s[1];
                    d[2] = s[2];
                }
            }
        }
        return;
    }
    const uint8_t* sbase = src.image_->constBits();
    const qsizetype sstride = src.image_->bytesPerLine();
    if (!src.known_.runs && !src.known_.drawn_transparent) {
        // The first time since it changed: looked at pixel by pixel (a picture drawn only
        // once is not worth the runs); the runs are worked out when it is drawn again.
        src.known_.drawn_transparent = true;
        changed(x, y, x + w, y + h);
        uint8_t* dbase = image_->bits();
        const qsizetype dstride = image_->bytesPerLine();
        for (int row = 0; row < h; ++row) {
            const uint8_t* s = sbase + (sy + row) * sstride + sx * 3;
            uint8_t* d = dbase + (y + row) * dstride + x * 3;
            const auto is_key = [&](int col) {
                return s[col * 3] == key.r && s[col * 3 + 1] == key.g && s[col * 3 + 2] == key.b;
            };
            int col = 0;
            while (col < w) {
                while (col < w && is_key(col)) ++col;
                const int start = col;
                while (col < w && !is_key(col)) ++col;
                copy_bytes(d + start * 3, s + start * 3, static_cast<size_t>(col - start) * 3);
            }
        }
        return;
    }
    const OpaqueRuns& opaque = src.opaque_runs();
    changed(x, y, x + w, y + h);
    uint8_t* dbase = image_->bits();
    const qsizetype dstride = image_->bytesPerLine();
    // The source's runs of opaque pixels, each copied in one go.
    const int end = sx + w;
    for (int row = 0; row < h; ++row) {
        const int* first = opaque.runs.data() + opaque.row_begin[sy + row];
        const int* last = opaque.runs.data() + opaque.row_begin[sy + row + 1];
        const uint8_t* s = sbase + (sy + row) * sstride;
        uint8_t* d = dbase + (y + row) * dstride + x * 3;  // where source column sx goes
        // The first run that ends after sx (the runs are in order).
        size_t lo = 0, hi = static_cast<size_t>(last - first) / 2;
        while (lo < hi) {
            const size_t mid = (lo + hi) / 2;
            if (first[mid * 2 + 1] <= sx) {
                lo = mid + 1;
            } else {
                hi = mid;
            }
        }
        for (const int* run = first + lo * 2; run != last && run[0] < end; run += 2) {
            const int from = std::max(run[0], sx), to = std::min(run[1], end);
            copy_bytes(d + (from - sx) * 3, s + from * 3, static_cast<size_t>(to - from) * 3);
        }
    }
}

void Bitmap::copy_rect(int x, int y, int w, int h, const Bitmap& src, int sx, int sy) {
    if (empty() || src.empty()) return;
    if (!clip(x, y, w, h, sx, sy, width(), height(), src.width(), src.height())) return;
    changed(x, y, x + w, y + h);
    uint8_t* dbase = image_->bits();
    const qsizetype dstride = image_->bytesPerLine();
    const size_t row_bytes = static_cast<size_t>(w) * 3;
    if (&src == this) {
        // Onto itself (the screen shake): as if from a copy of the picture taken first. The
        // rows go in the order that reads every row before it is written over.
        if (y > sy) {
            for (int row = h - 1; row >= 0; --row) {
                std::memmove(dbase + (y + row) * dstride + x * 3,
                             dbase + (sy + row) * dstride + sx * 3, row_bytes);
            }
        } else {
            for (int row = 0; row < h; ++row) {
                std::memmove(dbase + (y + row) * dstride + x * 3,
                             dbase + (sy + row) * dstride + sx * 3, row_bytes);
            }
        }
        return;
    }
    const uint8_t* sbase = src.image_->constBits();
    const qsizetype sstride = src.image_->bytesPerLine();
    if (x == 0 && sx == 0 && dstride == sstride && static_cast<size_t>(dstride) == row_bytes) {
        // Whole rows of pictures of one width without padding: one block.
        std::memcpy(dbase + y * dstride, sbase + sy * sstride, row_bytes * h);
        return;
    }
    for (int row = 0; row < h; ++row) {
        std::memcpy(dbase + (y + row) * dstride + x * 3, sbase + (sy + row) * sstride + sx * 3,
                    row_bytes);
    }
}

void Bitmap::or_combine(const Bitmap& src, int x, int y, int w, int h) {
    if (empty() || src.empty()) return;
    int sx = 0, sy = 0;
    if (!clip(x, y, w, h, sx, sy, width(), height(), src.width(), src.height())) return;
    if (&src == this) {
        changed(x, y, x + w, y + h);
        uint8_t* base = image_->bits();
        const qsizetype stride = image_->bytesPerLine();
        for (int row = 0; row < h; ++row) {
            const uint8_t* s = base + (sy + row) * stride + sx * 3;
            uint8_t* d = base + (y + row) * stride + x * 3;
            for (int i = 0; i < w * 3; ++i) d[i] |= s[i];
        }
        return;
    }
    if (src.known_.plain && src.known_.plain_color == colors::kBlack) {
        // Black adds nothing: only the part of src drawn on counts.
        const auto& d = src.known_.drawn;
        const int x1 = std::max(sx, d.x1), y1 = std::max(sy, d.y1);
        const int x2 = std::min(sx + w, d.x2), y2 = std::min(sy + h, d.y2);
        if (x1 >= x2 || y1 >= y2) return;
        x += x1 - sx;
        y += y1 - sy;
        sx = x1;
        sy = y1;
        w = x2 - x1;
        h = y2 - y1;
    }
    changed(x, y, x + w, y + h);
    uint8_t* dbase = image_->bits();
    const qsizetype dstride = image_->bytesPerLine();
    const uint8_t* sbase = src.image_->constBits();
    const qsizetype sstride = src.image_->bytesPerLine();
    for (int row = 0; row < h; ++row) {
        or_bytes(dbase + (y + row) * dstride + x * 3, sbase + (sy + row) * sstride + sx * 3,
                 static_cast<size_t>(w) * 3);
    }
}

void Bitmap::lighten(Color light) {
    if (empty() || (light.r | light.g | light.b) == 0) return;
    changed_anywhere();
    // The three channels' lights repeated over 48 bytes (sixteen pixels), so the loop below
    // works on whole runs of bytes that the compiler can do many at a time.
    constexpr int kRun = 48;
    uint16_t amount[kRun];
    for (int i = 0; i < kRun; i += 3) {
        amount[i] = light.r;
        amount[i + 1] = light.g;
        amount[i + 2] = light.b;
    }
    const size_t row_bytes = static_cast<size_t>(width()) * 3;
    for (int y = 0; y < height(); ++y) {
        uint8_t* __restrict row = image_->scanLine(y);
        size_t i = 0;
        for (; i + kRun <= row_bytes; i += kRun) {
            for (int k = 0; k < kRun; ++k) {
                row[i + k] += static_cast<uint8_t>(
                    static_cast<uint16_t>(static_cast<uint8_t>(~row[i + k]) * amount[k]) >> 8);
            }
        }
        for (; i < row_bytes; ++i) {
            row[i] += static_cast<uint8_t>(static_cast<uint8_t>(~row[i]) * amount[i % 3] >> 8);
        }
    }
}

int Bitmap::text(int x, int y, std::string_view utf8, const Font& font, uint8_t opacity) {
    if (utf8.empty()) return 0;
    const RenderedText& r = rendered_text(utf8, font);
    if (empty() || r.width == 0 || opacity == 0) return r.advance;
    // Blend the font's colour into the picture by the text's coverage.
    int dx = x + r.left, dy = y + r.top, w = r.width, h = r.height, sx = 0, sy = 0;
    if (!clip(dx, dy, w, h, sx, sy, width(), height(), r.width, r.height)) return r.advance;
    changed(dx, dy, dx + w, dy + h);
    // The colour's bytes along a row, to blend whole runs of bytes at once.
    static std::vector<uint8_t> colour_row;
    if (colour_row.size() < static_cast<size_t>(w) * 3)
        colour_row.resize(static_cast<size_t>(w) * 3);
    fill_pixels(colour_row.data(), w, font.color);
    uint8_t* base = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    const int end = sx + w;
    // A faded text: its coverage taken down by the opacity first.
    static std::vector<uint8_t> faded;
    for (int row = 0; row < h; ++row) {
        const int my = sy + row;
        const int from = std::max(static_cast<int>(r.spans[my * 2]), sx);
        const int to = std::min(static_cast<int>(r.spans[my * 2 + 1]), end);
        if (from >= to) continue;
        const size_t n = static_cast<size_t>(to - from) * 3;
        const uint8_t* coverage =
            r.coverage.data() + (static_cast<size_t>(my) * r.width + from) * 3;
        if (opacity < 255) {
            if (faded.size() < n) faded.resize(n);
            for (size_t i = 0; i < n; ++i)
                faded[i] = static_cast<uint8_t>(coverage[i] * opacity / 255);
            coverage = faded.data();
        }
        blend_bytes(base + (dy + row) * stride + (dx + from - sx) * 3, coverage,
                    colour_row.data() + (from - sx) * 3, n);
    }
    return r.advance;
}

int Bitmap::text_width(std::string_view utf8, const Font& font) {
    if (utf8.empty()) return 0;
    return rendered_text(utf8, font).advance;
}

int Bitmap::text_height(const Font& font) {
    return cached_metrics(font).height();
}

Color Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return colors::kBlack;
    const uint8_t* p = scan_line(y) + x * 3;
    return Color{p[0], p[1], p[2]};
}

void Bitmap::set_pixel(int x, int y, Color color) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return;
    changed(x, y, x + 1, y + 1);
    uint8_t* p = image_->scanLine(y) + x * 3;
    p[0] = color.r;
    p[1] = color.g;
    p[2] = color.b;
}

Color Bitmap::transparent_color() const {
    if (empty()) return colors::kBlack;
    return pixel(0, height() - 1);
}

uint8_t* Bitmap::scan_line(int y) {
    // The caller may change any pixel of the row.
    changed(0, y, width(), y + 1);
    return image_->scanLine(y);
}
const uint8_t* Bitmap::scan_line(int y) const {
    return image_->constScanLine(y);
}

const QImage& Bitmap::qimage() const {
    return *image_;
}

}  // namespace quill::platform
