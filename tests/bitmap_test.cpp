#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <fstream>
#include <string>
#include <vector>

#include "platform/jpeg_reader.h"
#include "platform/qt_font.h"
#include "test_support.h"

namespace quill::platform {
namespace {

using quill::testing_support::filled;
using quill::testing_support::TempFolder;
using quill::testing_support::write_bmp;

constexpr Color kKey = Color::rgb(0xFF00FF);
constexpr Color kBlue = Color::rgb(0x2050F0);
constexpr Color kGreen = Color::rgb(0x10C020);

TEST(Bitmap, TransparentDrawingSkipsTheLowerLeftPixelsColour) {
    Bitmap sprite = filled(4, 3, kKey);
    sprite.set_pixel(1, 1, kBlue);
    sprite.set_pixel(3, 0, kGreen);
    Bitmap dest = filled(10, 10, colors::kWhite);
    dest.draw_transparent(sprite, 2, 2);
    EXPECT_EQ(dest.pixel(3, 3), kBlue);
    EXPECT_EQ(dest.pixel(5, 2), kGreen);
    EXPECT_EQ(dest.pixel(2, 2), colors::kWhite);  // key colour left the white alone
    EXPECT_EQ(dest.pixel(2, 4), colors::kWhite);

    // The key follows the lower-left pixel, whatever it is.
    Bitmap other = filled(2, 2, kGreen);
    other.set_pixel(1, 0, kBlue);
    dest.draw_transparent(other, 0, 0);
    EXPECT_EQ(dest.pixel(0, 0), colors::kWhite);
    EXPECT_EQ(dest.pixel(1, 0), kBlue);
}

TEST(Bitmap, DrawingIsClippedAtEveryEdge) {
    Bitmap sprite = filled(5, 5, kBlue);
    sprite.set_pixel(0, 4, kKey);  // key: only that pixel
    Bitmap dest = filled(8, 8, colors::kBlack);
    dest.draw_transparent(sprite, -3, -3);
    dest.draw_transparent(sprite, 6, 6);
    dest.draw(sprite, -10, 0);  // entirely outside
    dest.copy_rect(7, 0, 5, 5, sprite, 0, 0);
    EXPECT_EQ(dest.pixel(0, 0), kBlue);
    EXPECT_EQ(dest.pixel(1, 1), kBlue);
    EXPECT_EQ(dest.pixel(2, 2), colors::kBlack);
    EXPECT_EQ(dest.pixel(7, 7), kBlue);
    EXPECT_EQ(dest.pixel(7, 0), kBlue);
    EXPECT_EQ(dest.pixel(6, 0), colors::kBlack);
}

TEST(Bitmap, OrCombineAddsLightByteByByte) {
    Bitmap dest = filled(4, 4, Color::rgb(0x102030));
    Bitmap glow = filled(4, 4, colors::kBlack);
    glow.set_pixel(1, 1, Color::rgb(0x0F0F0F));
    glow.set_pixel(2, 2, colors::kRed);
    dest.or_combine(glow, 0, 0, 4, 4);
    EXPECT_EQ(dest.pixel(0, 0), Color::rgb(0x102030));  // black adds nothing
    EXPECT_EQ(dest.pixel(1, 1), Color::rgb(0x1F2F3F));
    EXPECT_EQ(dest.pixel(2, 2), Color::rgb(0xFF2030));
    // Placed at an offset and clipped.
    Bitmap star = filled(3, 3, Color::rgb(0x808080));
    dest.or_combine(star, 3, 3, 3, 3);
    EXPECT_EQ(dest.pixel(3, 3), Color::rgb(0x90A0B0));
    EXPECT_EQ(dest.pixel(2, 3), Color::rgb(0x102030));
}

TEST(Bitmap, CopyOntoItselfShifts) {
    Bitmap b = filled(4, 1, colors::kBlack);
    b.set_pixel(0, 0, kBlue);
    b.set_pixel(1, 0, kGreen);
    b.copy_rect(1, 0, 4, 1, b, 0, 0);
    EXPECT_EQ(b.pixel(1, 0), kBlue);
    EXPECT_EQ(b.pixel(2, 0), kGreen);
}

TEST(Bitmap, ShapesStayInsideTheirRectangles) {
    Bitmap b = filled(20, 20, colors::kBlack);
    b.fill_rect(2, 3, 5, 6, kBlue);  // exclusive far corner
    EXPECT_EQ(b.pixel(2, 3), kBlue);
    EXPECT_EQ(b.pixel(4, 5), kBlue);
    EXPECT_EQ(b.pixel(5, 5), colors::kBlack);
    b.fill_rect(-1, -1, 641, 481, kGreen);  // larger than the picture
    EXPECT_EQ(b.pixel(19, 19), kGreen);
    b.line(0, 10, 10, 10, kBlue, 4);
    EXPECT_EQ(b.pixel(5, 8), kBlue);
    EXPECT_EQ(b.pixel(5, 11), kBlue);
    EXPECT_EQ(b.pixel(5, 12), kGreen);
    EXPECT_EQ(b.pixel(10, 10), kGreen);
    b.ellipse(0, 0, 10, 10, colors::kWhite, kBlue);
    EXPECT_EQ(b.pixel(5, 5), kBlue);
    EXPECT_EQ(b.pixel(0, 0), kGreen);  // the corner of the box is outside the ellipse
}

TEST(Bitmap, TextIsDrawnInItsColourAndMeasured) {
    Bitmap b = filled(120, 30, colors::kBlack);
    Font f{FontFace::Gothic, 12, true, colors::kWhite};
    b.text(2, 2, "得点 123", f);
    int lit = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x) lit += b.pixel(x, y) != colors::kBlack;
    EXPECT_GT(lit, 20);
    EXPECT_EQ(b.pixel(119, 29), colors::kBlack);
    // The fixed face gives every ASCII character the same advance, half a kanji's.
    f.bold = false;
    const int one = Bitmap::text_width("a", f);
    EXPECT_EQ(Bitmap::text_width("iiii", f), 4 * one);
    EXPECT_EQ(Bitmap::text_width("漢", f), 2 * one);
    EXPECT_EQ(Bitmap::text_width("", f), 0);
}

// A picture kept as a plain list of pixels, drawn on pixel by pixel in the simplest way: what
// the pictures' drawing must give, whatever shortcuts it takes.
struct Model {
    int w = 0, h = 0;
    std::vector<Color> px;

