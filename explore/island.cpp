#include "explore/island.h"
#include "state/scene_kinds.h"
#include "state/sequence_steps.h"

#include "audio/sound.h"
#include "battle/battle_start.h"
#include "battle/sequencer.h"
#include "explore/background.h"
#include "explore/encounters.h"
#include "explore/named_characters.h"
#include "explore/story_chapters.h"
#include "items/achievements.h"
#include "items/item_panel.h"
#include "net/report_exchange.h"
#include "platform/random.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "view/adventurer_pictures.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::random;

struct Chapter {
    int flag;
    const char* music;
    const char* record;  // the news line after the name, or nothing
};
constexpr Chapter kChapters[] = {
    {30, "op-low.mp3", nullptr},
    {31, "op-low.mp3", "は、『運命の入り口』に立った"},
    {32, "op-low.mp3", "は、『島の願い』を知った"},
    {33, "op-low.mp3", "は、『古き友』の話を聞いた"},
    {34, "op-low.mp3", "は、『島との契り』を確認した"},
    {35, "op-low.mp3", "は、『前任者』の話を聞いた"},
    {36, "op-low.mp3", "は、『認められし三人』の話を聞いた"},
    {37, "op-low.mp3", "は、『正体』を気付かれた"},
    {38, "map3-low.mp3", "は、『託された伝説』に踏み入った"},
    {39, "map3-low.mp3", nullptr},
};
constexpr const char* kChapterTags[] = {"",         "<進行１>", "<進行２>", "<進行３>", "<進行４>",
                                        "<進行５>", "<進行６>", "<進行７>", "<進行８>", ""};

void tell_chapter(Game& g, int flag) {
    const Chapter& c = kChapters[flag - 30];
    const std::string& name = g.adventurer().name;
    g.state.event_flags[flag] = 1;
    if (flag == 39) save_game(g);  // the first fall is worth keeping
    PlayMusic(g, c.music);
    if (c.record) post_report(g, kChapterTags[flag - 30] + name + c.record);
    g.story_lines = StoryChapterLines(flag, name);
    TellStoryAndReturn(g);
}

// Every handler of a place but the free walk ignores clicks while the map is not shown, a
// battle is drawn or the network is busy.
bool map_ignores_clicks(const Game& g) {
    return g.map_shown == 0 || g.in_battle == 1 || g.net_busy;
}

void go_to_scene(Game& g, int32_t scene_kind, const char* background, int32_t step) {
    LeaveMap(g);
    g.scene_kind = scene_kind;
    ShowBackground(g, background);
    g.sequence_step = step;
    RunStep(g);
}

void open_item_panel(Game& g, ItemScreen screen) {
    PlaySound(g, "a.wav");
    g.scene_kind = scene::kItemPanel;
    g.item_screen = screen;
    RefreshItemPanel(g);
}

}  // namespace

int NextStoryChapter(const Game& g) {
    const auto& e = g.state.event_flags;
    const auto& s = g.state.story_flags;
    const int32_t level = g.combatants[0].level;
    for (int flag = 30; flag <= 37; ++flag) {
        if (e[flag] == 0 && level >= 5 * (flag - 29)) return flag;
    }
    if (e[38] == 0 && s[12] >= 1) return 38;
    if (e[39] == 0 && (e[38] == 1 || s[12] < 1) && g.state.death_count >= 1) return 39;
    return 0;
}

std::vector<int32_t> LandingAchievements(const Game& g) {
    std::vector<int32_t> ids;
    auto earned = [&ids](bool reached, int32_t id) {
        if (reached) ids.push_back(id);
    };
    const int32_t best = g.state.max_distance_m;
    const int32_t distances[] = {10, 20, 30, 40, 50, 75, 100, 150, 200, 300};
    for (int i = 0; i < 10; ++i) earned(best >= distances[i], 440 + i);

    const Combatant& p = g.combatants[2];
    earned(p.evasion >= 10, 462);
    earned(p.max_mp >= 20, 463);
    earned(p.attack >= 20, 464);
    earned(p.intellect >= 20, 465);
    earned(p.defence >= 10, 466);
    earned(p.hit >= 10, 467);
    for (int i = 0; i < 5; ++i) earned(p.moods[i] >= 10, 468 + i);

    int combos = 0;
    for (int id = 100; id < kSkillIds; ++id) combos += g.state.combo_discovered[id] != 0;
    earned(combos >= 5, 477);
    earned(combos >= 10, 478);
    earned(combos >= 15, 479);
    earned(combos >= 20, 499);
    return ids;
}

