// MP3 encoding of the music tracks with libmp3lame, and a frame counter for the checker.
#include <lame/lame.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>

#include "soundgen.h"

namespace quill::soundgen {

namespace {

struct LameDeleter {
    void operator()(lame_global_flags* gfp) const { lame_close(gfp); }
};

}  // namespace

bool WriteMp3(const std::string& path, const StereoTrack& track, int kbps, std::string* error) {
    std::unique_ptr<lame_global_flags, LameDeleter> gfp(lame_init());
    if (!gfp) {
        *error = "lame_init failed";
        return false;
    }
    lame_set_in_samplerate(gfp.get(), kRate);
    lame_set_out_samplerate(gfp.get(), kRate);
    lame_set_num_channels(gfp.get(), 2);
    lame_set_mode(gfp.get(), JOINT_STEREO);
    lame_set_brate(gfp.get(), kbps);
    lame_set_VBR(gfp.get(), vbr_off);
    lame_set_quality(gfp.get(), 5);
    // The Info tag tells players the encoder delay and padding, so the loop stays seamless.
    lame_set_bWriteVbrTag(gfp.get(), 1);
    lame_set_write_id3tag_automatic(gfp.get(), 0);
    if (lame_init_params(gfp.get()) < 0) {
        *error = "lame_init_params failed";
        return false;
    }

    const size_t total = std::min(track.left.size(), track.right.size());
    constexpr size_t kChunk = 8192;
    std::vector<unsigned char> mp3;
    std::vector<unsigned char> buf(kChunk * 5 / 4 + 7200);
    for (size_t at = 0; at < total; at += kChunk) {
        const int n = static_cast<int>(std::min(kChunk, total - at));
        const int got = lame_encode_buffer_ieee_float(gfp.get(), track.left.data() + at,
                                                      track.right.data() + at, n, buf.data(),
                                                      static_cast<int>(buf.size()));
        if (got < 0) {
            *error = "lame could not encode " + path;
            return false;
        }
        mp3.insert(mp3.end(), buf.begin(), buf.begin() + got);
    }
    const int tail = lame_encode_flush(gfp.get(), buf.data(), static_cast<int>(buf.size()));
    if (tail < 0) {
        *error = "lame could not finish " + path;
        return false;
    }
    mp3.insert(mp3.end(), buf.begin(), buf.begin() + tail);

    // Fill in the Info frame that lame reserved at the very start.
    std::vector<unsigned char> tag(4096);
    const size_t tag_size = lame_get_lametag_frame(gfp.get(), tag.data(), tag.size());
    if (tag_size > 0 && tag_size <= mp3.size()) std::copy_n(tag.begin(), tag_size, mp3.begin());

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(mp3.data()),
                    static_cast<std::streamsize>(mp3.size()))) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

bool ReadMp3(const std::string& path, StereoTrack* track, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = "cannot open " + path;
        return false;
    }
    std::vector<unsigned char> in((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    hip_t hip = hip_decode_init();
    if (!hip) {
        *error = "cannot start the MP3 decoder";
        return false;
    }
    track->left.clear();
    track->right.clear();
    std::vector<short> left(4608), right(4608);
    bool ok = true;
    constexpr size_t kChunk = 2048;
    for (size_t at = 0; at < in.size() && ok; at += kChunk) {
        const size_t len = std::min(kChunk, in.size() - at);
        int got = hip_decode1(hip, in.data() + at, len, left.data(), right.data());
        // One frame comes out per call; ask again until the decoder has no more.
        while (got > 0) {
            for (int i = 0; i < got; ++i) {
                track->left.push_back(left[i] / 32768.0f);
                track->right.push_back(right[i] / 32768.0f);
            }
            got = hip_decode1(hip, nullptr, 0, left.data(), right.data());
        }
        if (got < 0) ok = false;
    }
    hip_decode_exit(hip);
    if (!ok || track->left.empty()) {
        *error = path + " does not decode as MP3";
        return false;
    }
    return true;
}

}  // namespace quill::soundgen
