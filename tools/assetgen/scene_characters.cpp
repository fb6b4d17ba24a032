// The island's named people, each in their own place: the mountain man with his club, the old
// bug-hunting doctor, the weather girl, the being of light at its shrine, the conjurer on his
// rock stage, the forest ninja, the poison-moth doctor, the adventuring robot, the dark
// swordsman at dusk, the merchant on her ship and the card-throwing performer.
#include "scene_art.h"

#include <cmath>

namespace quill::assetgen::scene {

namespace {

const QPointF kFeet(kStageX, 334);

// Sets up the frame of a figure standing at `feet`, with its shadow on the ground.
void stand(QPainter& p, QPointF feet = kFeet, double scale = 1.0) {
    groundShadow(p, feet, 70 * scale, 10 * scale, 100);
    p.save();
    placeFigure(p, feet, scale);
}

// A hat crown of the given height over a head, with a brim.
void hat(QPainter& p, QPointF h, double crownH, double crownW, double brimW, const QColor& c,
         const QColor& band) {
    QPainterPath brim;
    brim.addEllipse(h + QPointF(0, -22), brimW / 2, 8);
    ink(p, brim, lit(brim.boundingRect(), shade(c, 0.85)), 1.6);
    QPainterPath crown;
    crown.addRoundedRect(QRectF(h.x() - crownW / 2, h.y() - 22 - crownH, crownW, crownH), 6, 6);
    ink(p, crown, lit(crown.boundingRect(), c), 1.7);
    if (band.isValid()) {
        QPainterPath b;
        b.addRect(QRectF(h.x() - crownW / 2, h.y() - 34, crownW, 10));
        ink(p, b, lit(b.boundingRect(), band), 1.3);
    }
}

void butterfly(QPainter& p, QPointF c, double s, const QColor& colour, double angleDeg) {
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    for (int sd : {-1, 1}) {
        QPainterPath w;
        w.addEllipse(QPointF(sd * 7 * s, -5 * s), 7 * s, 6 * s);
        w.addEllipse(QPointF(sd * 5 * s, 5 * s), 5 * s, 4.5 * s);
        QRadialGradient g(QPointF(sd * 4 * s, 0), 12 * s);
        g.setColorAt(0, shade(colour, 1.4));
        g.setColorAt(1, shade(colour, 0.7));
        ink(p, solid(w), g, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(sd * 8 * s, -6 * s), 1.8 * s, 1.8 * s);
    }
    const QPainterPath body = capsule(QPointF(0, -7 * s), 1.5 * s, QPointF(0, 7 * s), 1.5 * s);
    ink(p, body, QColor(40, 30, 30), 0.8);
    p.restore();
}

QLinearGradient steel(QPointF a, QPointF b) {
    QLinearGradient g(a, b);
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(0.5, QColor(190, 200, 216));
    g.setColorAt(1, QColor(120, 130, 150));
    return g;
}

// ---------------------------------------------------------------- the mountain man

Picture mountainMan() {
    Outdoor o;
    o.setSky(qRgb(70, 90, 160), qRgb(230, 150, 110), qRgb(255, 210, 150), 250)
        .setSun(QPointF(520, 200), 0, 0.5)
        .setClouds(0.4, qRgb(255, 220, 190), qRgb(170, 110, 120))
        .setGround(qRgb(150, 120, 90), qRgb(110, 86, 66), qRgb(180, 150, 120))
        .setPath(170, qRgb(190, 160, 120), kStageX, 60);
    o.glowColour = qRgb(255, 190, 120);
    o.ridges = {{230, 170, 140, 0.9, qRgb(140, 96, 90), qRgb(230, 170, 140), 2101},
                {250, 90, 80, 0.85, qRgb(110, 80, 64), qRgb(190, 140, 110), 2102}};
    o.texture = 0.9;
    o.seed = 2103;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    const QColor rock(150, 120, 100);
    drawBoulder(p, QPointF(60, 350), 170, 150, rock, 2104);
    drawBoulder(p, QPointF(560, 330), 190, 170, shade(rock, 0.9), 2105);
    drawBoulder(p, QPointF(400, 270), 60, 36, rock, 2106);
    drawTree(p, QPointF(130, 260), 110, QColor(50, 100, 70), QColor(90, 64, 44), TreeKind::Pine,
             2107);
    drawTree(p, QPointF(480, 250), 90, QColor(50, 100, 70), QColor(90, 64, 44), TreeKind::Pine,
             2108);
    drawGrass(p, QRectF(0, 260, 640, 210), 40, QColor(130, 140, 70), 2109);

    Person m;
    m.build = 1.5;
    m.skin = QColor(214, 156, 112);
    m.hair = QColor(96, 56, 34);
    m.hairStyle = HairStyle::Wild;
    m.face.eyes = Eyes::Stern;
    m.face.brow = 1.2;
    m.face.beard = true;
    m.face.iris = QColor(120, 60, 30);
    m.shirt = QColor(170, 60, 40);
    m.sleeve = m.skin;
    m.coat = QColor(170, 130, 86);
    m.coatHem = -120;
    m.lowerColour = QColor(90, 72, 56);
    m.boots = QColor(130, 100, 70);
    m.belt = QColor(70, 46, 30);
    m.trim = QColor(200, 190, 180);
    // one fist on the hip, the other gripping the club on his shoulder
    m.pose(QPointF(-70, -160), QPointF(-44, -140), QPointF(66, -132), QPointF(50, -178));
    m.fist[0] = m.fist[1] = true;
    stand(p, kFeet, 1.0);
    drawLegs(p, m);
    drawBody(p, m);
    // fur trim along the vest
    p.setPen(QPen(shade(m.coat, 1.3), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 10; ++i) {
        for (int sd : {-1, 1}) {
            const QPointF a(sd * 14 * m.build, -196 + i * 7.5);
            p.drawLine(a, a + QPointF(sd * 5, 4));
        }
    }
    drawArm(p, m, 0);
    drawBackHair(p, m);
    drawHead(p, m);
    // a red headband with its tails flying
    const QPointF h = headCentre(m);
    QPainterPath band;
    band.moveTo(h + QPointF(-30, -8));
    band.quadTo(h + QPointF(0, -18), h + QPointF(30, -8));
    strokeLine(p, band, kInk, 11);
    strokeLine(p, band, QColor(220, 50, 40), 8);
    const QPainterPath tails = taper(h + QPointF(-28, -8), h + QPointF(-44, -6),
                                     h + QPointF(-52, 6), h + QPointF(-66, 4), 8, 3);
    ink(p, tails, QColor(220, 50, 40), 1.3);
    // the club: a knotted log bound with iron
    const QPointF grip = m.hand[1];
    const QPainterPath club = taper(grip + QPointF(-10, 26), grip + QPointF(10, -20),
                                    grip + QPointF(30, -70), grip + QPointF(52, -112), 12, 40);
    ink(p, club, lit(club.boundingRect(), QColor(140, 96, 56)), 2.0);
    QPainterPath end;
    end.addEllipse(grip + QPointF(52, -112), 20, 12);
    ink(p, end, QColor(200, 160, 110), 1.6);
    p.setPen(QPen(QColor(110, 70, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(grip + QPointF(52, -112), 10, 6);
    for (double t : {0.35, 0.75}) {
        const QPointF c = bezierAt(grip + QPointF(-10, 26), grip + QPointF(10, -20),
                                   grip + QPointF(30, -70), grip + QPointF(52, -112), t);
        const QPainterPath ring =
            capsule(c + QPointF(-12 - t * 8, -3), 3, c + QPointF(12 + t * 8, 3), 3);
        ink(p, ring, QColor(120, 120, 130), 1.2);
        for (int sd : {-1, 1}) {
            const QPainterPath stud = polygonPath({c + QPointF(sd * (10 + t * 8), -2),
                                                   c + QPointF(sd * (20 + t * 10), -6),
                                                   c + QPointF(sd * (11 + t * 8), 4)});
            ink(p, stud, QColor(170, 170, 180), 1.0);
        }
    }
    drawArm(p, m, 1);
    drawHand(p, m, 1, -30);
    p.restore();
    p.end();
    motes(img, QRectF(100, 100, 300, 240), 16, QColor(255, 150, 60, 170), 2.2, 2110);
    return {QStringLiteral("yama.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the bug doctor

Outdoor deepForest(uint32_t seed, QRgb light, QRgb canopy) {
    Outdoor o;
    o.setSky(canopy, mixRgb(canopy, light, 0.5), light, 240)
        .setSun(QPointF(180, 0), 0, 0.4)
        .setGround(qRgb(70, 104, 50), qRgb(40, 70, 34), qRgb(100, 140, 60));
    o.glowColour = qRgb(255, 250, 210);
    o.ridges = {{240, 100, 24, 0.3, scaleRgb(canopy, 1.4), mixRgb(canopy, light, 0.7), seed},
                {244, 70, 18, 0.3, scaleRgb(canopy, 1.1), mixRgb(canopy, light, 0.4), seed + 1}};
    o.seed = seed + 2;
    return o;
}

Picture bugDoctor() {
    QImage img = paintOutdoor(deepForest(2201, qRgb(180, 220, 170), qRgb(30, 70, 50)));
    QPainter p;
    beginPainter(p, img);
    const QColor bark(90, 66, 48);
    drawTree(p, QPointF(30, 400), 380, QColor(40, 100, 50), bark, TreeKind::Broad, 2202);
    drawTree(p, QPointF(600, 380), 360, QColor(44, 110, 56), bark, TreeKind::Broad, 2203);
    drawTree(p, QPointF(120, 280), 220, QColor(50, 110, 60), bark, TreeKind::Broad, 2204);
    drawTree(p, QPointF(470, 270), 200, QColor(50, 110, 60), bark, TreeKind::Broad, 2205);
    drawGrass(p, QRectF(0, 250, 640, 220), 100, QColor(70, 130, 50), 2206);
    drawMushroom(p, QPointF(420, 330), 24, QColor(230, 170, 60), false);
    p.end();
    lightRays(img, QPointF(200, -30), 10, 460, 40, 80, QColor(255, 250, 200, 70), 2207);
    beginPainter(p, img);

    Person m;
    m.build = 0.95;
    m.height = 0.96;
    m.skin = QColor(242, 212, 188);
    m.hair = QColor(240, 240, 236);
    m.hairStyle = HairStyle::Old;
    m.face.eyes = Eyes::Happy;
    m.face.mouth = Mouth::Open;
    m.face.glasses = true;
    m.face.moustache = true;
    m.pose(QPointF(-46, -140), QPointF(-40, -108), QPointF(54, -140), QPointF(50, -178));
    m.shirt = QColor(120, 150, 100);
    m.coat = QColor(246, 246, 242);
    m.coatHem = -34;
    m.lowerColour = QColor(120, 100, 80);
    m.boots = QColor(70, 120, 70);
    m.fist[1] = true;
    stand(p, kFeet, 1.0);
    // the net, held up high
    const QPointF grip = m.hand[1];
    const QPointF hoop(74, -300);
    QPainterPath bag;
    bag.moveTo(hoop + QPointF(-36, 0));
    bag.cubicTo(hoop + QPointF(-40, 40), hoop + QPointF(-10, 70), hoop + QPointF(-4, 64));
    bag.cubicTo(hoop + QPointF(10, 50), hoop + QPointF(36, 30), hoop + QPointF(36, 0));
    bag.closeSubpath();
    p.setPen(QPen(QColor(120, 130, 120), 1.2));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(bag);
    p.save();
    p.setClipPath(bag);
    p.setPen(QPen(QColor(200, 210, 200, 200), 0.8));
    for (int i = -10; i <= 10; ++i) {
        p.drawLine(hoop + QPointF(i * 7, 0), hoop + QPointF(i * 7 + 40, 70));
        p.drawLine(hoop + QPointF(i * 7, 0), hoop + QPointF(i * 7 - 40, 70));
    }
    p.restore();
    p.setPen(QPen(kInk, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(hoop, 37, 12);
    p.setPen(QPen(QColor(200, 200, 210), 3));
    p.drawEllipse(hoop, 37, 12);
    drawPerson(p, m);
    p.setPen(QPen(kInk, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(grip + QPointF(-6, 24), hoop + QPointF(-8, 10));
    p.setPen(QPen(QColor(190, 150, 90), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(grip + QPointF(-6, 24), hoop + QPointF(-8, 10));
    drawHand(p, m, 1);
    // a specimen jar with a beetle in it
    QPainterPath jar;
    jar.addRoundedRect(QRectF(m.hand[0].x() - 14, m.hand[0].y() - 8, 28, 34), 6, 6);
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(200, 240, 255, 120));
    p.drawPath(jar);
    QPainterPath lid;
    lid.addRect(QRectF(m.hand[0].x() - 15, m.hand[0].y() - 12, 30, 6));
    ink(p, lid, QColor(200, 70, 60), 1.2);
    QPainterPath beetle;
    beetle.addEllipse(m.hand[0] + QPointF(0, 12), 7, 9);
    ink(p, beetle, lit(beetle.boundingRect(), QColor(40, 120, 90)), 1.0);
    drawHand(p, m, 0);
    // a pith helmet
    const QPointF h = headCentre(m);
    QPainterPath brim;
    brim.addEllipse(h + QPointF(0, -16), 42, 9);
    ink(p, brim, lit(brim.boundingRect(), QColor(210, 190, 140)), 1.5);
    QPainterPath dome;
    dome.moveTo(h + QPointF(-30, -16));
    dome.cubicTo(h + QPointF(-32, -56), h + QPointF(32, -56), h + QPointF(30, -16));
    dome.closeSubpath();
    ink(p, dome, lit(dome.boundingRect(), QColor(226, 206, 156)), 1.6);
    p.setPen(QPen(QColor(140, 100, 60), 4));
    p.drawLine(h + QPointF(-30, -20), h + QPointF(30, -20));
    // bow tie
    const QPainterPath tie =
        polygonPath({QPointF(-10, -198), QPointF(10, -190), QPointF(10, -198), QPointF(-10, -190)});
    ink(p, tie, QColor(200, 50, 50), 1.2);
    p.restore();
    // the forest is full of insects
    butterfly(p, QPointF(330, 120), 1.6, QColor(90, 160, 255), 20);
    butterfly(p, QPointF(160, 90), 1.3, QColor(255, 170, 50), -15);
    butterfly(p, QPointF(300, 240), 1.1, QColor(240, 90, 160), 10);
    butterfly(p, QPointF(110, 200), 1.2, QColor(250, 240, 120), -30);
    QPainterPath stag;
    stag.addEllipse(QPointF(596, 180), 9, 12);
    ink(p, stag, lit(stag.boundingRect(), QColor(120, 60, 30)), 1.2);
    p.setPen(QPen(QColor(40, 30, 30), 1.4));
    p.drawLine(QPointF(596, 168), QPointF(590, 154));
    p.drawLine(QPointF(596, 168), QPointF(604, 156));
    // a dragonfly
    p.setPen(QPen(QColor(40, 60, 90), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(370, 190), QPointF(400, 196));
    p.setPen(QPen(QColor(60, 70, 110), 0.8));
    p.setBrush(QColor(200, 230, 255, 150));
    for (int sd : {-1, 1}) {
        p.drawEllipse(QPointF(376, 193 + sd * 9), 4, 9);
        p.drawEllipse(QPointF(384, 194 + sd * 9), 4, 8);
    }
    p.end();
    motes(img, QRectF(100, 60, 420, 260), 12, QColor(230, 255, 170, 150), 2.0, 2208);
    return {QStringLiteral("musi.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the weather girl

Picture weatherGirl() {
    Outdoor sunny;
    sunny.setSun(QPointF(70, 60), 26, 0.6)
        .setGround(qRgb(140, 200, 96), qRgb(90, 170, 70), qRgb(190, 230, 130));
    sunny.horizon = 240;
    sunny.clouds = 0.25;
    sunny.ridges = {{240, 40, 110, 0.1, qRgb(90, 160, 100), qRgb(180, 220, 190), 2301}};
    sunny.seed = 2302;
    Outdoor rainy = sunny;
    rainy.setClouds(0.9, qRgb(170, 176, 190), qRgb(80, 86, 104))
        .setGround(qRgb(90, 130, 90), qRgb(56, 96, 60), qRgb(120, 160, 150));
    rainy.skyTop = qRgb(70, 80, 100);
    rainy.skyMid = qRgb(110, 120, 140);
    rainy.skyLow = qRgb(160, 170, 180);
    rainy.sunRadius = 0;
    rainy.glow = 0;
    rainy.ridges = {{240, 40, 110, 0.1, qRgb(70, 110, 100), qRgb(130, 150, 150), 2301}};
    QImage img = paintOutdoor(sunny);
    QImage wet = paintOutdoor(rainy);
    rain(wet, QRectF(0, 0, kW, kH), 500, QColor(200, 220, 255, 170), 2303);
    // the weather changes across the picture, along a soft diagonal through the girl
    for (int y = 0; y < kH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const auto* other = reinterpret_cast<const QRgb*>(wet.constScanLine(y));
        for (int x = 0; x < kW; ++x) {
            const double d = (x - kStageX) + (y - 240) * 0.25;
            row[x] = mixRgb(row[x], other[x], smoothstep(-40, 40, d));
        }
    }
    QPainter p;
    beginPainter(p, img);
    // a rainbow where the two meet
    const QColor bands[] = {QColor(255, 80, 80, 110),  QColor(255, 170, 60, 110),
                            QColor(255, 240, 90, 110), QColor(90, 220, 110, 110),
                            QColor(80, 150, 255, 110), QColor(160, 100, 230, 110)};
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(bands[i], 7));
        p.setBrush(Qt::NoBrush);
        const double r = 250 - i * 7;
        p.drawArc(QRectF(kStageX - r, 250 - r, 2 * r, 2 * r), 20 * 16, 140 * 16);
    }
    // puddles
    for (const QPointF& c : {QPointF(380, 380), QPointF(470, 300), QPointF(120, 420)}) {
        QPainterPath pd;
        pd.addEllipse(c, 50, 10);
        p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
        p.setBrush(QColor(170, 200, 230, 150));
        p.drawPath(pd);
    }
    drawFlowers(p, QRectF(0, 260, 220, 200), 18, {QColor(255, 230, 90), QColor(255, 255, 255)},
                2304);

    Person m;
    m.skin = QColor(252, 224, 204);
    m.hair = QColor(120, 190, 240);
    m.hairStyle = HairStyle::Long;
    m.face.female = true;
    m.face.iris = QColor(50, 130, 220);
    m.face.blush = true;
    m.face.mouth = Mouth::Grin;
    m.pose(QPointF(-52, -150), QPointF(-66, -172), QPointF(44, -146), QPointF(30, -170));
    m.shirt = QColor(255, 214, 70);
    m.lower = Lower::Skirt;
    m.lowerColour = QColor(70, 150, 230);
    m.boots = QColor(255, 200, 50);
    m.belt = QColor(255, 255, 255);
    m.trim = QColor(120, 200, 255);
    m.build = 0.9;
    m.fist[1] = true;
    stand(p, kFeet, 1.0);
    drawPerson(p, m);
    // a sun clip on one side of the hair, a raindrop on the other
    const QPointF h = headCentre(m);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(starPath(h + QPointF(-24, -20), 9, 5, 8, 0));
    QPainterPath drop;
    drop.moveTo(h + QPointF(24, -32));
    drop.cubicTo(h + QPointF(32, -20), h + QPointF(30, -12), h + QPointF(24, -12));
    drop.cubicTo(h + QPointF(18, -12), h + QPointF(16, -20), h + QPointF(24, -32));
    ink(p, drop, QColor(110, 180, 255), 1.2);
    // the umbrella, sunny yellow on one side and rain blue on the other
    const QPointF top(14, -318);
    p.setPen(QPen(kInk, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m.hand[1] + QPointF(-2, 22), top);
    p.setPen(QPen(QColor(240, 240, 250), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m.hand[1] + QPointF(-2, 22), top);
    const double span = 92;
    for (int sd : {-1, 1}) {
        QPainterPath half;
        half.moveTo(top);
        half.cubicTo(top + QPointF(sd * span * 0.6, 0), top + QPointF(sd * span, 30),
                     top + QPointF(sd * span, 58));
        for (int i = 0; i < 2; ++i) {
            const double x0 = sd * span * (1 - i * 0.5), x1 = sd * span * (0.5 - i * 0.5);
            half.quadTo(top + QPointF((x0 + x1) / 2, 44), top + QPointF(x1, 58));
        }
        half.closeSubpath();
        const QColor c = sd < 0 ? QColor(255, 206, 60) : QColor(80, 140, 230);
        ink(p, half, lit(half.boundingRect(), c), 1.8);
    }
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(top, top + QPointF(-span * 0.5, 58));
    p.drawLine(top, top + QPointF(span * 0.5, 58));
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(top + QPointF(0, -4), 5, 5);
    drawHand(p, m, 1);
    p.restore();
    p.end();
    // a little sunshine in her open hand
    QPainterPath glint;
    glint.addEllipse(kFeet + QPointF(-66, -192), 10, 10);
    paintGlow(img, glint, QColor(255, 230, 120, 220), 10, true);
    return {QStringLiteral("sunny.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the being of light

Picture beingOfLight() {
    Outdoor o;
    o.setSky(qRgb(90, 150, 230), qRgb(170, 206, 246), qRgb(255, 236, 200), 250)
        .setSun(QPointF(kStageX, 150), 0, 0.55)
        .setGround(qRgb(214, 206, 190), qRgb(160, 150, 136), qRgb(236, 230, 220));
    o.glowColour = qRgb(255, 252, 230);
    o.clouds = 0.3;
    o.cloudDark = qRgb(230, 220, 210);
    o.ridges = {{250, 40, 120, 0.2, qRgb(190, 200, 220), qRgb(240, 240, 240), 2401}};
    o.pathWidth = 230;
    o.pathColour = qRgb(236, 232, 222);
    o.pathX = kStageX;
    o.seed = 2402;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    // the shrine: steps up to a hall with a golden roof, stone lanterns on either side
    const QColor stone(236, 232, 222), gold(240, 200, 90);
    for (int i = 0; i < 4; ++i) {
        QPainterPath step;
        step.addRect(QRectF(110 - i * 20, 252 + i * 10, 260 + i * 40, 10));
        ink(p, step, lit(step.boundingRect(), shade(stone, 0.95 - i * 0.03)), 1.2);
    }
    QPainterPath hall;
    hall.addRect(QRectF(140, 160, 200, 92));
    ink(p, hall, lit(hall.boundingRect(), QColor(170, 110, 70)), 1.5);
    for (double x : {150.0, 206.0, 274.0, 330.0}) {
        QPainterPath pillar;
        pillar.addRect(QRectF(x - 6, 164, 12, 88));
        ink(p, pillar, lit(pillar.boundingRect(), QColor(220, 70, 60)), 1.2);
    }
    QPainterPath door;
    door.addRect(QRectF(212, 180, 56, 72));
    ink(p, door, QColor(255, 246, 210), 1.2);
    QPainterPath roof;
    roof.moveTo(100, 170);
    roof.quadTo(180, 150, 240, 110);
    roof.quadTo(300, 150, 380, 170);
    roof.lineTo(366, 178);
    roof.quadTo(240, 150, 114, 178);
    roof.closeSubpath();
    ink(p, roof, shiny(roof.boundingRect(), gold), 1.8);
    for (double x : {60.0, 420.0}) {
        QPainterPath lantern;
        lantern.addRect(QRectF(x - 5, 250, 10, 60));
        lantern.addRect(QRectF(x - 16, 236, 32, 20));
        lantern.addRect(QRectF(x - 14, 310, 28, 8));
        ink(p, solid(lantern), lit(lantern.boundingRect(), stone), 1.3);
        const QPainterPath cap =
            polygonPath({QPointF(x - 22, 238), QPointF(x, 220), QPointF(x + 22, 238)});
        ink(p, cap, lit(cap.boundingRect(), stone), 1.3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 160));
        p.drawRect(QRectF(x - 8, 240, 16, 12));
    }
    p.end();
    lightRays(img, QPointF(kStageX, 150), 30, 520, 360, 0, QColor(255, 250, 210, 70), 2403);
    aura(img, QPointF(kStageX, 190), 100, 160, QColor(255, 230, 150, 130));

    beginPainter(p, img);
    Person m;
    m.skin = QColor(255, 246, 226);
    m.hair = QColor(255, 236, 160);
    m.hairStyle = HairStyle::Long;
    m.face.iris = QColor(240, 170, 40);
    m.face.female = true;
    m.face.mouth = Mouth::Smile;
    m.pose(QPointF(-52, -164), QPointF(-78, -188), QPointF(52, -164), QPointF(78, -188));
    m.shirt = QColor(255, 255, 250);
    m.sleeve = QColor(236, 240, 255);
    m.lower = Lower::Robe;
    m.lowerColour = QColor(240, 236, 255);
    m.boots = QColor(255, 236, 180);
    m.belt = gold;
    m.trim = gold;
    // the being floats a little above the stones
    stand(p, kFeet + QPointF(0, -14), 1.0);
    QPainterPath halo;
    halo.addEllipse(headCentre(m) + QPointF(0, -4), 52, 52);
    halo.addEllipse(headCentre(m) + QPointF(0, -4), 44, 44);
    ink(p, halo, shiny(halo.boundingRect(), gold), 1.4);
    drawPerson(p, m);
    // a gem of light on the brow
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(starPath(headCentre(m) + QPointF(0, -14), 8, 2.5, 4, 0));
    p.restore();
    p.end();
    // the whole figure shines: the light is added over it
    lightPool(img, QPointF(kStageX, 200), 140, QColor(255, 250, 220, 50));
    beginPainter(p, img);
    sparkles(p, QRectF(kStageX - 150, 30, 300, 290), 18, 4, 11, QColor(255, 250, 210), 2404);
    return {QStringLiteral("hikaru.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the conjurer

Picture conjurer() {
    Outdoor o;
    o.setSky(qRgb(8, 12, 40), qRgb(20, 40, 90), qRgb(50, 80, 140), 246)
        .setSun(QPointF(90, 70), 22, 0.3);
    o.sunColour = qRgb(250, 250, 230);
    o.glowColour = qRgb(120, 150, 230);
    o.stars = 240;
    o.sea = true;
    o.seaFar = qRgb(20, 40, 90);
    o.seaNear = qRgb(30, 80, 130);
    o.shoreY = 600;
    o.foam = qRgb(180, 210, 255);
    o.seed = 2501;
    QImage img = paintOutdoor(o);
    // two spotlights cross over the stage
    lightRays(img, QPointF(0, 0), 1, 700, 1, 42, QColor(200, 220, 255, 110), 2502);
    lightRays(img, QPointF(640, 0), 1, 700, 1, 140, QColor(200, 220, 255, 110), 2503);
    QPainter p;
    beginPainter(p, img);
    // the flat rock that serves as his stage, rising out of the sea
    const QPainterPath rockFace =
        polygonPath({QPointF(70, 330), QPointF(410, 326), QPointF(428, 370), QPointF(418, 410),
                     QPointF(446, 452), QPointF(452, 490), QPointF(30, 490), QPointF(46, 440),
                     QPointF(62, 396), QPointF(52, 364)});
    p.save();
    p.setClipPath(rockFace);
    p.drawImage(0, 0, rockTexture(qRgb(130, 130, 170), qRgb(30, 30, 52), 2505));
    QLinearGradient rg(0, 330, 0, 480);
    rg.setColorAt(0, QColor(0, 0, 20, 0));
    rg.setColorAt(1, QColor(0, 0, 20, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(rg);
    p.drawRect(QRectF(0, 320, kW, 160));
    p.restore();
    p.setPen(QPen(kInk, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rockFace);
    QPainterPath top;
    top.addEllipse(QPointF(240, 328), 172, 26);
    QLinearGradient tg(0, 302, 0, 354);
    tg.setColorAt(0, QColor(150, 150, 180));
    tg.setColorAt(1, QColor(100, 100, 130));
    ink(p, top, tg, 1.8);
    // spray where the sea breaks on the rock
    for (const QPointF& c :
         {QPointF(34, 462), QPointF(54, 470), QPointF(446, 458), QPointF(428, 472)}) {
        QPainterPath splash;
        splash.addEllipse(c, 16, 8);
        p.setPen(QPen(QColor(150, 180, 230), 1.0));
        p.setBrush(QColor(220, 236, 255, 210));
        p.drawPath(splash);
    }

    Person m;
    m.skin = QColor(246, 224, 210);
    m.hair = QColor(40, 50, 100);
    m.hairStyle = HairStyle::Short;
    m.face.eyes = Eyes::Sly;
    m.face.mouth = Mouth::Grin;
    m.face.iris = QColor(60, 150, 230);
    m.face.brow = -0.3;
    m.pose(QPointF(-62, -170), QPointF(-80, -204), QPointF(50, -160), QPointF(60, -212));
    m.shirt = QColor(250, 250, 255);
    m.coat = QColor(30, 50, 110);
    m.coatHem = -70;
    m.lowerColour = QColor(30, 30, 56);
    m.boots = QColor(30, 30, 40);
    m.glove = QColor(250, 250, 255);
    m.fist[1] = true;
    stand(p, kFeet + QPointF(0, -6), 1.0);
    // the cape, blue outside and pale inside
    QPainterPath cape;
    cape.moveTo(-30, -210);
    cape.cubicTo(-80, -150, -96, -60, -96, -10);
    cape.quadTo(-60, -24, -30, -6);
    cape.lineTo(30, -6);
    cape.quadTo(60, -24, 96, -10);
    cape.cubicTo(96, -60, 80, -150, 30, -210);
    cape.closeSubpath();
    QLinearGradient cg(-96, 0, 96, 0);
    cg.setColorAt(0, QColor(120, 200, 255));
    cg.setColorAt(0.5, QColor(60, 120, 210));
    cg.setColorAt(1, QColor(20, 40, 100));
    ink(p, cape, cg, 1.8);
    drawPerson(p, m);
    const QPointF h = headCentre(m);
    // bow tie and the top hat
    const QPainterPath tie =
        polygonPath({QPointF(-10, -216), QPointF(10, -208), QPointF(10, -216), QPointF(-10, -208)});
    ink(p, tie, QColor(220, 40, 60), 1.2);
    hat(p, h + QPointF(0, -4), 50, 46, 76, QColor(30, 30, 44), QColor(60, 140, 230));
    // the wand, and the sparkle of the trick at its tip
    const QPointF wandTip = m.hand[1] + QPointF(40, -50);
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m.hand[1], wandTip);
    p.setPen(QPen(QColor(30, 30, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m.hand[1], wandTip);
    p.setPen(QPen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(wandTip, wandTip - QPointF(6, -7.5));
    drawHand(p, m, 1, -40);
    // a dove vanishing from his open hand, dissolving into stars and water drops
    const QPointF dove = m.hand[0] + QPointF(-6, -46);
    QPainterPath bird;
    bird.moveTo(dove + QPointF(-20, 6));
    bird.quadTo(dove + QPointF(-6, -4), dove + QPointF(2, 2));
    bird.quadTo(dove + QPointF(8, -26), dove + QPointF(26, -30));
    bird.quadTo(dove + QPointF(18, -10), dove + QPointF(16, 4));
    bird.quadTo(dove + QPointF(24, 8), dove + QPointF(30, 4));
    bird.quadTo(dove + QPointF(20, 18), dove + QPointF(-4, 14));
    bird.closeSubpath();
    p.setPen(QPen(QColor(180, 200, 255, 160), 1.4, Qt::DashLine));
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(bird);
    p.restore();
    p.end();
    QPainterPath trick;
    trick.addEllipse(kFeet + QPointF(-86, -256), 30, 24);
    trick.addEllipse(kFeet + QPointF(100, -272), 10, 10);
    trick.setFillRule(Qt::WindingFill);
    paintGlow(img, trick, QColor(120, 190, 255, 150), 10, true);
    beginPainter(p, img);
    Rng rng(2504);
    for (int i = 0; i < 14; ++i) {
        const QPointF c = kFeet + QPointF(rng.range(-130, -40), rng.range(-300, -220));
        if (i % 2 == 0)
            sparkle(p, c, rng.range(4, 9), QColor(200, 230, 255));
        else {
            p.setPen(QPen(QColor(60, 120, 200), 1.0));
            p.setBrush(QColor(170, 220, 255));
            p.drawEllipse(c, 2.5, 3.5);
        }
    }
    for (int i = 0; i < 6; ++i)
        sparkle(p, kFeet + QPointF(100 + rng.range(-20, 20), -272 + rng.range(-24, 24)),
                rng.range(4, 8), QColor(255, 250, 220));
    return {QStringLiteral("magical.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the forest ninja

void kunai(QPainter& p, QPointF grip, double angleDeg, double len) {
    p.save();
    p.translate(grip);
    p.rotate(angleDeg);
    QPainterPath blade;
    blade.moveTo(0, -6);
    blade.quadTo(len * 0.35, -9, len, 0);
    blade.quadTo(len * 0.35, 9, 0, 6);
    blade.closeSubpath();
    ink(p, blade, steel(QPointF(0, -9), QPointF(0, 9)), 1.3);
    QPainterPath handle;
    handle.addRect(QRectF(-22, -3.5, 22, 7));
    ink(p, handle, QColor(50, 60, 50), 1.2);
    p.setPen(QPen(QColor(200, 60, 60), 1.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(-20 + i * 5, -3), QPointF(-17 + i * 5, 3));
    p.setPen(QPen(kInk, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(-27, 0), 5, 5);
    p.setPen(QPen(QColor(160, 170, 180), 2));
    p.drawEllipse(QPointF(-27, 0), 5, 5);
    p.restore();
}

Picture forestNinja() {
    QImage img = paintOutdoor(deepForest(2601, qRgb(190, 230, 180), qRgb(20, 60, 40)));
    QPainter p;
    beginPainter(p, img);
    Rng rng(2602);
    for (int i = 0; i < 30; ++i) {
        // far stalks first; the nearer ones stand further out to the sides
        const double near = i / 30.0;
        const double x =
            i % 2 == 0 ? rng.range(-20, 150 - near * 60) : rng.range(330 + near * 60, 660);
        drawTree(p, QPointF(x, 250 + near * 200), 260 + near * 260,
                 QColor(90, 170, 80).darker(100 + int(40 * (1 - near))), QColor(90, 66, 48),
                 TreeKind::Bamboo, 2603 + i);
    }
    drawGrass(p, QRectF(0, 250, 640, 220), 80, QColor(60, 130, 50), 2630);
    p.end();
    addMist(img, qRgb(180, 230, 190), 0.4, 180, 330, 2631);
    lightRays(img, QPointF(240, -20), 8, 420, 30, 90, QColor(230, 255, 210, 60), 2632);
    beginPainter(p, img);

    Person m;
    m.skin = QColor(248, 220, 196);
    m.hair = QColor(24, 40, 36);
    m.hairStyle = HairStyle::Long;
    m.face.female = true;
    m.face.eyes = Eyes::Stern;
    m.face.iris = QColor(60, 180, 90);
    m.face.brow = 0.6;
    m.face.mouth = Mouth::None;
    m.pose(QPointF(-60, -170), QPointF(-76, -140), QPointF(50, -150), QPointF(36, -186));
    m.shirt = QColor(40, 120, 70);
    m.sleeve = QColor(34, 100, 60);
    m.lowerColour = QColor(26, 64, 44);
    m.boots = QColor(40, 50, 44);
    m.belt = QColor(200, 50, 50);
    m.glove = QColor(40, 60, 46);
    m.build = 0.92;
    m.fist[0] = m.fist[1] = true;
    stand(p, kFeet, 1.0);
    // a long scarf streaming behind
    const QPainterPath scarf =
        taper(QPointF(14, -200), QPointF(70, -210), QPointF(90, -170), QPointF(140, -190), 22, 8);
    ink(p, scarf, lit(scarf.boundingRect(), QColor(140, 220, 120)), 1.6);
    drawBackHair(p, m);
    drawLegs(p, m);
    drawBody(p, m);
    // cross-wrapped front of the ninja jacket
    p.setPen(QPen(shade(m.shirt, 0.55), 2.2));
    p.drawLine(QPointF(-22, -196), QPointF(14, -146));
    p.drawLine(QPointF(22, -196), QPointF(2, -168));
    drawArm(p, m, 0);
    drawArm(p, m, 1);
    drawHead(p, m);
    const QPointF h = headCentre(m);
    // the mask over nose and mouth, and a headband with a plate
    QPainterPath mask;
    mask.moveTo(h + QPointF(-27, 14));
    mask.quadTo(h + QPointF(0, 19), h + QPointF(27, 14));
    mask.cubicTo(h + QPointF(26, 20), h + QPointF(16, 32), h + QPointF(0, 34));
    mask.cubicTo(h + QPointF(-16, 32), h + QPointF(-26, 20), h + QPointF(-27, 6));
    ink(p, mask, lit(mask.boundingRect(), QColor(40, 56, 50)), 1.5);
    QPainterPath band;
    band.moveTo(h + QPointF(-30, -10));
    band.quadTo(h + QPointF(0, -18), h + QPointF(30, -10));
    strokeLine(p, band, kInk, 10);
    strokeLine(p, band, QColor(40, 90, 56), 7);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(h.x() - 12, h.y() - 20, 24, 11), 3, 3);
    ink(p, plate, shiny(plate.boundingRect(), QColor(200, 210, 220)), 1.2);
    // a leaf engraved on the plate
    const QPainterPath mark = taper(h + QPointF(-6, -12), h + QPointF(-2, -18), h + QPointF(3, -17),
                                    h + QPointF(6, -19), 4, 1);
    ink(p, mark, QColor(60, 140, 80), 0.8);
    kunai(p, m.hand[0], 200, 40);
    kunai(p, m.hand[1], -60, 40);
    drawHand(p, m, 0, 90);
    drawHand(p, m, 1, 0);
    p.restore();
    // leaves whirling round her
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * M_PI / 16;
        const QPointF c(kStageX + std::cos(a) * rng.range(90, 140),
                        190 + std::sin(a) * rng.range(40, 130));
        const QPainterPath leaf =
            taper(c, c + QPointF(4, -3), c + QPointF(10, -2), c + QPointF(14, 2), 6, 0.5);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(rng.range(0, 360));
        t.translate(-c.x(), -c.y());
        ink(p, t.map(leaf), QColor(110, 200, 90), 0.9);
    }
    return {QStringLiteral("midori.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the poison moth doctor

Picture mothDoctor() {
    Outdoor o;
    o.setSky(qRgb(20, 10, 30), qRgb(60, 30, 70), qRgb(110, 120, 80), 246)
        .setSun(QPointF(450, 90), 20, 0.3)
        .setGround(qRgb(60, 50, 60), qRgb(34, 30, 40), qRgb(90, 120, 70));
    o.sunColour = qRgb(220, 240, 150);
    o.glowColour = qRgb(150, 200, 90);
    o.stars = 60;
    o.ridges = {{246, 70, 30, 0.3, qRgb(40, 30, 50), qRgb(80, 90, 70), 2701}};
    o.sea = true;
    o.seaFar = qRgb(60, 80, 50);
    o.seaNear = qRgb(30, 50, 40);
    o.shoreY = 290;
    o.shoreSlope = 0.1;
    o.foam = qRgb(100, 150, 80);
    o.seed = 2702;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    const QColor bark(50, 40, 56);
    drawTree(p, QPointF(50, 360), 300, QColor(70, 60, 90), bark, TreeKind::Twisted, 2703);
    drawTree(p, QPointF(590, 350), 280, QColor(60, 80, 70), bark, TreeKind::Twisted, 2704);
    drawTree(p, QPointF(420, 280), 150, QColor(60, 50, 80), bark, TreeKind::Dead, 2705);
    drawMushroom(p, QPointF(110, 400), 30, QColor(170, 240, 80), true);
    drawMushroom(p, QPointF(520, 410), 36, QColor(200, 90, 240), true);
    drawMushroom(p, QPointF(540, 420), 20, QColor(170, 240, 80), true);
    p.end();
    addMist(img, qRgb(130, 200, 90), 0.45, 220, 400, 2706);
    aura(img, QPointF(kStageX, 200), 120, 140, QColor(140, 80, 200, 90));

    beginPainter(p, img);
    Person m;
    m.build = 0.9;
    m.height = 1.05;
    m.skin = QColor(220, 224, 206);
    m.hair = QColor(130, 110, 160);
    m.hairStyle = HairStyle::Wild;
    m.face.eyes = Eyes::Sly;
    m.face.mouth = Mouth::Grin;
    m.face.brow = 0.8;
    m.pose(QPointF(-64, -170), QPointF(-78, -214), QPointF(56, -156), QPointF(62, -200));
    m.shirt = QColor(50, 44, 60);
    m.coat = QColor(110, 80, 140);
    m.coatHem = -26;
    m.lowerColour = QColor(40, 36, 50);
    m.boots = QColor(30, 30, 36);
    m.glove = QColor(90, 140, 70);
    stand(p, kFeet, 1.0);
    mothWing(p, QPointF(-10, -190), 130, -1, QColor(140, 110, 150), QColor(250, 210, 80));
    mothWing(p, QPointF(10, -190), 130, 1, QColor(140, 110, 150), QColor(250, 210, 80));
    drawPerson(p, m);
    const QPointF h = headCentre(m);
    // feathery antennae
    for (int sd : {-1, 1}) {
        QPainterPath stalk(h + QPointF(sd * 10, -28));
        stalk.cubicTo(h + QPointF(sd * 14, -60), h + QPointF(sd * 36, -76),
                      h + QPointF(sd * 50, -74));
        strokeLine(p, stalk, kInk, 3);
        for (int i = 1; i < 8; ++i) {
            const QPointF c =
                bezierAt(h + QPointF(sd * 10, -28), h + QPointF(sd * 14, -60),
                         h + QPointF(sd * 36, -76), h + QPointF(sd * 50, -74), i / 8.0);
            p.setPen(QPen(QColor(200, 180, 140), 1.6));
            p.drawLine(c, c + QPointF(sd * 6, -8));
            p.drawLine(c, c + QPointF(sd * 8, 2));
        }
    }
    // goggles with green lenses pushed over the eyes
    QPainterPath strap;
    strap.addRect(QRectF(h.x() - 30, h.y() + 2, 60, 8));
    ink(p, strap, QColor(60, 50, 50), 1.2);
    for (int sd : {-1, 1}) {
        QPainterPath lens;
        lens.addEllipse(h + QPointF(sd * 12, 7), 11, 10);
        QRadialGradient g(h + QPointF(sd * 12 - 3, 4), 12);
        g.setColorAt(0, QColor(230, 255, 160));
        g.setColorAt(1, QColor(80, 170, 60));
        p.setPen(QPen(QColor(170, 140, 80), 3.5));
        p.setBrush(g);
        p.drawPath(lens);
    }
    // a flask of bubbling poison
    const QPointF f = m.hand[1] + QPointF(4, -30);
    QPainterPath flask;
    flask.addEllipse(f + QPointF(0, 6), 18, 18);
    flask.addRect(QRectF(f.x() - 6, f.y() - 26, 12, 20));
    flask = solid(flask);
    QRadialGradient fg(f + QPointF(-6, 2), 22);
    fg.setColorAt(0, QColor(230, 255, 150));
    fg.setColorAt(1, QColor(80, 180, 50));
    ink(p, flask, fg, 1.4);
    drawHand(p, m, 1);
    p.restore();
    p.end();
    QPainterPath fume;
    for (int i = 0; i < 5; ++i)
        fume.addEllipse(kFeet + QPointF(66 + i * 6, -236 - i * 18), 8 + i * 3, 7 + i * 2);
    fume.setFillRule(Qt::WindingFill);
    paintGlow(img, fume, QColor(150, 230, 80, 160), 8, true);
    motes(img, QRectF(120, 60, 280, 280), 20, QColor(200, 160, 255, 160), 2.4, 2707);
    motes(img, QRectF(60, 220, 520, 200), 16, QColor(160, 255, 100, 140), 3, 2708);
    return {QStringLiteral("doku.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the adventuring robot

Picture adventureRobot() {
    Room r;
    r.wall = Wall::Panels;
    r.wallColour = QColor(120, 140, 150);
    r.floorColour = QColor(100, 106, 110);
    r.beam = QColor(70, 80, 90);
    r.floorY = 290;
    r.lamp = QPointF(250, 160);
    r.lampColour = QColor(180, 240, 255);
    r.lampStrength = 0.35;
    r.seed = 2801;
    QImage img = paintRoom(r);
    QPainter p;
    beginPainter(p, img);
    // a hole torn in the wall shows the sky; vines have come in through it
    QPainterPath hole =
        polygonPath({QPointF(420, 60), QPointF(470, 40), QPointF(540, 70), QPointF(560, 130),
                     QPointF(530, 190), QPointF(460, 180), QPointF(430, 130)});
    QLinearGradient sky(0, 40, 0, 190);
    sky.setColorAt(0, QColor(100, 160, 230));
    sky.setColorAt(1, QColor(200, 230, 250));
    ink(p, hole, sky, 3);
    drawCloud(p, QPointF(500, 120), 60, 20, QColor(255, 255, 255), QColor(210, 220, 236), 2802);
    for (int i = 0; i < 4; ++i) {
        QPainterPath vine(QPointF(440 + i * 30, 60 + i * 8));
        vine.cubicTo(QPointF(430 + i * 30, 120), QPointF(460 + i * 24, 170),
                     QPointF(440 + i * 26, 240 + i * 10));
        strokeLine(p, vine, QColor(50, 110, 50), 3);
        for (int k = 1; k < 6; ++k) {
            const QPointF c = vine.pointAtPercent(k / 6.0);
            QPainterPath leaf;
            leaf.addEllipse(c + QPointF(k % 2 == 0 ? 6 : -6, 0), 6, 4);
            ink(p, leaf, QColor(80, 160, 70), 0.9);
        }
    }
    // a dead console with cracked screens and pipes along the wall
    QPainterPath console;
    console.addRect(QRectF(50, 150, 130, 140));
    ink(p, console, lit(console.boundingRect(), QColor(90, 100, 110)), 1.8);
    for (int i = 0; i < 2; ++i) {
        QPainterPath screen;
        screen.addRect(QRectF(62 + i * 58, 166, 48, 38));
        ink(p, screen, QColor(30, 60, 60), 1.4);
        p.setPen(QPen(QColor(160, 220, 220, 160), 1.2));
        p.drawLine(QPointF(70 + i * 58, 170), QPointF(98 + i * 58, 200));
        p.drawLine(QPointF(84 + i * 58, 184), QPointF(104 + i * 58, 176));
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 3 == 0 ? QColor(255, 80, 60) : QColor(90, 220, 120));
        p.drawEllipse(QPointF(70 + i * 18, 226), 4, 4);
    }
    for (int i = 0; i < 2; ++i) {
        const QPainterPath pipe = capsule(QPointF(0, 50 + i * 22), 7, QPointF(640, 50 + i * 22), 7);
        ink(p, pipe, lit(pipe.boundingRect(), QColor(150, 130, 110)), 1.3);
    }
    // rubble on the floor, and a plant that has found the light
    Rng rng(2803);
    for (int i = 0; i < 8; ++i) {
        const double x = i < 4 ? rng.range(20, 150) : rng.range(380, 620);
        drawBoulder(p, QPointF(x, rng.range(320, 440)), rng.range(20, 50), rng.range(10, 22),
                    QColor(130, 136, 140), 2804 + i);
    }
    drawGrass(p, QRectF(380, 300, 200, 100), 14, QColor(80, 160, 70), 2815);

    const QPointF feet = kFeet;
    groundShadow(p, feet, 80, 12, 110);
    p.save();
    p.translate(feet);
    p.scale(0.9, 0.9);
    const QColor shell(240, 240, 236), orange(240, 130, 50), joint(80, 86, 96);
    // backpack with a bedroll
    QPainterPath pack;
    pack.addRoundedRect(QRectF(-58, -220, 116, 90), 14, 14);
    ink(p, pack, lit(pack.boundingRect(), QColor(150, 100, 60)), 1.8);
    const QPainterPath roll = capsule(QPointF(-62, -226), 13, QPointF(62, -226), 13);
    ink(p, roll, lit(roll.boundingRect(), QColor(60, 110, 170)), 1.6);
    // legs
    for (int sd : {-1, 1}) {
        const QPainterPath leg = capsule(QPointF(sd * 22, -110), 11, QPointF(sd * 24, -40), 10);
        ink(p, leg, lit(leg.boundingRect(), joint), 1.6);
        QPainterPath boot;
        boot.addRoundedRect(QRectF(sd * 24 - 22, -44, 44, 44), 12, 12);
        ink(p, boot, shiny(boot.boundingRect(), orange), 1.8);
        QPainterPath knee;
        knee.addEllipse(QPointF(sd * 23, -76), 13, 12);
        ink(p, knee, shiny(knee.boundingRect(), shell), 1.5);
    }
    // body: a rounded barrel with a panel of lights
    QPainterPath body;
    body.addRoundedRect(QRectF(-52, -200, 104, 100), 30, 30);
    ink(p, body, shiny(body.boundingRect(), shell), 2.0);
    QPainterPath belt;
    belt.addRect(QRectF(-50, -124, 100, 12));
    ink(p, belt, lit(belt.boundingRect(), QColor(120, 80, 50)), 1.4);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(-28, -182, 56, 40), 8, 8);
    ink(p, panel, QColor(40, 60, 70), 1.4);
    p.setPen(Qt::NoPen);
    const QColor lights[] = {QColor(90, 240, 160), QColor(255, 210, 60), QColor(255, 90, 80)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lights[i]);
        p.drawEllipse(QPointF(-14 + i * 14, -170), 4.5, 4.5);
    }
    p.setBrush(QColor(90, 200, 255));
    p.drawRoundedRect(QRectF(-20, -158, 40, 8), 3, 3);
    // a red scarf round the neck
    QPainterPath scarf;
    scarf.addRoundedRect(QRectF(-40, -210, 80, 18), 8, 8);
    ink(p, scarf, lit(scarf.boundingRect(), QColor(220, 50, 50)), 1.5);
    const QPainterPath scarfTail =
        taper(QPointF(30, -200), QPointF(50, -190), QPointF(60, -170), QPointF(76, -160), 14, 8);
    ink(p, scarfTail, lit(scarfTail.boundingRect(), QColor(220, 50, 50)), 1.4);
    // arms: one waving, one holding a lantern
    const QPainterPath armL =
        limb(QPointF(-54, -186), 10, QPointF(-78, -150), 9, QPointF(-84, -110), 8);
    ink(p, armL, lit(armL.boundingRect(), joint), 1.5);
    const QPainterPath armR =
        limb(QPointF(54, -186), 10, QPointF(84, -206), 9, QPointF(92, -250), 8);
    ink(p, armR, lit(armR.boundingRect(), joint), 1.5);
    for (const QPointF& c : {QPointF(-54, -186), QPointF(54, -186)}) {
        QPainterPath shoulderBall;
        shoulderBall.addEllipse(c, 16, 16);
        ink(p, shoulderBall, shiny(shoulderBall.boundingRect(), orange), 1.5);
    }
    QPainterPath mittR;
    mittR.addEllipse(QPointF(92, -258), 13, 14);
    ink(p, mittR, shiny(mittR.boundingRect(), shell), 1.5);
    p.setPen(QPen(kInk, 1.6));
    p.drawLine(QPointF(-84, -104), QPointF(-84, -86));
    QPainterPath lantern;
    lantern.addRoundedRect(QRectF(-96, -88, 24, 30), 6, 6);
    ink(p, lantern, QColor(255, 230, 140), 1.5);
    QPainterPath mittL;
    mittL.addEllipse(QPointF(-84, -108), 12, 11);
    ink(p, mittL, shiny(mittL.boundingRect(), shell), 1.5);
    // head: a rounded box with a visor and an antenna
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(16, -300), QPointF(24, -334));
    QPainterPath bulb;
    bulb.addEllipse(QPointF(24, -338), 7, 7);
    ink(p, bulb, QColor(255, 90, 70), 1.3);
    QPainterPath head;
    head.addRoundedRect(QRectF(-50, -304, 100, 84), 28, 28);
    ink(p, head, shiny(head.boundingRect(), shell), 2.0);
    for (int sd : {-1, 1}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(sd * 52, -262), 9, 16);
        ink(p, ear, shiny(ear.boundingRect(), orange), 1.4);
    }
    QPainterPath visor;
    visor.addRoundedRect(QRectF(-38, -290, 76, 46), 18, 18);
    QLinearGradient vg(0, -290, 0, -244);
    vg.setColorAt(0, QColor(30, 70, 90));
    vg.setColorAt(1, QColor(10, 30, 44));
    ink(p, visor, vg, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 255, 230));
    p.drawRoundedRect(QRectF(-24, -276, 14, 18), 6, 6);
    p.drawRoundedRect(QRectF(8, -276, 14, 18), 6, 6);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPointF(-22, -284), 10, 4);
    QPainterPath smile(QPointF(-10, -252));
    smile.quadTo(QPointF(0, -246), QPointF(10, -252));
    strokeLine(p, smile, QColor(120, 255, 230), 2.4);
    p.restore();
    p.end();
    QPainterPath glows;
    glows.addEllipse(feet + QPointF(-84, -72) * 0.9, 14, 16);
    glows.addEllipse(feet + QPointF(-7, -267) * 0.9, 34, 15);
    glows.setFillRule(Qt::WindingFill);
    paintGlow(img, glows, QColor(150, 255, 230, 120), 10, true);
    lightPool(img, feet + QPointF(-84, -72) * 0.9, 90, QColor(255, 210, 120, 90));
    return {QStringLiteral("robo.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the dark swordsman

Picture darkSwordsman() {
    Outdoor o;
    o.setSky(qRgb(30, 20, 60), qRgb(150, 60, 90), qRgb(255, 140, 70), 260)
        .setSun(QPointF(460, 250), 40, 0.6)
        .setClouds(0.35, qRgb(255, 150, 120), qRgb(70, 40, 80))
        .setGround(qRgb(60, 40, 60), qRgb(24, 18, 30), qRgb(100, 70, 80));
    o.sunColour = qRgb(255, 120, 60);
    o.glowColour = qRgb(255, 150, 80);
    o.stars = 40;
    o.ridges = {{262, 50, 100, 0.3, qRgb(50, 30, 60), qRgb(140, 70, 80), 2901}};
    o.seed = 2902;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    drawTree(p, QPointF(80, 330), 260, QColor(40, 30, 40), QColor(30, 20, 30), TreeKind::Dead,
             2903);
    // tall pampas grass bending in the evening wind
    Rng rng(2904);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.range(0, 640);
        if (x > 150 && x < 330) continue;
        const double y = rng.range(300, 480);
        const double h = 40 + (y - 300) * 0.5;
        QPainterPath stem(QPointF(x, y));
        stem.quadTo(QPointF(x + h * 0.1, y - h * 0.6), QPointF(x + h * 0.35, y - h));
        strokeLine(p, stem, QColor(60, 40, 50), 1.6);
        const QPainterPath plume =
            taper(QPointF(x + h * 0.35, y - h), QPointF(x + h * 0.45, y - h * 1.1),
                  QPointF(x + h * 0.6, y - h * 1.15), QPointF(x + h * 0.75, y - h * 1.1), 8, 2);
        ink(p, plume, QColor(230, 170, 140), 0.8);
    }
    p.end();
    aura(img, QPointF(kStageX, 190), 100, 160, QColor(120, 40, 160, 120));
    beginPainter(p, img);

    Person m;
    m.height = 1.05;
    m.build = 1.05;
    m.skin = QColor(238, 222, 214);
    m.hair = QColor(34, 28, 44);
    m.hairStyle = HairStyle::Long;
    m.face.eyes = Eyes::Stern;
    m.face.iris = QColor(230, 40, 50);
    m.face.brow = 0.8;
    m.face.mouth = Mouth::Flat;
    m.pose(QPointF(-50, -150), QPointF(-40, -110), QPointF(56, -146), QPointF(56, -104));
    m.shirt = QColor(50, 44, 60);
    m.coat = QColor(36, 30, 50);
    m.coatHem = -12;
    m.lowerColour = QColor(30, 28, 40);
    m.boots = QColor(24, 20, 30);
    m.glove = QColor(30, 26, 36);
    m.belt = QColor(140, 30, 40);
    m.fist[0] = m.fist[1] = true;
    stand(p, kFeet, 1.0);
    drawPerson(p, m);
    // a sheath at the hip and the drawn blade held low
    const QPainterPath sheath = capsule(QPointF(-46, -120), 5, QPointF(-110, -36), 5);
    ink(p, sheath, lit(sheath.boundingRect(), QColor(40, 30, 40)), 1.4);
    drawHand(p, m, 0, 40);
    const QPointF grip = m.hand[1];
    const QPointF tip = grip + QPointF(86, 88);
    QPainterPath blade;
    blade.moveTo(grip + QPointF(8, 6));
    blade.cubicTo(grip + QPointF(40, 36), tip + QPointF(-20, -16), tip);
    blade.cubicTo(tip + QPointF(-24, -12), grip + QPointF(36, 44), grip + QPointF(2, 12));
    blade.closeSubpath();
    ink(p, blade, steel(grip, tip), 1.4);
    const QPainterPath handle = capsule(grip + QPointF(-14, -14), 4.5, grip + QPointF(6, 6), 4.5);
    ink(p, handle, QColor(120, 30, 40), 1.2);
    QPainterPath guard;
    guard.addEllipse(grip + QPointF(7, 7), 8, 8);
    ink(p, guard, QColor(60, 50, 40), 1.2);
    drawHand(p, m, 1, -45);
    // a red scarf
    const QPointF h = headCentre(m);
    QPainterPath scarf;
    scarf.addRoundedRect(QRectF(-25, h.y() + 35, 50, 14), 6, 6);
    ink(p, scarf, lit(scarf.boundingRect(), QColor(180, 30, 40)), 1.4);
    const QPainterPath tail = taper(QPointF(-20, h.y() + 42), QPointF(-50, h.y() + 46),
                                    QPointF(-70, h.y() + 36), QPointF(-100, h.y() + 46), 13, 5);
    ink(p, tail, lit(tail.boundingRect(), QColor(180, 30, 40)), 1.4);
    p.restore();
    p.end();
    QPainterPath edge;
    edge.moveTo(kFeet + QPointF(64, -98));
    edge.lineTo(kFeet + QPointF(142, -16));
    paintGlow(img, QPainterPathStroker().createStroke(edge), QColor(200, 120, 255, 160), 5, true);
    motes(img, QRectF(140, 80, 200, 260), 14, QColor(180, 90, 255, 150), 2.4, 2905);
    return {QStringLiteral("yoiyami.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the merchant at sea

Picture merchantShip() {
    Outdoor o;
    o.setSun(QPointF(520, 60), 22, 0.5);
    o.horizon = 220;
    o.clouds = 0.4;
    o.sea = true;
    o.seaFar = qRgb(40, 110, 190);
    o.seaNear = qRgb(30, 140, 200);
    o.shoreY = 600;
    o.seed = 3001;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    // a distant island on the horizon
    QPainterPath isle;
    isle.moveTo(360, 221);
    isle.cubicTo(380, 200, 420, 196, 450, 210);
    isle.quadTo(470, 214, 480, 221);
    isle.closeSubpath();
    ink(p, isle, QColor(90, 140, 120), 1.0);
    // the mast, the sail and the rigging
    const QColor wood(150, 100, 60);
    QPainterPath mast;
    mast.addRect(QRectF(80, 0, 22, 300));
    ink(p, mast, lit(mast.boundingRect(), wood), 1.6);
    QPainterPath sail;
    sail.moveTo(102, 30);
    sail.quadTo(210, 50, 230, 130);
    sail.quadTo(180, 150, 102, 190);
    sail.closeSubpath();
    QLinearGradient sg(102, 0, 230, 0);
    sg.setColorAt(0, QColor(250, 244, 226));
    sg.setColorAt(1, QColor(210, 196, 170));
    ink(p, sail, sg, 1.6);
    p.setPen(QPen(QColor(200, 70, 60), 6));
    p.drawLine(QPointF(110, 100), QPointF(210, 110));
    p.setPen(QPen(QColor(90, 70, 50), 1.3));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(91, 10 + i * 40), QPointF(0, 290 - i * 10));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(91, 20), QPointF(300 + i * 80, 270));
    // the deck: planks in perspective behind a railing
    QPainterPath deck =
        polygonPath({QPointF(-40, 290), QPointF(680, 290), QPointF(680, 480), QPointF(-40, 480)});
    ink(p, deck, QColor(170, 120, 76), 0);
    p.setPen(QPen(QColor(120, 80, 50), 1.4));
    for (int i = -12; i <= 12; ++i)
        p.drawLine(QPointF(320 + i * 30, 290), QPointF(320 + i * 110, 480));
    p.setPen(QPen(QColor(140, 96, 60), 1.0));
    for (int i = 0; i < 6; ++i) {
        const double y = 290 + std::pow(i / 6.0, 1.6) * 190;
        p.drawLine(QPointF(0, y), QPointF(640, y));
    }
    QPainterPath rail;
    rail.addRect(QRectF(-10, 246, 660, 12));
    for (double x = 10; x < 640; x += 46) rail.addRect(QRectF(x, 256, 10, 36));
    ink(p, solid(rail), lit(QRectF(0, 246, 640, 46), shade(wood, 1.1)), 1.4);
    // goods for sale: crates, a barrel, bolts of cloth
    for (const auto& [x, y, s] : {std::tuple{400.0, 330.0, 60.0}, std::tuple{450.0, 300.0, 46.0},
                                  std::tuple{540.0, 360.0, 80.0}}) {
        QPainterPath crate;
        crate.addRect(QRectF(x, y - s, s, s));
        ink(p, crate, lit(crate.boundingRect(), QColor(180, 130, 80)), 1.6);
        p.setPen(QPen(QColor(120, 80, 50), 2));
        p.drawLine(QPointF(x, y - s), QPointF(x + s, y));
        p.drawRect(QRectF(x + 3, y - s + 3, s - 6, s - 6));
    }
    QPainterPath barrel;
    barrel.addRoundedRect(QRectF(40, 300, 64, 84), 20, 20);
    ink(p, barrel, lit(barrel.boundingRect(), QColor(150, 96, 56)), 1.6);
    p.setPen(QPen(QColor(80, 80, 90), 4));
    p.drawLine(QPointF(44, 320), QPointF(100, 320));
    p.drawLine(QPointF(44, 364), QPointF(100, 364));
    const QColor cloth[] = {QColor(200, 60, 80), QColor(60, 140, 200), QColor(230, 190, 60)};
    for (int i = 0; i < 3; ++i) {
        const QPainterPath bolt =
            capsule(QPointF(560, 270 - i * 14), 8, QPointF(620, 270 - i * 14), 8);
        ink(p, bolt, lit(bolt.boundingRect(), cloth[i]), 1.3);
    }

    Person m;
    m.skin = QColor(222, 172, 130);
    m.hair = QColor(70, 40, 30);
    m.hairStyle = HairStyle::Long;
    m.face.female = true;
    m.face.iris = QColor(200, 130, 40);
    m.face.blush = true;
    m.face.mouth = Mouth::Grin;
    m.pose(QPointF(-48, -140), QPointF(-30, -120), QPointF(50, -166), QPointF(58, -206));
    m.shirt = QColor(250, 246, 236);
    m.coat = QColor(190, 40, 60);
    m.coatHem = -136;
    m.lower = Lower::Robe;
    m.lowerColour = QColor(110, 50, 130);
    m.boots = QColor(140, 90, 50);
    m.belt = QColor(240, 190, 70);
    m.trim = QColor(240, 190, 70);
    m.build = 0.92;
    stand(p, kFeet + QPointF(0, 4), 1.0);
    drawPerson(p, m);
    const QPointF h = headCentre(m);
    // a turban-like head wrap with a gem, gold earrings and bangles
    QPainterPath wrap;
    wrap.moveTo(h + QPointF(-32, -2));
    wrap.cubicTo(h + QPointF(-40, -52), h + QPointF(40, -52), h + QPointF(32, -2));
    wrap.quadTo(h + QPointF(0, -14), h + QPointF(-32, -2));
    ink(p, wrap, lit(wrap.boundingRect(), QColor(40, 160, 160)), 1.6);
    p.setPen(QPen(shade(QColor(40, 160, 160), 0.6), 1.4));
    p.drawArc(QRectF(h.x() - 30, h.y() - 44, 60, 40), 20 * 16, 140 * 16);
    QPainterPath jewel;
    jewel.addEllipse(h + QPointF(0, -18), 5, 6);
    ink(p, jewel, QColor(230, 50, 60), 1.1);
    for (int sd : {-1, 1}) {
        p.setPen(QPen(QColor(240, 190, 70), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(h + QPointF(sd * 27, 18), 4, 5);
    }
    // the ledger under one arm and a gold coin held up in the other hand
    QPainterPath ledger;
    ledger.addRect(QRectF(-46, -150, 32, 42));
    ink(p, ledger, lit(ledger.boundingRect(), QColor(120, 60, 40)), 1.4);
    drawHand(p, m, 0);
    QPainterPath coin;
    coin.addEllipse(m.hand[1] + QPointF(0, -16), 9, 9);
    ink(p, coin, shiny(coin.boundingRect(), QColor(250, 200, 60)), 1.3);
    p.restore();
    p.end();
    QPainterPath glint;
    glint.addEllipse(kFeet + QPointF(58, -218), 6, 6);
    paintGlow(img, glint, QColor(255, 230, 120, 220), 8, true);
    beginPainter(p, img);
    sparkle(p, kFeet + QPointF(66, -230), 9, QColor(255, 250, 200));
    birds(p, {QPointF(300, 70), QPointF(336, 90)}, QColor(250, 250, 255), 9);  // gulls
    return {QStringLiteral("ship2.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the performer

void card(QPainter& p, QPointF c, double angleDeg, bool red, int suit) {
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    QPainterPath face;
    face.addRoundedRect(QRectF(-13, -18, 26, 36), 3, 3);
    ink(p, face, QColor(252, 250, 244), 1.3);
    const QColor ink2 = red ? QColor(220, 40, 50) : QColor(30, 30, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(ink2);
    QPainterPath mark;
    if (suit == 0) {
        mark = polygonPath({QPointF(0, -8), QPointF(6, 0), QPointF(0, 8), QPointF(-6, 0)});
    } else if (suit == 1) {
        mark.moveTo(0, 8);
        mark.cubicTo(-10, 0, -6, -10, 0, -4);
        mark.cubicTo(6, -10, 10, 0, 0, 8);
    } else {
        mark = starPath(QPointF(0, 0), 8, 3.5, 5, 0);
    }
    p.drawPath(mark);
    p.restore();
}

Picture performer() {
    Outdoor o;
    o.setSky(qRgb(20, 14, 50), qRgb(60, 30, 100), qRgb(150, 80, 140), 250)
        .setGround(qRgb(70, 60, 90), qRgb(40, 36, 56), qRgb(110, 90, 120));
    o.stars = 150;
    o.ridges = {{250, 30, 90, 0.1, qRgb(40, 30, 70), qRgb(100, 60, 110), 3101}};
    o.seed = 3102;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    // the big striped tent behind, with strings of lights
    QPainterPath tent;
    tent.moveTo(-40, 300);
    tent.lineTo(-20, 170);
    tent.quadTo(80, 110, 150, 40);
    tent.quadTo(220, 110, 320, 170);
    tent.lineTo(340, 300);
    tent.closeSubpath();
    ink(p, tent, QColor(250, 240, 230), 1.8);
    p.save();
    p.setClipPath(tent);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 60));
    for (int i = -6; i <= 6; i += 2) {
        p.drawPath(polygonPath(
            {QPointF(150, 40), QPointF(150 + i * 30, 300), QPointF(150 + (i + 1) * 30, 300)}));
    }
    QLinearGradient shade1(-40, 0, 340, 0);
    shade1.setColorAt(0, QColor(255, 255, 255, 40));
    shade1.setColorAt(1, QColor(0, 0, 30, 120));
    p.setBrush(shade1);
    p.drawRect(QRectF(-40, 30, 400, 280));
    p.restore();
    const QPainterPath flag =
        polygonPath({QPointF(150, 40), QPointF(150, 10), QPointF(176, 18), QPointF(150, 26)});
    ink(p, flag, QColor(255, 210, 60), 1.2);
    QPainterPath bulbs;
    for (int s = 0; s < 2; ++s) {
        QPainterPath line(QPointF(150, 44));
        const QPointF end = s == 0 ? QPointF(640, 120) : QPointF(640, 30);
        line.quadTo(QPointF(400, s == 0 ? 150 : 90), end);
        strokeLine(p, line, QColor(30, 20, 30), 1.2);
        for (int i = 1; i < 14; ++i)
            bulbs.addEllipse(line.pointAtPercent(i / 14.0) + QPointF(0, 4), 3.5, 3.5);
    }
    p.end();
    paintGlow(img, bulbs, QColor(255, 220, 120, 230), 6, true);
    // fireworks
    QPainterPath bursts;
    for (const auto& [c, r] :
         {std::pair{QPointF(450, 70), 46.0}, std::pair{QPointF(560, 150), 34.0}}) {
        for (int i = 0; i < 16; ++i) {
            const double a = i * 2 * M_PI / 16;
            QPainterPath ray(c + QPointF(std::cos(a), std::sin(a)) * r * 0.3);
            ray.lineTo(c + QPointF(std::cos(a), std::sin(a)) * r);
            bursts.addPath(QPainterPathStroker().createStroke(ray));
        }
    }
    glowingShape(img, bursts, QColor(255, 250, 240), QColor(255, 150, 220, 200), 4);
    beginPainter(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 160));
    p.drawPath(bulbs);

    Person m;
    m.skin = QColor(250, 226, 210);
    m.hair = QColor(230, 120, 200);
    m.hairStyle = HairStyle::Spiky;
    m.face.eyes = Eyes::Sly;
    m.face.mouth = Mouth::Grin;
    m.face.iris = QColor(170, 60, 220);
    m.pose(QPointF(-60, -190), QPointF(-90, -230), QPointF(62, -170), QPointF(80, -200));
    m.shirt = QColor(120, 50, 180);
    m.lowerColour = QColor(240, 190, 60);
    m.boots = QColor(120, 50, 180);
    m.belt = QColor(240, 190, 60);
    m.glove = QColor(255, 255, 255);
    m.sleeve = QColor(240, 190, 60);
    // ribbons swirling round him, behind and in front
    const QColor ribbonColour(255, 90, 130);
    auto ribbon = [&](QPointF a, QPointF b, QPointF c, QPointF d) {
        const QPainterPath r = taper(a, b, c, d, 10, 4);
        ink(p, r, lit(r.boundingRect(), ribbonColour), 1.3);
    };
    stand(p, kFeet, 1.0);
    ribbon(QPointF(-90, -230), QPointF(-150, -120), QPointF(120, -140), QPointF(90, -40));
    drawLegs(p, m);
    drawBody(p, m);
    // harlequin diamonds over the tunic
    p.save();
    QPainterPath torso;
    torso.addRect(QRectF(-34, -200, 68, 66));
    p.setClipRect(QRectF(-30, -196, 60, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 190, 60));
    for (int i = -2; i <= 2; ++i) {
        for (int j = 0; j < 3; ++j) {
            if ((i + j) % 2 != 0) continue;
            const QPointF c(i * 13, -190 + j * 22);
            p.drawPath(polygonPath({c + QPointF(0, -11), c + QPointF(6.5, 0), c + QPointF(0, 11),
                                    c + QPointF(-6.5, 0)}));
        }
    }
    p.restore();
    // a ruffled collar
    QPainterPath ruff;
    for (int i = 0; i < 10; ++i) {
        const double a = M_PI * (0.05 + 0.9 * i / 9.0);
        ruff.addEllipse(QPointF(std::cos(a) * 34, -200 - std::sin(a) * 4 + 6), 9, 7);
    }
    ink(p, solid(ruff), QColor(252, 250, 244), 1.3);
    drawArm(p, m, 0);
    drawArm(p, m, 1);
    drawHead(p, m);
    const QPointF h = headCentre(m);
    // a domino mask and a jester's hat with bells
    QPainterPath mask;
    mask.moveTo(h + QPointF(-28, 4));
    mask.quadTo(h + QPointF(-14, -6), h + QPointF(0, 4));
    mask.quadTo(h + QPointF(14, -6), h + QPointF(28, 4));
    mask.quadTo(h + QPointF(14, 20), h + QPointF(0, 12));
    mask.quadTo(h + QPointF(-14, 20), h + QPointF(-28, 4));
    ink(p, mask, QColor(40, 20, 60), 1.2);
    for (int sd : {-1, 1}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(h + QPointF(sd * 11, 7), 4.5, 3.2);
        p.setBrush(QColor(40, 20, 60));
        p.drawEllipse(h + QPointF(sd * 11 + 1.5, 7), 2, 2.2);
    }
    for (int sd : {-1, 1}) {
        const QPainterPath horn =
            taper(h + QPointF(sd * 8, -26), h + QPointF(sd * 30, -50), h + QPointF(sd * 50, -50),
                  h + QPointF(sd * 60, -34), 26, 6);
        ink(p, horn, lit(horn.boundingRect(), sd < 0 ? QColor(120, 50, 180) : QColor(240, 190, 60)),
            1.5);
        QPainterPath bell;
        bell.addEllipse(h + QPointF(sd * 60, -30), 6, 6);
        ink(p, bell, shiny(bell.boundingRect(), QColor(250, 220, 80)), 1.1);
    }
    QPainterPath band;
    band.moveTo(h + QPointF(-30, -18));
    band.quadTo(h + QPointF(0, -30), h + QPointF(30, -18));
    strokeLine(p, band, kInk, 9);
    strokeLine(p, band, QColor(250, 250, 244), 6);
    // a fan of cards in one hand, one card flicked from the other
    for (int i = 0; i < 5; ++i)
        card(p, m.hand[1] + QPointF(6, -18), -30 + i * 15, i % 2 == 0, i % 3);
    drawHand(p, m, 1);
    card(p, m.hand[0] + QPointF(-8, -26), -20, true, 1);
    drawHand(p, m, 0);
    ribbon(QPointF(90, -200), QPointF(150, -100), QPointF(-130, -60), QPointF(-80, 10));
    p.restore();
    // cards and confetti in the air
    Rng rng(3103);
    for (int i = 0; i < 7; ++i) {
        const double x = i % 2 == 0 ? rng.range(110, 170) : rng.range(320, 390);
        card(p, QPointF(x, rng.range(40, 300)), rng.range(-60, 60), rng.chance(0.5), rng.below(3));
    }
    const QColor confetti[] = {QColor(255, 80, 120), QColor(255, 220, 60), QColor(90, 200, 255),
                               QColor(140, 255, 140)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(confetti[i % 4]);
        p.save();
        p.translate(rng.range(20, 620), rng.range(20, 330));
        p.rotate(rng.range(0, 180));
        p.drawRect(QRectF(-3, -1.5, 6, 3));
        p.restore();
    }
    return {QStringLiteral("fanta.bmp"), img, FileKind::Bmp};
}

}  // namespace

std::vector<Picture> drawCharacterScenes() {
    return paintAll({mountainMan, bugDoctor, weatherGirl, beingOfLight, conjurer, forestNinja,
                     mothDoctor, adventureRobot, darkSwordsman, merchantShip, performer});
}

}  // namespace quill::assetgen::scene