    explicit Model(const Bitmap& b) : w(b.width()), h(b.height()) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) px.push_back(b.pixel(x, y));
    }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Color& at(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
    Color at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }

    void fill(int x1, int y1, int x2, int y2, Color c) {
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                if (inside(x, y)) at(x, y) = c;
    }
    // src's (sx + i, sy + j) onto (x + i, y + j), as the pictures' clipping does.
    template <typename Op>
    void each(const Model& src, int sx, int sy, int cw, int ch, int x, int y, Op op) {
        for (int j = 0; j < ch; ++j)
            for (int i = 0; i < cw; ++i)
                if (src.inside(sx + i, sy + j) && inside(x + i, y + j))
                    op(at(x + i, y + j), src.at(sx + i, sy + j));
    }
    void copy(const Model& src, int sx, int sy, int cw, int ch, int x, int y) {
        const Model from = src;  // onto itself: as from a copy taken first
        each(from, sx, sy, cw, ch, x, y, [](Color& d, Color s) { d = s; });
    }
    // With the source read as it is being drawn on (which matters onto itself only).
    void transparent(const Model& src, int sx, int sy, int cw, int ch, int x, int y) {
        if (src.w == 0 || w == 0) return;
        const Color key = src.at(0, src.h - 1);
        for (int j = 0; j < ch; ++j)
            for (int i = 0; i < cw; ++i)
                if (src.inside(sx + i, sy + j) && inside(x + i, y + j) &&
                    src.at(sx + i, sy + j) != key)
                    at(x + i, y + j) = src.at(sx + i, sy + j);
    }
    void combine(const Model& src, int x, int y, int cw, int ch) {
        for (int j = 0; j < ch; ++j)
            for (int i = 0; i < cw; ++i)
                if (src.inside(i, j) && inside(x + i, y + j)) {
                    Color& d = at(x + i, y + j);
                    const Color s = src.at(i, j);
                    d = Color{static_cast<uint8_t>(d.r | s.r), static_cast<uint8_t>(d.g | s.g),
                              static_cast<uint8_t>(d.b | s.b)};
                }
    }
};

