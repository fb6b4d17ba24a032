// Shared helpers of the tests.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/bitmap.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "state/game.h"
#include "temp_folder.h"

namespace quill::testing_support {

// Dialogs that remember what was shown and answer from a prepared list ("no" when it
// runs out).
class RecordingDialogs final : public platform::Dialogs {
  public:
    void message(const std::string& text) override { messages.push_back(text); }
    bool ask_yes_no(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        bool yes = answers.front();
        answers.erase(answers.begin());
        return yes;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<bool> answers;
};

// Port 1 of the loopback: nobody listens there, so an exchange fails at once; tests that
// need a ranking server start one.
inline constexpr const char* kNoServer = "http://127.0.0.1:1";

// A game whose program folder is a temporary one with cg/ and dat/ folders, whose clock
// stands still and whose ranking server is absent.
struct GameFixture {
    GameFixture();
    TempFolder folder;
    platform::ManualClock clock;
    std::unique_ptr<Game> owned = std::make_unique<Game>();
    Game& game = *owned;
    RecordingDialogs dialogs;
};

// A started game (wired, created with the seed) whose adventurer "ルカ" has landed on the
// island; the story chapters count as told, so no chapter hides the map.
struct LandedGame : GameFixture {
    explicit LandedGame(uint64_t seed);
};

// A battle at a spot of the walk: the adventurer "ルカ" (100 HP, nothing worn) against
// "ククル", a plain enemy of hp HP with only technique 0; no statuses. Scripted draws are
// dropped at the end.
struct InBattle : LandedGame {
    InBattle(uint64_t seed, int32_t enemy_hp);
    ~InBattle();
    // True when the message log holds the line (or a line that starts with it).
    bool logged(const std::string& line) const;
    bool logged_start(const std::string& start) const;
    std::string joined_log() const;
};

// A program folder for running the game binary: the build's pictures, a dat/ folder of its
// own with the build's name list and sounds (so saves never touch the build folder).
struct ProgramFolder {
    ProgramFolder();
    TempFolder folder;
    std::filesystem::path path() const { return folder.path(); }
    std::filesystem::path dat(const std::string& name) const {
        return folder.path() / "dat" / name;
    }
    // Writes my.dat: the adventurer "ルカ" at `level` with `bonus_points` BP, landed on the
    // island with the story chapters told and the story flags given (flag, value).
    void write_island_save(int level, int bonus_points = 0,
                           const std::vector<std::pair<int, int32_t>>& story = {}) const;
};

// Every line is real text that code page 932 holds and the message log shows on one line
// (at most 68 bytes: 34 full-width characters), with no name mark left behind; a line of
// nothing but spaces only where blank lines are allowed.
void ExpectShowableLogLines(const std::vector<std::string>& lines, const std::string& what,
                            bool blank_allowed = false);

// How many of the lines carry the text.
int CountLinesWith(const std::vector<std::string>& lines, const std::string& text);

// Writes a picture as a 24-bit BMP file.
void write_bmp(const std::filesystem::path& path, const platform::Bitmap& picture);

// A picture filled with one colour.
platform::Bitmap filled(int w, int h, platform::Color c);

// Runs a command; returns its exit code and what it wrote on standard output and error.
int run_command(const std::string& command, std::string* output = nullptr);

}  // namespace quill::testing_support
