#pragma once
// The computer clubs' preparation for a matchday: line-up, formation, bench and tactics, then the
// players' attributes are kept in range and suspensions are served. Also the small squad choices
// made for every club: the captain, the set-piece taker and each player's tactical role.
#include <cstdint>

namespace tarvelon {

// One available player of the club being set up.
struct TLineupCandidate {
    std::int32_t player;
    std::int32_t key;
    std::int32_t energy;
    std::uint8_t taken;
    std::int32_t side;
    std::int32_t role;
    std::int32_t position;
};

// What a line-up place asks for: position, side code (-1 any) and role code (-1 any).
struct SlotWish {
    int position;
    int side;
    int role;
};

void PrepareMatchdayLineups();
void BuildCpuLineup(int club);
void ChooseCpuTactics(int club);

// Higher key first; equal keys by higher energy first (negative: a before b).
int CompareLineupCandidates(const void* a, const void* b);

// A not yet taken candidate for the wish at pitch slot `slot` (-1 for the bench); marks him taken.
int PickPlayerForSlot(const SlotWish& wanted, int slot);

// The formation (1..10) of a draw r = Random(100) + 1.
int FormationOfDraw(int r);

void ServeSuspensions();
void ClampPlayerAttributes();
// Both of the above in one pass over the players (each player's record is read once a matchday).
void ClampAttributesAndServeSuspensions();
void CountAvailablePlayers(int spare, int club);
bool IsAvailableToday(int player);
int ChooseTacticalRole(int player);
void ChooseCaptain(int club);
void ChooseFreeKickTaker(int club);

}  // namespace tarvelon
