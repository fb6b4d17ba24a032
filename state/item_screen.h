// The screens of the item panel, the shops among them: which one is open is state of its
// own, and the panel's action button shows the screen's caption.
#pragma once

namespace quill {

enum class ItemScreen {
    kRareItems,     // アイテム一覧
    kAchievements,  // 戦績
    kTechniques,    // 強化: the techniques, strengthened with BP
    kHoshio,        // ホーシオ・ＳＥＴ
    kEquipment,     // 装備
    kShop,          // 買う: the island's shop
    kArtificer,     // 購入: the 人工屋
    kFatma,         // ＢＵＹ: the ファトマ号's market
};

// The caption of the action button on the screen.
constexpr const char* ItemScreenCaption(ItemScreen screen) {
    switch (screen) {
        case ItemScreen::kRareItems:
            return "アイテム一覧";
        case ItemScreen::kAchievements:
            return "戦績";
        case ItemScreen::kTechniques:
            return "強化";
        case ItemScreen::kHoshio:
            return "ホーシオ・ＳＥＴ";
        case ItemScreen::kEquipment:
            return "装備";
        case ItemScreen::kShop:
            return "買う";
        case ItemScreen::kArtificer:
            return "購入";
        case ItemScreen::kFatma:
            return "ＢＵＹ";
    }
    return "";
}

}  // namespace quill