::testing::AssertionResult Same(const Bitmap& b, const Model& m) {
    if (b.width() != m.w || b.height() != m.h || b.empty() != (m.w == 0)) {
        return ::testing::AssertionFailure()
               << "size " << b.width() << "x" << b.height() << " instead of " << m.w << "x" << m.h;
    }
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            if (b.pixel(x, y) != m.at(x, y)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex
                       << b.pixel(x, y).value() << " instead of " << m.at(x, y).value();
            }
    return ::testing::AssertionSuccess();
}

struct Dice {
    uint64_t s;
    int range(int lo, int hi) {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return lo + static_cast<int>((s >> 33) % static_cast<uint64_t>(hi - lo + 1));
    }
    Color color() {
        switch (range(0, 4)) {
            case 0:
                return colors::kBlack;
            case 1:
                return kKey;
            case 2: {
                const auto v = static_cast<uint8_t>(range(0, 255));
                return Color{v, v, v};
            }
            default:
                return Color::rgb(static_cast<uint32_t>(range(0, 0xFFFFFF)));
        }
    }
};

TEST(Bitmap, FillsMatchPixelByPixelFillingAtEveryEdge) {
    // Widths whose rows are padded and widths whose rows are not; one-pixel pictures.
    for (int w : {1, 2, 3, 4, 5, 7, 8, 33}) {
        for (int h : {1, 2, 5}) {
            for (Color c : {kBlue, Color::rgb(0x777777), colors::kBlack, colors::kWhite}) {
                Bitmap b = filled(w, h, kGreen);
                Model m(b);
                for (int x1 = -2; x1 <= w + 1; ++x1) {
                    for (int x2 = x1 - 1; x2 <= w + 2; ++x2) {
                        const int y1 = (x1 + x2 + 7) % (h + 3) - 2, y2 = y1 + (x2 & 3);
                        b.fill_rect(x1, y1, x2, y2, c);
                        m.fill(x1, y1, x2, y2, c);
                        ASSERT_TRUE(Same(b, m))
                            << w << "x" << h << " " << x1 << "," << y1 << " " << x2 << "," << y2;
                        c = Color{static_cast<uint8_t>(c.g + 1), c.b, c.r};
                    }
                }
                b.frame_rect(-1, -1, w + 1, h + 1, kKey);
                b.frame_rect(0, 0, w, h, kBlue);
                m.fill(0, 0, w, 1, kBlue);
                m.fill(0, h - 1, w, h, kBlue);
                m.fill(0, 0, 1, h, kBlue);
                m.fill(w - 1, 0, w, h, kBlue);
                EXPECT_TRUE(Same(b, m));
            }
        }
    }
    Bitmap none;
    none.fill_rect(-5, -5, 5, 5, kBlue);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(Bitmap(0, 7, kBlue).width(), 0);
    EXPECT_TRUE(Bitmap(-3, 7, kBlue).empty());
}

