// The pet house (pet_house.bmp): the keeper's warm wooden hut where young creatures are raised.
// Three straw-lined pens stand along the back wall under two hanging oil lamps, a trough of
// greens and berries waits in front, a basket on the hay bales hides a shy lodger, and a dark
// doorway leads to the store room.  The message log runs down the left of the screen and the
// status panel along the bottom, so the lower left is kept plain and in shadow.
#include "scene_art.h"

#include <cmath>

namespace quill::assetgen {

namespace scene {

namespace {

constexpr double kFloorY = 290;
const QColor kWood(136, 88, 52);
const QColor kStraw(238, 198, 110);

QPainterPath ellipsePath(QPointF c, double rx, double ry) {
    QPainterPath e;
    e.addEllipse(c, rx, ry);
    return e;
}

// Loose stalks strewn over an area; `light` dims them away from the lamps.
void strewStraw(QPainter& p, const QRectF& area, int count, double light, uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF a(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double ang = rng.range(-0.6, 0.6) + (rng.chance(0.3) ? M_PI / 2 : 0);
        const double len = rng.range(6, 15) * (0.6 + 0.4 * (a.y() - kFloorY) / (kH - kFloorY));
        QColor c = mixColour(kStraw, QColor(176, 126, 62), rng.uniform());
        c = shade(c, light * rng.range(0.75, 1.05));
        c.setAlpha(int(rng.range(150, 230)));
        p.setPen(QPen(c, rng.range(1.0, 1.8), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, a + QPointF(std::cos(ang) * len, std::sin(ang) * len * 0.5));
    }
}

// A bed of straw: a shadowed hollow, a lit mound, and stalks poking out every way.
void strawBed(QPainter& p, QPointF c, double rx, double ry, uint32_t seed) {
    groundShadow(p, c + QPointF(0, ry * 0.5), rx * 1.15, ry * 0.9, 110);
    const QPainterPath mound = ellipsePath(c, rx, ry);
    ink(p, mound, lit(mound.boundingRect(), shade(kStraw, 0.82)), 1.2);
    Rng rng(seed);
    for (int i = 0; i < 90; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double k = std::sqrt(rng.uniform());
        const QPointF at = c + QPointF(std::cos(a) * rx * k, std::sin(a) * ry * k);
        const double dir = rng.range(-0.8, 0.8) + (rng.chance(0.5) ? M_PI : 0);
        const double len = rng.range(7, 16);
        const double lightness = 0.8 + 0.35 * (1 - (at.y() - c.y() + ry) / (2 * ry));
        p.setPen(QPen(shade(mixColour(kStraw, QColor(200, 150, 70), rng.uniform()), lightness),
                      rng.range(1.0, 1.8), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(std::cos(dir) * len, std::sin(dir) * len * 0.45));
    }
}

// A little creature asleep, curled up: a round back, a head resting on its paws, eyes shut.
// `ears`: 0 none, 1 pointed, 2 long and floppy.
void sleeper(QPainter& p, QPointF c, double r, const QColor& fur, int ears) {
    const QPainterPath tail =
        capsule(c + QPointF(r * 0.7, r * 0.1), r * 0.22, c + QPointF(r * 0.2, r * 0.55), r * 0.2);
    const QPainterPath back = ellipsePath(c, r, r * 0.68);
    ink(p, back, lit(back.boundingRect(), fur), 1.4);
    ink(p, tail, lit(tail.boundingRect(), shade(fur, 1.1)), 1.2);
    const QPointF head = c + QPointF(-r * 0.62, -r * 0.05);
    const double hr = r * 0.52;
    for (int side : {-1, 1}) {
        QPainterPath ear;
        if (ears == 1) {
            ear = polygonPath({head + QPointF(side * hr * 0.25 - hr * 0.1, -hr * 0.7),
                               head + QPointF(side * hr * 0.75 - hr * 0.1, -hr * 1.45),
                               head + QPointF(side * hr * 0.95, -hr * 0.35)});
        } else if (ears == 2) {
            ear = capsule(head + QPointF(side * hr * 0.4, -hr * 0.6), hr * 0.26,
                          head + QPointF(side * hr * 1.2 + hr * 0.3, hr * 0.1), hr * 0.22);
        } else {
            continue;
        }
        ink(p, ear, lit(ear.boundingRect(), fur), 1.2);
    }
    const QPainterPath h = ellipsePath(head, hr, hr * 0.88);
    ink(p, h, lit(h.boundingRect(), shade(fur, 1.08)), 1.4);
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        QPainterPath lid(head + QPointF(side * hr * 0.4 - hr * 0.18, 0));
        lid.quadTo(head + QPointF(side * hr * 0.4, hr * 0.2),
                   head + QPointF(side * hr * 0.4 + hr * 0.18, 0));
        p.drawPath(lid);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 130, 110));
    p.drawEllipse(head + QPointF(-hr * 0.62, hr * 0.3), hr * 0.18, hr * 0.1);
    p.drawEllipse(head + QPointF(hr * 0.62, hr * 0.3), hr * 0.18, hr * 0.1);
}

// Sleepy letters drifting up from a bed.
void snore(QPainter& p, QPointF at) {
    double size = 9;
    for (int i = 0; i < 3; ++i) {
        drawOutlinedText(p, QStringLiteral("z"), sansFont(int(size)), at,
                         QColor(255, 250, 236, 220), QColor(70, 44, 30, 200), 1.2);
        at += QPointF(9, -10);
        size += 3;
    }
}

// A pair of eyes shining out of the dark.
void peekingEyes(QPainter& p, QPointF c, double gap, double r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        const QPointF e = c + QPointF(side * gap / 2, 0);
        p.setBrush(shade(colour, 0.6));
        p.drawEllipse(e, r * 1.15, r * 1.3);
        p.setBrush(colour);
        p.drawEllipse(e, r, r * 1.15);
        p.setBrush(QColor(255, 255, 240));
        p.drawEllipse(e + QPointF(-r * 0.3, -r * 0.35), r * 0.35, r * 0.35);
    }
}

// A round wicker basket standing on `base`, dark inside.
void basket(QPainter& p, QPointF base, double w, double h, const QColor& cane) {
    QPainterPath body(base + QPointF(-w / 2, -h));
    body.lineTo(base + QPointF(w / 2, -h));
    body.cubicTo(base + QPointF(w * 0.48, -h * 0.3), base + QPointF(w * 0.36, 0), base);
    body.cubicTo(base + QPointF(-w * 0.36, 0), base + QPointF(-w * 0.48, -h * 0.3),
                 base + QPointF(-w / 2, -h));
    body.closeSubpath();
    ink(p, body, lit(body.boundingRect(), cane), 1.5);
    // the weave: staggered rows of short strokes
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(shade(cane, 0.62), 1.2));
    for (int row = 0; row < 6; ++row) {
        const double y = base.y() - h + 6 + row * (h - 6) / 6;
        for (double x = base.x() - w / 2 + (row % 2) * 5; x < base.x() + w / 2; x += 10)
            p.drawLine(QPointF(x, y), QPointF(x + 5, y + 3));
    }
    p.restore();
    const QPainterPath rim = ellipsePath(base + QPointF(0, -h), w / 2 + 2, h * 0.2);
    ink(p, rim, shade(cane, 1.15), 1.5);
    ink(p, ellipsePath(base + QPointF(0, -h + 1), w / 2 - 4, h * 0.14), QColor(30, 20, 18), 0.8);
}

// The pens: a low fence along the front and partitions running back to the wall.
void penFence(QPainter& p, const std::vector<double>& posts, bool front) {
    const double frontTop = 298, frontBottom = 344;
    auto back = [](double x) { return 320 + (x - 320) * 0.8; };
    const double backTop = 262, backBottom = kFloorY;
    if (!front) {
        // partitions, seen from their ends, and the back posts
        for (double x : posts) {
            const double bx = back(x);
            for (double t : {0.15, 0.55}) {
                const QPainterPath rail = polygonPath(
                    {QPointF(bx, backTop + t * 28), QPointF(x, frontTop + t * 46 - 2),
                     QPointF(x, frontTop + t * 46 + 6), QPointF(bx, backTop + t * 28 + 5)});
                ink(p, rail, lit(rail.boundingRect(), shade(kWood, 0.85)), 1.2);
            }
            QPainterPath post;
            post.addRect(QRectF(bx - 4, backTop - 4, 8, backBottom - backTop + 4));
            ink(p, post, lit(post.boundingRect(), shade(kWood, 0.8)), 1.2);
        }
        return;
    }
    for (double y : {frontTop + 6, frontTop + 26}) {
        QPainterPath rail;
        rail.addRect(QRectF(posts.front() - 6, y, posts.back() - posts.front() + 12, 9));
        ink(p, rail, lit(rail.boundingRect(), kWood), 1.4);
        p.setPen(QPen(shade(kWood, 0.6), 1));
        for (double x = posts.front() + 20; x < posts.back(); x += 37)
            p.drawLine(QPointF(x, y + 3), QPointF(x + 12, y + 4));
    }
    for (double x : posts) {
        QPainterPath post;
        post.addRoundedRect(QRectF(x - 6, frontTop - 8, 12, frontBottom - frontTop + 8), 3, 3);
        ink(p, post, lit(post.boundingRect(), shade(kWood, 1.05)), 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 50, 50));
        p.drawEllipse(QPointF(x, frontTop + 10), 1.6, 1.6);
        p.drawEllipse(QPointF(x, frontTop + 30), 1.6, 1.6);
    }
    groundShadow(p, QPointF((posts.front() + posts.back()) / 2, frontBottom + 2),
                 (posts.back() - posts.front()) / 2 + 20, 8, 80);
}

