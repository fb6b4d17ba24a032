// The game's text-file format: one value per line, lines ended by CR LF, code page 932,
// integers in decimal. Values are read in order, as the files were written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quill::platform {

class TextReader {
  public:
    // `bytes` is the whole file as stored (code page 932).
    explicit TextReader(std::string bytes);

    // Reads the next integer: blanks and line ends before it are skipped, the rest of its
    // line is passed over. At the end of the file the value is 0 and the read succeeds.
    // Returns false, with `value` 0, when the next value is not a decimal 32-bit integer;
    // `line()` then names the offending line.
    bool read_int(int32_t& value);

    // Reads the rest of the current line as text (UTF-8); empty at the end of the file.
    std::string read_text();

    // The 1-based number of the line the next read starts on.
    int line() const { return line_; }
    bool at_end() const { return pos_ >= bytes_.size(); }

  private:
    void skip_to_next_line();

    std::string bytes_;
    size_t pos_ = 0;
    int line_ = 1;
};

class TextWriter {
  public:
    void write_int(int32_t value);
    // Writes a text value (UTF-8 in, code page 932 out) on a line of its own. Line breaks
    // inside the text are written as spaces, so one value always stays one line.
    void write_text(std::string_view utf8);
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

}  // namespace quill::platform
