#include "state/save_backups.h"

#include "platform/file_io.h"
#include "state/save_files.h"

namespace quill {

std::filesystem::path backup_folder(const Game& g) {
    return g.folders.dat() / "backup";
}

std::filesystem::path backup_file(const Game& g, int generation) {
    return backup_folder(g) / ("my.dat." + std::to_string(generation));
}

bool keep_backup(const Game& g, const std::string& previous) {
    std::error_code ec;
    std::filesystem::create_directories(backup_folder(g), ec);
    // Each step leaves whole files behind: a rename replaces its target at once, and the
    // newest is written beside and renamed into place.
    for (int n = kBackupGenerations - 1; n >= 1; --n) {
        if (std::filesystem::exists(backup_file(g, n), ec)) {
            std::filesystem::rename(backup_file(g, n), backup_file(g, n + 1), ec);
        }
    }
    return platform::write_file_atomically(backup_file(g, 1), previous);
}

std::optional<GoodBackup> newest_good_backup(const Game& g) {
    for (int n = 1; n <= kBackupGenerations; ++n) {
        const auto file = backup_file(g, n);
        // Read into a game of its own: the one being loaded keeps its state.
        if (!read_whole_save(file)) continue;
        if (auto bytes = platform::read_file(file, kMaxSaveBytes))
            return GoodBackup{file, std::move(*bytes)};
    }
    return std::nullopt;
}

}  // namespace quill
