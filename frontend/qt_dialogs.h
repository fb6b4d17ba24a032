// Dialogs as real message boxes over the game's window.
#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace quill::frontend {

class QtDialogs final : public platform::Dialogs {
  public:
    void set_parent(QWidget* parent) { parent_ = parent; }
    void message(const std::string& text) override;
    bool ask_yes_no(const std::string& text) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace quill::frontend
