#include "battle/turn_steps.h"
#include "state/scene_kinds.h"
#include "state/sequence_steps.h"

#include <string>

#include "audio/sound.h"
#include "battle/action_choice.h"
#include "battle/pet_actions.h"
#include "battle/sequencer.h"
#include "battle/statuses.h"
#include "items/rare_finds.h"
#include "items/score.h"
#include "items/worn_items.h"
#include "net/report_exchange.h"
#include "platform/random.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "view/command_cards.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::random;

void regenerate_enemy(Game& g) {
    Combatant& e = g.enemy();
    if (e.name == "光" && g.scene_kind == 5) e.mp += 1;
    if (e.element_guard > 1) e.tp += 10;
    if (e.mp_regen_kind == 1) e.mp += e.max_mp / 20 + 1;
    if (e.mp_regen_kind == 2) e.mp += e.max_mp / 10 + 10;
}

// Every condition is tested on the adventurer's own equipment and ホーシオ.
void regenerate_adventurer(Game& g) {
    Combatant& a = g.adventurer();
    const int32_t t = g.turn_count;
    const bool counted = t != 0;
    if (Wears(g, a.pendant, "星屑のペンダント") && counted) a.hp += 3;
    if (counted && t % 2 == 0) {
        if (HoshioSet(g, "ホーシオの涙")) a.hp += 1;
        if (HoshioSet(g, "ホーシオの大涙")) a.hp += 5;
    }
    if (counted && t % 3 == 0) {
        if (HoshioSet(g, "人工ﾎｰｼｵの涙")) a.hp += 1;
        if (HoshioSet(g, "人工ﾎｰｼｵの大涙")) a.hp += 5;
    }
    if (counted && t % 5 == 0 && HoshioSet(g, "ホーシオの血")) a.mp += 1;
    if (counted && t % 6 == 0 && HoshioSet(g, "人工ﾎｰｼｵの血")) a.mp += 1;
    if (HoshioSet(g, "ホーシオの息")) a.tp += 2;
    if (HoshioSet(g, "人工ﾎｰｼｵの息")) a.tp += 1;
    if (HoshioSet(g, "ホーシオの耐熱計算機") && a.max_hp / 2 >= a.hp) a.tp += 3;
    if (HoshioSet(g, "人工ﾎｰｼｵの耐熱計算機") && a.max_hp / 3 >= a.hp) a.tp += 2;
    const std::pair<const char*, int32_t> mp_rings[] = {
        {"姫真珠", 1}, {"天真珠", 2}, {"虹姫真珠", 3}};
    for (auto [ring, n] : mp_rings) {
        if (Wears(g, a.left_ring, ring)) a.mp += n;
    }
    const std::pair<const char*, int32_t> tp_rings[] = {
        {"魔ヶ玉", 4}, {"龍玉", 7}, {"天宝玉", 10}, {"虹龍宝玉", 12}};
    for (auto [ring, n] : tp_rings) {
        if (Wears(g, a.left_ring, ring)) a.tp += n;
    }
    if (Wears(g, a.armour, "お天気雨のローブ")) a.hp += 1;
}

struct Milestone {
    int flag;
    int kind;  // what is counted, below
    int32_t at_least;
    const char* text;
    int32_t points;
    bool reported;  // a distance: the news hears of it too
};
enum { kBattles, kEscapes, kLoads, kMoney, kLevel, kDistance, kBp };
constexpr Milestone kMilestones[] = {
    {2, kBattles, 1000, "戦闘回数が1000回を達成!! > 得点 +", 1000, false},
    {3, kEscapes, 100, "逃亡回数が100回を達成!! > 得点 +", 1000, false},
    {4, kLoads, 100, "ロード回数が100回を達成!! > 得点 +", 1000, false},
    {5, kMoney, 1000, "所持金が1000円を達成!! > 得点 +", 100, false},
    {6, kLevel, 99, "LVが99を達成!! > 得点 +", 2000, false},
    {10, kDistance, 10, "最高距離が10mを達成!! > 得点 +", 100, true},
    {11, kDistance, 20, "最高距離が20mを達成!! > 得点 +", 200, true},
    {12, kDistance, 30, "最高距離が30mを達成!! > 得点 +", 500, true},
    {13, kDistance, 40, "最高距離が40mを達成!! > 得点 +", 1000, true},
    {7, kDistance, 50, "最高距離が50mを達成!! > 得点 +", 2000, true},
    {8, kDistance, 100, "最高距離が100mを達成!! > 得点 +", 3000, true},
    {9, kMoney, 5000, "所持金が5000円を達成!! > 得点 +", 500, false},
    {14, kBp, 10, "所持BPが10を達成!! > 得点 +", 1000, false},
    {15, kBp, 20, "所持BPが20を達成!! > 得点 +", 2000, false},
    {16, kBp, 30, "所持BPが30を達成!! > 得点 +", 3000, false},
    {17, kMoney, 9000, "所持金が9000円を達成!! > 得点 +", 1000, false},
    {18, kEscapes, 1000, "逃亡回数が1000回を達成!! > 得点 +", 2000, false},
    {19, kLoads, 1000, "ロード回数が1000回を達成!! > 得点 +", 2000, false},
    {20, kBattles, 10000, "戦闘回数が10000回を達成!! > 得点 +", 2000, false},
};

