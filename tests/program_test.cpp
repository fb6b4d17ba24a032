// The game program as a whole, run headless from scripts.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fstream>

#include "platform/text_codec.h"
#include "shell/startup.h"
#include "state/save_files.h"
#include "test_support.h"

namespace quill {
namespace {

using testing_support::run_command;
using testing_support::TempFolder;

std::string platform_name(const std::string& cp932) {
    return platform::from_cp932(cp932).value_or("?");
}

std::string game(const std::string& args) {
    return std::string(QUILLMOOR_BINARY) +
           " --offscreen --turbo --seed 1 --server http://127.0.0.1:1 " + args;
}

std::filesystem::path write_script(const TempFolder& folder, const std::string& text) {
    auto path = folder.path() / "script.txt";
    std::ofstream(path) << text;
    return path;
}

// The share of pixels that differ between two pictures of the same size.
double difference(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differ += a.pixel(x, y) != b.pixel(x, y);
    return double(differ) / (a.width() * a.height());
}

TEST(Program, PrintsItsVersionAndHelp) {
    std::string out;
    EXPECT_EQ(run_command(std::string(QUILLMOOR_BINARY) + " --version", &out), 0);
    EXPECT_EQ(out, "Quillmoor ver229\n");
    EXPECT_EQ(run_command(std::string(QUILLMOOR_BINARY) + " --help", &out), 0);
    EXPECT_NE(out.find("--script FILE"), std::string::npos);
    EXPECT_EQ(run_command(std::string(QUILLMOOR_BINARY) + " --frobnicate", &out), 2);
}

TEST(Program, CreditPictureThenTitleWithMovingStars) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const auto dir = folder.path().string();
    auto script =
        write_script(folder, "wait 3\nshot " + dir + "/boot.png\nkey Enter\nwait 4\nshot " + dir +
                                 "/title1.png\nwait 2\nshot " + dir + "/title2.png\nquit\n");
    std::string out;
    ASSERT_EQ(
        run_command(game("--folder " + program.path().string() + " --script " + script.string()),
                    &out),
        0)
        << out;
    QImage boot(QString::fromStdString(dir + "/boot.png"));
    QImage title1(QString::fromStdString(dir + "/title1.png"));
    QImage title2(QString::fromStdString(dir + "/title2.png"));
    ASSERT_EQ(boot.size(), QSize(640, 480));
    ASSERT_EQ(title1.size(), QSize(640, 480));

    // The credit picture is the JPEG, the title is title.bmp with stars flying over it.
    QImage credit(QUILLMOOR_BUILD_DIR "/cg/cr.jpg");
    QImage title(QUILLMOOR_BUILD_DIR "/cg/title.bmp");
    ASSERT_FALSE(credit.isNull());
    ASSERT_FALSE(title.isNull());
    boot = boot.convertToFormat(QImage::Format_RGB32);
    title1 = title1.convertToFormat(QImage::Format_RGB32);
    title2 = title2.convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(difference(boot, credit.convertToFormat(QImage::Format_RGB32)), 0.01);
    const double stars = difference(title1, title.convertToFormat(QImage::Format_RGB32));
    EXPECT_GT(stars, 0.0001);                       // some stars are out
    EXPECT_LT(stars, 0.05);                         // but the title is the title
    EXPECT_GT(difference(title1, title2), 0.0001);  // and they move
}

TEST(Program, RunsOnWithoutPicturesAndSaysSoOnce) {
    TempFolder folder;
    auto script =
        write_script(folder, "wait 2\nclick 5 5\nwait 2\nrclick 1 1\nmove 3 3\nrelease\nquit\n");
    std::string out;
    EXPECT_EQ(
        run_command(game("--folder " + folder.path().string() + " --script " + script.string()),
                    &out),
        0);
    const auto first = out.find("could not be loaded");
    EXPECT_NE(first, std::string::npos) << out;
    EXPECT_EQ(out.find("could not be loaded", first + 1), std::string::npos);
}

TEST(Program, AScriptMistakeStopsWithCodeTwoAndNamesTheLine) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    auto script = write_script(folder, "wait 1\nclick 1 2\njump 3\n");
    std::string out;
    EXPECT_EQ(
        run_command(game("--folder " + program.path().string() + " --script " + script.string()),
                    &out),
        2);
    EXPECT_NE(out.find("line 3"), std::string::npos) << out;
    EXPECT_EQ(run_command(game("--script " + (folder.path() / "none.txt").string()), &out), 2);
}

