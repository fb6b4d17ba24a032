// Shared declarations for quillmoor-assetgen, the program that paints every picture in cg/.
//
// All pictures are drawn by our own code.  Everything is deterministic: randomness comes
// from the seeded generators below, never from the clock, so a build always produces
// byte-identical files.
#pragma once

#include <initializer_list>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

namespace quill::assetgen {

// Sprites are blitted by the game with the colour of their lower-left pixel as the
// transparent colour.  All our sprites use pure magenta for that.
inline constexpr QRgb kKeyColour = 0xFFFF00FF;

// ---------------------------------------------------------------- output pictures

enum class FileKind { Bmp, Jpeg };

struct Picture {
    QString name;  // file name inside cg/
    QImage image;
    FileKind kind = FileKind::Bmp;
};

bool writeBmp24(const QImage& image, const QString& path, QString* error);
bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error);

// ---------------------------------------------------------------- randomness

// PCG32: small, fast and fully determined by its seed.
class Rng {
  public:
    explicit Rng(uint64_t seed);
    uint32_t next();
    double uniform();                    // [0, 1)
    double range(double lo, double hi);  // [lo, hi)
    int below(int n);                    // [0, n)
    bool chance(double p) { return uniform() < p; }

  private:
    uint64_t state_;
    uint64_t inc_;
};

// Lattice value noise with smooth interpolation; results in [0, 1].
class ValueNoise {
  public:
    explicit ValueNoise(uint32_t seed) : seed_(seed) {}
    double at(double x, double y) const;
    double fbm(double x, double y, int octaves) const;

  private:
    uint32_t seed_;
};

// A smooth function sampled every `step` pixels and interpolated in between: much cheaper
// than evaluating layered noise at every pixel of a full-screen picture.
class CoarseField {
  public:
    template <class Fn>
    CoarseField(int w, int h, int step, Fn fn)
        : step_(step), cols_(w / step + 2), rows_(h / step + 2) {
        samples_.resize(static_cast<size_t>(cols_) * rows_);
        for (int j = 0; j < rows_; ++j) {
            for (int i = 0; i < cols_; ++i) {
                samples_[static_cast<size_t>(j) * cols_ + i] =
                    static_cast<float>(fn(double(i * step), double(j * step)));
            }
        }
    }
    double at(int x, int y) const {
        const int i = x / step_;
        const int j = y / step_;
        const double tx = double(x - i * step_) / step_;
        const double ty = double(y - j * step_) / step_;
        const float* r0 = samples_.data() + static_cast<size_t>(j) * cols_ + i;
        const float* r1 = r0 + cols_;
        const double top = r0[0] + (r0[1] - r0[0]) * tx;
        const double bottom = r1[0] + (r1[1] - r1[0]) * tx;
        return top + (bottom - top) * ty;
    }

  private:
    int step_;
    int cols_;
    int rows_;
    std::vector<float> samples_;
};

// ---------------------------------------------------------------- painting helpers

double clamp01(double v);
double smoothstep(double e0, double e1, double x);
QColor mixColour(const QColor& a, const QColor& b, double t);
QRgb mixRgb(QRgb a, QRgb b, double t);
QRgb scaleRgb(QRgb c, double f);
QColor shade(const QColor& c, double f);  // f < 1 darker, f > 1 lighter

QImage newOpaque(int w, int h, const QColor& fill);
QImage newLayer(int w, int h);  // transparent ARGB32 premultiplied

void beginPainter(QPainter& p, QImage& img, bool antialias = true);

// How the edge of a keyed sprite is finished.
enum class Edge {
    None,    // figure pixels touch the key colour directly
    Dark,    // one-pixel outline in a fixed dark colour
    Shaded,  // one-pixel outline in a darkened version of the neighbouring figure colour
};

// Turns a transparent layer into a keyed RGB sprite: alpha >= 128 becomes opaque figure,
// the rest becomes the key colour.  The figure never uses the exact key colour.
QImage keyedSprite(const QImage& layer, Edge edge = Edge::Shaded,
                   const QColor& dark = QColor(0x1c, 0x14, 0x28));

// Soft blur of a premultiplied ARGB layer (repeated box blur).
void blurLayer(QImage& layer, int radius, int passes = 3);

// Paints a soft glow of `path` onto `target` (added light when `additive`).
void paintGlow(QImage& target, const QPainterPath& path, const QColor& colour, int radius,
               bool additive = false);

// Fonts.  Japanese text uses IPA P Gothic; the big Latin lettering uses DejaVu Serif.
QFont jpFont(int pixelSize, bool bold = false);
QFont serifFont(int pixelSize, bool bold = true);
QFont sansFont(int pixelSize, bool bold = true);

// Path of `text` centred horizontally on `centre.x()`, with its visual middle at centre.y().
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre,
                         double letterSpacing = 0.0);

// Text with a dark outline (and optional drop shadow) for labels on busy backgrounds.
void drawOutlinedText(QPainter& p, const QString& text, const QFont& font, QPointF centre,
                      const QBrush& fill, const QColor& outline, double outlineWidth,
                      QPointF shadowOffset = QPointF(0, 0),
                      const QColor& shadow = QColor(0, 0, 0, 0));

// Bevelled panel: vertical gradient body, light top edge, dark border.
void drawPanel(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom,
               const QColor& border, double radius);

// Star polygon with `points` tips.
QPainterPath starPath(QPointF c, double outer, double inner, int points, double rotationDeg);
// A closed shape of straight edges through the points, in order.
QPainterPath polygonPath(std::initializer_list<QPointF> points);

// ---------------------------------------------------------------- scenery glyphs (map-sized)

void drawHouse(QPainter& p, QPointF baseCentre, double w, double h, const QColor& wall,
               const QColor& roof);
void drawRoundTree(QPainter& p, QPointF base, double r, const QColor& leaf);
void drawPineTree(QPainter& p, QPointF base, double h, const QColor& leaf);
void drawPeak(QPainter& p, QPointF base, double w, double h, const QColor& rock, bool snow);
void drawFlag(QPainter& p, QPointF foot, double h, const QColor& cloth);

// ---------------------------------------------------------------- the pictures

QImage drawTitle();
// The program's icon at size × size: the title's moonlit island and its quill in a rounded
// square, with a transparent corner.
QImage drawIcon(int size);
QImage drawCredit();
QImage drawIslandMap(bool afterTheChange);
std::vector<Picture> drawMapMarks();
QImage drawStarStrip(int frameSize, int frames);
// 00.bmp (640 x 480): the battle effects, 24 kinds of 8 frames in 40 x 40 cells.
QImage drawEffectSheet();
// char0.bmp ... char9f.bmp: the ten adventurer forms in all their level bands.
std::vector<Picture> drawAdventurers();
// pet0.bmp ... pet19.bmp: the creatures an adventurer can raise.
std::vector<Picture> drawPets();
QImage drawWispSpirit();
QImage drawFlameSpirit();
// The full-screen scenes of the walk, the battles and the island's characters (cg/*.bmp,
// 640 x 480): the chest, the sickness, the inn, the shop, the wilds, the rare creatures and
// the named characters.
std::vector<Picture> drawBattleScenes();
// pet_house.bmp (640 x 480): the hut where the keeper raises young creatures.
QImage drawPetHouse();

}  // namespace quill::assetgen
