#include "battle/battle_start.h"
#include "state/scene_kinds.h"

#include <string>

#include "audio/sound.h"
#include "battle/sequencer.h"
#include "items/worn_items.h"
#include "platform/random.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill {
namespace {

using platform::random;

struct ArmourBonus {
    const char* armour;
    int32_t mp, hp, tp;
};
constexpr ArmourBonus kArmourBonuses[] = {
    {"マジカルローブ", 1, 0, 0}, {"ライトローブ", 1, 0, 0}, {"鷲のマント", 1, 0, 0},
    {"鷹のマント", 1, 0, 0},     {"孔雀のマント", 1, 0, 0}, {"鳳凰のマント", 1, 0, 0},
    {"地球のマント", 2, 0, 0},   {"太陽のマント", 2, 0, 0}, {"銀河のマント", 3, 0, 0},
    {"宇宙のマント", 3, 0, 0},   {"次元のマント", 3, 0, 0}, {"南極老人君の鎧", 0, 1, 0},
    {"間蘇の鎧", 0, 2, 5},       {"天子の鎧", 0, 3, 10},    {"天帝裏魔王の鎧", 0, 4, 15},
    {"魔星大使の鎧", 0, 5, 20},
};

// The player's armour strengthens whichever side acts first (the enemy too, when it
// starts): it is looked up by the player's armour alone.
void armour_bonus(Game& g) {
    const int32_t armour = g.combatants[0].armour;
    Combatant& first = g.combatants[g.active_side == 1 ? 1 : 0];
    if (Wears(g, armour, "雀のマント")) first.mp += random(2);
    for (const ArmourBonus& b : kArmourBonuses) {
        if (!Wears(g, armour, b.armour)) continue;
        first.mp += b.mp;
        first.hp += b.hp;
        first.tp += b.tp;
    }
}

void hoshio_bonus(Game& g) {
    Combatant& a = g.adventurer();
    if (HoshioSet(g, "ホーシオの準備")) a.hp += 2;
    if (HoshioSet(g, "人工ﾎｰｼｵの準備")) a.hp += 1;
    if (HoshioSet(g, "ホーシオの予測グラフ")) a.tp += 8;
    if (HoshioSet(g, "人工ﾎｰｼｵの予測グラフ")) a.tp += 4;
}

// The enemy's gauges start from its own values, not from the last battle's.
void show_enemy_gauges(Game& g) {
    const Combatant& e = g.enemy();
    g.shown.enemy_hp = e.hp;
    g.shown.enemy_mp = e.mp;
    g.shown.enemy_tp = e.tp;
}

}  // namespace

void BeginBattle(Game& g) {
    g.enemy_shake = 0;
    show_enemy_gauges(g);  // already during the lines before the battle
    PlayMusic(g, "not");
    g.form.map_box.visible = false;
    g.action_step = 0;
    g.action_technique = 0;
    g.in_battle = 1;
    g.sequence_step = -1;
    g.post_battle_cursor = 0;
    g.turn_count = 0;
    for (auto& history : g.technique_history) history.fill(-1);
    RunStep(g);
}

void BattleStartStep(Game& g) {
    g.active_side = random(2);
    armour_bonus(g);
    hoshio_bonus(g);
    if (g.scene_kind > scene::kWalk) {
        AddPopup(g, 240, 200, "", 194);
        PlaySound(g, "combo5.wav");
        const bool fifth =
            g.scene_kind % 5 == 0 || (g.scene_kind == 12 && g.state.story_flags[12] == 1);
        PlayMusic(g, fifth ? "ap5-low.mp3" : "battle-low.mp3");
    }
    g.state.battle_count += 1;
    show_enemy_gauges(g);
    const Combatant& e = g.enemy();
    const int32_t d = g.state.distance_m;
    std::string line = e.name + "が襲ってきた!! ";
    if (d >= 1) line += "(" + std::to_string(d) + "m地点)";
    LogLine(g, line);
    Arm(g, 1);
}

}  // namespace quill
