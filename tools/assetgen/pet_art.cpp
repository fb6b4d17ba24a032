// The pets (pet0.bmp ... pet19.bmp): twenty young creatures an adventurer can raise on the
// island, each 140 x 140 on the key colour.
//
// One picture serves three places, so every pet is composed the same way:
//  - in battle the picture peeks in from the lower-right corner of the screen and only its
//    top-left 40 x 110 pixels show, so each pet keeps an eye and a telling feature (an ear,
//    a horn, a beak, a snout) in the left 40 columns and the top 110 rows;
//  - the ranking panel shows the top 100 rows, so the head sits high in the picture;
//  - the pet panel shows the whole picture, so the creature sits well inside the frame.
// Edges are hard (keyedSprite) with the same dark line the cat has always had.
#include "adventurer.h"
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace quill::assetgen {

namespace {

using adventurer::capsule;
using adventurer::taper;

constexpr int kSize = 140;
const QColor kLine(60, 34, 30);

// ---------------------------------------------------------------- shared drawing bits

void fillPath(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& line,
              double width) {
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(path);
}

QRadialGradient softBall(QPointF c, double r, const QColor& col) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0.0, shade(col, 1.25));
    g.setColorAt(0.6, col);
    g.setColorAt(1.0, shade(col, 0.7));
    return g;
}

void cuteEye(QPainter& p, QPointF c, double rx, double ry, const QColor& iris) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 30));
    p.drawEllipse(c, rx, ry);
    QLinearGradient g(QPointF(0, c.y() - ry), QPointF(0, c.y() + ry));
    g.setColorAt(0.0, shade(iris, 0.5));
    g.setColorAt(1.0, shade(iris, 1.25));
    p.setBrush(g);
    p.drawEllipse(c + QPointF(0, ry * 0.12), rx * 0.8, ry * 0.82);
    p.setBrush(QColor(20, 14, 24));
    p.drawEllipse(c + QPointF(0, ry * 0.15), rx * 0.38, ry * 0.5);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c + QPointF(-rx * 0.35, -ry * 0.38), rx * 0.34, ry * 0.3);
    p.drawEllipse(c + QPointF(rx * 0.35, ry * 0.4), rx * 0.16, ry * 0.14);
}

// A layer to paint one pet on; finish() turns it into the keyed picture.
class PetCanvas {
  public:
    PetCanvas() : layer_(newLayer(kSize, kSize)) { beginPainter(p, layer_); }
    // Shrinks the drawing by `scale` about `about` and moves it by `shift`, to keep a creature
    // clear of the frame's edges.
    void fit(double scale, QPointF about, QPointF shift = QPointF()) {
        p.translate(about + shift);
        p.scale(scale, scale);
        p.translate(-about);
    }
    QImage finish(const QColor& line = kLine) {
        p.end();
        return keyedSprite(layer_, Edge::Dark, line);
    }
    QPainter p;

  private:
    QImage layer_;
};

QPainterPath ellipse(QPointF c, double rx, double ry) {
    QPainterPath e;
    e.addEllipse(c, rx, ry);
    return e;
}

// An ellipse turned by `deg` about its centre (ears, fins, feet set at an angle).
QPainterPath tilted(QPointF c, double rx, double ry, double deg) {
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(deg);
    return t.map(ellipse(QPointF(0, 0), rx, ry));
}

// Overlapping pieces merged into one outline.
QPainterPath merged(QPainterPath path) {
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

// A round piece lit from the upper left, with the ink line.
void ball(QPainter& p, const QPainterPath& shape, const QColor& col, double width = 2.2,
          const QColor& line = kLine) {
    const QRectF b = shape.boundingRect();
    fillPath(p, shape, softBall(b.center(), std::max(b.width(), b.height()) / 2, col), line, width);
}

// Flat colour inside another shape (a belly on a body, a mask on a face), no line.
void patch(QPainter& p, const QPainterPath& shape, const QPainterPath& within,
           const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(shape.intersected(within));
}

// A tail or a limb drawn as a thick stroke with the ink line round it.
void inkedStroke(QPainter& p, const QPainterPath& path, const QColor& col, double width,
                 const QColor& line = kLine) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, width + 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(col, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void strokeOnly(QPainter& p, const QPainterPath& path, const QColor& col, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(col, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// A shiny black bead of an eye (birds, the hedgehog, the ghost).
void beadEye(QPainter& p, QPointF c, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 20, 30));
    p.drawEllipse(c, rx, ry);
    p.setBrush(QColor(70, 60, 90));
    p.drawEllipse(c + QPointF(0, ry * 0.45), rx * 0.6, ry * 0.35);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c + QPointF(-rx * 0.3, -ry * 0.35), rx * 0.38, ry * 0.32);
    p.drawEllipse(c + QPointF(rx * 0.35, ry * 0.3), rx * 0.16, ry * 0.14);
}

// A glowing eye without any soft glow: rings of ever lighter colour (the golem, the robot).
void glowEye(QPainter& p, QPointF c, double rx, double ry, const QColor& glow) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 20, 30));
    p.drawEllipse(c, rx + 1.6, ry + 1.6);
    p.setBrush(shade(glow, 0.75));
    p.drawEllipse(c, rx, ry);
    p.setBrush(glow);
    p.drawEllipse(c, rx * 0.72, ry * 0.72);
    p.setBrush(shade(glow, 1.6));
    p.drawEllipse(c + QPointF(-rx * 0.1, -ry * 0.1), rx * 0.38, ry * 0.38);
}

void cheeks(QPainter& p, QPointF left, QPointF right, double rx, double ry,
            const QColor& colour = QColor(255, 130, 130, 120)) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(left, rx, ry);
    p.drawEllipse(right, rx, ry);
}

// A little curved smile `w` wide, dipping `h`.
void smile(QPainter& p, QPointF c, double w, double h, double width = 1.8,
           const QColor& line = kLine) {
    QPainterPath m(c + QPointF(-w / 2, 0));
    m.quadTo(c + QPointF(0, h * 2), c + QPointF(w / 2, 0));
    strokeOnly(p, m, line, width);
}

// An open, happy mouth with a pink tongue.
void openMouth(QPainter& p, QPointF c, double w, double h, const QColor& line = kLine) {
    QPainterPath m(c + QPointF(-w / 2, 0));
    m.quadTo(c + QPointF(0, -h * 0.15), c + QPointF(w / 2, 0));
    m.cubicTo(c + QPointF(w * 0.45, h * 1.2), c + QPointF(-w * 0.45, h * 1.2),
              c + QPointF(-w / 2, 0));
    fillPath(p, m, QColor(120, 40, 50), line, 1.5);
    patch(p, ellipse(c + QPointF(0, h * 0.95), w * 0.3, h * 0.42), m, QColor(255, 130, 140));
}

// A smile with one small fang (the dragon, the bat).
void fangSmile(QPainter& p, QPointF c, double w, const QColor& line = kLine) {
    QPainterPath fang =
        polygonPath({c + QPointF(w * 0.12, w * 0.08), c + QPointF(w * 0.34, w * 0.02),
                     c + QPointF(w * 0.25, w * 0.3)});
    fillPath(p, fang, QColor(255, 255, 250), line, 1.0);
    smile(p, c, w, w * 0.12, 1.8, line);
}

// A soft-cornered blob through the corners of a jittered polygon: pebbles and stones.
QPainterPath pebble(QPointF c, double rx, double ry, uint32_t seed, double rough = 0.12) {
    Rng rng(seed);
    constexpr int kCorners = 9;
    QPointF pts[kCorners];
    for (int i = 0; i < kCorners; ++i) {
        const double a = 2 * M_PI * i / kCorners + rng.range(-0.15, 0.15);
        const double k = rng.range(1.0 - rough, 1.0 + rough * 0.4);
        pts[i] = c + QPointF(std::cos(a) * rx * k, std::sin(a) * ry * k);
    }
    auto mid = [](QPointF a, QPointF b) { return (a + b) / 2; };
    QPainterPath path(mid(pts[kCorners - 1], pts[0]));
    for (int i = 0; i < kCorners; ++i) path.quadTo(pts[i], mid(pts[i], pts[(i + 1) % kCorners]));
    path.closeSubpath();
    return path;
}

// A flame standing on `base`, `w` wide and `h` tall, its tip leaning `lean` pixels sideways.
QPainterPath flamePath(QPointF b, double w, double h, double lean) {
    auto at = [&](double x, double y, double leanPart) {
        return b + QPointF(x * w + lean * leanPart, -y * h);
    };
    QPainterPath f(b);
    f.cubicTo(at(-0.55, 0, 0), at(-0.6, 0.4, 0.2), at(-0.42, 0.74, 0.45));
    f.quadTo(at(-0.24, 0.52, 0.45), at(-0.1, 0.54, 0.5));
    f.cubicTo(at(-0.12, 0.76, 0.65), at(0, 0.88, 0.85), at(0, 1, 1));
    f.cubicTo(at(0.2, 0.82, 0.75), at(0.22, 0.64, 0.55), at(0.12, 0.5, 0.45));
    f.quadTo(at(0.3, 0.56, 0.45), at(0.44, 0.68, 0.45));
    f.cubicTo(at(0.64, 0.36, 0.2), at(0.55, 0, 0), b);
    f.closeSubpath();
    return f;
}

// Three nested flames: red outside, orange, a yellow heart.
void fire(QPainter& p, QPointF base, double w, double h, double lean) {
    fillPath(p, flamePath(base, w, h, lean), QColor(232, 70, 40), kLine, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 40));
    p.drawPath(flamePath(base + QPointF(0, -h * 0.04), w * 0.72, h * 0.78, lean * 0.75));
    p.setBrush(QColor(255, 236, 130));
    p.drawPath(flamePath(base + QPointF(0, -h * 0.06), w * 0.42, h * 0.5, lean * 0.45));
}

