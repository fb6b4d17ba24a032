#include "view/command_cards.h"

namespace quill {

void DrawCards(Game&) {
    // The cards of the group in command_mode are laid out and drawn here.
}

}  // namespace quill
