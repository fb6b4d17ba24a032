// Answers of a ranking server, written as the server writes them, for the game's tests.
#pragma once

#include <string>
#include <vector>

#include "net/protocol_codec.h"
#include "platform/text_codec.h"

namespace quill::testing_support {

inline std::string sj(const std::string& utf8) {
    return platform::to_cp932_lossy(utf8);
}

// The 28 fields of an adventurer (code page 932): the name, id and score as given, level
// 12, race and sex `race_sex`, dated `date`, version 229, the pet only when named.
inline net::RankFields rank_fields(const std::string& name, int id, int score, int race_sex = 0,
                                   const std::string& date = "1/1 0:0",
                                   const std::string& pet = "") {
    net::RankFields f;
    for (auto& x : f) x = "0";
    f[0] = sj(name);
    f[1] = std::to_string(id);
    f[2] = std::to_string(score);
    f[3] = std::to_string(race_sex);
    f[4] = "1";
    f[5] = "7";
    f[6] = date;
    f[7] = "12";
    f[8] = "35";
    f[12] = "40";
    f[13] = "22";
    f[16] = "9";
    f[17] = "8";
    f[18] = "3";
    f[19] = "5";
    f[20] = "77";
    f[22] = "";
    f[23] = sj(pet);
    f[24] = pet.empty() ? "0" : "3";
    f[26] = pet.empty() ? "0" : "4";
    f[27] = "229";
    return f;
}

// One line of a ranking answer: the UTF-7 run of "＊　" + line + "　＊".
inline std::string rank_answer_line(const net::RankFields& fields) {
    return net::utf7_run(sj("＊　") + net::build_rank_line(fields) + sj("　＊")).value();
}

inline std::string answer(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

// One line of a report answer.
inline std::string report_answer_line(const std::string& name, const std::string& message,
                                      int id = 1, int race_sex = 0,
                                      const std::string& time = "12/1 9:5") {
    net::Report r;
    r.name = sj(name);
    r.message = sj(message);
    r.player_id = id;
    r.race_sex = race_sex;
    r.time = time;
    return net::build_report_line(r).value();
}

}  // namespace quill::testing_support
