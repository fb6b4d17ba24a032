// Shared helpers of the tests.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/clock.h"
#include "state/game.h"

namespace quill::testing_support {

// A fresh, empty folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A game whose program folder is a temporary one with cg/ and dat/ folders and whose clock
// stands still.
struct GameFixture {
    GameFixture();
    TempFolder folder;
    platform::ManualClock clock;
    std::unique_ptr<Game> owned = std::make_unique<Game>();
    Game& game = *owned;
};

// Writes a picture as a 24-bit BMP file.
void write_bmp(const std::filesystem::path& path, const platform::Bitmap& picture);

// A picture filled with one colour.
platform::Bitmap filled(int w, int h, platform::Color c);

// Runs a command; returns its exit code and what it wrote on standard output and error.
int run_command(const std::string& command, std::string* output = nullptr);

}  // namespace quill::testing_support
