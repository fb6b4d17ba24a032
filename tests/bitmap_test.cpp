#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/jpeg_reader.h"
#include "test_support.h"

namespace platform {
namespace {

using quill::testing_support::filled;
using quill::testing_support::TempFolder;
using quill::testing_support::write_bmp;

constexpr Color kKey = Color::rgb(0xFF00FF);
constexpr Color kBlue = Color::rgb(0x2050F0);
constexpr Color kGreen = Color::rgb(0x10C020);

TEST(Bitmap, TransparentDrawingSkipsTheLowerLeftPixelsColour) {
    Bitmap sprite = filled(4, 3, kKey);
    sprite.set_pixel(1, 1, kBlue);
    sprite.set_pixel(3, 0, kGreen);
    Bitmap dest = filled(10, 10, colors::kWhite);
    dest.draw_transparent(sprite, 2, 2);
    EXPECT_EQ(dest.pixel(3, 3), kBlue);
    EXPECT_EQ(dest.pixel(5, 2), kGreen);
    EXPECT_EQ(dest.pixel(2, 2), colors::kWhite);  // key colour left the white alone
    EXPECT_EQ(dest.pixel(2, 4), colors::kWhite);

    // The key follows the lower-left pixel, whatever it is.
    Bitmap other = filled(2, 2, kGreen);
    other.set_pixel(1, 0, kBlue);
    dest.draw_transparent(other, 0, 0);
    EXPECT_EQ(dest.pixel(0, 0), colors::kWhite);
    EXPECT_EQ(dest.pixel(1, 0), kBlue);
}

TEST(Bitmap, DrawingIsClippedAtEveryEdge) {
    Bitmap sprite = filled(5, 5, kBlue);
    sprite.set_pixel(0, 4, kKey);  // key: only that pixel
    Bitmap dest = filled(8, 8, colors::kBlack);
    dest.draw_transparent(sprite, -3, -3);
    dest.draw_transparent(sprite, 6, 6);
    dest.draw(sprite, -10, 0);  // entirely outside
    dest.copy_rect(7, 0, 5, 5, sprite, 0, 0);
    EXPECT_EQ(dest.pixel(0, 0), kBlue);
    EXPECT_EQ(dest.pixel(1, 1), kBlue);
    EXPECT_EQ(dest.pixel(2, 2), colors::kBlack);
    EXPECT_EQ(dest.pixel(7, 7), kBlue);
    EXPECT_EQ(dest.pixel(7, 0), kBlue);
    EXPECT_EQ(dest.pixel(6, 0), colors::kBlack);
}

TEST(Bitmap, OrCombineAddsLightByteByByte) {
    Bitmap dest = filled(4, 4, Color::rgb(0x102030));
    Bitmap glow = filled(4, 4, colors::kBlack);
    glow.set_pixel(1, 1, Color::rgb(0x0F0F0F));
    glow.set_pixel(2, 2, colors::kRed);
    dest.or_combine(glow, 0, 0, 4, 4);
    EXPECT_EQ(dest.pixel(0, 0), Color::rgb(0x102030));  // black adds nothing
    EXPECT_EQ(dest.pixel(1, 1), Color::rgb(0x1F2F3F));
    EXPECT_EQ(dest.pixel(2, 2), Color::rgb(0xFF2030));
    // Placed at an offset and clipped.
    Bitmap star = filled(3, 3, Color::rgb(0x808080));
    dest.or_combine(star, 3, 3, 3, 3);
    EXPECT_EQ(dest.pixel(3, 3), Color::rgb(0x90A0B0));
    EXPECT_EQ(dest.pixel(2, 3), Color::rgb(0x102030));
}

TEST(Bitmap, CopyOntoItselfShifts) {
    Bitmap b = filled(4, 1, colors::kBlack);
    b.set_pixel(0, 0, kBlue);
    b.set_pixel(1, 0, kGreen);
    b.copy_rect(1, 0, 4, 1, b, 0, 0);
    EXPECT_EQ(b.pixel(1, 0), kBlue);
    EXPECT_EQ(b.pixel(2, 0), kGreen);
}

TEST(Bitmap, ShapesStayInsideTheirRectangles) {
    Bitmap b = filled(20, 20, colors::kBlack);
    b.fill_rect(2, 3, 5, 6, kBlue);  // exclusive far corner
    EXPECT_EQ(b.pixel(2, 3), kBlue);
    EXPECT_EQ(b.pixel(4, 5), kBlue);
    EXPECT_EQ(b.pixel(5, 5), colors::kBlack);
    b.fill_rect(-1, -1, 641, 481, kGreen);  // larger than the picture
    EXPECT_EQ(b.pixel(19, 19), kGreen);
    b.line(0, 10, 10, 10, kBlue, 4);
    EXPECT_EQ(b.pixel(5, 8), kBlue);
    EXPECT_EQ(b.pixel(5, 11), kBlue);
    EXPECT_EQ(b.pixel(5, 12), kGreen);
    EXPECT_EQ(b.pixel(10, 10), kGreen);
    b.ellipse(0, 0, 10, 10, colors::kWhite, kBlue);
    EXPECT_EQ(b.pixel(5, 5), kBlue);
    EXPECT_EQ(b.pixel(0, 0), kGreen);  // the corner of the box is outside the ellipse
}

TEST(Bitmap, TextIsDrawnInItsColourAndMeasured) {
    Bitmap b = filled(120, 30, colors::kBlack);
    Font f{FontFace::Gothic, 12, true, colors::kWhite};
    b.text(2, 2, "得点 123", f);
    int lit = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x) lit += b.pixel(x, y) != colors::kBlack;
    EXPECT_GT(lit, 20);
    EXPECT_EQ(b.pixel(119, 29), colors::kBlack);
    // The fixed face gives every ASCII character the same advance, half a kanji's.
    f.bold = false;
    const int one = Bitmap::text_width("a", f);
    EXPECT_EQ(Bitmap::text_width("iiii", f), 4 * one);
    EXPECT_EQ(Bitmap::text_width("漢", f), 2 * one);
    EXPECT_EQ(Bitmap::text_width("", f), 0);
}

TEST(Bitmap, LoadsBmpAndJpegAndRefusesDamagedFiles) {
    TempFolder folder;
    Bitmap original = filled(7, 5, kBlue);
    original.set_pixel(0, 4, kKey);
    write_bmp(folder.path() / "a.bmp", original);
    Bitmap loaded;
    ASSERT_TRUE(loaded.load(folder.path() / "a.bmp"));
    EXPECT_EQ(loaded.width(), 7);
    EXPECT_EQ(loaded.height(), 5);
    EXPECT_EQ(loaded.pixel(3, 3), kBlue);
    EXPECT_EQ(loaded.transparent_color(), kKey);

    Bitmap jpeg;
    ASSERT_TRUE(jpeg.load(QUILLMOOR_TEST_DATA "/tiny.jpg"));
    EXPECT_EQ(jpeg.width(), 16);
    EXPECT_EQ(jpeg.height(), 8);
    Color left = jpeg.pixel(2, 4), right = jpeg.pixel(13, 4);
    EXPECT_GT(left.b, 200);
    EXPECT_LT(left.r, 80);
    EXPECT_GT(right.r, 200);
    EXPECT_LT(right.b, 80);

    // Damaged, empty, truncated and foreign files leave the picture as it was.
    std::string bmp_bytes;
    {
        std::ifstream in(folder.path() / "a.bmp", std::ios::binary);
        bmp_bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string jpeg_bytes;
    {
        std::ifstream in(QUILLMOOR_TEST_DATA "/tiny.jpg", std::ios::binary);
        jpeg_bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string damaged[] = {
        "",
        "BM",
        bmp_bytes.substr(0, 30),
        jpeg_bytes.substr(0, jpeg_bytes.size() / 3),
        std::string("\xFF\xD8\xFF\xE0", 4) + std::string(200, '\x17'),
        "GIF89a not a picture of ours",
        std::string(5000, '\0'),
    };
    for (size_t i = 0; i < std::size(damaged); ++i) {
        auto path = folder.path() / ("bad" + std::to_string(i) + ".bmp");
        std::ofstream(path, std::ios::binary) << damaged[i];
        Bitmap keep = filled(3, 3, kGreen);
        EXPECT_FALSE(keep.load(path)) << i;
        EXPECT_EQ(keep.width(), 3) << i;
        EXPECT_EQ(keep.pixel(1, 1), kGreen) << i;
    }
    EXPECT_FALSE(loaded.load(folder.path() / "missing.bmp"));
    EXPECT_EQ(loaded.width(), 7);
}

TEST(JpegReader, RejectsTruncatedData) {
    std::ifstream in(QUILLMOOR_TEST_DATA "/tiny.jpg", std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    ASSERT_TRUE(decode_jpeg(bytes));
    for (size_t cut : {size_t{2}, size_t{20}, bytes.size() / 2}) {
        EXPECT_FALSE(decode_jpeg(std::string_view(bytes).substr(0, cut))) << cut;
    }
}

}  // namespace
}  // namespace platform
