#include "items/shop_stock.h"

#include "platform/random.h"

namespace quill {
namespace {

using platform::random;

bool held(const Game& g, int32_t id) {
    return id > 0 && id < kItemTableSize && g.state.item_count[id] > 0;
}

// Builds a list; every item line passes the stock rule and its own condition.
class Stock {
  public:
    explicit Stock(const Game& g) : g_(g) {}

    void header(std::string_view text) { lines_.push_back({0, text}); }
    // An item, when its condition holds.
    void item(int32_t id, bool condition = true) {
        if (!condition) return;
        if (ShopOffers(g_, id)) {
            lines_.push_back({id, {}});
        } else if (ShopOffersWithMoneyAndLevel(g_, id)) {
            held_back_ += 1;
        }
    }
    // An item shown only once the one before it is held.
    void after(int32_t id, int32_t before) { item(id, held(g_, before)); }
    // A run of ids, each shown once the one before it is held; the first after `first_after`
    // (0: the first always shows).
    void chain(int32_t first, int32_t last, int32_t first_after = 0) {
        for (int32_t id = first; id <= last; ++id) {
            const int32_t before = id == first ? first_after : id - 1;
            if (before == 0) {
                item(id);
            } else {
                after(id, before);
            }
        }
    }
    void run(int32_t first, int32_t last) {
        for (int32_t id = first; id <= last; ++id) item(id);
    }

    std::vector<ShopLine> take(int32_t* held_back) {
        if (held_back) *held_back = held_back_;
        return std::move(lines_);
    }

