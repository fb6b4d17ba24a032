#include "frontend/script_player.h"

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include <iostream>

#include "frontend/input_recorder.h"
#include "frontend/main_window.h"
#include "frontend/scaled_window.h"
#include "platform/file_io.h"
#include "state/state_dump.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill::frontend {

// A question the script did not prepare an answer for ends the run as a mistake.
bool ScriptPlayer::check_unanswered() {
    if (!playing_ || !script_dialogs_ || script_dialogs_->unanswered().empty()) return false;
    const int line = script_pos_ > 0 ? script_[script_pos_ - 1].line : 0;
    script_error(
        "script line " + std::to_string(line) +
        ": the game asked a question with no answer prepared: " + script_dialogs_->unanswered());
    return true;
}

ScriptPlayer::ScriptPlayer(MainWindow& window, Game& game, std::vector<ScriptCommand> commands,
                           ScriptDialogs* dialogs)
    : window_(window), game_(game), script_(std::move(commands)), script_dialogs_(dialogs) {}

void ScriptPlayer::script_error(const std::string& message) {
    std::cerr << "quillmoor: " << message << '\n';
    exit_code_ = 2;
    playing_ = false;
    window_.close();
}

bool ScriptPlayer::write_script_file(const ScriptCommand& c, const std::string& text) {
    if (platform::write_file_atomically(c.text, text)) return true;
    script_error("script line " + std::to_string(c.line) + ": cannot write " + c.text);
    return false;
}

// Clicks a row of a list box as the player would: pressed and released over the row.
bool ScriptPlayer::select_row(const ScriptCommand& c) {
    auto* list = qobject_cast<QListWidget*>(window_.view_named(c.widget));
    const std::string where = "script line " + std::to_string(c.line) + ": ";
    if (!list || !list->isVisible()) {
        script_error(where + "no visible list box " + c.widget);
        return false;
    }
    if (c.x >= list->count()) {
        script_error(where + c.widget + " has no row " + std::to_string(c.x) + " (it has " +
                     std::to_string(list->count()) + ")");
        return false;
    }
    QListWidgetItem* item = list->item(c.x);
    list->scrollToItem(item);
    const QPointF at = QRectF(list->visualItemRect(item)).center();
    QWidget* viewport = list->viewport();
    const QPointF global = viewport->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    return true;
}

// A dialog the script opened (F2's settings) and left open goes with the end of the run.
void ScriptPlayer::close_open_dialog() {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
}

// Runs commands until the next wait; false when the run is over.
bool ScriptPlayer::run() {
    while (wait_ticks_ == 0) {
        if (script_pos_ >= script_.size()) {
            playing_ = false;
            close_open_dialog();
            window_.close();
            return false;
        }
        const ScriptCommand& c = script_[script_pos_++];
        if (!run_command(c)) return false;
    }
    return true;
}

void ScriptPlayer::send_mouse(QEvent::Type type, Qt::MouseButton button, int x, int y) {
    QWidget* target = window_.cg_view_;
    QPointF local(x, y);
    // Through the window's own mapping when the board is shown enlarged: the window pixel
    // of the point, taken back to the board.
    if (window_.host_) {
        if (auto back = window_.host_->to_board(window_.host_->from_board(QPoint(x, y))))
            local = QPointF(*back);
    }
    const QPointF global = target->mapToGlobal(local);
    Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// A key pressed and let go where the keyboard's focus is: the open dialog's when one is
// open (F2's settings), else the window's.
void ScriptPlayer::send_key(const std::string& name, bool down, bool up) {
    const int key = key_code_named(name);
    QString text;
    if (key == Qt::Key_Space) text = QStringLiteral(" ");
    if (key >= Qt::Key_0 && key <= Qt::Key_9) text = QChar(key);
    if (key == Qt::Key_Return) text = QStringLiteral("\r");
    if (key == Qt::Key_Escape) text = QChar(0x1B);
    QWidget* target = QApplication::activeModalWidget();
    if (target) {
        if (QWidget* inside = target->focusWidget()) target = inside;
    } else {
        target = window_.key_receiver();
    }
    if (down) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }
    if (up) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }
}

namespace {

// Hands an event to a widget as the desktop's own input arrives (sendEvent would mark it as
// the program's, and Qt gives the focus by a click only for the desktop's).
void deliver_as_from_desktop(QWidget* receiver, QEvent* event) {
    QSpontaneKeyEvent::setSpontaneous(event);
    QCoreApplication::instance()->notify(receiver, event);
}

}  // namespace

