#include "frontend/main_window.h"
#include "view/popups.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest/qtestspontaneevent.h>

#include <cstdio>
#include <iostream>

#include "audio/sound.h"
#include "frontend/input_recorder.h"
#include "frontend/scaled_window.h"
#include "frontend/widget_views.h"
#include "platform/file_io.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "state/state_dump.h"
#include "view/message_log.h"

namespace quill::frontend {

struct MainWindow::Binding {
    platform::Widget* model = nullptr;
    QWidget* view = nullptr;
    QRect shown_geometry;
    bool shown_visible = true;
};

MainWindow::MainWindow(Game& game, bool turbo) : QWidget(nullptr), game_(game), turbo_(turbo) {
    setWindowTitle(QStringLiteral("Quillmoor ver%1").arg(kProgramVersion));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kBoardWidth, kBoardHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(15);
    font.setBold(true);
    setFont(font);

    create_views();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kBoardWidth / 2, kBoardHeight / 2));
    }
    qApp->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, &MainWindow::on_tick);
    // Long enough for the desktop's repeated press to follow its release (they come together),
    // short enough that a let-go Space stops the battle within a tick.
    space_release_.setSingleShot(true);
    space_release_.setInterval(60);
    connect(&space_release_, &QTimer::timeout, this, &MainWindow::let_go_of_space);
    // During a network exchange the game's thread waits for the server: the window is
    // painted as it stands, without running anything else (no events, no ticks).
    game_.repaint_window = [this] {
        sync();
        if (host_ && host_->isVisible()) {
            host_->repaint_now();
        } else if (isVisible()) {
            repaint();
        }
    };
    sync();
}

MainWindow::~MainWindow() {
    game_.repaint_window = nullptr;
    qApp->removeEventFilter(this);
}

void MainWindow::create_views() {
    std::vector<std::pair<platform::Widget*, QWidget*>> made;
    auto view_of = [&](platform::Widget* model) -> QWidget* {
        for (auto& [m, v] : made) {
            if (m == model) return v;
        }
        return this;
    };
    AfterEvent after = [this] { after_event(); };
    for (platform::Widget* w : game_.form.all()) {
        QWidget* parent = w->parent ? view_of(w->parent) : this;
        QWidget* view = nullptr;
        switch (w->kind) {
            case platform::WidgetKind::Picture:
                view = new PictureView(static_cast<platform::Picture&>(*w), after, parent);
                break;
            case platform::WidgetKind::Label:
                view = new LabelView(static_cast<platform::Label&>(*w), after, parent);
                break;
            case platform::WidgetKind::Panel:
                view = new PanelView(static_cast<platform::Panel&>(*w), after, parent);
                break;
            case platform::WidgetKind::ListBox:
                view = new ListView(static_cast<platform::ListBox&>(*w), after, parent);
                break;
            case platform::WidgetKind::EditBox:
                view = new EditView(static_cast<platform::EditBox&>(*w), after, parent);
                break;
            case platform::WidgetKind::Button:
                view = new ButtonView(static_cast<platform::Button&>(*w), after, parent);
                break;
        }
        view->setObjectName(QString::fromStdString(w->name));
        made.emplace_back(w, view);
        auto b = std::make_unique<Binding>();
        b->model = w;
        b->view = view;
        b->shown_visible = !w->visible;  // forces the first sync
        bindings_.push_back(std::move(b));
        if (w == &game_.form.cg) cg_view_ = view;
    }
}

void MainWindow::sync() {
    for (auto& b : bindings_) {
        platform::Widget& m = *b->model;
        const QRect geometry(m.left, m.top, m.width, m.height);
        if (geometry != b->shown_geometry) {
            b->view->setGeometry(geometry);
            b->shown_geometry = geometry;
        }
        if (m.visible != b->shown_visible) {
            b->view->setVisible(m.visible);
            b->shown_visible = m.visible;
            // A box or list that goes away gives the keys back to the window: they must not
            // stay in a hidden name box (Space, the digits and the arrows would type there).
            QWidget* focus = QApplication::focusWidget();
            if (!m.visible && focus && (focus == b->view || b->view->isAncestorOf(focus))) {
                setFocus(Qt::OtherFocusReason);
            }
        }
        if (!m.visible) continue;
        switch (m.kind) {
            case platform::WidgetKind::Picture:
                static_cast<PictureView*>(b->view)->sync();
                break;
            case platform::WidgetKind::Label:
                static_cast<LabelView*>(b->view)->sync();
                break;
            case platform::WidgetKind::Panel:
                static_cast<PanelView*>(b->view)->sync();
                break;
            case platform::WidgetKind::ListBox:
                static_cast<ListView*>(b->view)->sync();
                break;
            case platform::WidgetKind::EditBox:
                static_cast<EditView*>(b->view)->sync();
                break;
            case platform::WidgetKind::Button:
                static_cast<ButtonView*>(b->view)->sync();
                break;
        }
    }
}

