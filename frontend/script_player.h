// The player of --script runs: between the game's ticks it sends the window the clicks, keys
// and typing a player would make, takes shots, logs and dumps, answers the game's questions,
// and ends the run with the script (a mistake in it ends the run with exit code 2).
#pragma once

#include <QEvent>
#include <Qt>

#include <cstddef>
#include <string>
#include <vector>

#include "frontend/script.h"
#include "frontend/script_dialogs.h"
#include "state/game.h"

namespace quill::frontend {

class MainWindow;

class ScriptPlayer {
  public:
    // The script's answers go to `dialogs`, which the game must be using.
    ScriptPlayer(MainWindow& window, Game& game, std::vector<ScriptCommand> commands,
                 ScriptDialogs* dialogs);

    // Runs commands until the next wait; false when the run is over.
    bool run();
    // One tick of a wait passes.
    void tick() {
        if (wait_ticks_ > 0) --wait_ticks_;
    }
    bool playing() const { return playing_; }
    // A question the script prepared no answer for ends the run as a mistake; true then.
    bool check_unanswered();
    // 2 when the script failed, else 0.
    int exit_code() const { return exit_code_; }

  private:
    bool run_command(const ScriptCommand& c);
    void close_open_dialog();
    void send_mouse(QEvent::Type type, Qt::MouseButton button, int x, int y);
    void send_key(const std::string& name, bool down, bool up);
    void script_error(const std::string& message);
    bool write_script_file(const ScriptCommand& c, const std::string& text);
    bool select_row(const ScriptCommand& c);
    bool type_into(const ScriptCommand& c);

    MainWindow& window_;
    Game& game_;
    std::vector<ScriptCommand> script_;
    size_t script_pos_ = 0;
    bool playing_ = true;
    ScriptDialogs* script_dialogs_ = nullptr;
    int wait_ticks_ = 0;
    int exit_code_ = 0;
};

}  // namespace quill::frontend
