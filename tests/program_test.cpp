// The game program as a whole, run headless from scripts.
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

#include "test_support.h"

namespace quill {
namespace {

using testing_support::run_command;
using testing_support::TempFolder;

std::string game(const std::string& args) {
    return std::string(QUILLMOOR_BINARY) + " --offscreen --turbo --seed 1 " + args;
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

}  // namespace
}  // namespace quill
