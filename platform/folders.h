// Where the game's files live: the program folder (the executable's folder, or one given
// on the command line), with the pictures in cg/ and the sounds, music and saves in dat/.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

class Folders {
  public:
    Folders() = default;
    explicit Folders(std::filesystem::path program) : program_(std::move(program)) {}

    // The folder of the running executable.
    static Folders of_executable();

    const std::filesystem::path& program() const { return program_; }
    std::filesystem::path cg() const { return program_ / "cg"; }
    std::filesystem::path dat() const { return program_ / "dat"; }
    std::filesystem::path cg_file(std::string_view name) const { return cg() / name; }
    std::filesystem::path dat_file(std::string_view name) const { return dat() / name; }

  private:
    std::filesystem::path program_ = ".";
};

}  // namespace platform