int32_t counted(const Game& g, int kind) {
    const GameState& s = g.state;
    switch (kind) {
        case kBattles:
            return s.battle_count;
        case kEscapes:
            return s.escape_count;
        case kLoads:
            return s.load_count;
        case kMoney:
            return s.money;
        case kLevel:
            return g.combatants[0].level;
        case kDistance:
            return s.distance_m;
        default:
            return s.bonus_points;
    }
}

// The first milestone reached and not yet marked, or none.
const Milestone* next_milestone(const Game& g) {
    for (const Milestone& m : kMilestones) {
        if (g.state.event_flags[m.flag] == 0 && counted(g, m.kind) >= m.at_least) return &m;
    }
    return nullptr;
}

}  // namespace

void TurnStartStep(Game& g) {
    if (g.active_side == 1) g.turn_count += 1;
    const Combatant& actor = g.combatants[g.active_side == 1 ? 1 : 0];
    LogLine(g, "");
    LogLine(g, actor.name + "のターン");
    HideCards(g);
    if (g.active_side == 1) {
        regenerate_enemy(g);
    } else {
        regenerate_adventurer(g);
        if (has_pet(g) && g.pet().hp >= 1 && random(10) == 0) {
            PetActsAtTurnStart(g);
            return;
        }
    }
    RunStep(g);
}

void MoveCheckStep(Game& g) {
    // Someone already fell (the pet's blow at the turn's start): that is settled before a
    // lost turn could skip the check.
    if (g.enemy().hp <= 0 || g.adventurer().hp <= 0) {
        g.sequence_step = step::kCheckDeaths;
        RunStep(g);
        return;
    }
    Combatant& actor = g.combatants[g.active_side == 1 ? 1 : 0];
    if (actor.status[kParalysis] >= 1 && random(2) == 0) {
        actor.status[kParalysis] -= 1;
        LogLine(g, actor.name + "は麻痺していて動けなかった....");
        Arm(g, 1);
        g.sequence_step = step::kNextTurnOrAfterBattle;
        return;
    }
    if (actor.status[kFaint] >= 1) {
        actor.status[kFaint] = 0;
        LogLine(g, actor.name + "は気絶していて動けなかった....");
        Arm(g, 1);
        g.sequence_step = step::kNextTurnOrAfterBattle;
        return;
    }
    RunTurnStatuses(g);
}

void NextTurnOrAfterBattleStep(Game& g) {
    if (g.enemy().hp > 0) {
        g.active_side = 1 - g.active_side;
        g.sequence_step = step::kTurnStart;
        RunStep(g);
        return;
    }
    const int32_t cursor = g.post_battle_cursor;
    if (cursor >= 0 && cursor < static_cast<int32_t>(g.post_battle_lines.size()) &&
        !g.post_battle_lines[cursor].empty()) {
        g.post_battle_cursor += 1;
        g.sequence_step = step::kNextTurnOrAfterBattle;
        LogLineAndWait(g, g.post_battle_lines[cursor]);
        return;
    }
    if (g.learn_techniques) {
        g.learn_techniques(g);
    } else {
        RunStep(g);
    }
}

void ItemFindStep(Game& g) {
    if (random(100) == 0 && FindRareItem(g)) {
        g.awaiting_click = 1;
        return;
    }
    RunStep(g);
}

void MilestoneStep(Game& g) {
    if (g.active_side == 0) {
        if (const Milestone* m = next_milestone(g)) {
            g.state.event_flags[m->flag] = 1;
            PlaySound(g, "hikari.wav");
            LogColouredLine(g, m->text + std::to_string(m->points), "pink2");
            AddScore(g, m->points);
            if (m->reported) {
                post_report(g, "<距離>最高距離 " + std::to_string(m->at_least) + "mを達成");
            }
            g.sequence_step = step::kMilestones;
            g.awaiting_click = 1;
            return;
        }
    }
    if (g.scene_kind == scene::kWalk) {
        ShowCards(g, kFieldCards);
        return;
    }
    RunStep(g);
}

void EndStoryBattleStep(Game& g) {
    if (g.scene_kind >= scene::kWalk && g.scene_kind < kFlagCount) {
        int32_t& flag = g.state.story_flags[g.scene_kind];
        flag = g.scene_kind == scene::kWalk ? 1 : flag + 1;
    }
    g.in_battle = 0;
    g.form.battle_box.visible = false;
    g.action_step = 0;
    g.turn_pending = 0;
    // The enemy is gone with its battle, its statuses too: nothing of it reaches the next.
    g.enemy() = Combatant{};
    // The final battle's closing lines have been read: the ending is saved at once, not at
    // the next inn (closing the game on the map would lose it and all that follows).
    if (g.scene_kind == kFinalStoryBattle) save_game(g);
    HideCards(g);
    PlayAreaMusic(g);
    if (g.enter_area) g.enter_area(g);
}

void PlayAreaMusic(Game& g) {
    const int32_t level = g.combatants[0].level;
    const int32_t n = level >= 40   ? 7
                      : level >= 35 ? 6
                      : level >= 30 ? 5
                      : level >= 25 ? 4
                      : level >= 20 ? 3
                                    : 2;
    static constexpr const char* kTracks[] = {"map-low.mp3",  "map2-low.mp3",        "map3-low.mp3",
                                              "map4-low.mp3", "map2another-low.mp3", "map6-low.mp3",
                                              "map7-low.mp3"};
    PlayMusic(g, kTracks[random(n)]);
}

}  // namespace quill
