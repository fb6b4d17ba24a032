#include "platform/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quill::platform {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void on_error(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->jump, 1);
}

void on_message(j_common_ptr) {}  // warnings are not worth a word on the console

constexpr int kMaxSide = 8192;

}  // namespace

std::optional<RgbImage> decode_jpeg(std::string_view bytes) {
    if (bytes.size() < 4) return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = on_error;
    err.base.output_message = on_message;
    // Everything that must survive the long jump lives outside this frame's registers.
    static thread_local RgbImage image;
    image = RgbImage{};
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        image = RgbImage{};
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    if (info.image_width == 0 || info.image_height == 0 ||
        info.image_width > static_cast<unsigned>(kMaxSide) ||
        info.image_height > static_cast<unsigned>(kMaxSide)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    const size_t stride = static_cast<size_t>(image.width) * 3;
    image.pixels.assign(stride * static_cast<size_t>(image.height), 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    // libjpeg fills a cut-off picture with grey and only warns; a damaged file is refused.
    const bool damaged = err.base.num_warnings > 0;
    jpeg_destroy_decompress(&info);
    if (damaged) {
        image = RgbImage{};
        return std::nullopt;
    }
    RgbImage result = std::move(image);
    image = RgbImage{};
    return result;
}

}  // namespace quill::platform
