#include "platform/bitmap.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstring>

#include "platform/file_io.h"
#include "platform/jpeg_reader.h"
#include "platform/qt_font.h"
#include "platform/text_cache.h"

namespace platform {
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

}  // namespace

Bitmap::Bitmap() : image_(std::make_unique<QImage>()) {}

Bitmap::Bitmap(int width, int height, Color fill) : Bitmap() {
    resize(width, height);
    if (fill != colors::kBlack) fill_rect(0, 0, width, height, fill);
}

Bitmap::Bitmap(const Bitmap& other) : image_(std::make_unique<QImage>(*other.image_)) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) *image_ = *other.image_;
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept : image_(std::make_unique<QImage>()) {
    image_->swap(*other.image_);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    image_->swap(*other.image_);
    return *this;
}

Bitmap::~Bitmap() = default;

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
    *image_ = QImage(width, height, QImage::Format_RGB888);
    image_->fill(Qt::black);
}

void Bitmap::clear() {
    *image_ = QImage();
}

void Bitmap::fill_rect(int x1, int y1, int x2, int y2, Color color) {
    if (empty()) return;
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width());
    y2 = std::min(y2, height());
    if (x1 >= x2 || y1 >= y2) return;
    for (int y = y1; y < y2; ++y) {
        uint8_t* p = scan_line(y) + x1 * 3;
        for (int x = x1; x < x2; ++x) {
            *p++ = color.r;
            *p++ = color.g;
            *p++ = color.b;
        }
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
    QPainter p(image_.get());
    p.setPen(QPen(qcolor(pen), std::max(1, pen_width)));
    p.setBrush(qcolor(brush));
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Bitmap::ellipse_outline(int x1, int y1, int x2, int y2, Color pen, int pen_width) {
    if (empty() || x2 <= x1 || y2 <= y1) return;
    QPainter p(image_.get());
    p.setPen(QPen(qcolor(pen), std::max(1, pen_width)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Bitmap::line(int x1, int y1, int x2, int y2, Color color, int pen_width) {
    if (empty()) return;
    if (y1 == y2 && pen_width > 1) {
        // Horizontal thick lines (the status bars) as exact rectangles.
        int top = y1 - pen_width / 2;
        fill_rect(std::min(x1, x2), top, std::max(x1, x2), top + pen_width, color);
        return;
    }
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
    for (int row = 0; row < h; ++row) {
        const uint8_t* s = src.scan_line(sy + row) + sx * 3;
        uint8_t* d = scan_line(y + row) + x * 3;
        for (int col = 0; col < w; ++col, s += 3, d += 3) {
            if (s[0] != key.r || s[1] != key.g || s[2] != key.b) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        }
    }
}

void Bitmap::copy_rect(int x, int y, int w, int h, const Bitmap& src, int sx, int sy) {
    if (empty() || src.empty()) return;
    if (&src == this) {
        // Copying a picture onto itself (the screen shake) goes through a copy.
        Bitmap copy(src);
        copy_rect(x, y, w, h, copy, sx, sy);
        return;
    }
    if (!clip(x, y, w, h, sx, sy, width(), height(), src.width(), src.height())) return;
    for (int row = 0; row < h; ++row) {
        std::memcpy(scan_line(y + row) + x * 3, src.scan_line(sy + row) + sx * 3,
                    static_cast<size_t>(w) * 3);
    }
}

void Bitmap::or_combine(const Bitmap& src, int x, int y, int w, int h) {
    if (empty() || src.empty()) return;
    int sx = 0, sy = 0;
    if (!clip(x, y, w, h, sx, sy, width(), height(), src.width(), src.height())) return;
    for (int row = 0; row < h; ++row) {
        const uint8_t* s = src.scan_line(sy + row) + sx * 3;
        uint8_t* d = scan_line(y + row) + x * 3;
        for (int i = 0; i < w * 3; ++i) d[i] |= s[i];
    }
}

int Bitmap::text(int x, int y, std::string_view utf8, const Font& font) {
    if (utf8.empty()) return 0;
    const RenderedText& r = rendered_text(utf8, font);
    if (empty()) return r.advance;
    // Blend the font's colour into the picture by the text's coverage.
    int dx = x + r.left, dy = y + r.top, w = r.mask.width(), h = r.mask.height(), sx = 0, sy = 0;
    if (!clip(dx, dy, w, h, sx, sy, width(), height(), r.mask.width(), r.mask.height())) {
        return r.advance;
    }
    const Color c = font.color;
    for (int row = 0; row < h; ++row) {
        const uchar* m = r.mask.constScanLine(sy + row) + sx;
        uint8_t* d = scan_line(dy + row) + dx * 3;
        for (int col = 0; col < w; ++col, d += 3) {
            const unsigned a = m[col];
            if (a == 0) continue;
            if (a == 255) {
                d[0] = c.r;
                d[1] = c.g;
                d[2] = c.b;
            } else {
                d[0] = static_cast<uint8_t>((c.r * a + d[0] * (255 - a) + 127) / 255);
                d[1] = static_cast<uint8_t>((c.g * a + d[1] * (255 - a) + 127) / 255);
                d[2] = static_cast<uint8_t>((c.b * a + d[2] * (255 - a) + 127) / 255);
            }
        }
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
    uint8_t* p = scan_line(y) + x * 3;
    p[0] = color.r;
    p[1] = color.g;
    p[2] = color.b;
}

Color Bitmap::transparent_color() const {
    if (empty()) return colors::kBlack;
    return pixel(0, height() - 1);
}

uint8_t* Bitmap::scan_line(int y) {
    return image_->scanLine(y);
}
const uint8_t* Bitmap::scan_line(int y) const {
    return image_->constScanLine(y);
}

const QImage& Bitmap::qimage() const {
    return *image_;
}

}  // namespace platform
