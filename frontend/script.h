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
    Seed,
    MessageSpeed,
    KeyDown,
    KeyUp
};

struct ScriptCommand {
    ScriptOp op = ScriptOp::Quit;
    int line = 0;        // 1-based line of the script
    int x = 0, y = 0;    // Click, RightClick, Move, Popup; x is the tick count of Wait, the row
                         // of Select, the speed of MessageSpeed
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

// Key names a script may use: every key the game or its window answers (Enter, Space,
// Escape, Tab, Backspace, Delete, the arrows, Home, End, PageUp, PageDown, F1 to F12, the
// digits 0 to 9).
bool is_known_key(const std::string& name);
// The desktop's key code (Qt::Key) of a named key; 0 for a name that is not known.
int key_code_named(const std::string& name);
// The name of a desktop key code; empty for a key without one.
std::string name_of_key_code(int code);
// All the names, for messages.
std::string known_key_names();

}  // namespace quill::frontend