// An oil lamp hanging from the beam on a chain, with the pool of light it throws.
void oilLamp(QImage& img, QPointF c) {
    lightPool(img, c + QPointF(0, 20), 170, QColor(255, 180, 90, 120));
    QPainter p;
    beginPainter(p, img);
    // the chain
    p.setPen(QPen(QColor(50, 40, 34), 1.6));
    p.setBrush(Qt::NoBrush);
    for (double y = 30; y < c.y() - 28; y += 7) p.drawEllipse(QPointF(c.x(), y + 3), 2, 3.5);
    const QColor brass(200, 150, 70);
    QPainterPath cap = polygonPath(
        {c + QPointF(-14, -18), c + QPointF(14, -18), c + QPointF(6, -28), c + QPointF(-6, -28)});
    ink(p, cap, shiny(cap.boundingRect(), brass), 1.3);
    QPainterPath glass;
    glass.moveTo(c + QPointF(-8, -18));
    glass.cubicTo(c + QPointF(-16, -6), c + QPointF(-16, 10), c + QPointF(-9, 16));
    glass.lineTo(c + QPointF(9, 16));
    glass.cubicTo(c + QPointF(16, 10), c + QPointF(16, -6), c + QPointF(8, -18));
    glass.closeSubpath();
    QRadialGradient g(c + QPointF(0, 2), 18);
    g.setColorAt(0, QColor(255, 252, 220));
    g.setColorAt(0.6, QColor(255, 214, 120));
    g.setColorAt(1, QColor(236, 150, 60));
    ink(p, glass, g, 1.3);
    QPainterPath base;
    base.addRoundedRect(QRectF(c.x() - 13, c.y() + 14, 26, 9), 3, 3);
    ink(p, base, shiny(base.boundingRect(), brass), 1.3);
    p.end();
    QPainterPath flame;
    flame.moveTo(c + QPointF(0, 9));
    flame.cubicTo(c + QPointF(-7, 6), c + QPointF(-3, -4), c + QPointF(0, -10));
    flame.cubicTo(c + QPointF(3, -4), c + QPointF(7, 6), c + QPointF(0, 9));
    glowingShape(img, flame, QBrush(QColor(255, 255, 230)), QColor(255, 190, 90, 220), 8);
}

