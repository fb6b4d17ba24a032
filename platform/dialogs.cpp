#include "platform/dialogs.h"

#include <iostream>

namespace quill::platform {

void HeadlessDialogs::message(const std::string& text) {
    std::cerr << text << '\n';
}

bool HeadlessDialogs::ask_yes_no(const std::string& text) {
    std::cerr << text << " -> no\n";
    return false;
}

HeadlessDialogs& headless_dialogs() {
    static HeadlessDialogs dialogs;
    return dialogs;
}

}  // namespace quill::platform
