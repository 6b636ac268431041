#pragma once
// Who on the pitch is involved in an incident: the scorer of a goal, the player fouling or fouled.
// The pick draws a zone, then searches the pitch slots of that zone for a starter on the pitch.

namespace tarvelon {

constexpr int kScorerNormal = -1;
constexpr int kScorerOwnGoal = -2;

// The first of starters 1..11 holding a player, standing at the pitch slot and on the pitch, else -1.
int FindPlayerAtSlot(int lineup, int slot);

// The scorer of a goal (flag kScorerNormal) or an own goal (kScorerOwnGoal); -1 when nobody is on the pitch.
int PickScorer(int lineup, int zone, int flag);

// The player involved in a foul; zone -1 draws the zone. -1 when nobody is on the pitch.
int PickFouler(int lineup, int zone, int unused = 0);

}  // namespace tarvelon
