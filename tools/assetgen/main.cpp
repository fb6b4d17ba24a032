// quillmoor-assetgen OUTDIR
//
// Paints every picture the game loads from cg/ and writes them into OUTDIR/cg/, and the
// program's icons into OUTDIR/icons/hicolor/NxN/apps/quillmoor.png.
// OUTDIR/cg/.stamp is written last, so the build can tell a finished run from an
// interrupted one.
#include "assetgen.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

using namespace quill::assetgen;

namespace {

std::vector<Picture> paintEverything() {
    std::vector<Picture> out;
    out.push_back({QStringLiteral("title.bmp"), drawTitle(), FileKind::Bmp});
    out.push_back({QStringLiteral("cr.jpg"), drawCredit(), FileKind::Jpeg});
    out.push_back({QStringLiteral("map.bmp"), drawIslandMap(false), FileKind::Bmp});
    out.push_back({QStringLiteral("map2.bmp"), drawIslandMap(true), FileKind::Bmp});
    for (Picture& mark : drawMapMarks()) out.push_back(std::move(mark));
    out.push_back({QStringLiteral("star1.bmp"), drawStarStrip(20, 6), FileKind::Bmp});
    out.push_back({QStringLiteral("star2.bmp"), drawStarStrip(10, 6), FileKind::Bmp});
    out.push_back({QStringLiteral("00.bmp"), drawEffectSheet(), FileKind::Bmp});
    for (Picture& adventurer : drawAdventurers()) out.push_back(std::move(adventurer));
    for (Picture& pet : drawPets()) out.push_back(std::move(pet));
    out.push_back({QStringLiteral("man0.bmp"), drawWispSpirit(), FileKind::Bmp});
    out.push_back({QStringLiteral("man1.bmp"), drawFlameSpirit(), FileKind::Bmp});
    for (Picture& scene : drawBattleScenes()) out.push_back(std::move(scene));
    out.push_back({QStringLiteral("pet_house.bmp"), drawPetHouse(), FileKind::Bmp});
    return out;
}

int fail(const QString& message) {
    std::fprintf(stderr, "quillmoor-assetgen: %s\n", message.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Text needs a font database, which needs a GUI application; no display is required.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quillmoor-assetgen OUTDIR\n");
        return 2;
    }

    const QString cgDir = QDir(args.at(1)).filePath(QStringLiteral("cg"));
    if (!QDir().mkpath(cgDir)) return fail(QStringLiteral("cannot create %1").arg(cgDir));
    const QString stampPath = QDir(cgDir).filePath(QStringLiteral(".stamp"));
    if (QFile::exists(stampPath) && !QFile::remove(stampPath))
        return fail(QStringLiteral("cannot remove old %1").arg(stampPath));

    for (const Picture& pic : paintEverything()) {
        const QString path = QDir(cgDir).filePath(pic.name);
        QString error;
        const bool ok = pic.kind == FileKind::Jpeg ? writeJpeg(pic.image, path, 90, &error)
                                                   : writeBmp24(pic.image, path, &error);
        if (!ok) return fail(error);
    }

    // The program's icons for the desktop's theme, at the sizes desktops ask for.
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir =
            QDir(args.at(1)).filePath(QStringLiteral("icons/hicolor/%1x%1/apps").arg(size));
        if (!QDir().mkpath(dir)) return fail(QStringLiteral("cannot create %1").arg(dir));
        const QString path = QDir(dir).filePath(QStringLiteral("quillmoor.png"));
        if (!drawIcon(size).save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }

    QFile stamp(stampPath);
    if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot write %1: %2").arg(stampPath, stamp.errorString()));
    stamp.close();
    return 0;
}
