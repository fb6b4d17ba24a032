#include "busy_frame.h"

#include <algorithm>
#include <filesystem>

#include "platform/bitmap.h"
#include "state/command_table.h"
#include "state/skill_table.h"
#include "view/command_cards.h"
#include "view/effect_animations.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill::testing_support {
void MakeBusyBattleFrame(Game& g) {
    using platform::Color;
    g.closing = 1;
    g.screen_mode = kGame;
    g.in_battle = 1;
    g.scene_kind = 1;
    g.tick_count = 7;
    g.popup_position = 0;  // the scene's pop-ups always take slots 1 to 4
    g.cg().resize(kBoardWidth, kBoardHeight);
    g.bak.resize(kBoardWidth, kBoardHeight);
    // A night-blue background with a lighter horizon.
    g.background() = platform::Bitmap(kBoardWidth, kBoardHeight, Color::rgb(0x18203A));
    g.background().fill_rect(0, 240, kBoardWidth, kBoardHeight, Color::rgb(0x2A3A2A));
    g.sprites[kSpriteAdventurer] = platform::Bitmap(120, 200, Color::rgb(0xFF00FF));
    g.sprites[kSpriteAdventurer].fill_rect(30, 20, 90, 200, Color::rgb(0x3366CC));
    g.sprites[kSpritePet] = platform::Bitmap(140, 140, Color::rgb(0xFF00FF));
    g.sprites[kSpritePet].fill_rect(0, 0, 60, 120, Color::rgb(0xDDAA55));

    Combatant& a = g.adventurer();
    a.name = "しすみ";
    a.level = 12;
    a.exp = 87;
    a.max_hp = 120, a.hp = 9, a.max_mp = 30, a.mp = 18, a.max_tp = 100, a.tp = 100;
    a.status[kPoison] = 2;
    a.status[kRegeneration] = 3;
    a.status[kAttackUp] = 1;
    g.state.money = 1234;
    g.state.score = 56789;
    Combatant& e = g.enemy();
    e.name = "ヴォマクト";
    e.present = 1;
    e.element = kElementFire;
    e.max_hp = 300, e.hp = 150, e.max_mp = 40, e.mp = 40, e.tp = 60;
    e.status[kParalysis] = 2;
    e.status[kSnakePoison] = 4;
    e.status[kFireWall] = 1;
    Combatant& p = g.pet();
    p.name = "タマ";
    p.max_hp = 40, p.hp = 30;
    g.shown = {40, 18, 100, 87, 1234, 56789, 200, 40, 60};

    LogLine(g, "しすみのターン");
    LogColouredLine(g, "＞ファイアボール", "red");
    LogLine(g, "ヴォマクトに 42ダメージ");
    LogColouredLine(g, "経験値を 12入手", "yellow2");
    LogColouredLine(g, "なんとレアItem【星屑のペンダント】を入手した!! > 得点 +400", "rainbow");
    LogColouredLine(g, "しすみはHPが回復＞ 3", "green");
    LogColouredLine(g, "技の使用回数が100回を達成!!", "pink2");
    AddPopup(g, 150, 120, "42", 16);
    AddPopup(g, 60, 380, "3", 17);
    AddPopup(g, 320, 200, "CRITICAL", 0);
    AddPopup(g, 420, 260, "GUARD", 301);
    g.awaiting_click = 1;
}

namespace {

// Twenty effects, one or two of every family: sprites, scatters, rains, orbits, rings,
// rays, grand bursts, rising and glowing words, a spirit and a stream.
constexpr int32_t kBusyEffects[20] = {1,   2,   28,  31,  57,  4,  193, 19,  303, 70,
                                      113, 262, 140, 395, 107, 64, 175, 189, 255, 12};
constexpr int kFirstEffectSlot = 20;

void start_effect(Game& g, int k) {
    Popup& p = g.popups[kFirstEffectSlot + k];
    p = Popup{};
    p.type = kBusyEffects[k];
    p.age = 1 + (k * 3) % std::max(EffectLifetime(p.type) - 1, 1);  // each at its own age
    p.x = p.start_x = 80 + (k % 5) * 110;
    p.y = p.start_y = 90 + (k / 5) * 90;
    p.x3 = 600;
    p.y3 = 40;
    p.text = p.type == 19 ? "exp +12" : p.type == 303 ? "ＧＵＡＲＤ" : "";
}

}  // namespace

void MakeBusyBattleFrameWithEffects(Game& g) {
    MakeBusyBattleFrame(g);
    g.sprites[kSpriteEffects].load(std::filesystem::path(QUILLMOOR_BUILD_DIR) / "cg" / "00.bmp");
    g.sprites[7].load(std::filesystem::path(QUILLMOOR_BUILD_DIR) / "cg" / "man0.bmp");
    g.jitter_x = 2;
    g.jitter_y = -1;
    for (int k = 0; k < 20; ++k) start_effect(g, k);
}

void KeepEffectsAlive(Game& g) {
    for (int k = 0; k < 20; ++k) {
        if (g.popups[kFirstEffectSlot + k].age == 0) start_effect(g, k);
    }
}

void MakeBusyBattleFrameWithCards(Game& g) {
    MakeBusyBattleFrame(g);
    fill_skill_table(g.skills);
    fill_command_table(g.commands, g.skills);
    for (int i = 0; i < 18; ++i) {
        g.state.skill_order[i] = i;
        g.state.skill_level[i] = 1 + i % 10;
    }
    ShowCards(g, kTechniqueCards);
    for (CommandEntry& c : g.commands) {
        c.x = c.target_x;  // already flown in
        c.y = c.target_y;
    }
    g.pointer_x = g.commands[0].target_x + 10;
    g.pointer_y = g.commands[0].target_y + 5;
}

}  // namespace quill::testing_support
