#include "frontend/input_recorder.h"

#include <memory>

#include "state/form.h"
#include "state/net_records.h"

namespace quill::frontend {

bool InputRecorder::open(const std::filesystem::path& file, uint64_t seed) {
    out_.open(file, std::ios::binary | std::ios::trunc);
    if (!out_) return false;
    out_ << "# Quillmoor ver" << kProgramVersion << ", a recorded run. Play it back with\n"
         << "#   quillmoor --script " << file.filename().string() << "\n"
         << "# in a program folder holding the same dat/ files as when it was recorded.\n";
    write("seed " + std::to_string(seed));
    return true;
}

void InputRecorder::write(const std::string& line) {
    if (!out_.is_open() || finished_) return;
    if (!held_key_.empty()) {  // a key still down when something else happens
        const std::string key = held_key_;
        held_key_.clear();
        write("keydown " + key);
    }
    if (ticks_ > written_ticks_) {
        out_ << "wait " << (ticks_ - written_ticks_) << '\n';
        written_ticks_ = ticks_;
    }
    if (line.empty()) return;
    out_ << line << '\n';
    out_.flush();  // a run that crashes keeps what led to the crash
}

// The pointer only matters where the game reads it: before an input and before a tick.
void InputRecorder::flush_pointer() {
    if (!moved_to_) return;
    const auto at = *moved_to_;
    moved_to_.reset();
    if (pointer_ == at) return;
    pointer_ = at;
    write("move " + std::to_string(at.first) + " " + std::to_string(at.second));
}

void InputRecorder::input(const std::string& line, const std::function<void()>& handler) {
    if (depth_ == 0) flush_pointer();  // the pointer was there before the input
    ++depth_;
    const size_t before = answers_.size();
    handler();
    --depth_;
    if (depth_ > 0) return;  // an input inside an input is part of it
    std::vector<std::string> answers(answers_.begin() + before, answers_.end());
    answers_.resize(before);
    for (const auto& a : answers) write(a);
    write(line);
}

void InputRecorder::answer(bool yes) {
    const std::string line = yes ? "answer yes" : "answer no";
    // A question asked by an input's handler is answered before that input in the script,
    // which prepares its answers ahead.
    if (depth_ > 0) {
        answers_.push_back(line);
    } else {
        flush_pointer();
        write(line);
    }
}

void InputRecorder::key_down(const std::string& name, const std::function<void()>& handler) {
    input("", handler);  // the pointer and the answers before it, and the press itself
    held_key_ = name;
}

void InputRecorder::key_up(const std::string& name, const std::function<void()>& handler) {
    if (held_key_ == name) {  // let go in the tick it was pressed: one line
        held_key_.clear();
        input("key " + name, handler);
    } else {
        input("keyup " + name, handler);
    }
}

void InputRecorder::tick() {
    flush_pointer();
    if (!held_key_.empty()) write("");  // the press goes down before the tick it is held over
    ++ticks_;
}

void InputRecorder::finish() {
    if (finished_ || !out_.is_open()) return;
    flush_pointer();
    write("quit");
    finished_ = true;
    out_.close();
}

void InputRecorder::watch(Form& form) {
    auto around = [this](const std::string& line, const std::function<void()>& handler) {
        input(line, handler);
    };
    for (platform::Widget* w : form.all()) {
        const std::string name = w->name;
        if (w == &form.cg) {
            if (auto down = w->on_mouse_down) {
                w->on_mouse_down = [this, down, around](const platform::MouseEvent& e) {
                    const std::string at = std::to_string(e.x) + " " + std::to_string(e.y);
                    const char* op = e.button == platform::MouseButton::Right    ? "rclick "
                                     : e.button == platform::MouseButton::Middle ? "mclick "
                                                                                 : "click ";
                    around(op + at, [&] { down(e); });
                    pointer_.reset();  // a click may have put the pointer where it was
                };
            }
            if (auto up = w->on_mouse_up) {
                w->on_mouse_up = [this, up, around](const platform::MouseEvent& e) {
                    // Only the left button's release does anything; the others are part of
                    // their click in the script.
                    if (e.button != platform::MouseButton::Left) {
                        up(e);
                        return;
                    }
                    around("release", [&] { up(e); });
                };
            }
            if (auto move = w->on_mouse_move) {
                w->on_mouse_move = [this, move](const platform::MouseEvent& e) {
                    moved_to_ = std::make_pair(e.x, e.y);
                    move(e);
                };
            }
            continue;
        }
        if (w->kind == platform::WidgetKind::ListBox) {
            auto* list = static_cast<platform::ListBox*>(w);
            auto chosen = [list, around](const auto& handler) {
                if (list->item_index < 0) {  // below the rows: nothing chosen
                    handler();
                    return;
                }
                around("select " + list->name + " " + std::to_string(list->item_index), handler);
            };
            // A click is one "select" (press and release on the row); a release on another
            // row than the press, or a key that moves the choice, is one more.
            auto pressed_row = std::make_shared<int>(-1);
            if (auto down = w->on_mouse_down) {
                w->on_mouse_down = [down, chosen, list,
                                    pressed_row](const platform::MouseEvent& e) {
                    *pressed_row = list->item_index;
                    chosen([&] { down(e); });
                };
            }
            if (auto up = w->on_mouse_up) {
                w->on_mouse_up = [up, chosen, list, pressed_row](const platform::MouseEvent& e) {
                    if (list->item_index == *pressed_row) {
                        up(e);
                        return;
                    }
                    chosen([&] { up(e); });
                };
            }
            if (auto key = list->on_key_down) {
                list->on_key_down = [key, chosen](platform::Key k) { chosen([&] { key(k); }); };
            }
            continue;
        }
        if (w->kind == platform::WidgetKind::EditBox) {
            auto* edit = static_cast<platform::EditBox*>(w);
            if (auto change = edit->on_change) {
                edit->on_change = [change, edit, around] {
                    around("type " + edit->name + " " + edit->text, change);
                };
            }
            continue;
        }
        if (w->kind == platform::WidgetKind::Button) {
            auto* button = static_cast<platform::Button*>(w);
            if (auto click = button->on_click) {
                button->on_click = [click, name, around] { around("press " + name, click); };
            }
            continue;
        }
        // Labels, pictures and panels act on a press alone; their moves only light buttons.
        if (auto down = w->on_mouse_down) {
            w->on_mouse_down = [down, name, around](const platform::MouseEvent& e) {
                around("press " + name, [&] { down(e); });
            };
        }
    }
}

bool RecordingDialogs::ask_yes_no(const std::string& text) {
    const bool yes = inner_.ask_yes_no(text);
    recorder_.answer(yes);
    return yes;
}

}  // namespace quill::frontend
