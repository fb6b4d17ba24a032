// Quillmoor: the program entry.
#include <QApplication>

#include <QIcon>
#include <chrono>
#include <cstdlib>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "frontend/desktop_settings.h"
#include "frontend/help_dialog.h"
#include "frontend/input_recorder.h"
#include "frontend/main_window.h"
#include "frontend/network_wait.h"
#include "frontend/options.h"
#include "frontend/qt_dialogs.h"
#include "frontend/quit_signals.h"
#include "frontend/scaled_window.h"
#include "frontend/script.h"
#include "frontend/script_dialogs.h"
#include "frontend/settings.h"
#include "net/server_address.h"
#include "platform/file_io.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "view/help_pages.h"

int main(int argc, char** argv) {
    using namespace quill;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = frontend::parse_options(args, error);
    if (!options) {
        std::cerr << "quillmoor: " << error << '\n';
        return 2;
    }
    if (options->help) {
        std::cout << frontend::kUsage;
        return 0;
    }
    if (options->version) {
        std::cout << frontend::version_line() << '\n';
        return 0;
    }
    std::vector<frontend::ScriptCommand> script;
    if (options->script) {
        auto source = platform::read_file(*options->script, 1u << 20);
        if (!source) {
            std::cerr << "quillmoor: cannot read the script " << *options->script << '\n';
            return 2;
        }
        auto parsed = frontend::parse_script(*source, error);
        if (!parsed) {
            std::cerr << "quillmoor: " << error << '\n';
            return 2;
        }
        script = std::move(*parsed);
    }
    if (options->offscreen) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // The seed: the command line's, else the script's (a recording's), else one from the
    // clock; a recording notes it so that the run plays back the same.
    std::optional<uint64_t> seed = options->seed;
    if (!seed && !script.empty() && script.front().op == frontend::ScriptOp::Seed)
        seed = script.front().seed;
    if (!seed && options->record)
        seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    frontend::InputRecorder recorder;
    if (options->record && !recorder.open(*options->record, *seed)) {
        std::cerr << "quillmoor: cannot write the recording " << *options->record << '\n';
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Q.R."));

    auto game = std::make_unique<Game>();
    game->folders =
        options->folder ? platform::Folders(*options->folder) : platform::Folders::of_executable();
    // The desktop matches the window to its menu entry, and shows the game's icon: the
    // installed theme's, or for a game run from its folder the icons the build drew there.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmoor.Quillmoor"));
    QIcon icon = QIcon::fromTheme(QStringLiteral("quillmoor"));
    if (icon.isNull()) {
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const auto file = game->folders.program() / "icons" / "hicolor" /
                              (std::to_string(size) + "x" + std::to_string(size)) / "apps" /
                              "quillmoor.png";
            if (std::filesystem::exists(file)) icon.addFile(QString::fromStdString(file.string()));
        }
    }
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
    game->server_url = ServerAddress(options->server, game->folders);
    frontend::ScriptDialogs script_dialogs;
    frontend::QtDialogs window_dialogs;
    if (options->script) {
        game->dialogs = &script_dialogs;
    } else if (!options->offscreen) {
        game->dialogs = &window_dialogs;
    }
    frontend::RecordingDialogs recording_dialogs(*game->dialogs, recorder);
    if (recorder.recording()) game->dialogs = &recording_dialogs;
    // Answers at the head of a script are for questions asked while the game starts (the
    // offer to restore a damaged save), before the first tick runs the script.
    for (auto c = script.begin(); c != script.end();) {
        if (c->op == frontend::ScriptOp::Seed) {
            ++c;
        } else if (c->op == frontend::ScriptOp::Answer) {
            script_dialogs.prepare_answer(c->text == "yes");
            c = script.erase(c);
        } else {
            break;
        }
    }
    WireHandlers(*game);
    if (recorder.recording()) recorder.watch(game->form);
    FormCreate(*game, seed);

    // The desktop settings: the remembered ones, this run's command line over them.
    frontend::SettingsStore store(frontend::default_settings_file());
    frontend::Settings settings = store.settings();
    if (options->scale) settings.scale = *options->scale;
    if (options->fullscreen) settings.fullscreen = true;
    if (options->music_volume) settings.music_volume = *options->music_volume;
    if (options->effects_volume) settings.effects_volume = *options->effects_volume;
    if (options->mute) settings.mute = true;

    int code = 0;
    {
        frontend::MainWindow window(*game, options->turbo);
        frontend::ScaledWindow shown(&window);
        frontend::DesktopSettings desktop(store, settings, shown, game->audio);
        desktop.wait_for_dialog = !options->script;
        // The message speed: a script sets its own (message-speed), so that it plays the same
        // whatever the player's settings; a recording writes each speed it ran with.
        if (!options->script) {
            desktop.apply_message_speed = [&game, &recorder](int speed) {
                auto set = [&game, speed] { game->message_speed = speed; };
                if (recorder.recording()) {
                    recorder.input("message-speed " + std::to_string(speed), set);
                } else {
                    set();
                }
            };
        }
        // F11 is written into a recording (F2 only opens the settings, which the game never
        // sees).
        if (recorder.recording()) {
            shown.around_host_key = [&recorder](const std::string& key,
                                                const std::function<void()>& action) {
                if (key == "F11") {
                    recorder.input("key F11", action);
                } else {
                    action();
                }
            };
        }
        desktop.apply();
        window.set_host(&shown);
        // While an exchange waits: painted, input dropped, a close kept for after it.
        frontend::NetworkWait network_wait(shown, window);
        network_wait.ending = [] { return frontend::QuitSignals::requested(); };
        game->network_waiting = [&network_wait] { return network_wait.waiting(); };
        game->network_wait_over = [&network_wait] { network_wait.over(); };
        // SIGTERM, Ctrl+C and a closed terminal end the game as closing the window does.
        frontend::QuitSignals quit_signals;
        quit_signals.on_quit = [&shown] { frontend::close_when_free(&shown); };
        window_dialogs.set_parent(&shown);
        // The guide: a script never waits on a window, so it gets the pages printed.
        if (options->script) {
            game->open_help = [] {
                for (const HelpPage& page : HelpPages())
                    std::cout << "【" << page.title << "】\n" << page.body << std::endl;
            };
        } else if (!options->offscreen) {
            game->open_help = [&shown] {
                frontend::HelpDialog guide(&shown);
                guide.exec();
            };
        }
        if (recorder.recording()) window.set_recorder(&recorder);
        if (options->script) window.set_script(std::move(script), &script_dialogs);
        shown.show();
        if (store.damaged()) {
            game->dialogs->message(
                "設定ファイルが壊れていたので、読めなかった設定は初めの値で始めます。"
                "設定（F2）を変えると、新しいファイルに書き直します。");
        }
        window.start();
        if (!game->quit_requested) app.exec();
        code = window.exit_code();
        game->network_waiting = nullptr;
        game->network_wait_over = nullptr;
        game->open_help = nullptr;
        window_dialogs.set_parent(nullptr);  // a message after the window is gone stands alone
    }
    FormDestroy(*game);
    return code;
}
