// Records a run as a script: the seed, then every input that reached the game (clicks and
// releases on the main picture, the pointer where it matters, presses of buttons and
// pictures, rows chosen in lists, text typed into edit boxes, keys, answers to questions)
// with the ticks between them. Played with --script, the recording gives the same game.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/widgets.h"

namespace quill {
struct Form;
}

namespace quill::frontend {

class InputRecorder {
  public:
    // Starts the recording in `file`; false when the file cannot be written.
    bool open(const std::filesystem::path& file, uint64_t seed);
    bool recording() const { return out_.is_open(); }

    // Puts the recorder between every widget model of the form and its handlers.
    void watch(Form& form);

    // Runs the handler of an input that the script writes as `line` (a key the game acts
    // on: "key Enter"); answers the handler was given come first in the script.
    void input(const std::string& line, const std::function<void()>& handler);
    // A key held down (Space, as the held button) and let go. A press let go before the next
    // tick is written "key NAME"; one held over ticks "keydown NAME" ... "keyup NAME".
    void key_down(const std::string& name, const std::function<void()>& handler);
    void key_up(const std::string& name, const std::function<void()>& handler);
    // The player's answer to a question.
    void answer(bool yes);
    // One tick of the game ran.
    void tick();
    // The run ends: the ticks since the last input, and quit.
    void finish();

  private:
    void write(const std::string& line);
    void flush_pointer();

    std::ofstream out_;
    int64_t ticks_ = 0;
    int64_t written_ticks_ = 0;
    int depth_ = 0;                                // > 0 while an input's handler runs
    std::vector<std::string> answers_;             // answers given inside that handler
    std::optional<std::pair<int, int>> pointer_;   // where the script leaves the pointer
    std::optional<std::pair<int, int>> moved_to_;  // a move not written yet
    bool finished_ = false;
    std::string held_key_;  // a key pressed in this tick whose line waits for its release
};

// Dialogs that pass every question to `inner` and record the answer.
class RecordingDialogs final : public platform::Dialogs {
  public:
    RecordingDialogs(platform::Dialogs& inner, InputRecorder& recorder)
        : inner_(inner), recorder_(recorder) {}
    void message(const std::string& text) override { inner_.message(text); }
    bool ask_yes_no(const std::string& text) override;

  private:
    platform::Dialogs& inner_;
    InputRecorder& recorder_;
};

}  // namespace quill::frontend
