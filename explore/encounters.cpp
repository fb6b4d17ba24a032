#include "explore/encounters.h"
#include "state/scene_kinds.h"

#include <string_view>

#include "explore/background.h"
#include "platform/random.h"
#include "platform/text_codec.h"

namespace quill {
namespace {

using platform::random;

// The pieces of the rare made-up names: full-width katakana and pairs of half-width ones,
// two code page 932 bytes each.
constexpr std::string_view kSyllables =
    "アイウエオカキクケコサシスセソナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲンガギグゲ"
    "ゴザジズゼゾダヂヅデドバビブベボパピプペポﾁｬｷｬｼｬﾋｬﾋｭﾋｮｷｭｷｮｼｭｼｮﾁｭﾁｮﾐｬﾐｭﾐｮｱｯｲｯﾃｰｸｰﾏｰﾁｰﾉｯﾉｰ"
    "ﾗｰﾅｯﾐｰ";

const std::string& syllable_bytes() {
    static const std::string bytes = platform::to_cp932(kSyllables).value_or("");
    return bytes;
}

std::string made_up_name() {
    const std::string& bytes = syllable_bytes();
    std::string pieces[4];
    for (std::string& piece : pieces) {
        const size_t i = static_cast<size_t>(random(96));
        if (2 * i + 2 <= bytes.size()) piece = bytes.substr(2 * i, 2);  // 92..95: no piece
    }
    return platform::from_cp932_lossy(pieces[3] + pieces[2] + pieces[1] + pieces[0]);
}

bool names_technique(const Game& g, int32_t id) {
    return id >= 0 && id < kSkillIds && !g.skills[id].name.empty();
}

void redraw_until_named(const Game& g, int32_t& slot) {
    while (!names_technique(g, slot)) slot = random(99);
}

void techniques(Game& g, int32_t d) {
    auto& t = g.enemy().technique_slots;
    t.fill(0);
    const bool counted = d != 0;
    if (counted && d % 5 == 0) t[0] = d <= 49 ? 6 : random(99);
    redraw_until_named(g, t[0]);
    if (counted && d % 3 == 0) t[1] = 2;
    if (counted && d % 4 == 0) t[2] = 9;
    if (counted && d % 7 == 0) t[3] = 7;
    if (counted && d % 8 == 0) t[0] = 24;
    if (counted && d % 6 == 0) {
        t[4] = random(99);
        redraw_until_named(g, t[4]);
    }
    if (counted && d % 9 == 0) {
        t[2] = random(99);
        redraw_until_named(g, t[2]);
    }
    if (counted && d % 10 == 0) {
        t[3] = random(99);
        redraw_until_named(g, t[3]);
    }
}

int32_t h(int32_t x) {
    return x + x / 2 + 1;
}

void slots(Combatant& e, std::initializer_list<std::pair<int, int32_t>> set) {
    for (auto [slot, id] : set) e.technique_slots[slot] = id;
}

}  // namespace

std::string ApplySpecialForm(Game& g, int32_t d, int32_t o) {
    Combatant& e = g.enemy();
    const int32_t level = g.combatants[0].level;
    if (o == 0) {
        if (random(2) != 0 && level > 29) {
            e.name = "ヴォマクトⅡ";
            e.gold_reward += d + 150;
            e.attack = 2 * e.attack + 2;
            e.defence = 2 * e.defence + 1;
            e.hit = h(e.hit);
            e.evasion = h(e.evasion);
            e.max_hp *= 3;
            e.hp *= 3;
            e.max_mp = 2 * e.max_mp + 50;
            e.mp = 2 * e.mp + 50;
            slots(e, {{0, 39}, {2, 9}, {3, 19}, {4, 37}});
            return "vomact2.bmp";
        }
        e.name = "ヴォマクト";
        e.gold_reward += d + 100;
        e.attack = h(e.attack);
        e.defence = h(e.defence);
        e.max_hp *= 2;
        e.hp *= 2;
        e.max_mp *= 2;
        e.mp *= 2;
        slots(e, {{0, 39}, {3, 9}, {4, 26}});
        return "vomact.bmp";
    }
    if (o == 1) {
        if (random(2) != 0 && level > 34) {
            e.name = "ゴースト";
            e.exp += 35;
            e.attack = h(e.attack);
            e.defence = 2 * e.defence + 1;
            e.hit = h(e.hit);
            e.evasion = 2 * e.evasion + 5;
            e.max_hp *= 3;
            e.hp *= 3;
            e.max_mp = 2 * e.max_mp + 50;
            e.mp = 2 * e.mp + 50;
            slots(e, {{0, 62}, {2, 15}, {3, 36}, {4, 56}});
            return "ghost.bmp";
        }
        e.name = "ヘンテコ";
        e.exp += 30;
        e.defence = h(e.defence);
        e.evasion = h(e.evasion);
        e.max_hp *= 2;
        e.hp *= 2;
        e.max_mp *= 2;
        e.mp *= 2;
        slots(e, {{0, 4}, {2, 33}, {3, 56}, {4, 5}});
        return "henteko.bmp";
    }
    if (o == 2) {
        if (random(2) == 0 || level <= 39) {
            e.name = "よわっこ";
            e.hp = e.hp / 10 + 1;
            slots(e, {{3, 56}, {4, 5}});
            return "yowakko.bmp";
        }
        if (random(3) != 0) {
            e.name = "つよっこ";
            e.max_hp *= 5;
            e.hp *= 5;
            e.max_mp = 2 * e.max_mp + 50;
            e.mp = 2 * e.mp + 50;
            e.attack *= 3;
            e.defence *= 3;
            e.hit = h(e.hit);
            slots(e, {{2, 12}, {3, 48}, {4, 3}});
            return "tuyokko.bmp";
        }
        e.name = "凄いよわっこ";
        e.hp = 1;
        slots(e, {{3, 56}, {4, 5}});
        return "yowakko_s.bmp";
    }
    if (o == 3) {
        if (random(2) != 0 && level > 49) {
            if (random(3) != 0) {
                e.name = "ドラゴン";
                e.gold_reward += d + 100;
                e.exp += 30;
                e.max_hp *= 6;
                e.hp *= 6;
                e.max_mp *= 5;
                e.mp *= 5;
                e.attack *= 4;
                e.defence *= 4;
                e.hit *= 2;
                slots(e, {{0, 58}, {2, 202}, {3, 44}, {4, 16}});
                return "dragon.bmp";
            }
            e.name = "子供のドラゴン";
            e.gold_reward += d / 2 + 50;
            e.exp += 15;
            e.max_hp *= 3;
            e.hp *= 3;
            e.max_mp *= 3;
            e.mp *= 3;
            e.attack *= 2;
            e.defence *= 2;
            e.hit *= 2;
            slots(e, {{0, 58}, {2, 48}, {3, 37}, {4, 16}});
            return "dragon_s.bmp";
        }
        e.name = "エクストラ";
        e.gold_reward += d + 50;
        e.exp += 15;
        e.max_hp *= 3;
        e.hp *= 3;
        e.max_mp *= 3;
        e.mp *= 3;
        e.attack = h(e.attack);
        e.defence = h(e.defence);
        e.hit = h(e.hit);
        e.evasion = h(e.evasion);
        slots(e, {{0, 54}, {4, 52}});
        return "extra.bmp";
    }
    return d < 10   ? "free.bmp"
           : d < 20 ? "free2.bmp"
           : d < 30 ? "free3.bmp"
           : d < 40 ? "free4.bmp"
           : d < 50 ? "free5.bmp"
                    : "free6.bmp";
}

std::string PickEnemyName(Game& g) {
    std::string name = g.encounter_names[random(kEncounterNames)];
    if (random(100) == 1) name = made_up_name();
    return name;
}

void PrepareEncounter(Game& g, int32_t d) {
    Combatant& e = g.enemy();
    const int32_t level = g.combatants[0].level;
    e.present = 1;
    g.scene_kind = scene::kWalk;
    g.post_battle_lines.clear();  // a stranger of the walk has nothing to say afterwards
    e.name = PickEnemyName(g);
    e.exp = random(5) + 5;
    e.gold_reward = random(5) + 5 + d;
    e.element = random(5);
    e.max_hp = random(11) + level + 1 + 2 * d;
    e.max_mp = random(5) + level / 2 + d / 3;
    e.hp = e.max_hp;
    e.mp = e.max_mp;
    e.tp = random(100);
    e.attack = random(level / 5 + d / 4 + 2) + d / 10;
    e.defence = random(d / 5 + level / 6 + 2);
    e.hit = random(level / 3 + d + 1);
    e.evasion = random(11) + d / 2 + random(level / 3 + d + d / 2);
    const int32_t walked = g.state.distance_m;
    if (walked >= 30) {
        e.guard_rate = random(walked - 29);
        e.critical_rate = random(walked - 29);
    }
    techniques(g, d);
    ShowBackground(g, ApplySpecialForm(g, d, random(100)));
}

}  // namespace quill
