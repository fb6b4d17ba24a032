// Whole-file reading and crash-safe writing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quill::platform {

// The whole file, or nothing when it is missing or cannot be read. Files larger than
// `max_bytes` are refused (nothing the game reads is anywhere near that large).
std::optional<std::string> read_file(const std::filesystem::path& path,
                                     size_t max_bytes = 64u << 20);

// Writes a temporary file in the same folder, flushes it to the disk, renames it over `path`
// and flushes the folder, so the old file stays whole until the new one is complete and the
// new one is on the disk under its name when this returns. False on failure (the old file
// is then untouched, unless only the folder's flush failed).
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// Flushes a folder's entries (renames, new files) to the disk; false when that fails.
bool sync_folder(const std::filesystem::path& folder);

// Moves a file that could not be read into `folder` under a dated name
// ("my.dat.damaged-20261210-221503", with "-2", "-3" … when that name is taken), so nothing
// is ever written over it. The new path, or nothing when it could not be moved.
std::optional<std::filesystem::path> keep_aside(const std::filesystem::path& file,
                                                const std::filesystem::path& folder);

// When the file was last written, as the player reads it ("12月10日 22:15"); empty when
// that cannot be told.
std::string file_time_text(const std::filesystem::path& file);

}  // namespace quill::platform
