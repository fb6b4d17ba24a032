#include "battle/victory.h"
#include "state/scene_kinds.h"

#include <string>

#include "audio/sound.h"
#include "battle/rewards.h"
#include "battle/sequencer.h"
#include "items/achievements.h"
#include "items/score.h"
#include "items/worn_items.h"
#include "net/report_exchange.h"
#include "platform/random.h"
#include "state/state_ops.h"
#include "view/adventurer_pictures.h"
#include "view/message_log.h"

namespace quill {
namespace {

using std::to_string;

void revive_if_promised(Game& g, int side) {
    Combatant& c = g.combatants[side];
    if (c.hp >= 1 || c.status[kPromise] <= 0) return;
    LogLine(g, c.name + (side == 0 ? "は死んでしまった!!" : "を倒した!!"));
    LogLine(g, "....かと思いきや、復活を遂げた!!");
    PlaySound(g, "sin2.wav");
    c.hp = 1;
    c.status[kPromise] = 0;
}

int32_t experience_won(Game& g) {
    const Combatant& e = g.enemy();
    int32_t n = e.exp;
    if (e.reward_rank >= 1) n *= 2;
    if (HoshioSet(g, "ホーシオの効率")) n += 2;
    if (HoshioSet(g, "人工ﾎｰｼｵの効率")) n += 1;
    return n;
}

int32_t money_won(Game& g) {
    const Combatant& e = g.enemy();
    int32_t f = e.gold_reward;
    if (e.reward_rank > 0) f = 2 * f + 50;
    if (e.reward_rank > 1) f = 2 * f;
    const int32_t id = g.action_technique;
    if (id >= 0 && id < kSkillIds && g.skills[id].name == "ヴォマクトアタック") {
        LogLine(g, "ヴォマクトアタック効果＞入手金x2");
        f = 2 * f;
    }
    if (id == 118) {
        LogLine(g, "ヴォマクトＷアタック効果＞入手金x1.5");
        f += f / 2;
    }
    if (HoshioSet(g, "ホーシオの金策")) f += 2;
    if (HoshioSet(g, "ホーシオの大金策")) f += 5;
    if (HoshioSet(g, "人工ﾎｰｼｵの金策")) f += 1;
    if (HoshioSet(g, "人工ﾎｰｼｵの大金策")) f += 5;
    // Named by the rule, though no item carries these names: they never apply.
    if (HoshioSet(g, "ゴールデンハンド")) f += f / 2;
    if (HoshioSet(g, "ヴォマクトクラウン")) f = 2 * f;
    if (HoshioSet(g, "黄金王の杖")) f += 20;
    if (HoshioSet(g, "金魚")) f += 50;
    return f;
}

struct DefeatCounter {
    std::initializer_list<const char*> names;
    int32_t GameState::*count;
    std::initializer_list<int32_t> above;
    int32_t first_id;
};

void count_defeat(Game& g, const std::string& name) {
    static const DefeatCounter kCounters[] = {
        {{"ヴォマクト", "ヴォマクトⅡ"}, &GameState::kills_vomact, {9, 49, 99}, 450},
        {{"ヘンテコ"}, &GameState::kills_henteko, {9, 49, 99}, 453},
        {{"よわっこ"}, &GameState::kills_yowakko, {9, 49, 99}, 456},
        {{"エクストラ"}, &GameState::kills_extra, {9, 49, 99}, 459},
        {{"ゴースト"}, &GameState::kills_ghost, {9, 49, 99}, 480},
        {{"つよっこ"}, &GameState::kills_tsuyokko, {9, 49, 99}, 483},
        {{"ドラゴン"}, &GameState::kills_dragon, {0, 4, 9}, 486},
    };
    for (const DefeatCounter& c : kCounters) {
        bool named = false;
        for (const char* n : c.names) named = named || name == n;
        if (!named) continue;
        int32_t& count = g.state.*c.count;
        count += 1;
        GrantAchievementsAbove(g, count, c.above, c.first_id);
    }
}

void enemy_defeated(Game& g) {
    Combatant& e = g.enemy();
    e.present = 0;
    g.merchant_visited = {0, 0};
    if (g.scene_kind > scene::kWalk) {
        PlayMusic(g, g.scene_kind % 5 == 0 ? "prologe-low.mp3" : "epiloge-low.mp3");
    }
    LogLine(g, e.name + "を倒した!!");
    // A fallen enemy's experience is the adventurer's, whoever's turn it fell in.
    const int32_t side = g.active_side;
    g.active_side = 0;
    GainExp(g, experience_won(g));
    g.active_side = side;
    GainMoney(g, money_won(g));
    if (g.scene_kind != scene::kWalk) {
        post_report(g, "<撃破>" + g.adventurer().name + "は、" + e.name + "を倒した");
        AddScore(g, g.scene_kind <= 16 ? 1000 : 2000);
    }
    count_defeat(g, e.name);
    g.awaiting_click = 1;
}

void trait(Game& g, const char* line) {
    PlaySound(g, "reaitem1.wav");
    LogColouredLine(g, line, "pink");
}

void adventurer_levels_up(Game& g) {
    Combatant& a = g.adventurer();
    PlaySound(g, "lvup.wav");
    a.exp = 1;
    a.level += 1;
    LogColouredLine(g, a.name + "のＬＶが上がった!! > " + to_string(a.level), "pink");
    const int32_t k = platform::random(3) + 1;
    a.max_hp += k;
    LogColouredLine(g, "最大HP +" + to_string(k) + " > " + to_string(a.max_hp), "pink");
    if (a.max_mp < 50 && a.level % 2 == 0) {
        a.max_mp += 1;
        LogColouredLine(g, "最大MP +1 > " + to_string(a.max_mp), "pink");
    }
    g.state.bonus_points += 1;
    LogColouredLine(g, "BP +1 > " + to_string(g.state.bonus_points), "pink");
    switch (a.level) {
        case 25:
            trait(g, "特性【オーバーキル】を修得した!!");
            break;
        case 30:
            trait(g, "特性【ホーシオセット枠+1】を修得した!!");
            break;
        case 35:
            trait(g, "特性【最大TP +5】を修得した!!");
            break;
        case 40:
            trait(g, "特性【必殺技(踏みつぶすx3)】を修得した!!");
            break;
        case 45:
            trait(g, "特性【命中率 +5】を修得した!!");
            a.hit += 5;
            break;
        case 47:
            trait(g, "特性【最大TP +5Ⅱ】を修得した!!");
            break;
        case 49:
            trait(g, "特性【回避率 +5】を修得した!!");
            a.evasion += 5;
            break;
        case 50:
            trait(g, "特性【連携威力上昇】を修得した!!");
            break;
        case 55:
            trait(g, "特性【連携威力上昇Ⅱ】を修得した!!");
            break;
        case 60:
            trait(g, "特性【連携威力上昇Ⅲ】を修得した!!");
            break;
        case 70:
            trait(g, "特性【連携威力上昇Ⅳ】を修得した!!");
            break;
        case 99:
            trait(g, "特性【連携威力上昇Ⅴ】を修得した!!");
            break;
        default:
            break;
    }
    AddScore(g, (a.level / 10) * 10 + 100);
    g.awaiting_click = 1;
    LoadAdventurerPictures(g);
    post_report(g, "<LVUP>" + a.name + "はLV " + to_string(a.level) + "になった");
}

void pet_levels_up(Game& g) {
    Combatant& p = g.pet();
    PlaySound(g, "lvup2.wav");
    p.exp = 1;
    p.level += 1;
    PlaySound(g, "cat2.wav");
    LogColouredLine(g, p.name + "のＬＶが上がった!! > " + to_string(p.level), "pink");
    p.max_hp += 1;
    LogColouredLine(g, "最大HP +1 > " + to_string(p.max_hp), "pink");
    if (p.level % 3 == 0) {
        g.state.bonus_points += 1;
        LogColouredLine(g, "BP +1 > " + to_string(g.state.bonus_points), "pink");
    }
    AddScore(g, (p.level / 10) * 10 + 100);
    g.awaiting_click = 1;
}

}  // namespace

void CheckDeaths(Game& g) {
    if (g.game_over == 1) return;
    revive_if_promised(g, 0);
    revive_if_promised(g, 1);
    if (g.adventurer().hp <= 0) {
        AdventurerDies(g);
        return;
    }
    if (g.enemy().hp > 0) {
        RunStep(g);
        return;
    }
    enemy_defeated(g);
}

void CheckLevelUp(Game& g) {
    if (g.game_over == 1) return;
    const Combatant& a = g.adventurer();
    if (a.exp >= ExpForNextLevel(a.level) && a.level <= 98) {
        adventurer_levels_up(g);
        return;
    }
    const Combatant& p = g.pet();
    if (has_pet(g) && p.hp > 0 && p.exp >= ExpForNextLevel(p.level) && p.level <= 98) {
        pet_levels_up(g);
        return;
    }
    RunStep(g);
}

}  // namespace quill
