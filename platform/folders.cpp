#include "platform/folders.h"

#include <system_error>

namespace platform {

Folders Folders::of_executable() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return Folders(std::filesystem::current_path(ec));
    return Folders(exe.parent_path());
}

}  // namespace platform
