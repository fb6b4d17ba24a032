// The host's tools on the command line of quillmoor-server (--list-suspicious,
// --delete-entry, --restore-entry, --history, --block): each works on the database (or the
// block list) while a server may be serving it, prints what it found or did, and gives the
// program's exit status (0 done, 1 nothing to do or a failure). Names are given and shown in
// UTF-8.
#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "server/store.h"

namespace quill::server {

int list_suspicious(Store& store, std::ostream& out);
int delete_entry(Store& store, std::string_view name_utf8, std::string_view player_id,
                 std::ostream& out, std::ostream& err);
int restore_entry(Store& store, std::string_view name_utf8, std::string_view player_id,
                  std::ostream& out, std::ostream& err);
int show_history(Store& store, std::string_view name_utf8, std::string_view player_id,
                 std::ostream& out, std::ostream& err);
int block_address(const std::filesystem::path& block_list, std::string_view address,
                  std::ostream& out, std::ostream& err);

}  // namespace quill::server
