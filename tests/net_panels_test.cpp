// The ranking and world-site panels: when they fetch, what they show, and how they close.
#include "net/net_panels.h"

#include <gtest/gtest.h>

#include <mutex>

#include "loopback_server.h"
#include "net_fixtures.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

using testing_support::answer;
using testing_support::LandedGame;
using testing_support::LoopbackServer;
using testing_support::rank_answer_line;
using testing_support::rank_fields;
using testing_support::report_answer_line;

// A ranking server that counts the fetches of each list.
struct CountingServer : LoopbackServer {
    std::mutex mutex;
    int rank_fetches = 0, report_fetches = 0;
    std::string ranking, reports;
    CountingServer() {
        server.Get("/zkv/zkv_rank.exe", [this](const auto&, auto& res) {
            std::lock_guard lock(mutex);
            ++rank_fetches;
            res.set_content(ranking, "text/plain");
        });
        server.Get("/zkv/zkv_report.exe", [this](const auto&, auto& res) {
            std::lock_guard lock(mutex);
            ++report_fetches;
            res.set_content(reports, "text/plain");
        });
        start();
    }
};

struct PanelFixture : LandedGame {
    CountingServer server;
    PanelFixture() : LandedGame(3) {
        game.server_url = server.base();
        game.state.player_id = 12;
        server.ranking = answer({
            rank_answer_line(rank_fields("ハル", 11, 900, 1, "3/15 0:0", "タマ")),
            utf7_line_without_name(),
            rank_answer_line(rank_fields("ルカ", 12, 500, 0)),
        });
        server.reports = answer({report_answer_line("ハル", "<LVUP>ハルはLV 5になった", 11, 1)});
    }
    static std::string utf7_line_without_name() {
        return rank_answer_line(rank_fields("", 13, 700));
    }
    void at_minute(int m, int hour = 0) { clock.set_days(45000.0 + hour / 24.0 + m / 1440.0); }
    void press(platform::Widget& w) { w.on_mouse_down({platform::MouseButton::Left, 2, 2}); }
};

TEST(RankingPanel, FetchesOnceInSixMinutesOnTheMinuteHand) {
    PanelFixture f;
    Game& g = f.game;
    f.at_minute(55);
    g.state.last_rank_send_minute = 40;
    f.press(g.form.l_btn70);
    EXPECT_EQ(f.server.rank_fetches, 1);
    EXPECT_EQ(g.state.last_rank_send_minute, 55);
    f.at_minute(58);  // three minutes later: from memory
    f.press(g.form.l_btn70);
    EXPECT_EQ(f.server.rank_fetches, 1);
    EXPECT_EQ(g.form.net_list.items.size(), 2u);
    f.at_minute(2, 1);  // the next hour: 2 - 55 is below 0
    f.press(g.form.l_btn70);
    EXPECT_EQ(f.server.rank_fetches, 2);
    EXPECT_EQ(g.state.last_rank_send_minute, 2);
    f.at_minute(8, 1);  // six minutes on
    f.press(g.form.l_btn70);
    EXPECT_EQ(f.server.rank_fetches, 3);

    // Nothing fetched yet in this run: it fetches, however recent the minute.
    PanelFixture fresh;
    fresh.at_minute(20);
    fresh.game.state.last_rank_send_minute = 19;
    fresh.press(fresh.game.form.l_btn70);
    EXPECT_EQ(fresh.server.rank_fetches, 1);
}

TEST(RankingPanel, AnEmptyRankingSaysNobodyIsListedYet) {
    PanelFixture f;
    Game& g = f.game;
    f.at_minute(30);
    g.rank_entries.clear();
    g.ranking_loaded = true;  // fetched a minute ago, and empty
    g.state.last_rank_send_minute = 29;
    f.press(g.form.l_btn70);
    EXPECT_EQ(f.server.rank_fetches, 0);
    EXPECT_TRUE(g.form.net_list.items.empty());
    EXPECT_EQ(g.form.net_l.caption, kNobodyRanked);
}