// A star with rounded tips.
QPainterPath roundStar(QPointF c, double outer, double inner, double rotationDeg) {
    QPainterPath star;
    const double rot = rotationDeg * M_PI / 180.0 - M_PI / 2;
    auto at = [&](double r, double a) { return c + QPointF(r * std::cos(a), r * std::sin(a)); };
    const double step = M_PI / 5;
    star.moveTo(at(inner, rot - step));
    for (int i = 0; i < 5; ++i) {
        const double a = rot + 2 * step * i;
        star.cubicTo(at(outer * 1.08, a - step * 0.28), at(outer * 1.08, a + step * 0.28),
                     at(inner, a + step));
    }
    star.closeSubpath();
    return star;
}

// A crystal prism standing on `base`, leaning `deg`, with a lit and a shaded face.
void crystal(QPainter& p, QPointF base, double w, double h, double deg, const QColor& c) {
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(deg);
    const QPainterPath body =
        t.map(polygonPath({QPointF(-w / 2, 4), QPointF(-w / 2, -h * 0.72), QPointF(0, -h),
                           QPointF(w / 2, -h * 0.72), QPointF(w / 2, 4)}));
    fillPath(p, body, shade(c, 0.9), kLine, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(c, 1.35));
    p.drawPath(t.map(polygonPath({QPointF(-w / 2 + 1.5, 3), QPointF(-w / 2 + 1.5, -h * 0.71),
                                  QPointF(0, -h + 2), QPointF(-w * 0.05, 3)})));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(t.map(polygonPath({QPointF(-w * 0.34, -h * 0.2), QPointF(-w * 0.34, -h * 0.62),
                                  QPointF(-w * 0.2, -h * 0.7), QPointF(-w * 0.2, -h * 0.28)})));
    p.setPen(QPen(shade(c, 0.55), 1.0));
    p.drawLine(t.map(QPointF(-w * 0.05, 3)), t.map(QPointF(0, -h + 2)));
}

// Small four-pointed glints around a creature.
void glint(QPainter& p, QPointF c, double size, const QColor& colour) {
    fillPath(p, starPath(c, size, size * 0.3, 4, 0), colour, kLine, 1.2);
}

// ---------------------------------------------------------------- 0: the fluffball cat