TEST(Bitmap, ResizingMakesEveryPixelBlackAgain) {
    Bitmap b = filled(6, 4, kBlue);
    b.resize(6, 4);
    EXPECT_TRUE(Same(b, Model(filled(6, 4, colors::kBlack))));
    b.set_pixel(2, 2, kGreen);
    b.resize(6, 4);
    EXPECT_EQ(b.pixel(2, 2), colors::kBlack);
    b.scan_line(3)[5] = 0x80;
    b.resize(6, 4);
    EXPECT_EQ(b.pixel(1, 3), colors::kBlack);
    // A copy shares its pixels until one of them changes: resizing one leaves the other.
    Bitmap c = filled(6, 4, kGreen);
    Bitmap d = c;
    d.resize(6, 4);
    EXPECT_EQ(c.pixel(5, 3), kGreen);
    EXPECT_EQ(d.pixel(5, 3), colors::kBlack);
    b.resize(9, 2);
    EXPECT_TRUE(Same(b, Model(filled(9, 2, colors::kBlack))));
    b.resize(0, 3);
    EXPECT_TRUE(b.empty());
}

// Random drawing on random pictures, each step checked against the models: clipping on
// every side, negative places and sizes, one-pixel and empty pictures, a picture drawn onto
// itself, an overlay cleared and drawn on again and again, sprites changed between draws.
TEST(Bitmap, DrawingMatchesPixelByPixelDrawing) {
    Dice dice{20240229};
    for (int round = 0; round < 250; ++round) {
        std::vector<Bitmap> pics;
        std::vector<Model> models;
        for (int i = 0; i < 3; ++i) {
            const int kind = dice.range(0, 6);
            const int w = kind == 0 ? 0 : kind == 1 ? 1 : dice.range(1, 40);
            const int h = kind == 0 ? 0 : kind == 1 ? 1 : dice.range(1, 30);
            pics.push_back(dice.range(0, 1) ? Bitmap(w, h, dice.color()) : Bitmap(w, h));
            models.emplace_back(pics.back());
        }
        for (int step = 0; step < 40; ++step) {
            const int di = dice.range(0, 2), si = dice.range(0, 2);
            Bitmap& d = pics[di];
            Model& m = models[di];
            const Bitmap& s = pics[si];
            const int W = d.width() + 2, H = d.height() + 2;
            const int x = dice.range(-W, W), y = dice.range(-H, H);
            const int sx = dice.range(-8, 12), sy = dice.range(-8, 12);
            const int w = dice.range(-2, 45), h = dice.range(-2, 35);
            const Color c = dice.color();
            std::string what;
            switch (dice.range(0, 11)) {
                case 0:
                case 1:
                    what = "fill_rect";
                    d.fill_rect(x, y, x + w, y + h, c);
                    m.fill(x, y, x + w, y + h, c);
                    break;
                case 2:
                    what = "clear";
                    {
                        const Color clear = dice.range(0, 2) ? colors::kBlack : c;
                        d.fill_rect(-1, -1, 1000, 1000, clear);
                        m.fill(0, 0, m.w, m.h, clear);
                    }
                    break;
                case 3:
                    what = "draw";
                    m.copy(models[si], 0, 0, s.width(), s.height(), x, y);
                    d.draw(s, x, y);
                    break;
                case 4:
                    what = "copy_rect";
                    m.copy(models[si], sx, sy, w, h, x, y);
                    d.copy_rect(x, y, w, h, s, sx, sy);
                    break;
                case 5:
                    what = "draw_transparent";
                    m.transparent(models[si], 0, 0, s.width(), s.height(), x, y);
                    d.draw_transparent(s, x, y);
                    break;
                case 6:
                    what = "draw_transparent_part";
                    m.transparent(models[si], sx, sy, w, h, x, y);
                    d.draw_transparent_part(s, sx, sy, w, h, x, y);
                    break;
                case 7:
                    what = "or_combine";
                    m.combine(models[si], x, y, w, h);
                    d.or_combine(s, x, y, w, h);
                    break;
                case 8:
                    what = "set_pixel";
                    for (int k = 0; k < 4; ++k) {
                        const int px = dice.range(-1, d.width()), py = dice.range(-1, d.height());
                        d.set_pixel(px, py, c);
                        if (m.inside(px, py)) m.at(px, py) = c;
                    }
                    break;
                case 9:
                    what = "scan_line";
                    if (d.height() > 0) {
                        const int py = dice.range(0, d.height() - 1);
                        const int px = dice.range(0, d.width() - 1);
                        uint8_t* row = d.scan_line(py);
                        row[px * 3] = c.r;
                        row[px * 3 + 1] = c.g;
                        row[px * 3 + 2] = c.b;
                        m.at(px, py) = c;
                    }
                    break;
                case 10:
                    what = "copy";
                    if (di != si) {
                        d = s;
                        m = models[si];
                        d.set_pixel(0, 0, c);  // the copy changes, its original does not
                        if (m.inside(0, 0)) m.at(0, 0) = c;
                    }
                    break;
                case 11:
                    what = "resize";
                    if (dice.range(0, 1)) {
                        d.resize(d.width(), d.height());
                    } else {
                        d.resize(dice.range(0, 30), dice.range(0, 20));
                    }
                    m = Model(Bitmap(d.width(), d.height()));
                    break;
            }
            for (int i = 0; i < 3; ++i) {
                ASSERT_TRUE(Same(pics[i], models[i]))
                    << "round " << round << " step " << step << " " << what << " on " << di
                    << " from " << si << ", picture " << i;
            }
        }
    }
}

