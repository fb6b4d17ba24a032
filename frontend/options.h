// The command line of the game.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quill::frontend {

struct Options {
    bool help = false;
    bool version = false;
    bool offscreen = false;  // no screen: Qt's offscreen platform
    bool turbo = false;      // ticks back to back, the timer interval ignored
    std::optional<uint64_t> seed;
    std::optional<std::filesystem::path> script;
    std::optional<std::filesystem::path> folder;  // instead of the executable's folder
    std::optional<std::string> server;            // the ranking server's address
    // Desktop settings for this run only, over the remembered ones.
    std::optional<int> scale;  // 1..4
    bool fullscreen = false;
    std::optional<int> music_volume;    // 0..100
    std::optional<int> effects_volume;  // 0..100
    bool mute = false;
    std::optional<std::filesystem::path> record;  // write the run's inputs as a script
};

// Parses the arguments after the program name. On a mistake returns nothing and sets
// `error` to a one-line explanation.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;
// What --version prints: the name and the version the caption shows.
std::string version_line();

}  // namespace quill::frontend
