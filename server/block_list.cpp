#include "server/block_list.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quill::server {

namespace {

constexpr std::uintmax_t kMostBytes = 1 << 20;  // far more than any host blocks

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The whole file; nothing (and why) when it cannot be read. `missing` when it is not there.
std::optional<std::string> file_bytes(const std::filesystem::path& file, bool& missing,
                                      std::string& reason) {
    missing = false;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        missing = errno == ENOENT;
        if (missing) return std::string();
        reason = std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[8192];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > kMostBytes) {
            ::close(fd);
            reason = "larger than " + std::to_string(kMostBytes) + " bytes";
            return std::nullopt;
        }
    }
    const int read_error = n < 0 ? errno : 0;
    ::close(fd);
    if (read_error != 0) {
        reason = std::strerror(read_error);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<std::set<std::string>> read_block_list(const std::filesystem::path& file,
                                                     std::string& reason) {
    bool missing = false;
    const std::optional<std::string> bytes = file_bytes(file, missing, reason);
    if (!bytes) return std::nullopt;
    std::set<std::string> addresses;
    std::string_view rest = *bytes;
    int number = 0;
    while (!rest.empty()) {
        ++number;
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const std::optional<std::string> address = BlockList::normal_address(line);
        if (!address) {
            reason = "line " + std::to_string(number) + " is not an address";
            return std::nullopt;
        }
        addresses.insert(*address);
    }
    return addresses;
}

BlockList::BlockList(std::filesystem::path file, Log log)
    : file_(std::move(file)),
      log_(std::move(log)),
      addresses_(std::make_shared<const std::set<std::string>>()) {}

BlockList::Stamp BlockList::stamp_of(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return {};
    Stamp s;
    s.exists = true;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.modified_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return s;
}

bool BlockList::reload() {
    std::lock_guard reading(reading_);
    const Stamp stamp = stamp_of(file_);
    std::string reason;
    std::optional<std::set<std::string>> read = read_block_list(file_, reason);
    std::shared_ptr<const std::set<std::string>> before;
    {
        std::lock_guard lock(mutex_);
        read_stamp_ = stamp;
        before = addresses_;
        if (read) addresses_ = std::make_shared<const std::set<std::string>>(std::move(*read));
    }
    if (!read) {
        if (log_) {
            const size_t n = before->size();
            log_("the block list " + file_.string() + " cannot be used (" + reason +
                 "); the list read before stays (" + std::to_string(n) +
                 (n == 1 ? " address)" : " addresses)"));
        }
        return false;
    }
    std::lock_guard lock(mutex_);
    if (log_ && *addresses_ != *before) {
        const size_t n = addresses_->size();
        log_("the block list " + file_.string() + " is read: " + std::to_string(n) +
             (n == 1 ? " address" : " addresses") + " may not write");
    }
    return true;
}

void BlockList::reload_if_changed(Clock::time_point now) {
    {
        std::lock_guard lock(mutex_);
        if (looked_ != Clock::time_point{} && now - looked_ < std::chrono::seconds(1)) return;
        looked_ = now;
    }
    const Stamp stamp = stamp_of(file_);
    {
        std::lock_guard lock(mutex_);
        if (stamp == read_stamp_) return;
    }
    reload();
}

bool BlockList::blocked(const std::string& address) const {
    std::shared_ptr<const std::set<std::string>> addresses;
    {
        std::lock_guard lock(mutex_);
        addresses = addresses_;
    }
    if (addresses->empty()) return false;
    if (addresses->count(address) != 0) return true;
    const std::optional<std::string> normal = normal_address(address);
    return normal && addresses->count(*normal) != 0;
}

size_t BlockList::size() const {
    std::lock_guard lock(mutex_);
    return addresses_->size();
}

std::optional<std::string> BlockList::normal_address(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        text = text.substr(1, text.size() - 2);
    }
    if (text.empty() || text.size() >= INET6_ADDRSTRLEN) return std::nullopt;
    const std::string copy(text);
    char shown[INET6_ADDRSTRLEN] = {};
    in_addr v4{};
    if (inet_pton(AF_INET, copy.c_str(), &v4) == 1) {
        return std::string(inet_ntop(AF_INET, &v4, shown, sizeof shown));
    }
    in6_addr v6{};
    if (inet_pton(AF_INET6, copy.c_str(), &v6) != 1) return std::nullopt;
    if (IN6_IS_ADDR_V4MAPPED(&v6)) {
        std::memcpy(&v4, &v6.s6_addr[12], sizeof v4);
        return std::string(inet_ntop(AF_INET, &v4, shown, sizeof shown));
    }
    return std::string(inet_ntop(AF_INET6, &v6, shown, sizeof shown));
}

BlockList::Added BlockList::add(const std::filesystem::path& file, std::string_view address,
                                std::string& message) {
    const std::optional<std::string> normal = normal_address(address);
    if (!normal) {
        message = std::string(address) + " is not an IPv4 or IPv6 address";
        return Added::kFailed;
    }
    std::string reason;
    const std::optional<std::set<std::string>> listed = read_block_list(file, reason);
    if (!listed) {
        message =
            "the block list " + file.string() + " cannot be used (" + reason + "); mend it first";
        return Added::kFailed;
    }
    if (listed->count(*normal) != 0) {
        message = *normal + " is already blocked (" + file.string() + ")";
        return Added::kAlready;
    }
    bool missing = false;
    std::string bytes = file_bytes(file, missing, reason).value_or(std::string());
    if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
    bytes += *normal + "\n";

    // The new list beside the old one, then in its place: a reader sees one or the other.
    struct stat old {};
    const mode_t mode = ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const std::filesystem::path temporary =
        file.string() + ".new-" + std::to_string(static_cast<long>(::getpid()));
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    bool written = fd >= 0;
    if (written) {
        ::fchmod(fd, mode);
        size_t done = 0;
        while (written && done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            written = n > 0;
            if (written) done += static_cast<size_t>(n);
        }
        written = written && ::fsync(fd) == 0;
        written = ::close(fd) == 0 && written;
    }
    if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
        message = "cannot write the block list " + file.string() + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return Added::kFailed;
    }
    message = "blocked " + *normal + " (" + file.string() +
              "); a running server refuses its writes within a second";
    return Added::kAdded;
}

}  // namespace quill::server