TEST(Bitmap, SpritesDrawnAgainAfterTheyChangeShowTheChange) {
    Bitmap sprite = filled(6, 3, kKey);
    sprite.fill_rect(1, 0, 3, 2, kBlue);
    Bitmap dest = filled(10, 5, colors::kBlack);
    dest.draw_transparent(sprite, 2, 1);
    EXPECT_EQ(dest.pixel(3, 1), kBlue);
    EXPECT_EQ(dest.pixel(6, 1), colors::kBlack);
    // Changed in every way a picture changes: the next draw shows it.
    sprite.set_pixel(4, 0, kGreen);
    dest.draw_transparent(sprite, 2, 1);
    EXPECT_EQ(dest.pixel(6, 1), kGreen);
    sprite.scan_line(1)[15] = 0x12;
    dest.draw_transparent(sprite, 2, 1);
    EXPECT_EQ(dest.pixel(7, 2), Color::rgb(0x1200FF));
    sprite.text(0, -3, "W", Font{FontFace::Gothic, 14, true, kGreen});
    auto check = [&](const Bitmap& s, Color ground) {
        Model expected(filled(10, 5, ground));
        expected.transparent(Model(s), 0, 0, 6, 3, 2, 1);
        dest.fill_rect(0, 0, 10, 5, ground);
        dest.draw_transparent(s, 2, 1);
        return Same(dest, expected);
    };
    EXPECT_TRUE(check(sprite, colors::kBlack));
    // A new lower-left pixel is a new transparent colour.
    sprite.set_pixel(0, 2, kBlue);
    EXPECT_TRUE(check(sprite, colors::kWhite));
    EXPECT_EQ(dest.pixel(2, 3), colors::kWhite);  // blue is the key now
    // A copy of a sprite, changed, leaves the sprite as it was.
    Bitmap other = sprite;
    other.fill_rect(0, 0, 6, 2, kGreen);
    EXPECT_TRUE(check(sprite, colors::kWhite));
    EXPECT_TRUE(check(other, colors::kWhite));
    EXPECT_EQ(dest.pixel(2, 1), kGreen);
    EXPECT_TRUE(check(sprite, colors::kWhite));
}

