#include "explore/battle_dialogue.h"

#include <array>
#include <span>
#include <string_view>

#include "explore/story_chapters.h"

namespace quill {
namespace {

// What one named form says before its battle and after it falls.
struct FormLines {
    std::string_view form;
    std::span<const std::string_view> before;
    std::span<const std::string_view> after;
};

// Each form keeps one log line to a source line, as the chapters do. The third form of a
// character is met while the island's call is at its height: the island cries "メーデー"
// and everyone who lives on it hears it.
// clang-format off

// ---- Battle 2: Yamao of the mountain, who says "おれ" and "おめえ".

constexpr std::string_view kYamaoBefore[] = {
    "岩だらけの山道を登ると、大男が道をふさいでいた。",
    "山男「なんだ、見ねえ顔だな」",
    "山男「……ああ。嵐の夜に流れ着いたってのは、おめえか」",
    "山男「おれはヤマオ。この山で暮らしてる」",
    "ヤマオ「この島じゃ、拳で話すのがあいさつだ」",
    "ヤマオ「さあ、来な。おめえの腹の中、見せてもらうぜ」",
};
constexpr std::string_view kYamaoAfter[] = {
    "ヤマオ「へっ……やるじゃねえか」",
    "ヤマオ「細っこいくせに、芯はしっかりしてやがる」",
    "ヤマオ「気に入った。腹が減ったら山に来な。肉を焼いてやる」",
};

constexpr std::string_view kYamaoAgainBefore[] = {
    "山の上で、ヤマオが腕を組んで待っていた。",
    "ヤマオ「おう、{name}。また来やがったな」",
    "ヤマオ「この前は、ちっと油断しただけだ」",
    "ヤマオ「今日は山の火を腹に入れてきた。熱いぜ」",
};
constexpr std::string_view kYamaoAgainAfter[] = {
    "ヤマオ「くそっ……。また負けちまった」",
    "ヤマオ「だが、悪くねえ。おめえとやると、山が笑う」",
    "ヤマオ「肉、焼けてるぞ。食ってけ」",
};

constexpr std::string_view kYamaoMaydayBefore[] = {
    "山が、赤く燃えていた。",
    "火口から噴き出す炎が、夜空を焦がしている。",
    "その炎の中に、ヤマオが立っていた。",
    "ヤマオ「……聞こえるか、{name}。島が叫んでやがる」",
    "ヤマオ「メーデー、メーデーってな。頭が割れそうだ」",
    "ヤマオ「おれは昔、あいつを一人で行かせちまった」",
    "ヤマオ「あいつは負けて、それきり笑わなくなった」",
    "ヤマオ「おめえまで、ああなっちまったら……」",
    "ヤマオ「だから確かめる。おめえが折れねえかどうか」",
    "ヤマオ「手加減はしねえ。死ぬ気で来やがれ！」",
};
constexpr std::string_view kYamaoMaydayAfter[] = {
    "燃えさかっていた山の火が、少しずつおさまっていく。",
    "ヤマオ「……はあ、はあ。折れねえな、おめえは」",
    "ヤマオ「すまねえ。島の声にあてられて、どうかしてた」",
    "ヤマオ「{name}。おめえは一人じゃねえ。忘れんなよ」",
};

// ---- Battle 3: Dr. Oku of the deep forest, who says "わし", "じゃ" and "のう".

constexpr std::string_view kOkuBefore[] = {
    "森の奥の研究所の前で、奥博士が虫取り網を構えていた。",
    "奥博士「ほっほ、{name}か。よう来たのう」",
    "奥博士「言うたじゃろう。この島では、戦いはあいさつじゃと」",
    "奥博士「年寄りじゃとて、あなどるでないぞ」",
    "奥博士「わしの虫たちも、今日は腕が鳴っておる」",
    "奥博士「さあ、一手お相手願おうかの」",
};
constexpr std::string_view kOkuAfter[] = {
    "奥博士「あいたた……。腰にきたわい」",
    "奥博士「いや、見事じゃった。島が見込んだだけはある」",
    "奥博士「帰りは、足もとの甲虫を踏まんようにの」",
};

constexpr std::string_view kOkuAgainBefore[] = {
    "研究所の窓から、ふしぎな色の煙がもくもくと出ていた。",
    "奥博士「おお、{name}。ちょうどよいところに来た」",
    "奥博士「新しい虫よけ薬……いや、虫強化薬ができての」",
    "奥博士「ためしに、わしが飲んでみたところじゃ」",
    "奥博士「体が軽い軽い！　ほれ、相手をせい！」",
};
constexpr std::string_view kOkuAgainAfter[] = {
    "奥博士「……薬が切れたわい。年には勝てんのう」",
    "奥博士「じゃが、おぬしの伸びようには、もっと勝てん」",
    "奥博士「この薬は、棚の奥にしまっておくとしよう」",
};

constexpr std::string_view kOkuMaydayBefore[] = {
    "森じゅうの虫が、いっせいに鳴きやんだ。",
    "研究所の前に、奥博士がうずくまっていた。",
    "奥博士「……聞こえる。聞こえるんじゃ、{name}」",
    "奥博士「何十年も聞こえなんだ島の声が、耳をつんざく」",
    "奥博士「メーデー、メーデー……。島が泣いておる」",
    "奥博士「わしは結局、なにもしてやれなんだ」",
    "奥博士「ロボットも作った。友も失うた。それでも届かん」",
    "奥博士「せめて、おぬしを鍛えねば。わしの全部で」",
    "奥博士「すまんのう。今日のわしは、手加減ができん」",
};
constexpr std::string_view kOkuMaydayAfter[] = {
    "虫たちが、ひとつ、またひとつと鳴きはじめた。",
    "奥博士「……はあ。ようやく、声が静まったわい」",
    "奥博士「{name}、おぬしは強い。わしの心配など無用じゃ」",
    "奥博士「島を頼むぞ。わしらの分までのう」",
};

// ---- Battle 4: Sunny-Rainy, the island's weather girl, sunny one moment and in tears the next.

constexpr std::string_view kSunnyBefore[] = {
    "空が晴れたり曇ったり、くるくると忙しく変わっている。",
    "サニー・レイニー「やっほー！　あなたが新しい冒険者さん？」",
    "サニー・レイニー「わたしはサニー・レイニー。お天気係だよっ」",
    "サニー・レイニー「今日はいいお天気！　だから、勝負しよ！」",
    "サニー・レイニー「……え、いやなの？　ぐすっ……」",
    "ぽつぽつと、雨が降りはじめた。",
};
constexpr std::string_view kSunnyAfter[] = {
    "サニー・レイニー「うわーん、負けちゃったー！」",
    "ざあざあと雨が降り……すぐに、からりと晴れた。",
    "サニー・レイニー「でも楽しかった！　また遊ぼうね！」",
};

constexpr std::string_view kSunnyAgainBefore[] = {
    "サニー・レイニー「あっ、{name}だ！　会いたかったー！」",
    "サニー・レイニー「あのね、雨ごいの新しいおどりを覚えたの」",
    "サニー・レイニー「見ててね。……えいっ！」",
    "空から、バケツをひっくり返したような雨が降ってきた。",
    "サニー・レイニー「……あれ？　ちょっと降らせすぎちゃった？」",
};
constexpr std::string_view kSunnyAgainAfter[] = {
    "サニー・レイニー「ぐすっ……。また負けたぁ」",
    "サニー・レイニー「でも、虹が出たからいいや！」",
    "雨上がりの空に、大きな虹がかかっていた。",
};

constexpr std::string_view kSunnyMaydayBefore[] = {
    "空がまっ黒な雲におおわれ、稲妻が走った。",
    "あの嵐の夜と、同じ空だった。",
    "サニー・レイニー「止まらないの……。雨が、止まらないの」",
    "サニー・レイニー「島がずっと泣いてるの。メーデーって」",
    "サニー・レイニー「お天気係なのに、晴れにできないの」",
    "サニー・レイニー「{name}、お願い。わたしを止めて」",
    "サニー・レイニー「このままじゃ、島じゅう沈んじゃう……！」",
};
constexpr std::string_view kSunnyMaydayAfter[] = {
    "雨が、ふっと止んだ。",
    "雲のすき間から、ひとすじの光が差しこんでくる。",
    "サニー・レイニー「……晴れた。晴れたよ、{name}」",
    "サニー・レイニー「ありがとう。もう泣かない……たぶん」",
};

// ---- Battle 5: Hikaru, blunt and straight as a patch of sunlight, who says "あたし".

constexpr std::string_view kHikaruBefore[] = {
    "まぶしい陽だまりの中で、誰かが腕を組んで立っていた。",
    "光「……あんたが、島に呼ばれたっていうやつ？」",
    "光「あたしは光。回りくどいのはきらい」",
    "光「島があんたを選んだなら、あたしも確かめる」",
    "光「まっすぐ来な。まっすぐ返すから」",
};
constexpr std::string_view kHikaruAfter[] = {
    "光「……っ。負けた」",
    "光「悪くない。あんたの目、まっすぐだった」",
    "光「次は負けない。覚えときな」",
};

constexpr std::string_view kHikaruAgainBefore[] = {
    "光「来たね、{name}。……また、やろう」",
    "光「あたし、あれから毎朝、日の出と一緒に修行した」",
    "光「お日さまは、沈んでも何度でも昇る」",
    "光「だから、あたしも何度でも挑む。いくよ」",
};
constexpr std::string_view kHikaruAgainAfter[] = {
    "光「……また負けた。でも、昨日のあたしよりは強い」",
    "光「明日のあたしは、もっと強い。待ってな」",
};

constexpr std::string_view kHikaruMaydayBefore[] = {
    "あたりが、目を開けていられないほど白く光っていた。",
    "まぶしさの中心に、光がひとり、立ちつくしている。",
    "光「……島の声がうるさくて、眠れないんだ」",
    "光「メーデー、メーデー。助けて、助けてって」",
    "光「あたしがもっと強ければ、島は泣かなくてすむのに」",
    "光「あたしの光、もう自分でも止められない」",
    "光「{name}。……あたしを、止めてみせて」",
    "光「全部まとめて、焼きつくしちゃう前に！」",
};
constexpr std::string_view kHikaruMaydayAfter[] = {
    "まぶしすぎた光が、やわらかな陽だまりに戻っていく。",
    "光「……ごめん。ありがと、{name}」",
    "光「一人で強くなろうとしてた。ばかだね、あたし」",
    "光「今度は、あんたの隣で光るよ」",
};

// ---- Battle 6: Magical, the conjurer who makes anything vanish, who says "ワタクシ".

constexpr std::string_view kMagicalBefore[] = {
    "浜辺に、いつの間にか小さな舞台ができていた。",
    "マジカル「さあさ、お立ち会い！」",
    "マジカル「ワタクシ、島一番の手品師マジカルでございます」",
    "マジカル「今宵お目にかけますのは、人間消失の術」",
    "マジカル「消えますのは、もちろん……あなた様！」",
};
constexpr std::string_view kMagicalAfter[] = {
    "マジカル「おっと。消えたのは、ワタクシの自信でございました」",
    "マジカル「お見事。本日の主役は、あなた様でございます」",
    "マジカルは深々と一礼すると、煙とともに消えた。",
};

constexpr std::string_view kMagicalAgainBefore[] = {
    "マジカル「ようこそ、{name}様。再演の舞台へ！」",
    "マジカル「前回の失敗は、ネタ帳から消しておきました」",
    "マジカル「本日の演目は、大脱出ならぬ大水没！」",
    "マジカル「種も仕掛けも、たっぷりございますよ」",
};
constexpr std::string_view kMagicalAgainAfter[] = {
    "マジカル「ぬう……。拍手をさらうのは、またあなた様か」",
    "マジカル「次の公演までに、新しい種を仕込んでまいります」",
};

constexpr std::string_view kMagicalMaydayBefore[] = {
    "舞台の明かりが、ひとつ、またひとつと消えていく。",
    "客席には、誰もいなかった。",
    "マジカル「……ようこそ、{name}様。最後の公演へ」",
    "マジカル「島が泣いております。メーデー、メーデーと」",
    "マジカル「ワタクシは手品師。なんでも消してみせます」",
    "マジカル「ならば、島の悲しみも消してしまえばよい」",
    "マジカル「天界も、使者も、涙も、何もかも」",
    "マジカル「……ワタクシも、あなた様も、ね」",
    "マジカル「さあ、開演でございます」",
};
constexpr std::string_view kMagicalMaydayAfter[] = {
    "消えかけていた舞台の明かりが、ぱっと戻った。",
    "マジカル「……ワタクシとしたことが、演目を誤りました」",
    "マジカル「悲しみは、消すものではございませんね」",
    "マジカル「{name}様。おかげで目が覚めました」",
};

// ---- Battle 7: Midori, the quiet ninja who keeps the deep forest.

constexpr std::string_view kMidoriBefore[] = {
    "深い森の中。木の葉が一枚も揺れていない。",
    "背後で、かすかに枝が鳴った。",
    "緑「……気付いたか。悪くない」",
    "緑「名は緑。この森の番をしている」",
    "緑「島に選ばれた者の腕、見せてもらう」",
    "緑「……参る」",
};
constexpr std::string_view kMidoriAfter[] = {
    "緑「……見事だ」",
    "緑「森は、おまえを通すだろう」",
    "緑の姿は、葉ずれの音とともに消えていた。",
};

constexpr std::string_view kMidoriAgainBefore[] = {
    "森が、前よりいっそう深く、暗く茂っていた。",
    "緑「……また来たか、{name}」",
    "緑「あれから、森の奥のさらに奥で根を張った」",
    "緑「葉は重なるほど、色が濃くなる」",
    "緑「今の緑を、見せよう。……参る」",
};
constexpr std::string_view kMidoriAgainAfter[] = {
    "緑「……まだ、浅いか」",
    "緑「だが、おまえと刃を交えると、森がよく育つ」",
    "緑「また来い。茶くらいは出す」",
};

// ---- Battle 8: the Poison Moth Doctor, Dr. Oku's old friend, who says "吾輩".

constexpr std::string_view kPoisonMothBefore[] = {
    "紫のマントの男が、毒々しい蛾の群れを連れて現れた。",
    "毒蛾博士「フハハハ！　よくぞ来た、冒険者よ！」",
    "毒蛾博士「吾輩こそ島一番の天才科学者、毒蛾博士である！」",
    "毒蛾博士「奥のやつに何を吹きこまれたかは知らん」",
    "毒蛾博士「だが、吾輩の鱗粉を浴びて立っていられるかな？」",
};
constexpr std::string_view kPoisonMothAfter[] = {
    "毒蛾博士「ば、ばかな……。吾輩の毒蛾たちが……」",
    "{name}は、奥博士の言葉を伝えた。",
    "毒蛾博士「……茶を、二人分だと？」",
    "毒蛾博士「ふん。そんな茶など、とうに冷めておるわ」",
    "毒蛾博士はそっぽを向いた。マントが、少し震えていた。",
};

constexpr std::string_view kPoisonMothAgainBefore[] = {
    "毒蛾博士「フハハ！　吾輩、帰って来たぞ！」",
    "毒蛾博士「勘違いするな。奥の茶を飲みに行ったのではない」",
    "毒蛾博士「……ちょっと、湯のみを返しに行っただけである」",
    "毒蛾博士「ついでに新しい毒蛾も育てた。受けてみよ！」",
};
constexpr std::string_view kPoisonMothAgainAfter[] = {
    "毒蛾博士「ぐぬぬ……。またしても」",
    "毒蛾博士「{name}よ。奥のやつが、貴様の話ばかりしおる」",
    "毒蛾博士「……茶は、ぬるいほうが飲みやすいのである」",
};

// ---- Battle 9: the Adventuring Robot the two doctors built, asleep in the laboratory.

constexpr std::string_view kRobotBefore[] = {
    "研究所の奥で、古い鉄の体が眠っていた。",
    "近づくと、胸のランプがちかちかと光った。",
    "ボウケンロボット「ピピッ。キドウ、カンリョウ」",
    "ボウケンロボット「ワタシハ、ボウケンシャ、デス」",
    "ボウケンロボット「アナタモ、ボウケンシャ？　ショウブ、シマス」",
    "ボウケンロボット「ボウケンシャハ、タタカッテ、ツヨクナル」",
};
constexpr std::string_view kRobotAfter[] = {
    "ボウケンロボット「ピ……ガガ……。マケ、マシタ」",
    "ボウケンロボット「ムネノカイロガ、アツイ。コレハ、ナニ？」",
    "{name}は、奥博士と毒蛾博士の話をした。",
    "ボウケンロボット「ハカセタチ……。アイタイ、デス」",
};

constexpr std::string_view kRobotAgainBefore[] = {
    "ボウケンロボット「サイキドウ、カンリョウ。オハヨウゴザイマス」",
    "ボウケンロボット「{name}、キオク、シテイマス」",
    "ボウケンロボット「ハカセタチガ、ナオシテクレマシタ。フタリデ」",
    "ボウケンロボット「アタラシイ、ユウキノカイロ。タメシマス」",
};
constexpr std::string_view kRobotAgainAfter[] = {
    "ボウケンロボット「マタ、マケマシタ。デモ、タノシイ」",
    "ボウケンロボット「……ピピッ。イマ、ナニカ、キコエマシタ」",
    "ボウケンロボット「ワタシニモ、シマノコエ。スコシダケ」",
};

// ---- Battle 10: Yoiyami, the one the island called before, who lost to heaven alone.

constexpr std::string_view kYoiyamiBefore[] = {
    "日の沈んだ浜辺に、黒い影がひとつ立っていた。",
    "ヨイヤミ「……おまえが、今の『呼ばれし者』か」",
    "ヨイヤミ「俺も昔、島に呼ばれた。あの声を聞いてな」",
    "ヨイヤミ「そして天界の使者に一人で挑み、負けた」",
    "ヨイヤミ「あれは、人が勝てる相手ではない」",
    "ヨイヤミ「俺に勝てぬようなら、島など背負うな」",
    "ヨイヤミ「抜け。……夜は長いぞ」",
};
constexpr std::string_view kYoiyamiAfter[] = {
    "ヨイヤミ「……強いな。あの頃の俺より、ずっと」",
    "ヨイヤミ「いや、違うか。おまえは、一人で戦っていない」",
    "ヨイヤミ「ヤマオのやつに、よろしく言っておいてくれ」",
    "ほんの少しだけ、ヨイヤミの口もとがゆるんだ気がした。",
};

// ---- Battle 11: Fatma, mistress of the travelling merchant ship.

constexpr std::string_view kFatmaBefore[] = {
    "沖に、色とりどりの旗をかかげた船が停まっていた。",
    "船に上がると、日焼けした女が樽に腰かけていた。",
    "ファトマ「いらっしゃい。わたしはファトマ、この船の主よ」",
    "ファトマ「島から島へ、海を渡って品物を売り歩いてるの」",
    "ファトマ「ただし、商売の相手は強いお客だけ」",
    "ファトマ「お代は腕で払ってもらうわ。さあ、商談開始よ！」",
};
constexpr std::string_view kFatmaAfter[] = {
    "ファトマ「……まいった。いい腕してるじゃない」",
    "ファトマ「商談成立。今日からあなたはお得意さまよ」",
    "ファトマ「この船の店、いつでものぞいていってね」",
};

// ---- Battle 12: the island itself, testing the adventurer at its centre.

constexpr std::string_view kIslandBefore[] = {
    "島のまん中。大地の底から、低い鼓動が聞こえる。",
    "島「来てくれましたね、{name}」",
    "島「使者はとても強い。わたしが一番よく知っています」",
    "島「だから、わたし自身で確かめます。あなたの力を」",
    "島「大地も、海も、風も、ぜんぶ相手です」",
    "島「……いきます！」",
};
constexpr std::string_view kIslandAfter[] = {
    "地鳴りがやみ、潮の香りを運ぶ風が戻ってきた。",
    "島「はあ……。本気、だったんですよ？」",
    "島「あなたの一撃ごとに、手のひらのあざが光っていました」",
};

constexpr std::string_view kIslandMaydayBefore[] = {
    "島じゅうが、激しく揺れていた。",
    "空から、海から、地の底から、同じ声がひびく。",
    "「メーデー！　メーデー！　メーデー！」",
    "島「こわい……。こわいの、{name}」",
    "島「空へ引っぱられる。みんなが、海に沈んじゃう」",
    "島「声が止まらない。わたしにも、止められない」",
    "島「誰でもいい。誰か、誰か来て……！」",
    "手のひらのあざが、焼けるように熱くなった。",
    "契りを結んだ夜の、砂の温かさを思い出す。",
    "{name}は、叫び続ける大地を踏みしめた。",
};
constexpr std::string_view kIslandMaydayAfter[] = {
    "叫び声が、少しずつ寝息のような音に変わっていった。",
    "島「……{name}。そこに、いてくれたのね」",
    "島「ごめんなさい。取り乱しちゃった」",
    "島「もう、だいじょうぶ。あなたがいるから」",
};

// ---- Battle 13: the messenger from heaven. Its fall is the ending of the story.

constexpr std::string_view kMessengerBefore[] = {
    "島の北、光の階段の下で、天界からの使者が待っていた。",
    "天界からの使者「来たか。島の呼び声に応えた者よ」",
    "天界からの使者「天のかけらは天へ還る。それが定めだ」",
    "島「いやです。わたしは、ここにいたい」",
    "そのとき、背中のほうで、土を踏む音がした。",
    "ヤマオ「言ったろ。一人で背負うなってな」",
    "光「遅くなった。……ほら、あたしも来たよ」",
    "緑「……森も、共に」",
    "歌のとおりだった。山と光と緑、三つの心が並んでいる。",
    "天界からの使者「……なるほど。あの歌のとおりか」",
    "天界からの使者「ならば見せてみよ。地上の者の力を」",
    "島「{name}。……一緒に、戦って」",
    "{name}は、あざの光る手で武器を握りしめた。",
};
constexpr std::string_view kMessengerAfter[] = {
    "白い翼が大きく揺れ、使者は光の階段にひざをついた。",
    "天界からの使者「……見事だ。地上の者たちよ」",
    "島「{name}……。勝った、の？」",
    "島「ずっと呼んでいたの。メーデー、メーデーって」",
    "島「やっと届いた。あなたが、応えてくれた」",
    "使者が兜を脱ぐ。その顔には、どこか島と同じおもかげがあった。",
    "天界からの使者「わたしとおまえは、同じ天の石から生まれた」",
    "天界からの使者「おまえが落ちた日から、ずっと探していた」",
    "天界からの使者「やがて空の上まで声が届いた。メーデー、と」",
    "天界からの使者「妹が泣いている。わたしは、そう思ったのだ」",
    "島「……おねえさま」",
    "島「ごめんなさい。わたし、ここが好きなの」",
    "天界からの使者「ああ。おまえを守る者たちを見れば、わかる」",
    "天界からの使者「天には、落とし物は見つからぬと伝えよう」",
    "天界からの使者「{name}。おまえも、島に呼ばれて来た者だな」",
    "天界からの使者「望むなら、この階段から故郷の海へ帰してやろう」",
    "浜辺には、いつの間にか島のみんなが集まっていた。",
    "ヤマオ「……行くなら止めねえ。焚き火は、消さずにおく」",
    "奥博士と毒蛾博士が、並んで湯のみを持っている。",
    "奥博士「達者でのう。わしらも、ようやく茶飲み友達じゃ」",
    "サニー・レイニーは泣きながら笑っていた。空は天気雨だ。",
    "光「泣かないよ。……あたし、泣かないからね」",
    "緑「……どこにいても、森はおまえを覚えている」",
    "ヨイヤミが、小さく笑った。ヤマオが目を丸くしている。",
    "{name}は光の階段を見上げた。それから、みんなを見た。",
    "手のひらの島のあざが、ほんのりと温かい。",
    "{name}は、光の階段に背を向けた。",
    "島「……いいの？　帰らなくて、いいの？」",
    "{name}はうなずいた。帰る場所なら、もうここにある。",
    "天界からの使者「……そうか。妹を、頼んだぞ」",
    "光の階段が、ゆっくりと空へほどけていった。",
    "島「ありがとう、{name}。……ようこそ、わたしの島へ」",
    "その夜、島はもうメーデーを呼ばなかった。",
    "波が寄せて、返す。おだやかな、島の寝息のように。",
};

constexpr std::string_view kMessengerAgainBefore[] = {
    "空から、白い羽根が一枚、ひらひらと降ってきた。",
    "天界からの使者「久しいな、{name}。妹は息災か」",
    "天界からの使者「天の目を盗んで、少し顔を見に来た」",
    "天界からの使者「……それと、もうひとつ」",
    "天界からの使者「あの日の勝ちが、まぐれでなかったか確かめたい」",
    "天界からの使者「島を任せた者の腕、鈍ってはおらぬだろうな」",
};
constexpr std::string_view kMessengerAgainAfter[] = {
    "天界からの使者「……まぐれではないな。安心した」",
    "天界からの使者「妹を頼む。たまには、空も見上げてやってくれ」",
    "白い翼は、少し名残おしそうに空へ帰っていった。",
};

// ---- After the ending: the old gods of sea, sky and earth wake and want the island.

constexpr std::string_view kSeaGodBefore[] = {
    "沖の海が、突然まっ黒に盛り上がった。",
    "波の中から、山のように大きな影が首をもたげた。",
    "時数露不「我は時数露不。この海の主なり」",
    "時数露不「天のかけらが我が海に落ちて、幾千年」",
    "時数露不「天が手を放したのなら、島は海のものぞ」",
    "島「{name}、気をつけて。ずっと海の底で眠っていた方よ」",
    "時数露不「島を守る者よ。その力、量らせてもらう」",
};
constexpr std::string_view kSeaGodAfter[] = {
    "時数露不「……ぬう。地上の者に押し返されるとは」",
    "時数露不「よかろう。しばし、海の底で眠るとしよう」",
    "黒い波が引き、海はもとの青さを取り戻した。",
};

constexpr std::string_view kSeaGodAgainBefore[] = {
    "海の底から、地鳴りのようなうなり声が聞こえてくる。",
    "時数露不「眠れぬ。あの日の痛みが、まだ鱗に残っておる」",
    "時数露不「地上の者よ、もう一度だ」",
    "時数露不「今度は、この海ごとかかってゆくぞ」",
    "海がうなり、空の色まで変わっていく。",
};
constexpr std::string_view kSeaGodAgainAfter[] = {
    "時数露不「……見事。我が海に、その名を刻むがよい」",
    "時数露不「{name}。その名、波が覚えておこう」",
    "大きな影は、静かに深みへと帰っていった。",
};

constexpr std::string_view kSkyGodBefore[] = {
    "空の雲が、ぐるぐると渦を巻きはじめた。",
    "雲の上から、太鼓腹の大男がどすんと降りてきた。",
    "雲丸ドン「おいどんが空神・雲丸ドンでごわす！」",
    "雲丸ドン「天界が手を引いたなら、この空はおいどんのもの」",
    "雲丸ドン「空の下の島も、ついでにもらっていくでごわす」",
    "雲丸ドン「文句があるなら、腕ずくで来るでごわす！」",
};
constexpr std::string_view kSkyGodAfter[] = {
    "雲丸ドン「ぐぬぬ……。参った、参ったでごわす」",
    "雲丸ドン「おはん、細いのに強か。気に入ったでごわす」",
    "雲の大男は、ぷかぷかと空へ帰っていった。",
};

constexpr std::string_view kSkyGodAgainBefore[] = {
    "雲丸ドン「もういっぺん、勝負でごわす！」",
    "雲丸ドン「あれから毎日、雲の上で四股を踏んできたでごわす」",
    "雲丸ドン「今日のおいどんは、雷雲でごわすぞ！」",
    "空が鳴った。雲の中を、稲妻が走る。",
};
constexpr std::string_view kSkyGodAgainAfter[] = {
    "雲丸ドン「……おはんには、かなわんでごわす」",
    "雲丸ドン「{name}どん。空が荒れたら、おいどんを呼ぶがよか」",
    "雲丸ドン「雨雲くらい、腹で押し返してやるでごわす」",
};

constexpr std::string_view kEarthDeityBefore[] = {
    "足もとの地面が、ことりと小さく鳴った。",
    "土の中から、少女がひとり、すっと立ち上がった。",
    "ｌｕｋａ「……はじめまして。わたしは地天・ｌｕｋａ」",
    "ｌｕｋａ「海も空も、島をほしがってる」",
    "ｌｕｋａ「でも、島が立っているのは大地の上」",
    "ｌｕｋａ「だから、わたしが決める。あなたが島にふさわしいか」",
};
constexpr std::string_view kEarthDeityAfter[] = {
    "ｌｕｋａ「……うん。ふさわしい。認めてあげる」",
    "ｌｕｋａ「島の根っこは、わたしがしっかり支えておくから」",
    "少女は、土の中へとけるように消えていった。",
};

constexpr std::string_view kEarthDeityAgainBefore[] = {
    "ｌｕｋａ「……また来ちゃった」",
    "ｌｕｋａ「あなたと戦うと、大地がよく鳴るの。気持ちいい」",
    "ｌｕｋａ「今度は手加減しない。……前もしてないけど」",
};
constexpr std::string_view kEarthDeityAgainAfter[] = {
    "ｌｕｋａ「……負けた。でも、楽しかった」",
    "ｌｕｋａ「{name}。あなたの足あと、大地はちゃんと覚えてる」",
};

// ---- After the ending: the three who stood beside the adventurer, grown.

constexpr std::string_view kMidoriSoaringBefore[] = {
    "木々の上を、緑色の影が風のように跳んだ。",
    "緑「……あの日から、ずっと修行をしていた」",
    "緑「根を張るだけでは、届かぬ空がある」",
    "緑「だから、飛ぶことを覚えた」",
    "緑「{name}。見届けてくれ」",
    "緑「……参る」",
};
constexpr std::string_view kMidoriSoaringAfter[] = {
    "緑「……まだ、届かぬか」",
    "緑「だが、空は近くなった。礼を言う」",
    "緑色の影は、高い梢の向こうへ消えていった。",
};

constexpr std::string_view kYamaoTowerBefore[] = {
    "山が、ひとまわり大きくなったように見えた。",
    "いや、山の前に立つヤマオが、山に見えたのだ。",
    "ヤマオ「おう、{name}。ちっとは骨のある顔になったな」",
    "ヤマオ「おれも負けてらんねえ。山ごと鍛え直したぜ」",
    "ヤマオ「今のおれは山そのものだ。越えてみやがれ！」",
};
constexpr std::string_view kYamaoTowerAfter[] = {
    "ヤマオ「……へっ。越えられちまったか」",
    "ヤマオ「いい景色だろ、てっぺんからの眺めは」",
    "ヤマオ「今夜は肉を焼く。おめえも来い。あいつも呼んでな」",
};

constexpr std::string_view kHikaruNowBefore[] = {
    "まぶしい朝日の中に、光が立っていた。",
    "光「……来たね。待ってた」",
    "光「あたし、ずっとあんたの背中を追いかけてた」",
    "光「でも、もう追いかけない。今、ここで並ぶ」",
    "光「今のあたしの全部、受けてみて」",
};
constexpr std::string_view kHikaruNowAfter[] = {
    "光「……あはは。やっぱりまぶしいなあ、あんたは」",
    "光「でもいいや。あたしも今、ちゃんと光ってる」",
    "光「また明日ね、{name}」",
};

// ---- Battle 21: the Fantasista, who wants the leading part.

constexpr std::string_view kFantasistaBefore[] = {
    "どこからともなく、拍手の音が鳴りひびいた。",
    "ファンタジスタ「ブラボー！　キミが噂の冒険者くんだね」",
    "ファンタジスタ「ボクはファンタジスタ。奇跡を演じる者さ」",
    "ファンタジスタ「この島は、ボクの舞台にぴったりだ」",
    "ファンタジスタ「さあ、主役の座をかけて一曲踊ろうか！」",
};
constexpr std::string_view kFantasistaAfter[] = {
    "ファンタジスタ「……ボクが、脇役だって？」",
    "ファンタジスタ「フフ、いいさ。今日は拍手を贈ろう」",
    "ファンタジスタ「でも覚えておいて。幕はまだ下りていない」",
    "紙吹雪が舞い、ファンタジスタの姿は消えていた。",
};

constexpr std::string_view kFantasistaAgainBefore[] = {
    "ファンタジスタ「また会ったね、主役くん」",
    "ファンタジスタ「あれから眠れないんだ。キミの顔が浮かんでね」",
    "ファンタジスタ「主役の座はボクのものだ。絶対に！」",
    "ファンタジスタ「何度でも幕を上げるさ。キミが倒れるまで！」",
};
constexpr std::string_view kFantasistaAgainAfter[] = {
    "ファンタジスタ「なぜだ……。なぜ、キミばかりが輝く」",
    "ファンタジスタ「……いや、わかっているさ。キミは演じていない」",
    "ファンタジスタ「次の幕で会おう、{name}。今度こそ」",
};

// ---- The innkeeper: each greeting opens the words the line with the price closes.

constexpr std::string_view kInn0[] = {
    "「おや、{name}じゃないか。よく来たね、泊まっていきな",
    "　ひと晩寝りゃ、今日までの冒険の記録を残しといてやるよ",
};
constexpr std::string_view kInn1[] = {
    "「また戻って来たのかい。あんた、何べんロードしたんだい",
    "　戻って来た回数だけ、値段はかさむ決まりでね",
};
constexpr std::string_view kInn2[] = {
    "「ずいぶん腕を上げたね。レベルが上がりゃ腹も減るだろ",
    "　強い客ほど宿代も高くなる。うちはそういう宿さ",
};
constexpr std::string_view kInn3[] = {
    "「ほら、入った入った。ぼさっと立ってると風邪ひくよ",
    "　泊まればセーブしとく。倒れても、ここからやり直せるさ",
};
constexpr std::string_view kInn4[] = {
    "「生きて帰ったんなら、それでいいさ。今夜はゆっくりおやすみ",
};

// clang-format on

// Every named form, in the order of their battles.
constexpr FormLines kForms[] = {
    {"山男", kYamaoBefore, kYamaoAfter},
    {"ヤマオ再び", kYamaoAgainBefore, kYamaoAgainAfter},
    {"ヤマオ・MAYDAY MODE", kYamaoMaydayBefore, kYamaoMaydayAfter},
    {"奥博士", kOkuBefore, kOkuAfter},
    {"奥博士再び", kOkuAgainBefore, kOkuAgainAfter},
    {"奥博士・MAYDAY MODE", kOkuMaydayBefore, kOkuMaydayAfter},
    {"サニー・レイニー", kSunnyBefore, kSunnyAfter},
    {"サニー・レイニーアゲイン", kSunnyAgainBefore, kSunnyAgainAfter},
    {"サニー・レイニー・MAYDAY MODE", kSunnyMaydayBefore, kSunnyMaydayAfter},
    {"光", kHikaruBefore, kHikaruAfter},
    {"繰り返す光", kHikaruAgainBefore, kHikaruAgainAfter},
    {"光・MAYDAY MODE", kHikaruMaydayBefore, kHikaruMaydayAfter},
    {"マジカル", kMagicalBefore, kMagicalAfter},
    {"マジカルアゲイン", kMagicalAgainBefore, kMagicalAgainAfter},
    {"マジカル・MAYDAY MODE", kMagicalMaydayBefore, kMagicalMaydayAfter},
    {"緑", kMidoriBefore, kMidoriAfter},
    {"更に濃き緑", kMidoriAgainBefore, kMidoriAgainAfter},
    {"毒蛾博士", kPoisonMothBefore, kPoisonMothAfter},
    {"帰って来た毒蛾博士", kPoisonMothAgainBefore, kPoisonMothAgainAfter},
    {"ボウケンロボット", kRobotBefore, kRobotAfter},
    {"再起動ボウケンロボット", kRobotAgainBefore, kRobotAgainAfter},
    {"暗黒剣士ヨイヤミ", kYoiyamiBefore, kYoiyamiAfter},
    {"ファトマ", kFatmaBefore, kFatmaAfter},
    {"島", kIslandBefore, kIslandAfter},
    {"島・MAYDAY MODE", kIslandMaydayBefore, kIslandMaydayAfter},
    {"天界からの使者", kMessengerBefore, kMessengerAfter},
    {"天界からの使者再び", kMessengerAgainBefore, kMessengerAgainAfter},
    {"海神・魔獣・時数露不", kSeaGodBefore, kSeaGodAfter},
    {"返ってきた海神・魔獣・時数露不", kSeaGodAgainBefore, kSeaGodAgainAfter},
    {"空神・雲丸ドン", kSkyGodBefore, kSkyGodAfter},
    {"返ってきた空神・雲丸ドン", kSkyGodAgainBefore, kSkyGodAgainAfter},
    {"地天・ｌｕｋａ", kEarthDeityBefore, kEarthDeityAfter},
    {"返ってきた地天・ｌｕｋａ", kEarthDeityAgainBefore, kEarthDeityAgainAfter},
    {"飛翔する緑", kMidoriSoaringBefore, kMidoriSoaringAfter},
    {"聳えるヤマオ", kYamaoTowerBefore, kYamaoTowerAfter},
    {"今、光", kHikaruNowBefore, kHikaruNowAfter},
    {"ファンタジスタ", kFantasistaBefore, kFantasistaAfter},
    {"執着するファンタジスタ", kFantasistaAgainBefore, kFantasistaAgainAfter},
};

static_assert(std::size(kForms) == 38);

// The innkeeper's greetings by number.
constexpr std::array<std::span<const std::string_view>, 5> kInnGreetings = {
    kInn0, kInn1, kInn2, kInn3, kInn4,
};

// The lines with the adventurer's name put in.
std::vector<std::string> Named(std::span<const std::string_view> lines, const std::string& name) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (std::string_view line : lines) out.push_back(PutName(line, name));
    return out;
}

}  // namespace

BattleDialogue BattleDialogueFor(std::string_view form, const std::string& name) {
    for (const FormLines& f : kForms) {
        if (f.form == form) return {Named(f.before, name), Named(f.after, name)};
    }
    return {};
}

std::vector<std::string> InnGreeting(int r, const std::string& name) {
    if (r < 0 || r >= static_cast<int>(kInnGreetings.size())) return {};
    return Named(kInnGreetings[r], name);
}

}  // namespace quill
