// The adventurer: the ten forms the player picks from at creation, and how each one grows
// grander with level.  charN.bmp is both the creation preview and the battle picture for
// levels 0-9; charNa.bmp ... charNf.bmp are the later bands.  The game draws the figure at
// the right edge of a battle, so everyone faces left, towards the enemy.
#include "adventurer.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace quill::assetgen {

namespace adventurer {

const QColor kInk(40, 24, 38);

namespace {

// Forms are numbered race * 2 + sex, as the character record stores them.
const Form kForms[10] = {
    // 0: human man: brown spiky hair, blue tunic, red cape, sword and shield.
    {Race::Human,
     false,
     Arms::Sword,
     true,
     HairCut::Spiky,
     Lower::Trousers,
     false,
     false,
     {{250, 214, 182},
      {122, 70, 38},
      {56, 132, 220},
      {46, 106, 200},
      {86, 72, 104},
      {},
      {128, 80, 42},
      {200, 46, 58},
      {200, 210, 226},
      {242, 194, 66},
      {206, 46, 58},
      {150, 214, 255}}},
    // 1: human woman: golden ponytail, rose tunic over a white skirt, blue cape, sword.
    {Race::Human,
     true,
     Arms::Sword,
     false,
     HairCut::Ponytail,
     Lower::Skirt,
     false,
     false,
     {{252, 220, 194},
      {246, 204, 96},
      {58, 160, 116},
      {214, 62, 92},
      {248, 244, 236},
      {70, 60, 92},
      {150, 94, 52},
      {52, 92, 190},
      {206, 214, 232},
      {242, 194, 66},
      {80, 150, 240},
      {255, 224, 150}}},
    // 2, 3: the KRVO order: navy hooded coats with brass, goggles, a cog-and-eye crest.
    {Race::Krvo,
     false,
     Arms::Staff,
     false,
     HairCut::Hooded,
     Lower::Trousers,
     true,
     false,
     {{244, 210, 184},
      {44, 42, 58},
      {40, 196, 220},
      {38, 54, 104},
      {58, 54, 68},
      {},
      {96, 64, 44},
      {30, 96, 110},
      {214, 142, 72},
      {236, 178, 86},
      {70, 226, 242},
      {100, 240, 255}}},
    {Race::Krvo,
     true,
     Arms::Staff,
     false,
     HairCut::HoodedLocks,
     Lower::Skirt,
     true,
     false,
     {{250, 222, 200},
      {182, 192, 232},
      {40, 196, 220},
      {38, 54, 104},
      {58, 54, 68},
      {34, 32, 46},
      {96, 64, 44},
      {30, 96, 110},
      {214, 142, 72},
      {236, 178, 86},
      {70, 226, 242},
      {100, 240, 255}}},
    // 4, 5: demon folk: dusky skin, horns, pointed ears, bat wings and a spade tail.
    {Race::Demon,
     false,
     Arms::Spear,
     false,
     HairCut::SweptBack,
     Lower::Trousers,
     false,
     false,
     {{150, 128, 172},
      {222, 224, 240},
      {250, 64, 56},
      {128, 30, 46},
      {64, 52, 84},
      {},
      {84, 54, 60},
      {80, 40, 98},
      {114, 108, 138},
      {216, 170, 72},
      {232, 58, 62},
      {255, 96, 112}}},
    {Race::Demon,
     true,
     Arms::Staff,
     false,
     HairCut::Wavy,
     Lower::Skirt,
     false,
     false,
     {{170, 142, 186},
      {84, 48, 124},
      {255, 196, 60},
      {96, 38, 96},
      {150, 34, 68},
      {52, 40, 66},
      {84, 54, 60},
      {88, 38, 92},
      {116, 108, 140},
      {216, 170, 72},
      {206, 62, 124},
      {220, 130, 255}}},
    // 6, 7: beast folk: a grey wolf and a red fox, with ears, tails and fur trim.
    {Race::Beast,
     false,
     Arms::Axe,
     false,
     HairCut::Shaggy,
     Lower::Trousers,
     false,
     false,
     {{236, 196, 158},
      {168, 174, 190},
      {242, 178, 40},
      {68, 118, 72},
      {112, 86, 60},
      {},
      {122, 82, 46},
      {112, 66, 42},
      {190, 136, 84},
      {236, 186, 70},
      {242, 236, 220},
      {255, 204, 96}}},
    {Race::Beast,
     true,
     Arms::Spear,
     false,
     HairCut::Fluffy,
     Lower::Skirt,
     false,
     false,
     {{252, 222, 196},
      {234, 118, 46},
      {72, 168, 92},
      {246, 240, 228},
      {204, 52, 46},
      {64, 46, 42},
      {142, 92, 52},
      {206, 154, 86},
      {196, 142, 86},
      {236, 186, 70},
      {255, 250, 240},
      {255, 176, 86}}},
    // 8, 9: the masked ones: porcelain masks, long robes with wide sleeves.
    {Race::Masked,
     false,
     Arms::Katana,
     false,
     HairCut::Topknot,
     Lower::Robe,
     false,
     true,
     {{236, 222, 212},
      {40, 36, 54},
      {255, 84, 60},
      {88, 68, 146},
      {62, 52, 82},
      {},
      {74, 50, 50},
      {150, 32, 48},
      {88, 80, 102},
      {222, 172, 72},
      {222, 42, 52},
      {255, 120, 80}}},
    {Race::Masked,
     true,
     Arms::Staff,
     false,
     HairCut::Flowing,
     Lower::Robe,
     false,
     true,
     {{240, 228, 222},
      {50, 46, 84},
      {200, 170, 255},
      {230, 226, 242},
      {98, 72, 152},
      {},
      {80, 56, 70},
      {72, 50, 124},
      {120, 100, 150},
      {232, 190, 84},
      {98, 72, 152},
      {196, 164, 255}}},
};

const char* const kBandSuffix[kBands] = {"", "a", "b", "c", "d", "e", "f"};

QImage paintAdventurer(const Form& form, int band) {
    const Look look{form, bodyFor(form.female), band};
    QImage layer = newLayer(kW, kH);
    QPainter p;
    beginPainter(p, layer);
    drawBackdrop(p, look);
    drawBackHair(p, look);
    drawRearArm(p, look);
    drawLegs(p, look);
    drawTorso(p, look);
    drawOffHand(p, look);
    drawHead(p, look);
    drawFrontArm(p, look);
    drawWeapon(p, look);
    drawWeaponHand(p, look);
    drawSparkles(p, look);
    p.end();
    return keyedSprite(layer, Edge::Dark, kInk);
}

}  // namespace

Body bodyFor(bool female) {
    Body b;
    if (female) {
        b.shoulderHalf = 34;
        b.waistHalf = 22;
        b.hipHalf = 31;
        b.upperArm = 10;
        b.foreArm = 8.5;
        b.handR = 7;
        b.thigh = 14;
        b.knee = 9.5;
        b.ankle = 7;
    }
    const double cx = b.cx;
    const double sh = b.shoulderHalf;
    b.frontShoulder = QPointF(cx - sh + 9, b.shoulderY + 12);
    b.frontElbow = QPointF(cx - sh - 5, b.shoulderY + 66);
    b.frontHand = QPointF(cx - sh - 14, 236);
    b.rearShoulder = QPointF(cx + sh - 9, b.shoulderY + 12);
    b.rearElbow = QPointF(cx + sh + 5, b.shoulderY + 66);
    b.rearHand = QPointF(cx + sh + 7, 244);
    b.frontHip = QPointF(cx - 15, b.hipY);
    b.frontKnee = QPointF(cx - 21, b.kneeY);
    b.frontAnkle = QPointF(cx - 25, b.ankleY);
    b.rearHip = QPointF(cx + 15, b.hipY);
    b.rearKnee = QPointF(cx + 18, b.kneeY);
    b.rearAnkle = QPointF(cx + 22, b.ankleY);
    return b;
}

QColor metalOf(const Look& look) {
    const Palette& pal = look.form.pal;
    if (look.band >= 5) return mixColour(pal.metal, shade(pal.trim, 1.1), 0.22);
    return pal.metal;
}

void ink(QPainter& p, const QPainterPath& path, const QBrush& brush, double width) {
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

QLinearGradient lit(const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), QPointF(r.right(), r.top() + r.height() * 0.25));
    g.setColorAt(0.0, shade(c, 1.22));
    g.setColorAt(0.45, c);
    g.setColorAt(1.0, shade(c, 0.66));
    return g;
}