std::string read_all(const std::filesystem::path& path);

TEST(Program, ANewAdventurerIsMadeWakesOnTheIslandAndIsSaved) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const auto dir = folder.path().string();
    std::string script =
        "wait 2\nkey Enter\nwait 2\nkey Enter\nwait 2\n"
        "type name_l 風の 旅人ルカ\npress l_btn19\npress l_btn5\npress l_btn35\nwait 2\n"
        "shot " +
        dir + "/creation.png\npress l_btn8\nwait 2\nshot " + dir + "/scene.png\nlog " + dir +
        "/scene.log\ndump " + dir + "/scene.json\n";
    for (int i = 0; i < 40; ++i) script += "click 320 200\nwait 1\n";
    script += "wait 2\nshot " + dir + "/map.png\nquit\n";
    std::string out;
    ASSERT_EQ(run_command(game("--folder " + program.path().string() + " --script " +
                               write_script(folder, script).string()),
                          &out),
              0)
        << out;
    // The creation panel showed the chosen figure; the island map came after the scene.
    QImage creation(QString::fromStdString(dir + "/creation.png"));
    QImage map(QString::fromStdString(dir + "/map.png"));
    QImage island(QUILLMOOR_BUILD_DIR "/cg/map.bmp");
    ASSERT_FALSE(creation.isNull());
    EXPECT_NE(creation.pixel(500, 250), QColor(Qt::black).rgb());  // the preview figure
    EXPECT_EQ(map.pixel(400, 60), island.pixel(400, 60));          // the map, not a scene
    // The log and the state while the arrival scene waited for its first click.
    EXPECT_EQ(read_all(dir + "/scene.log"), "ようこそ。島へ\n");
    const QJsonObject dump =
        QJsonDocument::fromJson(QByteArray::fromStdString(read_all(dir + "/scene.json"))).object();
    const QJsonObject hero = dump["combatants"].toArray()[0].toObject();
    EXPECT_EQ(hero["name"].toString(), QStringLiteral("風の 旅人ルカ"));
    EXPECT_EQ(hero["hit"].toInt(), 7);     // 賢者 5 + 命中率 2
    EXPECT_EQ(hero["max_mp"].toInt(), 2);  // 魔族 +1
    EXPECT_EQ(dump["game_state"].toObject()["race_sex"].toInt(), 5);
    EXPECT_EQ(dump["game_state"].toObject()["event_flags"].toArray()[1].toInt(), 1);
    EXPECT_EQ(dump["run"].toObject()["screen_mode"].toInt(), 0);
    EXPECT_EQ(dump["run"].toObject()["awaiting_click"].toInt(), 1);
    // The save holds the choices: name, 賢者 (4), 命中率 (4), 魔族女 (5).
    const std::string save = read_all(program.dat("my.dat"));
    std::vector<std::string> lines;
    for (size_t start = 0; start < save.size();) {
        size_t end = save.find("\r\n", start);
        lines.push_back(save.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 7601u);
    EXPECT_EQ(platform_name(lines[5427 - 1]), "風の 旅人ルカ");
    EXPECT_EQ(lines[5452 - 1], "4");
    EXPECT_EQ(lines[5453 - 1], "4");
    EXPECT_EQ(lines[5456 - 1], "5");
    EXPECT_EQ(lines[1 - 1],
              "1");  // an adventurer exists (the arrival's flag waits for the next save)
}

