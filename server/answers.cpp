#include "server/answers.h"

#include "platform/text_codec.h"

namespace quill::server {

std::optional<std::string> rank_answer_line(const net::RankFields& fields) {
    static const std::string open = platform::to_cp932_lossy("＊　");
    static const std::string close = platform::to_cp932_lossy("　＊");
    return net::utf7_run(open + net::build_rank_line(fields) + close);
}

std::string notice_line(std::string_view notice_cp932) {
    return "[m" + std::string(notice_cp932);
}

std::string duplicate_refusal() {
    static const std::string text = platform::to_cp932_lossy("二重投稿は禁止しています");
    return text;
}

std::string report_time(const std::tm& local) {
    return net::time_text(local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
}

std::string join_lines(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace quill::server
