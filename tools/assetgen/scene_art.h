// The full-screen scenes: the places of the free walk, the chest, the sickness, the inn and the
// shop, the rare creatures and the island's named characters.  Every scene is a 640 x 480
// background; a battle darkens its left and right edges and draws the adventurer on the right,
// so the subject of each scene stands in the bright middle, around x = 240, on the ground at
// y = 330, with calm ground below it for the status display.
#pragma once

#include "adventurer.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <functional>
#include <vector>

namespace quill::assetgen::scene {

// The ink line, cloth and metal shading and limb shapes are the adventurer's, so the
// characters of a battle are drawn by the same hand.
using adventurer::bezierAt;
using adventurer::capsule;
using adventurer::ink;
using adventurer::kInk;
using adventurer::limb;
using adventurer::lit;
using adventurer::shiny;
using adventurer::strokeLine;
using adventurer::taper;

inline constexpr int kW = 640;
inline constexpr int kH = 480;
// Where the subject of a scene stands: the bright middle of the battle screen.
inline constexpr double kStageX = 240;
inline constexpr double kGroundY = 330;

QPointF lerp(QPointF a, QPointF b, double t);
// One outline around every piece of a path, overlaps filled (ellipses added together, say).
QPainterPath solid(QPainterPath path);

// ---------------------------------------------------------------- outdoor backdrops

// One range of hills or mountains on the horizon; the ridge line is noise, `jag` turns soft
// hills (0) into sharp peaks (1).  Ranges are listed far to near.
struct Ridge {
    double baseY;
    double height;
    double wavelength;
    double jag;
    QRgb colour;
    QRgb haze;  // the colour the range fades into at its foot
    uint32_t seed;
};

struct Outdoor {
    // sky, top to horizon
    QRgb skyTop = qRgb(70, 130, 220);
    QRgb skyMid = qRgb(130, 190, 240);
    QRgb skyLow = qRgb(220, 236, 246);
    double horizon = 250;
    // sun or moon and its glow
    QPointF sun{90, 60};
    double sunRadius = 0;
    QRgb sunColour = qRgb(255, 250, 220);
    QRgb glowColour = qRgb(255, 240, 200);
    double glow = 0;
    // clouds: amount 0..1, lit and shaded colours
    double clouds = 0;
    QRgb cloudLight = qRgb(255, 255, 255);
    QRgb cloudDark = qRgb(170, 190, 220);
    int stars = 0;
    std::vector<Ridge> ridges;
    // the sea between the horizon and the shore; the shore line may slope across the picture
    bool sea = false;
    QRgb seaFar = qRgb(60, 130, 190);
    QRgb seaNear = qRgb(40, 160, 190);
    double shoreY = 300;
    double shoreSlope = 0;
    QRgb foam = qRgb(240, 250, 255);
    QRgb sand = qRgb(236, 220, 170);
    double sandWidth = 0;  // a beach below the shore line
    // the ground with a texture that recedes in perspective
    QRgb groundFar = qRgb(120, 170, 90);
    QRgb groundNear = qRgb(80, 140, 60);
    QRgb groundSpeck = qRgb(150, 200, 110);
    double texture = 0.5;
    // a path winding from the viewer to the horizon (width 0: none)
    double pathWidth = 0;
    QRgb pathColour = qRgb(210, 190, 140);
    double pathBend = 0;
    double pathX = 250;  // where it leaves the bottom edge
    uint32_t seed = 1;

