// The soak tool's command line, and a short soak through its simple player.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace quill {
namespace {

using testing_support::run_command;
using testing_support::TempFolder;

TEST(SoakTool, OptionsAreOptionsNotFolders) {
    TempFolder here;
    const std::string soak = QUILLMOOR_SOAK_BINARY;
    std::string out;
    EXPECT_EQ(run_command("cd " + here.path().string() + " && " + soak + " --help", &out), 0);
    EXPECT_NE(out.find("usage: quillmoor-soak"), std::string::npos) << out;
    EXPECT_EQ(run_command("cd " + here.path().string() + " && " + soak + " --frobnicate", &out), 2);
    EXPECT_EQ(run_command(soak + " " + here.path().string() + " many", &out), 2);
    EXPECT_EQ(run_command(soak + " --ticks 0 " + here.path().string(), &out), 2);
    EXPECT_TRUE(std::filesystem::is_empty(here.path())) << "an option was taken for a folder";
}

TEST(SoakTool, AShortSoakPlaysKeepsTheSavesWholeAndReportsTheLevel) {
    testing_support::ProgramFolder program;
    std::string out;
    ASSERT_EQ(run_command(std::string(QUILLMOOR_SOAK_BINARY) + " --ticks 10000 --seed 5 " +
                              program.path().string(),
                          &out),
              0)
        << out;
    EXPECT_NE(out.find("10000 steps:"), std::string::npos) << out;
    EXPECT_NE(out.find("level reached "), std::string::npos) << out;
    // The player spends its BP on its techniques.
    EXPECT_EQ(out.find("BP spendings 0,"), std::string::npos) << out;
    EXPECT_NE(out.find("saves whole"), std::string::npos) << out;
}

}  // namespace
}  // namespace quill
