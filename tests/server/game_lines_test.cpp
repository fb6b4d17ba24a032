// The server's bounds of what a ranking line may hold, against the game itself: lines the
// game's own code builds (a fresh adventurer of every creation choice, and adventurers grown
// by the game's level-ups to the cap, holding the whole catalogue and wearing its best
// items) always pass, and each bound is exactly what the game's tables reach.
#include <gtest/gtest.h>
#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "battle/victory.h"
#include "character/creation.h"
#include "net/protocol_codec.h"
#include "net/ranking_exchange.h"
#include "platform/clock.h"
#include "server/plausibility.h"
#include "server/uploads.h"
#include "state/combatant.h"
#include "state/game.h"
#include "state/record_export.h"
#include "state/state_ops.h"
#include "state/static_tables.h"

namespace quill::server_test {
namespace {

namespace plausible = server::plausible;

class GameLines : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The level-ups play their sounds and write their pop-ups: no sound card and no
        // screen are needed for that, but a text-drawing application (made once, kept).
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        if (QGuiApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "quillmoor-server-tests";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);
        }
    }

    // A new adventurer as the creation panel makes one: the tables, a new game, the three
    // choices and their bonuses; the network off, so its reports stay at home.
    std::unique_ptr<Game> created(int32_t attribute, int32_t type, int32_t race_sex) {
        auto g = std::make_unique<Game>();
        g->clock = &clock_;
        fill_static_tables(*g);
        new_game(*g);
        g->state.net_off = 1;
        g->state.raised_attribute = attribute;
        g->state.char_type = type;
        g->state.race_sex = race_sex;
        g->adventurer().name = "ミナト";
        g->state.event_flags[0] = 1;
        ApplyCreationBonuses(*g);
        return g;
    }

    // What the server makes of the line the game sends (the counts of the record export as
    // the inn's save leaves them).
    server::Checked<server::RankUpload> sent(Game& g) {
        RecordText(g);
        const std::string line = net::build_rank_line(RankLineFields(g));
        return server::check_rank_upload(net::rank_upload_body(line, 42).value());
    }

    platform::ManualClock clock_{45000.0 + 0.5};
};

TEST_F(GameLines, EveryFreshAdventurerIsTaken) {
    for (int32_t attribute = 0; attribute <= 5; ++attribute) {
        for (int32_t type = 0; type <= 5; ++type) {
            for (int32_t race_sex = 0; race_sex <= 9; ++race_sex) {
                std::unique_ptr<Game> g = created(attribute, type, race_sex);
                g->state.score = plausible::kMinScore;  // the inn sends nothing below
                const auto upload = sent(*g);
                EXPECT_TRUE(upload.value)
                    << attribute << " " << type << " " << race_sex << ": " << upload.reason;
            }
        }
    }
}

// An adventurer grown by the game's own level-ups to the cap, and a pet likewise; every
// named item held and every named technique learned.
void grow_to_the_cap(Game& g) {
    Combatant& a = g.adventurer();
    while (a.level < plausible::kMaxLevel) {
        a.exp = static_cast<int32_t>(ExpForNextLevel(a.level));
        CheckLevelUp(g);
    }
    Combatant& pet = g.pet();
    pet.name = "タマ";  // as the naming at the pet house leaves it
    pet.level = 1;
    pet.hp = pet.max_hp = 1;
    a.exp = 0;
    while (pet.level < plausible::kMaxLevel) {
        pet.exp = static_cast<int32_t>(ExpForNextLevel(pet.level));
        CheckLevelUp(g);
    }
    for (int32_t id = 0; id < kItemTableSize; ++id) {
        if (!g.items[id].name.empty()) g.state.item_count[id] = 1;
    }
    for (int32_t id = 0; id < kSkillTableSize; ++id) {
        if (!g.skills[id].name.empty()) g.state.skill_level[id] = 10;
    }
    g.state.load_count = 2500;
    g.state.battle_count = 60000;
    g.state.max_distance_m = 400;
}

// The slots whose items the ranking line adds up.
enum Slot { kWeapon, kArmour, kHelmet, kShield, kRightRing, kLeftRing, kWaist, kArm };
using Bonus = int32_t (*)(const ItemRecord& item, Slot slot);

