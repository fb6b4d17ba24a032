// Reading and writing the 16-bit PCM WAV files of the sound effects.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "soundgen.h"

namespace quill::soundgen {

namespace {

void Put16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

uint32_t Get32(const std::string& in, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(in[at + i]);
    return v;
}

uint16_t Get16(const std::string& in, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(in[at]) |
                                 (static_cast<uint8_t>(in[at + 1]) << 8));
}

}  // namespace

bool WriteWav(const std::string& path, const Samples& samples, int rate, std::string* error) {
    const uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + data_bytes);
    out += "RIFF";
    Put32(out, 36 + data_bytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate * 2));
    Put16(out, 2);
    Put16(out, 16);
    out += "data";
    Put32(out, data_bytes);
    for (float v : samples) {
        const long q = std::lrint(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(q)));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(out.data(), static_cast<std::streamsize>(out.size()))) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

bool ReadWav(const std::string& path, Samples* samples, int* rate, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = "cannot open " + path;
        return false;
    }
    const std::string in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (in.size() < 12 || in.compare(0, 4, "RIFF") != 0 || in.compare(8, 4, "WAVE") != 0) {
        *error = path + " is not a RIFF/WAVE file";
        return false;
    }
    int channels = 0, bits = 0;
    size_t at = 12;
    while (at + 8 <= in.size()) {
        const std::string id = in.substr(at, 4);
        const uint32_t size = Get32(in, at + 4);
        const size_t body = at + 8;
        if (body + size > in.size()) break;
        if (id == "fmt " && size >= 16) {
            if (Get16(in, body) != 1) {
                *error = path + " is not PCM";
                return false;
            }
            channels = Get16(in, body + 2);
            *rate = static_cast<int>(Get32(in, body + 4));
            bits = Get16(in, body + 14);
        } else if (id == "data") {
            if (bits != 16 || channels < 1) {
                *error = path + ": only 16-bit PCM is read";
                return false;
            }
            const size_t frames = size / (2 * channels);
            samples->assign(frames, 0.0f);
            for (size_t i = 0; i < frames; ++i) {
                float sum = 0.0f;
                for (int c = 0; c < channels; ++c) {
                    sum +=
                        static_cast<int16_t>(Get16(in, body + 2 * (i * channels + c))) / 32768.0f;
                }
                (*samples)[i] = sum / channels;
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    *error = path + " has no PCM data";
    return false;
}

}  // namespace quill::soundgen
