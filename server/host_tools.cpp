#include "server/host_tools.h"

#include <charconv>
#include <ctime>
#include <optional>
#include <string>

#include "net/protocol_codec.h"
#include "platform/text_codec.h"
#include "server/block_list.h"

namespace quill::server {

namespace {

// The entry as the tools name it: "NAME" PLAYER_ID (NAME in UTF-8).
std::string entry_text(std::string_view name_cp932, int64_t player_id) {
    std::string text = "\"";
    text += platform::from_cp932_lossy(name_cp932);
    text += "\" ";
    text += std::to_string(player_id);
    return text;
}

std::string local_time(int64_t seconds) {
    if (seconds <= 0) return "(unknown time)";
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string address_text(const std::string& address) {
    return address.empty() ? "(address not kept)" : address;
}

std::string value_text(const EntryValue& v) {
    return "score " + std::to_string(v.score) + ", uploaded " + local_time(v.uploaded_at) +
           " from " + address_text(v.address);
}

// The entry's name in the game's code page and its player id, from the command line.
struct EntryKey {
    std::string name;
    int64_t player_id = 0;
};
std::optional<EntryKey> entry_key(std::string_view name_utf8, std::string_view player_id,
                                  std::ostream& err) {
    const std::optional<std::string> name = platform::to_cp932(name_utf8);
    if (!name || name->empty()) {
        err << "quillmoor-server: the name must be UTF-8 text the game can hold (code page "
               "932)\n";
        return std::nullopt;
    }
    const std::optional<int32_t> id = net::parse_rank_integer(player_id);
    if (!id) {
        err << "quillmoor-server: the player id must be a whole number: " << player_id << '\n';
        return std::nullopt;
    }
    return EntryKey{*name, *id};
}

}  // namespace

int list_suspicious(Store& store, std::ostream& out) {
    const std::vector<Suspicion> found = store.suspicious();
    for (const Suspicion& s : found) {
        if (!s.entry) {
            out << "address " << s.address << ": " << s.what << '\n';
            continue;
        }
        out << entry_text(s.name, s.player_id) << ": " << s.what << "; addresses:";
        for (size_t i = 0; i < s.addresses.size(); ++i) {
            out << (i == 0 ? " " : ", ") << s.addresses[i];
        }
        if (s.addresses.empty()) out << " (not kept)";
        out << '\n';
    }
    if (found.empty()) {
        out << "nothing looks odd in the last " << Store::kLookBackDays << " days\n";
    }
    return 0;
}

int delete_entry(Store& store, std::string_view name_utf8, std::string_view player_id,
                 std::ostream& out, std::ostream& err) {
    const std::optional<EntryKey> key = entry_key(name_utf8, player_id, err);
    if (!key) return 1;
    std::string error;
    const std::optional<EntryValue> removed = store.delete_entry(key->name, key->player_id, error);
    if (!removed) {
        if (!error.empty()) {
            err << "quillmoor-server: cannot delete: " << error << '\n';
        } else {
            err << "quillmoor-server: no entry " << entry_text(key->name, key->player_id)
                << " in the ranking\n";
        }
        return 1;
    }
    out << "deleted " << entry_text(key->name, key->player_id) << " (" << value_text(*removed)
        << "); its value is kept in the history (--restore-entry puts it back)\n";
    return 0;
}

int restore_entry(Store& store, std::string_view name_utf8, std::string_view player_id,
                  std::ostream& out, std::ostream& err) {
    const std::optional<EntryKey> key = entry_key(name_utf8, player_id, err);
    if (!key) return 1;
    std::string error;
    const std::optional<EntryValue> restored =
        store.restore_entry(key->name, key->player_id, error);
    if (!restored) {
        if (!error.empty()) {
            err << "quillmoor-server: cannot restore: " << error << '\n';
        } else {
            err << "quillmoor-server: nothing to restore for "
                << entry_text(key->name, key->player_id)
                << ": its history holds no earlier value\n";
        }
        return 1;
    }
    out << "restored " << entry_text(key->name, key->player_id) << " to its earlier value ("
        << value_text(*restored) << ")\n";
    return 0;
}

int show_history(Store& store, std::string_view name_utf8, std::string_view player_id,
                 std::ostream& out, std::ostream& err) {
    const std::optional<EntryKey> key = entry_key(name_utf8, player_id, err);
    if (!key) return 1;
    const std::optional<EntryValue> now = store.current(key->name, key->player_id);
    const std::vector<HistoryValue> history = store.history(key->name, key->player_id);
    if (!now && history.empty()) {
        err << "quillmoor-server: nothing kept of " << entry_text(key->name, key->player_id)
            << '\n';
        return 1;
    }
    out << entry_text(key->name, key->player_id) << ", newest first:\n";
    if (now) out << "  now:     " << value_text(*now) << '\n';
    for (const HistoryValue& h : history) {
        out << "  earlier: " << value_text(h.value) << "; " << h.reason << " "
            << local_time(h.left_at) << " by " << h.left_by << (h.put_back ? " (put back)" : "")
            << '\n';
    }
    return 0;
}

int block_address(const std::filesystem::path& block_list, std::string_view address,
                  std::ostream& out, std::ostream& err) {
    std::string message;
    switch (BlockList::add(block_list, address, message)) {
        case BlockList::Added::kAdded:
        case BlockList::Added::kAlready:
            out << message << '\n';
            return 0;
        case BlockList::Added::kFailed:
            break;
    }
    err << "quillmoor-server: " << message << '\n';
    return 1;
}

}  // namespace quill::server