TEST(RankingPanel, RowsStandForTheirEntriesAndShowTheirDetails) {
    PanelFixture f;
    Game& g = f.game;
    f.at_minute(30);
    f.press(g.form.l_btn70);
    EXPECT_TRUE(g.form.net_box.visible);
    // The entry without a name has no row; the rows keep the entries' places.
    const auto& rows = g.form.net_list.items;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "1位 900点 -- ハル");
    EXPECT_EQ(rows[1], "3位 500点 -- ルカ");
    EXPECT_EQ(g.form.net_list.item_colors[0], platform::Color::rgb(0xFF00FF));  // odd: female
    EXPECT_EQ(g.form.net_list.item_colors[1], platform::Color::rgb(0x00FFFF));
    // The adventurer's own row is chosen, with its details and no pet.
    EXPECT_EQ(g.form.net_list.item_index, 1);
    EXPECT_EQ(g.rank_selected, 1);
    const std::string own = g.form.net_l.caption;
    EXPECT_EQ(own.rfind("ルカ(ver229) Lv12\n(タイプ: 冒険者 / 種族: 人間♂)\n\n攻: 40\n", 0), 0u)
        << own;
    EXPECT_EQ(own.find("ペット"), std::string::npos);
    EXPECT_NE(own.find("\n\n\n\n得点: 500 点 "), std::string::npos) << own;  // no pet line
    EXPECT_NE(own.find("最高距離: 35m地点"), std::string::npos);
    EXPECT_EQ(own.substr(own.size() - 9), "\n1/1 0:00");  // no title line, then the date

    // The first row is the first entry, with its pet.
    const int sounds = g.audio.effect_requests();
    g.form.net_list.item_index = 0;
    f.press(g.form.net_list);
    EXPECT_EQ(g.audio.effect_requests(), sounds + 1);
    EXPECT_EQ(g.audio.last_effect(), "key2.wav");
    EXPECT_EQ(g.form.net_l.caption.rfind("ハル(ver229) Lv12\n(タイプ: 冒険者 / 種族: 人間♀)", 0),
              0u);
    EXPECT_NE(g.form.net_l.caption.find("\nペット: タマ Lv3\n"), std::string::npos);
    // The picture: the ground colour at the top right, something drawn at the figure.
    const platform::Bitmap& p = g.form.rank_Cg.picture;
    EXPECT_EQ(p.pixel(p.width() - 1, 0), platform::Color::rgb(0x15151E));
    // The chosen row again: nothing happens, not even a sound.
    const std::string shown = g.form.net_l.caption;
    f.press(g.form.net_list);
    g.form.net_list.on_mouse_up({platform::MouseButton::Left, 2, 2});
    EXPECT_EQ(g.audio.effect_requests(), sounds + 1);
    EXPECT_EQ(g.form.net_l.caption, shown);
    // The player's own sprites stay where they were.
    EXPECT_FALSE(g.form.net_l.caption.empty());
}

TEST(RankingPanel, AnEntryPictureOfAMissingPetFallsBackAndHostileValuesDrawNothing) {
    PanelFixture f;
    Game& g = f.game;
    // Pictures beside the program: char1a.bmp (level 12; a 4 x 4 block of red with a transparent
    // lower-left corner colour) and pet0.bmp (blue).
    platform::Bitmap hero(4, 4, platform::Color::rgb(0xFF0000));
    hero.set_pixel(0, 3, platform::Color::rgb(0x00FF00));  // the key colour
    hero.set_pixel(1, 1, platform::Color::rgb(0x00FF00));  // a key pixel inside: not drawn
    testing_support::write_bmp(g.folders.cg_file("char1a.bmp"), hero);
    platform::Bitmap pet(4, 4, platform::Color::rgb(0x0000FF));
    pet.set_pixel(0, 3, platform::Color::rgb(0x00FF00));
    testing_support::write_bmp(g.folders.cg_file("pet0.bmp"), pet);
    net::RankFields hostile = rank_fields("ミナト", 20, 10, -7);
    hostile[26] = "99999";
    f.server.ranking =
        answer({rank_answer_line(rank_fields("ハル", 11, 900, 1, "3/15 0:0", "タマ")),
                rank_answer_line(hostile)});
    f.at_minute(30);
    f.press(g.form.l_btn70);
    g.form.net_list.item_index = 0;
    f.press(g.form.net_list);
    const platform::Bitmap& p = g.form.rank_Cg.picture;
    EXPECT_EQ(p.pixel(0, 0), platform::Color::rgb(0xFF0000));
    EXPECT_EQ(p.pixel(1, 1), platform::Color::rgb(0x15151E));
    EXPECT_EQ(p.pixel(0, p.height() - 100),
              platform::Color::rgb(0x0000FF));  // pet4.bmp is missing: pet0
    g.form.net_list.item_index = 1;
    f.press(g.form.net_list);
    EXPECT_EQ(p.pixel(0, 0), platform::Color::rgb(0x15151E));  // char-7.bmp: nothing
    EXPECT_NE(g.form.net_l.caption.find("種族: )"), std::string::npos);
}

