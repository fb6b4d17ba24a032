#include "temp_folder.h"

#include <cstdlib>
#include <string>

namespace quill::testing_support {

TempFolder::TempFolder() {
    std::string pattern = std::filesystem::temp_directory_path() / "quillmoor-test-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace quill::testing_support