// Types into an edit box the way a player does: a click in the box (through the enlarged
// window, as the desktop's click arrives), select-all, then the text as key presses and, for
// what a keyboard has no key for, as an input method's commit. A box that does not take the
// keys from the click is a failure of the run, as it would stop a player.
bool ScriptPlayer::type_into(const ScriptCommand& c) {
    auto* edit = dynamic_cast<QLineEdit*>(window_.view_named(c.widget));
    const std::string where = "script line " + std::to_string(c.line) + ": ";
    if (!edit || !edit->isVisible()) {
        script_error(where + "no visible edit box " + c.widget);
        return false;
    }
    // A player's window has the keys when they click in it (the desktop gives them).
    QWidget* top = window_.host_ ? static_cast<QWidget*>(window_.host_) : &window_;
    if (!top->isActiveWindow()) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        QApplication::setActiveWindow(top);
#else
        top->activateWindow();
#endif
    }
    const QPoint centre = edit->mapTo(&window_, edit->rect().center());
    QWidget* surface = window_.host_ ? window_.host_->mouse_surface() : edit;
    const QPointF at =
        window_.host_ ? QPointF(window_.host_->from_board(centre) - window_.host_->board_origin())
                      : QPointF(edit->rect().center());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, surface->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        deliver_as_from_desktop(surface, &e);
    }
    if (window_.key_receiver() != edit) {
        script_error(where + "the edit box " + c.widget + " did not take the keys from a click");
        return false;
    }
    // The keys go where the desktop sends them: the widget with the desktop's focus.
    QWidget* keys = QApplication::focusWidget();
    if (!keys ||
        (keys->window() != &window_ && (!window_.host_ || keys->window() != window_.host_))) {
        keys = window_.host_ ? window_.host_->focusProxy() : edit;
    }
    auto press = [keys](int key, Qt::KeyboardModifiers mods, const QString& text) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(type, key, mods, text);
            deliver_as_from_desktop(keys, &e);
        }
    };
    press(Qt::Key_A, Qt::ControlModifier, QString());
    press(Qt::Key_Delete, Qt::NoModifier, QString());
    const QString text = QString::fromStdString(c.text);
    QString composed;
    auto commit = [&] {
        if (composed.isEmpty()) return;
        QInputMethodEvent e;
        e.setCommitString(composed);
        deliver_as_from_desktop(keys, &e);
        composed.clear();
    };
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F) {
            commit();
            const int key = ch.isLetter() ? ch.toUpper().unicode() : ch.unicode();
            press(key, ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(ch));
        } else {
            composed += ch;
        }
    }
    commit();
    return true;
}

bool ScriptPlayer::run_command(const ScriptCommand& c) {
    switch (c.op) {
        case ScriptOp::Wait:
            wait_ticks_ = c.x;
            return true;
        case ScriptOp::Click:
            send_mouse(QEvent::MouseButtonPress, Qt::LeftButton, c.x, c.y);
            break;
        case ScriptOp::RightClick:
            send_mouse(QEvent::MouseButtonPress, Qt::RightButton, c.x, c.y);
            send_mouse(QEvent::MouseButtonRelease, Qt::RightButton, c.x, c.y);
            break;
        case ScriptOp::MiddleClick:
            send_mouse(QEvent::MouseButtonPress, Qt::MiddleButton, c.x, c.y);
            send_mouse(QEvent::MouseButtonRelease, Qt::MiddleButton, c.x, c.y);
            break;
        case ScriptOp::Seed:  // taken before the game started
            break;
        case ScriptOp::MessageSpeed: {
            const auto set = [this, speed = c.x] { game_.message_speed = speed; };
            if (window_.recorder_) {
                window_.recorder_->input("message-speed " + std::to_string(c.x), set);
            } else {
                set();
            }
            break;
        }
        case ScriptOp::Release:
            send_mouse(QEvent::MouseButtonRelease, Qt::LeftButton, game_.pointer_x,
                       game_.pointer_y);
            break;
        case ScriptOp::Move:
            send_mouse(QEvent::MouseMove, Qt::NoButton, c.x, c.y);
            break;
        case ScriptOp::Key:
            send_key(c.text, true, true);
            break;
        case ScriptOp::KeyDown:
            send_key(c.text, true, false);
            break;
        case ScriptOp::KeyUp:
            send_key(c.text, false, true);
            break;
        case ScriptOp::Press: {
            QWidget* view = window_.view_named(c.widget);
            if (!view || !view->isVisible()) {
                script_error("script line " + std::to_string(c.line) + ": no visible widget " +
                             c.widget);
                return false;
            }
            const QPointF centre(view->width() / 2.0, view->height() / 2.0);
            const QPointF global = view->mapToGlobal(centre);
            QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view, &release);
            break;
        }
        case ScriptOp::Type:
            if (!type_into(c)) return false;
            break;
        case ScriptOp::Answer:
            if (script_dialogs_) script_dialogs_->prepare_answer(c.text == "yes");
            break;
        case ScriptOp::Shot: {
            window_.sync();
            // The window as the player sees it, enlarged when it is.
            const QImage shot = window_.host_ ? window_.host_->shot() : window_.grab().toImage();
            if (!shot.save(QString::fromStdString(c.text), "PNG")) {
                script_error("script line " + std::to_string(c.line) + ": cannot write " + c.text);
                return false;
            }
            break;
        }
        case ScriptOp::Log: {
            std::string text;
            for (const std::string& line : LogLines(game_)) text += line + "\n";
            if (!write_script_file(c, text)) return false;
            break;
        }
        case ScriptOp::Dump:
            if (!write_script_file(c, StateDump(game_))) return false;
            break;
        case ScriptOp::Select:
            if (!select_row(c)) return false;
            break;
        case ScriptOp::Popup:
            AddPopup(game_, c.x, c.y, c.text, c.type);
            break;
        case ScriptOp::Quit:
            playing_ = false;
            close_open_dialog();
            window_.close();
            return false;
    }
    if (check_unanswered()) return false;
    if (!window_.isVisible()) {  // the game closed the window
        playing_ = false;
        return false;
    }
    return true;
}

}  // namespace quill::frontend
