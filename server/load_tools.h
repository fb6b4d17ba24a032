// What the two load tools (quillmoor-server-load and quillmoor-server-hostile) share.
#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <utility>

#include "net/protocol_codec.h"

namespace quill::server {

// A plausible adventurer's ranking fields (texts in code page 932).
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

// A whole number of the command line within [low, high]; false when it is not one.
template <class T>
bool parse_bounded(std::string_view text, T low, T high, T& out) {
    T value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

}  // namespace quill::server
