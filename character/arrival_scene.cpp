#include "character/arrival_scene.h"

#include <array>
#include <string_view>

#include "explore/story_chapters.h"

namespace quill {
namespace {

// The night of the storm, the fall into the sea and the first morning on the island. Each line
// is clicked through alone in the message log, so every line stays short.
constexpr std::array<std::string_view, 36> kArrivalLines = {
    "ようこそ。島へ",
    "……どこかで、誰かがそう言った。",
    "目を開けても、閉じても、まっくらだった。",
    "波の音。風の音。遠くで鳴る、雷の音。",
    "そうだ。船に乗っていたのだった。",
    "地図の端の、そのまた先をめざす小さな船に。",
    "空がにわかに曇り、海が山のように盛り上がった。",
    "帆が裂け、舵が折れ、船乗りたちが叫んだ。",
    "そのとき、古い無線機がひとりでに鳴りだした。",
    "「メーデー……メーデー……」",
    "助けを求める、あの合図。",
    "けれど、呼んでいたのはこの船ではなかった。",
    "声は、嵐のずっと向こうから聞こえてきた。",
    "どの地図にも載っていない、島の方角から。",
    "「……来て。あなたに、来てほしいの」",
    "大波がひとつ。船は木の葉のように傾いて、",
    "{name}は、夜の海へ投げ出された。",
    "冷たい。重い。息ができない。",
    "沈んでいく体を、何かがそっと押し上げた。",
    "大きな、大きな、手のひらのようなもの。",
    "「だいじょうぶ。まだ、沈ませない」",
    "「この島はね、冒険者を呼ぶの」",
    "「ずっと、あなたみたいな人を待っていた」",
    "「わたしには、ひとつだけ願いがあるから」",
    "「……でも、それはまた今度」",
    "「いまは、おやすみなさい。{name}」",
    "声は、潮が引くように遠ざかっていった。",
    "それから、どれくらい流されたのだろう。",
    "星がひとつ流れ、月がひとつ沈んだ。",
    "波は{name}を、やさしく岸へと運んだ。",
    "白い砂。ヤシの木の影。知らない鳥の声。",
    "島はしずかに、新しい冒険者を迎え入れた。",
    "朝日がのぼる。まぶたの裏が、赤く染まる。",
    "....{name}は目を覚ました",
    "ほっぺたの上で、小さなカニがこちらを見ていた。",
    " ",
};

// The line with every name mark replaced by the adventurer's name.

}  // namespace

std::vector<std::string> ArrivalSceneLines(const std::string& name) {
    std::vector<std::string> lines;
    lines.reserve(kArrivalLines.size());
    for (std::string_view line : kArrivalLines) lines.push_back(PutName(line, name));
    return lines;
}

}  // namespace quill
