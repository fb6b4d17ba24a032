// Whole-file reading and crash-safe writing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The whole file, or nothing when it is missing or cannot be read. Files larger than
// `max_bytes` are refused (nothing the game reads is anywhere near that large).
std::optional<std::string> read_file(const std::filesystem::path& path,
                                     size_t max_bytes = 64u << 20);

// Writes a temporary file in the same folder, flushes it to the disk and renames it over
// `path`, so the old file stays whole until the new one is complete. False on failure (the
// old file is then untouched).
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
