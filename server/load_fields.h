// A plausible adventurer's ranking fields, for the load tools (texts in code page 932).
#pragma once

#include <string>
#include <utility>

#include "net/protocol_codec.h"

namespace quill::server {

inline net::RankFields plausible_adventurer(std::string name, long long id, long long score,
                                            int race_sex, std::string title, std::string pet) {
    return {std::move(name),
            std::to_string(id),
            std::to_string(score),
            std::to_string(race_sex),
            "1",
            "3",
            "5/12 9:7",
            "30",
            "55",
            "12",
            "4",
            "20",
            "40",
            "35",
            "20",
            "18",
            "25",
            "22",
            "3",
            "4",
            "300",
            "0",
            std::move(title),
            std::move(pet),
            "10",
            "12",
            "2",
            "229"};
}

}  // namespace quill::server