TEST(Bitmap, AnOverlayClearedAndDrawnOnEveryFrameCombinesAsAPlainOne) {
    Bitmap overlay(64, 48);
    Bitmap frame = filled(64, 48, Color::rgb(0x102030));
    const Font font{FontFace::Gothic, 12, true, Color::rgb(0x606060)};
    for (int f = 0; f < 6; ++f) {
        overlay.fill_rect(-1, -1, 65, 49, colors::kBlack);
        // Nothing left of the last frame's drawing.
        ASSERT_TRUE(Same(overlay, Model(Bitmap(64, 48)))) << f;
        if (f % 3 != 2) overlay.text(f * 9 - 4, f * 7 - 3, "GUARD", font);
        if (f == 1) overlay.scan_line(40)[63 * 3] = 0x0F;
        if (f == 4) overlay.set_pixel(0, 47, colors::kWhite);
        Model expected(frame);
        expected.combine(Model(overlay), 0, 0, 64, 48);
        frame.or_combine(overlay, 0, 0, 64, 48);
        ASSERT_TRUE(Same(frame, expected)) << f;
    }
    // Cleared in red (the adventurer fell), the whole frame takes it.
    overlay.fill_rect(-1, -1, 65, 49, colors::kRed);
    frame.or_combine(overlay, 0, 0, 64, 48);
    EXPECT_EQ(frame.pixel(63, 0).r, 0xFF);
    // Cleared in part only: the rest stays.
    Bitmap part(8, 8);
    part.fill_rect(2, 2, 6, 6, kBlue);
    part.fill_rect(0, 0, 4, 8, colors::kBlack);
    EXPECT_EQ(part.pixel(5, 5), kBlue);
    EXPECT_EQ(part.pixel(3, 3), colors::kBlack);
    part.fill_rect(0, 0, 8, 4, colors::kBlack);
    EXPECT_EQ(part.pixel(5, 5), kBlue);
    EXPECT_EQ(part.pixel(5, 3), colors::kBlack);
}

// Text blended the way it always was: the whole run rendered with margins, then every pixel
// mixed by its coverage.
void model_text(Model& m, int x, int y, const std::string& utf8, const Font& font) {
    const QFont& qfont = cached_qfont(font);
    const QFontMetrics& metrics = cached_metrics(font);
    const QString text = QString::fromStdString(utf8);
    const int advance = metrics.horizontalAdvance(text);
    const int margin = metrics.height() / 2 + 2;
    QImage argb(std::max(1, advance + 2 * margin), std::max(1, metrics.height() + 2),
                QImage::Format_ARGB32_Premultiplied);
    argb.fill(Qt::transparent);
    {
        QPainter p(&argb);
        p.setFont(qfont);
        p.setPen(Qt::white);
        p.drawText(margin, metrics.ascent(), text);
    }
    const QImage mask = argb.convertToFormat(QImage::Format_Alpha8);
    const Color c = font.color;
    for (int my = 0; my < mask.height(); ++my) {
        for (int mx = 0; mx < mask.width(); ++mx) {
            const int px = x - margin + mx, py = y + my;
            const unsigned a = mask.constScanLine(my)[mx];
            if (a == 0 || !m.inside(px, py)) continue;
            Color& d = m.at(px, py);
            const auto mix = [a](unsigned s, unsigned t) {
                return static_cast<uint8_t>((s * a + t * (255 - a) + 127) / 255);
            };
            d = Color{mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b)};
        }
    }
}

TEST(Bitmap, TextMatchesCoverageBlendedPixelByPixelAtEveryEdge) {
    const std::string texts[] = {"得点 123", "W", "しすみのターン", "iiii  ", "   ", "Mj|gy_", "▼"};
    Dice dice{7};
    for (const std::string& t : texts) {
        for (int size : {6, 12, 17, 24}) {
            for (bool bold : {false, true}) {
                const Font font{size % 2 ? FontFace::Gothic : FontFace::PGothic, size, bold,
                                dice.color()};
                const int width = Bitmap::text_width(t, font), height = Bitmap::text_height(font);
                for (int w : {1, 3, 40}) {
                    const int h = w == 40 ? 30 : w;
                    // Places past every edge of the picture and well inside it.
                    for (int x : {-width - 5, -width / 2, -3, 0, 2, w - width / 2, w - 1, w + 4}) {
                        for (int y : {-height - 2, -height / 2, 0, 3, h - height / 2, h - 1}) {
                            Bitmap b = filled(w, h, Color::rgb(0x3060C0));
                            b.set_pixel(0, 0, colors::kWhite);
                            Model m(b);
                            EXPECT_EQ(b.text(x, y, t, font), width);
                            model_text(m, x, y, t, font);
                            ASSERT_TRUE(Same(b, m)) << t << " " << size << " " << bold << " at "
                                                    << x << "," << y << " on " << w << "x" << h;
                        }
                    }
                }
            }
        }
    }
    Bitmap none;
    EXPECT_EQ(none.text(0, 0, "abc", Font{}), Bitmap::text_width("abc", Font{}));
    EXPECT_TRUE(none.empty());
    Bitmap one = filled(1, 1, kBlue);
    EXPECT_EQ(one.text(0, 0, "", Font{}), 0);
    EXPECT_EQ(one.pixel(0, 0), kBlue);
}

