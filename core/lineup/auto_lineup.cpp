#include "core/lineup/auto_lineup.h"

#include <algorithm>

#include "core/lineup/stored_lineups.h"
#include "core/match/lineup_access.h"
#include "core/sort/record_sort.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

namespace {

constexpr int kAny = -1;
constexpr int kBenchRole = 12;

struct Pass {
    int position;
    int side;
    int role;
    int levels;  // 3, or 1 for a pass that asks exactly its side and role
};

// The passes of a place at pitch slot `slot`: its own position first, then the slot's fallbacks.
std::vector<Pass> PassesOf(int position, int side, int role, int slot)
{
    if (slot == 2 || slot == 9)
        return {{position, side, role, 3}, {3, side, role, 3}, {2, side, role, 3}};
    if (slot >= 3 && slot <= 8)
        return {{position, side, role, 3}, {3, kAny, 0, 1}, {1, side, kAny, 3}};
    if (slot == 10 || slot == 17)
        return {{position, side, role, 3}, {3, side, 1, 3}};
    if (slot >= 14 && slot <= 16)
        return {{position, side, role, 3}, {1, side, role, 3}, {4, side, role, 3}};
    if (slot >= 18 && slot <= 25)
        return {{position, side, 1, 3}, {3, side, 1, 3}};
    return {{position, side, role, 3}};
}

bool Fits(const AutoCandidate& c, int position, int side, int role)
{
    return c.used == 0 && c.position == position && (side == kAny || c.side == side) && (role == kAny || c.role == role);
}

int CompareCandidates(const AutoCandidate& a, const AutoCandidate& b)
{
    if (a.strength != b.strength) return a.strength < b.strength ? -1 : 1;
    if (a.energy != b.energy) return a.energy < b.energy ? -1 : 1;
    if (a.spare != b.spare) return a.spare < b.spare ? -1 : 1;
    return 0;
}

// Shirt k of the selection: cleared, then worn by the pick (a bench pick goes to the next free
// bench shirt, so the bench has no gaps).
void WearPick(LineupBoard& board, int shirt, int slot, int pick, int& nextBenchShirt)
{
    const bool starter = shirt <= kStarterShirts;
    ShirtSlot& reset = board.shirts[static_cast<std::size_t>(shirt)];
    reset.player = -1;
    reset.kind = kShirtReset;
    if (pick <= 0)
        return;
    const int target = starter ? shirt : nextBenchShirt++;
    ShirtSlot& s = board.shirts[static_cast<std::size_t>(target)];
    s.pitchSlot = starter ? slot : -1;
    s.kind = starter ? kShirtStarter : kShirtSubstitute;
    s.player = pick;
}

}  // namespace

std::vector<AutoCandidate> CollectAutoCandidates(const LineupBoard& board)
{
    std::vector<AutoCandidate> candidates;
    for (std::size_t row = 0; row < board.rowPlayers.size(); ++row) {
        const int code = board.rowCodes[row];
        TPlayer* p = PlayerAt(board.rowPlayers[row]);
        if (p == nullptr || code == kCodeUnavailable || code == kCodeBlocked)
            continue;
        p->LineupStatus = 0;
        candidates.push_back({board.rowPlayers[row], static_cast<std::int32_t>(row), p->Strength, p->Energy, 0,
                              p->Side, p->Position, p->Role, 0});
    }
    if (!candidates.empty())
        SortRecords(candidates.data(), 0, static_cast<int>(candidates.size()) - 1, CompareCandidates);
    return candidates;
}

int PickForSlot(LineupBoard& board, std::vector<AutoCandidate>& candidates, int position, int side, int role,
                int slot)
{
    for (const Pass& pass : PassesOf(position, side, role, slot)) {
        for (int level = 1; level <= pass.levels; ++level) {
            const int wantSide = level == 1 ? pass.side : kAny;
            const int wantRole = level <= 2 ? pass.role : kAny;
            for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
                if (!Fits(*it, pass.position, wantSide, wantRole))
                    continue;
                const bool bench = role == kBenchRole;
                it->used = bench ? 2 : 1;
                board.rowCodes[static_cast<std::size_t>(it->row)] = bench ? kCodeSubstitute : kCodeStarter;
                return it->player;
            }
        }
    }
    return -1;
}

void AutoSelectLineup(LineupBoard& board, int formation, int club)
{
    formation = std::clamp(formation, 1, FormationCount);
    PlaceFormation(board, formation);
    for (int& code : board.rowCodes)
        if (code == kCodeStarter || code == kCodeSubstitute)
            code = kCodeFree;
    std::vector<AutoCandidate> candidates = CollectAutoCandidates(board);
    // A place whose passes find nobody stays empty for the coach to fill (no goalkeeper left leaves
    // shirt 1 empty); the bench is chosen after the eleven.
    int nextBenchShirt = kStarterShirts + 1;
    for (int shirt = 1; shirt <= kShirtCount; ++shirt) {
        const bool starter = shirt <= kStarterShirts;
        const int slot = starter ? FormationSlots[formation][shirt] : -1;
        const SlotRole wish = starter ? PitchSlotRoles[slot] : BenchSlotRoles[shirt - kStarterShirts];
        WearPick(board, shirt, slot, PickForSlot(board, candidates, wish.position, wish.side, wish.role, slot),
                 nextBenchShirt);
    }
    StoreLineup(club, board);
}

}  // namespace tarvelon
