// quillmoor-soundgen [-v] OUTDIR
// quillmoor-soundgen --check OUTDIR
//
// Synthesizes every sound effect (WAV) and music track (MP3) the game loads from dat/ and
// writes them into OUTDIR/dat/.  OUTDIR/dat/.sound-stamp is written last, so the build can
// tell a finished run from an interrupted one.  With -v it prints each file's length, peak
// and loudness as rendered; --check reads the files back (decoding the music) and prints the
// same, failing when a sound is silent, clipped, of the wrong length or missing.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "soundgen.h"

namespace fs = std::filesystem;
using namespace quill::soundgen;

namespace {

constexpr int kMusicKbps = 80;

struct Report {
    std::string name;
    double seconds = 0.0;
    double peak = 0.0;
    double rms = 0.0;
    double render_seconds = 0.0;
    std::string error;
};

double ToDb(double v) {
    return v > 0.0 ? 20.0 * std::log10(v) : -999.0;
}

void Print(const Report& r) {
    std::printf("  %-22s %6.2f s  peak %6.3f (%6.1f dBFS)  rms %6.1f dBFS", r.name.c_str(),
                r.seconds, r.peak, ToDb(r.peak), ToDb(r.rms));
    if (r.render_seconds > 0.0) std::printf("  made in %.2f s", r.render_seconds);
    std::printf("\n");
}

// Catches what would make a sound unusable: nothing to hear, or a peak at full scale.
std::string Judge(const std::string& name, double peak, double rms) {
    if (peak < 0.01 || rms < 1e-4) return name + " is silent";
    if (peak >= 0.999) return name + " clips";
    return "";
}

Report MakeOneEffect(const std::string& name, const fs::path& dir) {
    Report r;
    r.name = name;
    const Samples s = MakeEffect(name);
    r.seconds = static_cast<double>(s.size()) / kRate;
    r.peak = Peak(s);
    r.rms = Rms(s);
    r.error = Judge(name, r.peak, r.rms);
    if (r.error.empty() && (r.seconds < 0.05 || r.seconds > 3.0)) {
        r.error = name + " lasts " + std::to_string(r.seconds) + " s";
    }
    if (r.error.empty()) WriteWav((dir / name).string(), s, kRate, &r.error);
    return r;
}

Report MakeOneTrack(const std::string& name, const fs::path& dir) {
    Report r;
    r.name = name;
    const StereoTrack t = MakeTrack(name);
    r.seconds = static_cast<double>(t.left.size()) / kRate;
    r.peak = std::max(Peak(t.left), Peak(t.right));
    r.rms = std::sqrt(0.5 * (Rms(t.left) * Rms(t.left) + Rms(t.right) * Rms(t.right)));
    r.error = Judge(name, r.peak, r.rms);
    if (r.error.empty()) WriteMp3((dir / name).string(), t, kMusicKbps, &r.error);
    return r;
}

int Generate(const fs::path& out_dir, bool verbose) {
    const auto started = std::chrono::steady_clock::now();
    const fs::path dir = out_dir / "dat";
    const fs::path stamp = dir / ".sound-stamp";
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "quillmoor-soundgen: cannot create %s: %s\n", dir.c_str(),
                     ec.message().c_str());
        return 1;
    }
    fs::remove(stamp, ec);

    // Music first: the tracks are the long jobs, the effects fill the gaps.
    struct Job {
        std::string name;
        bool music;
    };
    std::vector<Job> jobs;
    for (const std::string& n : TrackNames()) jobs.push_back({n, true});
    for (const std::string& n : EffectNames()) jobs.push_back({n, false});

    std::vector<Report> reports(jobs.size());
    std::atomic<size_t> next{0};
    const auto worker = [&] {
        for (size_t i; (i = next.fetch_add(1)) < jobs.size();) {
            const auto job_start = std::chrono::steady_clock::now();
            try {
                reports[i] = jobs[i].music ? MakeOneTrack(jobs[i].name, dir)
                                           : MakeOneEffect(jobs[i].name, dir);
            } catch (const std::exception& e) {
                reports[i].name = jobs[i].name;
                reports[i].error = e.what();
            }
            reports[i].render_seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - job_start).count();
        }
    };
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();

    int failures = 0;
    for (const Report& r : reports) {
        if (verbose) Print(r);
        if (!r.error.empty()) {
            std::fprintf(stderr, "quillmoor-soundgen: %s\n", r.error.c_str());
            ++failures;
        }
    }
    if (failures) return 1;

    std::ofstream(stamp, std::ios::trunc).close();
    if (!fs::exists(stamp)) {
        std::fprintf(stderr, "quillmoor-soundgen: cannot write %s\n", stamp.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("quillmoor-soundgen: %zu effects and %zu tracks in %s (%.1f s)\n",
                EffectNames().size(), TrackNames().size(), dir.c_str(), seconds);
    return 0;
}

int Check(const fs::path& out_dir) {
    const fs::path dir = out_dir / "dat";
    int failures = 0;
    std::uintmax_t total = 0;
    std::printf("effects:\n");
    for (const std::string& name : EffectNames()) {
        Report r;
        r.name = name;
        Samples s;
        int rate = 0;
        if (!ReadWav((dir / name).string(), &s, &rate, &r.error)) {
            std::fprintf(stderr, "  %s\n", r.error.c_str());
            ++failures;
            continue;
        }
        total += fs::file_size(dir / name);
        r.seconds = rate > 0 ? static_cast<double>(s.size()) / rate : 0.0;
        r.peak = Peak(s);
        r.rms = Rms(s);
        // A 16-bit sample at either end of the range counts as clipped.
        const bool railed = std::any_of(
            s.begin(), s.end(), [](float v) { return v >= 32766.0f / 32768.0f || v <= -1.0f; });
        r.error = railed ? name + " clips" : Judge(name, r.peak, r.rms);
        Print(r);
        if (!r.error.empty()) {
            std::fprintf(stderr, "  FAIL: %s\n", r.error.c_str());
            ++failures;
        }
    }
    std::printf("music (decoded again):\n");
    for (const std::string& name : TrackNames()) {
        Report r;
        r.name = name;
        StereoTrack t;
        if (!ReadMp3((dir / name).string(), &t, &r.error)) {
            std::fprintf(stderr, "  FAIL: %s\n", r.error.c_str());
            ++failures;
            continue;
        }
        total += fs::file_size(dir / name);
        r.seconds = static_cast<double>(t.left.size()) / kRate;
        r.peak = std::max(Peak(t.left), Peak(t.right));
        r.rms = std::sqrt(0.5 * (Rms(t.left) * Rms(t.left) + Rms(t.right) * Rms(t.right)));
        r.error = Judge(name, r.peak, r.rms);
        if (r.error.empty() && (r.seconds < 29.0 || r.seconds > 51.0)) {
            r.error = name + " lasts " + std::to_string(r.seconds) + " s";
        }
        Print(r);
        if (!r.error.empty()) {
            std::fprintf(stderr, "  FAIL: %s\n", r.error.c_str());
            ++failures;
        }
    }
    std::printf("total: %.2f MiB\n", total / (1024.0 * 1024.0));
    if (failures) {
        std::fprintf(stderr, "quillmoor-soundgen: %d problem(s)\n", failures);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool check = false, verbose = false;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == "--check") {
            check = true;
        } else if (a == "-v" || a == "--verbose") {
            verbose = true;
        } else {
            rest.push_back(a);
        }
    }
    if (rest.size() != 1) {
        std::fprintf(stderr,
                     "usage: quillmoor-soundgen [-v] OUTDIR\n"
                     "       quillmoor-soundgen --check OUTDIR\n");
        return 2;
    }
    try {
        return check ? Check(rest[0]) : Generate(rest[0], verbose);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillmoor-soundgen: %s\n", e.what());
        return 1;
    }
}
