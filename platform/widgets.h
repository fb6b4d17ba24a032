// Plain models of the window's widgets. The game reads and writes these; the front end
// shows them as real widgets and routes the real events back to their handlers, so the
// game and its tests never need a widget toolkit.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/font.h"

namespace quill::platform {

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    MouseButton button = MouseButton::Left;
    int x = 0;  // in the widget's own coordinates
    int y = 0;
};

// The keys the game answers. Digit1..Digit9 follow each other.
enum class Key {
    Enter,
    F1,
    F10,
    Up,
    Down,
    Left,
    Right,
    Space,
    Escape,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Other
};

enum class WidgetKind { Label, Panel, ListBox, EditBox, Picture, Button };

struct Widget {
    explicit Widget(WidgetKind kind, std::string name) : kind(kind), name(std::move(name)) {}
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget() = default;

    void set_bounds(int l, int t, int w, int h) {
        left = l;
        top = t;
        width = w;
        height = h;
    }

    const WidgetKind kind;
    const std::string name;
    Widget* parent = nullptr;  // the panel it lies on; none for the window itself
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    // A click on it does something now: the window lights it under the pointer and shows
    // a hand there.
    bool hot = false;
    std::function<void(const MouseEvent&)> on_mouse_down;
    std::function<void(const MouseEvent&)> on_mouse_up;
    std::function<void(const MouseEvent&)> on_mouse_move;
};

struct Label : Widget {
    explicit Label(std::string name) : Widget(WidgetKind::Label, std::move(name)) {}
    std::string caption;
    Color color = Color::rgb(0x808080);  // background
    bool transparent = false;            // no background of its own
    Font font{FontFace::PGothic, points_to_pixels(11), true, colors::kWhite};
    bool word_wrap = false;
    bool centred = false;
};

struct Panel : Widget {
    explicit Panel(std::string name) : Widget(WidgetKind::Panel, std::move(name)) {}
    Color color = colors::kBlack;
};

struct ListBox : Widget {
    explicit ListBox(std::string name) : Widget(WidgetKind::ListBox, std::move(name)) {}
    std::vector<std::string> items;
    // The colour each row's text is drawn in (rows without one use the font's colour).
    std::vector<Color> item_colors;
    int item_index = -1;  // the selected row, -1 for none
    // When the rows change, the chosen row stays where it stood in the view (with none
    // chosen, the view stays still) instead of the list starting again at its top: for rows
    // that changed under the player's pointer, not for a new list.
    bool keep_view = false;
    int item_height = 16;
    Font font{FontFace::PGothic, points_to_pixels(10), false, colors::kWhite};
    Color color = colors::kBlack;
    std::function<void(Key)> on_key_down;
};

struct EditBox : Widget {
    explicit EditBox(std::string name) : Widget(WidgetKind::EditBox, std::move(name)) {}
    std::string text;
    int max_length = 0;       // in characters; 0 for no limit
    std::string placeholder;  // shown in grey while the box is empty
    bool masked = false;
    // The player changed the text (typing, pasting, an input method's commit); the handler
    // may change it back.
    std::function<void()> on_change;
    Font font{FontFace::PGothic, points_to_pixels(11), false, colors::kBlack};
};

struct Picture : Widget {
    explicit Picture(std::string name) : Widget(WidgetKind::Picture, std::move(name)) {}
    Bitmap picture;                // shown 1:1 at the widget's place
    bool opaque = false;           // covers its whole place (else what lies below shows through)
    bool transparent_key = false;  // the picture's lower-left colour is not drawn
};

// A push button: a click (press and release over it) runs on_click.
struct Button : Widget {
    explicit Button(std::string name) : Widget(WidgetKind::Button, std::move(name)) {}
    std::string caption;
    Font font{FontFace::PGothic, points_to_pixels(11), true, colors::kBlack};
    std::function<void()> on_click;
};

}  // namespace quill::platform
