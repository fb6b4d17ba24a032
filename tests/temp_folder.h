// A fresh, empty folder under the system's temporary folder, removed with everything in it
// when the object goes. Shared by the game's and the server's tests.
#pragma once

#include <filesystem>

namespace quill::testing_support {

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

}  // namespace quill::testing_support