// Wears, in each slot, the item of the slot's category that gives the most of `bonus`.
void wear_the_best(Game& g, Bonus bonus) {
    Combatant& a = g.adventurer();
    const std::pair<int32_t*, int32_t> places[] = {
        {&a.weapon, kItemWeapon},        {&a.armour, kItemArmour},
        {&a.helmet, kItemHelmet},        {&a.shield, kItemShield},
        {&a.right_ring, kItemRightRing}, {&a.left_ring, kItemLeftRing},
        {&a.waist, kItemWaist},          {&a.arm, kItemArm}};
    for (int s = kWeapon; s <= kArm; ++s) {
        const auto [worn, category] = places[s];
        int32_t best = 0;
        for (int32_t id = 1; id < kItemTableSize; ++id) {
            const ItemRecord& item = g.items[id];
            if (item.name.empty() || item.category != category) continue;
            if (best == 0 || bonus(item, Slot(s)) > bonus(g.items[best], Slot(s))) best = id;
        }
        *worn = best;
    }
}

TEST_F(GameLines, TheStrongestAdventurersAreTakenAndReachEveryBound) {
    struct Case {
        const char* stat;
        int32_t attribute, type, race_sex;  // the creation choices that raise it most
        Bonus bonus;                        // what the item in each slot adds to it
        int field;                          // of the ranking line, from 1
        int32_t bound;
    };
    const Case cases[] = {
        {"attack", 0, 4, 6,  // STR, 賢者, 獣人
         [](const ItemRecord& i, Slot s) { return s == kWeapon || s == kArm ? i.attack : 0; }, 13,
         plausible::kMaxAttack},
        {"defence", 1, 4, 0,  // VIT, 賢者
         [](const ItemRecord& i, Slot s) {
             return s == kArmour || s == kShield || s == kWaist ? i.defence : 0;
         },
         14, plausible::kMaxDefence},
        {"hit", 4, 4, 1,  // 命中率, 賢者, 人間
         [](const ItemRecord& i, Slot s) {
             if (s == kWeapon) return i.hit_evasion;
             return s == kRightRing || s == kLeftRing ? i.accessory_hit : 0;
         },
         17, plausible::kMaxHit},
        {"evasion", 5, 4, 3,  // 回避率, 賢者, KRVO団
         [](const ItemRecord& i, Slot s) {
             return s == kArmour || s == kRightRing || s == kLeftRing ? i.hit_evasion : 0;
         },
         18, plausible::kMaxEvasion},
        {"critical", 0, 0, 0,
         [](const ItemRecord& i, Slot s) { return s == kHelmet ? i.critical : 0; }, 19,
         plausible::kMaxCritical},
        {"guard", 0, 0, 0, [](const ItemRecord& i, Slot s) { return s == kShield ? i.guard : 0; },
         20, plausible::kMaxGuard},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Game> g = created(c.attribute, c.type, c.race_sex);
        grow_to_the_cap(*g);
        // The score is what the level-ups brought, no more: the least a line at the cap holds.
        EXPECT_EQ(g->state.score, plausible::level_up_points(0, plausible::kMaxLevel) +
                                      plausible::level_up_points(1, plausible::kMaxLevel));
        wear_the_best(*g, c.bonus);
        const auto upload = sent(*g);
        ASSERT_TRUE(upload.value) << c.stat << ": " << upload.reason;
        const net::RankFields& f = upload.value->fields;
        EXPECT_EQ(f[c.field - 1], std::to_string(c.bound)) << c.stat;
        EXPECT_EQ(f[7], std::to_string(plausible::kMaxLevel));
        EXPECT_EQ(f[24], std::to_string(plausible::kMaxLevel));
        EXPECT_EQ(f[9], std::to_string(plausible::kMaxEquipmentKinds));
        EXPECT_EQ(f[10], std::to_string(plausible::kMaxRareItemKinds));
        EXPECT_EQ(f[11], std::to_string(plausible::kMaxLearnedTechniques));
        EXPECT_EQ(f[25], std::to_string(plausible::kMaxRecordKinds));
        EXPECT_EQ(f[27], std::to_string(kProgramVersion));
    }
}

// The lower ends: every item bonus of the catalogue is 0 or more, so no total goes below 0;
// a new game's adventurer is at level 0, with intellect and spirit 0.
TEST_F(GameLines, NothingTheGameHoldsGoesBelowTheLowerBounds) {
    std::unique_ptr<Game> g = created(0, 0, 0);
    for (const ItemRecord& item : g->items) {
        for (int32_t bonus : {item.attack, item.defence, item.hit_evasion, item.accessory_hit,
                              item.critical, item.guard}) {
            EXPECT_GE(bonus, 0) << item.name;
        }
    }
    new_game(*g);
    EXPECT_EQ(g->adventurer().level, 0);
    EXPECT_EQ(g->adventurer().intellect, 0);
    EXPECT_EQ(g->adventurer().spirit, 0);
}

}  // namespace
}  // namespace quill::server_test
