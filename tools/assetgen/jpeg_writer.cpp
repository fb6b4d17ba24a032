// Baseline JPEG writer on top of libjpeg's compressor.
#include "assetgen.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quill::assetgen {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

}  // namespace

bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error) {
    if (image.isNull()) {
        if (error) *error = QStringLiteral("empty image for %1").arg(path);
        return false;
    }
    const QImage img = image.convertToFormat(QImage::Format_RGB888);
    const QByteArray nativePath = path.toLocal8Bit();
    std::FILE* out = std::fopen(nativePath.constData(), "wb");
    if (!out) {
        if (error) *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }

    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = onJpegError;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::fclose(out);
        if (error) *error = QStringLiteral("libjpeg failed on %1: %2").arg(path, err.message);
        return false;
    }

    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(img.width());
    cinfo.image_height = static_cast<JDIMENSION>(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPROW>(img.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    const bool ok = std::fflush(out) == 0 && !std::ferror(out);
    const bool closed = std::fclose(out) == 0;
    if (!ok || !closed) {
        if (error) *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

}  // namespace quill::assetgen
