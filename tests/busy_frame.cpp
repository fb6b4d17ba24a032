#include "busy_frame.h"

#include "platform/bitmap.h"
#include "state/command_table.h"
#include "state/skill_table.h"
#include "view/command_cards.h"
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