// Ellipses as Qt draws them on the picture itself.
QImage qt_ellipse(const Bitmap& b, int x1, int y1, int x2, int y2, Color pen, const Color* brush,
                  int pen_width) {
    QImage image = b.qimage().copy();
    QPainter p(&image);
    p.setPen(QPen(QColor(pen.r, pen.g, pen.b), std::max(1, pen_width)));
    if (brush) {
        p.setBrush(QColor(brush->r, brush->g, brush->b));
    } else {
        p.setBrush(Qt::NoBrush);
    }
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    return image;
}

TEST(Bitmap, EllipsesMatchQtsAtEverySizeAndPlace) {
    const Color pen = Color::rgb(0xFF8000), brush = Color::rgb(0x0000C0);
    for (int w = 1; w <= 26; ++w) {
        for (int h = 1; h <= 26; ++h) {
            // Inside, against every edge, across every edge; drawn twice over.
            for (auto [x, y] : {std::pair{3, 2},
                                {0, 0},
                                {30 - w, 24 - h},
                                {-2, 5},
                                {5, -3},
                                {31 - w, 3},
                                {2, 25 - h},
                                {3, 2}}) {
                for (int pen_width : {0, 1, 2}) {
                    Bitmap b = filled(30, 24, Color::rgb(0x203040));
                    const QImage filled_by_qt =
                        qt_ellipse(b, x, y, x + w, y + h, pen, &brush, pen_width);
                    b.ellipse(x, y, x + w, y + h, pen, brush, pen_width);
                    ASSERT_EQ(b.qimage(), filled_by_qt)
                        << w << "x" << h << " at " << x << "," << y << " pen " << pen_width;
                    const QImage outlined_by_qt =
                        qt_ellipse(b, y, x, y + h, x + w, brush, nullptr, pen_width);
                    b.ellipse_outline(y, x, y + h, x + w, brush, pen_width);
                    ASSERT_EQ(b.qimage(), outlined_by_qt)
                        << h << "x" << w << " at " << y << "," << x << " pen " << pen_width;
                }
            }
        }
    }
    // Large ones, and ones on one-pixel and empty pictures.
    Bitmap big = filled(300, 300, kGreen);
    const QImage big_by_qt = qt_ellipse(big, 5, 7, 295, 260, pen, &brush, 1);
    big.ellipse(5, 7, 295, 260, pen, brush);
    EXPECT_EQ(big.qimage(), big_by_qt);
    Bitmap one = filled(1, 1, kGreen);
    const QImage one_by_qt = qt_ellipse(one, -3, -3, 4, 4, pen, &brush, 1);
    one.ellipse(-3, -3, 4, 4, pen, brush);
    EXPECT_EQ(one.qimage(), one_by_qt);
    Bitmap none;
    none.ellipse(0, 0, 5, 5, pen, brush);
    none.ellipse_outline(0, 0, 5, 5, pen);
    EXPECT_TRUE(none.empty());
}

