#include "platform/text_file.h"

#include <charconv>

#include "platform/text_codec.h"

namespace quill::platform {

TextReader::TextReader(std::string bytes) : bytes_(std::move(bytes)) {}

void TextReader::skip_to_next_line() {
    while (pos_ < bytes_.size() && bytes_[pos_] != '\n') ++pos_;
    if (pos_ < bytes_.size()) {
        ++pos_;
        ++line_;
    }
}

bool TextReader::read_int(int32_t& value) {
    value = 0;
    while (pos_ < bytes_.size()) {
        char c = bytes_[pos_];
        if (c == '\n') {
            ++line_;
        } else if (c != ' ' && c != '\t' && c != '\r') {
            break;
        }
        ++pos_;
    }
    if (pos_ >= bytes_.size()) return true;
    size_t end = pos_;
    while (end < bytes_.size() && bytes_[end] != ' ' && bytes_[end] != '\t' &&
           bytes_[end] != '\r' && bytes_[end] != '\n') {
        ++end;
    }
    const char* first = bytes_.data() + pos_;
    const char* last = bytes_.data() + end;
    if (first < last && *first == '+') ++first;
    int32_t parsed = 0;
    auto [ptr, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || ptr != last || first == last) return false;
    value = parsed;
    skip_to_next_line();
    return true;
}

std::string TextReader::read_text() {
    if (pos_ >= bytes_.size()) return std::string();
    size_t end = bytes_.find('\n', pos_);
    if (end == std::string::npos) end = bytes_.size();
    size_t stop = end;
    if (stop > pos_ && bytes_[stop - 1] == '\r') --stop;
    std::string text = from_cp932_lossy(std::string_view(bytes_).substr(pos_, stop - pos_));
    pos_ = end;
    skip_to_next_line();
    return text;
}

void TextWriter::write_int(int32_t value) {
    bytes_ += std::to_string(value);
    bytes_ += "\r\n";
}

void TextWriter::write_text(std::string_view utf8) {
    std::string flat(utf8);
    for (char& c : flat) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    bytes_ += to_cp932_lossy(flat);
    bytes_ += "\r\n";
}

}  // namespace quill::platform