std::string read_all(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Program, ADamagedSaveIsReportedAndLeftAlone) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const std::string run = "--folder " + program.path().string() + " --script ";
    std::string out;
    // A first run makes a save; then somebody edits the money by hand.
    ASSERT_EQ(run_command(game(run + write_script(folder, "quit\n").string()), &out), 0) << out;
    std::string save = read_all(program.dat("my.dat"));
    const auto money_at = [&] {
        size_t pos = 0;
        for (int line = 1; line < 1301; ++line) pos = save.find("\r\n", pos) + 2;
        return pos;
    }();
    save.replace(money_at, save.find("\r\n", money_at) - money_at, "19999");
    std::ofstream(program.dat("my.dat"), std::ios::binary) << save;

    // The first run's start left a backup: the report offers it, and "no" keeps today's way.
    auto script = write_script(folder, "answer no\nwait 3\nclick 100 100\nwait 3\nshot " +
                                           (folder.path() / "never.png").string() + "\n");
    EXPECT_EQ(run_command(game(run + script.string()), &out), 0);
    EXPECT_NE(out.find("データが壊れています。初期化してプレーしなおしてください"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("復元しますか？\n-> いいえ"), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "never.png"));  // the click ended it
    EXPECT_TRUE(read_all(program.dat("my.dat")) == save);

    // Without an answer the question is a mistake of the script.
    EXPECT_EQ(run_command(game(run + write_script(folder, "wait 3\nquit\n").string()), &out), 2);
    EXPECT_NE(out.find("no answer prepared"), std::string::npos) << out;

    // "yes": the backup is restored, the damaged save kept aside, and the game goes on.
    script = write_script(folder, "answer yes\nwait 3\nkey Enter\nwait 3\ndump " +
                                      (folder.path() / "restored.json").string() + "\nquit\n");
    EXPECT_EQ(run_command(game(run + script.string()), &out), 0) << out;
    EXPECT_NE(out.find("バックアップから復元しました"), std::string::npos) << out;
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "restored.json"));
    int kept = 0;
    for (const auto& e : std::filesystem::directory_iterator(program.dat("backup"))) {
        if (e.path().filename().string().rfind("my.dat.damaged-", 0) == 0) {
            ++kept;
            EXPECT_TRUE(read_all(e.path()) == save);
        }
    }
    EXPECT_EQ(kept, 1);
    EXPECT_NE(read_all(program.dat("my.dat")), save);
}

// A script that makes the adventurer "ルカ" and clicks through the landing to the map.
std::string landed_script() {
    std::string script =
        "wait 2\nkey Enter\nwait 2\nkey Enter\nwait 2\ntype name_l ルカ\npress l_btn8\nwait 2\n";
    for (int i = 0; i < 40; ++i) script += "click 320 200\nrelease\nwait 1\n";
    return script;
}

TEST(Program, AWalkFromTheIslandMeetsAnEnemyAndTheTurnsGoRound) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const auto dir = folder.path().string();
    std::string script = landed_script();
    // 冒険へ; one click to the first turn, which this seed gives to the adventurer.
    script += "wait 2\npress map_b1\nwait 3\nclick 100 200\nrelease\nwait 2\nlog " + dir +
              "/start.log\nshot " + dir +
              "/start.png\nselect battle_list 0\npress Button1\nwait 2\n";
    for (int i = 0; i < 8; ++i) script += "click 100 200\nrelease\nwait 2\n";
    script += "log " + dir + "/turns.log\ndump " + dir + "/turns.json\nquit\n";
    std::string out;
    ASSERT_EQ(
        run_command(std::string(QUILLMOOR_BINARY) +
                        " --offscreen --turbo --seed 3 --server http://127.0.0.1:1 --folder " +
                        program.path().string() + " --script " +
                        write_script(folder, script).string(),
                    &out),
        0)
        << out;
    // At 0 m the announcement names no distance; the adventurer's turn offers the list.
    const std::string start = read_all(dir + "/start.log");
    EXPECT_NE(start.find("が襲ってきた!! \n"), std::string::npos) << start;
    EXPECT_EQ(start.find("m地点"), std::string::npos) << start;
    EXPECT_EQ(start.rfind("ルカのターン\n", 0), 0u) << start;
    // The chosen technique, the enemy's turn and its technique, and the adventurer's next.
    const std::string turns = read_all(dir + "/turns.log");
    const size_t ours = turns.rfind("＞踏みつぶす");
    const size_t theirs_turn = turns.find("のターン", turns.find("＞踏みつぶす"));
    EXPECT_NE(ours, std::string::npos) << turns;
    EXPECT_NE(theirs_turn, std::string::npos) << turns;
    EXPECT_EQ(turns.rfind("ルカのターン\n", 0), 0u) << turns;
    const QJsonObject dump =
        QJsonDocument::fromJson(QByteArray::fromStdString(read_all(dir + "/turns.json"))).object();
    EXPECT_EQ(dump["game_state"].toObject()["battle_count"].toInt(), 1);
    EXPECT_EQ(dump["game_state"].toObject()["skill_use_count"].toArray()[0].toInt(), 1);
    EXPECT_EQ(dump["run"].toObject()["in_battle"].toInt(), 1);
    EXPECT_EQ(dump["run"].toObject()["turn_count"].toInt(), 1);
    EXPECT_EQ(dump["run"].toObject()["active_side"].toInt(), 0);
}

