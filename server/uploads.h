// What the game uploads, decoded and checked before anything is stored. A refused upload
// comes back with a one-line reason (plain ASCII) for the 400 answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "net/protocol_codec.h"

namespace quill::server {

constexpr int kMaxNameChars = 32;
constexpr int kMaxMessageChars = 200;
constexpr int kMaxOtherTextChars = 64;

// A checked ranking upload: the fields in their canonical form (integers re-written in plain
// decimal), ready to be stored and answered.
struct RankUpload {
    net::RankFields fields;
    int64_t player_id = 0;
    int64_t score = 0;
};

// Either the value or the reason it was refused.
template <class T>
struct Checked {
    std::optional<T> value;
    std::string reason;
};

Checked<RankUpload> check_rank_upload(std::string_view body);
// The report as the game sent it; its time is the server's business.
Checked<net::Report> check_report_upload(std::string_view body);

// The number of characters of a code page 932 text; nothing when the bytes are not code
// page 932.
std::optional<int> cp932_chars(std::string_view cp932);

}  // namespace quill::server