TEST(WorldSite, OpensFromTheMapSwitchesAndCloses) {
    PanelFixture f;
    Game& g = f.game;
    f.at_minute(30);
    // Not while the network is busy, the map is hidden or a battle is drawn.
    g.net_busy = true;
    f.press(g.form.Image15);
    g.net_busy = false;
    g.in_battle = 1;
    f.press(g.form.Image15);
    g.in_battle = 0;
    EXPECT_FALSE(g.form.world_box.visible);
    EXPECT_EQ(f.server.report_fetches, 0);

    f.press(g.form.Image15);
    EXPECT_TRUE(g.form.world_box.visible);
    EXPECT_EQ(f.server.report_fetches, 1);
    EXPECT_EQ(g.audio.last_effect(), "a.wav");
    EXPECT_EQ(g.report_entries[0].name, "ハル");
    EXPECT_EQ(g.form.world_l.caption, "レポートデータ受信完了");
    // The list is drawn: something other than black where the first line stands.
    const platform::Bitmap& picture = g.form.world_cg.picture;
    bool drawn = false;
    for (int x = 0; x < 200 && !drawn; ++x) {
        for (int y = 4; y < 16 && !drawn; ++y)
            drawn = picture.pixel(x, y) != platform::colors::kBlack;
    }
    EXPECT_TRUE(drawn);

    // To the ranking and back: the world site does not fetch again.
    f.press(g.form.l_btn70);
    EXPECT_TRUE(g.form.net_box.visible);
    EXPECT_FALSE(g.form.world_box.visible);
    f.press(g.form.l_btn71);
    EXPECT_TRUE(g.form.world_box.visible);
    EXPECT_FALSE(g.form.net_box.visible);
    EXPECT_EQ(f.server.report_fetches, 1);
    f.press(g.form.Image15);  // within six minutes: from memory
    EXPECT_EQ(f.server.report_fetches, 1);

    // ">CLOSE": the log cleared, the map as it was.
    LogLine(g, "何かのお知らせ");
    f.press(g.form.l_btn68);
    EXPECT_FALSE(g.form.world_box.visible);
    EXPECT_EQ(g.audio.last_effect(), "d.wav");
    EXPECT_TRUE(g.message_log[0].text.empty());
    EXPECT_EQ(g.map_shown, 1);
    EXPECT_TRUE(g.form.map_box.visible);
    f.press(g.form.l_btn70);
    f.press(g.form.l_btn69);
    EXPECT_FALSE(g.form.net_box.visible);
    EXPECT_EQ(g.map_shown, 1);
}

TEST(WorldSite, ClicksWaitWhileTheNetworkIsBusy) {
    PanelFixture f;
    Game& g = f.game;
    g.net_busy = true;
    for (platform::Picture* w : {&g.form.map_b1, &g.form.map_b0, &g.form.Image6, &g.form.Image7,
                                 &g.form.Image1, &g.form.Image15}) {
        f.press(*w);
        EXPECT_EQ(g.map_shown, 1) << w->name;
        EXPECT_EQ(g.scene_kind, -1) << w->name;
        EXPECT_FALSE(g.form.item_box.visible) << w->name;
        EXPECT_FALSE(g.form.world_box.visible) << w->name;
    }
    g.awaiting_click = 1;
    f.press(g.form.cg);
    EXPECT_EQ(g.awaiting_click, 1);
    g.net_busy = false;
    f.press(g.form.cg);
    EXPECT_EQ(g.awaiting_click, 0);
}

}  // namespace
}  // namespace quill