TEST(Program, TheToolShopGreetsSellsAndLeadsBackToTheIsland) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const auto dir = folder.path().string();
    std::string script = landed_script();
    // The keeper greets; a click opens the list; row 1 is ぼうっきれ, the first weapon.
    script += "wait 2\npress Image6\nwait 2\nlog " + dir + "/greeting.log\nclick 320 200\n" +
              "release\nwait 2\nselect item_list 1\nwait 1\npress l_btn10\nwait 2\nshot " + dir +
              "/bought.png\ndump " + dir + "/bought.json\npress l_btn9\nwait 2\ndump " + dir +
              "/closed.json\nquit\n";
    std::string out;
    ASSERT_EQ(run_command(game("--folder " + program.path().string() + " --script " +
                               write_script(folder, script).string()),
                          &out),
              0)
        << out;
    const std::string greeting = read_all(dir + "/greeting.log");
    EXPECT_NE(greeting.find("どうぐの人「"), std::string::npos) << greeting;
    const auto state = [&dir](const std::string& file) {
        return QJsonDocument::fromJson(QByteArray::fromStdString(read_all(dir + "/" + file)))
            .object();
    };
    const QJsonObject bought = state("bought.json");
    EXPECT_EQ(bought["game_state"].toObject()["item_count"].toArray()[1].toInt(), 1);
    EXPECT_EQ(bought["game_state"].toObject()["money"].toInt(), 250 - 35);
    EXPECT_EQ(bought["run"].toObject()["scene_kind"].toInt(), 100);
    // The panel covers the picture with its list drawn: the chosen row stands out.
    const QImage shot(QString::fromStdString(dir + "/bought.png"));
    ASSERT_FALSE(shot.isNull());
    EXPECT_NE(shot.pixel(200, 84), shot.pixel(200, 400));
    const QJsonObject closed = state("closed.json");
    EXPECT_EQ(closed["run"].toObject()["scene_kind"].toInt(), -1);
    EXPECT_EQ(closed["run"].toObject()["map_shown"].toInt(), 1);
}

