// Uncompressed 24-bit BMP writer (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows).
// Written by hand so the bit depth and layout never depend on an image library's choices.
#include "assetgen.h"

#include <QFile>

#include <array>

namespace quill::assetgen {

namespace {

void put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v & 0xff);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>((v >> (8 * i)) & 0xff);
}

}  // namespace

bool writeBmp24(const QImage& image, const QString& path, QString* error) {
    if (image.isNull()) {
        if (error) *error = QStringLiteral("empty image for %1").arg(path);
        return false;
    }
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const uint32_t rowBytes = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(h);
    constexpr uint32_t kHeaderBytes = 14 + 40;

    std::vector<uint8_t> buf(kHeaderBytes + pixelBytes, 0);
    // BITMAPFILEHEADER
    buf[0] = 'B';
    buf[1] = 'M';
    put32(buf, 2, kHeaderBytes + pixelBytes);
    put32(buf, 10, kHeaderBytes);
    // BITMAPINFOHEADER
    put32(buf, 14, 40);
    put32(buf, 18, static_cast<uint32_t>(w));
    put32(buf, 22, static_cast<uint32_t>(h));  // positive height: bottom-up
    put16(buf, 26, 1);                         // planes
    put16(buf, 28, 24);                        // bits per pixel
    put32(buf, 30, 0);                         // BI_RGB
    put32(buf, 34, pixelBytes);
    put32(buf, 38, 2835);  // 72 dpi
    put32(buf, 42, 2835);

    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(img.constScanLine(h - 1 - y));
        uint8_t* dst = buf.data() + kHeaderBytes + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < w; ++x) {
            dst[3 * x + 0] = static_cast<uint8_t>(qBlue(src[x]));
            dst[3 * x + 1] = static_cast<uint8_t>(qGreen(src[x]));
            dst[3 * x + 2] = static_cast<uint8_t>(qRed(src[x]));
        }
    }

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error) *error = QStringLiteral("cannot open %1: %2").arg(path, f.errorString());
        return false;
    }
    const qint64 n =
        f.write(reinterpret_cast<const char*>(buf.data()), static_cast<qint64>(buf.size()));
    if (n != static_cast<qint64>(buf.size()) || !f.flush()) {
        if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    f.close();
    return true;
}

}  // namespace quill::assetgen
