#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string_view>

#include "explore/island.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "state/save_files.h"
#include "view/message_log.h"

namespace quill::testing_support {

GameFixture::GameFixture() {
    std::filesystem::create_directory(folder.path() / "cg");
    std::filesystem::create_directory(folder.path() / "dat");
    game.folders = platform::Folders(folder.path());
    game.clock = &clock;
    game.dialogs = &dialogs;
    game.server_url = kNoServer;
}

LandedGame::LandedGame(uint64_t seed) {
    WireHandlers(game);
    FormCreate(game, seed);
    game.screen_mode = kGame;
    game.state.event_flags[0] = 1;  // an adventurer exists
    game.state.event_flags[1] = 1;  // and has woken on the beach
    for (int flag = 30; flag <= 39; ++flag) game.state.event_flags[flag] = 1;
    game.adventurer().name = "ルカ";
    EnterIsland(game);
}

InBattle::InBattle(uint64_t seed, int32_t enemy_hp) : LandedGame(seed) {
    LeaveMap(game);
    game.in_battle = 1;
    game.scene_kind = 1;
    Combatant& e = game.enemy();
    e = Combatant{};
    e.name = "ククル";
    e.present = 1;
    e.max_hp = e.hp = enemy_hp;
    e.technique_slots = {0, 0, 0, 0, 0};
    Combatant& a = game.adventurer();
    a.max_hp = a.hp = 100;
    a.attack = a.hit = a.evasion = 0;
    game.action_technique = 0;
}

InBattle::~InBattle() {
    platform::script_random({});
}

bool InBattle::logged(const std::string& line) const {
    for (const std::string& l : LogLines(game)) {
        if (l == line) return true;
    }
    return false;
}

bool InBattle::logged_start(const std::string& start) const {
    for (const std::string& l : LogLines(game)) {
        if (l.rfind(start, 0) == 0) return true;
    }
    return false;
}

std::string InBattle::joined_log() const {
    std::string all;
    for (const std::string& l : LogLines(game)) all += l + " | ";
    return all;
}

ProgramFolder::ProgramFolder() {
    const std::filesystem::path build(QUILLMOOR_BUILD_DIR);
    std::filesystem::create_directory_symlink(build / "cg", folder.path() / "cg");
    std::filesystem::create_directory(folder.path() / "dat");
    for (const auto& entry : std::filesystem::directory_iterator(build / "dat")) {
        const auto name = entry.path().filename().string();
        const auto ext = entry.path().extension().string();
        if (name == "name.dat" || ext == ".wav" || ext == ".mp3") {
            std::filesystem::create_symlink(entry.path(), folder.path() / "dat" / name);
        }
    }
}

void ProgramFolder::write_island_save(int level, int bonus_points,
                                      const std::vector<std::pair<int, int32_t>>& story) const {
    auto owned = std::make_unique<Game>();
    Game& g = *owned;
    g.folders = platform::Folders(path());
    RecordingDialogs quiet;
    g.dialogs = &quiet;
    FormCreate(g, 2);
    g.state.event_flags[0] = g.state.event_flags[1] = 1;
    for (int flag = 30; flag <= 39; ++flag) g.state.event_flags[flag] = 1;
    g.adventurer().name = "ルカ";
    g.adventurer().level = level;
    g.state.bonus_points = bonus_points;
    for (auto [flag, value] : story) g.state.story_flags[flag] = value;
    save_game(g);
}

namespace {

// True when the line holds nothing but half- and full-width spaces.
bool is_blank(std::string_view line) {
    constexpr std::string_view kWideSpace = "　";
    while (!line.empty()) {
        if (line.front() == ' ') {
            line.remove_prefix(1);
        } else if (line.starts_with(kWideSpace)) {
            line.remove_prefix(kWideSpace.size());
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

void ExpectShowableLogLines(const std::vector<std::string>& lines, const std::string& what,
                            bool blank_allowed) {
    constexpr int kMaxLineBytes = 68;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        SCOPED_TRACE(what + " line " + std::to_string(i + 1) + ": " + line);
        EXPECT_FALSE(line.empty());
        EXPECT_TRUE(platform::to_cp932(line).has_value());
        EXPECT_LE(platform::cp932_length(line), kMaxLineBytes);
        EXPECT_EQ(line.find('{'), std::string::npos);
        EXPECT_EQ(line.find('}'), std::string::npos);
        if (!blank_allowed) EXPECT_FALSE(is_blank(line));
    }
}

int CountLinesWith(const std::vector<std::string>& lines, const std::string& text) {
    int count = 0;
    for (const std::string& line : lines) count += line.find(text) != std::string::npos;
    return count;
}

void write_bmp(const std::filesystem::path& path, const platform::Bitmap& picture) {
    const int w = picture.width(), h = picture.height();
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t data_size = static_cast<uint32_t>(stride * h);
    std::string out;
    auto put16 = [&](uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    auto put32 = [&](uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    out += "BM";
    put32(54 + data_size);
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<uint32_t>(w));
    put32(static_cast<uint32_t>(h));
    put16(1);
    put16(24);
    put32(0);
    put32(data_size);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < w; ++x) {
            platform::Color c = picture.pixel(x, y);
            row[x * 3] = static_cast<char>(c.b);
            row[x * 3 + 1] = static_cast<char>(c.g);
            row[x * 3 + 2] = static_cast<char>(c.r);
        }
        out += row;
    }
    std::ofstream(path, std::ios::binary) << out;
}

platform::Bitmap filled(int w, int h, platform::Color c) {
    return platform::Bitmap(w, h, c);
}

int run_command(const std::string& command, std::string* output) {
    std::string full = command + " 2>&1";
    FILE* pipe = popen(full.c_str(), "r");
    if (!pipe) return -1;
    char buf[4096];
    std::string text;
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) text.append(buf, n);
    int status = pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quill::testing_support
