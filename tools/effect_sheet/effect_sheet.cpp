// quillmoor-effect-sheet: contact sheets of the battle effect animations, for looking at
// them all without playing to each. For every animated type, a strip of frames across its
// life, drawn over a battle background as the game draws them.
//   quillmoor-effect-sheet PROGRAM_FOLDER OUT_DIR [TYPES_PER_PAGE]
// writes OUT_DIR/effects-01.png, effects-02.png, ...

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "state/game.h"
#include "view/effect_animations.h"
#include "view/popups.h"

namespace {

using namespace quill;

constexpr int kStrip = 7;                    // frames shown per type
constexpr int kCropW = 180, kCropH = 140;    // around the effect's point
constexpr int kPointX = 320, kPointY = 260;  // where each effect is started
constexpr int kLabel = 90;                   // the type's number, left of its strip

std::vector<int> animated_types() {
    std::vector<int> types;
    for (int t = 0; t < 400; ++t) {
        if (IsAnimatedEffect(t)) types.push_back(t);
    }
    return types;
}

QImage frame_of(Game& g, const platform::Bitmap& ground) {
    g.cg().draw(ground, 0, 0);
    g.bak.fill_rect(0, 0, kBoardWidth, kBoardHeight, platform::colors::kBlack);
    AgeAndDrawPopups(g);
    g.cg().or_combine(g.bak, 0, 0, kBoardWidth, kBoardHeight);
    return g.cg().qimage().copy(kPointX - kCropW / 2, kPointY - kCropH / 2, kCropW, kCropH);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: quillmoor-effect-sheet PROGRAM_FOLDER OUT_DIR [PER_PAGE]\n");
        return 2;
    }
    const std::string out = argv[2];
    const int per_page = argc > 3 ? std::max(1, std::atoi(argv[3])) : 12;

    auto owned = std::make_unique<Game>();
    Game& g = *owned;
    g.folders = platform::Folders(argv[1]);
    g.cg().resize(kBoardWidth, kBoardHeight);
    g.bak.resize(kBoardWidth, kBoardHeight);
    g.sprites[kSpriteEffects].load(g.folders.cg_file("00.bmp"));
    g.sprites[7].load(g.folders.cg_file("man0.bmp"));
    g.sprites[8].load(g.folders.cg_file("man1.bmp"));
    platform::Bitmap ground(kBoardWidth, kBoardHeight, platform::Color::rgb(0x304050));
    ground.load(g.folders.cg_file("free.bmp"));  // a battle place
    if (ground.width() != kBoardWidth)
        ground = platform::Bitmap(kBoardWidth, kBoardHeight, platform::Color::rgb(0x304050));

    const std::vector<int> types = animated_types();
    int page = 0;
    for (size_t first = 0; first < types.size(); first += static_cast<size_t>(per_page)) {
        const int rows =
            static_cast<int>(std::min(types.size() - first, static_cast<size_t>(per_page)));
        QImage sheet(kLabel + kStrip * kCropW, rows * kCropH, QImage::Format_RGB888);
        sheet.fill(Qt::black);
        QPainter p(&sheet);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
        for (int r = 0; r < rows; ++r) {
            const int type = types[first + static_cast<size_t>(r)];
            const int life = EffectLifetime(type);
            g.popups = {};
            g.tick_count = 1;
            const char* text = type >= 18 && type <= 21 ? "+123" : type >= 302 ? "ＧＬＯＷ" : "";
            AddPopup(g, kPointX, kPointY, text, type);
            // The frames at the start, through the life, and the last.
            std::vector<int> wanted;
            for (int i = 0; i < kStrip; ++i) wanted.push_back(1 + (life - 1) * i / (kStrip - 1));
            size_t next = 0;
            for (int step = 1; step <= life + 1 && next < wanted.size(); ++step) {
                g.tick_count += 1;
                g.tick_count |= 1;  // the slowly ageing types age on odd ticks only
                const QImage f = frame_of(g, ground);
                const int age = g.popups[1].age;
                if (age >= wanted[next] || age == 0) {
                    p.drawImage(kLabel + static_cast<int>(next) * kCropW, r * kCropH, f);
                    ++next;
                }
            }
            p.drawText(8, r * kCropH + 30, QString::number(type));
            p.setPen(QColor(80, 80, 80));
            p.drawLine(0, r * kCropH, sheet.width(), r * kCropH);
            p.setPen(Qt::white);
        }
        p.end();
        ++page;
        char name[64];
        std::snprintf(name, sizeof name, "/effects-%02d.png", page);
        if (!sheet.save(QString::fromStdString(out + name))) {
            std::fprintf(stderr, "cannot write %s%s\n", out.c_str(), name);
            return 1;
        }
    }
    std::printf("%zu types on %d pages in %s\n", types.size(), page, out.c_str());
    return 0;
}
