// Where the ranking server is: the command line's --server, else the first line of
// dat/server.txt, else the local server that `make play` starts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/folders.h"

namespace quill {

inline constexpr std::string_view kLocalServer = "http://127.0.0.1:8229";

// An http:// or https:// address of printable ASCII without blanks, at most 2048 bytes.
bool IsServerAddress(std::string_view text);

// The address to use; a server.txt whose first line is no address is passed over.
std::string ServerAddress(const std::optional<std::string>& given, const platform::Folders& f);

}  // namespace quill