  private:
    const Game& g_;
    std::vector<ShopLine> lines_;
    int32_t held_back_ = 0;
};

bool flag(const Game& g, int n) {
    return g.state.story_flags[n] != 0;
}

std::vector<ShopLine> general_shop(const Game& g, int32_t* held_back) {
    Stock s(g);
    s.header("－－－武器－－－");
    s.item(1);            // ぼうっきれ
    s.run(20, 24);        // 太いぼう … ゆーぼう
    s.chain(25, 35, 24);  // らいとにんぐぼう … 返ってきたホーシオのぼう
    s.item(2);            // 欠けた刀
    s.item(3, flag(g, 3));
    s.item(6);
    s.item(7);
    s.item(8);
    s.item(9);
    s.after(12, 9);
    s.chain(13, 17, 12);     // 赤き刻印の刀 … 返ってきたホーシオ刀
    s.item(4, flag(g, 2));   // 山の棍棒
    s.item(10, flag(g, 6));  // 闇の杖
    s.item(5, flag(g, 5));   // 光の剣
    s.item(11, flag(g, 7));  // 苦無
    s.run(40, 49);           // the staves
    s.run(50, 59);           // the bows
    s.header("－－－防具－－－");
    s.run(100, 104);  // the cloaks
    s.chain(105, 109, 104);
    s.run(110, 114);  // the armours
    s.chain(115, 119, 114);
    s.item(120, flag(g, 3));  // 奥博士の白衣
    s.item(121, flag(g, 2));  // ヤマオの胴着
    s.item(122, flag(g, 4));  // お天気雨のローブ
    s.item(124, flag(g, 5));  // ライトローブ
    s.item(123, flag(g, 6));  // マジカルローブ
    s.header("－－－ 兜 －－－");
    s.item(161, g.state.kills_vomact > 29);  // ヴォマクトの冠
    s.run(150, 157);
    s.chain(158, 160, 157);
    s.header("－－－ 盾 －－－");
    s.run(200, 203);
    s.chain(204, 209, 203);
    s.run(210, 213);
    s.chain(214, 220, 213);
    s.header("－－ 右指輪 －－");
    s.run(250, 256);
    s.chain(257, 259, 256);
    s.item(245);  // プリズム・アイ
    return s.take(held_back);
}

std::vector<ShopLine> artificial_shop(const Game& g, int32_t* held_back) {
    Stock s(g);
    s.header("－－人工ホーシオ－－");
    for (int32_t id = 800; id <= 899; ++id) {
        if (g.items[id].category != kItemHoshio) continue;
        const bool drawn = random(6) == 0;  // a fresh draw on every look
        s.item(id, drawn);
    }
    s.header("－－ホーシオ作品－－");
    s.run(600, 608);  // each book waits for the one before it (the catalogue says which)
    s.header("－－ 左指輪 －－");
    s.item(261);        // 黒曜石
    s.item(263);        // 真珠
    s.item(265);        // 黒真珠
    s.after(269, 265);  // 姫真珠
    s.after(271, 269);  // 天真珠
    s.after(273, 271);  // 虹姫真珠
    s.item(260);        // 七宝焼き
    s.item(262);        // 瑠璃
    s.item(264);        // 瑪瑙
    s.item(266);        // 紫水晶
    s.after(267, 266);  // 魔ヶ玉
    s.after(268, 267);  // 龍玉
    s.after(270, 268);  // 天宝玉
    s.after(272, 270);  // 虹龍宝玉
    return s.take(held_back);
}

std::vector<ShopLine> fatma_market(const Game& g, int32_t* held_back) {
    Stock s(g);
    const int32_t level = g.combatants[0].level;
    s.header("－－－ 腕 －－－");
    s.chain(310, 319);
    s.header("－－－ 腰 －－－");
    s.item(300);                                 // いたずら王のベルト
    s.item(309, g.state.chest_open_count > 19);  // ﾄﾚｼﾞｬｰﾊﾝﾀｰﾍﾞﾙﾄ
    s.chain(301, 308, 300);  // 喧嘩王のベルト … ホーシオのベルト
    s.after(295, 308);       // 返ってきたﾎｰｼｵのﾍﾞﾙﾄ
    s.header("－－－　謎 －－－");
    for (int32_t first : {650, 660, 670, 680, 690}) s.chain(first, first + 8);
    s.item(324, g.state.kills_vomact > 9);  // 黄金のイヤリング
    if (level > 37) {
        s.run(320, 322);
        s.after(323, 322);
    }
    s.item(334, g.state.kills_vomact > 19);  // 黄金のペンダント
    if (level > 42) {
        s.run(330, 332);
        s.after(333, 332);
    }
    return s.take(held_back);
}

}  // namespace

bool ShopOffersWithMoneyAndLevel(const Game& g, int32_t id) {
    if (id <= 0 || id >= kItemTableSize) return false;
    const ItemRecord& item = g.items[id];
    if (item.name.empty()) return false;
    const bool have = held(g, id);
    const bool once = item.one_only == 0 || !have;
    const bool earned = item.requires_item == 0 || held(g, item.requires_item);
    return once && earned;
}

bool ShopOffers(const Game& g, int32_t id) {
    if (!ShopOffersWithMoneyAndLevel(g, id)) return false;
    const ItemRecord& item = g.items[id];
    const bool have = held(g, id);
    const int64_t money = g.state.money;
    const int64_t level = g.combatants[0].level;
    const bool affordable = have || money + 30 >= item.price;
    const bool within_level = have || level * 200 + 200 >= item.price;
    return affordable && within_level;
}

std::vector<ShopLine> ShopStock(const Game& g, ItemScreen screen, int32_t* held_back) {
    if (held_back) *held_back = 0;
    switch (screen) {
        case ItemScreen::kShop:
            return general_shop(g, held_back);
        case ItemScreen::kArtificer:
            return artificial_shop(g, held_back);
        case ItemScreen::kFatma:
            return fatma_market(g, held_back);
        default:
            return {};
    }
}

std::string ShopPrefix(int32_t count) {
    if (count <= 0) return "   ";
    std::string prefix = count <= 9 ? " " : "";
    prefix += std::to_string(count);
    prefix += ' ';
    return prefix;
}

}  // namespace quill
