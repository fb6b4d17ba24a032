#include "view/adventurer_pictures.h"

#include "state/state_ops.h"

namespace quill {

std::string AdventurerPictureFile(int32_t race_sex, int32_t level) {
    const char* suffix = level < 10   ? ""
                         : level < 20 ? "a"
                         : level < 30 ? "b"
                         : level < 40 ? "c"
                         : level < 50 ? "d"
                         : level < 70 ? "e"
                                      : "f";
    return "char" + std::to_string(race_sex) + suffix + ".bmp";
}

bool LoadPetPicture(const Game& g, int32_t look, platform::Bitmap& into) {
    return into.load(g.folders.cg_file("pet" + std::to_string(look) + ".bmp")) ||
           into.load(g.folders.cg_file("pet0.bmp"));
}

void LoadAdventurerPictures(Game& g) {
    g.sprites[kSpriteAdventurer].load(
        g.folders.cg_file(AdventurerPictureFile(g.state.race_sex, g.adventurer().level)));
    if (has_pet(g)) LoadPetPicture(g, g.pet().look, g.sprites[kSpritePet]);
}

}  // namespace quill
