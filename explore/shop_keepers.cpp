#include "explore/shop_keepers.h"
#include "state/sequence_steps.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "audio/sound.h"
#include "battle/sequencer.h"
#include "items/item_panel.h"
#include "platform/random.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::random;
using Lines = std::span<const std::string_view>;

// The tool seller of the harbour: a plain man who has seen many adventurers come and go.
constexpr std::string_view kTools0[] = {
    "どうぐの人「いらっしゃい。見ていくだけでも構わないよ」",
};
constexpr std::string_view kTools1[] = {
    "どうぐの人「おっ、{name}さん。今日は何が入り用だい？」",
};
constexpr std::string_view kTools2[] = {
    "どうぐの人「ずいぶん腕を上げたみたいだね。顔つきが違う",
    "　いい刀も入ってるよ。懐と相談してみておくれ」",
};
constexpr std::string_view kTools3[] = {
    "どうぐの人「島に来る冒険者は多いけど、{name}さんほど",
    "　長く続いてる人は珍しい。たいていは森で倒れて帰っちまう",
    "　うちの品で少しでも長生きしてくれりゃ、商売冥利に尽きるさ」",
};
constexpr std::string_view kTools4[] = {
    "どうぐの人「ホーシオって名前の品がたまに流れてくるんだ。",
    "　誰が作ってるのか知らないけど、腕は確かだよ」",
};

// The maker of artificial ホーシオ: quick-spoken, proud of a craft nobody else understands.
constexpr std::string_view kArtificial0[] = {
    "人工の人「おや、客かい。こんな所まで来るとは物好きだね」",
};
constexpr std::string_view kArtificial1[] = {
    "人工の人「天然のホーシオは滅多に見つからないだろう？",
    "　だから作ったのさ。形は似せたが、中身はちょっと控えめだよ」",
};
constexpr std::string_view kArtificial2[] = {
    "人工の人「店の品は毎回入れ替わる。気まぐれに作ってるからね",
    "　欲しいのが無けりゃ、また来ればいい」",
};
constexpr std::string_view kArtificial3[] = {
    "人工の人「{name}、ホーシオの書き物は読んだかい？",
    "　メモ、手記、日記……読むほどにホーシオを多く身につけられる",
    "　あいつは戦いより書くことの方が好きだったのかもしれない",
    "　一冊ずつしか手に入らない。順番に読んでいくといいよ」",
};
constexpr std::string_view kArtificial4[] = {
    "人工の人「左手の指輪もあるよ。真珠は海の底から拾ってきた",
    "　どれも一点物さ。気に入ったなら早い者勝ちだ」",
};

// ファトマ, captain of the ship: keeps a market on deck once she has been beaten.
constexpr std::string_view kFatma0[] = {
    "ファトマ「ファトマ号市へようこそ！　さあ見ていきな！」",
};
constexpr std::string_view kFatma1[] = {
    "ファトマ「あんたに負けてから、船の商売も悪くないと思ってね",
    "　腕当てもベルトも、海の向こうから仕入れた上物さ」",
};
constexpr std::string_view kFatma2[] = {
    "ファトマ「『謎』の棚の品は、持ってるだけで力になるよ",
    "　一つ持ったら次のが出せる。順番ってものがあるのさ」",
};
constexpr std::string_view kFatma3[] = {
    "ファトマ「{name}、ヴォマクトをたくさん倒したんだって？",
    "　そういう奴にだけ見せる金色の品があるんだよ」",
};
constexpr std::string_view kFatma4[] = {
    "ファトマ「次の港までは長い。買い物は今のうちに済ませな",
    "　そしてまた、いつか勝負しようじゃないか」",
};

constexpr std::array<std::array<Lines, 5>, 3> kGreetings = {{
    {kTools0, kTools1, kTools2, kTools3, kTools4},
    {kArtificial0, kArtificial1, kArtificial2, kArtificial3, kArtificial4},
    {kFatma0, kFatma1, kFatma2, kFatma3, kFatma4},
}};

std::string put_name(std::string_view line, const std::string& name) {
    std::string out(line);
    const std::string_view mark = "{name}";
    for (size_t at = out.find(mark); at != std::string::npos; at = out.find(mark, at)) {
        out.replace(at, mark.size(), name);
        at += name.size();
    }
    return out;
}

// The greeting step: higher levels unlock the later greetings.
void greet(Game& g, Keeper keeper, int32_t level_step) {
    const int32_t level = g.adventurer().level;
    const int32_t reach = random(level / level_step + (keeper == Keeper::Fatma ? 0 : 2));
    const int32_t variant = random(std::min(reach, 5));
    const std::vector<std::string> lines = KeeperGreeting(keeper, variant, g.adventurer().name);
    for (size_t i = 0; i + 1 < lines.size(); ++i) LogLine(g, lines[i]);
    LogLineAndWait(g, lines.empty() ? std::string() : lines.back());
}

void open_shop(Game& g, ItemScreen screen) {
    g.item_screen = screen;
    g.panel_selection = -1;
    RefreshItemPanel(g);
}

void tools_greeting(Game& g) {
    greet(g, Keeper::Tools, 5);
}
void tools_shop(Game& g) {
    open_shop(g, ItemScreen::kShop);
}
void artificial_greeting(Game& g) {
    greet(g, Keeper::Artificial, 5);
}
void artificial_shop(Game& g) {
    open_shop(g, ItemScreen::kArtificer);
}
void fatma_greeting(Game& g) {
    greet(g, Keeper::Fatma, 10);
}
void fatma_shop(Game& g) {
    open_shop(g, ItemScreen::kFatma);
}

}  // namespace

std::vector<std::string> KeeperGreeting(Keeper keeper, int variant, const std::string& name) {
    if (variant < 0 || variant >= 5) return {};
    std::vector<std::string> out;
    for (std::string_view line : kGreetings[static_cast<size_t>(keeper)][variant]) {
        out.push_back(put_name(line, name));
    }
    return out;
}

void RegisterShopKeeperSteps(Game& g) {
    RegisterStep(g, step::kToolShopGreeting, tools_greeting);
    RegisterStep(g, step::kToolShop, tools_shop);
    RegisterStep(g, step::kArtificerGreeting, artificial_greeting);
    RegisterStep(g, step::kArtificerShop, artificial_shop);
    RegisterStep(g, step::kFatmaGreeting, fatma_greeting);
    RegisterStep(g, step::kFatmaShop, fatma_shop);
}

}  // namespace quill