void EnterIsland(Game& g) {
    g.state.distance_m = 0;
    g.map_shown = 1;
    ShowBackground(g, "map.bmp");
    g.form.map_box.visible = true;
    g.sequence_step = -1;
    g.in_battle = 0;
    g.form.map_b1.visible = true;
    g.scene_kind = scene::kIsland;
    g.form.Image8.visible = true;
    g.form.Image7.visible = true;
    ClearLog(g);
    if (!g.arrival_reported) {
        g.arrival_reported = true;
        fetch_reports(g);
        post_report(g, "<入島>" + g.adventurer().name + "がワールドに降り立った....");
    }
    for (int32_t id : LandingAchievements(g)) GrantAchievement(g, id);
    if (const int flag = NextStoryChapter(g)) tell_chapter(g, flag);
}

void LeaveMap(Game& g) {
    LoadAdventurerPictures(g);
    g.state.distance_m = 0;
    g.enemy_shake = 0;
    g.shake_ticks = 0;
    ClearLog(g);
    g.map_shown = 0;
    ResetRunState(g);
    g.form.Image8.visible = false;
    g.form.Image7.visible = false;
    g.form.map_box.visible = false;
}

void TellStoryAndReturn(Game& g) {
    ClearLog(g);
    g.map_shown = 0;
    g.form.map_box.visible = false;
    g.form.Image8.visible = false;
    g.form.Image7.visible = false;
    g.return_to_area = true;
    g.sequence_step = -1;
    RunStep(g);
}

std::string IslandMapName(const Game& g, const std::string& name) {
    std::string result = name;
    if (result == "map.bmp" && g.state.story_flags[12] == 2) result = "map2.bmp";
    if (result == "map2.bmp" && g.state.story_flags[13] == 2) result = "map.bmp";
    return result;
}

void DrawIslandOverlays(Game& g) {
    const auto& S = g.state.story_flags;
    const auto& E = g.state.event_flags;
    const int32_t L = g.combatants[0].level;
    platform::Bitmap& b = g.background();
    auto put = [&](int slot, int x, int y) { b.draw_transparent(g.sprites[slot], x, y); };
    constexpr int kMap4 = 3, kMap5 = 4, kMap6 = 5, kMap7 = 10, kMap8 = 11, kMap9 = 13, kMap10 = 14,
                  kFree2 = 2, kFree3 = 15, kFree4 = 17, kFree5 = 19, kMap11 = 34, kMap13 = 35;
    const int kSmoke = kSpriteSmoke, kMark = kSpriteFinishedMark;

    if (S[2] >= 1) put(kMap4, 84, 252);
    if (S[4] >= 1) put(kMap5, 379, 179);
    if ((S[4] >= 1 && S[21] == 0) || (S[4] >= 2 && S[21] == 1)) put(kMap8, 252, 296);
    if (S[4] >= 2 && S[21] == 1) put(kSmoke, 252, 266);
    if (S[6] >= 1) put(kMap6, 286, 249);
    if (S[5] >= 1) put(kMap7, 533, 294);
    if ((S[5] == 1 && S[8] == 0) || (S[5] >= 2 && S[8] == 1)) put(kMap8, 111, 67);
    if (S[5] >= 2 && S[8] == 1) put(kSmoke, 111, 37);
    if (S[8] >= 2 && S[9] == 1) put(kSmoke, 59, 334);
    if (S[7] >= 1 && S[8] >= 1) {
        put(kMap9, 48, 360);
        put(kMap10, 260, 388);
    }
    if (S[9] >= 1 && S[10] >= 1 && S[3] <= 1) put(kSmoke, 468, 100);
    if (S[3] >= 2 && S[2] <= 1) put(kSmoke, 168, 180);
    if (S[2] >= 2 && S[4] <= 1) put(kSmoke, 86, 236);
    if (S[4] >= 2 && S[6] <= 1) put(kSmoke, 410, 170);
    if (S[6] >= 2 && S[5] <= 1) put(kSmoke, 304, 228);
    if (S[5] >= 2 && S[7] <= 1) put(kSmoke, 539, 276);
    if (S[7] >= 2 && S[12] == 0 && L >= 40) put(kMap11, 296, 200);
    if (S[12] >= 1 && S[13] == 0) put(kMap13, 204, 24);
    if (L >= 22) put(kSpritePetPlace, 492, 328);
    // The travelling merchants come and go with the money and never stand still.
    Form& f = g.form;
    if (S[5] >= 1 && g.state.money % 12 == 0 && g.merchant_visited[0] == 0) {
        f.map_h.left = 10 + random(630);
        f.map_h.top = 10 + random(440);
        f.map_h.visible = true;
        put(kSpriteMerchant, f.map_h.left, f.map_h.top);
    } else {
        f.map_h.visible = false;
    }
    if (L >= 25 && g.state.money % 11 == 0 && g.merchant_visited[1] == 0) {
        f.map_s.left = 10 + random(630);
        f.map_s.top = 370 + random(70);
        f.map_s.visible = true;
        put(kSpriteShip, f.map_s.left, f.map_s.top);
    } else {
        f.map_s.visible = false;
    }
    if (E[10] >= 1) put(kFree2, 329, 114);
    if (E[11] >= 1) put(kFree3, 332, 88);
    if (E[12] >= 1) put(kFree4, 340, 60);
    if (E[13] >= 1) put(kFree4, 352, 36);
    if (E[7] >= 1) put(kFree5, 320, 12);
    if (S[14] == 1 && S[15] == 1 && S[16] == 1 && S[17] == 1 && S[18] == 1 && S[19] == 1 &&
        S[12] == 1) {
        put(kMap11, 296, 200);
        put(kMark, 296, 190);
    }
    if (S[12] == 2 && S[3] == 2) put(kMark, 448, 114);
    if (S[3] == 3 && S[2] == 2) put(kMark, 148, 190);
    if (S[2] == 3 && S[6] == 2) put(kMark, 380, 170);
    if (S[6] == 3 && S[5] == 2) {
        put(kMap6, 286, 249);
        put(kMark, 286, 239);
    }
    if (S[5] == 3 && S[4] == 2) {
        put(kMap4, 84, 252);
        put(kMark, 84, 242);
    }
    if (S[4] == 3 && S[13] == 1) put(kMap13, 204, 24);
    // The places the ending opened carry a pin while a battle waits there, centred on the
    // place's click region so the pin is what the player clicks.
    const platform::Picture* regions[kEndingPlaces] = {&f.Image5,  &f.Image9,  &f.Image10,
                                                       &f.Image11, &f.Image12, &f.Image13};
    for (int i = 0; i < kEndingPlaces; ++i) {
        if (!EndingPlaceOpen(g, static_cast<EndingPlace>(i))) continue;
        const platform::Picture& r = *regions[i];
        const platform::Bitmap& pin = g.sprites[kSpriteEndingPlaces + i];
        put(kSpriteEndingPlaces + i, r.left + (r.width - pin.width()) / 2,
            r.top + (r.height - pin.height()) / 2);
    }
}

