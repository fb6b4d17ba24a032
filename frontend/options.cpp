#include "frontend/options.h"

#include <charconv>

#include "net/server_address.h"
#include "state/net_records.h"

namespace quill::frontend {

std::string version_line() {
    return "Quillmoor ver" + std::to_string(kProgramVersion);
}

const char* const kUsage =
    "Usage: quillmoor [options]\n"
    "\n"
    "  --help           show this help and exit\n"
    "  --version        print the version and exit\n"
    "  --offscreen      run without a screen (for scripts and tests)\n"
    "  --seed N         fix the random numbers (for tests and replays)\n"
    "  --turbo          run the ticks back to back, as fast as the machine can\n"
    "  --script FILE    play the inputs written in FILE, one command a line:\n"
    "                   wait N, click X Y, rclick X Y, release, move X Y, key NAME,\n"
    "                   keydown NAME, keyup NAME, message-speed N,\n"
    "                   press WIDGET, type WIDGET TEXT, select LIST ROW, answer yes|no,\n"
    "                   shot FILE.png, log FILE, dump FILE, popup TYPE X Y [TEXT], quit\n"
    "  --folder DIR     use DIR as the program folder (cg/, dat/ and the record)\n"
    "  --server URL     the ranking server (else dat/server.txt's first line, else\n"
    "                   http://127.0.0.1:8229)\n"
    "  --scale N        show the 640x480 picture N times as large (1 to 4)\n"
    "  --fullscreen     play full screen (F11 switches while playing)\n"
    "  --music-volume N, --effects-volume N\n"
    "                   volumes from 0 to 100\n"
    "  --mute           no sound\n"
    "                   (these five are for this run; F2 changes them for good)\n"
    "  --record FILE    write the seed and every input of this run to FILE as a script\n"
    "                   that --script plays back\n"
    "\n"
    "Where the files are: run from its own folder (the build folder, or --folder DIR) the\n"
    "game reads cg/ and dat/ there and keeps its saves in dat/ and 記録.txt beside the\n"
    "program. Installed (PREFIX/bin/quillmoor with PREFIX/share/quillmoor/), it only reads\n"
    "from the prefix and keeps my.dat, kousin.dat, the backups, 記録.txt, server.txt and\n"
    "its own name.dat in $XDG_DATA_HOME/Quillmoor/ (~/.local/share/Quillmoor/).\n"
    "Settings: ~/.config/Quillmoor/quillmoor.ini.\n";

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                error = a + " needs " + what;
                return nullptr;
            }
            return &args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--offscreen") {
            o.offscreen = true;
        } else if (a == "--turbo") {
            o.turbo = true;
        } else if (a == "--seed") {
            const std::string* v = value("a number");
            if (!v) return std::nullopt;
            uint64_t seed = 0;
            auto [ptr, ec] = std::from_chars(v->data(), v->data() + v->size(), seed);
            if (ec != std::errc() || ptr != v->data() + v->size() || v->empty()) {
                error = "--seed needs a non-negative whole number, not '" + *v + "'";
                return std::nullopt;
            }
            o.seed = seed;
        } else if (a == "--script") {
            const std::string* v = value("a file");
            if (!v) return std::nullopt;
            o.script = *v;
        } else if (a == "--folder") {
            const std::string* v = value("a folder");
            if (!v) return std::nullopt;
            o.folder = *v;
        } else if (a == "--scale" || a == "--music-volume" || a == "--effects-volume") {
            const std::string* v = value("a number");
            if (!v) return std::nullopt;
            const int high = a == "--scale" ? 4 : 100;
            int n = 0;
            auto [ptr, ec] = std::from_chars(v->data(), v->data() + v->size(), n);
            if (ec != std::errc() || ptr != v->data() + v->size() || v->empty() ||
                n < (a == "--scale" ? 1 : 0) || n > high) {
                error = a + " needs a whole number from " + (a == "--scale" ? "1" : "0") + " to " +
                        std::to_string(high) + ", not '" + *v + "'";
                return std::nullopt;
            }
            (a == "--scale"          ? o.scale
             : a == "--music-volume" ? o.music_volume
                                     : o.effects_volume) = n;
        } else if (a == "--fullscreen") {
            o.fullscreen = true;
        } else if (a == "--mute") {
            o.mute = true;
        } else if (a == "--record") {
            const std::string* v = value("a file");
            if (!v) return std::nullopt;
            o.record = *v;
        } else if (a == "--server") {
            const std::string* v = value("an address");
            if (!v) return std::nullopt;
            if (!IsServerAddress(*v)) {
                error = "--server needs an http:// or https:// address, not '" + *v + "'";
                return std::nullopt;
            }
            o.server = *v;
        } else {
            error = "unknown option '" + a + "' (see --help)";
            return std::nullopt;
        }
    }
    return o;
}

}  // namespace quill::frontend
