#include "character/name_rules.h"

#include "platform/text_codec.h"

namespace quill {
namespace {

// The length in bytes of the UTF-8 character that starts with `lead` (1 for a stray byte,
// which then fails to convert and is dropped).
size_t utf8_length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string SavableName(std::string_view typed) {
    std::string kept;
    for (size_t at = 0; at < typed.size();) {
        const size_t n =
            std::min(utf8_length(static_cast<unsigned char>(typed[at])), typed.size() - at);
        const std::string_view ch = typed.substr(at, n);
        at += n;
        if (n == 1 && (static_cast<unsigned char>(ch[0]) < 0x20 || ch[0] == 0x7F)) continue;
        const auto sjis = platform::to_cp932(ch);
        if (!sjis) continue;
        const auto back = platform::from_cp932(*sjis);
        if (back) kept += *back;
    }
    return kept;
}

bool KeepSavableName(Game& g, platform::EditBox& box, int max_bytes) {
    std::string savable = SavableName(box.text);
    // Look-alikes that the save writes in its own form are taken quietly; only a character
    // that would be lost is worth a word.
    const bool lost = platform::cp932_length(savable) != platform::cp932_length(box.text);
    if (max_bytes > 0) {
        while (platform::cp932_length(savable) > max_bytes) {
            size_t last = savable.size() - 1;
            while (last > 0 && (static_cast<unsigned char>(savable[last]) & 0xC0) == 0x80) --last;
            savable.erase(last);
        }
    }
    if (savable == box.text) return true;
    box.text = std::move(savable);
    if (lost) g.dialogs->message("その文字は名前に使えません");
    return false;
}

}  // namespace quill
