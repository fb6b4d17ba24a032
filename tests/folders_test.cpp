// Where the game reads and writes: beside the program, or installed with the user's folder.
#include "platform/folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace quill::platform {
namespace {

// Sets an environment variable for the scope, and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Folders, BesideTheProgramEverythingStaysInItsFolder) {
    const Folders f("/games/quillmoor");
    EXPECT_FALSE(f.is_installed());
    EXPECT_EQ(f.cg_file("title.bmp"), "/games/quillmoor/cg/title.bmp");
    EXPECT_EQ(f.asset_file("1.wav"), "/games/quillmoor/dat/1.wav");
    EXPECT_EQ(f.dat_file("my.dat"), "/games/quillmoor/dat/my.dat");
    EXPECT_EQ(f.record_folder(), "/games/quillmoor");
}

TEST(Folders, InstalledTheGameReadsTheSharedFilesAndWritesInTheUsersFolder) {
    const Folders f =
        Folders::installed("/usr/share/quillmoor", "/home/ruka/.local/share/Quillmoor");
    EXPECT_TRUE(f.is_installed());
    EXPECT_EQ(f.cg_file("title.bmp"), "/usr/share/quillmoor/cg/title.bmp");
    EXPECT_EQ(f.asset_file("1.wav"), "/usr/share/quillmoor/dat/1.wav");
    EXPECT_EQ(f.dat_file("my.dat"), "/home/ruka/.local/share/Quillmoor/my.dat");
    EXPECT_EQ(f.dat_file("kousin.dat"), "/home/ruka/.local/share/Quillmoor/kousin.dat");
    EXPECT_EQ(f.record_folder(), "/home/ruka/.local/share/Quillmoor");
}

TEST(Folders, TheUsersDataFolderFollowsXdgDataHome) {
    const ScopedEnv home("HOME", "/home/ruka");
    struct Case {
        const char* xdg;
        const char* expected;
    };
    for (const Case c : {Case{"/data/ruka", "/data/ruka/Quillmoor"},
                         Case{nullptr, "/home/ruka/.local/share/Quillmoor"},
                         Case{"", "/home/ruka/.local/share/Quillmoor"},
                         Case{"relative/place", "/home/ruka/.local/share/Quillmoor"}}) {
        const ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(Folders::user_data_folder(), c.expected) << (c.xdg ? c.xdg : "(unset)");
    }
}

}  // namespace
}  // namespace quill::platform
