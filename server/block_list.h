// The host's block list: client addresses that may no longer write (their uploads and
// reports are answered 403; they may still read). One address a line in a text file, "#"
// starting a comment; quillmoor-server --block adds to it. The server reads it at start, again
// on SIGHUP, and again whenever the file has changed (looked at no more than once a second),
// so a block shows within a second. A damaged or unreadable file leaves the list as it was.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace quill::server {

class BlockList {
  public:
    using Clock = std::chrono::steady_clock;
    using Log = std::function<void(const std::string& line)>;

    // The list kept in `file`; `log` gets one line for each reading that failed and for each
    // that changed the list.
    BlockList(std::filesystem::path file, Log log = {});

    // Reads the file again (a missing file is an empty list). False, with the list unchanged
    // and one line logged, when it cannot be read or a line is not an address.
    bool reload();
    // Reads the file again when it changed since the last reading; looks at most once a second.
    void reload_if_changed(Clock::time_point now = Clock::now());

    bool blocked(const std::string& address) const;
    size_t size() const;
    const std::filesystem::path& file() const { return file_; }

    // An address as the server sees its clients: IPv4 in dotted decimal, IPv6 in its short
    // form, an IPv4 client of an IPv6 socket as IPv4. Nothing when the text is not one.
    static std::optional<std::string> normal_address(std::string_view text);

    // Adds the address to the list in the file (made when missing; replaced whole, so a
    // server reading it never sees half of it). The message says what happened.
    enum class Added { kAdded, kAlready, kFailed };
    static Added add(const std::filesystem::path& file, std::string_view address,
                     std::string& message);

  private:
    // The file's identity and change marks (0 for a missing file).
    struct Stamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        int64_t modified_ns = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stamp_of(const std::filesystem::path& file);

    const std::filesystem::path file_;
    const Log log_;
    mutable std::mutex mutex_;
    std::shared_ptr<const std::set<std::string>> addresses_;
    Stamp read_stamp_;  // of the file when last read (or tried)
    Clock::time_point looked_{};
    std::mutex reading_;  // one reading at a time
};

// The addresses of a block list file; nothing, and the reason, when it cannot be read or a
// line is not an address. A missing file is an empty list.
std::optional<std::set<std::string>> read_block_list(const std::filesystem::path& file,
                                                     std::string& reason);

}  // namespace quill::server
