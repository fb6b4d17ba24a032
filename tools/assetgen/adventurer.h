// The adventurer pictures (char0.bmp ... char9f.bmp): ten race-and-sex forms, each drawn in
// seven equipment bands.  One figure is assembled from parts; the parts read everything they
// need from a Look (which form, which band, where the joints are).
#pragma once

#include "assetgen.h"

#include <QLinearGradient>

namespace quill::assetgen::adventurer {

inline constexpr int kW = 237;
inline constexpr int kH = 417;

// Band 0 is the starting outfit (levels 0-9); bands 1..6 are the "a".."f" pictures.
inline constexpr int kBands = 7;

enum class Race { Human, Krvo, Demon, Beast, Masked };
enum class Arms { Sword, Katana, Staff, Spear, Axe };
enum class HairCut {
    Spiky,
    Ponytail,
    Hooded,
    HoodedLocks,
    SweptBack,
    Wavy,
    Shaggy,
    Fluffy,
    Topknot,
    Flowing
};
enum class Lower { Trousers, Skirt, Robe };

struct Palette {
    QColor skin;
    QColor hair;
    QColor eyes;
    QColor cloth;   // tunic, coat or robe
    QColor cloth2;  // trousers, skirt, under-robe
    QColor legs;    // tights under a skirt
    QColor leather;
    QColor cape;
    QColor metal;  // armour; each form keeps its own metal from band to band
    QColor trim;   // gold work
    QColor accent;
    QColor glow;  // magic light of the top bands
};

struct Form {
    Race race;
    bool female;
    Arms arms;
    bool shield;
    HairCut hair;
    Lower lower;
    bool coatTails;
    bool wideSleeves;
    Palette pal;
};

// Joint positions of the standing pose, which depend on the build (man or woman).
struct Body {
    double cx = 126;
    double shoulderHalf = 42;
    double waistHalf = 27;
    double hipHalf = 31;
    double shoulderY = 126;
    double waistY = 206;
    double hipY = 236;
    double hemY = 262;
    double kneeY = 322;
    double ankleY = 382;
    double soleY = 404;
    QPointF head{120, 70};
    QPointF frontShoulder, frontElbow, frontHand;
    QPointF rearShoulder, rearElbow, rearHand;
    QPointF frontHip, frontKnee, frontAnkle;
    QPointF rearHip, rearKnee, rearAnkle;
    double upperArm = 12, foreArm = 10, handR = 8;
    double thigh = 15, knee = 11, ankle = 8;
};

struct Look {
    const Form& form;
    Body body;
    int band;
    bool warrior() const {
        return form.race == Race::Human || form.race == Race::Demon || form.race == Race::Beast;
    }
};

Body bodyFor(bool female);
// Colour of the metal work: a form's own metal, richer and warmer in the top bands.
QColor metalOf(const Look& look);

// ---------------------------------------------------------------- shared drawing bits

extern const QColor kInk;

// Fills `path` with `brush` and strokes it with the ink line.
void ink(QPainter& p, const QPainterPath& path, const QBrush& brush, double width = 1.6);
// Cloth-like shading, light from the upper left.
QLinearGradient lit(const QRectF& r, const QColor& c);
// Polished metal: bright highlight, darker core.
QLinearGradient shiny(const QRectF& r, const QColor& c);
// The hull of two circles: arms, legs, fingers of horns.
QPainterPath capsule(QPointF a, double ra, QPointF b, double rb);
QPainterPath limb(QPointF a, double ra, QPointF b, double rb, QPointF c, double rc);
void strokeLine(QPainter& p, const QPainterPath& path, const QColor& c, double width);
QPointF bezierAt(QPointF a, QPointF b, QPointF c, QPointF d, double t);
// A shape along a cubic curve whose width runs from w0 at `a` to w1 at `d`: horns, locks, tails.
QPainterPath taper(QPointF a, QPointF b, QPointF c, QPointF d, double w0, double w1);

// ---------------------------------------------------------------- parts, back to front

void drawBackdrop(QPainter& p, const Look& look);  // wings, cape, halo, tail
void drawBackHair(QPainter& p, const Look& look);
void drawRearArm(QPainter& p, const Look& look);
void drawLegs(QPainter& p, const Look& look);
void drawTorso(QPainter& p, const Look& look);
void drawOffHand(QPainter& p, const Look& look);  // shield, or a spell in the open hand
void drawHead(QPainter& p, const Look& look);
void drawFrontArm(QPainter& p, const Look& look);
void drawWeapon(QPainter& p, const Look& look);
void drawWeaponHand(QPainter& p, const Look& look);
void drawSparkles(QPainter& p, const Look& look);

}  // namespace quill::assetgen::adventurer
