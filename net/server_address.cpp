#include "net/server_address.h"

#include <filesystem>
#include <system_error>

#include "platform/file_io.h"

namespace quill {

bool IsServerAddress(std::string_view text) {
    if (text.empty() || text.size() > 2048) return false;
    if (text.rfind("http://", 0) != 0 && text.rfind("https://", 0) != 0) return false;
    const size_t host = text.find("//") + 2;
    if (host >= text.size()) return false;
    for (char c : text) {
        if (c <= ' ' || c >= 0x7F) return false;
    }
    return true;
}

std::string ServerAddress(const std::optional<std::string>& given, const platform::Folders& f) {
    if (given && IsServerAddress(*given)) return *given;
    // The player's own server.txt (beside the saves), else one the game came with.
    std::error_code ec;
    std::filesystem::path path = f.dat_file("server.txt");
    if (!std::filesystem::exists(path, ec)) path = f.asset_file("server.txt");
    if (const auto text = platform::read_file(path, 65536)) {
        std::string_view first(*text);
        first = first.substr(0, first.find_first_of("\r\n"));
        while (!first.empty() && (first.back() == ' ' || first.back() == '\t')) {
            first.remove_suffix(1);
        }
        while (!first.empty() && (first.front() == ' ' || first.front() == '\t')) {
            first.remove_prefix(1);
        }
        if (IsServerAddress(first)) return std::string(first);
    }
    return std::string(kLocalServer);
}

}  // namespace quill
