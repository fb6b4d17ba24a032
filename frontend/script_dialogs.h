// Dialogs of a script run: messages are printed on standard output and acknowledged at
// once; questions take the answers the script prepared with `answer yes|no`.
#pragma once

#include <deque>
#include <string>

#include "platform/dialogs.h"

namespace quill::frontend {

class ScriptDialogs final : public platform::Dialogs {
  public:
    void message(const std::string& text) override;
    bool ask_yes_no(const std::string& text) override;

    void prepare_answer(bool yes) { answers_.push_back(yes); }
    // The question that found no prepared answer (empty while all went well).
    const std::string& unanswered() const { return unanswered_; }

  private:
    std::deque<bool> answers_;
    std::string unanswered_;
};

}  // namespace quill::frontend
