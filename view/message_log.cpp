#include "view/message_log.h"

namespace quill {

void ClearLog(Game&) {
    // The log's entries are emptied here.
}

}  // namespace quill
