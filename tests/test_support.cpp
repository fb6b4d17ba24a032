#include "test_support.h"

#include <cstdio>
#include <fstream>

namespace quill::testing_support {

GameFixture::GameFixture() {
    std::filesystem::create_directory(folder.path() / "cg");
    std::filesystem::create_directory(folder.path() / "dat");
    game.folders = platform::Folders(folder.path());
    game.clock = &clock;
    game.dialogs = &dialogs;
}

ProgramFolder::ProgramFolder() {
    const std::filesystem::path build(QUILLMOOR_BUILD_DIR);
    std::filesystem::create_directory_symlink(build / "cg", folder.path() / "cg");
    std::filesystem::create_directory(folder.path() / "dat");
    for (const auto& entry : std::filesystem::directory_iterator(build / "dat")) {
        const auto name = entry.path().filename().string();
        const auto ext = entry.path().extension().string();
        if (name == "name.dat" || ext == ".wav" || ext == ".mp3") {
            std::filesystem::create_symlink(entry.path(), folder.path() / "dat" / name);
        }
    }
}

void write_bmp(const std::filesystem::path& path, const platform::Bitmap& picture) {
    const int w = picture.width(), h = picture.height();
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t data_size = static_cast<uint32_t>(stride * h);
    std::string out;
    auto put16 = [&](uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    auto put32 = [&](uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    out += "BM";
    put32(54 + data_size);
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<uint32_t>(w));
    put32(static_cast<uint32_t>(h));
    put16(1);
    put16(24);
    put32(0);
    put32(data_size);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < w; ++x) {
            platform::Color c = picture.pixel(x, y);
            row[x * 3] = static_cast<char>(c.b);
            row[x * 3 + 1] = static_cast<char>(c.g);
            row[x * 3 + 2] = static_cast<char>(c.r);
        }
        out += row;
    }
    std::ofstream(path, std::ios::binary) << out;
}

platform::Bitmap filled(int w, int h, platform::Color c) {
    return platform::Bitmap(w, h, c);
}

int run_command(const std::string& command, std::string* output) {
    std::string full = command + " 2>&1";
    FILE* pipe = popen(full.c_str(), "r");
    if (!pipe) return -1;
    char buf[4096];
    std::string text;
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) text.append(buf, n);
    int status = pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quill::testing_support
