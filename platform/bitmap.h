// Off-screen 24-bit pictures and the drawing operations the game uses on them.
// Coordinates are in pixels with (0, 0) at the upper left; rectangles given by two corners
// include the first corner and exclude the second.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/color.h"
#include "platform/font.h"

class QImage;

namespace quill::platform {

class Bitmap {
  public:
    Bitmap();
    Bitmap(int width, int height, Color fill = colors::kBlack);
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;
    ~Bitmap();

    // Loads a BMP or JPEG file (told apart by their contents). On failure the picture is
    // left as it was and false is returned.
    bool load(const std::filesystem::path& path);
    bool save_png(const std::filesystem::path& path) const;

    bool empty() const;
    int width() const;
    int height() const;
    // New size, filled black. A size of 0 makes the picture empty.
    void resize(int width, int height);
    void clear();  // makes the picture empty

    // Shapes. `x2`, `y2` are exclusive.
    void fill_rect(int x1, int y1, int x2, int y2, Color color);
    // The colour laid over the rectangle at an opacity (255: as fill_rect), what lies below
    // showing through the rest.
    void blend_rect(int x1, int y1, int x2, int y2, Color color, uint8_t opacity);
    void frame_rect(int x1, int y1, int x2, int y2, Color color);
    // An ellipse inside the rectangle, outlined with the pen and filled with the brush.
    void ellipse(int x1, int y1, int x2, int y2, Color pen, Color brush, int pen_width = 1);
    void ellipse_outline(int x1, int y1, int x2, int y2, Color pen, int pen_width = 1);
    // A line of the given pen width with square ends.
    void line(int x1, int y1, int x2, int y2, Color color, int pen_width = 1);

    // Copies `src` whole with its upper-left corner at (x, y).
    void draw(const Bitmap& src, int x, int y);
    // As draw, but the pixels of src's transparent colour (its lower-left pixel) are skipped.
    void draw_transparent(const Bitmap& src, int x, int y);
    // As draw_transparent, for the w x h part of `src` at (sx, sy) only (one cell of a sheet
    // of sprites; the transparent colour is still src's lower-left pixel).
    void draw_transparent_part(const Bitmap& src, int sx, int sy, int w, int h, int x, int y);
    // Copies the w x h rectangle of `src` at (sx, sy) to (x, y).
    void copy_rect(int x, int y, int w, int h, const Bitmap& src, int sx, int sy);
    // Combines the upper-left w x h of `src` into this picture at (x, y) with a bitwise OR
    // of every colour byte (black adds nothing, so glows and tints add light).
    void or_combine(const Bitmap& src, int x, int y, int w, int h);

    // Combines the whole picture with a light of the colour, as a screen does: each colour
    // byte p becomes p + (255 - p) * light / 255, so it only grows, and a byte that was the
    // larger stays the larger (a smooth wash, never bands). Black changes nothing.
    void lighten(Color light);

    // Text with a transparent background, its cell's upper-left corner at (x, y), laid over
    // the picture at the opacity (255 solid, 0 nothing). Returns the width of the text.
    int text(int x, int y, std::string_view utf8, const Font& font, uint8_t opacity = 255);
    static int text_width(std::string_view utf8, const Font& font);
    static int text_height(const Font& font);

    Color pixel(int x, int y) const;  // black outside the picture
    void set_pixel(int x, int y, Color color);
    // The transparent colour: the lower-left pixel (black for an empty picture).
    Color transparent_color() const;

    // Raw access to one row of pixels (r, g, b bytes) for the few effects that work per
    // pixel. The row is width() * 3 bytes long; write to it before the next call that draws
    // on or copies the picture.
    uint8_t* scan_line(int y);
    const uint8_t* scan_line(int y) const;

    // The picture for the front end that shows it.
    const QImage& qimage() const;

  private:
    struct OpaqueRuns;

    // Every change of pixels goes through these: the part x1..x2, y1..y2 may have changed
    // (clipped to the picture), or any part of it, or the whole picture is now one colour.
    void changed(int x1, int y1, int x2, int y2);
    void changed_anywhere();
    void now_plain(Color color);
    // An ellipse with a one-pixel pen from the pixels kept for its size, when they can be
    // used there; false when Qt has to draw it.
    bool draw_kept_ellipse(int x1, int y1, int x2, int y2, Color pen, const Color* brush,
                           int pen_width);
    // The runs of pixels of every row that are not the transparent colour, as pairs of
    // columns (the first of a run, the one after its last); worked out once and kept until
    // the picture changes.
    const OpaqueRuns& opaque_runs() const;

    // What is known of the pixels, so that work on parts nothing changed can be skipped.
    struct Known {
        // When `plain`, every pixel outside the box `drawn` is `plain_color`. An overlay
        // cleared every frame and drawn on in a few places is cleared and combined by its
        // drawn box alone.
        bool plain = false;
        Color plain_color;
        struct Box {
            int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        } drawn;
        // For pictures drawn with a transparent colour again and again (portraits, sprite
        // sheets), worked out when one is drawn so a second time without a change between.
        // Shared by copies, which have the same pixels until one of them changes.
        mutable std::shared_ptr<OpaqueRuns> runs;
        mutable bool drawn_transparent = false;
    };

    std::unique_ptr<QImage> image_;
    Known known_;
};

}  // namespace quill::platform
