// libFuzzer target for the script reader (--script, and the recordings of --record). Any
// text reads to commands or to one error that names its line; the commands keep their
// promises (known keys, rows and waits not negative, a seed only first).
//
// Built and run by scripts/fuzz.sh scripts, never by the default build.

#include <cstdint>
#include <string>
#include <vector>

#include "frontend/script.h"
#include "fuzz_seeds.h"

namespace {

using namespace quill::frontend;

void check(bool ok, const char* what) {
    quill::fuzz::check(ok, "script", what);
}

std::vector<std::string> seeds() {
    return {
        "# recorded\nseed 7\nwait 3\nclick 10 20\nrelease\nmove 5 6\nrclick 1 2\nmclick 3 4\n"
        "key Enter\npress l_btn8\ntype name_l \xe3\x83\xab\xe3\x82\xab\nselect item_list 3\n"
        "answer yes\nshot a.png\nlog a.log\ndump a.json\npopup 18 100 100 MAX\nquit\n",
        "wait 1\r\ntype name_l\r\ntype name_l  two  spaces \r\n",
        "seed 18446744073709551615\nwait 2147483647\n",
        "wait -1\n",
    };
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    quill::fuzz::write_seeds_if_asked(*argc, *argv, seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto commands = parse_script(source, error);
    if (!commands) {
        check(error.rfind("script line ", 0) == 0, "an error that names no line");
        return 0;
    }
    int last_line = 0;
    for (size_t i = 0; i < commands->size(); ++i) {
        const ScriptCommand& c = (*commands)[i];
        check(c.line > last_line, "commands out of line order");
        last_line = c.line;
        check(c.op != ScriptOp::Seed || i == 0, "a seed after another command");
        if (c.op == ScriptOp::Wait) check(c.x >= 0, "a negative wait");
        if (c.op == ScriptOp::Select) check(c.x >= 0, "a negative row");
        if (c.op == ScriptOp::Key || c.op == ScriptOp::KeyDown || c.op == ScriptOp::KeyUp)
            check(is_known_key(c.text), "an unknown key");
        if (c.op == ScriptOp::MessageSpeed) check(c.x >= 0 && c.x <= 3, "a speed out of range");
        if (c.op == ScriptOp::Answer) check(c.text == "yes" || c.text == "no", "an odd answer");
        check(c.text.find('\n') == std::string::npos, "a text over two lines");
    }
    return 0;
}
