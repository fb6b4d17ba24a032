// The widgets of the game's one window, as plain models named as the window's widgets.
// The front end shows every widget listed by all(); the game wires their handlers.
#pragma once

#include <array>
#include <vector>

#include "platform/widgets.h"

namespace quill {

// Where the technique list stands during the player's turn.
constexpr int kBattleBoxLeft = 212, kBattleBoxTop = 358;

struct Form {
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Every widget, parents before their children, in the order they are stacked (later
    // ones lie above earlier ones).
    std::vector<platform::Widget*> all();
    // The labels that act as buttons (their names begin with "l_btn").
    std::vector<platform::Label*> button_labels();

    // The main picture: every frame is drawn here.
    platform::Picture cg{"cg"};

    // The island map panel with its picture and click regions.
    platform::Panel map_box{"map_box"};
    platform::Picture cg2{"cg2"};
    platform::Picture map_b1{"map_b1"};    // the free walk
    platform::Picture map_b0{"map_b0"};    // the inn
    platform::Picture Image6{"Image6"};    // the item shop
    platform::Picture Image7{"Image7"};    // the equipment screen
    platform::Picture Image8{"Image8"};    // the strengthening screen
    platform::Picture map_h{"map_h"};      // the first travelling merchant
    platform::Picture map_s{"map_s"};      // the ship
    platform::Picture map_b20{"map_b20"};  // the pet's nest
    platform::Picture Image15{"Image15"};  // the world site
    // The island's named characters, at the places their marks are drawn.
    platform::Picture Image1{"Image1"};    // the mountain: 山男
    platform::Picture Image2{"Image2"};    // the deep forest: 奥博士
    platform::Picture map4_b{"map4_b"};    // サニー・レイニー
    platform::Picture map5_b{"map5_b"};    // 光
    platform::Picture map6_b{"map6_b"};    // マジカル
    platform::Picture map7_b{"map7_b"};    // 緑
    platform::Picture map8_b{"map8_b"};    // 毒蛾博士
    platform::Picture map9_b{"map9_b"};    // ボウケンロボット
    platform::Picture map10_b{"map10_b"};  // 暗黒剣士ヨイヤミ
    platform::Picture Image3{"Image3"};    // the castle gate: 島
    platform::Picture Image4{"Image4"};    // the sky island: 天界からの使者
    platform::Picture Image5{"Image5"};    // the sea: 海神
    platform::Picture Image9{"Image9"};    // the sky: 空神
    platform::Picture Image10{"Image10"};  // the earth: 地天
    platform::Picture Image11{"Image11"};  // 飛翔する緑
    platform::Picture Image12{"Image12"};  // 聳えるヤマオ
    platform::Picture Image13{"Image13"};  // 今、光
    platform::Picture map_21b{"map_21b"};  // ファンタジスタ
    // The free spots along the northern trail, from 10 m to 50 m.
    std::array<platform::Picture, 5> free_spots{
        platform::Picture{"map_free2"}, platform::Picture{"map_free3"},
        platform::Picture{"map_free4"}, platform::Picture{"map_free5"},
        platform::Picture{"map_free6"}};

    // Character creation.
    platform::Panel bp_box{"bp_box"};
    platform::Label Label7{"Label7"};
    platform::Panel name_box{"name_box"};
    platform::Label Label2{"Label2"};
    platform::EditBox name_l{"name_l"};
    platform::Label Label3{"Label3"};
    std::array<platform::Label, 6> attribute_buttons{
        platform::Label{"l_btn1"}, platform::Label{"l_btn2"}, platform::Label{"l_btn3"},
        platform::Label{"l_btn4"}, platform::Label{"l_btn5"}, platform::Label{"l_btn6"}};
    std::array<platform::Label, 6> type_buttons{
        platform::Label{"l_btn15"}, platform::Label{"l_btn16"}, platform::Label{"l_btn17"},
        platform::Label{"l_btn18"}, platform::Label{"l_btn19"}, platform::Label{"l_btn20"}};
    platform::Label bp_l{"bp_l"};
    platform::Label Label15{"Label15"};
    std::array<platform::Label, 10> race_buttons{
        platform::Label{"l_btn30"}, platform::Label{"l_btn31"}, platform::Label{"l_btn32"},
        platform::Label{"l_btn33"}, platform::Label{"l_btn34"}, platform::Label{"l_btn35"},
        platform::Label{"l_btn36"}, platform::Label{"l_btn37"}, platform::Label{"l_btn38"},
        platform::Label{"l_btn39"}};
    platform::Picture bp_box_cg{"bp_box_cg"};  // the chosen race's picture
    platform::Label l_btn8{"l_btn8"};          // OK

    // The item panel.
    platform::Panel item_box{"item_box"};
    platform::Label item_l2{"item_l2"};  // the screen's title
    platform::Label gold_l{"gold_l"};    // BP and money
    platform::ListBox item_list{"item_list"};
    platform::Label item_l{"item_l"};    // the detail of the chosen row
    platform::Label l_btn9{"l_btn9"};    // ">CLOSE"
    platform::Label l_btn10{"l_btn10"};  // the action, named by the screen
    platform::Label l_btn11{"l_btn11"};  // to another screen
    platform::Label l_btn22{"l_btn22"};  // between the items and the achievements
    platform::Label l_btn40{"l_btn40"};  // ▲
    platform::Label l_btn41{"l_btn41"};  // ▼
    platform::Label item_l3{"item_l3"};
    platform::Label item_l4{"item_l4"};  // one-line notices

    // The battle technique list.
    platform::Panel battle_box{"battle_box"};
    platform::ListBox battle_list{"battle_list"};
    platform::Button Button1{"Button1"};  // "発動"

    // The ranking panel.
    platform::Panel net_box{"net_box"};
    platform::Label Label6{"Label6"};  // "ランキング"
    platform::Label rank_l{"rank_l"};  // the network's status
    platform::ListBox net_list{"net_list"};
    platform::Label net_l{"net_l"};        // the chosen adventurer's details
    platform::Picture rank_Cg{"rank_Cg"};  // the chosen adventurer and pet
    platform::Label l_btn71{"l_btn71"};    // ">ワールドサイト"
    platform::Label l_btn69{"l_btn69"};    // ">CLOSE"
    // The world-site panel.
    platform::Panel world_box{"world_box"};
    platform::Label Label12{"Label12"};      // "ワールドサイト"
    platform::Label world_l{"world_l"};      // the network's status
    platform::Picture world_cg{"world_cg"};  // the shared report list
    platform::Label l_btn70{"l_btn70"};      // ">ランキング"
    platform::Label l_btn68{"l_btn68"};      // ">CLOSE"

    // The pet panel: the picture and the values on the left, the raising or the naming on
    // the right.
    platform::Panel pet_box{"pet_box"};
    platform::Label Label9{"Label9"};      // "ねこちゃん"
    platform::Label pet_bp_l{"pet_bp_l"};  // BP and money
    platform::Picture pet_cg{"pet_cg"};
    platform::Label pet_l{"pet_l"};      // the pet's values
    platform::Label l_btn72{"l_btn72"};  // "外見を変える"
    platform::Label l_btn64{"l_btn64"};  // ">CLOSE"
    platform::Panel pet_state_box{"pet_state_box"};
    platform::Label pet_state_tl{"pet_state_tl"};  // "ステータス"
    platform::Label l_btn62{"l_btn62"};            // MAX MP
    platform::Label l_btn63{"l_btn63"};            // 強さ
    platform::Label l_btn65{"l_btn65"};            // 賢さ
    platform::Label l_btn66{"l_btn66"};            // 丈夫さ
    platform::Label l_btn67{"l_btn67"};            // 器用さ
    platform::Label l_btn61{"l_btn61"};            // 素早さ
    platform::Label pet_state_l2{"pet_state_l2"};  // what the last press said
    platform::Panel pet_name_box{"pet_name_box"};
    platform::Label Label17{"Label17"};  // "名前を決めてあげてね"
    platform::Label Label11{"Label11"};  // "名前"
    platform::EditBox pet_name_l{"pet_name_l"};
    platform::Label l_btn60{"l_btn60"};  // "決定"

    // The title's "遊び方": the short guide to the game.
    platform::Label l_btn80{"l_btn80"};
};

}  // namespace quill
