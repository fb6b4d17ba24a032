#include "character/adventurer_pictures.h"

namespace quill {

void LoadAdventurerPictures(Game&) {
    // The adventurer's sprite for the race, sex and level band is loaded here.
}

}  // namespace quill
