// The state dump that scripts read: every field under its name, arrays as arrays.
#include "state/state_dump.h"
#include "state/item_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "test_support.h"

namespace quill {
namespace {

QJsonObject parse(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

TEST(StateDump, EveryPartUnderItsNames) {
    testing_support::GameFixture f;
    Game& g = f.game;
    g.adventurer().name = "ルカ \"の\" \\ 旅\t";
    g.adventurer().hit = 7;
    g.enemy().technique_slots = {3, 9, 0, 0, 12};
    g.enemy().status[kSnakePoison] = 4;
    g.enemy().status[kSpecial] = 2;
    g.pet().moods = {1, 2, 3, 4, 5};
    g.state.item_count[999] = 6;
    g.state.story_flags[13] = 2;
    g.state.reserved_pairs[19] = {8, 9};
    g.state.reserved_tables[3][10] = 11;
    g.state.distance_m = 42;
    g.walks_since_inn = 12;
    g.turn_count = 3;
    g.sequence_step = 6;

    const QJsonObject dump = parse(StateDump(g));
    const QJsonArray combatants = dump["combatants"].toArray();
    ASSERT_EQ(combatants.size(), 3);
    const QJsonObject hero = combatants[0].toObject();
    EXPECT_EQ(hero["name"].toString(), QStringLiteral("ルカ \"の\" \\ 旅\t"));
    EXPECT_EQ(hero["hit"].toInt(), 7);
    // A record has every field of Combatant, the statuses by name.
    for (const char* key : {"element",
                            "name",
                            "pendant",
                            "earring",
                            "helmet",
                            "shield",
                            "armour",
                            "right_ring",
                            "left_ring",
                            "waist",
                            "arm",
                            "weapon",
                            "level",
                            "gold_reward",
                            "exp",
                            "max_hp",
                            "hp",
                            "mp",
                            "max_mp",
                            "tp",
                            "max_tp",
                            "present",
                            "defence",
                            "spirit",
                            "attack",
                            "intellect",
                            "hit",
                            "evasion",
                            "technique_slots",
                            "magic_affinity",
                            "light_weakness",
                            "element_guard",
                            "status",
                            "mp_regen_kind",
                            "reward_rank",
                            "guard_rate",
                            "critical_rate",
                            "reserved36",
                            "look",
                            "moods"}) {
        EXPECT_TRUE(hero.contains(key)) << key;
    }
    EXPECT_EQ(hero.size(), 40);
    const QJsonObject enemy = combatants[1].toObject();
    EXPECT_EQ(enemy["technique_slots"].toArray(), (QJsonArray{3, 9, 0, 0, 12}));
    const QJsonObject status = enemy["status"].toObject();
    EXPECT_EQ(status.size(), kStatusCount);
    EXPECT_EQ(status["snake_poison"].toInt(), 4);
    EXPECT_EQ(status["special"].toInt(), 2);
    EXPECT_EQ(status["poison"].toInt(), 0);
    EXPECT_EQ(combatants[2].toObject()["moods"].toArray(), (QJsonArray{1, 2, 3, 4, 5}));

    const QJsonObject state = dump["game_state"].toObject();
    EXPECT_EQ(state["item_count"].toArray().size(), 1000);
    EXPECT_EQ(state["item_count"].toArray()[999].toInt(), 6);
    EXPECT_EQ(state["story_flags"].toArray()[13].toInt(), 2);
    EXPECT_EQ(state["skill_order"].toArray().size(), kSkillOrderSize);
    EXPECT_EQ(state["reserved_pairs"].toArray()[19].toArray(), (QJsonArray{8, 9}));
    EXPECT_EQ(state["reserved_tables"].toArray()[3].toArray()[10].toInt(), 11);
    for (const char* key : {"money", "bonus_points", "score", "max_distance_m", "player_id",
                            "kills_dragon", "net_off", "save_damaged", "reserved_text"}) {
        EXPECT_TRUE(state.contains(key)) << key;
    }

    const QJsonObject run = dump["run"].toObject();
    for (const char* key :
         {"screen_mode", "scene_kind", "sequence_step", "action_step", "action_technique",
          "active_side", "turn_count", "command_mode", "in_battle", "map_shown", "awaiting_click",
          "game_over", "distance_m", "walks_since_inn"}) {
        EXPECT_TRUE(run.contains(key)) << key;
    }
    EXPECT_EQ(run["distance_m"].toInt(), 42);
    EXPECT_EQ(run["walks_since_inn"].toInt(), 12);
    EXPECT_EQ(run["turn_count"].toInt(), 3);
    EXPECT_EQ(run["sequence_step"].toInt(), 6);
}

TEST(StateDump, TheCatalogueByIdWithEveryField) {
    testing_support::GameFixture f;
    fill_item_table(f.game.items);
    const QJsonArray items = parse(StateDump(f.game))["items"].toArray();
    ASSERT_EQ(items.size(), 1000);
    const QJsonObject blade = items[7].toObject();
    EXPECT_EQ(blade.size(), 16);
    EXPECT_EQ(blade["name"].toString(), QStringLiteral("青白い刀"));
    EXPECT_EQ(blade["hit_evasion"].toInt(), 20);
    EXPECT_EQ(blade["requires_item"].toInt(), 6);
    EXPECT_EQ(blade["category"].toInt(), 1);
    EXPECT_EQ(items[0].toObject()["category"].toInt(), -1);
    EXPECT_EQ(items[658].toObject()["amount"].toInt(), 9);
}

}  // namespace
}  // namespace quill
