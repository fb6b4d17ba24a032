// Where the game's files live. Run from its own folder (the executable's folder, or one given
// on the command line) the game keeps everything there: the pictures in cg/, the sounds,
// music and saves in dat/, the record beside the program. Installed (the executable in a
// prefix's bin/, its files in share/quillmoor/), it only reads from the prefix and keeps
// what it writes in the user's data folder.
#pragma once

#include <filesystem>
#include <string_view>

namespace quill::platform {

class Folders {
  public:
    Folders() = default;
    // Everything in and beside `program`.
    explicit Folders(std::filesystem::path program);
    // The pictures and sounds read from `data`, every file the game writes kept in `user`.
    static Folders installed(std::filesystem::path data, std::filesystem::path user);

    // The executable's own folder when the pictures lie beside it; else, for a program in
    // PREFIX/bin with PREFIX/share/quillmoor/cg, the installed layout with the user's data
    // folder; else the executable's folder all the same.
    static Folders of_executable();
    // $XDG_DATA_HOME/Quillmoor, or ~/.local/share/Quillmoor.
    static std::filesystem::path user_data_folder();

    bool is_installed() const { return installed_; }
    // Where the pictures and the game's own sounds, music and name list are read from.
    const std::filesystem::path& program() const { return program_; }
    std::filesystem::path cg() const { return program_ / "cg"; }
    std::filesystem::path cg_file(std::string_view name) const { return cg() / name; }
    std::filesystem::path asset_file(std::string_view name) const {
        return program_ / "dat" / name;
    }
    // Where the saves, their backups, the network bookkeeping and server.txt live (dat/ of
    // the program folder, or the user's data folder).
    const std::filesystem::path& dat() const { return saves_; }
    std::filesystem::path dat_file(std::string_view name) const { return saves_ / name; }
    // Where 記録.txt is written: beside the program, or in the user's data folder.
    const std::filesystem::path& record_folder() const { return record_; }

  private:
    std::filesystem::path program_ = ".";
    std::filesystem::path saves_ = "./dat";
    std::filesystem::path record_ = ".";
    bool installed_ = false;
};

}  // namespace quill::platform
