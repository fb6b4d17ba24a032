#include "net/ranking_exchange.h"

#include "net/answer_parsers.h"
#include "net/exchange.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "state/name_tables.h"
#include "state/record_export.h"
#include "state/state_ops.h"
#include "view/message_log.h"

namespace quill {

net::RankFields RankLineFields(Game& g) {
    const GameState& s = g.state;
    const Combatant& a = g.combatants[0];
    const Combatant& pet = g.combatants[2];
    const EquipmentTotals t = TotalEquipmentStats(g);
    const Game::RecordCounts& c = g.record_counts;
    const platform::Clock& clock = *g.clock;
    auto n = [](int32_t v) { return std::to_string(v); };
    auto text = [](const std::string& utf8) { return platform::to_cp932_lossy(utf8); };
    const bool with_pet = has_pet(g);
    return {
        text(a.name == "hostap7741" ? "GM" : a.name),
        n(s.player_id),
        n(s.score),
        n(s.race_sex),
        n(s.char_type),
        n(s.load_count),
        net::time_text(clock.month(), clock.day(), clock.hour(), clock.minute_of_hour()),
        n(a.level),
        n(s.max_distance_m),
        n(c.equipment_kinds),
        n(c.rare_item_kinds),
        n(c.learned_technique_kinds),
        n(t.attack),
        n(t.defence),
        n(a.intellect),
        n(a.spirit),
        n(t.hit),
        n(t.evasion),
        n(t.helmet_critical),
        n(t.guard),
        n(s.battle_count),
        "0",
        text(title_text(s)),
        with_pet ? text(pet.name) : std::string(),
        n(pet.level),
        n(c.record_kinds),
        n(pet.look),
        n(kProgramVersion),
    };
}

void ApplyRankingAnswer(Game& g, std::string_view body) {
    net::RankingAnswer answer = net::ParseRankingAnswer(body);
    for (const std::string& notice : answer.notices) LogColouredLine(g, notice, "pink2");
    g.rank_entries = std::move(answer.entries);
    g.ranking_loaded = true;
    g.state.last_rank_send_minute = g.clock->minute_of_hour();
    const platform::Clock& clock = *g.clock;
    g.recent_players =
        net::CountRecentPlayers(g.rank_entries, clock.month(), clock.day(), clock.hour());
    g.newer_version = net::NewerVersion(g.rank_entries, kProgramVersion);
}

int32_t send_rank(Game& g) {
    if (!NetworkOn(g)) return -1;
    const std::string line = net::build_rank_line(RankLineFields(g));
    const auto body = net::rank_upload_body(line, platform::random(99));
    const auto answer = body ? RunExchange(g, Exchange::SendRank, *body) : std::nullopt;
    if (!answer) {
        SetNetStatus(g, "RANK情報 送信失敗");
        return -1;
    }
    SetNetStatus(g, "RANK情報 送信完了");
    ApplyRankingAnswer(g, *answer);
    return 0;
}

void fetch_rank(Game& g) {
    if (!NetworkOn(g)) return;
    const auto answer = RunExchange(g, Exchange::FetchRank);
    if (!answer) return;
    SetNetStatus(g, "RANK情報 受信完了");
    ApplyRankingAnswer(g, *answer);
}

int32_t own_rank(const Game& g) {
    const std::string& name = g.combatants[0].name;
    for (size_t i = g.rank_entries.size(); i-- > 0;) {
        const RankEntry& e = g.rank_entries[i];
        if (e.name == name && e.player_id == g.state.player_id) return static_cast<int32_t>(i);
    }
    return -1;
}

}  // namespace quill
