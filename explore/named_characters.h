// The island's named characters, each met in up to three forms as the story goes on, and
// the free spots that start the walk further along the trail.
#pragma once

#include <cstdint>
#include <string>

#include "state/game.h"

namespace quill {

// The numbers of one named form.
struct NamedForm {
    const char* name;
    int32_t gold, element, max_hp, max_mp, attack, defence, hit, evasion, critical, guard;
    int32_t techniques[5];
    int32_t mp_regen_kind, element_guard, light_weakness, magic_affinity;
    bool full_tp;  // starts with 100 TP, else a random amount
};

// The form of that exact name, or none.
const NamedForm* FindNamedForm(const std::string& name);

// Fills the enemy record with a named form.
void FillNamedForm(Game& g, const NamedForm& form);

// The clicks on the characters' places (battle numbers 2 to 21) and on the free spots.
void Image1MouseDown(Game& g);
void Image2MouseDown(Game& g);
void map4_bMouseDown(Game& g);
void map5_bMouseDown(Game& g);
void map6_bMouseDown(Game& g);
void map7_bMouseDown(Game& g);
void map8_bMouseDown(Game& g);
void map9_bMouseDown(Game& g);
void map10_bMouseDown(Game& g);
void map_sMouseDown(Game& g);
void Image3MouseDown(Game& g);
void Image4MouseDown(Game& g);
// The six places the ending opens (Image5, Image9, Image10 .. Image13, in that order).
enum class EndingPlace { Sea, Sky, Earth, Green, Mountain, Light };
constexpr int kEndingPlaces = 6;
// True while a battle waits at the place, so a click there starts it.
bool EndingPlaceOpen(const Game& g, EndingPlace place);
void Image5MouseDown(Game& g);
void Image9MouseDown(Game& g);
void Image10MouseDown(Game& g);
void Image11MouseDown(Game& g);
void Image12MouseDown(Game& g);
void Image13MouseDown(Game& g);
void map_21bMouseDown(Game& g);
// map_free2 .. map_free6: spot 0..4, starting the walk at 10, 20, 30, 40 or 50 m.
void FreeSpotMouseDown(Game& g, int spot);
// True when a click on the character's place (or free spot) does something now: meets a
// form, or says why not. False for every other widget.
bool CharacterPlaceActsNow(const Game& g, const platform::Widget& place);

}  // namespace quill
