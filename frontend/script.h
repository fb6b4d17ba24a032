// Scripts of inputs for automated runs: one command a line, blank lines and lines starting
// with '#' ignored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill::frontend {

enum class ScriptOp {
    Wait,
    Click,
    RightClick,
    Release,
    Move,
    Key,
    Press,
    Type,
    Answer,
    Shot,
    Log,
    Dump,
    Select,
    Popup,
    Quit,
    MiddleClick,
    Seed
};

struct ScriptCommand {
    ScriptOp op = ScriptOp::Quit;
    int line = 0;        // 1-based line of the script
    int x = 0, y = 0;    // Click, RightClick, Move, Popup; x is the tick count of Wait, the row
                         // of Select
    int type = 0;        // Popup's type
    uint64_t seed = 0;   // Seed's number
    std::string text;    // the key of Key, "yes"/"no" of Answer, the file of Shot, Log and
                         // Dump, Type's text, Popup's text
    std::string widget;  // the widget of Press, Type and Select
};

// Parses a whole script. On a mistake returns nothing and sets `error` to a message that
// names the line.
std::optional<std::vector<ScriptCommand>> parse_script(const std::string& source,
                                                       std::string& error);

// Key names a script may use.
bool is_known_key(const std::string& name);

}  // namespace quill::frontend
