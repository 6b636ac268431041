#include "core/lineup/stored_lineups.h"

#include <algorithm>

#include "core/match/lineup_access.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

namespace {

TTacticsPreset* FindPreset(int club)
{
    for (TTacticsPreset& preset : TacticsPresets)
        if (preset.club == club)
            return &preset;
    return nullptr;
}

// A stored entry that may stand on a shirt: a player of this club who is not out today.
bool Keeps(const LineupBoard& board, int club, int player)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr || p->Club != club)
        return false;
    const int row = board.Row(player);
    if (row < 0)
        return false;
    const int code = board.rowCodes[static_cast<std::size_t>(row)];
    return code != kCodeUnavailable && code != kCodeBlocked;
}

}  // namespace

void StoreLineup(int club, const LineupBoard& board)
{
    TTacticsPreset* preset = FindPreset(club);
    if (preset == nullptr) {
        TacticsPresets.push_back(TTacticsPreset{});
        preset = &TacticsPresets.back();
        preset->club = club;
    }
    for (int shirt = 1; shirt <= kShirtCount; ++shirt) {
        const ShirtSlot& s = board.shirts[static_cast<std::size_t>(shirt)];
        preset->players[shirt - 1] = s.player;
        if (shirt <= kStarterShirts)
            preset->pitchSlots[shirt - 1] = s.pitchSlot;
    }
}

bool LoadLineup(int club, LineupBoard& board)
{
    TTacticsPreset* preset = FindPreset(club);
    if (preset == nullptr)
        return false;
    // A player stands on one shirt: a stored line-up naming him twice keeps his first.
    for (int shirt = 0; shirt < kShirtCount; ++shirt) {
        int& player = preset->players[shirt];
        if (!Keeps(board, club, player) || std::find(preset->players, preset->players + shirt, player) != preset->players + shirt)
            player = 0;
    }
    for (int shirt = 1; shirt <= kShirtCount; ++shirt) {
        ShirtSlot& s = board.shirts[static_cast<std::size_t>(shirt)];
        const int player = preset->players[shirt - 1];
        if (shirt <= kStarterShirts && preset->pitchSlots[shirt - 1] >= 1 &&
            preset->pitchSlots[shirt - 1] <= PitchSlotCount)
            s.pitchSlot = preset->pitchSlots[shirt - 1];
        s.player = player;
        s.kind = player > 0 ? (shirt <= kStarterShirts ? kShirtStarter : kShirtSubstitute) : kShirtEmpty;
        if (player > 0)
            board.rowCodes[static_cast<std::size_t>(board.Row(player))] = CodeOfShirt(shirt);
    }
    return true;
}

}  // namespace tarvelon