// my.dat's lines, and the file again from them.
std::vector<std::string> save_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(Program, AnAdventurerFightsLevelsUpDiesAndComesBackToTheTitle) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const auto dir = folder.path().string();
    const std::string run = "--folder " + program.path().string() + " --script ";
    std::string out;
    std::string make =
        "wait 2\nkey Enter\nwait 2\nkey Enter\nwait 2\ntype name_l ルカ\npress l_btn8\n";
    for (int i = 0; i < 40; ++i) make += "click 320 200\nrelease\nwait 1\n";
    ASSERT_EQ(run_command(game(run + write_script(folder, make + "quit\n").string()), &out), 0)
        << out;
    // One victory short of the first level: experience 99 of 100 (the checksum follows).
    auto lines = save_lines(read_all(program.dat("my.dat")));
    ASSERT_EQ(lines.size(), 7601u);
    lines[5431 - 1] = "99";
    lines[5465 - 1] = std::to_string(std::stoll(lines[5465 - 1]) + 99);
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    std::ofstream(program.dat("my.dat"), std::ios::binary) << bytes;

    // From the title onto the island and out; then one place clicked over and over: the
    // first card (the first technique in a battle, "進む" after it) or an acknowledgement.
    std::string play = "wait 2\nkey Enter\nwait 2\nkey Enter\nwait 3\npress map_b1\nwait 2\n";
    for (int i = 1; i <= 400; ++i) {
        play += "click 550 15\nwait 2\nrelease\nwait 1\n";
        if (i % 10 == 0) play += "dump " + dir + "/d" + std::to_string(i) + ".json\n";
        play += "log " + dir + "/l" + std::to_string(i) + ".log\n";
    }
    play += "quit\n";
    ASSERT_EQ(run_command(game(run + write_script(folder, play).string()), &out), 0) << out;
    EXPECT_EQ(out.find("データが壊れています"), std::string::npos) << out;

    int32_t best_level = 0, deaths = 0, battles = 0;
    QJsonObject last;
    for (int i = 10; i <= 400; i += 10) {
        const QJsonObject d =
            QJsonDocument::fromJson(
                QByteArray::fromStdString(read_all(dir + "/d" + std::to_string(i) + ".json")))
                .object();
        best_level = std::max(best_level, d["combatants"].toArray()[0].toObject()["level"].toInt());
        battles = std::max(battles, d["game_state"].toObject()["battle_count"].toInt());
        deaths = std::max(deaths, d["game_state"].toObject()["death_count"].toInt());
        last = d;
    }
    // After a won battle "進む" met the next enemy one metre on.
    bool next_metre = false;
    for (int i = 1; i <= 400 && !next_metre; ++i) {
        next_metre =
            read_all(dir + "/l" + std::to_string(i) + ".log").find("が襲ってきた!! (1m地点)") !=
            std::string::npos;
    }
    EXPECT_TRUE(next_metre);
    EXPECT_GE(best_level, 1);  // a level-up on the way
    EXPECT_GE(battles, 2);     // several battles
    EXPECT_EQ(deaths, 1);      // and a death, counted on the way back through the title
    EXPECT_EQ(last["run"].toObject()["map_shown"].toInt(), 1);  // and the island again
    EXPECT_EQ(last["run"].toObject()["game_over"].toInt(), 0);
    // The save is whole: 7601 lines that load (the checksum holds), never written over by
    // the death (the level-up was never saved).
    const auto after = save_lines(read_all(program.dat("my.dat")));
    EXPECT_EQ(after.size(), 7601u);
    EXPECT_EQ(after[5431 - 1], "99");
}

TEST(Program, APetIsMetNamedRaisedAndSaved) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    program.write_island_save(22, 3);  // a level-22 adventurer's save, with BP to spend
    const auto dir = folder.path().string();
    const std::string script =
        "wait 2\nkey Enter\nwait 2\nkey Enter\nwait 3\npress map_b20\nwait 2\n"
        "click 320 200\nrelease\nwait 2\ntype pet_name_l モコ\nanswer yes\npress l_btn60\n"
        "wait 2\npress l_btn72\npress l_btn63\nwait 2\ndump " +
        dir + "/named.json\npress l_btn64\nwait 2\ndump " + dir + "/back.json\nquit\n";
    std::string out;
    ASSERT_EQ(run_command(game("--folder " + program.path().string() + " --script " +
                               write_script(folder, script).string()),
                          &out),
              0)
        << out;
    EXPECT_NE(out.find("良いですか？"), std::string::npos) << out;
    const QJsonObject named =
        QJsonDocument::fromJson(QByteArray::fromStdString(read_all(dir + "/named.json"))).object();
    const QJsonObject pet = named["combatants"].toArray()[2].toObject();
    EXPECT_EQ(pet["name"].toString(), QStringLiteral("モコ"));
    EXPECT_EQ(pet["level"].toInt(), 1);
    EXPECT_EQ(pet["look"].toInt(), 1);
    EXPECT_EQ(pet["attack"].toInt(), 1);
    EXPECT_EQ(named["game_state"].toObject()["bonus_points"].toInt(), 2);
    const QJsonObject back =
        QJsonDocument::fromJson(QByteArray::fromStdString(read_all(dir + "/back.json"))).object();
    EXPECT_EQ(back["run"].toObject()["map_shown"].toInt(), 1);
    // The naming saved the pet (the raise after it waits for the next save).
    const std::string saved = read_all(program.dat("my.dat"));
    EXPECT_NE(saved.find(platform::to_cp932_lossy("モコ")), std::string::npos);
}

