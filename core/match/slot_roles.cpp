#include "core/match/lineup_ratings.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

int SlotPosition(int slot) { return IsPitchSlot(slot) ? PitchSlotRoles[slot].position : -1; }
int SlotSideCode(int slot) { return IsPitchSlot(slot) ? PitchSlotRoles[slot].side : -1; }
int SlotRoleCode(int slot) { return IsPitchSlot(slot) ? PitchSlotRoles[slot].role : -1; }

}  // namespace tarvelon