QLinearGradient shiny(const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), QPointF(r.right(), r.top() + r.height() * 0.2));
    g.setColorAt(0.0, shade(c, 1.5));
    g.setColorAt(0.3, shade(c, 1.12));
    g.setColorAt(0.55, c);
    g.setColorAt(0.56, shade(c, 0.78));
    g.setColorAt(1.0, shade(c, 0.58));
    return g;
}

QPainterPath capsule(QPointF a, double ra, QPointF b, double rb) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    QPainterPath path;
    if (len <= std::abs(ra - rb) + 0.01) {
        const double r = std::max(ra, rb);
        path.addEllipse(ra >= rb ? a : b, r, r);
        return path;
    }
    const double base = std::atan2(d.y(), d.x());
    const double phi = std::acos((ra - rb) / len);
    auto on = [](QPointF c, double r, double ang) {
        return c + QPointF(r * std::cos(ang), r * std::sin(ang));
    };
    auto box = [](QPointF c, double r) { return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r); };
    constexpr double kDeg = 180.0 / M_PI;
    path.moveTo(on(a, ra, base + phi));
    path.lineTo(on(b, rb, base + phi));
    path.arcTo(box(b, rb), -(base + phi) * kDeg, 2 * phi * kDeg);
    path.lineTo(on(a, ra, base - phi));
    path.arcTo(box(a, ra), -(base - phi) * kDeg, (2 * M_PI - 2 * phi) * kDeg);
    path.closeSubpath();
    return path;
}

