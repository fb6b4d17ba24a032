// One hit by the full damage rule, and one whole action of a many-hit technique.
#include <benchmark/benchmark.h>

#include <memory>

#include "battle/damage.h"
#include "battle/perform.h"
#include "platform/random.h"
#include "state/scene_kinds.h"
#include "state/static_tables.h"

namespace quill {
namespace {

std::unique_ptr<Game> fighting_game() {
    auto g = std::make_unique<Game>();
    fill_static_tables(*g);
    g->state.net_off = 1;  // the battle alone, without the reports
    g->closing = 1;
    g->screen_mode = kGame;
    g->in_battle = 1;
    g->scene_kind = scene::kWalk;
    g->cg().resize(kBoardWidth, kBoardHeight);
    Combatant& a = g->adventurer();
    a.name = "しすみ";
    a.level = 30;
    a.max_hp = a.hp = 300;
    a.attack = 12;
    a.hit = 40;
    a.weapon = 14;   // 昇星刀
    a.armour = 109;  // 次元のマント
    g->state.hoshio_slots = {715, 728, 703, 706};
    Combatant& e = g->enemy();
    e.name = "ヴォマクト";
    e.present = 1;
    e.max_hp = e.hp = 1000000;
    e.defence = 3;
    e.evasion = 20;
    e.guard_rate = 10;
    e.critical_rate = 10;
    e.status[kFireWall] = 2;
    platform::seed_random(9);
    return g;
}

void BM_OneDamage(benchmark::State& state) {
    auto g = fighting_game();
    for (auto _ : state) {
        g->action_technique = 0;
        Damage(*g, 0, 1, 7);
        g->adventurer().hp = 300;
        benchmark::DoNotOptimize(g->enemy().hp);
    }
}
BENCHMARK(BM_OneDamage)->Unit(benchmark::kMicrosecond);

void BM_ManyHitAction(benchmark::State& state) {
    auto g = fighting_game();
    g->state.skill_level[33] = 10;  // ビンタ at its best: up to eight hits
    for (auto _ : state) {
        g->adventurer().tp = 100;
        g->adventurer().hp = 300;
        g->action_technique = 33;
        g->active_side = 0;
        g->action_step = 1;
        while (g->action_step > 0) {
            g->button_held = 1;
            PerformStep(*g);
        }
        benchmark::DoNotOptimize(g->enemy().hp);
    }
}
BENCHMARK(BM_ManyHitAction)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quill
