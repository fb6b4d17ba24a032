// Conversions between the game's inner UTF-8 text and the outside world: code page 932
// (the save files, the name list, the ranking server) and UTF-7 (the ranking lines).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quill::platform {

// UTF-8 -> code page 932. Empty optional when a character has no code page 932 form
// or the input is not valid UTF-8.
std::optional<std::string> to_cp932(std::string_view utf8);

// Code page 932 -> UTF-8. Empty optional when the bytes are not valid code page 932.
std::optional<std::string> from_cp932(std::string_view cp932);

// Code page 932 -> UTF-8 for text read from files: bytes that do not convert become "?".
std::string from_cp932_lossy(std::string_view cp932);

// UTF-8 -> code page 932 for text written to files: characters without a code page 932
// form become "?".
std::string to_cp932_lossy(std::string_view utf8);

// UTF-8 -> UTF-7 (RFC 2152), the encoder state flushed at the end.
std::optional<std::string> to_utf7(std::string_view utf8);

// UTF-7 -> UTF-8. Empty optional on malformed input.
std::optional<std::string> from_utf7(std::string_view utf7);

// The number of bytes the text takes in code page 932 (a character without a code page
// 932 form counts as one byte, as "?" would).
int cp932_length(std::string_view utf8);

}  // namespace quill::platform
