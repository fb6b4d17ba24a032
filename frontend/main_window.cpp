#include "frontend/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <cstdio>
#include <iostream>

#include "audio/sound.h"
#include "frontend/input_recorder.h"
#include "frontend/scaled_window.h"
#include "frontend/script_player.h"
#include "frontend/widget_views.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/tick.h"

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
    if (script_ && script_->check_unanswered()) return;
    if (game_.quit_requested) close();
}

void MainWindow::on_tick() {
    // The game stands still while a message box waits for its answer: the box was opened
    // in the middle of a handler, which goes on only when the box is closed. A script goes
    // on meanwhile (its message boxes never open; what it opened is the settings, F2, which
    // its own keys close).
    if (QApplication::activeModalWidget()) {
        if (script_ && script_->playing()) {
            script_->tick();
            script_->run();
        }
        return;
    }
    // Nor does it move while an exchange waits for the server (the window is painted then).
    if (game_.net_busy) return;
    if (script_ && script_->playing() && !script_->run()) return;
    Timer1Timer(game_);
    if (recorder_) recorder_->tick();
    DeliverMusicNotices(game_);
    if (script_) script_->tick();
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

QWidget* MainWindow::view_named(const std::string& name) const {
    for (const auto& b : bindings_) {
        if (b->model->name == name) return b->view;
    }
    return nullptr;
}

void MainWindow::set_script(std::vector<ScriptCommand> commands, ScriptDialogs* dialogs) {
    script_ = std::make_unique<ScriptPlayer>(*this, game_, std::move(commands), dialogs);
}

int MainWindow::exit_code() const {
    return script_ ? script_->exit_code() : 0;
}

}  // namespace quill::frontend
