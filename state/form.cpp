#include "state/form.h"

namespace quill {
namespace {

// A label that acts as a button: grey, lit when the pointer is over it (see the hover
// handlers), with its caption centred.
void make_button(platform::Label& b, platform::Widget* parent, int l, int t, int w, int h,
                 const char* caption) {
    b.parent = parent;
    b.set_bounds(l, t, w, h);
    b.caption = caption;
    b.centred = true;
    b.color = platform::Color::rgb(0x808080);
    b.font =
        platform::font_pt(platform::FontFace::PGothic, 11, true, platform::Color::rgb(0x101010));
}

void make_text(platform::Label& label, platform::Widget* parent, int l, int t, int w, int h,
               const char* caption, int points) {
    label.parent = parent;
    label.set_bounds(l, t, w, h);
    label.caption = caption;
    label.transparent = true;
    label.word_wrap = true;
    label.font =
        platform::font_pt(platform::FontFace::PGothic, points, true, platform::colors::kWhite);
}

// A transparent click region of the island map.
void make_region(platform::Picture& p, platform::Widget* parent, int l, int t, int w, int h) {
    p.parent = parent;
    p.set_bounds(l, t, w, h);
}

}  // namespace

Form::Form() {
    cg.set_bounds(0, 0, 640, 480);
    cg.picture.resize(640, 480);
    cg.opaque = true;

    for (platform::Panel* p :
         {&map_box, &bp_box, &item_box, &battle_box, &net_box, &world_box, &pet_box}) {
        p->visible = false;
    }

    // The island map: the picture and its click regions.
    map_box.set_bounds(0, 0, 640, 480);
    cg2.parent = &map_box;
    cg2.set_bounds(0, 0, 640, 480);
    cg2.picture.resize(640, 480);
    cg2.opaque = true;
    make_region(map_b1, &map_box, 292, 148, 77, 29);
    make_region(map_b0, &map_box, 240, 116, 29, 29);
    make_region(Image6, &map_box, 32, 72, 25, 21);
    make_region(Image7, &map_box, 540, 412, 105, 41);
    make_region(Image8, &map_box, 539, 364, 105, 41);
    make_region(map_h, &map_box, 0, 0, 20, 20);
    make_region(map_s, &map_box, 0, 0, 21, 21);
    make_region(map_b20, &map_box, 492, 328, 30, 30);
    make_region(Image15, &map_box, 568, 8, 64, 61);
    map_h.visible = false;
    map_s.visible = false;
    // The story places lie where the map draws their marks.
    make_region(Image1, &map_box, 148, 180, 40, 32);
    make_region(Image2, &map_box, 448, 100, 40, 34);
    make_region(map4_b, &map_box, 84, 252, 32, 28);
    make_region(map5_b, &map_box, 286, 249, 24, 40);
    make_region(map6_b, &map_box, 379, 179, 28, 28);
    make_region(map7_b, &map_box, 533, 294, 20, 40);
    make_region(map8_b, &map_box, 111, 67, 28, 24);
    make_region(map9_b, &map_box, 48, 360, 36, 30);
    make_region(map10_b, &map_box, 260, 388, 36, 30);
    make_region(Image3, &map_box, 296, 200, 40, 36);
    make_region(Image4, &map_box, 204, 24, 56, 36);
    // The sea's and the sky's places lie out in the water, clear of the status display
    // and the score; the earth's sits above the map's two log lines.
    make_region(Image5, &map_box, 196, 426, 44, 40);
    make_region(Image9, &map_box, 262, 2, 44, 40);
    make_region(Image10, &map_box, 196, 250, 32, 32);
    make_region(Image11, &map_box, 556, 294, 24, 36);
    make_region(Image12, &map_box, 100, 140, 36, 32);
    make_region(Image13, &map_box, 314, 252, 24, 32);
    make_region(map_21b, &map_box, 252, 296, 28, 24);
    const int free_x[] = {329, 332, 340, 352, 320}, free_y[] = {114, 88, 60, 36, 12};
    for (int i = 0; i < 5; ++i) make_region(free_spots[i], &map_box, free_x[i], free_y[i], 20, 20);

    // Character creation: the choices on the left, the chosen figure on the right.
    bp_box.set_bounds(0, 0, 641, 481);
    make_text(Label7, &bp_box, 20, 10, 360, 30, "ステータス分配", 16);
    name_box.parent = &bp_box;
    name_box.set_bounds(20, 46, 360, 34);
    name_box.color = platform::Color::rgb(0x202838);
    make_text(Label2, &name_box, 10, 8, 60, 20, "なまえ", 11);
    name_l.parent = &name_box;
    name_l.set_bounds(76, 5, 274, 24);
    name_l.max_length = 16;
    name_l.placeholder = "しすみ";  // the name taken when the box is left empty
    make_text(Label3, &bp_box, 20, 90, 370, 36,
              "たった１つだけ上昇させられます。上昇させたいパラメーターを選択して下さい。", 10);
    static constexpr const char* kAttributes[] = {"STR",    "VIT",    "最大HP",
                                                  "最大MP", "命中率", "回避率"};
    static constexpr const char* kTypes[] = {"お金持ち", "冒険者", "臆病者",
                                             "反社会者", "賢者",   "狂人"};
    for (int i = 0; i < 6; ++i) {
        const int column = i % 2, row = i / 2;
        make_button(attribute_buttons[i], &bp_box, 20 + 92 * column, 134 + 30 * row, 86, 24,
                    kAttributes[i]);
        make_button(type_buttons[i], &bp_box, 210 + 92 * column, 134 + 30 * row, 86, 24, kTypes[i]);
    }
    make_text(bp_l, &bp_box, 20, 232, 370, 22, "タイプ > ", 11);
    bp_l.word_wrap = false;
    make_text(Label15, &bp_box, 20, 270, 370, 20, "下より種族・性別を選んでください", 10);
    static constexpr const char* kRaces[] = {"人間男", "人間女", "KRVO団男", "KRVO団女", "魔族男",
                                             "魔族女", "獣人男", "獣人女",   "仮面男",   "仮面女"};
    for (int i = 0; i < 10; ++i) {
        const int column = i / 2, row = i % 2;  // the male form above the female one
        make_button(race_buttons[i], &bp_box, 20 + 74 * column, 296 + 30 * row, 70, 24, kRaces[i]);
        // One point smaller than the other buttons, so that "KRVO団男" fits five abreast.
        race_buttons[i].font.pixel_size = platform::points_to_pixels(10);
    }
    bp_box_cg.parent = &bp_box;
    bp_box_cg.set_bounds(396, 40, 237, 417);
    bp_box_cg.picture.resize(237, 417);
    bp_box_cg.transparent_key = true;
    make_button(l_btn8, &bp_box, 120, 380, 150, 40, "OK");
    l_btn8.font =
        platform::font_pt(platform::FontFace::PGothic, 16, true, platform::Color::rgb(0x101010));

    bp_l.parent = &bp_box;

    // The item panel: the list on the left, the detail and the buttons on the right.
    item_box.set_bounds(0, 0, 640, 480);
    item_box.color = platform::Color::rgb(0x101820);
    make_text(item_l2, &item_box, 12, 8, 300, 24, "", 14);
    make_text(gold_l, &item_box, 12, 34, 380, 20, "", 10);
    item_list.parent = &item_box;
    item_list.set_bounds(12, 58, 300, 410);
    item_list.color = platform::Color::rgb(0x101820);
    item_list.font =
        platform::font_pt(platform::FontFace::PGothic, 11, true, platform::colors::kWhite);
    item_list.item_height = 18;
    make_text(item_l, &item_box, 324, 58, 306, 150, "", 10);
    make_button(l_btn9, &item_box, 556, 6, 78, 24, ">CLOSE");
    make_button(l_btn10, &item_box, 324, 430, 150, 36, "");
    make_button(l_btn11, &item_box, 324, 6, 110, 24, "");
    make_button(l_btn22, &item_box, 440, 6, 110, 24, "");
    make_button(l_btn40, &item_box, 480, 430, 40, 36, "▲");
    make_button(l_btn41, &item_box, 526, 430, 40, 36, "▼");
    make_text(item_l3, &item_box, 324, 214, 306, 210, "", 9);
    make_text(item_l4, &item_box, 324, 404, 306, 20, "", 10);

    // The technique list stands in the free space at the bottom middle of a battle, where it
    // hides neither the technique cards, the adventurer, the log nor the status.
    battle_box.set_bounds(kBattleBoxLeft, kBattleBoxTop, 236, 116);
    battle_box.color = platform::Color::rgb(0x202838);
    battle_list.parent = &battle_box;
    battle_list.set_bounds(3, 3, 160, 110);
    battle_list.color = platform::Color::rgb(0x101820);
    Button1.parent = &battle_box;
    Button1.set_bounds(167, 3, 66, 110);
    Button1.caption = "発動";

    // The ranking: the list on the left, the chosen adventurer's details in the middle and
    // the picture on the right.
    constexpr platform::Color kNetPanel = platform::Color::rgb(0x101820);
    net_box.set_bounds(0, 0, 642, 481);
    net_box.color = kNetPanel;
    make_text(Label6, &net_box, 12, 8, 120, 24, "ランキング", 14);
    make_text(rank_l, &net_box, 130, 12, 280, 20, "", 10);
    rank_l.word_wrap = false;
    net_list.parent = &net_box;
    net_list.set_bounds(8, 40, 212, 432);
    net_list.color = kNetPanel;
    net_list.font =
        platform::font_pt(platform::FontFace::PGothic, 10, true, platform::colors::kWhite);
    net_list.item_height = 15;
    // The details end where the entry's picture begins, so none of their text lies under it.
    make_text(net_l, &net_box, 228, 40, 172, 432, "", 9);
    rank_Cg.parent = &net_box;
    rank_Cg.set_bounds(403, 44, 237, 417);
    rank_Cg.picture = platform::Bitmap(237, 417, platform::Color::rgb(0x15151E));
    rank_Cg.opaque = true;
    make_button(l_btn71, &net_box, 410, 6, 140, 24, ">ワールドサイト");
    make_button(l_btn69, &net_box, 556, 6, 78, 24, ">CLOSE");

    // The world site: the report list drawn as one picture.
    world_box.set_bounds(0, 0, 642, 481);
    world_box.color = platform::colors::kBlack;
    make_text(Label12, &world_box, 12, 8, 150, 24, "ワールドサイト", 14);
    make_text(world_l, &world_box, 170, 12, 240, 20, "", 10);
    world_l.word_wrap = false;
    world_cg.parent = &world_box;
    world_cg.set_bounds(0, 40, 640, 430);
    world_cg.picture.resize(640, 430);
    world_cg.opaque = true;
    make_button(l_btn70, &world_box, 430, 6, 120, 24, ">ランキング");
    make_button(l_btn68, &world_box, 556, 6, 78, 24, ">CLOSE");

    // The pet panel.
    constexpr platform::Color kPetPanel = platform::Color::rgb(0x1C1812);
    constexpr platform::Color kPetBox = platform::Color::rgb(0x2C241A);
    pet_box.set_bounds(0, 0, 642, 481);
    pet_box.color = kPetPanel;
    make_text(Label9, &pet_box, 12, 8, 200, 26, "ねこちゃん", 16);
    make_text(pet_bp_l, &pet_box, 12, 40, 420, 20, "", 10);
    pet_bp_l.word_wrap = false;
    pet_cg.parent = &pet_box;
    pet_cg.set_bounds(12, 70, 265, 125);
    pet_cg.picture = platform::Bitmap(265, 125, kPetBox);
    pet_cg.opaque = true;
    make_text(pet_l, &pet_box, 16, 204, 250, 272, "", 9);
    make_button(l_btn72, &pet_box, 290, 70, 140, 28, "外見を変える");
    make_button(l_btn64, &pet_box, 556, 6, 78, 24, ">CLOSE");
    pet_state_box.parent = &pet_box;
    pet_state_box.set_bounds(272, 320, 360, 150);
    pet_state_box.color = kPetBox;
    make_text(pet_state_tl, &pet_state_box, 10, 6, 200, 20, "ステータス", 11);
    platform::Label* const raises[] = {&l_btn62, &l_btn63, &l_btn65, &l_btn66, &l_btn67, &l_btn61};
    static constexpr const char* kRaises[] = {"MAX MP+",  "強さ +",   "賢さ +",
                                              "丈夫さ＋", "器用さ＋", "素早さ +"};
    for (int i = 0; i < 6; ++i) {
        make_button(*raises[i], &pet_state_box, 10 + 116 * (i % 3), 32 + 34 * (i / 3), 108, 28,
                    kRaises[i]);
        raises[i]->font.pixel_size = platform::points_to_pixels(10);
    }
    make_text(pet_state_l2, &pet_state_box, 10, 108, 340, 22, "....", 11);
    pet_name_box.parent = &pet_box;
    pet_name_box.set_bounds(272, 320, 360, 150);
    pet_name_box.color = kPetBox;
    make_text(Label17, &pet_name_box, 10, 8, 340, 22, "名前を決めてあげてね", 12);
    make_text(Label11, &pet_name_box, 10, 52, 50, 22, "名前", 11);
    pet_name_l.parent = &pet_name_box;
    pet_name_l.set_bounds(62, 48, 190, 26);
    make_button(l_btn60, &pet_name_box, 262, 47, 86, 28, "決定");

    make_button(l_btn80, nullptr, 520, 438, 108, 30, "遊び方");
    l_btn80.color = platform::Color::rgb(0x2E2A5C);
    l_btn80.font.color = platform::Color::rgb(0xF0E8FF);
    l_btn80.visible = false;  // on the title only
}

std::vector<platform::Widget*> Form::all() {
    std::vector<platform::Widget*> w = {
        &cg,     &map_box, &cg2,    &map_b1,  &map_b0,  &Image6,  &Image7,  &Image8,  &Image1,
        &Image2, &map4_b,  &map5_b, &map6_b,  &map7_b,  &map8_b,  &map9_b,  &map10_b, &Image3,
        &Image4, &Image5,  &Image9, &Image10, &Image11, &Image12, &Image13, &map_21b};
    for (auto& spot : free_spots) w.push_back(&spot);
    for (platform::Widget* x :
         std::initializer_list<platform::Widget*>{&map_h, &map_s, &map_b20, &Image15, &bp_box,
                                                  &Label7, &name_box, &Label2, &name_l, &Label3}) {
        w.push_back(x);
    }
    for (auto& b : attribute_buttons) w.push_back(&b);
    for (auto& b : type_buttons) w.push_back(&b);
    w.push_back(&bp_l);
    w.push_back(&Label15);
    for (auto& b : race_buttons) w.push_back(&b);
    for (platform::Widget* x : std::initializer_list<platform::Widget*>{
             &bp_box_cg,    &l_btn8,  &item_box,  &item_l2,       &gold_l,       &item_list,
             &item_l,       &l_btn9,  &l_btn10,   &l_btn11,       &l_btn22,      &l_btn40,
             &l_btn41,      &item_l3, &item_l4,   &battle_box,    &battle_list,  &Button1,
             &net_box,      &Label6,  &rank_l,    &net_list,      &net_l,        &rank_Cg,
             &l_btn71,      &l_btn69, &world_box, &Label12,       &world_l,      &world_cg,
             &l_btn70,      &l_btn68, &pet_box,   &Label9,        &pet_bp_l,     &pet_cg,
             &pet_l,        &l_btn72, &l_btn64,   &pet_state_box, &pet_state_tl, &l_btn62,
             &l_btn63,      &l_btn65, &l_btn66,   &l_btn67,       &l_btn61,      &pet_state_l2,
             &pet_name_box, &Label17, &Label11,   &pet_name_l,    &l_btn60,      &l_btn80}) {
        w.push_back(x);
    }
    return w;
}

std::vector<platform::Label*> Form::button_labels() {
    std::vector<platform::Label*> buttons;
    for (platform::Widget* w : all()) {
        if (w->kind == platform::WidgetKind::Label && w->name.rfind("l_btn", 0) == 0) {
            buttons.push_back(static_cast<platform::Label*>(w));
        }
    }
    return buttons;
}

}  // namespace quill
