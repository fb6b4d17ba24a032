#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace quill::platform {
namespace {

// An iconv handle per direction, opened once per thread and reset before each use.
iconv_t handle(const char* to, const char* from) {
    struct Entry {
        const char* to;
        const char* from;
        iconv_t cd;
    };
    struct Cache {
        std::vector<Entry> entries;
        ~Cache() {
            for (auto& e : entries) iconv_close(e.cd);
        }
    };
    thread_local Cache cache;
    for (auto& e : cache.entries) {
        if (e.to == to && e.from == from) {
            iconv(e.cd, nullptr, nullptr, nullptr, nullptr);
            return e.cd;
        }
    }
    iconv_t cd = iconv_open(to, from);
    if (cd != reinterpret_cast<iconv_t>(-1)) cache.entries.push_back({to, from, cd});
    return cd;
}

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte).
size_t utf8_sequence_length(unsigned char c) {
    return c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
}

// One conversion through iconv. With `lossy`, an unconvertible or invalid input character
// is replaced by '?' and skipped; otherwise the whole conversion fails.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   bool lossy) {
    iconv_t cd = handle(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    const bool from_utf8 = std::string_view(from) == "UTF-8";
    std::string out;
    char buf[1024];
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    while (src_left > 0) {
        char* dst = buf;
        size_t dst_left = sizeof buf;
        size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buf, sizeof buf - dst_left);
        if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
        if (!lossy) return std::nullopt;
        // EILSEQ or EINVAL: put '?' in place of one input character and go on.
        size_t skip = from_utf8 ? utf8_sequence_length(static_cast<unsigned char>(*src)) : 1;
        if (skip > src_left) skip = src_left;
        out.push_back('?');
        src += skip;
        src_left -= skip;
    }
    // Flush the shift state: UTF-7 closes its open base64 run here.
    while (true) {
        char* dst = buf;
        size_t dst_left = sizeof buf;
        size_t r = iconv(cd, nullptr, nullptr, &dst, &dst_left);
        out.append(buf, sizeof buf - dst_left);
        if (r == static_cast<size_t>(-1) && errno == E2BIG) continue;
        break;
    }
    return out;
}

}  // namespace

std::optional<std::string> to_cp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8, false);
}

std::optional<std::string> from_cp932(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932, false);
}

std::string from_cp932_lossy(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932, true).value_or(std::string());
}

std::string to_cp932_lossy(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8, true).value_or(std::string());
}

std::optional<std::string> to_utf7(std::string_view utf8) {
    return convert("UTF-7", "UTF-8", utf8, false);
}

std::optional<std::string> from_utf7(std::string_view utf7) {
    return convert("UTF-8", "UTF-7", utf7, false);
}

int cp932_length(std::string_view utf8) {
    return static_cast<int>(to_cp932_lossy(utf8).size());
}

}  // namespace quill::platform
