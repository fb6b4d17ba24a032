#include "wire.h"

#include "platform/text_codec.h"

namespace quill::server_test {

std::string sj(std::string_view text) {
    return platform::to_cp932(text).value();
}
std::string utf8(std::string_view cp932) {
    return platform::from_cp932_lossy(cp932);
}

net::RankFields adventurer(std::string_view name, int64_t player_id, int64_t score) {
    // The level the score allows (every level-up brings its points), at most 12.
    int level = 0;
    int64_t points = 0;
    while (level < 12 && points + ((level + 1) / 10) * 10 + 100 <= score) {
        ++level;
        points += (level / 10) * 10 + 100;
    }
    return {
        sj(name),                   //  1 name
        std::to_string(player_id),  //  2
        std::to_string(score),      //  3
        "3",                        //  4 race and sex
        "1",                        //  5 personality
        "6",                        //  6 loads
        "5/12 9:7",                 //  7 date
        std::to_string(level),      //  8 level
        "40",                       //  9 greatest distance
        "5",                        // 10 equipment kinds
        "2",                        // 11 rare item kinds
        "9",                        // 12 techniques
        "31",                       // 13 attack
        "22",                       // 14 defence
        "14",                       // 15 intellect
        "11",                       // 16 spirit
        "18",                       // 17 hit
        "16",                       // 18 evasion
        "3",                        // 19 critical
        "4",                        // 20 guard
        "88",                       // 21 battles
        "0",                        // 22 spare
        sj("見習い冒険者"),         // 23 title
        "",                         // 24 pet name (a pet comes at level 22)
        "0",                        // 25 pet level
        "5",                        // 26 record kinds
        "2",                        // 27 pet look
        "229",                      // 28 version
    };
}

std::string rank_body(const net::RankFields& fields, int n) {
    return net::rank_upload_body(net::build_rank_line(fields), n).value();
}

std::string report_body(std::string_view name, std::string_view message, int32_t player_id,
                        int32_t race_sex) {
    net::Report r;
    r.name = sj(name);
    r.message = sj(message);
    r.player_id = player_id;
    r.race_sex = race_sex;
    r.time = "1/1 0:0";
    return net::report_upload_body(net::build_report_line(r).value());
}

std::optional<std::vector<std::string>> answer_lines(std::string_view body) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < body.size()) {
        const size_t end = body.find("\r\n", start);
        const std::string_view line = body.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 2;
    }
    return lines;
}

std::vector<net::RankFields> ranking_entries(std::string_view body) {
    std::vector<net::RankFields> out;
    for (const std::string& line : answer_lines(body).value_or(std::vector<std::string>{})) {
        // As the game does: decode the line, and take it when it holds both markers.
        const std::optional<std::string> decoded = net::utf7_unrun(line);
        if (!decoded || decoded->find("k[") == std::string::npos ||
            decoded->find("]k") == std::string::npos) {
            continue;
        }
        if (auto fields = net::parse_rank_line(*decoded)) out.push_back(*fields);
    }
    return out;
}

std::vector<std::string> ranking_names(std::string_view body) {
    std::vector<std::string> names;
    for (const net::RankFields& f : ranking_entries(body)) names.push_back(utf8(f[0]));
    return names;
}

std::vector<net::Report> report_entries(std::string_view body) {
    std::vector<net::Report> out;
    for (const std::string& line : answer_lines(body).value_or(std::vector<std::string>{})) {
        if (auto report = net::parse_report_line(line)) out.push_back(*report);
    }
    return out;
}

}  // namespace quill::server_test
