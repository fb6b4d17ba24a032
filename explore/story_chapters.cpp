#include "explore/story_chapters.h"

#include <array>
#include <span>
#include <string_view>

namespace quill {
namespace {

// Where a line names the adventurer.

// The chapters keep one log line to a source line.
// clang-format off

// Level 5: Dr. Oku comes down to the beach and tells what the island is.
constexpr std::string_view kChapter30[] = {
    "浜辺に、やわらかな風が吹いている。",
    "{name}が島に流れ着いてから、しばらく経った。",
    "戦うことにも、歩くことにも、少し慣れてきた。",
    "そこへ、虫取り網をかついだ白衣の老人がやって来た。",
    "奥博士「おお、おったおった。探したぞい」",
    "奥博士「わしは奥。森の奥で、虫と島を調べておる」",
    "奥博士「おぬし、嵐の夜に流れ着いたそうじゃな」",
    "奥博士「そして、声を聞いた。……違うかの？」",
    "{name}は、思わずうなずいた。",
    "奥博士「やはりのう。その声の主は、この島じゃよ」",
    "奥博士「信じられんか？　じゃが、ほんとうの話じゃ」",
    "奥博士「この島は生きておる。息をして、夢を見る」",
    "奥博士「そして時々、海の向こうへ合図を送るのじゃ」",
    "奥博士「メーデー、メーデー、とな」",
    "奥博士「その声に応えて来た者を、島は離さん」",
    "奥博士「そういう者を、わしらは冒険者と呼んでおる」",
    "奥博士「島には、ほかにも変わり者が住んでおる」",
    "奥博士「山には山男のヤマオ。岩のように頑固な男じゃ」",
    "奥博士「晴れたり泣いたり忙しい、サニー・レイニー」",
    "奥博士「なんでも消してしまう手品師、マジカル」",
    "奥博士「まぶしい光と、深い森の緑」",
    "奥博士「……それから、まあ、毒蛾の好きな男もおる」",
    "奥博士「みな、そのうちおぬしを試しに来るじゃろう」",
    "奥博士「この島では、戦いはあいさつのようなものじゃ」",
    "奥博士「負けても気にするな。島が拾ってくれる」",
    "奥博士「わしにはの、島の声はもう聞こえんのじゃ」",
    "奥博士「若いころは、よう聞こえたんじゃがなあ」",
    "博士は、少しさみしそうに海を見た。",
    "奥博士「強くなれ、{name}。島はおぬしを見ておる」",
    "奥博士「いつか、島がなぜおぬしを呼んだのかわかる」",
    "そう言うと、博士は網をふりふり森へ帰っていった。",
    "波が寄せて、返す。まるで島の寝息のように。",
    "{name}の冒険が、ほんとうに始まろうとしていた。",
};

// Level 10: the island speaks in a dream, at the door of the entrance of fate.
constexpr std::string_view kChapter31[] = {
    "その夜、{name}は不思議な夢を見た。",
    "足もとから、海の底まで続く長い階段がある。",
    "階段の先には、苔むした大きな扉がひとつ。",
    "扉には、古い文字でこう刻まれていた。",
    "『呼ばれし者よ、ここは運命の入り口』",
    "「……聞こえますか、{name}」",
    "あの嵐の夜の声だった。",
    "島「あの夜、あなたを呼んだのは、わたしです」",
    "島「嵐も、無線機も、大波も、ぜんぶわたし」",
    "島「……ちょっと、やりすぎました。ごめんなさい」",
    "島「でも、どうしても来てほしかったの」",
    "島「あなたはもう、運命の入り口に立っています」",
    "島「この扉を開けるかどうかは、あなたが決めて」",
    "{name}は、扉の取っ手に手をかけた。",
    "冷たいはずの扉が、ほんのりと温かかった。",
    "島「……ありがとう。もう少し強くなったら、話します」",
    "目を覚ますと、枕もとに小さな貝殻がひとつあった。",
};

// Level 15: the island was a fallen piece of heaven, and heaven wants it back.
constexpr std::string_view kChapter32[] = {
    "夕暮れ、空がにわかにかき曇った。",
    "島のまん中から、金色の光が一本、空へ伸びた。",
    "光はすぐに消え、島じゅうの鳥がいっせいに飛び立った。",
    "島「{name}。約束どおり、わたしの願いを話します」",
    "島「わたしは昔、空の上にありました」",
    "島「天界と呼ばれる場所の、小さなかけらでした」",
    "島「ある日、雲のすき間から落っこちたの」",
    "島「落ちた先が、この青い海でした」",
    "島「波があって、風があって、虫や鳥がやって来た」",
    "島「人が住みついて、笑ったり、ケンカしたりした」",
    "島「わたしは、ここが大好きになりました」",
    "島「でも天界は、落とし物を忘れてはいなかった」",
    "島「いつか天界からの使者が、わたしを迎えに来ます」",
    "島「空へ戻れば、わたしの上のものはみんな海の底」",
    "島「だから、わたしの願いはひとつだけ」",
    "島「ずっと、ここにいたい。みんなと一緒に」",
    "島「そのために、{name}の力を貸してほしいの」",
    "光の消えたあたりで、星がひとつ、冷たく瞬いた。",
};

// Level 20: Dr. Oku, the Poison Moth Doctor and the robot they built together.
constexpr std::string_view kChapter33[] = {
    "森の研究所で、奥博士がお茶をいれてくれた。",
    "奥博士「島の願いを聞いたか。……そうか」",
    "奥博士「では、わしの古い友の話をしておこうかの」",
    "奥博士「昔、わしには研究仲間がおった」",
    "奥博士「蝶より蛾が好きな、変わった男じゃった」",
    "奥博士「今では、毒蛾博士などと名乗っておる」",
    "奥博士「わしらも若いころ、島の願いを聞いたのじゃ」",
    "奥博士「じゃが、二人とも戦うのが苦手でのう」",
    "奥博士「そこで、冒険者を作ってしまうことにした」",
    "奥博士「鉄の体に、勇気の回路。ボウケンロボットじゃ」",
    "奥博士「よく働く、よい子じゃった。じゃがの……」",
    "奥博士「あの子には、島の声が聞こえなんだ」",
    "奥博士「あいつは、心を作れなんだ自分を責め続けた」",
    "奥博士「わしは、もうやめようと言ってしまった」",
    "奥博士「それきり、あいつとは口をきいておらん」",
    "奥博士「ロボットも、どこかで眠ったままじゃろう」",
    "奥博士「もし会ったら、伝えてくれんか。{name}」",
    "奥博士「……茶を二人分いれて待っとる、とな」",
};

// Level 25: the pact. The island carries the fallen back to the beach; in return the
// adventurer stands with it when the messenger comes.
constexpr std::string_view kChapter34[] = {
    "満月の夜。浜辺の砂が、ぼんやりと光っていた。",
    "島「{name}。あらためて、契りを結びましょう」",
    "島「あなたがこの島にいるかぎり、わたしが守ります」",
    "島「倒れても、何度でも浜辺へ運んであげる」",
    "島「そのかわり、天界からの使者が来たそのときは」",
    "島「わたしの前に立って、一緒に戦ってください」",
    "{name}は、光る砂に手のひらを重ねた。",
    "砂はくすぐったそうに、さらさらと鳴った。",
    "島「……契りは結ばれました。もう、ひとりじゃない」",
    "手のひらに、小さな島の形のあざが残っていた。",
};

// Level 30: Yamao tells of the one the island called before, now the swordsman Yoiyami.
constexpr std::string_view kChapter35[] = {
    "山の上で、ヤマオが焚き火をしていた。",
    "ヤマオ「おめえの前にも、島に呼ばれたやつがいた」",
    "ヤマオ「剣の腕が立って、よく笑う、いいやつだった」",
    "ヤマオ「この焚き火で、よく一緒に肉を焼いたもんだ」",
    "ヤマオ「昔、天界の使者がいっぺん下見に来てな」",
    "ヤマオ「あいつは一人で挑んで、手も足も出なかった」",
    "ヤマオ「それから、あいつは笑わなくなった」",
    "ヤマオ「今じゃ暗黒剣士ヨイヤミなんて名乗ってやがる」",
    "ヤマオ「日が沈んだまま、朝を待ってるようなもんだ」",
    "ヤマオ「{name}。おめえは、一人で背負うなよ」",
};

// Level 35: the three the island has recognised, who will stand beside the adventurer.
constexpr std::string_view kChapter36[] = {
    "島「{name}。あなたの仲間のことを話しておきます」",
    "島「この島には、わたしが認めた者が三人います」",
    "島「山と語らう男、ヤマオ」",
    "島「陽だまりのように、まっすぐな光」",
    "島「森の奥で、静かに根を張る緑」",
    "島「三人とも、ぶっきらぼうで、少し不器用」",
    "島「でも、いざとなれば必ずあなたの隣に立ちます」",
    "島「あなたで四人目。……わたし、欲張りかしら」",
    "遠くの山で、森で、陽だまりで、誰かがくしゃみをした。",
};

// Level 40: heaven notices who the island has been hiding; the island calls the adventurer
// to its centre to test them itself.
constexpr std::string_view kChapter37[] = {
    "その日、空から白い羽根が一枚、舞い落ちてきた。",
    "羽根は{name}の肩にとまり、ふっと消えた。",
    "遠い空の上から、知らない声が降ってきた。",
    "「……見つけたぞ。島の呼び声に応えた者よ」",
    "「島の隠し事の正体は、おまえだったか」",
    "島「……気付かれてしまいました」",
    "島「もう時間がありません。支度ができたら島のまん中へ」",
    "島「使者と戦えるかどうか、わたしが確かめます」",
    "島「手加減はしません。{name}、覚悟してね」",
};

// After the first win over the island: the old song is entrusted to the adventurer and the
// messenger from heaven comes down over the north of the island.
constexpr std::string_view kChapter38[] = {
    "島のまん中で、大地がゆっくりと静まっていった。",
    "島「……ふふ。負けちゃった」",
    "島「強くなりましたね、{name}」",
    "島「嵐の夜、波間でもがいていた人とは思えない」",
    "島「合格です。あなたに、伝説を託します」",
    "島「天界のかけらが海に落ちた、そのあとのこと」",
    "島「最初に住みついた人たちが、歌を残しました」",
    "『島が呼ぶとき　海の向こうより　ひとり来たる』",
    "『山と光と緑、三つの心がそれに並び』",
    "『島と手を取りて　天の使いを退けん』",
    "島「歌の中の『ひとり』は、ずっと空っぽでした」",
    "島「そこに立とうとしてくれた人も、いたけれど」",
    "島「いまは、あなたの名前が入っています」",
    "島「{name}。伝説の続きは、あなたが書いて」",
    "そのとき、島の北の空がまっぷたつに裂けた。",
    "裂け目から、まばゆい光の階段が降りてくる。",
    "階段のいちばん上に、白い翼の影が立っていた。",
    "天界からの使者「迎えに来たぞ、天のかけらよ」",
    "天界からの使者「寄り道は、もう十分だろう」",
    "島「いやです。わたしは、ここにいる」",
    "天界からの使者「ならば、その冒険者ごと連れ帰るまで」",
    "光の階段は、そのまま島の北の空に残った。",
    "海が鳴る。空が鳴る。大地が低くうなる。",
    "島「{name}。……一緒に、行ってくれますか」",
    "{name}は、北の空をまっすぐに見上げた。",
};

// After the first death, whenever it comes: waking on the beach again.
constexpr std::string_view kChapter39[] = {
    "気がつくと、{name}は浜辺に寝ころんでいた。",
    "体じゅうが痛い。……そうだ、倒れたのだった。",
    "波の音が、あの嵐の夜と同じように聞こえる。",
    "「……おかえりなさい」",
    "「倒れるのは、はずかしいことじゃないわ」",
    "「太陽だって、毎日いちど海に沈むもの」",
    "「それでも朝になれば、ちゃんと昇ってくる」",
    "「あなたも、そうやって強くなっていくの」",
    "「だから、今日はゆっくり休んで。{name}」",
    "背中の砂が、ほんのりと温かかった。",
    "{name}は、ゆっくりと立ち上がった。",
    "空は、今日もきれいに晴れていた。",
};

// clang-format on

constexpr int kFirstChapterFlag = 30;

// The chapters by event flag, from flag 30.
constexpr std::array<std::span<const std::string_view>, 10> kChapters = {
    kChapter30, kChapter31, kChapter32, kChapter33, kChapter34,
    kChapter35, kChapter36, kChapter37, kChapter38, kChapter39,
};

static_assert(std::size(kChapter30) == 33 && std::size(kChapter31) == 17 &&
              std::size(kChapter32) == 18 && std::size(kChapter33) == 18 &&
              std::size(kChapter34) == 10 && std::size(kChapter35) == 10 &&
              std::size(kChapter36) == 9 && std::size(kChapter37) == 9 &&
              std::size(kChapter38) == 25 && std::size(kChapter39) == 12);

// The line with every name mark replaced by the adventurer's name.

}  // namespace

std::string PutName(std::string_view line, const std::string& name) {
    std::string out;
    for (;;) {
        const size_t mark = line.find(kStoryNameMark);
        out.append(line.substr(0, mark));
        if (mark == std::string_view::npos) return out;
        out.append(name);
        line.remove_prefix(mark + kStoryNameMark.size());
    }
}

std::vector<std::string> StoryChapterLines(int event_flag, const std::string& name) {
    const int index = event_flag - kFirstChapterFlag;
    if (index < 0 || index >= static_cast<int>(kChapters.size())) return {};
    std::vector<std::string> lines;
    lines.reserve(kChapters[index].size());
    for (std::string_view line : kChapters[index]) lines.push_back(PutName(line, name));
    return lines;
}

}  // namespace quill