// Each square of s × s window pixels holds one colour, the board's pixel at ×1.
void ExpectEnlargedPixelForPixel(const QImage& one, const QImage& enlarged, int s) {
    ASSERT_EQ(enlarged.width(), one.width() * s);
    ASSERT_EQ(enlarged.height(), one.height() * s);
    const QImage a = one.convertToFormat(QImage::Format_RGB32);
    const QImage b = enlarged.convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    for (int y = 0; y < b.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        const auto* small = reinterpret_cast<const QRgb*>(a.constScanLine(y / s));
        for (int x = 0; x < b.width(); ++x) wrong += row[x] != small[x / s];
    }
    EXPECT_EQ(wrong, 0) << "at ×" << s;
}

TEST(Program, EnlargedRunsShowTheSamePicturePixelForPixelAndSaveTheSame) {
    TempFolder folder;
    const auto dir = folder.path().string();
    std::string saves[3];
    QImage creation[3], island[3];
    for (int s = 1; s <= 3; ++s) {
        testing_support::ProgramFolder program;
        const std::string tag = std::to_string(s);
        std::string script =
            "wait 2\nkey Enter\nwait 2\nkey Enter\nwait 2\ntype name_l ルカ\npress "
            "l_btn33\nshot " +
            dir + "/creation" + tag + ".png\npress l_btn8\nwait 2\n";
        for (int i = 0; i < 40; ++i) script += "click 639 479\nrelease\nwait 1\n";
        script += "move 0 0\nwait 2\nshot " + dir + "/island" + tag + ".png\nquit\n";
        std::string out;
        ASSERT_EQ(run_command(game("--scale " + tag + " --folder " + program.path().string() +
                                   " --script " + write_script(folder, script).string()),
                              &out),
                  0)
            << out;
        saves[s - 1] = read_all(program.dat("my.dat"));
        creation[s - 1] = QImage(QString::fromStdString(dir + "/creation" + tag + ".png"));
        island[s - 1] = QImage(QString::fromStdString(dir + "/island" + tag + ".png"));
    }
    ASSERT_FALSE(saves[0].empty());
    for (int s = 2; s <= 3; ++s) {
        ExpectEnlargedPixelForPixel(creation[0], creation[s - 1], s);
        ExpectEnlargedPixelForPixel(island[0], island[s - 1], s);
        EXPECT_TRUE(saves[s - 1] == saves[0]) << "the save of the run at ×" << s;
    }
    // The name typed into the edit box is in the picture: black strokes, not the grey hint.
    int black = 0;
    for (int y = 54; y < 72; ++y)
        for (int x = 98; x < 140; ++x) black += qGray(creation[0].pixel(x, y)) < 60;
    EXPECT_GT(black, 20);
}

// The game run without a fixed seed (a replay takes the script's).
std::string unseeded_game(const std::string& args) {
    return std::string(QUILLMOOR_BINARY) + " --offscreen --turbo --server http://127.0.0.1:1 " +
           args;
}

// Plays the script in the program folder with --record into `recording`; false (and the
// game's output as a test failure) when the run did not end well.
bool record_run(const TempFolder& folder, const testing_support::ProgramFolder& program,
                const std::string& script, const std::string& recording) {
    std::string out;
    const int code =
        run_command(unseeded_game("--record " + recording + " --folder " + program.path().string() +
                                  " --script " + write_script(folder, script).string()),
                    &out);
    EXPECT_EQ(code, 0) << out;
    return code == 0;
}

