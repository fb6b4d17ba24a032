// What every fuzz target of the project shares: "--write-seeds DIR" writes the target's
// seeds (good inputs to start mutating from) into DIR, one file each, and ends the program;
// a broken promise stops the run with its reason, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace quill::fuzz {

inline void check(bool ok, const char* target, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "%s fuzzer: %s\n", target, what);
    std::abort();
}

inline int write_seeds(const char* dir, const std::vector<std::string>& seeds) {
    int n = 0;
    for (const std::string& seed : seeds) {
        const std::string path = std::string(dir) + "/seed-" + std::to_string(n++);
        std::ofstream out(path, std::ios::binary);
        out.write(seed.data(), static_cast<std::streamsize>(seed.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%d seeds written to %s\n", n, dir);
    return 0;
}

// Called from LLVMFuzzerInitialize: writes the seeds and exits when asked to.
template <class Seeds>
void write_seeds_if_asked(int argc, char** argv, Seeds seeds) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--write-seeds") == 0)
            std::exit(write_seeds(argv[i + 1], seeds()));
    }
}

}  // namespace quill::fuzz