    // Settings that go together, for short scene descriptions.
    Outdoor& setSky(QRgb top, QRgb mid, QRgb low, double horizonY);
    Outdoor& setSun(QPointF at, double radius, double glowAmount);
    Outdoor& setClouds(double amount, QRgb light, QRgb dark);
    Outdoor& setGround(QRgb far, QRgb near, QRgb speck);
    Outdoor& setPath(double width, QRgb colour, double x, double bend);
};

QImage paintOutdoor(const Outdoor& o);

// Interiors: a back wall of planks, stone or metal panels, a floor in perspective and a warm
// pool of light from a lamp.
enum class Wall { Planks, Stone, Panels };
struct Room {
    Wall wall = Wall::Planks;
    QColor wallColour{150, 100, 60};
    QColor floorColour{120, 80, 50};
    QColor beam{90, 56, 34};
    double floorY = 300;
    QPointF lamp{240, 110};
    QColor lampColour{255, 190, 110};
    double lampStrength = 0.6;
    uint32_t seed = 1;
};

QImage paintRoom(const Room& r);

// A cavern: rough rock on every side, a floor of packed earth and a shaft of light.
struct Cave {
    QRgb rock = qRgb(90, 76, 66);
    QRgb rockDark = qRgb(30, 24, 24);
    QRgb floor = qRgb(96, 80, 60);
    QColor light{255, 230, 170};
    QPointF lightTop{250, 0};
    uint32_t seed = 1;
};

QImage paintCave(const Cave& c);

// A full-size picture of weathered rock, lit from the upper left, to fill cliffs and faces
// of stone through a clip path.
QImage rockTexture(QRgb light, QRgb dark, uint32_t seed);

// ---------------------------------------------------------------- atmosphere

// Drifting fog between two heights.
void addMist(QImage& img, QRgb colour, double amount, double fromY, double toY, uint32_t seed);
// Darkens the edges of the picture.
void vignette(QImage& img, double strength, QRgb colour = qRgb(0, 0, 0));
// Moves every pixel towards a colour (a fever's wash, a strange sky's cast).
void tint(QImage& img, QRgb colour, double amount);
// Twists the picture around a point, strongest in the middle (a fever's dizziness).
void swirl(QImage& img, QPointF centre, double radius, double turnDeg);
// A shape that shines: a soft glow round it, then its bright core painted over the glow.
void glowingShape(QImage& img, const QPainterPath& shape, const QBrush& core, const QColor& glow,
                  int radius);
// Soft light added around a point.
void lightPool(QImage& img, QPointF centre, double radius, const QColor& colour);
// Rays fanning out from a point.
void lightRays(QImage& img, QPointF from, int rays, double length, double spreadDeg,
               double directionDeg, const QColor& colour, uint32_t seed);
// Falling rain in a rectangle.
void rain(QImage& img, const QRectF& area, int drops, const QColor& colour, uint32_t seed);
// Small glowing specks (fireflies, spores, embers, dust in the light).
void motes(QImage& img, const QRectF& area, int count, const QColor& colour, double size,
           uint32_t seed);

// ---------------------------------------------------------------- scenery

enum class TreeKind { Broad, Pine, Palm, Twisted, Dead, Bamboo };
void drawTree(QPainter& p, QPointF base, double height, const QColor& leaf, const QColor& bark,
              TreeKind kind, uint32_t seed);
void drawBoulder(QPainter& p, QPointF base, double w, double h, const QColor& rock, uint32_t seed);
void drawGrass(QPainter& p, const QRectF& area, int tufts, const QColor& grass, uint32_t seed);
void drawFlowers(QPainter& p, const QRectF& area, int count, std::initializer_list<QColor> colours,
                 uint32_t seed);
// A fluted stone column; a broken one ends in a jagged top.
void drawPillar(QPainter& p, QPointF base, double h, double w, const QColor& stone, bool broken);
void drawCrystal(QPainter& p, QPointF base, double h, double w, double leanDeg, const QColor& c);
void drawMushroom(QPainter& p, QPointF base, double h, const QColor& cap, bool glowing);
void drawCloud(QPainter& p, QPointF centre, double w, double h, const QColor& light,
               const QColor& dark, uint32_t seed);
// Fills a puffy cloud shape: lit on top, shaded underneath.
void fillCloud(QPainter& p, const QPainterPath& shape, const QColor& light, const QColor& dark,
               double outline = 1.0);
void groundShadow(QPainter& p, QPointF centre, double rx, double ry, int alpha = 90);
void sparkle(QPainter& p, QPointF c, double size, const QColor& colour);
// Sparkles of random sizes strewn over an area.
void sparkles(QPainter& p, const QRectF& area, int count, double minSize, double maxSize,
              const QColor& colour, uint32_t seed);
// Birds far off: a little curved "v" at each point.
void birds(QPainter& p, std::initializer_list<QPointF> where, const QColor& colour, double span,
           double width = 2.0);

// ---------------------------------------------------------------- figures

// Characters are drawn in their own frame: x across, y down, the soles at y = 0 and the top
// of the head near y = -285 for a figure of ordinary size.  placeFigure() sets that frame up.
void placeFigure(QPainter& p, QPointF feet, double scale, bool mirrored = false);

enum class HairStyle { Short, Spiky, Long, Bob, Old, Wild };
enum class Eyes { Bright, Stern, Happy, Sly };
enum class Mouth { Smile, Grin, Flat, Frown, Open, None };
enum class Lower { Trousers, Skirt, Robe };

struct Face {
    QColor iris{80, 120, 200};
    Eyes eyes = Eyes::Bright;
    Mouth mouth = Mouth::Smile;
    double brow = 0;  // > 0 frowning, < 0 worried
    bool female = false;
    bool blush = false;
    bool beard = false;
    bool moustache = false;
    bool glasses = false;
    bool nose = true;
};

struct Person {
    double build = 1.0;   // broader shoulders and limbs above 1
    double height = 1.0;  // longer legs and body above 1, the head stays
    QColor skin{250, 214, 182};
    QColor hair{90, 60, 40};
    HairStyle hairStyle = HairStyle::Short;
    Face face;
    QColor shirt{80, 120, 190};
    QColor trim{240, 200, 90};
    QColor belt{110, 70, 40};
    Lower lower = Lower::Trousers;
    QColor lowerColour{70, 70, 100};
    QColor boots{110, 70, 40};
    QColor coat;           // invalid: no coat
    double coatHem = -40;  // how far the coat reaches down
    QColor sleeve;         // invalid: the coat's or the shirt's colour
    QColor glove;          // invalid: bare hands
    // hands and elbows, 0 on the viewer's left, 1 on the right
    QPointF hand[2]{{-44, -104}, {44, -104}};
    QPointF elbow[2]{{-40, -150}, {40, -150}};
    bool fist[2]{false, false};