void MainWindow::start() {
    timer_.start(turbo_ ? 0 : game_.timer_interval);
}

void MainWindow::after_event() {
    sync();
    if (check_unanswered()) return;
    if (game_.quit_requested) close();
}

// A question the script did not prepare an answer for ends the run as a mistake.
bool MainWindow::check_unanswered() {
    if (!scripted_ || !script_dialogs_ || script_dialogs_->unanswered().empty()) return false;
    const int line = script_pos_ > 0 ? script_[script_pos_ - 1].line : 0;
    script_error(
        "script line " + std::to_string(line) +
        ": the game asked a question with no answer prepared: " + script_dialogs_->unanswered());
    return true;
}

void MainWindow::on_tick() {
    // The game stands still while a message box waits for its answer: the box was opened
    // in the middle of a handler, which goes on only when the box is closed. A script goes
    // on meanwhile (its message boxes never open; what it opened is the settings, F2, which
    // its own keys close).
    if (QApplication::activeModalWidget()) {
        if (scripted_) {
            if (wait_ticks_ > 0) --wait_ticks_;
            run_script();
        }
        return;
    }
    // Nor does it move while an exchange waits for the server (the window is painted then).
    if (game_.net_busy) return;
    if (scripted_ && !run_script()) return;
    Timer1Timer(game_);
    if (recorder_) recorder_->tick();
    DeliverMusicNotices(game_);
    if (wait_ticks_ > 0) --wait_ticks_;
    if (!turbo_ && timer_.interval() != game_.timer_interval)
        timer_.setInterval(game_.timer_interval);
    after_event();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    timer_.stop();
    FormClose(game_);
    if (recorder_) recorder_->finish();
    event->accept();
}

namespace {

// The game's own name for a desktop key (Other for a key the game does not answer).
platform::Key game_key(int code) {
    using platform::Key;
    switch (code) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_F1:
            return Key::F1;
        case Qt::Key_F10:
            return Key::F10;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Escape:
            return Key::Escape;
        default:
            break;
    }
    if (code >= Qt::Key_1 && code <= Qt::Key_9)
        return static_cast<Key>(static_cast<int>(Key::Digit1) + (code - Qt::Key_1));
    return Key::Other;
}

bool moves_in_a_list(int code) {
    return code == Qt::Key_Up || code == Qt::Key_Down || code == Qt::Key_PageUp ||
           code == Qt::Key_PageDown || code == Qt::Key_Home || code == Qt::Key_End;
}

}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType()) return false;
    // An open message box or question takes its keys alone: the Enter that answers it must
    // not also leave the credit picture behind it.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
    if (static_cast<QWidget*>(watched)->window() != this) return false;
    // Every key press reaches the game once, before the widget that has the focus.
    if (watched != key_receiver()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const platform::Key k = game_key(key->key());
    // A key held down is one press held (as the mouse button is): its repeats are not new
    // presses, only the list keys move on while held.
    if (key->isAutoRepeat() && !moves_in_a_list(key->key())) return false;
    // A box being typed in keeps its keys (a space or a digit is part of the name); a list
    // moves its own choice.
    const bool typing = qobject_cast<QLineEdit*>(key_receiver()) != nullptr;
    const bool in_list = qobject_cast<QListWidget*>(key_receiver()) != nullptr;
    if (typing && k != platform::Key::Escape && k != platform::Key::Enter) return false;
    if (!press) {
        if (k != platform::Key::Space) return false;
        // The desktop's key repeat lets go of a held key and presses it again many times a
        // second, not always marked as a repeat: a release of the desktop's counts only when
        // no press follows it at once.
        if (key->timestamp() != 0) {
            space_release_.start();
        } else {
            let_go_of_space();
        }
        return false;
    }
    if (k == platform::Key::Space && space_release_.isActive()) {
        space_release_.stop();  // the key was held all along
        return false;
    }
    // A key press of the desktop's that comes round again (an exchange ran inside its
    // handler, and the press goes on to the board afterwards) is the same press: once only.
    if (key->timestamp() != 0 && key == last_key_ && key->timestamp() == last_key_time_)
        return false;
    last_key_ = key;
    last_key_time_ = key->timestamp();
    // The arrows (and the page keys) move in the open list, wherever the keys are.
    if (moves_in_a_list(key->key()) && !in_list) {
        if (ListView* list = open_list()) {
            list->setFocus(Qt::OtherFocusReason);
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text(),
                           key->isAutoRepeat());
            QApplication::sendEvent(list, &copy);
            after_event();
            return true;
        }
    }
    const std::string name = name_of_key_code(key->key());
    if (recorder_ && k == platform::Key::Space) {
        recorder_->key_down(name, [&] { FormKeyDown(game_, k); });
    } else if (recorder_ && k != platform::Key::Other && !name.empty()) {
        recorder_->input("key " + name, [&] { FormKeyDown(game_, k); });
    } else {
        FormKeyDown(game_, k);
    }
    after_event();
    return false;
}

