#include "platform/folders.h"

#include <cstdlib>
#include <system_error>

namespace quill::platform {

Folders::Folders(std::filesystem::path program)
    : program_(std::move(program)), saves_(program_ / "dat"), record_(program_) {}

Folders Folders::installed(std::filesystem::path data, std::filesystem::path user) {
    Folders f(std::move(data));
    f.saves_ = user;
    f.record_ = std::move(user);
    f.installed_ = true;
    return f;
}

std::filesystem::path Folders::user_data_folder() {
    // An empty or relative XDG_DATA_HOME is to be ignored, as the base directory rules say.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::filesystem::path(xdg) / "Quillmoor";
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = home && home[0] == '/' ? home : "/tmp";
    return base / ".local" / "share" / "Quillmoor";
}

Folders Folders::of_executable() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return Folders(std::filesystem::current_path(ec));
    const std::filesystem::path folder = exe.parent_path();
    if (std::filesystem::is_directory(folder / "cg", ec)) return Folders(folder);
    const std::filesystem::path shared = folder.parent_path() / "share" / "quillmoor";
    if (folder.filename() == "bin" && std::filesystem::is_directory(shared / "cg", ec)) {
        return installed(shared.lexically_normal(), user_data_folder());
    }
    return Folders(folder);
}

}  // namespace quill::platform