QPainterPath limb(QPointF a, double ra, QPointF b, double rb, QPointF c, double rc) {
    return capsule(a, ra, b, rb).united(capsule(b, rb, c, rc)).simplified();
}

void strokeLine(QPainter& p, const QPainterPath& path, const QColor& c, double width) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPointF bezierAt(QPointF a, QPointF b, QPointF c, QPointF d, double t) {
    const double u = 1 - t;
    return a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t);
}

QPainterPath taper(QPointF a, QPointF b, QPointF c, QPointF d, double w0, double w1) {
    constexpr int kSteps = 20;
    std::vector<QPointF> left, right;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const QPointF dv = bezierAt(a, b, c, d, std::min(1.0, t + 0.02)) -
                           bezierAt(a, b, c, d, std::max(0.0, t - 0.02));
        const double l = std::max(1e-6, std::hypot(dv.x(), dv.y()));
        const QPointF n(-dv.y() / l, dv.x() / l);
        const double w = 0.5 * (w0 + (w1 - w0) * t);
        const QPointF pt = bezierAt(a, b, c, d, t);
        left.push_back(pt + n * w);
        right.push_back(pt - n * w);
    }
    QPainterPath path(left.front());
    for (size_t i = 1; i < left.size(); ++i) path.lineTo(left[i]);
    for (size_t i = right.size(); i-- > 0;) path.lineTo(right[i]);
    path.closeSubpath();
    return path;
}

}  // namespace adventurer

std::vector<Picture> drawAdventurers() {
    using namespace adventurer;
    std::vector<Picture> out;
    out.reserve(10 * kBands);
    for (int n = 0; n < 10; ++n) {
        for (int band = 0; band < kBands; ++band) {
            out.push_back({QStringLiteral("char%1%2.bmp").arg(n).arg(kBandSuffix[band]),
                           paintAdventurer(kForms[n], band), FileKind::Bmp});
        }
    }
    return out;
}

}  // namespace quill::assetgen
