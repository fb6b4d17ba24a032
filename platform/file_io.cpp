#include "platform/file_io.h"

#include <fcntl.h>
#include <cerrno>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>

namespace quill::platform {

std::optional<std::string> read_file(const std::filesystem::path& path, size_t max_bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    auto size = std::filesystem::file_size(path, ec);
    if (ec || size > max_bytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(size, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<size_t>(in.gcount()) != size) return std::nullopt;
    return bytes;
}

bool sync_folder(const std::filesystem::path& folder) {
    const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder and say so; there is nothing more to do there.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    ::close(fd);
    return ok;
}

bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const char* p = bytes.data();
    size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) {
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        return false;
    }
    // The rename itself reaches the disk only with its folder: without this a power cut
    // just after a save could bring the old file back, or leave the new one unnamed.
    return sync_folder(path.parent_path());
}

namespace {

std::string local_time(std::time_t t, const char* format) {
    std::tm parts{};
    if (!localtime_r(&t, &parts)) return {};
    char text[64];
    const size_t n = std::strftime(text, sizeof text, format, &parts);
    return std::string(text, n);
}

}  // namespace

std::optional<std::filesystem::path> keep_aside(const std::filesystem::path& file,
                                                const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string stamp = local_time(std::time(nullptr), "%Y%m%d-%H%M%S");
    const std::string base = file.filename().string() + ".damaged-" + stamp;
    for (int n = 1; n < 1000; ++n) {
        const auto target = folder / (n == 1 ? base : base + "-" + std::to_string(n));
        if (std::filesystem::exists(target, ec)) continue;
        std::filesystem::rename(file, target, ec);
        if (ec) return std::nullopt;
        sync_folder(folder);
        if (file.parent_path() != folder) sync_folder(file.parent_path());
        return target;
    }
    return std::nullopt;
}

std::string file_time_text(const std::filesystem::path& file) {
    std::error_code ec;
    const auto when = std::filesystem::last_write_time(file, ec);
    if (ec) return {};
    const auto system = std::chrono::file_clock::to_sys(when);
    std::string text = local_time(std::chrono::system_clock::to_time_t(system), "%m月%d日 %H:%M");
    // "03月05日" reads "3月5日".
    if (text.size() > 1 && text[0] == '0') text.erase(0, 1);
    const size_t month = text.find("月");
    if (month == std::string::npos) return text;
    const size_t day = month + std::string("月").size();
    if (day < text.size() && text[day] == '0') text.erase(day, 1);
    return text;
}

}  // namespace quill::platform
