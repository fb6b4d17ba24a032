// The game's one window: shows the widget models of the Form as real Qt widgets, routes
// their events to the game's handlers and runs the game tick.
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

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    MainWindow(Game& game, bool turbo);
    ~MainWindow() override;

    // Plays the script's commands between ticks; the program ends with the script. The
    // script's answers go to `dialogs`, which the game must be using.
    void set_script(std::vector<ScriptCommand> commands, ScriptDialogs* dialogs);
    // Exit code for a script that failed (0 while all is well).
    int exit_code() const { return exit_code_; }

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
    bool run_script();
    void close_open_dialog();
    bool run_command(const ScriptCommand& c);
    void send_mouse(QEvent::Type type, Qt::MouseButton button, int x, int y);
    void send_key(const std::string& name, bool down, bool up);
    QWidget* view_named(const std::string& name) const;
    void script_error(const std::string& message);
    bool write_script_file(const ScriptCommand& c, const std::string& text);
    bool select_row(const ScriptCommand& c);
    bool type_into(const ScriptCommand& c);

    Game& game_;
    bool turbo_;
    QTimer timer_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    QWidget* cg_view_ = nullptr;
    std::vector<ScriptCommand> script_;
    size_t script_pos_ = 0;
    bool scripted_ = false;
    ScriptDialogs* script_dialogs_ = nullptr;
    bool check_unanswered();
    int wait_ticks_ = 0;
    int exit_code_ = 0;
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
