// Quillmoor: the program entry.
#include <QApplication>

#include <cstdlib>
#include <iostream>

#include "frontend/main_window.h"
#include "frontend/options.h"
#include "frontend/qt_dialogs.h"
#include "frontend/script.h"
#include "frontend/script_dialogs.h"
#include "net/server_address.h"
#include "platform/file_io.h"
#include "shell/startup.h"
#include "shell/wiring.h"

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
        std::cout << frontend::kVersionLine << '\n';
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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Q.R."));

    auto game = std::make_unique<Game>();
    game->folders =
        options->folder ? platform::Folders(*options->folder) : platform::Folders::of_executable();
    game->server_url = ServerAddress(options->server, game->folders);
    frontend::ScriptDialogs script_dialogs;
    frontend::QtDialogs window_dialogs;
    if (options->script) {
        game->dialogs = &script_dialogs;
    } else if (!options->offscreen) {
        game->dialogs = &window_dialogs;
    }
    WireHandlers(*game);
    FormCreate(*game, options->seed);

    int code = 0;
    {
        frontend::MainWindow window(*game, options->turbo);
        window_dialogs.set_parent(&window);
        if (options->script) window.set_script(std::move(script), &script_dialogs);
        window.show();
        window.start();
        if (!game->quit_requested) app.exec();
        code = window.exit_code();
    }
    FormDestroy(*game);
    return code;
}
