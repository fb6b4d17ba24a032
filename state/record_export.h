// The human-readable record 記録.txt beside the program, rewritten at every save, and the
// equipment totals it shares with the item panel's status text.
#pragma once

#include <cstdint>
#include <string>

#include "state/game.h"

namespace quill {

// The adventurer's own values plus what is worn.
struct EquipmentTotals {
    int32_t attack = 0, defence = 0, hit = 0, evasion = 0, critical = 0, guard = 0;
    int32_t helmet_critical = 0;  // the helmet's part of `critical`
};
EquipmentTotals TotalEquipmentStats(const Game& g);

// The record's text (UTF-8, lines ended by "\r\n"); counts the possessions into
// g.record_counts on the way.
std::string RecordText(Game& g);

// Writes 記録.txt in code page 932. A failure is told once and leaves the save alone.
void export_record(Game& g);

}  // namespace quill