TEST(Program, ARecordedRunPlaysBackToTheSameSaves) {
    TempFolder folder;
    const auto dir = folder.path().string();
    // The three reset questions, a new adventurer, the landing, a purchase in the tool
    // shop, the pointer moved, a right click, and a walk's first steps.
    std::string script = "wait 2\nanswer yes\nanswer yes\nanswer no\nkey F1\nwait 2\n" +
                         landed_script() +
                         "wait 2\npress Image6\nwait 2\nclick 320 200\nrelease\nwait 2\n"
                         "select item_list 1\nwait 1\npress l_btn10\nwait 2\npress l_btn9\n"
                         "wait 2\nmove 200 150\nmove 210 160\nrclick 5 5\nwait 3\n"
                         "press map_b1\nwait 5\nclick 300 300\nwait 4\nrelease\nwait 6\n"
                         "dump " +
                         dir + "/recorded.json\nquit\n";
    testing_support::ProgramFolder first, second;
    const std::string recording = dir + "/recording.txt";
    std::string out;
    ASSERT_TRUE(record_run(folder, first, script, recording));
    const std::string recorded = read_all(recording);
    EXPECT_EQ(recorded.find("dump"), std::string::npos);
    for (const char* line : {"\nseed ", "\nanswer yes\nanswer yes\nanswer no\nkey F1\n",
                             "\ntype name_l ルカ\npress l_btn8\n", "\nselect item_list 1\n",
                             "\npress l_btn10\n", "\nmove 210 160\nrclick 5 5\n", "\nquit\n"}) {
        EXPECT_NE(recorded.find(line), std::string::npos) << line << " in\n" << recorded;
    }
    EXPECT_EQ(recorded.find("move 200 150"), std::string::npos) << "a move nothing read";

    // Played back in a folder as the first one was at the start, with the seed it wrote.
    ASSERT_EQ(
        run_command(unseeded_game("--folder " + second.path().string() + " --script " + recording),
                    &out),
        0)
        << out;
    for (const char* file : {"my.dat", "kousin.dat"}) {
        const std::string a = read_all(first.dat(file)), b = read_all(second.dat(file));
        ASSERT_FALSE(a.empty()) << file;
        EXPECT_TRUE(a == b) << file << " differs after the replay";
    }
}

// Every key the game answers can be scripted (F2's settings too, closed by the script's own
// Escape), and a recording of them, with the message speed, plays back to the same game.
TEST(Program, TheKeysAndTheMessageSpeedAreScriptedRecordedAndPlayedBack) {
    TempFolder folder;
    const auto dir = folder.path().string();
    const std::string script =
        landed_script() +
        "wait 2\npress map_b1\nwait 6\nkey Space\nwait 3\nkey 1\n"
        "wait 3\nkeydown Space\nwait 9\nkeyup Space\nwait 2\nkey F11\nwait 1\nkey F11\nkey F2\n"
        "wait 2\nkey Escape\nwait 2\nmessage-speed 3\nwait 40\nkey 1\n"
        "wait 40\nkey Escape\nkey Down\nkey Left\nkey Tab\nkey 0\n"
        "wait 3\ndump " +
        dir + "/recorded.json\nquit\n";
    testing_support::ProgramFolder first, second;
    const std::string recording = dir + "/recording.txt";
    std::string out;
    ASSERT_TRUE(record_run(folder, first, script, recording));
    const QJsonObject recorded_run =
        QJsonDocument::fromJson(QByteArray::fromStdString(read_all(dir + "/recorded.json")))
            .object();
    // The keys played the battle on: turns were taken with the first card.
    EXPECT_GE(recorded_run["game_state"].toObject()["battle_count"].toInt() +
                  recorded_run["run"].toObject()["turn_count"].toInt(),
              1);
    std::string recorded = read_all(recording);
    for (const char* line : {"\nkey Space\n", "\nkey 1\n", "\nkey F11\n", "\nmessage-speed 3\n",
                             "\nkey Escape\n", "\nkeydown Space\nwait 9\nkeyup Space\n"}) {
        EXPECT_NE(recorded.find(line), std::string::npos) << line << " in\n" << recorded;
    }
    // Played back with a look at the state where the run ended.
    const size_t quit = recorded.rfind("quit");
    ASSERT_NE(quit, std::string::npos);
    recorded.insert(quit, "dump " + dir + "/replayed.json\n");
    std::ofstream(dir + "/replay.txt") << recorded;
    ASSERT_EQ(run_command(unseeded_game("--folder " + second.path().string() + " --script " + dir +
                                        "/replay.txt"),
                          &out),
              0)
        << out;
    EXPECT_EQ(read_all(dir + "/replayed.json"), read_all(dir + "/recorded.json"));
    EXPECT_TRUE(read_all(first.dat("my.dat")) == read_all(second.dat("my.dat")));
}