    // Where the elbows and hands are, the viewer's left arm first.
    Person& pose(QPointF leftElbow, QPointF leftHand, QPointF rightElbow, QPointF rightHand);
};

// Joint positions that follow from the build and height.
QPointF headCentre(const Person& m);
QPointF shoulder(const Person& m, int side);
double waistY(const Person& m);

void drawBackHair(QPainter& p, const Person& m);
void drawLegs(QPainter& p, const Person& m);
void drawBody(QPainter& p, const Person& m);
void drawArm(QPainter& p, const Person& m, int side);
void drawHand(QPainter& p, const Person& m, int side, double angleDeg = 0);
void drawHead(QPainter& p, const Person& m);
// The whole figure in the usual order: back hair, legs, body, both arms, head.
void drawPerson(QPainter& p, const Person& m);

// Eyes and a mouth in a face of radius r around c (used for creatures too).
void drawFace(QPainter& p, QPointF c, double r, const Face& f);

// Wings: feathered (angels, the knight of light), or a moth's with eye spots.
void featherWing(QPainter& p, QPointF root, double span, int dir, const QColor& colour,
                 double liftDeg = 0);
void mothWing(QPainter& p, QPointF root, double span, int dir, const QColor& colour,
              const QColor& spot);
// A soft glowing halo behind a figure, painted straight into the picture.
void aura(QImage& img, QPointF centre, double rx, double ry, const QColor& colour);

// ---------------------------------------------------------------- the scene groups

// Paints pictures side by side on worker threads and returns them in the order given.  Every
// picture depends only on its own seeds, so the files are the same however the work is shared.
std::vector<Picture> paintAll(const std::vector<std::function<Picture()>>& painters);

std::vector<Picture> drawFieldScenes();
std::vector<Picture> drawCreatureScenes();
std::vector<Picture> drawCharacterScenes();
std::vector<Picture> drawSpiritScenes();

}  // namespace quill::assetgen::scene