TEST(Bitmap, CopiesKeepTheirPixelsWhenEitherIsDrawnOn) {
    Bitmap a = filled(12, 8, kBlue);
    Bitmap b = a;
    b.fill_rect(0, 0, 6, 8, kGreen);
    a.text(0, 0, "漢", Font{FontFace::Gothic, 12, true, colors::kWhite});
    EXPECT_NE(a.pixel(5, 5), kBlue);
    EXPECT_EQ(b.pixel(0, 0), kGreen);
    EXPECT_EQ(b.pixel(11, 7), kBlue);
    Bitmap c = b;
    c.copy_rect(1, 0, 12, 8, c, 0, 0);  // onto itself
    EXPECT_EQ(b.pixel(6, 0), kBlue);
    EXPECT_EQ(c.pixel(6, 0), kGreen);
    Bitmap d = c;
    d.or_combine(a, 0, 0, 12, 8);
    d.draw_transparent(a, 1, 1);
    d.ellipse(0, 0, 6, 6, colors::kWhite, colors::kWhite);
    EXPECT_EQ(c.pixel(6, 0), kGreen);
    EXPECT_EQ(c.pixel(3, 3), kGreen);
    Bitmap moved = std::move(d);
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(moved.pixel(3, 3), colors::kWhite);
}

TEST(Bitmap, LoadsBmpAndJpegAndRefusesDamagedFiles) {
    TempFolder folder;
    Bitmap original = filled(7, 5, kBlue);
    original.set_pixel(0, 4, kKey);
    write_bmp(folder.path() / "a.bmp", original);
    Bitmap loaded;
    ASSERT_TRUE(loaded.load(folder.path() / "a.bmp"));
    EXPECT_EQ(loaded.width(), 7);
    EXPECT_EQ(loaded.height(), 5);
    EXPECT_EQ(loaded.pixel(3, 3), kBlue);
    EXPECT_EQ(loaded.transparent_color(), kKey);

    Bitmap jpeg;
    ASSERT_TRUE(jpeg.load(QUILLMOOR_TEST_DATA "/tiny.jpg"));
    EXPECT_EQ(jpeg.width(), 16);
    EXPECT_EQ(jpeg.height(), 8);
    Color left = jpeg.pixel(2, 4), right = jpeg.pixel(13, 4);
    EXPECT_GT(left.b, 200);
    EXPECT_LT(left.r, 80);
    EXPECT_GT(right.r, 200);
    EXPECT_LT(right.b, 80);

    // Damaged, empty, truncated and foreign files leave the picture as it was.
    std::string bmp_bytes;
    {
        std::ifstream in(folder.path() / "a.bmp", std::ios::binary);
        bmp_bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string jpeg_bytes;
    {
        std::ifstream in(QUILLMOOR_TEST_DATA "/tiny.jpg", std::ios::binary);
        jpeg_bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string damaged[] = {
        "",
        "BM",
        bmp_bytes.substr(0, 30),
        jpeg_bytes.substr(0, jpeg_bytes.size() / 3),
        std::string("\xFF\xD8\xFF\xE0", 4) + std::string(200, '\x17'),
        "GIF89a not a picture of ours",
        std::string(5000, '\0'),
    };
    for (size_t i = 0; i < std::size(damaged); ++i) {
        auto path = folder.path() / ("bad" + std::to_string(i) + ".bmp");
        std::ofstream(path, std::ios::binary) << damaged[i];
        Bitmap keep = filled(3, 3, kGreen);
        EXPECT_FALSE(keep.load(path)) << i;
        EXPECT_EQ(keep.width(), 3) << i;
        EXPECT_EQ(keep.pixel(1, 1), kGreen) << i;
    }
    EXPECT_FALSE(loaded.load(folder.path() / "missing.bmp"));
    EXPECT_EQ(loaded.width(), 7);
}

TEST(JpegReader, RejectsTruncatedData) {
    std::ifstream in(QUILLMOOR_TEST_DATA "/tiny.jpg", std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    ASSERT_TRUE(decode_jpeg(bytes));
    for (size_t cut : {size_t{2}, size_t{20}, bytes.size() / 2}) {
        EXPECT_FALSE(decode_jpeg(std::string_view(bytes).substr(0, cut))) << cut;
    }
}

}  // namespace
}  // namespace quill::platform
