#include "frontend/script_dialogs.h"

#include <iostream>

namespace quill::frontend {

void ScriptDialogs::message(const std::string& text) {
    std::cout << text << std::endl;
}

bool ScriptDialogs::ask_yes_no(const std::string& text) {
    std::cout << text << std::endl;
    if (answers_.empty()) {
        if (unanswered_.empty()) unanswered_ = text;
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    std::cout << (yes ? "-> はい" : "-> いいえ") << std::endl;
    return yes;
}

}  // namespace quill::frontend