// A window on the back wall at dusk: the sky going from violet to a warm glow, a new moon.
void duskWindow(QPainter& p, const QRectF& r) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(52, 50, 110));
    sky.setColorAt(0.55, QColor(150, 96, 140));
    sky.setColorAt(1, QColor(250, 168, 110));
    QPainterPath pane;
    pane.addRect(r);
    ink(p, pane, sky, 1.5);
    p.save();
    p.setClipRect(r);
    // the island's hills dark against the glow
    QPainterPath hills(QPointF(r.left(), r.bottom()));
    hills.lineTo(r.left(), r.bottom() - 16);
    hills.quadTo(r.left() + r.width() * 0.3, r.bottom() - 34, r.left() + r.width() * 0.55,
                 r.bottom() - 18);
    hills.quadTo(r.left() + r.width() * 0.8, r.bottom() - 6, r.right(), r.bottom() - 22);
    hills.lineTo(r.right(), r.bottom());
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 46, 70));
    p.drawPath(hills);
    QPainterPath moon = ellipsePath(QPointF(r.right() - 22, r.top() + 20), 9, 9);
    moon = moon.subtracted(ellipsePath(QPointF(r.right() - 18, r.top() + 17), 8, 8));
    p.setBrush(QColor(255, 246, 200));
    p.drawPath(moon);
    sparkle(p, QPointF(r.left() + 18, r.top() + 16), 4, QColor(255, 250, 220));
    sparkle(p, QPointF(r.left() + 44, r.top() + 30), 3, QColor(255, 250, 220));
    p.restore();
    // the frame, its cross bars and the sill
    p.setPen(QPen(shade(kWood, 0.7), 6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    QPainterPath frame;
    frame.addRect(r.adjusted(-7, -7, 7, 7));
    frame.addRect(r);
    frame.setFillRule(Qt::OddEvenFill);
    ink(p, frame, lit(frame.boundingRect(), kWood), 1.5);
    QPainterPath sill;
    sill.addRect(QRectF(r.left() - 14, r.bottom() + 6, r.width() + 28, 9));
    ink(p, sill, lit(sill.boundingRect(), shade(kWood, 1.1)), 1.5);
}

// A bale of hay seen a little from above.
void hayBale(QPainter& p, const QRectF& front, double depth, uint32_t seed) {
    const QPainterPath top =
        polygonPath({front.topLeft(), front.topRight(), front.topRight() + QPointF(-depth, -depth),
                     front.topLeft() + QPointF(depth * 0.6, -depth)});
    QPainterPath face;
    face.addRoundedRect(front, 4, 4);
    ink(p, top, lit(top.boundingRect(), shade(kStraw, 1.05)), 1.4);
    ink(p, face, lit(face.boundingRect(), shade(kStraw, 0.8)), 1.6);
    Rng rng(seed);
    p.save();
    p.setClipPath(face.united(top));
    for (int i = 0; i < 160; ++i) {
        const bool onTop = i < 40;
        const QPointF a = onTop ? QPointF(rng.range(front.left(), front.right()),
                                          rng.range(front.top() - depth, front.top()))
                                : QPointF(rng.range(front.left(), front.right()),
                                          rng.range(front.top(), front.bottom()));
        const double len = rng.range(6, 14);
        p.setPen(QPen(shade(kStraw, onTop ? rng.range(0.9, 1.15) : rng.range(0.55, 0.9)), 1.2));
        p.drawLine(a, a + QPointF(len, rng.range(-1.5, 1.5)));
    }
    p.restore();
    p.setPen(QPen(QColor(140, 60, 40), 3));
    for (double t : {0.25, 0.75}) {
        const double x = front.left() + front.width() * t;
        p.drawLine(QPointF(x, front.bottom()), QPointF(x, front.top()));
        p.drawLine(QPointF(x, front.top()),
                   QPointF(x - depth * 0.2 * (t - 0.5) * 2 - depth * 0.1, front.top() - depth));
    }
}

// The feeding trough on crossed legs, heaped with greens, carrots, berries and grain.
void trough(QPainter& p, QPointF c, double w) {
    groundShadow(p, c + QPointF(6, 34), w * 0.6, 10, 120);
    for (int side : {-1, 1}) {
        const double x = c.x() + side * (w / 2 - 16);
        p.setPen(QPen(kInk, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 12, c.y() + 32), QPointF(x + 12, c.y() - 2));
        p.drawLine(QPointF(x + 12, c.y() + 32), QPointF(x - 12, c.y() - 2));
        p.setPen(QPen(shade(kWood, 0.8), 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 12, c.y() + 32), QPointF(x + 12, c.y() - 2));
        p.drawLine(QPointF(x + 12, c.y() + 32), QPointF(x - 12, c.y() - 2));
    }
    const QPainterPath inside =
        polygonPath({c + QPointF(-w / 2 + 4, -14), c + QPointF(w / 2 - 4, -14),
                     c + QPointF(w / 2 - 10, -4), c + QPointF(-w / 2 + 10, -4)});
    ink(p, inside, QColor(50, 32, 24), 1.2);
    // the food, heaped above the rim
    Rng rng(951);
    for (int i = 0; i < 16; ++i) {
        const QPointF at = c + QPointF(rng.range(-w / 2 + 16, w / 2 - 16), rng.range(-20, -10));
        const QPainterPath leaf = ellipsePath(at, rng.range(7, 11), rng.range(4, 6));
        QTransform t;
        t.translate(at.x(), at.y());
        t.rotate(rng.range(-40, 40));
        t.translate(-at.x(), -at.y());
        ink(p, t.map(leaf), lit(leaf.boundingRect(), QColor(96, 176, 70)), 1.0);
    }
    for (int i = 0; i < 4; ++i) {
        const QPointF at = c + QPointF(-w / 2 + 30 + i * (w - 60) / 3, -18 + (i % 2) * 4);
        const QPainterPath carrot =
            taper(at, at + QPointF(8, -4), at + QPointF(16, -6), at + QPointF(24, -4), 7, 1.5);
        ink(p, carrot, lit(carrot.boundingRect(), QColor(250, 140, 50)), 1.0);
    }
    for (int i = 0; i < 10; ++i) {
        const QPointF at = c + QPointF(rng.range(-w / 2 + 14, w / 2 - 14), rng.range(-16, -8));
        const QPainterPath berry = ellipsePath(at, 3.2, 3.2);
        ink(p, berry, lit(berry.boundingRect(), i % 3 ? QColor(220, 50, 70) : QColor(90, 80, 200)),
            0.8);
    }
    const QPainterPath box =
        polygonPath({c + QPointF(-w / 2, -6), c + QPointF(w / 2, -6), c + QPointF(w / 2 - 12, 22),
                     c + QPointF(-w / 2 + 12, 22)});
    ink(p, box, lit(box.boundingRect(), kWood), 1.8);
    p.setPen(QPen(shade(kWood, 0.6), 1.2));
    p.drawLine(c + QPointF(-w / 2 + 6, 8), c + QPointF(w / 2 - 6, 8));
    QPainterPath rim;
    rim.addRect(QRectF(c.x() - w / 2 - 4, c.y() - 10, w + 8, 6));
    ink(p, rim, lit(rim.boundingRect(), shade(kWood, 1.2)), 1.4);
}

// A glass jar of treats with a cloth over its mouth, standing on `base`.
void treatJar(QPainter& p, QPointF base, double w, double h, const QColor& treats) {
    QPainterPath jar;
    jar.addRoundedRect(QRectF(base.x() - w / 2, base.y() - h, w, h), 5, 5);
    ink(p, jar, QColor(206, 222, 226), 1.2);
    QPainterPath fill;
    fill.addRoundedRect(QRectF(base.x() - w / 2 + 2, base.y() - h * 0.62, w - 4, h * 0.62 - 2), 4,
                        4);
    p.setPen(Qt::NoPen);
    p.setBrush(lit(fill.boundingRect(), treats));
    p.drawPath(fill);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(QRectF(base.x() - w / 2 + 3, base.y() - h + 5, 2.5, h - 10));
    QPainterPath cover = polygonPath({QPointF(base.x() - w / 2 - 3, base.y() - h + 3),
                                      QPointF(base.x() - w / 2 + 1, base.y() - h - 5),
                                      QPointF(base.x() + w / 2 - 1, base.y() - h - 5),
                                      QPointF(base.x() + w / 2 + 3, base.y() - h + 3)});
    ink(p, cover, lit(cover.boundingRect(), QColor(236, 226, 200)), 1.1);
    p.setPen(QPen(QColor(190, 60, 60), 1.6));
    p.drawLine(QPointF(base.x() - w / 2, base.y() - h + 1),
               QPointF(base.x() + w / 2, base.y() - h + 1));
}

// A small wooden plaque with a painted paw print, hung on a nail.
void pawPlaque(QPainter& p, QPointF c, double s, const QColor& paint) {
    p.setPen(QPen(QColor(60, 44, 36), 1.2));
    p.drawLine(c + QPointF(-s * 0.6, -s * 0.6), c + QPointF(0, -s * 1.1));
    p.drawLine(c + QPointF(s * 0.6, -s * 0.6), c + QPointF(0, -s * 1.1));
    QPainterPath board;
    board.addRoundedRect(QRectF(c.x() - s, c.y() - s * 0.6, 2 * s, 1.2 * s), 3, 3);
    ink(p, board, lit(board.boundingRect(), shade(kWood, 1.2)), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(paint);
    p.drawEllipse(c + QPointF(0, s * 0.15), s * 0.26, s * 0.22);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(c + QPointF((i - 1.5) * s * 0.2, -s * 0.18 - (i == 1 || i == 2) * s * 0.06),
                      s * 0.09, s * 0.1);
}

Picture petHouseScene() {
    Room r;
    r.wall = Wall::Planks;
    r.wallColour = QColor(170, 116, 70);
    r.floorColour = QColor(150, 108, 62);
    r.beam = QColor(96, 60, 36);
    r.floorY = kFloorY;
    r.lamp = QPointF(400, 170);
    r.lampColour = QColor(255, 196, 120);
    r.lampStrength = 0.4;
    r.seed = 901;
    QImage img = paintRoom(r);
    QPainter p;
    beginPainter(p, img);

    // the store-room doorway on the left, dark, with someone awake in there
    QPainterPath door(QPointF(64, kFloorY));
    door.lineTo(64, 150);
    door.quadTo(116, 96, 168, 150);
    door.lineTo(168, kFloorY);
    door.closeSubpath();
    QLinearGradient dark(0, 110, 0, kFloorY);
    dark.setColorAt(0, QColor(22, 16, 18));
    dark.setColorAt(1, QColor(40, 28, 24));
    ink(p, door, dark, 1.5);
    p.setPen(QPen(shade(kWood, 0.75), 8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(door);
    p.setPen(QPen(kInk, 1.2));
    p.drawPath(door);
    peekingEyes(p, QPointF(104, 252), 12, 3, QColor(230, 210, 90));
    // a little bat asleep upside down under the beam
    {
        const QPointF b(206, 58);
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(b.x() - 4, 34), b + QPointF(-4, -16));
        p.drawLine(QPointF(b.x() + 4, 34), b + QPointF(4, -16));
        const QPainterPath wings = polygonPath(
            {b + QPointF(-17, -15), b + QPointF(17, -15), b + QPointF(14, 8), b + QPointF(6, 18),
             b + QPointF(0, 14), b + QPointF(-6, 18), b + QPointF(-14, 8)});
        ink(p, wings, lit(wings.boundingRect(), QColor(84, 66, 110)), 1.4);
        for (int side : {-1, 1}) {
            const QPainterPath ear = polygonPath(
                {b + QPointF(side * 4, 20), b + QPointF(side * 10, 19), b + QPointF(side * 9, 28)});
            ink(p, ear, QColor(120, 98, 150), 1.1);
        }
        const QPainterPath face = ellipsePath(b + QPointF(0, 14), 10, 8.5);
        ink(p, face, lit(face.boundingRect(), QColor(130, 108, 162)), 1.3);
        p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(b.x() - 7, b.y() + 10, 5, 4), 0, 180 * 16);
        p.drawArc(QRectF(b.x() + 2, b.y() + 10, 5, 4), 0, 180 * 16);
    }

    // the back wall: a sign over the pens, a window, and name plaques over each pen
    QPainterPath sign;
    sign.addRoundedRect(QRectF(346, 36, 90, 22), 4, 4);
    p.setPen(QPen(QColor(60, 44, 36), 1.2));
    p.drawLine(QPointF(356, 30), QPointF(356, 38));
    p.drawLine(QPointF(426, 30), QPointF(426, 38));
    ink(p, sign, lit(sign.boundingRect(), shade(kWood, 1.25)), 1.4);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(372 + i * 19, 47);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 50, 40));
        p.drawEllipse(c + QPointF(0, 2), 4, 3.4);
        for (int k = 0; k < 3; ++k) p.drawEllipse(c + QPointF((k - 1) * 4, -3.5), 1.6, 1.8);
    }
    duskWindow(p, QRectF(350, 80, 82, 70));
    pawPlaque(p, QPointF(264, 226), 13, QColor(80, 120, 200));
    pawPlaque(p, QPointF(397, 226), 13, QColor(200, 80, 80));
    pawPlaque(p, QPointF(530, 226), 13, QColor(70, 150, 90));
    // a shelf of treat jars and folded blankets, and a collar with a bell on a peg
    QPainterPath board;
    board.addRect(QRectF(448, 186, 140, 8));
    for (double x : {462.0, 574.0})
        board.addPolygon(QPolygonF({QPointF(x - 4, 194), QPointF(x + 4, 194), QPointF(x, 208)}));
    ink(p, solid(board), lit(board.boundingRect(), shade(kWood, 1.1)), 1.3);
    treatJar(p, QPointF(470, 186), 22, 30, QColor(230, 170, 80));
    treatJar(p, QPointF(498, 186), 20, 24, QColor(200, 70, 90));
    treatJar(p, QPointF(523, 186), 18, 27, QColor(110, 180, 90));
    for (int i = 0; i < 3; ++i) {
        QPainterPath cloth;
        cloth.addRoundedRect(QRectF(540 + i * 2, 176 - i * 10, 42 - i * 4, 10), 4, 4);
        const QColor c = i == 1 ? QColor(90, 130, 200) : QColor(210, 90, 80);
        ink(p, cloth, lit(cloth.boundingRect(), c), 1.2);
        p.setPen(QPen(shade(c, 1.4), 1));
        p.drawLine(QPointF(548 + i * 2, 177 - i * 10), QPointF(548 + i * 2, 185 - i * 10));
        p.drawLine(QPointF(562, 177 - i * 10), QPointF(562, 185 - i * 10));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 40));
    p.drawEllipse(QPointF(568, 112), 2.5, 2.5);
    p.setPen(QPen(kInk, 4.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(568, 128), 11, 14);
    p.setPen(QPen(QColor(210, 60, 70), 3));
    p.drawEllipse(QPointF(568, 128), 11, 14);
    const QPainterPath bell = ellipsePath(QPointF(568, 144), 4.5, 4.5);
    ink(p, bell, shiny(bell.boundingRect(), QColor(240, 196, 60)), 1.1);

    // the pens with their lodgers: a fluffball and a long-eared one asleep, and a dragonling
    // keeping watch over an egg
    const std::vector<double> posts = {196, 330, 464, 598};
    penFence(p, posts, false);
    strewStraw(p, QRectF(196, kFloorY, 400, 50), 140, 1.0, 911);
    strawBed(p, QPointF(263, 312), 52, 16, 912);
    strawBed(p, QPointF(397, 312), 52, 16, 913);
    strawBed(p, QPointF(531, 312), 52, 16, 914);
    sleeper(p, QPointF(274, 294), 27, QColor(248, 196, 120), 1);
    snore(p, QPointF(238, 262));
    // the egg and the little dragon behind it
    {
        const QPointF d(410, 282);
        const QPainterPath horn1 = taper(d + QPointF(-8, -14), d + QPointF(-10, -20),
                                         d + QPointF(-12, -24), d + QPointF(-12, -28), 5, 1);
        const QPainterPath horn2 = taper(d + QPointF(8, -14), d + QPointF(10, -20),
                                         d + QPointF(12, -24), d + QPointF(12, -28), 5, 1);
        ink(p, horn1, QColor(255, 226, 150), 1.0);
        ink(p, horn2, QColor(255, 226, 150), 1.0);
        const QPainterPath head = ellipsePath(d, 17, 15);
        ink(p, head, lit(head.boundingRect(), QColor(70, 170, 124)), 1.4);
        for (int side : {-1, 1}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 22, 30));
            p.drawEllipse(d + QPointF(side * 7, -1), 3.2, 4);
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(d + QPointF(side * 7 - 1, -2.5), 1.3, 1.3);
        }
        const QPainterPath egg = ellipsePath(QPointF(386, 298), 13, 17);
        ink(p, egg, lit(egg.boundingRect(), QColor(246, 240, 226)), 1.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 180, 220));
        p.drawEllipse(QPointF(382, 292), 3, 2.4);
        p.drawEllipse(QPointF(391, 302), 2.6, 2);
    }
    sleeper(p, QPointF(524, 294), 25, QColor(236, 236, 244), 2);
    snore(p, QPointF(552, 262));
    penFence(p, posts, true);

    // straw over the floor, thinning out towards the dim corner on the left
    strewStraw(p, QRectF(230, 344, 400, 130), 220, 0.95, 915);
    strewStraw(p, QRectF(60, 300, 170, 60), 40, 0.7, 916);

    // hay on the right with a basket on top and a shy lodger peeking out
    hayBale(p, QRectF(556, 338, 96, 56), 18, 917);
    hayBale(p, QRectF(590, 282, 60, 56), 14, 918);
    {
        const QPointF base(586, 330);
        const QPainterPath earL =
            capsule(base + QPointF(-10, -40), 4.5, base + QPointF(-14, -62), 4);
        const QPainterPath earR = capsule(base + QPointF(6, -40), 4.5, base + QPointF(12, -60), 4);
        ink(p, earL, lit(earL.boundingRect(), QColor(230, 200, 170)), 1.2);
        ink(p, earR, lit(earR.boundingRect(), QColor(230, 200, 170)), 1.2);
        basket(p, base, 58, 34, QColor(196, 150, 90));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 200, 170));
        QPainterPath top;
        top.addEllipse(base + QPointF(-2, -36), 16, 8);
        p.drawPath(top.intersected(ellipsePath(base + QPointF(0, -34), 27, 6.5)));
        peekingEyes(p, base + QPointF(-2, -37), 12, 2.6, QColor(60, 40, 40));
    }

    // the feeding trough and a pail of water
    trough(p, QPointF(392, 372), 200);
    {
        const QPointF b(526, 408);
        groundShadow(p, b + QPointF(4, 0), 26, 6, 110);
        const QPainterPath pail = polygonPath(
            {b + QPointF(-18, -34), b + QPointF(18, -34), b + QPointF(14, 0), b + QPointF(-14, 0)});
        ink(p, pail, lit(pail.boundingRect(), QColor(150, 104, 66)), 1.5);
        p.setPen(QPen(QColor(90, 90, 100), 2.4));
        p.drawLine(b + QPointF(-17, -26), b + QPointF(17, -26));
        p.drawLine(b + QPointF(-15, -8), b + QPointF(15, -8));
        ink(p, ellipsePath(b + QPointF(0, -34), 18, 4.5), QColor(110, 170, 210), 1.3);
        p.setPen(QPen(QColor(70, 60, 60), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(b.x() - 18, b.y() - 56, 36, 40), 20 * 16, 140 * 16);
    }
    p.end();

    // lamps, dust in their light, then shadow over the left and the floor's near edge
    oilLamp(img, QPointF(268, 104));
    oilLamp(img, QPointF(520, 96));
    motes(img, QRectF(230, 60, 340, 200), 18, QColor(255, 220, 160, 120), 1.6, 919);
    beginPainter(p, img);
    QLinearGradient left(0, 0, 300, 0);
    left.setColorAt(0, QColor(10, 6, 8, 150));
    left.setColorAt(1, QColor(10, 6, 8, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(left);
    p.drawRect(QRectF(0, 0, 300, kH));
    QLinearGradient low(0, 360, 0, kH);
    low.setColorAt(0, QColor(10, 6, 8, 0));
    low.setColorAt(1, QColor(10, 6, 8, 130));
    p.setBrush(low);
    p.drawRect(QRectF(0, 360, kW, kH - 360));
    p.end();
    vignette(img, 0.35);
    return {QStringLiteral("pet_house.bmp"), img, FileKind::Bmp};
}

}  // namespace

}  // namespace scene

QImage drawPetHouse() {
    return scene::petHouseScene().image;
}

}  // namespace quill::assetgen