// A script that ends while the settings are open ends all the same.
TEST(Program, AScriptEndsWithTheSettingsStillOpen) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    std::string out;
    ASSERT_EQ(run_command(game("--folder " + program.path().string() + " --script " +
                               write_script(folder, "wait 2\nkey F2\nwait 3\n").string()),
                          &out),
              0)
        << out;
}

TEST(Program, DesktopOptionsAreCheckedAndADamagedSettingsFileIsToldAndKept) {
    std::string out;
    for (const char* bad : {"--scale 0", "--scale 5", "--music-volume 101", "--effects-volume -1",
                            "--scale x", "--record"}) {
        EXPECT_EQ(run_command(game(bad), &out), 2) << bad;
        EXPECT_NE(out.find("quillmoor: "), std::string::npos) << bad;
    }
    TempFolder folder;
    testing_support::ProgramFolder program;
    const auto config = folder.path() / "config";
    std::filesystem::create_directories(config / "Quillmoor");
    const std::string damaged = "[display]\nscale=\x01\xff\xfe garbage\n";
    std::ofstream(config / "Quillmoor" / "quillmoor.ini", std::ios::binary) << damaged;
    ASSERT_EQ(run_command("XDG_CONFIG_HOME=" + config.string() + " " +
                              game("--mute --scale 2 --folder " + program.path().string() +
                                   " --script " + write_script(folder, "wait 2\nquit\n").string()),
                          &out),
              0)
        << out;
    EXPECT_NE(out.find("設定ファイルが壊れていたので"), std::string::npos) << out;
    EXPECT_EQ(read_all(config / "Quillmoor" / "quillmoor.ini"), damaged);
}

TEST(Program, ScriptMistakesFoundWhileRunningStopTheRun) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const std::string run = "--folder " + program.path().string() + " --script ";
    struct Case {
        std::string script, error;
    };
    const Case cases[] = {
        {"wait 2\nselect battle_list 0\n", "line 2: no visible list box battle_list"},
        {"wait 1\nlog /nonexistent-folder/x.log\n", "line 2: cannot write"},
        {"dump /nonexistent-folder/x.json\n", "line 1: cannot write"},
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(run_command(game(run + write_script(folder, c.script).string()), &out), 2);
        EXPECT_NE(out.find(c.error), std::string::npos) << out;
    }
}

TEST(Program, QuestionsTakeTheScriptsAnswersAndAnUnpreparedOneIsAMistake) {
    TempFolder folder;
    testing_support::ProgramFolder program;
    const std::string run = "--folder " + program.path().string() + " --script ";
    std::string out;
    auto reset =
        write_script(folder, "wait 2\nanswer yes\nanswer yes\nanswer no\nkey F1\nwait 2\nquit\n");
    EXPECT_EQ(run_command(game(run + reset.string()), &out), 0) << out;
    EXPECT_NE(out.find("初期化完了...."), std::string::npos) << out;
    auto unprepared = write_script(folder, "wait 2\nanswer yes\nkey F1\nwait 2\nquit\n");
    EXPECT_EQ(run_command(game(run + unprepared.string()), &out), 2);
    EXPECT_NE(out.find("no answer prepared"), std::string::npos) << out;
    EXPECT_NE(out.find("line 3"), std::string::npos) << out;
}

}  // namespace
}  // namespace quill
