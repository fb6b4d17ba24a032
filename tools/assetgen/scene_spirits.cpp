// The island's great powers: the island itself awake with a face in its cliffs, the winged
// messenger above the clouds, the sea god rising from a storm, the round thunder-cloud god of
// the sky and the earth goddess in her cavern of roots.
#include "scene_art.h"

#include <cmath>

namespace quill::assetgen::scene {

namespace {

QPainterPath lightningPath(QPointF from, QPointF to, int zigs, uint32_t seed) {
    Rng rng(seed);
    QPainterPath bolt(from);
    for (int i = 1; i < zigs; ++i) {
        const QPointF on = lerp(from, to, double(i) / zigs);
        bolt.lineTo(on + QPointF(rng.range(-18, 18), rng.range(-6, 6)));
    }
    bolt.lineTo(to);
    return QPainterPathStroker().createStroke(bolt);
}

void lightning(QImage& img, QPointF from, QPointF to, uint32_t seed) {
    glowingShape(img, lightningPath(from, to, 7, seed), QColor(255, 255, 255),
                 QColor(170, 200, 255, 230), 10);
}

// ---------------------------------------------------------------- the island awake

Picture islandAwake() {
    Outdoor o;
    o.setSky(qRgb(30, 40, 80), qRgb(110, 90, 130), qRgb(240, 160, 110), 300)
        .setSun(QPointF(560, 290), 0, 0.5)
        .setClouds(0.55, qRgb(240, 170, 150), qRgb(60, 50, 90));
    o.glowColour = qRgb(255, 170, 110);
    o.sea = true;
    o.seaFar = qRgb(60, 70, 120);
    o.seaNear = qRgb(30, 60, 100);
    o.shoreY = 600;
    o.seed = 3201;
    QImage img = paintOutdoor(o);

    // the land rises out of the sea in the shape of a great head
    QPainterPath land;
    land.moveTo(20, 360);
    land.cubicTo(10, 250, 40, 120, 130, 86);
    land.cubicTo(190, 60, 300, 60, 360, 90);
    land.cubicTo(430, 130, 460, 250, 456, 360);
    land.closeSubpath();
    const QImage rock = rockTexture(qRgb(190, 160, 130), qRgb(70, 52, 50), 3202);
    QPainter p;
    beginPainter(p, img);
    p.save();
    p.setClipPath(land);
    p.drawImage(0, 0, rock);
    // the far side of the head is in shadow
    QLinearGradient side(20, 0, 456, 0);
    side.setColorAt(0, QColor(255, 220, 180, 40));
    side.setColorAt(0.6, QColor(0, 0, 0, 0));
    side.setColorAt(1, QColor(20, 10, 40, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(side);
    p.drawRect(QRectF(0, 0, kW, kH));
    p.restore();
    p.setPen(QPen(kInk, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(land);
    // forest for hair, and a little lighthouse on the crown
    Rng rng(3203);
    for (int i = 0; i < 22; ++i) {
        const double t = (i + 0.5) / 22;
        const QPointF c =
            bezierAt(QPointF(30, 250), QPointF(60, 60), QPointF(400, 50), QPointF(450, 250), t);
        drawTree(p, c + QPointF(0, 26), rng.range(46, 70),
                 QColor(60, 130, 70).darker(100 + rng.below(30)), QColor(90, 60, 40),
                 i % 3 == 0 ? TreeKind::Pine : TreeKind::Broad, 3204 + i);
    }
    QPainterPath tower =
        polygonPath({QPointF(316, 80), QPointF(320, 40), QPointF(332, 40), QPointF(336, 80)});
    ink(p, tower, lit(tower.boundingRect(), QColor(250, 246, 236)), 1.3);
    p.setPen(QPen(QColor(200, 50, 50), 4));
    p.drawLine(QPointF(319, 56), QPointF(333, 56));
    // brows of overhanging rock
    for (int sd : {-1, 1}) {
        QPainterPath brow;
        brow.moveTo(kStageX + sd * 20, 150);
        brow.cubicTo(kStageX + sd * 50, 124, kStageX + sd * 100, 128, kStageX + sd * 124, 150);
        brow.lineTo(kStageX + sd * 118, 160);
        brow.cubicTo(kStageX + sd * 96, 142, kStageX + sd * 52, 140, kStageX + sd * 22, 162);
        brow.closeSubpath();
        ink(p, brow, lit(brow.boundingRect(), QColor(150, 120, 100)), 1.6);
    }
    // a ridge for a nose
    QPainterPath nose;
    nose.moveTo(kStageX - 6, 160);
    nose.cubicTo(kStageX - 14, 200, kStageX - 30, 230, kStageX - 20, 244);
    nose.quadTo(kStageX, 254, kStageX + 20, 244);
    nose.cubicTo(kStageX + 24, 226, kStageX + 12, 196, kStageX + 6, 160);
    nose.closeSubpath();
    QLinearGradient ng(kStageX - 30, 0, kStageX + 24, 0);
    ng.setColorAt(0, QColor(210, 180, 150));
    ng.setColorAt(1, QColor(110, 86, 76));
    ink(p, nose, ng, 1.6);
    // the mouth: a sea cave with rocks for teeth
    QPainterPath mouth;
    mouth.moveTo(kStageX - 80, 276);
    mouth.cubicTo(kStageX - 40, 296, kStageX + 40, 296, kStageX + 80, 272);
    mouth.cubicTo(kStageX + 60, 320, kStageX - 60, 324, kStageX - 80, 276);
    mouth.closeSubpath();
    QRadialGradient mg(QPointF(kStageX, 300), 80);
    mg.setColorAt(0, QColor(255, 140, 60));
    mg.setColorAt(0.4, QColor(120, 30, 30));
    mg.setColorAt(1, QColor(30, 10, 20));
    ink(p, mouth, mg, 2.0);
    for (int i = 0; i < 6; ++i) {
        const double x = kStageX - 62 + i * 25;
        const QPainterPath tooth =
            polygonPath({QPointF(x - 9, 282 + std::abs(i - 2.5) * 2),
                         QPointF(x + 9, 282 + std::abs(i - 2.5) * 2), QPointF(x, 300)});
        ink(p, tooth, lit(tooth.boundingRect(), QColor(200, 180, 160)), 1.2);
    }
    // waterfalls from the corners of the mouth
    for (int sd : {-1, 1}) {
        QPainterPath fall;
        fall.addRect(QRectF(kStageX + sd * 84 - 6, 276, 12, 90));
        QLinearGradient fg(0, 276, 0, 366);
        fg.setColorAt(0, QColor(220, 240, 255, 230));
        fg.setColorAt(1, QColor(220, 240, 255, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(fg);
        p.drawPath(fall);
    }
    // the eyes are caves lit from within
    QPainterPath eyes;
    for (int sd : {-1, 1}) eyes.addEllipse(QPointF(kStageX + sd * 70, 180), 30, 18);
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(30, 16, 20));
    p.drawPath(eyes);
    p.end();
    paintGlow(img, eyes, QColor(255, 220, 80, 230), 14, true);
    beginPainter(p, img);
    for (int sd : {-1, 1}) {
        QRadialGradient g(QPointF(kStageX + sd * 70, 182), 22);
        g.setColorAt(0, QColor(255, 255, 220));
        g.setColorAt(0.5, QColor(255, 220, 80));
        g.setColorAt(1, QColor(255, 150, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(kStageX + sd * 70, 182), 18, 12);
        p.setBrush(QColor(60, 20, 10));
        p.drawEllipse(QPointF(kStageX + sd * 70 + 6, 183), 5, 9);
    }
    // surf breaking round the foot of the island
    p.setPen(QPen(QColor(240, 250, 255, 220), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double x = 20 + i * 38;
        QPainterPath foam(QPointF(x, 362));
        foam.quadTo(QPointF(x + 14, 350 + (i % 2) * 6), QPointF(x + 32, 362));
        p.setBrush(Qt::NoBrush);
        p.drawPath(foam);
    }
    // gulls wheeling round the head
    birds(p, {QPointF(470, 100), QPointF(500, 130), QPointF(110, 40)}, QColor(250, 250, 255), 9);
    return {QStringLiteral("sima.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the messenger from the heavens

void cloudSea(QPainter& p, double top, double bottom, int rows, const QColor& light,
              const QColor& dark, uint32_t seed) {
    Rng rng(seed);
    for (int r = 0; r < rows; ++r) {
        const double t = double(r) / std::max(1, rows - 1);
        const double y = top + (bottom - top) * t;
        const double w = 90 + 150 * t;
        for (double x = -rng.range(0, w); x < kW + w; x += w * rng.range(0.6, 0.9)) {
            drawCloud(p, QPointF(x, y), w, w * 0.42, light, mixColour(dark, light, 0.3 * (1 - t)),
                      seed + r * 31 + int(x));
        }
    }
}

Picture heavenlyMessenger() {
    Outdoor o;
    o.setSky(qRgb(50, 100, 200), qRgb(140, 186, 240), qRgb(255, 230, 190), 290)
        .setSun(QPointF(kStageX, 130), 0, 0.6)
        .setGround(qRgb(250, 240, 230), qRgb(220, 224, 240), qRgb(255, 255, 255));
    o.glowColour = qRgb(255, 244, 210);
    o.seed = 3301;
    QImage img = paintOutdoor(o);
    lightRays(img, QPointF(kStageX, 130), 24, 560, 360, 0, QColor(255, 250, 220, 80), 3302);
    QPainter p;
    beginPainter(p, img);
    cloudSea(p, 280, 360, 4, QColor(255, 252, 246), QColor(190, 196, 230), 3303);
    p.end();
    aura(img, QPointF(kStageX, 170), 100, 130, QColor(255, 240, 190, 120));
    beginPainter(p, img);

    Person m;
    m.skin = QColor(252, 226, 206);
    m.hair = QColor(250, 214, 110);
    m.hairStyle = HairStyle::Spiky;
    m.face.iris = QColor(60, 140, 230);
    m.face.mouth = Mouth::Smile;
    m.pose(QPointF(-50, -150), QPointF(-50, -110), QPointF(56, -176), QPointF(64, -220));
    m.shirt = QColor(252, 252, 255);
    m.lower = Lower::Robe;
    m.lowerColour = QColor(244, 246, 255);
    m.belt = QColor(80, 140, 230);
    m.trim = QColor(240, 200, 80);
    m.boots = QColor(240, 210, 130);
    m.fist[1] = true;
    p.save();
    placeFigure(p, QPointF(kStageX, 320), 1.0);
    featherWing(p, QPointF(-18, -186), 140, -1, QColor(250, 250, 255), 14);
    featherWing(p, QPointF(18, -186), 140, 1, QColor(250, 250, 255), 14);
    drawPerson(p, m);
    const QPointF h = headCentre(m);
    QPainterPath halo;
    halo.addEllipse(h + QPointF(0, -44), 30, 8);
    halo.addEllipse(h + QPointF(0, -44), 24, 5);
    ink(p, halo, shiny(halo.boundingRect(), QColor(250, 210, 90)), 1.2);
    // a golden trumpet held high, a sealed scroll in the other hand
    const QPointF grip = m.hand[1];
    const QPointF mouthpiece = grip + QPointF(-12, 20);
    const QPointF end = grip + QPointF(36, -70);
    const QPointF along =
        (end - mouthpiece) / std::hypot(end.x() - mouthpiece.x(), end.y() - mouthpiece.y());
    const QPointF across(-along.y(), along.x());
    // a pennant hangs from the trumpet
    const QPointF hang = lerp(mouthpiece, end, 0.45);
    const QPainterPath pennant =
        polygonPath({hang, hang + along * 34, hang + along * 30 + across * 30,
                     hang + along * 16 + across * 22, hang + across * 30});
    ink(p, pennant, lit(pennant.boundingRect(), QColor(70, 130, 230)), 1.2);
    const QPainterPath tube = capsule(mouthpiece, 2.6, end, 3.2);
    ink(p, tube, shiny(tube.boundingRect(), QColor(250, 200, 70)), 1.1);
    const QPainterPath bell = polygonPath({end - across * 3, end + along * 26 - across * 15,
                                           end + along * 26 + across * 15, end + across * 3});
    ink(p, bell, shiny(bell.boundingRect(), QColor(250, 200, 70)), 1.3);
    QPainterPath rim;
    rim.addEllipse(end + along * 26, 6, 15);
    QTransform turn;
    turn.translate((end + along * 26).x(), (end + along * 26).y());
    turn.rotate(std::atan2(along.y(), along.x()) * 180 / M_PI);
    turn.translate(-(end + along * 26).x(), -(end + along * 26).y());
    ink(p, turn.map(rim), QColor(255, 236, 150), 1.2);
    drawHand(p, m, 1);
    const QPainterPath scroll =
        capsule(m.hand[0] + QPointF(-6, -24), 7, m.hand[0] + QPointF(4, 24), 7);
    ink(p, scroll, lit(scroll.boundingRect(), QColor(250, 240, 210)), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 50));
    p.drawEllipse(m.hand[0] + QPointF(8, 2), 5, 5);
    drawHand(p, m, 0);
    p.restore();
    // clouds drift in front of the messenger's feet
    cloudSea(p, 318, 440, 3, QColor(255, 255, 255), QColor(200, 206, 236), 3304);
    sparkles(p, QRectF(kStageX - 140, 40, 280, 260), 12, 4, 9, QColor(255, 250, 220), 3305);
    return {QStringLiteral("ten.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the sea god

Picture seaGod() {
    Outdoor o;
    o.setSky(qRgb(14, 18, 34), qRgb(40, 50, 74), qRgb(90, 110, 126), 250)
        .setClouds(0.85, qRgb(110, 120, 140), qRgb(24, 28, 44));
    o.sea = true;
    o.seaFar = qRgb(30, 56, 74);
    o.seaNear = qRgb(16, 50, 70);
    o.shoreY = 600;
    o.foam = qRgb(200, 230, 240);
    o.seed = 3401;
    QImage img = paintOutdoor(o);
    lightning(img, QPointF(540, 0), QPointF(500, 240), 3402);
    lightning(img, QPointF(70, 0), QPointF(110, 170), 3403);
    rain(img, QRectF(0, 0, kW, kH), 300, QColor(180, 200, 230, 120), 3404);
    aura(img, QPointF(kStageX, 150), 120, 110, QColor(60, 200, 220, 90));

    QPainter p;
    beginPainter(p, img);
    const QColor hide(50, 124, 124), belly(176, 214, 190), fin(90, 190, 180);
    // tentacles rising from the waves on either side
    for (int sd : {-1, 1}) {
        const QPointF base(kStageX + sd * 170, 360);
        const QPainterPath t =
            taper(base, base + QPointF(sd * 10, -120), base + QPointF(-sd * 60, -160),
                  base + QPointF(-sd * 30, -220), 44, 6);
        ink(p, t, lit(t.boundingRect(), shade(hide, 0.85)), 1.8);
        for (int i = 1; i < 6; ++i) {
            const QPointF c =
                bezierAt(base, base + QPointF(sd * 10, -120), base + QPointF(-sd * 60, -160),
                         base + QPointF(-sd * 30, -220), i / 6.5);
            p.setPen(QPen(shade(belly, 0.8), 1.0));
            p.setBrush(belly);
            p.drawEllipse(c + QPointF(-sd * 8, 0), 5 - i * 0.5, 4 - i * 0.4);
        }
    }
    // the neck rising out of the sea
    const QPainterPath neck = taper(QPointF(kStageX - 10, 380), QPointF(kStageX - 40, 300),
                                    QPointF(kStageX + 30, 240), QPointF(kStageX, 170), 130, 90);
    ink(p, neck, lit(neck.boundingRect(), hide), 2.0);
    const QPainterPath throat = taper(QPointF(kStageX - 10, 380), QPointF(kStageX - 36, 300),
                                      QPointF(kStageX + 26, 240), QPointF(kStageX, 180), 60, 44);
    ink(p, throat, lit(throat.boundingRect(), belly), 1.4);
    p.save();
    p.setClipPath(throat);
    p.setPen(QPen(shade(belly, 0.7), 1.4));
    for (double y = 190; y < 380; y += 16)
        p.drawLine(QPointF(kStageX - 60, y), QPointF(kStageX + 60, y + 4));
    p.restore();
    // a fan of spined fins behind the head
    const QPointF h(kStageX, 130);
    QPainterPath crest;
    crest.moveTo(h + QPointF(-60, 30));
    for (int i = 0; i <= 8; ++i) {
        const double a = M_PI * (1.1 + 0.8 * i / 8.0);
        crest.lineTo(h + QPointF(std::cos(a) * 120, std::sin(a) * 100));
        if (i < 8) {
            const double b = M_PI * (1.1 + 0.8 * (i + 0.5) / 8.0);
            crest.lineTo(h + QPointF(std::cos(b) * 86, std::sin(b) * 72));
        }
    }
    crest.lineTo(h + QPointF(60, 30));
    crest.closeSubpath();
    QRadialGradient cg(h, 120);
    cg.setColorAt(0, shade(fin, 0.6));
    cg.setColorAt(1, shade(fin, 1.2));
    ink(p, crest, cg, 1.8);
    // horns
    for (int sd : {-1, 1}) {
        const QPainterPath horn =
            taper(h + QPointF(sd * 30, -30), h + QPointF(sd * 60, -60), h + QPointF(sd * 70, -100),
                  h + QPointF(sd * 56, -126), 22, 3);
        ink(p, horn, lit(horn.boundingRect(), QColor(240, 230, 200)), 1.5);
    }
    // the head: broad brow, a long snout, the jaws open
    QPainterPath head;
    head.moveTo(h + QPointF(-56, -10));
    head.cubicTo(h + QPointF(-60, -50), h + QPointF(60, -50), h + QPointF(56, -10));
    head.cubicTo(h + QPointF(54, 20), h + QPointF(36, 40), h + QPointF(28, 64));
    head.lineTo(h + QPointF(-28, 64));
    head.cubicTo(h + QPointF(-36, 40), h + QPointF(-54, 20), h + QPointF(-56, -10));
    head.closeSubpath();
    ink(p, head, lit(head.boundingRect(), hide), 2.0);
    QPainterPath maw;
    maw.moveTo(h + QPointF(-30, 50));
    maw.quadTo(h + QPointF(0, 58), h + QPointF(30, 50));
    maw.cubicTo(h + QPointF(28, 80), h + QPointF(-28, 80), h + QPointF(-30, 50));
    ink(p, maw, QColor(110, 20, 40), 1.6);
    for (int i = 0; i < 5; ++i) {
        const double x = -24 + i * 12;
        const QPainterPath fang = polygonPath(
            {h + QPointF(x - 4, 52), h + QPointF(x + 4, 52), h + QPointF(x, 62 + (i % 2) * 4)});
        ink(p, fang, QColor(250, 250, 236), 0.9);
    }
    const QPainterPath jaw = taper(h + QPointF(-30, 74), h + QPointF(-10, 88), h + QPointF(10, 88),
                                   h + QPointF(30, 74), 12, 12);
    ink(p, jaw, lit(jaw.boundingRect(), shade(hide, 0.85)), 1.5);
    // long whiskers drifting from the snout
    for (int sd : {-1, 1}) {
        const QPainterPath whisker =
            taper(h + QPointF(sd * 26, 48), h + QPointF(sd * 80, 40), h + QPointF(sd * 100, 110),
                  h + QPointF(sd * 150, 100), 6, 1);
        ink(p, whisker, QColor(200, 230, 210), 1.0);
    }
    // a crown of coral
    for (int i = -2; i <= 2; ++i) {
        const QPointF b = h + QPointF(i * 16, -40);
        const QPainterPath branch = taper(b, b + QPointF(i * 2, -14), b + QPointF(i * 6, -22),
                                          b + QPointF(i * 8, -34 + std::abs(i) * 4), 7, 3);
        ink(p, branch, lit(branch.boundingRect(), QColor(250, 110, 110)), 1.1);
    }
    // barnacles and seaweed on the brow
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(210, 210, 196));
    for (const QPointF& b : {QPointF(-40, -14), QPointF(-32, -22), QPointF(44, -6)})
        p.drawEllipse(h + b, 3.5, 3);
    const QPainterPath weed = taper(h + QPointF(-50, -16), h + QPointF(-64, 10),
                                    h + QPointF(-54, 40), h + QPointF(-64, 70), 8, 2);
    ink(p, weed, QColor(60, 130, 60), 1.0);
    // glowing eyes
    QPainterPath eyes;
    for (int sd : {-1, 1}) {
        QPainterPath e;
        e.moveTo(h + QPointF(sd * 14, 4));
        e.quadTo(h + QPointF(sd * 32, -12), h + QPointF(sd * 44, 2));
        e.quadTo(h + QPointF(sd * 30, 10), h + QPointF(sd * 14, 4));
        eyes.addPath(e);
    }
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(200, 255, 250));
    p.drawPath(eyes);
    p.end();
    paintGlow(img, eyes, QColor(80, 255, 240, 230), 8, true);
    // water pouring off the beast and the sea heaving round its neck
    beginPainter(p, img);
    p.setPen(QPen(QColor(220, 240, 255, 170), 2.0, Qt::SolidLine, Qt::RoundCap));
    Rng rng(3405);
    for (int i = 0; i < 18; ++i) {
        const QPointF a(kStageX + rng.range(-60, 60), rng.range(140, 260));
        p.drawLine(a, a + QPointF(0, rng.range(10, 30)));
    }
    for (int i = 0; i < 16; ++i) {
        const double a = M_PI * (0.05 + 0.9 * i / 15.0);
        const QPointF c(kStageX + std::cos(a) * 120, 350 - std::sin(a) * 14);
        QPainterPath splash;
        splash.addEllipse(c, rng.range(14, 24), rng.range(8, 14));
        p.setPen(QPen(QColor(170, 210, 230), 1.0));
        p.setBrush(QColor(230, 246, 255, 220));
        p.drawPath(splash);
    }
    for (int i = 0; i < 10; ++i) {
        QPainterPath spray(QPointF(kStageX + rng.range(-120, 120), 346));
        spray.quadTo(spray.currentPosition() + QPointF(rng.range(-20, 20), -40),
                     spray.currentPosition() + QPointF(rng.range(-40, 40), -rng.range(30, 60)));
        strokeLine(p, spray, QColor(230, 246, 255, 200), 2.0);
    }
    return {QStringLiteral("jis.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the thunder-cloud god

QPainterPath puffBall(QPointF c, double r, int puffs, uint32_t seed) {
    Rng rng(seed);
    QPainterPath ball;
    ball.addEllipse(c, r * 0.86, r * 0.82);
    for (int i = 0; i < puffs; ++i) {
        const double a = i * 2 * M_PI / puffs + rng.range(-0.1, 0.1);
        const double pr = r * rng.range(0.26, 0.34);
        ball.addEllipse(c + QPointF(std::cos(a) * r * 0.78, std::sin(a) * r * 0.74), pr, pr);
    }
    return solid(ball);
}

Picture thunderGod() {
    Outdoor o;
    o.setSky(qRgb(30, 60, 130), qRgb(80, 130, 200), qRgb(160, 190, 220), 330)
        .setClouds(0.5, qRgb(230, 236, 246), qRgb(110, 120, 150))
        .setGround(qRgb(150, 160, 190), qRgb(80, 86, 110), qRgb(170, 180, 210));
    o.seed = 3501;
    QImage img = paintOutdoor(o);
    QPainter p;
    beginPainter(p, img);
    cloudSea(p, 320, 400, 3, QColor(200, 206, 226), QColor(90, 96, 126), 3502);
    p.end();
    lightning(img, QPointF(180, 260), QPointF(120, 420), 3503);
    lightning(img, QPointF(330, 270), QPointF(400, 430), 3504);
    rain(img, QRectF(100, 260, 300, 200), 160, QColor(200, 220, 255, 140), 3505);

    beginPainter(p, img);
    const QPointF c(kStageX, 170);
    // the ring of drums behind him
    p.setPen(QPen(QColor(120, 60, 40), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 160, 150);
    for (int i = 0; i < 8; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 8;
        const QPointF d = c + QPointF(std::cos(a) * 160, std::sin(a) * 150);
        QPainterPath drum;
        drum.addRoundedRect(QRectF(d.x() - 20, d.y() - 16, 40, 32), 10, 10);
        ink(p, drum, lit(drum.boundingRect(), QColor(200, 60, 50)), 1.5);
        QPainterPath skin;
        skin.addEllipse(d + QPointF(-3, -3), 13, 11);
        ink(p, skin, QColor(250, 236, 200), 1.1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 190, 60));
        p.drawEllipse(d + QPointF(-3, -3), 4, 4);
    }
    const QColor light(250, 252, 255), dark(110, 116, 150);
    // puffy arms: one raised with a thunderbolt, one fist on the belly
    QPainterPath armUp;
    for (int i = 0; i < 4; ++i)
        armUp.addEllipse(c + QPointF(100 + i * 9, -16 - i * 22), 28 - i * 2, 26 - i * 2);
    fillCloud(p, solid(armUp), light, dark, 1.8);
    QPainterPath armDown;
    for (int i = 0; i < 4; ++i)
        armDown.addEllipse(c + QPointF(-104 - i * 8, 10 + i * 24), 28 - i * 2, 26 - i * 2);
    fillCloud(p, solid(armDown), light, dark, 1.8);
    const QPainterPath body = puffBall(c, 118, 12, 3506);
    fillCloud(p, body, light, dark, 1.8);
    // grumpy-merry face
    for (int sd : {-1, 1}) {
        const QPointF e = c + QPointF(sd * 38, -18);
        QPainterPath eye;
        eye.addEllipse(e, 20, 22);
        ink(p, eye, QColor(255, 255, 255), 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 60));
        p.drawEllipse(e + QPointF(4, 4), 9, 10);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(e + QPointF(1, 0), 3, 3);
        const QPainterPath brow = taper(e + QPointF(-sd * 26, -30), e + QPointF(-sd * 10, -36),
                                        e + QPointF(sd * 6, -30), e + QPointF(sd * 22, -22), 14, 8);
        ink(p, brow, QColor(70, 74, 100), 1.4);
    }
    QPainterPath grin;
    grin.moveTo(c + QPointF(-50, 30));
    grin.quadTo(c + QPointF(0, 40), c + QPointF(50, 30));
    grin.quadTo(c + QPointF(0, 90), c + QPointF(-50, 30));
    ink(p, grin, QColor(140, 40, 60), 2.0);
    p.save();
    p.setClipPath(grin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(c.x() - 50, c.y() + 26, 100, 14));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 150, 130));
    p.drawEllipse(c + QPointF(-70, 24), 14, 8);
    p.drawEllipse(c + QPointF(70, 24), 14, 8);
    // the thunderbolt held aloft
    const QPointF fist = c + QPointF(128, -88);
    const QPainterPath boltShape =
        polygonPath({fist + QPointF(-6, 10), fist + QPointF(14, -30), fist + QPointF(4, -30),
                     fist + QPointF(22, -72), fist + QPointF(-10, -22), fist + QPointF(2, -22),
                     fist + QPointF(-14, 14)});
    p.end();
    paintGlow(img, boltShape, QColor(255, 230, 80, 230), 10, true);
    beginPainter(p, img);
    ink(p, boltShape, QColor(255, 240, 120), 1.6);
    QPainterPath fistPuff;
    fistPuff.addEllipse(fist, 24, 22);
    fillCloud(p, fistPuff, light, dark, 1.8);
    return {QStringLiteral("hajime.bmp"), img, FileKind::Bmp};
}

// ---------------------------------------------------------------- the earth goddess

Picture earthGoddess() {
    Cave c;
    c.rock = qRgb(120, 96, 76);
    c.rockDark = qRgb(30, 22, 20);
    c.floor = qRgb(110, 86, 60);
    c.light = QColor(255, 230, 160);
    c.lightTop = QPointF(280, 0);
    c.seed = 3601;
    QImage img = paintCave(c);
    QPainter p;
    beginPainter(p, img);
    // roots hanging from the roof and creeping down the walls
    Rng rng(3602);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(0, 640);
        if (x > 170 && x < 310 && i % 3 != 0) continue;
        const double len = rng.range(60, 200);
        const QPainterPath root = taper(QPointF(x, -4), QPointF(x + rng.range(-20, 20), len * 0.3),
                                        QPointF(x + rng.range(-30, 30), len * 0.7),
                                        QPointF(x + rng.range(-20, 20), len), rng.range(8, 16), 1);
        ink(p, root, lit(root.boundingRect(), QColor(120, 84, 56)), 1.2);
    }
    // crystals glowing along the walls
    QPainterPath glow;
    for (const auto& [x, y, h] : {std::tuple{60.0, 330.0, 70.0}, std::tuple{100.0, 320.0, 46.0},
                                  std::tuple{540.0, 340.0, 80.0}, std::tuple{590.0, 320.0, 50.0},
                                  std::tuple{30.0, 200.0, 40.0}}) {
        for (int k = -1; k <= 1; ++k) {
            drawCrystal(p, QPointF(x + k * h * 0.22, y), h * (1 - std::abs(k) * 0.35), h * 0.22,
                        k * 20.0, QColor(250, 180, 70));
            glow.addEllipse(QPointF(x + k * h * 0.3, y - h * 0.5), h * 0.2, h * 0.45);
        }
    }
    // moss on the floor
    drawGrass(p, QRectF(0, 320, 640, 150), 50, QColor(110, 150, 60), 3603);
    p.end();
    paintGlow(img, solid(glow), QColor(255, 170, 60, 110), 14, true);
    aura(img, QPointF(kStageX, 190), 100, 160, QColor(200, 240, 120, 90));

    beginPainter(p, img);
    Person m;
    m.height = 1.04;
    m.skin = QColor(206, 176, 146);
    m.hair = QColor(70, 90, 44);
    m.hairStyle = HairStyle::Long;
    m.face.female = true;
    m.face.eyes = Eyes::Happy;
    m.face.mouth = Mouth::Smile;
    m.pose(QPointF(-40, -150), QPointF(-14, -140), QPointF(40, -150), QPointF(14, -140));
    m.shirt = QColor(150, 110, 70);
    m.lower = Lower::Robe;
    m.lowerColour = QColor(96, 124, 64);
    m.boots = QColor(110, 80, 50);
    m.belt = QColor(230, 170, 70);
    m.trim = QColor(230, 170, 70);
    groundShadow(p, QPointF(kStageX, 334), 60, 9);
    p.save();
    placeFigure(p, QPointF(kStageX, 330), 1.0);
    // roots spread over the ground from under her robe
    for (int sd : {-1, 1}) {
        for (int k = 0; k < 3; ++k) {
            const QPainterPath root =
                taper(QPointF(sd * 12, -6), QPointF(sd * (40 + k * 10), -4 + k * 6),
                      QPointF(sd * (70 + k * 20), 2 + k * 8),
                      QPointF(sd * (110 + k * 26), -4 + k * 14), 14 - k * 3, 2);
            ink(p, root, lit(root.boundingRect(), QColor(120, 84, 56)), 1.3);
        }
    }
    drawPerson(p, m);
    // a crown of branches and leaves
    const QPointF h = headCentre(m);
    for (int sd : {-1, 1}) {
        const QPainterPath branch =
            taper(h + QPointF(sd * 14, -28), h + QPointF(sd * 20, -50), h + QPointF(sd * 40, -58),
                  h + QPointF(sd * 52, -76), 7, 2);
        ink(p, branch, lit(branch.boundingRect(), QColor(130, 90, 56)), 1.2);
        for (int k = 0; k < 3; ++k) {
            QPainterPath leaf;
            leaf.addEllipse(h + QPointF(sd * (24 + k * 12), -50 - k * 9), 6, 3.5);
            ink(p, leaf, QColor(120, 190, 80), 0.9);
        }
    }
    // glowing veins in her stone skin
    p.setPen(QPen(QColor(255, 200, 90), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(h + QPointF(-20, 14), h + QPointF(-16, 22));
    p.drawLine(h + QPointF(18, 14), h + QPointF(15, 22));
    p.restore();
    p.end();
    // a seed of light cupped in her hands
    QPainterPath seed;
    seed.addEllipse(QPointF(kStageX, 330 - 150 * 1.0), 10, 10);
    glowingShape(img, seed, QColor(250, 255, 220), QColor(220, 255, 140, 255), 12);
    beginPainter(p, img);
    // stones float up around her
    for (const QPointF& s : {QPointF(130, 96), QPointF(370, 76), QPointF(396, 196)}) {
        drawBoulder(p, s, 42, 22, QColor(150, 128, 104), 3604 + int(s.x()));
    }
    p.end();
    motes(img, QRectF(120, 60, 260, 260), 16, QColor(200, 255, 140, 150), 2.2, 3605);
    return {QStringLiteral("luka.bmp"), img, FileKind::Bmp};
}

}  // namespace

std::vector<Picture> drawSpiritScenes() {
    return paintAll({islandAwake, heavenlyMessenger, seaGod, thunderGod, earthGoddess});
}

}  // namespace quill::assetgen::scene
