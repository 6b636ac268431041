#pragma once
// After every league day and every state championship day each player of a league club grows or
// declines by a fraction of a strength point; the fractions add up in his development accumulator
// and turn into whole points one at a time.

namespace tarvelon {

// Only on league (kind 1) and state championship (kind 3) days: every player of a club of the
// played leagues or an extra club (on league days only clubs in a division) grows below 32 and
// declines from 32 on.
void PlayerDevelopmentPass();

// One round of growth of a player younger than 32.
void PlayerGrowthStep(int player);

// One round of decline of a player of 32 or more.
void PlayerDeclineStep(int player);

// False when the player's club's division caps his strength (division 2 at 81, 3 at 61, 4 at 41,
// 5 at 31); division 1 has no cap.
bool BelowDivisionCap(int player);

}  // namespace tarvelon