// The list of the panel on top that the player can move in now, if any.
ListView* MainWindow::open_list() const {
    for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it) {
        auto* list = dynamic_cast<ListView*>((*it)->view);
        if (list && list->isVisible() && list->isEnabled() && list->count() > 0) return list;
    }
    return nullptr;
}

void MainWindow::let_go_of_space() {
    if (recorder_) {
        recorder_->key_up("Space", [this] { FormKeyUp(game_, platform::Key::Space); });
    } else {
        FormKeyUp(game_, platform::Key::Space);
    }
    after_event();
}

QWidget* MainWindow::key_receiver() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this && focus->isVisible()) return focus;
    focus = focusWidget();
    return focus && focus->isVisible() ? focus : const_cast<MainWindow*>(this);
}

// ---- scripts ----

void MainWindow::set_script(std::vector<ScriptCommand> commands, ScriptDialogs* dialogs) {
    script_dialogs_ = dialogs;
    script_ = std::move(commands);
    script_pos_ = 0;
    scripted_ = true;
}

void MainWindow::script_error(const std::string& message) {
    std::cerr << "quillmoor: " << message << '\n';
    exit_code_ = 2;
    scripted_ = false;
    close();
}

bool MainWindow::write_script_file(const ScriptCommand& c, const std::string& text) {
    if (platform::write_file_atomically(c.text, text)) return true;
    script_error("script line " + std::to_string(c.line) + ": cannot write " + c.text);
    return false;
}

// Clicks a row of a list box as the player would: pressed and released over the row.
bool MainWindow::select_row(const ScriptCommand& c) {
    auto* list = qobject_cast<QListWidget*>(view_named(c.widget));
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
void MainWindow::close_open_dialog() {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
}

// Runs commands until the next wait; false when the run is over.
bool MainWindow::run_script() {
    while (wait_ticks_ == 0) {
        if (script_pos_ >= script_.size()) {
            scripted_ = false;
            close_open_dialog();
            close();
            return false;
        }
        const ScriptCommand& c = script_[script_pos_++];
        if (!run_command(c)) return false;
    }
    return true;
}

void MainWindow::send_mouse(QEvent::Type type, Qt::MouseButton button, int x, int y) {
    QWidget* target = cg_view_;
    QPointF local(x, y);
    // Through the window's own mapping when the board is shown enlarged: the window pixel
    // of the point, taken back to the board.
    if (host_) {
        if (auto back = host_->to_board(host_->from_board(QPoint(x, y)))) local = QPointF(*back);
    }
    const QPointF global = target->mapToGlobal(local);
    Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

QWidget* MainWindow::view_named(const std::string& name) const {
    for (const auto& b : bindings_) {
        if (b->model->name == name) return b->view;
    }
    return nullptr;
}

// A key pressed and let go where the keyboard's focus is: the open dialog's when one is
// open (F2's settings), else the window's.
void MainWindow::send_key(const std::string& name, bool down, bool up) {
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
        target = key_receiver();
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
bool MainWindow::type_into(const ScriptCommand& c) {
    auto* edit = dynamic_cast<QLineEdit*>(view_named(c.widget));
    const std::string where = "script line " + std::to_string(c.line) + ": ";
    if (!edit || !edit->isVisible()) {
        script_error(where + "no visible edit box " + c.widget);
        return false;
    }
    // A player's window has the keys when they click in it (the desktop gives them).
    QWidget* top = host_ ? static_cast<QWidget*>(host_) : this;
    if (!top->isActiveWindow()) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        QApplication::setActiveWindow(top);
#else
        top->activateWindow();
#endif
    }
    const QPoint centre = edit->mapTo(this, edit->rect().center());
    QWidget* surface = host_ ? host_->mouse_surface() : edit;
    const QPointF at = host_ ? QPointF(host_->from_board(centre) - host_->board_origin())
                             : QPointF(edit->rect().center());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, surface->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        deliver_as_from_desktop(surface, &e);
    }
    if (key_receiver() != edit) {
        script_error(where + "the edit box " + c.widget + " did not take the keys from a click");
        return false;
    }
    // The keys go where the desktop sends them: the widget with the desktop's focus.
    QWidget* keys = QApplication::focusWidget();
    if (!keys || (keys->window() != this && (!host_ || keys->window() != host_))) {
        keys = host_ ? host_->focusProxy() : edit;
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

bool MainWindow::run_command(const ScriptCommand& c) {
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
            if (recorder_) {
                recorder_->input("message-speed " + std::to_string(c.x), set);
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
            QWidget* view = view_named(c.widget);
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
            sync();
            // The window as the player sees it, enlarged when it is.
            const QImage shot = host_ ? host_->shot() : grab().toImage();
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
            scripted_ = false;
            close_open_dialog();
            close();
            return false;
    }
    if (check_unanswered()) return false;
    if (!isVisible()) {  // the game closed the window
        scripted_ = false;
        return false;
    }
    return true;
}

}  // namespace quill::frontend
