// Modal messages and yes/no questions. The window shows real message boxes; scripts and
// tests answer them without a screen.
#pragma once

#include <string>

namespace quill::platform {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a message and returns when the player has acknowledged it.
    virtual void message(const std::string& text) = 0;
    // Asks a question; true for "はい" (yes).
    virtual bool ask_yes_no(const std::string& text) = 0;
};

// Without a window: messages go to standard error, every question is answered "no".
class HeadlessDialogs final : public Dialogs {
  public:
    void message(const std::string& text) override;
    bool ask_yes_no(const std::string& text) override;
};

HeadlessDialogs& headless_dialogs();

}  // namespace quill::platform
