#include "frontend/script.h"

#include <Qt>

#include <charconv>
#include <sstream>

namespace quill::frontend {
namespace {

bool parse_int(const std::string& s, int& out) {
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size() && !s.empty();
}

bool parse_seed(const std::string& s, uint64_t& out) {
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size() && !s.empty();
}

struct NamedKey {
    const char* name;
    int code;
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", Qt::Key_Return},
    {"Space", Qt::Key_Space},
    {"Escape", Qt::Key_Escape},
    {"Tab", Qt::Key_Tab},
    {"Backspace", Qt::Key_Backspace},
    {"Delete", Qt::Key_Delete},
    {"Up", Qt::Key_Up},
    {"Down", Qt::Key_Down},
    {"Left", Qt::Key_Left},
    {"Right", Qt::Key_Right},
    {"Home", Qt::Key_Home},
    {"End", Qt::Key_End},
    {"PageUp", Qt::Key_PageUp},
    {"PageDown", Qt::Key_PageDown},
    {"F1", Qt::Key_F1},
    {"F2", Qt::Key_F2},
    {"F3", Qt::Key_F3},
    {"F4", Qt::Key_F4},
    {"F5", Qt::Key_F5},
    {"F6", Qt::Key_F6},
    {"F7", Qt::Key_F7},
    {"F8", Qt::Key_F8},
    {"F9", Qt::Key_F9},
    {"F10", Qt::Key_F10},
    {"F11", Qt::Key_F11},
    {"F12", Qt::Key_F12},
    {"0", Qt::Key_0},
    {"1", Qt::Key_1},
    {"2", Qt::Key_2},
    {"3", Qt::Key_3},
    {"4", Qt::Key_4},
    {"5", Qt::Key_5},
    {"6", Qt::Key_6},
    {"7", Qt::Key_7},
    {"8", Qt::Key_8},
    {"9", Qt::Key_9},
};

}  // namespace

int key_code_named(const std::string& name) {
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) return k.code;
    }
    return 0;
}

std::string name_of_key_code(int code) {
    if (code == Qt::Key_Enter) return "Enter";  // the keypad's
    for (const NamedKey& k : kNamedKeys) {
        if (code == k.code) return k.name;
    }
    return {};
}

bool is_known_key(const std::string& name) {
    return key_code_named(name) != 0;
}

std::string known_key_names() {
    std::string names;
    for (const NamedKey& k : kNamedKeys) {
        if (!names.empty()) names += ", ";
        names += k.name;
    }
    return names;
}

std::optional<std::vector<ScriptCommand>> parse_script(const std::string& source,
                                                       std::string& error) {
    std::vector<ScriptCommand> commands;
    std::istringstream in(source);
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::istringstream words(raw);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty() || w[0][0] == '#') continue;
        auto fail = [&](const std::string& why) {
            error = "script line " + std::to_string(line) + ": " + why + ": " + raw;
            return std::nullopt;
        };
        ScriptCommand c;
        c.line = line;
        const std::string& op = w[0];
        if (op == "wait") {
            if (w.size() != 2 || !parse_int(w[1], c.x) || c.x < 0)
                return fail("wait needs a number of ticks");
            c.op = ScriptOp::Wait;
        } else if (op == "seed") {
            if (w.size() != 2 || !parse_seed(w[1], c.seed))
                return fail("seed needs a non-negative whole number");
            if (!commands.empty()) return fail("seed must come before every other command");
            c.op = ScriptOp::Seed;
        } else if (op == "click" || op == "rclick" || op == "mclick" || op == "move") {
            if (w.size() != 3 || !parse_int(w[1], c.x) || !parse_int(w[2], c.y))
                return fail(op + " needs X and Y");
            c.op = op == "click"    ? ScriptOp::Click
                   : op == "rclick" ? ScriptOp::RightClick
                   : op == "mclick" ? ScriptOp::MiddleClick
                                    : ScriptOp::Move;
        } else if (op == "message-speed") {
            // How waiting lines go on from here: 0 at the click, 1 slow, 2 normal, 3 fast.
            if (w.size() != 2 || !parse_int(w[1], c.x) || c.x < 0 || c.x > 3)
                return fail("message-speed needs 0 (on a click), 1, 2 or 3 (slow to fast)");
            c.op = ScriptOp::MessageSpeed;
        } else if (op == "release") {
            if (w.size() != 1) return fail("release takes nothing");
            c.op = ScriptOp::Release;
        } else if (op == "key" || op == "keydown" || op == "keyup") {
            if (w.size() != 2 || !is_known_key(w[1]))
                return fail(op + " needs one of " + known_key_names());
            c.op = op == "key"       ? ScriptOp::Key
                   : op == "keydown" ? ScriptOp::KeyDown
                                     : ScriptOp::KeyUp;
            c.text = w[1];
        } else if (op == "press") {
            if (w.size() != 2) return fail("press needs one widget name");
            c.op = ScriptOp::Press;
            c.widget = w[1];
        } else if (op == "type") {
            if (w.size() < 2) return fail("type needs a widget name (and the text)");
            c.op = ScriptOp::Type;
            c.widget = w[1];
            // The text is the rest of the line after the widget's name and one space, spaces
            // included; nothing there empties the box.
            const size_t at = raw.find(w[1], raw.find("type") + 4) + w[1].size() + 1;
            c.text = raw.substr(std::min(at, raw.size()));
        } else if (op == "answer") {
            if (w.size() != 2 || (w[1] != "yes" && w[1] != "no"))
                return fail("answer needs yes or no");
            c.op = ScriptOp::Answer;
            c.text = w[1];
        } else if (op == "shot" || op == "log" || op == "dump") {
            if (w.size() != 2) return fail(op + " needs one file name");
            c.op = op == "shot" ? ScriptOp::Shot : op == "log" ? ScriptOp::Log : ScriptOp::Dump;
            c.text = w[1];
        } else if (op == "select") {
            if (w.size() != 3 || !parse_int(w[2], c.x) || c.x < 0)
                return fail("select needs a list name and a row number");
            c.op = ScriptOp::Select;
            c.widget = w[1];
        } else if (op == "popup") {
            if (w.size() < 4 || !parse_int(w[1], c.type) || !parse_int(w[2], c.x) ||
                !parse_int(w[3], c.y)) {
                return fail("popup needs a type, X and Y (and a text if it shows one)");
            }
            c.op = ScriptOp::Popup;
            // The text is the rest of the line after Y, spaces included.
            size_t at = 0;
            for (int i = 0; i < 4; ++i) at = raw.find(w[i], at) + w[i].size();
            c.text = at < raw.size() ? raw.substr(at + 1) : std::string();
        } else if (op == "quit") {
            if (w.size() != 1) return fail("quit takes nothing");
            c.op = ScriptOp::Quit;
        } else {
            return fail("unknown command '" + op + "'");
        }
        commands.push_back(c);
    }
    return commands;
}

}  // namespace quill::frontend
