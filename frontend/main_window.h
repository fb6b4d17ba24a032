// The game's one window: shows the widget models of the Form as real Qt widgets, routes
// their events to the game's handlers and runs the game tick (and a script's commands
// between ticks, see script_player.h).
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/script.h"
#include "frontend/script_dialogs.h"
#include "platform/widgets.h"
#include "state/game.h"

namespace quill::frontend {

class InputRecorder;
class ListView;
class ScaledWindow;
class ScriptPlayer;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    MainWindow(Game& game, bool turbo);
    ~MainWindow() override;

    // Plays the script's commands between ticks; the program ends with the script. The
    // script's answers go to `dialogs`, which the game must be using.
    void set_script(std::vector<ScriptCommand> commands, ScriptDialogs* dialogs);
    // Exit code for a script that failed (0 while all is well).
    int exit_code() const;

    // The window the board is shown in, enlarged: scripts take their shots of it and put
    // their clicks through its mapping.
    void set_host(ScaledWindow* host) { host_ = host; }
    // Records the run's inputs and ticks.
    void set_recorder(InputRecorder* recorder) { recorder_ = recorder; }

    // Copies every widget model to its widget.
    void sync();
    // Starts the tick.
    void start();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Binding;
    void create_views();
    void on_tick();
    void after_event();
    QWidget* view_named(const std::string& name) const;

    Game& game_;
    bool turbo_;
    QTimer timer_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    QWidget* cg_view_ = nullptr;
    // The script being played, when the run has one: it drives the window's own views, as
    // a player's mouse and keys do.
    std::unique_ptr<ScriptPlayer> script_;
    friend class ScriptPlayer;
    ScaledWindow* host_ = nullptr;
    InputRecorder* recorder_ = nullptr;
    const QKeyEvent* last_key_ = nullptr;  // the last key press handed to the game
    quint64 last_key_time_ = 0;
    // The widget that has the keys: the focused one, also while the board is shown inside
    // the scaled window (which holds the desktop's focus itself).
    QWidget* key_receiver() const;
    // Space let go of (after the desktop's repeats, see the key filter).
    void let_go_of_space();
    QTimer space_release_;
    ListView* open_list() const;
};

}  // namespace quill::frontend