QImage drawPetCat() {
    const QColor fur(248, 190, 110);
    const QColor cream(255, 244, 226);
    const QColor pink(255, 150, 170);
    QImage layer = newLayer(kSize, kSize);
    QPainter p;
    beginPainter(p, layer);

    // tail curling up behind the body
    QPainterPath tail(QPointF(104, 118));
    tail.cubicTo(130, 116, 134, 84, 122, 70);
    tail.cubicTo(116, 62, 108, 66, 112, 74);
    p.setPen(QPen(kLine, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(QPen(fur, 11.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tail);
    p.setPen(QPen(cream, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(113, 73), QPointF(116, 70));

    // body
    QPainterPath body;
    body.addEllipse(QPointF(78, 102), 40, 31);
    fillPath(p, body, softBall(QPointF(78, 102), 40, fur), kLine, 2.2);
    QPainterPath belly;
    belly.addEllipse(QPointF(70, 108), 22, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawPath(belly.intersected(body));
    // front paws
    for (double x : {58.0, 84.0}) {
        QPainterPath paw;
        paw.addEllipse(QPointF(x, 128), 11, 7.5);
        fillPath(p, paw, softBall(QPointF(x, 128), 11, cream), kLine, 2.0);
        p.setPen(QPen(shade(cream, 0.7), 1.3));
        p.drawLine(QPointF(x - 3, 125), QPointF(x - 3, 131));
        p.drawLine(QPointF(x + 3, 125), QPointF(x + 3, 131));
    }

    // ears
    const QPointF head(54, 56);
    for (int side : {-1, 1}) {
        QPainterPath ear = polygonPath({{head + QPointF(side * 12, -28)},
                                        {head + QPointF(side * 34, -46)},
                                        {head + QPointF(side * 36, -10)}});
        fillPath(p, ear, softBall(head + QPointF(side * 28, -30), 16, fur), kLine, 2.2);
        QPainterPath inner = polygonPath({{head + QPointF(side * 17, -26)},
                                          {head + QPointF(side * 31, -38)},
                                          {head + QPointF(side * 32, -16)}});
        p.setPen(Qt::NoPen);
        p.setBrush(pink);
        p.drawPath(inner);
    }
    // head: a round, slightly wide face
    QPainterPath face;
    face.addEllipse(head, 40, 35);
    fillPath(p, face, softBall(head, 40, fur), kLine, 2.4);
    // forehead stripes
    p.setPen(QPen(shade(fur, 0.72), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head + QPointF(0, -33), head + QPointF(0, -24));
    p.drawLine(head + QPointF(-8, -32), head + QPointF(-6, -25));
    p.drawLine(head + QPointF(8, -32), head + QPointF(6, -25));
    // muzzle
    QPainterPath muzzle;
    muzzle.addEllipse(head + QPointF(0, 15), 17, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawPath(muzzle.intersected(face));
    // eyes
    cuteEye(p, head + QPointF(-16, 0), 8.5, 10.5, QColor(70, 170, 120));
    cuteEye(p, head + QPointF(16, 0), 8.5, 10.5, QColor(70, 170, 120));
    // nose and mouth
    QPainterPath nose =
        polygonPath({{head + QPointF(-4, 9)}, {head + QPointF(4, 9)}, {head + QPointF(0, 13.5)}});
    p.setPen(QPen(shade(pink, 0.6), 1.0));
    p.setBrush(pink);
    p.drawPath(nose);
    QPainterPath mouth(head + QPointF(-7, 16));
    mouth.quadTo(head + QPointF(-3.5, 20), head + QPointF(0, 14));
    mouth.quadTo(head + QPointF(3.5, 20), head + QPointF(7, 16));
    p.setPen(QPen(kLine, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    // whiskers
    p.setPen(QPen(kLine, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        p.drawLine(head + QPointF(side * 20, 11), head + QPointF(side * 37, 7));
        p.drawLine(head + QPointF(side * 20, 15), head + QPointF(side * 38, 16));
    }
    // cheeks
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 130, 120));
    p.drawEllipse(head + QPointF(-25, 12), 6, 3.5);
    p.drawEllipse(head + QPointF(25, 12), 6, 3.5);
    // collar and bell
    QPainterPath collar(head + QPointF(-22, 30));
    collar.quadTo(head + QPointF(0, 40), head + QPointF(22, 30));
    p.setPen(QPen(QColor(220, 50, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(collar);
    QPainterPath bell;
    bell.addEllipse(head + QPointF(0, 40), 5.5, 5.5);
    fillPath(p, bell, softBall(head + QPointF(0, 40), 5.5, QColor(250, 206, 60)), kLine, 1.4);
    p.setPen(QPen(kLine, 1.2));
    p.drawLine(head + QPointF(-3, 41), head + QPointF(3, 41));
    p.end();
    return keyedSprite(layer, Edge::Dark, kLine);
}

// ---------------------------------------------------------------- 1: the little dragon

QImage drawPetDragon() {
    const QColor scale(66, 174, 124);
    const QColor belly(252, 232, 150);
    const QColor wingSkin(250, 150, 112);
    const QColor horn(255, 226, 150);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.95, QPointF(69, 69));

    // the wing behind the body, raised high on the right
    QPainterPath wing(QPointF(82, 86));
    wing.cubicTo(QPointF(88, 60), QPointF(104, 36), QPointF(128, 20));
    wing.cubicTo(QPointF(131, 36), QPointF(135, 50), QPointF(134, 64));
    wing.quadTo(QPointF(126, 60), QPointF(120, 72));
    wing.quadTo(QPointF(110, 68), QPointF(104, 82));
    wing.quadTo(QPointF(94, 80), QPointF(82, 86));
    fillPath(p, wing, softBall(QPointF(112, 52), 34, wingSkin), kLine, 2.2);
    p.setPen(QPen(shade(scale, 0.75), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(86, 80), QPointF(120, 72));
    p.drawLine(QPointF(86, 80), QPointF(134, 64));
    QPainterPath bone(QPointF(84, 84));
    bone.cubicTo(QPointF(90, 60), QPointF(104, 38), QPointF(127, 22));
    strokeOnly(p, bone, shade(scale, 0.9), 4);

    // tail with a spade tip
    QPainterPath tail(QPointF(100, 118));
    tail.cubicTo(QPointF(126, 130), QPointF(138, 112), QPointF(128, 96));
    QPainterPath tip =
        polygonPath({QPointF(127, 82), QPointF(137, 96), QPointF(128, 104), QPointF(119, 95)});
    ball(p, tip, horn, 2.0);
    inkedStroke(p, tail, scale, 10);

    // body, belly scutes, arm and feet
    const QPainterPath body = ellipse(QPointF(76, 104), 32, 27);
    ball(p, body, scale);
    const QPainterPath bellyShape = ellipse(QPointF(70, 110), 19, 20);
    patch(p, bellyShape, body, belly);
    p.setPen(QPen(shade(belly, 0.75), 1.3));
    for (double y : {100.0, 108.0, 116.0, 124.0}) p.drawLine(QPointF(56, y), QPointF(84, y));
    // the back ridge
    for (int i = 0; i < 3; ++i) {
        const QPointF s(92 + i * 8, 82 + i * 7);
        ball(p, polygonPath({s + QPointF(-5, 1), s + QPointF(2, -9), s + QPointF(5, 3)}), horn,
             1.6);
    }
    for (double x : {58.0, 92.0}) {
        ball(p, ellipse(QPointF(x, 129), 11, 7), scale, 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(horn);
        for (int k = -1; k <= 1; ++k) p.drawEllipse(QPointF(x + k * 5, 133), 2.2, 1.8);
    }
    ball(p, capsule(QPointF(52, 96), 6, QPointF(46, 108), 5.5), scale, 2.0);

    // horns and ear fins behind the head
    const QPointF head(46, 52);
    for (int side : {-1, 1}) {
        const QPainterPath h =
            taper(head + QPointF(side * 13, -22), head + QPointF(side * 15, -34),
                  head + QPointF(side * 20, -42), head + QPointF(side * 26, -48), 10, 1.5);
        ball(p, h, horn, 2.0);
        const QPainterPath fin =
            polygonPath({head + QPointF(side * 28, -12), head + QPointF(side * 42, -22),
                         head + QPointF(side * 38, -8), head + QPointF(side * 44, 2),
                         head + QPointF(side * 30, 4)});
        ball(p, fin, wingSkin, 2.0);
    }
    const QPainterPath face = ellipse(head, 33, 29);
    ball(p, face, scale, 2.4);
    // freckles of darker scales on the brow
    p.setPen(Qt::NoPen);
    p.setBrush(shade(scale, 0.78));
    for (QPointF s : {QPointF(-4, -22), QPointF(4, -23), QPointF(0, -16)})
        p.drawEllipse(head + s, 3, 2.2);
    // snout
    const QPainterPath snout = ellipse(head + QPointF(0, 16), 19, 11);
    patch(p, snout, face, shade(scale, 1.4));
    p.setBrush(shade(scale, 0.45));
    p.drawEllipse(head + QPointF(-6, 12), 2, 1.5);
    p.drawEllipse(head + QPointF(6, 12), 2, 1.5);
    cuteEye(p, head + QPointF(-15, -2), 8, 10, QColor(240, 170, 40));
    cuteEye(p, head + QPointF(15, -2), 8, 10, QColor(240, 170, 40));
    fangSmile(p, head + QPointF(0, 19), 14);
    cheeks(p, head + QPointF(-24, 9), head + QPointF(24, 9), 5, 3);
    return c.finish();
}

// ---------------------------------------------------------------- 2: the slime

QImage drawPetSlime() {
    const QColor gel(96, 176, 250);
    const QColor line(26, 44, 100);
    PetCanvas c;
    QPainter& p = c.p;
    QPainterPath body(QPointF(14, 116));
    body.cubicTo(QPointF(4, 90), QPointF(22, 62), QPointF(46, 46));
    body.cubicTo(QPointF(56, 38), QPointF(58, 26), QPointF(50, 12));
    body.cubicTo(QPointF(74, 18), QPointF(84, 38), QPointF(98, 56));
    body.cubicTo(QPointF(120, 78), QPointF(134, 100), QPointF(124, 120));
    body.cubicTo(QPointF(116, 134), QPointF(22, 136), QPointF(14, 116));
    body.closeSubpath();
    QRadialGradient g(QPointF(46, 66), 90);
    g.setColorAt(0.0, shade(gel, 1.45));
    g.setColorAt(0.5, gel);
    g.setColorAt(1.0, shade(gel, 0.62));
    fillPath(p, body, g, line, 2.4);
    // the denser jelly pooling at the bottom and a bubble or two inside
    patch(p, ellipse(QPointF(70, 134), 62, 18), body, shade(gel, 0.8));
    p.setPen(QPen(shade(gel, 1.5), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(100, 98), 5, 5);
    p.drawEllipse(QPointF(108, 110), 3, 3);
    // shine
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(tilted(QPointF(30, 70), 5, 11, 35));
    p.drawEllipse(QPointF(40, 56), 3, 3);
    p.drawPath(tilted(QPointF(52, 26), 2.5, 6, 30));
    // face, looking a little left
    cuteEye(p, QPointF(30, 80), 8, 10.5, QColor(40, 90, 200));
    cuteEye(p, QPointF(58, 80), 8, 10.5, QColor(40, 90, 200));
    openMouth(p, QPointF(44, 94), 14, 8, line);
    cheeks(p, QPointF(18, 92), QPointF(70, 92), 5.5, 3.2, QColor(255, 140, 190, 130));
    return c.finish(line);
}

// ---------------------------------------------------------------- 3: the flame-tailed fox

QImage drawPetFox() {
    const QColor fur(228, 108, 52);
    const QColor white(255, 246, 236);
    const QColor sock(92, 52, 44);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.97, QPointF(71, 67));

    // the tail: fur at the root, fire at the end
    QPainterPath root(QPointF(96, 122));
    root.cubicTo(QPointF(116, 122), QPointF(124, 110), QPointF(122, 96));
    inkedStroke(p, root, fur, 16);
    fire(p, QPointF(120, 104), 34, 92, -6);

    // body and front legs
    const QPainterPath body = ellipse(QPointF(76, 104), 30, 26);
    ball(p, body, fur);
    for (double x : {40.0, 62.0}) {
        const QPainterPath leg = capsule(QPointF(x, 92), 7.5, QPointF(x, 124), 7);
        ball(p, leg, fur, 2.0);
        patch(p, ellipse(QPointF(x, 126), 9, 9), leg, sock);
    }
    // white bib under the chin
    const QPainterPath bib =
        polygonPath({QPointF(30, 80), QPointF(64, 80), QPointF(58, 94), QPointF(52, 88),
                     QPointF(47, 100), QPointF(42, 88), QPointF(36, 94)});
    ball(p, bib, white, 1.8);

    // ears
    const QPointF head(46, 56);
    for (int side : {-1, 1}) {
        const QPainterPath ear =
            polygonPath({head + QPointF(side * 30, -10), head + QPointF(side * 30, -52),
                         head + QPointF(side * 4, -26)});
        ball(p, ear, fur, 2.2);
        patch(p,
              polygonPath({head + QPointF(side * 26, -14), head + QPointF(side * 28, -43),
                           head + QPointF(side * 10, -25)}),
              ear, white);
        patch(p, ellipse(head + QPointF(side * 30, -52), 9, 11), ear, sock);
    }
    // a face with cheek tufts and a white lower half
    QPainterPath face(head + QPointF(-31, -4));
    face.cubicTo(head + QPointF(-30, -32), head + QPointF(30, -32), head + QPointF(31, -4));
    face.lineTo(head + QPointF(40, 14));
    face.lineTo(head + QPointF(27, 13));
    face.quadTo(head + QPointF(14, 30), head + QPointF(0, 30));
    face.quadTo(head + QPointF(-14, 30), head + QPointF(-27, 13));
    face.lineTo(head + QPointF(-40, 14));
    face.closeSubpath();
    ball(p, face, fur, 2.4);
    QPainterPath mask(head + QPointF(-42, 16));
    mask.quadTo(head + QPointF(-20, -4), head + QPointF(0, 6));
    mask.quadTo(head + QPointF(20, -4), head + QPointF(42, 16));
    mask.lineTo(head + QPointF(0, 40));
    mask.closeSubpath();
    patch(p, mask, face, white);
    // a brighter blaze on the brow
    patch(p, ellipse(head + QPointF(0, -24), 5, 8), face, QColor(255, 170, 80));
    cuteEye(p, head + QPointF(-14, -3), 7.5, 9.5, QColor(230, 150, 30));
    cuteEye(p, head + QPointF(14, -3), 7.5, 9.5, QColor(230, 150, 30));
    fillPath(p, ellipse(head + QPointF(0, 12), 4.5, 3.4), QColor(40, 26, 30), kLine, 1.0);
    QPainterPath mouth(head + QPointF(-6, 18));
    mouth.quadTo(head + QPointF(-3, 21), head + QPointF(0, 16));
    mouth.quadTo(head + QPointF(3, 21), head + QPointF(6, 18));
    strokeOnly(p, mouth, kLine, 1.7);
    cheeks(p, head + QPointF(-22, 10), head + QPointF(22, 10), 5, 3);
    return c.finish();
}

// ---------------------------------------------------------------- 4: the chick in its egg

QImage drawPetChick() {
    const QColor down(255, 214, 60);
    const QColor beak(255, 140, 40);
    const QColor shell(250, 246, 230);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(1.0, QPointF(), QPointF(4, -1));
    const QPointF body(54, 64);
    // the tuft
    for (int i = 0; i < 3; ++i) {
        const QPainterPath f =
            taper(body + QPointF(8 + i * 5, -38), body + QPointF(10 + i * 7, -48),
                  body + QPointF(16 + i * 9, -54), body + QPointF(24 + i * 8, -52), 8, 2);
        ball(p, f, down, 1.8);
    }
    ball(p, ellipse(body, 42, 40), down, 2.4);
    // the bottom half of the egg it hatched from
    QPainterPath egg(QPointF(8, 92));
    const double zig[] = {84, 96, 86, 98, 84, 96, 86, 98, 88};
    for (int i = 0; i < 9; ++i) egg.lineTo(QPointF(18 + i * 10.5, zig[i]));
    egg.lineTo(QPointF(108, 92));
    egg.cubicTo(QPointF(110, 124), QPointF(88, 136), QPointF(58, 136));
    egg.cubicTo(QPointF(28, 136), QPointF(6, 124), QPointF(8, 92));
    egg.closeSubpath();
    ball(p, egg, shell, 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 200, 230));
    for (QPointF s : {QPointF(30, 112), QPointF(74, 118), QPointF(90, 104), QPointF(50, 126)})
        p.drawEllipse(s, 4, 3);
    // the cap of the shell still on its head
    QPainterPath cap(QPointF(20, 34));
    cap.cubicTo(QPointF(18, 14), QPointF(44, 4), QPointF(58, 16));
    cap.lineTo(QPointF(52, 24));
    cap.lineTo(QPointF(46, 20));
    cap.lineTo(QPointF(40, 28));
    cap.lineTo(QPointF(34, 22));
    cap.lineTo(QPointF(28, 32));
    cap.closeSubpath();
    ball(p, cap, shell, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 200, 230));
    p.drawEllipse(QPointF(34, 14), 3, 2.4);
    // face
    beadEye(p, QPointF(29, 58), 6, 8);
    beadEye(p, QPointF(57, 58), 6, 8);
    QPainterPath upper = polygonPath({QPointF(35, 68), QPointF(51, 68), QPointF(43, 76)});
    QPainterPath lower = polygonPath({QPointF(37, 74), QPointF(49, 74), QPointF(43, 80)});
    ball(p, lower, shade(beak, 0.85), 1.5);
    ball(p, upper, beak, 1.5);
    cheeks(p, QPointF(21, 70), QPointF(67, 70), 6, 3.5, QColor(255, 130, 80, 140));
    // wings over the rim, the left one flapping
    ball(p, tilted(QPointF(12, 82), 8, 15, 40), down, 2.0);
    ball(p, tilted(QPointF(96, 84), 7, 13, -25), down, 2.0);
    return c.finish();
}

// ---------------------------------------------------------------- 5: the mossy turtle

QImage drawPetTurtle() {
    const QColor skin(150, 212, 164);
    const QColor shellCol(150, 104, 62);
    const QColor rim(226, 196, 130);
    const QColor moss(92, 160, 56);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.97, QPointF(71, 81));
    // back leg and tail
    ball(p, tilted(QPointF(112, 118), 11, 8, 10), skin, 2.0);
    ball(p, polygonPath({QPointF(122, 104), QPointF(133, 110), QPointF(122, 114)}), skin, 1.8);
    // the shell: a dome of plates with a pale rim
    QPainterPath dome(QPointF(38, 108));
    dome.cubicTo(QPointF(36, 50), QPointF(132, 48), QPointF(132, 108));
    dome.closeSubpath();
    ball(p, dome, shellCol, 2.4);
    p.setPen(QPen(shade(shellCol, 0.6), 1.8));
    p.setBrush(Qt::NoBrush);
    const QPainterPath plates = polygonPath(
        {QPointF(72, 98), QPointF(66, 80), QPointF(84, 70), QPointF(102, 80), QPointF(96, 98)});
    p.drawPath(plates.intersected(dome));
    for (auto [a, b] : {std::pair{QPointF(66, 80), QPointF(48, 78)},
                        std::pair{QPointF(102, 80), QPointF(122, 80)},
                        std::pair{QPointF(72, 98), QPointF(62, 106)},
                        std::pair{QPointF(96, 98), QPointF(106, 106)}})
        p.drawLine(a, b);
    ball(p, ellipse(QPointF(85, 108), 52, 9), rim, 2.2);
    // moss over the top, with a sprout and a flower
    QPainterPath cover;
    cover.addRect(QRectF(30, 30, 110, 48));
    for (int i = 0; i < 8; ++i)
        cover.addEllipse(QPointF(44 + i * 12, 78 + (i % 2) * 3), 6.5, 5 + (i % 3) * 2.5);
    QPainterPath mossy = merged(cover).intersected(dome);
    for (int i = 0; i < 8; ++i) {
        const QPointF on = adventurer::bezierAt(QPointF(38, 108), QPointF(36, 50), QPointF(132, 48),
                                                QPointF(132, 108), 0.2 + i * 0.085);
        mossy.addEllipse(on + QPointF(0, 2), 6 + (i % 2) * 1.5, 5.5);
    }
    mossy = merged(mossy);
    ball(p, mossy, moss, 2.0);
    p.setPen(QPen(shade(moss, 1.35), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (QPointF t : {QPointF(60, 64), QPointF(76, 58), QPointF(100, 60), QPointF(116, 72)})
        p.drawLine(t, t + QPointF(3, -3));
    QPainterPath stem(QPointF(74, 56));
    stem.quadTo(QPointF(72, 44), QPointF(78, 36));
    strokeOnly(p, stem, kLine, 4.5);
    strokeOnly(p, stem, moss, 2);
    ball(p, tilted(QPointF(70, 38), 7, 3.5, 30), shade(moss, 1.25), 1.6);
    ball(p, tilted(QPointF(86, 36), 7, 3.5, -30), shade(moss, 1.25), 1.6);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 - M_PI / 2;
        ball(p, ellipse(QPointF(102 + 6 * std::cos(a), 52 + 6 * std::sin(a)), 4.5, 4.5),
             QColor(255, 180, 200), 1.4);
    }
    ball(p, ellipse(QPointF(102, 52), 3.2, 3.2), QColor(255, 220, 80), 1.2);
    // front leg, neck and head poking out to the left
    ball(p, tilted(QPointF(52, 122), 12, 9, -10), skin, 2.0);
    ball(p, capsule(QPointF(52, 98), 12, QPointF(36, 78), 12), skin, 2.2);
    const QPointF head(32, 64);
    const QPainterPath face = ellipse(head, 26, 23);
    ball(p, face, skin, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(skin, 0.82));
    for (QPointF s : {QPointF(-2, -17), QPointF(8, -14), QPointF(-10, -14)})
        p.drawEllipse(head + s, 3, 2.2);
    cuteEye(p, head + QPointF(-11, 0), 6.5, 8.5, QColor(120, 80, 40));
    cuteEye(p, head + QPointF(11, 0), 6.5, 8.5, QColor(120, 80, 40));
    smile(p, head + QPointF(0, 12), 12, 3);
    cheeks(p, head + QPointF(-18, 10), head + QPointF(18, 10), 4.5, 2.8);
    return c.finish();
}

// ---------------------------------------------------------------- 6: the bat

QImage drawPetBat() {
    const QColor fur(120, 98, 160);
    const QColor skinCol(84, 66, 120);
    const QColor innerEar(250, 170, 196);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.96, QPointF(69, 68));
    // wings: the right one raised in a wave, the left one folded
    auto wing = [&](QPointF root, QPointF tip, QPointF a, QPointF b, QPointF d) {
        QPainterPath w(root);
        w.quadTo((root + tip) / 2 + QPointF(0, -8), tip);
        w.quadTo((tip + a) / 2 + QPointF(-4, 2), a);
        w.quadTo((a + b) / 2 + QPointF(-3, -4), b);
        w.quadTo((b + d) / 2 + QPointF(-2, -4), d);
        w.quadTo((d + root) / 2, root);
        ball(p, w, skinCol, 2.2);
        p.setPen(QPen(shade(skinCol, 1.35), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (QPointF e : {a, b}) p.drawLine(root, root + (e - root) * 0.9);
    };
    wing(QPointF(76, 88), QPointF(130, 22), QPointF(136, 62), QPointF(120, 80), QPointF(100, 100));
    wing(QPointF(30, 96), QPointF(6, 74), QPointF(4, 100), QPointF(14, 112), QPointF(28, 114));
    // body and feet
    const QPainterPath body = ellipse(QPointF(56, 102), 27, 25);
    ball(p, body, fur);
    patch(p, ellipse(QPointF(54, 110), 16, 16), body, shade(fur, 1.4));
    for (double x : {46.0, 66.0}) ball(p, ellipse(QPointF(x, 128), 6, 4.5), skinCol, 1.8);
    // ears
    const QPointF head(44, 58);
    for (int side : {-1, 1}) {
        QPainterPath ear(head + QPointF(side * 30, -4));
        ear.quadTo(head + QPointF(side * 40, -36), head + QPointF(side * 30, -54));
        ear.quadTo(head + QPointF(side * 14, -40), head + QPointF(side * 6, -24));
        ear.closeSubpath();
        ball(p, ear, fur, 2.2);
        QPainterPath in(head + QPointF(side * 26, -10));
        in.quadTo(head + QPointF(side * 33, -34), head + QPointF(side * 29, -46));
        in.quadTo(head + QPointF(side * 17, -36), head + QPointF(side * 12, -22));
        in.closeSubpath();
        patch(p, in, ear, innerEar);
    }
    const QPainterPath face = ellipse(head, 34, 30);
    ball(p, face, fur, 2.4);
    // a fluffy tuft on the crown
    ball(p,
         polygonPath({head + QPointF(-8, -28), head + QPointF(-4, -38), head + QPointF(0, -29),
                      head + QPointF(5, -37), head + QPointF(8, -27)}),
         fur, 1.8);
    patch(p, ellipse(head + QPointF(0, 14), 18, 12), face, shade(fur, 1.45));
    cuteEye(p, head + QPointF(-14, 0), 8, 10, QColor(230, 70, 90));
    cuteEye(p, head + QPointF(14, 0), 8, 10, QColor(230, 70, 90));
    fillPath(p, polygonPath({head + QPointF(-3, 9), head + QPointF(3, 9), head + QPointF(0, 12)}),
             QColor(200, 110, 140), kLine, 1.0);
    fangSmile(p, head + QPointF(0, 15), 12);
    cheeks(p, head + QPointF(-23, 10), head + QPointF(23, 10), 5, 3);
    return c.finish();
}

// ---------------------------------------------------------------- 7: the drifting jelly spirit

QImage drawPetJelly() {
    const QColor bell(140, 222, 232);
    const QColor heart(255, 196, 226);
    const QColor line(30, 60, 100);
    PetCanvas c;
    QPainter& p = c.p;
    // trailing tentacles, waving
    const double roots[] = {20, 34, 62, 76};
    for (int i = 0; i < 4; ++i) {
        const double x = roots[i];
        const double sway = (i % 2 == 0) ? 7 : -7;
        const QPainterPath t = taper(QPointF(x, 66), QPointF(x + sway, 86), QPointF(x - sway, 104),
                                     QPointF(x + sway * 0.6 + 6, 124), 8, 3);
        ball(p, t, shade(bell, 1.15), 1.8, line);
    }
    // two frilly arms in the middle
    for (int i = 0; i < 2; ++i) {
        const double x = 44 + i * 10;
        QPainterPath arm = taper(QPointF(x, 66), QPointF(x - 8, 90), QPointF(x + 10, 110),
                                 QPointF(x + 2, 134), 12, 4);
        ball(p, arm, heart, 2.0, line);
        p.setPen(QPen(shade(heart, 0.8), 1.2));
        for (int k = 1; k < 5; ++k) {
            const QPointF at =
                adventurer::bezierAt(QPointF(x, 66), QPointF(x - 8, 90), QPointF(x + 10, 110),
                                     QPointF(x + 2, 134), k / 5.0);
            p.drawLine(at + QPointF(-3, 0), at + QPointF(3, 0));
        }
    }
    // the bell with its scalloped hem
    QPainterPath cap(QPointF(8, 66));
    cap.cubicTo(QPointF(4, 18), QPointF(92, 6), QPointF(94, 66));
    const int scallops = 6;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = 94 - i * 86.0 / scallops;
        const double x1 = x0 - 86.0 / scallops;
        cap.quadTo(QPointF((x0 + x1) / 2, 78), QPointF(x1, 66));
    }
    cap.closeSubpath();
    QRadialGradient g(QPointF(38, 30), 70);
    g.setColorAt(0.0, shade(bell, 1.5));
    g.setColorAt(0.55, bell);
    g.setColorAt(1.0, shade(bell, 0.72));
    fillPath(p, cap, g, line, 2.4);
    // a glowing heart inside and lights round the rim
    patch(p, ellipse(QPointF(52, 60), 30, 16), cap, shade(bell, 1.3));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const QPointF s(20 + i * 16, 68);
        p.setBrush(heart);
        p.drawEllipse(s, 3.2, 3.2);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(s, 1.4, 1.4);
    }
    patch(p, tilted(QPointF(28, 32), 4, 9, 40), cap, QColor(255, 255, 255));
    patch(p, ellipse(QPointF(38, 24), 2.5, 2.5), cap, QColor(255, 255, 255));
    cuteEye(p, QPointF(34, 46), 7, 9, QColor(60, 120, 200));
    cuteEye(p, QPointF(60, 46), 7, 9, QColor(60, 120, 200));
    smile(p, QPointF(47, 56), 8, 2.5, 1.7, line);
    cheeks(p, QPointF(22, 56), QPointF(72, 56), 5, 3, QColor(255, 150, 200, 140));
    // sparks drifting round it
    glint(p, QPointF(114, 30), 9, QColor(255, 250, 190));
    glint(p, QPointF(108, 82), 6.5, QColor(200, 250, 255));
    return c.finish(line);
}

// ---------------------------------------------------------------- 8: the rabbit

QImage drawPetRabbit() {
    const QColor fur(250, 248, 246);
    const QColor innerEar(255, 176, 196);
    const QColor carrot(255, 140, 50);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.95, QPointF(70, 69), QPointF(0, 1));
    // fluffy tail and body with a big hind foot
    ball(p, ellipse(QPointF(120, 108), 10, 10), fur, 2.0);
    const QPainterPath body = ellipse(QPointF(80, 106), 36, 27);
    ball(p, body, fur);
    ball(p, ellipse(QPointF(100, 130), 16, 7), fur, 2.0);
    // ears: one up, one flopped over
    const QPainterPath earUp = tilted(QPointF(30, 26), 10, 26, -12);
    ball(p, earUp, fur, 2.2);
    patch(p, tilted(QPointF(31, 28), 5, 19, -12), earUp, innerEar);
    QPainterPath flop(QPointF(52, 42));
    flop.cubicTo(QPointF(50, 20), QPointF(70, 4), QPointF(88, 10));
    flop.cubicTo(QPointF(102, 16), QPointF(100, 34), QPointF(94, 42));
    flop.cubicTo(QPointF(88, 30), QPointF(76, 24), QPointF(66, 44));
    flop.closeSubpath();
    ball(p, flop, fur, 2.2);
    QPainterPath flopIn(QPointF(58, 38));
    flopIn.cubicTo(QPointF(58, 22), QPointF(74, 12), QPointF(86, 16));
    flopIn.cubicTo(QPointF(74, 18), QPointF(64, 28), QPointF(62, 40));
    flopIn.closeSubpath();
    patch(p, flopIn, flop, innerEar);
    // head
    const QPointF head(46, 66);
    const QPainterPath face = ellipse(head, 34, 29);
    ball(p, face, fur, 2.4);
    cuteEye(p, head + QPointF(-14, -2), 7.5, 9.5, QColor(210, 60, 90));
    cuteEye(p, head + QPointF(14, -2), 7.5, 9.5, QColor(210, 60, 90));
    fillPath(p, ellipse(head + QPointF(0, 9), 3.5, 2.6), innerEar, shade(innerEar, 0.55), 1.0);
    QPainterPath mouth(head + QPointF(0, 11));
    mouth.lineTo(head + QPointF(0, 14));
    mouth.moveTo(head + QPointF(-5, 16));
    mouth.quadTo(head + QPointF(-2, 18), head + QPointF(0, 14));
    mouth.quadTo(head + QPointF(2, 18), head + QPointF(5, 16));
    strokeOnly(p, mouth, kLine, 1.6);
    cheeks(p, head + QPointF(-22, 10), head + QPointF(22, 10), 6, 3.5);
    // a carrot hugged in both paws
    const QPainterPath root =
        taper(QPointF(36, 104), QPointF(46, 112), QPointF(56, 120), QPointF(68, 126), 12, 2);
    for (int k = -1; k <= 1; ++k) {
        ball(p, tilted(QPointF(32 + k * 3, 96 - std::abs(k) * 2), 3, 8, -40 + k * 30),
             QColor(110, 190, 80), 1.5);
    }
    ball(p, root, carrot, 2.0);
    p.setPen(QPen(shade(carrot, 0.7), 1.2));
    p.drawLine(QPointF(44, 110), QPointF(48, 106));
    p.drawLine(QPointF(52, 116), QPointF(56, 112));
    for (double x : {36.0, 60.0}) ball(p, ellipse(QPointF(x, 114), 8, 7), fur, 2.0);
    return c.finish();
}

// ---------------------------------------------------------------- 9: the pebble golem

QImage drawPetGolem() {
    const QColor stone(168, 160, 148);
    const QColor moss(100, 168, 70);
    const QColor glow(110, 236, 250);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.97, QPointF(68, 68));
    auto rock = [&](QPointF at, double rx, double ry, uint32_t seed, double tone = 1.0) {
        const QPainterPath r = pebble(at, rx, ry, seed);
        ball(p, r, shade(stone, tone), 2.2);
        return r;
    };
    // legs, then the body and the arms
    rock(QPointF(54, 126), 13, 10, 91, 0.9);
    rock(QPointF(90, 126), 13, 10, 92, 0.9);
    rock(QPointF(118, 108), 12, 11, 95);
    rock(QPointF(20, 112), 12, 11, 97);
    rock(QPointF(70, 100), 36, 28, 93);
    p.setPen(QPen(shade(stone, 0.6), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(90, 86), QPointF(96, 98));
    p.drawLine(QPointF(96, 98), QPointF(92, 106));
    // a shining mark on the chest
    const QPainterPath rune =
        polygonPath({QPointF(70, 92), QPointF(78, 102), QPointF(70, 112), QPointF(62, 102)});
    fillPath(p, rune, glow, QColor(30, 70, 90), 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 255, 255));
    p.drawEllipse(QPointF(70, 102), 2.6, 3.6);
    rock(QPointF(104, 88), 11, 10, 94, 0.95);
    rock(QPointF(36, 92), 11, 10, 96, 0.95);
    // head with a cap of moss and a sprout
    const QPointF head(46, 50);
    const QPainterPath face = pebble(head, 32, 27, 98, 0.08);
    ball(p, face, stone, 2.4);
    QPainterPath mossy;
    for (int i = 0; i < 6; ++i)
        mossy.addEllipse(head + QPointF(-24 + i * 10, -22 + std::abs(i - 2.5) * 2.5), 8, 6);
    ball(p, merged(mossy).intersected(merged(ellipse(head + QPointF(0, -8), 34, 24))), moss, 2.0);
    QPainterPath stem(head + QPointF(4, -28));
    stem.quadTo(head + QPointF(2, -36), head + QPointF(6, -42));
    strokeOnly(p, stem, kLine, 4.5);
    strokeOnly(p, stem, moss, 2);
    ball(p, tilted(head + QPointF(0, -42), 6, 3, 25), shade(moss, 1.2), 1.5);
    ball(p, tilted(head + QPointF(12, -44), 6, 3, -25), shade(moss, 1.2), 1.5);
    p.setPen(QPen(shade(stone, 0.6), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head + QPointF(20, -8), head + QPointF(27, -2));
    glowEye(p, head + QPointF(-13, 2), 6.5, 7.5, glow);
    glowEye(p, head + QPointF(13, 2), 6.5, 7.5, glow);
    smile(p, head + QPointF(0, 15), 10, 2.5);
    cheeks(p, head + QPointF(-22, 12), head + QPointF(22, 12), 4.5, 2.8,
           QColor(255, 140, 120, 110));
    return c.finish();
}

// ---------------------------------------------------------------- 10: the mushroom sprout

QImage drawPetMushroom() {
    const QColor cap(222, 62, 52);
    const QColor spot(255, 246, 236);
    const QColor stem(250, 234, 204);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(1.0, QPointF(), QPointF(2, 0));
    // a baby mushroom tagging along
    ball(p, capsule(QPointF(118, 128), 5, QPointF(118, 118), 4.5), stem, 1.8);
    QPainterPath small(QPointF(106, 118));
    small.cubicTo(QPointF(106, 102), QPointF(130, 102), QPointF(130, 118));
    small.closeSubpath();
    ball(p, small, cap, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawEllipse(QPointF(114, 110), 2.5, 2.2);
    p.drawEllipse(QPointF(123, 112), 2, 1.8);
    // feet, arms and the plump stem with the face
    for (double x : {40.0, 66.0})
        ball(p, ellipse(QPointF(x, 128), 10, 6.5), shade(stem, 0.92), 2.0);
    ball(p, tilted(QPointF(20, 96), 6, 10, 40), stem, 2.0);
    ball(p, tilted(QPointF(88, 98), 6, 10, -40), stem, 2.0);
    const QPainterPath body = ellipse(QPointF(53, 90), 34, 36);
    ball(p, body, stem, 2.4);
    // the cap, tilted jauntily, with gills underneath
    QPainterPath under(QPointF(10, 56));
    under.quadTo(QPointF(60, 74), QPointF(118, 50));
    under.quadTo(QPointF(62, 58), QPointF(10, 56));
    fillPath(p, under, QColor(226, 184, 150), kLine, 2.0);
    QPainterPath dome(QPointF(4, 58));
    dome.cubicTo(QPointF(-2, 8), QPointF(104, -8), QPointF(124, 48));
    dome.cubicTo(QPointF(96, 60), QPointF(36, 64), QPointF(4, 58));
    dome.closeSubpath();
    ball(p, dome, cap, 2.4);
    for (auto [at, r] : {std::pair{QPointF(26, 34), 8.0}, std::pair{QPointF(56, 20), 9.0},
                         std::pair{QPointF(88, 28), 7.0}, std::pair{QPointF(106, 44), 5.0},
                         std::pair{QPointF(64, 46), 6.0}, std::pair{QPointF(10, 50), 4.5}}) {
        patch(p, ellipse(at, r, r * 0.8), dome, spot);
    }
    patch(p, tilted(QPointF(40, 18), 8, 3, -20), dome, QColor(255, 255, 255, 200));
    // face
    const QPointF face(44, 88);
    cuteEye(p, face + QPointF(-14, -2), 7.5, 9.5, QColor(150, 90, 50));
    cuteEye(p, face + QPointF(14, -2), 7.5, 9.5, QColor(150, 90, 50));
    openMouth(p, face + QPointF(0, 11), 11, 6);
    cheeks(p, face + QPointF(-23, 9), face + QPointF(23, 9), 5.5, 3.2);
    return c.finish();
}

// ---------------------------------------------------------------- 11: the little ghost

QImage drawPetGhost() {
    const QColor sheet(238, 242, 255);
    const QColor line(52, 44, 92);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(1.0, QPointF(), QPointF(3, 0));
    QPainterPath body(QPointF(14, 64));
    body.cubicTo(QPointF(12, 12), QPointF(90, 10), QPointF(90, 60));
    body.cubicTo(QPointF(90, 82), QPointF(98, 100), QPointF(116, 104));
    body.cubicTo(QPointF(134, 108), QPointF(138, 128), QPointF(122, 130));
    body.cubicTo(QPointF(128, 122), QPointF(120, 114), QPointF(108, 120));
    body.cubicTo(QPointF(96, 126), QPointF(80, 126), QPointF(72, 116));
    body.quadTo(QPointF(62, 128), QPointF(52, 116));
    body.quadTo(QPointF(40, 128), QPointF(30, 112));
    body.quadTo(QPointF(20, 118), QPointF(18, 104));
    body.cubicTo(QPointF(14, 92), QPointF(14, 80), QPointF(14, 64));
    body.closeSubpath();
    QRadialGradient g(QPointF(38, 34), 110);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.5, sheet);
    g.setColorAt(1.0, QColor(176, 180, 232));
    fillPath(p, body, g, line, 2.4);
    // little arms
    ball(p, tilted(QPointF(11, 84), 6, 11, 30), sheet, 2.0, line);
    ball(p, tilted(QPointF(94, 78), 6, 11, -40), sheet, 2.0, line);
    // face
    beadEye(p, QPointF(28, 50), 7, 9.5);
    beadEye(p, QPointF(55, 50), 7, 9.5);
    openMouth(p, QPointF(41, 63), 12, 7, line);
    cheeks(p, QPointF(18, 62), QPointF(66, 62), 6, 3.5, QColor(255, 150, 190, 130));
    // a tiny wisp of blue flame keeps it company
    QPainterPath wisp = flamePath(QPointF(118, 56), 16, 30, 6);
    fillPath(p, wisp, QColor(120, 190, 255), line, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 246, 255));
    p.drawPath(flamePath(QPointF(118, 54), 8, 16, 3));
    return c.finish(line);
}

// ---------------------------------------------------------------- 12: the penguin chick

QImage drawPetPenguin() {
    const QColor back(58, 76, 122);
    const QColor white(252, 252, 246);
    const QColor beak(255, 164, 50);
    const QColor scarf(222, 62, 62);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(1.0, QPointF(), QPointF(4, 0));
    // feet, flippers, body
    for (double x : {42.0, 72.0}) ball(p, tilted(QPointF(x, 130), 11, 5.5, 0), beak, 2.0);
    ball(p, tilted(QPointF(98, 96), 8, 20, -25), back, 2.0);
    const QPainterPath body = ellipse(QPointF(58, 80), 40, 50);
    ball(p, body, back, 2.4);
    patch(p, ellipse(QPointF(52, 102), 28, 27), body, white);
    // the face: a white heart-shaped patch, looking a little left
    QPainterPath mask;
    mask.addEllipse(QPointF(27, 60), 17, 17);
    mask.addEllipse(QPointF(53, 60), 17, 17);
    mask.addEllipse(QPointF(40, 72), 18, 12);
    patch(p, merged(mask), body, white);
    // a tuft on the crown
    QPainterPath tuft(QPointF(56, 32));
    tuft.quadTo(QPointF(52, 20), QPointF(62, 14));
    tuft.moveTo(QPointF(60, 32));
    tuft.quadTo(QPointF(62, 22), QPointF(72, 22));
    inkedStroke(p, tuft, back, 3.5);
    beadEye(p, QPointF(27, 58), 6.5, 8.5);
    beadEye(p, QPointF(53, 58), 6.5, 8.5);
    QPainterPath bill = polygonPath({QPointF(31, 68), QPointF(47, 67), QPointF(37, 78)});
    ball(p, bill, beak, 1.6);
    cheeks(p, QPointF(18, 70), QPointF(63, 70), 5.5, 3.2);
    // the scarf with its end blowing to the right
    QPainterPath band(QPointF(24, 84));
    band.quadTo(QPointF(54, 96), QPointF(90, 82));
    band.lineTo(QPointF(92, 92));
    band.quadTo(QPointF(54, 108), QPointF(22, 94));
    band.closeSubpath();
    ball(p, band, scarf, 2.0);
    QPainterPath end = polygonPath({QPointF(78, 92), QPointF(92, 90), QPointF(108, 116),
                                    QPointF(100, 118), QPointF(96, 112), QPointF(92, 120)});
    ball(p, end, scarf, 2.0);
    p.setPen(QPen(QColor(255, 230, 230), 2.2));
    p.drawLine(QPointF(40, 92), QPointF(40, 100));
    p.drawLine(QPointF(60, 93), QPointF(60, 101));
    p.drawLine(QPointF(96, 104), QPointF(100, 102));
    // the near flipper, waving
    ball(p, tilted(QPointF(16, 92), 7.5, 19, 45), back, 2.0);
    return c.finish();
}

// ---------------------------------------------------------------- 13: the hedgehog

QImage drawPetHedgehog() {
    const QColor spine(126, 88, 62);
    const QColor tipCol(214, 176, 128);
    const QColor face(252, 226, 184);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.95, QPointF(68, 70), QPointF(-1, 0));
    // feet
    for (double x : {44.0, 72.0, 104.0}) ball(p, ellipse(QPointF(x, 126), 8, 5), face, 1.8);
    // the coat of spines: a ring of spikes, a lighter row inside
    const QPointF mid(82, 78);
    Rng rng(1301);
    QPainterPath coat;
    constexpr int kSpikes = 34;
    for (int i = 0; i <= kSpikes * 2; ++i) {
        const double a = (190 + 230.0 * i / (kSpikes * 2)) * M_PI / 180.0;
        const double r = (i % 2 == 0) ? rng.range(50, 56) : 40;
        const QPointF pt = mid + QPointF(std::cos(a) * r * 1.04, std::sin(a) * r * 0.94);
        if (i == 0)
            coat.moveTo(pt);
        else
            coat.lineTo(pt);
    }
    coat.lineTo(mid + QPointF(0, 46));
    coat.lineTo(mid + QPointF(-40, 40));
    coat.closeSubpath();
    ball(p, coat, spine, 2.0);
    p.setPen(QPen(tipCol, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 26; ++i) {
        const double a = rng.range(200, 400) * M_PI / 180.0;
        const double r = rng.range(14, 36);
        const QPointF at = mid + QPointF(std::cos(a) * r, std::sin(a) * r * 0.9);
        const QPointF d(std::cos(a) * 7, std::sin(a) * 7);
        p.drawLine(at, at + d);
    }
    // an apple caught on its back
    ball(p, ellipse(QPointF(98, 30), 12, 11), QColor(230, 56, 56), 2.0);
    strokeOnly(p, QPainterPath(QPointF(98, 20)), kLine, 1);
    p.setPen(QPen(kLine, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(98, 21), QPointF(100, 14));
    ball(p, tilted(QPointF(106, 16), 6, 3, -20), QColor(110, 190, 80), 1.4);
    // belly and the pointed face, looking left
    const QPainterPath bellyShape = ellipse(QPointF(62, 102), 26, 20);
    ball(p, bellyShape, face, 2.0);
    QPainterPath head(QPointF(8, 86));
    head.cubicTo(QPointF(10, 76), QPointF(20, 72), QPointF(22, 62));
    head.cubicTo(QPointF(26, 44), QPointF(68, 42), QPointF(70, 70));
    head.cubicTo(QPointF(72, 96), QPointF(40, 102), QPointF(22, 96));
    head.cubicTo(QPointF(14, 94), QPointF(8, 92), QPointF(8, 86));
    head.closeSubpath();
    ball(p, head, face, 2.4);
    ball(p, ellipse(QPointF(56, 46), 7, 7), face, 2.0);
    patch(p, ellipse(QPointF(56, 46), 3.5, 3.5), ellipse(QPointF(56, 46), 7, 7),
          QColor(240, 170, 150));
    fillPath(p, ellipse(QPointF(9, 86), 5, 4.2), QColor(40, 28, 30), kLine, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(7.5, 84.5), 1.5, 1.2);
    beadEye(p, QPointF(30, 70), 6, 8);
    beadEye(p, QPointF(52, 70), 6, 8);
    smile(p, QPointF(22, 92), 10, 2.5);
    cheeks(p, QPointF(30, 84), QPointF(58, 82), 5, 3);
    return c.finish();
}

// ---------------------------------------------------------------- 14: the goldfish in a bubble

QImage drawPetBubbleFish() {
    const QColor water(196, 236, 252);
    const QColor fish(255, 120, 80);
    const QColor fin(255, 196, 100);
    const QColor line(30, 60, 110);
    PetCanvas c;
    QPainter& p = c.p;
    const QPointF centre(68, 68);
    const QPainterPath bubble = ellipse(centre, 58, 58);
    QRadialGradient g(centre + QPointF(-20, -24), 90);
    g.setColorAt(0.0, QColor(240, 252, 255));
    g.setColorAt(0.6, water);
    g.setColorAt(1.0, QColor(130, 196, 236));
    fillPath(p, bubble, g, line, 2.4);
    p.save();
    p.setClipPath(bubble);
    // a pebble floor and a strand of weed inside
    ball(p, ellipse(QPointF(68, 132), 60, 14), QColor(214, 196, 160), 1.8, line);
    QPainterPath weed(QPointF(98, 124));
    weed.cubicTo(QPointF(90, 108), QPointF(106, 96), QPointF(98, 80));
    strokeOnly(p, weed, line, 7);
    strokeOnly(p, weed, QColor(90, 180, 110), 4);
    // the fish, facing left: fan tail, fins, round body
    QPainterPath tail(QPointF(78, 66));
    tail.cubicTo(QPointF(96, 40), QPointF(118, 44), QPointF(114, 56));
    tail.quadTo(QPointF(104, 66), QPointF(116, 80));
    tail.cubicTo(QPointF(118, 94), QPointF(96, 92), QPointF(78, 70));
    tail.closeSubpath();
    ball(p, tail, fin, 2.0, line);
    p.setPen(QPen(shade(fin, 0.75), 1.3));
    p.drawLine(QPointF(86, 66), QPointF(108, 54));
    p.drawLine(QPointF(86, 70), QPointF(108, 84));
    QPainterPath dorsal(QPointF(40, 44));
    dorsal.cubicTo(QPointF(46, 26), QPointF(68, 30), QPointF(72, 48));
    dorsal.closeSubpath();
    ball(p, dorsal, fin, 2.0, line);
    const QPainterPath body = ellipse(QPointF(52, 66), 32, 24);
    ball(p, body, fish, 2.4, line);
    patch(p, ellipse(QPointF(48, 82), 24, 10), body, shade(fish, 1.4));
    p.setPen(QPen(shade(fish, 0.72), 1.3));
    p.setBrush(Qt::NoBrush);
    for (QPointF s : {QPointF(60, 58), QPointF(70, 64), QPointF(60, 70), QPointF(72, 76)})
        p.drawArc(QRectF(s.x() - 5, s.y() - 5, 10, 10), 90 * 16, 180 * 16);
    ball(p, tilted(QPointF(52, 82), 6, 10, -30), fin, 1.8, line);
    cuteEye(p, QPointF(34, 60), 7.5, 9, QColor(40, 110, 190));
    fillPath(p, ellipse(QPointF(21, 70), 3.2, 2.8), QColor(150, 40, 50), line, 1.3);
    cheeks(p, QPointF(36, 74), QPointF(36, 74), 5, 3);
    p.restore();
    // the shine on the bubble and a few small bubbles rising
    p.setPen(QPen(QColor(255, 255, 255), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 48, centre.y() - 48, 96, 96), 115 * 16, 45 * 16);
    p.drawArc(QRectF(centre.x() - 48, centre.y() - 48, 96, 96), 168 * 16, 8 * 16);
    for (auto [at, r] : {std::pair{QPointF(16, 20), 5.0}, std::pair{QPointF(8, 36), 3.0},
                         std::pair{QPointF(124, 18), 4.0}}) {
        fillPath(p, ellipse(at, r, r), QColor(226, 246, 255), line, 1.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(at + QPointF(-r * 0.3, -r * 0.3), r * 0.35, r * 0.35);
    }
    return c.finish(line);
}

// ---------------------------------------------------------------- 15: the one-eyed puff

QImage drawPetPuff() {
    const QColor fluff(250, 156, 190);
    const QColor line(84, 34, 60);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(1.0, QPointF(), QPointF(4, 7));
    const QPointF mid(54, 70);
    // the sprout on top, ending in a little bobble
    QPainterPath stalk(mid + QPointF(6, -38));
    stalk.cubicTo(mid + QPointF(4, -54), mid + QPointF(24, -58), mid + QPointF(22, -66));
    inkedStroke(p, stalk, QColor(110, 190, 90), 3, line);
    ball(p, ellipse(mid + QPointF(22, -66), 6, 6), QColor(255, 226, 90), 1.8, line);
    // feet
    for (double x : {-16.0, 16.0})
        ball(p, ellipse(mid + QPointF(x, 42), 10, 6), shade(fluff, 0.85), 2.0, line);
    // a pom-pom of fluff: a ring of tufts around a round body
    QPainterPath pom = ellipse(mid, 40, 38);
    constexpr int kTufts = 18;
    for (int i = 0; i < kTufts; ++i) {
        const double a = 2 * M_PI * i / kTufts;
        pom.addEllipse(mid + QPointF(std::cos(a) * 40, std::sin(a) * 38), 8.5, 8.5);
    }
    pom = merged(pom);
    QRadialGradient g(mid + QPointF(-14, -18), 70);
    g.setColorAt(0.0, shade(fluff, 1.3));
    g.setColorAt(0.55, fluff);
    g.setColorAt(1.0, shade(fluff, 0.68));
    fillPath(p, pom, g, line, 2.4);
    p.setPen(QPen(shade(fluff, 1.35), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    Rng rng(1501);
    for (int i = 0; i < 14; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double r = rng.range(26, 40);
        const QPointF at = mid + QPointF(std::cos(a) * r, std::sin(a) * r);
        QPainterPath curl(at);
        curl.quadTo(at + QPointF(std::cos(a + 1) * 5, std::sin(a + 1) * 5),
                    at + QPointF(std::cos(a) * 6, std::sin(a) * 6));
        p.drawPath(curl);
    }
    // the one big eye, glancing left, under a fluffy brow
    const QPointF eye = mid + QPointF(-18, -6);
    fillPath(p, ellipse(eye, 20, 21), QColor(255, 255, 255), line, 2.2);
    cuteEye(p, eye + QPointF(-6, 1), 12, 14, QColor(90, 150, 230));
    QPainterPath lid(eye + QPointF(-22, -14));
    lid.quadTo(eye + QPointF(0, -30), eye + QPointF(22, -14));
    strokeOnly(p, lid, line, 2.2);
    // small arms and a toothy grin
    ball(p, tilted(mid + QPointF(-46, 18), 5, 8, 40), fluff, 1.8, line);
    ball(p, tilted(mid + QPointF(46, 14), 5, 8, -40), fluff, 1.8, line);
    QPainterPath grin(mid + QPointF(-10, 22));
    grin.quadTo(mid + QPointF(0, 32), mid + QPointF(12, 21));
    grin.quadTo(mid + QPointF(0, 26), mid + QPointF(-10, 22));
    fillPath(p, grin, QColor(120, 40, 50), line, 1.6);
    fillPath(p, polygonPath({mid + QPointF(2, 24), mid + QPointF(7, 24), mid + QPointF(4.5, 28)}),
             QColor(255, 255, 250), line, 0.8);
    cheeks(p, mid + QPointF(-26, 22), mid + QPointF(24, 18), 5.5, 3.2, QColor(255, 110, 130, 140));
    return c.finish(line);
}

// ---------------------------------------------------------------- 16: the frog on its lily pad

QImage drawPetFrog() {
    const QColor skin(122, 202, 84);
    const QColor belly(238, 246, 196);
    const QColor pad(52, 140, 106);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(1.0, QPointF(), QPointF(3, -2));
    // the lily pad with its notch, and a flower on it
    QPainterPath lily = ellipse(QPointF(66, 124), 64, 13);
    lily = lily.subtracted(polygonPath({QPointF(110, 112), QPointF(140, 120), QPointF(134, 140)}));
    ball(p, lily, pad, 2.2);
    p.setPen(QPen(shade(pad, 1.3), 1.4));
    p.drawLine(QPointF(66, 124), QPointF(20, 120));
    p.drawLine(QPointF(66, 124), QPointF(100, 132));
    for (int i = 0; i < 6; ++i) {
        const double a = (i * 60 - 90) * M_PI / 180.0;
        ball(p, tilted(QPointF(118 + std::cos(a) * 6, 110 + std::sin(a) * 5), 4, 7, i * 60.0),
             QColor(255, 200, 226), 1.4);
    }
    ball(p, ellipse(QPointF(118, 110), 3.5, 3.5), QColor(255, 226, 90), 1.2);
    // folded hind legs, body and belly
    ball(p, tilted(QPointF(20, 110), 15, 10, -20), skin, 2.0);
    ball(p, tilted(QPointF(96, 110), 15, 10, 20), skin, 2.0);
    const QPainterPath body = ellipse(QPointF(58, 98), 34, 26);
    ball(p, body, skin);
    patch(p, ellipse(QPointF(58, 106), 22, 18), body, belly);
    // front feet with round toes
    for (double x : {42.0, 74.0}) {
        ball(p, capsule(QPointF(x, 104), 6, QPointF(x, 118), 6), skin, 2.0);
        for (int k = -1; k <= 1; ++k) ball(p, ellipse(QPointF(x + k * 5, 121), 3, 3), skin, 1.4);
    }
    // the wide head with eyes on top
    const QPointF head(52, 64);
    for (int side : {-1, 1}) ball(p, ellipse(head + QPointF(side * 22, -26), 15, 14), skin, 2.2);
    const QPainterPath face = ellipse(head, 44, 26);
    ball(p, face, skin, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(skin, 1.3));
    for (int side : {-1, 1}) p.drawEllipse(head + QPointF(side * 22, -28), 11.5, 10.5);
    for (int side : {-1, 1}) cuteEye(p, head + QPointF(side * 22, -28), 8, 9, QColor(60, 50, 30));
    // spots on the brow
    p.setBrush(shade(skin, 0.78));
    for (QPointF s : {QPointF(0, -16), QPointF(-6, -10), QPointF(7, -11)})
        p.drawEllipse(head + s, 2.6, 2.2);
    QPainterPath mouth(head + QPointF(-24, 4));
    mouth.cubicTo(head + QPointF(-14, 16), head + QPointF(14, 16), head + QPointF(24, 4));
    strokeOnly(p, mouth, kLine, 2.0);
    cheeks(p, head + QPointF(-32, 4), head + QPointF(32, 4), 6, 3.5, QColor(255, 150, 170, 190));
    return c.finish();
}

// ---------------------------------------------------------------- 17: the crystal beetle

QImage drawPetBeetle() {
    const QColor shellCol(70, 72, 150);
    const QColor body(50, 48, 96);
    const QColor gemA(120, 226, 255);
    const QColor gemB(200, 160, 255);
    PetCanvas c;
    QPainter& p = c.p;
    // legs
    for (auto [a, b] : {std::pair{QPointF(58, 106), QPointF(48, 126)},
                        std::pair{QPointF(86, 110), QPointF(84, 128)},
                        std::pair{QPointF(112, 104), QPointF(122, 124)}}) {
        QPainterPath leg(a);
        leg.quadTo((a + b) / 2 + QPointF(5, -3), b);
        inkedStroke(p, leg, body, 6.5);
        ball(p, ellipse(b + QPointF(0, 3), 6, 4), shade(body, 1.3), 1.8);
    }
    // crystals growing from the back, drawn before the shell so it covers their roots
    crystal(p, QPointF(80, 70), 14, 42, -14, gemA);
    crystal(p, QPointF(100, 68), 16, 56, 6, gemB);
    crystal(p, QPointF(118, 80), 12, 36, 24, gemA);
    // the shell with its seam
    QPainterPath shell(QPointF(44, 96));
    shell.cubicTo(QPointF(44, 58), QPointF(132, 50), QPointF(134, 96));
    shell.cubicTo(QPointF(132, 116), QPointF(48, 120), QPointF(44, 96));
    shell.closeSubpath();
    QLinearGradient g(QPointF(60, 60), QPointF(120, 116));
    g.setColorAt(0.0, shade(shellCol, 1.6));
    g.setColorAt(0.35, shellCol);
    g.setColorAt(1.0, shade(shellCol, 0.55));
    fillPath(p, shell, g, kLine, 2.4);
    p.setPen(QPen(shade(shellCol, 0.5), 1.6));
    p.drawLine(QPointF(88, 66), QPointF(92, 112));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawPath(tilted(QPointF(64, 76), 3, 10, 55));
    // the head with a crystal horn
    crystal(p, QPointF(28, 52), 11, 44, -16, gemA);
    const QPointF head(34, 74);
    const QPainterPath face = ellipse(head, 26, 22);
    ball(p, face, QColor(96, 96, 178), 2.4);
    cuteEye(p, head + QPointF(-11, -1), 7, 9, QColor(90, 220, 250));
    cuteEye(p, head + QPointF(11, -1), 7, 9, QColor(90, 220, 250));
    smile(p, head + QPointF(0, 12), 10, 2.5, 1.8, QColor(220, 230, 255));
    cheeks(p, head + QPointF(-18, 10), head + QPointF(18, 10), 4.5, 2.8,
           QColor(255, 140, 190, 150));
    glint(p, QPointF(130, 30), 6, QColor(220, 250, 255));
    return c.finish();
}

// ---------------------------------------------------------------- 18: the little robot

QImage drawPetRobot() {
    const QColor shell(236, 232, 220);
    const QColor teal(56, 188, 186);
    const QColor screen(28, 40, 62);
    const QColor glow(120, 250, 230);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(0.96, QPointF(64, 68), QPointF(-2, 3));
    // feet and body
    for (double x : {48.0, 80.0}) {
        QPainterPath foot;
        foot.addRoundedRect(QRectF(x - 13, 122, 26, 12), 5, 5);
        ball(p, foot, teal, 2.0);
    }
    QPainterPath body;
    body.addRoundedRect(QRectF(30, 80, 68, 46), 14, 14);
    ball(p, body, shell, 2.2);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(48, 92, 32, 22), 5, 5);
    fillPath(p, panel, screen, kLine, 1.6);
    // a little heart light on the chest
    QPainterPath heart(QPointF(64, 110));
    heart.cubicTo(QPointF(54, 102), QPointF(56, 94), QPointF(64, 99));
    heart.cubicTo(QPointF(72, 94), QPointF(74, 102), QPointF(64, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 130));
    p.drawPath(heart);
    // arms: the left one reaching, the right one waving
    QPainterPath leftArm(QPointF(32, 96));
    leftArm.quadTo(QPointF(18, 100), QPointF(14, 112));
    inkedStroke(p, leftArm, shade(shell, 0.85), 5);
    ball(p, ellipse(QPointF(13, 115), 6, 6), teal, 1.8);
    QPainterPath rightArm(QPointF(96, 94));
    rightArm.quadTo(QPointF(112, 92), QPointF(116, 76));
    inkedStroke(p, rightArm, shade(shell, 0.85), 5);
    ball(p, ellipse(QPointF(117, 72), 6.5, 6.5), teal, 1.8);
    // antenna with a bobbing light
    QPainterPath antenna(QPointF(44, 24));
    antenna.quadTo(QPointF(40, 14), QPointF(30, 8));
    inkedStroke(p, antenna, QColor(170, 170, 180), 2.5);
    ball(p, ellipse(QPointF(28, 7), 5.5, 5.5), QColor(255, 90, 80), 1.8);
    // head: ear bolts, a rounded box, and a screen for a face
    for (double x : {10.0, 90.0}) ball(p, ellipse(QPointF(x, 52), 6, 9), teal, 2.0);
    QPainterPath head;
    head.addRoundedRect(QRectF(12, 22, 76, 58), 16, 16);
    ball(p, head, shell, 2.4);
    QPainterPath face;
    face.addRoundedRect(QRectF(20, 32, 60, 38), 11, 11);
    fillPath(p, face, screen, kLine, 1.8);
    glowEye(p, QPointF(33, 49), 6, 7.5, glow);
    glowEye(p, QPointF(63, 49), 6, 7.5, glow);
    smile(p, QPointF(48, 60), 10, 2.5, 2.0, glow);
    p.setPen(QPen(QColor(255, 140, 170), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (double x : {23.0, 67.0}) {
        p.drawLine(QPointF(x, 60), QPointF(x + 3, 57));
        p.drawLine(QPointF(x + 4, 60), QPointF(x + 7, 57));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(tilted(QPointF(28, 38), 6, 2.2, -20));
    return c.finish();
}

// ---------------------------------------------------------------- 19: the star sprite

QImage drawPetStar() {
    const QColor gold(255, 214, 80);
    const QColor ribbonA(255, 150, 190);
    const QColor ribbonB(120, 210, 255);
    PetCanvas c;
    QPainter& p = c.p;
    c.fit(1.0, QPointF(), QPointF(2, -2));
    // a trail of two ribbons behind it
    const QPainterPath r1 =
        taper(QPointF(72, 76), QPointF(96, 92), QPointF(104, 118), QPointF(132, 128), 14, 3);
    const QPainterPath r2 =
        taper(QPointF(64, 84), QPointF(82, 110), QPointF(96, 126), QPointF(118, 136), 12, 3);
    ball(p, r2, ribbonB, 2.0);
    ball(p, r1, ribbonA, 2.0);
    // the star
    const QPointF mid(50, 58);
    const QPainterPath star = roundStar(mid, 52, 27, -12);
    QRadialGradient g(mid + QPointF(-14, -16), 70);
    g.setColorAt(0.0, QColor(255, 250, 210));
    g.setColorAt(0.45, gold);
    g.setColorAt(1.0, shade(gold, 0.72));
    fillPath(p, star, g, kLine, 2.4);
    patch(p, roundStar(mid + QPointF(-3, -4), 30, 16, -12), star, QColor(255, 240, 170));
    const QPointF face = mid + QPointF(-7, 0);
    cuteEye(p, face + QPointF(-13, -2), 7, 9, QColor(220, 120, 40));
    cuteEye(p, face + QPointF(12, -2), 7, 9, QColor(220, 120, 40));
    openMouth(p, face + QPointF(0, 11), 10, 6);
    cheeks(p, face + QPointF(-20, 9), face + QPointF(21, 9), 5, 3);
    glint(p, QPointF(114, 24), 9, QColor(255, 250, 200));
    glint(p, QPointF(126, 56), 6.5, QColor(255, 220, 240));
    return c.finish();
}

}  // namespace

std::vector<Picture> drawPets() {
    using Painter = QImage (*)();
    static constexpr Painter kPets[] = {
        drawPetCat,      drawPetDragon, drawPetSlime,   drawPetFox,      drawPetChick,
        drawPetTurtle,   drawPetBat,    drawPetJelly,   drawPetRabbit,   drawPetGolem,
        drawPetMushroom, drawPetGhost,  drawPetPenguin, drawPetHedgehog, drawPetBubbleFish,
        drawPetPuff,     drawPetFrog,   drawPetBeetle,  drawPetRobot,    drawPetStar,
    };
    std::vector<Picture> out;
    int index = 0;
    for (Painter paint : kPets) {
        out.push_back({QStringLiteral("pet%1.bmp").arg(index++), paint(), FileKind::Bmp});
    }
    return out;
}

}  // namespace quill::assetgen