void MarkPlacesThatAct(Game& g) {
    Form& f = g.form;
    const bool open = !map_ignores_clicks(g);
    f.map_b1.hot = g.map_shown == 1 && !g.net_busy && g.in_battle == 0;
    for (platform::Picture* place :
         {&f.map_b0, &f.Image6, &f.Image7, &f.Image8, &f.map_h, &f.Image15}) {
        place->hot = open;
    }
    f.map_b20.hot = open && g.adventurer().level >= 22;
    for (platform::Picture* place :
         {&f.Image1, &f.Image2, &f.map4_b, &f.map5_b, &f.map6_b, &f.map7_b, &f.map8_b, &f.map9_b,
          &f.map10_b, &f.map_s, &f.Image3, &f.Image4, &f.Image5, &f.Image9, &f.Image10, &f.Image11,
          &f.Image12, &f.Image13, &f.map_21b}) {
        place->hot = open && CharacterPlaceActsNow(g, *place);
    }
    for (platform::Picture& spot : f.free_spots) {
        spot.hot = g.map_shown == 1 && CharacterPlaceActsNow(g, spot);
    }
}

void map_b1MouseDown(Game& g) {
    if (g.net_busy) return;
    LeaveMap(g);
    PrepareEncounter(g, 0);
    BeginBattle(g);
}

void map_b0MouseDown(Game& g) {
    if (map_ignores_clicks(g)) return;
    go_to_scene(g, scene::kInn, "yado.bmp", step::kInnGreeting);
}

void Image6MouseDown(Game& g) {
    if (map_ignores_clicks(g)) return;
    go_to_scene(g, scene::kToolShop, "dougu.bmp", step::kToolShopGreeting);
}

void Image7MouseDown(Game& g) {
    if (map_ignores_clicks(g)) return;
    open_item_panel(g, ItemScreen::kEquipment);
}

void Image8MouseDown(Game& g) {
    if (map_ignores_clicks(g)) return;
    g.panel_selection = -1;
    open_item_panel(g, ItemScreen::kTechniques);
}

void map_hMouseDown(Game& g) {
    if (map_ignores_clicks(g)) return;
    go_to_scene(g, scene::kArtificer, "zinkou.bmp", step::kArtificerGreeting);
}

void map_b20MouseDown(Game& g) {
    if (map_ignores_clicks(g) || g.adventurer().level < 22) return;
    go_to_scene(g, scene::kPetHouse, "pet_house.bmp", step::kPetHouseGreeting);
}

}  // namespace quill
