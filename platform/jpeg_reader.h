// JPEG decoding through libjpeg (the credit picture).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill::platform {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;  // r, g, b per pixel, rows top to bottom
};

// Decodes a baseline or progressive JPEG; nothing when the data is damaged (cut off
// included) or not a JPEG.
// Pictures larger than 8192 x 8192 are refused.
std::optional<RgbImage> decode_jpeg(std::string_view bytes);

}  // namespace quill::platform
