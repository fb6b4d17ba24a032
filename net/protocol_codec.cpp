#include "net/protocol_codec.h"

namespace quill::net {

// The codec is written next; until then nothing decodes.
bool rank_field_is_integer(int field) {
    return field != 1 && field != 7 && field != 23 && field != 24;
}

}  // namespace quill::net
