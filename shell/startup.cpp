#include "shell/startup.h"

#include <iostream>

#include "explore/background.h"
#include "platform/random.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "state/static_tables.h"

namespace quill {

const std::array<const char*, kSpriteSlots> kSpriteFiles = {"00.bmp",
                                                            "char0.bmp",
                                                            "map_free2.bmp",
                                                            "map4.bmp",
                                                            "map5.bmp",
                                                            "map6.bmp",
                                                            "map.bmp",
                                                            "man0.bmp",
                                                            "man1.bmp",
                                                            "00.bmp",
                                                            "map7.bmp",
                                                            "map8.bmp",
                                                            "map_h.bmp",
                                                            "map9.bmp",
                                                            "map10.bmp",
                                                            "map_free3.bmp",
                                                            "ship.bmp",
                                                            "map_free4.bmp",
                                                            "norosi.bmp",
                                                            "map_free5.bmp",
                                                            "star1.bmp",
                                                            "star2.bmp",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "map11.bmp",
                                                            "map13.bmp",
                                                            "pet.bmp",
                                                            "pet0.bmp",
                                                            "blood.bmp",
                                                            "",
                                                            "pin_sea.bmp",
                                                            "pin_sky.bmp",
                                                            "pin_earth.bmp",
                                                            "pin_green.bmp",
                                                            "pin_mountain.bmp",
                                                            "pin_light.bmp"};

namespace {

// Cuts six square frames of the given size out of a sheet into consecutive slots.
void cut_sheet(Game& g, int sheet_slot, int first_slot, int size) {
    const platform::Bitmap& sheet = g.sprites[sheet_slot];
    for (int k = 0; k < 6; ++k) {
        platform::Bitmap& cell = g.sprites[first_slot + k];
        cell.resize(size, size);
        cell.copy_rect(0, 0, size, size, sheet, size * k, 0);
    }
    g.sprites[sheet_slot].clear();
}

}  // namespace

std::vector<std::string> LoadSpriteTable(Game& g) {
    std::vector<std::string> missing;
    for (int slot = 0; slot < kSpriteSlots; ++slot) {
        g.sprites[slot].clear();
        std::string file = kSpriteFiles[slot];
        if (file.empty()) continue;
        if (!g.sprites[slot].load(g.folders.cg_file(file))) missing.push_back(file);
    }
    cut_sheet(g, kSpriteStarSheetLarge, kSpriteLargeStars, 20);
    cut_sheet(g, kSpriteStarSheetSmall, kSpriteSmallStars, 10);
    // Every scene is drawn into the background buffer, whatever happened to map.bmp.
    if (g.background().width() != kBoardWidth || g.background().height() != kBoardHeight) {
        platform::Bitmap buffer(kBoardWidth, kBoardHeight);
        buffer.draw(g.background(), 0, 0);
        g.background() = std::move(buffer);
    }
    return missing;
}

void FormCreate(Game& g, std::optional<uint64_t> seed) {
    if (seed) {
        platform::seed_random(*seed);
    } else {
        platform::seed_random_from_clock();
    }
    const auto empty_picture = g.folders.cg_file("00.bmp");
    if (!g.cg().load(empty_picture) || g.cg().width() != kBoardWidth ||
        g.cg().height() != kBoardHeight) {
        g.cg().resize(kBoardWidth, kBoardHeight);
    }
    g.bak = g.cg();
    g.closing = 1;
    g.screen_mode = kBoot;

    std::vector<std::string> missing = LoadSpriteTable(g);
    if (!missing.empty()) {
        std::cerr << "Quillmoor: these pictures could not be loaded from " << g.folders.cg()
                  << " and stay empty:";
        for (const auto& name : missing) std::cerr << ' ' << name;
        std::cerr << '\n';
    }

    restore_all(g);
    fill_static_tables(g);
    load_game(g);
    load_net_bookkeeping(g);

    ShowBackground(g, "cr.jpg");
    g.form.map_b1.visible = false;
}

void FormClose(Game& g) {
    g.closing = -1;
}

void FormDestroy(Game& g) {
    save_net_bookkeeping(g);
    for (auto& sprite : g.sprites) sprite.clear();
}

}  // namespace quill
