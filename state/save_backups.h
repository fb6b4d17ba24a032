// Rolling backups of my.dat in dat/backup/: after every save the save before it is kept as
// my.dat.1, the one before that as my.dat.2, then my.dat.3; the oldest is dropped. Damaged
// files are kept there too, under dated names.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "state/game.h"

namespace quill {

constexpr int kBackupGenerations = 3;

std::filesystem::path backup_folder(const Game& g);
// Generation 1 is the newest.
std::filesystem::path backup_file(const Game& g, int generation);

// Keeps `previous`, the bytes of the good save that was just replaced, as generation 1.
// False when a backup could not be written (the save itself stands).
bool keep_backup(const Game& g, const std::string& previous);

struct GoodBackup {
    std::filesystem::path file;
    std::string bytes;
};
// The newest backup that is a whole save with its checksum, if any.
std::optional<GoodBackup> newest_good_backup(const Game& g);

}  // namespace quill
